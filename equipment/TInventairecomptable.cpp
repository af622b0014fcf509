#include "equipment/TInventairecomptable.h"

#include "equipment/EquipmentReports.h"

TInventairecomptable::TInventairecomptable(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Inventairecomptable"), QStringLiteral("Inventaire comptable"),
                                    EquipmentReports::accounting())
                       .withoutMinimumSize(),
                   parent) {}
