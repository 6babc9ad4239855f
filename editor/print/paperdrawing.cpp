#include "editor/print/paperdrawing.h"

#include "editor/print/fittedtext.h"
#include "editor/print/paperfonts.h"
#include "editor/print/paperlayout.h"
#include "editor/print/paperlink.h"
#include "editor/print/paperpicture.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFuture>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <utility>

namespace editor {
namespace {

bool isSet(const QString& text) {
    return !text.trimmed().isEmpty() && text != kUnsetText;
}

// The characters of `text` that could ever be printed made printable; the rest
// only tells fitText() that the text goes on.
QString printableStart(PrintableText& printable, const QString& text) {
    constexpr qsizetype kMostShown = 20000;
    return text.size() <= kMostShown ? printable(text)
                                     : printable(text.left(kMostShown)) + text.mid(kMostShown);
}

// More lines than any note takes.
constexpr int kAllLines = 1 << 20;

qreal wordPoints(const PaperOptions& options, int gridSize) {
    if (options.arrangement != PaneArrangement::BoardGrid)
        return 10;
    return 12 - gridSize;
}

class PaperPainter {
public:
    PaperPainter(const ProjectRecord& project, const PaperOptions& options, QPaintDevice& device,
                 int pictureDpi, qreal cellAspect)
        : m_project(project), m_options(options), m_device(device), m_pictureDpi(pictureDpi),
          m_cellAspect(cellAspect), m_words(paperFont(wordPoints(options, project.GridSize))),
          m_label(paperFont(wordPoints(options, project.GridSize), true)),
          m_number(paperFont(wordPoints(options, project.GridSize), true)),
          m_title(paperFont(14, true)), m_footer(paperFont(8)),
          m_lineHeight(QFontMetricsF(m_words, &device).lineSpacing()) {
        // Notes printed in full leave the grid only labels and addresses.
        if (m_options.notesInFull && m_options.arrangement == PaneArrangement::BoardGrid) {
            m_notes = m_options.texts;
            m_options.texts = false;
        }
        if (options.arrangement == PaneArrangement::BoardGrid) {
            const int most = gridWordLines(project.GridSize, m_options);
            m_geometry = geometry(most, 0);
            if (!m_geometry.slots.isEmpty())
                m_geometry =
                    geometry(wordLinesUsed(m_geometry.slots.first().words.width(), most), 0);
            m_roomOnPage = pictureRoom(m_geometry);
        } else {
            m_geometry = geometry(0, 0);
            m_roomOnPage = pictureRoom(m_geometry);
            m_geometry = geometry(
                0, paperRowsOnPage(project, options, m_geometry.perRow, m_geometry.rows()));
        }
    }

    const PaperGeometry& geometry() const { return m_geometry; }

    // The lines a pane's text may take at most.
    int noteLines() const {
        if (m_options.arrangement == PaneArrangement::BoardGrid)
            return gridTextLines(m_project.GridSize);
        const int lines = m_geometry.slots.isEmpty()
                              ? 0
                              : static_cast<int>(std::floor(
                                    m_geometry.slots.first().words.height() / m_lineHeight));
        return std::max(0, lines - (m_options.labels ? 1 : 0) - (m_options.webAddresses ? 1 : 0));
    }

    // The pages with the boards' notes in full: under the grid as far as they fit,
    // the rest on pages of their own after it.
    QList<PaperPage> withNotes(const QList<PaperPage>& pages) {
        if (!m_notes)
            return pages;
        const QRectF& body = m_geometry.body;
        qreal gridBottom = body.top();
        for (const PaperSlot& slot : m_geometry.slots)
            gridBottom = std::max(gridBottom, slot.words.bottom());
        const int perPage = std::max(1, static_cast<int>(std::floor(body.height() / m_lineHeight)));
        QList<PaperPage> result;
        for (const PaperPage& page : pages) {
            QList<PaperNoteLine> lines = noteLinesOf(page.panes);
            PaperPage grid = page;
            grid.notesTop = gridBottom + m_lineHeight;
            const int under =
                static_cast<int>(std::floor((body.bottom() - grid.notesTop) / m_lineHeight));
            // The notes go under the grid only when all of them fit there.
            if (lines.size() <= under) {
                grid.notes = lines;
                lines.clear();
            }
            result.append(grid);
            for (qsizetype at = 0; at < lines.size(); at += perPage)
                result.append({page.board, page.lastBoard, {}, lines.mid(at, perPage), body.top()});
        }
        return result;
    }

    // The room the pictures of a full page take, in square inches.
    qreal roomOnPage() const { return m_roomOnPage; }

