#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "common/FieldRules.h"
#include "common/RecordGrid.h"
#include "reference/CardForm.h"
#include "reference/Contacts.h"
#include "reference/TGestioncontacts.h"
#include "reference/TGestionfournisseurs.h"
#include "reference/Teditfournisseur.h"
#include "reference/Teditioncontact.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Dialogs::Result;

namespace {

qint64 exec(const QString &sql, const QVariantList &values = {})
{
    QSqlQuery &q = Form1->Query();
    q.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    const qint64 id = q.lastInsertId().toLongLong();
    q.finish();
    return id;
}

QVariant scalar(const QString &sql, const QVariantList &values = {})
{
    QSqlQuery &q = Form1->Query();
    q.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    QVariant v;
    if (q.exec() && q.next())
        v = q.value(0);
    q.finish();
    return v;
}

int count(const QString &table)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

QStringList column(RecordGrid *grid, const QString &field)
{
    QStringList c;
    for (int r = 0; r < grid->rowCount(); ++r)
        c << grid->cell(r, field);
    return c;
}

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
    QDialog *d = card(which);
    QTimer::singleShot(0, d, [d, body] {
        body();
        if (d->isVisible())
            d->reject();
    });
    return open(which, mode, id);
}

void doubleClick(RecordGrid *grid, int row)
{
    grid->scrollToItem(grid->item(row, 1));
    const QPoint at = grid->visualItemRect(grid->item(row, 1)).center();
    // As a mouse does it: a click, then the double-click event.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
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
    void visitSite();
    void contactLists();
    void listHooks_data();
    void listHooks();

private:
    QTemporaryDir m_dir;
    int m_file = 0;
};

void TestContacts::initTestCase()
{
    TestSupport::initGui();
}

void TestContacts::init()
{
    TestSupport::createWindows();
    TestSupport::newCollection(m_dir, QStringLiteral("c%1.vrl").arg(++m_file));
    Dialogs::Testing::clear();
    Desktop::Testing::opened().clear();
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

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
