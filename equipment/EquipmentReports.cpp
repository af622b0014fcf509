#include "equipment/EquipmentReports.h"

namespace EquipmentReports {

namespace {

using Report::Column;

Column name()
{
    return {QStringLiteral("Materiel"), Column::Field, QStringLiteral("nom"), {}, {}, {}, 320};
}

Column designation(int width = 460)
{
    return {QStringLiteral("Désignation"), Column::Field, QStringLiteral("designation"), {}, {}, {}, width};
}

Column lookup(const QString &caption, const QString &field, const QString &statement)
{
    return {caption, Column::Lookup, field, statement, QStringLiteral("nom"), {}, 300};
}

Column amount(const QString &caption)
{
    return {caption, Column::Amount, QStringLiteral("valeur_achat"), {}, {}, {}, 160};
}

// Name, designation and storage place, sorted by storage place.
Report::Definition storageReport(const QString &statement)
{
    Report::Definition d;
    d.statement = statement;
    d.columns = {name(), designation(),
                 lookup(QStringLiteral("Rangement"), QStringLiteral("id_rangement"), Report::StorageName)};
    d.sortColumn = 2;
    d.csvHeader = QStringList{QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Rangement")};
    d.exported = {0, 1, 2};
    return d;
}

} // namespace

const Report::Definition &byStorage()
{
    static const Report::Definition d =
        storageReport(QStringLiteral("SELECT id,nom,designation,id_rangement from materiels ORDER By nom"));
    return d;
}

const Report::Definition &outOfService()
{
    static const Report::Definition d =
        storageReport(QStringLiteral("SELECT id,nom,designation,id_rangement FROM materiels WHERE isHS='1' ORDER By nom"));
    return d;
}

const Report::Definition &maintenance()
{
    static const Report::Definition d = storageReport(
        QStringLiteral("SELECT id,nom,designation,id_rangement FROM materiels WHERE isMaintenance='1' ORDER By nom"));
    return d;
}

const Report::Definition &withoutRoutine()
{
    static const Report::Definition d =
        storageReport(QStringLiteral("SELECT id,nom,designation,id_rangement FROM materiels WHERE id NOT IN (SELECT "
                                     "id_materiel FROM lnk_materiels) ORDER By nom LIMIT 10000"));
    return d;
}

const Report::Definition &consumables()
{
    static const Report::Definition d = [] {
        Report::Definition d;
        d.statement = QStringLiteral("SELECT id,nom,designation,quantite,valeur_achat from materiels WHERE "
                                     "IsConsommable='1' ORDER By nom");
        d.columns = {name(), designation(400),
                     {QStringLiteral("Quantité restante"), Column::Field, QStringLiteral("quantite"), {}, {}, {}, 160},
                     amount(QStringLiteral("Prix d'achat"))};
        d.sortColumn = 2;
        d.totalColumn = 3;
        d.totalPrefix = QStringLiteral("Valeur totale des consommables : ");
        d.totalSuffix = QStringLiteral(" €  ");
        d.csvHeader = QStringList{QStringLiteral("Materiel"), QStringLiteral("Designation"),
                                  QStringLiteral("Quantite restante")};
        d.exported = {0, 1, 2};
        return d;
    }();
    return d;
}

const Report::Definition &toOrder()
{
    static const Report::Definition d = [] {
        Report::Definition d;
        d.statement = QStringLiteral("SELECT id,nom,designation,isConsommable,quantite from materiels WHERE "
                                     "IsACommander='1' ORDER By nom");
        d.columns = {name(), designation(400),
                     {QStringLiteral("Est un consommable"), Column::OuiNon, QStringLiteral("isConsommable"), {}, {}, {},
                      160},
                     {QStringLiteral("Quantité restante"), Column::FieldIfFlag, QStringLiteral("quantite"), {}, {},
                      QStringLiteral("isConsommable"), 160}};
        d.sortColumn = 2;
        d.csvHeader = QStringList{QStringLiteral("Materiel"), QStringLiteral("Designation"),
                                  QStringLiteral("Est un consommable"), QStringLiteral("Quantite restante")};
        d.exported = {0, 1, 2, 3};
        return d;
    }();
    return d;
}

const Report::Definition &lent()
{
    static const Report::Definition d = [] {
        Report::Definition d;
        d.statement = QStringLiteral("SELECT id,nom,designation,id_pret from materiels WHERE id_pret>0  ORDER By nom");
        d.columns = {name(), designation(),
                     lookup(QStringLiteral("Preté à :"), QStringLiteral("id_pret"), Report::ContactName)};
        d.sortColumn = 2;
        d.csvHeader = QStringList{QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Prete a")};
        d.exported = {0, 1, 2};
        return d;
    }();
    return d;
}

const Report::Definition &accounting()
{
    static const Report::Definition d = [] {
        Report::Definition d;
        d.statement = QStringLiteral("SELECT id,nom,designation,valeur_achat from materiels ORDER By nom");
        d.columns = {name(), designation(), amount(QStringLiteral("Valeur d'achat"))};
        d.totalColumn = 2;
        d.totalPrefix = QStringLiteral("Valeur totale du matériel : ");
        d.totalSuffix = QStringLiteral(" €  ");
        d.csvHeader = QStringList{QStringLiteral("Materiel"), QStringLiteral("Designation"),
                                  QStringLiteral("Valeur d achat")};
        d.exported = {0, 1, 2};
        return d;
    }();
    return d;
}

} // namespace EquipmentReports
