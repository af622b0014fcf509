#include "reference/WebListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"

WebListWindow::WebListWindow(const WebListWindowSpec &spec, QWidget *parent)
    : ListWindow(spec.window, parent), m_web(spec)
{
    addRecordButtons({{RecordButton::Search, spec.searchHint, [this] { Search(); }},
                      {RecordButton::Edit, spec.editHint, [this] { Edit(); }},
                      {RecordButton::Add, spec.addHint, [this] { Add(); }},
                      {RecordButton::Delete, spec.deleteHint, [this] { Delete(); }}});
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
