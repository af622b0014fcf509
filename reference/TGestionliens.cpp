#include "reference/TGestionliens.h"

#include "app/Windows.h"
#include "common/FieldActions.h"
#include "reference/TEditionlien.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
WebListWindowSpec spec()
{
    WebListWindowSpec s;
    s.window.objectName = QStringLiteral("Gestionliens");
    s.window.caption = QStringLiteral("Collection de liens internet");
    s.window.size = QSize(907, 529);
    s.window.minimumSize = QSize(550, 480);
    s.window.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                        {QStringLiteral("Nom"), QStringLiteral("nom"), false, false, 320},
                        {QStringLiteral("URL"), QStringLiteral("url"), false, true}};
    s.window.search.prompt = QStringLiteral("Rechercher un lien internet :");
    s.window.search.checkCaption = QStringLiteral("Rechercher également dans la description");
    s.records = &WebRecords::links();
    s.searchHint = QStringLiteral("Rechercher un lien");
    s.editHint = QStringLiteral("Editer un lien");
    s.addHint = QStringLiteral("Ajouter un lien");
    s.deleteHint = QStringLiteral("Supprimer un lien");
    s.deleteQuestion = QStringLiteral("Voulez-vous supprimer le lien ");
    s.openEditor = [](EditorMode mode, qint64 id) {
        Editionlien->openSingle(mode, id);
        Editionlien->exec();
    };
    return s;
}
} // namespace

TGestionliens::TGestionliens(QWidget *parent) : WebListWindow(spec(), parent)
{
    addToolButton(QStringLiteral("visit"), QStringLiteral("Visiter un lien"), QStringLiteral("btn-visit"),
                  QStyle::SP_ArrowForward, [this] { Visit(); });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    // Under the grid, above "Fermer".
    if (auto *outer = qobject_cast<QVBoxLayout *>(layout()))
        outer->insertWidget(1, m_status);
}

void TGestionliens::Visit()
{
    const QString address = selectedCell(QStringLiteral("url"));
    if (!address.isEmpty())
        FieldActions::openLink(address);
}

void TGestionliens::afterListing()
{
    m_status->setText(WebRecords::linkStatus(grid()->rowCount(), !SearchFilter.isEmpty()));
}
