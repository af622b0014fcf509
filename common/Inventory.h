#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVector>

class QSqlQuery;

// The rules of the inventory lists (equipment, documentation, routines): which statement lists
// them, what the count label says, what a delete removes. No widget.
namespace Inventory {

// The three listing statements, each ending with "ORDER By " so that the sort key follows.
// The search forms bind :clausewhere.
struct Listing {
    QString all;
    QString narrow; // search without the wide check box
    QString wide;   // search with it
    int limit = 10000;
};

struct ListRequest {
    QString searchText; // empty: no search
    bool searchWide = false;
    bool byDateAdded = false; // newest first instead of by name
};

QString statementFor(const Listing &listing, const ListRequest &request);
// Runs the statement on `query`, binding "%" + search text + "%" (the text keeps its LIKE meaning).
bool list(QSqlQuery &query, const Listing &listing, const ListRequest &request);

struct CountTexts {
    QString searchSuffix; // after "Résultat de la recherche : " and the number
    QString allSuffix;    // after the number
};
QString countText(const CountTexts &texts, int count, bool searching);

// "isImport" read as an integer equals 1.
bool isImported(const QString &cell);

// What a delete removes, in order, each statement binding the record's id to `parameter`.
struct Statement {
    QString sql;
    QString parameter;
};
struct DeleteCascade {
    Statement usage; // counts the routines that use the record; empty sql when none can
    QVector<Statement> statements;
};

// How many links the usage statement finds; -1 when it fails, 0 without a usage statement.
qint64 usageCount(QSqlDatabase db, const DeleteCascade &cascade, qint64 id);
// Runs the whole cascade; nothing is removed when one statement fails.
bool remove(QSqlDatabase db, const DeleteCascade &cascade, qint64 id);

} // namespace Inventory
