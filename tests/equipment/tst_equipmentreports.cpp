#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/CsvExport.h"
#include "common/RecordGrid.h"
#include "common/ReportWindow.h"
#include "equipment/EquipmentReports.h"
#include "equipment/TEditionmateriel.h"
#include "equipment/TInventairecomptable.h"
#include "equipment/TVisualisationAcommander.h"
#include "equipment/TVisualisationMateriel.h"
#include "equipment/TVisualisationconsommables.h"
#include "equipment/TVisualisationmaterielhs.h"
#include "equipment/TVisualisationmaterielmaintenance.h"
#include "equipment/TVisualisationmaterielsansroutine.h"
#include "equipment/TVisualisationmaterielspretes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>

using Dialogs::Result;

namespace {

enum Which { ByStorage, Consumables, ToOrder, OutOfService, Maintenance, Lent, WithoutRoutine, Accounting, Count };

ReportWindow *window(int which)
{
    switch (which) {
    case ByStorage: return VisualisationMateriel;
    case Consumables: return Visualisationconsommables;
    case ToOrder: return VisualisationAcommander;
    case OutOfService: return Visualisationmaterielhs;
    case Maintenance: return Visualisationmaterielmaintenance;
    case Lent: return Visualisationmaterielspretes;
    case WithoutRoutine: return Visualisationmaterielsansroutine;
    default: return Inventairecomptable;
    }
}

const char *tag(int which)
{
    static const char *tags[] = {"by storage", "consumables", "to order",    "out of service",
                                 "maintenance", "lent",       "no routine", "accounting"};
    return tags[which];
}

using TestSupport::exec;
using TestSupport::insertNamed;
using TestSupport::scalar;
using TestSupport::whileShown;

// An item listed by every report: all flags set, stored, lent, needed by no routine.
qint64 everywhere(const QString &name, const QString &designation, qint64 place, qint64 borrower,
                  const QString &quantity = QStringLiteral("1"), const QString &value = QStringLiteral("0"))
{
    return exec(QStringLiteral("INSERT INTO materiels (nom, designation, isAcommander, isHS, isMaintenance, "
                               "isConsommable, quantite, valeur_achat, id_rangement, id_pret) VALUES (?, ?, '1', '1', "
                               "'1', '1', ?, ?, ?, ?)"),
                {name, designation, quantity, value, place, borrower});
}

QStringList column(const ReportWindow *w, int visibleColumn)
{
    QStringList c;
    for (const QStringList &row : w->shownRows())
        c << row.value(visibleColumn);
    return c;
}

QStringList fileLines(const QString &path)
{
    QString text = QString::fromUtf8(TestSupport::readBytes(path));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

class TestEquipmentReports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAsDesigned_data();
    void windowsAsDesigned();
    void emptySelectionExportsHeader_data();
    void emptySelectionExportsHeader();
    void semicolonsAndFixedFields_data();
    void semicolonsAndFixedFields();
    void consumablesSortedByQuantityText();
    void toOrderListsNonFirst();
    void missingReferencesGiveEmptyCells();
    void totals_data();
    void totals();
    void exportFollowsShownOrder();
    void restoreKeepsOrderAndRow();
    void exportWriteFailure_data();
    void exportWriteFailure();
    void doubleClick_data();
    void doubleClick();
    void doubleClickEditsTheItem();
    void withoutRoutineStopsAtTenThousand();

private:
    QTemporaryDir m_dir;
    QVector<qint64> m_opened;
};

void TestEquipmentReports::initTestCase()
{
    TestSupport::initGui();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void TestEquipmentReports::init()
{
    TestSupport::startWithNewCollection(m_dir);
    m_opened.clear();
}

void TestEquipmentReports::cleanup()
{
    ReportWindow::setRecordOpener(ReportWindowSpec::Equipment, {});
    TestSupport::destroyWindows();
}

void TestEquipmentReports::windowsAsDesigned_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QSize>("minimum");
    auto row = [](int which, const char *action, const char *caption, QStringList headers,
                  QSize minimum = QSize(500, 500)) {
        QTest::newRow(tag(which)) << which << QString::fromLatin1(action) << QString::fromUtf8(caption)
                                  << headers << minimum;
    };
    const QStringList storage{"Materiel", "Désignation", "Rangement"};
    row(ByStorage, "actVisuRangement", "Visualisation par rangement", storage);
    row(Consumables, "actConsommables", "Visualisation des consommables",
        {"Materiel", "Désignation", "Quantité restante", "Prix d'achat"});
    row(ToOrder, "actACommander", "Visualisation des matériels à commander",
        {"Materiel", "Désignation", "Est un consommable", "Quantité restante"});
    row(OutOfService, "actHorsService", "Liste des matériels hors-service", storage);
    row(Maintenance, "actMaintenance", "Visualisation des matériels en maintenance", storage);
    row(Lent, "actMaterielsPretes", "Liste des matériels prêtés", {"Materiel", "Désignation", "Preté à :"});
    row(WithoutRoutine, "actSansRoutine", "Visualisation des matériels non affectés à une routine", storage);
    row(Accounting, "actInventaireComptable", "Inventaire comptable", {"Materiel", "Désignation", "Valeur d'achat"},
        QSize(0, 0));
}

void TestEquipmentReports::windowsAsDesigned()
{
    QFETCH(int, which);
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QStringList, headers);
    QFETCH(QSize, minimum);
    ReportWindow *w = window(which);
    QWidget *seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        seen = QApplication::activeModalWidget();
        if (auto *r = qobject_cast<ReportWindow *>(seen))
            QTest::keyClick(r, Qt::Key_Escape);
    });
    Form1->action(action)->trigger();
    QCOMPARE(seen, w);
    QVERIFY(!w->isVisible());

    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), QSize(1160, 530));
    if (minimum.isEmpty())
        QVERIFY(w->minimumSize().height() < 500); // no minimum beyond what the controls need
    else
        QCOMPARE(w->minimumSize(), minimum);
    QStringList shown;
    for (int c = 0; c < w->grid()->columnCount(); ++c)
        if (!w->grid()->isColumnHidden(c))
            shown << w->grid()->horizontalHeaderItem(c)->text();
    QCOMPARE(shown, headers);
    QCOMPARE(w->grid()->horizontalHeaderItem(0)->text(), QStringLiteral("ID"));
    QVERIFY(w->grid()->isColumnHidden(0));
    QCOMPARE(w->grid()->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    QCOMPARE(w->exportButton()->text(), QStringLiteral("Exporter en CSV"));
    QCOMPARE(w->closeButton()->text(), QStringLiteral("Fermer"));
    QCOMPARE(w->totalLabel() != nullptr, which == Consumables || which == Accounting);
}

