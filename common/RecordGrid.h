#pragma once

#include <QTableWidget>
#include <QVector>

class QSqlQuery;

struct GridColumn {
    QString caption;
    QString field;       // column of the query that fills it
    bool hidden = false; // e.g. the id column
    bool stretch = false;
    int width = 0;       // 0: default
};

// The grid of every list: header row, whole-row selection, read-only, sorting by a click on a
// column title (text order without regard to case, reversing on each click), hidden id columns.
class RecordGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit RecordGrid(QWidget *parent = nullptr);

    void setColumns(const QVector<GridColumn> &columns);
    const QVector<GridColumn> &columns() const { return m_columns; }

    // Replaces the rows with those of an executed query, reading each column's field by name.
    int fill(QSqlQuery &query);
    void clearRows();
    void addRow(const QStringList &cells);
    // Replaces the rows: row r holds first[r] in column 0, then the texts of rest[r].
    void setRows(const QStringList &first, const QVector<QStringList> &rest);

    QString cell(int row, int column) const;
    // The texts of every row in display order, from `firstColumn` on (1 leaves out the id).
    QVector<QStringList> rowTexts(int firstColumn) const;
    QString cell(int row, const QString &field) const;
    int columnOf(const QString &field) const;

    // The selected data row, or -1 when none counts as selected.
    int selectedRow() const;
    // Selects the row at `row`, clamped to the list; nothing when the list is empty.
    void selectRowAt(int row);

    // Imported records not yet reviewed are shown in grey.
    void setRowGrey(int row, bool grey);
    bool isRowGrey(int row) const;

    void sortByClick(int column);
    // Lists that are filled again while the user steps through them keep the order chosen by a
    // title click; resetSort() goes back to the statement's order at the next fill.
    void setSortKeptOnFill(bool keep) { m_keepSort = keep; }
    void resetSort();
    int sortColumn() const { return m_sortColumn; }

signals:
    void rowActivated(int row);

private:
    QVector<GridColumn> m_columns;
    Qt::SortOrder m_order = Qt::DescendingOrder; // the first click sorts ascending
    int m_sortColumn = -1;
    bool m_keepSort = false;
};
