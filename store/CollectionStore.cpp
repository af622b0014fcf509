#include "store/CollectionStore.h"

#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QUuid>

#include <cstdio>

namespace CollectionStore {

namespace {

bool exec(QSqlQuery &q, const QString &sql, QString *error)
{
    if (q.exec(sql))
        return true;
    if (error)
        *error = sql + QStringLiteral(": ") + q.lastError().text();
    return false;
}

// A connection of its own that goes away with this object.
class ScopedConnection
{
public:
    explicit ScopedConnection(const QString &path)
        : m_name(QStringLiteral("vorelis-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
    }
    ~ScopedConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

} // namespace

bool createSchema(QSqlDatabase db, const QString &name, QString *error)
{
    const QVector<QStringList> groups = Schema::creationGroups();
    QSqlQuery q(db);
    for (int g = 0; g < groups.size(); ++g) {
        if (!db.transaction()) {
            if (error)
                *error = db.lastError().text();
            return false;
        }
        for (const QString &sql : groups[g]) {
            if (!exec(q, sql, error)) {
                db.rollback();
                return false;
            }
        }
        if (g == 0) {
            q.prepare(QString::fromLatin1(Schema::IdentityWrite));
            q.bindValue(QStringLiteral(":nom"), name);
            q.bindValue(QStringLiteral(":databaseversion"), QString::number(Schema::CurrentVersion));
            if (!q.exec()) {
                if (error)
                    *error = q.lastError().text();
                db.rollback();
                return false;
            }
        }
        q.finish();
        if (!db.commit()) {
            if (error)
                *error = db.lastError().text();
            return false;
        }
    }
    return true;
}

bool createFile(const QString &path, const QString &name, QString *error)
{
    const QFileInfo target(path);
    const QString dir = target.absolutePath();
    if (!QFileInfo(dir).isDir()) {
        if (error)
            *error = QStringLiteral("no such folder");
        return false;
    }
    // A short name of its own, so that a long target name still leaves room for "-journal".
    const QString temp = dir + QStringLiteral("/.vorelis-") + QUuid::createUuid().toString(QUuid::Id128).left(8) +
                         QStringLiteral(".tmp");
    bool ok = false;
    {
        ScopedConnection c(temp);
        QSqlDatabase db = c.db();
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
        } else {
            ok = createSchema(db, name, error);
        }
    }
    if (ok) {
        // rename(2) replaces the old file in one step.
        ok = std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
        if (!ok && error)
            *error = QStringLiteral("cannot replace the file");
    }
    if (!ok) {
        QFile::remove(temp);
        QFile::remove(temp + QStringLiteral("-journal"));
    }
    return ok;
}

Identity inspect(QSqlDatabase db)
{
    Identity id;
    QSqlQuery q(db);
    if (!q.exec(QString::fromLatin1(Schema::IdentityRead))) {
        id.error = q.lastError().text();
        return id;
    }
    int rows = 0;
    while (q.next()) {
        if (++rows == 1) {
            id.id = q.value(QStringLiteral("id")).toInt();
            id.name = q.value(QStringLiteral("nomdb")).toString();
            id.version = q.value(QStringLiteral("databaseversion")).toInt();
        }
    }
    if (q.lastError().isValid()) {
        id.error = q.lastError().text();
        return id;
    }
    q.finish();
    if (rows != 1) {
        id.error = QStringLiteral("%1 identity rows").arg(rows);
        return id;
    }
    id.status = id.version > Schema::CurrentVersion ? Identity::TooRecent : Identity::Valid;
    return id;
}

bool upgrade(QSqlDatabase db, const Identity &identity, QString *error)
{
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    for (const QString &sql : Schema::upgradeStatements(identity.version)) {
        if (!exec(q, sql, error)) {
            q.finish();
            db.rollback();
            return false;
        }
    }
    q.prepare(QString::fromLatin1(Schema::VersionUpdate));
    q.bindValue(QStringLiteral(":databaseversion"), Schema::CurrentVersion);
    q.bindValue(QStringLiteral(":iddb"), identity.id);
    if (!q.exec() || q.numRowsAffected() != 1) {
        if (error)
            *error = q.lastError().isValid() ? q.lastError().text() : QStringLiteral("identity row not updated");
        q.finish();
        db.rollback();
        return false;
    }
    q.finish();
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    // Takes effect at the next VACUUM.
    q.exec(QStringLiteral("PRAGMA page_size=4096"));
    q.finish();
    return true;
}

bool compact(const QString &file)
{
    if (file.isEmpty() || !QFileInfo::exists(file))
        return false;
    ScopedConnection c(file);
    QSqlDatabase db = c.db();
    if (!db.open())
        return false;
    QSqlQuery q(db);
    // A larger page cache than the default 2 MB halves the rebuild time of large files; it
    // lasts only as long as this connection.
    q.exec(QStringLiteral("PRAGMA cache_size=-65536"));
    const bool ok = q.exec(QStringLiteral("VACUUM;"));
    q.finish();
    return ok;
}

bool isWritable(const QString &file)
{
    const QFileInfo fi(file);
    const QFileDevice::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // The permission bits count too, so a file marked read-only is respected even by root.
    if (!fi.isWritable() || !(fi.permissions() & anyWrite))
        return false;
    const QFileInfo dir(fi.absolutePath());
    return dir.isWritable() && (dir.permissions() & anyWrite);
}

} // namespace CollectionStore
