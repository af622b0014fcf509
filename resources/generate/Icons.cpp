// Dialog icons, the application icon and the placeholder pictures.

#include "Drawing.h"
#include "Pictures.h"

namespace Draw {

// ---------------------------------------------------------------- dialog icons

// Round badge shared by the error, information and question icons.
void drawBadge(QPainter &p, QColor light, QColor mid, QColor dark, QColor rim)
{
    const QPointF c(16, 15.5);
    const qreal r = 14;
    contactShadow(p, QPointF(16, 17.5), 15.5, 0.80, 70);
    // Disc with an inner light rim, then the glossy cap.
    drawBadgeDisc(p, c, r, QRadialGradient(QPointF(16, 10), 19, QPointF(12, 7)), light, mid, dark, rim, 60);
    glossCap(p, QRectF(6, 2.6, 20, 12), 2.5, 15, 120);
}

QImage iconError()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawBadge(p, rgba(255, 120, 108), rgba(226, 52, 42), rgba(164, 22, 16), rgba(128, 14, 10));
    drawSaltire(p, QPointF(16, 15.5), 5.2, 3.4, rgba(110, 8, 4, 110), 3.6, 0.8);
    return img;
}

QImage iconInfo()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawBadge(p, rgba(128, 190, 255), rgba(46, 124, 214), rgba(22, 74, 150), rgba(16, 58, 122));
    QPainterPath glyph;
    glyph.addEllipse(QPointF(16, 8.6), 2.2, 2.2);
    glyph.addRoundedRect(QRectF(14.2, 12.4, 3.6, 11.2), 0.9, 0.9);
    glyph.addRoundedRect(QRectF(12.6, 12.4, 4.4, 2.0), 0.6, 0.6);
    glyph.addRoundedRect(QRectF(12.4, 21.8, 7.2, 2.0), 0.6, 0.6);
    glyph.setFillRule(Qt::WindingFill);
    drawWhiteGlyph(p, glyph, rgba(10, 40, 100, 110), 0.8);
    return img;
}

QImage iconQuestion()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    drawBadge(p, rgba(170, 146, 240), rgba(106, 74, 196), rgba(64, 38, 132), rgba(48, 26, 104));
    const QPainterPath mark =
        centredText(QStringLiteral("?"), font(QStringLiteral("DejaVu Sans"), 22, QFont::Bold), QPointF(16.2, 15.6));
    drawWhiteGlyph(p, mark, rgba(30, 10, 80, 110), 0.8);
    return img;
}

QImage iconSearch()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    setupPainter(p);
    const QPointF lens(12.5, 12.5);
    const qreal outer = 10.0, inner = 7.4;

    // Handle, drawn along the diagonal with a cylindrical shade, and the ferrule joining it to the rim.
    drawLensHandle(p, lens, QRectF(outer + 2.6, -2.9, 9.6, 5.8), 2.4,
                   {{0, rgba(120, 84, 58)}, {0.35, rgba(84, 54, 34)}, {1, rgba(30, 18, 10)}}, QPen(rgba(24, 14, 8), 0.8),
                   QRectF(outer - 0.8, -2.2, 4.0, 4.4));

    // Glass.
    drawLensGlass(p, lens, inner, QPointF(-2.5, -2.5), 1.4,
                  {{0, rgba(255, 255, 255, 230)}, {0.45, rgba(206, 230, 255, 190)}, {1, rgba(120, 170, 226, 200)}});
    drawLensRim(p, lens, outer, inner, rgba(92, 94, 102), QPen(rgba(58, 60, 66), 0.8));

    // Reflection on the glass.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(255, 255, 255, 220), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - 5, lens.y() - 5, 10, 10), 100 * 16, 70 * 16);
    return img;
}

