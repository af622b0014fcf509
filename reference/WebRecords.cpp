#include "reference/WebRecords.h"

#include "common/RecordIds.h"
#include "common/SqlText.h"
#include "common/Text.h"

#include <QSqlError>
#include <QVariant>

namespace WebRecords {

const QString WriteErrorText = QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!");

const Spec &links()
{
    static const Spec s{
        QStringLiteral("SELECT id,nom,url from bookmarks ORDER By nom"),
        SqlText::withLikeEscape(QStringLiteral("SELECT id,nom,url from bookmarks WHERE (nom LIKE :clausewhere) OR "
                                               "(url LIKE :clausewhere)  ORDER By nom")),
        SqlText::withLikeEscape(QStringLiteral("SELECT id,nom,url from bookmarks WHERE (nom LIKE :clausewhere) OR "
                                               "(url LIKE :clausewhere) OR (description LIKE :clausewhere)  ORDER By nom")),
        QStringLiteral("SELECT COUNT(id) as nb from bookmarks"),
        QStringLiteral("SELECT id from bookmarks ORDER By id DESC"),
        QStringLiteral("SELECT * from bookmarks WHERE id=:id"),
        QStringLiteral("SELECT COUNT(*) as nb from bookmarks WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("SELECT COUNT(*) as nb from bookmarks WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO bookmarks (id,nom,url,description) VALUES (:id,:nom,:url,:description)"),
        QStringLiteral("UPDATE bookmarks SET nom=:nom,description=:description,url=:url WHERE id=:id  "),
        QStringLiteral("DELETE FROM bookmarks WHERE id=:id "),
    };
    return s;
}

const Spec &engines()
{
    static const Spec s{
        QStringLiteral("SELECT id,nom,actif from moteurs ORDER By nom"),
        SqlText::withLikeEscape(
            QStringLiteral("SELECT id,nom,actif from moteurs WHERE (nom LIKE :clausewhere)  ORDER By nom")),
        SqlText::withLikeEscape(QStringLiteral("SELECT id,nom,actif from moteurs WHERE (nom LIKE :clausewhere) OR "
                                               "(url LIKE :clausewhere)  ORDER By nom")),
        QStringLiteral("SELECT COUNT(id) as nb from moteurs"),
        QStringLiteral("SELECT id from moteurs ORDER By id DESC"),
        QStringLiteral("SELECT * from moteurs WHERE id=:id"),
        QStringLiteral("SELECT COUNT(*) as nb from moteurs WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("SELECT COUNT(*) as nb from moteurs WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO moteurs (id,nom,url,actif) VALUES (:id,:nom,:url,:actif)"),
        QStringLiteral("UPDATE moteurs SET nom=:nom,actif=:actif,url=:url WHERE id=:id  "),
        QStringLiteral("DELETE FROM moteurs WHERE id=:id "),
    };
    return s;
}

bool list(QSqlQuery &query, const Spec &spec, const QString &filter, bool wider)
{
    if (filter.isEmpty())
        return query.exec(spec.listStatement);
    query.prepare(wider ? spec.widerFilteredStatement : spec.filteredStatement);
    query.bindValue(QStringLiteral(":clausewhere"), SqlText::likeContains(filter));
    return query.exec();
}

qint64 newId(const QSqlDatabase &db, const Spec &spec)
{
    return nextRecordId(db, spec.countIds, spec.idsDescending);
}

bool read(const QSqlDatabase &db, const Spec &spec, qint64 id, QSqlRecord *record)
{
    QSqlQuery q(db);
    q.prepare(spec.readStatement);
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return false;
    *record = q.record();
    return true;
}

SaveResult save(const QSqlDatabase &db, const Spec &spec, bool created, qint64 id, const QString &name,
                const QVariantMap &fields)
{
    if (id < 1)
        return SaveResult::Failed;
    QSqlQuery q(db);
    q.prepare(created ? spec.duplicateNew : spec.duplicateEdit);
    q.bindValue(QStringLiteral(":nom"), name);
    if (!created)
        q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return SaveResult::Failed;
    const qint64 taken = q.value(0).toLongLong();
    q.finish();
    if (taken != 0)
        return SaveResult::Duplicate;
    q.prepare(created ? spec.insertStatement : spec.updateStatement);
    q.bindValue(QStringLiteral(":id"), id);
    q.bindValue(QStringLiteral(":nom"), name);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        q.bindValue(it.key(), it.value());
    const bool ok = q.exec();
    q.finish();
    return ok ? SaveResult::Saved : SaveResult::Failed;
}

bool remove(const QSqlDatabase &db, const Spec &spec, qint64 id)
{
    QSqlQuery q(db);
    q.prepare(spec.deleteStatement);
    q.bindValue(QStringLiteral(":id"), id);
    const bool ok = q.exec();
    q.finish();
    return ok;
}

bool linkAcceptable(const QString &name, const QString &address)
{
    return !name.isEmpty() && !address.isEmpty();
}

bool engineAcceptable(const QString &name, const QString &address)
{
    const QString lower = address.toLower();
    return !name.isEmpty() && address.size() > 7
           && (lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://")))
           && engineStoredAddress(address).size() <= AddressMaxLength;
}

QString engineStoredAddress(const QString &address)
{
    QString stored = Text::trimBlanksAndControls(address);
    stored.replace(QLatin1Char(' '), QLatin1String("%20"));
    return stored;
}

QString linkStatus(int count, bool filtered)
{
    return filtered ? QStringLiteral("Résultat de la recherche : %1 lien(s)  ").arg(count)
                    : QStringLiteral("%1 lien(s) enregistré(s)  ").arg(count);
}

} // namespace WebRecords
