#pragma once

#include "common/EditorContract.h"
#include "common/ListWindow.h"
#include "reference/WebRecords.h"

struct WebListWindowSpec {
    ListWindowSpec window; // its search spec holds the check box caption
    const WebRecords::Spec *records = nullptr;
    QString searchHint, editHint, addHint, deleteHint;
    QString deleteQuestion; // followed by the name and " ?"
    // Shows the record editor in that mode, for that id (ignored in ModeNew).
    std::function<void(EditorMode, qint64)> openEditor;
};

// The link and search-engine lists: search with a check box that widens it, add and edit through
// the record editor, delete by id.
class WebListWindow : public ListWindow
{
    Q_OBJECT
public:
    // Whether the search also covers the column the dialog's check box names.
    bool SearchWider = false;

    // The search dialog; its check box sets SearchWider.
    void Search();
    void Add();
    void Edit();
    void Delete();

    // What the editor calls after a save: a new record shows the whole list.
    void reloadAfterSave(bool created);

    qint64 selectedId() const;
    QString selectedCell(const QString &field) const;

protected:
    WebListWindow(const WebListWindowSpec &spec, QWidget *parent);
    bool runListing(QSqlQuery &query) override;

    WebListWindowSpec m_web;
};
