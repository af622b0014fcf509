// The in-process figures of ./bench.sh: each line is a figure's timings and its floor's,
//   name <TAB> ms,ms,... <TAB> floor name <TAB> ms,ms,...
// Usage: bench_vorelis <data folder> <runs> <size>...
#include "Generator.h"

#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "app/TForm1.h"
#include "app/TOptimizedatabase.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "common/SelectionDialog.h"
#include "common/Trecherchesql.h"
#include "common/RecordGrid.h"
#include "equipment/TInventairemateriel.h"
#include "common/ReportWindow.h"
#include "equipment/TInventairecomptable.h"
#include "equipment/TVisualisationAcommander.h"
#include "equipment/TVisualisationMateriel.h"
#include "equipment/TVisualisationconsommables.h"
#include "equipment/TVisualisationmaterielhs.h"
#include "equipment/TVisualisationmaterielmaintenance.h"
#include "equipment/TVisualisationmaterielsansroutine.h"
#include "equipment/TVisualisationmaterielspretes.h"
#include <QSaveFile>
#include <QTableWidget>
#include "store/Collection.h"
#include "store/CollectionStore.h"
#include "store/Schema.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

QTextStream out(stdout);
int runs = 5;

using Timings = QVector<double>;

double once(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// Runs the figure and its floor alternately, `before` (untimed) ahead of each run.
void figure(const QString &name, const std::function<void()> &before, const std::function<void()> &work,
            const QString &floorName, const std::function<void()> &floorBefore, const std::function<void()> &floor)
{
    Timings a, b;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        a << once(work);
        if (floor) {
            if (floorBefore)
                floorBefore();
            b << once(floor);
        }
    }
    auto join = [](const Timings &t) {
        QStringList s;
        for (double v : t)
            s << QString::number(v, 'f', 3);
        return s.join(QLatin1Char(','));
    };
    out << name << '\t' << join(a) << '\t' << floorName << '\t' << join(b) << '\n';
    out.flush();
}

QString dataFile(const QString &folder, int records, int version)
{
    const QString path = QDir(folder).filePath(QStringLiteral("collection-%1-v%2.vrl").arg(records).arg(version));
    if (!QFile::exists(path)) {
        Generator::Options o;
        o.records = records;
        o.pictureShare = records >= 100000 ? 0.005 : 0.02;
        o.version = version;
        QString error;
        if (!Generator::write(path, o, nullptr, &error))
            qFatal("generator: %s", qPrintable(error));
    }
    return path;
}

void replaceWith(const QString &source, const QString &target)
{
    QFile::remove(target);
    if (!QFile::copy(source, target))
        qFatal("cannot copy %s", qPrintable(source));
}

// Opening an old collection: validation and upgrade, then the compaction, each against a floor.
void openFigures(const QString &folder, int records)
{
    const QString v1 = dataFile(folder, records, 1);
    const QString work = QDir(folder).filePath(QStringLiteral("work.vrl"));
    figure(QStringLiteral("open %1: validate + upgrade version 1").arg(records), [&] { replaceWith(v1, work); },
           [&] {
               Collection c(QStringLiteral("bench-open"));
               c.open(work);
               const CollectionStore::Identity id = CollectionStore::inspect(c.database());
               if (!CollectionStore::upgrade(c.database(), id))
                   qFatal("upgrade failed");
               c.close();
           },
           QStringLiteral("upgrade statements alone"), [&] { replaceWith(v1, work); },
           [&] {
               const QString name = QStringLiteral("bench-raw");
               {
                   QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                   db.setDatabaseName(work);
                   db.open();
                   db.transaction();
                   QSqlQuery q(db);
                   for (const QString &s : Schema::upgradeStatements(1))
                       q.exec(s);
                   db.commit();
                   db.close();
               }
               QSqlDatabase::removeDatabase(name);
           });
    const QString current = dataFile(folder, records, 8);
    replaceWith(current, work);
    const QString copy = QDir(folder).filePath(QStringLiteral("copy.vrl"));
    figure(QStringLiteral("open %1: compaction (VACUUM)").arg(records), nullptr,
           [&] {
               if (!CollectionStore::compact(work))
                   qFatal("compact failed");
           },
           QStringLiteral("copying the file"), [&] { QFile::remove(copy); }, [&] { QFile::copy(work, copy); });
    QFile::remove(copy);
    QFile::remove(work);
}

