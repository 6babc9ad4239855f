// The page generator over hostile texts and names: the first byte holds the
// export's options, the second the page grid, then comes the chosen page file's
// title up to a line feed, then a project file. Every page is Windows-1252 text
// that reads back as the characters generated, and its pictures and its "Next"
// link resolve to the files the export writes, inside the export folder.
#include "editor/export/pagegenerator.h"
#include "editor/export/htmlwordtable.h"
#include "editor/model/storage/projectfile.h"
#include "editor/model/storage/workfolder.h"
#include "fuzzcheck.h"
#include "platform/cp1252.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

using namespace editor;

namespace {

const QString kExportFolder = QStringLiteral("/export");

const WorkFolder& workFolder() {
    static QTemporaryDir base;
    static const std::unique_ptr<WorkFolder> folder =
        WorkFolder::create(base.path(), QString(), nullptr);
    return *folder;
}

// What a browser makes of numeric character references ("&#8364;").
QString withReferencesRead(const QString& text) {
    static const QRegularExpression reference(QStringLiteral("&#([0-9]{1,7});"));
    QString read;
    qsizetype from = 0;
    for (auto match = reference.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const uint code = found.captured(1).toUInt();
        if (code == 0 || code > 0x10FFFF || QChar::isSurrogate(code))
            continue;
        read += QStringView(text).mid(from, found.capturedStart() - from);
        read += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        from = found.capturedEnd();
    }
    return read + text.mid(from);
}

// The values of every `attribute="..."` in the page. Pane texts go into the page
// as HTML, so a text may hold an unfinished `src="` of its own: a value never
// spans a tag's end or a line, as the generator's own (percent-encoded) never do.
QStringList attributeValues(const QString& page, const QString& attribute) {
    const QRegularExpression pattern(attribute + QStringLiteral("=\"([^\"<>\r\n]*)\""));
    QStringList values;
    for (auto match = pattern.globalMatch(page); match.hasNext();)
        values << match.next().captured(1);
    return values;
}

// Whether one of `references`, followed from `page`, reaches the file `target`.
bool referencesFile(const QStringList& references, const QString& page, const QString& target) {
    const QUrl base = QUrl::fromLocalFile(page);
    for (const QString& reference : references) {
        const QUrl url = base.resolved(QUrl(reference, QUrl::StrictMode));
        if (url.isLocalFile() && url.toLocalFile() == target)
            return true;
    }
    return false;
}

bool liesInExportFolder(const QString& file) {
    return QFileInfo(file).absolutePath() == kExportFolder;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    ExportOptions options;
    options.wideScale = data[0] & 1;
    options.labelsInTitles = data[0] & 2;
    options.labelsAsAlt = data[0] & 4;
    options.paneNumbers = data[0] & 8;
    options.linkBorders = data[0] & 16;
    options.boardTitle = data[0] & 32;
    options.footer = data[0] & 64;
    options.PaneGrid = kMinGridSize + data[1] % 4;
    const QByteArray rest(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const qsizetype titleEnd = rest.indexOf('\n');
    if (titleEnd < 0)
        return 0;
    // A title from the save chooser: no folder separator in it.
    const QString title = QString::fromUtf8(rest.left(titleEnd));
    if (title.contains(QLatin1Char('/')))
        return 0;
    const std::optional<ExportTarget> target = exportTargetFor(kExportFolder + '/' + title);
    const std::optional<ProjectFileValues> values =
        readProjectFile(rest.mid(titleEnd + 1), nullptr);
    if (!target || !values)
        return 0;
    const auto project = std::make_unique<ProjectRecord>();
    applyProjectFile(*project, *values, QStringLiteral("/pictures"), workFolder());

    static const HtmlWordTable words = HtmlWordTable::load();
    PageCounters counters;
    counters.PageCount =
        qint16(exportPageCount(project->GridSize, project->BoardCount, options.PaneGrid));
    const int perPage = options.PaneGrid * options.PaneGrid;
    for (int page = 1; page <= counters.PageCount; ++page) {
        counters.PageNumber = qint16(page);
        const QString text = MakeWebpage(*project, words, options, target->baseName, counters);

        QByteArray bytes;
        QBuffer device(&bytes);
        device.open(QIODevice::WriteOnly);
        FUZZ_CHECK(writePageText(device, text));
        FUZZ_CHECK(withReferencesRead(platform::cp1252::decode(bytes)) ==
                   withReferencesRead(text + QStringLiteral("\r\n")));

        const QString pageFile = pageFileName(*target, page);
        FUZZ_CHECK(liesInExportFolder(pageFile));
        if (page < counters.PageCount)
            FUZZ_CHECK(referencesFile(attributeValues(text, QStringLiteral("href")), pageFile,
                                      pageFileName(*target, page + 1)));
        const QStringList sources = attributeValues(text, QStringLiteral("src"));
        for (int pane = (page - 1) * perPage + 1; pane <= page * perPage; ++pane) {
            const QString name = pane <= kLastPane ? project->Panes[pane].PictureName : kNoPicture;
            const QString picture = pictureFileName(target->folder, name, pane);
            FUZZ_CHECK(liesInExportFolder(picture));
            FUZZ_CHECK(referencesFile(sources, pageFile, picture));
        }
    }
    return 0;
}
