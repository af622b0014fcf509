#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/AmountField.h"
#include "common/Desktop.h"
#include "common/FieldRules.h"
#include "common/LinkGrid.h"
#include "common/LookupField.h"
#include "common/PictureArea.h"
#include "common/Trecherchesql.h"
#include "equipment/TEditionmateriel.h"
#include "equipment/TInventairemateriel.h"
#include "reference/TMenuItemExtended.h"
#include "reference/Teditfournisseur.h"
#include "reference/Teditioncontact.h"
#include "reference/WebSearchMenu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

#include <functional>

using Dialogs::Result;

namespace {

using TestSupport::column;
using TestSupport::exec;
using TestSupport::insertNamed;
using TestSupport::scalar;

qint64 insertItem(const QString &name, const QString &designation = QString(), int imported = 0)
{
    return exec(QStringLiteral("INSERT INTO materiels (nom, designation, isImport) VALUES (?, ?, ?)"),
                {name, designation, imported});
}

// Runs one step each time `dialog` is shown, once it is up; a dialog still open after its step
// (or shown once more than planned) is closed, so that a failing check cannot hang the test.
class Showings : public QObject
{
public:
    Showings(QDialog *dialog, QList<std::function<void()>> steps) : m_dialog(dialog), m_steps(std::move(steps))
    {
        dialog->installEventFilter(this);
    }
    ~Showings() override { m_dialog->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (!m_dialog->isVisible())
            return;
        ++count;
        if (!m_steps.isEmpty())
            m_steps.takeFirst()();
        if (m_dialog->isVisible())
            m_dialog->reject();
    }
    QDialog *m_dialog;
    QList<std::function<void()>> m_steps;
};

// Shows the editor once in `mode` for `id`, running `step` while it is up.
void showEditor(EditorMode mode, qint64 id, const std::function<void()> &step)
{
    Showings s(Editionmateriel, {step});
    Editionmateriel->openSingle(mode, id);
    Editionmateriel->exec();
}

// Shows the inventory and runs `body` while it is open.
void whileListed(const std::function<void()> &body)
{
    TestSupport::whileShown(Inventairemateriel, body);
}

// The next selection dialog picks the candidate named `name` (or cancels for an empty name) and
// reports its creation kind.
void pickNext(const QString &name, int *kind = nullptr)
{
    QTimer::singleShot(0, Recherchesql, [name, kind] {
        if (kind)
            *kind = Recherchesql->creationKind();
        if (name.isEmpty()) {
            Recherchesql->cancelButton()->click();
            return;
        }
        Recherchesql->searchField()->setText(name);
        Recherchesql->grid()->selectRowAt(0);
        Recherchesql->selectButton()->click();
    });
}

// Closes a selection dialog that should not have opened.
void refuseSelection(bool *opened)
{
    QTimer::singleShot(0, Recherchesql, [opened] {
        if (Recherchesql->isVisible()) {
            *opened = true;
            Recherchesql->reject();
        }
    });
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

} // namespace

class TestEquipment : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void inventoryAsDesigned();
    void listingSortAndCount();
    void search();
    void limitOf10000();
    void deleteAsksAndCascades();
    void deleteReselects();
    void steppingFollowsShownOrder();
    void importedGreyUntilSaved();
    void restoreKeepsOrderAndRow();
    void menuOpensInventory();

    void newIds_data();
    void newIds();
    void newItemRoundTrip();
    void longStoredTextsKept();
    void blankNameRefused();
    void duplicateNamesRefused();
    void viewModeIsReadOnly();
    void quantityFollowsConsumable();
    void tagsAddedOnceAndRemoved();
    void badStoredPicture_data();
    void badStoredPicture();
    void purchaseValues_data();
    void purchaseValues();
    void purchaseKeyFilter();
    void searchAfterSaves();
    void borrowerCardButtonHiddenOnce();
    void cardsAndWebSearchInEveryMode_data();
    void cardsAndWebSearchInEveryMode();
    void loanOfContactCardOpensItem();

private:
    QTemporaryDir m_dir;
};

void TestEquipment::initTestCase()
{
    TestSupport::initGui();
}

void TestEquipment::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestEquipment::cleanup()
{
    TestSupport::destroyWindows();
}

