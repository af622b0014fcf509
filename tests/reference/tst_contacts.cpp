#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "common/FieldRules.h"
#include "common/RecordGrid.h"
#include "reference/CardForm.h"
#include "reference/Contacts.h"
#include "common/Trecherchesql.h"
#include "reference/TExportationcontacts.h"
#include "reference/TGestioncontacts.h"
#include "reference/TGestionfournisseurs.h"
#include "reference/Teditfournisseur.h"
#include "reference/Teditioncontact.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Dialogs::Result;

namespace {

using TestSupport::column;
using TestSupport::count;
using TestSupport::doubleClick;
using TestSupport::exec;
using TestSupport::onNextShowing;
using TestSupport::scalar;
using TestSupport::whileShown;

// The two cards behind one face: which = 0 supplier, 1 contact.
QDialog *card(int which)
{
    return which == 0 ? static_cast<QDialog *>(Editfournisseur) : static_cast<QDialog *>(Editioncontact);
}

CardForm *form(int which)
{
    return which == 0 ? Editfournisseur->form() : Editioncontact->form();
}

QString table(int which)
{
    return which == 0 ? QStringLiteral("fournisseurs") : QStringLiteral("contacts");
}

int open(int which, EditorMode mode, qint64 id)
{
    return which == 0 ? openCard(Editfournisseur, mode, id) : openCard(Editioncontact, mode, id);
}

// Shows a card and runs `body` while it is open; it is closed afterwards if still open.
int whileOpen(int which, EditorMode mode, qint64 id, const std::function<void()> &body)
{
    int result = -1;
    TestSupport::inDialog(card(which), [&] { result = open(which, mode, id); }, body);
    return result;
}

CardListWindow *list(int which)
{
    return which == 0 ? static_cast<CardListWindow *>(Gestionfournisseurs)
                      : static_cast<CardListWindow *>(Gestioncontacts);
}

// Answers the card that the test's next step opens with `body`.
void onCard(int which, const std::function<void()> &body)
{
    onNextShowing(card(which), body);
}

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cardModes_data();
    void cardModes();
    void newCardSavesEveryField_data();
    void newCardSavesEveryField();
    void editKeepsLongStoredTexts();
    void duplicatesRefused_data();
    void duplicatesRefused();
    void blankNameRefused();
    void restoreKeepsWhatWasTyped_data();
    void restoreKeepsWhatWasTyped();
    void visitSite();
    void contactLists();
    void listHooks_data();
    void listHooks();

    void listWindowsAsDesigned_data();
    void listWindowsAsDesigned();
    void searchIsLiteralAndKept_data();
    void searchIsLiteralAndKept();
    void cardsReloadTheirList_data();
    void cardsReloadTheirList();
    void supplierDeletionClearsReferences();
    void contactWithLoanNotDeleted();
    void failedDeletionChangesNothing();
    void exportChoices_data();
    void exportChoices();
    void exportCsvBytes();
    void exportDoubleClickEdits();
    void listsKeepTheirRowOverRestore();
    void menusAndCreators();

private:
    QTemporaryDir m_dir;
};

void TestContacts::initTestCase()
{
    TestSupport::initGui();
}

void TestContacts::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestContacts::cleanup()
{
    TestSupport::destroyWindows();
}

void TestContacts::cardModes_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::newRow("supplier new") << 0 << int(ModeNew) << "Nouveau fournisseur";
    QTest::newRow("supplier edit") << 0 << int(ModeEdit) << "Edition d'un fournisseur";
    QTest::newRow("supplier view") << 0 << int(ModeView) << "Visualisation d'un fournisseur";
    QTest::newRow("contact new") << 1 << int(ModeNew) << "Nouveau contact";
    QTest::newRow("contact edit") << 1 << int(ModeEdit) << "Edition d'un contact";
    QTest::newRow("contact view") << 1 << int(ModeView) << "Visualisation d'un contact";
}

