#include "common/RecordIds.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

qint64 nextRecordId(const QSqlDatabase &db, const QString &countSql, const QString &idsDescSql, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(countSql) || !query.next()) {
        if (error)
            *error = query.lastError().text();
        return 0;
    }
    const qint64 count = query.value(0).toLongLong();
    query.finish();
    if (count == 0)
        return 1;
    if (!query.exec(idsDescSql)) {
        if (error)
            *error = query.lastError().text();
        return 0;
    }
    // The first row is the largest in a numeric order; looking at every row keeps the result right
    // if the column ever holds ids as texts ("9" sorting above "10").
    qint64 largest = 0;
    while (query.next())
        largest = qMax(largest, query.value(0).toLongLong());
    query.finish();
    return largest + 1;
}
