#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "reference/TEditionlien.h"
#include "reference/TEditionmoteurderecherche.h"
#include "reference/TGestionliens.h"
#include "reference/TGestionmoteursderecherche.h"
#include "reference/WebRecords.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using Dialogs::Result;

namespace {

using TestSupport::column;
using TestSupport::exec;
using TestSupport::inDialog;
using TestSupport::scalar;
using TestSupport::whileShown;

void addLink(int id, const QString &name, const QString &url, const QString &description = QString())
{
    exec(QStringLiteral("INSERT INTO bookmarks (id,nom,url,description) VALUES (?,?,?,?)"), {id, name, url, description});
}

// Typed at the cursor (QTest::keyClicks only knows ASCII keys).
void typeLink(const QString &name, const QString &url, const QString &description = QString())
{
    Editionlien->nameEdit()->insert(name);
    Editionlien->urlEdit()->insert(url);
    Editionlien->descriptionEdit()->insertPlainText(description);
}

// Adds a link through the list window's add button and the editor.
void addThroughEditor(const QString &name, const QString &url, const QString &description = QString())
{
    inDialog(Editionlien, [] { Gestionliens->button(QStringLiteral("add"))->click(); },
             [&] {
                 typeLink(name, url, description);
                 Editionlien->validateButton()->click();
             });
}

int errors()
{
    int n = 0;
    for (const Dialogs::Request &r : Dialogs::Testing::log())
        n += r.kind == QLatin1String("error");
    return n;
}

} // namespace

class TestWebLinks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Rules without a window.
    void linkStatus_data();
    void linkStatus();
    void engineRule_data();
    void engineRule();
    void engineStoredAddress_data();
    void engineStoredAddress();

    void windowsAsDesigned();
    void menuOpensLists();

    // Links.
    void statusLineAndSearch();
    void literalSearch();
    void newIdsAndReuseOfTheLargest();
    void newLinkUnderFilterShowsWholeList();
    void editKeepsFilterAndStoresAsTyped();
    void duplicateKeepsEditorOpen();
    void blankNameRefused();
    void fieldsRefuseLongTexts();
    void editorModes();
    void steppingInModeView();
    void visitOpensEncodedAddress();
    void deleteByIdAndReselect();

    // Search engines.
    void engineList();
    void engineEnablingAndStorage_data();
    void engineEnablingAndStorage();
    void engineEdit();
    void engineDuplicateKeepsEditorOpen();

private:
    QTemporaryDir m_dir;
};

void TestWebLinks::initTestCase()
{
    TestSupport::initGui();
}

void TestWebLinks::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestWebLinks::cleanup()
{
    TestSupport::destroyWindows();
}

void TestWebLinks::linkStatus_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << false << "0 lien(s) enregistré(s)  ";
    QTest::newRow("some") << 12 << false << "12 lien(s) enregistré(s)  ";
    QTest::newRow("search") << 1 << true << "Résultat de la recherche : 1 lien(s)  ";
    QTest::newRow("search, none") << 0 << true << "Résultat de la recherche : 0 lien(s)  ";
}

void TestWebLinks::linkStatus()
{
    QFETCH(int, count);
    QFETCH(bool, filtered);
    QFETCH(QString, text);
    QCOMPARE(WebRecords::linkStatus(count, filtered), text);
}

void TestWebLinks::engineRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("http:// alone") << "G" << "http://" << false;
    QTest::newRow("one more character") << "G" << "http://x" << true;
    QTest::newRow("https") << "G" << "https://x.fr/?q=[_SEARCH_]" << true;
    QTest::newRow("capital scheme") << "G" << "HTTPS://x" << true;
    QTest::newRow("no name") << "" << "http://x.fr" << false;
    QTest::newRow("blank name") << " " << "http://x.fr" << true; // refused on "Valider"
    QTest::newRow("no scheme") << "G" << "www.exemple.fr/?q=[_SEARCH_]" << false;
    QTest::newRow("other scheme") << "G" << "ftp://exemple.fr" << false;
    QTest::newRow("one slash") << "G" << "http:/exemple.fr" << false;
    QTest::newRow("leading blank") << "G" << " http://x.fr" << false;
    QTest::newRow("longest") << "G" << QString(QStringLiteral("http://") + QString(248, QLatin1Char('a'))) << true;
    // Each blank is stored as three characters: the stored address would not fit its column.
    QTest::newRow("too long once stored") << "G" << QString(QStringLiteral("http://a") + QString(124, QLatin1Char(' '))
                                                           + QStringLiteral("b"))
                                          << false;
}

void TestWebLinks::engineRule()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    QCOMPARE(WebRecords::engineAcceptable(name, address), accepted);
}

