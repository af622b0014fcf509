#pragma once

#include <QAction>

// A menu item that carries an engine: its address pattern and its id.
class TMenuItemExtended : public QAction
{
    Q_OBJECT
public:
    explicit TMenuItemExtended(const QString &caption, QObject *parent = nullptr);

    QString Url; // the address pattern, without surrounding blanks
    int Tag = 0; // the engine's id; 0 for an item that stands for no engine
};
