#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

// Pictures made on the spot for the picture tests.
namespace TestPictures {

inline QImage drawing(int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QPainter painter(&image);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(4, 4, width - 8, height - 8);
    return image;
}

inline QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray jpeg() { return encoded(drawing(), "JPG"); }
inline QByteArray png() { return encoded(drawing(), "PNG"); }

// A valid 1 x 1 GIF.
inline QByteArray gif()
{
    return QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");
}

// A complete JPEG padded after its end marker to exactly `size` bytes.
inline QByteArray jpegOfSize(int size)
{
    QByteArray bytes = jpeg();
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

inline QString write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace TestPictures
