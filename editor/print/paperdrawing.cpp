#include "editor/print/paperdrawing.h"

#include "editor/print/fittedtext.h"
#include "editor/print/paperfonts.h"
#include "editor/print/paperlayout.h"
#include "editor/print/paperlink.h"
#include "editor/print/paperpicture.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFuture>
#include <QPagedPaintDevice>
#include <QPainter>
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

qreal wordPoints(const PaperOptions& options, int gridSize) {
    if (options.arrangement != PaneArrangement::BoardGrid)
        return 10;
    return 12 - gridSize;
}

class PaperPainter {
public:
    PaperPainter(const ProjectRecord& project, const PaperOptions& options,
                 QPagedPaintDevice& device, int pictureDpi)
        : m_project(project), m_options(options), m_device(device), m_pictureDpi(pictureDpi),
          m_words(paperFont(wordPoints(options, project.GridSize))),
          m_label(paperFont(wordPoints(options, project.GridSize), true)),
          m_number(paperFont(wordPoints(options, project.GridSize), true)),
          m_title(paperFont(14, true)), m_footer(paperFont(8)),
          m_lineHeight(QFontMetricsF(m_words, &device).lineSpacing()) {
        const int most = gridWordLines(project.GridSize, options);
        m_geometry = geometry(most);
        if (options.arrangement == PaneArrangement::BoardGrid && !m_geometry.slots.isEmpty())
            m_geometry = geometry(wordLinesUsed(m_geometry.slots.first().words.width(), most));
    }

    const PaperGeometry& geometry() const { return m_geometry; }

    // The pixels a picture may have in slot `slot` at the most dots per inch.
    int pictureSide(int slot) const {
        const qreal inches = m_geometry.slots.at(slot).picture.width() / m_device.logicalDpiX();
        return static_cast<int>(std::ceil(inches * m_pictureDpi));
    }

    void drawPage(QPainter& painter, const PaperPage& page, const QList<QImage>& pictures,
                  int pageNumber, int pageCount) {
        if (!m_geometry.title.isEmpty())
            drawLine(painter, m_title, m_project.BoardTitle, m_geometry.title, Qt::AlignHCenter);
        for (qsizetype i = 0; i < page.panes.size(); ++i)
            drawPane(painter, page.panes.at(i), pictures.at(i), m_geometry.slots.at(i));
        drawFooter(painter, page.board, pageNumber, pageCount);
    }

private:
    PaperGeometry geometry(int wordLines) const {
        return paperGeometry(QSizeF(m_device.width(), m_device.height()), m_options,
                             m_project.GridSize, m_lineHeight, isSet(m_project.BoardTitle),
                             wordLines);
    }

    // The lines the printed panes' words take under their pictures in the board's
    // grid, `most` at most: a board of pictures alone keeps no room for words and
    // prints its pictures larger. A text takes the lines its pane's label or web
    // address leaves, as drawWords gives them. The words' width does not depend on it.
    int wordLinesUsed(qreal width, int most) const {
        int used = 0;
        const int perPage = m_project.GridSize * m_project.GridSize;
        for (const PaperPage& page : paperPages(m_project, m_options, perPage))
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
        painter.drawText(box, alignment | Qt::AlignVCenter | Qt::TextSingleLine, lines.first());
    }

    void drawPane(QPainter& painter, int pane, const QImage& picture, const PaperSlot& slot) {
        if (!picture.isNull())
            painter.drawImage(slot.picture, picture);
        painter.setPen(QPen(QColor(140, 140, 140), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(slot.picture);
        if (m_options.paneNumbers)
            drawNumber(painter, pane, slot.picture, !picture.isNull());
        drawWords(painter, m_project.Panes[pane], slot.words);
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
            for (const QString& line : fitText(printableStart(m_printable, record.Text), m_words,
                                               &m_device, box.width(), textLines)) {
                painter.drawText(QRectF(box.left(), y, box.width(), m_lineHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
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

    void drawFooter(QPainter& painter, int board, int pageNumber, int pageCount) {
        const QString where = QStringLiteral("Board %1 of %2 \u00b7 page %3 of %4")
                                  .arg(board)
                                  .arg(m_project.BoardCount)
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
    const PaperOptions& m_options;
    QPagedPaintDevice& m_device;
    int m_pictureDpi;
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
    int maxSide = 0;
};

QFuture<QImage> startPictures(const ProjectRecord& project, const PaperPage& page,
                              const PaperPainter& layout) {
    QList<PictureJob> jobs;
    for (qsizetype i = 0; i < page.panes.size(); ++i)
        jobs.append({project.Panes[page.panes.at(i)], layout.pictureSide(static_cast<int>(i))});
    // The future keeps the jobs for as long as its workers need them.
    return QtConcurrent::mapped(
        std::move(jobs), [](const PictureJob& job) { return paperPicture(job.pane, job.maxSide); });
}

} // namespace

PaperOutcome drawPaper(const ProjectRecord& project, const PaperOptions& options,
                       QPagedPaintDevice& device, const PaperProgress& progress, int pictureDpi) {
    PaperPainter layout(project, options, device, pictureDpi);
    const QList<PaperPage> pages =
        paperPages(project, options, static_cast<int>(layout.geometry().slots.size()));
    const int pageCount = static_cast<int>(pages.size());
    QPainter painter;
    if (!painter.begin(&device))
        return {PaperOutcome::Result::Failed,
                QCoreApplication::translate("PaperCommands", "the pages could not be started"), 0};
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);

    PaperOutcome outcome;
    QFuture<QImage> next = startPictures(project, pages.first(), layout);
    for (int i = 0; i < pageCount; ++i) {
        QFuture<QImage> current = next;
        if (i + 1 < pageCount)
            next = startPictures(project, pages.at(i + 1), layout);
        if (i > 0 && !device.newPage()) {
            outcome = {
                PaperOutcome::Result::Failed,
                QCoreApplication::translate("PaperCommands", "a new page could not be started"), i};
            break;
        }
        layout.drawPage(painter, pages.at(i), current.results(), i + 1, pageCount);
        outcome.pages = i + 1;
        if (progress && !progress(i + 1, pageCount)) {
            outcome.result = PaperOutcome::Result::Cancelled;
            break;
        }
    }
    next.cancel();
    next.waitForFinished();
    if (!painter.end() && outcome.result == PaperOutcome::Result::Done)
        outcome = {PaperOutcome::Result::Failed,
                   QCoreApplication::translate("PaperCommands", "the pages could not be finished"),
                   outcome.pages};
    return outcome;
}

} // namespace editor
