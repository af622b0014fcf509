#pragma once

#include "reference/NamedListWindow.h"

// List of tags.
class TGestioncategories : public NamedListWindow
{
    Q_OBJECT
public:
    explicit TGestioncategories(QWidget *parent = nullptr);
};
