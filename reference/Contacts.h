#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

class QSqlQuery;

// Suppliers and contacts: their fields, statements, deletion rules, the contact's loans and
// seen routines, and the contact export. No widget here.
namespace Contacts {

// One text field of a card, top to bottom.
struct Field {
    QString label;
    QString column;
    int maxLength = 255;
    bool besidePrevious = false; // shown on the row of the field above ("Ville :" beside "Code postal :")
};

// A role check box of the contact card.
struct Flag {
    QString caption;
    QString column;
};

struct Spec {
    QString table;
    QVector<Field> fields; // the name first
    QVector<Flag> flags;
    QString listStatement;
    QString filteredStatement; // binds :clausewhere
    QString readStatement;     // binds :id
    QString duplicateNew;      // binds :nom
    QString duplicateEdit;     // binds :nom and :id
    QString insertStatement;   // binds every field and flag column
    QString updateStatement;   // the same, and :id
};

const Spec &suppliers();
const Spec &contacts();

extern const QString WriteErrorText; // a statement failed inside a command
extern const QString LentText;       // a contact who still has lent items

// Column -> text, as the card shows it; flags "1" or "0".
using Values = QHash<QString, QString>;

// Runs the list statement, or the filtered one (the text matched literally) when `filter` is not empty.
bool list(QSqlQuery &query, const Spec &spec, const QString &filter);

// Reads one record; NULL columns read as empty texts. False when there is no such record.
bool read(QSqlDatabase db, const Spec &spec, qint64 id, Values *values);

enum class SaveResult { Saved, Empty, Duplicate, Failed };

// Trims the name in `values` (blanks and control characters at both ends), refuses an empty
// one or one another record has without regard to case, then inserts or updates.
SaveResult insert(QSqlDatabase db, const Spec &spec, Values &values);
SaveResult update(QSqlDatabase db, const Spec &spec, qint64 id, Values &values);

// Deletes a supplier; its equipment and documentation keep no supplier (id_fournisseur 0). All or
// nothing.
bool removeSupplier(QSqlDatabase db, qint64 id);

// Items of equipment plus documentation lent to the contact; -1 when a count fails.
qint64 loanCount(QSqlDatabase db, qint64 contactId);

enum class RemoveResult { Removed, Lent, Failed };

// Deletes a contact who has nothing lent; the contact leaves every routine's audience.
RemoveResult removeContact(QSqlDatabase db, qint64 contactId);

struct Row {
    qint64 id = 0;
    QString name;
    QString type; // loans: "Materiel" or "Documentation"
};

// What is lent to the contact: equipment, then documentation, each in name order.
QVector<Row> loans(QSqlDatabase db, qint64 contactId);
// The routines the contact was an audience of, in name order.
QVector<Row> seenRoutines(QSqlDatabase db, qint64 contactId);

// ---- Contact export ----------------------------------------------------------------------

enum ExportChoice { Artists, Prospects, Clients, Administrations, Uncategorised, AllContacts };

// Entries of the drop-down, in order.
QStringList exportChoices();
// The statement listing the contacts of an entry (columns exportColumns()).
QString exportStatement(int choice);
// id, then the eight exported columns.
QStringList exportColumns();
extern const QString ExportHeader;

} // namespace Contacts
