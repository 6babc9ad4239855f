#include "platform/turbojpegencoder.h"

#include <turbojpeg.h>

#include <memory>

namespace platform {

QByteArray TurboJpegEncoder::encodeBottomUpBgr(const unsigned char* pixels, int width, int rowBytes,
                                               int height, int quality, QString* error) {
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(), tjDestroy);
    if (!handle) {
        if (error)
            *error = QString::fromLocal8Bit(tjGetErrorStr2(nullptr));
        return {};
    }
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int result = tjCompress2(handle.get(), pixels, width, rowBytes, height, TJPF_BGR, &jpeg,
                                   &jpegSize, TJSAMP_420, quality, TJFLAG_BOTTOMUP);
    QByteArray bytes;
    if (result == 0)
        bytes = QByteArray(reinterpret_cast<const char*>(jpeg), static_cast<qsizetype>(jpegSize));
    else if (error)
        *error = QString::fromLocal8Bit(tjGetErrorStr2(handle.get()));
    tjFree(jpeg);
    return bytes;
}

} // namespace platform
