#pragma once

#include <QSqlDatabase>
#include <QString>

// Id of a new record chosen by its editor: 1 in an empty table, else the largest id plus 1.
// `countSql` counts the table's ids ("SELECT COUNT(id) as nb from ..."), `idsDescSql` lists them in
// descending order. Returns 0 (never a valid new id) when a statement fails, with the reason in
// `error`.
qint64 nextRecordId(const QSqlDatabase &db, const QString &countSql, const QString &idsDescSql,
                    QString *error = nullptr);
