#include "platform/picturesurface.h"

#include "platform/heifdecoder.h"
#include "platform/numbers.h"
#include "platform/picturelimits.h"
#include "platform/turbojpegdecoder.h"
#include "platform/webpdecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace platform {
namespace {

constexpr QImage::Format kFormat = QImage::Format_RGB32;

QImage blankImage(QSize size, QColor background) {
    QImage image(size.expandedTo(QSize(0, 0)), kFormat);
    image.fill(background);
    return image;
}

// Mirrors and turns as an orientation tag says.
QImage upright(QImage image, QImageIOHandler::Transformations turn) {
    if (turn & (QImageIOHandler::TransformationMirror | QImageIOHandler::TransformationFlip))
        image = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                               turn & QImageIOHandler::TransformationFlip);
    if (turn & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// Reads from `reader` what the platform's own decoders did not take. `jpegFile`
// names the file when the picture is one, for TurboJPEG's scaled decoding.
QImage readWith(QImageReader& reader, QSize claimed, const QString& jpegFile, QString* error,
                QSize targetSize) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false); // turned below, whichever way the picture is decoded
    const QSize full = reader.size();
    if (const QString refusal = pictureSizeRefusal(claimed.expandedTo(full)); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return {};
    }
    // Camera pictures show upright, as picture viewers show them; a target size
    // applies to the picture as stored, before it is turned.
    const QImageIOHandler::Transformations turn = reader.transformation();
    if (turn & QImageIOHandler::TransformationRotate90)
        targetSize.transpose();
    const bool shrink = targetSize.isValid() && !targetSize.isEmpty() && full.isValid() &&
                        (full.width() > targetSize.width() || full.height() > targetSize.height());
    QImage image;
    if (shrink && !jpegFile.isEmpty() && reader.format() == "jpeg") {
        // Straight from the compressed data at a fraction of the size, then
        // area-averaged to the exact size. Qt's reader holds to the same limit.
        const qint64 limitMegabytes = QImageReader::allocationLimit();
        image = decodeJpegCovering(jpegFile, targetSize,
                                   limitMegabytes > 0 ? limitMegabytes * 1024 * 1024
                                                      : kMaxPicturePixels * 4);
        if (!image.isNull() && image.size() != targetSize)
            image = image.scaled(targetSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (shrink && reader.format() == "webp" && reader.device() &&
        reader.device()->size() <= kMaxPicturePixels) {
        // Qt's WebP reader decodes whole; libwebp scales while it decodes.
        QIODevice* device = reader.device();
        const qint64 at = device->pos();
        if (device->seek(0)) {
            image = decodeWebpScaled(device->readAll(), targetSize);
            device->seek(at);
        }
    }
    if (image.isNull()) {
        if (shrink)
            reader.setScaledSize(targetSize); // area averaging
        image = reader.read();
        if (image.isNull()) {
            if (error)
                *error = reader.errorString();
            return {};
        }
        // A GIF's reader reports its first frame's size but decodes its whole screen.
        if (targetSize.isValid() && !targetSize.isEmpty() &&
            (image.width() > targetSize.width() || image.height() > targetSize.height()))
            image = image.scaled(targetSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image = upright(image, turn);
    if (!image.hasAlphaChannel())
        return image.convertToFormat(kFormat);
    // Transparent parts show the white of the paper.
    QImage opaque = blankImage(image.size(), Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

// Enough of a file's start to tell a HEIF container.
constexpr qint64 kHeaderBytes = 64;

} // namespace

QImage readPicture(const QString& fileName, QString* error, QSize targetSize) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && isHeifHeader(file.read(kHeaderBytes)))
        return decodeHeif(fileName, targetSize, error);
    file.close();
    QImageReader reader(fileName);
    return readWith(reader, claimedPictureSize(fileName, {}), fileName, error, targetSize);
}

QStringList pictureExtensions() {
    return {QStringLiteral("bmp"),  QStringLiteral("gif"),  QStringLiteral("jpg"),
            QStringLiteral("jpeg"), QStringLiteral("jpe"),  QStringLiteral("png"),
            QStringLiteral("webp"), QStringLiteral("tif"),  QStringLiteral("tiff"),
            QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("avif")};
}

QImage readPictureData(const QByteArray& data, QString* error, QSize targetSize) {
    if (isHeifHeader(data.left(kHeaderBytes)))
        return decodeHeifData(data, targetSize, error);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readWith(reader, claimedPictureSizeOf(data.left(kClaimHeaderBytes), {}), {}, error,
                    targetSize);
}

QRect logicalRect(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    return QRect(0, 0, static_cast<int>(std::floor(image.width() / ratio + 1e-6)),
                 static_cast<int>(std::floor(image.height() / ratio + 1e-6)));
}

PictureSurface::PictureSurface(QSize size, QColor background, qreal devicePixelRatio)
    : m_size(size.expandedTo(QSize(0, 0))), m_ratio(devicePixelRatio), m_background(background) {
    m_image = emptyImage(m_size);
}

QImage PictureSurface::emptyImage(QSize size) const {
    QImage image =
        blankImage(QSize(devicePixels(size.width(), m_ratio), devicePixels(size.height(), m_ratio)),
                   m_background);
    image.setDevicePixelRatio(m_ratio);
    return image;
}

void PictureSurface::resize(QSize size) {
    resize(size, m_ratio);
}

void PictureSurface::resize(QSize size, qreal devicePixelRatio) {
    size = size.expandedTo(QSize(0, 0));
    if (size == m_size && devicePixelRatio == m_ratio && !m_image.isNull())
        return;
    m_size = size;
    m_ratio = devicePixelRatio;
    QImage resized = emptyImage(size);
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
}

void PictureSurface::clear() {
    QImage cleared = emptyImage(m_size);
    if (!m_picture.isNull()) {
        QPainter painter(&cleared);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_picture);
    }
    m_image = cleared;
}

void PictureSurface::clearPicture() {
    m_picture = QImage();
    clear();
}

void PictureSurface::setPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(kFormat);
    m_image = m_picture;
    m_ratio = picture.devicePixelRatio();
    m_size = logicalRect(picture).size();
}

void PictureSurface::makePersistent() {
    m_picture = m_image;
}

bool PictureSurface::load(const QString& fileName, QString* error, QSize targetSize) {
    const QImage picture = readPicture(fileName, error, targetSize);
    if (picture.isNull())
        return false;
    setPicture(picture);
    return true;
}

void PictureSurface::stretchDraw(const QImage& source, int x, int y, int width, int height,
                                 Stretch mode) {
    stretchDraw(source, source.rect(), x, y, width, height, mode);
}

void PictureSurface::stretchDraw(const QImage& source, const QRect& sourceRect, int x, int y,
                                 int width, int height, Stretch mode) {
    if (source.isNull() || width == 0 || height == 0 || m_image.isNull())
        return;
    // A negative extent runs from the corner backwards, the corner included.
    const bool mirrorX = width < 0;
    const bool mirrorY = height < 0;
    const QRect target(mirrorX ? x + width + 1 : x, mirrorY ? y + height + 1 : y, std::abs(width),
                       std::abs(height));
    QImage part = source.copy(sourceRect);
    if (mirrorX || mirrorY)
        part = part.mirrored(mirrorX, mirrorY);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, mode == Stretch::Smooth);
    painter.drawImage(target, part);
}