void TestEquipmentReports::emptySelectionExportsHeader_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("total");
    QTest::newRow(tag(ByStorage)) << int(ByStorage) << QByteArray("Materiel;Designation;Rangement;\n") << QString();
    QTest::newRow(tag(Consumables)) << int(Consumables) << QByteArray("Materiel;Designation;Quantite restante;\n")
                                    << QStringLiteral("Valeur totale des consommables : 0 €  ");
    QTest::newRow(tag(ToOrder)) << int(ToOrder)
                                << QByteArray("Materiel;Designation;Est un consommable;Quantite restante;\n")
                                << QString();
    QTest::newRow(tag(OutOfService)) << int(OutOfService) << QByteArray("Materiel;Designation;Rangement;\n")
                                     << QString();
    QTest::newRow(tag(Maintenance)) << int(Maintenance) << QByteArray("Materiel;Designation;Rangement;\n")
                                    << QString();
    QTest::newRow(tag(Lent)) << int(Lent) << QByteArray("Materiel;Designation;Prete a;\n") << QString();
    QTest::newRow(tag(WithoutRoutine)) << int(WithoutRoutine) << QByteArray("Materiel;Designation;Rangement;\n")
                                       << QString();
    QTest::newRow(tag(Accounting)) << int(Accounting) << QByteArray("Materiel;Designation;Valeur d achat;\n")
                                   << QStringLiteral("Valeur totale du matériel : 0 €  ");
}

