#include "reference/CardListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"

#include <QPushButton>

CardListWindow::CardListWindow(const CardListWindowSpec &spec, QWidget *parent)
    : ListWindow(spec.window, parent), m_cards(spec)
{
    addToolButton(QStringLiteral("add"), spec.addHint, QStringLiteral("btn-add"), QStyle::SP_FileDialogNewFolder,
                  [this] { Add(); });
    addToolButton(QStringLiteral("delete"), spec.deleteHint, QStringLiteral("btn-delete"), QStyle::SP_TrashIcon,
                  [this] { Delete(); });
    addToolButton(QStringLiteral("edit"), spec.editHint, QStringLiteral("btn-edit"),
                  QStyle::SP_FileDialogDetailedView, [this] { Edit(); });
    addToolButton(QStringLiteral("search"), spec.searchHint, QStringLiteral("btn-search"),
                  QStyle::SP_FileDialogContentsView, [this] { Find(); });
    connect(grid(), &RecordGrid::rowActivated, this, [this] { Edit(); });
    // These lists keep their filter when closed.
    disconnect(closeButton(), &QPushButton::clicked, this, nullptr);
    connect(closeButton(), &QPushButton::clicked, this, &CardListWindow::reject);
}

bool CardListWindow::runListing(QSqlQuery &query)
{
    return Contacts::list(query, *m_cards.list, SearchFilter);
}

qint64 CardListWindow::selectedId(int *row, QString *name) const
{
    const int r = grid()->selectedRow();
    if (row)
        *row = r;
    if (r < 0)
        return 0;
    if (name)
        *name = grid()->cell(r, QStringLiteral("nom"));
    return grid()->cell(r, QStringLiteral("id")).toLongLong();
}

void CardListWindow::Add()
{
    m_cards.openCard(ModeNew, 0);
}

void CardListWindow::Edit()
{
    const qint64 id = selectedId();
    if (id > 0)
        m_cards.openCard(ModeEdit, id);
}

void CardListWindow::Delete()
{
    int row = -1;
    QString name;
    const qint64 id = selectedId(&row, &name);
    if (row < 0)
        return;
    if (!m_cards.remove(id, name))
        return;
    Form1->Commit();
    reloadSelecting(row - 1);
}

void CardListWindow::Find()
{
    SearchFilter = Dialogs::search(m_spec.search);
    reloadSelecting(0);
}

void CardListWindow::reject()
{
    Form1->Query().finish();
    QDialog::reject();
}
