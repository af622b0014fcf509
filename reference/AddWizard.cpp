#include "reference/AddWizard.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "common/DialogButtons.h"
#include "app/Windows.h"
#include "resources/Resources.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AddWizard::AddWizard(const AddWizardSpec &spec, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_spec(spec)
{
    setObjectName(spec.objectName);
    setWindowTitle(spec.caption);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 10);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    panel->setPalette(p);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(16, 16, 20, 16);
    row->setSpacing(18);
    auto *picture = new QLabel(panel);
    picture->setPixmap(Resources::pixmap(QStringLiteral("vorelis"))
                           .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    row->addWidget(picture);

    auto *column = new QVBoxLayout;
    column->setSpacing(10);
    auto *heading = new QLabel(spec.heading, panel);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    auto *help = new QLabel(spec.help, panel);
    help->setObjectName(QStringLiteral("help"));
    help->setWordWrap(true);
    help->setTextFormat(Qt::PlainText);
    help->setMinimumWidth(380);
    column->addWidget(help);
    column->addSpacing(6);

    auto *nameLabel = new QLabel(spec.nameLabel, panel);
    column->addWidget(nameLabel);
    m_name = new QLineEdit(panel);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(255);
    nameLabel->setBuddy(m_name);
    column->addWidget(m_name);
    connect(m_name, &QLineEdit::textChanged, this, &AddWizard::updateValidate);
    if (!spec.descriptionLabel.isEmpty()) {
        auto *descriptionLabel = new QLabel(spec.descriptionLabel, panel);
        column->addWidget(descriptionLabel);
        m_description = new QLineEdit(panel);
        m_description->setObjectName(QStringLiteral("description"));
        m_description->setMaxLength(255);
        descriptionLabel->setBuddy(m_description);
        column->addWidget(m_description);
        connect(m_description, &QLineEdit::textChanged, this, &AddWizard::updateValidate);
    }
    column->addStretch(1);
    row->addLayout(column, 1);
    outer->addWidget(panel, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 16, 0);
    buttons->addStretch(1);
    const CancelValidate pair = addCancelValidate(this, buttons);
    m_cancel = pair.cancel;
    m_validate = pair.validate;
    outer->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &AddWizard::reject);
    connect(m_validate, &QPushButton::clicked, this, &AddWizard::Validate);
    setFixedSize(sizeHint().expandedTo(QSize(560, 0)));
}

void AddWizard::updateValidate()
{
    m_validate->setEnabled(!m_name->text().isEmpty());
}

void AddWizard::Validate()
{
    if (!m_validate->isEnabled())
        return;
    QString trimmed;
    const NamedLists::AddResult r = NamedLists::add(Form1->database(), *m_spec.list, m_name->text(),
                                                    m_description ? m_description->text() : QString(), &trimmed);
    m_name->setText(trimmed);
    switch (r) {
    case NamedLists::AddResult::Empty:
        m_validate->setEnabled(false);
        return;
    case NamedLists::AddResult::Duplicate:
        Dialogs::error(m_spec.duplicateMessage);
        return;
    case NamedLists::AddResult::Failed:
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
        return;
    case NamedLists::AddResult::Added:
        break;
    }
    Form1->Commit();
    accept();
    m_name->clear();
    if (m_description)
        m_description->clear();
    m_validate->setEnabled(false);
}

void AddWizard::reject()
{
    if (m_spec.cancelClearsName)
        m_name->clear();
    QDialog::reject();
}
