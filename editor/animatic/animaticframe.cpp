#include "editor/animatic/animaticframe.h"

#include "platform/picturesurface.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace editor {
namespace {

// The caption band takes a fifth of the frame; its text stays legible on a phone.
constexpr int kCaptionBandDivisor = 5;
constexpr int kCaptionFontDivisor = 24;
constexpr int kCardFontDivisor = 12;

// The size a picture of `stored` pixels shows at in `area`.
QSize placedSize(QSize stored, QRect area, bool keepProportions) {
    if (!keepProportions || stored.isEmpty())
        return area.size();
    return stored.scaled(area.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QSize storedUprightSize(const QString& fileName) {
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

QImage readAt(const QString& fileName, QRect area, bool keepProportions) {
    const QSize stored = storedUprightSize(fileName);
    if (!stored.isValid())
        return {};
    const QSize target = placedSize(stored, area, keepProportions);
    QImage picture = platform::readPicture(fileName, nullptr, target);
    if (!picture.isNull() && picture.size() != target)
        picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

QFont captionFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(pixelSize, 8));
    font.setBold(true);
    return font;
}

} // namespace

QRect animaticPictureArea(QSize frameSize, const AnimaticOptions& options) {
    if (!options.captions)
        return QRect(QPoint(0, 0), frameSize);
    return QRect(0, 0, frameSize.width(),
                 frameSize.height() - frameSize.height() / kCaptionBandDivisor);
}

QImage animaticPicture(const PaneRecord& pane, QSize frameSize, const AnimaticOptions& options) {
    const QRect area = animaticPictureArea(frameSize, options);
    if (area.isEmpty())
        return {};
    if (pane.hasSourcePicture()) {
        const QImage source = readAt(pane.SourcePicture, area, options.keepProportions);
        if (!source.isNull())
            return source.mirrored(pane.FlipH != 0, pane.FlipV != 0)
                .convertToFormat(QImage::Format_RGB32);
    }
    if (pane.hasWorkPicture())
        return readAt(pane.WorkPicture, area, options.keepProportions)
            .convertToFormat(QImage::Format_RGB32);
    return {};
}

QImage drawAnimaticFrame(const AnimaticShot& shot, const QImage& picture, QSize frameSize,
                         const AnimaticOptions& options) {
    QImage frame(frameSize, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    if (shot.kind != AnimaticShot::Kind::Pane) {
        painter.setFont(captionFont(frameSize.height() / kCardFontDivisor));
        const int margin = frameSize.width() / 10;
        painter.drawText(frame.rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, shot.caption);
        return frame;
    }
    const QRect area = animaticPictureArea(frameSize, options);
    if (!picture.isNull()) {
        QRect placed(QPoint(0, 0), picture.size());
        placed.moveCenter(area.center());
        painter.drawImage(placed.topLeft(), picture);
    }
    if (!options.captions || shot.caption.isEmpty())
        return frame;
    const QRect band(0, area.bottom() + 1, frameSize.width(), frameSize.height() - area.height());
    const int pixelSize = frameSize.height() / kCaptionFontDivisor;
    painter.setFont(captionFont(pixelSize));
    const QRect textSpace = band.adjusted(pixelSize, pixelSize / 3, -pixelSize, -pixelSize / 3);
    QRect box = painter.boundingRect(textSpace, Qt::AlignCenter | Qt::TextWordWrap, shot.caption)
                    .intersected(textSpace);
    box.adjust(-pixelSize / 2, -pixelSize / 4, pixelSize / 2, pixelSize / 4);
    painter.fillRect(box, QColor(40, 40, 40));
    painter.drawText(textSpace, Qt::AlignCenter | Qt::TextWordWrap, shot.caption);
    return frame;
}

} // namespace editor
