#include "app/TOptimizedatabase.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "store/CollectionStore.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int g_beforeMs = 1500;
int g_afterMs = 500;
} // namespace

void TOptimizedatabase::Testing::setDelays(int beforeMs, int afterMs)
{
    g_beforeMs = beforeMs;
    g_afterMs = afterMs;
}

TOptimizedatabase::TOptimizedatabase(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Optimizedatabase"));
    setWindowTitle(QStringLiteral("Ouverture de la base de données"));
    setFixedSize(408, 93);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    m_label = new QLabel(QStringLiteral("Ouverture et optimisation de la base de données en cours ..."), this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setWordWrap(true);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0); // marquee
    m_bar->setTextVisible(false);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(g_beforeMs);
    connect(m_timer, &QTimer::timeout, this, &TOptimizedatabase::work);
}

bool TOptimizedatabase::run(const QString &caption, const QString &label, const std::function<bool()> &before)
{
    setWindowTitle(caption);
    m_label->setText(label);
    m_before = before;
    m_ok = true;
    m_compacted = false;
    exec();
    m_before = nullptr;
    return m_ok;
}

void TOptimizedatabase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    m_pending = true;
    m_timer->setInterval(g_beforeMs);
    m_timer->start();
}

void TOptimizedatabase::work()
{
    if (!m_pending)
        return;
    m_ok = m_before ? m_before() : true;
    if (m_ok && Form1)
        m_compacted = CollectionStore::compact(Form1->DatabaseFile);
    QTimer::singleShot(g_afterMs, this, [this] {
        m_timer->stop();
        m_pending = false;
        accept();
    });
}

void TOptimizedatabase::reject()
{
    // Escape or the window manager must not interrupt the work; the window closes itself.
    if (!m_pending)
        QDialog::reject();
}
