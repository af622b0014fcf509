#pragma once

#include <QLineEdit>

// A purchase value: only digits and decimal separators can be typed; a text left behind that does
// not read as a number becomes "0". Stored values are shown through NormaliseAmount, unchecked.
class AmountField : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountField(QWidget *parent = nullptr);

    void showStored(const QString &stored);
    // The check made when the field is left.
    void checkAmount();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
