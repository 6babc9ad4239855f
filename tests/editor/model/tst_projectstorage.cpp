#include "editor/model/project/paneimage.h"
#include "editor/model/project/paneswap.h"
#include "editor/model/project/picturesequence.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/workfolder.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

using namespace editor;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255);
constexpr int kSize = 40;

QRgb centre(const QString& file) {
    const QImage image(file);
    return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
}

// While it lives, no file of this process can grow past `bytes`: a write that
// would is cut short and fails, as on a disk that fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class ProjectStorageTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<WorkFolder> m_work;
    ProjectRecord m_project;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString picture(const QString& name, QImage image) {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).path());
        image.save(file);
        return file;
    }
    QString plain(const QString& name, QRgb colour) {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(colour);
        return picture(name, image);
    }
    void give(int pane, const QString& file) {
        PaneRecord& record = m_project.Panes[pane];
        record.SourcePicture = file;
        record.PictureName = pictureNameOf(file);
        record.Stamp = {};
        QString error;
        QVERIFY2(PreparePaneImage(m_project, pane, kSize, true, *m_work, &error),
                 qPrintable(error));
    }
    QStringList save(const QString& file) {
        return saveProject(m_project, projectPaths(path(file)), m_project.panesInUse(),
                           m_project.BoardCount, *m_work);
    }
    int open(const QString& file) {
        const ProjectPaths paths = projectPaths(path(file));
        QString refusal;
        const auto values = loadProjectFile(paths.FileName, &refusal);
        if (!values)
            qFatal("refused: %s", qPrintable(refusal));
        applyProjectFile(m_project, *values, paths.pictureFolder(), *m_work);
        return prepareProjectPictures(m_project, kSize, *m_work);
    }
    void swapPanes(int a, int b) { SwapPanes(m_project, a, b); }

