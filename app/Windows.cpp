#include "app/Windows.h"

#include "app/TApropos.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/TOptimizedatabase.h"
#include "common/ReportWindow.h"
#include "common/TRechercheSQLAuteur.h"
#include "common/Trecherchesql.h"
#include "equipment/TEditionmateriel.h"
#include "equipment/TInventairecomptable.h"
#include "equipment/TInventairemateriel.h"
#include "equipment/TVisualisationAcommander.h"
#include "equipment/TVisualisationMateriel.h"
#include "equipment/TVisualisationconsommables.h"
#include "equipment/TVisualisationmaterielhs.h"
#include "equipment/TVisualisationmaterielmaintenance.h"
#include "equipment/TVisualisationmaterielsansroutine.h"
#include "equipment/TVisualisationmaterielspretes.h"
#include "reference/CardForm.h"
#include "reference/TAssistantauteur.h"
#include "reference/TAssistantcategories.h"
#include "reference/TExportationcontacts.h"
#include "reference/TEditionlien.h"
#include "reference/TEditionmoteurderecherche.h"
#include "reference/TForm3.h"
#include "reference/TForm4.h"
#include "reference/TGestionauteurs.h"
#include "reference/TGestioncategories.h"
#include "reference/TGestioncontacts.h"
#include "reference/TGestionfournisseurs.h"
#include "reference/Teditfournisseur.h"
#include "reference/Teditioncontact.h"
#include "reference/TGestionliens.h"
#include "reference/TGestionmoteursderecherche.h"
#include "search/TEditiontechnique.h"
#include "search/TGestiontechniques.h"

#include <functional>

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm4 *Form4 = nullptr;
TGestioncategories *Gestioncategories = nullptr;
TAssistantcategories *Assistantcategories = nullptr;
TGestionauteurs *Gestionauteurs = nullptr;
TAssistantauteur *Assistantauteur = nullptr;
TGestionfournisseurs *Gestionfournisseurs = nullptr;
Teditfournisseur *Editfournisseur = nullptr;
TGestioncontacts *Gestioncontacts = nullptr;
Teditioncontact *Editioncontact = nullptr;
TInventairemateriel *Inventairemateriel = nullptr;
TEditionmateriel *Editionmateriel = nullptr;
Trecherchesql *Recherchesql = nullptr;
TOptimizedatabase *Optimizedatabase = nullptr;
TVisualisationMateriel *VisualisationMateriel = nullptr;
TVisualisationconsommables *Visualisationconsommables = nullptr;
TVisualisationAcommander *VisualisationAcommander = nullptr;
TVisualisationmaterielspretes *Visualisationmaterielspretes = nullptr;
TVisualisationmaterielsansroutine *Visualisationmaterielsansroutine = nullptr;
TVisualisationmaterielhs *Visualisationmaterielhs = nullptr;
TVisualisationmaterielmaintenance *Visualisationmaterielmaintenance = nullptr;
TGestionliens *Gestionliens = nullptr;
TEditionlien *Editionlien = nullptr;
TApropos *Apropos = nullptr;
TExportationcontacts *Exportationcontacts = nullptr;
TGestiontechniques *Gestiontechniques = nullptr;
TEditiontechnique *Editiontechnique = nullptr;
TRechercheSQLAuteur *RechercheSQLAuteur = nullptr;
TInventairecomptable *Inventairecomptable = nullptr;
TGestionmoteursderecherche *Gestionmoteursderecherche = nullptr;
TEditionmoteurderecherche *Editionmoteurderecherche = nullptr;

