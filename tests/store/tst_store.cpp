#include "SchemaHistory.h"

#include "store/Collection.h"
#include "store/CollectionStore.h"
#include "store/Schema.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList columnsOf(QSqlDatabase db, const QString &table)
{
    QStringList c;
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (q.next())
        c << q.value(1).toString();
    return c;
}

QVariant scalar(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return QVariant();
    return q.value(0);
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private slots:
    void newFileHasTheExactSchema();
    void newFileIdentityAndEngines();
    void creationReplacesAnExistingFile();
    void creationFailureLeavesNothing();
    void upgradesEveryOlderVersion_data();
    void upgradesEveryOlderVersion();
    void refusedUpgradeLeavesFileUntouched();
    void inspectRefusesBadIdentity_data();
    void inspectRefusesBadIdentity();
    void compactionKeepsContent();

private:
    QTemporaryDir m_dir;
};

void TestStore::newFileHasTheExactSchema()
{
    const QString path = m_dir.filePath(QStringLiteral("schema.vrl"));
    QVERIFY(CollectionStore::createFile(path, QStringLiteral("Ma collection")));
    Collection c(QStringLiteral("schema"));
    QVERIFY(c.open(path));
    QSqlQuery q(c.database());

    for (const Schema::Table &t : Schema::tables()) {
        QVERIFY(q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type='table' AND name='%1'").arg(t.name)));
        QVERIFY2(q.next(), qPrintable(t.name));
        QCOMPARE(q.value(0).toString(), t.create);
        for (const auto &index : t.indexes) {
            QVERIFY(q.exec(QStringLiteral("SELECT tbl_name FROM sqlite_master WHERE type='index' AND name='%1'")
                               .arg(index.first)));
            QVERIFY2(q.next(), qPrintable(index.first));
            QCOMPARE(q.value(0).toString(), t.name);
            QVERIFY(q.exec(QStringLiteral("PRAGMA index_info(%1)").arg(index.first)));
            QVERIFY(q.next());
            QCOMPARE(q.value(2).toString().toLower(), index.second.toLower()); // iSimport is declared so
            QVERIFY2(!q.next(), "single-column index");
        }
    }
    // Nothing else: 22 tables (plus SQLite's own sequence table) and the listed indexes only.
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name "
                                                 "NOT LIKE 'sqlite_%'"))
                 .toInt(),
             22);
    int indexes = 0;
    for (const Schema::Table &t : Schema::tables())
        indexes += t.indexes.size();
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND sql IS "
                                                 "NOT NULL"))
                 .toInt(),
             indexes);
    // The technique link index keeps its historical name on id_technique.
    QVERIFY(q.exec(QStringLiteral("PRAGMA index_info(idx_lnk_techniques_id_categorie)")) && q.next());
    QCOMPARE(q.value(2).toString(), QStringLiteral("id_technique"));
}

void TestStore::newFileIdentityAndEngines()
{
    const QString path = m_dir.filePath(QStringLiteral("identity.vrl"));
    QVERIFY(CollectionStore::createFile(path, QStringLiteral("  ")));
    Collection c(QStringLiteral("identity"));
    QVERIFY(c.open(path));
    const CollectionStore::Identity id = CollectionStore::inspect(c.database());
    QCOMPARE(id.status, CollectionStore::Identity::Valid);
    QCOMPARE(id.name, QStringLiteral("  ")); // stored exactly as typed
    QCOMPARE(id.version, 8);
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT typeof(databaseversion) FROM vorelis_info")).toString(),
             QStringLiteral("integer"));

    QSqlQuery q(c.database());
    QVERIFY(q.exec(QStringLiteral("SELECT id, nom, url, actif FROM moteurs ORDER BY id")));
    int row = 0;
    while (q.next()) {
        ++row;
        QCOMPARE(q.value(0).toInt(), row);
        QVERIFY(q.value(2).toString().startsWith(QLatin1String("https://")));
        QVERIFY(q.value(2).toString().contains(QLatin1String("[_SEARCH_]")));
        QCOMPARE(q.value(3).toInt(), row <= 4 ? 1 : 0);
    }
    QCOMPARE(row, 10);
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT nom FROM moteurs WHERE id=5")).toString(),
             QStringLiteral("Magic Cafe"));
}

