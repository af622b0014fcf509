#pragma once

#include "common/SelectionDialog.h"

// The selection dialog of every editor and search window; can show the creator of each candidate.
class Trecherchesql : public SelectionDialog {
    Q_OBJECT
public:
    explicit Trecherchesql(QWidget *parent = nullptr);

    // The chosen id (> 0), 0 when nothing was selected, -1 when cancelled. With `authorColumn`
    // the statements return an `auteur` column shown under "Créateur".
    int SelectRecord(const QString &baseStatement, const QString &filteredStatement, const QString &orderColumn,
                     int creationKind, bool authorColumn);
};