void PictureSurface::copyBlock(const QImage& source, const QRect& sourceRect, QPoint to) {
    if (source.isNull() || m_image.isNull())
        return;
    const qreal sourceRatio = source.devicePixelRatio();
    const int left = deviceCoordinate(sourceRect.left(), sourceRatio);
    const int top = deviceCoordinate(sourceRect.top(), sourceRatio);
    const QRect block =
        QRect(QPoint(left, top),
              QPoint(devicePixels(sourceRect.left() + sourceRect.width(), sourceRatio) - 1,
                     devicePixels(sourceRect.top() + sourceRect.height(), sourceRatio) - 1))
            .intersected(source.rect());
    // Both pictures seen at one device pixel a unit, so nothing is scaled.
    QImage target(m_image.bits(), m_image.width(), m_image.height(), m_image.bytesPerLine(),
                  m_image.format());
    const QImage from(source.constBits(), source.width(), source.height(), source.bytesPerLine(),
                      source.format());
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(deviceCoordinate(to.x(), m_ratio), deviceCoordinate(to.y(), m_ratio)),
                      from, block);
}

void PictureSurface::fillRect(const QRect& rect, QColor colour) {
    QPainter painter(&m_image);
    painter.fillRect(rect, colour);
}

void PictureSurface::setPen(int width, QColor colour) {
    m_penWidth = width;
    m_penColour = colour;
}

void PictureSurface::drawLine(QPoint from, QPoint to) {
    QPainter painter(&m_image);
    painter.setPen(QPen(m_penColour, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(from, to);
}

void PictureSurface::drawRect(const QRect& rect) {
    QPainter painter(&m_image);
    painter.setPen(QPen(m_penColour, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

void PictureSurface::drawXorLine(QPoint from, QPoint to, QColor colour, int width) {
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(from, to);
}

void PictureSurface::drawBoldText(QPoint topLeft, const QString& text, QColor colour, QFont font) {
    font.setBold(true);
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
}

bool PictureSurface::saveBitmap(const QString& fileName, QString* error) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !m_image.save(&file, "BMP") || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
