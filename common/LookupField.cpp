#include "common/LookupField.h"

#include "app/TForm1.h"
#include "app/Windows.h"
#include "common/RecordLinks.h"
#include "common/Trecherchesql.h"

#include <QMouseEvent>

LookupField::LookupField(const QString &table, int creationKind, QWidget *parent)
    : QLineEdit(parent), m_table(table), m_kind(creationKind)
{
    setReadOnly(true);
    setCursor(Qt::PointingHandCursor);
}

void LookupField::setId(qint64 id)
{
    m_id = id;
    refreshName();
    emit idChanged(id);
}

void LookupField::refreshName()
{
    setText(RecordLinks::nameOf(Form1->database(), m_table, m_id));
    setCursorPosition(0);
}

void LookupField::choose()
{
    if (m_viewOnly)
        return;
    const int chosen = Recherchesql->SelectRecord(RecordLinks::candidatesStatement(m_table),
                                                  RecordLinks::filteredCandidatesStatement(m_table),
                                                  QStringLiteral("nom"), m_kind, false);
    if (chosen > 0)
        setId(chosen);
    else
        refreshName(); // the record may have been renamed through the dialog's add button
}

void LookupField::clearChoice()
{
    if (!m_viewOnly)
        setId(0);
}

void LookupField::openCard()
{
    if (m_id > 0 && m_openCard)
        m_openCard(m_id);
}

void LookupField::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void LookupField::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    QLineEdit::mouseReleaseEvent(event);
    if (click)
        choose();
}
