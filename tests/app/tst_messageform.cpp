#include "support/TestSupport.h"

#include "app/Dialogs.h"
#include "app/TMyMessageForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Dialogs::Request;
using Dialogs::Result;

namespace {

Request question(const QString &message, Dialogs::Icon icon = Dialogs::Icon::Question)
{
    Request r;
    r.caption = QStringLiteral("Vorelis");
    r.message = message;
    r.icon = icon;
    r.buttons = {{Result::Yes, QStringLiteral("Supprimer")}, {Result::No, QStringLiteral("Annuler")}};
    r.defaultKind = Result::No;
    return r;
}

} // namespace

class TestMessageForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::initGui(); }
    void layoutRules();
    void longMessageWrapsAt700();
    void noIconStartsAt10();
    void embeddedControlUnderMessage();
    void wideButtonsAndCentredRow();
    void keyboardRules();
    void titleBarCloseIsCancel();
    void fixedDialogs_data();
    void fixedDialogs();
    void searchAndDeleteAnswers();
};

void TestMessageForm::layoutRules()
{
    TMyMessageForm f(question(QStringLiteral("Voulez-vous supprimer le rangement Valise ?")), nullptr);
    QCOMPARE(f.windowTitle(), QStringLiteral("Vorelis"));
    QCOMPARE(f.iconLabel()->geometry(), QRect(10, 10, 32, 32));
    QCOMPARE(f.messageLabel()->x(), 10 + 32 + 30);
    QCOMPARE(f.messageLabel()->y(), 18);
    QPushButton *yes = f.button(Result::Yes);
    QPushButton *no = f.button(Result::No);
    QCOMPARE(yes->height(), 25);
    QCOMPARE(yes->width(), qMax(75, yes->fontMetrics().horizontalAdvance(QStringLiteral("Supprimer")) + 16));
    QCOMPARE(no->width(), qMax(75, no->fontMetrics().horizontalAdvance(QStringLiteral("Annuler")) + 16));
    QCOMPARE(no->x() - (yes->x() + yes->width()), 8);
    QVERIFY(yes->x() < no->x());
    const int lowest = qMax(f.iconLabel()->geometry().bottom(), f.messageLabel()->geometry().bottom()) + 1;
    QCOMPARE(yes->y(), lowest + 16);
    QCOMPARE(f.height(), yes->y() + 25 + 8);
    QCOMPARE(f.width(), qMax(f.messageLabel()->geometry().right() + 1 + 10, no->geometry().right() + 1 - yes->x() + 20));
    QCOMPARE(f.minimumSize(), f.maximumSize()); // fixed border
}

void TestMessageForm::longMessageWrapsAt700()
{
    const QString message = QString(QStringLiteral("abracadabra ")).repeated(120);
    TMyMessageForm f(question(message), nullptr);
    QVERIFY(f.messageLabel()->width() <= 702);
    QVERIFY(f.messageLabel()->width() > 600);
    QVERIFY(f.messageLabel()->height() > 3 * f.messageLabel()->fontMetrics().height());
    QVERIFY(f.button(Result::Yes)->y() > f.messageLabel()->geometry().bottom());
}

void TestMessageForm::noIconStartsAt10()
{
    TMyMessageForm f(question(QStringLiteral("Sans icône"), Dialogs::Icon::None), nullptr);
    QVERIFY(!f.iconLabel());
    QCOMPARE(f.messageLabel()->x(), 10);
}

void TestMessageForm::embeddedControlUnderMessage()
{
    auto *panel = new QWidget;
    panel->resize(300, 60);
    Request r = question(QStringLiteral("Rechercher un rangement :"), Dialogs::Icon::Search);
    TMyMessageForm f(r, panel);
    QCOMPARE(panel->parentWidget(), &f);
    QCOMPARE(panel->x(), f.messageLabel()->x());
    QCOMPARE(panel->y(), f.messageLabel()->geometry().bottom() + 1 + 16);
    QCOMPARE(f.button(Result::Yes)->y(), panel->geometry().bottom() + 1 + 16);
    QVERIFY(f.width() >= panel->geometry().right() + 1 + 10);
}

void TestMessageForm::wideButtonsAndCentredRow()
{
    Request r;
    r.message = QStringLiteral("x");
    r.buttons = {{Result::Ok, QStringLiteral("Un libellé de bouton vraiment très long")}};
    TMyMessageForm f(r, nullptr);
    QCOMPARE(f.windowTitle(), QStringLiteral("Vorelis")); // empty caption
    QPushButton *b = f.button(Result::Ok);
    QCOMPARE(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 16);
    QCOMPARE(f.width(), b->width() + 20);
    QVERIFY(qAbs(b->x() - (f.width() - b->geometry().right() - 1)) <= 1);
}

