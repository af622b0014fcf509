#include "../store/SchemaHistory.h"
#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/TOptimizedatabase.h"
#include "app/Windows.h"
#include "store/Collection.h"
#include "store/CollectionStore.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

using Dialogs::Testing::last;

namespace {

// The enabled state of every item that depends on the collection, in one text to compare.
QString menuState()
{
    QStringList s;
    for (const char *a : {"actNouvelleCollection", "actOuvrirCollection", "actFermer", "actExporterXml",
                          "actImporterXml", "actQuitter"})
        s << QString::number(Form1->action(QString::fromLatin1(a))->isEnabled());
    for (const char *m : {"menuFichier", "menuRecherche", "menuEnvironnement", "menuMateriel", "menuDocumentation",
                          "menuRoutines", "menuAide"})
        s << QString::number(Form1->menu(QString::fromLatin1(m))->menuAction()->isEnabled());
    return s.join(QString());
}

const QString ClosedState = QStringLiteral("1100011" "000001");
const QString OpenState = QStringLiteral("0011111" "111111");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

void runSql(const QString &path, const QStringList &statements)
{
    Collection c(QStringLiteral("fixture"));
    writeFile(path, QByteArray());
    c.open(path);
    for (const QString &s : statements)
        c.query().exec(s);
}

void openThroughMenu(const QString &path)
{
    FileDialogs::Testing::push(path);
    Form1->action(QStringLiteral("actOuvrirCollection"))->trigger();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithOnlyFileAndHelp();
    void menuCaptionsInOrder();
    void createOpenCloseSwitchesMenusAndTitle();
    void wizardEnablingRule_data();
    void wizardEnablingRule();
    void wizardSaveDialog();
    void wizardCannotWrite();
    void cancelledOpenChangesNothing();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void damagedFilesAreRefusedUntouched();
    void upgradesAnOlderFile();
    void refusedUpgradeKeepsFileAndState();
    void ctrlRevealsMassImport();
    void backgroundDraws();
    void backgroundPlacement();
    void standardDialogsSpeakFrench();
    void quitClosesTheMainWindow();

private:
    QTemporaryDir m_dir;
};

void TestMainWindow::initTestCase()
{
    TestSupport::initGui();
}

void TestMainWindow::init()
{
    TestSupport::createWindows();
    Dialogs::Testing::clear();
}

void TestMainWindow::cleanup()
{
    TestSupport::destroyWindows();
}

void TestMainWindow::startsWithOnlyFileAndHelp()
{
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis"));
    QCOMPARE(menuState(), ClosedState);
    QVERIFY(Form1->DatabaseFile.isEmpty());
    QVERIFY(!Form1->action(QStringLiteral("actImportMasse"))->isVisible());
}

void TestMainWindow::menuCaptionsInOrder()
{
    QStringList seen;
    for (QAction *top : Form1->menuBar()->actions()) {
        seen << top->text();
        for (QAction *a : top->menu()->actions())
            seen << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    const QStringList expected = QStringLiteral(
        "Fichier|Nouvelle collection|-|Ouvrir collection|Fermer|-|Exporter au format XML...|Importer depuis XML "
        "...|-|Quitter|Recherche|Recherche par balise|Recherche par mot-clé|Recherche par technique|Recherche par "
        "auteur ou créateur|Recherche avancée|Environnement|Gestion des rangements|Gestion des balises|Gestion des "
        "auteurs et créateurs|Gestion des techniques|-|Gestion des fournisseurs|Gestion des contacts|-|Exportation "
        "des contacts|-|Gestion des moteurs de recherche|Matériel|Inventaire matériel|-|Visualisation par "
        "rangement|Etat des consommables|Liste des matériels à commander|Liste des matériels hors service|Liste des "
        "matériels en maintenance|Liste des matériels prêtés|Liste des matériels sans routine|Inventaire "
        "comptable|-|Import depuis CSV|Documentation|Ressources documentaires|-|Collection de liens internet|-|Liste "
        "des documentations prêtées|Liste globale des documents|Liste par type de documents|Inventaire "
        "comptable|-|Import depuis CSV|Import de masse|Routines|Liste des routines|-|Liste par type de "
        "routines|-|Liste des enchainements|Affecter un public à un enchainement|Tester un enchainement sur un "
        "public|-|Création de checklist|Création de fiches techniques|?|A propos ...")
                                   .split(QLatin1Char('|'));
    QCOMPARE(seen, expected);
}

void TestMainWindow::createOpenCloseSwitchesMenusAndTitle()
{
    const QString path = m_dir.filePath(QStringLiteral("cycle.vrl"));
    FileDialogs::Testing::push(path);
    QTimer::singleShot(0, [] {
        Form2->nameEdit()->setText(QStringLiteral("Mon spectacle"));
        Form2->chooseButton()->click();
        QVERIFY(Form2->validateButton()->isEnabled());
        Form2->validateButton()->click();
    });
    Form1->action(QStringLiteral("actNouvelleCollection"))->trigger();
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis - Mon spectacle"));
    QCOMPARE(menuState(), OpenState);
    QCOMPARE(Form1->DatabaseFile, path);
    QCOMPARE(Form1->DatabasePath, m_dir.path() + QLatin1Char('/'));

    Form1->action(QStringLiteral("actFermer"))->trigger();
    QCOMPARE(Optimizedatabase->windowTitle(), QStringLiteral("Fermeture de la base Vorelis"));
    QCOMPARE(Optimizedatabase->label()->text(),
             QStringLiteral("Fermeture et optimisation de la base de données en cours ..."));
    QVERIFY(Optimizedatabase->lastCompactionSucceeded());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis"));
    QCOMPARE(menuState(), ClosedState);
    QVERIFY(Form1->DatabaseFile.isEmpty());
    QVERIFY(!Form1->collection().isOpen());
    QVERIFY(Form2->nameEdit()->text().isEmpty());
    QVERIFY(Form2->pathEdit()->text().isEmpty());
    QVERIFY(!Form2->validateButton()->isEnabled());

    openThroughMenu(path);
    QCOMPARE(Optimizedatabase->windowTitle(), QStringLiteral("Ouverture de la base Vorelis"));
    QCOMPARE(Optimizedatabase->label()->text(),
             QStringLiteral("Ouverture et optimisation de la base de données en cours ..."));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis - Mon spectacle"));
    QCOMPARE(menuState(), OpenState);
    QVERIFY(Dialogs::Testing::log().isEmpty());
    QCOMPARE(TForm1::titleFor(QStringLiteral("Gala [*] 2026")), QStringLiteral("Vorelis - Gala [*][*] 2026"));
}

void TestMainWindow::wizardEnablingRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both") << "Magie" << "/tmp/a.vrl" << true;
    QTest::newRow("blank name still counts") << "   " << "/tmp/a.vrl" << true;
    QTest::newRow("no path") << "Magie" << "" << false;
    QTest::newRow("no name") << "" << "/tmp/a.vrl" << false;
    QTest::newRow("neither") << "" << "" << false;
}

void TestMainWindow::wizardEnablingRule()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(bool, enabled);
    QVERIFY(!Form2->validateButton()->isEnabled());
    Form2->pathEdit()->setText(path);
    QTest::keyClicks(Form2->nameEdit(), name);
    QCOMPARE(Form2->validateButton()->isEnabled(), enabled);
    Form2->nameEdit()->clear();
    QVERIFY(!Form2->validateButton()->isEnabled());
}

