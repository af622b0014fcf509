#pragma once

#include "common/SelectionDialog.h"

// The selection dialog through which the technique editor chooses an author: no creator
// column, no sorting by column title.
class TRechercheSQLAuteur : public SelectionDialog {
    Q_OBJECT
public:
    explicit TRechercheSQLAuteur(QWidget *parent = nullptr);

    // The chosen id (> 0), 0 when nothing was selected, -1 when cancelled.
    int SelectRecord(const QString &baseStatement, const QString &filteredStatement, const QString &orderColumn,
                     int creationKind);
};
