#include "equipment/TVisualisationmaterielsansroutine.h"

#include "equipment/EquipmentReports.h"

TVisualisationmaterielsansroutine::TVisualisationmaterielsansroutine(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Visualisationmaterielsansroutine"),
                                    QStringLiteral("Visualisation des matériels non affectés à une routine"),
                                    EquipmentReports::withoutRoutine()),
                   parent) {}
