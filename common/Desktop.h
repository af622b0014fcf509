#pragma once

#include <QStringList>
#include <QUrl>

// Opening links and files with the desktop's applications. Tests switch it to recording.
namespace Desktop {

bool openUrl(const QUrl &url);
bool openFile(const QString &path);

namespace Testing {
void enable();
void disable();
QList<QUrl> &opened();
} // namespace Testing

} // namespace Desktop
