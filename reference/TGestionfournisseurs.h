#pragma once

#include "reference/CardListWindow.h"

// List of suppliers; a deleted supplier leaves its equipment and documentation without one.
class TGestionfournisseurs : public CardListWindow
{
    Q_OBJECT
public:
    explicit TGestionfournisseurs(QWidget *parent = nullptr);
};
