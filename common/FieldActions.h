#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QLineEdit;

// What the windows do with the field rules: open a field's link or file, run a CSV export.
// These show the program's dialogs; the decisions themselves are in FieldRules and CsvExport.
namespace FieldActions {

// Opens a field's text: a link in the browser (through EncodeUrl), otherwise the file after
// expansion of a relative value; a missing file gives the warning "Fichier introuvable" and
// nothing is opened. True when something was handed to the desktop.
bool openFieldTarget(const QString &text, const QString &databasePath);

// A link button: the text through EncodeUrl, then the browser.
bool openLink(const QString &text);

// The CSV export convention: save dialog ("Fichier CSV|*.CSV", overwrite asked, existing folder,
// no extension added); nothing on cancel; then the file and the message "Export CSV effectué", or
// the error dialog when it cannot be written. True when the file was written.
bool exportCsvLines(const QStringList &lines);
bool exportCsv(const QString &headerLine, const QVector<QStringList> &rows);

// Shows a stored text whole in a field with a length limit: a longer value written by an import
// or another program must not be cut when the record is saved again. `designedLimit` is the
// field's own limit, which comes back for shorter texts.
void showStoredText(QLineEdit *field, const QString &text, int designedLimit);

} // namespace FieldActions
