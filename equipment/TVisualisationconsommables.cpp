#include "equipment/TVisualisationconsommables.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Visualisationconsommables");
    s.caption = QStringLiteral("Visualisation des consommables");
    s.report = &EquipmentReports::consumables();
    s.afterEdit = ReportWindowSpec::Reload;
    s.centredOnScreen = true;
    return s;
}
} // namespace

TVisualisationconsommables::TVisualisationconsommables(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