void TestContacts::cardModes()
{
    QFETCH(int, which);
    QFETCH(int, mode);
    QFETCH(QString, caption);
    const auto m = EditorMode(mode);
    const qint64 id = which == 0
                          ? exec(QStringLiteral("INSERT INTO fournisseurs (nom, ville, site) VALUES ('Magie Plus', "
                                                "'Lyon', 'magie.fr')"))
                          : exec(QStringLiteral("INSERT INTO contacts (nom, ville, isArtiste, isProspection, "
                                                "isClient, isAdministration) VALUES ('Alice', 'Lyon', '1', '0', "
                                                "'1', 'x')"));
    // A previous showing in another mode must leave nothing behind.
    whileOpen(which, m == ModeNew ? ModeEdit : ModeNew, id, [] {});
    if (which == 1)
        Editioncontact->tabs()->setCurrentIndex(1);

    QString title, name, city, validateText;
    bool readOnly = false, cancelShown = false, validateEnabled = false, validateShown = false;
    QVector<bool> roles, rolesEnabled, tabsShown;
    int currentTab = -1;
    whileOpen(which, m, id, [&] {
        CardForm *f = form(which);
        title = card(which)->windowTitle();
        name = f->field(QStringLiteral("nom"))->text();
        city = f->field(QStringLiteral("ville"))->text();
        readOnly = f->field(QStringLiteral("ville"))->isReadOnly();
        cancelShown = f->cancelButton()->isVisible();
        validateShown = f->validateButton()->isVisible();
        validateEnabled = f->validateButton()->isEnabled();
        validateText = f->validateButton()->text();
        if (which == 1) {
            for (const char *c : {"isArtiste", "isProspection", "isClient", "isAdministration"}) {
                roles << f->flag(QString::fromLatin1(c))->isChecked();
                rolesEnabled << f->flag(QString::fromLatin1(c))->isEnabled();
            }
            for (int t = 0; t < 3; ++t)
                tabsShown << Editioncontact->tabs()->isTabVisible(t);
            currentTab = Editioncontact->tabs()->currentIndex();
        }
        // "Retour" closes the card, "Valider" with nothing changed too.
        if (m != ModeNew)
            f->validateButton()->click();
    });
    QCOMPARE(title, caption);
    QCOMPARE(name, m == ModeNew ? QString() : QString::fromLatin1(which == 0 ? "Magie Plus" : "Alice"));
    QCOMPARE(city, m == ModeNew ? QString() : QStringLiteral("Lyon"));
    QCOMPARE(readOnly, m == ModeView);
    QCOMPARE(cancelShown, m != ModeView);
    QVERIFY(validateShown);
    QCOMPARE(validateEnabled, m != ModeNew);
    QCOMPARE(validateText, m == ModeView ? QStringLiteral("Retour") : QStringLiteral("Valider"));
    QVERIFY(!card(which)->isVisible());
    if (which == 1) {
        // Only exactly "1" is set; "x" is not.
        QCOMPARE(roles, m == ModeNew ? QVector<bool>(4, false) : (QVector<bool>{true, false, true, false}));
        QCOMPARE(rolesEnabled, QVector<bool>(4, m != ModeView));
        QCOMPARE(tabsShown, (QVector<bool>{true, m != ModeNew, m != ModeNew}));
        QCOMPARE(currentTab, 0);
    }
    // "Retour" and an unchanged "Valider" leave the record as it was.
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM %1").arg(table(which))).toString(),
             QString::fromLatin1(which == 0 ? "Magie Plus" : "Alice"));
}

void TestContacts::newCardSavesEveryField_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("supplier") << 0;
    QTest::newRow("contact") << 1;
}

void TestContacts::newCardSavesEveryField()
{
    QFETCH(int, which);
    const Contacts::Spec &spec = which == 0 ? Contacts::suppliers() : Contacts::contacts();
    QHash<QString, QString> expected;
    const int result = whileOpen(which, ModeNew, 0, [&] {
        CardForm *f = form(which);
        for (const Contacts::Field &field : spec.fields) {
            // Pasted one character longer than the field takes: the last one is refused.
            QString text = QString(field.maxLength, QLatin1Char(field.column.at(0).toLatin1())) + QLatin1Char('!');
            if (field.column == QLatin1String("nom"))
                text = QStringLiteral("  Éric l'\"as\" 100%\t");
            f->field(field.column)->insert(text);
            expected.insert(field.column, FieldRules::trimName(text.left(field.maxLength)));
        }
        if (which == 1) {
            f->flag(QStringLiteral("isProspection"))->click();
            f->flag(QStringLiteral("isAdministration"))->click();
        }
        f->validateButton()->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(count(table(which)), 1);
    for (const Contacts::Field &field : spec.fields) {
        const QString stored =
            scalar(QStringLiteral("SELECT %1 FROM %2").arg(field.column, table(which))).toString();
        QCOMPARE(stored, expected.value(field.column));
    }
    if (which == 1) {
        QCOMPARE(scalar(QStringLiteral("SELECT isArtiste || isProspection || isClient || isAdministration FROM "
                                       "contacts"))
                     .toString(),
                 QStringLiteral("0101"));
        // Read back in ModeEdit: the same texts and roles.
        const qint64 id = scalar(QStringLiteral("SELECT id FROM contacts")).toLongLong();
        bool prospect = false, artist = true;
        QString name;
        whileOpen(1, ModeEdit, id, [&] {
            name = Editioncontact->form()->field(QStringLiteral("nom"))->text();
            prospect = Editioncontact->form()->flag(QStringLiteral("isProspection"))->isChecked();
            artist = Editioncontact->form()->flag(QStringLiteral("isArtiste"))->isChecked();
        });
        QCOMPARE(name, expected.value(QStringLiteral("nom")));
        QVERIFY(prospect);
        QVERIFY(!artist);
    }
}

void TestContacts::editKeepsLongStoredTexts()
{
    // Written by another program, longer than the card's fields take.
    const QString longCode = QStringLiteral("1234567890123456789");
    const QString longName = QString(300, QLatin1Char('n'));
    const qint64 id = exec(QStringLiteral("INSERT INTO fournisseurs (nom, codepostal, ville) VALUES (?, ?, NULL)"),
                           {longName, longCode});
    int refused = 0;
    whileOpen(0, ModeEdit, id, [&] {
        QLineEdit *code = Editfournisseur->form()->field(QStringLiteral("codepostal"));
        QCOMPARE(code->text(), longCode);
        code->end(false);
        QTest::keyClicks(code, QStringLiteral("9"));
        refused = code->text() == longCode ? 1 : 0;
        QTest::keyClicks(Editfournisseur->form()->field(QStringLiteral("ville")), QStringLiteral("Nantes"));
        Editfournisseur->form()->validateButton()->click();
    });
    QCOMPARE(refused, 1);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM fournisseurs")).toString(), longName);
    QCOMPARE(scalar(QStringLiteral("SELECT codepostal FROM fournisseurs")).toString(), longCode);
    QCOMPARE(scalar(QStringLiteral("SELECT ville FROM fournisseurs")).toString(), QStringLiteral("Nantes"));
    // An empty field is stored as an empty text, not NULL.
    QCOMPARE(scalar(QStringLiteral("SELECT typeof(pays) FROM fournisseurs")).toString(), QStringLiteral("text"));
}

void TestContacts::duplicatesRefused_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("message");
    QTest::newRow("supplier") << 0 << "Ce fournisseur existe déjà !";
    QTest::newRow("contact") << 1 << "Ce contact existe déjà !";
}

void TestContacts::duplicatesRefused()
{
    QFETCH(int, which);
    QFETCH(QString, message);
    const QString insert = QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table(which));
    exec(insert, {QStringLiteral("Bruno Mystere")});
    const qint64 alice = exec(insert, {QStringLiteral("alice")});

    // New, in other letter case: refused, the card stays open with its text.
    bool stayed = false;
    QString kept;
    whileOpen(which, ModeNew, 0, [&] {
        QLineEdit *name = form(which)->field(QStringLiteral("nom"));
        QTest::keyClicks(name, QStringLiteral(" bruno MYSTERE"));
        form(which)->validateButton()->click();
        stayed = card(which)->isVisible();
        kept = name->text();
    });
    QVERIFY(stayed);
    QCOMPARE(kept, QStringLiteral("bruno MYSTERE"));
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, message);

    // Renamed to another record's name in other case: refused; to its own in other case: accepted.
    Dialogs::Testing::clear();
    stayed = false;
    whileOpen(which, ModeEdit, alice, [&] {
        QLineEdit *name = form(which)->field(QStringLiteral("nom"));
        name->setText(QStringLiteral("BRUNO MYSTERE"));
        form(which)->validateButton()->click();
        stayed = card(which)->isVisible();
        kept = name->text();
        name->setText(QStringLiteral("ALICE"));
        form(which)->validateButton()->click();
    });
    QVERIFY(stayed);
    QCOMPARE(kept, QStringLiteral("BRUNO MYSTERE"));
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, message);
    QCOMPARE(count(table(which)), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM %1 WHERE id=?").arg(table(which)), {alice}).toString(),
             QStringLiteral("ALICE"));
}

