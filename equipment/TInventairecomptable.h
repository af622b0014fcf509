#pragma once

#include "common/ReportWindow.h"

// Accounting inventory with the total purchase value.
class TInventairecomptable : public ReportWindow
{
    Q_OBJECT
public:
    explicit TInventairecomptable(QWidget *parent = nullptr);
};
