#include "editor/model/stage/projectthumbnail.h"

#include "editor/model/stage/boarddrawing.h"
#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/projectfile.h"
#include "platform/picturelimits.h"
#include "platform/picturesurface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace editor {
namespace {

// What the open takes as a project file.
constexpr qint64 kLargestProjectFile = 64 * 1024 * 1024;
// A pane's saved picture is a bitmap of the stage's pane, a few megabytes at most.
constexpr qint64 kLargestPictureFile = 32 * 1024 * 1024;
// Decoded whole, a picture other than a JPEG may take 32 MB; a JPEG is decoded
// at a fraction of its size, so the usual limit holds for it.
constexpr qint64 kMostDecodedPixels = qint64(2896) * 2896;
// File managers wait for a thumbnail; panes still to draw after this stay blank.
constexpr qint64 kPictureMilliseconds = 150;

QString translated(const char* text) {
    return QCoreApplication::translate("ProjectThumbnail", text);
}

// A file descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Opens a plain file of at most `largest` bytes; never waits on a pipe or device.
int openPlainFile(int folder, const QByteArray& name, int flags, qint64 largest) {
    Descriptor fd(
        ::openat(folder, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | flags));
    struct stat status {};
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > largest)
        return -1;
    return fd.release();
}

std::optional<ProjectFileValues> readProject(const QString& projectFile, QString* refusal) {
    const int fd = openPlainFile(AT_FDCWD, QFile::encodeName(projectFile), 0, kLargestProjectFile);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        *refusal = translated("It is not a project file of a size the editor opens.");
        return std::nullopt;
    }
    return readProjectFile(file.read(kLargestProjectFile + 1), refusal);
}

// The picture of `name`, directly in the folder `folder` and no link, at `side`
// pixels; null when it may not or cannot be read.
QImage readPanePicture(int folder, const QString& name, int side) {
    const Descriptor fd(
        openPlainFile(folder, QFile::encodeName(name), O_NOFOLLOW, kLargestPictureFile));
    if (fd.get() < 0)
        return {};
    // The file opened above, whatever its name now leads to.
    const QString opened = QStringLiteral("/proc/self/fd/%1").arg(fd.get());
    QImageReader reader(opened);
    reader.setDecideFormatFromContent(true);
    const QSize claimed = platform::claimedPictureSize(opened, reader.size());
    const qint64 pixels = qint64(claimed.width()) * claimed.height();
    if (!claimed.isValid() || (reader.format() != "jpeg" && pixels > kMostDecodedPixels))
        return {};
    return platform::readPicture(opened, nullptr, QSize(side, side));
}

} // namespace

QImage drawProjectThumbnail(const QString& projectFile, int size, QString* refusal) {
    QString reason;
    const std::optional<ProjectFileValues> values = readProject(projectFile, &reason);
    if (!values) {
        if (refusal)
            *refusal = reason;
        return {};
    }
    const int grid = values->GridSize;
    const int side = std::max(1, size / grid);
    QImage thumbnail(side * grid, side * grid, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const QImage blank = loadBlankPattern();
    const Descriptor folder(
        ::open(QFile::encodeName(projectPaths(projectFile).pictureFolder()).constData(),
               O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    QElapsedTimer clock;
    clock.start();
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int pane = 1; pane <= grid * grid; ++pane) {
        const QRect slot(((pane - 1) % grid) * side, ((pane - 1) / grid) * side, side, side);
        const QString& name = values->Panes[pane].PictureName;
        QImage picture;
        if (folder.get() >= 0 && pane <= values->PaneTotal && name != kNoPicture &&
            isSafePictureName(name) && clock.elapsed() < kPictureMilliseconds)
            picture = readPanePicture(folder.get(), pictureFileName(name, pane), side);
        if (picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(slot, blank);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        } else {
            painter.drawImage(slot, picture);
        }
    }
    return thumbnail;
}

bool writeProjectThumbnail(const QString& projectFile, const QString& pngFile, int size,
                           QString* error) {
    const QImage thumbnail = drawProjectThumbnail(projectFile, size, error);
    if (thumbnail.isNull())
        return false;
    QSaveFile out(pngFile);
    if (out.open(QIODevice::WriteOnly) && thumbnail.save(&out, "PNG") && out.commit())
        return true;
    if (error)
        *error = out.errorString();
    return false;
}

} // namespace editor
