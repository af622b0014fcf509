#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Trecherchesql.h"
#include "reference/TAssistantauteur.h"
#include "reference/TAssistantcategories.h"
#include "reference/TForm3.h"
#include "reference/TForm4.h"
#include "reference/TGestionauteurs.h"
#include "reference/TGestioncategories.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using Dialogs::Result;

namespace {

using TestSupport::column;
using TestSupport::exec;
using TestSupport::scalar;
using TestSupport::whileShown;

NamedListWindow *window(int which)
{
    switch (which) {
    case 0: return Form4;
    case 1: return Gestioncategories;
    default: return Gestionauteurs;
    }
}

AddWizard *wizard(int which)
{
    switch (which) {
    case 0: return Form3;
    case 1: return Assistantcategories;
    default: return Assistantauteur;
    }
}

QString table(int which)
{
    return QStringList{QStringLiteral("rangement"), QStringLiteral("categorie"), QStringLiteral("auteurs")}[which];
}

void addThroughWizard(AddWizard *wizard, const QString &name)
{
    QTimer::singleShot(0, wizard, [wizard, name] {
        QTest::keyClicks(wizard->nameEdit(), name);
        wizard->validateButton()->click();
        if (wizard->isVisible())
            wizard->cancelButton()->click();
    });
}

} // namespace

class TestNamedLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAsDesigned_data();
    void windowsAsDesigned();
    void listAndSearch_data();
    void listAndSearch();
    void literalSearchAndOddNames();
    void addAndRefuseDuplicates_data();
    void addAndRefuseDuplicates();
    void blankNameRefused();
    void wizardCancel();
    void deleteTagRemovesLinks();
    void deleteStoragePlaceClearsPlaces();
    void deleteAuthorKeepsTechniques();
    void deleteCancelledKeepsAll();
    void reselectionAfterDelete();
    void renameAuthor();
    void closingEmptiesFilter();
    void menuOpensLists();
    void titleClickSorts();
    void selectionDialogCreatesThroughWizard();

private:
    QTemporaryDir m_dir;
};

void TestNamedLists::initTestCase()
{
    TestSupport::initGui();
}

void TestNamedLists::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestNamedLists::cleanup()
{
    TestSupport::destroyWindows();
}

void TestNamedLists::windowsAsDesigned_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("hints");
    QTest::newRow("storage") << 0 << "Gestion des rangements" << QSize(766, 532) << QSize(760, 530)
                             << QStringList{"Nom", "Description"}
                             << QStringList{"Rechercher un rangement", "Ajouter un rangement", "Supprimer le rangement"};
    QTest::newRow("tags") << 1 << "Gestion des balises" << QSize(591, 533) << QSize(500, 500)
                          << QStringList{"Balises"}
                          << QStringList{"Rechercher une balise", "Ajouter une balise", "Supprimer une balise"};
    QTest::newRow("authors") << 2 << "Gestion des auteurs" << QSize(590, 533) << QSize(500, 500)
                             << QStringList{"ID", "Auteur / Créateur"}
                             << QStringList{"Rechercher un auteur", "Ajouter un auteur", "Supprimer un auteur",
                                            "Editer un auteur"};
}

void TestNamedLists::windowsAsDesigned()
{
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, hints);
    ListWindow *w = window(which);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), minimum);
    QStringList seen;
    for (int c = 0; c < w->grid()->columnCount(); ++c)
        seen << w->grid()->horizontalHeaderItem(c)->text();
    QCOMPARE(seen, headers);
    if (which == 2)
        QVERIFY(w->grid()->isColumnHidden(0));
    QStringList tips;
    for (const char *b : {"search", "add", "delete", "edit"})
        if (QToolButton *tb = w->button(QString::fromLatin1(b)))
            tips << tb->toolTip();
    QCOMPARE(tips, hints);
    QCOMPARE(w->closeButton()->text(), QStringLiteral("Fermer"));
}

void TestNamedLists::listAndSearch_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("storage") << 0 << "Rechercher un rangement :";
    QTest::newRow("tags") << 1 << "Rechercher une balise :";
    QTest::newRow("authors") << 2 << "Rechercher un auteur ou créateur :";
}

