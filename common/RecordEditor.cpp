#include "common/RecordEditor.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/FieldRules.h"
#include "common/LinkGrid.h"
#include "common/LookupField.h"
#include "common/PictureArea.h"
#include "common/StoreMessages.h"
#include "common/WriteUnit.h"
#include "reference/WebSearchMenu.h"
#include "resources/Resources.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

RecordEditor::RecordEditor(const RecordEditorSpec &spec, QWidget *parent) : QDialog(parent), m_spec(spec)
{
    setObjectName(spec.objectName);
    setModal(true);
    setFixedSize(spec.size);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 8);
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("content"));
    outer->addWidget(m_content, 1);

    auto *bottom = new QHBoxLayout;
    m_previous = iconButton(this, QStringLiteral("previous"), QString(), QStringLiteral("btn-previous"),
                            QStyle::SP_ArrowLeft);
    m_next = iconButton(this, QStringLiteral("next"), QString(), QStringLiteral("btn-next"), QStyle::SP_ArrowRight);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_validate = new QPushButton(QStringLiteral("Valider"), this);
    m_validate->setObjectName(QStringLiteral("validate"));
    for (QPushButton *b : {m_cancel, m_validate}) {
        // Return in a field must not save on its own.
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }
    // The row keeps its height when both step buttons are hidden.
    for (QToolButton *b : {m_previous, m_next}) {
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
    }
    bottom->addWidget(m_previous);
    bottom->addWidget(m_next);
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_validate);
    outer->addLayout(bottom);

    m_webSearch = new WebSearchMenu(this);

    connect(m_previous, &QToolButton::clicked, this, &RecordEditor::Previous);
    connect(m_next, &QToolButton::clicked, this, &RecordEditor::Next);
    connect(m_cancel, &QPushButton::clicked, this, &RecordEditor::reject);
    connect(m_validate, &QPushButton::clicked, this, &RecordEditor::Validate);
}

QToolButton *RecordEditor::iconButton(QWidget *parent, const QString &objectName, const QString &hint,
                                      const QIcon &icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setFixedSize(28, 28);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton *RecordEditor::iconButton(QWidget *parent, const QString &objectName, const QString &hint,
                                      const QString &iconName, QStyle::StandardPixmap fallback)
{
    return iconButton(parent, objectName, hint, Resources::icon(iconName, parent->style()->standardIcon(fallback)));
}

QPlainTextEdit *RecordEditor::longText(QWidget *parent, const QString &objectName)
{
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(objectName);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    t->setFont(f);
    t->setTabChangesFocus(false);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return t;
}

QSqlDatabase RecordEditor::db()
{
    return Form1->database();
}

void RecordEditor::setNameField(QLineEdit *field)
{
    m_name = field;
    addTextField(field);
    connect(field, &QLineEdit::textChanged, this, &RecordEditor::nameEdited);
}

void RecordEditor::addTextField(QLineEdit *field)
{
    m_texts << field;
}

void RecordEditor::addCheckBox(QCheckBox *box)
{
    m_boxes << box;
}

void RecordEditor::addLongText(QPlainTextEdit *text)
{
    m_longTexts << text;
}

void RecordEditor::addLookup(LookupField *field, QToolButton *clearButton, QToolButton *cardButton)
{
    m_lookups << field;
    if (clearButton) {
        connect(clearButton, &QToolButton::clicked, field, &LookupField::clearChoice);
        m_editButtons << clearButton;
    }
    if (cardButton)
        connect(cardButton, &QToolButton::clicked, field, &LookupField::openCard);
}

void RecordEditor::addLinkGrid(LinkGrid *grid, QToolButton *addButton, QToolButton *removeButton, bool alwaysSaved)
{
    m_grids << grid;
    if (alwaysSaved)
        m_alwaysSaved << grid;
    connect(grid, &LinkGrid::linksChanged, this, [this] { LinksChanged = true; });
    connect(addButton, &QToolButton::clicked, grid, &LinkGrid::add);
    connect(removeButton, &QToolButton::clicked, grid, &LinkGrid::removeSelected);
    m_editButtons << addButton << removeButton;
}

void RecordEditor::setPictureArea(PictureArea *area)
{
    m_picture = area;
}

void RecordEditor::addWebSearch(QToolButton *button, const std::function<QString()> &text)
{
    connect(button, &QToolButton::clicked, this, [this, button, text] { m_webSearch->PopupUnder(button, text()); });
}

void RecordEditor::hideForNextShowing(QWidget *control)
{
    m_hiddenOnce << control;
}

void RecordEditor::nameEdited()
{
    // "Retour" stays usable whatever a read-only record holds.
    if (EditorMode != ModeView)
        m_validate->setEnabled(!m_name->text().isEmpty());
}

void RecordEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        applyMode();
}

