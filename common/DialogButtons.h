#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

// "Annuler" then "Valider" appended to a row of a dialog: "Valider" is the default button and
// starts disabled until the window's rule enables it; neither takes Return by itself.
struct CancelValidate {
    QPushButton *cancel = nullptr;
    QPushButton *validate = nullptr;
};
CancelValidate addCancelValidate(QWidget *parent, QBoxLayout *row);
