#include "common/ListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "resources/Resources.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

ListWindow::ListWindow(const ListWindowSpec &spec, QWidget *parent) : QDialog(parent), m_spec(spec)
{
    setObjectName(spec.objectName);
    setWindowTitle(spec.caption);
    setModal(true);
    setSizeGripEnabled(true);
    resize(spec.size);
    setMinimumSize(spec.minimumSize);

    auto *outer = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    m_grid = new RecordGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setColumns(spec.columns);
    row->addWidget(m_grid, 1);
    m_buttonColumn = new QVBoxLayout;
    m_buttonColumn->setSpacing(6);
    m_buttonColumn->addStretch(1);
    row->addLayout(m_buttonColumn);
    outer->addLayout(row, 1);

    auto *bottom = new QHBoxLayout;
    m_bottom = bottom;
    bottom->addStretch(1);
    m_close = new QPushButton(QStringLiteral("Fermer"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAutoDefault(false);
    m_close->setMinimumWidth(90);
    connect(m_close, &QPushButton::clicked, this, &ListWindow::Close);
    bottom->addWidget(m_close);
    outer->addLayout(bottom);
}

void ListWindow::addRecordButtons(const QVector<RecordButton> &buttons)
{
    struct Look {
        const char *objectName;
        const char *icon;
        QStyle::StandardPixmap fallback;
    };
    static const Look looks[] = {{"search", "btn-search", QStyle::SP_FileDialogContentsView},
                                 {"edit", "btn-edit", QStyle::SP_FileDialogDetailedView},
                                 {"add", "btn-add", QStyle::SP_FileDialogNewFolder},
                                 {"delete", "btn-delete", QStyle::SP_TrashIcon}};
    for (const RecordButton &b : buttons) {
        const Look &look = looks[b.kind];
        addToolButton(QString::fromLatin1(look.objectName), b.hint, QString::fromLatin1(look.icon), look.fallback,
                      b.action);
        if (b.kind == RecordButton::Edit) {
            const auto edit = b.action;
            connect(grid(), &RecordGrid::rowActivated, this, [edit] { edit(); });
        }
    }
}

QToolButton *ListWindow::addToolButton(const QString &objectName, const QString &hint, const QString &iconName,
                                       QStyle::StandardPixmap fallback, const std::function<void()> &action)
{
    auto *b = new QToolButton(this);
    b->setObjectName(objectName);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(Resources::icon(iconName, style()->standardIcon(fallback)));
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(44, 44);
    b->setAutoRaise(false);
    connect(b, &QToolButton::clicked, this, [action] { action(); });
    m_buttonColumn->insertWidget(m_buttonColumn->count() - 1, b);
    m_buttons.insert(objectName, b);
    return b;
}

void ListWindow::reloadSelecting(int row)
{
    QSqlQuery &q = Form1->Query();
    q.finish();
    if (runListing(q))
        m_grid->fill(q);
    else
        m_grid->clearRows();
    q.finish();
    afterListing();
    m_grid->selectRowAt(row);
}

void ListWindow::Search()
{
    const int previous = qMax(0, m_grid->selectedRow());
    SearchFilter = Dialogs::search(m_spec.search);
    reloadSelecting(previous);
}

void ListWindow::Close()
{
    Form1->Query().finish();
    SearchFilter.clear();
    QDialog::reject();
}

void ListWindow::reject()
{
    Close();
}

void ListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Brought back from minimised: the list, its order and its row stay as they were.
    if (!event->spontaneous())
        reloadSelecting(0);
}
