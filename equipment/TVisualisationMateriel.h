#pragma once

#include "common/ReportWindow.h"

// Equipment by storage place.
class TVisualisationMateriel : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationMateriel(QWidget *parent = nullptr);
};
