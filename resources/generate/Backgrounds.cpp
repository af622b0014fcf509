// Background pictures of the main window: dark stage-like scenes.

#include "Drawing.h"
#include "Pictures.h"

namespace Draw {

// ---- img1: velvet curtains drawn aside on a stage, one spotlight.

// Inner edge of the left curtain at height y: full at the top, gathered at the tie-back, flaring on the floor.
qreal curtainEdge(qreal y)
{
    const qreal tieY = 640, top = 520, tie = 236, bottom = 350;
    if (y < tieY) {
        const qreal t = y / tieY;
        return tie + (top - tie) * (1 - std::pow(t, 1.7));
    }
    const qreal t = (y - tieY) / (BgH - tieY);
    return tie + (bottom - tie) * std::pow(t, 0.75);
}

void velvetCurtain(QImage &img, bool mirrored)
{
    const int folds = 9;
    for (int y = 0; y < BgH; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const qreal e = curtainEdge(y);
        const int xmax = qMin(BgW - 1, int(e + 1));
        const qreal vert = 0.55 + 0.45 * smooth((y - 80) / 700.0);
        for (int xi = 0; xi <= xmax; ++xi) {
            const qreal u = (xi + 0.5) / e;
            const qreal phase = 2 * M_PI * (folds * u + 0.22 * std::sin(2 * M_PI * 1.3 * u + (mirrored ? 1.9 : 0.4))) +
                                0.25 * std::sin(y / 210.0 + u * 3);
            const qreal s = 0.5 + 0.5 * std::cos(phase);
            const qreal shade = std::pow(s, 1.5);
            const qreal light = (0.30 + 0.70 * u * u) * vert;
            const qreal sheen = std::pow(s, 10) * light;
            const qreal r = (48 + 150 * shade) * light + 90 * sheen;
            const qreal g = (4 + 14 * shade) * light + 40 * sheen;
            const qreal b = (10 + 24 * shade) * light + 40 * sheen;
            const qreal a = clamp01(e - xi + 0.5);
            const int x = mirrored ? BgW - 1 - xi : xi;
            blend(line[x], r, g, b, a);
        }
    }
}

// Swagged pelmet across the top with a gold fringe.
void pelmet(QImage &img)
{
    const qreal period = BgW / 5.0;
    for (int y = 0; y < 190; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < BgW; ++x) {
            const qreal local = std::fmod(x + period / 2, period) / period;
            const qreal sag = std::sin(M_PI * local);
            const qreal bottom = 62 + 92 * std::pow(sag, 0.9);
            if (y < bottom + 1) {
                const qreal v = y / bottom;
                const qreal s = 0.5 + 0.5 * std::cos(2 * M_PI * (4.2 * v * v + 0.1));
                const qreal shade = std::pow(s, 1.4);
                const qreal light = (0.35 + 0.65 * sag) * (0.55 + 0.45 * v);
                const qreal sheen = std::pow(s, 10) * light;
                blend(line[x], (50 + 150 * shade) * light + 80 * sheen, (4 + 14 * shade) * light + 36 * sheen,
                      (10 + 24 * shade) * light + 36 * sheen, clamp01(bottom - y + 0.5));
            }
            // Braid on the hem, then fringe strands of varying length.
            const qreal d = y - bottom;
            if (d > -4 && d < 3) {
                const qreal twist = 0.6 + 0.4 * std::cos(2 * M_PI * (x + y * 0.8) / 7.0);
                blend(line[x], 230 * twist, 170 * twist, 70 * twist, clamp01(1 - std::abs(d + 0.5) / 3.5));
            } else if (d >= 3) {
                const int strand = x / 4;
                const qreal len = 16 + 6 * (hashNoise(strand, 7, 91) * 0.5 + 0.5);
                if (d < len) {
                    const qreal across = 0.5 + 0.5 * std::cos(2 * M_PI * x / 4.0);
                    const qreal k = (0.45 + 0.55 * across) * (1 - 0.5 * d / len) * (0.6 + 0.4 * sag);
                    blend(line[x], 220 * k, 160 * k, 60 * k, 0.9 * clamp01(len - d));
                }
            }
        }
    }
}

