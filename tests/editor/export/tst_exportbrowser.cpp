#include "editor/export/htmlwordtable.h"
#include "editor/export/pagegenerator.h"
#include "editor/export/pictureconversion.h"
#include "editor/model/project/paneimage.h"
#include "editor/model/storage/workfolder.h"
#include "platform/turbojpegencoder.h"
#include "testmain.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

using namespace editor;

// A real browser opens an exported project: every picture must load, whatever
// its name, and the "Next" links must lead through every page.
class ExportBrowserTest : public QObject {
    Q_OBJECT
private:
    QString m_chromium;
    QTemporaryDir m_scratch;
    QString m_pages = QStringLiteral(ARTEFACT_DIR "/export-browser");

    QByteArray runChromium(const QStringList& arguments) {
        QProcess chromium;
        chromium.setProcessChannelMode(QProcess::SeparateChannels);
        chromium.start(m_chromium,
                       QStringList{"--headless", "--no-sandbox", "--disable-gpu",
                                   "--disable-background-networking", "--disable-component-update",
                                   "--disable-sync", "--no-first-run",
                                   "--user-data-dir=" + m_scratch.filePath("profile"),
                                   "--hide-scrollbars"} +
                           arguments);
        if (!chromium.waitForFinished(120000)) {
            chromium.kill();
            chromium.waitForFinished();
            return {};
        }
        return chromium.readAllStandardOutput();
    }

private Q_SLOTS:
    void initTestCase() {
        m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        QVERIFY2(!m_chromium.isEmpty(), "chromium is missing: run ./dev deps");

        // Three boards of 2 x 2, every pane with a picture; names with a blank,
        // a "#", a per cent sign, a backslash and letters beyond ASCII; labels,
        // links, texts. The page names hold a blank and a backslash.
        std::unique_ptr<WorkFolder> work = WorkFolder::create(m_scratch.path(), QString(), nullptr);
        QVERIFY(work);
        ProjectRecord project;
        project.BoardCount = 3;
        project.BoardTitle = QStringLiteral("The Voyage");
        project.FooterText = QStringLiteral("Made with the board editor");
        const QStringList names = {"Image1",   "my sky", "Straße",     "take #2",
                                   "100% sea", "山",     "back\\slash"};
        const QColor colours[] = {Qt::red,     Qt::darkGreen, Qt::blue,   Qt::darkYellow,
                                  Qt::magenta, Qt::darkCyan,  Qt::darkRed};
        for (int pane = 1; pane <= 12; ++pane) {
            const QString name = names.at((pane - 1) % names.size());
            QImage picture(120, 90, QImage::Format_RGB32);
            picture.fill(colours[(pane - 1) % names.size()]);
            const QString source = m_scratch.filePath(name + QStringLiteral(".bmp"));
            QVERIFY(picture.save(source, "BMP"));
            PaneRecord& record = project.Panes[pane];
            record.SourcePicture = source;
            record.PictureName = name;
            record.Label = QStringLiteral("Pane %1 %2").arg(pane).arg(QString::fromUtf8("Ωμέγα"));
            record.Text = QStringLiteral("Scene %1").arg(pane);
            if (pane % 3 == 0)
                record.URL = QStringLiteral("http://example.org/%1").arg(pane);
            QString error;
            QVERIFY2(PreparePaneImage(project, pane, 160, true, *work, &error), qPrintable(error));
        }

        QDir(m_pages).removeRecursively();
        QVERIFY(QDir().mkpath(m_pages));
        const ExportTarget target{m_pages + "/trip\\my tour.htm", m_pages + '/', "trip\\my tour"};
        PageCounters counters;
        QVERIFY(writeExportPages(project, HtmlWordTable::load(), ExportOptions(), target, counters,
                                 nullptr, nullptr));
        platform::TurboJpegEncoder encoder;
        QFuture<PictureOutcome> conversion =
            startPictureConversion(pictureJobs(project, target.folder), encoder);
        conversion.waitForFinished();
        QCOMPARE(conversion.results().count(PictureOutcome::Written), 12);
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/export/browsercheck.html"),
                            m_pages + "/browsercheck.html"));
    }

    void everyPictureLoadsAndNextLeadsToTheLastPage() {
        QUrl check = QUrl::fromLocalFile(m_pages + "/browsercheck.html");
        check.setQuery(QStringLiteral("start=trip%5Cmy%20tour_001.htm"));
        const QByteArray dom =
            runChromium({"--allow-file-access-from-files", "--virtual-time-budget=20000",
                         "--dump-dom", check.toString(QUrl::FullyEncoded)});
        const qsizetype start = dom.indexOf("<pre id=\"result\">");
        QVERIFY2(start >= 0, dom.constData());
        const QString report =
            QString::fromUtf8(dom.mid(start + 17, dom.indexOf("</pre>", start) - start - 17));
        QCOMPARE(report, QStringLiteral("PAGE trip\\my tour_001.htm IMAGES 4 BROKEN 0 \n"
                                        "PAGE trip\\my tour_002.htm IMAGES 4 BROKEN 0 \n"
                                        "PAGE trip\\my tour_003.htm IMAGES 4 BROKEN 0 \n"
                                        "DONE"));
    }

    void screenshotOfPageOneIsKept() {
        const QString shot = QStringLiteral(ARTEFACT_DIR "/export-page1.png");
        QFile::remove(shot);
        runChromium({"--window-size=1280,1024", "--screenshot=" + shot,
                     QUrl::fromLocalFile(m_pages + "/trip\\my tour_001.htm").toString()});
        const QImage image(shot);
        QCOMPARE(image.size(), QSize(1280, 1024));
        // The first picture is red: some of the page must show it.
        int red = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                red += qRed(image.pixel(x, y)) > 220 && qGreen(image.pixel(x, y)) < 40 &&
                               qBlue(image.pixel(x, y)) < 40
                           ? 1
                           : 0;
        QVERIFY2(red > 100, qPrintable(QStringLiteral("%1 red samples").arg(red)));
    }
};

VV_TEST_MAIN(ExportBrowserTest)
#include "tst_exportbrowser.moc"