void TestContacts::blankNameRefused()
{
    for (int which = 0; which < 2; ++which) {
        bool enabledWhileBlank = true, enabledAfter = true, stayed = false;
        whileOpen(which, ModeNew, 0, [&] {
            QLineEdit *name = form(which)->field(QStringLiteral("nom"));
            QTest::keyClicks(name, QStringLiteral("x"));
            name->clear();
            enabledWhileBlank = form(which)->validateButton()->isEnabled();
            name->setText(QStringLiteral(" \t\x01 "));
            form(which)->validateButton()->click();
            enabledAfter = form(which)->validateButton()->isEnabled();
            stayed = card(which)->isVisible() && name->text().isEmpty();
        });
        QVERIFY(!enabledWhileBlank);
        QVERIFY(!enabledAfter);
        QVERIFY(stayed);
        QCOMPARE(count(table(which)), 0);
    }
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestContacts::restoreKeepsWhatWasTyped_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("supplier") << 0;
    QTest::newRow("contact") << 1;
}

// Bringing a minimised card back is no new showing: what was typed stays and is what is saved.
void TestContacts::restoreKeepsWhatWasTyped()
{
    QFETCH(int, which);
    const qint64 id = exec(QStringLiteral("INSERT INTO %1 (nom, ville) VALUES ('Alice', 'Paris')").arg(table(which)));
    QString shown;
    int tab = -1;
    whileOpen(which, ModeEdit, id, [&] {
        form(which)->field(QStringLiteral("nom"))->setText(QStringLiteral("Alice Martin"));
        form(which)->field(QStringLiteral("ville"))->setText(QStringLiteral("Lyon"));
        if (which == 1)
            Editioncontact->tabs()->setCurrentIndex(2);
        TestSupport::minimiseAndRestore(card(which));
        shown = form(which)->field(QStringLiteral("nom"))->text() + QLatin1Char('/') +
                form(which)->field(QStringLiteral("ville"))->text();
        if (which == 1)
            tab = Editioncontact->tabs()->currentIndex();
        form(which)->validateButton()->click();
    });
    QCOMPARE(shown, QStringLiteral("Alice Martin/Lyon"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom || '/' || ville FROM %1").arg(table(which))).toString(),
             QStringLiteral("Alice Martin/Lyon"));
    if (which == 1)
        QCOMPARE(tab, 2);
}

void TestContacts::visitSite()
{
    const qint64 id = exec(QStringLiteral("INSERT INTO contacts (nom, site) VALUES ('Alice', 'http://x.fr/a b')"));
    whileOpen(1, ModeView, id, [] { Editioncontact->form()->siteButton()->click(); });
    whileOpen(0, ModeNew, 0, [] { Editfournisseur->form()->siteButton()->click(); }); // empty: nothing
    QCOMPARE(Desktop::Testing::opened().size(), 1);
    QCOMPARE(Desktop::Testing::opened().first().toEncoded(), QByteArray("http://x.fr/a%20b"));
    QCOMPARE(Editioncontact->form()->siteButton()->toolTip(), QStringLiteral("Visiter le site internet"));
}

void TestContacts::contactLists()
{
    const qint64 alice = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Alice')"));
    const qint64 bruno = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Bruno')"));
    exec(QStringLiteral("INSERT INTO materiels (nom, id_pret) VALUES ('Gobelets', ?), ('Anneaux', ?), ('Cordes', ?)"),
         {alice, alice, bruno});
    exec(QStringLiteral("INSERT INTO medias (nom, id_pret) VALUES ('Livre', ?)"), {alice});
    const qint64 r1 = exec(QStringLiteral("INSERT INTO routines (nom) VALUES ('Zombie')"));
    const qint64 r2 = exec(QStringLiteral("INSERT INTO routines (nom) VALUES ('Ambitieuse')"));
    exec(QStringLiteral("INSERT INTO lnk_spectateurs (id_spectateur, id_dest) VALUES (?, ?), (?, ?), (?, ?)"),
         {alice, r1, alice, r2, bruno, r1});
    QStringList loans, types, routines, headers;
    bool idsHidden = false;
    whileOpen(1, ModeEdit, alice, [&] {
        RecordGrid *l = Editioncontact->loansGrid();
        loans = column(l, QStringLiteral("nom"));
        types = column(l, QStringLiteral("type"));
        routines = column(Editioncontact->routinesGrid(), QStringLiteral("nom"));
        for (int c = 0; c < l->columnCount(); ++c)
            headers << l->horizontalHeaderItem(c)->text();
        headers << Editioncontact->routinesGrid()->horizontalHeaderItem(1)->text();
        idsHidden = l->isColumnHidden(0) && Editioncontact->routinesGrid()->isColumnHidden(0);
        for (int t = 0; t < 3; ++t)
            headers << Editioncontact->tabs()->tabText(t);
    });
    // Equipment first, then documentation, each in name order.
    QCOMPARE(loans, (QStringList{"Anneaux", "Gobelets", "Livre"}));
    QCOMPARE(types, (QStringList{"Materiel", "Materiel", "Documentation"}));
    QCOMPARE(routines, (QStringList{"Ambitieuse", "Zombie"}));
    QCOMPARE(headers, (QStringList{"ID", "Emprunts en cours", "Type", "Routines vues", "Contact", "Emprunts",
                                   "Routines vues"}));
    QVERIFY(idsHidden);
    // The next contact's card shows only its own.
    whileOpen(1, ModeView, bruno, [&] {
        loans = column(Editioncontact->loansGrid(), QStringLiteral("nom"));
        routines = column(Editioncontact->routinesGrid(), QStringLiteral("nom"));
    });
    QCOMPARE(loans, QStringList{"Cordes"});
    QCOMPARE(routines, QStringList{"Zombie"});
}

void TestContacts::listHooks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("called");
    QTest::newRow("edit") << int(ModeEdit) << true;
    QTest::newRow("view") << int(ModeView) << false;
}

