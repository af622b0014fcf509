#include "common/Inventory.h"

#include "common/WriteUnit.h"

#include <QSqlQuery>
#include <QVariant>

namespace Inventory {

QString statementFor(const Listing &listing, const ListRequest &request)
{
    const QString &base =
        request.searchText.isEmpty() ? listing.all : (request.searchWide ? listing.wide : listing.narrow);
    return base + (request.byDateAdded ? QStringLiteral("id DESC") : QStringLiteral("nom")) +
           QStringLiteral(" LIMIT ") + QString::number(listing.limit);
}

bool list(QSqlQuery &query, const Listing &listing, const ListRequest &request)
{
    query.finish();
    const QString sql = statementFor(listing, request);
    if (request.searchText.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    query.bindValue(QStringLiteral(":clausewhere"), QLatin1Char('%') + request.searchText + QLatin1Char('%'));
    return query.exec();
}

QString countText(const CountTexts &texts, int count, bool searching)
{
    return searching ? QStringLiteral("Résultat de la recherche : ") + QString::number(count) + texts.searchSuffix
                     : QString::number(count) + texts.allSuffix;
}

bool isImported(const QString &cell)
{
    return cell.trimmed().toLongLong() == 1;
}

qint64 usageCount(QSqlDatabase db, const DeleteCascade &cascade, qint64 id)
{
    if (cascade.usage.sql.isEmpty())
        return 0;
    QSqlQuery q(db);
    if (!q.prepare(cascade.usage.sql))
        return -1;
    q.bindValue(cascade.usage.parameter, id);
    if (!q.exec() || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

bool remove(QSqlDatabase db, const DeleteCascade &cascade, qint64 id)
{
    WriteUnit unit(db);
    QSqlQuery q(db);
    for (const Statement &s : cascade.statements) {
        if (!q.prepare(s.sql))
            return false;
        q.bindValue(s.parameter, id);
        if (!q.exec())
            return false;
    }
    q.finish();
    return unit.commit();
}

} // namespace Inventory
