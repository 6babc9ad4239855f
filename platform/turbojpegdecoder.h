#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Decodes a JPEG file with libjpeg-turbo's DCT scaling at the smallest size it
// offers that still covers `covering` in both directions, as stored (before any
// orientation tag is applied). Null when TurboJPEG cannot decode the file cleanly
// or the result (or the file itself) would need more than `limitBytes`; the
// caller then reads the file another way.
QImage decodeJpegCovering(const QString& fileName, QSize covering, qint64 limitBytes);

} // namespace platform