void TestContacts::listHooks()
{
    QFETCH(int, mode);
    QFETCH(bool, called);
    const qint64 alice = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Alice')"));
    const qint64 cups = exec(QStringLiteral("INSERT INTO materiels (nom, id_pret) VALUES ('Gobelets', ?)"), {alice});
    const qint64 book = exec(QStringLiteral("INSERT INTO medias (id, nom, id_pret) VALUES (40, 'Livre', ?)"), {alice});
    const qint64 routine = exec(QStringLiteral("INSERT INTO routines (id, nom) VALUES (7, 'Zombie')"));
    exec(QStringLiteral("INSERT INTO lnk_spectateurs (id_spectateur, id_dest) VALUES (?, ?)"), {alice, routine});

    // Without hooks a double-click does nothing (the program sets OpenLoan to the equipment editor).
    Editioncontact->OpenLoan = nullptr;
    Editioncontact->OpenRoutine = nullptr;
    whileOpen(1, EditorMode(mode), alice, [&] {
        Editioncontact->tabs()->setCurrentIndex(1);
        doubleClick(Editioncontact->loansGrid(), 0);
    });

    QList<QPair<QString, qint64>> loans;
    QList<qint64> routines;
    Editioncontact->OpenLoan = [&](const QString &type, qint64 id) { loans.append({type, id}); };
    Editioncontact->OpenRoutine = [&](qint64 id) { routines.append(id); };
    whileOpen(1, EditorMode(mode), alice, [&] {
        Editioncontact->tabs()->setCurrentIndex(1);
        doubleClick(Editioncontact->loansGrid(), 1); // Livre
        doubleClick(Editioncontact->loansGrid(), 0); // Gobelets
        Editioncontact->tabs()->setCurrentIndex(2);
        doubleClick(Editioncontact->routinesGrid(), 0);
        // No row selected: nothing.
        Editioncontact->routinesGrid()->clearSelection();
        emit Editioncontact->routinesGrid()->rowActivated(0);
    });
    if (called) {
        QCOMPARE(loans, (QList<QPair<QString, qint64>>{{QStringLiteral("Documentation"), book},
                                                        {QStringLiteral("Materiel"), cups}}));
        QCOMPARE(routines, QList<qint64>{routine});
    } else {
        QVERIFY(loans.isEmpty());
        QVERIFY(routines.isEmpty());
    }
}

