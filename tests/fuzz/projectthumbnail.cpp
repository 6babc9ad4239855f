// The thumbnailer over any project file, beside a picture folder that holds a
// picture of its own, a link to a picture outside it and a pipe. What the reader
// refuses gives no thumbnail; what it accepts gives a square of whole panes no
// larger than asked, in which nothing from outside the folder shows.
#include "editor/model/stage/projectthumbnail.h"
#include "editor/model/storage/projectfile.h"
#include "fuzzcheck.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace editor;

namespace {

const QRgb kOutside = qRgb(0, 255, 0);

struct Folder {
    QTemporaryDir base;
    QString project;
};

const Folder& folder() {
    static const Folder made = [] {
        Folder f;
        const QDir base(f.base.path());
        base.mkpath(QStringLiteral("Trip_Data"));
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(base.filePath(QStringLiteral("Trip_Data/Image01-0001.bmp")), "BMP");
        picture.fill(kOutside);
        picture.save(base.filePath(QStringLiteral("Outside.bmp")), "BMP");
        for (const char* name : {"Image01-0002.bmp", "Image02-0001.bmp", "none-0002.bmp"})
            QFile::link(base.filePath(QStringLiteral("Outside.bmp")),
                        base.filePath(QStringLiteral("Trip_Data/") + QLatin1String(name)));
        ::mkfifo(QFile::encodeName(base.filePath(QStringLiteral("Trip_Data/Image01-0003.bmp"))),
                 0600);
        f.project = base.filePath(QStringLiteral("Trip.vv1"));
        return f;
    }();
    return made;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    FUZZ_CHECK(folder().base.isValid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    // The first byte chooses the size asked for, 1 to 256 pixels.
    const int side = data[0] + 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    {
        QFile file(folder().project);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    QString refusal;
    const QImage thumbnail = drawProjectThumbnail(folder().project, side, &refusal);
    QString readerRefusal;
    const std::optional<ProjectFileValues> values = readProjectFile(bytes, &readerRefusal);
    FUZZ_CHECK(thumbnail.isNull() == !values.has_value());
    if (!values) {
        FUZZ_CHECK(!refusal.isEmpty());
        return 0;
    }
    const int grid = values->GridSize;
    const int pane = std::max(1, side / grid);
    FUZZ_CHECK(thumbnail.width() == thumbnail.height());
    FUZZ_CHECK(thumbnail.width() == pane * grid);
    FUZZ_CHECK(side < grid || thumbnail.width() <= side);
    for (int y = 0; y < thumbnail.height(); ++y)
        for (int x = 0; x < thumbnail.width(); ++x)
            FUZZ_CHECK(thumbnail.pixel(x, y) != kOutside);
    return 0;
}
