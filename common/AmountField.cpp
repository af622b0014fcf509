#include "common/AmountField.h"

#include "common/Amounts.h"

#include <QFocusEvent>
#include <QKeyEvent>

AmountField::AmountField(QWidget *parent) : QLineEdit(parent) {}

void AmountField::showStored(const QString &stored)
{
    setText(Amounts::NormaliseAmount(stored));
}

void AmountField::checkAmount()
{
    if (!isReadOnly() && !Amounts::readsAsAmount(text()))
        setText(QStringLiteral("0"));
}

void AmountField::keyPressEvent(QKeyEvent *event)
{
    // Only typed characters are filtered: Backspace, Delete, the arrows and shortcuts pass.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        for (QChar c : typed) {
            if (!Amounts::acceptsCharacter(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void AmountField::focusOutEvent(QFocusEvent *event)
{
    // Another window coming to the front is not leaving the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        checkAmount();
    QLineEdit::focusOutEvent(event);
}
