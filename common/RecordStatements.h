#pragma once

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>

// Reading and writing one named record (equipment, documentation, routine): its row by id, the
// duplicate-name test and the INSERT or UPDATE. No widget.
namespace RecordStatements {

struct Binding {
    QString parameter;
    QVariant value;
};
using Bindings = QVector<Binding>;

// A text bound as itself: an empty field is stored as an empty text, not as NULL.
QVariant text(const QString &value);

// The row `id` of a "SELECT * from T WHERE id=:id" statement. False when there is none or the
// statement fails (`failed` tells which).
bool readRow(QSqlDatabase db, const QString &sql, qint64 id, QSqlRecord *row, bool *failed = nullptr);

struct NamedRecord {
    QString duplicateNew;  // binds :nom
    QString duplicateEdit; // binds :nom and :id
    QString insert;
    QString update;
};

enum class SaveResult { Saved, Duplicate, Failed };

// Refuses a name already used by another record (without regard to case), then writes the
// record with `values` (which carry :id and :nom too).
SaveResult save(QSqlDatabase db, const NamedRecord &statements, bool isNew, qint64 id, const QString &name,
                const Bindings &values);

} // namespace RecordStatements
