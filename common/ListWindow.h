#pragma once

#include "app/Dialogs.h"
#include "common/RecordGrid.h"

#include <QDialog>
#include <QHash>
#include <QStyle>

#include <functional>

class QSqlQuery;
class QToolButton;
class QHBoxLayout;
class QVBoxLayout;
class QPushButton;

struct ListWindowSpec {
    QString objectName;
    QString caption;
    QSize size;
    QSize minimumSize;
    QVector<GridColumn> columns;
    Dialogs::SearchSpec search;
};

// A list window: a grid, a column of icon buttons at its right, "Fermer" at the bottom.
// It keeps a search filter, lists when shown and after every change, and reselects rows
// by position. Each window is this pattern plus its table of differences.
class ListWindow : public QDialog
{
    Q_OBJECT
public:
    // The current search text; empty for the whole table.
    QString SearchFilter;

    RecordGrid *grid() const { return m_grid; }
    QToolButton *button(const QString &objectName) const { return m_buttons.value(objectName); }
    QPushButton *closeButton() const { return m_close; }

    // Lists again, then selects the row at that position where the list is long enough.
    void reloadSelecting(int row);
    void Search();
    // "Fermer": shared query closed, filter emptied, window closed.
    void Close();

protected:
    ListWindow(const ListWindowSpec &spec, QWidget *parent);

    QToolButton *addToolButton(const QString &objectName, const QString &hint, const QString &iconName,
                               QStyle::StandardPixmap fallback, const std::function<void()> &action);
    // The usual record buttons, in the order given; with an edit button a double-click edits too.
    struct RecordButton {
        enum Kind { Search, Edit, Add, Delete } kind;
        QString hint;
        std::function<void()> action;
    };
    void addRecordButtons(const QVector<RecordButton> &buttons);
    // Runs the listing statement (with SearchFilter) on the query.
    virtual bool runListing(QSqlQuery &query) = 0;
    // After the grid is filled (greying rows and the like).
    virtual void afterListing() {}
    // The row under the grid that holds "Fermer", for windows that add controls beside it.
    QHBoxLayout *bottomRow() const { return m_bottom; }

    void showEvent(QShowEvent *event) override;
    void reject() override;

    ListWindowSpec m_spec;

private:
    RecordGrid *m_grid = nullptr;
    QVBoxLayout *m_buttonColumn = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    QPushButton *m_close = nullptr;
    QHash<QString, QToolButton *> m_buttons;
};
