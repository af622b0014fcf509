#include "support/TestSupport.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "reference/WebSearch.h"
#include "reference/WebSearchMenu.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::exec;

namespace {

QStringList captions(const WebSearchMenu &menu)
{
    QStringList c;
    for (const TMenuItemExtended *i : menu.items())
        c << i->text();
    return c;
}

TMenuItemExtended *item(const WebSearchMenu &menu, const QString &caption)
{
    for (TMenuItemExtended *i : menu.items())
        if (i->text() == caption)
            return i;
    return nullptr;
}

} // namespace

class TestWebSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resultAddress_data();
    void resultAddress();
    void menuOffersActiveEnginesByName();
    void menuWithoutActiveEngine();
    void choosingOpensTheResult_data();
    void choosingOpensTheResult();
    void choosingWithoutTextOpensNothing();
    void popupUnderTheButton();

private:
    QTemporaryDir m_dir;
};

void TestWebSearch::initTestCase()
{
    TestSupport::initGui();
}

void TestWebSearch::init()
{
    TestSupport::startWithNewCollection(m_dir);
}

void TestWebSearch::cleanup()
{
    TestSupport::destroyWindows();
}

void TestWebSearch::resultAddress_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain") << "https://s.fr/?q=[_SEARCH_]" << "cartes" << "https://s.fr/?q=cartes";
    QTest::newRow("lower-case placeholder") << "https://s.fr/?q=[_search_]" << "cartes" << "https://s.fr/?q=cartes";
    QTest::newRow("mixed case, twice") << "http://s.fr/[_Search_]?k=[_SEARCH_]&x=1" << "as"
                                       << "http://s.fr/as?k=as&x=1";
    QTest::newRow("blank and accent") << "https://s.fr/?q=[_SEARCH_]" << "pièce d"
                                      << "https://s.fr/?q=pi%C3%A8ce%20d";
    QTest::newRow("delimiters in the text") << "https://s.fr/?q=[_SEARCH_]" << "a&b=c+d?%'#"
                                            << "https://s.fr/?q=a%26b%3Dc%2Bd%3F%25%27%23";
    QTest::newRow("placeholder in the text") << "https://s.fr/?q=[_SEARCH_]" << "[_SEARCH_]"
                                             << "https://s.fr/?q=%5B_SEARCH_%5D";
    QTest::newRow("no placeholder") << "https://s.fr/accueil?q=" << "cartes" << "https://s.fr/accueil?q=";
    QTest::newRow("broken placeholder") << "https://s.fr/?q=[_SEARCH" << "cartes" << "https://s.fr/?q=[_SEARCH";
}

void TestWebSearch::resultAddress()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QString, address);
    QCOMPARE(WebSearch::resultAddress(pattern, text), address);
}

void TestWebSearch::menuOffersActiveEnginesByName()
{
    exec(QStringLiteral("INSERT INTO moteurs (id,nom,url,actif) VALUES (20,'Archives',"
                        "'  http://archives.fr/?q=[_SEARCH_] ',1)"));
    WebSearchMenu menu;
    menu.WebSearchText = QStringLiteral("reste");
    menu.Rebuild();
    // The four active seed engines and the new one, in the statement's (binary) name order.
    QCOMPARE(captions(menu), (QStringList{"Archives", "Google", "The Conjuring Archive", "Virtualmagie", "Youtube"}));
    QCOMPARE(menu.actions().size(), 5);
    const TMenuItemExtended *archives = item(menu, QStringLiteral("Archives"));
    QVERIFY(archives);
    QCOMPARE(archives->Tag, 20);
    QCOMPARE(archives->Url, QStringLiteral("http://archives.fr/?q=[_SEARCH_]"));
    QCOMPARE(item(menu, QStringLiteral("Google"))->Tag, 1);
    QVERIFY(menu.WebSearchText.isEmpty());
    QVERIFY(!Form1->Query().isActive());

    // Rebuilding replaces the items rather than adding to them.
    exec(QStringLiteral("UPDATE moteurs SET actif=0 WHERE nom<>'Youtube'"));
    QPointer<TMenuItemExtended> old = item(menu, QStringLiteral("Archives"));
    menu.Rebuild();
    QCOMPARE(captions(menu), QStringList{"Youtube"});
    QVERIFY(old.isNull());
}

