#include "app/TApropos.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

QPushButton *closeButton()
{
    for (QPushButton *b : Apropos->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("Fermer"))
            return b;
    return nullptr;
}

// How many pixels of the widget's rendering are plainly red.
int redPixels(QWidget *w)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                ++n;
        }
    return n;
}

void sendPlain(QWidget *w, QEvent::Type type)
{
    QEvent e(type);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestApropos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void boxAfterShow();
    void showResetsTabAndTexts();
    void licenceTab();
    void linkColourFollowsMouse();
    void linkClickOpensAddress();
    void escapeCloses();
    void menuOpensModalAndFermerCloses();
};

void TestApropos::initTestCase()
{
    TestSupport::initGui();
    TestSupport::createWindows();
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

void TestApropos::cleanupTestCase()
{
    TestSupport::destroyWindows();
}

void TestApropos::init()
{
    Desktop::Testing::opened().clear();
    Apropos->show();
    QVERIFY(QTest::qWaitForWindowExposed(Apropos));
}

void TestApropos::cleanup()
{
    Apropos->hide();
}

void TestApropos::boxAfterShow()
{
    QCOMPARE(Apropos->windowTitle(), QStringLiteral("A propos de Vorelis"));
    QCOMPARE(Apropos->size(), QSize(503, 474));
    QCOMPARE(Apropos->minimumSize(), QSize(503, 474));
    QCOMPARE(Apropos->maximumSize(), QSize(503, 474));
    QVERIFY(Apropos->isModal());
    // Centred on the main window.
    const QPoint offset = Apropos->frameGeometry().center() - Form1->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));

    QTabWidget *tabs = Apropos->tabs();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A propos ..."));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Licence d'utilisation"));
    QCOMPARE(tabs->currentIndex(), 0);

    QCOMPARE(Apropos->versionLabel()->text(), QStringLiteral("Version : 1.8.2"));
    const QString second = Apropos->secondLine()->text();
    QVERIFY(!second.trimmed().isEmpty());
    QVERIFY2(!second.contains(QChar::ReplacementCharacter), qPrintable(second));
    const QString address = Apropos->link()->text();
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(address));
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QVERIFY(!url.host().isEmpty());

    // Top to bottom, all centred: title, second line, link, version, licence notice.
    QWidget *page = tabs->widget(0);
    QLabel *title = nullptr;
    QLabel *notice = nullptr;
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (l->text() == QLatin1String("VORELIS"))
            title = l;
        else if (l->text().contains(QLatin1String("Licence d'utilisation")))
            notice = l;
    }
    QVERIFY(title && notice);
    QVERIFY(notice->wordWrap());
    const QList<QLabel *> order = {title, Apropos->secondLine(), Apropos->link(), Apropos->versionLabel(), notice};
    for (int i = 0; i < order.size(); ++i) {
        QVERIFY(order[i]->isVisible());
        QVERIFY(order[i]->alignment() & Qt::AlignHCenter);
        QVERIFY(page->rect().contains(order[i]->geometry()));
        if (i > 0)
            QVERIFY2(order[i - 1]->geometry().bottom() < order[i]->geometry().top(), qPrintable(order[i]->text()));
    }
}

void TestApropos::showResetsTabAndTexts()
{
    Apropos->tabs()->setCurrentIndex(1);
    Apropos->versionLabel()->setText(QStringLiteral("Version : "));
    Apropos->secondLine()->clear();
    Apropos->link()->clear();
    Apropos->hide();
    Apropos->show();
    QCOMPARE(Apropos->tabs()->currentIndex(), 0);
    QCOMPARE(Apropos->versionLabel()->text(), QStringLiteral("Version : 1.8.2"));
    QCOMPARE(Apropos->secondLine()->text(), TApropos::secondLineText());
    QCOMPARE(Apropos->link()->text(), TApropos::webAddress());
}

void TestApropos::licenceTab()
{
    Apropos->tabs()->setCurrentIndex(1);
    QPlainTextEdit *licence = Apropos->licence();
    QCOMPARE(Apropos->tabs()->currentWidget(), static_cast<QWidget *>(licence));
    QVERIFY(licence->isReadOnly());
    const QString text = licence->toPlainText();
    QVERIFY(text.size() > 200);
    QVERIFY(licence->verticalScrollBar()->isVisible());

    licence->setFocus();
    QTest::keyClicks(licence, QStringLiteral("xyz"));
    QTest::keyClick(licence, Qt::Key_Backspace);
    QTest::keyClick(licence, Qt::Key_Delete);
    QCOMPARE(licence->toPlainText(), text);
}

void TestApropos::linkColourFollowsMouse()
{
    LinkLabel *link = Apropos->link();
    const QColor highlight = link->palette().color(QPalette::Highlight);
    QCOMPARE(highlight, QApplication::palette(link).color(QPalette::Highlight));
    QCOMPARE(link->currentColor(), highlight);
    QCOMPARE(redPixels(link), 0);

    sendPlain(link, QEvent::Enter);
    QCOMPARE(link->currentColor(), QColor(Qt::red));
    QVERIFY(redPixels(link) > 10); // the drawn text, not only a stored colour

    sendPlain(link, QEvent::Leave);
    QCOMPARE(link->currentColor(), highlight);
    QCOMPARE(redPixels(link), 0);

    // Still right the second time round.
    sendPlain(link, QEvent::Enter);
    sendPlain(link, QEvent::Leave);
    QCOMPARE(link->currentColor(), highlight);
}

void TestApropos::linkClickOpensAddress()
{
    LinkLabel *link = Apropos->link();
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(Desktop::Testing::opened(), QList<QUrl>{QUrl(TApropos::webAddress())});
    QCOMPARE(Desktop::Testing::opened().first().scheme(), QStringLiteral("https"));

    // A right click opens nothing.
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(Desktop::Testing::opened().size(), 1);
}

void TestApropos::escapeCloses()
{
    QTest::keyClick(Apropos, Qt::Key_Escape);
    QVERIFY(!Apropos->isVisible());

    // Also from the licence text, which has the focus after a click into it.
    Apropos->show();
    Apropos->tabs()->setCurrentIndex(1);
    Apropos->licence()->setFocus();
    QTest::keyClick(Apropos->licence(), Qt::Key_Escape);
    QVERIFY(!Apropos->isVisible());
}

void TestApropos::menuOpensModalAndFermerCloses()
{
    Apropos->hide();
    QAction *about = Form1->action(QStringLiteral("actAPropos"));
    QVERIFY(about && about->isEnabled());

    bool seen = false;
    int tabWhenShown = -1;
    QTimer::singleShot(0, Form1, [&] {
        seen = QApplication::activeModalWidget() == Apropos;
        tabWhenShown = Apropos->tabs()->currentIndex();
        if (QPushButton *b = closeButton())
            QTest::mouseClick(b, Qt::LeftButton);
        else
            Apropos->reject();
    });
    Apropos->tabs()->setCurrentIndex(1);
    about->trigger(); // returns when the box has closed
    QVERIFY(seen);
    QCOMPARE(tabWhenShown, 0);
    QVERIFY(closeButton());
    QVERIFY(!Apropos->isVisible());
    QCOMPARE(Apropos->result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestApropos)
#include "tst_apropos.moc"
