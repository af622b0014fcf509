#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The stored format of a collection file: tables, indexes, seed rows, upgrade steps.
namespace Schema {

constexpr int CurrentVersion = 8;

extern const char *const IdentityRead;
extern const char *const IdentityWrite;
extern const char *const VersionUpdate;

struct Table {
    QString name;
    QString create;                              // exact CREATE TABLE text
    QVector<QPair<QString, QString>> indexes;    // (index name, column), in creation order
};

// Every table of a new collection in creation order (identity table first).
const QVector<Table> &tables();
const Table &table(const QString &name);

// "CREATE INDEX name ON table (column)"
QString indexStatement(const QString &table, const QString &index, const QString &column);
QStringList tableStatements(const Table &t);

// The ten INSERT statements of the search engine seed rows, in order.
QStringList engineSeedStatements();

// Statement groups of a new collection, committed one by one. Group 0 is the identity
// table alone: the identity row is written with its bound values right after it.
QVector<QStringList> creationGroups();

// One upgrade step: runs when the stored version is below `below`.
struct UpgradeStep {
    int below;
    QStringList statements;
};
const QVector<UpgradeStep> &upgradeSteps();

// Steps that apply to a file at `version` (0 or no number runs every step).
QStringList upgradeStatements(int version);

} // namespace Schema
