#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/UpdateChecker.h"
#include "app/Windows.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace {

const QString NewVersionMessage = QStringLiteral("Une nouvelle version de Vorelis est disponible sur le site officiel. "
                                                 "Il est conseillé d'appliquer cette mise à jour");

// A one-purpose HTTP server on the loopback interface, living in the test process.
class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    enum class Mode {
        Reply,   // answers at once with status and body
        Delayed, // answers after delayMs
        Silent,  // accepts and never answers
        Trickle, // sends headers, then one byte every 200 ms
    };

    explicit LoopbackServer(Mode mode, int status = 200, const QByteArray &body = QByteArray())
        : m_mode(mode), m_status(status), m_body(body)
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::onConnection);
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("cannot listen on the loopback interface");
    }

    QUrl url(const QString &path = QStringLiteral("/vorelis/version")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

    int delayMs = 0;
    // Requests whose path starts with this are sent on to url() by a 302.
    QByteArray movedPath;
    int connections = 0;
    QByteArray requestLine; // "GET /path?query HTTP/1.1"
    int trickled = 0;

private:
    void onConnection()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++connections;
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        }
    }

    void onData(QTcpSocket *socket)
    {
        QByteArray &head = m_pending[socket];
        head += socket->readAll();
        if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        requestLine = head.left(head.indexOf("\r\n"));
        m_pending.remove(socket);
        if (!movedPath.isEmpty() && requestLine.startsWith("GET " + movedPath)) {
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + url().toEncoded() +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        switch (m_mode) {
        case Mode::Reply:
            answer(socket);
            break;
        case Mode::Delayed:
            QTimer::singleShot(delayMs, socket, [this, socket] { answer(socket); });
            break;
        case Mode::Silent:
            break;
        case Mode::Trickle: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 100000\r\n\r\n");
            auto *tick = new QTimer(socket);
            // Bounded: stops by itself after 20 s even if nobody hangs up.
            connect(tick, &QTimer::timeout, socket, [this, socket, tick] {
                if (++trickled > 100)
                    tick->stop();
                else
                    socket->write("x");
            });
            tick->start(200);
            break;
        }
        }
    }

    void answer(QTcpSocket *socket)
    {
        const QByteArray reason = m_status == 200 ? "OK" : m_status == 404 ? "Not Found" : "Internal Server Error";
        socket->write("HTTP/1.1 " + QByteArray::number(m_status) + ' ' + reason +
                      "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                      QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    Mode m_mode;
    int m_status;
    QByteArray m_body;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

const QByteArray NewerBody = "VORELIS\r\nWINDOWS=1.9.0\r\nLINUX=1.9.0\r\n";

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void replyRules_data();
    void replyRules();
    void requestAddress();

    void newerVersionIsSignalled();
    void movedServiceIsFollowed();
    void errorStatusIsSilent_data();
    void errorStatusIsSilent();
    void silentServerTimesOut();
    void tricklingServerHitsDeadline();
    void refusedConnectionFails();

    void mainWindowStaysResponsive();
    void mainWindowWarnsOnce();
};

void TestUpdateCheck::initTestCase()
{
    TestSupport::initGui();
    // A proxy from the environment must not sit between the client and the loopback server.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestUpdateCheck::init()
{
    UpdateChecker::Testing::setDisabled(false);
    UpdateChecker::Testing::setLimits(300, 1000);
    Dialogs::Testing::clear();
}

void TestUpdateCheck::cleanup()
{
    if (Form1)
        TestSupport::destroyWindows();
    UpdateChecker::Testing::setBaseUrl(QUrl());
    UpdateChecker::Testing::setDisabled(true);
}

void TestUpdateCheck::replyRules_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("newer");

    QTest::newRow("empty reply") << QByteArray() << false;
    QTest::newRow("two lines, matching") << QByteArray("VORELIS\nLINUX=1.9.0") << false;
    QTest::newRow("two lines, final break") << QByteArray("VORELIS\nLINUX=1.9.0\n") << false;
    QTest::newRow("two lines, CRLF") << QByteArray("VORELIS\r\nLINUX=1.9.0\r\n") << false;
    QTest::newRow("three lines") << QByteArray("VORELIS\nLINUX=1.9.0\nFIN") << true;
    QTest::newRow("three lines, final break") << QByteArray("VORELIS\nFIN\nLINUX=1.9.0\n") << true;
    QTest::newRow("first of three") << QByteArray("LINUX=1.9.0\nA\nB") << true;
    QTest::newRow("CRLF body") << QByteArray("VORELIS\r\nLINUX=1.9.0\r\nFIN\r\n") << true;
    QTest::newRow("CR-only breaks") << QByteArray("VORELIS\rLINUX=1.9.0\rFIN") << true;
    QTest::newRow("three empty lines") << QByteArray("\n\n\n") << false;
    QTest::newRow("no matching line") << QByteArray("VORELIS\nWINDOWS=1.9.0\nFIN") << false;

    QTest::newRow("lower case") << QByteArray("a\nlinux=1.9.0\nb") << true;
    QTest::newRow("mixed case") << QByteArray("a\nLinux=1.9.0\nb") << true;
    QTest::newRow("key twice") << QByteArray("a\nLINUX=LINUX=1.9.0\nb") << true;

    QTest::newRow("four characters") << QByteArray("a\nLINUX=1.10\nb") << false;
    QTest::newRow("1.10.0 = 1100") << QByteArray("a\nLINUX=1.10.0\nb") << true;
    QTest::newRow("equal") << QByteArray("a\nLINUX=1.8.2\nb") << false;
    QTest::newRow("older") << QByteArray("a\nLINUX=1.8.1\nb") << false;
    QTest::newRow("next patch") << QByteArray("a\nLINUX=1.8.3\nb") << true;
    QTest::newRow("older, longer") << QByteArray("a\nLINUX=0.0.99\nb") << false;
    QTest::newRow("only dots") << QByteArray("a\nLINUX=.....\nb") << false;
    QTest::newRow("non-numeric") << QByteArray("a\nLINUX=abcde\nb") << false;
    QTest::newRow("partly numeric") << QByteArray("a\nLINUX=1.9.0b\nb") << false;
    QTest::newRow("text before the key") << QByteArray("a\nOS LINUX=1.9.0\nb") << false;
    QTest::newRow("too large a number") << QByteArray("a\nLINUX=99999999999999999999999\nb") << false;
    QTest::newRow("negative") << QByteArray("a\nLINUX=-1.9.0\nb") << false;

    QTest::newRow("blanks and tabs around") << QByteArray("a\n \t LINUX=1.9.0 \t \nb") << true;
    QTest::newRow("CR at the end of an LF line") << QByteArray("a\nLINUX=1.9.0\r\nb\n") << true;
    QTest::newRow("control characters around") << QByteArray("a\n\x01LINUX=1.9.0\x02\x1f\nb") << true;
    QTest::newRow("padding does not make it long enough") << QByteArray("a\n  LINUX=1.10  \nb") << false;

    QTest::newRow("later newer replaces older") << QByteArray("LINUX=1.8.0\nLINUX=1.9.0\nb") << true;
    QTest::newRow("later older replaces newer") << QByteArray("LINUX=1.9.0\nLINUX=1.8.0\nb") << false;
    QTest::newRow("later too short clears") << QByteArray("LINUX=1.9.0\nLINUX=1.1\nb") << false;
    QTest::newRow("later empty value clears") << QByteArray("LINUX=1.9.0\nb\nLINUX=") << false;
    QTest::newRow("later non-matching keeps") << QByteArray("LINUX=1.9.0\nWINDOWS=1.0\nb") << true;
    QTest::newRow("later non-numeric wins") << QByteArray("LINUX=1.9.0\nLINUX=abcdef\nb") << false;
}

void TestUpdateCheck::replyRules()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, newer);
    QCOMPARE(UpdateChecker::announcesNewerVersion(body), newer);
}

