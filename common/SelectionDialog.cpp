#include "common/SelectionDialog.h"

#include "app/Dialogs.h"
#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordGrid.h"
#include "common/SqlText.h"
#include "resources/Resources.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QToolButton>
#include <QVBoxLayout>

namespace SelectionListing {

Statement statementFor(const QString &base, const QString &filtered, const QString &orderColumn,
                       const QString &searchText) {
    Statement s;
    s.bindsSearch = searchText.length() >= MinimumSearchLength;
    s.sql = (s.bindsSearch ? SqlText::withLikeEscape(filtered) : base) + QStringLiteral("  ORDER BY  ") + orderColumn +
            QStringLiteral(" LIMIT ") + QString::number(Limit);
    return s;
}

QString searchValue(const QString &searchText) {
    return SqlText::likeContains(searchText);
}

} // namespace SelectionListing

namespace {

QHash<int, std::function<void()>> &creators() {
    static QHash<int, std::function<void()>> table;
    return table;
}

const QString IdField = QStringLiteral("id");
const QString NameField = QStringLiteral("nom");
const QString AuthorField = QStringLiteral("auteur");

bool isCreationKind(int kind) {
    return kind >= SelectionDialog::StoragePlace && kind <= SelectionDialog::Technique;
}

} // namespace

void SelectionDialog::setCreator(int kind, std::function<void()> open) {
    if (open)
        creators().insert(kind, std::move(open));
    else
        creators().remove(kind);
}

bool SelectionDialog::hasCreator(int kind) {
    return creators().contains(kind);
}

SelectionDialog::SelectionDialog(const Style &style, QWidget *parent) : QDialog(parent), m_style(style) {
    setObjectName(style.objectName);
    setWindowTitle(style.caption);
    setModal(true);
    resize(701, 341);

    auto *label = new QLabel(QStringLiteral("Recherche :"), this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("searchField"));
    label->setBuddy(m_search);

    // The add button sits against the right end of the field; without it the field takes its place.
    m_add = new QToolButton(this);
    m_add->setObjectName(QStringLiteral("addButton"));
    const QPixmap addIcon = Resources::pixmap(QStringLiteral("btn-add-small"));
    if (addIcon.isNull())
        m_add->setText(QStringLiteral("+"));
    else
        m_add->setIcon(QIcon(addIcon));
    m_add->setToolTip(QStringLiteral("Ajouter ..."));
    m_add->setFixedSize(FieldWidthAlone - FieldWidthWithButton, m_search->sizeHint().height());

    auto *field = new QHBoxLayout;
    field->setSpacing(0);
    field->addWidget(m_search);
    field->addWidget(m_add);

    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addLayout(field, 0);
    top->addStretch(1);

    m_grid = new RecordGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    if (!style.sortable)
        m_grid->horizontalHeader()->setSectionsClickable(false);
    setAuthorColumn(false);

    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_select = new QPushButton(QStringLiteral("Sélectionner"), this);
    m_select->setObjectName(QStringLiteral("selectButton"));
    // Return in the search field must not press a button on its own.
    for (QPushButton *b : {m_cancel, m_select}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_select);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8); // room for the widest field inside 701 pixels
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &SelectionDialog::listCandidates);
    connect(m_add, &QToolButton::clicked, this, &SelectionDialog::create);
    connect(m_cancel, &QPushButton::clicked, this, &SelectionDialog::reject);
    connect(m_select, &QPushButton::clicked, this, &SelectionDialog::accept);

    setCreationKind(NoCreation);
}

void SelectionDialog::setAuthorColumn(bool on) {
    m_authorColumn = on && m_style.hasAuthorColumn;
    QVector<GridColumn> columns;
    GridColumn id{QStringLiteral("ID"), IdField};
    id.hidden = true;
    GridColumn name{QStringLiteral("Selection"), NameField};
    name.stretch = true;
    columns << id << name;
    if (m_style.hasAuthorColumn) {
        // Left empty while hidden, whatever the statement returns.
        GridColumn author{QStringLiteral("Créateur"), m_authorColumn ? AuthorField : QString()};
        author.hidden = !m_authorColumn;
        author.width = 200;
        columns << author;
    }
    m_grid->setColumns(columns);
}

void SelectionDialog::setCreationKind(int kind) {
    m_kind = isCreationKind(kind) ? kind : NoCreation;
    const bool button = m_kind != NoCreation;
    m_add->setVisible(button);
    m_add->setEnabled(button);
    m_search->setFixedWidth(button ? FieldWidthWithButton : FieldWidthAlone);
}

int SelectionDialog::select(const QString &baseStatement, const QString &filteredStatement, const QString &orderColumn,
                            int creationKind, bool authorColumn) {
    setAuthorColumn(authorColumn);
    setCreationKind(creationKind);
    m_base = baseStatement;
    m_filtered = filteredStatement;
    m_order = orderColumn;
    m_result = Cancelled;
    // A new query each time: the collection may have been reopened since the last call.
    m_query = Form1->collection().newQuery();
    m_grid->clearRows();
    {
        const QSignalBlocker quiet(m_search);
        m_search->clear();
    }
    listCandidates();
    m_search->setFocus();

    exec();

    // An open statement would keep the file busy (compaction at close needs it idle).
    m_query.finish();
    m_query = QSqlQuery();
    setAuthorColumn(false);
    return m_result;
}

void SelectionDialog::listCandidates() {
    const QString text = m_search->text();
    const SelectionListing::Statement statement = SelectionListing::statementFor(m_base, m_filtered, m_order, text);
    m_query.finish();
    bool ok = m_query.prepare(statement.sql);
    if (ok) {
        if (statement.bindsSearch)
            m_query.bindValue(QStringLiteral(":recherche"), SelectionListing::searchValue(text));
        ok = m_query.exec();
    }
    if (!ok) {
        m_grid->clearRows();
        qWarning("Candidates not listed: %s", qPrintable(m_query.lastError().text()));
        Dialogs::error(QStringLiteral("Erreur de lecture de la collection."));
        return;
    }
    m_grid->fill(m_query);
    m_query.finish();
    // The cursor starts on the first candidate: "Sélectionner" without a click takes it.
    m_grid->selectRowAt(0);
}

void SelectionDialog::create() {
    if (m_kind == NoCreation)
        return;
    const auto open = creators().value(m_kind);
    if (open)
        open();
    listCandidates();
}

void SelectionDialog::accept() {
    const int row = m_grid->selectedRow();
    bool ok = false;
    const int id = row < 0 ? 0 : m_grid->cell(row, IdField).toInt(&ok);
    m_result = ok && id > 0 ? id : NothingSelected;
    if (Form1)
        Form1->Query().finish();
    m_query.finish();
    QDialog::accept();
}

void SelectionDialog::reject() {
    m_result = Cancelled;
    if (Form1)
        Form1->Query().finish();
    QDialog::reject();
}
