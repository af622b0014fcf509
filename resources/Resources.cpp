#include "resources/Resources.h"

#include <QFile>

static void registerResources()
{
    Q_INIT_RESOURCE(vorelis);
}

namespace Resources {

void init()
{
    static bool done = false;
    if (!done) {
        registerResources();
        done = true;
    }
}

static QString pathOf(const QString &name)
{
    for (const char *ext : {".png", ".jpg"}) {
        const QString p = QStringLiteral(":/img/") + name + QLatin1String(ext);
        if (QFile::exists(p))
            return p;
    }
    return QString();
}

QByteArray bytes(const QString &name)
{
    init();
    const QString path = pathOf(name);
    if (path.isEmpty())
        return QByteArray();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QImage image(const QString &name)
{
    return QImage::fromData(bytes(name));
}

QPixmap pixmap(const QString &name)
{
    return QPixmap::fromImage(image(name));
}

QIcon icon(const QString &name, const QIcon &fallback)
{
    const QPixmap pm = pixmap(name);
    return pm.isNull() ? fallback : QIcon(pm);
}

QIcon appIcon()
{
    // Hand-drawn small cuts stay legible where a scaled-down 256 px picture would blur.
    QIcon icon;
    for (const char *name : {"vorelis-16", "vorelis-32", "vorelis-48", "vorelis"}) {
        const QPixmap pm = pixmap(QLatin1String(name));
        if (!pm.isNull())
            icon.addPixmap(pm);
    }
    return icon;
}

} // namespace Resources
