#include "reference/TEditionlien.h"

#include "app/Windows.h"
#include "common/FieldActions.h"
#include "reference/TGestionliens.h"
#include "resources/Resources.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlRecord>
#include <QStyle>
#include <QToolButton>
#include <QVariant>

namespace {
WebRecordEditorSpec spec()
{
    WebRecordEditorSpec s;
    s.objectName = QStringLiteral("Editionlien");
    s.size = QSize(784, 640);
    s.captionNew = QStringLiteral("Création d'un nouveau lien internet");
    s.captionEdit = QStringLiteral("Edition d'un lien internet");
    s.captionView = QStringLiteral("Visualisation d'un lien internet");
    s.nameMaxLength = WebRecords::LinkNameMaxLength;
    s.records = &WebRecords::links();
    s.duplicateMessage = QStringLiteral("Un lien portant ce nom existe déjà !");
    s.acceptable = WebRecords::linkAcceptable;
    s.afterSave = [](bool created) { Gestionliens->reloadAfterSave(created); };
    return s;
}

QToolButton *smallButton(QWidget *parent, const QString &objectName, const QString &hint, const QString &iconName,
                         QStyle::StandardPixmap fallback)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(Resources::icon(iconName, parent->style()->standardIcon(fallback)));
    b->setAutoRaise(false);
    return b;
}
} // namespace

TEditionlien::TEditionlien(QWidget *parent) : WebRecordEditor(spec(), parent)
{
    m_visit = smallButton(this, QStringLiteral("visit"), QStringLiteral("Visiter le site internet"),
                          QStringLiteral("btn-visit-small"), QStyle::SP_ArrowForward);
    connect(m_visit, &QToolButton::clicked, this, &TEditionlien::Visit);
    setUrlButton(m_visit);

    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("description"));
    addRow(QStringLiteral("Description :"), m_description, 1);

    m_previous = smallButton(this, QStringLiteral("previous"), QStringLiteral("Afficher la fiche précédente"),
                             QStringLiteral("btn-previous"), QStyle::SP_ArrowLeft);
    m_next = smallButton(this, QStringLiteral("next"), QStringLiteral("Afficher la fiche suivante"),
                         QStringLiteral("btn-next"), QStyle::SP_ArrowRight);
    connect(m_previous, &QToolButton::clicked, this, [this] { step(GoPrevious); });
    connect(m_next, &QToolButton::clicked, this, [this] { step(GoNext); });
    addBottomWidget(m_previous);
    addBottomWidget(m_next);
    m_previous->hide();
    m_next->hide();
}

void TEditionlien::clearExtra()
{
    m_description->clear();
}

void TEditionlien::readExtra(const QSqlRecord &record)
{
    m_description->setPlainText(record.value(QStringLiteral("description")).toString());
}

void TEditionlien::setExtraReadOnly(bool readOnly)
{
    m_description->setReadOnly(readOnly);
}

QVariantMap TEditionlien::extraValues() const
{
    return {{QStringLiteral(":description"), m_description->toPlainText()}};
}

void TEditionlien::prepare()
{
    GoPrevious = false;
    GoNext = false;
    WebRecordEditor::prepare();
    const bool view = EditorMode == ModeView;
    m_previous->setVisible(view && HasPrevious);
    m_previous->setEnabled(view && HasPrevious);
    m_next->setVisible(view && HasNext);
    m_next->setEnabled(view && HasNext);
}

void TEditionlien::Visit()
{
    if (!urlEdit()->text().isEmpty())
        FieldActions::openLink(urlEdit()->text());
}

void TEditionlien::step(bool &request)
{
    request = true;
    if (!Validate()) {
        // A refused save is no step.
        GoPrevious = false;
        GoNext = false;
    }
}
