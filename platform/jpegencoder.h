#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Encodes a 24-bit picture held the way a device-independent bitmap holds it:
// rows bottom-up, blue-green-red byte order, each row `rowBytes` long (padded).
class JpegEncoder {
public:
    virtual ~JpegEncoder() = default;

    // The encoded file's bytes, or an empty array with `error` set.
    virtual QByteArray encodeBottomUpBgr(const unsigned char* pixels, int width, int rowBytes,
                                         int height, int quality, QString* error) = 0;
};

} // namespace platform