void TestWebSearch::menuWithoutActiveEngine()
{
    exec(QStringLiteral("UPDATE moteurs SET actif=0"));
    WebSearchMenu menu;
    menu.Rebuild();
    QCOMPARE(captions(menu), QStringList{"** PAS DE MOTEURS ACTIFS **"});
    TMenuItemExtended *none = menu.items().first();
    QCOMPARE(none->Tag, 0);
    QVERIFY(none->Url.isEmpty());
    menu.WebSearchText = QStringLiteral("cartes");
    none->trigger();
    QVERIFY(Desktop::Testing::opened().isEmpty());
    QVERIFY(!Form1->Query().isActive());

    exec(QStringLiteral("DELETE FROM moteurs"));
    menu.Rebuild();
    QCOMPARE(captions(menu), QStringList{"** PAS DE MOTEURS ACTIFS **"});
}

void TestWebSearch::choosingOpensTheResult_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("opened");
    QTest::newRow("lower-case placeholder") << "https://www.exemple.fr/cherche?mot=[_search_]&p=1" << "gobelets"
                                            << QByteArray("https://www.exemple.fr/cherche?mot=gobelets&p=1");
    QTest::newRow("blank and accent") << "https://www.exemple.fr/cherche?mot=[_SEARCH_]" << "Tour é"
                                      << QByteArray("https://www.exemple.fr/cherche?mot=Tour%20%C3%A9");
    QTest::newRow("delimiters") << "https://www.exemple.fr/?q=[_SEARCH_]+site%3Aforum.fr" << "a&b=c"
                                << QByteArray("https://www.exemple.fr/?q=a%26b%3Dc+site%3Aforum.fr");
    QTest::newRow("no placeholder") << "https://www.exemple.fr/accueil" << "cartes"
                                    << QByteArray("https://www.exemple.fr/accueil");
}

void TestWebSearch::choosingOpensTheResult()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QByteArray, opened);
    exec(QStringLiteral("UPDATE moteurs SET actif=0"));
    exec(QStringLiteral("INSERT INTO moteurs (nom,url,actif) VALUES ('Essai',?,1)"), {pattern});
    WebSearchMenu menu;
    menu.Rebuild();
    menu.WebSearchText = text;
    menu.items().first()->trigger();
    QCOMPARE(Desktop::Testing::opened().size(), 1);
    QCOMPARE(Desktop::Testing::opened().first().toEncoded(), opened);
    QVERIFY(menu.WebSearchText.isEmpty());
}

void TestWebSearch::choosingWithoutTextOpensNothing()
{
    WebSearchMenu menu;
    menu.Rebuild();
    menu.items().first()->trigger();
    QVERIFY(Desktop::Testing::opened().isEmpty());
}

void TestWebSearch::popupUnderTheButton()
{
    QWidget editor;
    editor.resize(400, 300);
    auto *button = new QPushButton(QStringLiteral("W"), &editor);
    button->setGeometry(30, 40, 30, 25);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    WebSearchMenu menu(&editor);
    menu.Rebuild();

    menu.PopupUnder(button, QString());
    QVERIFY(!menu.isVisible());
    QVERIFY(menu.WebSearchText.isEmpty());

    menu.PopupUnder(button, QStringLiteral("Anneaux chinois"));
    QVERIFY(menu.isVisible()); // returns at once: the editor is not blocked
    QCOMPARE(menu.WebSearchText, QStringLiteral("Anneaux chinois"));
    QCOMPARE(menu.geometry().topLeft(), button->mapToGlobal(QPoint(0, button->height())));
    item(menu, QStringLiteral("Google"))->trigger();
    menu.hide();
    QCOMPARE(Desktop::Testing::opened().size(), 1);
    QVERIFY(Desktop::Testing::opened().first().toEncoded().contains("Anneaux%20chinois"));
    QVERIFY(menu.WebSearchText.isEmpty());
}

QTEST_MAIN(TestWebSearch)
#include "tst_websearch.moc"
