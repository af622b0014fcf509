#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordGrid.h"
#include "common/SelectionDialog.h"
#include "common/TRechercheSQLAuteur.h"
#include "common/Trecherchesql.h"
#include "search/TEditiontechnique.h"
#include "search/TGestiontechniques.h"
#include "search/Techniques.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Dialogs::Result;

namespace {

using TestSupport::column;
using TestSupport::exec;
using TestSupport::scalar;
using TestSupport::whileShown;

qint64 technique(const QString &name, qint64 author = 0)
{
    return exec(QStringLiteral("INSERT INTO techniques (nom, id_auteur, description) VALUES (?, ?, '')"), {name, author});
}

void link(qint64 techniqueId, int dest, qint64 record)
{
    exec(QStringLiteral("INSERT INTO lnk_techniques (id_technique, dest, id_dest) VALUES (?, ?, ?)"),
         {techniqueId, dest, record});
}

void whileListShown(const std::function<void()> &body)
{
    whileShown(Gestiontechniques, body);
}

// Opens the editor as the list's buttons do and runs `body` while it is up.
void whileEditing(::EditorMode mode, qint64 id, const std::function<void()> &body)
{
    Editiontechnique->EditorMode = mode;
    Editiontechnique->RecordId = id;
    whileShown(Editiontechnique, body);
}

void typeName(const QString &name)
{
    Editiontechnique->nameEdit()->selectAll();
    QTest::keyClicks(Editiontechnique->nameEdit(), name);
}

} // namespace

class TestTechniques : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAsDesigned();
    void editorModes();
    void searchNarrowsAndClosingClears();
    void deleteRemovesOnlyItsLinks();
    void deleteCancelledOrNothingSelected();
    void failedDeletionKeepsLinks();
    void addSavesTrimmedName();
    void refusedNames_data();
    void refusedNames();
    void renameCases();
    void linkedRecordsWithAuthors();
    void creatorChosenAndCleared();
    void newAfterEditStartsWithoutCreator();
    void restoreKeepsWhatWasTyped();
    void selectionDialogCreatesTechnique();

private:
    QTemporaryDir m_dir;
};

void TestTechniques::initTestCase()
{
    TestSupport::initGui();
}

void TestTechniques::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestTechniques::cleanup()
{
    TestSupport::destroyWindows();
}

void TestTechniques::windowsAsDesigned()
{
    QWidget *seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        seen = QApplication::activeModalWidget();
        Gestiontechniques->Close();
    });
    Form1->action(QStringLiteral("actTechniques"))->trigger();
    QCOMPARE(seen, static_cast<QWidget *>(Gestiontechniques));

    QCOMPARE(Gestiontechniques->windowTitle(), QStringLiteral("Gestion des techniques"));
    QCOMPARE(Gestiontechniques->size(), QSize(589, 530));
    RecordGrid *g = Gestiontechniques->grid();
    QVERIFY(g->isColumnHidden(0));
    QCOMPARE(g->horizontalHeaderItem(1)->text(), QStringLiteral("Nom des techniques"));
    QStringList hints;
    for (const char *b : {"search", "edit", "add", "delete"})
        hints << Gestiontechniques->button(QString::fromLatin1(b))->toolTip();
    QCOMPARE(hints, (QStringList{"Rechercher une technique", "Editer une technique", "Ajouter une technique",
                                 "Supprimer une technique"}));

    QCOMPARE(Editiontechnique->size(), QSize(563, 689));
    QTabWidget *pages = Editiontechnique->pages();
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("Technique"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Documentations liées"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Routines liées"));
    for (RecordGrid *lg : {Editiontechnique->documentationGrid(), Editiontechnique->routineGrid()}) {
        QVERIFY(lg->isColumnHidden(0));
        QCOMPARE(lg->horizontalHeaderItem(1)->text(), QStringLiteral("Titre"));
        QCOMPARE(lg->horizontalHeaderItem(2)->text(), QStringLiteral("Auteur"));
    }
    QCOMPARE(Editiontechnique->nameEdit()->maxLength(), 255);
    QVERIFY(Editiontechnique->creatorEdit()->isReadOnly());
    QVERIFY(!Editiontechnique->validateButton()->isEnabled());
}

