#include "platform/turbojpegdecoder.h"

#include <QFile>

#include <turbojpeg.h>

#include <memory>

namespace platform {

QImage decodeJpegCovering(const QString& fileName, QSize covering, qint64 limitBytes) {
    QFile file(fileName);
    // The compressed data is held whole; a file larger than any decoded result may
    // be is left to the caller's reader, which streams it.
    if (!file.open(QIODevice::ReadOnly) || file.size() > limitBytes)
        return {};
    const QByteArray bytes = file.readAll();
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    if (!handle)
        return {};
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.constData()));
    const auto size = static_cast<unsigned long>(bytes.size());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling,
                            &colourspace) != 0)
        return {};
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    QSize best(width, height);
    for (int i = 0; factors && i < count; ++i) {
        const QSize scaled(TJSCALED(width, factors[i]), TJSCALED(height, factors[i]));
        if (scaled.width() >= covering.width() && scaled.height() >= covering.height() &&
            qint64(scaled.width()) * scaled.height() < qint64(best.width()) * best.height())
            best = scaled;
    }
    if (qint64(best.width()) * best.height() * 4 > limitBytes)
        return {};
    QImage image(best, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // Format_RGB32 holds blue, green, red, unused in memory on little-endian machines.
    const int pixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    if (tjDecompress2(handle.get(), data, size, image.bits(), best.width(),
                      static_cast<int>(image.bytesPerLine()), best.height(), pixelFormat,
                      TJFLAG_STOPONWARNING) != 0)
        return {};
    return image;
}

} // namespace platform
