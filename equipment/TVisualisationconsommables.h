#pragma once

#include "common/ReportWindow.h"

// Consumables with their total value.
class TVisualisationconsommables : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationconsommables(QWidget *parent = nullptr);
};
