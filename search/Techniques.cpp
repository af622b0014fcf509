#include "search/Techniques.h"

#include "common/RecordStatements.h"
#include "common/SqlText.h"
#include "common/WriteUnit.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace Techniques {

const QString DuplicateText = QStringLiteral("Cette technique existe déjà !");

namespace {

const QString ListStatement = QStringLiteral("SELECT id,nom from techniques ORDER By nom");
const QString FilteredStatement = SqlText::withLikeEscape(
    QStringLiteral("SELECT id,nom from techniques  WHERE nom LIKE :clausewhere ORDER By nom"));

// The records of one kind using a technique, with their author's name. The author is looked up
// only for ids of 1 and more, and a missing author leaves the name empty.
QString linkedStatement(int kind)
{
    const bool routines = kind == 3;
    const QString table = routines ? QStringLiteral("routines") : QStringLiteral("medias");
    const QString author = routines ? QStringLiteral("id_createur") : QStringLiteral("id_auteur");
    return QStringLiteral("SELECT %1.id as id,%1.nom as nom,auteurs.nom as auteur FROM lnk_techniques "
                          "INNER JOIN %1 ON lnk_techniques.id_dest=%1.id "
                          "LEFT OUTER JOIN auteurs ON %1.%2>=1 AND auteurs.id=%1.%2 "
                          "WHERE lnk_techniques.id_technique=:id AND lnk_techniques.dest=:dest ORDER BY %1.nom")
        .arg(table, author);
}

} // namespace

bool list(QSqlQuery &query, const QString &filter)
{
    if (filter.isEmpty())
        return query.exec(ListStatement);
    query.prepare(FilteredStatement);
    query.bindValue(QStringLiteral(":clausewhere"), SqlText::likeContains(filter));
    return query.exec();
}

bool read(const QSqlDatabase &db, qint64 id, Technique *technique)
{
    QSqlRecord row;
    if (!RecordStatements::readRow(db, QStringLiteral("SELECT * from techniques WHERE id=:id"), id, &row))
        return false;
    technique->id = row.value(QStringLiteral("id")).toLongLong();
    technique->name = row.value(QStringLiteral("nom")).toString();
    technique->authorId = row.value(QStringLiteral("id_auteur")).toLongLong();
    technique->description = row.value(QStringLiteral("description")).toString();
    return true;
}

QVector<LinkedRecord> linked(const QSqlDatabase &db, qint64 techniqueId, int kind)
{
    QVector<LinkedRecord> records;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(linkedStatement(kind));
    q.bindValue(QStringLiteral(":id"), techniqueId);
    q.bindValue(QStringLiteral(":dest"), kind);
    if (!q.exec())
        return records;
    while (q.next())
        records.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return records;
}

QString authorName(const QSqlDatabase &db, qint64 authorId)
{
    if (authorId == 0)
        return QString();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT nom from auteurs WHERE id=:id"));
    q.bindValue(QStringLiteral(":id"), authorId);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

SaveResult save(const QSqlDatabase &db, const Technique &technique)
{
    if (technique.name.isEmpty())
        return SaveResult::Empty;
    // NOCASE on the name: another technique's name in other letter case is taken too.
    static const RecordStatements::NamedRecord statements{
        QStringLiteral("SELECT COUNT(*) as nb from techniques WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("SELECT COUNT(*) as nb from techniques WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO techniques ( nom, id_auteur, description ) VALUES ( :nom,:id_auteur,:description )"),
        QStringLiteral("UPDATE techniques SET nom = :nom,id_auteur=:id_auteur,description=:description WHERE id=:id  "),
    };
    const bool isNew = technique.id == 0;
    RecordStatements::Bindings values{{QStringLiteral(":nom"), technique.name},
                                      {QStringLiteral(":id_auteur"), technique.authorId},
                                      {QStringLiteral(":description"), RecordStatements::text(technique.description)}};
    if (!isNew)
        values.append({QStringLiteral(":id"), technique.id});
    switch (RecordStatements::save(db, statements, isNew, technique.id, technique.name, values)) {
    case RecordStatements::SaveResult::Saved:
        return SaveResult::Saved;
    case RecordStatements::SaveResult::Duplicate:
        return SaveResult::Duplicate;
    case RecordStatements::SaveResult::Failed:
        break;
    }
    return SaveResult::Failed;
}

bool remove(const QSqlDatabase &db, qint64 id)
{
    // The links and the technique go together: a failure leaves everything as it was.
    WriteUnit unit(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM lnk_techniques WHERE id_technique=:id_categorie"));
    q.bindValue(QStringLiteral(":id_categorie"), id);
    if (!q.exec())
        return false;
    q.prepare(QStringLiteral("DELETE FROM techniques WHERE id=:id "));
    q.bindValue(QStringLiteral(":id"), id);
    const bool ok = q.exec();
    q.finish();
    return ok && unit.commit();
}

} // namespace Techniques