void TestWebLinks::engineStoredAddress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("as typed") << "HTTPS://Exemple.fr/?q=[_SEARCH_]" << "HTTPS://Exemple.fr/?q=[_SEARCH_]";
    QTest::newRow("blanks") << "http://x.fr/a b  c?q=[_SEARCH_]" << "http://x.fr/a%20b%20%20c?q=[_SEARCH_]";
    QTest::newRow("surrounding") << " \thttp://x.fr/?q=[_SEARCH_] \x01" << "http://x.fr/?q=[_SEARCH_]";
}

void TestWebLinks::engineStoredAddress()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(WebRecords::engineStoredAddress(typed), stored);
}

void TestWebLinks::windowsAsDesigned()
{
    struct Expected {
        WebListWindow *w;
        QString caption;
        QSize size;
        QStringList headers, hints;
    };
    const QList<Expected> lists{
        {Gestionliens, QStringLiteral("Collection de liens internet"), QSize(907, 529), {"ID", "Nom", "URL"},
         {"Rechercher un lien", "Editer un lien", "Ajouter un lien", "Supprimer un lien", "Visiter un lien"}},
        {Gestionmoteursderecherche, QStringLiteral("Gestion des moteurs de recherche"), QSize(589, 533),
         {"ID", "Nom", "Actif"},
         {"Rechercher un moteur de recherche", "Editer un moteur de recherche", "Ajouter un moteur de recherche",
          "Supprimer un moteur de recherche"}},
    };
    for (const Expected &e : lists) {
        QCOMPARE(e.w->windowTitle(), e.caption);
        QCOMPARE(e.w->size(), e.size);
        QStringList headers, hints;
        for (int c = 0; c < e.w->grid()->columnCount(); ++c)
            headers << e.w->grid()->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, e.headers);
        QVERIFY(e.w->grid()->isColumnHidden(0));
        for (const char *b : {"search", "edit", "add", "delete", "visit"})
            if (QToolButton *tb = e.w->button(QString::fromLatin1(b)))
                hints << tb->toolTip();
        QCOMPARE(hints, e.hints);
        QCOMPARE(e.w->closeButton()->text(), QStringLiteral("Fermer"));
    }
    QCOMPARE(Gestionliens->minimumSize(), QSize(550, 480));
    QCOMPARE(Editionlien->size(), QSize(784, 640));
    QCOMPARE(Editionmoteurderecherche->size(), QSize(782, 277));
    QCOMPARE(Editionlien->visitButton()->toolTip(), QStringLiteral("Visiter le site internet"));
    QCOMPARE(Editionlien->previousButton()->toolTip(), QStringLiteral("Afficher la fiche précédente"));
    QCOMPARE(Editionlien->nextButton()->toolTip(), QStringLiteral("Afficher la fiche suivante"));
    QCOMPARE(Editionmoteurderecherche->activeBox()->text(), QStringLiteral("Activer ce moteur pour les recherches"));
    QStringList notes;
    for (QLabel *l : Editionmoteurderecherche->findChildren<QLabel *>())
        notes << l->text();
    QVERIFY(notes.contains(QStringLiteral("Remplacer le mot-clé de recherche dans l'URL par le mot clé [_SEARCH_]")));
    QVERIFY(notes.contains(QStringLiteral("L'URL doit commencer par http:// ou https://")));
}

void TestWebLinks::menuOpensLists()
{
    for (const char *a : {"actLiens", "actMoteurs"}) {
        QWidget *seen = nullptr;
        QTimer::singleShot(0, [&seen] {
            seen = QApplication::activeModalWidget();
            if (auto *w = qobject_cast<ListWindow *>(seen))
                w->Close();
        });
        Form1->action(QString::fromLatin1(a))->trigger();
        QCOMPARE(seen, a[3] == 'L' ? static_cast<QWidget *>(Gestionliens) : Gestionmoteursderecherche);
    }
}

void TestWebLinks::statusLineAndSearch()
{
    addLink(1, QStringLiteral("Forum"), QStringLiteral("http://forum.fr"), QStringLiteral("On y parle de magie"));
    addLink(2, QStringLiteral("Boutique magie"), QStringLiteral("http://boutique.fr"));
    addLink(3, QStringLiteral("Vidéos"), QStringLiteral("http://magie.tv"));
    QStringList status, names;
    whileShown(Gestionliens, [&] {
        status << Gestionliens->statusLine()->text();
        names << column(Gestionliens->grid(), QStringLiteral("nom")).join(QLatin1Char(','));
        Dialogs::Testing::push(Result::Ok, QStringLiteral("MAGIE"), false);
        Gestionliens->button(QStringLiteral("search"))->click();
        status << Gestionliens->statusLine()->text();
        names << column(Gestionliens->grid(), QStringLiteral("nom")).join(QLatin1Char(','));
        Dialogs::Testing::push(Result::Ok, QStringLiteral("magie"), true);
        Gestionliens->button(QStringLiteral("search"))->click();
        status << Gestionliens->statusLine()->text();
        names << column(Gestionliens->grid(), QStringLiteral("nom")).join(QLatin1Char(','));
        Dialogs::Testing::push(Result::Cancel, QStringLiteral("magie"), true);
        Gestionliens->button(QStringLiteral("search"))->click();
        status << Gestionliens->statusLine()->text();
    });
    QCOMPARE(status, (QStringList{"3 lien(s) enregistré(s)  ", "Résultat de la recherche : 2 lien(s)  ",
                                  "Résultat de la recherche : 3 lien(s)  ", "3 lien(s) enregistré(s)  "}));
    QCOMPARE(names, (QStringList{"Boutique magie,Forum,Vidéos", "Boutique magie,Vidéos", "Boutique magie,Forum,Vidéos"}));
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, QStringLiteral("Rechercher un lien internet :"));
    QCOMPARE(r.checkCaption, QStringLiteral("Rechercher également dans la description"));
    QVERIFY(!r.checked);
    QCOMPARE(r.panelWidth, 300);
    QCOMPARE(r.fieldWidth, 280);
    // "Fermer" emptied the filter: the next showing lists everything.
    QVERIFY(Gestionliens->SearchFilter.isEmpty());
}

