#pragma once

#include "common/ReportWindow.h"

// Items that no routine needs.
class TVisualisationmaterielsansroutine : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationmaterielsansroutine(QWidget *parent = nullptr);
};
