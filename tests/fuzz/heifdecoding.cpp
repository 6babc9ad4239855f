// libheif's decoding of HEIC and AVIF over any data: the first byte picks the size
// the picture is asked for, the rest is the file. A picture is refused with a
// reason or comes back opaque, within the picture limits and at the size asked.
#include "fuzzcheck.h"
#include "platform/heifdecoder.h"
#include "platform/picturelimits.h"

#include <array>

namespace {

constexpr std::array<QSize, 4> kTargets = {QSize(), QSize(17, 17), QSize(201, 201), QSize(3, 300)};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QSize target = kTargets[data[0] % kTargets.size()];
    const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QString error;
    const QImage picture = platform::decodeHeifData(file, target, &error);
    if (picture.isNull()) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(picture.format() == QImage::Format_RGB32);
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= platform::kMaxPicturePixels);
    if (target.isValid())
        FUZZ_CHECK(picture.size() == target);
    return 0;
}
