#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordGrid.h"
#include "common/SelectionDialog.h"
#include "common/TRechercheSQLAuteur.h"
#include "common/Trecherchesql.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QString TagsBase = QStringLiteral("select id,nom from categorie");
const QString TagsFiltered = QStringLiteral("select id,nom from categorie WHERE nom LIKE :recherche");
const QString SuppliersBase = QStringLiteral("select id,nom from fournisseurs");
const QString SuppliersFiltered = QStringLiteral("select id,nom from fournisseurs WHERE nom LIKE :recherche");
const QString RoutinesBase =
    QStringLiteral("select routines.id as id,routines.nom as nom,auteurs.nom as auteur from routines LEFT OUTER "
                   "JOIN auteurs ON routines.id_createur=auteurs.id");
const QString RoutinesFiltered = RoutinesBase + QStringLiteral(" WHERE auteurs.nom LIKE :recherche OR routines.nom "
                                                               "LIKE :recherche");
const QString Nom = QStringLiteral("nom");

using TestSupport::clickHeader;
using TestSupport::exec;

// Inserts names (in the given order) in one transaction; returns their ids.
QVector<int> insertNames(const QString &table, const QStringList &names) {
    QVector<int> ids;
    Form1->collection().begin();
    QSqlQuery &q = Form1->Query();
    q.prepare(QStringLiteral("INSERT INTO %1 (nom) VALUES (?)").arg(table));
    for (const QString &n : names) {
        q.addBindValue(n);
        if (!q.exec())
            qFatal("%s", qPrintable(q.lastError().text()));
        ids << q.lastInsertId().toInt();
    }
    q.finish();
    Form1->collection().commit();
    return ids;
}

QStringList names(const RecordGrid *grid) {
    return TestSupport::column(grid, Nom);
}

// Runs `call` (which shows the dialog modally) and drives the dialog with `body` once it is
// up. The dialog is always closed afterwards, so a failing check cannot hang the test.
int drive(const std::function<int()> &call, const std::function<void(SelectionDialog *)> &body, bool *ran) {
    *ran = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<SelectionDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        *ran = true;
        body(d);
        if (d->isVisible())
            d->reject();
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] {
        if (auto *d = qobject_cast<SelectionDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    failsafe.start(20000);
    const int result = call();
    failsafe.stop();
    return result;
}

enum class Close { Cancel, Escape, TitleBar, Select, SelectAfterClick, SelectAfterDoubleClick, SelectEmpty };

} // namespace

Q_DECLARE_METATYPE(Close)

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void layout_data();
    void layout();
    void shortTextListsAll();
    void limitAndNameOrder();
    void result_data();
    void result();
    void createdRecordListedNotSelected();
    void authorColumn();
    void literalSearch_data();
    void literalSearch();
    void titleClickSorts();

private:
    int selectTags(int kind, const std::function<void(SelectionDialog *)> &body, bool *ran) {
        return drive([&] { return m_dialog->SelectRecord(TagsBase, TagsFiltered, Nom, kind, false); }, body, ran);
    }

    QTemporaryDir m_dir;
    Trecherchesql *m_dialog = nullptr;
    TRechercheSQLAuteur *m_authors = nullptr;
};

void TestSelection::initTestCase() {
    TestSupport::initGui();
    TestSupport::createWindows();
    TestSupport::newCollection(m_dir);
    m_dialog = new Trecherchesql(Form1);
    m_authors = new TRechercheSQLAuteur(Form1);
}

void TestSelection::cleanupTestCase() {
    delete m_dialog;
    delete m_authors;
    TestSupport::destroyWindows();
}

void TestSelection::init() {
    for (const char *table : {"categorie", "fournisseurs", "routines", "auteurs"})
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    Dialogs::Testing::clear();
}

void TestSelection::layout_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("fieldWidth");
    QTest::newRow("no creation") << 0 << false << 576;
    QTest::newRow("storage place") << 1 << true << 536;
    QTest::newRow("technique") << 6 << true << 536;
    QTest::newRow("unknown kind") << 7 << false << 576;
}

