#include "common/SqlText.h"

#include <QRegularExpression>

namespace SqlText {

QString likeContains(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString withLikeEscape(const QString &statement)
{
    static const QRegularExpression like(QStringLiteral("(LIKE\\s+:\\w+)(?!\\w)(?!\\s*ESCAPE)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString s = statement;
    s.replace(like, QStringLiteral("\\1 ESCAPE '\\'"));
    return s;
}

} // namespace SqlText
