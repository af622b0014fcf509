#include "reference/TGestionauteurs.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "reference/TAssistantauteur.h"

namespace {
NamedListWindowSpec spec()
{
    NamedListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestionauteurs");
    s.window.caption = QStringLiteral("Gestion des auteurs");
    s.window.size = QSize(590, 533);
    s.window.minimumSize = QSize(500, 500);
    s.window.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                        {QStringLiteral("Auteur / Créateur"), QStringLiteral("nom"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher un auteur ou créateur :");
    s.list = &NamedLists::authors();
    s.deleteQuestion = QStringLiteral("Voulez-vous supprimer ");
    s.searchHint = QStringLiteral("Rechercher un auteur");
    s.addHint = QStringLiteral("Ajouter un auteur");
    s.deleteHint = QStringLiteral("Supprimer un auteur");
    s.wizard = [] { return static_cast<AddWizard *>(Assistantauteur); };
    return s;
}
} // namespace

TGestionauteurs::TGestionauteurs(QWidget *parent) : NamedListWindow(spec(), parent)
{
    addToolButton(QStringLiteral("edit"), QStringLiteral("Editer un auteur"), QStringLiteral("btn-edit"),
                  QStyle::SP_FileDialogDetailedView, [this] { Rename(); });
    connect(grid(), &RecordGrid::rowActivated, this, [this] { Rename(); });
}

void TGestionauteurs::Rename()
{
    const int row = grid()->selectedRow();
    if (row < 0)
        return;
    const QString current = grid()->cell(row, QStringLiteral("nom"));
    const qint64 id = grid()->cell(row, QStringLiteral("id")).toLongLong();
    Dialogs::InputSpec in;
    in.caption = QStringLiteral("Modification d'un nom");
    in.prompt = QStringLiteral("Modifier le nom de l'auteur ou du créateur :");
    in.text = current;
    in.okCaption = QStringLiteral("Modifier");
    in.fieldWidth = 480;
    in.panelWidth = 500;
    const QString typed = Dialogs::input(in);
    switch (NamedLists::renameAuthor(Form1->database(), id, current, typed)) {
    case NamedLists::RenameResult::Duplicate:
        Dialogs::error(QStringLiteral("Cet auteur existe déjà !"));
        break;
    case NamedLists::RenameResult::Failed:
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
        break;
    case NamedLists::RenameResult::Renamed:
        Form1->Commit();
        break;
    case NamedLists::RenameResult::Unchanged:
        break;
    }
    reloadSelecting(row);
}
