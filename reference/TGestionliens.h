#pragma once

#include "reference/WebListWindow.h"

class QLabel;

// The collection of web links: listed with a status line, opened in the browser.
class TGestionliens : public WebListWindow
{
    Q_OBJECT
public:
    explicit TGestionliens(QWidget *parent = nullptr);

    QLabel *statusLine() const { return m_status; }
    // "Visiter un lien": the selected link's address, encoded, in the browser.
    void Visit();

protected:
    void afterListing() override;

private:
    QLabel *m_status = nullptr;
};
