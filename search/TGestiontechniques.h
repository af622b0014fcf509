#pragma once

#include "common/ListWindow.h"

// List of the techniques: search, edit, add, delete.
class TGestiontechniques : public ListWindow
{
    Q_OBJECT
public:
    explicit TGestiontechniques(QWidget *parent = nullptr);

    void Edit();
    void Add();
    void Delete();

protected:
    bool runListing(QSqlQuery &query) override;
};
