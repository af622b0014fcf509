#include "reference/TMenuItemExtended.h"

TMenuItemExtended::TMenuItemExtended(const QString &caption, QObject *parent) : QAction(caption, parent) {}
