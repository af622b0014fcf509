#include "equipment/Equipment.h"

#include "common/FieldRules.h"
#include "common/RecordIds.h"

#include <QSqlRecord>

namespace Equipment {

const Inventory::Listing &listing()
{
    static const Inventory::Listing l{
        QStringLiteral("SELECT id,nom,designation,isImport from materiels ORDER By "),
        QStringLiteral("SELECT id,nom,designation,isImport from materiels WHERE (nom LIKE :clausewhere) OR "
                       "(designation LIKE :clausewhere)  ORDER By "),
        QStringLiteral("SELECT id,nom,designation,isImport from materiels WHERE (nom LIKE :clausewhere) OR "
                       "(designation LIKE :clausewhere) OR (description LIKE :clausewhere)  ORDER By "),
        10000,
    };
    return l;
}

const Inventory::CountTexts &countTexts()
{
    static const Inventory::CountTexts t{QStringLiteral(" matériel(s)  "), QStringLiteral(" matériel(s) enregistré(s)  ")};
    return t;
}

const Inventory::DeleteCascade &deleteCascade()
{
    static const QString param = QStringLiteral(":id_materiel");
    static const Inventory::DeleteCascade c{
        {QStringLiteral("SELECT COUNT(*) as nb from lnk_materiels WHERE id_materiel=:id_materiel"), param},
        {
            {QStringLiteral("DELETE FROM lnk_materiels WHERE id_materiel=:id_materiel"), param},
            {QStringLiteral("DELETE FROM lnk_categories WHERE dest=1 AND id_dest=:id_materiel"), param},
            {QStringLiteral("DELETE FROM materiels WHERE id=:id_materiel"), param},
        },
    };
    return c;
}

QString deleteQuestion(const QString &name, qint64 routineUses)
{
    if (routineUses > 0)
        return QStringLiteral("Ce matériel est actuellement affecté à une ou plusieurs routines. Voulez-vous quand "
                              "même le supprimer ?");
    return QStringLiteral("Voulez-vous supprimer le materiel ") + name + QStringLiteral(" ?");
}

bool read(QSqlDatabase db, qint64 id, Record *r, bool *failed)
{
    QSqlRecord row;
    if (!RecordStatements::readRow(db, QStringLiteral("SELECT * from materiels WHERE id=:id"), id, &row, failed))
        return false;
    auto text = [&row](const char *field) { return row.value(QLatin1String(field)).toString(); };
    auto flag = [&row](const char *field) { return FieldRules::flagIsSet(row.value(QLatin1String(field))); };
    auto ref = [&row](const char *field) { return row.value(QLatin1String(field)).toLongLong(); };
    r->id = id;
    r->name = text("nom");
    r->designation = text("designation");
    r->toOrder = flag("isAcommander");
    r->outOfService = flag("isHS");
    r->inMaintenance = flag("isMaintenance");
    r->consumable = flag("isConsommable");
    r->quantity = text("quantite");
    r->purchaseDate = text("date_achat");
    r->purchaseValue = text("valeur_achat");
    r->url = text("url");
    r->description = text("description");
    r->supplierId = ref("id_fournisseur");
    r->storageId = ref("id_rangement");
    r->lenderId = ref("id_pret");
    r->picture = row.value(QStringLiteral("visuel")).toByteArray();
    return true;
}

qint64 newId(QSqlDatabase db)
{
    return nextRecordId(db, QStringLiteral("SELECT COUNT(id) as nb from materiels"),
                        QStringLiteral("SELECT id from materiels ORDER By id DESC"));
}

RecordStatements::SaveResult save(QSqlDatabase db, const Record &r, bool isNew)
{
    static const RecordStatements::NamedRecord statements{
        QStringLiteral("SELECT COUNT(*) as nb from materiels WHERE nom=:nom COLLATE NOCASE"),
        // NOCASE belongs to the name comparison, not to the id.
        QStringLiteral("SELECT COUNT(*) as nb from materiels WHERE nom=:nom COLLATE NOCASE AND id<>:id"),
        QStringLiteral("INSERT INTO materiels (id,nom,designation,isAcommander,isHS,isMaintenance,isConsommable,"
                       "quantite,date_achat,valeur_achat,id_fournisseur,id_rangement,description,id_pret,url,visuel, "
                       "isImport) VALUES (:id,:nom,:designation,:isacommander,:ishs,:ismaintenance,:isconsommable,"
                       ":quantite,:date_achat,:valeur_achat,:id_fournisseur,:id_rangement,:description,:id_pret,:url,"
                       ":visuel,0)"),
        QStringLiteral("UPDATE materiels SET nom=:nom,designation=:designation,isAcommander=:isacommander,isHS=:ishs,"
                       "isMaintenance=:ismaintenance,isConsommable=:isconsommable,quantite=:quantite,"
                       "date_achat=:date_achat,valeur_achat=:valeur_achat,id_fournisseur=:id_fournisseur,"
                       "id_rangement=:id_rangement,description=:description,id_pret=:id_pret,url=:url,visuel=:visuel,"
                       "isImport=0 WHERE id=:id  "),
    };
    using RecordStatements::text;
    const RecordStatements::Bindings values{
        {QStringLiteral(":id"), r.id},
        {QStringLiteral(":nom"), text(r.name)},
        {QStringLiteral(":designation"), text(r.designation)},
        {QStringLiteral(":isacommander"), FieldRules::flagText(r.toOrder)},
        {QStringLiteral(":ishs"), FieldRules::flagText(r.outOfService)},
        {QStringLiteral(":ismaintenance"), FieldRules::flagText(r.inMaintenance)},
        {QStringLiteral(":isconsommable"), FieldRules::flagText(r.consumable)},
        {QStringLiteral(":quantite"), text(r.quantity)},
        {QStringLiteral(":date_achat"), text(r.purchaseDate)},
        {QStringLiteral(":valeur_achat"), text(r.purchaseValue)},
        {QStringLiteral(":id_fournisseur"), r.supplierId},
        {QStringLiteral(":id_rangement"), r.storageId},
        {QStringLiteral(":description"), text(r.description)},
        {QStringLiteral(":id_pret"), r.lenderId},
        {QStringLiteral(":url"), text(r.url)},
        {QStringLiteral(":visuel"), r.picture},
    };
    return RecordStatements::save(db, statements, isNew, r.id, r.name, values);
}

} // namespace Equipment
