#include "editor/print/fittedtext.h"
#include "editor/print/paperlink.h"
#include "editor/print/paperpicture.h"
#include "editor/print/pdfexport.h"
#include "testmain.h"
#include "testpictures.h"

#include <QBuffer>
#include <QFile>
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
        const QString file = m_dir.filePath(name);
        const PaperOutcome outcome = exportPdf(m_project, options, file);
        [&] { QCOMPARE(outcome.result, PaperOutcome::Result::Done); }();
        return file;
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
        QCOMPARE(run("pdfinfo", {"-url", pdf}).count(QStringLiteral("https://example.com/board/6")),
                 1);
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
    // are kept: with labels alone the pictures print larger.
    void wordsKeepOnlyTheRoomTheyTake() {
        // Pane 7's photograph is the widest picture, printed at 300 dots per inch.
        const auto photoWidth = [this](const QString& name) {
            int widest = 0;
            for (const QStringList& row : pictureRows(exported({}, name)))
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
        printer.setPageLayout(paperPageLayout(options));
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
        const QImage image = paperPicture(pane, 100);
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
