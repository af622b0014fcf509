#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "common/CsvExport.h"
#include "common/FieldActions.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initGui(); }
    void init()
    {
        Dialogs::Testing::clear();
        FileDialogs::Testing::enable();
    }

    void lines_data();
    void lines();
    void overwritesShorterAndLonger();
    void writeFailure_data();
    void writeFailure();

    void exportCancelled();
    void exportWritten();
    void exportFailure();
};

void TestCsvExport::lines_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QVector<QStringList>>("rows");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("header only") << QStringList{QStringLiteral("Nom"), QStringLiteral("Prix")}
                                 << QVector<QStringList>() << QByteArray("Nom;Prix;\n");
    QTest::newRow("semicolons and accents")
        << QStringList{QStringLiteral("Nom"), QStringLiteral("Prete a")}
        << QVector<QStringList>{{QStringLiteral("As;pique"), QStringLiteral("12,5")},
                                {QStringLiteral("Étui"), QString()},
                                {QStringLiteral(";;"), QStringLiteral(" ")}}
        << QByteArray("Nom;Prete a;\nAs,pique;12,5;\n\xC3\x89tui;;\n,,; ;\n");
    QTest::newRow("no columns") << QStringList() << QVector<QStringList>{QStringList()} << QByteArray("\n\n");
}

// Exact bytes: UTF-8 without byte-order mark, a line feed after every line, no quoting.
void TestCsvExport::lines()
{
    QFETCH(QStringList, header);
    QFETCH(QVector<QStringList>, rows);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.CSV"));
    QString error;
    QVERIFY2(CsvExport::writeTable(path, header, rows, &error), qPrintable(error));
    QCOMPARE(TestSupport::readBytes(path), bytes);
    QCOMPARE(CsvExport::encode(CsvExport::tableLines(CsvExport::headerLine(header), rows)), bytes);
}

void TestCsvExport::overwritesShorterAndLonger()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.csv"));
    QVERIFY(CsvExport::writeLines(path, {QStringLiteral("une ligne bien plus longue;"), QStringLiteral("b;")}));
    QVERIFY(CsvExport::writeLines(path, {QStringLiteral("a;")}));
    QCOMPARE(TestSupport::readBytes(path), QByteArray("a;\n"));
}

void TestCsvExport::writeFailure_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "missing/export.csv";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no name") << "";
}

void TestCsvExport::writeFailure()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    QString error;
    QVERIFY(!CsvExport::writeLines(path, {QStringLiteral("a;")}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"folder"});
}

void TestCsvExport::exportCancelled()
{
    FileDialogs::Testing::push(QString());
    QVERIFY(!FieldActions::exportCsv(QStringLiteral("Nom;"), {{QStringLiteral("a")}}));
    QCOMPARE(FileDialogs::Testing::log().size(), 1);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestCsvExport::exportWritten()
{
    QTemporaryDir dir;
    // The name is used as typed: no extension is added.
    const QString path = dir.filePath(QStringLiteral("rapport"));
    FileDialogs::Testing::push(path);
    QVERIFY(FieldActions::exportCsv(QStringLiteral("Nom;Email;Tel;Adresse;Adresse (suite); Code postal; Ville; Pays;"),
                                    {{QStringLiteral("Dupont; Jean"), QStringLiteral("j@x.fr")}}));
    QCOMPARE(TestSupport::readBytes(path),
             QByteArray("Nom;Email;Tel;Adresse;Adresse (suite); Code postal; Ville; Pays;\nDupont, Jean;j@x.fr;\n"));

    const FileDialogs::Options options = FileDialogs::Testing::log().constLast();
    QVERIFY(options.save);
    QCOMPARE(options.filter, QStringLiteral("Fichier CSV|*.CSV"));
    QVERIFY(options.confirmOverwrite);
    QVERIFY(options.directoryMustExist);
    QVERIFY(options.defaultSuffix.isEmpty());

    QCOMPARE(Dialogs::Testing::log().size(), 1);
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("warning"));
    QCOMPARE(Dialogs::Testing::last().message, QStringLiteral("Export CSV effectué"));
}

void TestCsvExport::exportFailure()
{
    QTemporaryDir dir;
    FileDialogs::Testing::push(dir.filePath(QStringLiteral("missing/rapport.csv")));
    QVERIFY(!FieldActions::exportCsvLines({QStringLiteral("Nom;")}));
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    QCOMPARE(Dialogs::Testing::last().kind, QStringLiteral("error"));
    QCOMPARE(Dialogs::Testing::last().message,
             QStringLiteral("Erreur d'écriture du fichier. Le fichier est peut-être déjà ouvert."));
}

QTEST_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
