#include "equipment/TVisualisationmaterielspretes.h"

#include "equipment/EquipmentReports.h"

TVisualisationmaterielspretes::TVisualisationmaterielspretes(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Visualisationmaterielspretes"),
                                    QStringLiteral("Liste des matériels prêtés"), EquipmentReports::lent()),
                   parent) {}
