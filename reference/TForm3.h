#pragma once

#include "reference/AddWizard.h"

// Add wizard of storage places.
class TForm3 : public AddWizard
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};