void TestMessageForm::keyboardRules()
{
    TMyMessageForm f(question(QStringLiteral("Supprimer ?")), nullptr);
    QWidget *focused = nullptr;
    bool visibleAfterEscape = false;
    QTimer::singleShot(0, &f, [&] {
        focused = f.focusWidget();
        QTest::keyClick(&f, Qt::Key_Escape);
        visibleAfterEscape = f.isVisible();
        QTest::keyClick(&f, Qt::Key_Return);
        if (f.isVisible())
            f.done(0);
    });
    f.exec();
    QCOMPARE(focused, f.button(Result::No));
    QVERIFY(visibleAfterEscape); // no button answers Escape
    QCOMPARE(f.answer(), Result::No); // Return presses the focused default
}

void TestMessageForm::titleBarCloseIsCancel()
{
    TMyMessageForm f(question(QStringLiteral("Supprimer ?")), nullptr);
    QTimer::singleShot(0, &f, [&f] { f.close(); });
    f.exec();
    QCOMPARE(f.answer(), Result::Cancel);
}

void TestMessageForm::fixedDialogs_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("beep");
    QTest::newRow("error") << 0 << "Erreur !" << int(Dialogs::Icon::Error) << "Ok" << true;
    QTest::newRow("warning") << 1 << "Attention !" << int(Dialogs::Icon::Info) << "Ok" << true;
    QTest::newRow("information") << 2 << "Vorelis" << int(Dialogs::Icon::Application) << "Ok" << false;
    QTest::newRow("storage") << 3 << "Rangement ..." << int(Dialogs::Icon::Armoire) << " Retour " << true;
}

void TestMessageForm::fixedDialogs()
{
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QFETCH(QString, button);
    QFETCH(bool, beep);
    Dialogs::Testing::clear();
    const QString text = QStringLiteral("Message");
    switch (which) {
    case 0: Dialogs::error(text); break;
    case 1: Dialogs::warning(text); break;
    case 2: Dialogs::information(text); break;
    default: Dialogs::storagePlace(text); break;
    }
    const Request r = Dialogs::Testing::last();
    QCOMPARE(r.caption, caption);
    QCOMPARE(int(r.icon), icon);
    QCOMPARE(r.buttons.size(), 1);
    QCOMPARE(r.buttons.first().caption, button);
    QCOMPARE(r.beep, beep);
    QCOMPARE(r.message, text);
}

void TestMessageForm::searchAndDeleteAnswers()
{
    Dialogs::Testing::clear();
    Dialogs::Testing::push(Result::Ok, QStringLiteral("valise"));
    QCOMPARE(Dialogs::search(QStringLiteral("Rechercher un rangement :")), QStringLiteral("valise"));
    Request r = Dialogs::Testing::last();
    QCOMPARE(r.caption, QStringLiteral("Recherche ..."));
    QCOMPARE(r.buttons.at(0).caption, QStringLiteral("Annuler"));
    QCOMPARE(r.buttons.at(1).caption, QStringLiteral("Rechercher"));
    QCOMPARE(r.defaultKind, Result::Ok);
    QCOMPARE(r.fieldWidth, 280);
    QCOMPARE(r.panelWidth, 300);
    // Closing it by the title bar drops the search.
    Dialogs::Testing::push(Result::Cancel, QStringLiteral("valise"));
    QCOMPARE(Dialogs::search(QStringLiteral("x")), QString());

    Dialogs::Testing::push(Result::Cancel);
    QVERIFY(!Dialogs::askDelete(QStringLiteral("Voulez-vous supprimer X ?")));
    r = Dialogs::Testing::last();
    QCOMPARE(r.defaultKind, Result::No);
    QCOMPARE(r.buttons.at(0).caption, QStringLiteral("Supprimer"));
    Dialogs::Testing::push(Result::Yes);
    QVERIFY(Dialogs::askDelete(QStringLiteral("Voulez-vous supprimer X ?")));

    // The real dialog with its embedded field, answered through the widgets.
    Dialogs::Testing::disable();
    int fieldWidth = 0;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<TMyMessageForm *>(QApplication::activeModalWidget());
        if (!form)
            return;
        if (auto *field = form->findChild<QLineEdit *>(QStringLiteral("field"))) {
            fieldWidth = field->width();
            QTest::keyClicks(field, QStringLiteral("gobelet"));
        }
        form->button(Result::Ok)->click();
    });
    const QString typed = Dialogs::search(QStringLiteral("Rechercher une balise :"));
    Dialogs::Testing::enable();
    QCOMPARE(fieldWidth, 280);
    QCOMPARE(typed, QStringLiteral("gobelet"));
}

QTEST_MAIN(TestMessageForm)
#include "tst_messageform.moc"
