#include "common/Report.h"

#include "common/Amounts.h"
#include "common/CsvExport.h"
#include "common/FieldRules.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <map>
#include <memory>

namespace Report {

const QString StorageName = QStringLiteral("SELECT nom from rangement WHERE id=:id");
const QString ContactName = QStringLiteral("SELECT nom from contacts WHERE id=:id");
const QString AuthorName = QStringLiteral("SELECT nom from auteurs WHERE id=:id");

namespace {

// One prepared statement per look-up text; the last row found is kept so that two columns
// read from the same record cost one query.
class Lookups
{
public:
    explicit Lookups(const QSqlDatabase &db) : m_db(db) {}

    bool value(const QString &statement, qint64 id, const QString &field, QString *out, QString *error)
    {
        Entry &e = m_entries[statement];
        if (!e.query) {
            e.query = std::make_unique<QSqlQuery>(m_db);
            e.query->setForwardOnly(true);
            if (!e.query->prepare(statement)) {
                *error = e.query->lastError().text();
                return false;
            }
        }
        if (!e.valid || e.id != id) {
            e.query->bindValue(QStringLiteral(":id"), id);
            if (!e.query->exec()) {
                *error = e.query->lastError().text();
                return false;
            }
            e.found = e.query->next();
            e.record = e.found ? e.query->record() : QSqlRecord();
            e.query->finish();
            e.id = id;
            e.valid = true;
        }
        *out = e.found ? e.record.value(field).toString() : QString();
        return true;
    }

private:
    struct Entry {
        std::unique_ptr<QSqlQuery> query;
        bool valid = false;
        qint64 id = 0;
        bool found = false;
        QSqlRecord record;
    };
    QSqlDatabase m_db;
    std::map<QString, Entry> m_entries;
};

} // namespace

Rows load(QSqlQuery &query, const QSqlDatabase &db, const Definition &definition)
{
    Rows rows;
    Lookups lookups(db);
    query.finish();
    if (!query.exec(definition.statement)) {
        rows.ok = false;
        rows.error = query.lastError().text();
        query.finish();
        return rows;
    }
    while (rows.ok && query.next()) {
        const QSqlRecord record = query.record();
        QStringList cells;
        cells.reserve(definition.columns.size());
        for (const Column &c : definition.columns) {
            QString text;
            switch (c.source) {
            case Column::Field:
                text = record.value(c.field).toString();
                break;
            case Column::Lookup: {
                const qint64 id = record.value(c.field).toLongLong();
                if (id >= 1 && !lookups.value(c.lookup, id, c.lookupField, &text, &rows.error))
                    rows.ok = false;
                break;
            }
            case Column::OuiNon:
                text = FieldRules::flagIsSet(record.value(c.field)) ? QStringLiteral("oui") : QStringLiteral("non");
                break;
            case Column::FieldIfFlag:
                if (FieldRules::flagIsSet(record.value(c.flag)))
                    text = record.value(c.field).toString();
                break;
            case Column::Amount:
                text = Amounts::NormaliseAmountOrZero(record.value(c.field).toString());
                break;
            }
            cells << text;
        }
        rows.ids << record.value(definition.idField).toString();
        rows.cells << cells;
    }
    query.finish();
    if (!rows.ok)
        return rows;
    // The total is that of the rows as loaded, whatever the order shown.
    if (definition.totalColumn >= 0)
        rows.totalText = totalText(definition, rows.cells);
    if (definition.sortColumn >= 0)
        sortRows(rows, definition.sortColumn);
    return rows;
}

void sortRows(Rows &rows, int column)
{
    QVector<int> order(rows.cells.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&rows, column](int a, int b) {
        return QString::compare(rows.cells[a].value(column), rows.cells[b].value(column), Qt::CaseInsensitive) < 0;
    });
    Rows sorted = rows;
    for (int i = 0; i < order.size(); ++i) {
        sorted.ids[i] = rows.ids[order[i]];
        sorted.cells[i] = rows.cells[order[i]];
    }
    rows = sorted;
}

QString totalText(const Definition &definition, const QVector<QStringList> &cells)
{
    QStringList values;
    values.reserve(cells.size());
    for (const QStringList &row : cells)
        values << row.value(definition.totalColumn);
    return definition.totalPrefix + Amounts::formatTotal(Amounts::sum(values)) + definition.totalSuffix;
}

QStringList exportedCells(const Definition &definition, const QStringList &cells)
{
    QStringList out;
    out.reserve(definition.exported.size());
    for (int c : definition.exported)
        out << cells.value(c);
    return out;
}

QStringList csvLines(const Definition &definition, const QVector<QStringList> &cells)
{
    QVector<QStringList> rows;
    rows.reserve(cells.size());
    for (const QStringList &row : cells)
        rows << exportedCells(definition, row);
    return CsvExport::tableLines(CsvExport::headerLine(definition.csvHeader), rows);
}

} // namespace Report