void TestStore::creationReplacesAnExistingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("replace.vrl"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'x'));
    f.close();
    QVERIFY(CollectionStore::createFile(path, QStringLiteral("Nouvelle")));
    QVERIFY(bytesOf(path).startsWith("SQLite format 3"));
    Collection c(QStringLiteral("replace"));
    QVERIFY(c.open(path));
    QCOMPARE(CollectionStore::inspect(c.database()).name, QStringLiteral("Nouvelle"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden).size(), 0);
}

void TestStore::creationFailureLeavesNothing()
{
    // A long name the file system takes must still work, journal included.
    const QString longName = m_dir.filePath(QString(240, QLatin1Char('n')) + QStringLiteral(".vrl"));
    QVERIFY(CollectionStore::createFile(longName, QStringLiteral("Long")));
    QVERIFY(QFile::remove(longName));

    const QString path = m_dir.filePath(QStringLiteral("missing/folder/x.vrl"));
    QVERIFY(!CollectionStore::createFile(path, QStringLiteral("X")));
    QVERIFY(!QFile::exists(path));
}

void TestStore::upgradesEveryOlderVersion_data()
{
    QTest::addColumn<int>("version");
    for (int v = 1; v <= 7; ++v)
        QTest::addRow("version %d", v) << v;
}

void TestStore::upgradesEveryOlderVersion()
{
    QFETCH(int, version);
    const QString path = m_dir.filePath(QStringLiteral("old%1.vrl").arg(version));
    QVERIFY(SchemaHistory::writeFile(path, version));
    const QStringList routinesBefore = [&] {
        Collection c(QStringLiteral("before"));
        c.open(path);
        return columnsOf(c.database(), QStringLiteral("routines"));
    }();

    Collection c(QStringLiteral("upgrade"));
    QVERIFY(c.open(path));
    const CollectionStore::Identity id = CollectionStore::inspect(c.database());
    QCOMPARE(id.status, CollectionStore::Identity::Valid);
    QCOMPARE(id.version, version);
    QString error;
    QVERIFY2(CollectionStore::upgrade(c.database(), id, &error), qPrintable(error));
    QCOMPARE(CollectionStore::inspect(c.database()).version, 8);

    // Columns: the older order kept, the added ones at the end; every column of today exists.
    const QStringList routines = columnsOf(c.database(), QStringLiteral("routines"));
    QCOMPARE(routines.mid(0, routinesBefore.size()), routinesBefore);
    QCOMPARE(routines.last(), QStringLiteral("demo"));
    for (const char *t : {"routines", "materiels", "enchainements", "fiches_techniques", "cues", "musiques", "moteurs"}) {
        const QString table = QString::fromLatin1(t);
        // Compare without regard to case, as SQLite does (iSimport / isImport).
        QStringList have = columnsOf(c.database(), table);
        for (QString &h : have)
            h = h.toLower();
        QSqlDatabase mem = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mem"));
        mem.setDatabaseName(QStringLiteral(":memory:"));
        mem.open();
        QSqlQuery(mem).exec(Schema::table(table).create);
        for (QString col : columnsOf(mem, table))
            QVERIFY2(have.contains(col.toLower()), qPrintable(table + QLatin1Char('.') + col));
        mem.close();
        mem = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("mem"));
    }
    for (const char *index : {"idx_routines_evaluation", "idx_routines_difficulte", "idx_materiels_isImport",
                              "idx_routines_isImport", "idx_routines_id", "idx_fiches_techniques_nom",
                              "idx_cues_ordre", "idx_musiques_ordre", "idx_moteurs_actif"})
        QVERIFY2(scalar(c.database(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name='%1'")
                                          .arg(QLatin1String(index)))
                         .toInt() == 1,
                 index);

    // Existing rows: version 1 routines read 5/5; the engines are seeded once, below version 7 only.
    if (version == 1) {
        QCOMPARE(scalar(c.database(), QStringLiteral("SELECT evaluation FROM routines")).toInt(), 5);
        QCOMPARE(scalar(c.database(), QStringLiteral("SELECT difficulte FROM routines")).toInt(), 5);
    }
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT COUNT(*) FROM moteurs")).toInt(), version < 7 ? 10 : 0);
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT nom FROM routines")).toString(),
             QStringLiteral("La corde coupée"));
}

