#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// Records linked to a record through a link table (tags, techniques, the equipment and
// documentation of a routine, its audiences) and the names of records a field points to.
// Statements only, no widget.
namespace RecordLinks {

// `dest` codes of lnk_categories and lnk_techniques: the kind of the record that carries the link.
enum Kind { NoKind = 0, Equipment = 1, Documentation = 2, Routine = 3 };

struct LinkSpec {
    QString target;      // linked table ("categorie")
    QString linkTable;   // "lnk_categories"
    QString linkColumn;  // column of linkTable holding the target's id ("id_categorie")
    int dest = NoKind;   // NoKind: the link table has no dest column (lnk_materiels, ...)
};

// The link tables.
LinkSpec tags(int dest);       // categorie through lnk_categories
LinkSpec techniques(int dest); // techniques through lnk_techniques
LinkSpec equipment();          // materiels through lnk_materiels (routines)
LinkSpec documentation();      // medias through lnk_medias (routines)
LinkSpec audiences();          // contacts through lnk_spectateurs (routines)

struct Linked {
    qint64 id = 0;
    QString name;
};

// What the selection dialog lists for a table and the statement that reads one row back.
QString candidatesStatement(const QString &table);         // "select id,nom from T"
QString filteredCandidatesStatement(const QString &table); // "... WHERE nom LIKE :recherche"
QString rowStatement(const QString &table);                // "SELECT id,nom from T WHERE id=:id"

// The records linked to `id`, in name order. False when the statement fails.
bool load(QSqlDatabase db, const LinkSpec &spec, qint64 id, QVector<Linked> *rows);

// Replaces the links of `id` by `targetIds`, in that order. False when a statement fails.
bool save(QSqlDatabase db, const LinkSpec &spec, qint64 id, const QVector<qint64> &targetIds);

// One row of a table by id; false when there is none or the statement fails.
bool fetch(QSqlDatabase db, const QString &table, qint64 id, Linked *row);

// `nom` of the row `id` of a table; empty for 0 or a row that does not exist.
QString nameOf(QSqlDatabase db, const QString &table, qint64 id);

// What the storage-place information shows: its name, " - " and its description. False when the
// storage place does not exist or cannot be read.
bool storagePlaceInfo(QSqlDatabase db, qint64 id, QString *text);

} // namespace RecordLinks