void TestTechniques::editorModes()
{
    const qint64 id = technique(QStringLiteral("Double lift"));
    struct Seen {
        QString caption, name;
        bool validate = false, docs = false, routines = false, cancel = false;
        int page = -1;
    } added, edited;
    auto look = [](Seen &s) {
        TEditiontechnique *e = Editiontechnique;
        s = {e->windowTitle(), e->nameEdit()->text(), e->validateButton()->isEnabled(),
             e->pages()->isTabVisible(1), e->pages()->isTabVisible(2), e->cancelButton()->isVisible(),
             e->pages()->currentIndex()};
    };
    whileEditing(ModeEdit, id, [&] {
        Editiontechnique->pages()->setCurrentIndex(2);
        look(edited);
        Editiontechnique->pages()->setCurrentIndex(2); // the next showing starts on "Technique" again
    });
    whileEditing(ModeNew, 0, [&] { look(added); });
    QCOMPARE(edited.caption, QStringLiteral("Edition d'une technique"));
    QCOMPARE(edited.name, QStringLiteral("Double lift"));
    QVERIFY(edited.validate && edited.docs && edited.routines && edited.cancel);
    QCOMPARE(added.caption, QStringLiteral("Nouvelle technique"));
    QCOMPARE(added.name, QString());
    QVERIFY(!added.validate && !added.docs && !added.routines && added.cancel);
    QCOMPARE(added.page, 0);
    // Typing decides whether "Valider" can be used.
    whileEditing(ModeNew, 0, [&] {
        QTest::keyClicks(Editiontechnique->nameEdit(), QStringLiteral("x"));
        QVERIFY(Editiontechnique->validateButton()->isEnabled());
        QTest::keyClick(Editiontechnique->nameEdit(), Qt::Key_Backspace);
        QVERIFY(!Editiontechnique->validateButton()->isEnabled());
    });
}

void TestTechniques::searchNarrowsAndClosingClears()
{
    for (const char *n : {"Empalmage classique", "Double lift", "Faux dépôt", "empalmage Tenkai", "100% carte"})
        technique(QString::fromUtf8(n));
    QStringList all, found, literal, cancelled, reopened;
    whileListShown([&] {
        all = column(Gestiontechniques->grid(), 1);
        Dialogs::Testing::push(Result::Ok, QStringLiteral("EMPALMAGE"));
        Gestiontechniques->button(QStringLiteral("search"))->click();
        found = column(Gestiontechniques->grid(), 1);
        Dialogs::Testing::push(Result::Ok, QStringLiteral("%"));
        Gestiontechniques->Search();
        literal = column(Gestiontechniques->grid(), 1);
        Dialogs::Testing::push(Result::Ok, QStringLiteral("lift"));
        Gestiontechniques->Search();
    });
    QVERIFY(Gestiontechniques->SearchFilter.isEmpty());
    whileListShown([&] { reopened = column(Gestiontechniques->grid(), 1); });
    whileListShown([&] {
        Dialogs::Testing::push(Result::Ok, QStringLiteral("lift"));
        Gestiontechniques->Search();
        Dialogs::Testing::push(Result::Cancel, QStringLiteral("lift"));
        Gestiontechniques->Search();
        cancelled = column(Gestiontechniques->grid(), 1);
    });
    QCOMPARE(all, (QStringList{"100% carte", "Double lift", "Empalmage classique", "Faux dépôt", "empalmage Tenkai"}));
    QCOMPARE(found, (QStringList{"Empalmage classique", "empalmage Tenkai"}));
    QCOMPARE(literal, QStringList{"100% carte"});
    QCOMPARE(reopened, all);
    QCOMPARE(cancelled, all);
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, QStringLiteral("Rechercher la technique :"));
    QCOMPARE(r.fieldWidth, 150);
    QCOMPARE(r.panelWidth, 0);
}

