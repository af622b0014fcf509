// Small icons of the buttons beside the editors' fields and of the stepping buttons (16 px),
// and the links list's visit button (32 px). Same family as the list buttons: light from the
// top left, dark outline of the shape's own hue, gloss on the upper half, straight edges on
// half pixels so they stay crisp.

#include "Drawing.h"
#include "Pictures.h"

namespace Draw {

namespace {

const QColor BlueLight = rgba(150, 208, 255);
const QColor BlueMid = rgba(48, 128, 216);
const QColor BlueDark = rgba(20, 76, 156);
const QColor BlueRim = rgba(14, 54, 118);

// A glossy blue globe with its grid. `c` sits on a pixel's centre so that the equator and the
// central meridian fill whole pixels; `r` (a whole number) is the radius of the outline.
void drawGlobe(QPainter &p, QPointF c, int r)
{
    contactShadow(p, c + QPointF(0.4, 1), r + 1.7, 0.78, 80);

    QPainterPath sphere;
    sphere.addEllipse(c, r, r);
    QRadialGradient body(c + QPointF(-r * 0.3, -r * 0.4), r * 1.55, c + QPointF(-r * 0.4, -r * 0.55));
    body.setColorAt(0, BlueLight);
    body.setColorAt(0.5, BlueMid);
    body.setColorAt(1, BlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(sphere);

    // Grid: whole-pixel lines for the equator, central meridian and two parallels; the other
    // meridians are ellipses whose widest points land on pixel centres.
    p.save();
    p.setClipPath(sphere);
    const QColor grid = rgba(255, 255, 255, r < 10 ? 150 : 165);
    const int parallel = qRound(r * 0.55);
    p.fillRect(QRectF(c.x() - r, c.y() - 0.5, 2 * r, 1), grid);
    p.fillRect(QRectF(c.x() - 0.5, c.y() - r, 1, 2 * r), grid);
    for (const int sign : {-1, 1})
        p.fillRect(QRectF(c.x() - r, c.y() - 0.5 + sign * parallel, 2 * r, 1), grid);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grid, 1));
    p.drawEllipse(c, qreal(r < 10 ? 3 : 5), r - 0.5);
    if (r >= 10)
        p.drawEllipse(c, qreal(10), r - 0.5);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(BlueRim, 1));
    p.drawEllipse(c, r, r);
    glossCap(p, QRectF(c.x() - r * 0.7, c.y() - r + 1, r * 1.4, r * 0.85), c.y() - r + 0.5, c.y(), 150);
}

// A magnifier for the 16 px icons: lens centred on `lens`, handle towards the bottom right.
void drawSmallLens(QPainter &p, QPointF lens, qreal outer, qreal inner)
{
    drawLensHandle(p, lens, QRectF(outer - 0.4, -1.5, 4.2, 3.0), 1.2,
                   {{0, rgba(150, 104, 70)}, {0.4, rgba(92, 58, 34)}, {1, rgba(36, 20, 10)}}, QPen(rgba(26, 14, 8), 0.7));

    // Clear glass: what lies behind stays visible, lightened.
    drawLensGlass(p, lens, inner, QPointF(-1, -1), 1.5,
                  {{0, rgba(255, 255, 255, 200)}, {0.6, rgba(220, 238, 255, 140)}, {1, rgba(170, 206, 240, 150)}});
    drawLensRim(p, lens, outer, inner, rgba(80, 82, 90), Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(44, 46, 52), 0.9));
    p.drawEllipse(lens, outer - 0.45, outer - 0.45);
}

// Filled shape with a vertical gloss gradient, its own outline and a one-pixel drop shadow.
void drawGlossyShape(QPainter &p, const QPainterPath &shape, QColor light, QColor mid, QColor dark, QColor outline)
{
    const QRectF b = shape.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0, 0, 0, 45));
    p.drawPath(shape.translated(0, 1));
    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0, light);
    g.setColorAt(0.5, mid);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(shape);
}

// A broad arrow pointing right (or left), 14 px long, centred on the 16 px canvas.
QImage stepArrow(bool left)
{
    return paintIcon(16, [left](QPainter &p) {
        // Shaft 4 px thick inside its outline, head 13 px high; the tip meets the centre line.
        QPainterPath arrow;
        arrow.addPolygon(QPolygonF({{1.5, 5.5}, {7.5, 5.5}, {7.5, 1.5}, {14.5, 8}, {7.5, 14.5}, {7.5, 10.5}, {1.5, 10.5}}));
        arrow.closeSubpath();
        // Mirroring about x = 8 keeps the half-pixel edges on half pixels.
        const QTransform mirror = left ? QTransform(-1, 0, 0, 1, 16, 0) : QTransform();
        const QPainterPath shape = mirror.map(arrow);
        drawGlossyShape(p, shape, BlueLight, BlueMid, BlueDark, BlueRim);
        // Highlight along the shaft's upper inner edge.
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 255, 255, 130));
        p.drawRect(mirror.mapRect(QRectF(2, 6, 6, 1)));
    });
}

} // namespace