void TestSelection::layout() {
    QFETCH(int, kind);
    QFETCH(bool, button);
    QFETCH(int, fieldWidth);
    for (SelectionDialog *dialog :
         {static_cast<SelectionDialog *>(m_dialog), static_cast<SelectionDialog *>(m_authors)}) {
        bool ran = false, visible = !button, enabled = !button, rightOfField = false;
        int width = 0;
        QSize size;
        QString caption, tip;
        QStringList headers;
        const auto body = [&](SelectionDialog *d) {
            visible = d->addButton()->isVisible();
            enabled = d->addButton()->isEnabled();
            width = d->searchField()->width();
            rightOfField = d->addButton()->geometry().left() == d->searchField()->geometry().right() + 1;
            tip = d->addButton()->toolTip();
            size = d->size();
            caption = d->windowTitle();
            for (int c = 0; c < d->grid()->columnCount(); ++c)
                headers << d->grid()->horizontalHeaderItem(c)->text();
        };
        if (dialog == m_dialog)
            selectTags(kind, body, &ran);
        else
            drive([&] { return m_authors->SelectRecord(TagsBase, TagsFiltered, Nom, kind); }, body, &ran);
        QVERIFY(ran);
        QCOMPARE(visible, button);
        QCOMPARE(enabled, button);
        QCOMPARE(width, fieldWidth);
        if (button) {
            QVERIFY(rightOfField);
            QCOMPARE(tip, QStringLiteral("Ajouter ..."));
        }
        QCOMPARE(size, QSize(701, 341));
        if (dialog == m_dialog) {
            QCOMPARE(caption, QStringLiteral("Selectionnez une affectation"));
            QCOMPARE(headers, (QStringList{"ID", "Selection", "Créateur"}));
        } else {
            QCOMPARE(caption, QStringLiteral("Selectionnez un auteur / créateur"));
            QCOMPARE(headers, (QStringList{"ID", "Selection"}));
        }
    }
}

void TestSelection::shortTextListsAll() {
    insertNames(QStringLiteral("categorie"), {"Lilian", "Alpha", "Bob"});
    bool ran = false;
    QStringList atOpen, oneChar, twoChars, backToOne;
    QString fieldAtOpen = QStringLiteral("?");
    const auto body = [&](SelectionDialog *d) {
        fieldAtOpen = d->searchField()->text();
        atOpen = names(d->grid());
        QTest::keyClick(d->searchField(), 'l');
        oneChar = names(d->grid());
        QTest::keyClick(d->searchField(), 'i');
        twoChars = names(d->grid());
        QTest::keyClick(d->searchField(), Qt::Key_Backspace);
        backToOne = names(d->grid());
        QTest::keyClicks(d->searchField(), QStringLiteral("ph"));
    };
    selectTags(0, body, &ran);
    QVERIFY(ran);
    QCOMPARE(fieldAtOpen, QString());
    const QStringList all{"Alpha", "Bob", "Lilian"};
    QCOMPARE(atOpen, all);
    QCOMPARE(oneChar, all);
    QCOMPARE(twoChars, QStringList{"Lilian"});
    QCOMPARE(backToOne, all);

    // The next call starts afresh, whatever was typed before.
    selectTags(
        0,
        [&](SelectionDialog *d) {
            fieldAtOpen = d->searchField()->text();
            atOpen = names(d->grid());
        },
        &ran);
    QVERIFY(ran);
    QCOMPARE(fieldAtOpen, QString());
    QCOMPARE(atOpen, all);
}

void TestSelection::limitAndNameOrder() {
    QStringList all;
    for (int i = 1; i <= 1005; ++i)
        all << QStringLiteral("nom %1").arg(i, 4, 10, QLatin1Char('0'));
    QStringList shuffled = all;
    std::shuffle(shuffled.begin(), shuffled.end(), *QRandomGenerator::global());
    insertNames(QStringLiteral("categorie"), shuffled);

    bool ran = false;
    QStringList listed, narrowed;
    selectTags(
        0,
        [&](SelectionDialog *d) {
            listed = names(d->grid());
            QTest::keyClicks(d->searchField(), QStringLiteral("nom 100"));
            narrowed = names(d->grid());
        },
        &ran);
    QVERIFY(ran);
    QCOMPARE(listed.size(), 1000);
    QCOMPARE(listed, all.mid(0, 1000));
    QCOMPARE(narrowed, all.mid(999)); // nom 1000 .. nom 1005
}

void TestSelection::result_data() {
    QTest::addColumn<Close>("close");
    QTest::addColumn<int>("expected"); // index of the expected name in the list, or the result itself when < 0 / 0
    QTest::addColumn<bool>("isIndex");
    QTest::newRow("Annuler") << Close::Cancel << -1 << false;
    QTest::newRow("Escape") << Close::Escape << -1 << false;
    QTest::newRow("title-bar close") << Close::TitleBar << -1 << false;
    QTest::newRow("Sélectionner on an empty list") << Close::SelectEmpty << 0 << false;
    QTest::newRow("Sélectionner takes the cursor's row") << Close::Select << 0 << true;
    QTest::newRow("Sélectionner after a click") << Close::SelectAfterClick << 2 << true;
    QTest::newRow("double-click only selects") << Close::SelectAfterDoubleClick << 1 << true;
}