void TestTechniques::deleteRemovesOnlyItsLinks()
{
    const qint64 forcing = technique(QStringLiteral("Forçage"));
    const qint64 other = technique(QStringLiteral("Glissé"));
    QVector<qint64> routines;
    for (const char *n : {"Tour 1", "Tour 2", "Tour 3"}) {
        routines << exec(QStringLiteral("INSERT INTO routines (nom) VALUES (?)"), {QString::fromLatin1(n)});
        link(forcing, 3, routines.last());
    }
    link(other, 3, routines.first());
    const qint64 book = exec(QStringLiteral("INSERT INTO medias (nom) VALUES ('Livre')"));
    link(forcing, 2, book);
    int selectedAfter = -1;
    whileListShown([&] {
        Gestiontechniques->grid()->selectRowAt(0); // Forçage, Glissé
        Dialogs::Testing::push(Result::Yes);
        Gestiontechniques->button(QStringLiteral("delete"))->click();
        selectedAfter = Gestiontechniques->grid()->selectedRow();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer la techniques Forçage ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_techniques WHERE id_technique=?"), {forcing}).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_techniques WHERE id_technique=?"), {other}).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM routines")).toInt(), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM medias")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM techniques")).toString(), QStringLiteral("Glissé"));
    QCOMPARE(selectedAfter, 0);
}

// A delete that fails half-way leaves the links as they were.
void TestTechniques::failedDeletionKeepsLinks()
{
    const qint64 forcing = technique(QStringLiteral("Forçage"));
    link(forcing, 3, 1);
    exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON techniques BEGIN SELECT RAISE(ABORT, 'refus'); END"));
    whileListShown([&] {
        Gestiontechniques->grid()->selectRowAt(0);
        Dialogs::Testing::push(Result::Yes);
        Gestiontechniques->Delete();
    });
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("error"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_techniques WHERE id_technique=?"), {forcing}).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM techniques")).toInt(), 1);
}

