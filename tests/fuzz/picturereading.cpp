// The editor's picture reading over any file: the first byte picks the size the
// picture is read for, the rest is the file. A picture is refused with a reason or
// comes back opaque, upright and no larger than asked; the scaled JPEG decoding
// covers the size it is asked for.
#include "fuzzcheck.h"
#include "platform/picturelimits.h"
#include "platform/picturesurface.h"
#include "platform/turbojpegdecoder.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <array>

namespace {

// No size (the close-up's full picture), pane sizes, and shapes the editor never asks for.
constexpr std::array<QSize, 6> kTargets = {QSize(),       QSize(17, 17), QSize(201, 201),
                                           QSize(64, 48), QSize(3, 300), QSize(1, 1)};

const QString& pictureFile() {
    static QTemporaryDir folder;
    static const QString file = folder.filePath(QStringLiteral("Picture01.jpg"));
    return file;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QSize target = kTargets[data[0] % kTargets.size()];
    {
        QFile file(pictureFile());
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }

    QImageReader reader(pictureFile());
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;

    QString error;
    const QImage picture = platform::readPicture(pictureFile(), &error, target);
    if (picture.isNull()) {
        FUZZ_CHECK(!error.isEmpty());
    } else {
        FUZZ_CHECK(picture.format() == QImage::Format_RGB32);
        FUZZ_CHECK(qint64(picture.width()) * picture.height() <= platform::kMaxPicturePixels);
        if (target.isValid())
            FUZZ_CHECK(picture.width() <= target.width() && picture.height() <= target.height());
        else if (stored.isValid() && reader.format() == "jpeg")
            FUZZ_CHECK(picture.size() == (turned ? stored.transposed() : stored));
    }

    if (reader.format() == "jpeg" && target.isValid() && stored.isValid()) {
        const QImage scaled = platform::decodeJpegCovering(pictureFile(), target, 64 * 1024 * 1024);
        if (!scaled.isNull())
            FUZZ_CHECK(scaled.size() == stored ||
                       (scaled.width() >= target.width() && scaled.height() >= target.height() &&
                        scaled.width() <= stored.width() && scaled.height() <= stored.height()));
    }
    return 0;
}
