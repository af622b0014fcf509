#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>
#include <QVariant>

// Field rules shared by every window: links, pictures, relative file paths, flags and names.
// Plain functions, no widget: the windows map their results to dialogs.
namespace FieldRules {

// ---- Links -------------------------------------------------------------------------------

// Percent-encodes the UTF-8 bytes of `text`, keeping A-Z a-z 0-9 - . / : _ ~ as they are.
QString EncodeUrl(const QString &text);

// True when the text starts with "http://" or "https://", whatever the case.
bool isLink(const QString &text);

// ---- Pictures ----------------------------------------------------------------------------

// Files of this size or more are refused as pictures.
constexpr qint64 MaxPictureSize = 1100000;

extern const QString PictureFilter;         // "Fichiers images|*.PNG; *.JPG; *.JPEG"
extern const QString PictureTooLargeText;   // "Le fichier image est trop volumineux (taille maxi : 1Mo)"
extern const QString PictureWrongTypeText;  // "Le fichier n'est pas une image correspondant à son extension"
extern const QString FileNotFoundText;      // "Fichier introuvable"

// Whether the file's first bytes match its extension (.jpg/.jpeg: FF D8, .png: "PNG" at byte 2).
// False for a missing file and for any other extension.
bool PictureMatchesExtension(const QString &path);

enum class PictureFileStatus {
    Ok,
    Missing,        // no file at that path
    TooLarge,       // MaxPictureSize bytes or more
    WrongSignature, // content does not match the extension
    Unreadable,     // could not be read or decoded; `error` says why
};

struct PictureFile {
    PictureFileStatus status = PictureFileStatus::Missing;
    QByteArray bytes; // the file's bytes as read (Ok only)
    QImage image;     // decoded (Ok only)
    QString error;    // I/O or decoder error text (Unreadable only)
};

// Checks a chosen picture file in the order of the picture rules (size, then signature), then
// reads and decodes it.
PictureFile readPictureFile(const QString &path);

// Decodes picture bytes by their content. False, with the decoder's error text, on failure.
bool decodePicture(const QByteArray &bytes, QImage *image, QString *error = nullptr);

// Encoded bytes of the named placeholder picture ("nophoto", "nophoto-big"), as the records store
// them. Never empty: a plain square is encoded when the resource is missing.
QByteArray placeholderBytes(const QString &name = QStringLiteral("nophoto"));

// ---- Relative file paths -----------------------------------------------------------------

// Stored in front of a path relative to the collection's folder.
extern const QString RelativePathPrefix; // "%%DATABASE_PATH%%\"
extern const QString RelativePathHint;   // "Ceci est un chemin relatif vers le fichier"

struct StoredPath {
    QString stored;   // what goes into the column
    QString shown;    // what the field shows
    QString hint;     // the field's tool tip
    bool relative = false;
};

// A path chosen in a file dialog: relative to `databasePath` when inside it, else absolute.
StoredPath toStoredPath(const QString &chosenFullPath, const QString &databasePath);

struct ExpandedPath {
    QString fullPath; // where the file is; empty when a relative value has no collection folder
    QString shown;    // what the field shows
    bool relative = false;
};

// A stored value read back: the prefix is replaced by `databasePath`.
ExpandedPath fromStoredPath(const QString &stored, const QString &databasePath);

// ---- Opening what a field holds ----------------------------------------------------------

struct FieldTarget {
    enum Kind { Link, File, MissingFile } kind = MissingFile;
    QUrl url;      // Link: the encoded address; File: the local file
    QString path;  // File and MissingFile: the expanded path
};

// Decides how a field's text is opened: as a link (encoded), as an existing file (after
// expansion of a relative value), or not at all because no file exists there.
FieldTarget resolveFieldTarget(const QString &text, const QString &databasePath);

// The address a link button opens: the text through EncodeUrl.
QUrl linkUrl(const QString &text);

// ---- Flags and names ---------------------------------------------------------------------

// `is...` columns: set only for exactly "1".
bool flagIsSet(const QVariant &value);
QString flagText(bool set);

// Names typed by the user lose surrounding blanks and control characters.
QString trimName(const QString &name);

} // namespace FieldRules

using FieldRules::EncodeUrl;
using FieldRules::PictureMatchesExtension;