void TestWebLinks::literalSearch()
{
    addLink(1, QStringLiteral("100% magie"), QStringLiteral("http://a.fr"));
    addLink(2, QStringLiteral("1000 magies"), QStringLiteral("http://b.fr"));
    addLink(3, QStringLiteral("L'as de pique"), QStringLiteral("http://c.fr/a_b"));
    addLink(4, QStringLiteral("Axb"), QStringLiteral("http://d.fr/axb"));
    const QList<QPair<QString, QStringList>> searches{
        {QStringLiteral("%"), {"100% magie"}},
        {QStringLiteral("0%"), {"100% magie"}},
        {QStringLiteral("'"), {"L'as de pique"}},
        {QStringLiteral("a_b"), {"L'as de pique"}},
        {QStringLiteral("100"), {"100% magie", "1000 magies"}},
    };
    for (const auto &s : searches) {
        Gestionliens->SearchFilter = s.first;
        Gestionliens->reloadSelecting(0);
        QCOMPARE(column(Gestionliens->grid(), QStringLiteral("nom")), s.second);
    }
    exec(QStringLiteral("INSERT INTO moteurs (nom,url,actif) VALUES ('50% moteur','http://x.fr',0)"));
    Gestionmoteursderecherche->SearchFilter = QStringLiteral("%");
    Gestionmoteursderecherche->reloadSelecting(0);
    QCOMPARE(column(Gestionmoteursderecherche->grid(), QStringLiteral("nom")), QStringList{"50% moteur"});
}

void TestWebLinks::newIdsAndReuseOfTheLargest()
{
    whileShown(Gestionliens, [] {
        addThroughEditor(QStringLiteral("Premier"), QStringLiteral("http://1.fr"));
        addThroughEditor(QStringLiteral("Second"), QStringLiteral("http://2.fr"));
        addThroughEditor(QStringLiteral("Troisième"), QStringLiteral("http://3.fr"));
        // Delete the largest id ("Troisième", listed last).
        Gestionliens->grid()->selectRowAt(2);
        Dialogs::Testing::push(Result::Yes);
        Gestionliens->button(QStringLiteral("delete"))->click();
        addThroughEditor(QStringLiteral("Quatrième"), QStringLiteral("http://4.fr"));
    });
    QCOMPARE(scalar(QStringLiteral("SELECT id FROM bookmarks WHERE nom='Premier'")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT id FROM bookmarks WHERE nom='Second'")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT id FROM bookmarks WHERE nom='Quatrième'")).toInt(), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM bookmarks")).toInt(), 3);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer le lien Troisième ?"));
}

void TestWebLinks::newLinkUnderFilterShowsWholeList()
{
    addLink(1, QStringLiteral("Alpha"), QStringLiteral("http://alpha.fr"));
    addLink(2, QStringLiteral("Beta"), QStringLiteral("http://beta.fr"));
    int filteredRows = 0;
    QStringList after;
    QString status;
    whileShown(Gestionliens, [&] {
        Dialogs::Testing::push(Result::Ok, QStringLiteral("alpha"));
        Gestionliens->Search();
        filteredRows = Gestionliens->grid()->rowCount();
        addThroughEditor(QStringLiteral("Gamma"), QStringLiteral("http://gamma.fr"));
        after = column(Gestionliens->grid(), QStringLiteral("nom"));
        status = Gestionliens->statusLine()->text();
    });
    QCOMPARE(filteredRows, 1);
    QCOMPARE(after, (QStringList{"Alpha", "Beta", "Gamma"}));
    QCOMPARE(status, QStringLiteral("3 lien(s) enregistré(s)  "));
}

