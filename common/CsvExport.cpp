#include "common/CsvExport.h"

#include <QFileInfo>
#include <QSaveFile>

namespace CsvExport {

const QString Filter = QStringLiteral("Fichier CSV|*.CSV");
const QString DoneText = QStringLiteral("Export CSV effectué");
const QString FailureText =
    QStringLiteral("Erreur d'écriture du fichier. Le fichier est peut-être déjà ouvert.");

QString cleanCell(const QString &cell)
{
    if (!cell.contains(QLatin1Char(';')))
        return cell;
    QString out = cell;
    out.replace(QLatin1Char(';'), QLatin1Char(','));
    return out;
}

QString headerLine(const QStringList &names)
{
    QString line;
    for (const QString &name : names)
        line += name + QLatin1Char(';');
    return line;
}

QString rowLine(const QStringList &cells)
{
    QString line;
    int size = 0;
    for (const QString &cell : cells)
        size += cell.size() + 1;
    line.reserve(size);
    for (const QString &cell : cells)
        line += cleanCell(cell) + QLatin1Char(';');
    return line;
}

QStringList tableLines(const QString &headerLine, const QVector<QStringList> &rows)
{
    QStringList lines;
    lines.reserve(rows.size() + 1);
    lines << headerLine;
    for (const QStringList &row : rows)
        lines << rowLine(row);
    return lines;
}

QByteArray encode(const QStringList &lines)
{
    if (lines.isEmpty())
        return QByteArray();
    // One conversion of the whole text rather than one per line.
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    const QByteArray bytes = encode(lines);
    // A failed export must not leave the user's previous file half overwritten.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (path.isEmpty() || QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = path.isEmpty() || QFileInfo(path).isDir() ? QStringLiteral("not a file") : file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeTable(const QString &path, const QStringList &header, const QVector<QStringList> &rows, QString *error)
{
    return writeLines(path, tableLines(headerLine(header), rows), error);
}

} // namespace CsvExport
