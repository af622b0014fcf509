#pragma once

#include "common/ReportWindow.h"

// Lent items and their borrowers.
class TVisualisationmaterielspretes : public ReportWindow
{
    Q_OBJECT
public:
    explicit TVisualisationmaterielspretes(QWidget *parent = nullptr);
};
