#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariantMap>

// Web links (bookmarks) and search engines (moteurs): their statements and their text rules.
// No widget here.
namespace WebRecords {

struct Spec {
    QString listStatement;
    QString filteredStatement;      // binds :clausewhere
    QString widerFilteredStatement; // binds :clausewhere; also searches one more column
    QString countIds;               // for a new record's id
    QString idsDescending;
    QString readStatement;    // binds :id
    QString duplicateNew;     // binds :nom
    QString duplicateEdit;    // binds :nom, :id
    QString insertStatement;  // binds :id, :nom and the other fields
    QString updateStatement;  // binds :id, :nom and the other fields
    QString deleteStatement;  // binds :id
};

const Spec &links();
const Spec &engines();

// Longest texts the fields accept (the columns are read as varchar(255) elsewhere).
constexpr int LinkNameMaxLength = 255;
constexpr int EngineNameMaxLength = 50;
constexpr int AddressMaxLength = 255;

// Runs the list statement, or a filtered one when `filter` is not empty; the filter is matched
// literally, whatever LIKE wildcards it holds.
bool list(QSqlQuery &query, const Spec &spec, const QString &filter, bool wider);

// 1 in an empty table, else the largest id plus 1; 0 when it cannot be read.
qint64 newId(const QSqlDatabase &db, const Spec &spec);

// The record's columns; false when there is no such record or it cannot be read.
bool read(const QSqlDatabase &db, const Spec &spec, qint64 id, QSqlRecord *record);

enum class SaveResult { Saved, Duplicate, Failed };

// What the windows show when a statement fails.
extern const QString WriteErrorText; // "Impossibilité d'écrire dans le fichier Vorelis choisi !!"

// Inserts (created) or updates the record `id` named `name`, refusing a name another record has
// in any letter case. `fields` maps the other parameters (":url", ...) to their values.
SaveResult save(const QSqlDatabase &db, const Spec &spec, bool created, qint64 id, const QString &name,
                const QVariantMap &fields);

bool remove(const QSqlDatabase &db, const Spec &spec, qint64 id);

// ---- Text rules -------------------------------------------------------------------------------

// A link can be saved once it has a name and an address.
bool linkAcceptable(const QString &name, const QString &address);

// An engine can be saved once it has a name and an address of more than 7 characters that begins
// with "http://" or "https://" in any letter case, and whose stored form fits its column.
bool engineAcceptable(const QString &name, const QString &address);

// An engine's address as stored: no surrounding blanks and control characters, "%20" for blanks.
QString engineStoredAddress(const QString &address);

// What a link list's status line says after a listing of `count` rows.
QString linkStatus(int count, bool filtered);

} // namespace WebRecords
