#pragma once

#include "platform/jpegencoder.h"

namespace platform {

// libjpeg-turbo's TurboJPEG API, 4:2:0 chroma subsampling.
class TurboJpegEncoder final : public JpegEncoder {
public:
    QByteArray encodeBottomUpBgr(const unsigned char* pixels, int width, int rowBytes, int height,
                                 int quality, QString* error) override;
};

} // namespace platform
