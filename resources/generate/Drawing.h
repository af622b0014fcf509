#pragma once

// Painting helpers shared by the picture generator (build tool only).

#include <QColor>
#include <QConicalGradient>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

#include <cmath>
#include <functional>

namespace Draw {

const int BgW = 1280;
const int BgH = 1000;

inline QColor rgba(int r, int g, int b, int a = 255)
{
    return QColor(r, g, b, a);
}

inline QColor withAlpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

inline qreal clamp01(qreal v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

inline qreal smooth(qreal t)
{
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

inline int clampByte(qreal v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : int(v + 0.5));
}

// Blends an opaque colour over an opaque pixel.
inline void blend(QRgb &dst, qreal r, qreal g, qreal b, qreal a)
{
    if (a <= 0)
        return;
    const qreal k = 1 - a;
    dst = qRgb(clampByte(r * a + qRed(dst) * k), clampByte(g * a + qGreen(dst) * k), clampByte(b * a + qBlue(dst) * k));
}

// A transparent premultiplied image.
QImage canvas(int w, int h);
void setupPainter(QPainter &p);
// A transparent square icon of `size` pixels painted by `paint` with the usual hints.
QImage paintIcon(int size, const std::function<void(QPainter &)> &paint);

// Deterministic noise: white per lattice point, smooth value noise and its octaves (all -1..1).
quint32 hash2(quint32 x, quint32 y, quint32 seed);
qreal hashNoise(int x, int y, quint32 seed);
qreal valueNoise(qreal x, qreal y, quint32 seed);
qreal fbm(qreal x, qreal y, quint32 seed, int octaves = 4);
// Fine grain so large gradients do not band once saved as JPEG.
void addGrain(QImage &img, int amount, quint32 seed);
// Small grey fbm image meant to be scaled up smoothly (cheap large-scale mottling).
QImage mottle(int w, int h, qreal scale, quint32 seed);
void vignette(QPainter &p, const QRectF &r, qreal strength, QPointF centre = QPointF(-1, -1));

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points = 5, qreal rotationDeg = -90);
// Four-pointed twinkle and soft dot; both meant for CompositionMode_Plus.
void twinkle(QPainter &p, QPointF c, qreal r, const QColor &colour, qreal haloScale = 1.0);
void glowDot(QPainter &p, QPointF c, qreal r, const QColor &colour, int alpha);

qreal gauss(QRandomGenerator &rng);
qreal uniform(QRandomGenerator &rng, qreal lo, qreal hi);

QFont font(const QString &family, qreal pixelSize, int weight = QFont::Normal);
// Text as a path centred on `centre`, so it can be filled with gradients and placed exactly.
QPainterPath centredText(const QString &text, const QFont &f, QPointF centre);

// Outline of the paper shapes (pages, cards).
const QColor PageOutline(112, 118, 128);

// Soft round shadow under a shape, dark from `from` (0..1 of `radius`) outwards to nothing.
void contactShadow(QPainter &p, QPointF at, qreal radius, qreal from, int alpha);
// A round badge's disc: `body` (positions only) filled light/mid/dark, its rim and a faint inner ring.
void drawBadgeDisc(QPainter &p, QPointF c, qreal r, QRadialGradient body, QColor light, QColor mid, QColor dark,
                   QColor rim, int ringAlpha);
// A white glyph over its own shadow dropped by `drop`.
void drawWhiteGlyph(QPainter &p, const QPainterPath &glyph, const QColor &shadow, qreal drop);
// A white "x" of half-span `d` over its own shadow dropped by `drop`.
void drawSaltire(QPainter &p, QPointF c, qreal d, qreal width, const QColor &shadow, qreal shadowWidth, qreal drop);
// Small icons: glossy round badge (centre on a half pixel) and a "+" as one outline.
void drawSmallBadge(QPainter &p, QPointF c, qreal r, QColor light, QColor mid, QColor dark, QColor rim);
QPainterPath plusPath(QPointF c, qreal len, qreal w);
// Glossy cap: the ellipse `cap` in white fading from `alpha` at `top` to nothing at `bottom`.
void glossCap(QPainter &p, const QRectF &cap, qreal top, qreal bottom, int alpha);
// A magnifier, lit from the top left: its glass (radial `stops` from `highlight` off the centre),
// its handle (`grip`, and the metal `ferrule` joining it to the rim when given, laid in the lens's
// frame along the diagonal towards the bottom right) and its polished metal ring (`shade` its
// darkest side, `edge` its outline).
void drawLensGlass(QPainter &p, QPointF lens, qreal inner, QPointF highlight, qreal spread, const QGradientStops &stops);
void drawLensHandle(QPainter &p, QPointF lens, const QRectF &grip, qreal radius, const QGradientStops &wood,
                    const QPen &outline, const QRectF &ferrule = QRectF());
void drawLensRim(QPainter &p, QPointF lens, qreal outer, qreal inner, const QColor &shade, const QPen &edge);

// An opaque black BgW x BgH canvas.
QImage background();

} // namespace Draw
