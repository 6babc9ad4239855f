#include "editor/export/htmlwordtable.h"
#include "editor/export/pagegenerator.h"
#include "fulldevice.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace editor;

namespace {

QByteArray readAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The two example projects the golden pages were made from.
void setUpGoldenProject(const QString& name, ProjectRecord& project, ExportOptions& options) {
    project = ProjectRecord();
    if (name == QLatin1String("one-board-on-3x3")) {
        // One 2 x 2 board on a 3 x 3 page; the title is unset but "Show board title." ticked.
        options.PaneGrid = 3;
        project.Panes[1].PictureName = QStringLiteral("Image01");
        project.Panes[1].Label = QStringLiteral("Harbour");
        project.Panes[1].URL = QStringLiteral("http://example.org/harbour");
        project.Panes[1].Text = QStringLiteral("Boats come in.");
        project.Panes[2].Label = QStringLiteral("Quay");
        project.Panes[4].PictureName = QStringLiteral("Image04");
        project.Panes[4].Text = QStringLiteral("Night falls.");
        project.FooterText = QStringLiteral("(c) the crew");
    } else {
        // Three 2 x 2 boards on 2 x 2 pages, labels not as ALT, no link borders,
        // the 640 x 480 scale.
        options.PaneGrid = 2;
        options.labelsAsAlt = false;
        options.linkBorders = false;
        options.wideScale = false;
        project.BoardCount = 3;
        project.BoardTitle = QStringLiteral("The Voyage");
        for (int pane = 1; pane <= 12; ++pane)
            project.Panes[pane].PictureName = QStringLiteral("Sea");
        project.Panes[6].URL = QStringLiteral("http://example.org/six");
        project.Panes[6].Label = QStringLiteral("Storm");
        project.Panes[7].URL = QString();
        project.Panes[9].Text = QStringLiteral("Land ahoy.");
    }
}

} // namespace

class PageGeneratorTest : public QObject {
    Q_OBJECT
private:
    HtmlWordTable m_words = HtmlWordTable::load();
    QTemporaryDir m_dir;

    ExportTarget target(const QString& base = QStringLiteral("tour")) {
        return {m_dir.filePath(base + QStringLiteral(".htm")), m_dir.path() + QLatin1Char('/'),
                base};
    }

private Q_SLOTS:
    void wordTableHoldsTheThirtyWords() {
        const QStringList expected = {"/",      "html",   "head", "title",  "body",    "table",
                                      "width",  "tr",     "td",   "align",  "center",  "big",
                                      "p",      "&nbsp;", "alt",  "a",      "href",    "strong",
                                      "height", "%",      "meta", "name",   "content", "<",
                                      ">",      "\"",     "=",    "border", "img",     "src"};
        for (int number = 101; number <= 130; ++number)
            QCOMPARE(m_words[number], expected.at(number - 101));
        QCOMPARE(m_words[100], QString());
        QCOMPARE(m_words[131], QString());
    }

