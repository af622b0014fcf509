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
#include <QSqlError>
#include <QSqlQuery>
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

QString startWithNewCollection(const QTemporaryDir &dir)
{
    static int files = 0;
    createWindows();
    const QString path = newCollection(dir, QStringLiteral("c%1.vrl").arg(++files));
    Dialogs::Testing::clear();
    FileDialogs::Testing::log().clear();
    return path;
}

namespace {
QSqlQuery &prepared(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = Form1->Query();
    if (!q.prepare(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q;
}
} // namespace

void exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = prepared(sql, values);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    q.finish();
}

QVariant scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = prepared(sql, values);
    QVariant v;
    if (q.exec() && q.next())
        v = q.value(0);
    q.finish();
    return v;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace TestSupport
