#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Writing of the CSV files of the reports and exports: UTF-8 without byte-order mark, one line
// feed after each line, every cell followed by ";", no quoting.
namespace CsvExport {

extern const QString Filter;       // "Fichier CSV|*.CSV"
extern const QString DoneText;     // "Export CSV effectué"
extern const QString FailureText;  // "Erreur d'écriture du fichier. Le fichier est peut-être déjà ouvert."

// A cell as exported: every ";" becomes ",".
QString cleanCell(const QString &cell);
// Column names, each followed by ";".
QString headerLine(const QStringList &names);
// Cells cleaned, each followed by ";".
QString rowLine(const QStringList &cells);
// The header line (kept as given) followed by one line per row.
QStringList tableLines(const QString &headerLine, const QVector<QStringList> &rows);

// The file's bytes: UTF-8, each line ended by "\n".
QByteArray encode(const QStringList &lines);

// Creates or replaces the file. The new content replaces the old one only once fully written; when
// the folder refuses a temporary file the file is written in place. False, with the reason in
// `error`, when it cannot be written.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);
bool writeTable(const QString &path, const QStringList &header, const QVector<QStringList> &rows,
                QString *error = nullptr);

} // namespace CsvExport