void TestUpdateCheck::requestAddress()
{
    QCOMPARE(UpdateChecker::requestUrl(QUrl(QStringLiteral("http://127.0.0.1:8080/maj/check.php"))).toString(),
             QStringLiteral("http://127.0.0.1:8080/maj/check.php?OS=LINUX&VERSION=1.8.2"));

    const QUrl real = UpdateChecker::defaultBaseUrl();
    QVERIFY2(real.isValid(), qPrintable(real.toString()));
    QCOMPARE(real.scheme(), QStringLiteral("https"));
    QVERIFY(!real.host().isEmpty());
    QVERIFY(!real.hasQuery());
}

void TestUpdateCheck::newerVersionIsSignalled()
{
    LoopbackServer server(LoopbackServer::Mode::Reply, 200, NewerBody);
    UpdateChecker::Testing::setBaseUrl(server.url());
    UpdateChecker checker;
    QSignalSpy newer(&checker, &UpdateChecker::newVersionAvailable);
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.start();
    QVERIFY(checker.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(newer.count(), 1);
    QVERIFY(!checker.isRunning());
    QCOMPARE(server.requestLine, QByteArray("GET /vorelis/version?OS=LINUX&VERSION=1.8.2 HTTP/1.1"));
    QCOMPARE(server.connections, 1);
}

void TestUpdateCheck::movedServiceIsFollowed()
{
    LoopbackServer server(LoopbackServer::Mode::Reply, 200, NewerBody);
    server.movedPath = "/old";
    UpdateChecker::Testing::setBaseUrl(server.url(QStringLiteral("/old/version")));
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(server.connections, 2);
}

void TestUpdateCheck::errorStatusIsSilent_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("404") << 404;
    QTest::newRow("500") << 500;
}