void TestEquipment::inventoryAsDesigned()
{
    TInventairemateriel *w = Inventairemateriel;
    QCOMPARE(w->windowTitle(), QStringLiteral("Inventaire materiel"));
    QCOMPARE(w->size(), QSize(906, 530));
    QCOMPARE(w->minimumSize(), QSize(550, 410));
    QStringList headers;
    for (int c = 0; c < w->grid()->columnCount(); ++c)
        headers << w->grid()->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"ID", "Materiel", "Désignation", "Import"}));
    QVERIFY(w->grid()->isColumnHidden(0));
    QVERIFY(w->grid()->isColumnHidden(3));
    QStringList hints;
    for (const char *b : {"search", "edit", "add", "delete"})
        hints << w->button(QLatin1String(b))->toolTip();
    QCOMPARE(hints, (QStringList{"Rechercher un matériel", "Editer un matériel", "Ajouter un matériel",
                                 "Supprimer un matériel"}));
    QCOMPARE(w->sortByDateBox()->text(), QStringLiteral("Trier par date d'ajout"));

    // An empty table: nothing listed, and edit and delete do nothing.
    QString count;
    whileListed([&] {
        count = w->countLabel()->text();
        w->button(QStringLiteral("edit"))->click();
        w->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(count, QStringLiteral("0 matériel(s) enregistré(s)  "));
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestEquipment::listingSortAndCount()
{
    insertItem(QStringLiteral("b"), QStringLiteral("deux"));
    insertItem(QStringLiteral("A"), QStringLiteral("un"));
    insertItem(QStringLiteral("C"), QStringLiteral("trois"));
    QStringList byName, byDate, designations;
    QString count;
    whileListed([&] {
        byName = column(Inventairemateriel->grid(), QStringLiteral("nom"));
        designations = column(Inventairemateriel->grid(), QStringLiteral("designation"));
        count = Inventairemateriel->countLabel()->text();
        Inventairemateriel->sortByDateBox()->setChecked(true);
        byDate = column(Inventairemateriel->grid(), QStringLiteral("nom"));
    });
    QCOMPARE(byName, (QStringList{"A", "C", "b"}));
    QCOMPARE(designations, (QStringList{"un", "trois", "deux"}));
    QCOMPARE(byDate, (QStringList{"C", "A", "b"})); // newest first
    QCOMPARE(count, QStringLiteral("3 matériel(s) enregistré(s)  "));
    // The box keeps its state to the next opening.
    whileListed([&] { byDate = column(Inventairemateriel->grid(), QStringLiteral("nom")); });
    QCOMPARE(byDate, (QStringList{"C", "A", "b"}));
}

void TestEquipment::search()
{
    insertItem(QStringLiteral("Gobelets"), QStringLiteral("cuivre"));
    insertItem(QStringLiteral("Cordes"), QStringLiteral("coton"));
    const qint64 foulard = insertItem(QStringLiteral("Foulard"), QStringLiteral("soie"));
    exec(QStringLiteral("UPDATE materiels SET description='pour le tour du cuivre' WHERE id=?"), {foulard});
    struct Case {
        Result answer;
        QString text;
        bool wide;
        QStringList listed;
        QString count;
    };
    const QList<Case> cases{
        {Result::Ok, QStringLiteral("CUIVRE"), false, {"Gobelets"}, "Résultat de la recherche : 1 matériel(s)  "},
        {Result::Ok, QStringLiteral("cuivre"), true, {"Foulard", "Gobelets"}, "Résultat de la recherche : 2 matériel(s)  "},
        {Result::Ok, QStringLiteral("%"), false, {"Cordes", "Foulard", "Gobelets"},
         "Résultat de la recherche : 3 matériel(s)  "},
        {Result::Ok, QStringLiteral("zzz"), false, {}, "Résultat de la recherche : 0 matériel(s)  "},
        {Result::Ok, QString(), false, {"Cordes", "Foulard", "Gobelets"}, "3 matériel(s) enregistré(s)  "},
        {Result::Cancel, QStringLiteral("cuivre"), false, {"Cordes", "Foulard", "Gobelets"},
         "3 matériel(s) enregistré(s)  "},
    };
    whileListed([&] {
        for (const Case &c : cases) {
            Dialogs::Testing::push(c.answer, c.text, c.wide);
            Inventairemateriel->button(QStringLiteral("search"))->click();
            QCOMPARE(column(Inventairemateriel->grid(), QStringLiteral("nom")), c.listed);
            QCOMPARE(Inventairemateriel->countLabel()->text(), c.count);
        }
        Dialogs::Testing::push(Result::Ok, QStringLiteral("co"));
        Inventairemateriel->Search();
    });
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, QStringLiteral("Rechercher un matériel :"));
    QCOMPARE(r.checkCaption, QStringLiteral("Rechercher également dans la description"));
    QCOMPARE(r.panelWidth, 300);
    QCOMPARE(r.fieldWidth, 280);
    // "Fermer" drops the search.
    QVERIFY(Inventairemateriel->SearchText.isEmpty());
}

void TestEquipment::limitOf10000()
{
    Form1->collection().begin();
    QSqlQuery q(Form1->database());
    q.prepare(QStringLiteral("INSERT INTO materiels (nom, isImport) VALUES (?, 0)"));
    for (int i = 0; i < 10001; ++i) {
        q.addBindValue(QStringLiteral("Objet %1").arg(i, 5, 10, QLatin1Char('0')));
        QVERIFY(q.exec());
    }
    q.finish();
    Form1->collection().commit();
    int rows = 0;
    QString count, last;
    whileListed([&] {
        rows = Inventairemateriel->grid()->rowCount();
        count = Inventairemateriel->countLabel()->text();
        last = Inventairemateriel->grid()->cell(rows - 1, QStringLiteral("nom"));
    });
    QCOMPARE(rows, 10000);
    QCOMPARE(count, QStringLiteral("10000 matériel(s) enregistré(s)  "));
    QCOMPARE(last, QStringLiteral("Objet 09999"));
}

void TestEquipment::deleteAsksAndCascades()
{
    const qint64 used = insertItem(QStringLiteral("Anneaux"));
    const qint64 free = insertItem(QStringLiteral("Boite"));
    const qint64 tag = insertNamed(QStringLiteral("categorie"), QStringLiteral("Close-up"));
    const qint64 routine = insertNamed(QStringLiteral("routines"), QStringLiteral("Anneaux chinois"));
    exec(QStringLiteral("INSERT INTO lnk_materiels (id_materiel, id_dest) VALUES (?, ?), (?, ?)"),
         {used, routine, used, routine + 1});
    exec(QStringLiteral("INSERT INTO lnk_materiels (id_materiel, id_dest) VALUES (?, ?)"), {free, routine});
    // The same id as documentation must keep its tags.
    exec(QStringLiteral("INSERT INTO lnk_categories (id_categorie, dest, id_dest) VALUES (?, 1, ?), (?, 2, ?)"),
         {tag, used, tag, used});
    whileListed([&] {
        Inventairemateriel->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::No);
        Inventairemateriel->Delete();
        QCOMPARE(Inventairemateriel->grid()->rowCount(), 2);
        Dialogs::Testing::push(Result::Yes);
        Inventairemateriel->Delete();
    });
    const QVector<Dialogs::Request> &log = Dialogs::Testing::log();
    QCOMPARE(log.size(), 2);
    QCOMPARE(log[0].message, QStringLiteral("Ce matériel est actuellement affecté à une ou plusieurs routines. "
                                            "Voulez-vous quand même le supprimer ?"));
    QCOMPARE(log[0].buttons.first().caption, QStringLiteral("Supprimer"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels WHERE id=?"), {used}).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_materiels WHERE id_materiel=?"), {used}).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_materiels")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT dest FROM lnk_categories")).toInt(), 2);

    // An item no routine uses gets the plain question.
    exec(QStringLiteral("DELETE FROM lnk_materiels"));
    whileListed([&] {
        Inventairemateriel->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::Cancel);
        Inventairemateriel->Delete();
    });
    QCOMPARE(Dialogs::Testing::last().message, QStringLiteral("Voulez-vous supprimer le materiel Boite ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels")).toInt(), 1);
}

