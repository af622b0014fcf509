#include "equipment/TVisualisationmaterielhs.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Visualisationmaterielhs");
    s.caption = QStringLiteral("Liste des matériels hors-service");
    s.report = &EquipmentReports::outOfService();
    return s;
}
} // namespace

TVisualisationmaterielhs::TVisualisationmaterielhs(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
