#include "common/SqlText.h"

#include <QtTest>

class TestSqlText : public QObject
{
    Q_OBJECT
private slots:
    void likeContains_data();
    void likeContains();
    void withLikeEscape_data();
    void withLikeEscape();
};

void TestSqlText::likeContains_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("plain") << "valise" << "%valise%";
    QTest::newRow("percent") << "100%" << "%100\\%%";
    QTest::newRow("underscore") << "a_b" << "%a\\_b%";
    QTest::newRow("backslash") << "C:\\x" << "%C:\\\\x%";
    QTest::newRow("quote kept") << "l'as" << "%l'as%";
}

void TestSqlText::likeContains()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QCOMPARE(SqlText::likeContains(text), pattern);
}

void TestSqlText::withLikeEscape_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << "select id,nom from categorie WHERE nom LIKE :recherche"
                         << "select id,nom from categorie WHERE nom LIKE :recherche ESCAPE '\\'";
    QTest::newRow("two") << "WHERE (nom LIKE :c) OR (description LIKE :c) ORDER By nom"
                         << "WHERE (nom LIKE :c ESCAPE '\\') OR (description LIKE :c ESCAPE '\\') ORDER By nom";
    QTest::newRow("already escaped") << "WHERE nom LIKE :recherche ESCAPE '\\'"
                                     << "WHERE nom LIKE :recherche ESCAPE '\\'";
    QTest::newRow("lower case") << "where nom like :r" << "where nom like :r ESCAPE '\\'";
    QTest::newRow("no like") << "select id,nom from categorie" << "select id,nom from categorie";
}

void TestSqlText::withLikeEscape()
{
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(SqlText::withLikeEscape(statement), expected);
}

QTEST_GUILESS_MAIN(TestSqlText)
#include "tst_sqltext.moc"
