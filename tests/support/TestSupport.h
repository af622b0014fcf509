#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>

class QDialog;
class QWidget;
class RecordGrid;

// Shared set-up of the tests: French locale, dialogs answered from queues, quick compaction.
namespace TestSupport {

// Call from initTestCase of every GUI test.
void initGui();
// Creates the windows as the program does (and tears them down).
void createWindows();
void destroyWindows();

// A new collection file in `dir` named `file`, created by the program's own code path.
QString newCollection(const QTemporaryDir &dir, const QString &file = QStringLiteral("test.vrl"),
                      const QString &name = QStringLiteral("Essai"));

// The start of a GUI test function: the windows created anew, a new collection of its own open
// in `dir`, the dialog queues and logs and the links opened empty. Returns the collection's path.
QString startWithNewCollection(const QTemporaryDir &dir);

// Runs a statement with positional values on the shared query; a failure ends the test run.
// Returns the id of the last row the connection inserted.
qint64 exec(const QString &sql, const QVariantList &values = {});
// The first value of a statement's first row; invalid when there is none.
QVariant scalar(const QString &sql, const QVariantList &values = {});
// Rows in a table.
int count(const QString &table);
// Inserts a row with only a name into a table; returns its id.
qint64 insertNamed(const QString &table, const QString &name);

QByteArray readBytes(const QString &path);

// ---- Windows -----------------------------------------------------------------------------

// The cells of one column of a grid, top to bottom: by the field that fills it, or by position.
QStringList column(const RecordGrid *grid, const QString &field);
QStringList column(const RecordGrid *grid, int column);

// Runs `body` in `dialog` once it is shown modally by what the test does next; a dialog still
// open after `body` is rejected, so that a failing check cannot hang the test.
void onNextShowing(QDialog *dialog, const std::function<void()> &body);
// The same, `open` being what shows it.
void inDialog(QDialog *dialog, const std::function<void()> &open, const std::function<void()> &body);
// Shows `dialog` modally and runs `body` while it is up. Returns the dialog's result.
int whileShown(QDialog *dialog, const std::function<void()> &body);

// Minimises a shown window and brings it back, as the window system does (the window receives
// the show event of a restore).
void minimiseAndRestore(QWidget *window);

// A click on a column title, as a mouse makes it.
void clickHeader(RecordGrid *grid, int column);
// A click on a cell of the row, then a double-click, as a mouse makes them.
void doubleClick(RecordGrid *grid, int row, int column = 1);

} // namespace TestSupport
