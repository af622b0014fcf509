#include "Drawing.h"

namespace Draw {

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void setupPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QImage paintIcon(int size, const std::function<void(QPainter &)> &paint)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    setupPainter(p);
    paint(p);
    p.end();
    return img;
}

quint32 hash2(quint32 x, quint32 y, quint32 seed)
{
    quint32 h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// -1..1 white noise per lattice point.
qreal hashNoise(int x, int y, quint32 seed)
{
    return (hash2(quint32(x), quint32(y), seed) & 0xffff) / 32767.5 - 1.0;
}

// Smooth value noise, -1..1.
qreal valueNoise(qreal x, qreal y, quint32 seed)
{
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const qreal fx = smooth(x - xi), fy = smooth(y - yi);
    const qreal a = hashNoise(xi, yi, seed), b = hashNoise(xi + 1, yi, seed);
    const qreal c = hashNoise(xi, yi + 1, seed), d = hashNoise(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

qreal fbm(qreal x, qreal y, quint32 seed, int octaves)
{
    qreal sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + quint32(i) * 101u);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

// Fine grain so large gradients do not band once saved as JPEG.
void addGrain(QImage &img, int amount, quint32 seed)
{
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(hashNoise(x, y, seed) * amount);
            const QRgb c = line[x];
            line[x] = qRgba(qBound(0, qRed(c) + n, qAlpha(c)), qBound(0, qGreen(c) + n, qAlpha(c)),
                            qBound(0, qBlue(c) + n, qAlpha(c)), qAlpha(c));
        }
    }
}

void vignette(QPainter &p, const QRectF &r, qreal strength, QPointF centre)
{
    if (centre.x() < 0)
        centre = r.center();
    p.save();
    const qreal radius = std::hypot(r.width(), r.height()) * 0.56;
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, rgba(0, 0, 0, 0));
    g.setColorAt(0.55, rgba(0, 0, 0, int(40 * strength)));
    g.setColorAt(1.0, rgba(0, 0, 0, int(230 * strength)));
    p.fillRect(r, g);
    p.restore();
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = qDegreesToRadians(rotationDeg + i * 180.0 / points);
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A four-pointed twinkle with a soft halo; additive, so call with CompositionMode_Plus.
void twinkle(QPainter &p, QPointF c, qreal r, const QColor &colour, qreal haloScale)
{
    QRadialGradient halo(c, r * 1.6 * haloScale);
    halo.setColorAt(0, withAlpha(colour, 150));
    halo.setColorAt(0.25, withAlpha(colour, 60));
    halo.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, r * 1.6 * haloScale, r * 1.6 * haloScale);

    QPainterPath spikes;
    const qreal w = r * 0.13;
    spikes.moveTo(c.x(), c.y() - r);
    spikes.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    spikes.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    spikes.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    spikes.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    QRadialGradient core(c, r);
    core.setColorAt(0, rgba(255, 255, 255, 255));
    core.setColorAt(0.22, withAlpha(colour.lighter(115), 230));
    core.setColorAt(1, withAlpha(colour, 40));
    p.setBrush(core);
    p.drawPath(spikes);
}

// A soft glowing dot; additive.
void glowDot(QPainter &p, QPointF c, qreal r, const QColor &colour, int alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, withAlpha(colour.lighter(160), alpha));
    g.setColorAt(0.3, withAlpha(colour, alpha * 2 / 3));
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

qreal gauss(QRandomGenerator &rng)
{
    const qreal u1 = qMax(1e-9, rng.generateDouble()), u2 = rng.generateDouble();
    return std::sqrt(-2 * std::log(u1)) * std::cos(2 * M_PI * u2);
}

qreal uniform(QRandomGenerator &rng, qreal lo, qreal hi)
{
    return lo + (hi - lo) * rng.generateDouble();
}

