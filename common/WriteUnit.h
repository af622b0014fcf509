#pragma once

#include <QSqlDatabase>

// Several writes that belong together (a record and its links, a delete cascade) are committed
// together or not at all. Inside a transaction begun elsewhere they simply join it.
class WriteUnit
{
public:
    explicit WriteUnit(QSqlDatabase db) : m_db(db), m_own(m_db.transaction()) {}
    ~WriteUnit()
    {
        if (m_own)
            m_db.rollback();
    }
    WriteUnit(const WriteUnit &) = delete;
    WriteUnit &operator=(const WriteUnit &) = delete;

    bool commit()
    {
        if (!m_own)
            return true;
        m_own = false;
        return m_db.commit();
    }

private:
    QSqlDatabase m_db;
    bool m_own;
};
