#include "search/TEditiontechnique.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/FieldRules.h"
#include "common/RecordGrid.h"
#include "common/SelectionDialog.h"
#include "common/TRechercheSQLAuteur.h"
#include "resources/Resources.h"
#include "search/TGestiontechniques.h"
#include "search/Techniques.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum Page { TechniquePage, DocumentationPage, RoutinePage };

RecordGrid *linkedGrid(QWidget *parent, const QString &objectName)
{
    auto *g = new RecordGrid(parent);
    g->setObjectName(objectName);
    GridColumn id{QStringLiteral("id"), QStringLiteral("id")};
    id.hidden = true;
    GridColumn title{QStringLiteral("Titre"), QStringLiteral("nom")};
    title.width = 300;
    GridColumn author{QStringLiteral("Auteur"), QStringLiteral("auteur")};
    author.stretch = true;
    g->setColumns({id, title, author});
    return g;
}

QWidget *gridPage(RecordGrid *grid)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(grid);
    return page;
}

void fill(RecordGrid *grid, const QVector<Techniques::LinkedRecord> &records)
{
    grid->clearRows();
    for (const Techniques::LinkedRecord &r : records)
        grid->addRow({r.id, r.title, r.author});
}
} // namespace

TEditiontechnique::TEditiontechnique(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Editiontechnique"));
    setModal(true);
    resize(563, 689);

    auto *technique = new QWidget;
    auto *form = new QVBoxLayout(technique);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(255);
    auto *nameLabel = new QLabel(QStringLiteral("Nom de la technique :"));
    nameLabel->setBuddy(m_name);

    m_creator = new QLineEdit;
    m_creator->setObjectName(QStringLiteral("creator"));
    m_creator->setReadOnly(true);
    m_creator->setCursor(Qt::PointingHandCursor);
    m_creator->installEventFilter(this);
    m_clearCreator = new QToolButton;
    m_clearCreator->setObjectName(QStringLiteral("clearCreator"));
    m_clearCreator->setToolTip(QStringLiteral("Supprimer le créateur"));
    m_clearCreator->setIcon(Resources::icon(QStringLiteral("btn-clear"), style()->standardIcon(QStyle::SP_DialogResetButton)));
    m_clearCreator->setFixedSize(m_creator->sizeHint().height() + 4, m_creator->sizeHint().height() + 4);
    auto *creatorRow = new QHBoxLayout;
    creatorRow->addWidget(m_creator, 1);
    creatorRow->addWidget(m_clearCreator);
    auto *creatorLabel = new QLabel(QStringLiteral("Créateur :"));
    creatorLabel->setBuddy(m_creator);

    m_description = new QPlainTextEdit;
    m_description->setObjectName(QStringLiteral("description"));
    auto *descriptionLabel = new QLabel(QStringLiteral("Description :"));
    descriptionLabel->setBuddy(m_description);

    form->addWidget(nameLabel);
    form->addWidget(m_name);
    form->addSpacing(8);
    form->addWidget(creatorLabel);
    form->addLayout(creatorRow);
    form->addSpacing(8);
    form->addWidget(descriptionLabel);
    form->addWidget(m_description, 1);

    m_documentation = linkedGrid(this, QStringLiteral("documentation"));
    m_routines = linkedGrid(this, QStringLiteral("routines"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->addTab(technique, QStringLiteral("Technique"));
    m_pages->addTab(gridPage(m_documentation), QStringLiteral("Documentations liées"));
    m_pages->addTab(gridPage(m_routines), QStringLiteral("Routines liées"));

    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_validate = new QPushButton(QStringLiteral("Valider"), this);
    m_validate->setObjectName(QStringLiteral("validate"));
    m_validate->setEnabled(false);
    for (QPushButton *b : {m_cancel, m_validate}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_validate);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) { m_validate->setEnabled(!text.isEmpty()); });
    connect(m_clearCreator, &QToolButton::clicked, this, &TEditiontechnique::ClearCreator);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_validate, &QPushButton::clicked, this, &TEditiontechnique::Validate);
}

bool TEditiontechnique::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_creator && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ChooseCreator();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEditiontechnique::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window brought back from minimised keeps what was typed.
    if (!event->spontaneous())
        prepare();
}

void TEditiontechnique::prepare()
{
    const bool isNew = EditorMode == ModeNew;
    m_name->clear();
    m_description->clear();
    m_documentation->clearRows();
    m_routines->clearRows();
    m_creatorId = 0;
    m_cancel->setVisible(true);
    m_validate->setText(QStringLiteral("Valider"));
    m_pages->setTabVisible(DocumentationPage, !isNew);
    m_pages->setTabVisible(RoutinePage, !isNew);
    m_pages->setCurrentIndex(TechniquePage);
    setWindowTitle(isNew ? QStringLiteral("Nouvelle technique") : QStringLiteral("Edition d'une technique"));
    if (!isNew) {
        const QSqlDatabase db = Form1->database();
        Techniques::Technique t;
        if (Techniques::read(db, RecordId, &t)) {
            m_name->setText(t.name);
            m_description->setPlainText(t.description);
            m_creatorId = t.authorId;
        }
        fill(m_documentation, Techniques::linked(db, RecordId, 2));
        fill(m_routines, Techniques::linked(db, RecordId, 3));
    }
    showCreator();
    // Enabled in edit mode even when the stored name is empty; typing decides afterwards.
    m_validate->setEnabled(!isNew);
    m_name->setFocus();
}

void TEditiontechnique::showCreator()
{
    m_creator->setText(Techniques::authorName(Form1->database(), m_creatorId));
}

void TEditiontechnique::ChooseCreator()
{
    const int id = RechercheSQLAuteur->SelectRecord(QStringLiteral("select id,nom from auteurs"),
                                                    QStringLiteral("select id,nom from auteurs WHERE nom LIKE :recherche"),
                                                    QStringLiteral("nom"), SelectionDialog::Author);
    if (id > 0)
        m_creatorId = id;
    showCreator();
}

void TEditiontechnique::ClearCreator()
{
    m_creatorId = 0;
    showCreator();
}

void TEditiontechnique::Validate()
{
    m_name->setText(FieldRules::trimName(m_name->text()));
    if (m_name->text().isEmpty()) {
        m_validate->setEnabled(false);
        return;
    }
    Techniques::Technique t;
    t.id = EditorMode == ModeNew ? 0 : RecordId;
    t.name = m_name->text();
    t.authorId = m_creatorId;
    t.description = m_description->toPlainText();
    switch (Techniques::save(Form1->database(), t)) {
    case Techniques::SaveResult::Duplicate:
        Dialogs::error(Techniques::DuplicateText);
        return;
    case Techniques::SaveResult::Failed:
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
        return;
    case Techniques::SaveResult::Empty:
        return;
    case Techniques::SaveResult::Saved:
        break;
    }
    Form1->Commit();
    accept();
    if (Gestiontechniques)
        Gestiontechniques->reloadSelecting(qMax(0, Gestiontechniques->grid()->selectedRow()));
}