void TestContacts::listWindowsAsDesigned_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("hints");
    QTest::newRow("suppliers") << 0 << "Gestion des fournisseurs" << QStringList{"ID", "Fournisseurs"}
                               << QStringList{"Ajouter un fournisseur", "Supprimer un fournisseur",
                                              "Editer un fournisseur", "Rechercher un fournisseur"};
    QTest::newRow("contacts") << 1 << "Gestion des contacts" << QStringList{"ID", "Contacts"}
                              << QStringList{"Ajouter un contact", "Supprimer le contact", "Editer le contact",
                                             "Rechercher un contact"};
}

void TestContacts::listWindowsAsDesigned()
{
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, hints);
    CardListWindow *w = list(which);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->minimumSize(), QSize(500, 500));
    QStringList seen;
    for (int c = 0; c < w->grid()->columnCount(); ++c)
        seen << w->grid()->horizontalHeaderItem(c)->text();
    QCOMPARE(seen, headers);
    QVERIFY(w->grid()->isColumnHidden(0));
    QStringList tips;
    for (const char *b : {"add", "delete", "edit", "search"})
        tips << w->button(QString::fromLatin1(b))->toolTip();
    QCOMPARE(tips, hints);
    QCOMPARE(w->closeButton()->text(), QStringLiteral("Fermer"));
}

void TestContacts::searchIsLiteralAndKept_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("suppliers") << 0 << "Rechercher le fournisseur :";
    QTest::newRow("contacts") << 1 << "Rechercher le contact :";
}

void TestContacts::searchIsLiteralAndKept()
{
    QFETCH(int, which);
    QFETCH(QString, prompt);
    for (const char *n : {"100% Magie", "1000 Magies", "L'As de pique", "a_b", "axb", "Zèbre"})
        exec(QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table(which)), {QString::fromUtf8(n)});
    CardListWindow *w = list(which);
    const QList<QPair<QString, QStringList>> searches{
        {QStringLiteral("%"), {QStringLiteral("100% Magie")}},
        {QStringLiteral("_"), {QStringLiteral("a_b")}},
        {QStringLiteral("l'as"), {QStringLiteral("L'As de pique")}},
        {QStringLiteral("100"), {QStringLiteral("100% Magie"), QStringLiteral("1000 Magies")}},
    };
    QList<QStringList> found;
    int selectedAfterSearch = -1;
    whileShown(w, [&] {
        w->grid()->selectRowAt(3);
        for (const auto &s : searches) {
            Dialogs::Testing::push(Result::Ok, s.first);
            w->button(QStringLiteral("search"))->click();
            found << column(w->grid(), QStringLiteral("nom"));
        }
        selectedAfterSearch = w->grid()->selectedRow();
        w->closeButton()->click();
    });
    for (int i = 0; i < searches.size(); ++i)
        QCOMPARE(found.at(i), searches.at(i).second);
    QCOMPARE(selectedAfterSearch, 0);
    const Dialogs::Request r = Dialogs::Testing::last(QStringLiteral("search"));
    QCOMPARE(r.message, prompt);
    QCOMPARE(r.fieldWidth, 150);
    QCOMPARE(r.panelWidth, 0);
    // "Fermer" keeps the filter; the menu empties it before showing the list.
    QCOMPARE(w->SearchFilter, QStringLiteral("100"));
    int rows = 0;
    whileShown(w, [&] { rows = w->grid()->rowCount(); });
    QCOMPARE(rows, 2);
    QTimer::singleShot(0, w, [&] {
        rows = w->grid()->rowCount();
        w->reject();
    });
    Form1->action(QString::fromLatin1(which == 0 ? "actFournisseurs" : "actContacts"))->trigger();
    QCOMPARE(rows, 6);
    // A cancelled search lists everything.
    whileShown(w, [&] {
        Dialogs::Testing::push(Result::Cancel, QStringLiteral("Magie"));
        w->Find();
        rows = w->grid()->rowCount();
    });
    QCOMPARE(rows, 6);
}

void TestContacts::cardsReloadTheirList_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("suppliers") << 0;
    QTest::newRow("contacts") << 1;
}

