#pragma once

#include "common/ReportWindow.h"

// Items to be ordered.
class TVisualisationAcommander : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationAcommander(QWidget *parent = nullptr);
};
