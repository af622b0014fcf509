#pragma once

#include "common/InventoryWindow.h"

// The equipment inventory: every item, searched by name and designation (and description),
// added, edited and deleted through the equipment editor.
class TInventairemateriel : public InventoryWindow
{
    Q_OBJECT
public:
    explicit TInventairemateriel(QWidget *parent = nullptr);
};
