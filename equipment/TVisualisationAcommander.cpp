#include "equipment/TVisualisationAcommander.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("VisualisationAcommander");
    s.caption = QStringLiteral("Visualisation des matériels à commander");
    s.report = &EquipmentReports::toOrder();
    s.afterEdit = ReportWindowSpec::KeepList;
    return s;
}
} // namespace

TVisualisationAcommander::TVisualisationAcommander(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
