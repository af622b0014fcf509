#pragma once

#include <QChar>
#include <QString>

// Purchase values are stored as typed; these rules show, check and total them.
namespace Amounts {

// The decimal separator of the current default locale.
QChar decimalSeparator();

// Keeps the digits, "," and "." of a stored value, in order, each "," and "." becoming the
// decimal separator. No check: "1.234,5" comes out with two separators.
QString NormaliseAmount(const QString &stored, QChar separator = decimalSeparator());

// As NormaliseAmount, but "0" when the result does not read as a decimal number.
QString NormaliseAmountOrZero(const QString &stored, QChar separator = decimalSeparator());

// Whether a text, with every "." and "," taken as the decimal separator, reads as a decimal
// number (digits with at most one separator, at least one digit).
bool readsAsAmount(const QString &text, QChar separator = decimalSeparator());

// The value of a text that reads as an amount; 0 otherwise.
long double value(const QString &text, QChar separator = decimalSeparator());

// The edit field's key filter: digits, ",", "." and the decimal separator.
bool acceptsCharacter(QChar c, QChar separator = decimalSeparator());

// A total in general format: up to 15 significant digits, no trailing zeros, no thousands
// separator, the given decimal separator; 0 gives "0".
QString formatTotal(long double total, QChar separator = decimalSeparator());

// Sums the texts that read as amounts (others count as 0).
long double sum(const QStringList &texts, QChar separator = decimalSeparator());

} // namespace Amounts