void TestNamedLists::listAndSearch()
{
    QFETCH(int, which);
    QFETCH(QString, prompt);
    for (const char *n : {"valise", "Armoire", "étagère", "Boîte noire"})
        exec(QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table(which)), {QString::fromUtf8(n)});
    if (which == 0)
        exec(QStringLiteral("UPDATE rangement SET description='dans la valise' WHERE nom='Armoire'"));
    ListWindow *w = window(which);
    QStringList all, filtered, cancelled;
    whileShown(w, [&] {
        all = column(w->grid(), QStringLiteral("nom"));
        Dialogs::Testing::push(Result::Ok, QStringLiteral("VALISE"));
        w->button(QStringLiteral("search"))->click();
        filtered = column(w->grid(), QStringLiteral("nom"));
        Dialogs::Testing::push(Result::Cancel, QStringLiteral("valise"));
        w->button(QStringLiteral("search"))->click();
        cancelled = column(w->grid(), QStringLiteral("nom"));
    });
    // Name order; LIKE ignores the case of unaccented letters.
    QCOMPARE(all, (QStringList{"Armoire", "Boîte noire", "valise", "étagère"}));
    // Storage places are also found by their description.
    QCOMPARE(filtered, (which == 0 ? QStringList{"Armoire", "valise"} : QStringList{"valise"}));
    QCOMPARE(cancelled, all);
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, prompt);
    QCOMPARE(r.caption, QStringLiteral("Recherche ..."));
    QCOMPARE(r.panelWidth, 300);
    QCOMPARE(r.fieldWidth, 280);
}

void TestNamedLists::literalSearchAndOddNames()
{
    const QStringList names{QStringLiteral("100% magie"), QStringLiteral("1000 magies"), QStringLiteral("l'as"),
                            QStringLiteral("a_b"), QStringLiteral("axb"), QStringLiteral("C:\\tours")};
    for (const QString &n : names)
        addThroughWizard(Assistantcategories, n), Gestioncategories->Add();
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categorie")).toInt(), names.size());
    for (const QString &n : names)
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categorie WHERE nom=?"), {n}).toInt(), 1);

    const QList<QPair<QString, QStringList>> searches{
        {QStringLiteral("%"), {QStringLiteral("100% magie")}},
        {QStringLiteral("_"), {QStringLiteral("a_b")}},
        {QStringLiteral("'"), {QStringLiteral("l'as")}},
        {QStringLiteral("\\"), {QStringLiteral("C:\\tours")}},
        {QStringLiteral("100"), {QStringLiteral("100% magie"), QStringLiteral("1000 magies")}},
    };
    for (const auto &s : searches) {
        Gestioncategories->SearchFilter = s.first;
        Gestioncategories->reloadSelecting(0);
        QCOMPARE(column(Gestioncategories->grid(), QStringLiteral("nom")), s.second);
    }
}

void TestNamedLists::addAndRefuseDuplicates_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("message");
    QTest::newRow("storage") << 0 << "Ce rangement existe déjà !";
    QTest::newRow("tags") << 1 << "Cette catégorie existe déjà !";
    QTest::newRow("authors") << 2 << "Cet auteur existe déjà !";
}

void TestNamedLists::addAndRefuseDuplicates()
{
    QFETCH(int, which);
    QFETCH(QString, message);
    AddWizard *wz = wizard(which);
    NamedListWindow *w = window(which);
    bool enabledBefore = true, stillOpen = false;
    QString fieldAfter;
    whileShown(w, [&] {
        QTimer::singleShot(0, wz, [&] {
            enabledBefore = wz->validateButton()->isEnabled();
            QTest::keyClicks(wz->nameEdit(), QStringLiteral("  Valise rouge\t"));
            if (wz->descriptionEdit())
                QTest::keyClicks(wz->descriptionEdit(), QStringLiteral("au grenier"));
            wz->validateButton()->click();
        });
        w->button(QStringLiteral("add"))->click();
        // The same name in other letter case is refused; the wizard stays open.
        QTimer::singleShot(0, wz, [&] {
            QTest::keyClicks(wz->nameEdit(), QStringLiteral("VALISE ROUGE"));
            wz->validateButton()->click();
            stillOpen = wz->isVisible();
            fieldAfter = wz->nameEdit()->text();
            wz->cancelButton()->click();
        });
        w->button(QStringLiteral("add"))->click();
    });
    QVERIFY(!enabledBefore);
    QVERIFY(stillOpen);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, message);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table(which))).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM %1").arg(table(which))).toString(), QStringLiteral("Valise rouge"));
    if (which == 0)
        QCOMPARE(scalar(QStringLiteral("SELECT description FROM rangement")).toString(), QStringLiteral("au grenier"));
    // "Annuler" keeps the field, but for authors.
    QCOMPARE(wz->nameEdit()->text(), which == 2 ? QString() : QStringLiteral("VALISE ROUGE"));
    Q_UNUSED(fieldAfter);
}

