#pragma once

#include "reference/WebListWindow.h"

// The web search engines offered by the record editors' web-search menus.
class TGestionmoteursderecherche : public WebListWindow
{
    Q_OBJECT
public:
    explicit TGestionmoteursderecherche(QWidget *parent = nullptr);

protected:
    void afterListing() override;
};
