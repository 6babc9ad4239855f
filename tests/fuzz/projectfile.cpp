// The project-file reader over any bytes. What it accepts goes into a fresh
// project with every picture inside the picture folder and the work folder, and
// once written back it reads again to the same project.
#include "editor/model/storage/projectfile.h"
#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/workfolder.h"
#include "fuzzcheck.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

using namespace editor;

namespace {

struct Folders {
    QTemporaryDir base;
    std::unique_ptr<WorkFolder> work;
    QString pictures;
};

const Folders& folders() {
    static const Folders made = [] {
        Folders f;
        QString error;
        f.work = WorkFolder::create(f.base.path(), QString(), &error);
        f.pictures = f.base.filePath(QStringLiteral("Trip_Data"));
        return f;
    }();
    return made;
}

// Whether `path` names the file `fileName` directly inside `folder`, however a
// file system or Qt would read it.
bool isFileInFolder(const QString& path, const QString& folder, const QString& fileName) {
    const QFileInfo file(path);
    return !path.startsWith(QLatin1Char(':')) && file.isAbsolute() &&
           QDir::cleanPath(path) == path && file.absolutePath() == QDir::cleanPath(folder) &&
           file.fileName() == fileName;
}

void checkPictures(const ProjectRecord& project, int paneTotal) {
    for (int p = 1; p <= kLastPane; ++p) {
        const PaneRecord& pane = project.Panes[p];
        if (!pane.hasSourcePicture()) {
            FUZZ_CHECK(!pane.hasWorkPicture() && pane.PictureName == kNoPicture);
            continue;
        }
        FUZZ_CHECK(p <= paneTotal);
        const QString file = pictureFileName(pane.PictureName, p);
        FUZZ_CHECK(isFileInFolder(pane.SourcePicture, folders().pictures, file));
        FUZZ_CHECK(isFileInFolder(pane.WorkPicture, folders().work->path(), file));
    }
}

void checkSameProject(const ProjectRecord& a, const ProjectRecord& b, int paneTotal) {
    FUZZ_CHECK(a.GridSize == b.GridSize && a.BoardCount == b.BoardCount);
    FUZZ_CHECK(a.BoardTitle == b.BoardTitle && a.FooterText == b.FooterText);
    FUZZ_CHECK(a.GridHighlight == b.GridHighlight && a.MoveHighlight == b.MoveHighlight);
    for (int p = 1; p <= std::min(paneTotal, kLastPane); ++p) {
        const PaneRecord& x = a.Panes[p];
        const PaneRecord& y = b.Panes[p];
        FUZZ_CHECK(x.PictureName == y.PictureName && x.SourcePicture == y.SourcePicture &&
                   x.WorkPicture == y.WorkPicture);
        FUZZ_CHECK(x.Label == y.Label && x.Text == y.Text && x.URL == y.URL);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    FUZZ_CHECK(folders().work != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString refusal;
    const std::optional<ProjectFileValues> values = readProjectFile(bytes, &refusal);
    if (!values) {
        FUZZ_CHECK(!refusal.isEmpty());
        return 0;
    }
    // Only a project the editor can hold opens.
    FUZZ_CHECK(values->GridSize >= kMinGridSize && values->GridSize <= kMaxGridSize);
    FUZZ_CHECK(values->BoardCount >= 1 && values->BoardCount <= maxBoards(values->GridSize));

    const auto opened = std::make_unique<ProjectRecord>();
    applyProjectFile(*opened, *values, folders().pictures, *folders().work);
    FUZZ_CHECK(opened->GridSize == values->GridSize && opened->BoardCount == values->BoardCount);
    checkPictures(*opened, values->PaneTotal);

    QByteArray written;
    QBuffer device(&written);
    device.open(QIODevice::WriteOnly);
    FUZZ_CHECK(
        writeProjectFile(*opened, values->PaneTotal, opened->BoardCount, opened->GridSize, device));
    const std::optional<ProjectFileValues> again = readProjectFile(written, &refusal);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->PaneTotal == values->PaneTotal);
    const auto reopened = std::make_unique<ProjectRecord>();
    applyProjectFile(*reopened, *again, folders().pictures, *folders().work);
    checkSameProject(*opened, *reopened, values->PaneTotal);
    return 0;
}
