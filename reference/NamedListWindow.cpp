#include "reference/NamedListWindow.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "reference/AddWizard.h"

NamedListWindow::NamedListWindow(const NamedListWindowSpec &spec, QWidget *parent)
    : ListWindow(spec.window, parent), m_named(spec)
{
    addRecordButtons({{RecordButton::Search, spec.searchHint, [this] { Search(); }},
                      {RecordButton::Add, spec.addHint, [this] { Add(); }},
                      {RecordButton::Delete, spec.deleteHint, [this] { Delete(); }}});
}

bool NamedListWindow::runListing(QSqlQuery &query)
{
    return NamedLists::list(query, *m_named.list, SearchFilter);
}

QString NamedListWindow::selectedName() const
{
    const int row = grid()->selectedRow();
    return row < 0 ? QString() : grid()->cell(row, m_named.nameField);
}

void NamedListWindow::Add()
{
    const int previous = qMax(0, grid()->selectedRow());
    if (m_named.wizard()->exec() == QDialog::Accepted)
        reloadSelecting(previous);
}

void NamedListWindow::Delete()
{
    const int row = grid()->selectedRow();
    if (row < 0)
        return;
    const QString name = grid()->cell(row, m_named.nameField);
    if (!Dialogs::askDelete(m_named.deleteQuestion + name + QStringLiteral(" ?")))
        return;
    if (!NamedLists::remove(Form1->database(), *m_named.list, name))
        Dialogs::error(QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!"));
    Form1->Commit();
    reloadSelecting(row - 1);
}
