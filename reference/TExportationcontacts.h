#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class RecordGrid;

// Lists the contacts of one role (or none, or all) and exports them to CSV.
class TExportationcontacts : public QDialog
{
    Q_OBJECT
public:
    explicit TExportationcontacts(QWidget *parent = nullptr);

    QComboBox *choice() const { return m_choice; }
    RecordGrid *grid() const { return m_grid; }
    QPushButton *exportButton() const { return m_export; }
    QPushButton *closeButton() const { return m_close; }

    // Lists the contacts of the current entry, then selects the row at that position.
    void reloadSelecting(int row);
    // "Exporter en CSV": the rows in their current order.
    void ExportCsv();
    // Double-click: the contact's card, then the list again.
    void EditContact();

    void reject() override; // "Fermer", Escape

protected:
    void showEvent(QShowEvent *event) override;

private:
    QComboBox *m_choice = nullptr;
    RecordGrid *m_grid = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
};
