#include "common/FieldRules.h"

#include "common/Text.h"
#include "resources/Resources.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace FieldRules {

const QString PictureFilter = QStringLiteral("Fichiers images|*.PNG; *.JPG; *.JPEG");
const QString PictureTooLargeText = QStringLiteral("Le fichier image est trop volumineux (taille maxi : 1Mo)");
const QString PictureWrongTypeText =
    QStringLiteral("Le fichier n'est pas une image correspondant à son extension");
const QString FileNotFoundText = QStringLiteral("Fichier introuvable");
const QString RelativePathPrefix = QStringLiteral("%%DATABASE_PATH%%\\");
const QString RelativePathHint = QStringLiteral("Ceci est un chemin relatif vers le fichier");

// ---- Links -------------------------------------------------------------------------------

QString EncodeUrl(const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QString out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const uchar b = uchar(c);
        const bool keep = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-'
                          || b == '.' || b == '/' || b == ':' || b == '_' || b == '~';
        if (keep) {
            out += QLatin1Char(char(b));
        } else {
            out += QLatin1Char('%');
            out += QLatin1Char(hex[b >> 4]);
            out += QLatin1Char(hex[b & 0x0F]);
        }
    }
    return out;
}

bool isLink(const QString &text)
{
    const QString lower = text.toLower();
    return lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://"));
}

QUrl linkUrl(const QString &text)
{
    // Every byte that is not plain ASCII or a delimiter is already escaped, so tolerant parsing
    // keeps the escapes as they are.
    return QUrl(EncodeUrl(text), QUrl::TolerantMode);
}

// ---- Pictures ----------------------------------------------------------------------------

bool PictureMatchesExtension(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const QString ext = info.suffix().toLower();
    const bool jpeg = ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
    const bool png = ext == QLatin1String("png");
    if (!jpeg && !png)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (jpeg) {
        if (file.size() <= 3)
            return false;
        return file.read(2) == QByteArray("\xFF\xD8", 2);
    }
    if (file.size() <= 5)
        return false;
    return file.read(4).mid(1) == QByteArray("PNG");
}

namespace {

// The JPEG decoder accepts a file cut inside its image data and greys out what is missing. A
// complete file has its end marker after the last start of scan (entropy-coded data never
// holds FF D9; a thumbnail's end marker comes before the main scan).
bool jpegIsComplete(const QByteArray &bytes)
{
    const int lastScan = bytes.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const int end = bytes.lastIndexOf(QByteArray("\xFF\xD9", 2));
    return lastScan >= 0 && end > lastScan;
}

} // namespace

bool decodePicture(const QByteArray &bytes, QImage *image, QString *error)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    if (bytes.startsWith(QByteArray("\xFF\xD8", 2)) && !jpegIsComplete(bytes)) {
        if (error)
            *error = QCoreApplication::translate("QImageReader", "Unable to read image data");
        return false;
    }
    if (image)
        *image = decoded;
    return true;
}

PictureFile readPictureFile(const QString &path)
{
    PictureFile result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.status = PictureFileStatus::Missing;
        return result;
    }
    if (info.size() >= MaxPictureSize) {
        result.status = PictureFileStatus::TooLarge;
        return result;
    }
    if (!PictureMatchesExtension(path)) {
        result.status = PictureFileStatus::WrongSignature;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = PictureFileStatus::Unreadable;
        result.error = file.errorString();
        return result;
    }
    // Read no more than the limit allows: the file may have grown since it was measured.
    QByteArray bytes = file.read(MaxPictureSize);
    if (file.error() != QFileDevice::NoError) {
        result.status = PictureFileStatus::Unreadable;
        result.error = file.errorString();
        return result;
    }
    if (bytes.size() >= MaxPictureSize) {
        result.status = PictureFileStatus::TooLarge;
        return result;
    }
    QImage image;
    QString error;
    if (!decodePicture(bytes, &image, &error)) {
        result.status = PictureFileStatus::Unreadable;
        result.error = error;
        return result;
    }
    result.status = PictureFileStatus::Ok;
    result.bytes = bytes;
    result.image = image;
    return result;
}

QByteArray placeholderBytes(const QString &name)
{
    const QByteArray bytes = Resources::bytes(name);
    if (!bytes.isEmpty())
        return bytes;
    // Without the resource a record must still store a valid picture, and always the same one.
    static QHash<QString, QByteArray> generated;
    auto it = generated.find(name);
    if (it == generated.end()) {
        const int side = name.endsWith(QLatin1String("-big")) ? 300 : 120;
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(QColor(0x80, 0x80, 0x80));
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        it = generated.insert(name, encoded);
    }
    return it.value();
}

// ---- Relative file paths -----------------------------------------------------------------

namespace {

Qt::CaseSensitivity pathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

// The collection folder, native, clean and ending with one separator; empty when none.
QString folderOf(const QString &databasePath)
{
    if (databasePath.isEmpty())
        return QString();
    QString folder = QDir::toNativeSeparators(QDir::cleanPath(databasePath));
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString withPlatformSeparators(QString path)
{
    path.replace(QLatin1Char('/'), QDir::separator());
    path.replace(QLatin1Char('\\'), QDir::separator());
    return path;
}

} // namespace

StoredPath toStoredPath(const QString &chosenFullPath, const QString &databasePath)
{
    StoredPath result;
    const QString folder = folderOf(databasePath);
    // Compare clean paths so that "folder/../elsewhere" is not taken as inside the folder.
    const QString full = QDir::isAbsolutePath(chosenFullPath)
                             ? QDir::toNativeSeparators(QDir::cleanPath(chosenFullPath))
                             : QString();
    if (!folder.isEmpty() && full.size() > folder.size() && full.startsWith(folder, pathCase())) {
        const QString rest = full.mid(folder.size());
        result.stored = RelativePathPrefix + rest;
        result.shown = rest;
        result.hint = RelativePathHint;
        result.relative = true;
        return result;
    }
    result.stored = chosenFullPath;
    result.shown = chosenFullPath;
    result.hint = chosenFullPath;
    return result;
}

ExpandedPath fromStoredPath(const QString &stored, const QString &databasePath)
{
    ExpandedPath result;
    if (!stored.startsWith(RelativePathPrefix)) {
        result.fullPath = stored;
        result.shown = stored;
        return result;
    }
    const QString rest = stored.mid(RelativePathPrefix.size());
    const QString folder = folderOf(databasePath);
    result.relative = true;
    result.shown = withPlatformSeparators(rest);
    // Without a collection folder a relative value points nowhere (not at the working folder).
    if (!folder.isEmpty())
        result.fullPath = withPlatformSeparators(folder + rest);
    return result;
}

FieldTarget resolveFieldTarget(const QString &text, const QString &databasePath)
{
    FieldTarget target;
    if (isLink(text)) {
        target.kind = FieldTarget::Link;
        target.url = linkUrl(text);
        return target;
    }
    target.path = fromStoredPath(text, databasePath).fullPath;
    if (!target.path.isEmpty() && QFileInfo::exists(target.path)) {
        target.kind = FieldTarget::File;
        target.url = QUrl::fromLocalFile(target.path);
    } else {
        target.kind = FieldTarget::MissingFile;
    }
    return target;
}

// ---- Flags and names ---------------------------------------------------------------------

bool flagIsSet(const QVariant &value)
{
    return !value.isNull() && value.toString() == QLatin1String("1");
}

QString flagText(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

QString trimName(const QString &name)
{
    return Text::trimBlanksAndControls(name);
}

} // namespace FieldRules
