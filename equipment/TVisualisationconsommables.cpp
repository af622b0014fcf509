#include "equipment/TVisualisationconsommables.h"

#include "equipment/EquipmentReports.h"

TVisualisationconsommables::TVisualisationconsommables(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Visualisationconsommables"),
                                    QStringLiteral("Visualisation des consommables"), EquipmentReports::consumables())
                       .after(ReportWindowSpec::Reload)
                       .onScreenCentre(),
                   parent) {}