void TestSelection::result() {
    QFETCH(Close, close);
    QFETCH(int, expected);
    QFETCH(bool, isIndex);
    const QVector<int> ids = insertNames(QStringLiteral("categorie"), {"Cordes", "Balles", "Anneaux"});
    const QMap<QString, int> idOf{{"Cordes", ids[0]}, {"Balles", ids[1]}, {"Anneaux", ids[2]}};
    const QStringList order{"Anneaux", "Balles", "Cordes"};

    // The caller's shared query is busy when the dialog opens; the dialog closes it.
    QSqlQuery &shared = Form1->Query();
    QVERIFY(shared.exec(QStringLiteral("select id from categorie")) && shared.next());

    bool ran = false, openAfterDoubleClick = false;
    const int got = selectTags(
        0,
        [&](SelectionDialog *d) {
            RecordGrid *g = d->grid();
            switch (close) {
            case Close::Cancel:
                d->cancelButton()->click();
                break;
            case Close::Escape:
                QTest::keyClick(d->searchField(), Qt::Key_Escape);
                break;
            case Close::TitleBar:
                d->close();
                break;
            case Close::SelectEmpty:
                QTest::keyClicks(d->searchField(), QStringLiteral("zz"));
                d->selectButton()->click();
                break;
            case Close::Select:
                d->selectButton()->click();
                break;
            case Close::SelectAfterClick:
                QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  g->visualItemRect(g->item(2, 1)).center());
                d->selectButton()->click();
                break;
            case Close::SelectAfterDoubleClick:
                QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                                   g->visualItemRect(g->item(1, 1)).center());
                openAfterDoubleClick = d->isVisible() && !g->viewport()->findChild<QLineEdit *>();
                d->selectButton()->click();
                break;
            }
        },
        &ran);
    QVERIFY(ran);
    QCOMPARE(got, isIndex ? idOf.value(order[expected]) : expected);
    QVERIFY(!shared.isActive());
    if (close == Close::SelectAfterDoubleClick)
        QVERIFY(openAfterDoubleClick);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestSelection::createdRecordListedNotSelected() {
    insertNames(QStringLiteral("fournisseurs"), {"Magasin Zèbre", "Boutique"});
    int created = 0;
    SelectionDialog::setCreator(SelectionDialog::Supplier, [&] {
        ++created;
        exec(QStringLiteral("INSERT INTO fournisseurs (nom) VALUES (?)"), {QStringLiteral("Magie Plus")});
        exec(QStringLiteral("INSERT INTO fournisseurs (nom) VALUES (?)"), {QStringLiteral("Farces et attrapes")});
    });
    bool ran = false;
    QStringList before, after;
    QString selectedAfter;
    selectTags(
        0, [](SelectionDialog *) {}, &ran); // another kind's call leaves the creators alone
    const int got = drive(
        [&] { return m_dialog->SelectRecord(SuppliersBase, SuppliersFiltered, Nom, SelectionDialog::Supplier, false); },
        [&](SelectionDialog *d) {
            QTest::keyClicks(d->searchField(), QStringLiteral("mag"));
            before = names(d->grid());
            QTest::mouseClick(d->addButton(), Qt::LeftButton);
            after = names(d->grid());
            const int row = d->grid()->selectedRow();
            selectedAfter = row < 0 ? QString() : d->grid()->cell(row, Nom);
        },
        &ran);
    SelectionDialog::setCreator(SelectionDialog::Supplier, nullptr);
    QVERIFY(ran);
    QCOMPARE(got, -1);
    QCOMPARE(created, 1);
    QCOMPARE(before, QStringList{"Magasin Zèbre"});
    QCOMPARE(after, (QStringList{"Magasin Zèbre", "Magie Plus"}));
    QCOMPARE(selectedAfter, QStringLiteral("Magasin Zèbre"));
    QVERIFY(!SelectionDialog::hasCreator(SelectionDialog::Supplier));
}

