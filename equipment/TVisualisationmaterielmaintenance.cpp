#include "equipment/TVisualisationmaterielmaintenance.h"

#include "equipment/EquipmentReports.h"

TVisualisationmaterielmaintenance::TVisualisationmaterielmaintenance(QWidget *parent)
    : ReportWindow(ReportWindowSpec(QStringLiteral("Visualisationmaterielmaintenance"),
                                    QStringLiteral("Visualisation des matériels en maintenance"),
                                    EquipmentReports::maintenance()),
                   parent) {}