void TestTechniques::deleteCancelledOrNothingSelected()
{
    for (const char *n : {"A", "B", "C"})
        technique(QString::fromLatin1(n));
    int selectedAfter = -1;
    whileListShown([&] {
        RecordGrid *g = Gestiontechniques->grid();
        g->selectRowAt(1);
        Dialogs::Testing::push(Result::No);
        Gestiontechniques->Delete();
        Dialogs::Testing::push(Result::Cancel); // title-bar close
        Gestiontechniques->Delete();
        g->clearSelection();
        Gestiontechniques->Delete(); // nothing asked
        g->selectRowAt(2);
        Dialogs::Testing::push(Result::Yes);
        Gestiontechniques->Delete();
        selectedAfter = g->selectedRow();
    });
    QCOMPARE(Dialogs::Testing::log().size(), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(nom) FROM techniques")).toString(), QStringLiteral("A,B"));
    QCOMPARE(selectedAfter, 1);
}

void TestTechniques::addSavesTrimmedName()
{
    technique(QStringLiteral("A"));
    technique(QStringLiteral("C"));
    bool closed = false;
    int selectedAfter = -1;
    whileListShown([&] {
        Gestiontechniques->grid()->selectRowAt(1);
        QTimer::singleShot(0, Editiontechnique, [&] {
            Editiontechnique->nameEdit()->setText(QStringLiteral("  B  \t"));
            Editiontechnique->descriptionEdit()->setPlainText(QStringLiteral("Une ligne\nune autre"));
            Editiontechnique->validateButton()->click();
            closed = !Editiontechnique->isVisible();
        });
        Gestiontechniques->button(QStringLiteral("add"))->click();
        selectedAfter = Gestiontechniques->grid()->selectedRow();
        QCOMPARE(column(Gestiontechniques->grid(), 1), (QStringList{"A", "B", "C"}));
    });
    QVERIFY(closed);
    QCOMPARE(selectedAfter, 1); // the row number is kept
    QCOMPARE(scalar(QStringLiteral("SELECT description FROM techniques WHERE nom='B'")).toString(),
             QStringLiteral("Une ligne\nune autre"));
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM techniques WHERE nom='B'")).toInt(), 0);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestTechniques::refusedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<bool>("duplicate");
    QTest::newRow("blanks") << "   " << "" << false;
    QTest::newRow("controls") << "\t \x01" << "" << false;
    QTest::newRow("other case") << "EMPALMAGE" << "EMPALMAGE" << true;
    QTest::newRow("other case, blanks") << "  empalmage " << "empalmage" << true;
}

// Refused names write nothing; the editor stays open for a correction.
void TestTechniques::refusedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownAfter);
    QFETCH(bool, duplicate);
    technique(QStringLiteral("Empalmage"));
    bool open = false, enabled = true;
    QString shown;
    whileEditing(ModeNew, 0, [&] {
        Editiontechnique->nameEdit()->setText(typed);
        Editiontechnique->validateButton()->click();
        open = Editiontechnique->isVisible();
        shown = Editiontechnique->nameEdit()->text();
        enabled = Editiontechnique->validateButton()->isEnabled();
    });
    QVERIFY(open);
    QCOMPARE(shown, shownAfter);
    QCOMPARE(enabled, duplicate);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM techniques")).toInt(), 1);
    QCOMPARE(Dialogs::Testing::log().size(), duplicate ? 1 : 0);
    if (duplicate)
        QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, QStringLiteral("Cette technique existe déjà !"));
}

