#pragma once

#include "reference/CardListWindow.h"

// List of contacts; a contact who still has lent items cannot be deleted.
class TGestioncontacts : public CardListWindow
{
    Q_OBJECT
public:
    explicit TGestioncontacts(QWidget *parent = nullptr);
};