void TestEquipmentReports::emptySelectionExportsHeader()
{
    QFETCH(int, which);
    QFETCH(QByteArray, header);
    QFETCH(QString, total);
    // Items that this report does not list (none for the two lists of everything).
    if (which != ByStorage && which != Accounting) {
        exec(QStringLiteral("INSERT INTO materiels (nom, isAcommander, isHS, isMaintenance, isConsommable, id_pret) "
                            "VALUES ('Cordes', '0', '0', 'O', '1 ', 0)"));
        exec(QStringLiteral("INSERT INTO lnk_materiels (id_materiel, id_dest) VALUES (1, 1)"));
    }
    ReportWindow *w = window(which);
    const QString path = m_dir.filePath(QStringLiteral("empty%1.CSV").arg(which));
    int rows = -1;
    QString totalShown;
    whileShown(w, [&] {
        rows = w->grid()->rowCount();
        totalShown = w->totalLabel() ? w->totalLabel()->text() : QString();
        FileDialogs::Testing::push(path);
        w->exportButton()->click();
    });
    QCOMPARE(rows, 0);
    QCOMPARE(totalShown, total);
    QCOMPARE(TestSupport::readBytes(path), header);
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("warning"));
    QCOMPARE(Dialogs::Testing::last().message, QStringLiteral("Export CSV effectué"));
    const FileDialogs::Options o = FileDialogs::Testing::log().last();
    QCOMPARE(o.filter, QStringLiteral("Fichier CSV|*.CSV"));
    QVERIFY(o.save && o.confirmOverwrite && o.directoryMustExist);
    QVERIFY(o.defaultSuffix.isEmpty());
}

void TestEquipmentReports::semicolonsAndFixedFields_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("line");
    const QString storage = QStringLiteral("As,pique;rouge,noir;Valise,1;");
    QTest::newRow(tag(ByStorage)) << int(ByStorage) << storage;
    QTest::newRow(tag(Consumables)) << int(Consumables) << QStringLiteral("As,pique;rouge,noir;3,4;");
    QTest::newRow(tag(ToOrder)) << int(ToOrder) << QStringLiteral("As,pique;rouge,noir;oui;3,4;");
    QTest::newRow(tag(OutOfService)) << int(OutOfService) << storage;
    QTest::newRow(tag(Maintenance)) << int(Maintenance) << storage;
    QTest::newRow(tag(Lent)) << int(Lent) << QStringLiteral("As,pique;rouge,noir;Dupont,Jean;");
    QTest::newRow(tag(WithoutRoutine)) << int(WithoutRoutine) << storage;
    QTest::newRow(tag(Accounting)) << int(Accounting) << QStringLiteral("As,pique;rouge,noir;125;");
}

// Cells holding ";" are written with "," so that a CSV reader sees the same number of fields on
// every line.
void TestEquipmentReports::semicolonsAndFixedFields()
{
    QFETCH(int, which);
    QFETCH(QString, line);
    const qint64 place = insertNamed(QStringLiteral("rangement"), QStringLiteral("Valise;1"));
    const qint64 contact = insertNamed(QStringLiteral("contacts"), QStringLiteral("Dupont;Jean"));
    everywhere(QStringLiteral("As;pique"), QStringLiteral("rouge;noir"), place, contact, QStringLiteral("3;4"),
               QStringLiteral("12;5"));
    everywhere(QStringLiteral("Zèbre \"rayé\""), QString(), place, contact, QStringLiteral("4"));
    ReportWindow *w = window(which);
    const QString path = m_dir.filePath(QStringLiteral("semi%1.csv").arg(which));
    whileShown(w, [&] {
        FileDialogs::Testing::push(path);
        w->Export();
    });
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1), line);

    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    QVERIFY2(!python.isEmpty(), "python3 is needed (tools/setup.sh installs it)");
    QProcess p;
    p.start(python, {QStringLiteral("-c"),
                     QStringLiteral("import csv, sys\n"
                                    "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                    "    print(' '.join(str(len(r)) for r in csv.reader(f, delimiter=';')))\n"),
                     path});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QStringList counts = QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    const QString expected = QString::number(lines.first().count(QLatin1Char(';')) + 1);
    QCOMPARE(counts, QStringList(QVector<QString>(3, expected).toList()));
}

