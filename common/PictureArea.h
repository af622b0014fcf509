#pragma once

#include "common/EditorContract.h"

#include <QByteArray>
#include <QImage>
#include <QLabel>

// The picture of a record editor. Shows the record's picture centred, scaled to the area keeping its
// proportions; a click (unless read-only) lets the user choose a picture file or remove the
// picture. What it shows is what the record stores: pictureBytes() are the picture's own encoded
// bytes, the placeholder's when no picture was chosen.
class PictureArea : public QLabel
{
    Q_OBJECT
public:
    explicit PictureArea(QWidget *parent = nullptr);

    // "nophoto" by default; the cues of technical sheets use "nophoto-big".
    void setPlaceholderName(const QString &name);
    QString placeholderName() const { return m_placeholderName; }

    // ModeView makes the area read-only; ModeNew also puts the placeholder back.
    void setEditorMode(EditorMode mode);
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    void showPlaceholder();
    bool isPlaceholder() const { return m_isPlaceholder; }

    // Stored bytes, decoded by their content. When they cannot be decoded (or are empty) the
    // decoder's error is reported and the placeholder is shown; returns false then.
    bool setPictureBytes(const QByteArray &bytes);
    // A picture file chosen by the user: refused with a message when too large, not matching its
    // extension, missing or unreadable, the current picture staying. True when loaded.
    bool loadPictureFile(const QString &path);
    // What a click does: the image file dialog, or on cancel the removal question.
    void choosePicture();

    QByteArray pictureBytes() const { return m_bytes; }
    QImage picture() const { return m_image; }

    // The placeholder's size: the area is laid out by its own size, not by the picture shown.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user chose or removed a picture.
    void pictureChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void display(const QByteArray &bytes, const QImage &image, bool placeholder);
    void refresh();

    QString m_placeholderName = QStringLiteral("nophoto");
    QByteArray m_bytes;
    QImage m_image;
    bool m_isPlaceholder = true;
    bool m_readOnly = false;
    bool m_pressed = false;
};
