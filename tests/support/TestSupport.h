#pragma once

#include <QString>
#include <QTemporaryDir>

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

QByteArray readBytes(const QString &path);

} // namespace TestSupport
