#pragma once

// Pictures for the benchmarks: something like a photograph, soft gradients with
// grain, different for every pane, so that JPEG has real work to do.

#include <QImage>
#include <QRandomGenerator>

namespace bench {

inline QImage photoLikePicture(int pane, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(pane));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int grain = int(random.bounded(24));
            image.setPixel(x, y,
                           qRgb((x + pane) % 200 + grain, (y * 2 + pane * 3) % 200 + grain,
                                (x + y + pane * 7) % 200 + grain));
        }
    return image;
}

} // namespace bench