QImage iconArmoire()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    setupPainter(p);
    const QColor outline = rgba(62, 32, 12);

    // Shadow on the floor.
    QRadialGradient sh(QPointF(24, 45.5), 19);
    sh.setColorAt(0, rgba(0, 0, 0, 90));
    sh.setColorAt(1, rgba(0, 0, 0, 0));
    p.save();
    p.translate(24, 45.5);
    p.scale(1, 0.16);
    p.translate(-24, -45.5);
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawEllipse(QPointF(24, 45.5), 20, 20);
    p.restore();

    auto wood = [](qreal x0, qreal x1) {
        QLinearGradient g(x0, 0, x1, 0);
        g.setColorAt(0, rgba(196, 128, 70));
        g.setColorAt(0.5, rgba(172, 104, 52));
        g.setColorAt(1, rgba(128, 72, 32));
        return g;
    };

    // Feet.
    p.setPen(QPen(outline, 1));
    p.setBrush(rgba(98, 54, 22));
    p.drawRect(QRectF(10.5, 41.5, 4, 4));
    p.drawRect(QRectF(33.5, 41.5, 4, 4));

    // Carcass.
    p.setBrush(wood(9, 39));
    p.drawRect(QRectF(8.5, 7.5, 31, 35));

    // Crown moulding.
    QLinearGradient cg(0, 3, 0, 8);
    cg.setColorAt(0, rgba(214, 150, 90));
    cg.setColorAt(1, rgba(140, 80, 36));
    p.setBrush(cg);
    QPainterPath crown;
    crown.moveTo(6.5, 8.5);
    crown.lineTo(6.5, 5.5);
    crown.lineTo(8.5, 3.5);
    crown.lineTo(39.5, 3.5);
    crown.lineTo(41.5, 5.5);
    crown.lineTo(41.5, 8.5);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setPen(QPen(rgba(255, 220, 170, 110), 1));
    p.drawLine(QPointF(9, 4.6), QPointF(39, 4.6));

    // Plinth.
    p.setPen(QPen(outline, 1));
    p.setBrush(cg);
    p.drawRect(QRectF(7.5, 39.5, 33, 3));

    // Doors with raised panels.
    for (int i = 0; i < 2; ++i) {
        const qreal x0 = i == 0 ? 10.5 : 24.5;
        const QRectF door(x0, 9.5, 13, 29);
        p.setPen(QPen(outline, 1));
        p.setBrush(wood(door.left(), door.right()));
        p.drawRect(door);
        for (const QRectF &panel : {QRectF(x0 + 2, 12, 9, 11), QRectF(x0 + 2, 25, 9, 11)}) {
            p.setPen(Qt::NoPen);
            p.setBrush(rgba(150, 88, 40));
            p.drawRect(panel);
            // Bevel: light from the top left.
            p.setPen(QPen(rgba(235, 180, 120, 170), 1));
            p.drawLine(panel.topLeft() + QPointF(0.5, 0.5), panel.topRight() + QPointF(-0.5, 0.5));
            p.drawLine(panel.topLeft() + QPointF(0.5, 0.5), panel.bottomLeft() + QPointF(0.5, -0.5));
            p.setPen(QPen(rgba(80, 40, 14, 200), 1));
            p.drawLine(panel.bottomLeft() + QPointF(0.5, -0.5), panel.bottomRight() + QPointF(-0.5, -0.5));
            p.drawLine(panel.topRight() + QPointF(-0.5, 0.5), panel.bottomRight() + QPointF(-0.5, -0.5));
            // A little grain.
            p.setPen(QPen(rgba(110, 60, 24, 70), 0.6));
            p.drawLine(QPointF(panel.left() + 3.2, panel.top() + 1.5),
                       QPointF(panel.left() + 3.8, panel.bottom() - 1.5));
            p.drawLine(QPointF(panel.left() + 6.0, panel.top() + 2.0),
                       QPointF(panel.left() + 5.6, panel.bottom() - 2.0));
        }
    }

    // Brass knobs.
    for (const QPointF &k : {QPointF(21.6, 24), QPointF(26.4, 24)}) {
        QRadialGradient kg(k + QPointF(-0.4, -0.4), 1.6);
        kg.setColorAt(0, rgba(255, 240, 170));
        kg.setColorAt(1, rgba(170, 120, 30));
        p.setPen(QPen(rgba(90, 60, 10), 0.6));
        p.setBrush(kg);
        p.drawEllipse(k, 1.3, 1.3);
    }
    return img;
}

// ---------------------------------------------------------------- application icon

