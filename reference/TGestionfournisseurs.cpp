#include "reference/TGestionfournisseurs.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "reference/CardForm.h"
#include "reference/Teditfournisseur.h"

namespace {
bool removeSupplier(qint64 id, const QString &name)
{
    if (!Dialogs::askDelete(QStringLiteral("Voulez-vous supprimer le fournisseur ") + name + QStringLiteral(" ?")))
        return false;
    if (!Contacts::removeSupplier(Form1->database(), id))
        Dialogs::error(Contacts::WriteErrorText);
    return true;
}

CardListWindowSpec spec()
{
    CardListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestionfournisseurs");
    s.window.caption = QStringLiteral("Gestion des fournisseurs");
    s.window.size = QSize(590, 533);
    s.window.minimumSize = QSize(500, 500);
    s.window.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                        {QStringLiteral("Fournisseurs"), QStringLiteral("nom"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher le fournisseur :");
    s.window.search.fieldWidth = 150;
    s.window.search.panelWidth = 0;
    s.list = &Contacts::suppliers();
    s.addHint = QStringLiteral("Ajouter un fournisseur");
    s.deleteHint = QStringLiteral("Supprimer un fournisseur");
    s.editHint = QStringLiteral("Editer un fournisseur");
    s.searchHint = QStringLiteral("Rechercher un fournisseur");
    s.openCard = [](::EditorMode mode, qint64 id) { openCard(Editfournisseur, mode, id); };
    s.remove = removeSupplier;
    return s;
}
} // namespace

TGestionfournisseurs::TGestionfournisseurs(QWidget *parent) : CardListWindow(spec(), parent) {}