void tieBack(QPainter &p, qreal x, qreal y, bool mirrored)
{
    p.save();
    if (mirrored) {
        p.translate(BgW, 0);
        p.scale(-1, 1);
    }
    QPainterPath rope;
    rope.moveTo(-10, y - 30);
    rope.cubicTo(x * 0.4, y - 8, x * 0.8, y + 6, x + 12, y + 2);
    QLinearGradient gg(0, y - 16, 0, y + 16);
    gg.setColorAt(0, rgba(255, 226, 140));
    gg.setColorAt(0.5, rgba(200, 142, 44));
    gg.setColorAt(1, rgba(110, 70, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(0, 0, 0, 120), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope.translated(0, 5));
    p.setPen(QPen(QBrush(gg), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rope);
    // Twist of the cord.
    QPen twist(rgba(120, 76, 20, 160), 2.2);
    twist.setDashPattern({1.0, 2.2});
    p.setPen(twist);
    p.drawPath(rope);

    // Tassel.
    const QPointF top(x + 12, y + 2);
    QPainterPath tassel;
    tassel.moveTo(top + QPointF(-7, 14));
    tassel.cubicTo(top + QPointF(-12, 40), top + QPointF(-22, 80), top + QPointF(-20, 104));
    tassel.lineTo(top + QPointF(20, 104));
    tassel.cubicTo(top + QPointF(22, 80), top + QPointF(12, 40), top + QPointF(7, 14));
    tassel.closeSubpath();
    QLinearGradient tg(top.x() - 20, 0, top.x() + 20, 0);
    tg.setColorAt(0, rgba(120, 78, 18));
    tg.setColorAt(0.4, rgba(240, 200, 110));
    tg.setColorAt(1, rgba(110, 70, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPath(tassel);
    p.setPen(QPen(rgba(90, 56, 10, 150), 1.2));
    for (int i = -16; i <= 16; i += 4)
        p.drawLine(top + QPointF(i * 0.35, 30), top + QPointF(i, 102));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawEllipse(top + QPointF(0, 12), 10, 12);
    p.restore();
}

QImage bgCurtains()
{
    QImage img = background();
    {
        QPainter p(&img);
        setupPainter(p);
        const QRectF all(0, 0, BgW, BgH);
        QLinearGradient wall(0, 0, 0, BgH);
        wall.setColorAt(0, rgba(14, 5, 9));
        wall.setColorAt(0.74, rgba(30, 12, 18));
        wall.setColorAt(0.745, rgba(20, 10, 8));
        wall.setColorAt(1, rgba(52, 30, 18));
        p.fillRect(all, wall);

        // Stage boards converging to the back.
        p.setPen(QPen(rgba(0, 0, 0, 90), 2));
        for (int i = -14; i <= 14; ++i)
            p.drawLine(QPointF(640 + i * 46, 745), QPointF(640 + i * 150, BgH));
        p.setPen(QPen(rgba(0, 0, 0, 70), 1.5));
        for (qreal y = 760; y < BgH; y += (y - 700) * 0.28)
            p.drawLine(QPointF(0, y), QPointF(BgW, y));

        p.setCompositionMode(QPainter::CompositionMode_Plus);
        // Light spilling onto the back wall.
        QRadialGradient spill(QPointF(640, 560), 520);
        spill.setColorAt(0, rgba(58, 32, 28));
        spill.setColorAt(1, rgba(0, 0, 0));
        p.fillRect(all, spill);
        // The cone: an angular profile around the lamp (soft edges, no banding), fading downwards.
        {
            QImage beam = canvas(BgW, BgH);
            QPainter bp(&beam);
            const QPointF lamp(640, -60);
            QConicalGradient profile(lamp, 0);
            const QColor light = rgba(104, 92, 74);
            profile.setColorAt((270 - 22) / 360.0, rgba(0, 0, 0, 0));
            profile.setColorAt((270 - 15) / 360.0, withAlpha(light, 200));
            profile.setColorAt(270 / 360.0, light);
            profile.setColorAt((270 + 15) / 360.0, withAlpha(light, 200));
            profile.setColorAt((270 + 22) / 360.0, rgba(0, 0, 0, 0));
            bp.fillRect(beam.rect(), profile);
            bp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient fade(0, 0, 0, 900);
            fade.setColorAt(0, rgba(0, 0, 0, 255));
            fade.setColorAt(1, rgba(0, 0, 0, 110));
            bp.fillRect(beam.rect(), fade);
            bp.end();
            p.drawImage(0, 0, beam);
        }
        // Pool of light on the boards.
        p.save();
        p.translate(640, 872);
        p.scale(1, 0.2);
        QRadialGradient pool(QPointF(0, 0), 360);
        pool.setColorAt(0, rgba(200, 176, 140));
        pool.setColorAt(0.6, rgba(90, 70, 50));
        pool.setColorAt(1, rgba(0, 0, 0));
        p.setBrush(pool);
        p.drawEllipse(QPointF(0, 0), 360, 360);
        p.restore();
        // Dust caught in the beam.
        QRandomGenerator rng(11);
        for (int i = 0; i < 90; ++i) {
            const qreal y = uniform(rng, 60, 860);
            const qreal half = 50 + 250 * y / 880.0;
            const QPointF c(640 + uniform(rng, -half, half) * 0.9, y);
            glowDot(p, c, uniform(rng, 1.2, 3.2), rgba(255, 236, 200), int(uniform(rng, 40, 140)));
        }
    }
    velvetCurtain(img, false);
    velvetCurtain(img, true);
    pelmet(img);
    {
        QPainter p(&img);
        setupPainter(p);
        tieBack(p, curtainEdge(640), 640, false);
        tieBack(p, curtainEdge(640), 640, true);
        vignette(p, QRectF(0, 0, BgW, BgH), 0.8, QPointF(640, 600));
    }
    addGrain(img, 3, 1);
    return img;
}

// ---- img2: starry night, crescent moon, hills with pines.

void pine(QPainterPath &path, qreal x, qreal base, qreal h)
{
    const qreal w = h * 0.36;
    path.moveTo(x - w * 0.08, base);
    for (int tier = 0; tier < 4; ++tier) {
        const qreal t0 = tier / 4.0;
        const qreal yb = base - h * (0.12 + t0 * 0.78);
        const qreal hw = w * (1 - t0 * 0.72);
        path.lineTo(x - hw, yb);
        path.lineTo(x - hw * 0.35, yb - h * 0.1);
    }
    path.lineTo(x, base - h);
    for (int tier = 3; tier >= 0; --tier) {
        const qreal t0 = tier / 4.0;
        const qreal yb = base - h * (0.12 + t0 * 0.78);
        const qreal hw = w * (1 - t0 * 0.72);
        path.lineTo(x + hw * 0.35, yb - h * 0.1);
        path.lineTo(x + hw, yb);
    }
    path.lineTo(x + w * 0.08, base);
    path.closeSubpath();
}

QPainterPath ridge(qreal baseY, qreal amp, qreal freq, quint32 seed)
{
    QPainterPath path;
    path.moveTo(0, BgH);
    for (int x = 0; x <= BgW; x += 8)
        path.lineTo(x, baseY + amp * fbm(x * freq, 0.5, seed, 3));
    path.lineTo(BgW, BgH);
    path.closeSubpath();
    return path;
}

QImage bgNight()
{
    QImage img = background();
    QPainter p(&img);
    setupPainter(p);
    const QRectF all(0, 0, BgW, BgH);
    QLinearGradient sky(0, 0, 0, BgH);
    sky.setColorAt(0, rgba(3, 5, 20));
    sky.setColorAt(0.45, rgba(10, 16, 48));
    sky.setColorAt(0.78, rgba(36, 28, 78));
    sky.setColorAt(1, rgba(60, 36, 84));
    p.fillRect(all, sky);

    p.setCompositionMode(QPainter::CompositionMode_Plus);
    // A faint milky band from lower left to upper right.
    auto onBand = [](qreal t) {
        const QPointF p0(-100, 820), p1(300, 560), p2(700, 300), p3(1400, 60);
        const qreal u = 1 - t;
        return p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
    };
    QRandomGenerator rng(2024);
    for (int i = 0; i < 70; ++i) {
        const qreal t = i / 69.0;
        const QPointF c = onBand(t) + QPointF(gauss(rng) * 30, gauss(rng) * 30);
        const qreal r = uniform(rng, 90, 210);
        const int a = int(7 + 6 * (0.5 + 0.5 * fbm(t * 6, 0.3, 5, 3)));
        QRadialGradient g(c, r);
        g.setColorAt(0, rgba(120, 110, 170, a));
        g.setColorAt(1, rgba(120, 110, 170, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }

    // Dense dust of the band.
    for (int i = 0; i < 900; ++i) {
        const qreal t = rng.generateDouble();
        const QPointF c = onBand(t) + QPointF(gauss(rng) * 60, gauss(rng) * 60);
        p.setPen(Qt::NoPen);
        p.setBrush(rgba(200, 200, 255, int(uniform(rng, 20, 90))));
        p.drawEllipse(c, 0.7, 0.7);
    }
    // Field stars, fewer towards the horizon.
    for (int i = 0; i < 700; ++i) {
        const QPointF c(uniform(rng, 0, BgW), BgH * std::pow(rng.generateDouble(), 1.3) * 0.8);
        const qreal mag = rng.generateDouble();
        const QColor tint = mag > 0.8 ? rgba(255, 236, 210) : (mag < 0.2 ? rgba(200, 214, 255) : rgba(240, 240, 255));
        const qreal r = 0.6 + 1.1 * std::pow(rng.generateDouble(), 3);
        p.setBrush(withAlpha(tint, int(60 + 180 * rng.generateDouble())));
        p.drawEllipse(c, r, r);
        if (r > 1.3)
            glowDot(p, c, r * 4, tint, 50);
    }
    // A few bright stars with spikes.
    const QPointF bright[] = {QPointF(180, 140), QPointF(420, 260), QPointF(700, 110), QPointF(1180, 420),
                              QPointF(300, 470), QPointF(560, 380), QPointF(1230, 90)};
    for (const QPointF &c : bright)
        twinkle(p, c, uniform(rng, 10, 18), rgba(210, 220, 255));

    // Shooting star.
    {
        QLinearGradient trail(QPointF(360, 120), QPointF(560, 200));
        trail.setColorAt(0, rgba(255, 255, 255, 0));
        trail.setColorAt(1, rgba(255, 255, 255, 200));
        p.setPen(QPen(QBrush(trail), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(360, 120), QPointF(560, 200));
        glowDot(p, QPointF(560, 200), 6, rgba(220, 230, 255), 200);
    }

    // Moon: halo, earthshine on the dark side, then the lit crescent.
    const QPointF moon(980, 250);
    const qreal mr = 82;
    QRadialGradient halo(moon, 420);
    halo.setColorAt(0, rgba(90, 84, 70));
    halo.setColorAt(0.25, rgba(40, 38, 46));
    halo.setColorAt(1, rgba(0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(moon, 420, 420);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRadialGradient earthshine(moon, mr);
    earthshine.setColorAt(0, rgba(50, 52, 80));
    earthshine.setColorAt(1, rgba(64, 66, 100));
    p.setBrush(earthshine);
    p.drawEllipse(moon, mr, mr);
    QPainterPath disc, bite, crescent;
    disc.addEllipse(moon, mr, mr);
    bite.addEllipse(moon + QPointF(34, -22), mr * 0.9, mr * 0.9);
    crescent = disc.subtracted(bite);
    QRadialGradient lit(moon + QPointF(-40, 30), mr * 1.4);
    lit.setColorAt(0, rgba(255, 250, 228));
    lit.setColorAt(0.6, rgba(246, 232, 184));
    lit.setColorAt(1, rgba(214, 190, 128));
    p.setBrush(lit);
    p.drawPath(crescent);
    p.save();
    p.setClipPath(crescent);
    p.setBrush(rgba(180, 160, 110, 60));
    p.drawEllipse(moon + QPointF(-52, 20), 11, 9);
    p.drawEllipse(moon + QPointF(-30, 56), 8, 6);
    p.drawEllipse(moon + QPointF(-64, -16), 6, 6);
    p.restore();

    // Thin clouds lit from the moon.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const QRectF &cl : {QRectF(760, 300, 460, 44), QRectF(600, 370, 380, 30), QRectF(60, 610, 520, 40)}) {
        // Each cloud is a cluster of soft puffs.
        for (int i = 0; i < 12; ++i) {
            const qreal rx = uniform(rng, 0.12, 0.28) * cl.width();
            const qreal ry = uniform(rng, 0.5, 1.0) * cl.height();
            const QPointF c(uniform(rng, cl.left() + rx, cl.right() - rx),
                            cl.center().y() + gauss(rng) * cl.height() * 0.25);
            p.save();
            p.translate(c);
            p.scale(1, ry / rx);
            QRadialGradient g(QPointF(0, 0), rx);
            g.setColorAt(0, rgba(13, 12, 18));
            g.setColorAt(1, rgba(0, 0, 0));
            p.setBrush(g);
            p.drawEllipse(QPointF(0, 0), rx, rx);
            p.restore();
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Hills: a hazy far range, then the near one with pines.
    p.setBrush(rgba(18, 18, 44));
    p.drawPath(ridge(790, 70, 0.004, 31));
    p.setBrush(rgba(6, 6, 18));
    QPainterPath near = ridge(880, 60, 0.003, 77);
    const qreal trees[][2] = {{90, 120}, {130, 90},   {170, 150},  {880, 110}, {925, 160},
                              {975, 95}, {1010, 130}, {1160, 180}, {1215, 120}};
    for (const auto &t : trees) {
        const qreal base = 880 + 60 * fbm(t[0] * 0.003, 0.5, 77, 3) + 12;
        pine(near, t[0], base, t[1]);
    }
    near.setFillRule(Qt::WindingFill);
    p.drawPath(near);
    p.end();
    addGrain(img, 3, 2);
    return img;
}

// ---- img3: a fan of playing cards on green felt.

enum Suit { Spade, Heart, Diamond, Club };

// Suit symbol in a unit box centred on the origin.
QPainterPath suitPath(Suit suit)
{
    QPainterPath path;
    switch (suit) {
    case Heart:
        path.moveTo(0, 0.5);
        path.cubicTo(-0.1, 0.35, -0.5, 0.1, -0.5, -0.18);
        path.cubicTo(-0.5, -0.4, -0.33, -0.5, -0.25, -0.5);
        path.cubicTo(-0.1, -0.5, -0.02, -0.4, 0, -0.3);
        path.cubicTo(0.02, -0.4, 0.1, -0.5, 0.25, -0.5);
        path.cubicTo(0.33, -0.5, 0.5, -0.4, 0.5, -0.18);
        path.cubicTo(0.5, 0.1, 0.1, 0.35, 0, 0.5);
        break;
    case Diamond:
        path.moveTo(0, -0.5);
        path.quadTo(0.14, -0.2, 0.38, 0);
        path.quadTo(0.14, 0.2, 0, 0.5);
        path.quadTo(-0.14, 0.2, -0.38, 0);
        path.quadTo(-0.14, -0.2, 0, -0.5);
        break;
    case Spade:
        path.moveTo(0, -0.5);
        path.cubicTo(0.1, -0.32, 0.5, -0.12, 0.5, 0.12);
        path.cubicTo(0.5, 0.32, 0.33, 0.4, 0.24, 0.4);
        path.cubicTo(0.12, 0.4, 0.04, 0.34, 0, 0.26);
        path.cubicTo(-0.04, 0.34, -0.12, 0.4, -0.24, 0.4);
        path.cubicTo(-0.33, 0.4, -0.5, 0.32, -0.5, 0.12);
        path.cubicTo(-0.5, -0.12, -0.1, -0.32, 0, -0.5);
        break;
    case Club:
        path.addEllipse(QPointF(0, -0.25), 0.23, 0.23);
        path.addEllipse(QPointF(-0.26, 0.07), 0.23, 0.23);
        path.addEllipse(QPointF(0.26, 0.07), 0.23, 0.23);
        path.addEllipse(QPointF(0, 0.02), 0.14, 0.14);
        break;
    }
    if (suit == Spade || suit == Club) {
        QPainterPath stem;
        stem.moveTo(-0.03, 0.12);
        stem.cubicTo(-0.02, 0.36, -0.1, 0.46, -0.22, 0.5);
        stem.lineTo(0.22, 0.5);
        stem.cubicTo(0.1, 0.46, 0.02, 0.36, 0.03, 0.12);
        stem.closeSubpath();
        path.addPath(stem);
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

QColor suitColour(Suit suit)
{
    return (suit == Heart || suit == Diamond) ? rgba(196, 22, 40) : rgba(22, 22, 28);
}

void drawSuit(QPainter &p, Suit suit, QPointF c, qreal size, bool flipped = false)
{
    p.save();
    p.translate(c);
    if (flipped)
        p.rotate(180);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit));
    p.restore();
}

const qreal CardW = 230, CardH = 330;

void cardShadow(QPainter &p)
{
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(rgba(0, 0, 0, 22));
        p.drawRoundedRect(QRectF(-i * 1.5 + 6, -i * 1.5 + 10, CardW + i * 3, CardH + i * 3), 16 + i, 16 + i);
    }
}

void cardBack(QPainter &p)
{
    cardShadow(p);
    const QRectF r(0, 0, CardW, CardH);
    p.setPen(QPen(rgba(150, 150, 150), 1));
    p.setBrush(rgba(248, 246, 240));
    p.drawRoundedRect(r, 14, 14);
    const QRectF inner = r.adjusted(14, 14, -14, -14);
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(96, 22, 50));
    p.drawRoundedRect(inner, 6, 6);
    p.save();
    p.setClipRect(inner.adjusted(5, 5, -5, -5));
    p.setPen(QPen(rgba(226, 180, 110, 150), 1.6));
    for (qreal d = -CardH; d < CardW + CardH; d += 16) {
        p.drawLine(QPointF(d, 0), QPointF(d + CardH, CardH));
        p.drawLine(QPointF(d, CardH), QPointF(d + CardH, 0));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(226, 180, 110), 2));
    p.drawRoundedRect(inner.adjusted(5, 5, -5, -5), 4, 4);
}

void cardFace(QPainter &p, const QString &rank, Suit suit)
{
    cardShadow(p);
    const QRectF r(0, 0, CardW, CardH);
    QLinearGradient face(0, 0, CardW, CardH);
    face.setColorAt(0, rgba(255, 254, 250));
    face.setColorAt(1, rgba(236, 232, 220));
    p.setPen(QPen(rgba(160, 154, 140), 1.2));
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);

    const QColor ink = suitColour(suit);
    const QFont indexFont = font(QStringLiteral("DejaVu Serif"), 38, QFont::Bold);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(CardW, CardH);
            p.rotate(180);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(centredText(rank, indexFont, QPointF(rank.size() > 1 ? 32 : 29, 34)));
        drawSuit(p, suit, QPointF(29, 76), 28);
        p.restore();
    }

    const QPointF c(CardW / 2, CardH / 2);
    if (rank == QLatin1String("A")) {
        p.save();
        p.translate(c);
        p.scale(150, 150);
        QRadialGradient g(QPointF(-0.15, -0.2), 0.8);
        g.setColorAt(0, ink.lighter(suit == Spade || suit == Club ? 300 : 130));
        g.setColorAt(1, ink);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(suitPath(suit));
        p.restore();
        // Engraved flourish around the ace.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(ink, 90), 1.4));
        p.drawEllipse(c, 96, 96);
        p.setPen(QPen(withAlpha(ink, 60), 1));
        p.drawEllipse(c, 102, 102);
    } else if (rank == QLatin1String("10")) {
        const qreal lx = CardW * 0.31, rx = CardW * 0.69;
        const qreal rows[] = {0.2, 0.4, 0.6, 0.8};
        for (qreal fy : rows) {
            const bool flip = fy > 0.5;
            drawSuit(p, suit, QPointF(lx, CardH * fy), 44, flip);
            drawSuit(p, suit, QPointF(rx, CardH * fy), 44, flip);
        }
        drawSuit(p, suit, QPointF(CardW / 2, CardH * 0.3), 44);
        drawSuit(p, suit, QPointF(CardW / 2, CardH * 0.7), 44, true);
    } else {
        // Court card: framed panel, crown, letter and pips.
        const QRectF panel(46, 40, CardW - 92, CardH - 80);
        QLinearGradient pg(0, panel.top(), 0, panel.bottom());
        pg.setColorAt(0, rgba(250, 238, 206));
        pg.setColorAt(1, rgba(236, 216, 170));
        p.setPen(QPen(rgba(186, 140, 50), 2.5));
        p.setBrush(pg);
        p.drawRect(panel);
        p.setPen(QPen(withAlpha(ink, 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(panel.adjusted(5, 5, -5, -5));
        for (int half = 0; half < 2; ++half) {
            p.save();
            if (half) {
                p.translate(CardW, CardH);
                p.rotate(180);
            }
            // Crown.
            QPainterPath crown;
            const qreal cx = CardW / 2, cy = 96;
            crown.moveTo(cx - 30, cy);
            crown.lineTo(cx - 34, cy - 30);
            crown.lineTo(cx - 16, cy - 14);
            crown.lineTo(cx, cy - 36);
            crown.lineTo(cx + 16, cy - 14);
            crown.lineTo(cx + 34, cy - 30);
            crown.lineTo(cx + 30, cy);
            crown.closeSubpath();
            QLinearGradient crg(0, cy - 36, 0, cy);
            crg.setColorAt(0, rgba(255, 226, 120));
            crg.setColorAt(1, rgba(190, 130, 30));
            p.setPen(QPen(rgba(120, 80, 10), 1.2));
            p.setBrush(crg);
            p.drawPath(crown);
            p.setBrush(ink);
            p.setPen(Qt::NoPen);
            for (qreal dx : {-34.0, 0.0, 34.0})
                p.drawEllipse(QPointF(cx + dx, cy - (dx == 0 ? 38 : 32)), 3.5, 3.5);
            drawSuit(p, suit, QPointF(cx, 124), 30);
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(centredText(rank, font(QStringLiteral("DejaVu Serif"), 78, QFont::Bold), c));
    }
}

QImage bgCards()
{
    QImage img = background();
    {
        QPainter p(&img);
        setupPainter(p);
        const QRectF all(0, 0, BgW, BgH);
        QRadialGradient felt(QPointF(640, 560), 820);
        felt.setColorAt(0, rgba(34, 116, 66));
        felt.setColorAt(0.6, rgba(18, 74, 42));
        felt.setColorAt(1, rgba(6, 30, 18));
        p.fillRect(all, felt);
        p.setCompositionMode(QPainter::CompositionMode_Overlay);
        p.setOpacity(0.22);
        p.drawImage(all, mottle(80, 63, 0.12, 9));
        p.setOpacity(1);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);

        // Printed table marking.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rgba(214, 180, 100, 70), 3));
        p.drawEllipse(QPointF(640, 1180), 760, 560);
        p.setPen(QPen(rgba(214, 180, 100, 45), 1.5));
        p.drawEllipse(QPointF(640, 1180), 776, 576);
        p.setPen(Qt::NoPen);
    }
    // Felt fibres.
    addGrain(img, 7, 3);
    {
        QPainter p(&img);
        setupPainter(p);
        // A squared deck, face down.
        p.save();
        p.translate(150, 540);
        p.rotate(-14);
        for (int i = 7; i >= 1; --i) {
            p.setPen(QPen(rgba(150, 146, 136), 1));
            p.setBrush(rgba(236, 232, 222));
            p.drawRoundedRect(QRectF(i * 1.6, i * 2.0, CardW, CardH), 14, 14);
        }
        cardBack(p);
        p.restore();

        // The fan.
        struct Card {
            const char *rank;
            Suit suit;
        };
        const Card hand[] = {{"10", Diamond}, {"J", Club}, {"Q", Heart}, {"K", Spade}, {"A", Spade}};
        const QPointF pivot(680, 880);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(pivot);
            p.rotate(-34 + i * 17);
            p.translate(-CardW / 2, -CardH - 140);
            cardFace(p, QString::fromLatin1(hand[i].rank), hand[i].suit);
            p.restore();
        }

        // A card turned over in the foreground.
        p.save();
        p.translate(1080, 560);
        p.rotate(24);
        cardBack(p);
        p.restore();

        // Overhead lamp.
        p.setCompositionMode(QPainter::CompositionMode_SoftLight);
        QRadialGradient lamp(QPointF(640, 460), 700);
        lamp.setColorAt(0, rgba(255, 240, 210, 160));
        lamp.setColorAt(1, rgba(0, 0, 0, 0));
        p.fillRect(QRectF(0, 0, BgW, BgH), lamp);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        vignette(p, QRectF(0, 0, BgW, BgH), 0.9);
    }
    return img;
}

// ---- img4: a top hat and a wand on a table, light falling from above.

void wand(QPainter &p, QPointF a, QPointF b, qreal thickness, qreal tipFraction = 0.13)
{
    const QLineF axis(a, b);
    const qreal len = axis.length();
    p.save();
    p.translate(a);
    p.rotate(-axis.angle());
    QLinearGradient body(0, -thickness / 2, 0, thickness / 2);
    body.setColorAt(0, rgba(120, 120, 130));
    body.setColorAt(0.22, rgba(40, 40, 46));
    body.setColorAt(0.6, rgba(10, 10, 14));
    body.setColorAt(1, rgba(2, 2, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0, -thickness / 2, len, thickness), thickness / 2.4, thickness / 2.4);
    QLinearGradient tip(0, -thickness / 2, 0, thickness / 2);
    tip.setColorAt(0, rgba(255, 255, 255));
    tip.setColorAt(0.5, rgba(236, 236, 240));
    tip.setColorAt(1, rgba(150, 150, 160));
    p.setBrush(tip);
    const qreal tl = len * tipFraction;
    p.drawRoundedRect(QRectF(0, -thickness / 2, tl, thickness), thickness / 2.4, thickness / 2.4);
    p.drawRoundedRect(QRectF(len - tl, -thickness / 2, tl, thickness), thickness / 2.4, thickness / 2.4);
    p.restore();
}

void woodTable(QImage &img, int top)
{
    const qreal horizon = top - 130;
    for (int y = top; y < BgH; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const qreal d = y - horizon;
        const qreal z = 12000.0 / d;
        const qreal detail = clamp01((d - 130) / 260.0) * 0.8 + 0.2;
        const bool seam = std::fmod(z + 4, 19.0) < 0.06 * z / 10;
        for (int x = 0; x < BgW; ++x) {
            const qreal wx = (x - 640) * z / 100.0;
            const qreal warp = 2.8 * valueNoise(wx * 0.025, z * 0.35, 17);
            const qreal grain = std::sin(z * 2.1 + warp) * detail;
            const qreal fine = hashNoise(x / 3, y, 18) * 0.12 * detail;
            const qreal k = 0.78 + 0.16 * grain + fine;
            // Light pool around the hat.
            const qreal dx = (x - 600) / 560.0, dy = (y - 800) / 200.0;
            const qreal pool = 0.35 + 0.9 * std::exp(-(dx * dx + dy * dy));
            qreal r = 96 * k * pool, g = 46 * k * pool, b = 24 * k * pool;
            if (seam) {
                r *= 0.45;
                g *= 0.45;
                b *= 0.45;
            }
            line[x] = qRgb(clampByte(r), clampByte(g), clampByte(b));
        }
    }
    // Lit front edge of the far side of the table.
    QRgb *edge = reinterpret_cast<QRgb *>(img.scanLine(top));
    for (int x = 0; x < BgW; ++x)
        blend(edge[x], 200, 140, 90, 0.5);
}

void bigTopHat(QPainter &p, qreal cx, qreal brimY)
{
    const qreal brimRx = 252, baseRx = 150, baseRy = 34;
    const qreal topY = 372, topRx = 168, topRy = 36;

    // Brim, curled up at the sides: the thickness of its front edge, then its upper face.
    auto brimPath = [&](qreal drop) {
        QPainterPath path;
        const QPointF left(cx - brimRx, brimY - 20), right(cx + brimRx, brimY - 20);
        path.moveTo(left);
        path.cubicTo(cx - brimRx, brimY + 34 + drop, cx - 130, brimY + 58 + drop, cx, brimY + 58 + drop);
        path.cubicTo(cx + 130, brimY + 58 + drop, cx + brimRx, brimY + 34 + drop, right.x(), right.y());
        path.cubicTo(cx + brimRx, brimY - 48, cx + 130, brimY - 60, cx, brimY - 60);
        path.cubicTo(cx - 130, brimY - 60, cx - brimRx, brimY - 48, left.x(), left.y());
        path.closeSubpath();
        return path;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(6, 5, 8));
    p.drawPath(brimPath(10));
    QRadialGradient brimG(QPointF(cx - 110, brimY - 20), 340);
    brimG.setColorAt(0, rgba(58, 54, 66));
    brimG.setColorAt(0.55, rgba(24, 22, 28));
    brimG.setColorAt(1, rgba(10, 9, 12));
    p.setBrush(brimG);
    p.drawPath(brimPath(0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(210, 196, 230, 50), 2));
    p.drawPath(brimPath(0));

    // Crown, slightly waisted and flared towards the top.
    QPainterPath crown;
    crown.moveTo(cx - baseRx, brimY - 8);
    crown.cubicTo(cx - baseRx + 6, brimY - 180, cx - topRx + 16, topY + 150, cx - topRx, topY);
    crown.arcTo(QRectF(cx - topRx, topY - topRy, 2 * topRx, 2 * topRy), 180, 180);
    crown.cubicTo(cx + topRx - 16, topY + 150, cx + baseRx - 6, brimY - 180, cx + baseRx, brimY - 8);
    crown.arcTo(QRectF(cx - baseRx, brimY - 8 - baseRy, 2 * baseRx, 2 * baseRy), 0, -180);
    crown.closeSubpath();
    QLinearGradient silk(cx - topRx, 0, cx + topRx, 0);
    silk.setColorAt(0.0, rgba(8, 7, 10));
    silk.setColorAt(0.12, rgba(34, 32, 40));
    silk.setColorAt(0.21, rgba(128, 124, 140));
    silk.setColorAt(0.27, rgba(40, 38, 46));
    silk.setColorAt(0.6, rgba(13, 12, 15));
    silk.setColorAt(0.86, rgba(30, 28, 34));
    silk.setColorAt(1.0, rgba(6, 5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(silk);
    p.drawPath(crown);

    p.save();
    p.setClipPath(crown);
    QLinearGradient shade(0, topY, 0, brimY);
    shade.setColorAt(0, rgba(0, 0, 0, 0));
    shade.setColorAt(1, rgba(0, 0, 0, 90));
    p.fillRect(QRectF(cx - topRx, topY - topRy, 2 * topRx, brimY - topY + topRy), shade);
    // Satin band.
    const qreal bandTop = brimY - 88;
    QPainterPath band;
    band.moveTo(0, bandTop);
    band.arcTo(QRectF(cx - baseRx - 6, bandTop - baseRy, 2 * (baseRx + 6), 2 * baseRy), 180, 180);
    band.lineTo(BgW, bandTop);
    band.lineTo(BgW, BgH);
    band.lineTo(0, BgH);
    band.closeSubpath();
    QLinearGradient satin(cx - baseRx, 0, cx + baseRx, 0);
    satin.setColorAt(0, rgba(30, 3, 8));
    satin.setColorAt(0.17, rgba(130, 26, 44));
    satin.setColorAt(0.23, rgba(186, 68, 88));
    satin.setColorAt(0.3, rgba(96, 12, 28));
    satin.setColorAt(0.75, rgba(48, 5, 14));
    satin.setColorAt(1, rgba(18, 2, 5));
    p.setBrush(satin);
    p.drawPath(band);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(0, 0, 0, 120), 2));
    p.drawPath(band);
    p.restore();

    // Flat bow on the band.
    const QPointF k(cx - 100, brimY - 52);
    QPainterPath bow;
    bow.moveTo(k);
    bow.cubicTo(k + QPointF(-14, -20), k + QPointF(-44, -18), k + QPointF(-44, 0));
    bow.cubicTo(k + QPointF(-44, 18), k + QPointF(-14, 20), k);
    bow.cubicTo(k + QPointF(14, -20), k + QPointF(42, -18), k + QPointF(42, 0));
    bow.cubicTo(k + QPointF(42, 18), k + QPointF(14, 20), k);
    QLinearGradient bowG(0, k.y() - 18, 0, k.y() + 18);
    bowG.setColorAt(0, rgba(170, 50, 70));
    bowG.setColorAt(1, rgba(60, 6, 16));
    p.setBrush(bowG);
    p.setPen(QPen(rgba(30, 2, 6, 180), 1.5));
    p.drawPath(bow);
    p.drawRoundedRect(QRectF(k.x() - 8, k.y() - 12, 16, 24), 4, 4);

    // Closed top with a faint sheen and lit rim.
    QRadialGradient top(QPointF(cx - 60, topY - 8), 220);
    top.setColorAt(0, rgba(46, 44, 54));
    top.setColorAt(1, rgba(12, 11, 14));
    p.setBrush(top);
    p.setPen(QPen(rgba(150, 142, 170, 120), 2));
    p.drawEllipse(QPointF(cx, topY), topRx, topRy);
}

// Light beams from a high window: an angular profile around the window, faded with distance.
QImage lightBeams()
{
    QImage layer = canvas(BgW, BgH);
    QPainter p(&layer);
    setupPainter(p);
    const QPointF src(250, -260);
    struct Ray {
        qreal x0, x1;
        int alpha;
    };
    const Ray rays[] = {{1120, 1180, 22}, {900, 1080, 36}, {760, 860, 28}, {560, 720, 44}, {330, 520, 34}};
    const qreal start = 260;
    auto stopAt = [&](qreal x) {
        const qreal deg = 360 - qRadiansToDegrees(std::atan2(BgH - src.y(), x - src.x()));
        return (deg - start) / 360.0;
    };
    QConicalGradient profile(src, start);
    profile.setColorAt(0, rgba(0, 0, 0, 0));
    for (const Ray &r : rays) {
        // Angles grow as x shrinks, so walk each beam from its right edge.
        const qreal a0 = stopAt(r.x1), a1 = stopAt(r.x0), w = a1 - a0;
        const QColor light = rgba(255, 226, 170, r.alpha);
        profile.setColorAt(a0 - w * 0.25, rgba(255, 226, 170, 0));
        profile.setColorAt(a0 + w * 0.2, light);
        profile.setColorAt(a1 - w * 0.2, light);
        profile.setColorAt(a1 + w * 0.25, rgba(255, 226, 170, 0));
    }
    profile.setColorAt(1, rgba(0, 0, 0, 0));
    p.fillRect(layer.rect(), profile);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QRadialGradient fade(src, 1500);
    fade.setColorAt(0.18, rgba(0, 0, 0, 60));
    fade.setColorAt(0.4, rgba(0, 0, 0, 255));
    fade.setColorAt(1, rgba(0, 0, 0, 0));
    p.fillRect(layer.rect(), fade);
    p.end();
    return layer;
}

QImage bgHat()
{
    QImage img = background();
    const QImage rays = lightBeams();
    const int tableTop = 640;
    {
        QPainter p(&img);
        QLinearGradient wall(0, 0, 0, tableTop);
        wall.setColorAt(0, rgba(10, 7, 16));
        wall.setColorAt(1, rgba(30, 20, 40));
        p.fillRect(QRectF(0, 0, BgW, tableTop), wall);
    }
    woodTable(img, tableTop);
    {
        QPainter p(&img);
        setupPainter(p);
        const qreal cx = 620, brimY = 770;

        // Shadow of the hat cast to the right.
        p.save();
        p.translate(cx + 90, brimY + 36);
        p.scale(1, 0.22);
        QRadialGradient sh(QPointF(0, 0), 360);
        sh.setColorAt(0, rgba(0, 0, 0, 200));
        sh.setColorAt(0.7, rgba(0, 0, 0, 90));
        sh.setColorAt(1, rgba(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sh);
        p.drawEllipse(QPointF(0, 0), 360, 360);
        p.restore();

        // Beams of light behind the hat, softened by drawing them small and scaling up.
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.drawImage(QRectF(0, 0, BgW, BgH), rays);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);

        bigTopHat(p, cx, brimY);

        // Wand lying in front, with its shadow.
        p.save();
        p.setPen(QPen(rgba(0, 0, 0, 110), 22, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(330, 930), QPointF(930, 872));
        p.restore();
        wand(p, QPointF(312, 912), QPointF(910, 852), 20);

        // The beams again, faintly, in the air in front of the hat.
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setOpacity(0.35);
        p.drawImage(QRectF(0, 0, BgW, BgH), rays);
        p.setOpacity(1);
        QRandomGenerator rng(44);
        for (int i = 0; i < 70; ++i)
            glowDot(p, QPointF(uniform(rng, 300, 1100), uniform(rng, 40, 640)), uniform(rng, 1.2, 3),
                    rgba(255, 230, 190), int(uniform(rng, 30, 110)));

        // Sparkles rising from the hat.
        for (int i = 0; i < 26; ++i) {
            const qreal t = rng.generateDouble();
            const QPointF c(cx + std::sin(t * 9 + 1) * (40 + 140 * t) + gauss(rng) * 14, 330 - 300 * t);
            if (i % 3 == 0)
                twinkle(p, c, uniform(rng, 8, 22) * (1.1 - t * 0.5), rgba(255, 206, 110));
            else
                glowDot(p, c, uniform(rng, 3, 7), rgba(255, 200, 120), 180);
        }
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        vignette(p, QRectF(0, 0, BgW, BgH), 0.85, QPointF(620, 560));
    }
    addGrain(img, 3, 4);
    return img;
}

// ---- img6: a swirl of magic sparkles leaving a wand.

QColor swirlColour(qreal t)
{
    const QColor a = rgba(255, 214, 120), b = rgba(255, 96, 196), c = rgba(110, 190, 255);
    auto lerp = [](QColor x, QColor y, qreal k) {
        return rgba(int(x.red() + (y.red() - x.red()) * k), int(x.green() + (y.green() - x.green()) * k),
                    int(x.blue() + (y.blue() - x.blue()) * k));
    };
    return t < 0.5 ? lerp(a, b, t * 2) : lerp(b, c, (t - 0.5) * 2);
}

QImage bgSparkles()
{
    QImage img = background();
    {
        QPainter p(&img);
        setupPainter(p);
        const QRectF all(0, 0, BgW, BgH);
        QRadialGradient bg(QPointF(700, 470), 900);
        bg.setColorAt(0, rgba(40, 16, 66));
        bg.setColorAt(0.5, rgba(18, 8, 34));
        bg.setColorAt(1, rgba(4, 2, 10));
        p.fillRect(all, bg);

        p.setCompositionMode(QPainter::CompositionMode_Plus);
        struct Cloud {
            QPointF c;
            qreal r;
            QColor col;
        };
        const Cloud clouds[] = {{QPointF(520, 380), 420, rgba(60, 20, 80)},
                                {QPointF(900, 600), 380, rgba(16, 30, 80)},
                                {QPointF(760, 300), 260, rgba(70, 20, 60)}};
        for (const Cloud &cl : clouds) {
            QRadialGradient g(cl.c, cl.r);
            g.setColorAt(0, cl.col);
            g.setColorAt(1, rgba(0, 0, 0));
            p.fillRect(all, g);
        }
        p.setOpacity(0.12);
        p.drawImage(all, mottle(64, 50, 0.1, 23));
        p.setOpacity(1);

        QRandomGenerator rng(66);
        // Distant specks.
        for (int i = 0; i < 400; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(rgba(220, 210, 255, int(uniform(rng, 30, 140))));
            const qreal r = uniform(rng, 0.5, 1.3);
            p.drawEllipse(QPointF(uniform(rng, 0, BgW), uniform(rng, 0, BgH)), r, r);
        }

        const QPointF centre(720, 450);
        const qreal tilt = qDegreesToRadians(-14.0);
        auto armPoint = [&](int arm, qreal t) {
            const qreal theta = t * 3.3 * M_PI + arm * M_PI;
            const qreal r = 24 + 440 * std::pow(t, 1.1);
            const qreal ex = r * std::cos(theta), ey = r * std::sin(theta) * 0.6;
            return centre +
                   QPointF(ex * std::cos(tilt) - ey * std::sin(tilt), ex * std::sin(tilt) + ey * std::cos(tilt));
        };

        // Core glow.
        QRadialGradient core(centre, 200);
        core.setColorAt(0, rgba(190, 150, 110));
        core.setColorAt(0.2, rgba(90, 56, 80));
        core.setColorAt(1, rgba(0, 0, 0));
        p.setBrush(core);
        p.drawEllipse(centre, 200, 200);

        for (int arm = 0; arm < 2; ++arm) {
            // Luminous filament along the arm.
            p.setBrush(Qt::NoBrush);
            const int segments = 60;
            for (int i = 0; i < segments; ++i) {
                const qreal t0 = qreal(i) / segments, t1 = qreal(i + 1) / segments;
                const QColor col = swirlColour(t0);
                for (int w = 0; w < 3; ++w) {
                    const qreal width = (22 - w * 8) * (1.1 - 0.6 * t0);
                    p.setPen(
                        QPen(withAlpha(col, int((12 + w * 12) * (1.0 - 0.4 * t0))), width, Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(armPoint(arm, t0), armPoint(arm, t1));
                }
            }
            // Particles.
            for (int i = 0; i < 1300; ++i) {
                const qreal t = std::pow(rng.generateDouble(), 0.7);
                const qreal spread = 6 + 46 * t;
                const QPointF c = armPoint(arm, t) + QPointF(gauss(rng) * spread, gauss(rng) * spread * 0.7);
                const qreal r = uniform(rng, 1.5, 5.0) * (0.75 + 0.4 * t);
                glowDot(p, c, r, swirlColour(t), int(uniform(rng, 50, 170) * (0.55 + 0.45 * t)));
            }
            for (int i = 0; i < 16; ++i) {
                const qreal t = rng.generateDouble();
                twinkle(p, armPoint(arm, t) + QPointF(gauss(rng) * 20, gauss(rng) * 14), uniform(rng, 10, 28),
                        swirlColour(t));
            }
        }
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);

        // The wand whose tip starts the outer arm.
        const QPointF tip = armPoint(0, 1.0);
        const QPointF dir(-0.62, 0.78);
        wand(p, tip + dir * 430, tip, 18, 0.11);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        twinkle(p, tip, 40, rgba(255, 230, 160), 1.4);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        vignette(p, all, 0.7, centre);
    }
    addGrain(img, 3, 6);
    return img;
}

} // namespace Draw
