#include "common/Amounts.h"

#include <QLocale>
#include <QtTest>

class TestAmounts : public QObject
{
    Q_OBJECT
private slots:
    void normalise_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("orZero");
        QTest::newRow("comma") << "12,50" << "12,50" << "12,50";
        QTest::newRow("point") << "7.5" << "7,5" << "7,5";
        QTest::newRow("euro sign") << "12,50 €" << "12,50" << "12,50";
        QTest::newRow("thousands point") << "1.234,5" << "1,234,5" << "0";
        QTest::newRow("letters") << "abc" << "" << "0";
        QTest::newRow("empty") << "" << "" << "0";
        QTest::newRow("separator alone") << "," << "," << "0";
        QTest::newRow("trailing separator") << "12." << "12," << "12,";
        QTest::newRow("leading separator") << ".5" << ",5" << ",5";
    }
    void normalise()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, orZero);
        QCOMPARE(Amounts::NormaliseAmount(stored, QLatin1Char(',')), shown);
        QCOMPARE(Amounts::NormaliseAmountOrZero(stored, QLatin1Char(',')), orZero);
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("total");
        QTest::newRow("whole") << QStringList{"12,50", "7,5"} << QChar(',') << "20";
        QTest::newRow("decimals") << QStringList{"12,25", "7,5"} << QChar(',') << "19,75";
        QTest::newRow("point locale") << QStringList{"12.25", "7.5"} << QChar('.') << "19.75";
        QTest::newRow("none") << QStringList{} << QChar(',') << "0";
        QTest::newRow("zeros") << QStringList{"0", "0"} << QChar(',') << "0";
        QTest::newRow("tenths stay exact") << QStringList{"0,1", "0,2"} << QChar(',') << "0,3";
        QTest::newRow("large") << QStringList{"123456789012", "0,5"} << QChar(',') << "123456789012,5";
    }
    void totals()
    {
        QFETCH(QStringList, values);
        QFETCH(QChar, separator);
        QFETCH(QString, total);
        QCOMPARE(Amounts::formatTotal(Amounts::sum(values, separator), separator), total);
    }

    void keyFilterAndCheck()
    {
        for (QChar c : QStringLiteral("0123456789,."))
            QVERIFY(Amounts::acceptsCharacter(c, QLatin1Char(',')));
        for (QChar c : QStringLiteral("a €-+e "))
            QVERIFY(!Amounts::acceptsCharacter(c, QLatin1Char(',')));
        QVERIFY(Amounts::readsAsAmount(QStringLiteral("12.5"), QLatin1Char(',')));
        QVERIFY(!Amounts::readsAsAmount(QStringLiteral("1.2,3"), QLatin1Char(',')));
        QVERIFY(!Amounts::readsAsAmount(QString(), QLatin1Char(',')));
    }

    void defaultLocale()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(Amounts::NormaliseAmount(QStringLiteral("7.5")), QStringLiteral("7,5"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Amounts::NormaliseAmount(QStringLiteral("7,5")), QStringLiteral("7.5"));
    }
};

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
