#include "equipment/TVisualisationmaterielmaintenance.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Visualisationmaterielmaintenance");
    s.caption = QStringLiteral("Visualisation des matériels en maintenance");
    s.report = &EquipmentReports::maintenance();
    return s;
}
} // namespace

TVisualisationmaterielmaintenance::TVisualisationmaterielmaintenance(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
