#include "editor/print/fittedtext.h"
#include "editor/print/paperlayout.h"
#include "editor/print/paperlink.h"
#include "editor/print/paperpicture.h"
#include "editor/print/pdfexport.h"
#include "editor/print/pdftrail.h"
#include "testmain.h"
#include "testpictures.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace editor;
using namespace testsupport;

namespace {

const QString kLongText =
    QStringLiteral("The long take begins. ").repeated(40) + QStringLiteral("LASTWORD");

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + program +
               QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// pdfimages' rows, one a picture: its width is the fourth field, its dots per inch the thirteenth.
QList<QStringList> pictureRows(const QString& pdf) {
    QList<QStringList> rows;
    for (const QString& row :
         run("pdfimages", {"-list", pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2))
        rows.append(row.simplified().split(QLatin1Char(' ')));
    return rows;
}

// Where a colour's pixels lie in a region, as a share of the page (-1 when none).
QPointF centreOf(const QImage& page, QRgb colour, const QRectF& region) {
    qint64 x = 0, y = 0, count = 0;
    const QRect pixels(region.left() * page.width(), region.top() * page.height(),
                       region.width() * page.width(), region.height() * page.height());
    for (int py = pixels.top(); py <= pixels.bottom(); ++py)
        for (int px = pixels.left(); px <= pixels.right(); ++px) {
            const QRgb p = page.pixel(px, py);
            if (std::abs(qRed(p) - qRed(colour)) < 40 &&
                std::abs(qGreen(p) - qGreen(colour)) < 40 &&
                std::abs(qBlue(p) - qBlue(colour)) < 40) {
                x += px;
                y += py;
                ++count;
            }
        }
    if (count == 0)
        return {-1, -1};
    return {double(x) / count / page.width(), double(y) / count / page.height()};
}

qint64 residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.simplified().split(' ').value(1).toLongLong() / 1024;
    return 0;
}

// The bounding box of a colour's pixels on a page.
QRect boundsOf(const QImage& page, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) < 40 &&
                std::abs(qGreen(p) - qGreen(colour)) < 40 &&
                std::abs(qBlue(p) - qBlue(colour)) < 40)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

// The runs of a colour along a row of a page: where each picture starts and ends.
QList<QPair<int, int>> runsAlong(const QImage& page, int y, QRgb colour) {
    QList<QPair<int, int>> runs;
    int start = -1;
    for (int x = 0; x <= page.width(); ++x) {
        const QRgb p = x < page.width() ? page.pixel(x, y) : qRgb(255, 255, 255);
        const bool in = std::abs(qRed(p) - qRed(colour)) < 40 &&
                        std::abs(qGreen(p) - qGreen(colour)) < 40 &&
                        std::abs(qBlue(p) - qBlue(colour)) < 40;
        if (in && start < 0)
            start = x;
        if (!in && start >= 0) {
            runs.append({start, x});
            start = -1;
        }
    }
    return runs;
}

// A disk that fills after `room` bytes: the write that reaches it falls short,
// every later one fails.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (size > m_room)
            setErrorString(QStringLiteral("No space left on device"));
        if (m_room <= 0)
            return -1;
        const qint64 written = std::min(size, m_room);
        m_room -= written;
        return written;
    }

private:
    qint64 m_room;
};

} // namespace

class PaperTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    ProjectRecord m_project;

    QString picture(const QString& name, const QImage& image) {
        const QString file = m_dir.filePath(name);
        [&] { QVERIFY(image.save(file)); }();
        return file;
    }
    QImage solid(QRgb colour, int side = 120) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    QString exported(const PaperOptions& options, const QString& name) {
        return exportedOf(m_project, options, name);
    }
    QString exportedOf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& name) {
        const QString file = m_dir.filePath(name);
        const PaperOutcome outcome = exportPdf(project, options, file, {}, QStringLiteral("Ada"));
        [&] { QCOMPARE(outcome.result, PaperOutcome::Result::Done); }();
        return file;
    }
    // Page `page` of a PDF as pdftoppm draws it at `dpi`.
    QImage rendered(const QString& pdf, int page, int dpi) {
        const QString stem = m_dir.filePath(QStringLiteral("render"));
        QFile::remove(stem + QStringLiteral(".png"));
        const QString n = QString::number(page);
        run("pdftoppm",
            {"-r", QString::number(dpi), "-f", n, "-l", n, "-singlefile", "-png", pdf, stem});
        return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }
    // `boards` boards of `grid` x `grid` panes, each showing `picture`, a label and,
    // with `words`, a text; no title, so the grid has the whole page.
    ProjectRecord boardsOf(int grid, int boards, const QString& picture, bool words) {
        ProjectRecord project;
        project.GridSize = grid;
        project.BoardCount = boards;
        for (int p = 1; p <= grid * grid * boards; ++p) {
            PaneRecord& pane = project.Panes[p];
            pane.SourcePicture = picture;
            pane.WorkPicture = picture;
            pane.PictureName = QStringLiteral("picture");
            pane.Label = QStringLiteral("Label%1").arg(p);
            pane.Text =
                words ? QStringLiteral("The camera follows the road into town.") : QString();
            pane.URL.clear();
        }
        return project;
    }