    void setPictureDpi(int dpi) { m_pictureDpi = dpi; }

    // The most pixels a picture may have in slot `slot` at the most dots per inch.
    QSize pictureBox(int slot) const {
        const QRectF cell = m_geometry.slots.at(slot).picture;
        const qreal scale = m_pictureDpi / qreal(m_device.logicalDpiX());
        return QSize(static_cast<int>(std::ceil(cell.width() * scale)),
                     static_cast<int>(std::ceil(cell.height() * scale)));
    }

    // Draws one page and notes where its boards begin and which pictures are links.
    void drawPage(QPainter& painter, int pageIndex, const PaperPage& page,
                  const QList<QImage>& pictures, int pageCount, PaperOutcome& marks) {
        if (!m_geometry.title.isEmpty())
            drawLine(painter, m_title, m_project.BoardTitle, m_geometry.title, Qt::AlignHCenter);
        for (qsizetype i = 0; i < page.panes.size(); ++i) {
            const int pane = page.panes.at(i);
            if (pane <= 0)
                continue;
            const PaperSlot& slot = m_geometry.slots.at(i);
            const QRectF drawn = drawPane(painter, pane, pictures.at(i), slot);
            // A board's bookmark shows its page from the top, or from the line over
            // its first row when it begins lower down.
            if (pane == m_project.firstPaneOfBoard(m_project.boardOfPane(pane)))
                marks.bookmarks.append({m_project.boardOfPane(pane), pageIndex,
                                        i < m_geometry.perRow
                                            ? QPointF(0, 0)
                                            : slot.picture.topLeft() - QPointF(0, m_lineHeight)});
            const QUrl link = paperLink(m_project.Panes[pane].URL.trimmed());
            if (!pictures.at(i).isNull() && !link.isEmpty())
                marks.links.append({pageIndex, drawn, link});
        }
        drawNotes(painter, page);
        drawFooter(painter, page, pageIndex + 1, pageCount);
    }

private:
    PaperGeometry geometry(int wordLines, int rows) const {
        return paperGeometry(QSizeF(m_device.width(), m_device.height()), m_options,
                             m_project.GridSize, m_lineHeight, isSet(m_project.BoardTitle),
                             wordLines, m_cellAspect, rows);
    }

    // The width the number before a note takes.
    qreal noteIndent() const {
        return QFontMetricsF(m_label, &m_device).horizontalAdvance(QStringLiteral("0000")) +
               m_lineHeight * 0.5;
    }

    QList<PaperNoteLine> noteLinesOf(const QList<int>& panes) {
        QList<PaperNoteLine> lines;
        const qreal width = m_geometry.body.width() - noteIndent();
        for (const int pane : panes) {
            if (pane <= 0)
                continue;
            const QString& text = m_project.Panes[pane].Text;
            if (!isSet(text))
                continue;
            const QStringList wrapped =
                fitText(m_printable(text), m_words, &m_device, width, kAllLines);
            for (qsizetype i = 0; i < wrapped.size(); ++i)
                lines.append({i == 0 ? pane : 0, wrapped.at(i), text.isRightToLeft()});
        }
        return lines;
    }

    void drawNotes(QPainter& painter, const PaperPage& page) {
        const QRectF& body = m_geometry.body;
        const qreal indent = noteIndent();
        qreal y = page.notesTop;
        for (const PaperNoteLine& line : page.notes) {
            if (line.pane > 0) {
                painter.setFont(m_label);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(body.left(), y, indent, m_lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                                 QString::number(line.pane));
            }
            painter.setFont(m_words);
            drawTextLine(painter,
                         QRectF(body.left() + indent, y, body.width() - indent, m_lineHeight),
                         Qt::AlignLeft, line.text, line.rightToLeft);
            y += m_lineHeight;
        }
    }

    qreal pictureRoom(const PaperGeometry& geometry) const {
        qreal room = 0;
        const qreal dpi = m_device.logicalDpiX();
        for (const PaperSlot& slot : geometry.slots)
            room += slot.picture.width() / dpi * slot.picture.height() / dpi;
        return room;
    }

    // The lines the printed panes' words take under their pictures in the board's
    // grid, `most` at most: a board of pictures alone keeps no room for words and
    // prints its pictures larger. A text takes the lines its pane's label or web
    // address leaves, as drawWords gives them. Fewer lines give wider pictures and so
    // wider words, which take no more lines than measured.
    int wordLinesUsed(qreal width, int most) const {
        int used = 0;
        for (const PaperPage& page :
             paperPages(m_project, m_options, m_project.GridSize, m_project.GridSize))
            for (const int pane : page.panes) {
                const PaneRecord& record = m_project.Panes[pane];
                int lines = (m_options.labels && isSet(record.Label) ? 1 : 0) +
                            (m_options.webAddresses && isSet(record.URL) ? 1 : 0);
                if (m_options.texts && isSet(record.Text))
                    lines += static_cast<int>(fitText(printableStart(m_printable, record.Text),
                                                      m_words, &m_device, width, most - lines)
                                                  .size());
                used = std::max(used, lines);
                if (used >= most)
                    return most;
            }
        return used;
    }

