#include "equipment/TVisualisationmaterielspretes.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("Visualisationmaterielspretes");
    s.caption = QStringLiteral("Liste des matériels prêtés");
    s.report = &EquipmentReports::lent();
    return s;
}
} // namespace

TVisualisationmaterielspretes::TVisualisationmaterielspretes(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
