#pragma once

#include "common/ReportWindow.h"

// Items out of service.
class TVisualisationmaterielhs : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationmaterielhs(QWidget *parent = nullptr);
};
