#include "common/PictureArea.h"

#include "app/Dialogs.h"
#include "app/FileDialogs.h"
#include "common/FieldRules.h"

#include <QMouseEvent>
#include <QPixmap>

PictureArea::PictureArea(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    showPlaceholder();
}

QSize PictureArea::sizeHint() const
{
    return m_placeholderName.endsWith(QLatin1String("-big")) ? QSize(300, 300) : QSize(120, 120);
}

QSize PictureArea::minimumSizeHint() const
{
    return QSize(16, 16);
}

void PictureArea::setPlaceholderName(const QString &name)
{
    m_placeholderName = name;
    if (m_isPlaceholder)
        showPlaceholder();
}

void PictureArea::setEditorMode(EditorMode mode)
{
    m_readOnly = mode == ModeView;
    setCursor(m_readOnly ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (mode == ModeNew)
        showPlaceholder();
}

void PictureArea::showPlaceholder()
{
    const QByteArray bytes = FieldRules::placeholderBytes(m_placeholderName);
    QImage image;
    FieldRules::decodePicture(bytes, &image);
    display(bytes, image, true);
}

bool PictureArea::setPictureBytes(const QByteArray &bytes)
{
    QImage image;
    QString error;
    if (!FieldRules::decodePicture(bytes, &image, &error)) {
        Dialogs::pictureReadError(error);
        showPlaceholder();
        return false;
    }
    display(bytes, image, false);
    return true;
}

bool PictureArea::loadPictureFile(const QString &path)
{
    const FieldRules::PictureFile file = FieldRules::readPictureFile(path);
    switch (file.status) {
    case FieldRules::PictureFileStatus::Ok:
        display(file.bytes, file.image, false);
        emit pictureChanged();
        return true;
    case FieldRules::PictureFileStatus::TooLarge:
        Dialogs::error(FieldRules::PictureTooLargeText);
        break;
    case FieldRules::PictureFileStatus::WrongSignature:
        Dialogs::error(FieldRules::PictureWrongTypeText);
        break;
    case FieldRules::PictureFileStatus::Missing:
        Dialogs::warning(FieldRules::FileNotFoundText);
        break;
    case FieldRules::PictureFileStatus::Unreadable:
        Dialogs::pictureReadError(file.error);
        break;
    }
    return false;
}

void PictureArea::choosePicture()
{
    if (m_readOnly)
        return;
    FileDialogs::Options options;
    options.filter = FieldRules::PictureFilter;
    options.mustExist = true;
    const QString path = FileDialogs::openFile(options);
    if (path.isEmpty()) {
        if (Dialogs::askPictureRemoval()) {
            showPlaceholder();
            emit pictureChanged();
        }
        return;
    }
    loadPictureFile(path);
}

void PictureArea::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (click)
        choosePicture();
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void PictureArea::display(const QByteArray &bytes, const QImage &image, bool placeholder)
{
    m_bytes = bytes;
    m_image = image;
    m_isPlaceholder = placeholder;
    refresh();
}

void PictureArea::refresh()
{
    if (m_image.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    // Scaled to the area keeping its proportions.
    const QSize area = contentsRect().size();
    QImage shown = m_image;
    if (!area.isEmpty() && shown.size() != shown.size().scaled(area, Qt::KeepAspectRatio))
        shown = m_image.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPixmap(QPixmap::fromImage(shown));
}
