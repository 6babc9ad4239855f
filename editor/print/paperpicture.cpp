#include "editor/print/paperpicture.h"

#include "platform/picturesurface.h"
#include "platform/turbojpegdecoder.h"

#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace editor {
namespace {

// The largest JPEG file checked whole; a larger one is printed from its bitmap.
constexpr qint64 kLargestJpegBytes = qint64(512) * 1024 * 1024;

// A JPEG cut short still reads, grey where its data is missing; decoding it at
// its smallest scale finds the cut at little cost.
bool decodesWhole(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "jpeg")
        return true;
    return !platform::decodeJpegCovering(file, QSize(1, 1), kLargestJpegBytes).isNull();
}

// The picture's size as it stands upright, from its header alone.
QSize uprightSize(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)
               ? stored.transposed()
               : stored;
}

// The size a picture of `size` is drawn at in `box`, never enlarged: in its own
// shape, or in the box's.
QSize sizeIn(QSize size, QSize box, bool keepProportions) {
    if (size.isEmpty())
        return box;
    if (keepProportions)
        return size.width() <= box.width() && size.height() <= box.height()
                   ? size
                   : size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const qreal shrink = std::min(1.0, qreal(std::max(size.width(), size.height())) /
                                           std::max(box.width(), box.height()));
    return (QSizeF(box) * shrink).toSize().expandedTo(QSize(1, 1));
}

QImage fitted(const QImage& picture, QSize box, bool keepProportions) {
    const QSize size = sizeIn(picture.size(), box, keepProportions);
    if (picture.size() == size)
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage paperPicture(const PaneRecord& pane, QSize box, bool keepProportions) {
    if (box.isEmpty())
        return {};
    // The source only while it is the picture the stage shows, read whole.
    if (pane.sourceIsAsPrepared() && decodesWhole(pane.SourcePicture)) {
        const QSize target = sizeIn(uprightSize(pane.SourcePicture), box, keepProportions);
        const QImage source = platform::readPicture(pane.SourcePicture, nullptr, target);
        if (!source.isNull())
            return fitted(source, box, keepProportions).mirrored(pane.FlipH != 0, pane.FlipV != 0);
    }
    if (pane.hasWorkPicture()) {
        const QImage prepared = platform::readPicture(pane.WorkPicture, nullptr, box);
        if (!prepared.isNull())
            return fitted(prepared, box, keepProportions);
    }
    return {};
}

qreal paperCellAspect(const ProjectRecord& project, const PaperOptions& options) {
    if (!options.keepProportions)
        return 1;
    const int last = std::clamp(options.lastBoard, 1, static_cast<int>(project.BoardCount));
    const int first = std::clamp(options.firstBoard, 1, last);
    // Shapes counted to a hundredth, so 1920 x 1080 and 1280 x 720 are one shape.
    QHash<int, int> counts;
    int commonest = 100;
    int most = 0;
    for (int pane = project.firstPaneOfBoard(first);
         pane < project.firstPaneOfBoard(last) + project.panesPerBoard(); ++pane) {
        const PaneRecord& record = project.Panes[pane];
        if (!record.sourceIsAsPrepared())
            continue;
        const QSize size = uprightSize(record.SourcePicture);
        if (size.isEmpty())
            continue;
        const int shape = static_cast<int>(std::lround(100.0 * size.width() / size.height()));
        const int count = ++counts[shape];
        if (count > most) {
            most = count;
            commonest = shape;
        }
    }
    return commonest / 100.0;
}

} // namespace editor
