#pragma once

#include <QDialog>
#include <QSqlQuery>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class RecordGrid;

// How the candidates of a selection dialog are listed: plain rules, no window.
namespace SelectionListing {

// Search texts shorter than this list every candidate.
constexpr int MinimumSearchLength = 2;
constexpr int Limit = 1000;

struct Statement {
    QString sql;
    bool bindsSearch = false; // whether :recherche must be bound (searchValue)
};

// The statement run for a search text: the base one for short texts, else the filtered one
// with its LIKE comparisons matching the typed text literally; both ordered and limited.
Statement statementFor(const QString &base, const QString &filtered, const QString &orderColumn,
                       const QString &searchText);
// The value bound to :recherche.
QString searchValue(const QString &searchText);

} // namespace SelectionListing

// The modal dialog through which a window picks one record of a table: a search field that
// narrows the candidates as the user types, an optional button creating a missing record,
// a grid of candidates. Returns the chosen id, 0 ("Sélectionner" with nothing selected) or
// -1 (cancelled).
class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    // Which creation window the add button opens.
    enum Creation { NoCreation = 0, StoragePlace = 1, Tag = 2, Author = 3, Contact = 4, Supplier = 5, Technique = 6 };
    static constexpr int FieldWidthWithButton = 536;
    static constexpr int FieldWidthAlone = 576;
    static constexpr int Cancelled = -1;
    static constexpr int NothingSelected = 0;

    // The creation windows are wired in from outside: `open` shows one modally. Shared by all
    // selection dialogs; an empty function removes the kind's creator.
    static void setCreator(int kind, std::function<void()> open);
    static bool hasCreator(int kind);

    RecordGrid *grid() const { return m_grid; }
    QLineEdit *searchField() const { return m_search; }
    QToolButton *addButton() const { return m_add; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *selectButton() const { return m_select; }
    bool authorColumnShown() const { return m_authorColumn; }
    int creationKind() const { return m_kind; }

    // Lists the candidates for the current search text.
    void listCandidates();

    void accept() override; // "Sélectionner"
    void reject() override; // "Annuler", Escape, title-bar close

protected:
    struct Style {
        QString objectName;
        QString caption;
        bool sortable = true; // a click on a column title sorts the grid
        bool hasAuthorColumn = true;
    };
    SelectionDialog(const Style &style, QWidget *parent);

    int select(const QString &baseStatement, const QString &filteredStatement, const QString &orderColumn,
               int creationKind, bool authorColumn);

private:
    void setAuthorColumn(bool on);
    void setCreationKind(int kind);
    void create();

    const Style m_style;
    QLineEdit *m_search = nullptr;
    QToolButton *m_add = nullptr;
    RecordGrid *m_grid = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_select = nullptr;

    // What the current call asked for.
    QString m_base;
    QString m_filtered;
    QString m_order;
    int m_kind = NoCreation;
    bool m_authorColumn = false;
    int m_result = Cancelled;
    QSqlQuery m_query; // the dialog's own query on the shared connection
};