void TestEquipment::deleteReselects()
{
    for (const char *n : {"A", "B", "C", "D"})
        insertItem(QLatin1String(n));
    QList<int> selected;
    QStringList names;
    whileListed([&] {
        RecordGrid *g = Inventairemateriel->grid();
        for (int row : {0, 2, 1, 0}) {
            g->selectRowAt(row);
            Dialogs::Testing::push(Result::Yes);
            Inventairemateriel->Delete();
            selected << g->selectedRow();
            names << column(g, QStringLiteral("nom")).join(QString());
        }
    });
    QCOMPARE(names, (QStringList{"BCD", "BC", "B", ""}));
    QCOMPARE(selected, (QList<int>{0, 1, 0, -1}));
}

void TestEquipment::steppingFollowsShownOrder()
{
    insertItem(QStringLiteral("Anneaux"), QStringLiteral("z"));
    insertItem(QStringLiteral("Boite"), QStringLiteral("x"));
    insertItem(QStringLiteral("Cartes"), QStringLiteral("y"));
    QStringList shown;
    QList<bool> previous, next;
    auto record = [&] {
        shown << Editionmateriel->nameField()->text();
        previous << Editionmateriel->previousButton()->isVisible();
        next << Editionmateriel->nextButton()->isVisible();
    };
    whileListed([&] {
        RecordGrid *g = Inventairemateriel->grid();
        TestSupport::clickHeader(g, 2);
        g->selectRowAt(0);
        Showings s(Editionmateriel, {
                                        [&] { record(), Editionmateriel->nextButton()->click(); },
                                        [&] { record(), Editionmateriel->nextButton()->click(); },
                                        // The last row: no next button, and a step asked anyway goes nowhere.
                                        [&] { record(), Editionmateriel->Next(); },
                                    });
        Inventairemateriel->button(QStringLiteral("edit"))->click();
        QCOMPARE(s.count, 3);
        QCOMPARE(column(g, QStringLiteral("nom")), (QStringList{"Boite", "Cartes", "Anneaux"}));
        QCOMPARE(g->selectedRow(), 2);
        QCOMPARE(shown, (QStringList{"Boite", "Cartes", "Anneaux"}));
        QCOMPARE(next, (QList<bool>{true, true, false}));
        // Stepping back the other way, in view of the same order.
        shown.clear(), previous.clear(), next.clear();
        Showings back(Editionmateriel, {
                                           [&] { record(), Editionmateriel->previousButton()->click(); },
                                           [&] { record(), Editionmateriel->cancelButton()->click(); },
                                       });
        Inventairemateriel->Edit();
        QCOMPARE(back.count, 2);
    });
    QCOMPARE(shown, (QStringList{"Anneaux", "Cartes"}));
    QCOMPARE(previous, (QList<bool>{true, true}));
    QCOMPARE(next, (QList<bool>{false, true}));
}

void TestEquipment::importedGreyUntilSaved()
{
    insertItem(QStringLiteral("Importé"), QString(), 1);
    insertItem(QStringLiteral("Saisi"));
    bool greyBefore = false, otherGrey = true, greyAfterView = false, greyAfter = true;
    QString importCell;
    whileListed([&] {
        RecordGrid *g = Inventairemateriel->grid();
        greyBefore = g->isRowGrey(0);
        otherGrey = g->isRowGrey(1);
        importCell = g->cell(0, QStringLiteral("isImport"));
        g->selectRowAt(0);
        // Looking at it is not saving it.
        showEditor(ModeView, Inventairemateriel->idAt(0), [] { Editionmateriel->validateButton()->click(); });
        Inventairemateriel->Reload();
        greyAfterView = g->isRowGrey(0);
        Showings s(Editionmateriel, {[] { Editionmateriel->validateButton()->click(); }});
        Inventairemateriel->Edit();
        greyAfter = g->isRowGrey(0);
    });
    QVERIFY(greyBefore);
    QVERIFY(!otherGrey);
    QCOMPARE(importCell, QStringLiteral("1"));
    QVERIFY(greyAfterView);
    QVERIFY(!greyAfter);
    QCOMPARE(scalar(QStringLiteral("SELECT isImport FROM materiels WHERE nom='Importé'")).toInt(), 0);
}

// Bringing the minimised inventory back is no new opening: the title sort and the row stay.
void TestEquipment::restoreKeepsOrderAndRow()
{
    insertItem(QStringLiteral("Anneaux"), QStringLiteral("z"));
    insertItem(QStringLiteral("Boite"), QStringLiteral("x"));
    insertItem(QStringLiteral("Cartes"), QStringLiteral("y"));
    QStringList order;
    int selected = -1;
    whileListed([&] {
        RecordGrid *g = Inventairemateriel->grid();
        TestSupport::clickHeader(g, 2);
        g->selectRowAt(2);
        TestSupport::minimiseAndRestore(Inventairemateriel);
        order = column(g, QStringLiteral("nom"));
        selected = g->selectedRow();
    });
    QCOMPARE(order, (QStringList{"Boite", "Cartes", "Anneaux"}));
    QCOMPARE(selected, 2);
}

