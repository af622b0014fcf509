#include "common/TRechercheSQLAuteur.h"

TRechercheSQLAuteur::TRechercheSQLAuteur(QWidget *parent)
    : SelectionDialog(
          {QStringLiteral("RechercheSQLAuteur"), QStringLiteral("Selectionnez un auteur / créateur"), false, false},
          parent) {}

int TRechercheSQLAuteur::SelectRecord(const QString &baseStatement, const QString &filteredStatement,
                                      const QString &orderColumn, int creationKind) {
    return select(baseStatement, filteredStatement, orderColumn, creationKind, false);
}