void TestTechniques::renameCases()
{
    const qint64 lift = technique(QStringLiteral("double lift"));
    technique(QStringLiteral("Empalmage"));
    bool openAfterOwn = true, openAfterOther = false;
    QString typedKept;
    whileListShown([&] {
        RecordGrid *g = Gestiontechniques->grid();
        g->selectRowAt(1); // Empalmage, double lift
        QTimer::singleShot(0, Editiontechnique, [&] {
            typeName(QStringLiteral("Double Lift"));
            Editiontechnique->validateButton()->click();
            openAfterOwn = Editiontechnique->isVisible();
        });
        emit g->rowActivated(1);
        // Binary name order again: "Double Lift" now comes first.
        g->selectRowAt(column(g, 1).indexOf(QStringLiteral("Double Lift")));
        QTimer::singleShot(0, Editiontechnique, [&] {
            typeName(QStringLiteral("EMPALMAGE"));
            Editiontechnique->validateButton()->click();
            openAfterOther = Editiontechnique->isVisible();
            typedKept = Editiontechnique->nameEdit()->text();
            Editiontechnique->cancelButton()->click();
        });
        Gestiontechniques->button(QStringLiteral("edit"))->click();
    });
    QVERIFY(!openAfterOwn);
    QVERIFY(openAfterOther);
    QCOMPARE(typedKept, QStringLiteral("EMPALMAGE"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM techniques WHERE id=?"), {lift}).toString(),
             QStringLiteral("Double Lift"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM techniques WHERE nom='Empalmage'")).toInt(), 1);
    QCOMPARE(Dialogs::Testing::log().size(), 1);
}

void TestTechniques::linkedRecordsWithAuthors()
{
    const qint64 alice = exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Alice')"));
    const qint64 gone = exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Parti')"));
    const qint64 t = technique(QStringLiteral("Forçage"));
    const qint64 other = technique(QStringLiteral("Autre"));
    const qint64 bookB = exec(QStringLiteral("INSERT INTO medias (nom, id_auteur) VALUES ('Livre B', ?)"), {gone});
    const qint64 bookA = exec(QStringLiteral("INSERT INTO medias (nom, id_auteur) VALUES ('Livre A', ?)"), {alice});
    const qint64 bookC = exec(QStringLiteral("INSERT INTO medias (nom, id_auteur) VALUES ('Livre C', 0)"));
    const qint64 tour = exec(QStringLiteral("INSERT INTO routines (nom, id_createur) VALUES ('Tour', ?)"), {alice});
    link(t, 2, bookB);
    link(t, 2, bookA);
    link(t, 2, bookC);
    link(t, 3, tour);
    link(t, 1, bookA); // equipment links are not documentation
    link(other, 2, bookC);
    exec(QStringLiteral("DELETE FROM auteurs WHERE id=?"), {gone});
    QVector<QStringList> docs, routines;
    whileEditing(ModeEdit, t, [&] {
        for (int r = 0; r < Editiontechnique->documentationGrid()->rowCount(); ++r)
            docs << QStringList{Editiontechnique->documentationGrid()->cell(r, 0),
                                Editiontechnique->documentationGrid()->cell(r, 1),
                                Editiontechnique->documentationGrid()->cell(r, 2)};
        for (int r = 0; r < Editiontechnique->routineGrid()->rowCount(); ++r)
            routines << QStringList{Editiontechnique->routineGrid()->cell(r, 1),
                                    Editiontechnique->routineGrid()->cell(r, 2)};
    });
    QCOMPARE(docs, (QVector<QStringList>{{QString::number(bookA), "Livre A", "Alice"},
                                         {QString::number(bookB), "Livre B", ""},
                                         {QString::number(bookC), "Livre C", ""}}));
    QCOMPARE(routines, (QVector<QStringList>{{"Tour", "Alice"}}));
}

void TestTechniques::creatorChosenAndCleared()
{
    exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Bruno')"));
    const qint64 alice = exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Alice')"));
    const qint64 t = technique(QStringLiteral("Forçage"));
    int kind = -1;
    bool addShown = false;
    QString chosen, cancelled, cleared;
    whileEditing(ModeEdit, t, [&] {
        QTimer::singleShot(0, RechercheSQLAuteur, [&] {
            kind = RechercheSQLAuteur->creationKind();
            addShown = RechercheSQLAuteur->addButton()->isVisible();
            RechercheSQLAuteur->grid()->selectRowAt(0); // Alice, Bruno
            RechercheSQLAuteur->selectButton()->click();
        });
        QTest::mouseClick(Editiontechnique->creatorEdit(), Qt::LeftButton);
        chosen = Editiontechnique->creatorEdit()->text();
        QTimer::singleShot(0, RechercheSQLAuteur, [] { RechercheSQLAuteur->cancelButton()->click(); });
        Editiontechnique->ChooseCreator();
        cancelled = Editiontechnique->creatorEdit()->text();
        Editiontechnique->validateButton()->click();
    });
    QCOMPARE(kind, int(SelectionDialog::Author));
    QVERIFY(addShown);
    QCOMPARE(chosen, QStringLiteral("Alice"));
    QCOMPARE(cancelled, QStringLiteral("Alice"));
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM techniques WHERE id=?"), {t}).toLongLong(), alice);
    whileEditing(ModeEdit, t, [&] {
        QCOMPARE(Editiontechnique->creatorEdit()->text(), QStringLiteral("Alice"));
        Editiontechnique->clearCreatorButton()->click();
        cleared = Editiontechnique->creatorEdit()->text();
        Editiontechnique->validateButton()->click();
    });
    QCOMPARE(cleared, QString());
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM techniques WHERE id=?"), {t}).toInt(), 0);
}

void TestTechniques::newAfterEditStartsWithoutCreator()
{
    const qint64 alice = exec(QStringLiteral("INSERT INTO auteurs (nom) VALUES ('Alice')"));
    const qint64 t = technique(QStringLiteral("Forçage"), alice);
    exec(QStringLiteral("UPDATE techniques SET description='Avec le pouce' WHERE id=?"), {t});
    QString creatorWhileEditing, creatorWhenNew, descriptionWhenNew;
    qint64 idWhenNew = -1;
    whileEditing(ModeEdit, t, [&] { creatorWhileEditing = Editiontechnique->creatorEdit()->text(); });
    whileEditing(ModeNew, 0, [&] {
        creatorWhenNew = Editiontechnique->creatorEdit()->text();
        descriptionWhenNew = Editiontechnique->descriptionEdit()->toPlainText();
        idWhenNew = Editiontechnique->creatorId();
        typeName(QStringLiteral("Nouvelle"));
        Editiontechnique->validateButton()->click();
    });
    QCOMPARE(creatorWhileEditing, QStringLiteral("Alice"));
    QCOMPARE(creatorWhenNew, QString());
    QCOMPARE(descriptionWhenNew, QString());
    QCOMPARE(idWhenNew, 0);
    QCOMPARE(scalar(QStringLiteral("SELECT id_auteur FROM techniques WHERE nom='Nouvelle'")).toInt(), 0);
}

void TestTechniques::selectionDialogCreatesTechnique()
{
    technique(QStringLiteral("Glissé"));
    QStringList listed;
    QString mode;
    QTimer::singleShot(0, Recherchesql, [&] {
        QTest::keyClicks(Recherchesql->searchField(), QStringLiteral("pass"));
        QTimer::singleShot(0, Editiontechnique, [&] {
            mode = Editiontechnique->windowTitle();
            QTest::keyClicks(Editiontechnique->nameEdit(), QStringLiteral("Passe-passe"));
            Editiontechnique->validateButton()->click();
        });
        Recherchesql->addButton()->click();
        listed = column(Recherchesql->grid(), 1);
        Recherchesql->cancelButton()->click();
    });
    // The editor's last opening was in edit mode: the creation kind forces new mode.
    Editiontechnique->EditorMode = ModeEdit;
    Editiontechnique->RecordId = 1;
    Recherchesql->SelectRecord(QStringLiteral("select id,nom from techniques"),
                               QStringLiteral("select id,nom from techniques WHERE nom LIKE :recherche"),
                               QStringLiteral("nom"), SelectionDialog::Technique, false);
    QCOMPARE(mode, QStringLiteral("Nouvelle technique"));
    QCOMPARE(listed, QStringList{QStringLiteral("Passe-passe")});
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM techniques")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM techniques WHERE id=1")).toString(), QStringLiteral("Glissé"));
}

// Bringing the minimised editor back is no new showing: what was typed stays and is saved.
void TestTechniques::restoreKeepsWhatWasTyped()
{
    const qint64 id = technique(QStringLiteral("Forçage"));
    QString shown;
    int page = -1;
    whileEditing(ModeEdit, id, [&] {
        typeName(QStringLiteral("Forcage classique"));
        Editiontechnique->descriptionEdit()->setPlainText(QStringLiteral("Au choix du spectateur"));
        Editiontechnique->pages()->setCurrentIndex(1);
        TestSupport::minimiseAndRestore(Editiontechnique);
        shown = Editiontechnique->nameEdit()->text() + QLatin1Char('/') +
                Editiontechnique->descriptionEdit()->toPlainText();
        page = Editiontechnique->pages()->currentIndex();
        Editiontechnique->validateButton()->click();
    });
    QCOMPARE(shown, QStringLiteral("Forcage classique/Au choix du spectateur"));
    QCOMPARE(page, 1);
    QCOMPARE(scalar(QStringLiteral("SELECT nom || '/' || description FROM techniques")).toString(),
             QStringLiteral("Forcage classique/Au choix du spectateur"));
}

QTEST_MAIN(TestTechniques)
#include "tst_techniques.moc"
