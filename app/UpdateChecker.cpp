#include "app/UpdateChecker.h"

#include "common/Text.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QUrlQuery>

const char *const UpdateChecker::VersionText = "1.8.2";
const char *const UpdateChecker::OsTag = "LINUX";

namespace {
QUrl g_testBase;
bool g_disabled = false;
int g_transferMs = 5000;
int g_deadlineMs = 8000;

const unsigned char ServiceAddress[] = {0x32, 0x15, 0x1c, 0x1f, 0x05, 0x47, 0xab, 0xa4, 0xff, 0xf8, 0xca, 0x89,
                                        0xd8, 0xda, 0xce, 0xa6, 0xa6, 0xb8, 0xab, 0xf1, 0x83, 0x95, 0x95, 0x96,
                                        0x72, 0x65, 0x75, 0x38, 0x68, 0x40, 0x5e, 0x40, 0x53, 0x2e, 0x26};
} // namespace

void UpdateChecker::Testing::setBaseUrl(const QUrl &url)
{
    g_testBase = url;
}

void UpdateChecker::Testing::setDisabled(bool disabled)
{
    g_disabled = disabled;
}

void UpdateChecker::Testing::setLimits(int transferTimeoutMs, int overallDeadlineMs)
{
    g_transferMs = transferTimeoutMs;
    g_deadlineMs = overallDeadlineMs;
}

int UpdateChecker::transferTimeoutMs()
{
    return g_transferMs;
}

int UpdateChecker::overallDeadlineMs()
{
    return g_deadlineMs;
}

UpdateChecker::UpdateChecker(QObject *parent) : QObject(parent) {}

UpdateChecker::~UpdateChecker()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

QUrl UpdateChecker::defaultBaseUrl()
{
    return QUrl(Text::unscramble(
        QByteArray(reinterpret_cast<const char *>(ServiceAddress), int(sizeof(ServiceAddress)))));
}

QUrl UpdateChecker::requestUrl(const QUrl &base)
{
    QUrl url(base);
    url.setQuery(QStringLiteral("OS=") + QLatin1String(OsTag) + QStringLiteral("&VERSION=") +
                 QLatin1String(VersionText));
    return url;
}

bool UpdateChecker::announcesNewerVersion(const QByteArray &body)
{
    QStringList lines = QString::fromUtf8(body).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // A final line break ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return announcesNewerVersion(lines);
}

bool UpdateChecker::announcesNewerVersion(const QStringList &lines)
{
    if (lines.size() <= 2)
        return false;
    const QString key = QLatin1String(OsTag) + QLatin1Char('=');
    QString found;
    for (const QString &line : lines) {
        if (!line.toUpper().contains(key))
            continue;
        QString candidate = Text::trimBlanksAndControls(line).toUpper();
        candidate.remove(key);
        found = candidate.size() < 5 ? QString() : candidate;
    }
    if (found.isEmpty())
        return false;
    found.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char('.'));
    bool ok = false;
    const qlonglong remote = found.toLongLong(&ok);
    if (!ok)
        return false;
    const qlonglong own = QString::fromLatin1(VersionText).remove(QLatin1Char('.')).toLongLong();
    return own < remote;
}

bool UpdateChecker::isRunning() const
{
    return m_running;
}

void UpdateChecker::start()
{
    if (m_running)
        return;
    m_running = true;
    if (g_disabled) {
        QTimer::singleShot(0, this, [this] { finish(false); });
        return;
    }
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    QNetworkRequest request(requestUrl(g_testBase.isEmpty() ? defaultBaseUrl() : g_testBase));
    request.setTransferTimeout(g_transferMs);
    // A moved service still answers; never from https down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateChecker::onFinished);
    // The transfer timeout does not stop a server that trickles bytes: bound the whole request too.
    if (!m_deadline) {
        m_deadline = new QTimer(this);
        m_deadline->setSingleShot(true);
        connect(m_deadline, &QTimer::timeout, this, [this] {
            if (m_reply)
                m_reply->abort();
        });
    }
    m_deadline->start(g_deadlineMs);
}

void UpdateChecker::onFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (m_deadline)
        m_deadline->stop();
    bool newer = false;
    if (reply) {
        if (reply->error() == QNetworkReply::NoError)
            newer = announcesNewerVersion(reply->readAll());
        reply->deleteLater();
    }
    finish(newer);
}

void UpdateChecker::finish(bool newer)
{
    m_running = false;
    if (newer)
        emit newVersionAvailable();
    emit finished(newer);
}
