#include "editor/print/paperpicture.h"

#include "platform/picturesurface.h"

#include <algorithm>

namespace editor {
namespace {

QImage squareAtMost(const QImage& picture, int maxSide) {
    const int side = std::min(maxSide, std::max(picture.width(), picture.height()));
    if (picture.size() == QSize(side, side))
        return picture;
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage paperPicture(const PaneRecord& pane, int maxSide) {
    if (maxSide <= 0)
        return {};
    const QSize target(maxSide, maxSide);
    if (pane.hasSourcePicture()) {
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
