#include "equipment/TVisualisationMateriel.h"

#include "equipment/EquipmentReports.h"

TVisualisationMateriel::TVisualisationMateriel(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("VisualisationMateriel"),
                                    QStringLiteral("Visualisation par rangement"), EquipmentReports::byStorage()),
                   parent) {}
