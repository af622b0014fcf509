#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Asks the update service once whether a newer version exists. The request runs
// asynchronously with a time limit, so the main window stays usable meanwhile.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    static const char *const VersionText; // "1.8.2"
    static const char *const OsTag;       // "LINUX"

    explicit UpdateChecker(QObject *parent = nullptr);
    ~UpdateChecker() override;

    // Sends the request; finished() follows exactly once.
    void start();
    bool isRunning() const;

    // The address asked: base address + "?OS=LINUX&VERSION=1.8.2".
    static QUrl requestUrl(const QUrl &base);
    static QUrl defaultBaseUrl();

    // The reply rules: true when the reply announces a version newer than ours.
    static bool announcesNewerVersion(const QByteArray &body);
    static bool announcesNewerVersion(const QStringList &lines);

    // Limits of one request, in milliseconds.
    static int transferTimeoutMs();
    static int overallDeadlineMs();

    struct Testing {
        // Empty URL: back to the real service.
        static void setBaseUrl(const QUrl &url);
        // While disabled, start() finishes at once without sending anything.
        static void setDisabled(bool disabled);
        static void setLimits(int transferTimeoutMs, int overallDeadlineMs);
    };

signals:
    void newVersionAvailable();
    void finished(bool newer);

private:
    void onFinished();
    void finish(bool newer);

    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer *m_deadline = nullptr;
    bool m_running = false;
};
