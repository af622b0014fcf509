#pragma once

#include "common/RecordEditor.h"

class AmountField;
class LinkGrid;
class LookupField;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// The equipment editor: creates, edits or shows one item of equipment with its picture, flags,
// supplier, storage place, borrower, tags and web link. Openers set EditorMode, RecordId,
// HasPrevious and HasNext, call exec() and read GoPrevious / GoNext.
class TEditionmateriel : public RecordEditor
{
    Q_OBJECT
public:
    explicit TEditionmateriel(QWidget *parent = nullptr);

    // The contact card, itself showing this editor, hides the way back to it for that showing.
    void hideBorrowerCardButtonOnce();

    QLineEdit *designationField() const { return m_designation; }
    QCheckBox *toOrderBox() const { return m_toOrder; }
    QCheckBox *outOfServiceBox() const { return m_outOfService; }
    QCheckBox *maintenanceBox() const { return m_maintenance; }
    QCheckBox *consumableBox() const { return m_consumable; }
    QLineEdit *quantityField() const { return m_quantity; }
    QLineEdit *purchaseDateField() const { return m_purchaseDate; }
    AmountField *purchaseValueField() const { return m_purchaseValue; }
    LookupField *supplierField() const { return m_supplier; }
    LookupField *storageField() const { return m_storage; }
    LookupField *lenderField() const { return m_lender; }
    QLineEdit *linkField() const { return m_link; }
    QPlainTextEdit *descriptionText() const { return m_description; }
    LinkGrid *tagGrid() const { return m_tags; }
    QToolButton *button(const QString &objectName) const;

    // The private ids of the look-up fields.
    qint64 SupplierId() const;
    qint64 StorageId() const;
    qint64 LenderId() const;

    void ShowStorageInfo();
    void VisitLink();

protected:
    void startNew() override;
    void loadRecord() override;
    RecordStatements::SaveResult saveRecord() override;
    void afterSave(bool wasNew) override;
    void afterShowing() override;

private:
    void buildLayout();

    QLineEdit *m_nameField = nullptr;
    QLineEdit *m_designation = nullptr;
    QCheckBox *m_toOrder = nullptr;
    QCheckBox *m_outOfService = nullptr;
    QCheckBox *m_maintenance = nullptr;
    QCheckBox *m_consumable = nullptr;
    QLineEdit *m_quantity = nullptr;
    QLineEdit *m_purchaseDate = nullptr;
    AmountField *m_purchaseValue = nullptr;
    LookupField *m_supplier = nullptr;
    LookupField *m_storage = nullptr;
    LookupField *m_lender = nullptr;
    QLineEdit *m_link = nullptr;
    QPlainTextEdit *m_description = nullptr;
    LinkGrid *m_tags = nullptr;
};