void TestNamedLists::blankNameRefused()
{
    for (const QString &blank : {QStringLiteral("   "), QStringLiteral("\t\n\x01")}) {
        Assistantcategories->nameEdit()->setText(blank);
        QVERIFY(Assistantcategories->validateButton()->isEnabled());
        Assistantcategories->Validate();
        QVERIFY(Assistantcategories->nameEdit()->text().isEmpty());
        QVERIFY(!Assistantcategories->validateButton()->isEnabled());
    }
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categorie")).toInt(), 0);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestNamedLists::wizardCancel()
{
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Nouveau rangement"));
    QCOMPARE(Assistantcategories->windowTitle(), QStringLiteral("Nouvelle balise"));
    QCOMPARE(Assistantauteur->windowTitle(), QStringLiteral("Nouvel auteur "));
    QVERIFY(Form3->helpText().startsWith(QStringLiteral("Dans Vorelis, un rangement désigne un endroit ou  un objet")));
    QVERIFY(Assistantcategories->helpText().endsWith(QStringLiteral("un matériel, un livre ...")));
    QVERIFY(Assistantauteur->helpText().contains(QStringLiteral("\n- nom prenom ou  pseudonyme\n")));
    QTimer::singleShot(0, Form3, [] { QTest::keyClick(Form3, Qt::Key_Escape); });
    Form3->nameEdit()->setText(QStringLiteral("Tiroir"));
    QCOMPARE(Form3->exec(), int(QDialog::Rejected));
    QCOMPARE(Form3->nameEdit()->text(), QStringLiteral("Tiroir"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM rangement")).toInt(), 0);
}

void TestNamedLists::deleteTagRemovesLinks()
{
    exec(QStringLiteral("INSERT INTO categorie (nom) VALUES ('Close-up'), ('Mentalisme')"));
    const int closeup = scalar(QStringLiteral("SELECT id FROM categorie WHERE nom='Close-up'")).toInt();
    const int mental = scalar(QStringLiteral("SELECT id FROM categorie WHERE nom='Mentalisme'")).toInt();
    for (int dest = 1; dest <= 3; ++dest)
        exec(QStringLiteral("INSERT INTO lnk_categories (id_categorie, dest, id_dest) VALUES (?, ?, 7)"),
             {closeup, dest});
    exec(QStringLiteral("INSERT INTO lnk_categories (id_categorie, dest, id_dest) VALUES (?, 1, 7)"), {mental});
    whileShown(Gestioncategories, [] {
        Gestioncategories->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::Yes);
        Gestioncategories->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer la catégorie Close-up ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories WHERE id_categorie=?"), {closeup}).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_categories")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM categorie")).toString(), QStringLiteral("Mentalisme"));
}

void TestNamedLists::deleteStoragePlaceClearsPlaces()
{
    exec(QStringLiteral("INSERT INTO rangement (nom) VALUES ('Valise'), ('Armoire')"));
    const int valise = scalar(QStringLiteral("SELECT id FROM rangement WHERE nom='Valise'")).toInt();
    const int armoire = scalar(QStringLiteral("SELECT id FROM rangement WHERE nom='Armoire'")).toInt();
    exec(QStringLiteral("INSERT INTO materiels (nom, id_rangement) VALUES ('Gobelets', ?), ('Cordes', ?)"),
         {valise, armoire});
    exec(QStringLiteral("INSERT INTO medias (nom, id_rangement) VALUES ('Livre', ?)"), {valise});
    whileShown(Form4, [] {
        Form4->grid()->selectRowAt(1); // Armoire, Valise
        Dialogs::Testing::push(Result::Yes);
        Form4->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer le rangement Valise ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT id_rangement FROM materiels WHERE nom='Gobelets'")).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_rangement FROM medias")).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_rangement FROM materiels WHERE nom='Cordes'")).toInt(), armoire);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM rangement")).toInt(), 1);
}

