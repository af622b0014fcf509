// Icons of the list windows' button column (32 px) and the small add button (16 px).
// Drawn at their final size: outlines sit on half pixels so straight edges stay crisp.

#include "Drawing.h"
#include "Pictures.h"

namespace Draw {

namespace {

// A sheet with a folded corner and a few text lines; `r` is the outline rectangle
// (half-pixel edges), `fold` the size of the folded corner.
void drawPage(QPainter &p, const QRectF &r, qreal fold) {
    const qreal l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();

    QPainterPath sheet;
    sheet.moveTo(l, t);
    sheet.lineTo(rt - fold, t);
    sheet.lineTo(rt, t + fold);
    sheet.lineTo(rt, b);
    sheet.lineTo(l, b);
    sheet.closeSubpath();

    // Soft drop shadow, one pixel down and right, following the sheet's outline.
    p.setPen(QPen(rgba(0, 0, 0, 34), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(rgba(0, 0, 0, 34));
    p.drawPath(sheet.translated(1, 1));

    QLinearGradient paper(l, t, rt, b);
    paper.setColorAt(0, rgba(255, 255, 255));
    paper.setColorAt(1, rgba(226, 230, 236));
    p.setBrush(paper);
    p.setPen(QPen(PageOutline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(sheet);

    // Inner highlight along the top and left edges.
    p.setPen(QPen(rgba(255, 255, 255, 220), 1));
    p.drawLine(QPointF(l + 1, t + 1), QPointF(rt - fold - 0.5, t + 1));
    p.drawLine(QPointF(l + 1, t + 1), QPointF(l + 1, b - 1));

    // Folded corner.
    QPainterPath flap;
    flap.moveTo(rt - fold, t);
    flap.lineTo(rt - fold, t + fold);
    flap.lineTo(rt, t + fold);
    flap.closeSubpath();
    QLinearGradient fg(rt - fold, t + fold, rt - fold / 2, t + fold / 2);
    fg.setColorAt(0, rgba(206, 212, 222));
    fg.setColorAt(1, rgba(246, 248, 250));
    p.setBrush(fg);
    p.setPen(QPen(PageOutline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(flap);
}

// Text lines of a page whose outline is `r`; lines are one pixel high on whole pixels.
void drawPageLines(QPainter &p, const QRectF &r, qreal fold, const QColor &ink = rgba(150, 158, 172)) {
    const int x0 = int(r.left() + 3.5);
    const int x1 = int(r.right() - 2.5); // exclusive
    const int widths[] = {0, -3, -1, -5, -2, 0, -4, -2, -6};
    int i = 0;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int y = int(r.top() + 4.5); y <= int(r.bottom() - 3.5); y += 3, ++i) {
        const int right = (y < r.top() + fold + 1 ? int(r.right() - fold - 1.5) : x1) + widths[i % 9];
        if (right > x0)
            p.drawRect(QRectF(x0, y, right - x0, 1));
    }
}

// The written page every list-button icon starts from, its left edge at `left`.
void drawListPage(QPainter &p, qreal left) {
    const QRectF page(left, 1.5, 19, 25);
    const qreal fold = 6;
    drawPage(p, page, fold);
    drawPageLines(p, page, fold);
}

} // namespace

QImage iconBtnSearch() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawListPage(p, 2.5);

    const QPointF lens(18.5, 17.5);
    const qreal outer = 7.5, inner = 5.2;

    // Handle towards the bottom right, cylindrical shade.
    drawLensHandle(p, lens, QRectF(outer + 2.0, -2.4, 6.6, 4.8), 2.0,
                   {{0, rgba(132, 92, 62)}, {0.35, rgba(88, 56, 34)}, {1, rgba(32, 18, 10)}}, QPen(rgba(26, 14, 8), 0.8),
                   QRectF(outer - 0.8, -1.9, 3.2, 3.8));

    // Glass, with the page's lines magnified behind it.
    QPainterPath glassPath;
    glassPath.addEllipse(lens, inner, inner);
    p.save();
    p.setClipPath(glassPath);
    p.fillPath(glassPath, rgba(250, 252, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(120, 132, 152));
    for (int y = 10; y <= 25; y += 4)
        p.drawRect(QRectF(lens.x() - 9, y + 0.25, y == 18 ? 13 : 18, 1.6));
    QRadialGradient glass(lens + QPointF(-2, -2), inner * 1.5);
    glass.setColorAt(0, rgba(255, 255, 255, 150));
    glass.setColorAt(0.5, rgba(206, 230, 255, 90));
    glass.setColorAt(1, rgba(110, 160, 220, 150));
    p.fillPath(glassPath, glass);
    p.restore();

    // Metal rim.
    drawLensRim(p, lens, outer, inner, rgba(86, 88, 96), Qt::NoPen);
    // Dark outer edge, lighter bevel inside so the ring reads as polished metal.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(48, 50, 56), 1));
    p.drawEllipse(lens, outer - 0.5, outer - 0.5);
    p.setPen(QPen(rgba(96, 100, 110), 0.8));
    p.drawEllipse(lens, inner + 0.2, inner + 0.2);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(255, 255, 255, 230), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - 3.4, lens.y() - 3.4, 6.8, 6.8), 100 * 16, 70 * 16);
    return img;
}

QImage iconBtnAdd() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawListPage(p, 3.5);

    const QPointF c(22.5, 22.5);
    drawSmallBadge(p, c, 8.5, rgba(160, 232, 120), rgba(66, 172, 46), rgba(28, 112, 20), rgba(20, 86, 14));
    const QPainterPath plus = plusPath(c, 9, 3);
    drawWhiteGlyph(p, plus, rgba(10, 70, 6, 120), 1);
    return img;
}

QImage iconBtnDelete() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawListPage(p, 3.5);

    // A bold red saltire over the bottom right of the page.
    const QPointF c(21.5, 21.5);
    const qreal d = 6.2, w = 4.2;
    QPainterPath cross;
    for (const int sign : {1, -1}) {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(-d - w / 2, -w / 2, 2 * d + w, w), 1.1, 1.1);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45 * sign);
        cross.addPath(t.map(bar));
    }
    cross.setFillRule(Qt::WindingFill);
    cross = cross.simplified();

    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0, 0, 0, 60));
    p.drawPath(cross.translated(0.6, 1.2));
    QLinearGradient red(c.x() - d, c.y() - d, c.x() + d, c.y() + d);
    red.setColorAt(0, rgba(255, 112, 96));
    red.setColorAt(0.45, rgba(226, 40, 30));
    red.setColorAt(1, rgba(150, 16, 10));
    p.setBrush(red);
    p.setPen(QPen(rgba(118, 10, 6), 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawPath(cross);
    // Gloss over the upper half.
    p.save();
    p.setClipPath(cross);
    QLinearGradient gloss(c.x() - d, c.y() - d, c.x() + 1, c.y() + 1);
    gloss.setColorAt(0, rgba(255, 255, 255, 120));
    gloss.setColorAt(1, rgba(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawPath(cross.translated(0.8, 0.8).intersected(cross));
    p.restore();
    return img;
}

QImage iconBtnEdit() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawListPage(p, 2.5);

    // Pencil from the top right down to its point near the bottom left.
    const QPointF tip(8.0, 28.0), end(29.0, 7.0);
    const QLineF axis(tip, end);
    const qreal len = axis.length();
    const qreal half = 3.0;
    p.save();
    p.translate(tip);
    p.rotate(-axis.angle());

    // Shadow cast on the page.
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0, 0, 0, 45));
    QPainterPath shade;
    shade.moveTo(0, 1.3);
    shade.lineTo(7, half + 1.3);
    shade.lineTo(len, half + 1.3);
    shade.lineTo(len, -half + 1.3);
    shade.lineTo(7, -half + 1.3);
    shade.closeSubpath();
    p.drawPath(shade.translated(0.8, 0));

    const QColor outline = rgba(70, 44, 10);
    const qreal coneLen = 7.0, ferrule = 3.0, eraser = 3.4;
    const qreal bodyEnd = len - ferrule - eraser;

    // Painted body with three facets.
    QLinearGradient body(0, -half, 0, half);
    body.setColorAt(0.0, rgba(255, 230, 120));
    body.setColorAt(0.33, rgba(252, 200, 40));
    body.setColorAt(0.34, rgba(236, 168, 16));
    body.setColorAt(0.66, rgba(224, 150, 10));
    body.setColorAt(0.67, rgba(190, 112, 6));
    body.setColorAt(1.0, rgba(160, 88, 4));
    p.setBrush(body);
    p.setPen(QPen(outline, 0.8));
    p.drawRect(QRectF(coneLen, -half, bodyEnd - coneLen, 2 * half));

    // Sharpened wood and graphite point.
    QPainterPath cone;
    cone.moveTo(0, 0);
    cone.lineTo(coneLen, -half);
    cone.lineTo(coneLen, half);
    cone.closeSubpath();
    QLinearGradient wood(0, -half, 0, half);
    wood.setColorAt(0, rgba(250, 226, 186));
    wood.setColorAt(1, rgba(200, 156, 104));
    p.setBrush(wood);
    p.drawPath(cone);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(2.6, -half * 2.6 / coneLen);
    lead.lineTo(2.6, half * 2.6 / coneLen);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(44, 44, 50));
    p.drawPath(lead);

    // Metal ferrule and eraser.
    QLinearGradient metal(0, -half, 0, half);
    metal.setColorAt(0, rgba(240, 240, 244));
    metal.setColorAt(0.5, rgba(170, 172, 180));
    metal.setColorAt(1, rgba(100, 102, 110));
    p.setBrush(metal);
    p.setPen(QPen(rgba(60, 62, 70), 0.8));
    p.drawRect(QRectF(bodyEnd, -half, ferrule, 2 * half));
    QLinearGradient rubber(0, -half, 0, half);
    rubber.setColorAt(0, rgba(255, 176, 176));
    rubber.setColorAt(1, rgba(200, 90, 96));
    p.setBrush(rubber);
    p.setPen(QPen(rgba(120, 40, 44), 0.8));
    p.drawRoundedRect(QRectF(bodyEnd + ferrule, -half, eraser, 2 * half), 1.2, 1.2);
    p.restore();
    return img;
}

QImage iconBtnAddSmall() {
    QImage img = canvas(16, 16);
    QPainter p(&img);
    setupPainter(p);

    // Outline on half pixels so it covers whole pixels: 14 px across, bars 6 px thick.
    const QPainterPath plus = plusPath(QPointF(8, 8), 13, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0, 0, 0, 40));
    p.drawPath(plus.translated(0, 1));
    QLinearGradient g(0, 2, 0, 14);
    g.setColorAt(0, rgba(150, 226, 110));
    g.setColorAt(0.5, rgba(76, 180, 50));
    g.setColorAt(1, rgba(40, 132, 28));
    p.setBrush(g);
    p.setPen(QPen(rgba(24, 96, 16), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(plus);
    // Highlight on the upper inner edges.
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(255, 255, 255, 120));
    p.drawRect(QRectF(6, 2, 4, 1));
    p.drawRect(QRectF(2, 6, 4, 1));
    p.drawRect(QRectF(10, 6, 4, 1));
    return img;
}

} // namespace Draw
