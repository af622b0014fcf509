#include "reference/WebListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"

WebListWindow::WebListWindow(const WebListWindowSpec &spec, QWidget *parent)
    : ListWindow(spec.window, parent), m_web(spec)
{
    addToolButton(QStringLiteral("search"), spec.searchHint, QStringLiteral("btn-search"),
                  QStyle::SP_FileDialogContentsView, [this] { Search(); });
    addToolButton(QStringLiteral("edit"), spec.editHint, QStringLiteral("btn-edit"), QStyle::SP_FileDialogDetailedView,
                  [this] { Edit(); });
    addToolButton(QStringLiteral("add"), spec.addHint, QStringLiteral("btn-add"), QStyle::SP_FileDialogNewFolder,
                  [this] { Add(); });
    addToolButton(QStringLiteral("delete"), spec.deleteHint, QStringLiteral("btn-delete"), QStyle::SP_TrashIcon,
                  [this] { Delete(); });
    connect(grid(), &RecordGrid::rowActivated, this, [this] { Edit(); });
}

bool WebListWindow::runListing(QSqlQuery &query)
{
    return WebRecords::list(query, *m_web.records, SearchFilter, SearchWider);
}

void WebListWindow::Search()
{
    const int previous = qMax(0, grid()->selectedRow());
    SearchFilter = Dialogs::search(m_spec.search, &SearchWider);
    reloadSelecting(previous);
}

qint64 WebListWindow::selectedId() const
{
    const int row = grid()->selectedRow();
    return row < 0 ? 0 : grid()->cell(row, QStringLiteral("id")).toLongLong();
}

QString WebListWindow::selectedCell(const QString &field) const
{
    const int row = grid()->selectedRow();
    return row < 0 ? QString() : grid()->cell(row, field);
}

void WebListWindow::Add()
{
    m_web.openEditor(ModeNew, 0);
}

void WebListWindow::Edit()
{
    const qint64 id = selectedId();
    if (id > 0)
        m_web.openEditor(ModeEdit, id);
}

void WebListWindow::Delete()
{
    const int row = grid()->selectedRow();
    const qint64 id = selectedId();
    if (row < 0 || id <= 0)
        return;
    if (!Dialogs::askDelete(m_web.deleteQuestion + grid()->cell(row, QStringLiteral("nom")) + QStringLiteral(" ?")))
        return;
    if (!WebRecords::remove(Form1->database(), *m_web.records, id))
        Dialogs::error(WebRecords::WriteErrorText);
    Form1->Commit();
    reloadSelecting(row - 1);
}

void WebListWindow::reloadAfterSave(bool created)
{
    if (created)
        SearchFilter.clear();
    reloadSelecting(qMax(0, grid()->selectedRow()));
}
