#include "common/RecordStatements.h"

#include <QSqlQuery>

namespace RecordStatements {

QVariant text(const QString &value)
{
    return QVariant(value.isNull() ? QStringLiteral("") : value);
}

bool readRow(QSqlDatabase db, const QString &sql, qint64 id, QSqlRecord *row, bool *failed)
{
    QSqlQuery q(db);
    const bool ran = q.prepare(sql) && (q.bindValue(QStringLiteral(":id"), id), q.exec());
    if (failed)
        *failed = !ran;
    if (!ran || !q.next())
        return false;
    *row = q.record();
    return true;
}

SaveResult save(QSqlDatabase db, const NamedRecord &statements, bool isNew, qint64 id, const QString &name,
                const Bindings &values)
{
    QSqlQuery q(db);
    if (!q.prepare(isNew ? statements.duplicateNew : statements.duplicateEdit))
        return SaveResult::Failed;
    q.bindValue(QStringLiteral(":nom"), name);
    if (!isNew)
        q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return SaveResult::Failed;
    if (q.value(0).toLongLong() != 0)
        return SaveResult::Duplicate;
    q.finish();
    if (!q.prepare(isNew ? statements.insert : statements.update))
        return SaveResult::Failed;
    for (const Binding &b : values)
        q.bindValue(b.parameter, b.value);
    if (!q.exec())
        return SaveResult::Failed;
    q.finish();
    return SaveResult::Saved;
}

} // namespace RecordStatements
