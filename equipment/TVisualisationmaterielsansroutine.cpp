#include "equipment/TVisualisationmaterielsansroutine.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Visualisationmaterielsansroutine");
    s.caption = QStringLiteral("Visualisation des matériels non affectés à une routine");
    s.report = &EquipmentReports::withoutRoutine();
    return s;
}
} // namespace

TVisualisationmaterielsansroutine::TVisualisationmaterielsansroutine(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