namespace Windows {

namespace {
struct Entry {
    QWidget *window;
    std::function<void()> forget;
};

// Windows in creation order, kept to destroy them in reverse.
QList<Entry> &created()
{
    static QList<Entry> list;
    return list;
}

template <typename T> void make(T *&instance, QWidget *parent)
{
    instance = new T(parent);
    created().append({instance, [&instance] { instance = nullptr; }});
}
} // namespace

// Menu items whose windows exist so far.
void wireMenus()
{
    Form1->wire(QStringLiteral("actRangements"), [] { Form4->exec(); });
    Form1->wire(QStringLiteral("actBalises"), [] { Gestioncategories->exec(); });
    Form1->wire(QStringLiteral("actAuteurs"), [] { Gestionauteurs->exec(); });
    Form1->wire(QStringLiteral("actTechniques"), [] { Gestiontechniques->exec(); });
    Form1->wire(QStringLiteral("actFournisseurs"), [] {
        Gestionfournisseurs->SearchFilter.clear();
        Gestionfournisseurs->exec();
    });
    Form1->wire(QStringLiteral("actContacts"), [] {
        Gestioncontacts->SearchFilter.clear();
        Gestioncontacts->exec();
    });
    Form1->wire(QStringLiteral("actExportContacts"), [] { Exportationcontacts->exec(); });
    Form1->wire(QStringLiteral("actMoteurs"), [] { Gestionmoteursderecherche->exec(); });
    Form1->wire(QStringLiteral("actLiens"), [] { Gestionliens->exec(); });
    Form1->wire(QStringLiteral("actInventaireMateriel"), [] { Inventairemateriel->exec(); });
    Form1->wire(QStringLiteral("actVisuRangement"), [] { VisualisationMateriel->exec(); });
    Form1->wire(QStringLiteral("actConsommables"), [] { Visualisationconsommables->exec(); });
    Form1->wire(QStringLiteral("actACommander"), [] { VisualisationAcommander->exec(); });
    Form1->wire(QStringLiteral("actHorsService"), [] { Visualisationmaterielhs->exec(); });
    Form1->wire(QStringLiteral("actMaintenance"), [] { Visualisationmaterielmaintenance->exec(); });
    Form1->wire(QStringLiteral("actMaterielsPretes"), [] { Visualisationmaterielspretes->exec(); });
    Form1->wire(QStringLiteral("actSansRoutine"), [] { Visualisationmaterielsansroutine->exec(); });
    Form1->wire(QStringLiteral("actInventaireComptable"), [] { Inventairecomptable->exec(); });
}

// What the add button of the selection dialogs opens, by creation kind.
void registerCreators()
{
    SelectionDialog::setCreator(SelectionDialog::StoragePlace, [] { Form3->exec(); });
    SelectionDialog::setCreator(SelectionDialog::Tag, [] { Assistantcategories->exec(); });
    SelectionDialog::setCreator(SelectionDialog::Author, [] { Assistantauteur->exec(); });
    SelectionDialog::setCreator(SelectionDialog::Technique, [] {
        Editiontechnique->EditorMode = ModeNew;
        Editiontechnique->exec();
    });
    SelectionDialog::setCreator(SelectionDialog::Contact, [] { openCard(Editioncontact, ModeNew); });
    SelectionDialog::setCreator(SelectionDialog::Supplier, [] { openCard(Editfournisseur, ModeNew); });
}

// Editors that open one another.
void wireOpeners()
{
    // A loan of the contact card: the item read-only, without the way back to that card.
    Editioncontact->OpenLoan = [](const QString &type, qint64 id) {
        if (type != QLatin1String("Materiel"))
            return;
        Editionmateriel->openSingle(ModeView, id);
        Editionmateriel->hideBorrowerCardButtonOnce();
        Editionmateriel->exec();
    };
    // A double-click in the equipment reports edits the item, without stepping.
    ReportWindow::setRecordOpener(ReportWindowSpec::Equipment, [](qint64 id) {
        Editionmateriel->openSingle(ModeEdit, id);
        Editionmateriel->exec();
    });
}

void createAll()
{
    make(Form1, nullptr);
    make(Form2, Form1);
    make(Form3, Form1);
    make(Form4, Form1);
    make(Gestioncategories, Form1);
    make(Assistantcategories, Form1);
    make(Gestionauteurs, Form1);
    make(Assistantauteur, Form1);
    make(Gestionfournisseurs, Form1);
    make(Editfournisseur, Form1);
    make(Gestioncontacts, Form1);
    make(Editioncontact, Form1);
    make(Inventairemateriel, Form1);
    make(Editionmateriel, Form1);
    make(Recherchesql, Form1);
    make(Optimizedatabase, Form1);
    make(VisualisationMateriel, Form1);
    make(Visualisationconsommables, Form1);
    make(VisualisationAcommander, Form1);
    make(Visualisationmaterielspretes, Form1);
    make(Visualisationmaterielsansroutine, Form1);
    make(Visualisationmaterielhs, Form1);
    make(Visualisationmaterielmaintenance, Form1);
    make(Gestionliens, Form1);
    make(Editionlien, Form1);
    make(Apropos, Form1);
    make(Exportationcontacts, Form1);
    make(Gestiontechniques, Form1);
    make(Editiontechnique, Form1);
    make(RechercheSQLAuteur, Form1);
    make(Inventairecomptable, Form1);
    make(Gestionmoteursderecherche, Form1);
    make(Editionmoteurderecherche, Form1);
    wireMenus();
    registerCreators();
    wireOpeners();
}

void destroyAll()
{
    // The main window is the parent of the others: they go first, in reverse order.
    while (!created().isEmpty()) {
        Entry e = created().takeLast();
        delete e.window;
        e.forget();
    }
}

} // namespace Windows
