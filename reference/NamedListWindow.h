#pragma once

#include "common/ListWindow.h"
#include "reference/NamedLists.h"

class AddWizard;

struct NamedListWindowSpec {
    ListWindowSpec window;
    const NamedLists::Spec *list = nullptr;
    QString nameField = QStringLiteral("nom");
    QString deleteQuestion; // followed by the name and " ?"
    QString searchHint, addHint, deleteHint;
    std::function<AddWizard *()> wizard;
};

// The storage-place, tag and author lists: search, add through a wizard, delete with the
// references cleared.
class NamedListWindow : public ListWindow
{
    Q_OBJECT
public:
    void Add();
    void Delete();
    QString selectedName() const;

protected:
    NamedListWindow(const NamedListWindowSpec &spec, QWidget *parent);
    bool runListing(QSqlQuery &query) override;

    NamedListWindowSpec m_named;
};
