#include "reference/TGestioncontacts.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "reference/CardForm.h"
#include "reference/Teditioncontact.h"

namespace {
bool removeContact(qint64 id, const QString &name)
{
    // Refused before asking while anything is lent to the contact.
    const qint64 lent = Contacts::loanCount(Form1->database(), id);
    if (lent != 0) {
        Dialogs::error(lent > 0 ? Contacts::LentText : Contacts::WriteErrorText);
        return false;
    }
    if (!Dialogs::askDelete(QStringLiteral("Voulez-vous supprimer le contact ") + name + QStringLiteral(" ?")))
        return false;
    switch (Contacts::removeContact(Form1->database(), id)) {
    case Contacts::RemoveResult::Lent:
        Dialogs::error(Contacts::LentText);
        return false;
    case Contacts::RemoveResult::Failed:
        Dialogs::error(Contacts::WriteErrorText);
        break;
    case Contacts::RemoveResult::Removed:
        break;
    }
    return true;
}

CardListWindowSpec spec()
{
    CardListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestioncontacts");
    s.window.caption = QStringLiteral("Gestion des contacts");
    s.window.size = QSize(590, 533);
    s.window.minimumSize = QSize(500, 500);
    s.window.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                        {QStringLiteral("Contacts"), QStringLiteral("nom"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher le contact :");
    s.window.search.fieldWidth = 150;
    s.window.search.panelWidth = 0;
    s.list = &Contacts::contacts();
    s.addHint = QStringLiteral("Ajouter un contact");
    s.deleteHint = QStringLiteral("Supprimer le contact");
    s.editHint = QStringLiteral("Editer le contact");
    s.searchHint = QStringLiteral("Rechercher un contact");
    s.openCard = [](::EditorMode mode, qint64 id) { openCard(Editioncontact, mode, id); };
    s.remove = removeContact;
    return s;
}
} // namespace

TGestioncontacts::TGestioncontacts(QWidget *parent) : CardListWindow(spec(), parent) {}
