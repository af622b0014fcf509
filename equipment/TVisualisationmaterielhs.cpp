#include "equipment/TVisualisationmaterielhs.h"

#include "equipment/EquipmentReports.h"

TVisualisationmaterielhs::TVisualisationmaterielhs(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Visualisationmaterielhs"),
                                    QStringLiteral("Liste des matériels hors-service"),
                                    EquipmentReports::outOfService()),
                   parent) {}
