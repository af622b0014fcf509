#pragma once

#include "common/EditorContract.h"

#include <QDialog>

#include <functional>

class CardForm;
class QTabWidget;
class RecordGrid;

// The contact card: the contact's fields and roles, what is lent to it and the routines it
// has seen. Set EditorMode and RecordId, then exec().
class Teditioncontact : public QDialog, public EditorContract
{
    Q_OBJECT
public:
    explicit Teditioncontact(QWidget *parent = nullptr);

    // Double-click on a loan (type "Materiel" or "Documentation") or on a seen routine, except
    // in ModeView. Set by the editors that show them; empty, a double-click does nothing.
    std::function<void(const QString &type, qint64 id)> OpenLoan;
    std::function<void(qint64 id)> OpenRoutine;

    // Fields by column, role boxes, buttons.
    CardForm *form() const { return m_form; }
    // Tabs "Contact", "Emprunts", "Routines vues".
    QTabWidget *tabs() const { return m_tabs; }
    // Columns id (hidden), "Emprunts en cours", "Type".
    RecordGrid *loansGrid() const { return m_loans; }
    // Columns id (hidden), "Routines vues".
    RecordGrid *routinesGrid() const { return m_routines; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillLists();
    void loanActivated();
    void routineActivated();

    CardForm *m_form = nullptr;
    QTabWidget *m_tabs = nullptr;
    RecordGrid *m_loans = nullptr;
    RecordGrid *m_routines = nullptr;
};