    void goldenPages_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pages");
        QTest::newRow("one board on 3 x 3") << "one-board-on-3x3" << 1;
        QTest::newRow("three boards on 2 x 2") << "three-boards-on-2x2" << 3;
    }
    void goldenPages() {
        QFETCH(QString, name);
        QFETCH(int, pages);
        ProjectRecord project;
        ExportOptions options;
        setUpGoldenProject(name, project, options);
        PageCounters counters;
        PageWriteFailure failure;
        QVERIFY(writeExportPages(project, m_words, options, target(), counters, nullptr, &failure));
        QCOMPARE(int(counters.PageCount), pages);
        const QDir golden(QStringLiteral(TEST_DATA_DIR "/export/") + name);
        const QStringList expectedFiles = golden.entryList({"*.htm"}, QDir::Files, QDir::Name);
        QCOMPARE(expectedFiles.size(), pages);
        for (const QString& file : expectedFiles)
            QCOMPARE(readAll(m_dir.filePath(file)), readAll(golden.filePath(file)));
        QVERIFY(!QFile::exists(m_dir.filePath("tour.htm")));
    }

    void pageCount_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("paneGrid");
        QTest::addColumn<int>("pages");
        QTest::newRow("27 panes on 2 x 2") << 3 << 3 << 2 << 7;
        QTest::newRow("27 panes on 3 x 3") << 3 << 3 << 3 << 3;
        QTest::newRow("27 panes on 5 x 5") << 3 << 3 << 5 << 2;
        QTest::newRow("32 panes on 3 x 3") << 4 << 2 << 3 << 4;
        QTest::newRow("4 panes on 3 x 3") << 2 << 1 << 3 << 1;
        QTest::newRow("1000 panes on 3 x 3") << 5 << 40 << 3 << 112;
    }
    void pageCount() {
        QFETCH(int, grid);
        QFETCH(int, boards);
        QFETCH(int, paneGrid);
        QFETCH(int, pages);
        QCOMPARE(exportPageCount(grid, boards, paneGrid), pages);
    }

    void countersRunOnAcrossPages() {
        ProjectRecord project;
        project.GridSize = 3;
        project.BoardCount = 3;
        ExportOptions options;
        options.PaneGrid = 5;
        PageCounters counters;
        QString last;
        QVERIFY(writeExportPages(project, m_words, options, target(), counters, &last, nullptr));
        QCOMPARE(counters.PageNumber, qint16(2));
        QCOMPARE(counters.PageCount, qint16(2));
        QCOMPARE(counters.TitlePane, qint16(50));
        QCOMPARE(counters.ImagePane, qint16(50));
        QCOMPARE(counters.TextPane, qint16(50));
        // Page 2 starts at pane 26 and reads the entries past the project's 27 panes.
        QVERIFY(last.contains("<strong>26.</strong>  </td>"));
        QVERIFY(last.contains("none-050.JPG"));
        QVERIFY(!last.contains("<strong>25.</strong>"));
        QVERIFY(!last.contains("Next"));
        QVERIFY(
            readAll(m_dir.filePath("tour_001.htm")).contains("<a href=\"tour_002.htm\">Next</a>"));
    }

    // 40 boards of 5 x 5 on 3 x 3 pages: the last page runs to position 1008.
    void positionsPastPane1000ShowBlank() {
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 40;
        project.Panes[1000].PictureName = QStringLiteral("End");
        project.Panes[1000].Label = QStringLiteral("The end");
        project.Panes[1000].Text = QStringLiteral("Fin.");
        ExportOptions options;
        options.PaneGrid = 3;
        PageCounters counters;
        counters.PageNumber = 112;
        counters.PageCount = 112;
        counters.TitlePane = counters.ImagePane = counters.TextPane = 999;
        const QString page = MakeWebpage(project, m_words, options, "tour", counters);
        QVERIFY(page.contains(
            "<img src=\"End-1000.JPG\" width=\"32%\" height=\"60%\" alt=\"The end\">"));
        QVERIFY(page.contains("<strong>1000.</strong>  Fin.</td>"));
        for (int pane = 1001; pane <= 1008; ++pane) {
            QVERIFY(page.contains(
                QStringLiteral("<img src=\"none-%1.JPG\" width=\"32%\" height=\"60%\" alt=\"\">")
                    .arg(pane)));
            QVERIFY(page.contains(QStringLiteral("<strong>%1.</strong>  </td>").arg(pane)));
        }
        QCOMPARE(counters.TextPane, qint16(1008));
    }

    void pagePictureReferenceCarriesAnyName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reference");
        QTest::newRow("plain") << "Image01"
                               << "Image01-012.JPG";
        QTest::newRow("blank") << "my sky"
                               << "my%20sky-012.JPG";
        QTest::newRow("hash, per cent, question") << "a#b%c?d"
                                                  << "a%23b%25c%3Fd-012.JPG";
        QTest::newRow("ampersand and quote") << "Tom&amp\""
                                             << "Tom%26amp%22-012.JPG";
        QTest::newRow("beyond ASCII")
            << QString::fromUtf8("café山") << "caf%C3%A9%E5%B1%B1-012.JPG";
        QTest::newRow("kept") << "a(b)_c-d.e~f"
                              << "a(b)_c-d.e~f-012.JPG";
    }
    void pagePictureReferenceCarriesAnyName() {
        QFETCH(QString, name);
        QFETCH(QString, reference);
        QCOMPARE(pagePictureReference(name, 12), reference);
        QCOMPARE(pictureFileName("/web/", name, 12), "/web/" + name + "-012.JPG");
        QCOMPARE(pictureFileName("/web/", name, 1000), "/web/" + name + "-1000.JPG");
    }

    void pageFileIsWindows1252WithReferencesForTheRest() {
        ProjectRecord project;
        project.Panes[1].Label = QString::fromUtf8("Café €5 Ωμέγα 山");
        PageCounters counters;
        const QString page = MakeWebpage(project, m_words, ExportOptions(), "tour", counters);
        QString error;
        const QString file = m_dir.filePath("tour_001.htm");
        QVERIFY2(WritePageFile(file, page, &error), qPrintable(error));
        const QByteArray bytes = readAll(file);
        QVERIFY(bytes.contains("Caf\xE9 \x80"
                               "5 &#937;&#956;&#941;&#947;&#945; &#23665;"));
        QVERIFY(bytes.endsWith("</html>\r\n\r\n"));
    }

    void chosenFileNamesTheTarget_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("base");
        QTest::newRow("htm") << "/web/tour.htm" << true << "/web/tour.htm"
                             << "/web/"
                             << "tour";
        QTest::newRow("backslash in name") << "/web/my\\tour.htm" << true << "/web/my\\tour.htm"
                                           << "/web/"
                                           << "my\\tour";
        QTest::newRow("blank in name") << "/web/my tour.htm" << true << "/web/my tour.htm"
                                       << "/web/"
                                       << "my tour";
        QTest::newRow("no extension") << "/web/tour" << true << "/web/tour.htm"
                                      << "/web/"
                                      << "tour";
        QTest::newRow("other extension") << "/web/tour.txt" << true << "/web/tour.txt"
                                         << "/web/"
                                         << "tour";
        QTest::newRow("three characters") << "/web/a.b" << false << ""
                                          << ""
                                          << "";
        QTest::newRow("four characters") << "/web/.htm" << true << "/web/.htm"
                                         << "/web/"
                                         << "";
    }
    void chosenFileNamesTheTarget() {
        QFETCH(QString, chosen);
        QFETCH(bool, valid);
        const std::optional<ExportTarget> target = exportTargetFor(chosen);
        QCOMPARE(target.has_value(), valid);
        if (!valid)
            return;
        QTEST(target->fileName, "fileName");
        QTEST(target->folder, "folder");
        QTEST(target->baseName, "base");
        QCOMPARE(pageFileName(*target, 12), target->folder + target->baseName + "_012.htm");
    }

    void unwritablePageIsReportedAndLeavesNoHalfFile() {
        testsupport::FullDevice full(100);
        QVERIFY(!writePageText(full, QString(500, QLatin1Char('x'))));

        ProjectRecord project;
        ExportTarget missing = target();
        missing.folder = m_dir.filePath("gone") + QLatin1Char('/');
        PageCounters counters;
        PageWriteFailure failure;
        QVERIFY(!writeExportPages(project, m_words, ExportOptions(), missing, counters, nullptr,
                                  &failure));
        QCOMPARE(failure.fileName, missing.folder + "tour_001.htm");
        QVERIFY(!failure.reason.isEmpty());
    }
};

VV_TEST_MAIN(PageGeneratorTest)
#include "tst_pagegenerator.moc"