void TestEquipment::menuOpensInventory()
{
    bool shown = false;
    QTimer::singleShot(0, Inventairemateriel, [&] {
        shown = Inventairemateriel->isVisible();
        Inventairemateriel->Close();
    });
    Form1->action(QStringLiteral("actInventaireMateriel"))->trigger();
    QVERIFY(shown);
}

void TestEquipment::newIds_data()
{
    QTest::addColumn<QVariantList>("ids");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("empty table") << QVariantList() << qint64(1);
    QTest::newRow("gaps") << QVariantList{1, 2, 7} << qint64(8);
}

void TestEquipment::newIds()
{
    QFETCH(QVariantList, ids);
    QFETCH(qint64, expected);
    for (const QVariant &id : ids)
        exec(QStringLiteral("INSERT INTO materiels (id, nom) VALUES (?, ?)"), {id, QStringLiteral("n%1").arg(id.toInt())});
    qint64 shownId = 0;
    showEditor(ModeNew, 0, [&] {
        shownId = Editionmateriel->RecordId;
        QTest::keyClicks(Editionmateriel->nameField(), QStringLiteral("Nouveau"));
        Editionmateriel->validateButton()->click();
    });
    QCOMPARE(shownId, expected);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM materiels WHERE id=?"), {expected}).toString(),
             QStringLiteral("Nouveau"));
}