void TestNamedLists::deleteAuthorKeepsTechniques()
{
    exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Alice Prestige')"));
    const int id = scalar(QStringLiteral("SELECT id FROM auteurs")).toInt();
    exec(QStringLiteral("INSERT INTO medias (nom, id_auteur) VALUES ('Livre', ?)"), {id});
    exec(QStringLiteral("INSERT INTO routines (nom, id_createur) VALUES ('Tour', ?)"), {id});
    exec(QStringLiteral("INSERT INTO techniques (nom, id_auteur) VALUES ('Empalmage', ?)"), {id});
    whileShown(Gestionauteurs, [] {
        Gestionauteurs->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::Yes);
        Gestionauteurs->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer Alice Prestige ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM medias")).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_createur FROM routines")).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM techniques")).toInt(), id);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM auteurs")).toInt(), 0);
}

void TestNamedLists::deleteCancelledKeepsAll()
{
    exec(QStringLiteral("INSERT INTO categorie (nom) VALUES ('Close-up')"));
    whileShown(Gestioncategories, [] {
        Gestioncategories->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::Cancel); // title-bar close
        Gestioncategories->button(QStringLiteral("delete"))->click();
        Dialogs::Testing::push(Result::No);
        Gestioncategories->button(QStringLiteral("delete"))->click();
        // No selected row: nothing asked.
        Gestioncategories->grid()->clearSelection();
        Gestioncategories->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(Dialogs::Testing::log().size(), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categorie")).toInt(), 1);
}

void TestNamedLists::reselectionAfterDelete()
{
    for (char c = 'A'; c <= 'H'; ++c)
        exec(QStringLiteral("INSERT INTO categorie (nom) VALUES (?)"), {QStringLiteral("Balise %1").arg(QLatin1Char(c))});
    int afterFirst = -1, afterFifth = -1;
    QString fourthName;
    whileShown(Gestioncategories, [&] {
        RecordGrid *g = Gestioncategories->grid();
        g->selectRowAt(0);
        Dialogs::Testing::push(Result::Yes);
        Gestioncategories->Delete();
        afterFirst = g->selectedRow();
        g->selectRowAt(4);
        fourthName = g->cell(3, QStringLiteral("nom"));
        Dialogs::Testing::push(Result::Yes);
        Gestioncategories->Delete();
        afterFifth = g->selectedRow();
        if (afterFifth >= 0)
            QCOMPARE(g->cell(afterFifth, QStringLiteral("nom")), fourthName);
    });
    QCOMPARE(afterFirst, 0);
    QCOMPARE(afterFifth, 3);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categorie")).toInt(), 6);
}

void TestNamedLists::renameAuthor()
{
    exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('alice prestige'), ('Bruno Mystere')"));
    QString captionSeen, textSeen;
    whileShown(Gestionauteurs, [&] {
        RecordGrid *g = Gestionauteurs->grid();
        // Binary name order: "Bruno Mystere" comes before "alice prestige".
        g->selectRowAt(1);
        // Own name in other letter case: accepted.
        Dialogs::Testing::push(Result::Ok, QStringLiteral("  Alice PRESTIGE "));
        Gestionauteurs->button(QStringLiteral("edit"))->click();
        const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("input"));
        captionSeen = r.caption;
        textSeen = r.fieldText;
        // Another author's name, whatever its case: refused.
        const int alice = column(g, QStringLiteral("nom")).indexOf(QStringLiteral("Alice PRESTIGE"));
        g->selectRowAt(alice);
        Dialogs::Testing::push(Result::Ok, QStringLiteral("BRUNO MYSTERE"));
        emit g->rowActivated(alice); // double-click
        g->selectRowAt(alice);
        Dialogs::Testing::push(Result::Ok, QStringLiteral("Bruno Mystere"));
        Gestionauteurs->Rename();
        // "Annuler" changes nothing.
        Dialogs::Testing::push(Result::Cancel, QStringLiteral("Autre"));
        Gestionauteurs->Rename();
    });
    QCOMPARE(captionSeen, QStringLiteral("Modification d'un nom"));
    QCOMPARE(textSeen, QStringLiteral("alice prestige"));
    const Dialogs::Request input = Dialogs::Testing::last(QStringLiteral("input"));
    QCOMPARE(input.message, QStringLiteral("Modifier le nom de l'auteur ou du créateur :"));
    QCOMPARE(input.buttons.at(1).caption, QStringLiteral("Modifier"));
    QCOMPARE(input.fieldWidth, 480);
    QCOMPARE(input.icon, Dialogs::Icon::None);
    int errors = 0;
    for (const Dialogs::Request &r : Dialogs::Testing::log())
        if (r.kind == QLatin1String("error")) {
            ++errors;
            QCOMPARE(r.message, QStringLiteral("Cet auteur existe déjà !"));
        }
    QCOMPARE(errors, 2);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM auteurs WHERE nom='Alice PRESTIGE'")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM auteurs WHERE nom='Bruno Mystere'")).toInt(), 1);
}

