#include "common/Desktop.h"

#include <QDesktopServices>

namespace {
bool g_testing = false;
QList<QUrl> g_opened;
} // namespace

namespace Desktop {

bool openUrl(const QUrl &url)
{
    if (g_testing) {
        g_opened.append(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

bool openFile(const QString &path)
{
    return openUrl(QUrl::fromLocalFile(path));
}

namespace Testing {
void enable()
{
    g_testing = true;
    g_opened.clear();
}
void disable()
{
    g_testing = false;
}
QList<QUrl> &opened()
{
    return g_opened;
}
} // namespace Testing

} // namespace Desktop
