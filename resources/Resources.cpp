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
    QFile f(pathOf(name));
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

QIcon appIcon()
{
    return QIcon(pixmap(QStringLiteral("vorelis")));
}

} // namespace Resources
