// Times the operations a user waits for on a large collection. Run by hand:
//   cmake --build build --target bench_lists && build/bench/bench_lists [rows]
#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/TOptimizedatabase.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "reference/TForm4.h"
#include "reference/TGestioncategories.h"
#include "store/CollectionStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
template <typename F> double timeMs(F &&f, int repeat = 5)
{
    double best = 1e18;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = qMin(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Application::setUp(app);
    Dialogs::Testing::enable();
    UpdateChecker::Testing::setDisabled(true);
    TOptimizedatabase::Testing::setDelays(0, 0);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.vrl"));
    Windows::createAll();
    out << "create collection: " << timeMs([&] { CollectionStore::createFile(path, QStringLiteral("Banc")); }, 1)
        << " ms\n";
    Form1->CreateCollection(path, QStringLiteral("Banc"));
    {
        QSqlQuery &q = Form1->Query();
        Form1->collection().begin();
        q.prepare(QStringLiteral("INSERT INTO categorie (nom) VALUES (?)"));
        for (int i = 0; i < rows; ++i) {
            q.bindValue(0, QStringLiteral("Balise %1").arg(i, 6, 10, QLatin1Char('0')));
            q.exec();
        }
        q.prepare(QStringLiteral("INSERT INTO rangement (nom, description) VALUES (?, ?)"));
        for (int i = 0; i < rows; ++i) {
            q.bindValue(0, QStringLiteral("Rangement %1").arg(i));
            q.bindValue(1, QStringLiteral("Description du rangement %1").arg(i));
            q.exec();
        }
        q.finish();
        Form1->collection().commit();
    }
    out << rows << " tags and storage places\n";
    out << "list tags:            " << timeMs([] { Gestioncategories->reloadSelecting(0); }) << " ms\n";
    out << "list storage places:  " << timeMs([] { Form4->reloadSelecting(0); }) << " ms\n";
    Form4->SearchFilter = QStringLiteral("99");
    out << "search storage places:" << timeMs([] { Form4->reloadSelecting(0); }) << " ms\n";
    out << "sort by a title click: " << timeMs([] { Form4->grid()->sortByClick(0); }) << " ms\n";
    out << "compact:              " << timeMs([&] { CollectionStore::compact(path); }, 1) << " ms\n";
    Form1->collection().close();
    out << "validate on open:     " << timeMs([&] {
        Collection c(QStringLiteral("bench-open"));
        c.open(path);
        CollectionStore::inspect(c.database());
    }) << " ms\n";
    Windows::destroyAll();
    return 0;
}
