#include "common/Trecherchesql.h"

Trecherchesql::Trecherchesql(QWidget *parent)
    : SelectionDialog({QStringLiteral("Recherchesql"), QStringLiteral("Selectionnez une affectation"), true, true},
                      parent) {}

int Trecherchesql::SelectRecord(const QString &baseStatement, const QString &filteredStatement,
                                const QString &orderColumn, int creationKind, bool authorColumn) {
    return select(baseStatement, filteredStatement, orderColumn, creationKind, authorColumn);
}