// The top hat, wand and stars on a violet medallion, designed on a 256 grid.
// `detail` 2 is the full picture, 1 the 32/48 px cut, 0 the 16 px cut.
QImage appIcon(int size, int detail)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    setupPainter(p);
    p.scale(size / 256.0, size / 256.0);
    const qreal px = 256.0 / size; // one device pixel in design units

    const QPointF c(128, 128);
    const qreal R = 124 - px * 0.5;

    // Medallion.
    QRadialGradient disc(QPointF(118, 96), R * 1.25, QPointF(104, 70));
    disc.setColorAt(0, rgba(138, 84, 214));
    disc.setColorAt(0.45, rgba(84, 36, 152));
    disc.setColorAt(1, rgba(34, 10, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, R, R);

    // Gold ring.
    const qreal ringW = qMax(8.0, 1.5 * px);
    QConicalGradient gold(c, 135);
    gold.setColorAt(0.0, rgba(255, 232, 150));
    gold.setColorAt(0.25, rgba(196, 140, 40));
    gold.setColorAt(0.5, rgba(255, 222, 128));
    gold.setColorAt(0.75, rgba(170, 116, 28));
    gold.setColorAt(1.0, rgba(255, 232, 150));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold), ringW));
    p.drawEllipse(c, R - ringW / 2, R - ringW / 2);
    if (detail >= 1) {
        p.setPen(QPen(rgba(30, 8, 60, 160), qMax(2.0, px)));
        p.drawEllipse(c, R - ringW - 1, R - ringW - 1);
    }

    // Soft glow behind the hat.
    if (detail >= 1) {
        QRadialGradient glow(QPointF(128, 110), 100);
        glow.setColorAt(0, rgba(200, 160, 255, 90));
        glow.setColorAt(1, rgba(200, 160, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(128, 110), 100, 100);
    }

    // Hat geometry; the 16 px cut enlarges the hat and leaves the wand out so it stays legible.
    p.save();
    if (detail == 0) {
        p.translate(124, 134);
        p.scale(1.12, 1.12);
        p.translate(-128, -128);
    }
    const qreal brimY = 178, brimRx = detail ? 84 : 90, brimRy = detail ? 22 : 24;
    const qreal baseRx = 50, baseRy = 12;
    const qreal topY = detail ? 62 : 58, topRx = 56, topRy = 13;
    const QColor edge = rgba(190, 150, 255, detail ? 150 : 200);

    // Brim (the whole ellipse; the crown covers its back).
    QLinearGradient brimG(0, brimY - brimRy, 0, brimY + brimRy);
    brimG.setColorAt(0, rgba(70, 50, 100));
    brimG.setColorAt(0.5, rgba(26, 16, 40));
    brimG.setColorAt(1, rgba(10, 6, 18));
    p.setPen(QPen(edge, qMax(2.0, px)));
    p.setBrush(brimG);
    p.drawEllipse(QPointF(128, brimY), brimRx, brimRy);

    // Crown: slightly flared towards the top, base follows the brim's curve.
    QPainterPath crown;
    crown.moveTo(128 - baseRx, brimY - 6);
    crown.cubicTo(128 - baseRx - 2, 140, 128 - topRx + 4, 100, 128 - topRx, topY);
    crown.arcTo(QRectF(128 - topRx, topY - topRy, 2 * topRx, 2 * topRy), 180, 180);
    crown.cubicTo(128 + topRx - 4, 100, 128 + baseRx + 2, 140, 128 + baseRx, brimY - 6);
    crown.arcTo(QRectF(128 - baseRx, brimY - 6 - baseRy, 2 * baseRx, 2 * baseRy), 0, -180);
    crown.closeSubpath();
    QLinearGradient silk(128 - topRx, 0, 128 + topRx, 0);
    silk.setColorAt(0.0, rgba(16, 8, 26));
    silk.setColorAt(0.22, rgba(74, 56, 104));
    silk.setColorAt(0.32, rgba(40, 28, 60));
    silk.setColorAt(0.7, rgba(18, 10, 30));
    silk.setColorAt(0.88, rgba(44, 32, 66));
    silk.setColorAt(1.0, rgba(12, 6, 20));
    p.setPen(QPen(edge, qMax(2.0, px)));
    p.setBrush(silk);
    p.drawPath(crown);

    // Gold hatband, clipped to the crown.
    {
        p.save();
        p.setClipPath(crown);
        const qreal bandTop = detail >= 2 ? 146 : (detail ? 142 : 134), bandBottom = brimY - 6;
        QPainterPath band;
        band.moveTo(0, bandTop);
        band.arcTo(QRectF(128 - baseRx - 4, bandTop - baseRy, 2 * (baseRx + 4), 2 * baseRy), 180, 180);
        band.lineTo(256, bandTop);
        band.lineTo(256, bandBottom + 40);
        band.lineTo(0, bandBottom + 40);
        band.closeSubpath();
        QLinearGradient bg(128 - baseRx, 0, 128 + baseRx, 0);
        bg.setColorAt(0, rgba(150, 96, 20));
        bg.setColorAt(0.3, rgba(255, 222, 120));
        bg.setColorAt(0.6, rgba(214, 160, 50));
        bg.setColorAt(1, rgba(120, 76, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawPath(band);
        p.restore();
        // Front lip of the crown base over the band.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgba(20, 10, 30, 200), qMax(2.5, px)));
        p.drawArc(QRectF(128 - baseRx, brimY - 6 - baseRy, 2 * baseRx, 2 * baseRy), 180 * 16, 180 * 16);
    }

    // Top of the crown.
    if (detail >= 1) {
        QLinearGradient tg(0, topY - topRy, 0, topY + topRy);
        tg.setColorAt(0, rgba(90, 70, 124));
        tg.setColorAt(1, rgba(30, 20, 46));
        p.setPen(QPen(edge, qMax(2.0, px)));
        p.setBrush(tg);
        p.drawEllipse(QPointF(128, topY), topRx, topRy);
    }

    p.restore();

    // Wand, across the front of the hat.
    if (detail >= 1) {
        const QPointF a(44, 216), b(206, 112);
        const QLineF axis(a, b);
        const qreal len = axis.length();
        const qreal th = detail ? 13 : 18;
        p.save();
        p.translate(a);
        p.rotate(-axis.angle());
        p.setPen(QPen(rgba(255, 255, 255, 90), qMax(2.0, px)));
        QLinearGradient wg(0, -th / 2, 0, th / 2);
        wg.setColorAt(0, rgba(90, 90, 100));
        wg.setColorAt(0.35, rgba(24, 24, 30));
        wg.setColorAt(1, rgba(4, 4, 8));
        p.setBrush(wg);
        p.drawRoundedRect(QRectF(0, -th / 2, len, th), th / 2.5, th / 2.5);
        QLinearGradient tip(0, -th / 2, 0, th / 2);
        tip.setColorAt(0, rgba(255, 255, 255));
        tip.setColorAt(1, rgba(196, 196, 210));
        p.setPen(Qt::NoPen);
        p.setBrush(tip);
        const qreal tipLen = len * 0.16;
        p.drawRoundedRect(QRectF(0, -th / 2, tipLen, th), th / 2.5, th / 2.5);
        p.drawRoundedRect(QRectF(len - tipLen, -th / 2, tipLen, th), th / 2.5, th / 2.5);
        p.restore();
    }

    // Stars.
    struct Star {
        QPointF c;
        qreal r;
        int minDetail;
    };
    const Star stars[] = {
        {detail ? QPointF(204, 70) : QPointF(200, 64), detail ? 26.0 : 44.0, 0},
        {QPointF(60, 80), 15, 1},
        {QPointF(92, 38), 9, 2},
        {QPointF(224, 134), 9, 2},
        {QPointF(170, 36), 7, 2},
    };
    for (const Star &s : stars) {
        if (detail < s.minDetail)
            continue;
        if (detail >= 1) {
            QRadialGradient halo(s.c, s.r * 2.0);
            halo.setColorAt(0, rgba(255, 236, 160, 140));
            halo.setColorAt(1, rgba(255, 236, 160, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(s.c, s.r * 2.0, s.r * 2.0);
        }
        QRadialGradient sg(s.c + QPointF(-s.r * 0.3, -s.r * 0.3), s.r * 1.2);
        sg.setColorAt(0, rgba(255, 250, 210));
        sg.setColorAt(0.5, rgba(255, 214, 90));
        sg.setColorAt(1, rgba(214, 150, 30));
        p.setPen(QPen(rgba(120, 70, 0, 180), qMax(1.5, px * 0.7)));
        p.setBrush(sg);
        p.drawPath(starPath(s.c, s.r, s.r * 0.45));
    }
    return img;
}

// ---------------------------------------------------------------- placeholders

QImage noPhoto(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    setupPainter(p);
    const qreal s = size / 120.0;

    QLinearGradient bg(0, 0, 0, size);
    bg.setColorAt(0, rgba(246, 246, 246));
    bg.setColorAt(1, rgba(232, 232, 232));
    p.fillRect(QRectF(0, 0, size, size), bg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(196, 196, 196), 1));
    p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setPen(QPen(rgba(255, 255, 255, 200), 1));
    p.drawRect(QRectF(1.5, 1.5, size - 3, size - 3));

    // A framed landscape: the universal "picture" sign.
    const QRectF frame(32 * s, 24 * s, 56 * s, 44 * s);
    const QColor ink = rgba(178, 178, 178);
    p.setPen(QPen(ink, 3 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(rgba(250, 250, 250));
    p.drawRoundedRect(frame, 4 * s, 4 * s);

    p.save();
    p.setClipRect(frame.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s));
    QPainterPath hills;
    hills.moveTo(frame.left(), frame.bottom());
    hills.lineTo(frame.left() + 16 * s, frame.top() + 22 * s);
    hills.lineTo(frame.left() + 27 * s, frame.top() + 34 * s);
    hills.lineTo(frame.left() + 38 * s, frame.top() + 25 * s);
    hills.lineTo(frame.right(), frame.bottom() - 6 * s);
    hills.lineTo(frame.right(), frame.bottom());
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(196, 196, 196));
    p.drawPath(hills);
    p.setBrush(rgba(204, 204, 204));
    p.drawEllipse(QPointF(frame.right() - 12 * s, frame.top() + 11 * s), 5 * s, 5 * s);
    p.restore();

    p.setPen(rgba(138, 138, 138));
    p.setFont(font(QStringLiteral("DejaVu Sans"), size >= 200 ? 26 : 13));
    p.drawText(QRectF(0, 78 * s, size, 24 * s), Qt::AlignCenter, QStringLiteral("Pas d'image"));
    return img;
}

} // namespace Draw
