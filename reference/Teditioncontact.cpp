#include "reference/Teditioncontact.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordGrid.h"
#include "reference/CardForm.h"
#include "reference/TGestioncontacts.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString Id = QStringLiteral("id");
const QString Name = QStringLiteral("nom");
const QString Type = QStringLiteral("type");

RecordGrid *listTab(QTabWidget *tabs, const QString &objectName, const QString &caption,
                    const QVector<GridColumn> &columns)
{
    auto *page = new QWidget(tabs);
    auto *layout = new QVBoxLayout(page);
    auto *grid = new RecordGrid(page);
    grid->setObjectName(objectName);
    grid->setColumns(columns);
    layout->addWidget(grid);
    tabs->addTab(page, caption);
    return grid;
}
} // namespace

Teditioncontact::Teditioncontact(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Editioncontact"));
    setModal(true);
    CardFormSpec spec;
    spec.record = &Contacts::contacts();
    spec.newCaption = QStringLiteral("Nouveau contact");
    spec.editCaption = QStringLiteral("Edition d'un contact");
    spec.viewCaption = QStringLiteral("Visualisation d'un contact");
    spec.duplicateMessage = QStringLiteral("Ce contact existe déjà !");
    spec.listWindow = [] { return static_cast<ListWindow *>(Gestioncontacts); };
    m_form = new CardForm(this, this, spec);

    auto *outer = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(m_form->fieldsPanel(), QStringLiteral("Contact"));
    m_loans = listTab(m_tabs, QStringLiteral("loans"), QStringLiteral("Emprunts"),
                      {{QStringLiteral("ID"), Id, true},
                       {QStringLiteral("Emprunts en cours"), Name, false, true},
                       {QStringLiteral("Type"), Type, false, false, 140}});
    m_routines = listTab(m_tabs, QStringLiteral("routines"), QStringLiteral("Routines vues"),
                         {{QStringLiteral("ID"), Id, true}, {QStringLiteral("Routines vues"), Name, false, true}});
    outer->addWidget(m_tabs, 1);
    outer->addLayout(m_form->buttonRow());
    connect(m_loans, &RecordGrid::rowActivated, this, &Teditioncontact::loanActivated);
    connect(m_routines, &RecordGrid::rowActivated, this, &Teditioncontact::routineActivated);
    setFixedSize(578, 687);
}

void Teditioncontact::showEvent(QShowEvent *event)
{
    // A window brought back from minimised keeps what was typed.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    m_form->prepare();
    m_tabs->setCurrentIndex(0);
    const bool lists = EditorMode != ModeNew;
    m_tabs->setTabVisible(1, lists);
    m_tabs->setTabVisible(2, lists);
    m_loans->clearRows();
    m_routines->clearRows();
    if (lists)
        fillLists();
    QDialog::showEvent(event);
}

void Teditioncontact::fillLists()
{
    for (const Contacts::Row &r : Contacts::loans(Form1->database(), RecordId))
        m_loans->addRow({QString::number(r.id), r.name, r.type});
    for (const Contacts::Row &r : Contacts::seenRoutines(Form1->database(), RecordId))
        m_routines->addRow({QString::number(r.id), r.name});
}

void Teditioncontact::loanActivated()
{
    const int row = m_loans->selectedRow();
    if (isReadOnly() || row < 0 || !OpenLoan)
        return;
    OpenLoan(m_loans->cell(row, Type), m_loans->cell(row, Id).toLongLong());
}

void Teditioncontact::routineActivated()
{
    const int row = m_routines->selectedRow();
    if (isReadOnly() || row < 0 || !OpenRoutine)
        return;
    OpenRoutine(m_routines->cell(row, Id).toLongLong());
}
