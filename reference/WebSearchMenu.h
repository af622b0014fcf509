#pragma once

#include "reference/TMenuItemExtended.h"

#include <QList>
#include <QMenu>

// The web-search menu a record editor owns: one item per active engine. Its buttons put a field's
// text into WebSearchText and pop the menu up; choosing an engine opens its results for that text.
class WebSearchMenu : public QMenu
{
    Q_OBJECT
public:
    explicit WebSearchMenu(QWidget *parent = nullptr);

    // The text to search for; emptied by Rebuild and once an engine has been opened.
    QString WebSearchText;

    // Removes every item and adds one per active engine (or the single "no engine" item),
    // in name order. Call each time the editor is shown.
    void Rebuild();
    // Takes `text` as the text to search for and, when it is not empty, pops the menu up with its
    // top-left corner at the button's bottom-left corner. Does not wait for a choice.
    void PopupUnder(QWidget *button, const QString &text);

    QList<TMenuItemExtended *> items() const;

private:
    void choose(const TMenuItemExtended *item);
};
