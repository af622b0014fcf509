#include "common/InventoryWindow.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/StoreMessages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlQuery>

InventoryWindow::InventoryWindow(const InventorySpec &spec, QWidget *parent)
    : ListWindow(spec.window, parent), m_inventory(spec)
{
    grid()->setSortKeptOnFill(true);
    addRecordButtons({{RecordButton::Search, spec.searchHint, [this] { Search(); }},
                      {RecordButton::Edit, spec.editHint, [this] { Edit(); }},
                      {RecordButton::Add, spec.addHint, [this] { Add(); }},
                      {RecordButton::Delete, spec.deleteHint, [this] { Delete(); }}});

    // Count at the left, "Fermer" in the middle, the sort box at the right.
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("count"));
    m_sortByDate = new QCheckBox(QStringLiteral("Trier par date d'ajout"), this);
    m_sortByDate->setObjectName(QStringLiteral("sortByDate"));
    QHBoxLayout *bottom = bottomRow();
    delete bottom->takeAt(0); // the stretch before "Fermer"
    bottom->insertWidget(0, m_count, 1);
    bottom->addWidget(m_sortByDate, 1, Qt::AlignRight);
    connect(m_sortByDate, &QCheckBox::toggled, this, [this] {
        grid()->resetSort();
        reloadSelecting(0);
    });
}

bool InventoryWindow::runListing(QSqlQuery &query)
{
    return Inventory::list(query, m_inventory.listing, {SearchText, SearchWide, m_sortByDate->isChecked()});
}

void InventoryWindow::afterListing()
{
    RecordGrid *g = grid();
    const int importColumn = g->columnOf(m_inventory.importField);
    for (int row = 0; row < g->rowCount(); ++row) {
        const bool imported = Inventory::isImported(g->cell(row, importColumn));
        if (QTableWidgetItem *cell = g->item(row, importColumn))
            cell->setText(imported ? QStringLiteral("1") : QStringLiteral("0"));
        if (imported)
            g->setRowGrey(row, true);
    }
    m_count->setText(Inventory::countText(m_inventory.counts, g->rowCount(), !SearchText.isEmpty()));
}

void InventoryWindow::showEvent(QShowEvent *event)
{
    // Each opening starts in the statement's order; a restore from minimised is no opening.
    if (!event->spontaneous())
        grid()->resetSort();
    ListWindow::showEvent(event);
}

void InventoryWindow::Reload()
{
    reloadSelecting(qMax(0, currentDataRow()));
}

void InventoryWindow::Search()
{
    const int previous = qMax(0, grid()->selectedRow());
    bool wide = false;
    SearchText = Dialogs::search(m_spec.search, &wide);
    SearchWide = wide;
    reloadSelecting(previous);
}

qint64 InventoryWindow::idAt(int row) const
{
    return grid()->cell(row, QStringLiteral("id")).toLongLong();
}

int InventoryWindow::currentDataRow() const
{
    return grid()->selectedRow();
}

void InventoryWindow::Add()
{
    SteppingEditorContract *editor = m_inventory.editor();
    editor->EditorMode = ModeNew;
    if (m_inventory.prepareNew)
        m_inventory.prepareNew();
    m_inventory.showEditor();
}

void InventoryWindow::Edit()
{
    if (currentDataRow() < 0)
        return;
    SteppingEditorContract *editor = m_inventory.editor();
    RecordGrid *g = grid();
    // The rows are stepped through in the order the grid shows them, title sorts included.
    auto move = [this, g](int step) {
        const int row = currentDataRow();
        const int target = row + step;
        if (row < 0 || target < 0 || target >= g->rowCount())
            return false;
        g->selectRowAt(target);
        return true;
    };
    runSteppingEditor(
        *editor,
        [this, editor, g] {
            const int row = currentDataRow();
            editor->HasPrevious = row >= 1;
            editor->HasNext = row < g->rowCount() - 1;
            editor->EditorMode = ModeEdit;
            editor->RecordId = idAt(row);
        },
        [this] { m_inventory.showEditor(); }, [move] { return move(-1); }, [move] { return move(1); });
}

void InventoryWindow::Delete()
{
    const int row = currentDataRow();
    if (row < 0)
        return;
    const qint64 id = idAt(row);
    const QString name = grid()->cell(row, m_inventory.nameField);
    QSqlDatabase db = Form1->database();
    Form1->Query().finish();
    const qint64 uses = Inventory::usageCount(db, m_inventory.cascade, id);
    if (uses < 0) {
        Dialogs::error(StoreMessages::ReadError);
        return;
    }
    if (!Dialogs::askDelete(m_inventory.deleteQuestion(name, uses)))
        return;
    if (!Inventory::remove(db, m_inventory.cascade, id))
        Dialogs::error(StoreMessages::WriteError);
    reloadSelecting(row - 1);
}
