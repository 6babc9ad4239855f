#pragma once

#include <QImage>

namespace testsupport {

inline constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                      kYellow = 0xFFFFFF00;

// Red, green / blue, yellow quadrants: any turn, mirror or swapped colour channel shows.
inline QImage quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           y < h / 2 ? (x < w / 2 ? kRed : kGreen) : (x < w / 2 ? kBlue : kYellow));
    return image;
}

} // namespace testsupport
