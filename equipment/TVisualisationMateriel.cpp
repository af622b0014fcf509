#include "equipment/TVisualisationMateriel.h"

#include "equipment/EquipmentReports.h"

namespace {
ReportWindowSpec windowSpec()
{
    ReportWindowSpec s;
    s.objectName = QStringLiteral("VisualisationMateriel");
    s.caption = QStringLiteral("Visualisation par rangement");
    s.report = &EquipmentReports::byStorage();
    return s;
}
} // namespace

TVisualisationMateriel::TVisualisationMateriel(QWidget *parent) : ReportWindow(windowSpec(), parent) {}
