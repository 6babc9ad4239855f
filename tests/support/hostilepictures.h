#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>

// Picture files that claim far more than they hold, a few bytes each.
namespace testsupport {

inline QByteArray littleEndian16(int value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

inline QByteArray littleEndian32(qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(value, bytes.data());
    return bytes;
}

// A 24-bit BMP whose header claims `width` x `height` and holds one row.
inline QByteArray bmpClaiming(int width, int height) {
    QByteArray info = littleEndian32(40) + littleEndian32(width) + littleEndian32(height) +
                      littleEndian16(1) + littleEndian16(24) + QByteArray(24, '\0');
    return "BM" + littleEndian32(54 + 64) + littleEndian32(0) + littleEndian32(54) + info +
           QByteArray(64, '\x7f');
}

// A GIF with a two-colour table and one frame of a single pixel's data; the
// screen and frame sizes are what its headers claim.
inline QByteArray gifClaiming(int screenWidth, int screenHeight, int frameWidth, int frameHeight) {
    return "GIF89a" + littleEndian16(screenWidth) + littleEndian16(screenHeight) +
           QByteArray("\x80\x00\x00\x00\x00\x00\xff\xff\xff", 9) + "," + littleEndian16(0) +
           littleEndian16(0) + littleEndian16(frameWidth) + littleEndian16(frameHeight) +
           QByteArray("\x00\x02\x02\x44\x01\x00;", 7);
}

// A baseline JPEG header claiming `width` x `height`, with its scan cut short.
inline QByteArray jpegClaiming(int width, int height) {
    QByteArray frame("\xff\xc0\x00\x11\x08", 5);
    frame += char(height >> 8);
    frame += char(height & 0xff);
    frame += char(width >> 8);
    frame += char(width & 0xff);
    frame += QByteArray("\x03\x01\x22\x00\x02\x11\x00\x03\x11\x00", 10);
    const QByteArray table("\xff\xc4\x00\x14", 4);
    return QByteArray("\xff\xd8\xff\xdb\x00\x43\x00", 7) + QByteArray(64, '\x01') + frame + table +
           QByteArray(1, '\x00') + QByteArray(1, '\x01') + QByteArray(16, '\x00') + table +
           QByteArray(1, '\x10') + QByteArray(1, '\x01') + QByteArray(16, '\x00') +
           QByteArray("\xff\xda\x00\x0c\x03\x01\x00\x02\x00\x03\x00\x00\x3f\x00", 14) +
           QByteArray(32, '\x00');
}

// The first half of a well-formed picture file of `format`.
inline QByteArray truncatedPicture(const char* format) {
    QByteArray bytes;
    if (qstrcmp(format, "GIF") == 0) {
        bytes = gifClaiming(64, 48, 64, 48);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Detail all over, so half a JPEG ends inside its scan rather than its tables.
        QImage picture(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 0xff));
        picture.save(&buffer, format);
    }
    return bytes.left(bytes.size() / 2);
}

} // namespace testsupport