    void drawLine(QPainter& painter, const QFont& font, const QString& text, const QRectF& box,
                  Qt::Alignment alignment) {
        const QStringList lines =
            fitText(printableStart(m_printable, text), font, &m_device, box.width(), 1);
        if (lines.isEmpty())
            return;
        painter.setFont(font);
        painter.setPen(Qt::black);
        drawTextLine(painter, box, alignment, lines.first(), text.isRightToLeft());
    }

    // A line of a right-to-left text (Arabic, Hebrew) reads from the right: its
    // words run leftwards from the box's right edge.
    static void drawTextLine(QPainter& painter, const QRectF& box, Qt::Alignment alignment,
                             const QString& line, bool rightToLeft) {
        const Qt::LayoutDirection kept = painter.layoutDirection();
        if (rightToLeft && alignment.testFlag(Qt::AlignLeft))
            alignment = Qt::AlignRight;
        painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(box, alignment | Qt::AlignAbsolute | Qt::AlignVCenter | Qt::TextSingleLine,
                         line);
        painter.setLayoutDirection(kept);
    }

    // Draws the pane and answers where its picture went: in the middle of its cell,
    // in the picture's own shape.
    QRectF drawPane(QPainter& painter, int pane, const QImage& picture, const PaperSlot& slot) {
        QRectF drawn = slot.picture;
        if (!picture.isNull()) {
            const QSizeF size =
                QSizeF(picture.size()).scaled(slot.picture.size(), Qt::KeepAspectRatio);
            drawn = QRectF(QPointF(), size);
            drawn.moveCenter(slot.picture.center());
            painter.drawImage(drawn, picture);
        }
        painter.setPen(QPen(QColor(140, 140, 140), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(drawn);
        if (m_options.paneNumbers)
            drawNumber(painter, pane, drawn, !picture.isNull());
        drawWords(painter, m_project.Panes[pane], slot.words);
        return drawn;
    }

    // White over a black shadow on a picture, as on the stage; black on a blank pane.
    void drawNumber(QPainter& painter, int pane, const QRectF& box, bool onPicture) {
        const QFontMetricsF metrics(m_number, &m_device);
        const QPointF at(box.left() + metrics.averageCharWidth() * 0.5,
                         box.top() + metrics.ascent() + metrics.descent() * 0.5);
        const QString number = QString::number(pane);
        painter.setFont(m_number);
        painter.setPen(Qt::black);
        painter.drawText(at, number);
        if (!onPicture)
            return;
        const qreal shadow = std::max<qreal>(1, m_device.logicalDpiX() / 120.0);
        painter.setPen(Qt::white);
        painter.drawText(at + QPointF(-shadow, -shadow), number);
    }

    void drawWords(QPainter& painter, const PaneRecord& record, const QRectF& box) {
        int lines = static_cast<int>(std::floor(box.height() / m_lineHeight));
        const bool label = m_options.labels && isSet(record.Label);
        const bool url = m_options.webAddresses && isSet(record.URL);
        qreal y = box.top();
        const auto next = [&] {
            y += m_lineHeight;
            --lines;
        };
        if (label && lines > 0) {
            drawLine(painter, m_label, record.Label,
                     QRectF(box.left(), y, box.width(), m_lineHeight), Qt::AlignLeft);
            next();
        }
        const int textLines = lines - (url ? 1 : 0);
        if (m_options.texts && isSet(record.Text) && textLines > 0) {
            painter.setFont(m_words);
            painter.setPen(Qt::black);
            const bool rightToLeft = record.Text.isRightToLeft();
            for (const QString& line : fitText(printableStart(m_printable, record.Text), m_words,
                                               &m_device, box.width(), textLines)) {
                drawTextLine(painter, QRectF(box.left(), y, box.width(), m_lineHeight),
                             Qt::AlignLeft, line, rightToLeft);
                next();
            }
        }
        if (url && lines > 0)
            drawAddress(painter, record.URL.trimmed(),
                        QRectF(box.left(), y, box.width(), m_lineHeight));
    }

    // Drawn as a document so that a PDF gets a live link over it.
    void drawAddress(QPainter& painter, const QString& address, const QRectF& box) {
        const QStringList shown = fitText(m_printable(address), m_words, &m_device, box.width(), 1);
        if (shown.isEmpty())
            return;
        const QUrl url = paperLink(address);
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(m_words);
        document.documentLayout()->setPaintDevice(&m_device);
        document.setTextWidth(box.width() + m_lineHeight);
        const QString text = shown.first().toHtmlEscaped();
        document.setHtml(!url.isEmpty()
                             ? QStringLiteral("<a href=\"%1\">%2</a>")
                                   .arg(QString::fromLatin1(url.toEncoded()).toHtmlEscaped(), text)
                             : text);
        painter.save();
        painter.translate(box.topLeft());
        document.drawContents(&painter);
        painter.restore();
    }

    void drawFooter(QPainter& painter, const PaperPage& page, int pageNumber, int pageCount) {
        const QString boards =
            page.lastBoard > page.board
                ? QStringLiteral("Boards %1 to %2 of %3").arg(page.board).arg(page.lastBoard)
                : QStringLiteral("Board %1 of %2").arg(page.board);
        const QString where = QStringLiteral("%1 \u00b7 page %2 of %3")
                                  .arg(boards.arg(m_project.BoardCount))
                                  .arg(pageNumber)
                                  .arg(pageCount);
        const QRectF box = m_geometry.footer;
        const qreal whereWidth = QFontMetricsF(m_footer, &m_device).horizontalAdvance(where);
        drawLine(painter, m_footer, where, box, Qt::AlignRight);
        if (isSet(m_project.FooterText))
            drawLine(painter, m_footer, m_project.FooterText,
                     QRectF(box.left(), box.top(), box.width() - whereWidth - m_lineHeight,
                            box.height()),
                     Qt::AlignLeft);
    }

    const ProjectRecord& m_project;
    PaperOptions m_options;
    bool m_notes = false; // texts in full under the grid
    QPaintDevice& m_device;
    int m_pictureDpi;
    qreal m_cellAspect;
    qreal m_roomOnPage = 0;
    mutable PrintableText m_printable;
    QFont m_words;
    QFont m_label;
    QFont m_number;
    QFont m_title;
    QFont m_footer;
    qreal m_lineHeight;
    PaperGeometry m_geometry;
};

struct PictureJob {
    PaneRecord pane;
    QSize box;
    bool keepProportions = true;
};

QFuture<QImage> startPictures(const ProjectRecord& project, const PaperPage& page,
                              const PaperPainter& layout, bool keepProportions) {
    QList<PictureJob> jobs;
    for (qsizetype i = 0; i < page.panes.size(); ++i) {
        const int pane = page.panes.at(i);
        jobs.append({pane > 0 ? project.Panes[pane] : PaneRecord(),
                     pane > 0 ? layout.pictureBox(static_cast<int>(i)) : QSize(), keepProportions});
    }
    // The future keeps the jobs for as long as its workers need them.
    return QtConcurrent::mapped(std::move(jobs), [](const PictureJob& job) {
        return paperPicture(job.pane, job.box, job.keepProportions);
    });
}

} // namespace

QPageLayout paperPageLayout(const ProjectRecord& project, const PaperOptions& options) {
    if (options.orientation)
        return paperPageLayout(options, *options.orientation);
    const qreal aspect = paperCellAspect(project, options);
    // Each orientation measured on the sheet the PDF draws on; nothing is written.
    const auto room = [&](QPageLayout::Orientation orientation) {
        QBuffer nowhere;
        QPdfWriter probe(&nowhere);
        probe.setResolution(kPaperPictureDpi);
        probe.setPageLayout(paperPageLayout(options, orientation));
        return PaperPainter(project, options, probe, kPaperPictureDpi, aspect).roomOnPage();
    };
    const qreal across = room(QPageLayout::Landscape);
    const qreal down = room(QPageLayout::Portrait);
    // Much the same room: the grid reads best across the sheet, rows down it.
    const bool grid = options.arrangement == PaneArrangement::BoardGrid;
    const qreal even = 1.01;
    const bool landscape = grid ? across * even >= down : across > down * even;
    return paperPageLayout(options, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int paperNoteLines(const ProjectRecord& project, const PaperOptions& options) {
    const QPageLayout layout = paperPageLayout(project, options);
    QBuffer nowhere;
    QPdfWriter probe(&nowhere);
    probe.setResolution(kPaperPictureDpi);
    probe.setPageLayout(layout);
    return PaperPainter(project, options, probe, kPaperPictureDpi,
                        paperCellAspect(project, options))
        .noteLines();
}

PaperOutcome drawPaper(const ProjectRecord& project, const PaperOptions& options,
                       QPagedPaintDevice& device, const PaperProgress& progress) {
    PaperPainter layout(project, options, device, kPaperPictureDpi,
                        paperCellAspect(project, options));
    const QList<PaperPage> pages = layout.withNotes(
        paperPages(project, options, layout.geometry().perRow, layout.geometry().rows()));
    const int pageCount = static_cast<int>(pages.size());
    QPainter painter;
    if (!painter.begin(&device))
        return PaperOutcome::failed(
            QCoreApplication::translate("PaperCommands", "the pages could not be started"), 0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);

    PaperOutcome outcome;
    const bool keep = options.keepProportions;
    QFuture<QImage> next = startPictures(project, pages.first(), layout, keep);
    for (int i = 0; i < pageCount; ++i) {
        QFuture<QImage> current = next;
        if (i + 1 < pageCount)
            next = startPictures(project, pages.at(i + 1), layout, keep);
        if (i > 0 && !device.newPage()) {
            outcome.result = PaperOutcome::Result::Failed;
            outcome.reason =
                QCoreApplication::translate("PaperCommands", "a new page could not be started");
            break;
        }
        layout.drawPage(painter, i, pages.at(i), current.results(), pageCount, outcome);
        outcome.pages = i + 1;
        if (progress && !progress(i + 1, pageCount)) {
            outcome.result = PaperOutcome::Result::Cancelled;
            break;
        }
    }
    next.cancel();
    next.waitForFinished();
    if (!painter.end() && outcome.result == PaperOutcome::Result::Done) {
        outcome.result = PaperOutcome::Result::Failed;
        outcome.reason =
            QCoreApplication::translate("PaperCommands", "the pages could not be finished");
    }
    return outcome;
}

struct PaperPreview::Pages {
    Pages(const ProjectRecord& project, const PaperOptions& options)
        : project(project), options(options), layout(paperPageLayout(project, options)) {
        // Laid out on the PDF's sheet, so the preview breaks pages where the PDF does.
        sheet.setResolution(kPaperPictureDpi);
        sheet.setPageLayout(layout);
        painter = std::make_unique<PaperPainter>(project, options, sheet, kPaperPictureDpi,
                                                 paperCellAspect(project, options));
        pages = painter->withNotes(
            paperPages(project, options, painter->geometry().perRow, painter->geometry().rows()));
    }

    const ProjectRecord& project;
    PaperOptions options;
    QPageLayout layout;
    QBuffer nowhere;
    QPdfWriter sheet{&nowhere};
    std::unique_ptr<PaperPainter> painter;
    QList<PaperPage> pages;
};

PaperPreview::PaperPreview(const ProjectRecord& project, const PaperOptions& options)
    : m_pages(std::make_unique<Pages>(project, options)) {}

PaperPreview::~PaperPreview() = default;

const QPageLayout& PaperPreview::layout() const {
    return m_pages->layout;
}

int PaperPreview::pageCount() const {
    return static_cast<int>(m_pages->pages.size());
}

QImage PaperPreview::page(int page, int width) {
    if (page < 0 || page >= pageCount() || width <= 0)
        return {};
    const QRectF sheet = m_pages->layout.fullRect(QPageLayout::Point);
    const QRectF printable = m_pages->layout.paintRect(QPageLayout::Point);
    const qreal perPoint = width / sheet.width();
    QImage image(width, static_cast<int>(std::lround(sheet.height() * perPoint)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    // Text is measured in the sheet's pixels and scaled down with the rest.
    const int sheetDpm = static_cast<int>(std::lround(kPaperPictureDpi / 0.0254));
    image.setDotsPerMeterX(sheetDpm);
    image.setDotsPerMeterY(sheetDpm);
    PaperPainter& painter = *m_pages->painter;
    painter.setPictureDpi(std::max(1, static_cast<int>(std::lround(perPoint * 72))));
    const QList<QImage> pictures = startPictures(m_pages->project, m_pages->pages.at(page), painter,
                                                 m_pages->options.keepProportions)
                                       .results();
    QPainter on(&image);
    on.setRenderHint(QPainter::SmoothPixmapTransform);
    on.setRenderHint(QPainter::Antialiasing);
    on.setRenderHint(QPainter::TextAntialiasing);
    on.translate(printable.left() * perPoint, printable.top() * perPoint);
    on.scale(perPoint * 72 / kPaperPictureDpi, perPoint * 72 / kPaperPictureDpi);
    PaperOutcome marks;
    painter.drawPage(on, page, m_pages->pages.at(page), pictures, pageCount(), marks);
    return image;
}

} // namespace editor
