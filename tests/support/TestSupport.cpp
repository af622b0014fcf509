#include "support/TestSupport.h"

#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/TOptimizedatabase.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "common/RecordGrid.h"
#include "store/CollectionStore.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
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
    Desktop::Testing::opened().clear();
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

qint64 exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = prepared(sql, values);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    const qint64 id = q.lastInsertId().toLongLong();
    q.finish();
    return id;
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

int count(const QString &table)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

qint64 insertNamed(const QString &table, const QString &name)
{
    return exec(QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table), {name});
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QStringList column(const RecordGrid *grid, const QString &field)
{
    return column(grid, grid->columnOf(field));
}

QStringList column(const RecordGrid *grid, int column)
{
    QStringList cells;
    for (int r = 0; r < grid->rowCount(); ++r)
        cells << grid->cell(r, column);
    return cells;
}

void onNextShowing(QDialog *dialog, const std::function<void()> &body)
{
    QTimer::singleShot(0, dialog, [dialog, body] {
        body();
        if (dialog->isVisible())
            dialog->reject();
    });
}

void inDialog(QDialog *dialog, const std::function<void()> &open, const std::function<void()> &body)
{
    onNextShowing(dialog, body);
    open();
}

int whileShown(QDialog *dialog, const std::function<void()> &body)
{
    int result = -1;
    inDialog(dialog, [dialog, &result] { result = dialog->exec(); }, body);
    return result;
}

void minimiseAndRestore(QWidget *window)
{
    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    QCoreApplication::processEvents();
}

void clickHeader(RecordGrid *grid, int column)
{
    QHeaderView *h = grid->horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
}

void doubleClick(RecordGrid *grid, int row, int column)
{
    grid->scrollToItem(grid->item(row, column));
    const QPoint at = grid->visualItemRect(grid->item(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace TestSupport
