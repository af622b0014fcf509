#include "store/Collection.h"

#include <QFileInfo>
#include <QSqlError>

Collection::Collection(const QString &connectionName) : m_connection(connectionName)
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
}

Collection::~Collection()
{
    close();
    m_query.reset();
    QSqlDatabase::removeDatabase(m_connection);
}

bool Collection::open(const QString &path, QString *error)
{
    close();
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("no such file");
        return false;
    }
    QSqlDatabase db = database();
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    m_query = std::make_unique<QSqlQuery>(db);
    return true;
}

void Collection::close()
{
    if (m_query)
        m_query->finish();
    m_query.reset();
    QSqlDatabase db = database();
    if (db.isOpen()) {
        if (m_inTransaction)
            db.commit();
        m_inTransaction = false;
        db.close();
    }
}

bool Collection::isOpen() const
{
    return database().isOpen();
}

QString Collection::fileName() const
{
    return database().databaseName();
}

QSqlDatabase Collection::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

QSqlQuery &Collection::query()
{
    if (!m_query)
        m_query = std::make_unique<QSqlQuery>(database());
    return *m_query;
}

QSqlQuery Collection::newQuery() const
{
    return QSqlQuery(database());
}

bool Collection::begin()
{
    if (m_inTransaction)
        return true;
    m_inTransaction = database().transaction();
    return m_inTransaction;
}

bool Collection::commit()
{
    if (!m_inTransaction)
        return true;
    m_inTransaction = false;
    return database().commit();
}

bool Collection::rollback()
{
    if (!m_inTransaction)
        return true;
    m_inTransaction = false;
    return database().rollback();
}
