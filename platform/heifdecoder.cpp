#include "platform/heifdecoder.h"

#include "platform/picturelimits.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>

#include <libheif/heif.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {
namespace {

template <typename T, void (*Free)(T*)> struct Releaser {
    void operator()(T* p) const {
        if (p)
            Free(p);
    }
};
using Context = std::unique_ptr<heif_context, Releaser<heif_context, heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle,
                               Releaser<const heif_image_handle, heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Releaser<const heif_image, heif_image_release>>;
using Options = std::unique_ptr<heif_decoding_options,
                                Releaser<heif_decoding_options, heif_decoding_options_free>>;

QString failure(const heif_error& error) {
    return QCoreApplication::translate("PictureReading", "The HEIF picture cannot be read: %1.")
        .arg(QString::fromUtf8(error.message));
}

// The smallest thumbnail the file keeps that still covers `target` (as shown)
// and lies the way the picture does, so that a phone's photo for a small pane
// is not decoded whole; none when there is no such thumbnail.
Handle coveringThumbnail(const heif_image_handle* primary, QSize target) {
    if (!target.isValid() || target.isEmpty())
        return {};
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0)
        return {};
    std::vector<heif_item_id> ids(std::size_t(count), 0);
    const int listed = heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count);
    const bool wide = heif_image_handle_get_width(primary) >= heif_image_handle_get_height(primary);
    Handle best;
    qint64 bestPixels = 0;
    for (int i = 0; i < listed; ++i) {
        heif_image_handle* found = nullptr;
        if (heif_image_handle_get_thumbnail(primary, ids[std::size_t(i)], &found).code !=
            heif_error_Ok)
            continue;
        Handle thumbnail(found);
        const int width = heif_image_handle_get_width(found);
        const int height = heif_image_handle_get_height(found);
        const qint64 pixels = qint64(width) * height;
        // A thumbnail larger than its picture is no thumbnail.
        if (width >= target.width() && height >= target.height() && (width >= height) == wide &&
            width <= heif_image_handle_get_width(primary) &&
            height <= heif_image_handle_get_height(primary) && (!best || pixels < bestPixels)) {
            best = std::move(thumbnail);
            bestPixels = pixels;
        }
    }
    return best;
}

} // namespace

bool isHeifHeader(const QByteArray& header) {
    if (header.size() < 12)
        return false;
    const heif_filetype_result type = heif_check_filetype(
        reinterpret_cast<const uint8_t*>(header.constData()), int(header.size()));
    return type == heif_filetype_yes_supported;
}

QImage decodeHeifData(const QByteArray& data, QSize targetSize, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QImage();
    };
    const Context context(heif_context_alloc());
    if (!context)
        return fail(QCoreApplication::translate("PictureReading", "Out of memory."));
    heif_error result = heif_context_read_from_memory_without_copy(context.get(), data.constData(),
                                                                   size_t(data.size()), nullptr);
    if (result.code != heif_error_Ok)
        return fail(failure(result));
    heif_image_handle* primary = nullptr;
    result = heif_context_get_primary_image_handle(context.get(), &primary);
    const Handle handle(primary);
    if (result.code != heif_error_Ok)
        return fail(failure(result));
    const QSize stored(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    if (const QString refusal = pictureSizeRefusal(stored); !refusal.isEmpty())
        return fail(refusal);
    // Nothing decoded may outgrow the size the picture declares: libheif then
    // refuses an overlay or a grid whose canvas claims more.
    heif_context_set_maximum_image_size_limit(context.get(),
                                              std::max(stored.width(), stored.height()) + 1);

    const Handle thumbnail = coveringThumbnail(primary, targetSize);
    const heif_image_handle* source = thumbnail ? thumbnail.get() : primary;
    const bool alpha = heif_image_handle_has_alpha_channel(source);
    const Options options(heif_decoding_options_alloc());
    heif_image* decodedImage = nullptr;
    // Deeper pictures come down to eight bits a channel in the conversion. Four
    // bytes a pixel even without alpha: Qt shrinks RGBX8888 as it is, while it
    // first converts RGB888 slowly (a third of a second for a 12-megapixel photo).
    result = heif_decode_image(source, &decodedImage, heif_colorspace_RGB,
                               heif_chroma_interleaved_RGBA, options.get());
    const Image decoded(decodedImage);
    if (result.code != heif_error_Ok)
        return fail(failure(result));
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decodedImage, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decodedImage, heif_channel_interleaved);
    const int height = heif_image_get_height(decodedImage, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return fail(
            QCoreApplication::translate("PictureReading", "The HEIF picture holds no pixels."));
    // A view of libheif's pixels, copied once: scaled when a size is asked for.
    const QImage view(pixels, width, height, stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    QImage image = targetSize.isValid() && !targetSize.isEmpty() && view.size() != targetSize
                       ? view.scaled(targetSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       : view.copy();
    if (!alpha)
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return opaque;
}

QImage decodeHeif(const QString& fileName, QSize targetSize, QString* error) {
    QFile file(fileName);
    // A compressed picture larger than the largest decoded one is no photograph.
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPicturePixels * 4) {
        if (error)
            *error = file.errorString();
        return {};
    }
    return decodeHeifData(file.readAll(), targetSize, error);
}

} // namespace platform