void TestEquipment::newItemRoundTrip()
{
    const qint64 supplier = insertNamed(QStringLiteral("fournisseurs"), QStringLiteral("Magicland"));
    const qint64 storage = insertNamed(QStringLiteral("rangement"), QStringLiteral("Armoire"));
    const qint64 lender = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    const qint64 tag = insertNamed(QStringLiteral("categorie"), QStringLiteral("Close-up"));
    TEditionmateriel *e = Editionmateriel;
    QString caption, validate;
    bool validateEnabled = true, cancelVisible = false, quantityEnabled = true;
    QList<int> kinds{-1, -1, -1, -1};
    showEditor(ModeNew, 0, [&] {
        caption = e->windowTitle();
        validate = e->validateButton()->text();
        validateEnabled = e->validateButton()->isEnabled();
        cancelVisible = e->cancelButton()->isVisible();
        quantityEnabled = e->quantityField()->isEnabled();
        QCOMPARE(e->purchaseValueField()->text(), QStringLiteral("0"));
        QVERIFY(e->pictureArea()->isPlaceholder());
        QVERIFY(!e->previousButton()->isVisible() && !e->nextButton()->isVisible());
        QTest::keyClicks(e->nameField(), QStringLiteral("  Gobelets\t"));
        QTest::keyClicks(e->designationField(), QStringLiteral("Cuivre"));
        e->toOrderBox()->click();
        e->maintenanceBox()->click();
        e->consumableBox()->click();
        QTest::keyClicks(e->quantityField(), QStringLiteral("3"));
        QTest::keyClicks(e->purchaseDateField(), QStringLiteral("12/05/2020 et plus"));
        e->purchaseValueField()->setText(QStringLiteral("12,5"));
        e->linkField()->setText(QStringLiteral("http://exemple.fr/a b?c=d"));
        e->descriptionText()->setPlainText(QStringLiteral("Ligne 1\n\tLigne 2"));
        pickNext(QStringLiteral("Magic"), &kinds[0]);
        click(e->supplierField());
        pickNext(QStringLiteral("Armoire"), &kinds[1]);
        click(e->storageField());
        pickNext(QStringLiteral("Alice"), &kinds[2]);
        click(e->lenderField());
        pickNext(QStringLiteral("Close"), &kinds[3]);
        e->button(QStringLiteral("tagAdd"))->click();
        QCOMPARE(e->supplierField()->text(), QStringLiteral("Magicland"));
        e->validateButton()->click();
    });
    QCOMPARE(caption, QStringLiteral("Nouveau matériel"));
    QCOMPARE(validate, QStringLiteral("Valider"));
    QVERIFY(!validateEnabled);
    QVERIFY(cancelVisible);
    QVERIFY(!quantityEnabled);
    QCOMPARE(kinds, (QList<int>{5, 1, 4, 2}));

    QSqlQuery q(Form1->database());
    QVERIFY(q.exec(QStringLiteral("SELECT * FROM materiels")));
    QVERIFY(q.next());
    auto v = [&q](const char *f) { return q.value(QLatin1String(f)); };
    QCOMPARE(v("id").toInt(), 1);
    QCOMPARE(v("nom").toString(), QStringLiteral("Gobelets"));
    QCOMPARE(v("designation").toString(), QStringLiteral("Cuivre"));
    QCOMPARE(v("isAcommander").toString(), QStringLiteral("1"));
    QCOMPARE(v("isHS").toString(), QStringLiteral("0"));
    QCOMPARE(v("isMaintenance").toString(), QStringLiteral("1"));
    QCOMPARE(v("isConsommable").toString(), QStringLiteral("1"));
    QCOMPARE(v("quantite").toString(), QStringLiteral("3"));
    QCOMPARE(v("date_achat").toString(), QStringLiteral("12/05/2020")); // at most 10 characters
    QCOMPARE(v("valeur_achat").toString(), QStringLiteral("12,5"));
    QCOMPARE(v("url").toString(), QStringLiteral("http://exemple.fr/a b?c=d"));
    QCOMPARE(v("description").toString(), QStringLiteral("Ligne 1\n\tLigne 2"));
    QCOMPARE(v("id_fournisseur").toLongLong(), supplier);
    QCOMPARE(v("id_rangement").toLongLong(), storage);
    QCOMPARE(v("id_pret").toLongLong(), lender);
    QCOMPARE(v("isImport").toInt(), 0);
    QCOMPARE(v("visuel").toByteArray(), FieldRules::placeholderBytes());
    q.finish();
    QCOMPARE(scalar(QStringLiteral("SELECT id_categorie FROM lnk_categories WHERE dest=1 AND id_dest=1")).toLongLong(),
             tag);

    // Read back in ModeEdit; the supplier removed and nothing else changed.
    QString name, supplierShown, storageShown, lenderShown;
    QStringList tags;
    showEditor(ModeEdit, 1, [&] {
        caption = e->windowTitle();
        validateEnabled = e->validateButton()->isEnabled();
        name = e->nameField()->text();
        supplierShown = e->supplierField()->text();
        storageShown = e->storageField()->text();
        lenderShown = e->lenderField()->text();
        tags = column(e->tagGrid(), QStringLiteral("nom"));
        quantityEnabled = e->quantityField()->isEnabled();
        QVERIFY(e->toOrderBox()->isChecked() && !e->outOfServiceBox()->isChecked());
        QCOMPARE(e->descriptionText()->toPlainText(), QStringLiteral("Ligne 1\n\tLigne 2"));
        e->button(QStringLiteral("supplierClear"))->click();
        e->validateButton()->click();
    });
    QCOMPARE(caption, QStringLiteral("Edition d'un matériel"));
    QVERIFY(validateEnabled);
    QVERIFY(quantityEnabled);
    QCOMPARE(name, QStringLiteral("Gobelets"));
    QCOMPARE(supplierShown, QStringLiteral("Magicland"));
    QCOMPARE(storageShown, QStringLiteral("Armoire"));
    QCOMPARE(lenderShown, QStringLiteral("Alice"));
    QCOMPARE(tags, QStringList{QStringLiteral("Close-up")});
    QCOMPARE(scalar(QStringLiteral("SELECT id_fournisseur FROM materiels")).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_rangement FROM materiels")).toLongLong(), storage);
    // The tags were not touched, so not rewritten.
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories")).toInt(), 1);
}

// Texts longer than the field limits (written by an import) survive an edit; a new item is
// limited again.
void TestEquipment::longStoredTextsKept()
{
    const QString name = QString(300, QLatin1Char('n')), designation = QString(300, QLatin1Char('d'));
    const QString date = QStringLiteral("12/05/2020x");
    const qint64 id = exec(QStringLiteral("INSERT INTO materiels (id, nom, designation, date_achat) VALUES (1, ?, ?, ?)"),
                           {name, designation, date});
    showEditor(ModeEdit, id, [] { Editionmateriel->validateButton()->click(); });
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM materiels WHERE id=1")).toString(), name);
    QCOMPARE(scalar(QStringLiteral("SELECT designation FROM materiels WHERE id=1")).toString(), designation);
    QCOMPARE(scalar(QStringLiteral("SELECT date_achat FROM materiels WHERE id=1")).toString(), date);
    int nameLimit = 0, dateLimit = 0;
    showEditor(ModeNew, 0, [&] {
        nameLimit = Editionmateriel->nameField()->maxLength();
        dateLimit = Editionmateriel->purchaseDateField()->maxLength();
    });
    QCOMPARE(nameLimit, 255);
    QCOMPARE(dateLimit, 10);
}

void TestEquipment::blankNameRefused()
{
    TEditionmateriel *e = Editionmateriel;
    QList<bool> enabled;
    QString afterRefusal;
    showEditor(ModeNew, 0, [&] {
        enabled << e->validateButton()->isEnabled();
        QTest::keyClicks(e->nameField(), QStringLiteral("   "));
        enabled << e->validateButton()->isEnabled();
        e->validateButton()->click();
        enabled << e->validateButton()->isEnabled() << e->isVisible();
        afterRefusal = e->nameField()->text();
        QTest::keyClicks(e->nameField(), QStringLiteral("a"));
        enabled << e->validateButton()->isEnabled();
    });
    QCOMPARE(enabled, (QList<bool>{false, true, false, true, true}));
    QCOMPARE(afterRefusal, QString());
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels")).toInt(), 0);
}

void TestEquipment::duplicateNamesRefused()
{
    const qint64 vis = insertItem(QStringLiteral("Vis"), QStringLiteral("acier"));
    const qint64 other = insertItem(QStringLiteral("Ecrou"));
    TEditionmateriel *e = Editionmateriel;
    bool open = false;
    QString kept;
    showEditor(ModeNew, 0, [&] {
        QTest::keyClicks(e->nameField(), QStringLiteral("vis"));
        QTest::keyClicks(e->designationField(), QStringLiteral("laiton"));
        e->validateButton()->click();
        open = e->isVisible();
        kept = e->nameField()->text() + QLatin1Char('/') + e->designationField()->text();
    });
    QVERIFY(open);
    QCOMPARE(kept, QStringLiteral("vis/laiton"));
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, QStringLiteral("Ce matériel existe déjà !"));
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).caption, QStringLiteral("Erreur !"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels")).toInt(), 2);

    // Editing an item without renaming it, or only changing its letter case, passes.
    showEditor(ModeEdit, vis, [&] {
        e->designationField()->setText(QStringLiteral("inox"));
        e->validateButton()->click();
    });
    showEditor(ModeEdit, vis, [&] {
        e->nameField()->setText(QStringLiteral("VIS"));
        e->validateButton()->click();
    });
    QCOMPARE(scalar(QStringLiteral("SELECT nom || designation FROM materiels WHERE id=?"), {vis}).toString(),
             QStringLiteral("VISinox"));

    // Renaming another item to it is refused, and the step asked with that save is dropped.
    Dialogs::Testing::clear();
    whileListed([&] {
        Inventairemateriel->grid()->selectRowAt(0); // Ecrou, VIS
        Showings s(Editionmateriel, {[&] {
                       e->nameField()->setText(QStringLiteral("vis"));
                       e->nextButton()->click();
                       open = e->isVisible();
                       QVERIFY(!e->GoNext);
                       e->cancelButton()->click();
                   }});
        Inventairemateriel->Edit();
        QCOMPARE(s.count, 1);
    });
    QVERIFY(open);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, QStringLiteral("Ce matériel existe déjà !"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM materiels WHERE id=?"), {other}).toString(), QStringLiteral("Ecrou"));
}

void TestEquipment::viewModeIsReadOnly()
{
    const qint64 storage = insertNamed(QStringLiteral("rangement"), QStringLiteral("Armoire"));
    exec(QStringLiteral("UPDATE rangement SET description='au grenier'"));
    const qint64 supplier = insertNamed(QStringLiteral("fournisseurs"), QStringLiteral("Magicland"));
    insertNamed(QStringLiteral("fournisseurs"), QStringLiteral("Autre"));
    const qint64 lender = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    const qint64 tag = insertNamed(QStringLiteral("categorie"), QStringLiteral("Close-up"));
    insertNamed(QStringLiteral("categorie"), QStringLiteral("Scène"));
    const qint64 id = insertItem(QStringLiteral("Gobelets"), QStringLiteral("Cuivre"), 1);
    exec(QStringLiteral("UPDATE materiels SET isConsommable='1', isHS='1', quantite='4', url=?, id_fournisseur=?, "
                        "id_rangement=?, id_pret=? WHERE id=?"),
         {QStringLiteral("http://exemple.fr/a b?c=d"), supplier, storage, lender, id});
    exec(QStringLiteral("INSERT INTO lnk_categories (id_categorie, dest, id_dest) VALUES (?, 1, ?)"), {tag, id});

    TEditionmateriel *e = Editionmateriel;
    bool selectionOpened = false;
    QString caption, validate;
    bool cancelVisible = true, allReadOnly = false, boxesDisabled = false, flagsShown = false, descriptionReadOnly = false;
    showEditor(ModeView, id, [&] {
        caption = e->windowTitle();
        validate = e->validateButton()->text();
        cancelVisible = e->cancelButton()->isVisible();
        allReadOnly = true;
        for (QLineEdit *f : {e->nameField(), e->designationField(), e->quantityField(), e->purchaseDateField(),
                             static_cast<QLineEdit *>(e->purchaseValueField()), e->linkField()})
            allReadOnly = allReadOnly && f->isReadOnly();
        boxesDisabled = true;
        for (QCheckBox *b : {e->toOrderBox(), e->outOfServiceBox(), e->maintenanceBox(), e->consumableBox()})
            boxesDisabled = boxesDisabled && !b->isEnabled();
        flagsShown = e->outOfServiceBox()->isChecked() && e->consumableBox()->isChecked();
        descriptionReadOnly = e->descriptionText()->isReadOnly();
        QCOMPARE(e->previousButton()->toolTip(), QStringLiteral("Afficher la fiche précédente"));

        // Look-up, tag and picture clicks do nothing.
        for (LookupField *f : {e->supplierField(), e->storageField(), e->lenderField()}) {
            refuseSelection(&selectionOpened);
            click(f);
        }
        for (const char *b : {"supplierClear", "storageClear", "lenderClear", "tagAdd", "tagRemove"}) {
            refuseSelection(&selectionOpened);
            e->tagGrid()->selectRowAt(0);
            e->button(QLatin1String(b))->click();
        }
        QVERIFY(!e->button(QStringLiteral("tagAdd"))->isEnabled());
        // Even when called directly.
        refuseSelection(&selectionOpened);
        e->tagGrid()->add();
        e->tagGrid()->removeSelected();
        e->supplierField()->clearChoice();
        click(e->pictureArea());
        QCOMPARE(e->supplierField()->text(), QStringLiteral("Magicland"));
        QCOMPARE(column(e->tagGrid(), QStringLiteral("nom")), QStringList{QStringLiteral("Close-up")});

        // Storage information and the link still work.
        e->button(QStringLiteral("storageInfo"))->click();
        e->button(QStringLiteral("visitLink"))->click();
        e->validateButton()->click();
    });
    QVERIFY(!selectionOpened);
    QCOMPARE(caption, QStringLiteral("Edition d'un matériel"));
    QCOMPARE(validate, QStringLiteral("Retour"));
    QVERIFY(!cancelVisible);
    QVERIFY(allReadOnly);
    QVERIFY(boxesDisabled);
    QVERIFY(flagsShown);
    QVERIFY(descriptionReadOnly);
    const Dialogs::Request info = Dialogs::Testing::last(QStringLiteral("storage"));
    QCOMPARE(info.message, QStringLiteral("Armoire - au grenier"));
    QCOMPARE(info.caption, QStringLiteral("Rangement ..."));
    QVERIFY(Dialogs::Testing::last(QStringLiteral("picture")).kind.isEmpty());
    QCOMPARE(Desktop::Testing::opened().size(), 1);
    QCOMPARE(Desktop::Testing::opened().first().toString(QUrl::FullyEncoded),
             QStringLiteral("http://exemple.fr/a%20b%3Fc%3Dd"));
    // "Retour" wrote nothing: the item is still marked as imported.
    QCOMPARE(scalar(QStringLiteral("SELECT isImport FROM materiels")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories")).toInt(), 1);
}

void TestEquipment::quantityFollowsConsumable()
{
    const qint64 id = insertItem(QStringLiteral("Flash paper"));
    exec(QStringLiteral("UPDATE materiels SET isConsommable='1', quantite='12' WHERE id=?"), {id});
    TEditionmateriel *e = Editionmateriel;
    QList<bool> enabled;
    showEditor(ModeEdit, id, [&] {
        enabled << e->quantityField()->isEnabled();
        e->consumableBox()->click();
        enabled << e->quantityField()->isEnabled();
        e->validateButton()->click();
    });
    QCOMPARE(enabled, (QList<bool>{true, false}));
    QCOMPARE(scalar(QStringLiteral("SELECT isConsommable || '/' || quantite FROM materiels")).toString(),
             QStringLiteral("0/12"));
}

void TestEquipment::tagsAddedOnceAndRemoved()
{
    const qint64 closeup = insertNamed(QStringLiteral("categorie"), QStringLiteral("Close-up"));
    const qint64 scene = insertNamed(QStringLiteral("categorie"), QStringLiteral("Scène"));
    const qint64 id = insertItem(QStringLiteral("Gobelets"));
    exec(QStringLiteral("INSERT INTO lnk_categories (id_categorie, dest, id_dest) VALUES (?, 1, ?), (?, 3, ?)"),
         {closeup, id, closeup, id});
    TEditionmateriel *e = Editionmateriel;
    QStringList rows;
    bool changedByDuplicate = false;
    showEditor(ModeEdit, id, [&] {
        pickNext(QStringLiteral("Close"));
        e->button(QStringLiteral("tagAdd"))->click();
        changedByDuplicate = e->LinksChanged;
        pickNext(QStringLiteral("Scène"));
        e->button(QStringLiteral("tagAdd"))->click();
        pickNext(QString()); // cancelled
        e->button(QStringLiteral("tagAdd"))->click();
        rows = column(e->tagGrid(), QStringLiteral("nom"));
        QCOMPARE(e->tagGrid()->selectedRow(), 1);
        e->validateButton()->click();
    });
    QVERIFY(changedByDuplicate);
    QCOMPARE(rows, (QStringList{"Close-up", "Scène"}));
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(id_categorie) FROM lnk_categories WHERE dest=1")).toString(),
             QStringLiteral("%1,%2").arg(closeup).arg(scene));

    showEditor(ModeEdit, id, [&] {
        while (e->tagGrid()->rowCount() > 0) {
            e->tagGrid()->selectRowAt(0);
            e->button(QStringLiteral("tagRemove"))->click();
        }
        e->button(QStringLiteral("tagRemove"))->click(); // nothing left to remove
        e->validateButton()->click();
    });
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories WHERE dest=1")).toInt(), 0);
    // The routine with the same id keeps its tag.
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories WHERE dest=3")).toInt(), 1);
}

void TestEquipment::badStoredPicture_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("GIF89a? plutot du texte");
    QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10);
}

