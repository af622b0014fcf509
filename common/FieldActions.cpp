#include "common/FieldActions.h"

#include <QLineEdit>

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "common/CsvExport.h"
#include "common/Desktop.h"
#include "common/FieldRules.h"

namespace FieldActions {

bool openFieldTarget(const QString &text, const QString &databasePath)
{
    const FieldRules::FieldTarget target = FieldRules::resolveFieldTarget(text, databasePath);
    switch (target.kind) {
    case FieldRules::FieldTarget::Link:
        return Desktop::openUrl(target.url);
    case FieldRules::FieldTarget::File:
        return Desktop::openFile(target.path);
    case FieldRules::FieldTarget::MissingFile:
        break;
    }
    Dialogs::warning(FieldRules::FileNotFoundText);
    return false;
}

bool openLink(const QString &text)
{
    return Desktop::openUrl(FieldRules::linkUrl(text));
}

bool exportCsvLines(const QStringList &lines)
{
    FileDialogs::Options options;
    options.filter = CsvExport::Filter;
    options.confirmOverwrite = true;
    options.directoryMustExist = true;
    const QString path = FileDialogs::saveFile(options);
    if (path.isEmpty())
        return false;
    if (!CsvExport::writeLines(path, lines)) {
        Dialogs::error(CsvExport::FailureText);
        return false;
    }
    Dialogs::warning(CsvExport::DoneText);
    return true;
}

bool exportCsv(const QString &headerLine, const QVector<QStringList> &rows)
{
    return exportCsvLines(CsvExport::tableLines(headerLine, rows));
}

void showStoredText(QLineEdit *field, const QString &text, int designedLimit)
{
    field->setMaxLength(qMax(designedLimit, text.size()));
    field->setText(text);
}

} // namespace FieldActions