void TestEquipmentReports::consumablesSortedByQuantityText()
{
    for (const char *q : {"9", "10", "2", "Beaucoup", "abc"}) {
        exec(QStringLiteral("INSERT INTO materiels (nom, isConsommable, quantite) VALUES (?, '1', ?)"),
             {QStringLiteral("Article %1").arg(QString::fromLatin1(q)), QString::fromLatin1(q)});
    }
    exec(QStringLiteral("INSERT INTO materiels (nom, isConsommable, quantite) VALUES ('Pas un consommable', '0', '1')"));
    QStringList quantities;
    whileShown(Visualisationconsommables, [&] { quantities = column(Visualisationconsommables, 2); });
    // Text order without regard to case.
    QCOMPARE(quantities, (QStringList{"10", "2", "9", "abc", "Beaucoup"}));
}

void TestEquipmentReports::toOrderListsNonFirst()
{
    exec(QStringLiteral("INSERT INTO materiels (nom, isAcommander, isConsommable, quantite) VALUES "
                        "('Ampoules', '1', '1', '5'), ('Baguette', '1', '0', '7'), ('Cartes', '1', NULL, '3'), "
                        "('Dés', '0', '1', '2')"));
    QVector<QStringList> rows;
    whileShown(VisualisationAcommander, [&] { rows = VisualisationAcommander->shownRows(); });
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).mid(2), (QStringList{"non", ""}));
    QCOMPARE(rows.at(1).mid(2), (QStringList{"non", ""}));
    QCOMPARE(rows.at(2), (QStringList{"Ampoules", "", "oui", "5"}));
}

void TestEquipmentReports::missingReferencesGiveEmptyCells()
{
    const qint64 place = insertNamed(QStringLiteral("rangement"), QStringLiteral("Armoire"));
    const qint64 gone = insertNamed(QStringLiteral("rangement"), QStringLiteral("Vieux coffre"));
    const qint64 alice = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    const qint64 bruno = insertNamed(QStringLiteral("contacts"), QStringLiteral("Bruno"));
    everywhere(QStringLiteral("Anneaux"), QString(), place, alice);
    everywhere(QStringLiteral("Boîte"), QString(), gone, bruno);
    everywhere(QStringLiteral("Corde"), QString(), 0, alice);
    exec(QStringLiteral("DELETE FROM rangement WHERE id=?"), {gone});
    exec(QStringLiteral("DELETE FROM contacts WHERE id=?"), {bruno});
    QVector<QStringList> lent, stored;
    whileShown(Visualisationmaterielspretes, [&] { lent = Visualisationmaterielspretes->shownRows(); });
    whileShown(VisualisationMateriel, [&] { stored = VisualisationMateriel->shownRows(); });
    // Empty names sort first.
    QCOMPARE(lent, (QVector<QStringList>{{"Boîte", "", ""}, {"Anneaux", "", "Alice"}, {"Corde", "", "Alice"}}));
    QCOMPARE(stored.size(), 3);
    QCOMPARE(stored.at(2), (QStringList{"Anneaux", "", "Armoire"}));
    QCOMPARE(stored.at(0).at(2), QString());
    QCOMPARE(stored.at(1).at(2), QString());
}

void TestEquipmentReports::totals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("total");
    QTest::newRow("whole") << QStringList{"12,50", "7.5"} << QStringList{"12,50", "7,5"} << "20";
    QTest::newRow("decimals") << QStringList{"12,25", "7.5"} << QStringList{"12,25", "7,5"} << "19,75";
    QTest::newRow("not numbers") << QStringList{"1.234,50", "abc", "", "10 €"} << QStringList{"0", "0", "0", "10"}
                                 << "10";
}

