// What a clipboard or a drag offers, over any content: the first byte picks the
// type the rest is offered as. Files come only from local addresses; a picture
// taken from the data is opaque and within the picture limits, or refused with a
// reason.
#include "fuzzcheck.h"
#include "platform/clipboardpictures.h"
#include "platform/picturelimits.h"

#include <QMimeData>
#include <QUrl>

#include <array>

namespace {

const std::array<const char*, 6> kTypes = {"image/png",     "image/jpeg",
                                           "text/uri-list", "x-special/gnome-copied-files",
                                           "image/heic",    "image/webp"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    QMimeData offered;
    offered.setData(QString::fromLatin1(kTypes[data[0] % kTypes.size()]),
                    QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    const platform::PictureOffer offer = platform::picturesOffered(offered);
    FUZZ_CHECK(offer.isEmpty() || platform::offersPictures(offered));
    for (const QString& file : offer.files)
        FUZZ_CHECK(!file.isEmpty() && QUrl::fromLocalFile(file).isLocalFile());
    if (!offer.files.isEmpty() || offer.isEmpty())
        return 0;
    QString error;
    const QImage picture = platform::offeredPicture(offer, &error);
    if (picture.isNull()) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(picture.format() == QImage::Format_RGB32);
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= platform::kMaxPicturePixels);
    return 0;
}