void TestEquipment::badStoredPicture()
{
    QFETCH(QByteArray, stored);
    const qint64 id = insertItem(QStringLiteral("Gobelets"), QStringLiteral("Cuivre"));
    exec(QStringLiteral("UPDATE materiels SET visuel=? WHERE id=?"), {stored, id});
    TEditionmateriel *e = Editionmateriel;
    bool placeholder = false;
    QString designation;
    showEditor(ModeEdit, id, [&] {
        placeholder = e->pictureArea()->isPlaceholder();
        designation = e->designationField()->text();
        e->validateButton()->click();
    });
    QVERIFY(Dialogs::Testing::last(QStringLiteral("information"))
                .message.startsWith(QStringLiteral("Erreur de lecture de l'image :")));
    QVERIFY(placeholder);
    QCOMPARE(designation, QStringLiteral("Cuivre"));
    QCOMPARE(scalar(QStringLiteral("SELECT visuel FROM materiels")).toByteArray(), FieldRules::placeholderBytes());
}

void TestEquipment::purchaseValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("euro sign") << "12,50 €" << "12,50" << "12,50";
    QTest::newRow("point") << "12.5" << "12,5" << "12,5";
    QTest::newRow("thousands point") << "1.234,5" << "1,234,5" << "0";
    QTest::newRow("letters") << "abc" << "" << "0";
    QTest::newRow("empty") << "" << "" << "0";
}

