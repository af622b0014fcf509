#include "search/TGestiontechniques.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "search/TEditiontechnique.h"
#include "search/Techniques.h"

namespace {
const QString IdField = QStringLiteral("id");
const QString NameField = QStringLiteral("nom");

ListWindowSpec windowSpec()
{
    ListWindowSpec s;
    s.objectName = QStringLiteral("Gestiontechniques");
    s.caption = QStringLiteral("Gestion des techniques");
    s.size = QSize(589, 530);
    s.minimumSize = QSize(0, 0);
    GridColumn id{QStringLiteral("ID"), IdField};
    id.hidden = true;
    GridColumn name{QStringLiteral("Nom des techniques"), NameField};
    name.stretch = true;
    s.columns = {id, name};
    s.search.prompt = QStringLiteral("Rechercher la technique :");
    s.search.fieldWidth = 150;
    s.search.panelWidth = 0;
    return s;
}
} // namespace

TGestiontechniques::TGestiontechniques(QWidget *parent) : ListWindow(windowSpec(), parent)
{
    addRecordButtons({{RecordButton::Search, QStringLiteral("Rechercher une technique"), [this] { Search(); }},
                      {RecordButton::Edit, QStringLiteral("Editer une technique"), [this] { Edit(); }},
                      {RecordButton::Add, QStringLiteral("Ajouter une technique"), [this] { Add(); }},
                      {RecordButton::Delete, QStringLiteral("Supprimer une technique"), [this] { Delete(); }}});
}

bool TGestiontechniques::runListing(QSqlQuery &query)
{
    return Techniques::list(query, SearchFilter);
}

void TGestiontechniques::Edit()
{
    const int row = grid()->selectedRow();
    if (row < 0)
        return;
    Editiontechnique->EditorMode = ModeEdit;
    Editiontechnique->RecordId = grid()->cell(row, IdField).toLongLong();
    Editiontechnique->exec();
}

void TGestiontechniques::Add()
{
    Editiontechnique->EditorMode = ModeNew;
    Editiontechnique->exec();
}

void TGestiontechniques::Delete()
{
    const int row = grid()->selectedRow();
    if (row < 0)
        return;
    const QString name = grid()->cell(row, NameField);
    if (!Dialogs::askDelete(QStringLiteral("Voulez-vous supprimer la techniques ") + name + QStringLiteral(" ?")))
        return;
    if (!Techniques::remove(Form1->database(), grid()->cell(row, IdField).toLongLong()))
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
    Form1->Commit();
    reloadSelecting(row > 0 ? row - 1 : row);
}