void TestMainWindow::wizardSaveDialog()
{
    QVERIFY(Form2->pathEdit()->isReadOnly());
    QCOMPARE(Form2->chooseButton()->toolTip(), QStringLiteral("Choisir l'emplacement sur le disque"));
    FileDialogs::Testing::push(m_dir.filePath(QStringLiteral("sans-extension")));
    Form2->chooseButton()->click();
    QCOMPARE(Form2->pathEdit()->text(), m_dir.filePath(QStringLiteral("sans-extension.vrk")));
    const FileDialogs::Options o = FileDialogs::Testing::log().last();
    QCOMPARE(o.filter, QStringLiteral("Fichiers Vorelis|*.vrl"));
    QCOMPARE(o.defaultSuffix, QStringLiteral("vrk"));
    QVERIFY(o.confirmOverwrite);
    QCOMPARE(FileDialogs::toQtFilter(o.filter), QStringLiteral("Fichiers Vorelis (*.vrl)"));

    FileDialogs::Testing::push(m_dir.filePath(QStringLiteral("avec.vrl")));
    Form2->chooseButton()->click();
    QCOMPARE(Form2->pathEdit()->text(), m_dir.filePath(QStringLiteral("avec.vrl")));
    // A cancelled dialog keeps the path already chosen.
    FileDialogs::Testing::push(QString());
    Form2->chooseButton()->click();
    QCOMPARE(Form2->pathEdit()->text(), m_dir.filePath(QStringLiteral("avec.vrl")));
}

