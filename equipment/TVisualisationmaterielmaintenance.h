#pragma once

#include "common/ReportWindow.h"

// Items in maintenance.
class TVisualisationmaterielmaintenance : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationmaterielmaintenance(QWidget *parent = nullptr);
};
