#pragma once

#include "common/EditorContract.h"

#include <QDialog>

class CardForm;

// The supplier card: creates, edits or shows one supplier. Set EditorMode and RecordId, then exec().
class Teditfournisseur : public QDialog, public EditorContract
{
    Q_OBJECT
public:
    explicit Teditfournisseur(QWidget *parent = nullptr);

    // Fields by column, role boxes, buttons.
    CardForm *form() const { return m_form; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    CardForm *m_form = nullptr;
};