void TestContacts::cardsReloadTheirList()
{
    QFETCH(int, which);
    for (const char *n : {"Alpha", "Bravo", "Charlie", "Delta"})
        exec(QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table(which)), {QString::fromLatin1(n)});
    CardListWindow *w = list(which);
    QStringList afterEdit, afterAdd, afterCancel;
    int selectedAfterEdit = -1, selectedAfterAdd = -1;
    QString editCaption, editName, addCaption;
    whileShown(w, [&] {
        RecordGrid *g = w->grid();
        g->selectRowAt(2);
        onCard(which, [&] {
            editCaption = card(which)->windowTitle();
            editName = form(which)->field(QStringLiteral("nom"))->text();
            form(which)->field(QStringLiteral("nom"))->setText(QStringLiteral("Aaron"));
            form(which)->validateButton()->click();
        });
        w->button(QStringLiteral("edit"))->click();
        afterEdit = column(g, QStringLiteral("nom"));
        selectedAfterEdit = g->selectedRow();
        // A double-click opens the card too; cancelled, nothing changes.
        onCard(which, [&] {
            form(which)->field(QStringLiteral("nom"))->setText(QStringLiteral("Zulu"));
            form(which)->cancelButton()->click();
        });
        doubleClick(g, 1);
        afterCancel = column(g, QStringLiteral("nom"));
        g->selectRowAt(3);
        onCard(which, [&] {
            addCaption = card(which)->windowTitle();
            QTest::keyClicks(form(which)->field(QStringLiteral("nom")), QStringLiteral("Echo"));
            form(which)->validateButton()->click();
        });
        w->button(QStringLiteral("add"))->click();
        afterAdd = column(g, QStringLiteral("nom"));
        selectedAfterAdd = g->selectedRow();
    });
    QCOMPARE(editCaption,
             which == 0 ? QStringLiteral("Edition d'un fournisseur") : QStringLiteral("Edition d'un contact"));
    QCOMPARE(editName, QStringLiteral("Charlie"));
    QCOMPARE(afterEdit, (QStringList{"Aaron", "Alpha", "Bravo", "Delta"}));
    QCOMPARE(selectedAfterEdit, 2);
    QCOMPARE(afterCancel, afterEdit);
    QCOMPARE(addCaption, which == 0 ? QStringLiteral("Nouveau fournisseur") : QStringLiteral("Nouveau contact"));
    QCOMPARE(afterAdd, (QStringList{"Aaron", "Alpha", "Bravo", "Delta", "Echo"}));
    QCOMPARE(selectedAfterAdd, 3);
}

void TestContacts::supplierDeletionClearsReferences()
{
    const qint64 shop = exec(QStringLiteral("INSERT INTO fournisseurs (nom) VALUES ('Boutique')"));
    const qint64 other = exec(QStringLiteral("INSERT INTO fournisseurs (nom) VALUES ('Atelier')"));
    exec(QStringLiteral("INSERT INTO materiels (nom, id_fournisseur) VALUES ('Gobelets', ?), ('Cordes', ?)"),
         {shop, other});
    exec(QStringLiteral("INSERT INTO medias (nom, id_fournisseur) VALUES ('Livre', ?), ('DVD', ?)"), {shop, shop});
    int selected = -1;
    whileShown(Gestionfournisseurs, [&] {
        RecordGrid *g = Gestionfournisseurs->grid();
        g->selectRowAt(1); // Atelier, Boutique
        Dialogs::Testing::push(Result::No);
        Gestionfournisseurs->button(QStringLiteral("delete"))->click();
        Dialogs::Testing::push(Result::Yes);
        Gestionfournisseurs->button(QStringLiteral("delete"))->click();
        selected = g->selectedRow();
    });
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer le fournisseur Boutique ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels WHERE id_fournisseur=0")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT id_fournisseur FROM materiels WHERE nom='Cordes'")).toLongLong(), other);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM medias WHERE id_fournisseur=0")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM fournisseurs")).toString(), QStringLiteral("Atelier"));
    QCOMPARE(count(QStringLiteral("fournisseurs")), 1);
    QCOMPARE(selected, 0);
}

void TestContacts::contactWithLoanNotDeleted()
{
    const qint64 alice = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Alice')"));
    const qint64 bruno = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Bruno')"));
    for (const char *t : {"materiels", "medias"}) {
        const QString lent = QStringLiteral("INSERT INTO %1 (nom, id_pret) VALUES ('Objet', ?)").arg(QLatin1String(t));
        exec(lent, {alice});
    }
    exec(QStringLiteral("INSERT INTO lnk_spectateurs (id_spectateur, id_dest) VALUES (?, 1), (?, 2), (?, 1)"),
         {alice, alice, bruno});
    const auto deleteAlice = [] {
        whileShown(Gestioncontacts, [] {
            Gestioncontacts->grid()->selectRowAt(0);
            Dialogs::Testing::push(Result::Yes);
            Gestioncontacts->button(QStringLiteral("delete"))->click();
        });
    };
    // Lent equipment, then lent documentation: refused before any question.
    for (const char *t : {"materiels", "medias"}) {
        Dialogs::Testing::clear();
        deleteAlice();
        QCOMPARE(Dialogs::Testing::log().size(), 1);
        QCOMPARE(Dialogs::Testing::last(QStringLiteral("error")).message, Contacts::LentText);
        QCOMPARE(count(QStringLiteral("contacts")), 2);
        QCOMPARE(count(QStringLiteral("lnk_spectateurs")), 3);
        QCOMPARE(Contacts::removeContact(Form1->database(), alice), Contacts::RemoveResult::Lent);
        exec(QStringLiteral("UPDATE %1 SET id_pret=0").arg(QLatin1String(t))); // returned
    }
    Dialogs::Testing::clear();
    deleteAlice();
    QCOMPARE(Dialogs::Testing::last(QStringLiteral("question")).message,
             QStringLiteral("Voulez-vous supprimer le contact Alice ?"));
    QCOMPARE(scalar(QStringLiteral("SELECT nom FROM contacts")).toString(), QStringLiteral("Bruno"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_spectateurs WHERE id_spectateur=?"), {alice}).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM lnk_spectateurs WHERE id_spectateur=?"), {bruno}).toInt(), 1);
}

