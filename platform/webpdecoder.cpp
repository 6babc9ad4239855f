#include "platform/webpdecoder.h"

#include <webp/decode.h>

namespace platform {

QImage decodeWebpScaled(const QByteArray& data, QSize size) {
    if (!size.isValid() || size.isEmpty())
        return {};
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const size_t length = size_t(data.size());
    if (WebPGetFeatures(bytes, length, &config.input) != VP8_STATUS_OK ||
        config.input.has_animation)
        return {};
    QImage image(size, config.input.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    config.options.use_scaling = 1;
    config.options.scaled_width = size.width();
    config.options.scaled_height = size.height();
    // QImage's 32-bit formats hold blue, green, red, alpha in memory on this byte order.
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(bytes, length, &config);
    WebPFreeDecBuffer(&config.output);
    return status == VP8_STATUS_OK ? image : QImage();
}

} // namespace platform
