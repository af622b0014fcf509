#pragma once

#include "common/EditorContract.h"
#include "reference/WebRecords.h"

#include <QDialog>

#include <functional>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

struct WebRecordEditorSpec {
    QString objectName;
    QSize size;
    QString captionNew, captionEdit, captionView;
    int nameMaxLength = WebRecords::LinkNameMaxLength;
    const WebRecords::Spec *records = nullptr;
    QString duplicateMessage;
    // Whether name and address (as typed, or as they will be stored) may be saved.
    std::function<bool(const QString &name, const QString &address)> acceptable;
    // The address as it is stored; empty: as typed.
    std::function<QString(const QString &)> storedAddress;
    // Reloads the list window after a save; `created` for a new record.
    std::function<void(bool created)> afterSave;
};

// What the link and search-engine editors share: name and address fields, the captions and
// states of each mode, "Annuler" and "Valider" with the save rules.
class WebRecordEditor : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *urlEdit() const { return m_url; }
    QPushButton *validateButton() const { return m_validate; }
    QPushButton *cancelButton() const { return m_cancel; }

    // "Valider" (or "Retour"): the editor closes only once the record is saved. True when it closed.
    bool Validate();

protected:
    WebRecordEditor(const WebRecordEditorSpec &spec, QWidget *parent);

    virtual EditorContract &contract() = 0;
    // The fields beyond name and address.
    virtual void clearExtra() = 0;
    virtual void readExtra(const QSqlRecord &record) = 0;
    virtual void setExtraReadOnly(bool) {}
    // Their statement parameters (":description", ...).
    virtual QVariantMap extraValues() const = 0;
    // Sets the editor up for its mode; runs each time it is shown.
    virtual void prepare();

    // A row under the address: a label (may be empty) and a widget spanning the other columns.
    void addRow(const QString &label, QWidget *widget, int stretch = 0);
    void addRow(QWidget *widget, int stretch = 0);
    // Empty space under the rows added so far.
    void addStretch();
    // A button at the right of the address field.
    void setUrlButton(QWidget *button);
    // Widgets at the left of "Annuler" and "Valider".
    void addBottomWidget(QWidget *widget);

    void showEvent(QShowEvent *event) override;
    void reject() override;

    WebRecordEditorSpec m_spec;

private:
    void updateValidate();

    QGridLayout *m_fields = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    int m_bottomInsert = 0;
    int m_nextRow = 0;
    int m_urlRow = 0;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_url = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_validate = nullptr;
};
