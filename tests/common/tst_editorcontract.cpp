#include "common/EditorContract.h"
#include "common/RecordIds.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class TestEditorContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void nextRecordId_data();
    void nextRecordId();
    void nextRecordIdFailure();

    void stepping_data();
    void stepping();
    void openSingle();

private:
    QSqlDatabase m_db;
};

void TestEditorContract::initTestCase()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ids"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(m_db.open());
}

void TestEditorContract::cleanupTestCase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("ids"));
}

void TestEditorContract::nextRecordId_data()
{
    QTest::addColumn<QString>("columnType");
    QTest::addColumn<QVariantList>("ids");
    QTest::addColumn<qint64>("next");
    QTest::newRow("empty table") << "integer" << QVariantList() << qint64(1);
    QTest::newRow("one row") << "integer" << QVariantList{1} << qint64(2);
    QTest::newRow("gaps") << "integer" << QVariantList{1, 7, 3} << qint64(8);
    QTest::newRow("large ids") << "integer" << QVariantList{qint64(3000000000)} << qint64(3000000001);
    // Ids kept as texts sort "9" above "10".
    QTest::newRow("text ids") << "text" << QVariantList{QStringLiteral("9"), QStringLiteral("10")} << qint64(11);
}

void TestEditorContract::nextRecordId()
{
    QFETCH(QString, columnType);
    QFETCH(QVariantList, ids);
    QFETCH(qint64, next);
    QSqlQuery q(m_db);
    QVERIFY(q.exec(QStringLiteral("DROP TABLE IF EXISTS liens")));
    QVERIFY(q.exec(QStringLiteral("CREATE TABLE liens (id %1, nom text)").arg(columnType)));
    QVERIFY(q.prepare(QStringLiteral("INSERT INTO liens (id, nom) VALUES (:id, 'x')")));
    for (const QVariant &id : ids) {
        q.bindValue(QStringLiteral(":id"), id);
        QVERIFY(q.exec());
    }
    QString error;
    QCOMPARE(::nextRecordId(m_db, QStringLiteral("SELECT COUNT(id) as nb from liens"),
                            QStringLiteral("SELECT id from liens ORDER By id DESC"), &error),
             next);
    QVERIFY(error.isEmpty());
}

void TestEditorContract::nextRecordIdFailure()
{
    QString error;
    QCOMPARE(::nextRecordId(m_db, QStringLiteral("SELECT COUNT(id) as nb from nowhere"),
                            QStringLiteral("SELECT id from nowhere ORDER By id DESC"), &error),
             qint64(0));
    QVERIFY(!error.isEmpty());

    QSqlQuery q(m_db);
    QVERIFY(q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS one (id integer)")));
    QVERIFY(q.exec(QStringLiteral("INSERT INTO one VALUES (4)")));
    error.clear();
    QCOMPARE(::nextRecordId(m_db, QStringLiteral("SELECT COUNT(id) as nb from one"),
                            QStringLiteral("SELECT id from missing ORDER By id DESC"), &error),
             qint64(0));
    QVERIFY(!error.isEmpty());
}

void TestEditorContract::stepping_data()
{
    // The opener's list holds the ids 10, 20, 30. `answers` is what the editor asks for at each
    // showing: 'p' previous, 'n' next, '.' nothing, 'b' both.
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("shown");   // ids shown, with HasPrevious/HasNext as "<" and ">"
    QTest::newRow("no step") << 1 << "." << "<20>";
    QTest::newRow("next to the end") << 0 << "nn." << "10> <20> <30";
    QTest::newRow("back and forth") << 2 << "ppn." << "<30 <20> 10> <20>";
    // An editor asking for a row the list does not have ends the loop.
    QTest::newRow("next after the last") << 2 << "n" << "<30";
    QTest::newRow("previous before the first") << 0 << "p" << "10>";
    QTest::newRow("both: previous wins") << 1 << "b." << "<20> 10>";
}

void TestEditorContract::stepping()
{
    QFETCH(int, start);
    QFETCH(QString, answers);
    QFETCH(QString, shown);
    const QVector<qint64> ids{10, 20, 30};
    int row = start;
    int showing = 0;
    QStringList seen;
    SteppingEditorContract editor;
    editor.EditorMode = ModeEdit;
    // Outputs left over from an earlier showing do not start a step.
    editor.GoNext = true;

    runSteppingEditor(
        editor,
        [&] {
            editor.RecordId = ids[row];
            editor.HasPrevious = row > 0;
            editor.HasNext = row < ids.size() - 1;
        },
        [&] {
            QVERIFY(!editor.GoPrevious && !editor.GoNext);
            seen << (editor.HasPrevious ? QStringLiteral("<") : QString()) + QString::number(editor.RecordId)
                        + (editor.HasNext ? QStringLiteral(">") : QString());
            const QChar answer = showing < answers.size() ? answers.at(showing) : QLatin1Char('.');
            ++showing;
            editor.GoPrevious = answer == QLatin1Char('p') || answer == QLatin1Char('b');
            editor.GoNext = answer == QLatin1Char('n') || answer == QLatin1Char('b');
        },
        [&] {
            if (row == 0)
                return false;
            --row;
            return true;
        },
        [&] {
            if (row == ids.size() - 1)
                return false;
            ++row;
            return true;
        });
    QCOMPARE(seen.join(QLatin1Char(' ')), shown);
}

void TestEditorContract::openSingle()
{
    SteppingEditorContract editor;
    editor.HasPrevious = editor.HasNext = true;
    editor.openSingle(ModeView, 42);
    QCOMPARE(editor.EditorMode, ModeView);
    QCOMPARE(editor.RecordId, qint64(42));
    QVERIFY(editor.isReadOnly());
    QVERIFY(!editor.HasPrevious && !editor.HasNext);
}

QTEST_MAIN(TestEditorContract)
#include "tst_editorcontract.moc"
