#pragma once

#include "reference/NamedListWindow.h"

// List of storage places.
class TForm4 : public NamedListWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};