private Q_SLOTS:
    void init() {
        m_work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        m_project = ProjectRecord();
    }
    void cleanup() {
        m_work.reset();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void savesThePictureFolderBesideTheFile() {
        give(1, plain(QStringLiteral("in/Image01.bmp"), kRed));
        give(3, plain(QStringLiteral("in/Photo.jpg"), kBlue));
        m_project.Panes[2].Text = QStringLiteral("words");
        QVERIFY(save(QStringLiteral("out/Trip.vv1")).isEmpty());
        QCOMPARE(QDir(path(QStringLiteral("out/Trip_Data"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Image01-0001.bmp", "Photo-0003.bmp"}));
        QCOMPARE(centre(path(QStringLiteral("out/Trip_Data/Image01-0001.bmp"))), kRed);
        // A copy of the prepared bitmap: already at the pane's size.
        QCOMPARE(QImage(path(QStringLiteral("out/Trip_Data/Photo-0003.bmp"))).size(),
                 QSize(kSize, kSize));
        QFile file(path(QStringLiteral("out/Trip.vv1")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("4\r\n1\r\n2\r\n"));
    }

    // A project file or picture folder that is a link stays one, its target saved.
    void savesThroughLinks_data() {
        QTest::addColumn<QString>("linked");
        QTest::newRow("the project file") << "Trip.vv1";
        QTest::newRow("the picture folder") << "Trip_Data";
    }
    void savesThroughLinks() {
        QFETCH(QString, linked);
        give(1, plain(QStringLiteral("in/Image01.bmp"), kRed));
        QVERIFY(save(QStringLiteral("real/Trip.vv1")).isEmpty());
        QVERIFY(QDir().mkpath(path(QStringLiteral("out"))));
        for (const QString& name : {QStringLiteral("Trip.vv1"), QStringLiteral("Trip_Data")}) {
            const QString real = path(QStringLiteral("real/") + name);
            QVERIFY(name == linked ? QFile::link(real, path(QStringLiteral("out/") + name))
                                   : QFile::rename(real, path(QStringLiteral("out/") + name)));
        }
        m_project.Panes[1].Text = QStringLiteral("again");
        give(1, plain(QStringLiteral("in/Image02.bmp"), kBlue));
        QVERIFY(save(QStringLiteral("out/Trip.vv1")).isEmpty());
        QVERIFY(QFileInfo(path(QStringLiteral("out/") + linked)).isSymLink());
        QCOMPARE(open(QStringLiteral("out/Trip.vv1")), 0);
        QCOMPARE(m_project.Panes[1].Text, QStringLiteral("again"));
        QCOMPARE(centre(path(QStringLiteral("out/Trip_Data/Image02-0001.bmp"))), kBlue);
        QCOMPARE(QDir(path(QStringLiteral("real")))
                     .entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{linked});
    }

    // Dots and a leading ":" are ordinary in file names here; neither may lose the
    // picture on the way through the work folder, the picture folder and back.
    // The header's pane total bounds which panes get their pictures, whatever the
    // boards say; the project opens with the boards of the file.
    void headerPaneTotalBoundsThePictures_data() {
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<QList<int>>("pictures");
        QTest::newRow("two boards' total") << QByteArray("8") << QList<int>{1, 4, 6};
        QTest::newRow("fewer") << QByteArray("3") << QList<int>{1};
        QTest::newRow("past pane 1000") << QByteArray("30000") << QList<int>{1, 4, 6};
        QTest::newRow("negative") << QByteArray("-8") << QList<int>{};
    }
    void headerPaneTotalBoundsThePictures() {
        QFETCH(QByteArray, total);
        QFETCH(QList<int>, pictures);
        m_project.BoardCount = 2;
        give(1, plain(QStringLiteral("in/A.bmp"), kRed));
        give(4, plain(QStringLiteral("in/B.bmp"), kGreen));
        give(6, plain(QStringLiteral("in/C.bmp"), kBlue));
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QFile file(path(QStringLiteral("Trip.vv1")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(bytes.startsWith("8\r\n2\r\n"));
        bytes.replace(0, 6, total + "\r\n1\r\n");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        m_project = ProjectRecord();
        QCOMPARE(open(QStringLiteral("Trip.vv1")), 0);
        QCOMPARE(m_project.BoardCount, qint16(1));
        const QRgb colours[] = {0, kRed, 0, 0, kGreen, 0, kBlue};
        for (int pane = 1; pane <= 6; ++pane) {
            const bool has = pictures.contains(pane);
            QCOMPARE(m_project.Panes[pane].hasSourcePicture(), has);
            if (has)
                QCOMPARE(centre(m_project.Panes[pane].WorkPicture), colours[pane]);
        }
    }

    void picturesOfAnyLegalNameSaveAndOpen_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two dots") << "a..b.bmp"
                                  << "a..b-0001.bmp";
        QTest::newRow("dots before the extension") << "Trip...bmp"
                                                   << "Trip..-0001.bmp";
        QTest::newRow("resource prefix") << ":pic.bmp"
                                         << ":pic-0001.bmp";
        QTest::newRow("backslash") << "a\\b.bmp"
                                   << "a\\b-0001.bmp";
        QTest::newRow("named like no picture") << "none.bmp"
                                               << "none-2-0001.bmp";
    }
    void picturesOfAnyLegalNameSaveAndOpen() {
        QFETCH(QString, file);
        QFETCH(QString, stored);
        give(1, plain(QStringLiteral("in/") + file, kRed));
        QCOMPARE(QFileInfo(m_project.Panes[1].WorkPicture).path(), m_work->path());
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QCOMPARE(QDir(path(QStringLiteral("Trip_Data"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({stored}));
        m_project = ProjectRecord();
        QCOMPARE(open(QStringLiteral("Trip.vv1")), 0);
        QCOMPARE(m_project.Panes[1].SourcePicture, path(QStringLiteral("Trip_Data/") + stored));
        QCOMPARE(centre(m_project.Panes[1].WorkPicture), kRed);
        QCOMPARE(QFileInfo(m_project.Panes[1].WorkPicture).path(), m_work->path());
    }

    void opensPicturesMirroredAsTheyWereShown() {
        QImage halves(60, 30, QImage::Format_RGB32);
        halves.fill(kRed);
        for (int y = 0; y < 30; ++y)
            for (int x = 30; x < 60; ++x)
                halves.setPixel(x, y, kGreen);
        m_project.Panes[1].FlipH = 1;
        give(1, picture(QStringLiteral("in/Image01.bmp"), halves));
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        m_project = ProjectRecord();
        QCOMPARE(open(QStringLiteral("Trip.vv1")), 0);
        const PaneRecord& pane = m_project.Panes[1];
        QCOMPARE(pane.FlipH, qint16(0));
        QCOMPARE(pane.SourcePicture, path(QStringLiteral("Trip_Data/Image01-0001.bmp")));
        const QImage shown(pane.WorkPicture);
        QCOMPARE(shown.pixel(2, kSize / 2), kGreen);
        QCOMPARE(shown.pixel(kSize - 3, kSize / 2), kRed);
    }

    // Two pictures share a name; after an open they swap places and the project
    // is saved over itself: each pane's copy lands on the file the other pane
    // reads its picture from.
    void savingOverTheOpenProjectKeepsEveryPanesPicture() {
        give(1, plain(QStringLiteral("a/Image.bmp"), kRed));
        give(2, plain(QStringLiteral("b/Image.bmp"), kBlue));
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        m_project = ProjectRecord();
        QCOMPARE(open(QStringLiteral("Trip.vv1")), 0);
        swapPanes(1, 2);
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QCOMPARE(QDir(path(QStringLiteral("Trip_Data"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Image-0001.bmp", "Image-0002.bmp"}));

        // A re-layout renders every pane again from its source picture.
        QVERIFY(rewriteAllPaneImages(m_project, kSize + 10).isEmpty());
        QCOMPARE(centre(m_project.Panes[1].WorkPicture), kBlue);
        QCOMPARE(centre(m_project.Panes[2].WorkPicture), kRed);

        m_project = ProjectRecord();
        QCOMPARE(open(QStringLiteral("Trip.vv1")), 0);
        QCOMPARE(centre(m_project.Panes[1].WorkPicture), kBlue);
        QCOMPARE(centre(m_project.Panes[2].WorkPicture), kRed);
    }

    void missingPicturesLeaveTheirPanesBlank() {
        give(1, plain(QStringLiteral("in/Image01.bmp"), kRed));
        give(2, plain(QStringLiteral("in/Image02.bmp"), kGreen));
        give(4, plain(QStringLiteral("in/Image04.bmp"), kBlue));
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QVERIFY(QFile::remove(path(QStringLiteral("Trip_Data/Image02-0002.bmp"))));
        QFile corrupt(path(QStringLiteral("Trip_Data/Image04-0004.bmp")));
        QVERIFY(corrupt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        corrupt.write("BM not really");
        corrupt.close();
        m_project = ProjectRecord();
        int reports = 0;
        const int missing = [&] {
            const ProjectPaths paths = projectPaths(path(QStringLiteral("Trip.vv1")));
            applyProjectFile(m_project, *loadProjectFile(paths.FileName, nullptr),
                             paths.pictureFolder(), *m_work);
            return prepareProjectPictures(m_project, kSize, *m_work,
                                          [&reports](int done, int total) {
                                              ++reports;
                                              QCOMPARE(total, 3);
                                              QCOMPARE(done, reports);
                                          });
        }();
        QCOMPARE(missing, 2);
        QCOMPARE(reports, 3);
        QCOMPARE(centre(m_project.Panes[1].WorkPicture), kRed);
        for (int p : {2, 4}) {
            QCOMPARE(m_project.Panes[p].WorkPicture, QStringLiteral("none"));
            QCOMPARE(m_project.Panes[p].SourcePicture, QStringLiteral("none"));
            QCOMPARE(m_project.Panes[p].PictureName, QStringLiteral("none"));
        }
    }

    void newBitmapsAreNamedInPaneOrder() {
        // Pane 2 holds the bitmap named for pane 1, as after a swap.
        give(1, plain(QStringLiteral("in/Image.bmp"), kRed));
        swapPanes(1, 2);
        m_project.Panes[1].SourcePicture = path(QStringLiteral("in/Image.bmp"));
        m_project.Panes[1].PictureName = QStringLiteral("Image");
        m_project.Panes[3].SourcePicture = path(QStringLiteral("in/Image.bmp"));
        m_project.Panes[3].PictureName = QStringLiteral("Image");
        const QString held = m_project.Panes[2].WorkPicture;
        QVERIFY(prepareNewPaneImages(m_project, {1, 3, 4}, kSize, *m_work).isEmpty());
        QCOMPARE(m_project.Panes[1].WorkPicture,
                 m_work->filePath(QStringLiteral("Image-0001-2.BMP")));
        QCOMPARE(m_project.Panes[3].WorkPicture,
                 m_work->filePath(QStringLiteral("Image-0003.BMP")));
        QCOMPARE(m_project.Panes[2].WorkPicture, held);
        QCOMPARE(m_project.Panes[4].WorkPicture, QStringLiteral("none"));
    }

    void unwrittenFilesAreReported() {
        give(1, plain(QStringLiteral("in/Image01.bmp"), kRed));
        // A file where the picture folder should go.
        QFile blocker(path(QStringLiteral("Trip_Data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(save(QStringLiteral("Trip.vv1")), QStringList{path(QStringLiteral("Trip_Data"))});
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Trip.vv1"))));

        QVERIFY(QFile::remove(m_project.Panes[1].WorkPicture));
        QCOMPARE(save(QStringLiteral("Other.vv1")),
                 QStringList{path(QStringLiteral("Other_Data/Image01-0001.bmp"))});

        QFile notAFolder(path(QStringLiteral("file")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        QCOMPARE(save(QStringLiteral("file/Deep.vv1")),
                 QStringList({path(QStringLiteral("file/Deep_Data")),
                              path(QStringLiteral("file/Deep.vv1"))}));
    }

    // The disk fills up while pane 3's copy is written: the earlier save stays as
    // it was, file and pictures, and no temporary file is left in the folder.
    void aSaveThatFailsPartWayReplacesNothing() {
        for (int p = 1; p <= 3; ++p)
            give(p, plain(QStringLiteral("in/Image0%1.bmp").arg(p), kRed));
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QFile saved(path(QStringLiteral("Trip.vv1")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        saved.close();
        const QStringList stored =
            QDir(path(QStringLiteral("Trip_Data"))).entryList(QDir::Files | QDir::Hidden);

        give(1, plain(QStringLiteral("in/Image01.bmp"), kBlue));
        m_project.Panes[2].Text = QStringLiteral("changed");
        QImage large(400, 400, QImage::Format_RGB32);
        large.fill(kGreen);
        m_project.Panes[3].WorkPicture = picture(QStringLiteral("in/Large.bmp"), large);
        QStringList unwritten;
        {
            const FileSizeLimit limit(100 * 1024);
            unwritten = save(QStringLiteral("Trip.vv1"));
        }
        QCOMPARE(unwritten, QStringList({path(QStringLiteral("Trip_Data/Image03-0003.bmp")),
                                         path(QStringLiteral("Trip.vv1"))}));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), before);
        QCOMPARE(QDir(path(QStringLiteral("Trip_Data"))).entryList(QDir::Files | QDir::Hidden),
                 stored);
        for (int p = 1; p <= 3; ++p)
            QCOMPARE(centre(path(QStringLiteral("Trip_Data/Image0%1-000%1.bmp").arg(p))), kRed);
    }

    // A save cut off after its picture folder was exchanged leaves the new project
    // file in that folder; an open moves it into place, but only when it is a
    // plain file that reads as a project: anything else there is left alone.
    void anOpenCompletesASaveOnlyFromASoundRecord_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("completed");
        QTest::newRow("the new project file") << "project" << true;
        // Where the file system cannot exchange folders, the save renames twice.
        QTest::newRow("cut between the two renames") << "renamed" << true;
        QTest::newRow("not a project file") << "garbage" << false;
        QTest::newRow("a link to a project file") << "link" << false;
        // Another editor is saving the project: its folders are not left over.
        QTest::newRow("a save under way") << "locked" << false;
    }
    void anOpenCompletesASaveOnlyFromASoundRecord() {
        QFETCH(QString, kind);
        QFETCH(bool, completed);
        m_project.Panes[1].Text = QStringLiteral("saved");
        QVERIFY(save(QStringLiteral("Trip.vv1")).isEmpty());
        QVERIFY(QDir().mkpath(path(QStringLiteral("Trip_Data"))));
        const QString record = path(QStringLiteral("Trip_Data/.saving-project.vv1"));
        const QByteArray recorded = "4\r\n1\r\n2\r\nToUse\r\n0\r\n0\r\nToUse\r\n"
                                    "none\r\n0\r\n0\r\nToUse\r\nrecorded\r\nToUse\r\n";
        const auto write = [](const QString& file, const QByteArray& bytes) {
            QFile out(file);
            return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
        };
        QLockFile saving(saveLockFile(projectPaths(path(QStringLiteral("Trip.vv1")))));
        if (kind == QStringLiteral("locked"))
            QVERIFY(saving.tryLock(0) && write(record, recorded));
        if (kind == QStringLiteral("project") || kind == QStringLiteral("renamed")) {
            QVERIFY(write(record, recorded));
            if (kind == QStringLiteral("renamed"))
                QVERIFY(QFile::rename(path(QStringLiteral("Trip_Data")),
                                      stagingPrefix(path(QStringLiteral("Trip_Data"))) + "x"));
        } else if (kind == QStringLiteral("garbage")) {
            QVERIFY(write(record, "not a project"));
        } else if (kind == QStringLiteral("link")) {
            QVERIFY(write(path(QStringLiteral("elsewhere.vv1")), recorded));
            QVERIFY(QFile::link(path(QStringLiteral("elsewhere.vv1")), record));
        }
        const auto values = loadProjectFile(path(QStringLiteral("Trip.vv1")), nullptr);
        QVERIFY(values);
        QCOMPARE(values->Panes[1].Text,
                 completed ? QStringLiteral("recorded") : QStringLiteral("saved"));
        QCOMPARE(QFileInfo::exists(record), !completed);
        QCOMPARE(QFileInfo::exists(path(QStringLiteral("elsewhere.vv1"))), kind == "link");
    }

    void refusesFilesThatAreNoProject() {
        QString refusal;
        QVERIFY(!loadProjectFile(path(QStringLiteral("nothing.vv1")), &refusal));
        QVERIFY(!refusal.isEmpty());
        QFile big(path(QStringLiteral("big.vv1")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(65 * 1024 * 1024));
        big.close();
        QVERIFY(!loadProjectFile(big.fileName(), &refusal));
        QVERIFY(refusal.contains(QStringLiteral("too large")));
    }
};

VV_TEST_MAIN(ProjectStorageTest)
#include "tst_projectstorage.moc"