void TestStore::refusedUpgradeLeavesFileUntouched()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.vrl"));
    QVERIFY(SchemaHistory::writeFile(path, 1, true));
    const QByteArray before = bytesOf(path);
    {
        Collection c(QStringLiteral("broken"));
        QVERIFY(c.open(path));
        const CollectionStore::Identity id = CollectionStore::inspect(c.database());
        QCOMPARE(id.version, 1);
        QString error;
        QVERIFY(!CollectionStore::upgrade(c.database(), id, &error));
        QVERIFY(error.contains(QLatin1String("evaluation")));
        QCOMPARE(CollectionStore::inspect(c.database()).version, 1);
        QVERIFY(!c.inTransaction());
    }
    QCOMPARE(bytesOf(path), before);
}

void TestStore::inspectRefusesBadIdentity_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("status");
    QTest::newRow("no identity table") << "CREATE TABLE x (a)" << int(CollectionStore::Identity::NotACollection);
    QTest::newRow("no row") << "CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , databaseversion "
                               "INTEGER )"
                            << int(CollectionStore::Identity::NotACollection);
    QTest::newRow("two rows") << "CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , databaseversion "
                                 "INTEGER );INSERT INTO vorelis_info VALUES (1,'a',8);INSERT INTO vorelis_info "
                                 "VALUES (2,'b',8)"
                              << int(CollectionStore::Identity::NotACollection);
    QTest::newRow("version 9") << "CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , "
                                  "databaseversion INTEGER );INSERT INTO vorelis_info VALUES (1,'a',9)"
                               << int(CollectionStore::Identity::TooRecent);
    QTest::newRow("version text") << "CREATE TABLE vorelis_info ( id INTEGER PRIMARY KEY , nomdb TEXT , "
                                     "databaseversion INTEGER );INSERT INTO vorelis_info VALUES (1,'a','abc')"
                                  << int(CollectionStore::Identity::Valid);
}

void TestStore::inspectRefusesBadIdentity()
{
    QFETCH(QString, setup);
    QFETCH(int, status);
    const QString path = m_dir.filePath(QStringLiteral("bad-%1.vrl").arg(QTest::currentDataTag()));
    {
        Collection c(QStringLiteral("setup"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(c.open(path));
        for (const QString &sql : setup.split(QLatin1Char(';')))
            QVERIFY2(c.query().exec(sql), qPrintable(c.query().lastError().text()));
    }
    Collection c(QStringLiteral("inspect"));
    QVERIFY(c.open(path));
    const CollectionStore::Identity id = CollectionStore::inspect(c.database());
    QCOMPARE(int(id.status), status);
    if (id.status == CollectionStore::Identity::Valid)
        QCOMPARE(id.version, 0); // no number: every upgrade step would run
}

void TestStore::compactionKeepsContent()
{
    const QString path = m_dir.filePath(QStringLiteral("compact.vrl"));
    QVERIFY(CollectionStore::createFile(path, QStringLiteral("C")));
    Collection c(QStringLiteral("compact"));
    QVERIFY(c.open(path));
    QVERIFY(c.query().exec(QStringLiteral("INSERT INTO categorie (nom) VALUES ('Close-up')")));
    c.query().finish();
    // Runs beside the open shared connection, as when a collection is opened or closed.
    QVERIFY(CollectionStore::compact(path));
    QCOMPARE(scalar(c.database(), QStringLiteral("SELECT nom FROM categorie")).toString(), QStringLiteral("Close-up"));
    QVERIFY(!CollectionStore::compact(m_dir.filePath(QStringLiteral("none.vrl"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("none.vrl"))));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
