#include "editor/export/pagegenerator.h"

#include "editor/export/htmlwordtable.h"
#include "platform/cp1252.h"
#include "platform/numbers.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QThreadPool>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace editor {
namespace {

// Numbers of the words in the HTML word table.
enum Word {
    Slash = 101,
    Html,
    Head,
    Title,
    Body,
    Table,
    Width,
    Tr,
    Td,
    Align,
    Center,
    Big,
    P,
    Nbsp,
    Alt,
    A,
    Href,
    Strong,
    Height,
    Percent,
    Meta,
    Name,
    Content,
    Open,
    Close,
    Quote,
    Equals,
    Border,
    Img,
    Src
};

const QString kLineBreak = QStringLiteral("\r\n");

// Page files are written at once by this many threads.
constexpr int kPageWriters = 8;

struct SizeRow {
    int cellWidth;
    int pictureWidth;
    int wideHeight;
    int narrowHeight;
};

// Indexed by PaneGrid - 2; all values are percentages.
constexpr SizeRow kSizes[] = {
    {50, 49, 86, 98}, {33, 32, 60, 70}, {25, 24, 58, 48}, {20, 19, 34, 38}};

// Characters a relative address cannot carry as they are become %XX (UTF-8).
QString urlEncoded(const QString& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(name, "!$'()*+,;=@"));
}

bool isSet(const QString& text) {
    return text != kUnsetText;
}

bool hasLink(const PaneRecord& pane) {
    return isSet(pane.URL) && !pane.URL.isEmpty();
}

// The pane table ends at 1000; a last page that runs past it shows blank panes.
const PaneRecord& paneAt(const ProjectRecord& project, int pane) {
    static const PaneRecord blank;
    return pane >= 1 && pane <= kLastPane ? project.Panes[pane] : blank;
}

class PageText {
public:
    explicit PageText(const HtmlWordTable& words) : m_w(words) {}

    QString text;

    void add(const QString& piece) { text += piece; }
    void lineBreak(int count = 1) {
        for (int i = 0; i < count; ++i)
            text += kLineBreak;
    }
    QString tag(int name) const { return m_w[Open] + m_w[name] + m_w[Close]; }
    QString endTag(int name) const { return m_w[Open] + m_w[Slash] + m_w[name] + m_w[Close]; }
    QString attribute(int name, const QString& value) const {
        return m_w[name] + m_w[Equals] + m_w[Quote] + value + m_w[Quote];
    }
    QString percent(int value) const { return QString::number(value) + m_w[Percent]; }
    QString word(int name) const { return m_w[name]; }

    // <table border="0"width="100%">, with no blank between the two attributes.
    QString tableTag() const {
        return m_w[Open] + m_w[Table] + QLatin1Char(' ') + attribute(Border, QStringLiteral("0")) +
               attribute(Width, percent(100)) + m_w[Close];
    }
    QString centredParagraph() const {
        return m_w[Open] + m_w[P] + QLatin1Char(' ') + attribute(Align, m_w[Center]) + m_w[Close];
    }
    QString cell(int widthPercent) const {
        return m_w[Open] + m_w[Td] + QLatin1Char(' ') + attribute(Width, percent(widthPercent)) +
               m_w[Close];
    }
    QString centredFullCell() const {
        return m_w[Open] + m_w[Td] + QLatin1Char(' ') + attribute(Width, percent(100)) +
               QLatin1Char(' ') + attribute(Align, m_w[Center]) + m_w[Close];
    }
    QString repeated(const QString& piece, int times) const { return piece.repeated(times); }
    // <!--Name-----...> of exactly `length` characters.
    QString comment(const QString& name, int length) const {
        const QString start = m_w[Open] + QStringLiteral("!--") + name;
        return start + QString(length - int(start.size()) - 1, QLatin1Char('-')) + m_w[Close];
    }
    QString closeRowTables() const {
        return endTag(Tr) + endTag(Table) + endTag(Td) + endTag(Tr) + endTag(Table);
    }

private:
    const HtmlWordTable& m_w;
};

void addPageTop(PageText& page, const ProjectRecord& project, const ExportOptions& options) {
    page.add(page.tag(Html));
    page.lineBreak();
    page.add(page.tag(Head));
    page.lineBreak();
    page.add(page.tag(Title) + QStringLiteral("Vistavel") + page.endTag(Title));
    page.lineBreak();
    page.add(page.word(Open) + page.word(Meta) + QLatin1Char(' ') +
             page.attribute(Name, QStringLiteral("GENERATOR")) + QLatin1Char(' ') +
             page.attribute(Content, QStringLiteral("Quorvane Vistavel v1.0")) + page.word(Close));
    page.lineBreak();
    page.add(page.endTag(Head));
    page.lineBreak(2);
    page.add(page.tag(Body));
    page.lineBreak(2);
    page.add(page.tableTag());
    page.lineBreak();
    page.add(page.tag(Tr) + page.word(Open) + page.word(Td) + QLatin1Char(' ') + page.word(Table) +
             QLatin1Char(' ') + page.attribute(Border, QStringLiteral("0")) +
             page.attribute(Width, page.percent(100)) + page.word(Close) + page.tag(Tr));
    page.lineBreak();
    page.add(page.cell(100));
    page.lineBreak();
    page.add(page.centredParagraph() + page.repeated(page.tag(Big), 5));
    if (options.boardTitle && isSet(project.BoardTitle))
        page.add(project.BoardTitle);
    page.add(page.repeated(page.endTag(Big), 5) + page.endTag(P));
    page.lineBreak();
    page.add(page.centredParagraph() + page.repeated(page.tag(Big), 5) + page.word(Nbsp) +
             page.repeated(page.endTag(Big), 5) + page.endTag(Td));
    page.lineBreak();
    page.add(page.endTag(Tr) + page.endTag(Table));
}

