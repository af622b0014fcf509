#include "reference/Contacts.h"

#include "common/FieldRules.h"
#include "common/SqlText.h"
#include "common/WriteUnit.h"
#include "reference/NamedLists.h"

#include <QSqlQuery>
#include <QVariant>

namespace Contacts {

const QString WriteErrorText = QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!");
const QString LentText = QStringLiteral("Du matériel ou une ressource documentaire est actuellement prété à ce "
                                        "contact. Vous ne pourrez supprimer ce contact qu'à l'issue du prêt.");
const QString ExportHeader = QStringLiteral("Nom;Email;Tel;Adresse;Adresse (suite); Code postal; Ville; Pays;");

namespace {
// The address block both cards show, from "Adresse :" to "Tél :".
QVector<Field> withAddress(QVector<Field> before, const QVector<Field> &after)
{
    before += {{QStringLiteral("Adresse :"), QStringLiteral("adresse"), 255},
               {QStringLiteral("Complément adresse :"), QStringLiteral("adresse_suite"), 255},
               {QStringLiteral("Code postal :"), QStringLiteral("codepostal"), 15},
               {QStringLiteral("Ville :"), QStringLiteral("ville"), 255, true},
               {QStringLiteral("Pays :"), QStringLiteral("pays"), 100},
               {QStringLiteral("Tél :"), QStringLiteral("tel"), 100}};
    return before + after;
}

Field email()
{
    return {QStringLiteral("Email :"), QStringLiteral("email"), 255};
}

Field site()
{
    return {QStringLiteral("Site internet :"), QStringLiteral("site"), 255};
}
} // namespace

const Spec &suppliers()
{
    static const Spec s{
        QStringLiteral("fournisseurs"),
        withAddress({{QStringLiteral("Nom du fournisseur :"), QStringLiteral("nom"), 255},
                     {QStringLiteral("Nom du contact :"), QStringLiteral("nom_contact"), 255}},
                    {email(), site()}),
        {},
        QStringLiteral("SELECT id,nom from fournisseurs ORDER By nom"),
        SqlText::withLikeEscape(
            QStringLiteral("SELECT id,nom from fournisseurs WHERE nom LIKE :clausewhere ORDER By nom")),
        QStringLiteral("SELECT * from fournisseurs WHERE id=:id"),
        QStringLiteral("SELECT COUNT(*) as nb from fournisseurs WHERE nom=:nom COLLATE NOCASE"),
        // NOCASE belongs to the name: another supplier's name in other letter case is taken.
        QStringLiteral("SELECT COUNT(*) as nb from fournisseurs WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO fournisseurs (nom,nom_contact,adresse,adresse_suite,codepostal,ville,pays,tel,"
                       "email,site) VALUES (:nom,:nom_contact,:adresse,:adresse_suite,:codepostal,:ville,:pays,:tel,"
                       ":email,:site)"),
        QStringLiteral("UPDATE fournisseurs SET nom = :nom,nom_contact = :nom_contact,adresse = :adresse,"
                       "adresse_suite = :adresse_suite,codepostal = :codepostal,ville= :ville,pays = :pays,"
                       "tel = :tel,email = :email,site = :site WHERE id=:id  "),
    };
    return s;
}

const Spec &contacts()
{
    static const Spec s{
        QStringLiteral("contacts"),
        withAddress({{QStringLiteral("Nom du contact :"), QStringLiteral("nom"), 255}},
                    {{QStringLiteral("Fax :"), QStringLiteral("fax"), 100},
                     {QStringLiteral("SIRET :"), QStringLiteral("siret"), 20},
                     email(),
                     site(),
                     {QStringLiteral("Commentaire :"), QStringLiteral("commentaire"), 255}}),
        {{QStringLiteral("Artiste"), QStringLiteral("isArtiste")},
         {QStringLiteral("Prospection commerciale"), QStringLiteral("isProspection")},
         {QStringLiteral("Client"), QStringLiteral("isClient")},
         {QStringLiteral("Administration"), QStringLiteral("isAdministration")}},
        QStringLiteral("SELECT id,nom from contacts ORDER By nom"),
        SqlText::withLikeEscape(QStringLiteral("SELECT id,nom from contacts WHERE nom LIKE :clausewhere ORDER By nom")),
        QStringLiteral("SELECT * from contacts WHERE id=:id"),
        QStringLiteral("SELECT COUNT(*) as nb from contacts WHERE nom=:nom COLLATE NOCASE"),
        QStringLiteral("SELECT COUNT(*) as nb from contacts WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO contacts ( nom,commentaire,adresse,adresse_suite,codepostal,ville,pays,tel,email,"
                       "site,isArtiste,isProspection,isClient,isAdministration,fax,siret ) VALUES ( :nom,"
                       ":commentaire,:adresse,:adresse_suite,:codepostal,:ville,:pays,:tel,:email,:site,:isArtiste,"
                       ":isProspection,:isClient,:isAdministration,:fax,:siret )"),
        QStringLiteral("UPDATE contacts SET nom = :nom,commentaire = :commentaire,adresse = :adresse,"
                       "adresse_suite = :adresse_suite,codepostal = :codepostal,ville= :ville,pays = :pays,"
                       "tel = :tel,email = :email,site = :site,isArtiste = :isArtiste,isProspection = "
                       ":isProspection,isClient = :isClient,isAdministration = :isAdministration, fax=:fax, "
                       "siret=:siret WHERE id=:id  "),
    };
    return s;
}

namespace {

using NamedLists::count;

bool run(QSqlQuery &q)
{
    const bool ok = q.exec();
    q.finish();
    return ok;
}

// Texts are bound as texts, an empty field as an empty text rather than NULL.
QString text(const Values &values, const QString &column)
{
    const QString v = values.value(column);
    return v.isNull() ? QStringLiteral("") : v;
}

SaveResult save(QSqlDatabase db, const Spec &spec, qint64 id, bool isNew, Values &values)
{
    const QString name = FieldRules::trimName(values.value(QStringLiteral("nom")));
    values.insert(QStringLiteral("nom"), name);
    if (name.isEmpty())
        return SaveResult::Empty;
    QSqlQuery q(db);
    q.prepare(isNew ? spec.duplicateNew : spec.duplicateEdit);
    q.bindValue(QStringLiteral(":nom"), name);
    if (!isNew)
        q.bindValue(QStringLiteral(":id"), id);
    const qint64 n = count(q);
    if (n < 0)
        return SaveResult::Failed;
    if (n > 0)
        return SaveResult::Duplicate;
    if (!q.prepare(isNew ? spec.insertStatement : spec.updateStatement))
        return SaveResult::Failed;
    for (const Field &f : spec.fields)
        q.bindValue(QLatin1Char(':') + f.column, text(values, f.column));
    for (const Flag &f : spec.flags)
        q.bindValue(QLatin1Char(':') + f.column,
                    FieldRules::flagText(values.value(f.column) == QLatin1String("1")));
    if (!isNew)
        q.bindValue(QStringLiteral(":id"), id);
    return run(q) ? SaveResult::Saved : SaveResult::Failed;
}

QVector<Row> rows(QSqlQuery &q, const QString &type)
{
    QVector<Row> out;
    if (!q.exec())
        return out;
    while (q.next())
        out.append({q.value(QStringLiteral("id")).toLongLong(), q.value(QStringLiteral("nom")).toString(), type});
    q.finish();
    return out;
}

} // namespace

bool list(QSqlQuery &query, const Spec &spec, const QString &filter)
{
    return NamedLists::list(query, spec.listStatement, spec.filteredStatement, filter);
}

bool read(QSqlDatabase db, const Spec &spec, qint64 id, Values *values)
{
    values->clear();
    QSqlQuery q(db);
    q.prepare(spec.readStatement);
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return false;
    for (const Field &f : spec.fields)
        values->insert(f.column, q.value(f.column).toString());
    for (const Flag &f : spec.flags)
        values->insert(f.column, q.value(f.column).toString());
    q.finish();
    return true;
}

SaveResult insert(QSqlDatabase db, const Spec &spec, Values &values)
{
    return save(db, spec, 0, true, values);
}

SaveResult update(QSqlDatabase db, const Spec &spec, qint64 id, Values &values)
{
    return save(db, spec, id, false, values);
}

bool removeSupplier(QSqlDatabase db, qint64 id)
{
    // References and supplier go together: a failure leaves everything as it was.
    WriteUnit unit(db);
    QSqlQuery q(db);
    for (const QString &table : {QStringLiteral("materiels"), QStringLiteral("medias")}) {
        q.prepare(QStringLiteral("UPDATE %1 set id_fournisseur=0 WHERE id_fournisseur=:id_fournisseur").arg(table));
        q.bindValue(QStringLiteral(":id_fournisseur"), id);
        if (!run(q))
            return false;
    }
    q.prepare(QStringLiteral("DELETE FROM fournisseurs WHERE id=:id"));
    q.bindValue(QStringLiteral(":id"), id);
    return run(q) && unit.commit();
}

qint64 loanCount(QSqlDatabase db, qint64 contactId)
{
    QSqlQuery q(db);
    qint64 total = 0;
    for (const QString &table : {QStringLiteral("materiels"), QStringLiteral("medias")}) {
        q.prepare(QStringLiteral("SELECT COUNT(*) as nb from %1 WHERE id_pret=:id COLLATE NOCASE").arg(table));
        q.bindValue(QStringLiteral(":id"), contactId);
        const qint64 n = count(q);
        if (n < 0)
            return -1;
        total += n;
    }
    return total;
}

RemoveResult removeContact(QSqlDatabase db, qint64 contactId)
{
    const qint64 lent = loanCount(db, contactId);
    if (lent < 0)
        return RemoveResult::Failed;
    if (lent > 0)
        return RemoveResult::Lent;
    // The audiences and the contact go together: a failure leaves everything as it was.
    WriteUnit unit(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM lnk_spectateurs WHERE id_spectateur=:id_spectateur"));
    q.bindValue(QStringLiteral(":id_spectateur"), contactId);
    if (!run(q))
        return RemoveResult::Failed;
    q.prepare(QStringLiteral("DELETE FROM contacts WHERE id=:id"));
    q.bindValue(QStringLiteral(":id"), contactId);
    return run(q) && unit.commit() ? RemoveResult::Removed : RemoveResult::Failed;
}

QVector<Row> loans(QSqlDatabase db, qint64 contactId)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id,nom from materiels WHERE id_pret=:id  ORDER By nom"));
    q.bindValue(QStringLiteral(":id"), contactId);
    QVector<Row> out = rows(q, QStringLiteral("Materiel"));
    q.prepare(QStringLiteral("SELECT id,nom from medias WHERE id_pret=:id  ORDER By nom"));
    q.bindValue(QStringLiteral(":id"), contactId);
    out += rows(q, QStringLiteral("Documentation"));
    return out;
}

QVector<Row> seenRoutines(QSqlDatabase db, qint64 contactId)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT routines.id as id,routines.nom as nom from lnk_spectateurs,routines WHERE "
                             "lnk_spectateurs.id_spectateur=:id AND lnk_spectateurs.id_dest=routines.id  "
                             "ORDER By nom"));
    q.bindValue(QStringLiteral(":id"), contactId);
    return rows(q, QString());
}