// A delete that fails half-way leaves the references as they were.
void TestContacts::failedDeletionChangesNothing()
{
    const qint64 shop = exec(QStringLiteral("INSERT INTO fournisseurs (nom) VALUES ('Boutique')"));
    const qint64 alice = exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Alice')"));
    exec(QStringLiteral("INSERT INTO materiels (nom, id_fournisseur) VALUES ('Gobelets', ?)"), {shop});
    exec(QStringLiteral("INSERT INTO medias (nom, id_fournisseur) VALUES ('Livre', ?)"), {shop});
    exec(QStringLiteral("INSERT INTO lnk_spectateurs (id_spectateur, id_dest) VALUES (?, 1)"), {alice});
    for (const char *t : {"fournisseurs", "contacts"})
        exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'refus'); END")
                 .arg(QLatin1String(t)));
    QVERIFY(!Contacts::removeSupplier(Form1->database(), shop));
    QCOMPARE(Contacts::removeContact(Form1->database(), alice), Contacts::RemoveResult::Failed);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM materiels WHERE id_fournisseur=?"), {shop}).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM medias WHERE id_fournisseur=?"), {shop}).toInt(), 1);
    QCOMPARE(count(QStringLiteral("lnk_spectateurs")), 1);
    QCOMPARE(count(QStringLiteral("fournisseurs")), 1);
    QCOMPARE(count(QStringLiteral("contacts")), 1);
}

void TestContacts::exportChoices_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("Artiste") << 0 << QStringList{"Artiste", "Artiste client"};
    QTest::newRow("Prospection commerciale") << 1 << QStringList{"Prospect"};
    QTest::newRow("Client") << 2 << QStringList{"Artiste client"};
    QTest::newRow("Administration") << 3 << QStringList{"Mairie"};
    QTest::newRow("Non catégorisé") << 4 << QStringList{"Aucun"};
    QTest::newRow("Tous les contacts") << 5
                                       << QStringList{"Artiste", "Artiste client", "Aucun", "Mairie", "Prospect",
                                                      "Sans rôles écrits"};
}

void TestContacts::exportChoices()
{
    QFETCH(int, choice);
    QFETCH(QStringList, names);
    const QString insert = QStringLiteral("INSERT INTO contacts (nom, isArtiste, isProspection, isClient, "
                                          "isAdministration) VALUES (?, ?, ?, ?, ?)");
    exec(insert, {QStringLiteral("Artiste"), "1", "0", "0", "0"});
    exec(insert, {QStringLiteral("Artiste client"), "1", "0", "1", "0"});
    exec(insert, {QStringLiteral("Prospect"), "0", "1", "0", "0"});
    exec(insert, {QStringLiteral("Mairie"), "0", "0", "0", "1"});
    exec(insert, {QStringLiteral("Aucun"), "0", "0", "0", "0"});
    // Flags left NULL by another program: only under "Tous les contacts".
    exec(QStringLiteral("INSERT INTO contacts (nom) VALUES ('Sans rôles écrits')"));
    QStringList entries, listed, headers;
    int startEntry = -1;
    whileShown(Exportationcontacts, [&] {
        QComboBox *c = Exportationcontacts->choice();
        startEntry = c->currentIndex();
        for (int i = 0; i < c->count(); ++i)
            entries << c->itemText(i);
        c->setCurrentIndex(choice);
        listed = column(Exportationcontacts->grid(), QStringLiteral("nom"));
        RecordGrid *g = Exportationcontacts->grid();
        for (int i = 0; i < g->columnCount(); ++i)
            if (!g->isColumnHidden(i))
                headers << g->horizontalHeaderItem(i)->text();
    });
    QCOMPARE(startEntry, 0);
    QCOMPARE(entries, (QStringList{"Artiste", "Prospection commerciale", "Client", "Administration",
                                   "Non catégorisé", "Tous les contacts"}));
    QCOMPARE(listed, names);
    QCOMPARE(headers, (QStringList{"Nom", "Email", "Téléphone"}));
}

void TestContacts::exportCsvBytes()
{
    exec(QStringLiteral("INSERT INTO contacts (nom, email, tel, adresse, adresse_suite, codepostal, ville, pays, "
                        "isArtiste) VALUES ('Zoé; la magicienne', 'zoe@x.fr', '01 02', '3 rue Haute', 'Bât. B', "
                        "'75001', 'Paris', 'France', '1')"));
    exec(QStringLiteral("INSERT INTO contacts (nom, isArtiste) VALUES ('Abel', '1')"));
    const QString path = m_dir.filePath(QStringLiteral("contacts.csv"));
    const QString empty = m_dir.filePath(QStringLiteral("vide.csv"));
    whileShown(Exportationcontacts, [&] {
        FileDialogs::Testing::push(path);
        Exportationcontacts->exportButton()->click();
        Exportationcontacts->choice()->setCurrentIndex(Contacts::Administrations);
        FileDialogs::Testing::push(empty);
        Exportationcontacts->exportButton()->click();
        FileDialogs::Testing::push(QString()); // cancelled: nothing
        Exportationcontacts->exportButton()->click();
    });
    QCOMPARE(TestSupport::readBytes(path),
             QByteArray("Nom;Email;Tel;Adresse;Adresse (suite); Code postal; Ville; Pays;\n"
                        "Abel;;;;;;;;\n"
                        "Zo\xc3\xa9, la magicienne;zoe@x.fr;01 02;3 rue Haute;B\xc3\xa2t. B;75001;Paris;France;\n"));
    QCOMPARE(TestSupport::readBytes(empty),
             QByteArray("Nom;Email;Tel;Adresse;Adresse (suite); Code postal; Ville; Pays;\n"));
    QCOMPARE(FileDialogs::Testing::log().last().filter, QStringLiteral("Fichier CSV|*.CSV"));
    int done = 0;
    for (const Dialogs::Request &r : Dialogs::Testing::log())
        done += r.message == QStringLiteral("Export CSV effectué");
    QCOMPARE(done, 2);
}