void RecordEditor::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    for (const QPointer<QWidget> &w : m_hiddenOnce)
        if (w)
            w->show();
    m_hiddenOnce.clear();
}

void RecordEditor::applyMode()
{
    const bool view = EditorMode == ModeView;
    m_webSearch->Rebuild();
    GoPrevious = GoNext = false;
    LinksChanged = false;
    m_previous->setToolTip(view ? QStringLiteral("Afficher la fiche précédente")
                                : QStringLiteral("Valider et afficher la fiche précédente"));
    m_next->setToolTip(view ? QStringLiteral("Afficher la fiche suivante")
                            : QStringLiteral("Valider et afficher la fiche suivante"));

    // Everything starts empty, so that a record that cannot be read shows nothing of the last one.
    for (QLineEdit *t : qAsConst(m_texts)) {
        t->clear();
        t->setReadOnly(view);
    }
    for (QCheckBox *b : qAsConst(m_boxes)) {
        b->setChecked(false);
        b->setEnabled(!view);
    }
    for (QPlainTextEdit *t : qAsConst(m_longTexts)) {
        t->clear();
        t->setReadOnly(view);
    }
    for (LookupField *l : qAsConst(m_lookups)) {
        l->setViewOnly(view);
        l->setId(0);
    }
    for (LinkGrid *g : qAsConst(m_grids)) {
        g->setViewOnly(view);
        g->clearRows();
    }
    for (QToolButton *b : qAsConst(m_editButtons))
        b->setEnabled(!view);
    if (m_picture) {
        m_picture->setEditorMode(EditorMode);
        m_picture->showPlaceholder();
    }

    m_cancel->setVisible(!view);
    m_validate->setText(view ? QStringLiteral("Retour") : QStringLiteral("Valider"));
    setWindowTitle(EditorMode == ModeNew ? m_spec.newCaption : view ? m_spec.viewCaption : m_spec.editCaption);

    if (EditorMode == ModeNew) {
        HasPrevious = HasNext = false;
        startNew();
    } else {
        bool linksRead = true;
        for (LinkGrid *g : qAsConst(m_grids))
            linksRead = g->load(RecordId) && linksRead;
        loadRecord();
        if (!linksRead)
            Dialogs::error(StoreMessages::ReadError);
    }
    m_validate->setEnabled(EditorMode != ModeNew);
    for (LookupField *l : qAsConst(m_lookups))
        l->refreshName();
    m_previous->setVisible(HasPrevious);
    m_previous->setEnabled(HasPrevious);
    m_next->setVisible(HasNext);
    m_next->setEnabled(HasNext);
    for (const QPointer<QWidget> &w : qAsConst(m_hiddenOnce))
        if (w)
            w->hide();
    afterShowing();
    if (m_name) {
        m_name->setFocus();
        m_name->setCursorPosition(0);
    }
}

void RecordEditor::Previous()
{
    GoPrevious = true;
    Validate();
}

void RecordEditor::Next()
{
    GoNext = true;
    Validate();
}

void RecordEditor::refuse()
{
    // The step asked with a refused save is dropped: the user stays on this record.
    GoPrevious = GoNext = false;
}

void RecordEditor::Validate()
{
    // "Retour" closes whatever a read-only record holds.
    if (EditorMode == ModeView) {
        accept();
        return;
    }
    if (m_name) {
        m_name->setText(FieldRules::trimName(m_name->text()));
        if (m_name->text().isEmpty()) {
            m_validate->setEnabled(false);
            refuse();
            return;
        }
    }
    const bool wasNew = EditorMode == ModeNew;
    switch (write()) {
    case RecordStatements::SaveResult::Duplicate:
        refuse();
        Dialogs::error(m_spec.duplicateMessage);
        return;
    case RecordStatements::SaveResult::Failed:
        refuse();
        Dialogs::error(StoreMessages::WriteError);
        return;
    case RecordStatements::SaveResult::Saved:
        break;
    }
    afterSave(wasNew);
    accept();
}

RecordStatements::SaveResult RecordEditor::write()
{
    Form1->Query().finish();
    // The record and its links are written together or not at all.
    WriteUnit unit(db());
    const RecordStatements::SaveResult result = saveRecord();
    if (result != RecordStatements::SaveResult::Saved)
        return result;
    for (LinkGrid *g : qAsConst(m_grids))
        if ((LinksChanged || m_alwaysSaved.contains(g)) && !g->save(RecordId))
            return RecordStatements::SaveResult::Failed;
    return unit.commit() ? RecordStatements::SaveResult::Saved : RecordStatements::SaveResult::Failed;
}

void RecordEditor::reject()
{
    Form1->Query().finish();
    QDialog::reject();
}
