#include "app/FileDialogs.h"

#include "app/TMyMessageForm.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace {
bool g_testing = false;
QQueue<QString> g_names;
QVector<FileDialogs::Options> g_log;

QString run(const FileDialogs::Options &o)
{
    if (g_testing) {
        g_log.append(o);
        const QString name = g_names.isEmpty() ? QString() : g_names.dequeue();
        if (name.isEmpty())
            return QString();
        return o.save ? FileDialogs::withDefaultSuffix(name, o.defaultSuffix) : name;
    }
    // Without a folder of its own, a dialog starts where the last one ended (the home folder at first).
    static QString lastFolder = QDir::homePath();
    QFileDialog dialog(TMyMessageForm::dialogParent(), o.caption, o.directory.isEmpty() ? lastFolder : o.directory,
                       FileDialogs::toQtFilter(o.filter));
    dialog.setAcceptMode(o.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(o.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setSizeGripEnabled(true);
    if (!o.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(o.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !o.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().first();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}
} // namespace

namespace FileDialogs {

QString openFile(const Options &options)
{
    Options o = options;
    o.save = false;
    return run(o);
}

Options collectionOptions(const QString &caption)
{
    Options o;
    o.caption = caption;
    o.filter = QStringLiteral("Fichiers Vorelis|*.vrl");
    o.defaultSuffix = QStringLiteral("vrk");
    return o;
}

QString saveFile(const Options &options)
{
    Options o = options;
    o.save = true;
    return run(o);
}

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (suffix.isEmpty() || path.isEmpty())
        return path;
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

namespace Testing {
void enable()
{
    g_testing = true;
    g_names.clear();
    g_log.clear();
}
void disable()
{
    g_testing = false;
}
void push(const QString &fileName)
{
    g_names.enqueue(fileName);
}
QVector<Options> &log()
{
    return g_log;
}
} // namespace Testing

} // namespace FileDialogs
