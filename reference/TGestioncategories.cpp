#include "reference/TGestioncategories.h"

#include "app/Windows.h"
#include "reference/TAssistantcategories.h"

namespace {
NamedListWindowSpec spec()
{
    NamedListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestioncategories");
    s.window.caption = QStringLiteral("Gestion des balises");
    s.window.size = QSize(591, 533);
    s.window.minimumSize = QSize(500, 500);
    s.window.columns = {{QStringLiteral("Balises"), QStringLiteral("nom"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher une balise :");
    s.list = &NamedLists::tags();
    s.deleteQuestion = QStringLiteral("Voulez-vous supprimer la catégorie ");
    s.searchHint = QStringLiteral("Rechercher une balise");
    s.addHint = QStringLiteral("Ajouter une balise");
    s.deleteHint = QStringLiteral("Supprimer une balise");
    s.wizard = [] { return static_cast<AddWizard *>(Assistantcategories); };
    return s;
}
} // namespace

TGestioncategories::TGestioncategories(QWidget *parent) : NamedListWindow(spec(), parent) {}