void TestNamedLists::closingEmptiesFilter()
{
    exec(QStringLiteral("INSERT INTO rangement (nom) VALUES ('Valise'), ('Armoire')"));
    int rowsWhileFiltered = 0, rowsAfter = 0;
    whileShown(Form4, [&] {
        Dialogs::Testing::push(Result::Ok, QStringLiteral("Valise"));
        Form4->Search();
        rowsWhileFiltered = Form4->grid()->rowCount();
    });
    QVERIFY(Form4->SearchFilter.isEmpty());
    whileShown(Form4, [&] { rowsAfter = Form4->grid()->rowCount(); });
    QCOMPARE(rowsWhileFiltered, 1);
    QCOMPARE(rowsAfter, 2);
}

void TestNamedLists::menuOpensLists()
{
    for (const char *a : {"actRangements", "actBalises", "actAuteurs"}) {
        QWidget *seen = nullptr;
        QTimer::singleShot(0, [&seen] {
            seen = QApplication::activeModalWidget();
            if (auto *w = qobject_cast<ListWindow *>(seen))
                w->Close();
        });
        Form1->action(QString::fromLatin1(a))->trigger();
        QVERIFY2(qobject_cast<ListWindow *>(seen), a);
    }
}

void TestNamedLists::titleClickSorts()
{
    exec(QStringLiteral("INSERT INTO categorie (nom) VALUES ('b'), ('A'), ('C')"));
    QStringList listed, first, second;
    whileShown(Gestioncategories, [&] {
        RecordGrid *g = Gestioncategories->grid();
        listed = column(g, QStringLiteral("nom"));
        QTest::mouseClick(g->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(g->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
        first = column(g, QStringLiteral("nom"));
        g->sortByClick(0);
        second = column(g, QStringLiteral("nom"));
    });
    QCOMPARE(listed, (QStringList{"A", "C", "b"})); // the statement's binary order
    QCOMPARE(first, (QStringList{"A", "b", "C"}));  // a click: text order without regard to case
    QCOMPARE(second, (QStringList{"C", "b", "A"})); // the next click reverses
}

void TestNamedLists::selectionDialogCreatesThroughWizard()
{
    QStringList listed;
    QTimer::singleShot(0, Recherchesql, [&] {
        QTest::keyClicks(Recherchesql->searchField(), QStringLiteral("gob"));
        QTimer::singleShot(0, Assistantcategories, [] {
            QTest::keyClicks(Assistantcategories->nameEdit(), QStringLiteral("Routine de gobelets"));
            Assistantcategories->validateButton()->click();
            if (Assistantcategories->isVisible())
                Assistantcategories->cancelButton()->click();
        });
        Recherchesql->addButton()->click();
        listed = column(Recherchesql->grid(), QStringLiteral("nom"));
        Recherchesql->cancelButton()->click();
    });
    const int result = Recherchesql->SelectRecord(QStringLiteral("select id,nom from categorie"),
                                                  QStringLiteral("select id,nom from categorie WHERE nom LIKE :recherche"),
                                                  QStringLiteral("nom"), 2, false);
    QCOMPARE(result, -1);
    QCOMPARE(listed, QStringList{QStringLiteral("Routine de gobelets")});
}

QTEST_MAIN(TestNamedLists)
#include "tst_namedlists.moc"
