#pragma once

#include "reference/AddWizard.h"

// Add wizard of tags.
class TAssistantcategories : public AddWizard
{
    Q_OBJECT
public:
    explicit TAssistantcategories(QWidget *parent = nullptr);
};
