#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// The simple named lists (storage places, tags, authors): their statements and their rules
// for adding, deleting and renaming. No widget here.
namespace NamedLists {

struct Reference {
    QString statement; // clears what pointed at the deleted row
    QString parameter; // bound to the row's id, as decimal text
};

struct Spec {
    QString table;
    QString listStatement;
    QString filteredStatement; // binds :clausewhere
    QString duplicateTest;     // binds :nom
    QString insertStatement;   // binds :nom (and :description)
    bool hasDescription = false;
    QString idStatement;       // binds :nom
    QVector<Reference> references;
    QString deleteStatement;   // binds :nom
};

const Spec &storagePlaces();
const Spec &tags();
const Spec &authors();

enum class AddResult { Added, Empty, Duplicate, Failed };

// Trims the name (blanks and control characters at both ends), refuses an empty one or one
// that exists already without regard to case, then inserts it.
AddResult add(QSqlDatabase db, const Spec &spec, const QString &name, const QString &description = QString(),
              QString *trimmedName = nullptr);

// Clears the references to every row of that name, then deletes them. True when done.
bool remove(QSqlDatabase db, const Spec &spec, const QString &name);

enum class RenameResult { Renamed, Unchanged, Duplicate, Failed };

// Renames an author; the same name in other letter case is accepted, another author's refused.
RenameResult renameAuthor(QSqlDatabase db, qint64 id, const QString &currentName, const QString &newName);

// Runs the list statement, or the filtered one when `filter` is not empty.
bool list(QSqlQuery &query, const Spec &spec, const QString &filter);
// The same for any list: `filtered` binds :clausewhere to the filter, matched literally.
bool list(QSqlQuery &query, const QString &listStatement, const QString &filtered, const QString &filter);

// Runs a prepared "SELECT COUNT(*) ..." and returns the count; -1 when the statement fails.
qint64 count(QSqlQuery &query);

} // namespace NamedLists
