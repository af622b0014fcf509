#include "common/Report.h"

#include "common/Amounts.h"
#include "common/CsvExport.h"
#include "common/FieldRules.h"

#include <QHash>
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

// One prepared statement per look-up text, and each id's row kept for the rest of the load:
// a report names the same few storage places and contacts over and over.
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
        auto known = e.rows.constFind(id);
        if (known == e.rows.constEnd()) {
            e.query->bindValue(QStringLiteral(":id"), id);
            if (!e.query->exec()) {
                *error = e.query->lastError().text();
                return false;
            }
            // An id without a row is kept too, as an empty record.
            known = e.rows.insert(id, e.query->next() ? e.query->record() : QSqlRecord());
            e.query->finish();
        }
        *out = known->value(field).toString();
        return true;
    }

private:
    struct Entry {
        std::unique_ptr<QSqlQuery> query;
        QHash<qint64, QSqlRecord> rows;
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
    // The rows are read once, in order: no need for the driver to keep them all.
    const bool forwardOnly = query.isForwardOnly();
    query.setForwardOnly(true);
    if (!query.exec(definition.statement)) {
        rows.ok = false;
        rows.error = query.lastError().text();
        query.finish();
        query.setForwardOnly(forwardOnly);
        return rows;
    }
    // Fields by position, found once: reading each row's record by name costs more than the row.
    const QSqlRecord names = query.record();
    QHash<QString, int> index;
    auto field = [&](const QString &name) -> QVariant {
        auto i = index.constFind(name);
        if (i == index.constEnd())
            i = index.insert(name, names.indexOf(name));
        return *i < 0 ? QVariant() : query.value(*i);
    };
    while (rows.ok && query.next()) {
        QStringList cells;
        cells.reserve(definition.columns.size());
        for (const Column &c : definition.columns) {
            QString text;
            switch (c.source) {
            case Column::Field:
                text = field(c.field).toString();
                break;
            case Column::Lookup: {
                const qint64 id = field(c.field).toLongLong();
                if (id >= 1 && !lookups.value(c.lookup, id, c.lookupField, &text, &rows.error))
                    rows.ok = false;
                break;
            }
            case Column::OuiNon:
                text = FieldRules::flagIsSet(field(c.field)) ? QStringLiteral("oui") : QStringLiteral("non");
                break;
            case Column::FieldIfFlag:
                if (FieldRules::flagIsSet(field(c.flag)))
                    text = field(c.field).toString();
                break;
            case Column::Amount:
                text = Amounts::NormaliseAmountOrZero(field(c.field).toString());
                break;
            }
            cells << text;
        }
        rows.ids << field(definition.idField).toString();
        rows.cells << cells;
    }
    query.finish();
    query.setForwardOnly(forwardOnly);
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
    // Folded once per row: the same order as a case-insensitive compare, without folding both
    // texts again in every comparison.
    QVector<QString> keys(rows.cells.size());
    for (int i = 0; i < keys.size(); ++i)
        keys[i] = rows.cells[i].value(column).toCaseFolded();
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    QStringList ids;
    QVector<QStringList> cells;
    ids.reserve(order.size());
    cells.reserve(order.size());
    for (int i : order) {
        ids << rows.ids[i];
        cells << rows.cells[i];
    }
    rows.ids = ids;
    rows.cells = cells;
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
