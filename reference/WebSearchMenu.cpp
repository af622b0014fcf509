#include "reference/WebSearchMenu.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/Desktop.h"
#include "reference/WebSearch.h"

#include <QUrl>

WebSearchMenu::WebSearchMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("webSearchMenu"));
}

void WebSearchMenu::Rebuild()
{
    clear(); // deletes the items, which the menu owns
    WebSearchText.clear();

    const QVector<WebSearch::Engine> engines = WebSearch::activeEngines(Form1->Query());
    if (engines.isEmpty()) {
        addAction(new TMenuItemExtended(WebSearch::NoEngineCaption, this));
        return;
    }
    for (const WebSearch::Engine &e : engines) {
        auto *item = new TMenuItemExtended(e.name, this);
        item->Tag = e.id;
        item->Url = e.url;
        connect(item, &QAction::triggered, this, [this, item] { choose(item); });
        addAction(item);
    }
}

void WebSearchMenu::PopupUnder(QWidget *button, const QString &text)
{
    WebSearchText = text;
    if (WebSearchText.isEmpty() || !button)
        return;
    popup(button->mapToGlobal(QPoint(0, button->height())));
}

QList<TMenuItemExtended *> WebSearchMenu::items() const
{
    QList<TMenuItemExtended *> list;
    for (QAction *a : actions())
        if (auto *item = qobject_cast<TMenuItemExtended *>(a))
            list.append(item);
    return list;
}

void WebSearchMenu::choose(const TMenuItemExtended *item)
{
    if (WebSearchText.isEmpty())
        return;
    // Tolerant parsing keeps the escapes of the encoded text as they are.
    Desktop::openUrl(QUrl(WebSearch::resultAddress(item->Url, WebSearchText), QUrl::TolerantMode));
    WebSearchText.clear();
}
