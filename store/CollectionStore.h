#pragma once

#include <QSqlDatabase>
#include <QString>

// Creating, validating, upgrading and compacting collection files. Never shows anything:
// callers decide what to tell the user.
namespace CollectionStore {

struct Identity {
    enum Status { Valid, NotACollection, TooRecent };
    Status status = NotACollection;
    int id = 0;
    QString name;
    int version = 0;
    QString error;
};

// Writes a complete new collection at `path`. The schema is built beside the target and
// moved over it only once complete, so a failure leaves any previous file untouched.
bool createFile(const QString &path, const QString &name, QString *error = nullptr);

// Runs the creation groups on an open, empty database, committing after each group.
bool createSchema(QSqlDatabase db, const QString &name, QString *error = nullptr);

// Reads the identity row: valid only when exactly one row comes back.
Identity inspect(QSqlDatabase db);

// Brings a file below the current version up to it, all steps in one transaction:
// on any failure nothing is changed.
bool upgrade(QSqlDatabase db, const Identity &identity, QString *error = nullptr);

// VACUUM through a separate, short-lived connection to the file.
bool compact(const QString &file);

// Whether the file and its folder can be written (SQLite needs the folder for its journal).
bool isWritable(const QString &file);

} // namespace CollectionStore
