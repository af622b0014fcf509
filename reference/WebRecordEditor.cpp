#include "reference/WebRecordEditor.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/DialogButtons.h"
#include "common/FieldActions.h"
#include "common/FieldRules.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

WebRecordEditor::WebRecordEditor(const WebRecordEditorSpec &spec, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint),
      m_spec(spec)
{
    setObjectName(spec.objectName);
    setWindowTitle(spec.captionNew);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 12);
    outer->setSpacing(12);
    m_fields = new QGridLayout;
    m_fields->setHorizontalSpacing(8);
    m_fields->setVerticalSpacing(10);
    m_fields->setColumnStretch(1, 1);
    outer->addLayout(m_fields, 1);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(spec.nameMaxLength);
    m_url = new QLineEdit(this);
    m_url->setObjectName(QStringLiteral("url"));
    m_url->setMaxLength(WebRecords::AddressMaxLength);
    addRow(QStringLiteral("Nom :"), m_name);
    m_urlRow = m_nextRow;
    addRow(QStringLiteral("URL :"), m_url);
    connect(m_name, &QLineEdit::textChanged, this, &WebRecordEditor::updateValidate);
    connect(m_url, &QLineEdit::textChanged, this, &WebRecordEditor::updateValidate);

    m_bottom = new QHBoxLayout;
    m_bottom->addStretch(1);
    const CancelValidate pair = addCancelValidate(this, m_bottom);
    m_cancel = pair.cancel;
    m_validate = pair.validate;
    outer->addLayout(m_bottom);
    connect(m_cancel, &QPushButton::clicked, this, &WebRecordEditor::reject);
    connect(m_validate, &QPushButton::clicked, this, &WebRecordEditor::Validate);
    setFixedSize(spec.size);
}

void WebRecordEditor::addRow(const QString &label, QWidget *widget, int stretch)
{
    const int row = m_nextRow++;
    if (!label.isEmpty()) {
        auto *l = new QLabel(label, this);
        l->setBuddy(widget);
        m_fields->addWidget(l, row, 0, Qt::AlignRight | (stretch ? Qt::AlignTop : Qt::AlignVCenter));
    }
    m_fields->addWidget(widget, row, 1, 1, 2);
    m_fields->setRowStretch(row, stretch);
}

void WebRecordEditor::addRow(QWidget *widget, int stretch)
{
    addRow(QString(), widget, stretch);
}

void WebRecordEditor::addStretch()
{
    m_fields->setRowStretch(m_nextRow++, 1);
}

void WebRecordEditor::setUrlButton(QWidget *button)
{
    m_fields->removeWidget(m_url);
    m_fields->addWidget(m_url, m_urlRow, 1);
    m_fields->addWidget(button, m_urlRow, 2);
}

void WebRecordEditor::addBottomWidget(QWidget *widget)
{
    m_bottom->insertWidget(m_bottomInsert++, widget);
}

void WebRecordEditor::updateValidate()
{
    m_validate->setEnabled(m_spec.acceptable(m_name->text(), m_url->text()));
}

void WebRecordEditor::prepare()
{
    EditorContract &c = contract();
    const bool view = c.EditorMode == ModeView;
    setWindowTitle(c.EditorMode == ModeNew ? m_spec.captionNew : view ? m_spec.captionView : m_spec.captionEdit);
    QSqlRecord record;
    if (c.EditorMode == ModeNew) {
        c.RecordId = WebRecords::newId(Form1->database(), *m_spec.records);
    } else if (!WebRecords::read(Form1->database(), *m_spec.records, c.RecordId, &record)) {
        record.clear();
    }
    FieldActions::showStoredText(m_name, record.value(QStringLiteral("nom")).toString(), m_spec.nameMaxLength);
    FieldActions::showStoredText(m_url, record.value(QStringLiteral("url")).toString(), WebRecords::AddressMaxLength);
    if (record.isEmpty())
        clearExtra();
    else
        readExtra(record);
    m_name->setReadOnly(view);
    m_url->setReadOnly(view);
    setExtraReadOnly(view);
    m_cancel->setVisible(!view);
    m_validate->setText(view ? QStringLiteral("Retour") : QStringLiteral("Valider"));
    m_validate->setEnabled(c.EditorMode != ModeNew);
    m_name->setFocus();
}

bool WebRecordEditor::Validate()
{
    if (!m_validate->isEnabled())
        return false;
    EditorContract &c = contract();
    if (c.EditorMode == ModeView) {
        // Nothing to save: a stored record without a name must not keep the user in.
        Form1->Query().finish();
        accept();
        return true;
    }
    const QString name = FieldRules::trimName(m_name->text());
    const QString address = m_spec.storedAddress ? m_spec.storedAddress(m_url->text()) : m_url->text();
    if (m_name->text() != name)
        m_name->setText(name);
    // A stored form too long for the field is refused below; the field keeps what was typed.
    if (m_url->text() != address && address.size() <= m_url->maxLength())
        m_url->setText(address);
    // Trimming may have spoilt an address that was acceptable as typed ("http://  ").
    if (name.isEmpty() || !m_spec.acceptable(name, address)) {
        m_validate->setEnabled(false);
        return false;
    }
    const bool created = c.EditorMode == ModeNew;
    if (created && c.RecordId < 1)
        c.RecordId = WebRecords::newId(Form1->database(), *m_spec.records);
    QVariantMap fields = extraValues();
    fields.insert(QStringLiteral(":url"), address);
    switch (WebRecords::save(Form1->database(), *m_spec.records, created, c.RecordId, name, fields)) {
    case WebRecords::SaveResult::Duplicate:
        // The editor stays open with what was typed, to be corrected.
        Dialogs::error(m_spec.duplicateMessage);
        return false;
    case WebRecords::SaveResult::Failed:
        Dialogs::error(WebRecords::WriteErrorText);
        return false;
    case WebRecords::SaveResult::Saved:
        break;
    }
    Form1->Commit();
    if (m_spec.afterSave)
        m_spec.afterSave(created);
    accept();
    return true;
}

void WebRecordEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepare();
}

void WebRecordEditor::reject()
{
    Form1->Query().finish();
    QDialog::reject();
}
