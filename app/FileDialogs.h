#pragma once

#include <QString>
#include <QVector>

class QWidget;

// Open and save dialogs. Tests switch them to a queue of file names ("" = cancelled).
namespace FileDialogs {

struct Options {
    QString caption;
    QString filter;        // "Description|*.ext;*.ext2", as the windows state it
    QString defaultSuffix; // without the dot; added to a name typed without extension
    QString directory;
    bool save = false;
    bool mustExist = false;        // open: the file must exist
    bool confirmOverwrite = true;  // save: ask before replacing
    bool directoryMustExist = true;
};

QString openFile(const Options &options);
// The open and save dialogs of collection files ("*.vrl" listed, ".vrk" added to bare names).
Options collectionOptions(const QString &caption);
QString saveFile(const Options &options);

// "Fichiers Vorelis|*.vrl" -> "Fichiers Vorelis (*.vrl)"
QString toQtFilter(const QString &filter);
// Adds ".suffix" when the file name has no extension.
QString withDefaultSuffix(const QString &path, const QString &suffix);

namespace Testing {
void enable();
void disable();
void push(const QString &fileName);
QVector<Options> &log();
} // namespace Testing

} // namespace FileDialogs
