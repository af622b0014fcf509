#pragma once

#include "common/EditorContract.h"
#include "common/Inventory.h"
#include "common/ListWindow.h"

#include <functional>

class QCheckBox;
class QLabel;

struct InventorySpec {
    ListWindowSpec window; // its search spec carries the wide-search check box
    Inventory::Listing listing;
    Inventory::CountTexts counts;
    Inventory::DeleteCascade cascade;
    std::function<QString(const QString &name, qint64 routineUses)> deleteQuestion;
    QString nameField = QStringLiteral("nom");
    QString importField = QStringLiteral("isImport");
    QString searchHint, editHint, addHint, deleteHint;
    // The window's record editor, and how it is shown (modally).
    std::function<SteppingEditorContract *()> editor;
    std::function<void()> showEditor;
    // Called after the editor is put in ModeNew, before it is shown.
    std::function<void()> prepareNew;
};

// An inventory list (equipment, documentation, routines): the records with their hidden id and
// import marker, imported rows in grey, a count under the grid, a sort by date of addition,
// a search that may cover the long texts, add / edit (stepping through the rows in their shown
// order) / delete through the record editor.
class InventoryWindow : public ListWindow
{
    Q_OBJECT
public:
    // The current search; empty for the whole table.
    QString &SearchText = SearchFilter;
    // The search also covers the long texts.
    bool SearchWide = false;

    QLabel *countLabel() const { return m_count; }
    QCheckBox *sortByDateBox() const { return m_sortByDate; }

    // Lists again with the current search and sort, the same row number selected.
    void Reload();
    void Search();
    void Add();
    void Edit();
    void Delete();

    qint64 idAt(int row) const;

protected:
    InventoryWindow(const InventorySpec &spec, QWidget *parent);
    bool runListing(QSqlQuery &query) override;
    void afterListing() override;
    void showEvent(QShowEvent *event) override;

    InventorySpec m_inventory;

private:
    int currentDataRow() const;

    QLabel *m_count = nullptr;
    QCheckBox *m_sortByDate = nullptr;
};