void TestContacts::exportDoubleClickEdits()
{
    for (const char *n : {"Alpha", "Bravo", "Charlie"})
        exec(QStringLiteral("INSERT INTO contacts (nom, isClient) VALUES (?, '1')"), {QString::fromLatin1(n)});
    QString caption;
    QStringList after;
    int selected = -1;
    whileShown(Exportationcontacts, [&] {
        Exportationcontacts->choice()->setCurrentIndex(Contacts::Clients);
        RecordGrid *g = Exportationcontacts->grid();
        onCard(1, [&] {
            caption = Editioncontact->windowTitle();
            Editioncontact->form()->field(QStringLiteral("nom"))->setText(QStringLiteral("Bravo bis"));
            Editioncontact->form()->flag(QStringLiteral("isArtiste"))->click();
            Editioncontact->form()->validateButton()->click();
        });
        doubleClick(g, 1);
        after = column(g, QStringLiteral("nom"));
        selected = g->selectedRow();
        // The same entry is listed again.
        QCOMPARE(Exportationcontacts->choice()->currentIndex(), int(Contacts::Clients));
    });
    QCOMPARE(caption, QStringLiteral("Edition d'un contact"));
    QCOMPARE(after, (QStringList{"Alpha", "Bravo bis", "Charlie"}));
    QCOMPARE(selected, 1);
    QCOMPARE(scalar(QStringLiteral("SELECT isArtiste || isClient FROM contacts WHERE nom='Bravo bis'")).toString(),
             QStringLiteral("11"));
}

void TestContacts::listsKeepTheirRowOverRestore()
{
    for (const char *n : {"Alpha", "Bravo", "Charlie"})
        exec(QStringLiteral("INSERT INTO contacts (nom, isArtiste) VALUES (?, '1')"), {QString::fromLatin1(n)});
    for (QDialog *w : {static_cast<QDialog *>(Gestioncontacts), static_cast<QDialog *>(Exportationcontacts)}) {
        RecordGrid *g = w == Gestioncontacts ? Gestioncontacts->grid() : Exportationcontacts->grid();
        int selected = -1;
        whileShown(w, [&] {
            g->selectRowAt(2);
            TestSupport::minimiseAndRestore(w);
            selected = g->selectedRow();
        });
        QCOMPARE(selected, 2);
    }
}

void TestContacts::menusAndCreators()
{
    // The export window from its menu item.
    QWidget *seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        seen = QApplication::activeModalWidget();
        if (seen)
            static_cast<QDialog *>(seen)->reject();
    });
    Form1->action(QStringLiteral("actExportContacts"))->trigger();
    QCOMPARE(seen, static_cast<QWidget *>(Exportationcontacts));

    // The add button of a selection dialog opens the card of its kind in ModeNew.
    for (int which = 0; which < 2; ++which) {
        const QString tableName = table(which);
        exec(QStringLiteral("INSERT INTO %1 (nom) VALUES ('Ancien')").arg(tableName));
        // A card last shown in ModeEdit must still open as a new one.
        whileOpen(which, ModeEdit, 1, [] {});
        QString caption;
        QStringList listed;
        QTimer::singleShot(0, Recherchesql, [&] {
            QTest::keyClicks(Recherchesql->searchField(), QStringLiteral("nou"));
            onCard(which, [&] {
                caption = card(which)->windowTitle();
                QTest::keyClicks(form(which)->field(QStringLiteral("nom")), QStringLiteral("Nouveau venu"));
                form(which)->validateButton()->click();
            });
            Recherchesql->addButton()->click();
            listed = column(Recherchesql->grid(), QStringLiteral("nom"));
            Recherchesql->cancelButton()->click();
        });
        Recherchesql->SelectRecord(QStringLiteral("select id,nom from ") + tableName,
                                   QStringLiteral("select id,nom from %1 WHERE nom LIKE :recherche").arg(tableName),
                                   QStringLiteral("nom"),
                                   which == 0 ? SelectionDialog::Supplier : SelectionDialog::Contact, false);
        QCOMPARE(caption, which == 0 ? QStringLiteral("Nouveau fournisseur") : QStringLiteral("Nouveau contact"));
        QCOMPARE(listed, QStringList{QStringLiteral("Nouveau venu")});
        QCOMPARE(count(tableName), 2);
    }
}

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
