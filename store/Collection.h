#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <memory>

// The one connection to the open collection file, with its shared query.
// Statements run in autocommit mode unless a transaction was begun, so every write is
// committed at once; commit() ends a transaction begun with begin().
class Collection
{
public:
    explicit Collection(const QString &connectionName = QStringLiteral("vorelis"));
    ~Collection();
    Collection(const Collection &) = delete;
    Collection &operator=(const Collection &) = delete;

    // Points the connection at an existing file and opens it.
    bool open(const QString &path, QString *error = nullptr);
    // Finishes the shared query, commits what is pending and closes the connection.
    void close();
    bool isOpen() const;
    QString fileName() const;

    QSqlDatabase database() const;
    QSqlQuery &query();
    // A fresh query on the shared connection, for windows that need their own.
    QSqlQuery newQuery() const;

    bool begin();
    bool commit();
    bool rollback();
    bool inTransaction() const { return m_inTransaction; }

private:
    QString m_connection;
    std::unique_ptr<QSqlQuery> m_query;
    bool m_inTransaction = false;
};
