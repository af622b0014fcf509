#include "common/RecordLinks.h"

#include "common/WriteUnit.h"

#include <QSqlQuery>
#include <QVariant>

namespace RecordLinks {

LinkSpec tags(int dest)
{
    return {QStringLiteral("categorie"), QStringLiteral("lnk_categories"), QStringLiteral("id_categorie"), dest};
}

LinkSpec techniques(int dest)
{
    return {QStringLiteral("techniques"), QStringLiteral("lnk_techniques"), QStringLiteral("id_technique"), dest};
}

LinkSpec equipment()
{
    return {QStringLiteral("materiels"), QStringLiteral("lnk_materiels"), QStringLiteral("id_materiel"), NoKind};
}

LinkSpec documentation()
{
    return {QStringLiteral("medias"), QStringLiteral("lnk_medias"), QStringLiteral("id_media"), NoKind};
}

LinkSpec audiences()
{
    return {QStringLiteral("contacts"), QStringLiteral("lnk_spectateurs"), QStringLiteral("id_spectateur"), NoKind};
}

QString candidatesStatement(const QString &table)
{
    return QStringLiteral("select id,nom from ") + table;
}

QString filteredCandidatesStatement(const QString &table)
{
    return candidatesStatement(table) + QStringLiteral(" WHERE nom LIKE :recherche");
}

QString rowStatement(const QString &table)
{
    return QStringLiteral("SELECT id,nom from ") + table + QStringLiteral(" WHERE id=:id");
}

namespace {
// Table and column names come from the specs above, never from what the user typed.
QString loadStatement(const LinkSpec &s)
{
    const QString t = s.target;
    const QString l = s.linkTable;
    QString sql = QStringLiteral("SELECT %1.id as id,%1.nom as nom from %1,%2 WHERE ").arg(t, l);
    if (s.dest != NoKind)
        sql += l + QStringLiteral(".dest=:dest AND ");
    sql += QStringLiteral("%2.id_dest=:id AND %1.id=%2.%3 ORDER By %1.nom").arg(t, l, s.linkColumn);
    return sql;
}

QString deleteStatement(const LinkSpec &s)
{
    return QStringLiteral("DELETE FROM ") + s.linkTable +
           (s.dest != NoKind ? QStringLiteral(" WHERE dest=:dest AND id_dest=:id") : QStringLiteral(" WHERE id_dest=:id"));
}

QString insertStatement(const LinkSpec &s)
{
    return s.dest != NoKind ? QStringLiteral("INSERT INTO %1 (%2,dest,id_dest) VALUES (:idcat,:dest,:iddest)")
                                  .arg(s.linkTable, s.linkColumn)
                            : QStringLiteral("INSERT INTO %1 (%2,id_dest) VALUES (:idcat,:iddest)")
                                  .arg(s.linkTable, s.linkColumn);
}

// Runs a statement about the links of one record (:id, and :dest when the table has it).
bool runForRecord(QSqlQuery &q, const QString &sql, const LinkSpec &spec, qint64 id)
{
    if (!q.prepare(sql))
        return false;
    if (spec.dest != NoKind)
        q.bindValue(QStringLiteral(":dest"), spec.dest);
    q.bindValue(QStringLiteral(":id"), id);
    return q.exec();
}
} // namespace

bool load(QSqlDatabase db, const LinkSpec &spec, qint64 id, QVector<Linked> *rows)
{
    rows->clear();
    QSqlQuery q(db);
    if (!runForRecord(q, loadStatement(spec), spec, id))
        return false;
    while (q.next())
        rows->append({q.value(0).toLongLong(), q.value(1).toString()});
    return true;
}

bool save(QSqlDatabase db, const LinkSpec &spec, qint64 id, const QVector<qint64> &targetIds)
{
    // The old links go only together with the new ones being written.
    WriteUnit unit(db);
    QSqlQuery q(db);
    if (!runForRecord(q, deleteStatement(spec), spec, id))
        return false;
    if (!q.prepare(insertStatement(spec)))
        return false;
    for (qint64 target : targetIds) {
        q.bindValue(QStringLiteral(":idcat"), target);
        if (spec.dest != NoKind)
            q.bindValue(QStringLiteral(":dest"), spec.dest);
        q.bindValue(QStringLiteral(":iddest"), id);
        if (!q.exec())
            return false;
    }
    q.finish();
    return unit.commit();
}

bool fetch(QSqlDatabase db, const QString &table, qint64 id, Linked *row)
{
    QSqlQuery q(db);
    if (!q.prepare(rowStatement(table)))
        return false;
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return false;
    *row = {q.value(0).toLongLong(), q.value(1).toString()};
    return true;
}

QString nameOf(QSqlDatabase db, const QString &table, qint64 id)
{
    if (id == 0)
        return QString();
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("SELECT nom from ") + table + QStringLiteral(" WHERE id=:id")))
        return QString();
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return QString();
    return q.value(0).toString();
}

bool storagePlaceInfo(QSqlDatabase db, qint64 id, QString *text)
{
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("SELECT nom,description FROM rangement WHERE id=:id")))
        return false;
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return false;
    *text = q.value(0).toString() + QStringLiteral(" - ") + q.value(1).toString();
    return true;
}

} // namespace RecordLinks
