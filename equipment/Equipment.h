#pragma once

#include "common/Inventory.h"
#include "common/RecordStatements.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

// The equipment items (table materiels): listing, delete cascade, reading and writing one item.
// No widget; the inventory list and the editor are built on these.
namespace Equipment {

const Inventory::Listing &listing();
const Inventory::CountTexts &countTexts();
const Inventory::DeleteCascade &deleteCascade();
// The delete question, which warns when routines use the item.
QString deleteQuestion(const QString &name, qint64 routineUses);

struct Record {
    qint64 id = 0;
    QString name;
    QString designation;
    bool toOrder = false;       // isAcommander
    bool outOfService = false;  // isHS
    bool inMaintenance = false; // isMaintenance
    bool consumable = false;    // isConsommable
    QString quantity;
    QString purchaseDate;
    QString purchaseValue; // as stored; shown through NormaliseAmount
    QString url;
    QString description;
    qint64 supplierId = 0;
    qint64 storageId = 0;
    qint64 lenderId = 0;
    QByteArray picture;
};

// The item `id`; false when it does not exist or cannot be read (`failed` tells which).
bool read(QSqlDatabase db, qint64 id, Record *record, bool *failed = nullptr);

// 1 in an empty table, else the largest id plus 1; 0 when the table cannot be read.
qint64 newId(QSqlDatabase db);

// Refuses a name another item has (without regard to case), then inserts (isNew) or updates the
// item. A saved item is no longer marked as imported.
RecordStatements::SaveResult save(QSqlDatabase db, const Record &record, bool isNew);

} // namespace Equipment
