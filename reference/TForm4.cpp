#include "reference/TForm4.h"

#include "app/Windows.h"
#include "reference/TForm3.h"

namespace {
NamedListWindowSpec spec()
{
    NamedListWindowSpec s;
    s.window.objectName = QStringLiteral("Form4");
    s.window.caption = QStringLiteral("Gestion des rangements");
    s.window.size = QSize(766, 532);
    s.window.minimumSize = QSize(760, 530);
    s.window.columns = {{QStringLiteral("Nom"), QStringLiteral("nom"), false, false, 260},
                        {QStringLiteral("Description"), QStringLiteral("description"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher un rangement :");
    s.list = &NamedLists::storagePlaces();
    s.deleteQuestion = QStringLiteral("Voulez-vous supprimer le rangement ");
    s.searchHint = QStringLiteral("Rechercher un rangement");
    s.addHint = QStringLiteral("Ajouter un rangement");
    s.deleteHint = QStringLiteral("Supprimer le rangement");
    s.wizard = [] { return static_cast<AddWizard *>(Form3); };
    return s;
}
} // namespace

TForm4::TForm4(QWidget *parent) : NamedListWindow(spec(), parent) {}
