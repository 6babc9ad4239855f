#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/projectfile.h"
#include "editor/model/storage/workfolder.h"
#include "fulldevice.h"
#include "testmain.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace editor;

namespace {

QByteArray golden(const char* name) {
    QFile file(QStringLiteral(TEST_DATA_DIR "/projectfile/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", name);
    return file.readAll();
}

QByteArray written(const ProjectRecord& project) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int total = project.panesInUse();
    if (!writeProjectFile(project, total, project.BoardCount, project.GridSize, buffer))
        qFatal("writing to a buffer failed");
    return buffer.data();
}

QByteArray lines(const QStringList& values, const char* ending = "\r\n") {
    QByteArray bytes;
    for (const QString& value : values)
        bytes += value.toUtf8() + ending;
    return bytes;
}

// A 2 x 2 board whose pane lines follow the header; the rest of the panes are blank.
QStringList oneBoard(const QStringList& paneLines) {
    return QStringList{"4", "1", "2", "ToUse", "65280", "65280", "ToUse"} + paneLines;
}

} // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheMinimalProject() {
        ProjectRecord project;
        project.Panes[1].PictureName = QStringLiteral("Image01");
        const QByteArray bytes = written(project);
        QCOMPARE(bytes, golden("minimal.vv1"));
        QCOMPARE(bytes.count("\r\n"), 31);
    }

    void writesFortyBoardsUpToPane1000() {
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 40;
        project.FooterText = QStringLiteral("Footer of every board");
        project.BoardTitle = QStringLiteral("A Trip");
        project.GridHighlight = 0x0000FF;
        project.MoveHighlight = 0xFF0000;
        PaneRecord& first = project.Panes[1];
        first.PictureName = QStringLiteral("Image01");
        first.FlipH = 1;
        first.Label = QStringLiteral("First");
        first.Text = QStringLiteral("Arrival");
        first.URL = QStringLiteral("http://example.org/1");
        PaneRecord& last = project.Panes[1000];
        last.PictureName = QStringLiteral("Image01");
        last.FlipV = 1;
        last.Label = QStringLiteral("Last");
        last.Text = QStringLiteral("Departure");
        QCOMPARE(written(project), golden("fortyboards.vv1"));
    }

    void emptyTextsAndLineBreaksStayOnTheirLine() {
        ProjectRecord project;
        project.BoardTitle = QString();
        project.Panes[1].Label = QString();
        project.Panes[1].Text = QStringLiteral("two\r\nlines");
        const QList<QByteArray> got = written(project).split('\n');
        QCOMPARE(got.at(6), QByteArray("ToUse\r"));
        QCOMPARE(got.at(10), QByteArray("ToUse\r"));
        QCOMPARE(got.at(11), QByteArray("two  lines\r"));
        QCOMPARE(got.size(), 31 + 1);
    }

    void aDeviceThatFillsUpFailsTheWrite_data() {
        QTest::addColumn<qint64>("capacity");
        QTest::newRow("nothing") << qint64(0);
        QTest::newRow("half") << qint64(90);
        QTest::newRow("one byte short") << qint64(176);
    }
    void aDeviceThatFillsUpFailsTheWrite() {
        QFETCH(qint64, capacity);
        ProjectRecord project;
        project.Panes[1].PictureName = QStringLiteral("Image01");
        testsupport::FullDevice device(capacity);
        QVERIFY(!writeProjectFile(project, 4, 1, 2, device));
        testsupport::FullDevice roomy(golden("minimal.vv1").size());
        QVERIFY(writeProjectFile(project, 4, 1, 2, roomy));
    }

    void readsTheGoldenFiles() {
        const auto minimal = readProjectFile(golden("minimal.vv1"), nullptr);
        QVERIFY(minimal);
        QCOMPARE(minimal->PaneTotal, qint16(4));
        QCOMPARE(minimal->BoardCount, qint16(1));
        QCOMPARE(minimal->GridSize, qint16(2));
        QCOMPARE(minimal->Panes[1].PictureName, QStringLiteral("Image01"));
        QCOMPARE(minimal->Panes[2].PictureName, QStringLiteral("none"));
        QCOMPARE(minimal->GridHighlight, std::optional<quint32>(0x00FF00));

        const auto forty = readProjectFile(golden("fortyboards.vv1"), nullptr);
        QVERIFY(forty);
        QCOMPARE(forty->PaneTotal, qint16(1000));
        QCOMPARE(forty->FooterText, QStringLiteral("Footer of every board"));
        QCOMPARE(forty->BoardTitle, QStringLiteral("A Trip"));
        QCOMPARE(forty->GridHighlight, std::optional<quint32>(0x0000FF));
        QCOMPARE(forty->MoveHighlight, std::optional<quint32>(0xFF0000));
        QCOMPARE(forty->Panes[1].URL, QStringLiteral("http://example.org/1"));
        QCOMPARE(forty->Panes[1000].PictureName, QStringLiteral("Image01"));
        QCOMPARE(forty->Panes[1000].Text, QStringLiteral("Departure"));
        QCOMPARE(forty->Panes[1000].URL, QStringLiteral("ToUse"));
    }

    void lineEndingsDoNotMatter_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList values = oneBoard({"Image01-0001", "1", "0", "Label", "Text", "URL"});
        QTest::newRow("line feeds only") << lines(values, "\n");
        QTest::newRow("no line feed after the last line") << lines(values).chopped(2);
        QByteArray strayReturns = lines(values);
        strayReturns.replace("Label", "La\rbel\r\r");
        QTest::newRow("carriage returns anywhere") << strayReturns;
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF") + lines(values);
    }
    void lineEndingsDoNotMatter() {
        QFETCH(QByteArray, bytes);
        const auto values = readProjectFile(bytes, nullptr);
        QVERIFY(values);
        QCOMPARE(values->Panes[1].PictureName, QStringLiteral("Image01"));
        QCOMPARE(values->Panes[1].Label, QStringLiteral("Label"));
        QCOMPARE(values->Panes[1].Text, QStringLiteral("Text"));
        QCOMPARE(values->Panes[1].URL, QStringLiteral("URL"));
    }

    void valuesThatDoNotConvertKeepThePreviousOne() {
        QStringList values = oneBoard({"none", "0", "0", "", "Text", ""});
        values[0] = QStringLiteral(" 4 "); // blanks around a number are no part of it
        values[4] = QStringLiteral("green");
        values[5] = QStringLiteral("255x");
        values[6] = QString();
        const auto read = readProjectFile(lines(values), nullptr);
        QVERIFY(read);
        QCOMPARE(read->PaneTotal, qint16(4));
        QCOMPARE(read->GridHighlight, std::nullopt);
        QCOMPARE(read->MoveHighlight, std::nullopt); // a number is the whole line
        QCOMPARE(read->BoardTitle, QStringLiteral("ToUse"));
        QCOMPARE(read->Panes[1].Label, QStringLiteral("ToUse"));
        QCOMPARE(read->Panes[1].Text, QStringLiteral("Text"));

        ProjectRecord project;
        project.GridHighlight = 0xFFFFFF;
        project.MoveHighlight = 255;
        QTemporaryDir dir;
        auto work = WorkFolder::create(dir.path(), QString(), nullptr);
        applyProjectFile(project, *read, dir.path(), *work);
        QCOMPARE(project.GridHighlight, 0xFFFFFFu);
        QCOMPARE(project.MoveHighlight, 255u);
    }

    void panesPastTheTotalGetTheirTextsButNoPicture() {
        QStringList values = oneBoard({});
        for (int p = 1; p <= 5; ++p)
            values += {QStringLiteral("Image-%1").arg(p, 4, 10, QLatin1Char('0')),
                       "0",
                       "0",
                       QStringLiteral("L%1").arg(p),
                       "ToUse",
                       "ToUse"};
        const auto read = readProjectFile(lines(values), nullptr);
        QVERIFY(read);
        QTemporaryDir dir;
        auto work = WorkFolder::create(dir.path(), QString(), nullptr);
        ProjectRecord project;
        project.Panes[5].Text = QStringLiteral("from before");
        applyProjectFile(project, *read, dir.filePath(QStringLiteral("Trip_Data")), *work);
        QCOMPARE(project.Panes[4].SourcePicture,
                 dir.filePath(QStringLiteral("Trip_Data/Image-0004.bmp")));
        QCOMPARE(project.Panes[4].WorkPicture, work->filePath(QStringLiteral("Image-0004.bmp")));
        QCOMPARE(project.Panes[5].Label, QStringLiteral("L5"));
        QCOMPARE(project.Panes[5].Text, QStringLiteral("ToUse"));
        QCOMPARE(project.Panes[5].PictureName, QStringLiteral("none"));
        QCOMPARE(project.Panes[5].SourcePicture, QStringLiteral("none"));
    }

    void picturesCannotLeadOutOfTheirFolders_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Image01-0001"
                               << "Image01";
        QTest::newRow("dots and blanks") << "My trip.v2-0001"
                                         << "My trip.v2";
        QTest::newRow("short: no picture") << "none"
                                           << "none";
        QTest::newRow("dots inside") << "a..b-0001"
                                     << "a..b";
        QTest::newRow("only dots") << "..-0001"
                                   << "..";
        QTest::newRow("a character beyond 16 bits before the number")
            << QStringLiteral("Sky\U0001F6000001") << "Sky";
        QTest::newRow("resource prefix") << ":x-0001"
                                         << ":x";
        QTest::newRow("climbing, slash") << "../../etc/passwd-0001"
                                         << "none";
        QTest::newRow("backslashes") << "..\\..\\Windows\\win-0001"
                                     << "..\\..\\Windows\\win";
        QTest::newRow("absolute") << "/tmp/x-0001"
                                  << "none";
        QTest::newRow("sub-folder") << "sub/x-0001"
                                    << "none";
        QTest::newRow("drive form") << "C:evil-0001"
                                    << "C:evil";
        QTest::newRow("control characters")
            << QStringLiteral("a\tb") + QChar(7) + "-0001" << QStringLiteral("a\tb") + QChar(7);
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + "b-0001"
                             << "none";
    }
    void picturesCannotLeadOutOfTheirFolders() {
        QFETCH(QString, reference);
        QFETCH(QString, name);
        const auto read =
            readProjectFile(lines(oneBoard({reference, "0", "0", "L", "T", "U"})), nullptr);
        QVERIFY(read);
        QCOMPARE(read->Panes[1].PictureName, name);
        QCOMPARE(read->Panes[1].Label, QStringLiteral("L"));
        // A name refused is named, so that the user learns why the pane is blank.
        QCOMPARE(read->RefusedPictures.size(), name == "none" && reference != "none" ? 1 : 0);
    }

    void refusesWhatNoProjectLooksLike_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 7919) % 256);
        QTest::newRow("binary") << binary;
        QTest::newRow("grid 0: would divide by zero")
            << lines({"0", "1", "0", "ToUse", "0", "0", "ToUse"});
        QTest::newRow("grid 6") << lines({"36", "1", "6", "ToUse", "0", "0", "ToUse"});
        QTest::newRow("no boards") << lines({"0", "0", "2", "ToUse", "0", "0", "ToUse"});
        QTest::newRow("41 boards of 5 x 5")
            << lines({"1025", "41", "5", "ToUse", "0", "0", "ToUse"});
        QTest::newRow("header cut short") << lines({"4", "1"});
        QTest::newRow("pane total beyond 16 bits")
            << lines({"100050", "1", "2", "ToUse", "0", "0", "ToUse"});
        QTest::newRow("a million lines of 1") << QByteArray("1\r\n").repeated(1000000);
    }
    void refusesWhatNoProjectLooksLike() {
        QFETCH(QByteArray, bytes);
        QString refusal;
        QVERIFY(!readProjectFile(bytes, &refusal));
        QVERIFY(!refusal.isEmpty());
    }

    void aMillionLinesAfterAGoodHeaderAreReadUpToPane1000() {
        const QByteArray bytes = lines({"4", "1", "2", "ToUse", "0", "0", "ToUse"}) +
                                 QByteArray("x\n").repeated(1000000);
        const auto read = readProjectFile(bytes, nullptr);
        QVERIFY(read);
        QCOMPARE(read->Panes[1000].URL, QStringLiteral("x"));
        QCOMPARE(read->Panes[1].PictureName, QStringLiteral("none"));
    }

    void textsKeepTheirLetters() {
        ProjectRecord project;
        project.BoardTitle = QStringLiteral("Reise nach Zürich – Ελλάδα");
        project.Panes[2].Text = QStringLiteral("Café «crème» 日本");
        project.Panes[3].PictureName = QStringLiteral("Bäume");
        const auto read = readProjectFile(written(project), nullptr);
        QVERIFY(read);
        QCOMPARE(read->BoardTitle, project.BoardTitle);
        QCOMPARE(read->Panes[2].Text, project.Panes[2].Text);
        QCOMPARE(read->Panes[3].PictureName, QStringLiteral("Bäume"));
    }

    // Windows-1252 whenever every character fits, UTF-8 when one does not or when
    // the code-page bytes would read back as other letters.
    void writesWindows1252WhenItFits_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("Café") << QStringLiteral("Café") << QByteArray("Caf\xE9");
        QTest::newRow("euro and quotes")
            << QStringLiteral("€ 5 “ok”") << QByteArray("\x80 5 \x93ok\x94");
        QTest::newRow("beyond the code page")
            << QStringLiteral("Café 日本") << QStringLiteral("Café 日本").toUtf8();
        QTest::newRow("looks like UTF-8") << QStringLiteral("Ã©") << QStringLiteral("Ã©").toUtf8();
    }
    void writesWindows1252WhenItFits() {
        QFETCH(QString, label);
        QFETCH(QByteArray, line);
        ProjectRecord project;
        project.Panes[1].Label = label;
        const QByteArray bytes = written(project);
        QCOMPARE(bytes.split('\n').at(10), line + '\r');
        const auto read = readProjectFile(bytes, nullptr);
        QVERIFY(read);
        QCOMPARE(read->Panes[1].Label, label);
    }

    void filesThatAreNotUtf8AreReadAsWindows1252() {
        QByteArray bytes = lines(oneBoard({"none", "0", "0", "Cafe", "euro 5", "ToUse"}));
        bytes.replace("Cafe", "Caf\xE9").replace("euro", "\x80");
        const auto read = readProjectFile(bytes, nullptr);
        QVERIFY(read);
        QCOMPARE(read->Panes[1].Label, QStringLiteral("Café"));
        QCOMPARE(read->Panes[1].Text, QStringLiteral("€ 5"));
    }

    void roundTripKeepsEveryField() {
        ProjectRecord project;
        project.GridSize = 3;
        project.BoardCount = 2;
        project.FooterText = QStringLiteral("Fußnote");
        project.BoardTitle = QStringLiteral("Title");
        project.GridHighlight = 0x1000000;
        project.MoveHighlight = 0xFFFFFFFF; // "-1" in the file
        for (int p = 1; p <= 18; ++p) {
            PaneRecord& pane = project.Panes[p];
            pane.Label = QStringLiteral("Label %1 ñ").arg(p);
            pane.Text = QStringLiteral("Text %1").arg(p);
            pane.URL = QStringLiteral("https://example.org/%1").arg(p);
            if (p % 2)
                pane.PictureName = QStringLiteral("Pic%1").arg(p);
        }
        const auto read = readProjectFile(written(project), nullptr);
        QVERIFY(read);
        QTemporaryDir dir;
        auto work = WorkFolder::create(dir.path(), QString(), nullptr);
        ProjectRecord opened;
        applyProjectFile(opened, *read, dir.path(), *work);
        QCOMPARE(opened.GridSize, qint16(3));
        QCOMPARE(opened.BoardCount, qint16(2));
        QCOMPARE(opened.FooterText, project.FooterText);
        QCOMPARE(opened.BoardTitle, project.BoardTitle);
        QCOMPARE(opened.GridHighlight, project.GridHighlight);
        QCOMPARE(opened.MoveHighlight, project.MoveHighlight);
        for (int p = 1; p <= 18; ++p) {
            QCOMPARE(opened.Panes[p].Label, project.Panes[p].Label);
            QCOMPARE(opened.Panes[p].Text, project.Panes[p].Text);
            QCOMPARE(opened.Panes[p].URL, project.Panes[p].URL);
            QCOMPARE(opened.Panes[p].PictureName, project.Panes[p].PictureName);
        }
        QCOMPARE(opened.Panes[3].SourcePicture, QDir(dir.path()).filePath("Pic3-0003.bmp"));
    }

    void projectNamesComeFromTheFileTitle_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("pictureFolder");
        QTest::newRow("Trip") << "/work/Trip.vv1"
                              << "/work/"
                              << "/work/Trip_Data";
        QTest::newRow("five characters") << "/work/A.vv1"
                                         << "/work/"
                                         << "/work/A_Data";
        QTest::newRow("four characters") << "/work/.vv1"
                                         << "/work/"
                                         << "/work/_Data";
        QTest::newRow("no extension") << "/work/Ab"
                                      << "/work/"
                                      << "/work/_Data";
    }
    void projectNamesComeFromTheFileTitle() {
        QFETCH(QString, file);
        QFETCH(QString, folder);
        QFETCH(QString, pictureFolder);
        const ProjectPaths paths = projectPaths(file);
        QCOMPARE(paths.FileName, file);
        QCOMPARE(paths.Folder, folder);
        QCOMPARE(paths.pictureFolder(), pictureFolder);
        QCOMPARE(pictureFileName(QStringLiteral("Image01"), 12),
                 QStringLiteral("Image01-0012.bmp"));
        QCOMPARE(pictureFileName(QStringLiteral("Image01"), 1000),
                 QStringLiteral("Image01-1000.bmp"));
    }
};

VV_TEST_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"