// The selection dialog narrowing on a large table, one keystroke at a time.
void selectionFigures(const QString &folder, int records)
{
    const QString current = dataFile(folder, records, 8);
    const QString work = QDir(folder).filePath(QStringLiteral("select.vrl"));
    replaceWith(current, work);
    FileDialogs::Testing::push(work);
    Form1->OpenCollection();
    if (!Form1->isCollectionOpen())
        qFatal("cannot open %s", qPrintable(work));
    // The dialog is modal: type into it from inside its own event loop.
    const QString typed = QStringLiteral("Gobelets de");
    Timings a, b;
    QTimer::singleShot(0, [&] {
        QLineEdit *field = Recherchesql->searchField();
        for (int r = 0; r < runs; ++r) {
            field->clear();
            for (int i = 1; i <= typed.size(); ++i) {
                a << once([&] {
                    field->setText(typed.left(i));
                    Recherchesql->grid()->repaint();
                });
                b << once([&] {
                    const auto st = SelectionListing::statementFor(QStringLiteral("select id,nom from materiels"),
                                                                   QStringLiteral("select id,nom from materiels WHERE nom LIKE :recherche"),
                                                                   QStringLiteral("nom"), typed.left(i));
                    QSqlQuery q(Form1->database());
                    q.prepare(st.sql);
                    if (st.bindsSearch)
                        q.bindValue(QStringLiteral(":recherche"), SelectionListing::searchValue(typed.left(i)));
                    q.exec();
                    while (q.next())
                        q.value(0), q.value(1);
                });
            }
        }
        Recherchesql->reject();
    });
    Recherchesql->SelectRecord(QStringLiteral("select id,nom from materiels"),
                               QStringLiteral("select id,nom from materiels WHERE nom LIKE :recherche"),
                               QStringLiteral("nom"), SelectionDialog::NoCreation, false);
    auto join = [](const Timings &t) {
        QStringList s;
        for (double v : t)
            s << QString::number(v, 'f', 3);
        return s.join(QLatin1Char(','));
    };
    out << QStringLiteral("selection dialog on %1 names, per keystroke").arg(records) << '\t' << join(a) << '\t'
        << QStringLiteral("its statement alone") << '\t' << join(b) << '\n';
    out.flush();
    Form1->CloseCollection();
    QFile::remove(work);
}

// The same rows in a bare grid: the statement, one item per cell, a paint.
void bareGrid(QTableWidget &grid, const QString &sql, const QString &search)
{
    QSqlQuery q(Form1->database());
    q.setForwardOnly(true);
    q.prepare(sql);
    if (!search.isEmpty())
        q.bindValue(QStringLiteral(":clausewhere"), QStringLiteral("%") + search + QStringLiteral("%"));
    q.exec();
    grid.setRowCount(0);
    int row = 0;
    while (q.next()) {
        grid.insertRow(row);
        for (int c = 0; c < 4; ++c)
            grid.setItem(row, c, new QTableWidgetItem(q.value(c).toString()));
        ++row;
    }
    grid.repaint();
}

// The equipment inventory filling its grid, whole and searched, against a bare grid.
void inventoryFigures(const QString &folder, int records)
{
    const QString work = QDir(folder).filePath(QStringLiteral("inventory.vrl"));
    replaceWith(dataFile(folder, records, 8), work);
    FileDialogs::Testing::push(work);
    Form1->OpenCollection();
    if (!Form1->isCollectionOpen())
        qFatal("cannot open %s", qPrintable(work));
    Inventairemateriel->resize(906, 530);
    Inventairemateriel->show();
    QTableWidget bare;
    bare.setColumnCount(4);
    bare.resize(906, 530);
    bare.show();
    const QString all = QStringLiteral("SELECT id,nom,designation,isImport from materiels ORDER By nom LIMIT 10000");
    const QString searched = QStringLiteral("SELECT id,nom,designation,isImport from materiels WHERE (nom LIKE "
                                            ":clausewhere) OR (designation LIKE :clausewhere)  ORDER By nom LIMIT 10000");
    figure(QStringLiteral("inventory list of %1 items (10,000 listed)").arg(records), nullptr,
           [] {
               Inventairemateriel->SearchText.clear();
               Inventairemateriel->Reload();
               Inventairemateriel->grid()->repaint();
           },
           QStringLiteral("bare grid, same rows"), nullptr, [&] { bareGrid(bare, all, QString()); });
    figure(QStringLiteral("inventory search \"Gob\" in %1 items").arg(records), nullptr,
           [] {
               Inventairemateriel->SearchText = QStringLiteral("Gob");
               Inventairemateriel->Reload();
               Inventairemateriel->grid()->repaint();
           },
           QStringLiteral("bare grid, same rows"), nullptr, [&] { bareGrid(bare, searched, QStringLiteral("Gob")); });
    Inventairemateriel->SearchText.clear();
    Inventairemateriel->hide();
    Form1->CloseCollection();
    QFile::remove(work);
}