void TestSelection::authorColumn() {
    exec(QStringLiteral("INSERT INTO auteurs (id, nom) VALUES (1, 'Dai Vernon'), (2, 'Tamariz')"));
    exec(QStringLiteral("INSERT INTO routines (id, nom, id_createur) VALUES (11, 'Ambitious card', 1), "
                       "(12, 'Cups', 0), (13, 'La Baraja', 2)"));
    struct Seen {
        bool shown = false;
        QStringList rows;
        QStringList narrowed;
    };
    const auto look = [](SelectionDialog *d, Seen &seen, const QString &typed) {
        RecordGrid *g = d->grid();
        const int col = g->columnCount() > 2 ? 2 : -1;
        seen.shown = col > 0 && !g->isColumnHidden(col);
        const auto rows = [&] {
            QStringList l;
            for (int r = 0; r < g->rowCount(); ++r)
                l << g->cell(r, Nom) + QLatin1Char('/') + (col > 0 ? g->cell(r, col) : QString());
            return l;
        };
        seen.rows = rows();
        QTest::keyClicks(d->searchField(), typed);
        seen.narrowed = rows();
    };

    bool ran = false;
    Seen on, off, other;
    drive([&] { return m_dialog->SelectRecord(RoutinesBase, RoutinesFiltered, Nom, 0, true); },
          [&](SelectionDialog *d) { look(d, on, QStringLiteral("tamar")); }, &ran);
    QVERIFY(ran);
    QVERIFY(on.shown);
    QCOMPARE(on.rows, (QStringList{"Ambitious card/Dai Vernon", "Cups/", "La Baraja/Tamariz"}));
    QCOMPARE(on.narrowed, QStringList{"La Baraja/Tamariz"}); // found by its author
    QVERIFY(!m_dialog->authorColumnShown());

    // Without the flag the column stays hidden and empty, even from the joined statement.
    drive([&] { return m_dialog->SelectRecord(RoutinesBase, RoutinesFiltered, Nom, 0, false); },
          [&](SelectionDialog *d) { look(d, off, QStringLiteral("card")); }, &ran);
    QVERIFY(ran);
    QVERIFY(!off.shown);
    QCOMPARE(off.rows, (QStringList{"Ambitious card/", "Cups/", "La Baraja/"}));
    QCOMPARE(off.narrowed, QStringList{"Ambitious card/"});

    drive([&] { return m_authors->SelectRecord(RoutinesBase, RoutinesFiltered, Nom, 3); },
          [&](SelectionDialog *d) { look(d, other, QStringLiteral("vernon")); }, &ran);
    QVERIFY(ran);
    QVERIFY(!other.shown);
    QCOMPARE(other.narrowed, QStringList{"Ambitious card/"});
}

void TestSelection::literalSearch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("percent") << "0%" << QStringList{"100% magie"};
    QTest::newRow("percent alone after a letter") << "%m" << QStringList{};
    QTest::newRow("blank then letters") << "0 m" << QStringList{"100 magies"};
    QTest::newRow("underscore") << "a_" << QStringList{"a_b"};
    QTest::newRow("quote") << "l'" << QStringList{"l'as"};
    QTest::newRow("backslash") << "\\b" << QStringList{"a\\b"};
    QTest::newRow("case of plain letters ignored") << "LA" << QStringList{"las"};
}

void TestSelection::literalSearch() {
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    insertNames(QStringLiteral("categorie"), {"100% magie", "100 magies", "l'as", "las", "a_b", "axb", "a\\b"});
    bool ran = false;
    QStringList listed;
    selectTags(
        0,
        [&](SelectionDialog *d) {
            QTest::keyClicks(d->searchField(), typed);
            listed = names(d->grid());
        },
        &ran);
    QVERIFY(ran);
    QCOMPARE(listed, expected);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestSelection::titleClickSorts() {
    insertNames(QStringLiteral("categorie"), {"beta", "Gamma", "alpha", "Delta"});
    bool ran = false;
    QStringList listed, first, second, authorsListed, authorsClicked;
    selectTags(
        0,
        [&](SelectionDialog *d) {
            listed = names(d->grid());
            clickHeader(d->grid(), 1);
            first = names(d->grid());
            clickHeader(d->grid(), 1);
            second = names(d->grid());
        },
        &ran);
    QVERIFY(ran);
    QCOMPARE(listed, (QStringList{"Delta", "Gamma", "alpha", "beta"})); // ORDER BY nom, as SQLite compares
    QCOMPARE(first, (QStringList{"alpha", "beta", "Delta", "Gamma"}));
    QCOMPARE(second, (QStringList{"Gamma", "Delta", "beta", "alpha"}));

    drive([&] { return m_authors->SelectRecord(TagsBase, TagsFiltered, Nom, 0); },
          [&](SelectionDialog *d) {
              authorsListed = names(d->grid());
              clickHeader(d->grid(), 1);
              authorsClicked = names(d->grid());
          },
          &ran);
    QVERIFY(ran);
    QCOMPARE(authorsClicked, authorsListed); // no sorting in the author dialog
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