QFont font(const QString &family, qreal pixelSize, int weight)
{
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text as a path centred on `centre`, so it can be filled with gradients and placed exactly.
QPainterPath centredText(const QString &text, const QFont &f, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    return path.translated(centre - b.center());
}

QImage background()
{
    QImage img(BgW, BgH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

// Blends an opaque colour over an opaque pixel.

// Low-frequency mottling, computed small and scaled up smoothly.
QImage mottle(int w, int h, qreal scale, quint32 seed)
{
    QImage small(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(small.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int v = clampByte(128 + 127 * fbm(x * scale, y * scale, seed, 4));
            line[x] = qRgb(v, v, v);
        }
    }
    return small;
}

void contactShadow(QPainter &p, QPointF at, qreal radius, qreal from, int alpha)
{
    QRadialGradient sh(at, radius);
    sh.setColorAt(from, rgba(0, 0, 0, alpha));
    sh.setColorAt(1.0, rgba(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawEllipse(at, radius, radius);
}

void drawBadgeDisc(QPainter &p, QPointF c, qreal r, QRadialGradient body, QColor light, QColor mid, QColor dark,
                   QColor rim, int ringAlpha)
{
    body.setColorAt(0, light);
    body.setColorAt(0.55, mid);
    body.setColorAt(1, dark);
    p.setBrush(body);
    p.setPen(QPen(rim, 1));
    p.drawEllipse(c, r - 0.5, r - 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(255, 255, 255, ringAlpha), 1));
    p.drawEllipse(c, r - 1.5, r - 1.5);
}

// Glossy round badge (same family as the dialog icons), centre on a half pixel.
void drawSmallBadge(QPainter &p, QPointF c, qreal r, QColor light, QColor mid, QColor dark, QColor rim)
{
    contactShadow(p, c + QPointF(0, 1), r + 1.2, 0.78, 80);
    drawBadgeDisc(p, c, r, QRadialGradient(c + QPointF(0, -r * 0.45), r * 1.45, c + QPointF(-r * 0.35, -r * 0.6)),
                  light, mid, dark, rim, 70);
    glossCap(p, QRectF(c.x() - r * 0.68, c.y() - r + 1.2, r * 1.36, r * 0.9), c.y() - r + 1, c.y(), 130);
}

void drawWhiteGlyph(QPainter &p, const QPainterPath &glyph, const QColor &shadow, qreal drop)
{
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawPath(glyph.translated(0, drop));
    p.setBrush(Qt::white);
    p.drawPath(glyph);
}

void drawSaltire(QPainter &p, QPointF c, qreal d, qreal width, const QColor &shadow, qreal shadowWidth, qreal drop)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shadow, shadowWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-d, -d + drop), c + QPointF(d, d + drop));
    p.drawLine(c + QPointF(d, -d + drop), c + QPointF(-d, d + drop));
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    p.drawLine(c + QPointF(d, -d), c + QPointF(-d, d));
}

void glossCap(QPainter &p, const QRectF &cap, qreal top, qreal bottom, int alpha)
{
    QLinearGradient gloss(0, top, 0, bottom);
    gloss.setColorAt(0, rgba(255, 255, 255, alpha));
    gloss.setColorAt(1, rgba(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(cap);
}

void drawLensGlass(QPainter &p, QPointF lens, qreal inner, QPointF highlight, qreal spread, const QGradientStops &stops)
{
    QRadialGradient glass(lens + highlight, inner * spread);
    glass.setStops(stops);
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(lens, inner, inner);
}

void drawLensHandle(QPainter &p, QPointF lens, const QRectF &grip, qreal radius, const QGradientStops &wood,
                    const QPen &outline, const QRectF &ferrule)
{
    p.save();
    p.translate(lens);
    p.rotate(45);
    QLinearGradient hg(0, grip.top(), 0, grip.bottom());
    hg.setStops(wood);
    p.setPen(outline);
    p.setBrush(hg);
    p.drawRoundedRect(grip, radius, radius);
    if (!ferrule.isEmpty()) {
        QLinearGradient fg(0, ferrule.top(), 0, ferrule.bottom());
        fg.setColorAt(0, rgba(236, 236, 236));
        fg.setColorAt(0.5, rgba(160, 160, 164));
        fg.setColorAt(1, rgba(96, 96, 100));
        p.setBrush(fg);
        p.setPen(QPen(rgba(60, 60, 64), 0.7));
        p.drawRect(ferrule);
    }
    p.restore();
}

void drawLensRim(QPainter &p, QPointF lens, qreal outer, qreal inner, const QColor &shade, const QPen &edge)
{
    QPainterPath rim;
    rim.addEllipse(lens, outer, outer);
    rim.addEllipse(lens, inner, inner);
    QLinearGradient rg(lens + QPointF(-outer, -outer), lens + QPointF(outer, outer));
    rg.setColorAt(0, rgba(250, 250, 252));
    rg.setColorAt(0.45, rgba(176, 178, 184));
    rg.setColorAt(1, shade);
    p.setBrush(rg);
    p.setPen(edge);
    p.drawPath(rim);
}

// A "+" spanning `len` with bars `w` thick, centred on `c`, as one outline.
QPainterPath plusPath(QPointF c, qreal len, qreal w)
{
    QPainterPath path;
    path.addRect(QRectF(c.x() - len / 2, c.y() - w / 2, len, w));
    path.addRect(QRectF(c.x() - w / 2, c.y() - len / 2, w, len));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

} // namespace Draw