void TestEquipment::purchaseValues()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, afterLeaving);
    const qint64 id = insertItem(QStringLiteral("Gobelets"));
    exec(QStringLiteral("UPDATE materiels SET valeur_achat=? WHERE id=?"), {stored, id});
    TEditionmateriel *e = Editionmateriel;
    QString atOpen, left;
    // Saved as shown when the field was not left...
    showEditor(ModeEdit, id, [&] {
        atOpen = e->purchaseValueField()->text();
        e->validateButton()->click();
    });
    QCOMPARE(atOpen, shown);
    QCOMPARE(scalar(QStringLiteral("SELECT valeur_achat FROM materiels")).toString(), shown);
    // ...and checked when it is left (not when another window comes to the front).
    QString other;
    showEditor(ModeEdit, id, [&] {
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(e->purchaseValueField(), &away);
        other = e->purchaseValueField()->text();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e->purchaseValueField(), &out);
        left = e->purchaseValueField()->text();
    });
    QCOMPARE(other, shown);
    QCOMPARE(left, afterLeaving);
}

void TestEquipment::purchaseKeyFilter()
{
    AmountField field;
    QTest::keyClicks(&field, QStringLiteral("1a2 x,"));
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QStringLiteral("€"), Qt::NoModifier);
    QTest::keyClicks(&field, QStringLiteral("5"));
    QCOMPARE(field.text(), QStringLiteral("12,5"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, QStringLiteral(".7"));
    QCOMPARE(field.text(), QStringLiteral("12,.7"));
    field.checkAmount();
    QCOMPARE(field.text(), QStringLiteral("0"));
}

