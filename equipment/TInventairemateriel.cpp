#include "equipment/TInventairemateriel.h"

#include "app/Windows.h"
#include "equipment/Equipment.h"
#include "equipment/TEditionmateriel.h"

namespace {
InventorySpec spec()
{
    InventorySpec s;
    s.window.objectName = QStringLiteral("Inventairemateriel");
    s.window.caption = QStringLiteral("Inventaire materiel");
    s.window.size = QSize(906, 530);
    s.window.minimumSize = QSize(550, 410);
    GridColumn id{QStringLiteral("ID"), QStringLiteral("id"), true};
    GridColumn name{QStringLiteral("Materiel"), QStringLiteral("nom"), false, false, 410};
    GridColumn designation{QStringLiteral("Désignation"), QStringLiteral("designation"), false, false, 400};
    GridColumn imported{QStringLiteral("Import"), QStringLiteral("isImport"), true};
    s.window.columns = {id, name, designation, imported};
    s.window.search.prompt = QStringLiteral("Rechercher un matériel :");
    s.window.search.checkCaption = QStringLiteral("Rechercher également dans la description");
    s.listing = Equipment::listing();
    s.counts = Equipment::countTexts();
    s.cascade = Equipment::deleteCascade();
    s.deleteQuestion = &Equipment::deleteQuestion;
    s.searchHint = QStringLiteral("Rechercher un matériel");
    s.editHint = QStringLiteral("Editer un matériel");
    s.addHint = QStringLiteral("Ajouter un matériel");
    s.deleteHint = QStringLiteral("Supprimer un matériel");
    s.editor = [] { return static_cast<SteppingEditorContract *>(Editionmateriel); };
    s.showEditor = [] { Editionmateriel->exec(); };
    return s;
}
} // namespace

TInventairemateriel::TInventairemateriel(QWidget *parent) : InventoryWindow(spec(), parent) {}