void TestWebLinks::editKeepsFilterAndStoresAsTyped()
{
    addLink(7, QStringLiteral("Alpha"), QStringLiteral("http://alpha.fr"), QStringLiteral("ancienne"));
    addLink(8, QStringLiteral("Beta"), QStringLiteral("http://beta.fr"));
    QString caption, nameShown, descriptionShown;
    bool validateEnabled = false;
    QStringList after;
    whileShown(Gestionliens, [&] {
        Dialogs::Testing::push(Result::Ok, QStringLiteral("alp"));
        Gestionliens->Search();
        Gestionliens->grid()->selectRowAt(0);
        inDialog(Editionlien, [] { emit Gestionliens->grid()->rowActivated(0); }, // double-click
                 [&] {
                     caption = Editionlien->windowTitle();
                     nameShown = Editionlien->nameEdit()->text();
                     descriptionShown = Editionlien->descriptionEdit()->toPlainText();
                     validateEnabled = Editionlien->validateButton()->isEnabled();
                     Editionlien->nameEdit()->setText(QStringLiteral(" ALPHA  magie\t"));
                     Editionlien->urlEdit()->setText(QStringLiteral("  http://alpha.fr/a b "));
                     Editionlien->descriptionEdit()->setPlainText(QStringLiteral("ligne 1\nligne 2"));
                     Editionlien->validateButton()->click();
                 });
        after = column(Gestionliens->grid(), QStringLiteral("nom"));
    });
    QCOMPARE(caption, QStringLiteral("Edition d'un lien internet"));
    QCOMPARE(nameShown, QStringLiteral("Alpha"));
    QCOMPARE(descriptionShown, QStringLiteral("ancienne"));
    QVERIFY(validateEnabled);
    QCOMPARE(after, QStringList{"ALPHA  magie"}); // the filter stays
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM bookmarks WHERE id=7")).toString(), QStringLiteral("ALPHA  magie"));
    QCOMPARE(scalar(QStringLiteral("SELECT url FROM bookmarks WHERE id=7")).toString(),
             QStringLiteral("  http://alpha.fr/a b "));
    QCOMPARE(scalar(QStringLiteral("SELECT description FROM bookmarks WHERE id=7")).toString(),
             QStringLiteral("ligne 1\nligne 2"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM bookmarks WHERE id=8")).toString(), QStringLiteral("Beta"));
}

void TestWebLinks::duplicateKeepsEditorOpen()
{
    addLink(1, QStringLiteral("Magie"), QStringLiteral("http://magie.fr"));
    addLink(2, QStringLiteral("Cartes"), QStringLiteral("http://cartes.fr"));
    bool openAfterNew = false, openAfterEdit = false;
    QString nameKept, urlKept, descriptionKept, editNameKept;
    whileShown(Gestionliens, [&] {
        inDialog(Editionlien, [] { Gestionliens->Add(); },
                 [&] {
                     typeLink(QStringLiteral("  MAGIE "), QStringLiteral("http://autre.fr"), QStringLiteral("notes"));
                     Editionlien->validateButton()->click();
                     openAfterNew = Editionlien->isVisible();
                     nameKept = Editionlien->nameEdit()->text();
                     urlKept = Editionlien->urlEdit()->text();
                     descriptionKept = Editionlien->descriptionEdit()->toPlainText();
                 });
        // Renaming "Cartes" to another link's name in other letter case is refused too.
        Gestionliens->grid()->selectRowAt(0);
        inDialog(Editionlien, [] { Gestionliens->Edit(); },
                 [&] {
                     Editionlien->nameEdit()->setText(QStringLiteral("magie"));
                     Editionlien->validateButton()->click();
                     openAfterEdit = Editionlien->isVisible();
                     editNameKept = Editionlien->nameEdit()->text();
                 });
        // Its own name in other letter case is accepted.
        Gestionliens->grid()->selectRowAt(0);
        inDialog(Editionlien, [] { Gestionliens->Edit(); },
                 [] {
                     Editionlien->nameEdit()->setText(QStringLiteral("CARTES"));
                     Editionlien->validateButton()->click();
                 });
    });
    QVERIFY(openAfterNew);
    QCOMPARE(nameKept, QStringLiteral("MAGIE"));
    QCOMPARE(urlKept, QStringLiteral("http://autre.fr"));
    QCOMPARE(descriptionKept, QStringLiteral("notes"));
    QVERIFY(openAfterEdit);
    QCOMPARE(editNameKept, QStringLiteral("magie"));
    QCOMPARE(errors(), 2);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, QStringLiteral("Un lien portant ce nom existe déjà !"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM bookmarks")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM bookmarks WHERE id=1")).toString(), QStringLiteral("Magie"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM bookmarks WHERE id=2")).toString(), QStringLiteral("CARTES"));
}

void TestWebLinks::blankNameRefused()
{
    bool enabledBefore = false, enabledAfter = true, open = false, emptyUrlEnabled = true;
    QString nameAfter;
    inDialog(Editionlien, [] { Gestionliens->Add(); },
             [&] {
                 QTest::keyClicks(Editionlien->nameEdit(), QStringLiteral("Nom"));
                 emptyUrlEnabled = Editionlien->validateButton()->isEnabled();
                 Editionlien->nameEdit()->setText(QStringLiteral(" \t "));
                 QTest::keyClicks(Editionlien->urlEdit(), QStringLiteral("http://x.fr"));
                 enabledBefore = Editionlien->validateButton()->isEnabled();
                 Editionlien->validateButton()->click();
                 enabledAfter = Editionlien->validateButton()->isEnabled();
                 nameAfter = Editionlien->nameEdit()->text();
                 open = Editionlien->isVisible();
             });
    QVERIFY(!emptyUrlEnabled);
    QVERIFY(enabledBefore);
    QVERIFY(!enabledAfter);
    QVERIFY(nameAfter.isEmpty());
    QVERIFY(open);
    QVERIFY(Dialogs::Testing::log().isEmpty());
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM bookmarks")).toInt(), 0);
}

void TestWebLinks::fieldsRefuseLongTexts()
{
    const QString longText(300, QLatin1Char('n'));
    int linkName = 0, linkUrl = 0, engineName = 0, engineUrl = 0;
    inDialog(Editionlien, [] { Gestionliens->Add(); },
             [&] {
                 QTest::keyClicks(Editionlien->nameEdit(), longText);
                 QTest::keyClicks(Editionlien->urlEdit(), QStringLiteral("http://") + longText);
                 linkName = Editionlien->nameEdit()->text().size();
                 linkUrl = Editionlien->urlEdit()->text().size();
                 Editionlien->validateButton()->click();
             });
    inDialog(Editionmoteurderecherche, [] { Gestionmoteursderecherche->Add(); },
             [&] {
                 QTest::keyClicks(Editionmoteurderecherche->nameEdit(), longText);
                 QTest::keyClicks(Editionmoteurderecherche->urlEdit(), QStringLiteral("http://") + longText);
                 engineName = Editionmoteurderecherche->nameEdit()->text().size();
                 engineUrl = Editionmoteurderecherche->urlEdit()->text().size();
                 Editionmoteurderecherche->validateButton()->click();
             });
    QCOMPARE(linkName, 255);
    QCOMPARE(linkUrl, 255);
    QCOMPARE(engineName, 50);
    QCOMPARE(engineUrl, 255);
    QCOMPARE(scalar(QStringLiteral("SELECT length(nom) FROM bookmarks")).toInt(), 255);
    QCOMPARE(scalar(QStringLiteral("SELECT length(url) FROM bookmarks")).toInt(), 255);
    QCOMPARE(scalar(QStringLiteral("SELECT length(nom) FROM moteurs WHERE id=11")).toInt(), 50);
    QCOMPARE(scalar(QStringLiteral("SELECT length(url) FROM moteurs WHERE id=11")).toInt(), 255);
}

void TestWebLinks::editorModes()
{
    addLink(4, QStringLiteral("Forum"), QStringLiteral("http://forum.fr"), QStringLiteral("texte"));
    struct Seen {
        QString caption, name, validate;
        bool validateEnabled = false, readOnly = false, cancelVisible = false, previous = false, next = false;
    };
    auto look = [](EditorMode mode, bool hasPrevious, bool hasNext) {
        Seen s;
        Editionlien->EditorMode = mode;
        Editionlien->RecordId = 4;
        Editionlien->HasPrevious = hasPrevious;
        Editionlien->HasNext = hasNext;
        Editionlien->GoNext = true; // left over from an earlier showing
        inDialog(Editionlien, [] { Editionlien->exec(); },
                 [&s] {
                     s.caption = Editionlien->windowTitle();
                     s.name = Editionlien->nameEdit()->text();
                     s.validate = Editionlien->validateButton()->text();
                     s.validateEnabled = Editionlien->validateButton()->isEnabled();
                     s.readOnly = Editionlien->nameEdit()->isReadOnly() && Editionlien->urlEdit()->isReadOnly()
                                  && Editionlien->descriptionEdit()->isReadOnly();
                     s.cancelVisible = Editionlien->cancelButton()->isVisible();
                     s.previous = Editionlien->previousButton()->isVisible() && Editionlien->previousButton()->isEnabled();
                     s.next = Editionlien->nextButton()->isVisible() && Editionlien->nextButton()->isEnabled();
                 });
        return s;
    };
    const Seen created = look(ModeNew, true, true);
    QCOMPARE(created.caption, QStringLiteral("Création d'un nouveau lien internet"));
    QVERIFY(created.name.isEmpty());
    QCOMPARE(created.validate, QStringLiteral("Valider"));
    QVERIFY(!created.validateEnabled && !created.readOnly && created.cancelVisible && !created.previous && !created.next);
    QVERIFY(!Editionlien->GoNext);
    QCOMPARE(Editionlien->RecordId, 5);

    const Seen edited = look(ModeEdit, true, true);
    QCOMPARE(edited.caption, QStringLiteral("Edition d'un lien internet"));
    QCOMPARE(edited.name, QStringLiteral("Forum"));
    QVERIFY(edited.validateEnabled && !edited.readOnly && edited.cancelVisible && !edited.previous && !edited.next);

    const Seen viewed = look(ModeView, false, true);
    QCOMPARE(viewed.caption, QStringLiteral("Visualisation d'un lien internet"));
    QCOMPARE(viewed.name, QStringLiteral("Forum"));
    QCOMPARE(viewed.validate, QStringLiteral("Retour"));
    QVERIFY(viewed.validateEnabled && viewed.readOnly && !viewed.cancelVisible && !viewed.previous && viewed.next);
    QVERIFY(!Editionlien->GoPrevious && !Editionlien->GoNext);

    // A stored link without a name can still be left with "Retour".
    exec(QStringLiteral("UPDATE bookmarks SET nom='' WHERE id=4"));
    Editionlien->openSingle(ModeView, 4);
    inDialog(Editionlien, [] { Editionlien->exec(); }, [] { Editionlien->validateButton()->click(); });
    QCOMPARE(Editionlien->result(), int(QDialog::Accepted));
}

void TestWebLinks::steppingInModeView()
{
    addLink(1, QStringLiteral("Alpha"), QStringLiteral("http://a.fr"));
    addLink(2, QStringLiteral("Beta"), QStringLiteral("http://b.fr"));
    addLink(3, QStringLiteral("Gamma"), QStringLiteral("http://c.fr"));
    // The opener's list, as a search result would hold it.
    const QVector<qint64> ids{1, 2, 3};
    int pos = 1;
    QStringList seen;
    const QList<std::function<void()>> answers{
        [] { Editionlien->nextButton()->click(); },
        [] { Editionlien->previousButton()->click(); },
        [] { Editionlien->previousButton()->click(); },
        [] { QTest::keyClick(Editionlien, Qt::Key_Escape); },
    };
    int answer = 0;
    runSteppingEditor(
        *Editionlien,
        [&] {
            Editionlien->EditorMode = ModeView;
            Editionlien->RecordId = ids[pos];
            Editionlien->HasPrevious = pos > 0;
            Editionlien->HasNext = pos < ids.size() - 1;
        },
        [&] {
            inDialog(Editionlien, [] { Editionlien->exec(); },
                     [&] {
                         seen << Editionlien->nameEdit()->text()
                                     + (Editionlien->previousButton()->isVisible() ? QStringLiteral("<") : QString())
                                     + (Editionlien->nextButton()->isVisible() ? QStringLiteral(">") : QString());
                         if (answer < answers.size())
                             answers[answer++]();
                     });
        },
        [&] { return pos > 0 ? (--pos, true) : false; },
        [&] { return pos < ids.size() - 1 ? (++pos, true) : false; });
    QCOMPARE(seen, (QStringList{"Beta<>", "Gamma<", "Beta<>", "Alpha>"}));
    QCOMPARE(answer, 4);
    QVERIFY(!Editionlien->GoPrevious && !Editionlien->GoNext);
    QVERIFY(Dialogs::Testing::log().isEmpty());
    QVERIFY(!Form1->Query().isActive());
}

void TestWebLinks::visitOpensEncodedAddress()
{
    addLink(1, QStringLiteral("Recherche"), QStringLiteral("http://x.fr/cherche?mot=pièce d"));
    addLink(2, QStringLiteral("Vide"), QString());
    whileShown(Gestionliens, [] {
        Gestionliens->grid()->selectRowAt(0);
        Gestionliens->button(QStringLiteral("visit"))->click();
        Gestionliens->grid()->selectRowAt(1); // no address: nothing opened
        Gestionliens->Visit();
        Gestionliens->grid()->selectRowAt(0);
        inDialog(Editionlien, [] { Gestionliens->Edit(); },
                 [] {
                     Editionlien->visitButton()->click();
                     Editionlien->urlEdit()->clear();
                     Editionlien->visitButton()->click();
                 });
    });
    const QByteArray expected("http://x.fr/cherche%3Fmot%3Dpi%C3%A8ce%20d");
    QCOMPARE(Desktop::Testing::opened().size(), 2);
    QCOMPARE(Desktop::Testing::opened().at(0).toEncoded(), expected);
    QCOMPARE(Desktop::Testing::opened().at(1).toEncoded(), expected);
}

void TestWebLinks::deleteByIdAndReselect()
{
    addLink(1, QStringLiteral("L'as"), QStringLiteral("http://a.fr"));
    addLink(2, QStringLiteral("Mentalisme"), QStringLiteral("http://m.fr"));
    addLink(3, QStringLiteral("Zig"), QStringLiteral("http://z.fr"));
    int afterMiddle = -1, afterFirst = -1;
    whileShown(Gestionliens, [&] {
        RecordGrid *g = Gestionliens->grid();
        g->selectRowAt(1);
        Dialogs::Testing::push(Result::No);
        Gestionliens->Delete();
        Dialogs::Testing::push(Result::Yes);
        Gestionliens->Delete();
        afterMiddle = g->selectedRow();
        g->selectRowAt(0);
        Dialogs::Testing::push(Result::Yes);
        Gestionliens->Delete();
        afterFirst = g->selectedRow();
        g->clearSelection();
        Gestionliens->Delete(); // nothing selected: nothing asked
    });
    QCOMPARE(afterMiddle, 0);
    QCOMPARE(afterFirst, 0);
    QCOMPARE(Dialogs::Testing::log().size(), 3);
    QCOMPARE(Dialogs::Testing::log().at(2).message, QStringLiteral("Voulez-vous supprimer le lien L'as ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM bookmarks")).toString(), QStringLiteral("Zig"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM bookmarks")).toInt(), 1);
}

void TestWebLinks::engineList()
{
    QStringList names, flags, byName, byUrl;
    whileShown(Gestionmoteursderecherche, [&] {
        RecordGrid *g = Gestionmoteursderecherche->grid();
        names = column(g, QStringLiteral("nom"));
        flags = column(g, QStringLiteral("actif"));
        Dialogs::Testing::push(Result::Ok, QStringLiteral("youtube"), false);
        Gestionmoteursderecherche->Search();
        byName = column(g, QStringLiteral("nom"));
        Dialogs::Testing::push(Result::Ok, QStringLiteral("youtube"), true);
        Gestionmoteursderecherche->Search();
        byUrl = column(g, QStringLiteral("nom"));
    });
    QCOMPARE(names.size(), 10);
    QStringList byNameOrder = names;
    byNameOrder.sort();
    QCOMPARE(names, byNameOrder);
    QCOMPARE(flags.at(names.indexOf(QStringLiteral("Google"))), QStringLiteral("OUI"));
    QCOMPARE(flags.at(names.indexOf(QStringLiteral("Magic Cafe"))), QString());
    QCOMPARE(flags.count(QStringLiteral("OUI")), 4);
    QCOMPARE(byName, QStringList{"Youtube"});
    QVERIFY(byUrl.size() > 1 && byUrl.contains(QStringLiteral("Magigazine")));
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, QStringLiteral("Rechercher un moteur de recherche :"));
    QCOMPARE(r.checkCaption, QStringLiteral("Rechercher également dans l' URL"));
}

void TestWebLinks::engineEnablingAndStorage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("stored"); // empty: nothing saved
    QTest::newRow("http:// alone") << "http://" << false << "";
    QTest::newRow("one more character") << "http://x" << true << "http://x";
    QTest::newRow("capital scheme") << "HTTPS://x" << true << "HTTPS://x";
    QTest::newRow("blanks") << "https://x.fr/?q=[_SEARCH_] site:a b" << true << "https://x.fr/?q=[_SEARCH_]%20site:a%20b";
    QTest::newRow("no scheme") << "x.fr/?q=[_SEARCH_]" << false << "";
    QTest::newRow("trailing blanks only") << "http://   " << true << ""; // refused once trimmed
}

void TestWebLinks::engineEnablingAndStorage()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    QFETCH(QString, stored);
    bool enabledSeen = !enabled, open = false, disabledAtStart = false;
    QString caption;
    inDialog(Editionmoteurderecherche, [] { Gestionmoteursderecherche->Add(); },
             [&] {
                 caption = Editionmoteurderecherche->windowTitle();
                 disabledAtStart = !Editionmoteurderecherche->validateButton()->isEnabled();
                 QTest::keyClicks(Editionmoteurderecherche->nameEdit(), QStringLiteral("Essai"));
                 QTest::keyClicks(Editionmoteurderecherche->urlEdit(), typed);
                 enabledSeen = Editionmoteurderecherche->validateButton()->isEnabled();
                 Editionmoteurderecherche->activeBox()->setChecked(true);
                 Editionmoteurderecherche->Validate();
                 open = Editionmoteurderecherche->isVisible();
             });
    QCOMPARE(caption, QStringLiteral("Création d'un nouveau moteur de recherche"));
    QVERIFY(disabledAtStart);
    QCOMPARE(enabledSeen, enabled);
    QCOMPARE(open, stored.isEmpty());
    const QVariant url = scalar(QStringLiteral("SELECT url FROM moteurs WHERE nom='Essai'"));
    if (stored.isEmpty()) {
        QVERIFY(url.isNull());
    } else {
        QCOMPARE(url.toString(), stored);
        QCOMPARE(scalar(QStringLiteral("SELECT id FROM moteurs WHERE nom='Essai'")).toInt(), 11);
        QCOMPARE(scalar(QStringLiteral("SELECT typeof(actif) || actif FROM moteurs WHERE nom='Essai'")).toString(),
                 QStringLiteral("integer1"));
    }
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestWebLinks::engineEdit()
{
    const int google = scalar(QStringLiteral("SELECT id FROM moteurs WHERE nom='Google'")).toInt();
    const QString googleUrl = scalar(QStringLiteral("SELECT url FROM moteurs WHERE nom='Google'")).toString();
    QString caption, urlShown;
    bool checkedShown = false, enabledShown = false;
    QStringList flags;
    whileShown(Gestionmoteursderecherche, [&] {
        RecordGrid *g = Gestionmoteursderecherche->grid();
        g->selectRowAt(column(g, QStringLiteral("nom")).indexOf(QStringLiteral("Google")));
        inDialog(Editionmoteurderecherche, [] { Gestionmoteursderecherche->button(QStringLiteral("edit"))->click(); },
                 [&] {
                     caption = Editionmoteurderecherche->windowTitle();
                     urlShown = Editionmoteurderecherche->urlEdit()->text();
                     checkedShown = Editionmoteurderecherche->activeBox()->isChecked();
                     enabledShown = Editionmoteurderecherche->validateButton()->isEnabled();
                     Editionmoteurderecherche->activeBox()->setChecked(false);
                     Editionmoteurderecherche->nameEdit()->setText(QStringLiteral("GOOGLE"));
                     Editionmoteurderecherche->validateButton()->click();
                 });
        flags = column(g, QStringLiteral("actif"));
    });
    QCOMPARE(caption, QStringLiteral("Edition d'un moteur de recherche"));
    QCOMPARE(urlShown, googleUrl);
    QVERIFY(checkedShown);
    QVERIFY(enabledShown);
    QCOMPARE(flags.count(QStringLiteral("OUI")), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM moteurs WHERE id=?"), {google}).toString(), QStringLiteral("GOOGLE"));
    QCOMPARE(scalar(QStringLiteral("SELECT typeof(actif) || actif FROM moteurs WHERE id=?"), {google}).toString(),
             QStringLiteral("integer0"));

    // "Annuler" writes nothing.
    Editionmoteurderecherche->EditorMode = ModeEdit;
    Editionmoteurderecherche->RecordId = google;
    inDialog(Editionmoteurderecherche, [] { Editionmoteurderecherche->exec(); },
             [] {
                 Editionmoteurderecherche->nameEdit()->setText(QStringLiteral("Autre"));
                 Editionmoteurderecherche->cancelButton()->click();
             });
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM moteurs WHERE id=?"), {google}).toString(), QStringLiteral("GOOGLE"));

    // Deleting by id.
    whileShown(Gestionmoteursderecherche, [&] {
        RecordGrid *g = Gestionmoteursderecherche->grid();
        g->selectRowAt(column(g, QStringLiteral("nom")).indexOf(QStringLiteral("GOOGLE")));
        Dialogs::Testing::push(Result::Yes);
        Gestionmoteursderecherche->button(QStringLiteral("delete"))->click();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer le moteur GOOGLE ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM moteurs")).toInt(), 9);
    QVERIFY(scalar(QStringLiteral("SELECT id FROM moteurs WHERE id=?"), {google}).isNull());
}

void TestWebLinks::engineDuplicateKeepsEditorOpen()
{
    bool openAfterNew = false, openAfterEdit = false;
    QString urlKept;
    whileShown(Gestionmoteursderecherche, [&] {
        inDialog(Editionmoteurderecherche, [] { Gestionmoteursderecherche->Add(); },
                 [&] {
                     QTest::keyClicks(Editionmoteurderecherche->nameEdit(), QStringLiteral(" youtube "));
                     QTest::keyClicks(Editionmoteurderecherche->urlEdit(), QStringLiteral("https://autre.fr/?q=[_SEARCH_]"));
                     Editionmoteurderecherche->validateButton()->click();
                     openAfterNew = Editionmoteurderecherche->isVisible();
                     urlKept = Editionmoteurderecherche->urlEdit()->text();
                 });
        RecordGrid *g = Gestionmoteursderecherche->grid();
        g->selectRowAt(column(g, QStringLiteral("nom")).indexOf(QStringLiteral("Google")));
        inDialog(Editionmoteurderecherche, [] { Gestionmoteursderecherche->Edit(); },
                 [&] {
                     Editionmoteurderecherche->nameEdit()->setText(QStringLiteral("VIRTUALMAGIE"));
                     Editionmoteurderecherche->validateButton()->click();
                     openAfterEdit = Editionmoteurderecherche->isVisible();
                 });
    });
    QVERIFY(openAfterNew);
    QCOMPARE(urlKept, QStringLiteral("https://autre.fr/?q=[_SEARCH_]"));
    QVERIFY(openAfterEdit);
    QCOMPARE(errors(), 2);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message,
             QStringLiteral("Un moteur portant ce nom existe déjà !"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM moteurs")).toInt(), 10);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM moteurs WHERE nom='Google'")).toInt(), 1);
}

QTEST_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
