#pragma once

#include "common/Report.h"

#include <QDialog>
#include <QSize>

#include <functional>

class QLabel;
class QPushButton;
class RecordGrid;

struct ReportWindowSpec {
    // What a double-click does once the record's editor has closed.
    enum AfterEdit {
        ReloadReselecting, // list again and select the same row number (the last one when shorter)
        Reload,            // list again, first row selected
        KeepList,          // leave the list as it is
    };
    // Which editor a double-click opens (the record kind codes of the link tables).
    enum RecordKind { Equipment = 1, Documentation = 2, Routine = 3 };

    ReportWindowSpec(const QString &objectName, const QString &caption, const Report::Definition &report,
                     int recordKind = Equipment)
        : objectName(objectName), caption(caption), report(&report), recordKind(recordKind)
    {
    }
    // The exceptions to the pattern, chained after the constructor.
    ReportWindowSpec &after(AfterEdit rule) { return afterEdit = rule, *this; }
    ReportWindowSpec &onScreenCentre() { return centredOnScreen = true, *this; }
    ReportWindowSpec &withoutMinimumSize() { return minimumSize = QSize(0, 0), *this; }

    QString objectName;
    QString caption;
    const Report::Definition *report = nullptr;
    int recordKind = Equipment;
    AfterEdit afterEdit = ReloadReselecting;
    bool centredOnScreen = false; // otherwise centred on the main window
    QSize size = QSize(1160, 530);
    QSize minimumSize = QSize(500, 500);
};

// A read-only report: a grid with a hidden id column, an optional total under it at the left,
// "Exporter en CSV" and "Fermer" (also Escape). Lists when shown; a double-click opens the row's
// record in its editor. Each report window is this pattern plus its table of differences.
class ReportWindow : public QDialog
{
    Q_OBJECT
public:
    // The editors are wired in from outside: `open` shows the record of that id modally, in
    // edit mode and without stepping. An empty function removes the kind's opener.
    static void setRecordOpener(int recordKind, std::function<void(qint64 id)> open);
    static bool hasRecordOpener(int recordKind);

    const ReportWindowSpec &spec() const { return m_spec; }
    RecordGrid *grid() const { return m_grid; }
    QLabel *totalLabel() const { return m_total; } // null without a total
    QPushButton *exportButton() const { return m_export; }
    QPushButton *closeButton() const { return m_close; }

    // Empties the grid and lists the report again; the first row is selected.
    void Load();
    // The double-click on a data row.
    void OpenSelected();
    // "Exporter en CSV": the rows in their current order.
    void Export();
    // "Fermer".
    void Close();

    // The visible cells of every row, in display order.
    QVector<QStringList> shownRows() const;

protected:
    ReportWindow(const ReportWindowSpec &spec, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    const ReportWindowSpec m_spec;
    RecordGrid *m_grid = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
};
