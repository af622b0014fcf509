#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVector>

// The web search of the record editors: the engines offered and the address opened for a text.
// No widget here.
namespace WebSearch {

// Where an engine's address pattern receives the searched text (matched whatever its case).
extern const QString Placeholder; // "[_SEARCH_]"
// The only item of a menu when no engine is active.
extern const QString NoEngineCaption; // "** PAS DE MOTEURS ACTIFS **"

// The pattern with every placeholder, whatever its case, replaced by EncodeUrl(text); a pattern
// without placeholder comes back unchanged.
QString resultAddress(const QString &pattern, const QString &text);

struct Engine {
    int id = 0;
    QString name;
    QString url; // without surrounding blanks
};

// The active engines in name order, read through `query`, which is finished afterwards.
QVector<Engine> activeEngines(QSqlQuery &query);

} // namespace WebSearch
