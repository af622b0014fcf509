#pragma once

#include "reference/NamedListWindow.h"

// List of authors and creators; they can also be renamed.
class TGestionauteurs : public NamedListWindow
{
    Q_OBJECT
public:
    explicit TGestionauteurs(QWidget *parent = nullptr);
    void Rename();
};