QImage iconBtnVisit()
{
    return paintIcon(32, [](QPainter &p) {
        // A little smaller than the badge icons: a full disc weighs more than a page.
        drawGlobe(p, QPointF(15.5, 15.5), 13);
    });
}

QImage iconBtnVisitSmall()
{
    return paintIcon(16, [](QPainter &p) {
        drawGlobe(p, QPointF(7.5, 7.5), 7);
    });
}

QImage iconBtnWebSearch()
{
    return paintIcon(16, [](QPainter &p) {
        drawGlobe(p, QPointF(6.5, 6.5), 6);
        drawSmallLens(p, QPointF(9, 9), 4.2, 2.7);
    });
}

QImage iconBtnCard()
{
    return paintIcon(16, [](QPainter &p) {
        const QRectF card(0.5, 2.5, 14, 11);

        p.setPen(Qt::NoPen);
        p.setBrush(rgba(0, 0, 0, 45));
        p.drawRoundedRect(card.translated(1, 1), 1.5, 1.5);
        QLinearGradient paper(card.topLeft(), card.bottomRight());
        paper.setColorAt(0, rgba(255, 255, 255));
        paper.setColorAt(1, rgba(222, 227, 234));
        p.setBrush(paper);
        p.setPen(QPen(PageOutline, 1));
        p.drawRoundedRect(card, 1.5, 1.5);

        // The person: a blue bust on the left, cut off by the card's bottom edge.
        QPainterPath person;
        person.addEllipse(QPointF(4.5, 6.4), 1.9, 1.9);
        QPainterPath shoulders;
        shoulders.addEllipse(QPointF(4.5, 12.6), 3.4, 3.6);
        QPainterPath inside;
        inside.addRect(QRectF(1, 9, 8, 4));
        person.addPath(shoulders.intersected(inside));
        QLinearGradient blue(0, 4, 0, 13);
        blue.setColorAt(0, rgba(96, 156, 230));
        blue.setColorAt(1, rgba(30, 86, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPath(person);

        // Name and address lines on whole pixels: the name darker.
        p.setBrush(rgba(72, 80, 96));
        p.drawRect(QRectF(9, 5, 4, 1));
        p.setBrush(rgba(132, 140, 156));
        p.drawRect(QRectF(9, 8, 4, 1));
        p.drawRect(QRectF(9, 10, 3, 1));
    });
}

QImage iconBtnClear()
{
    return paintIcon(16, [](QPainter &p) {
        const QPointF c(8, 8);
        drawSmallBadge(p, c, 7, rgba(255, 128, 116), rgba(226, 52, 42), rgba(164, 22, 16), rgba(124, 14, 10));
        drawSaltire(p, c, 2.6, 2.0, rgba(110, 8, 4, 110), 2.0, 0.6);
    });
}

QImage iconBtnInfo()
{
    return paintIcon(16, [](QPainter &p) {
        drawSmallBadge(p, QPointF(8, 8), 7, BlueLight, BlueMid, BlueDark, BlueRim);
        // The "i" on whole pixels: dot, a two-pixel stem with a serif at its head and a foot.
        QPainterPath glyph;
        glyph.addEllipse(QPointF(8, 4.6), 1.35, 1.35);
        glyph.addRect(QRectF(7, 7, 2, 5));
        glyph.addRect(QRectF(6, 7, 1, 1));
        glyph.addRect(QRectF(6, 11, 4, 1));
        glyph.setFillRule(Qt::WindingFill);
        drawWhiteGlyph(p, glyph, rgba(10, 40, 100, 120), 1);
    });
}

QImage iconBtnPrevious()
{
    return stepArrow(true);
}

QImage iconBtnNext()
{
    return stepArrow(false);
}

QImage iconBtnRemoveSmall()
{
    return paintIcon(16, [](QPainter &p) {
        // The add button's horizontal bar, in red.
        QPainterPath bar;
        bar.addRect(QRectF(1.5, 5.5, 13, 5));
        drawGlossyShape(p, bar, rgba(255, 140, 124), rgba(222, 54, 40), rgba(160, 24, 16), rgba(118, 10, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(255, 255, 255, 120));
        p.drawRect(QRectF(2, 6, 12, 1));
    });
}

} // namespace Draw
