#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

class QSqlQuery;

// The read-only reports: a statement, the columns made from each of its rows, the order after
// loading, an optional total and the CSV export. No widget here; the report window shows it.
namespace Report {

struct Column {
    enum Source {
        Field,       // the statement's column `field`, as text
        Lookup,      // `lookupField` of `lookup` run with :id = the statement's `field`, when it is >= 1
        OuiNon,      // "oui" when the flag `field` is set, else "non"
        FieldIfFlag, // `field` when the flag `flag` is set, else empty
        Amount,      // `field` through NormaliseAmountOrZero
    };
    QString caption;
    Source source = Field;
    QString field;
    QString lookup;      // Lookup: a statement binding :id
    QString lookupField; // Lookup: the column read from its first row
    QString flag;        // FieldIfFlag
    int width = 0;       // shown width; 0: the window decides
};

struct Definition {
    QString statement;
    QString idField = QStringLiteral("id");
    QVector<Column> columns; // the visible ones, after the hidden id
    int sortColumn = -1;     // rows sorted by this column's text after loading; -1: statement order
    int totalColumn = -1;    // the amounts summed; -1: no total
    QString totalPrefix;
    QString totalSuffix;
    QStringList csvHeader;   // column names of the header line
    QVector<int> exported;   // columns written to the CSV file, in order
};

struct Rows {
    QStringList ids;
    QVector<QStringList> cells; // one list per row, one text per column
    QString totalText;          // framed total; empty without a total
    bool ok = true;
    QString error;
};

// Look-ups of names by id, one prepared statement per look-up, reused for every row.
extern const QString StorageName; // "SELECT nom from rangement WHERE id=:id"
extern const QString ContactName; // "SELECT nom from contacts WHERE id=:id"
extern const QString AuthorName;  // "SELECT nom from auteurs WHERE id=:id"

// Runs the statement on `query` (closed afterwards), the look-ups on a query of their own on
// `db`, then sorts and totals. A reference to a missing record gives an empty cell.
Rows load(QSqlQuery &query, const QSqlDatabase &db, const Definition &definition);

// Text order without regard to case, as a click on a column title sorts. Stable.
void sortRows(Rows &rows, int column);

// The total label: prefix, the sum in general format, suffix.
QString totalText(const Definition &definition, const QVector<QStringList> &cells);

// The CSV lines of rows shown in the given order: header line, then the exported cells.
QStringList csvLines(const Definition &definition, const QVector<QStringList> &cells);
// The exported cells of one row.
QStringList exportedCells(const Definition &definition, const QStringList &cells);

} // namespace Report
