#include "common/ReportWindow.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/FieldActions.h"
#include "common/RecordGrid.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QHash<int, std::function<void(qint64)>> &openers()
{
    static QHash<int, std::function<void(qint64)>> table;
    return table;
}

QPushButton *bottomButton(const QString &caption, const QString &objectName, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    b->setMinimumWidth(120);
    return b;
}
} // namespace

void ReportWindow::setRecordOpener(int recordKind, std::function<void(qint64)> open)
{
    if (open)
        openers().insert(recordKind, std::move(open));
    else
        openers().remove(recordKind);
}

bool ReportWindow::hasRecordOpener(int recordKind)
{
    return openers().contains(recordKind);
}

ReportWindow::ReportWindow(const ReportWindowSpec &spec, QWidget *parent) : QDialog(parent), m_spec(spec)
{
    Q_ASSERT(spec.report);
    setObjectName(spec.objectName);
    setWindowTitle(spec.caption);
    setModal(true);
    setSizeGripEnabled(true);
    resize(spec.size);
    setMinimumSize(spec.minimumSize);

    m_grid = new RecordGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    QVector<GridColumn> columns;
    GridColumn id{QStringLiteral("ID"), spec.report->idField};
    id.hidden = true;
    columns << id;
    for (const Report::Column &c : spec.report->columns) {
        GridColumn g{c.caption, c.field};
        g.width = c.width;
        columns << g;
    }
    m_grid->setColumns(columns);
    // The user may still widen any column; the last one takes what is left.
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid, &RecordGrid::rowActivated, this, [this] { OpenSelected(); });

    auto *bottom = new QHBoxLayout;
    if (spec.report->totalColumn >= 0) {
        m_total = new QLabel(this);
        m_total->setObjectName(QStringLiteral("total"));
        QFont bold = m_total->font();
        bold.setBold(true);
        m_total->setFont(bold);
        bottom->addWidget(m_total);
    }
    bottom->addStretch(1);
    m_export = bottomButton(QStringLiteral("Exporter en CSV"), QStringLiteral("export"), this);
    m_close = bottomButton(QStringLiteral("Fermer"), QStringLiteral("close"), this);
    connect(m_export, &QPushButton::clicked, this, &ReportWindow::Export);
    connect(m_close, &QPushButton::clicked, this, &ReportWindow::Close);
    bottom->addWidget(m_export);
    bottom->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
}

void ReportWindow::Load()
{
    m_grid->clearRows();
    const Report::Rows rows = Report::load(Form1->Query(), Form1->database(), *m_spec.report);
    m_grid->setRows(rows.ids, rows.cells);
    if (m_total)
        m_total->setText(rows.totalText);
    m_grid->selectRowAt(0);
    if (!rows.ok)
        Dialogs::error(rows.error);
}

void ReportWindow::OpenSelected()
{
    const int row = m_grid->selectedRow();
    const auto open = openers().value(m_spec.recordKind);
    if (row < 0 || !open)
        return;
    open(m_grid->cell(row, 0).toLongLong());
    switch (m_spec.afterEdit) {
    case ReportWindowSpec::ReloadReselecting:
        Load();
        m_grid->selectRowAt(row);
        break;
    case ReportWindowSpec::Reload:
        Load();
        break;
    case ReportWindowSpec::KeepList:
        break;
    }
}

QVector<QStringList> ReportWindow::shownRows() const
{
    return m_grid->rowTexts(1);
}

void ReportWindow::Export()
{
    FieldActions::exportCsvLines(Report::csvLines(*m_spec.report, shownRows()));
}

void ReportWindow::Close()
{
    Form1->Query().finish();
    QDialog::reject();
}

void ReportWindow::reject()
{
    Close();
}

void ReportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Brought back from minimised: the list, its order and its row stay as they were.
    if (event->spontaneous())
        return;
    if (m_spec.centredOnScreen) {
        if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    Load();
}