void TestEquipment::searchAfterSaves()
{
    const qint64 id = insertItem(QStringLiteral("Gobelets"));
    Inventairemateriel->SearchText = QStringLiteral("gob");
    showEditor(ModeEdit, id, [] { Editionmateriel->validateButton()->click(); });
    QCOMPARE(Inventairemateriel->SearchText, QStringLiteral("gob"));
    QCOMPARE(Inventairemateriel->countLabel()->text(), QStringLiteral("Résultat de la recherche : 1 matériel(s)  "));
    showEditor(ModeNew, 0, [] {
        Editionmateriel->nameField()->setText(QStringLiteral("Cordes"));
        Editionmateriel->validateButton()->click();
    });
    QVERIFY(Inventairemateriel->SearchText.isEmpty());
    QCOMPARE(Inventairemateriel->countLabel()->text(), QStringLiteral("2 matériel(s) enregistré(s)  "));
    // "Annuler" writes nothing.
    showEditor(ModeEdit, id, [] {
        Editionmateriel->nameField()->setText(QStringLiteral("Autre"));
        Editionmateriel->cancelButton()->click();
    });
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels WHERE nom='Autre'")).toInt(), 0);
}

void TestEquipment::borrowerCardButtonHiddenOnce()
{
    const qint64 id = insertItem(QStringLiteral("Gobelets"));
    QList<bool> visible;
    auto look = [&] { visible << Editionmateriel->button(QStringLiteral("lenderCard"))->isVisible(); };
    Editionmateriel->hideBorrowerCardButtonOnce();
    showEditor(ModeView, id, look);
    showEditor(ModeView, id, look);
    QCOMPARE(visible, (QList<bool>{false, true}));
}

void TestEquipment::cardsAndWebSearchInEveryMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("edit") << int(ModeEdit);
    QTest::newRow("view") << int(ModeView);
}

void TestEquipment::cardsAndWebSearchInEveryMode()
{
    QFETCH(int, mode);
    const qint64 supplier = insertNamed(QStringLiteral("fournisseurs"), QStringLiteral("Magicland"));
    const qint64 lender = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    const qint64 id = insertItem(QStringLiteral("Jeu Bicycle"), QStringLiteral("dos rouge"));
    exec(QStringLiteral("UPDATE materiels SET id_fournisseur=?, id_pret=? WHERE id=?"), {supplier, lender, id});
    exec(QStringLiteral("UPDATE moteurs SET actif=0"));
    exec(QStringLiteral("UPDATE moteurs SET actif=1, url='https://cherche.example/?q=[_search_]' WHERE id=1"));
    TEditionmateriel *e = Editionmateriel;
    QList<QPair<int, qint64>> cards;
    QStringList menu;
    auto closeCard = [&](QDialog *card, EditorContract *contract) {
        QTimer::singleShot(0, card, [&cards, card, contract] {
            cards << qMakePair(int(contract->EditorMode), contract->RecordId);
            card->reject();
        });
    };
    showEditor(EditorMode(mode), id, [&] {
        closeCard(Editfournisseur, Editfournisseur);
        e->button(QStringLiteral("supplierCard"))->click();
        closeCard(Editioncontact, Editioncontact);
        e->button(QStringLiteral("lenderCard"))->click();
        for (TMenuItemExtended *item : e->webSearchMenu()->items())
            menu << item->text();
        e->button(QStringLiteral("webSearchDesignation"))->click();
        if (!e->webSearchMenu()->items().isEmpty())
            e->webSearchMenu()->items().first()->trigger();
        e->webSearchMenu()->hide();
        // A search for an empty field offers nothing.
        e->designationField()->setReadOnly(false);
        e->designationField()->clear();
        e->button(QStringLiteral("webSearchDesignation"))->click();
        QVERIFY(!e->webSearchMenu()->isVisible());
    });
    QCOMPARE(cards, (QList<QPair<int, qint64>>{{int(ModeView), supplier}, {int(ModeView), lender}}));
    QCOMPARE(menu, QStringList{QStringLiteral("Google")});
    QCOMPARE(Desktop::Testing::opened().size(), 1);
    QCOMPARE(Desktop::Testing::opened().first().toString(QUrl::FullyEncoded),
             QStringLiteral("https://cherche.example/?q=dos%20rouge"));

    // Without a supplier or a borrower the card buttons open nothing.
    exec(QStringLiteral("UPDATE materiels SET id_fournisseur=0, id_pret=0"));
    cards.clear();
    showEditor(EditorMode(mode), id, [&] {
        e->button(QStringLiteral("supplierCard"))->click();
        e->button(QStringLiteral("lenderCard"))->click();
    });
    QVERIFY(cards.isEmpty());
}

void TestEquipment::loanOfContactCardOpensItem()
{
    const qint64 lender = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    const qint64 id = insertItem(QStringLiteral("Gobelets"));
    insertItem(QStringLiteral("Cordes"));
    exec(QStringLiteral("UPDATE materiels SET id_pret=? WHERE id=?"), {lender, id});
    bool shown = false, buttonVisible = true, stepping = true;
    int mode = -1;
    QString name;
    QTimer::singleShot(0, Editioncontact, [&] {
        RecordGrid *loans = Editioncontact->loansGrid();
        loans->selectRowAt(0);
        Showings s(Editionmateriel, {[&] {
                       shown = true;
                       mode = int(Editionmateriel->EditorMode);
                       name = Editionmateriel->nameField()->text();
                       buttonVisible = Editionmateriel->button(QStringLiteral("lenderCard"))->isVisible();
                       stepping = Editionmateriel->previousButton()->isVisible() ||
                                  Editionmateriel->nextButton()->isVisible();
                       Editionmateriel->validateButton()->click();
                   }});
        emit loans->rowActivated(0);
        Editioncontact->reject();
    });
    Editioncontact->EditorMode = ModeEdit;
    Editioncontact->RecordId = lender;
    Editioncontact->exec();
    QVERIFY(shown);
    QCOMPARE(mode, int(ModeView));
    QCOMPARE(name, QStringLiteral("Gobelets"));
    QVERIFY(!buttonVisible);
    QVERIFY(!stepping);
    QVERIFY(!Editionmateriel->button(QStringLiteral("lenderCard"))->isHidden());
}

QTEST_MAIN(TestEquipment)
#include "tst_equipment.moc"
