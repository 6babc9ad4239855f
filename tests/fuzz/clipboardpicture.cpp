// What a clipboard or a drag offers, over any content: the first byte picks the
// type the rest is offered as. Files come only from local addresses, a browser's
// picture only from a web address; a picture taken from the data is opaque and
// within the picture limits, or refused with a reason.
#include "fuzzcheck.h"
#include "platform/browserdrags.h"
#include "platform/clipboardpictures.h"
#include "platform/picturedownload.h"
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
    // A browser's drag: the address to fetch, found in its addresses or its HTML,
    // is a web address or none.
    const QByteArray content(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QMimeData page;
    page.setData(QStringLiteral("text/html"), content);
    for (const QMimeData* drag : std::array<const QMimeData*, 2>{&offered, &page}) {
        const QUrl address = platform::draggedPictureAddress(*drag);
        FUZZ_CHECK(address.isEmpty() || platform::isWebAddress(address));
    }
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
