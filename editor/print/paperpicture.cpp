#include "editor/print/paperpicture.h"

#include "platform/picturesurface.h"
#include "platform/turbojpegdecoder.h"

#include <QImageReader>

#include <algorithm>

namespace editor {
namespace {

// The largest JPEG file checked whole; a larger one is printed from its bitmap.
constexpr qint64 kLargestJpegBytes = qint64(512) * 1024 * 1024;

QImage squareAtMost(const QImage& picture, int maxSide) {
    const int side = std::min(maxSide, std::max(picture.width(), picture.height()));
    if (picture.size() == QSize(side, side))
        return picture;
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A JPEG cut short still reads, grey where its data is missing; decoding it at
// its smallest scale finds the cut at little cost.
bool decodesWhole(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "jpeg")
        return true;
    return !platform::decodeJpegCovering(file, QSize(1, 1), kLargestJpegBytes).isNull();
}

} // namespace

QImage paperPicture(const PaneRecord& pane, int maxSide) {
    if (maxSide <= 0)
        return {};
    const QSize target(maxSide, maxSide);
    // The source only while it is the picture the stage shows, read whole.
    if (pane.sourceIsAsPrepared() && decodesWhole(pane.SourcePicture)) {
        const QImage source = platform::readPicture(pane.SourcePicture, nullptr, target);
        if (!source.isNull())
            return squareAtMost(source, maxSide).mirrored(pane.FlipH != 0, pane.FlipV != 0);
    }
    if (pane.hasWorkPicture()) {
        const QImage prepared = platform::readPicture(pane.WorkPicture, nullptr, target);
        if (!prepared.isNull())
            return squareAtMost(prepared, maxSide);
    }
    return {};
}

} // namespace editor
