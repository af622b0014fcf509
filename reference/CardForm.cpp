#include "reference/CardForm.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/FieldActions.h"
#include "common/FieldRules.h"
#include "common/ListWindow.h"
#include "resources/Resources.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString NameColumn = QStringLiteral("nom");
const QString SiteColumn = QStringLiteral("site");
// Fields this short (postal code, SIRET) are drawn narrow.
constexpr int ShortField = 20;
} // namespace

CardForm::CardForm(QDialog *dialog, EditorContract *contract, const CardFormSpec &spec)
    : QObject(dialog), m_dialog(dialog), m_contract(contract), m_spec(spec)
{
    m_panel = new QWidget(dialog);
    m_panel->setObjectName(QStringLiteral("fields"));
    auto *column = new QVBoxLayout(m_panel);
    // Labels on the left; a field marked besidePrevious joins the row above with its own label.
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    form->setColumnStretch(1, 1);
    column->addLayout(form);
    QHBoxLayout *row = nullptr;
    int rows = 0;
    for (const Contacts::Field &f : spec.record->fields) {
        auto *label = new QLabel(f.label, m_panel);
        auto *edit = new QLineEdit(m_panel);
        edit->setObjectName(f.column);
        edit->setMaxLength(f.maxLength);
        label->setBuddy(edit);
        m_fields.insert(f.column, edit);
        if (f.maxLength <= ShortField) {
            // Postal codes are a few characters long whatever their limit; the city beside needs the room.
            const int chars = f.maxLength <= 15 ? 8 : f.maxLength;
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2) + 12);
        }
        if (f.besidePrevious && row) {
            row->addSpacing(12);
            row->addWidget(label);
        } else {
            row = new QHBoxLayout;
            row->setSpacing(6);
            form->addWidget(label, rows, 0);
            form->addLayout(row, rows, 1);
            ++rows;
        }
        row->addWidget(edit, f.maxLength <= ShortField ? 0 : 1);
        if (f.column == SiteColumn) {
            m_site = new QToolButton(m_panel);
            m_site->setObjectName(QStringLiteral("visitSite"));
            m_site->setIcon(Resources::icon(QStringLiteral("btn-visit-small"),
                                            m_panel->style()->standardIcon(QStyle::SP_DriveNetIcon)));
            m_site->setToolTip(QStringLiteral("Visiter le site internet"));
            m_site->setAccessibleName(m_site->toolTip());
            connect(m_site, &QToolButton::clicked, this, &CardForm::visitSite);
            row->addWidget(m_site);
        }
    }
    // A short field alone on its row keeps its width.
    for (int r = 0; r < rows; ++r) {
        auto *line = static_cast<QHBoxLayout *>(form->itemAtPosition(r, 1)->layout());
        if (line->count() == 1 && line->stretch(0) == 0)
            line->addStretch(1);
    }
    if (!spec.record->flags.isEmpty()) {
        auto *box = new QGroupBox(QStringLiteral("Type de contact :"), m_panel);
        box->setObjectName(QStringLiteral("roles"));
        auto *grid = new QGridLayout(box);
        int i = 0;
        for (const Contacts::Flag &f : spec.record->flags) {
            auto *check = new QCheckBox(f.caption, box);
            check->setObjectName(f.column);
            m_flags.insert(f.column, check);
            grid->addWidget(check, i / 2, i % 2);
            ++i;
        }
        column->addSpacing(4);
        column->addWidget(box);
    }
    column->addStretch(1);
    connect(m_fields.value(NameColumn), &QLineEdit::textChanged, this, &CardForm::updateValidate);

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), dialog);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_validate = new QPushButton(QStringLiteral("Valider"), dialog);
    m_validate->setObjectName(QStringLiteral("validate"));
    m_validate->setDefault(true);
    for (QPushButton *b : {m_cancel, m_validate}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        m_buttons->addWidget(b);
    }
    connect(m_cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    connect(m_validate, &QPushButton::clicked, this, &CardForm::validate);
}

Contacts::Values CardForm::values() const
{
    Contacts::Values v;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        v.insert(it.key(), it.value()->text());
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        v.insert(it.key(), FieldRules::flagText(it.value()->isChecked()));
    return v;
}

void CardForm::setValues(const Contacts::Values &values)
{
    for (const Contacts::Field &f : m_spec.record->fields) {
        QLineEdit *edit = m_fields.value(f.column);
        const QString text = values.value(f.column);
        FieldActions::showStoredText(edit, text, f.maxLength);
        edit->setCursorPosition(0);
    }
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        it.value()->setChecked(FieldRules::flagIsSet(values.value(it.key())));
}

void CardForm::prepare()
{
    const ::EditorMode mode = m_contract->EditorMode;
    m_dialog->setWindowTitle(mode == ModeNew    ? m_spec.newCaption
                             : mode == ModeEdit ? m_spec.editCaption
                                                : m_spec.viewCaption);
    Contacts::Values values;
    if (mode != ModeNew)
        Contacts::read(Form1->database(), *m_spec.record, m_contract->RecordId, &values);
    setValues(values);
    const bool readOnly = mode == ModeView;
    for (QLineEdit *edit : qAsConst(m_fields))
        edit->setReadOnly(readOnly);
    for (QCheckBox *check : qAsConst(m_flags))
        check->setEnabled(!readOnly);
    m_cancel->setVisible(!readOnly);
    m_validate->setText(readOnly ? QStringLiteral("Retour") : QStringLiteral("Valider"));
    m_validate->setEnabled(mode != ModeNew);
    m_fields.value(NameColumn)->setFocus();
}

void CardForm::updateValidate()
{
    m_validate->setEnabled(!m_fields.value(NameColumn)->text().isEmpty());
}

void CardForm::validate()
{
    // "Retour" only closes: nothing is trimmed or written while viewing.
    if (m_contract->isReadOnly()) {
        m_dialog->accept();
        return;
    }
    if (!m_validate->isEnabled())
        return;
    Contacts::Values v = values();
    const Contacts::SaveResult r = m_contract->EditorMode == ModeNew
                                       ? Contacts::insert(Form1->database(), *m_spec.record, v)
                                       : Contacts::update(Form1->database(), *m_spec.record, m_contract->RecordId, v);
    m_fields.value(NameColumn)->setText(v.value(NameColumn));
    switch (r) {
    case Contacts::SaveResult::Empty:
        m_validate->setEnabled(false);
        return;
    case Contacts::SaveResult::Duplicate:
        Dialogs::error(m_spec.duplicateMessage);
        return;
    case Contacts::SaveResult::Failed:
        Dialogs::error(Contacts::WriteErrorText);
        return;
    case Contacts::SaveResult::Saved:
        break;
    }
    Form1->Commit();
    if (ListWindow *list = m_spec.listWindow ? m_spec.listWindow() : nullptr)
        list->reloadSelecting(qMax(0, list->grid()->selectedRow()));
    m_dialog->accept();
}

void CardForm::visitSite()
{
    const QString site = m_fields.value(SiteColumn)->text();
    if (!site.isEmpty())
        FieldActions::openLink(site);
}
