#include "reference/TExportationcontacts.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/FieldActions.h"
#include "common/RecordGrid.h"
#include "reference/CardForm.h"
#include "reference/Contacts.h"
#include "reference/Teditioncontact.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlQuery>
#include <QVBoxLayout>

TExportationcontacts::TExportationcontacts(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Exportationcontacts"));
    setWindowTitle(QStringLiteral("Exportation des contacts"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(1167, 567);
    setMinimumSize(500, 500);

    auto *outer = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("Type de contacts :"), this);
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("choice"));
    m_choice->addItems(Contacts::exportChoices());
    m_choice->setCurrentIndex(Contacts::Artists);
    label->setBuddy(m_choice);
    top->addWidget(label);
    top->addWidget(m_choice);
    top->addStretch(1);
    outer->addLayout(top);

    m_grid = new RecordGrid(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    const QStringList fields = Contacts::exportColumns();
    const QStringList captions{QStringLiteral("ID"),         QStringLiteral("Nom"),
                               QStringLiteral("Email"),      QStringLiteral("Téléphone"),
                               QStringLiteral("Adresse"),    QStringLiteral("Adresse (complement)"),
                               QStringLiteral("Code Postal"), QStringLiteral("Ville"),
                               QStringLiteral("Pays")};
    QVector<GridColumn> columns;
    for (int i = 0; i < fields.size(); ++i)
        columns.append({captions.at(i), fields.at(i), i == 0 || i > 3, i == 3, i == 1 || i == 2 ? 420 : 0});
    m_grid->setColumns(columns);
    outer->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    m_export = new QPushButton(QStringLiteral("Exporter en CSV"), this);
    m_export->setObjectName(QStringLiteral("export"));
    m_close = new QPushButton(QStringLiteral("Fermer"), this);
    m_close->setObjectName(QStringLiteral("close"));
    for (QPushButton *b : {m_export, m_close}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(120);
    }
    bottom->addWidget(m_export);
    bottom->addStretch(1);
    bottom->addWidget(m_close);
    outer->addLayout(bottom);

    connect(m_choice, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { reloadSelecting(0); });
    connect(m_grid, &RecordGrid::rowActivated, this, &TExportationcontacts::EditContact);
    connect(m_export, &QPushButton::clicked, this, &TExportationcontacts::ExportCsv);
    connect(m_close, &QPushButton::clicked, this, &TExportationcontacts::reject);
}

void TExportationcontacts::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Brought back from minimised: the list and its row stay as they were.
    if (!event->spontaneous())
        reloadSelecting(0);
}

void TExportationcontacts::reloadSelecting(int row)
{
    QSqlQuery &q = Form1->Query();
    q.finish();
    if (q.exec(Contacts::exportStatement(m_choice->currentIndex())))
        m_grid->fill(q);
    else
        m_grid->clearRows();
    q.finish();
    m_grid->selectRowAt(row);
}

void TExportationcontacts::ExportCsv()
{
    FieldActions::exportCsv(Contacts::ExportHeader, m_grid->rowTexts(1));
}

void TExportationcontacts::EditContact()
{
    const int row = m_grid->selectedRow();
    if (row < 0)
        return;
    openCard(Editioncontact, ModeEdit, m_grid->cell(row, QStringLiteral("id")).toLongLong());
    reloadSelecting(row);
}

void TExportationcontacts::reject()
{
    Form1->Query().finish();
    QDialog::reject();
}