// Each equipment report with its name look-ups against its plain SELECT; the CSV export of the
// whole-table report against writing the same bytes.
void reportFigures(const QString &folder, int records)
{
    const QString work = QDir(folder).filePath(QStringLiteral("reports.vrl"));
    replaceWith(dataFile(folder, records, 8), work);
    FileDialogs::Testing::push(work);
    Form1->OpenCollection();
    if (!Form1->isCollectionOpen())
        qFatal("cannot open %s", qPrintable(work));
    const QList<ReportWindow *> reports{VisualisationMateriel,        Visualisationconsommables, VisualisationAcommander,
                                        Visualisationmaterielspretes, Visualisationmaterielsansroutine,
                                        Visualisationmaterielhs,      Visualisationmaterielmaintenance,
                                        Inventairecomptable};
    for (ReportWindow *w : reports) {
        w->show();
        const QString sql = w->spec().report->statement;
        int rows = 0;
        figure(QStringLiteral("report \"%1\"").arg(w->windowTitle()), nullptr,
               [&] {
                   w->Load();
                   w->grid()->repaint();
                   rows = w->grid()->rowCount();
               },
               QStringLiteral("plain SELECT"), nullptr, [&] {
                   QSqlQuery q(Form1->database());
                   q.setForwardOnly(true);
                   q.exec(sql);
                   const int n = q.record().count();
                   while (q.next())
                       for (int c = 0; c < n; ++c)
                           q.value(c);
               });
        out << "#rows\t" << w->windowTitle() << '\t' << rows << '\n';
        w->hide();
    }
    ReportWindow *all = VisualisationMateriel;
    all->show();
    all->Load();
    const QString csv = QDir(folder).filePath(QStringLiteral("export.csv"));
    const QString plain = QDir(folder).filePath(QStringLiteral("plain.csv"));
    QByteArray bytes;
    figure(QStringLiteral("CSV export of %1 rows").arg(all->grid()->rowCount()), [&] { FileDialogs::Testing::push(csv); },
           [&] { all->Export(); },
           QStringLiteral("writing the same bytes"),
           [&] {
               QFile f(csv);
               f.open(QIODevice::ReadOnly);
               bytes = f.readAll();
           },
           [&] {
               QSaveFile f(plain);
               f.open(QIODevice::WriteOnly);
               f.write(bytes);
               f.commit();
           });
    all->hide();
    QFile::remove(csv);
    QFile::remove(plain);
    Form1->CloseCollection();
    QFile::remove(work);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application::setUp(app);
    Dialogs::Testing::enable();
    FileDialogs::Testing::enable();
    UpdateChecker::Testing::setDisabled(true);
    TOptimizedatabase::Testing::setDelays(0, 0);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        out << "usage: bench_vorelis <data folder> <runs> <size>...\n";
        return 2;
    }
    const QString folder = args.at(1);
    QDir().mkpath(folder);
    runs = args.at(2).toInt();
    // Sizes, and optionally the names of the groups to run (open, inventory, reports, selection).
    QList<int> sizes;
    QStringList groups;
    for (int i = 3; i < args.size(); ++i) {
        bool number = false;
        const int n = args.at(i).toInt(&number);
        if (number)
            sizes << n;
        else
            groups << args.at(i);
    }
    if (sizes.isEmpty())
        sizes << 10000;
    auto wanted = [&](const char *group) { return groups.isEmpty() || groups.contains(QLatin1String(group)); };
    Windows::createAll();
    if (wanted("open"))
        for (int size : sizes)
            openFigures(folder, size);
    if (wanted("inventory"))
        inventoryFigures(folder, sizes.first());
    if (wanted("reports"))
        reportFigures(folder, sizes.first());
    if (wanted("selection"))
        selectionFigures(folder, sizes.last());
    Windows::destroyAll();
    return 0;
}