void TestMainWindow::wizardCannotWrite()
{
    QTimer::singleShot(0, [this] {
        Form2->nameEdit()->setText(QStringLiteral("X"));
        Form2->pathEdit()->setText(m_dir.filePath(QStringLiteral("no/such/folder/x.vrl")));
        Form2->validateButton()->click();
        QVERIFY(Form2->isVisible()); // the wizard stays open
        Form2->cancelButton()->click();
    });
    Form1->NewCollection();
    QCOMPARE(last(QStringLiteral("error")).message, QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
    QCOMPARE(last(QStringLiteral("error")).caption, QStringLiteral("Erreur !"));
    QCOMPARE(menuState(), ClosedState);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis"));
}

void TestMainWindow::cancelledOpenChangesNothing()
{
    openThroughMenu(QString());
    const Dialogs::Request r = last();
    QCOMPARE(r.kind, QStringLiteral("warning"));
    QCOMPARE(r.caption, QStringLiteral("Attention !"));
    QCOMPARE(r.message, QStringLiteral("Ouverture de collection annulée"));
    QVERIFY(r.beep);
    QCOMPARE(menuState(), ClosedState);
    const FileDialogs::Options o = FileDialogs::Testing::log().last();
    QVERIFY(o.mustExist);
    QCOMPARE(o.filter, QStringLiteral("Fichiers Vorelis|*.vrl"));
}

void TestMainWindow::refusesBadFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Ce fichier n'est pas un fichier Vorelis valide !");
    QTest::newRow("not sqlite") << "text" << invalid;
    QTest::newRow("no identity table") << "noinfo" << invalid;
    QTest::newRow("no identity row") << "norow" << invalid;
    QTest::newRow("two identity rows") << "tworows" << invalid;
    QTest::newRow("version 9") << "v9"
                               << "Vous devez mettre à jour votre version de Vorelis pour pouvoir ouvrir ce fichier";
    QTest::newRow("truncated") << "truncated" << invalid;
    QTest::newRow("read-only") << "readonly" << "Impossibilité d'écrire dans le fichier Vorelis choisi !!";
}

void TestMainWindow::refusesBadFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(kind + QStringLiteral(".vrl"));
    const QString info = QStringLiteral("CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , "
                                        "databaseversion INTEGER )");
    if (kind == QLatin1String("text")) {
        writeFile(path, "Mes notes de spectacle\n");
    } else if (kind == QLatin1String("noinfo")) {
        runSql(path, {QStringLiteral("CREATE TABLE notes (a)")});
    } else if (kind == QLatin1String("norow")) {
        runSql(path, {info});
    } else if (kind == QLatin1String("tworows")) {
        runSql(path, {info, QStringLiteral("INSERT INTO vorelis_info VALUES (1,'a',8)"),
                      QStringLiteral("INSERT INTO vorelis_info VALUES (2,'b',8)")});
    } else if (kind == QLatin1String("v9")) {
        runSql(path, {info, QStringLiteral("INSERT INTO vorelis_info VALUES (1,'Future',9)")});
    } else if (kind == QLatin1String("truncated")) {
        QVERIFY(CollectionStore::createFile(path, QStringLiteral("Coupée")));
        QByteArray whole = TestSupport::readBytes(path);
        writeFile(path, whole.left(whole.size() / 3));
    } else if (kind == QLatin1String("readonly")) {
        QVERIFY(CollectionStore::createFile(path, QStringLiteral("Lecture seule")));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    const QByteArray before = TestSupport::readBytes(path);

    openThroughMenu(path);
    const Dialogs::Request r = last();
    QCOMPARE(r.kind, QStringLiteral("error"));
    QCOMPARE(r.message, message);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis"));
    QCOMPARE(menuState(), ClosedState);
    QVERIFY(Form1->DatabaseFile.isEmpty());
    QCOMPARE(TestSupport::readBytes(path), before);

    // Still usable: a sound collection opens right after.
    const QString good = m_dir.filePath(QStringLiteral("good-%1.vrl").arg(kind));
    QVERIFY(CollectionStore::createFile(good, QStringLiteral("Bonne")));
    openThroughMenu(good);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis - Bonne"));
    QCOMPARE(menuState(), OpenState);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void TestMainWindow::damagedFilesAreRefusedUntouched()
{
    // Random damage anywhere in a real collection: never a crash; a refused file keeps its bytes.
    const QString sound = m_dir.filePath(QStringLiteral("sound.vrl"));
    QVERIFY(CollectionStore::createFile(sound, QStringLiteral("Saine")));
    const QByteArray original = TestSupport::readBytes(sound);
    int refused = 0;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        QByteArray damaged = original;
        const int hits = 1 + int(random.bounded(8));
        for (int i = 0; i < hits; ++i) {
            // Half of the damage goes to the first pages, where the schema lives.
            const int limit = random.bounded(2) ? qMin(damaged.size(), 8192) : damaged.size();
            damaged[int(random.bounded(limit))] = char(random.bounded(256));
        }
        if (seed % 5 == 0)
            damaged.truncate(int(random.bounded(damaged.size())));
        const QString path = m_dir.filePath(QStringLiteral("damaged-%1.vrl").arg(seed));
        writeFile(path, damaged);
        Dialogs::Testing::clear();
        openThroughMenu(path);
        if (Form1->isCollectionOpen()) {
            Form1->action(QStringLiteral("actFermer"))->trigger();
            QCOMPARE(menuState(), ClosedState);
        } else {
            ++refused;
            QCOMPARE(last().kind, QStringLiteral("error"));
            QCOMPARE(TestSupport::readBytes(path), damaged);
        }
    }
    QVERIFY(refused > 0);
}

