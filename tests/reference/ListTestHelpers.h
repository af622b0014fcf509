#pragma once

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordGrid.h"

#include <QDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <functional>

// Statements and window driving shared by the tests of the reference lists.
namespace ListTestHelpers {

// Runs a statement on the shared query, values bound by position; a failure ends the test run.
inline void exec(const QString &sql, const QVariantList &values = {})
{
    QSqlQuery &q = Form1->Query();
    q.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    q.finish();
}

// The first value of the first row; null when there is none.
inline QVariant scalar(const QString &sql, const QVariantList &values = {})
{
    QSqlQuery &q = Form1->Query();
    q.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    QVariant v;
    if (q.exec() && q.next())
        v = q.value(0);
    q.finish();
    return v;
}

inline QStringList column(const RecordGrid *grid, const QString &field)
{
    QStringList c;
    for (int r = 0; r < grid->rowCount(); ++r)
        c << grid->cell(r, field);
    return c;
}

// Runs `body` in `dialog` once `open` has shown it modally; a dialog still open is then cancelled.
inline void inDialog(QDialog *dialog, const std::function<void()> &open, const std::function<void()> &body)
{
    QTimer::singleShot(0, dialog, [dialog, body] {
        body();
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
}

// Shows a window modally and runs `body` while it is open.
inline void whileShown(QDialog *dialog, const std::function<void()> &body)
{
    inDialog(dialog, [dialog] { dialog->exec(); }, body);
}

} // namespace ListTestHelpers