void TestEquipmentReports::totals()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, shown);
    QFETCH(QString, total);
    for (int i = 0; i < values.size(); ++i)
        exec(QStringLiteral("INSERT INTO materiels (nom, isConsommable, quantite, valeur_achat) VALUES (?, '1', ?, ?)"),
             {QStringLiteral("Article %1").arg(i), QString::number(i), values.at(i)});
    QStringList consumablePrices, accountingValues;
    QString consumableTotal, accountingTotal;
    whileShown(Visualisationconsommables, [&] {
        consumablePrices = column(Visualisationconsommables, 3);
        // Sorting by a click changes the order, not the total.
        Visualisationconsommables->grid()->sortByClick(3);
        consumableTotal = Visualisationconsommables->totalLabel()->text();
    });
    whileShown(Inventairecomptable, [&] {
        accountingValues = column(Inventairecomptable, 2);
        accountingTotal = Inventairecomptable->totalLabel()->text();
    });
    QCOMPARE(consumablePrices, shown);
    QCOMPARE(accountingValues, shown);
    QCOMPARE(consumableTotal, QStringLiteral("Valeur totale des consommables : ") + total + QStringLiteral(" €  "));
    QCOMPARE(accountingTotal, QStringLiteral("Valeur totale du matériel : ") + total + QStringLiteral(" €  "));
}

void TestEquipmentReports::exportFollowsShownOrder()
{
    exec(QStringLiteral("INSERT INTO materiels (nom, designation, valeur_achat) VALUES ('b', 'x', '1'), "
                        "('A', 'y', '2'), ('C', 'z', '3')"));
    const QString path = m_dir.filePath(QStringLiteral("order.csv"));
    QStringList loaded;
    whileShown(Inventairecomptable, [&] {
        loaded = column(Inventairecomptable, 0);
        RecordGrid *g = Inventairecomptable->grid();
        TestSupport::clickHeader(g, 1);
        g->sortByClick(1); // the second click reverses
        FileDialogs::Testing::push(path);
        Inventairecomptable->Export();
    });
    QCOMPARE(loaded, (QStringList{"A", "C", "b"})); // the statement's order
    QCOMPARE(fileLines(path),
             (QStringList{"Materiel;Designation;Valeur d achat;", "C;z;3;", "b;x;1;", "A;y;2;"}));
}

// Bringing a minimised report back is no new opening: the title sort and the row stay.
void TestEquipmentReports::restoreKeepsOrderAndRow()
{
    exec(QStringLiteral("INSERT INTO materiels (nom, designation) VALUES ('b', 'x'), ('A', 'z'), ('C', 'y')"));
    QStringList order;
    int selected = -1;
    whileShown(Inventairecomptable, [&] {
        RecordGrid *g = Inventairecomptable->grid();
        TestSupport::clickHeader(g, 2);
        g->selectRowAt(2);
        TestSupport::minimiseAndRestore(Inventairecomptable);
        order = column(Inventairecomptable, 0);
        selected = g->selectedRow();
    });
    QCOMPARE(order, (QStringList{"b", "C", "A"}));
    QCOMPARE(selected, 2);
}

void TestEquipmentReports::exportWriteFailure_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("target");
    for (int which = 0; which < Count; ++which) {
        QTest::newRow(qPrintable(QStringLiteral("%1, under a file").arg(QString::fromLatin1(tag(which)))))
            << which << "plain.txt/export.csv";
        QTest::newRow(qPrintable(QStringLiteral("%1, missing folder").arg(QString::fromLatin1(tag(which)))))
            << which << "missing/export.csv";
        QTest::newRow(qPrintable(QStringLiteral("%1, unwritable folder").arg(QString::fromLatin1(tag(which)))))
            << which << "locked/export.csv";
    }
}