void TestUpdateCheck::errorStatusIsSilent()
{
    QFETCH(int, status);
    // The body would announce a newer version: only the status must stop it.
    LoopbackServer server(LoopbackServer::Mode::Reply, status, NewerBody);
    UpdateChecker::Testing::setBaseUrl(server.url());
    UpdateChecker checker;
    QSignalSpy newer(&checker, &UpdateChecker::newVersionAvailable);
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(newer.count(), 0);
    QCOMPARE(server.connections, 1);
}

void TestUpdateCheck::silentServerTimesOut()
{
    LoopbackServer server(LoopbackServer::Mode::Silent);
    UpdateChecker::Testing::setBaseUrl(server.url());
    // A far deadline: the transfer timeout alone must end the wait.
    UpdateChecker::Testing::setLimits(300, 20000);
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    QElapsedTimer clock;
    clock.start();
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(server.connections == 1);
    QVERIFY2(clock.elapsed() < 2500, QByteArray::number(clock.elapsed()).constData());
}

void TestUpdateCheck::tricklingServerHitsDeadline()
{
    LoopbackServer server(LoopbackServer::Mode::Trickle);
    UpdateChecker::Testing::setBaseUrl(server.url());
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    QElapsedTimer clock;
    clock.start();
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 4000);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(finished.first().first().toBool(), false);
    // Bytes kept coming faster than the transfer timeout: only the overall deadline ends it.
    QVERIFY2(server.trickled >= 3, QByteArray::number(server.trickled).constData());
    QVERIFY2(elapsed >= 900 && elapsed < 3000, QByteArray::number(elapsed).constData());
}

void TestUpdateCheck::refusedConnectionFails()
{
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    UpdateChecker::Testing::setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    UpdateChecker checker;
    QSignalSpy newer(&checker, &UpdateChecker::newVersionAvailable);
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(newer.count(), 0);
}

void TestUpdateCheck::mainWindowStaysResponsive()
{
    LoopbackServer server(LoopbackServer::Mode::Silent);
    UpdateChecker::Testing::setBaseUrl(server.url());
    TestSupport::createWindows();
    UpdateChecker *checker = Form1->updateChecker();
    QSignalSpy finished(checker, &UpdateChecker::finished);

    Form1->show();
    bool fired = false;
    bool pendingWhenFired = false;
    QTimer::singleShot(50, Form1, [&] {
        fired = true;
        pendingWhenFired = checker->isRunning() && server.connections == 1;
    });
    QTRY_VERIFY_WITH_TIMEOUT(fired, 900);
    QVERIFY(pendingWhenFired);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QVERIFY(Dialogs::Testing::log().isEmpty());
}

void TestUpdateCheck::mainWindowWarnsOnce()
{
    LoopbackServer server(LoopbackServer::Mode::Delayed, 200, NewerBody);
    server.delayMs = 150;
    UpdateChecker::Testing::setBaseUrl(server.url());
    TestSupport::createWindows();
    QSignalSpy finished(Form1->updateChecker(), &UpdateChecker::finished);

    Form1->show();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(Dialogs::Testing::log().size(), 1);
    const Dialogs::Request shown = Dialogs::Testing::log().first();
    QCOMPARE(shown.kind, QStringLiteral("warning"));
    QCOMPARE(shown.caption, QStringLiteral("Attention !"));
    QCOMPARE(shown.message, NewVersionMessage);

    // Once per run: showing the window again asks nothing more.
    Form1->hide();
    Form1->show();
    QTest::qWait(300);
    QCOMPARE(server.connections, 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(Dialogs::Testing::log().size(), 1);
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
