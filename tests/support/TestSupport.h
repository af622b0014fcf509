#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

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
// in `dir`, the dialog queues and logs empty. Returns the collection's path.
QString startWithNewCollection(const QTemporaryDir &dir);

// Runs a statement with positional values on the shared query; a failure ends the test run.
void exec(const QString &sql, const QVariantList &values = {});
// The first value of a statement's first row; invalid when there is none.
QVariant scalar(const QString &sql, const QVariantList &values = {});

QByteArray readBytes(const QString &path);

} // namespace TestSupport
