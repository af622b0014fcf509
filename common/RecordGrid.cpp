#include "common/RecordGrid.h"

#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// Text order without regard to case.
class GridItem : public QTableWidgetItem
{
public:
    explicit GridItem(const QString &text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem &other) const override
    {
        return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
    }
};

const QColor ImportedGrey(128, 128, 128);
} // namespace

RecordGrid::RecordGrid(QWidget *parent) : QTableWidget(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RecordGrid::sortByClick);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit rowActivated(row); });
}

void RecordGrid::setColumns(const QVector<GridColumn> &columns)
{
    m_columns = columns;
    setColumnCount(columns.size());
    QStringList captions;
    for (const GridColumn &c : columns)
        captions << c.caption;
    setHorizontalHeaderLabels(captions);
    for (int i = 0; i < columns.size(); ++i) {
        setColumnHidden(i, columns[i].hidden);
        if (columns[i].stretch)
            horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
        else if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width);
    }
}

void RecordGrid::clearRows()
{
    clearContents();
    setRowCount(0);
}

int RecordGrid::fill(QSqlQuery &query)
{
    setUpdatesEnabled(false);
    clearRows();
    QVector<int> fields;
    bool first = true;
    int row = 0;
    while (query.next()) {
        if (first) {
            const QSqlRecord rec = query.record();
            for (const GridColumn &c : m_columns)
                fields << rec.indexOf(c.field);
            first = false;
        }
        if (row >= rowCount())
            setRowCount(qMax(64, rowCount() * 2));
        for (int col = 0; col < fields.size(); ++col)
            setItem(row, col, new GridItem(fields[col] < 0 ? QString() : query.value(fields[col]).toString()));
        ++row;
    }
    setRowCount(row);
    if (m_keepSort && m_sortColumn >= 0)
        sortItems(m_sortColumn, m_order);
    setUpdatesEnabled(true);
    return row;
}

void RecordGrid::setRows(const QStringList &first, const QVector<QStringList> &rest)
{
    setUpdatesEnabled(false);
    clearRows();
    // One resize: inserting rows one by one makes the header renumber its sections each time.
    setRowCount(rest.size());
    const int columns = columnCount();
    for (int row = 0; row < rest.size(); ++row) {
        setItem(row, 0, new GridItem(first.value(row)));
        for (int col = 1; col < columns; ++col)
            setItem(row, col, new GridItem(rest[row].value(col - 1)));
    }
    setUpdatesEnabled(true);
}

void RecordGrid::addRow(const QStringList &cells)
{
    const int row = rowCount();
    insertRow(row);
    for (int col = 0; col < columnCount(); ++col)
        setItem(row, col, new GridItem(cells.value(col)));
}

QString RecordGrid::cell(int row, int column) const
{
    const QTableWidgetItem *i = item(row, column);
    return i ? i->text() : QString();
}

QVector<QStringList> RecordGrid::rowTexts(int firstColumn) const
{
    QVector<QStringList> rows;
    rows.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = firstColumn; c < columnCount(); ++c)
            cells << cell(r, c);
        rows << cells;
    }
    return rows;
}

int RecordGrid::columnOf(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field == field)
            return i;
    return -1;
}

QString RecordGrid::cell(int row, const QString &field) const
{
    return cell(row, columnOf(field));
}

int RecordGrid::selectedRow() const
{
    const QList<QTableWidgetItem *> items = selectedItems();
    const int row = items.isEmpty() ? -1 : items.first()->row();
    if (row < 0 || row >= rowCount())
        return -1;
    // The first row only counts when it holds something.
    if (row == 0) {
        bool any = false;
        for (int c = 0; c < columnCount() && !any; ++c)
            any = !cell(0, c).isEmpty();
        if (!any)
            return -1;
    }
    return row;
}

void RecordGrid::selectRowAt(int row)
{
    if (rowCount() == 0) {
        clearSelection();
        return;
    }
    row = qBound(0, row, rowCount() - 1);
    selectRow(row);
    setCurrentCell(row, 0, QItemSelectionModel::Rows | QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row, 0));
}

void RecordGrid::setRowGrey(int row, bool grey)
{
    for (int c = 0; c < columnCount(); ++c)
        if (QTableWidgetItem *i = item(row, c))
            i->setForeground(grey ? QBrush(ImportedGrey) : QBrush());
}

bool RecordGrid::isRowGrey(int row) const
{
    const QTableWidgetItem *i = item(row, 0);
    return i && i->foreground().style() != Qt::NoBrush && i->foreground().color() == ImportedGrey;
}

void RecordGrid::sortByClick(int column)
{
    m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    sortItems(column, m_order);
}

void RecordGrid::resetSort()
{
    m_sortColumn = -1;
    m_order = Qt::DescendingOrder;
}
