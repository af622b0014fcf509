#pragma once

#include "common/EditorContract.h"
#include "reference/Contacts.h"

#include <QHash>
#include <QObject>

#include <functional>

class ListWindow;
class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

struct CardFormSpec {
    const Contacts::Spec *record = nullptr;
    QString newCaption, editCaption, viewCaption;
    QString duplicateMessage;
    std::function<ListWindow *()> listWindow; // reloaded after every save, whoever opened the card
};

// What the supplier and contact cards share: the fields table laid out top to bottom (with
// the visit button beside the site), the role boxes, the three modes and the buttons
// "Annuler" and "Valider"/"Retour". The card places fieldsPanel() and buttonRow().
class CardForm : public QObject
{
    Q_OBJECT
public:
    CardForm(QDialog *dialog, EditorContract *contract, const CardFormSpec &spec);

    QWidget *fieldsPanel() const { return m_panel; }
    QHBoxLayout *buttonRow() const { return m_buttons; }

    QLineEdit *field(const QString &column) const { return m_fields.value(column); }
    QCheckBox *flag(const QString &column) const { return m_flags.value(column); }
    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }
    QToolButton *siteButton() const { return m_site; }

    // Before each showing: caption, fields emptied or read, read-only state and buttons by mode.
    void prepare();
    // "Valider" / "Retour".
    void validate();
    // "Visiter le site internet".
    void visitSite();

    Contacts::Values values() const;

private:
    void setValues(const Contacts::Values &values);
    void updateValidate();

    QDialog *m_dialog;
    EditorContract *m_contract;
    CardFormSpec m_spec;
    QWidget *m_panel = nullptr;
    QHBoxLayout *m_buttons = nullptr;
    QHash<QString, QLineEdit *> m_fields;
    QHash<QString, QCheckBox *> m_flags;
    QPushButton *m_validate = nullptr;
    QPushButton *m_cancel = nullptr;
    QToolButton *m_site = nullptr;
};

// How an opener shows a card: mode and record in, then the modal call.
template <typename Card> int openCard(Card *card, ::EditorMode mode, qint64 id = 0)
{
    card->EditorMode = mode;
    card->RecordId = id;
    return card->exec();
}