QStringList exportChoices()
{
    return {QStringLiteral("Artiste"),        QStringLiteral("Prospection commerciale"),
            QStringLiteral("Client"),         QStringLiteral("Administration"),
            QStringLiteral("Non catégorisé"), QStringLiteral("Tous les contacts")};
}

QString exportStatement(int choice)
{
    const QString select = QStringLiteral("SELECT id,nom,email,tel,adresse,adresse_suite,codepostal,ville,pays FROM "
                                          "contacts");
    switch (choice) {
    case Artists:
        return select + QStringLiteral(" WHERE isArtiste='1' ORDER By nom");
    case Prospects:
        return select + QStringLiteral("  WHERE isProspection='1' ORDER By nom");
    case Clients:
        return select + QStringLiteral("  WHERE isClient='1' ORDER By nom");
    case Administrations:
        return select + QStringLiteral("  WHERE isAdministration='1' ORDER By nom");
    case Uncategorised:
        // NULL flags (written elsewhere) match none of these: such contacts are only under "Tous".
        return select + QStringLiteral("  WHERE isArtiste='0' AND isProspection='0' AND isClient='0' AND "
                                       "isAdministration='0' ORDER By nom");
    default:
        return select + QStringLiteral("  ORDER By nom");
    }
}

QStringList exportColumns()
{
    return {QStringLiteral("id"),         QStringLiteral("nom"),    QStringLiteral("email"),
            QStringLiteral("tel"),        QStringLiteral("adresse"), QStringLiteral("adresse_suite"),
            QStringLiteral("codepostal"), QStringLiteral("ville"),  QStringLiteral("pays")};
}

} // namespace Contacts
