#pragma once

#include <QLineEdit>

#include <functional>

// A read-only field naming the record an editor points to (supplier, storage place, borrower,
// author...). A click chooses another record through the selection dialog, which can create one;
// clear() points to none. In a read-only editor both do nothing, while the card of the record can
// still be opened.
class LookupField : public QLineEdit
{
    Q_OBJECT
public:
    // `table` lists the candidates ("fournisseurs"); `creationKind` is a SelectionDialog::Creation.
    LookupField(const QString &table, int creationKind, QWidget *parent = nullptr);

    qint64 id() const { return m_id; }
    // Points to `id` (0: none) and shows its name.
    void setId(qint64 id);
    void refreshName();

    void setViewOnly(bool viewOnly) { m_viewOnly = viewOnly; }
    bool isViewOnly() const { return m_viewOnly; }

    // The selection dialog; a chosen id replaces the current one, anything else keeps it.
    void choose();
    void clearChoice();

    // Shows the card of the record pointed to, when there is one; works in every mode.
    void setCardOpener(std::function<void(qint64)> open) { m_openCard = std::move(open); }
    void openCard();

    const QString &table() const { return m_table; }

signals:
    void idChanged(qint64 id);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_table;
    int m_kind;
    qint64 m_id = 0;
    bool m_viewOnly = false;
    bool m_pressed = false;
    std::function<void(qint64)> m_openCard;
};
