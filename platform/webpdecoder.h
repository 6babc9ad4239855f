#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace platform {

// Decodes a still WebP picture with libwebp straight at `size`, as stored:
// its decoder scales each row as it comes, so the whole picture is never held
// (Qt's WebP reader decodes it whole and leaves the scaling to the caller).
// Transparent parts keep their alpha. Null when libwebp cannot decode it so
// (an animation, a broken file); the caller then reads it another way.
QImage decodeWebpScaled(const QByteArray& data, QSize size);

} // namespace platform