void TestEquipmentReports::exportWriteFailure()
{
    QFETCH(int, which);
    QFETCH(QString, target);
    const qint64 place = insertNamed(QStringLiteral("rangement"), QStringLiteral("Valise"));
    const qint64 contact = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    everywhere(QStringLiteral("Anneaux"), QStringLiteral("chinois"), place, contact, QStringLiteral("2"),
               QStringLiteral("15"));
    QTemporaryDir dir;
    {
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("garder");
    }
    QString path = dir.filePath(target);
    if (target.startsWith(QLatin1String("locked/"))) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        // Folder permissions do not hold back the superuser; /sys refuses new files to everyone.
        QFile probe(dir.filePath(QStringLiteral("locked/probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            path = QStringLiteral("/sys/vorelis-export.csv");
        }
    }
    ReportWindow *w = window(which);
    QVector<QStringList> before, after;
    bool visible = false;
    whileShown(w, [&] {
        before = w->shownRows();
        FileDialogs::Testing::push(path);
        w->exportButton()->click();
        after = w->shownRows();
        visible = w->isVisible();
    });
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("error"));
    QCOMPARE(Dialogs::Testing::last().message,
             QStringLiteral("Erreur d'écriture du fichier. Le fichier est peut-être déjà ouvert."));
    QCOMPARE(TestSupport::readBytes(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("garder"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(after, before);
    QCOMPARE(before.size(), 1);
    QVERIFY(visible);
}

void TestEquipmentReports::doubleClick_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("afterEdit");
    for (int which = 0; which < Count; ++which)
        QTest::newRow(tag(which)) << which
                                  << int(which == Consumables ? ReportWindowSpec::Reload
                                         : which == ToOrder   ? ReportWindowSpec::KeepList
                                                              : ReportWindowSpec::ReloadReselecting);
}

// The editor gets the row's id; on return the list is reloaded and the row number reselected,
// but for the consumables (reloaded, not reselected) and the items to order (not reloaded).
void TestEquipmentReports::doubleClick()
{
    QFETCH(int, which);
    QFETCH(int, afterEdit);
    const qint64 place = insertNamed(QStringLiteral("rangement"), QStringLiteral("Valise"));
    const qint64 contact = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    QVector<qint64> ids;
    for (const char *n : {"Anneaux", "Balles", "Cartes", "Dés"})
        ids << everywhere(QString::fromUtf8(n), QString(), place, contact);
    // The stand-in editor renames the second item and deletes the last one.
    ReportWindow::setRecordOpener(ReportWindowSpec::Equipment, [&](qint64 id) {
        m_opened << id;
        if (id == ids[1])
            exec(QStringLiteral("UPDATE materiels SET nom='Balles mousse' WHERE id=?"), {id});
        else
            exec(QStringLiteral("DELETE FROM materiels WHERE id=?"), {id});
    });
    ReportWindow *w = window(which);
    QStringList afterRename, afterDelete;
    int selectedAfterRename = -2, selectedAfterDelete = -2;
    whileShown(w, [&] {
        RecordGrid *g = w->grid();
        // Nothing selected: nothing opened.
        g->clearSelection();
        w->OpenSelected();
        g->selectRowAt(1);
        TestSupport::doubleClick(g, 1);
        afterRename = column(w, 0);
        selectedAfterRename = g->selectedRow();
        g->selectRowAt(3);
        emit g->rowActivated(3);
        afterDelete = column(w, 0);
        selectedAfterDelete = g->selectedRow();
    });
    QCOMPARE(m_opened.toList(), (QList<qint64>{ids[1], ids[3]}));
    switch (afterEdit) {
    case ReportWindowSpec::ReloadReselecting:
        QCOMPARE(afterRename, (QStringList{"Anneaux", "Balles mousse", "Cartes", "Dés"}));
        QCOMPARE(selectedAfterRename, 1);
        QCOMPARE(afterDelete, (QStringList{"Anneaux", "Balles mousse", "Cartes"}));
        QCOMPARE(selectedAfterDelete, 2); // the last row of the shorter list
        break;
    case ReportWindowSpec::Reload:
        QCOMPARE(afterRename, (QStringList{"Anneaux", "Balles mousse", "Cartes", "Dés"}));
        QCOMPARE(selectedAfterRename, 0);
        QCOMPARE(afterDelete, (QStringList{"Anneaux", "Balles mousse", "Cartes"}));
        QCOMPARE(selectedAfterDelete, 0);
        break;
    default:
        QCOMPARE(afterRename, (QStringList{"Anneaux", "Balles", "Cartes", "Dés"}));
        QCOMPARE(selectedAfterRename, 1);
        QCOMPARE(afterDelete, afterRename);
        QCOMPARE(selectedAfterDelete, 3);
        break;
    }
}

// The real editor: edit mode on the row's item, no stepping; a save shows on return.
void TestEquipmentReports::doubleClickEditsTheItem()
{
    const qint64 place = insertNamed(QStringLiteral("rangement"), QStringLiteral("Valise"));
    const qint64 contact = insertNamed(QStringLiteral("contacts"), QStringLiteral("Alice"));
    everywhere(QStringLiteral("Anneaux"), QStringLiteral("chinois"), place, contact);
    const qint64 balls = everywhere(QStringLiteral("Balles"), QStringLiteral("mousse"), place, contact);
    // The editor was last used to step through a list in new mode.
    Editionmateriel->EditorMode = ModeNew;
    Editionmateriel->HasPrevious = Editionmateriel->HasNext = true;
    QWidget *modal = nullptr;
    ::EditorMode mode = ModeNew;
    qint64 id = 0;
    bool previous = true, next = true;
    QStringList shown;
    int selected = -1;
    whileShown(VisualisationMateriel, [&] {
        RecordGrid *g = VisualisationMateriel->grid();
        g->selectRowAt(1);
        QTimer::singleShot(0, Editionmateriel, [&] {
            modal = QApplication::activeModalWidget();
            mode = Editionmateriel->EditorMode;
            id = Editionmateriel->RecordId;
            previous = Editionmateriel->HasPrevious;
            next = Editionmateriel->HasNext;
            Editionmateriel->designationField()->setText(QStringLiteral("en mousse rouge"));
            Editionmateriel->validateButton()->click();
            if (Editionmateriel->isVisible())
                Editionmateriel->reject();
        });
        emit g->rowActivated(1);
        shown = VisualisationMateriel->shownRows().value(1);
        selected = g->selectedRow();
    });
    QCOMPARE(modal, static_cast<QWidget *>(Editionmateriel));
    QCOMPARE(mode, ModeEdit);
    QCOMPARE(id, balls);
    QVERIFY(!previous && !next);
    QCOMPARE(shown, (QStringList{"Balles", "en mousse rouge", "Valise"}));
    QCOMPARE(selected, 1);
}

void TestEquipmentReports::withoutRoutineStopsAtTenThousand()
{
    Form1->collection().begin();
    QSqlQuery &q = Form1->Query();
    q.prepare(QStringLiteral("INSERT INTO materiels (nom) VALUES (?)"));
    for (int i = 0; i < 10002; ++i) {
        q.addBindValue(QStringLiteral("Article %1").arg(i, 5, 10, QLatin1Char('0')));
        q.exec();
    }
    q.finish();
    exec(QStringLiteral("INSERT INTO lnk_materiels (id_materiel, id_dest) VALUES (1, 1)"));
    Form1->collection().commit();
    const Report::Rows unused = Report::load(Form1->Query(), Form1->database(), EquipmentReports::withoutRoutine());
    const Report::Rows all = Report::load(Form1->Query(), Form1->database(), EquipmentReports::byStorage());
    QVERIFY(unused.ok && all.ok);
    QCOMPARE(unused.cells.size(), 10000);
    QCOMPARE(unused.cells.first().first(), QStringLiteral("Article 00001"));
    QCOMPARE(all.cells.size(), 10002);
}

QTEST_MAIN(TestEquipmentReports)
#include "tst_equipmentreports.moc"