void addPictureCell(PageText& page, const PaneRecord& pane, int number, const SizeRow& size,
                    const ExportOptions& options) {
    const bool link = hasLink(pane);
    if (link)
        page.add(page.word(Open) + page.word(A) + QLatin1Char(' ') +
                 page.attribute(Href, pane.URL) + page.word(Close));
    page.lineBreak();
    page.add(page.word(Open) + page.word(Img) + QLatin1Char(' ') +
             page.attribute(Src, pagePictureReference(pane.PictureName, number)) +
             QLatin1Char(' ') + page.attribute(Width, page.percent(size.pictureWidth)) +
             QLatin1Char(' ') +
             page.attribute(Height,
                            page.percent(options.wideScale ? size.wideHeight : size.narrowHeight)));
    if (options.labelsAsAlt)
        page.add(QLatin1Char(' ') +
                 page.attribute(Alt, isSet(pane.Label) ? pane.Label : QString()));
    if (options.linkBorders)
        page.add(page.word(Close));
    else
        page.add(QLatin1Char(' ') + page.attribute(Border, QStringLiteral("0")) + page.word(Close));
    if (link)
        page.add(page.endTag(A));
}

void addTextCell(PageText& page, const PaneRecord& pane, int number, int column,
                 const SizeRow& size, const ExportOptions& options) {
    page.add(page.cell(size.cellWidth));
    if (column == 1)
        page.add(page.word(Nbsp).repeated(3));
    if (options.paneNumbers)
        page.add(page.tag(Strong) + QString::number(number) + QLatin1Char('.') +
                 page.endTag(Strong) + QStringLiteral("  "));
    if (isSet(pane.Text))
        page.add(pane.Text);
    page.add(page.endTag(Td));
    page.lineBreak();
}

void addPaneRow(PageText& page, const ProjectRecord& project, const ExportOptions& options,
                const SizeRow& size, PageCounters& counters) {
    const int grid = options.PaneGrid;
    page.add(page.tableTag());
    page.lineBreak(2);
    page.add(page.comment(QStringLiteral("Titles"), 81));
    page.lineBreak(2);
    page.add(page.tag(Tr));
    for (int c = 1; c <= grid; ++c) {
        ++counters.TitlePane;
        const PaneRecord& pane = paneAt(project, counters.TitlePane);
        page.add(page.cell(size.cellWidth) + page.centredParagraph());
        if (options.labelsInTitles && isSet(pane.Label))
            page.add(pane.Label);
        page.add(page.endTag(Td));
        page.lineBreak();
    }
    page.add(page.closeRowTables());
    page.lineBreak();
    page.add(page.centredParagraph());
    page.lineBreak(2);
    page.add(page.comment(QStringLiteral("Images"), 78));
    page.lineBreak(2);
    for (int c = 1; c <= grid; ++c) {
        ++counters.ImagePane;
        addPictureCell(page, paneAt(project, counters.ImagePane), counters.ImagePane, size,
                       options);
    }
    page.add(page.endTag(P));
    page.lineBreak(2);
    page.add(page.comment(QStringLiteral("Texts"), 80));
    page.lineBreak(2);
    page.add(page.tableTag());
    page.lineBreak();
    page.add(page.tag(Tr) + page.centredFullCell() + page.tableTag());
    page.lineBreak();
    for (int c = 1; c <= grid; ++c) {
        ++counters.TextPane;
        addTextCell(page, paneAt(project, counters.TextPane), counters.TextPane, c, size, options);
    }
    page.add(page.closeRowTables());
    page.lineBreak();
    page.add(page.tag(P) + page.word(Nbsp) + page.endTag(P));
}

