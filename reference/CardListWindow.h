#pragma once

#include "common/EditorContract.h"
#include "common/ListWindow.h"
#include "reference/Contacts.h"

#include <functional>

struct CardListWindowSpec {
    ListWindowSpec window;
    const Contacts::Spec *list = nullptr;
    QString addHint, deleteHint, editHint, searchHint;
    // Shows the card in that mode for that record.
    std::function<void(::EditorMode mode, qint64 id)> openCard;
    // Deletes the record of that id and name, asking first; true when something was deleted.
    std::function<bool(qint64 id, const QString &name)> remove;
};

// The supplier and contact lists: add, delete, edit through the card (also on a double-click),
// search. The search filter survives "Fermer"; the menu empties it before showing the list.
class CardListWindow : public ListWindow
{
    Q_OBJECT
public:
    void Add();
    void Delete();
    void Edit();
    // Asks for the search text, then lists from the first row.
    void Find();

    void reject() override; // "Fermer", Escape

protected:
    CardListWindow(const CardListWindowSpec &spec, QWidget *parent);
    bool runListing(QSqlQuery &query) override;

private:
    qint64 selectedId(int *row = nullptr, QString *name = nullptr) const;

    CardListWindowSpec m_cards;
};