void TestMainWindow::upgradesAnOlderFile()
{
    const QString path = m_dir.filePath(QStringLiteral("v5.vrl"));
    QVERIFY(SchemaHistory::writeFile(path, 5));
    openThroughMenu(path);
    QCOMPARE(Optimizedatabase->label()->text(), QStringLiteral("Mise à niveau de la base de données en cours ..."));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis - Ancienne"));
    QCOMPARE(menuState(), OpenState);
    QSqlQuery &q = Form1->Query();
    QVERIFY(q.exec(QStringLiteral("SELECT databaseversion FROM vorelis_info")) && q.next());
    QCOMPARE(q.value(0).toInt(), 8);
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM moteurs")) && q.next());
    QCOMPARE(q.value(0).toInt(), 10);
    QVERIFY(q.exec(QStringLiteral("SELECT fiche_technique_interne, demo FROM routines")));
    q.finish();
}

void TestMainWindow::refusedUpgradeKeepsFileAndState()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.vrl"));
    QVERIFY(SchemaHistory::writeFile(path, 1, true));
    const QByteArray before = TestSupport::readBytes(path);
    openThroughMenu(path);
    QCOMPARE(last().message, QStringLiteral("Ce fichier n'est pas un fichier Vorelis valide !"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Vorelis"));
    QCOMPARE(menuState(), ClosedState);
    QCOMPARE(TestSupport::readBytes(path), before);
}

void TestMainWindow::ctrlRevealsMassImport()
{
    QAction *item = Form1->action(QStringLiteral("actImportMasse"));
    QAction *separator = Form1->action(QStringLiteral("sepImportDocs"));
    QVERIFY(separator->isVisible());
    QTest::keyPress(Form1, Qt::Key_Control);
    QVERIFY(item->isVisible());
    QVERIFY(separator->isVisible());
    QTest::keyRelease(Form1, Qt::Key_Control);
    QVERIFY(!item->isVisible());
    QVERIFY(!separator->isVisible());
    QTest::keyPress(Form1, Qt::Key_Control);
    QTest::keyRelease(Form1, Qt::Key_A); // any key release hides them
    QVERIFY(!item->isVisible());
    QTest::keyPress(Form1, Qt::Key_Shift);
    QVERIFY(!item->isVisible());
}

void TestMainWindow::backgroundDraws()
{
    const QStringList expected{QStringLiteral("img1"), QStringLiteral("img2"), QStringLiteral("img3"),
                               QStringLiteral("img4"), QStringLiteral("img1"), QStringLiteral("img6")};
    for (int draw = 0; draw < 6; ++draw)
        QCOMPARE(TForm1::backgroundForDraw(draw), expected[draw]);
    QVERIFY(expected.contains(Form1->backgroundName()));
}

void TestMainWindow::backgroundPlacement()
{
    // Centred, shrunk per side when larger, never enlarged.
    QCOMPARE(BackgroundView::placement(QSize(1280, 1000), QSize(1600, 1200)), QRect(160, 100, 1280, 1000));
    QCOMPARE(BackgroundView::placement(QSize(1280, 1000), QSize(800, 1200)), QRect(0, 100, 800, 1000));
    QCOMPARE(BackgroundView::placement(QSize(1280, 1000), QSize(800, 600)), QRect(0, 0, 800, 600));
}

void TestMainWindow::standardDialogsSpeakFrench()
{
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Ouvrir"));
    QCOMPARE(QLocale().language(), QLocale::French);
}

void TestMainWindow::quitClosesTheMainWindow()
{
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    Form1->action(QStringLiteral("actQuitter"))->trigger();
    QVERIFY(!Form1->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