void addPageEnd(PageText& page, const ProjectRecord& project, const ExportOptions& options,
                const QString& baseName, const PageCounters& counters) {
    page.add(page.centredParagraph());
    if (counters.PageNumber != counters.PageCount) {
        const QString next = urlEncoded(baseName) + QLatin1Char('_') +
                             platform::zeroPadded(counters.PageNumber + 1, 3) +
                             QStringLiteral(".htm");
        page.add(page.word(Open) + page.word(A) + QLatin1Char(' ') + page.attribute(Href, next) +
                 page.word(Close) + QStringLiteral("Next") + page.endTag(A));
    }
    page.add(page.endTag(P) + page.tag(P) + page.word(Nbsp) + page.endTag(P));
    page.lineBreak(2);
    page.add(page.comment(QStringLiteral("Footers"), 79));
    page.lineBreak(2);
    page.add(page.tableTag());
    page.lineBreak();
    page.add(page.tag(Tr) + page.centredFullCell());
    if (options.footer && isSet(project.FooterText))
        page.add(project.FooterText);
    page.add(page.endTag(Td) + page.endTag(Tr));
    page.lineBreak();
    page.add(page.endTag(Table));
    page.lineBreak();
    page.add(page.endTag(Body));
    page.lineBreak();
    page.add(page.endTag(Html));
    page.lineBreak();
}

} // namespace

std::optional<ExportTarget> exportTargetFor(const QString& chosenName) {
    ExportTarget target;
    target.fileName = chosenName;
    // A backslash is an ordinary character of a file name here, not a separator.
    qsizetype titleLength = chosenName.size() - 1 - chosenName.lastIndexOf(QLatin1Char('/'));
    if (titleLength > 0 && !chosenName.right(titleLength).contains(QLatin1Char('.'))) {
        target.fileName += QStringLiteral(".htm");
        titleLength += 4;
    }
    if (titleLength > 0 && titleLength < 4)
        return std::nullopt;
    target.folder = target.fileName.left(target.fileName.size() - titleLength);
    target.baseName =
        titleLength > 0 ? target.fileName.mid(target.folder.size(), titleLength - 4) : QString();
    return target;
}

int exportPageCount(int gridSize, int boardCount, int paneGrid) {
    const int total = gridSize * gridSize * boardCount;
    const int perPage = paneGrid * paneGrid;
    if (perPage >= total)
        return 1;
    return total / perPage + (total % perPage != 0 ? 1 : 0);
}

QString pageFileName(const ExportTarget& target, int page) {
    return target.folder + target.baseName + QLatin1Char('_') + platform::zeroPadded(page, 3) +
           QStringLiteral(".htm");
}

QString pictureFileName(const QString& folder, const QString& pictureName, int pane) {
    return folder + pictureName + QLatin1Char('-') + platform::zeroPadded(pane, 3) +
           QStringLiteral(".JPG");
}

QString pagePictureReference(const QString& pictureName, int pane) {
    return urlEncoded(pictureName) + QLatin1Char('-') + platform::zeroPadded(pane, 3) +
           QStringLiteral(".JPG");
}

QString MakeWebpage(const ProjectRecord& project, const HtmlWordTable& words,
                    const ExportOptions& options, const QString& baseName, PageCounters& counters) {
    const int grid = std::clamp(options.PaneGrid, kMinGridSize, kMaxGridSize);
    ExportOptions used = options;
    used.PaneGrid = grid;
    const SizeRow& size = kSizes[grid - kMinGridSize];
    PageText page(words);
    addPageTop(page, project, used);
    for (int row = 1; row <= grid; ++row)
        addPaneRow(page, project, used, size, counters);
    addPageEnd(page, project, used, baseName, counters);
    return page.text;
}

bool writePageText(QIODevice& device, const QString& text) {
    const QByteArray bytes = platform::cp1252::encodeForHtml(text + kLineBreak);
    return device.write(bytes) == bytes.size();
}

bool WritePageFile(const QString& fileName, const QString& text, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !writePageText(file, text) || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeExportPages(const ProjectRecord& project, const HtmlWordTable& words,
                      const ExportOptions& options, const ExportTarget& target,
                      PageCounters& counters, QString* lastText, PageWriteFailure* failure) {
    counters.restartPanes();
    counters.PageCount = static_cast<qint16>(
        exportPageCount(project.GridSize, project.BoardCount, options.PaneGrid));
    QStringList texts;
    QList<int> pages;
    for (int page = 1; page <= counters.PageCount; ++page) {
        counters.PageNumber = static_cast<qint16>(page);
        texts << MakeWebpage(project, words, options, target.baseName, counters);
        pages << page;
    }
    if (lastText)
        *lastText = texts.constLast();
    // Each page waits for the disk to confirm it; the waits overlap, the work is small.
    QThreadPool writers;
    writers.setMaxThreadCount(kPageWriters);
    const QStringList reasons =
        QtConcurrent::blockingMapped<QStringList>(&writers, pages, [&](int page) {
            QString reason;
            return WritePageFile(pageFileName(target, page), texts.at(page - 1), &reason)
                       ? QString()
                   : reason.isEmpty()
                       ? QCoreApplication::translate("editor::PageGenerator", "unknown error")
                       : reason;
        });
    for (int page : pages)
        if (!reasons.at(page - 1).isEmpty()) {
            if (failure)
                *failure = {pageFileName(target, page), reasons.at(page - 1)};
            return false;
        }
    return true;
}

} // namespace editor
