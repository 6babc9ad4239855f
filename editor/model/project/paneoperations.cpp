#include "editor/model/project/paneoperations.h"

#include "platform/picturesurface.h"

#include <algorithm>

namespace editor {
namespace {

struct PictureFields {
    QString WorkPicture;
    QString SourcePicture;
    qint16 FlipH = 0;
    qint16 FlipV = 0;
    QString PictureName;
    SourceStamp Stamp;
};

qint16 toggled(qint16 flag) {
    return flag == 0 ? 1 : 0;
}

} // namespace

bool flipPaneImage(ProjectRecord& project, int pane, int size, FlipDirection direction,
                   QString* error) {
    PaneRecord& record = project.Panes[pane];
    if (!record.hasWorkPicture())
        return true;
    QString failure;
    QImage image = platform::readPicture(record.WorkPicture, &failure);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(record.WorkPicture, failure);
        return false;
    }
    if (image.size() != QSize(size, size))
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // An exact mirror: a stretched drawing with a one pixel longer extent would
    // shift a column at each flip and never come back to the same picture.
    const bool horizontal = direction == FlipDirection::Horizontal;
    platform::PictureSurface flipped;
    flipped.setPicture(image.mirrored(horizontal, !horizontal));
    if (!flipped.saveBitmap(record.WorkPicture, &failure)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(record.WorkPicture, failure);
        return false;
    }
    if (horizontal)
        record.FlipH = toggled(record.FlipH);
    else
        record.FlipV = toggled(record.FlipV);
    return true;
}

QList<int> ShuffleOrder(int n, int offset, const std::function<double()>& random) {
    QList<int> pool;
    for (int i = 1; i <= n; ++i)
        pool << i;
    QList<int> order;
    while (!pool.isEmpty()) {
        const auto remaining = pool.size();
        const auto index =
            std::clamp(static_cast<qsizetype>(remaining * random()), qsizetype(0), remaining - 1);
        order << offset + pool.takeAt(index);
    }
    return order;
}

void movePictures(ProjectRecord& project, int offset, const QList<int>& order) {
    QList<PictureFields> kept;
    for (int i = 1; i <= order.size(); ++i) {
        const PaneRecord& pane = project.Panes[offset + i];
        kept.append({pane.WorkPicture, pane.SourcePicture, pane.FlipH, pane.FlipV, pane.PictureName,
                     pane.Stamp});
    }
    for (int i = 1; i <= order.size(); ++i) {
        const PictureFields& from = kept.at(order.at(i - 1) - offset - 1);
        PaneRecord& to = project.Panes[offset + i];
        to.WorkPicture = from.WorkPicture;
        to.SourcePicture = from.SourcePicture;
        to.FlipH = from.FlipH;
        to.FlipV = from.FlipV;
        to.PictureName = from.PictureName;
        to.Stamp = from.Stamp;
    }
}

} // namespace editor
