#include "reference/NamedLists.h"

#include "common/SqlText.h"
#include "common/Text.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace NamedLists {

const Spec &storagePlaces()
{
    static const Spec s{
        QStringLiteral("rangement"),
        QStringLiteral("SELECT nom, description from rangement ORDER By nom"),
        SqlText::withLikeEscape(QStringLiteral("SELECT nom, description from rangement WHERE (nom LIKE :clausewhere) "
                                               "OR (description LIKE :clausewhere) ORDER By nom")),
        QStringLiteral("SELECT COUNT(*) as nb from rangement WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("INSERT INTO rangement ( nom , description ) VALUES ( :nom , :description )"),
        true,
        QStringLiteral("SELECT id FROM rangement WHERE nom=:nom "),
        {{QStringLiteral("UPDATE materiels set id_rangement=0 WHERE id_rangement=:id_rangement"),
          QStringLiteral(":id_rangement")},
         {QStringLiteral("UPDATE medias set id_rangement=0 WHERE id_rangement=:id_rangement"),
          QStringLiteral(":id_rangement")}},
        QStringLiteral("DELETE FROM rangement WHERE nom=:nom "),
    };
    return s;
}

const Spec &tags()
{
    static const Spec s{
        QStringLiteral("categorie"),
        QStringLiteral("SELECT nom from categorie ORDER By nom"),
        SqlText::withLikeEscape(QStringLiteral("SELECT nom from categorie WHERE (nom LIKE :clausewhere) ORDER By nom")),
        QStringLiteral("SELECT COUNT(*) as nb from categorie WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("INSERT INTO categorie ( nom ) VALUES ( :nom )"),
        false,
        QStringLiteral("SELECT id FROM categorie WHERE nom=:nom "),
        {{QStringLiteral("DELETE FROM lnk_categories WHERE id_categorie=:id_categorie"),
          QStringLiteral(":id_categorie")}},
        QStringLiteral("DELETE FROM categorie WHERE nom=:nom "),
    };
    return s;
}

const Spec &authors()
{
    static const Spec s{
        QStringLiteral("auteurs"),
        QStringLiteral("SELECT id,nom from auteurs ORDER By nom"),
        SqlText::withLikeEscape(QStringLiteral("SELECT id,nom from auteurs  WHERE (nom LIKE :clausewhere) ORDER By nom")),
        QStringLiteral("SELECT COUNT(*) as nb from auteurs WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("INSERT INTO auteurs ( nom ) VALUES ( :nom )"),
        false,
        QStringLiteral("SELECT id FROM auteurs WHERE nom=:nom "),
        // Techniques keep the id of a deleted author.
        {{QStringLiteral("UPDATE medias set id_auteur=0 WHERE id_auteur=:id_auteur"), QStringLiteral(":id_auteur")},
         {QStringLiteral("UPDATE routines set id_createur=0 WHERE id_createur=:id_auteur"),
          QStringLiteral(":id_auteur")}},
        QStringLiteral("DELETE FROM auteurs WHERE nom=:nom "),
    };
    return s;
}

qint64 count(QSqlQuery &q)
{
    if (!q.exec() || !q.next())
        return -1;
    const qint64 n = q.value(0).toLongLong();
    q.finish();
    return n;
}

AddResult add(QSqlDatabase db, const Spec &spec, const QString &name, const QString &description,
              QString *trimmedName)
{
    const QString trimmed = Text::trimBlanksAndControls(name);
    if (trimmedName)
        *trimmedName = trimmed;
    if (trimmed.isEmpty())
        return AddResult::Empty;
    QSqlQuery q(db);
    q.prepare(spec.duplicateTest);
    q.bindValue(QStringLiteral(":nom"), trimmed);
    const qint64 n = count(q);
    if (n < 0)
        return AddResult::Failed;
    if (n > 0)
        return AddResult::Duplicate;
    q.prepare(spec.insertStatement);
    q.bindValue(QStringLiteral(":nom"), trimmed);
    if (spec.hasDescription)
        q.bindValue(QStringLiteral(":description"), description);
    if (!q.exec())
        return AddResult::Failed;
    q.finish();
    return AddResult::Added;
}

bool remove(QSqlDatabase db, const Spec &spec, const QString &name)
{
    QSqlQuery q(db);
    q.prepare(spec.idStatement);
    q.bindValue(QStringLiteral(":nom"), name);
    if (!q.exec())
        return false;
    // Every row of that name loses its references, not only the first.
    QStringList ids;
    while (q.next())
        ids << QString::number(q.value(0).toLongLong());
    q.finish();
    for (const QString &id : ids) {
        for (const Reference &r : spec.references) {
            q.prepare(r.statement);
            q.bindValue(r.parameter, id);
            if (!q.exec())
                return false;
            q.finish();
        }
    }
    q.prepare(spec.deleteStatement);
    q.bindValue(QStringLiteral(":nom"), name);
    const bool ok = q.exec();
    q.finish();
    return ok;
}

RenameResult renameAuthor(QSqlDatabase db, qint64 id, const QString &currentName, const QString &newName)
{
    const QString name = Text::trimBlanksAndControls(newName);
    if (name.isEmpty() || name == currentName)
        return RenameResult::Unchanged;
    QSqlQuery q(db);
    // NOCASE on the name itself: another author's name in other letter case is taken too.
    q.prepare(QStringLiteral("SELECT COUNT(*) as nb from auteurs WHERE nom=:nom COLLATE NOCASE AND id<>:id"));
    q.bindValue(QStringLiteral(":nom"), name);
    q.bindValue(QStringLiteral(":id"), id);
    const qint64 n = count(q);
    if (n < 0)
        return RenameResult::Failed;
    if (n > 0)
        return RenameResult::Duplicate;
    q.prepare(QStringLiteral("UPDATE auteurs SET nom=:nom WHERE id=:id"));
    q.bindValue(QStringLiteral(":nom"), name);
    q.bindValue(QStringLiteral(":id"), id);
    const bool ok = q.exec();
    q.finish();
    return ok ? RenameResult::Renamed : RenameResult::Failed;
}

bool list(QSqlQuery &query, const Spec &spec, const QString &filter)
{
    return list(query, spec.listStatement, spec.filteredStatement, filter);
}

bool list(QSqlQuery &query, const QString &listStatement, const QString &filtered, const QString &filter)
{
    query.finish();
    if (filter.isEmpty())
        return query.exec(listStatement);
    query.prepare(filtered);
    query.bindValue(QStringLiteral(":clausewhere"), SqlText::likeContains(filter));
    return query.exec();
}

} // namespace NamedLists
