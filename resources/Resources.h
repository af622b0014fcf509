#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures the windows load by name ("error", "nophoto", "img1", ...).
namespace Resources {

// Registers the compiled-in resources; safe to call more than once.
void init();

// Encoded bytes of the named picture as stored in the program (PNG, or JPEG for backgrounds).
QByteArray bytes(const QString &name);
QImage image(const QString &name);
QPixmap pixmap(const QString &name);
// The named picture as an icon, or `fallback` (a style's standard icon) when it is missing.
QIcon icon(const QString &name, const QIcon &fallback = QIcon());
// The application icon, with dedicated 16, 32 and 48 px pictures beside the 256 px one.
QIcon appIcon();

} // namespace Resources
