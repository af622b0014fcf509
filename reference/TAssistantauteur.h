#pragma once

#include "reference/AddWizard.h"

// Add wizard of authors and creators.
class TAssistantauteur : public AddWizard
{
    Q_OBJECT
public:
    explicit TAssistantauteur(QWidget *parent = nullptr);
};
