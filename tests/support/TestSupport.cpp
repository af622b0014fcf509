#include "support/TestSupport.h"

#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/TOptimizedatabase.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "store/CollectionStore.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QtTest>

namespace TestSupport {

void initGui()
{
    Application::setUp(*qApp);
    Dialogs::Testing::enable();
    FileDialogs::Testing::enable();
    Desktop::Testing::enable();
    UpdateChecker::Testing::setDisabled(true);
    TOptimizedatabase::Testing::setDelays(0, 0);
}

void createWindows()
{
    Windows::createAll();
}

void destroyWindows()
{
    Windows::destroyAll();
}

QString newCollection(const QTemporaryDir &dir, const QString &file, const QString &name)
{
    const QString path = dir.filePath(file);
    if (!Form1->CreateCollection(path, name))
        qFatal("cannot create %s", qPrintable(path));
    return path;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace TestSupport
