#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVector>

class QSqlQuery;

// The techniques: listing, reading, saving and deleting. No widget here.
namespace Techniques {

extern const QString DuplicateText; // "Cette technique existe déjà !"

struct Technique {
    qint64 id = 0;
    QString name;
    qint64 authorId = 0; // 0: no creator
    QString description;
};

// A documentation record or routine that uses a technique.
struct LinkedRecord {
    QString id;
    QString title;
    QString author; // empty when none or when the author no longer exists
};

// Runs the list statement on `query`, or the filtered one (name containing `filter`, typed text
// matched literally) when the filter is not empty.
bool list(QSqlQuery &query, const QString &filter);

// Reads one technique by id. False when it cannot be read (or does not exist).
bool read(const QSqlDatabase &db, qint64 id, Technique *technique);

// The documentation (kind 2) or routines (kind 3) linked to a technique, by title.
QVector<LinkedRecord> linked(const QSqlDatabase &db, qint64 techniqueId, int kind);

// The name of an author; empty for 0 or a missing author.
QString authorName(const QSqlDatabase &db, qint64 authorId);

enum class SaveResult { Saved, Empty, Duplicate, Failed };

// Saves a technique whose name was already trimmed: refuses an empty name and a name another
// technique has without regard to case; inserts when `technique.id` is 0, else updates.
SaveResult save(const QSqlDatabase &db, const Technique &technique);

// Removes the technique's links, then the technique, all or nothing. Records that used it stay.
bool remove(const QSqlDatabase &db, qint64 id);

} // namespace Techniques
