#include "reference/WebSearch.h"

#include "common/FieldRules.h"

#include <QVariant>

namespace WebSearch {

const QString Placeholder = QStringLiteral("[_SEARCH_]");
const QString NoEngineCaption = QStringLiteral("** PAS DE MOTEURS ACTIFS **");

QString resultAddress(const QString &pattern, const QString &text)
{
    QString address = pattern;
    // The encoded text holds no "[" or "]", so a replacement never forms a new placeholder.
    address.replace(Placeholder, EncodeUrl(text), Qt::CaseInsensitive);
    return address;
}

QVector<Engine> activeEngines(QSqlQuery &query)
{
    QVector<Engine> engines;
    query.finish();
    qint64 count = 0;
    if (query.exec(QStringLiteral("SELECT COUNT(id) as nb from moteurs WHERE actif=1")) && query.next())
        count = query.value(0).toLongLong();
    query.finish();
    if (count >= 1 && query.exec(QStringLiteral("SELECT id,nom,url FROM moteurs WHERE actif=1 ORDER By nom"))) {
        while (query.next())
            engines.append({query.value(0).toInt(), query.value(1).toString(), query.value(2).toString().trimmed()});
    }
    query.finish();
    return engines;
}

} // namespace WebSearch
