#pragma once

#include "reference/NamedLists.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

struct AddWizardSpec {
    QString objectName;
    QString caption;
    QString heading;
    QString help;
    QString nameLabel;
    QString descriptionLabel; // empty: no description field
    QString duplicateMessage;
    bool cancelClearsName = false;
    const NamedLists::Spec *list = nullptr;
};

// An add wizard: picture, heading, help paragraph, the fields, "Annuler" and "Valider".
class AddWizard : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *descriptionEdit() const { return m_description; }
    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }
    QString helpText() const { return m_spec.help; }

    void Validate();

protected:
    AddWizard(const AddWizardSpec &spec, QWidget *parent);
    void reject() override;

private:
    void updateValidate();

    AddWizardSpec m_spec;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_description = nullptr;
    QPushButton *m_validate = nullptr;
    QPushButton *m_cancel = nullptr;
};
