#include "common/Amounts.h"

#include <QLocale>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace Amounts {

QChar decimalSeparator()
{
    return QLocale().decimalPoint();
}

QString NormaliseAmount(const QString &stored, QChar separator)
{
    QString out;
    out.reserve(stored.size());
    for (QChar c : stored) {
        if (c.unicode() >= '0' && c.unicode() <= '9')
            out.append(c);
        else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            out.append(separator);
    }
    return out;
}

namespace {
// Digits with at most one decimal separator and at least one digit, as a C-locale number text.
bool toPlainNumber(const QString &text, QChar separator, QByteArray *plain)
{
    QByteArray out;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (QChar c : text) {
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            out.append(char(c.unicode()));
            digitSeen = true;
        } else if (c == separator || c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separatorSeen)
                return false;
            separatorSeen = true;
            out.append('.');
        } else {
            return false;
        }
    }
    if (!digitSeen)
        return false;
    if (plain)
        *plain = out;
    return true;
}
} // namespace

bool readsAsAmount(const QString &text, QChar separator)
{
    return toPlainNumber(text, separator, nullptr);
}

long double value(const QString &text, QChar separator)
{
    QByteArray plain;
    if (!toPlainNumber(text, separator, &plain))
        return 0;
    return std::strtold(plain.constData(), nullptr);
}

QString NormaliseAmountOrZero(const QString &stored, QChar separator)
{
    const QString shown = NormaliseAmount(stored, separator);
    return readsAsAmount(shown, separator) ? shown : QStringLiteral("0");
}

bool acceptsCharacter(QChar c, QChar separator)
{
    return (c.unicode() >= '0' && c.unicode() <= '9') || c == QLatin1Char(',') || c == QLatin1Char('.')
        || c == separator;
}

QString formatTotal(long double total, QChar separator)
{
    if (total == 0)
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", total);
    QString text = QString::fromLatin1(buffer);
    text.replace(QLatin1Char('.'), separator);
    return text;
}

long double sum(const QStringList &texts, QChar separator)
{
    long double total = 0;
    for (const QString &t : texts)
        total += value(t, separator);
    return total;
}

} // namespace Amounts
