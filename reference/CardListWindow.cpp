#include "reference/CardListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"

#include <QPushButton>

namespace {
ListWindowSpec windowSpec(const CardListWindowSpec &spec)
{
    ListWindowSpec w;
    w.objectName = spec.objectName;
    w.caption = spec.caption;
    w.size = QSize(590, 533);
    w.minimumSize = QSize(500, 500);
    w.columns = {{QStringLiteral("ID"), QStringLiteral("id"), true},
                 {spec.nameCaption, QStringLiteral("nom"), false, true}};
    w.search.prompt = spec.searchPrompt;
    // A bare field, without panel.
    w.search.fieldWidth = 150;
    w.search.panelWidth = 0;
    return w;
}
} // namespace

CardListWindow::CardListWindow(const CardListWindowSpec &spec, QWidget *parent)
    : ListWindow(windowSpec(spec), parent), m_cards(spec)
{
    addRecordButtons({{RecordButton::Add, spec.addHint, [this] { Add(); }},
                      {RecordButton::Delete, spec.deleteHint, [this] { Delete(); }},
                      {RecordButton::Edit, spec.editHint, [this] { Edit(); }},
                      {RecordButton::Search, spec.searchHint, [this] { Find(); }}});
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
