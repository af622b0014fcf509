#include "reference/TGestionmoteursderecherche.h"

#include "app/Windows.h"
#include "reference/TEditionmoteurderecherche.h"

namespace {
WebListWindowSpec spec()
{
    WebListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestionmoteursderecherche");
    s.window.caption = QStringLiteral("Gestion des moteurs de recherche");
    s.window.size = QSize(589, 533);
    s.window.minimumSize = QSize(420, 400);
    s.window.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                        {QStringLiteral("Nom"), QStringLiteral("nom"), false, true},
                        {QStringLiteral("Actif"), QStringLiteral("actif"), false, false, 80}};
    s.window.search.prompt = QStringLiteral("Rechercher un moteur de recherche :");
    s.window.search.checkCaption = QStringLiteral("Rechercher également dans l' URL");
    s.records = &WebRecords::engines();
    s.searchHint = QStringLiteral("Rechercher un moteur de recherche");
    s.editHint = QStringLiteral("Editer un moteur de recherche");
    s.addHint = QStringLiteral("Ajouter un moteur de recherche");
    s.deleteHint = QStringLiteral("Supprimer un moteur de recherche");
    s.deleteQuestion = QStringLiteral("Voulez-vous supprimer le moteur ");
    s.openEditor = [](EditorMode mode, qint64 id) {
        Editionmoteurderecherche->EditorMode = mode;
        Editionmoteurderecherche->RecordId = id;
        Editionmoteurderecherche->exec();
    };
    return s;
}
} // namespace

TGestionmoteursderecherche::TGestionmoteursderecherche(QWidget *parent) : WebListWindow(spec(), parent) {}

void TGestionmoteursderecherche::afterListing()
{
    // The grid holds the stored flag until here.
    const int column = grid()->columnOf(QStringLiteral("actif"));
    for (int row = 0; row < grid()->rowCount(); ++row)
        if (QTableWidgetItem *item = grid()->item(row, column))
            item->setText(item->text() == QLatin1String("1") ? QStringLiteral("OUI") : QString());
}
