#include "equipment/TVisualisationAcommander.h"

#include "equipment/EquipmentReports.h"

TVisualisationAcommander::TVisualisationAcommander(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("VisualisationAcommander"),
                                    QStringLiteral("Visualisation des matériels à commander"),
                                    EquipmentReports::toOrder())
                       .after(ReportWindowSpec::KeepList),
                   parent) {}
