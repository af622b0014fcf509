#include "equipment/EquipmentReports.h"

namespace EquipmentReports {

namespace {

using Report::Column;

Column field(const QString &caption, const QString &name, int width)
{
    return {caption, Column::Field, name, {}, {}, {}, width};
}

Column name()
{
    return field(QStringLiteral("Materiel"), QStringLiteral("nom"), 320);
}

Column designation(int width = 460)
{
    return field(QStringLiteral("Désignation"), QStringLiteral("designation"), width);
}

Column lookup(const QString &caption, const QString &idField, const QString &statement)
{
    return {caption, Column::Lookup, idField, statement, QStringLiteral("nom"), {}, 300};
}

Column amount(const QString &caption)
{
    return {caption, Column::Amount, QStringLiteral("valeur_achat"), {}, {}, {}, 160};
}

Column quantity(Column::Source source = Column::Field)
{
    return {QStringLiteral("Quantité restante"), source, QStringLiteral("quantite"), {}, {},
            QStringLiteral("isConsommable"), 160};
}

// Every report exports all its columns but the consumables' price.
Report::Definition report(const QString &statement, const QVector<Column> &columns, int sortColumn,
                          const QStringList &csvHeader)
{
    Report::Definition d;
    d.statement = statement;
    d.columns = columns;
    d.sortColumn = sortColumn;
    d.csvHeader = csvHeader;
    for (int i = 0; i < csvHeader.size(); ++i)
        d.exported << i;
    return d;
}

Report::Definition withTotal(Report::Definition d, int column, const QString &prefix)
{
    d.totalColumn = column;
    d.totalPrefix = prefix;
    d.totalSuffix = QStringLiteral(" €  ");
    return d;
}

// Name, designation and storage place, sorted by storage place.
Report::Definition storageReport(const QString &statement)
{
    return report(statement,
                  {name(), designation(),
                   lookup(QStringLiteral("Rangement"), QStringLiteral("id_rangement"), Report::StorageName)},
                  2, {QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Rangement")});
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
    static const Report::Definition d = withTotal(
        report(QStringLiteral("SELECT id,nom,designation,quantite,valeur_achat from materiels WHERE IsConsommable='1' "
                              "ORDER By nom"),
               {name(), designation(400), quantity(), amount(QStringLiteral("Prix d'achat"))}, 2,
               {QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Quantite restante")}),
        3, QStringLiteral("Valeur totale des consommables : "));
    return d;
}

const Report::Definition &toOrder()
{
    static const Report::Definition d = report(
        QStringLiteral("SELECT id,nom,designation,isConsommable,quantite from materiels WHERE IsACommander='1' ORDER "
                       "By nom"),
        {name(), designation(400),
         {QStringLiteral("Est un consommable"), Column::OuiNon, QStringLiteral("isConsommable"), {}, {}, {}, 160},
         quantity(Column::FieldIfFlag)},
        2,
        {QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Est un consommable"),
         QStringLiteral("Quantite restante")});
    return d;
}

const Report::Definition &lent()
{
    static const Report::Definition d =
        report(QStringLiteral("SELECT id,nom,designation,id_pret from materiels WHERE id_pret>0  ORDER By nom"),
               {name(), designation(), lookup(QStringLiteral("Preté à :"), QStringLiteral("id_pret"), Report::ContactName)},
               2, {QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Prete a")});
    return d;
}

const Report::Definition &accounting()
{
    static const Report::Definition d = withTotal(
        report(QStringLiteral("SELECT id,nom,designation,valeur_achat from materiels ORDER By nom"),
               {name(), designation(), amount(QStringLiteral("Valeur d'achat"))}, -1,
               {QStringLiteral("Materiel"), QStringLiteral("Designation"), QStringLiteral("Valeur d achat")}),
        2, QStringLiteral("Valeur totale du matériel : "));
    return d;
}

} // namespace EquipmentReports
