#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

// New-collection wizard: a name, a file, "Valider".
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *pathEdit() const { return m_path; }
    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }
    QToolButton *chooseButton() const { return m_choose; }

    // Empties both fields and disables "Valider" (after a collection is closed).
    void reset();
    void chooseFile();
    void validate();

private:
    void updateValidate();

    QLineEdit *m_name = nullptr;
    QLineEdit *m_path = nullptr;
    QToolButton *m_choose = nullptr;
    QPushButton *m_validate = nullptr;
    QPushButton *m_cancel = nullptr;
};
