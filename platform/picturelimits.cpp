#include "platform/picturelimits.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace platform {
namespace {

// Enough for the BMP file header and the size fields of its information header.
constexpr qint64 kHeaderBytes = kClaimHeaderBytes;

QSize bmpSize(const QByteArray& header) {
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    if (header.size() < kHeaderBytes || !header.startsWith("BM"))
        return {};
    // The oldest information header (12 bytes) has 16-bit sizes; every later one
    // 32-bit sizes, the height negative for rows stored top down.
    if (qFromLittleEndian<quint32>(bytes + 14) == 12)
        return QSize(qFromLittleEndian<quint16>(bytes + 18),
                     qFromLittleEndian<quint16>(bytes + 20));
    const auto side = [bytes](int at) {
        return int(std::min<qint64>(std::llabs(qFromLittleEndian<qint32>(bytes + at)), INT_MAX));
    };
    return QSize(side(18), side(22));
}

QSize gifScreenSize(const QByteArray& header) {
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    if (header.size() < 10 || !header.startsWith("GIF8"))
        return {};
    return QSize(qFromLittleEndian<quint16>(bytes + 6), qFromLittleEndian<quint16>(bytes + 8));
}

} // namespace

QSize claimedPictureSize(const QString& fileName, QSize readerSize) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return readerSize.isValid() ? readerSize : QSize(0, 0);
    return claimedPictureSizeOf(file.read(kHeaderBytes), readerSize);
}

QSize claimedPictureSizeOf(const QByteArray& header, QSize readerSize) {
    QSize claimed = readerSize.isValid() ? readerSize : QSize(0, 0);
    for (const QSize own : {bmpSize(header), gifScreenSize(header)})
        if (own.isValid())
            claimed = claimed.expandedTo(own);
    return claimed;
}

QString pictureSizeRefusal(QSize size) {
    if (qint64(size.width()) * size.height() <= kMaxPicturePixels)
        return {};
    return QCoreApplication::translate(
               "PictureReading",
               "The picture claims %1 x %2 pixels, more than the %3 million I can read.")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPicturePixels / 1000000);
}

} // namespace platform