private Q_SLOTS:
    // Three boards of 3 x 3: pane 1 red, pane 2 green | blue mirrored, pane 3 only
    // its prepared bitmap left, pane 5 blank, pane 7 a large photograph.
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_project.GridSize = 3;
        m_project.BoardCount = 3;
        const QString grey = picture(QStringLiteral("grey.png"), solid(0xFF808080));
        for (int p = 1; p <= 27; ++p) {
            PaneRecord& pane = m_project.Panes[p];
            pane.SourcePicture = grey;
            pane.WorkPicture = grey;
            pane.PictureName = QStringLiteral("grey");
            pane.Label = QStringLiteral("Label%1").arg(p, 2, 10, QLatin1Char('0'));
            pane.Text = QStringLiteral("words%1").arg(p, 2, 10, QLatin1Char('0'));
        }
        m_project.Panes[1].SourcePicture = picture(QStringLiteral("red.png"), solid(kRed));
        QImage halves = solid(kGreen);
        for (int y = 0; y < 120; ++y)
            for (int x = 60; x < 120; ++x)
                halves.setPixel(x, y, kBlue);
        m_project.Panes[2].SourcePicture = picture(QStringLiteral("halves.png"), halves);
        m_project.Panes[2].FlipH = 1;
        m_project.Panes[3].SourcePicture = m_dir.filePath(QStringLiteral("gone.png"));
        m_project.Panes[3].WorkPicture = picture(QStringLiteral("prepared.bmp"), solid(kYellow));
        m_project.Panes[4].Text = kLongText;
        m_project.Panes[8].Text =
            QStringLiteral("Zo\u00eb \u03a9\u03bc\u03ad\u03b3\u03b1 \u041f\u0440\u0438 \u2192");
        m_project.Panes[5].makeBlank();
        m_project.Panes[6].URL = QStringLiteral("https://example.com/board/6");
        m_project.Panes[7].SourcePicture = picture(QStringLiteral("large.jpg"), solid(kBlue, 3000));
        m_project.BoardTitle = QStringLiteral("Harbour at dawn");
        m_project.FooterText = QStringLiteral("Draft for review");
    }

    void pagesFollowTheArrangement_data() {
        QTest::addColumn<int>("arrangement");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("firstBoard");
        QTest::addColumn<int>("pages");
        QTest::newRow("board grid")
            << int(PaneArrangement::BoardGrid) << int(QPageLayout::Landscape) << 1 << 3;
        QTest::newRow("boards 2 to 3")
            << int(PaneArrangement::BoardGrid) << int(QPageLayout::Landscape) << 2 << 2;
        // Three rows of one pane fit a portrait A4 page, so a board takes three pages.
        QTest::newRow("one per row")
            << int(PaneArrangement::OnePerRow) << int(QPageLayout::Portrait) << 1 << 9;
        QTest::newRow("three per row")
            << int(PaneArrangement::ThreePerRow) << int(QPageLayout::Portrait) << 1 << 3;
    }
    void pagesFollowTheArrangement() {
        QFETCH(int, arrangement);
        QFETCH(int, orientation);
        QFETCH(int, firstBoard);
        QFETCH(int, pages);
        PaperOptions options;
        options.arrangement = PaneArrangement(arrangement);
        options.orientation = QPageLayout::Orientation(orientation);
        options.firstBoard = firstBoard;
        options.lastBoard = 3;
        QCOMPARE(pageCount(exported(options, QStringLiteral("pages.pdf"))), pages);
    }

    void pageHoldsEveryWordInReadingOrder() {
        PaperOptions options;
        options.lastBoard = 3;
        const QString pdf = exported(options, QStringLiteral("words.pdf"));
        const QString text = run("pdftotext", {"-layout", pdf, "-"});
        // Labels and texts each run in pane order, a row of the grid after the other.
        for (const auto field : {&PaneRecord::Label, &PaneRecord::Text}) {
            qsizetype at = 0;
            for (int p = 1; p <= 27; ++p) {
                if (p == 4 && field == &PaneRecord::Text)
                    continue;
                const QString& word = m_project.Panes[p].*field;
                at = text.indexOf(word, at);
                QVERIFY2(at >= 0, qPrintable(word));
            }
        }
        QVERIFY(text.contains(QStringLiteral("Harbour at dawn")));
        QVERIFY(text.contains(QStringLiteral("Draft for review")));
        QVERIFY(text.contains(QStringLiteral("Board 2 of 3 \u00b7 page 2 of 3")));
        QVERIFY(text.contains(QStringLiteral("The long take begins.")));
        QVERIFY(text.contains(QStringLiteral("\u2026")));
        QVERIFY(!text.contains(QStringLiteral("LASTWORD")));
        // The address and the picture over it.
        QCOMPARE(run("pdfinfo", {"-url", pdf}).count(QStringLiteral("https://example.com/board/6")),
                 2);
        QVERIFY(run("pdffonts", {pdf}).contains(QStringLiteral("DejaVuSans")));
    }

    // A picture per pane that has one (the blank pane none), never above 300 dots per inch.
    void picturesAreBoundedAndPlaced() {
        PaperOptions options;
        const QString pdf = exported(options, QStringLiteral("pictures.pdf"));
        const QList<QStringList> rows = pictureRows(pdf);
        QCOMPARE(rows.size(), 8);
        int largest = 0;
        for (const QStringList& f : rows) {
            QVERIFY2(f.at(12).toInt() <= kPaperPictureDpi + 1, qPrintable(f.join(' ')));
            largest = std::max(largest, f.at(3).toInt());
        }
        QVERIFY2(largest > 120 && largest < 3000, qPrintable(QString::number(largest)));

        QVERIFY(run("pdftoppm", {"-r", "40", "-f", "1", "-l", "1", "-png", pdf,
                                 m_dir.filePath(QStringLiteral("page"))})
                    .isEmpty());
        const QImage page(m_dir.filePath(QStringLiteral("page-1.png")));
        QVERIFY(!page.isNull());
        const QPointF red = centreOf(page, kRed, {0, 0, 1, 1});
        QVERIFY(red.x() > 0 && red.x() < 1.0 / 3 && red.y() > 0 && red.y() < 1.0 / 3);
        const QRectF secondCell(1.0 / 3, 0, 1.0 / 3, 1.0 / 3);
        const QPointF green = centreOf(page, kGreen, secondCell);
        const QPointF blue = centreOf(page, kBlue, secondCell);
        QVERIFY(green.x() > 0 && blue.x() > 0);
        QVERIFY2(blue.x() < green.x(), "pane 2 is mirrored");
        QVERIFY(centreOf(page, kYellow, {2.0 / 3, 0, 1.0 / 3, 1.0 / 3}).x() > 0);
    }

    // Under the pictures of the board's grid only the lines the printed words take
    // are kept: with labels alone the pictures print larger (across the sheet, where
    // the height bounds them).
    void wordsKeepOnlyTheRoomTheyTake() {
        // Pane 7's photograph is the widest picture, printed at 300 dots per inch.
        const auto photoWidth = [this](const QString& name) {
            PaperOptions options;
            options.orientation = QPageLayout::Landscape;
            int widest = 0;
            for (const QStringList& row : pictureRows(exported(options, name)))
                widest = std::max(widest, row.at(3).toInt());
            return widest;
        };
        const int withWords = photoWidth(QStringLiteral("withwords.pdf"));
        const ProjectRecord kept = m_project;
        for (PaneRecord& pane : m_project.Panes) {
            pane.Text.clear();
            pane.URL.clear();
        }
        const int labelsOnly = photoWidth(QStringLiteral("labelsonly.pdf"));
        m_project = kept;
        QVERIFY2(labelsOnly > withWords * 5 / 4,
                 qPrintable(QStringLiteral("%1 %2").arg(labelsOnly).arg(withWords)));
    }

    // The print path: the same pages on a printer that writes a PDF file.
    void printerGetsTheSamePages() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("printed.pdf")));
        PaperOptions options;
        options.lastBoard = 3;
        printer.setPageLayout(paperPageLayout(m_project, options));
        QCOMPARE(drawPaper(m_project, options, printer).result, PaperOutcome::Result::Done);
        QCOMPARE(pageCount(printer.outputFileName()), 3);
    }

    void unfinishedExportLeavesNoFile_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<PaperOutcome::Result>("result");
        QTest::newRow("cancelled after page 1") << true << PaperOutcome::Result::Cancelled;
        QTest::newRow("folder missing") << false << PaperOutcome::Result::Failed;
    }
    void unfinishedExportLeavesNoFile() {
        QFETCH(bool, cancel);
        QFETCH(PaperOutcome::Result, result);
        const QString file = cancel ? m_dir.filePath(QStringLiteral("earlier.pdf"))
                                    : m_dir.filePath(QStringLiteral("missing/boards.pdf"));
        if (cancel) {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        }
        PaperOptions options;
        options.lastBoard = 3;
        const PaperOutcome outcome =
            exportPdf(m_project, options, file, [cancel](int, int) { return !cancel; });
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.reason.isEmpty(), cancel);
        QFile written(file);
        QCOMPARE(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray(),
                 cancel ? QByteArray("earlier") : QByteArray());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf.*")}), QStringList());
    }

    // Each share of the whole file at which the disk fills gives a failure with its reason.
    void fullDiskFailsTheExport_data() {
        QTest::addColumn<double>("share");
        QTest::newRow("at once") << 0.0;
        QTest::newRow("midway") << 0.5;
        QTest::newRow("the last bytes") << 0.999;
    }
    void fullDiskFailsTheExport() {
        QFETCH(double, share);
        PaperOptions options;
        options.lastBoard = 3;
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QCOMPARE(writePdf(m_project, options, whole, {}).result, PaperOutcome::Result::Done);
        FillingDevice disk(static_cast<qint64>(whole.size() * share));
        const PaperOutcome outcome = writePdf(m_project, options, disk, {});
        QCOMPARE(outcome.result, PaperOutcome::Result::Failed);
        QCOMPARE(outcome.reason, QStringLiteral("No space left on device"));
    }

    // What a PDF viewer copies or searches is what the pane holds; a character no
    // embeddable font has prints as U+FFFD, never as a gap.
    void copiedTextIsThePanes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("font");
        QTest::newRow("ligatures") << "The fisherman's office affords a fjord"
                                   << ""
                                   << "DejaVuSans";
        QTest::newRow("address") << "https://fifty.example.com/flat"
                                 << ""
                                 << "DejaVuSans";
        QTest::newRow("arabic")
            << "\u0645\u0631\u062d\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645"
            << ""
            << "DejaVuSans";
        // Drawn in Symbola; a character beyond the first 65,536 is not told to a viewer.
        QTest::newRow("emoji") << "Take \U0001F3AC two"
                               << "Take"
                               << "Symbola";
        QTest::newRow("colour emoji only") << "Take \U0001FAE8 two"
                                           << "Take \uFFFD two"
                                           << "DejaVuSans";
        QTest::newRow("no font") << "Take \uE123 two"
                                 << "Take \uFFFD two"
                                 << "DejaVuSans";
    }
    void copiedTextIsThePanes() {
        QFETCH(QString, text);
        QFETCH(QString, copied);
        QFETCH(QString, font);
        const ProjectRecord kept = m_project;
        m_project.Panes[1].Text = text;
        const QString pdf = exported({}, QStringLiteral("copied.pdf"));
        m_project = kept;
        const QString extracted = run("pdftotext", {pdf, "-"});
        QVERIFY2(extracted.contains(copied.isEmpty() ? text : copied), qPrintable(extracted));
        QVERIFY(run("pdffonts", {pdf}).contains(font));
    }

    void onlyWholeAddressesBecomeLinks_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("link");
        QTest::newRow("https") << "https://example.com/board/6"
                               << "https://example.com/board/6";
        QTest::newRow("ftp") << "FTP://files.example.org/a"
                             << "ftp://files.example.org/a";
        QTest::newRow("mailto") << "mailto:director@example.org"
                                << "mailto:director@example.org";
        QTest::newRow("e-mail") << " director@example.org "
                                << "mailto:director@example.org";
        QTest::newRow("www") << "www.example.com/x"
                             << "http://www.example.com/x";
        QTest::newRow("relative page") << "page2.htm"
                                       << "";
        QTest::newRow("web export page") << "Harbour_002.htm"
                                         << "";
        QTest::newRow("scheme alone") << "http://"
                                      << "";
        QTest::newRow("other scheme") << "javascript:alert(1)"
                                      << "";
        QTest::newRow("file") << "file:///etc/passwd"
                              << "";
        QTest::newRow("words") << "see the notes"
                               << "";
    }
    void onlyWholeAddressesBecomeLinks() {
        QFETCH(QString, address);
        QFETCH(QString, link);
        QCOMPARE(paperLink(address).toString(), link);
    }

    void textIsCutAtAWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("last");
        QTest::newRow("fits") << "Wide shot" << 1 << "Wide shot";
        QTest::newRow("cut after a word")
            << "one two three four five six seven eight" << 1 << "one two three\u2026";
        QTest::newRow("one long word")
            << QString(60, QLatin1Char('x')) << 1 << QString(13, QLatin1Char('x')) + "\u2026";
        QTest::newRow("a million characters")
            << QString("word ").repeated(200000) << 3 << "word word word\u2026";
    }
    void textIsCutAtAWord() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(QString, last);
        QImage device(400, 400, QImage::Format_RGB32);
        device.setDotsPerMeterX(3780); // 96 dots per inch
        device.setDotsPerMeterY(3780);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        // Just wide enough for the expected last line.
        const qreal width = QFontMetricsF(font, &device).horizontalAdvance(last) + 1;
        const QStringList fitted = fitText(text, font, &device, width, lines);
        QCOMPARE(fitted.size(), lines);
        QCOMPARE(fitted.last(), last);
    }

    void defaultPaperFollowsPrinterThenLocale_data() {
        QTest::addColumn<int>("printer");
        QTest::addColumn<int>("measurement");
        QTest::addColumn<int>("paper");
        QTest::newRow("printer A3")
            << int(QPageSize::A3) << int(QLocale::ImperialUSSystem) << int(QPageSize::A3);
        QTest::newRow("printer Legal, US")
            << int(QPageSize::Legal) << int(QLocale::ImperialUSSystem) << int(QPageSize::Letter);

        QTest::newRow("no printer, UK")
            << -1 << int(QLocale::ImperialUKSystem) << int(QPageSize::A4);
    }
    void defaultPaperFollowsPrinterThenLocale() {
        QFETCH(int, printer);
        QFETCH(int, measurement);
        QFETCH(int, paper);
        const auto printerSize =
            printer < 0 ? std::nullopt : std::optional(QPageSize::PageSizeId(printer));
        QCOMPARE(int(defaultPaperSize(printerSize, QLocale::MeasurementSystem(measurement))),
                 paper);
    }

    // In the board's grid the orientation left to the editor is the one that gives
    // the larger pictures, and the grid stands in the middle of the sheet.
    void picturesFillTheSheet_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("words");
        for (const int grid : {2, 3, 5})
            for (const auto paper : {QPageSize::A4, QPageSize::Letter})
                for (const bool words : {false, true})
                    QTest::addRow("%dx%d %s%s", grid, grid,
                                  paper == QPageSize::A4 ? "A4" : "Letter",
                                  words ? " with words" : "")
                        << grid << int(paper) << words;
    }
    void picturesFillTheSheet() {
        QFETCH(int, grid);
        QFETCH(int, paper);
        QFETCH(bool, words);
        const ProjectRecord project =
            boardsOf(grid, 1, picture(QStringLiteral("fill.png"), solid(kRed, 400)), words);
        PaperOptions options;
        options.paperSize = QPageSize::PageSizeId(paper);
        options.paneNumbers = false;
        constexpr int kDpi = 60;
        QImage page;
        const auto widthWith = [&](std::optional<QPageLayout::Orientation> orientation) {
            options.orientation = orientation;
            page = rendered(exportedOf(project, options, QStringLiteral("fill.pdf")), 1, kDpi);
            const QRect bounds = boundsOf(page, kRed);
            const auto runs = runsAlong(page, bounds.top() + 2, kRed);
            [&] { QCOMPARE(runs.size(), grid); }();
            return runs.isEmpty() ? 0 : runs.first().second - runs.first().first;
        };
        const int across = widthWith(QPageLayout::Landscape);
        const int down = widthWith(QPageLayout::Portrait);
        const int best = widthWith(std::nullopt);
        QVERIFY2(best >= std::max(across, down) - 1,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(best).arg(across).arg(down)));
        const QRect bounds = boundsOf(page, kRed);
        const double gapsApart = std::abs(bounds.left() - (page.width() - 1 - bounds.right()));
        QVERIFY2(gapsApart * 25.4 / kDpi <= 1.0, qPrintable(QString::number(gapsApart)));
    }

    // A 2 x 2 board with labels only fills most of an A4 page.
    void aSmallBoardFillsThePage() {
        const ProjectRecord project =
            boardsOf(2, 1, picture(QStringLiteral("fill.png"), solid(kRed, 400)), false);
        PaperOptions options;
        options.paneNumbers = false;
        const QImage page =
            rendered(exportedOf(project, options, QStringLiteral("small.pdf")), 1, 30);
        qint64 covered = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                covered += qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 60;
        QVERIFY2(covered * 2 > qint64(page.width()) * page.height(),
                 qPrintable(QString::number(double(covered) / (page.width() * page.height()))));
    }

    // Wide frames print in their own shape in cells of that shape; otherwise squares.
    void picturesKeepTheirProportions_data() {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<double>("aspect");
        QTest::newRow("kept") << true << 16.0 / 9;
        QTest::newRow("squares") << false << 1.0;
    }
    void picturesKeepTheirProportions() {
        QFETCH(bool, keep);
        QFETCH(double, aspect);
        QImage wide(640, 360, QImage::Format_RGB32);
        wide.fill(kRed);
        const ProjectRecord project =
            boardsOf(2, 1, picture(QStringLiteral("wide.png"), wide), true);
        PaperOptions options;
        options.paneNumbers = false;
        options.keepProportions = keep;
        const QImage page =
            rendered(exportedOf(project, options, QStringLiteral("wide.pdf")), 1, 100);
        const QRect bounds = boundsOf(page, kRed);
        const auto across = runsAlong(page, bounds.top() + 3, kRed);
        QCOMPARE(across.size(), 2);
        const int x = (across.first().first + across.first().second) / 2;
        int top = bounds.top(), bottom = top;
        while (bottom + 1 < page.height() && qRed(page.pixel(x, bottom + 1)) > 200 &&
               qGreen(page.pixel(x, bottom + 1)) < 60)
            ++bottom;
        const double drawn =
            double(across.first().second - across.first().first) / (bottom - top + 1);
        QVERIFY2(std::abs(drawn / aspect - 1) < 0.01, qPrintable(QString::number(drawn)));
    }

    // Rows fill whole pages: a board's rows are shared out over its pages, so no
    // page ends a board with a pane or two; continuous rows let boards share a page.
    void rowsLeaveNoOrphanPages_data() {
        QTest::addColumn<int>("arrangement");
        QTest::addColumn<bool>("continuous");
        QTest::addColumn<int>("rowsThatFit");
        QTest::addColumn<QList<int>>("panes");
        QTest::addColumn<QList<int>>("lastBoards");
        QTest::newRow("rows of 3") << int(PaneArrangement::ThreePerRow) << false << 8
                                   << QList<int>{15, 10, 15, 10} << QList<int>{1, 1, 2, 2};
        QTest::newRow("rows of 1")
            << int(PaneArrangement::OnePerRow) << false << 3
            << QList<int>{3, 3, 3, 3, 3, 3, 3, 2, 2, 3, 3, 3, 3, 3, 3, 3, 2, 2}
            << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        // Each board starts a row: board 1's last row holds one pane.
        QTest::newRow("continuous rows of 3") << int(PaneArrangement::ThreePerRow) << true << 8
                                              << QList<int>{24, 22, 4} << QList<int>{1, 2, 2};
    }
    void rowsLeaveNoOrphanPages() {
        QFETCH(int, arrangement);
        QFETCH(bool, continuous);
        QFETCH(int, rowsThatFit);
        QFETCH(QList<int>, panes);
        QFETCH(QList<int>, lastBoards);
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 2;
        PaperOptions options;
        options.arrangement = PaneArrangement(arrangement);
        options.continuous = continuous;
        options.lastBoard = 2;
        const int perRow = arrangement == int(PaneArrangement::ThreePerRow) ? 3 : 1;
        QList<int> counted, boards;
        QList<int> seen;
        for (const PaperPage& page :
             paperPages(project, options, perRow,
                        paperRowsOnPage(project, options, perRow, rowsThatFit))) {
            counted.append(static_cast<int>(page.panes.size() - page.panes.count(0)));
            boards.append(page.lastBoard);
            for (const int pane : page.panes)
                if (pane > 0)
                    seen.append(pane);
        }
        QCOMPARE(counted, panes);
        QCOMPARE(boards, lastBoards);
        QCOMPARE(seen.size(), 50);
        QCOMPARE(seen.last(), 50);
    }

    // The largest project in rows of 3: every page holds at least two rows.
    void fortyBoardsInRowsOfThree() {
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 40;
        for (int p = 1; p <= 1000; ++p) {
            project.Panes[p].makeBlank();
            project.Panes[p].Label = QStringLiteral("Lbl%1").arg(p);
        }
        PaperOptions options;
        options.arrangement = PaneArrangement::ThreePerRow;
        options.lastBoard = 40;
        const QString pdf = exportedOf(project, options, QStringLiteral("forty.pdf"));
        const QStringList pages =
            run("pdftotext", {pdf, "-"}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), pageCount(pdf));
        for (const QString& page : pages)
            QVERIFY2(page.count(QStringLiteral("Lbl")) >= 6, qPrintable(page.left(80)));
    }

    // A bookmark for each board, the document's properties, and a link over the
    // picture of a pane with a web address.
    void pdfHasBookmarksLinksAndProperties() {
        ProjectRecord project = m_project;
        project.Panes[6].SourcePicture = picture(QStringLiteral("cyan.png"), solid(0xFF00C8C8));
        PaperOptions options;
        options.lastBoard = 3;
        const QString pdf = exportedOf(project, options, QStringLiteral("navigation.pdf"));
        const QString outline = run("pdftohtml", {"-xml", "-i", "-stdout", "-q", pdf});
        QCOMPARE(outline.count(QStringLiteral("<item")), 3);
        QVERIFY(outline.contains(QStringLiteral("Board 2 \u00b7 Harbour at dawn")));
        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Author:\\s+Ada\\n"))),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Harbour at dawn\\n"))));
        QVERIFY(info.contains(
            QRegularExpression(QStringLiteral("Subject:\\s+Storyboard, boards 1 to 3 of 3\\n"))));
        QCOMPARE(pageCount(pdf), 3);

        // The widest link to the pane's address lies over its picture.
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(file.readAll());
        const QRegularExpression link(
            QStringLiteral("/Rect \\[([\\d.]+) ([\\d.]+) ([\\d.]+) ([\\d.]+)\\][^>]*/URI "
                           "\\(https://example.com/board/6\\)"));
        QRectF widest;
        for (const auto& match : link.globalMatch(bytes)) {
            const QRectF area(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                              QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
            if (area.width() > widest.width())
                widest = area;
        }
        const QImage page = rendered(pdf, 1, 72);
        const QRect cyan = boundsOf(page, 0xFF00C8C8);
        QVERIFY(!cyan.isEmpty());
        const QRectF pictureArea(cyan.left(), page.height() - cyan.bottom() - 1, cyan.width(),
                                 cyan.height());
        QVERIFY2(std::abs(widest.left() - pictureArea.left()) < 2 &&
                     std::abs(widest.right() - pictureArea.right()) < 2 &&
                     std::abs(widest.top() - pictureArea.top()) < 2 &&
                     std::abs(widest.bottom() - pictureArea.bottom()) < 2,
                 qPrintable(QStringLiteral("%1 %2 %3 %4 against %5 %6 %7 %8")
                                .arg(widest.left())
                                .arg(widest.top())
                                .arg(widest.right())
                                .arg(widest.bottom())
                                .arg(pictureArea.left())
                                .arg(pictureArea.top())
                                .arg(pictureArea.right())
                                .arg(pictureArea.bottom())));
    }

    // Notes in full: each text whole in a list after its board's grid, none cut.
    void notesInFullListEveryTextWhole() {
        PaperOptions options;
        options.notesInFull = true;
        options.lastBoard = 3;
        const QString pdf = exported(options, QStringLiteral("notes.pdf"));
        const QString text = run("pdftotext", {pdf, "-"}).simplified();
        QVERIFY(text.contains(QStringLiteral("LASTWORD")));
        QVERIFY(!text.contains(QStringLiteral("\u2026")));
        QCOMPARE(text.count(QStringLiteral("The long take begins.")), 40);
        // Board 1's notes come before board 2's grid.
        QVERIFY(text.indexOf(QStringLiteral("words09")) < text.indexOf(QStringLiteral("Label10")));
        QVERIFY(pageCount(pdf) > 3);
        // Rows keep more lines of a note than the grid does.
        PaperOptions rows;
        rows.arrangement = PaneArrangement::OnePerRow;
        QCOMPARE(paperNoteLines(m_project, {}), 3);
        QVERIFY(paperNoteLines(m_project, rows) > 3);
    }

    // However the writer's bytes are cut into writes, the trail finds the same
    // catalog, pages and annotations.
    void trailFindsThePdfsObjectsInAnyWrites_data() {
        QTest::addColumn<int>("chunk");
        QTest::newRow("a byte at a time") << 1;
        QTest::newRow("7 bytes") << 7;
        QTest::newRow("4 KiB") << 4096;
    }
    void trailFindsThePdfsObjectsInAnyWrites() {
        QFETCH(int, chunk);
        PaperOptions options;
        options.lastBoard = 3;
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QCOMPARE(writePdf(m_project, options, whole, {}).result, PaperOutcome::Result::Done);
        // Qt's own file, before the update: up to the first end of file.
        const QByteArray& bytes = whole.data();
        const QByteArray first = bytes.left(bytes.indexOf("%%EOF") + 6);
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        PdfTrail trail(sink);
        for (qsizetype at = 0; at < first.size(); at += chunk)
            QCOMPARE(trail.write(first.mid(at, chunk)), std::min<qint64>(chunk, first.size() - at));
        QVERIFY(trail.finish());
        QCOMPARE(trail.pageObjects().size(), 3);
        QVERIFY(trail.catalogDictionary().contains("/Type /Catalog"));
        QCOMPARE(trail.written(), first.size());
        // Pane 6's address is Qt's own link on page 1.
        QVERIFY(!trail.annotationsArray(0).isEmpty());
        QVERIFY(trail.annotationsArray(1).isEmpty());
        QVERIFY(bytes.mid(first.size()).contains("/Outlines"));
    }

    // A right-to-left text reads from the right edge of its box.
    void arabicReadsFromTheRight() {
        ProjectRecord project = m_project;
        const QString first = QStringLiteral("\u0645\u0631\u062d\u0628\u0627");
        const QString second = QStringLiteral("\u0628\u0627\u0644\u0639\u0627\u0644\u0645");
        project.Panes[1].Text = first + QLatin1Char(' ') + second;
        const QString pdf = exportedOf(project, {}, QStringLiteral("arabic.pdf"));
        const QString boxes = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
        // pdftotext gives each Arabic letter a box of its own: where the first letter
        // of a kind begins and the rightmost letter ends.
        QHash<QString, double> left;
        double right = 0;
        double labelLeft = -1;
        const QRegularExpression word(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]+)<"));
        for (const auto& match : word.globalMatch(boxes)) {
            const QString text = match.captured(3);
            if (text == QLatin1String("Label01"))
                labelLeft = match.captured(1).toDouble();
            if (text.size() != 1 || !text.isRightToLeft())
                continue;
            left.insert(text, match.captured(1).toDouble());
            right = std::max(right, match.captured(2).toDouble());
        }
        // Only the first word has a ح, only the second a ع.
        QVERIFY2(left.contains(QStringLiteral("\u062d")) && left.contains(QStringLiteral("\u0639")),
                 qPrintable(boxes.mid(boxes.indexOf(QStringLiteral("Label01")), 1200)));
        QVERIFY(left.value(QStringLiteral("\u062d")) > left.value(QStringLiteral("\u0639")));
        // The label starts at the picture's left edge; the Arabic text ends near its right one.
        QVERIFY2(right - labelLeft > 140,
                 qPrintable(QStringLiteral("%1 %2").arg(labelLeft).arg(right)));
    }

    // The preview breaks pages where the PDF does and draws only the page asked for,
    // so a print of hundreds of pages holds no more pictures than one page has.
    void previewDrawsOnePageAtATime() {
        const QString photo = m_dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(solid(kBlue, 800).save(photo, "JPEG", 90));
        const ProjectRecord project = boardsOf(5, 16, photo, false);
        PaperOptions options;
        options.arrangement = PaneArrangement::OnePerRow;
        options.lastBoard = 16;
        const int printed = pageCount(exportedOf(project, options, QStringLiteral("long.pdf")));
        QVERIFY(printed > 100);
        const qint64 before = residentMegabytes();
        PaperPreview preview(project, options);
        QCOMPARE(preview.pageCount(), printed);
        for (const int page : {0, printed / 2, printed - 1}) {
            const QImage shown = preview.page(page, 600);
            QCOMPARE(shown.width(), 600);
            QVERIFY(!boundsOf(shown, kBlue).isEmpty());
        }
#ifndef __SANITIZE_ADDRESS__
        // The address sanitizer keeps freed memory resident in its quarantine.
        QVERIFY2(residentMegabytes() - before < 40,
                 qPrintable(QString::number(residentMegabytes() - before)));
#endif
        QVERIFY(preview.page(printed, 600).isNull());
    }

    // Paper shows what the stage shows: a source replaced since the pane's bitmap
    // was made, or one cut short, prints from the bitmap.
    void sourcePrintsOnlyWhileItIsThePreparedPicture_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QRgb>("printed");
        QTest::newRow("unchanged") << "" << kRed;
        QTest::newRow("replaced since") << "replace" << kYellow;
        QTest::newRow("gone since") << "remove" << kYellow;
        QTest::newRow("a JPEG cut short") << "cut" << kYellow;
    }
    void sourcePrintsOnlyWhileItIsThePreparedPicture() {
        QFETCH(QString, change);
        QFETCH(QRgb, printed);
        PaneRecord pane;
        pane.SourcePicture = m_dir.filePath(QStringLiteral("source.jpg"));
        QVERIFY(solid(kRed, 200).save(pane.SourcePicture, "JPEG", 95));
        pane.WorkPicture = picture(QStringLiteral("bitmap.bmp"), solid(kYellow));
        pane.Stamp = SourceStamp::of(pane.SourcePicture);
        if (change == QLatin1String("replace")) {
            QVERIFY(QFile::remove(pane.SourcePicture));
            QVERIFY(solid(kBlue, 300).save(pane.SourcePicture, "JPEG", 95));
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(pane.SourcePicture));
        } else if (change == QLatin1String("cut")) {
            QFile file(pane.SourcePicture);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() * 2 / 3));
            file.close();
            pane.Stamp = SourceStamp::of(pane.SourcePicture);
        }
        const QImage image = paperPicture(pane, QSize(100, 100), true);
        QVERIFY(!image.isNull());
        const QRgb centre = image.pixel(50, 50);
        QVERIFY2(qAbs(qRed(centre) - qRed(printed)) < 24 &&
                     qAbs(qGreen(centre) - qGreen(printed)) < 24 &&
                     qAbs(qBlue(centre) - qBlue(printed)) < 24,
                 qPrintable(QString::number(centre, 16)));
    }
};

VV_TEST_MAIN(PaperTest)
#include "tst_paper.moc"
