#include "editor/model/project/paneimage.h"
#include "editor/model/stage/boarddrawing.h"
#include "editor/model/storage/workfolder.h"
#include "platform/picturesurface.h"
#include "testmain.h"
#include "testpictures.h"

#include <QFile>
#include <QTemporaryDir>

using namespace editor;
using namespace testsupport;

namespace {

const QRgb kGrey = qRgb(193, 193, 193), kWhite = qRgb(255, 255, 255);

QRgb quadrantColour(const QImage& image, int qx, int qy) {
    return image.pixel(image.width() / 4 + qx * image.width() / 2,
                       image.height() / 4 + qy * image.height() / 2);
}

} // namespace

class PaneImageTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<WorkFolder> m_work;
    ProjectRecord m_project;

    QString writePicture(const QString& name, const QImage& image) {
        const QString file = m_dir.filePath(name);
        image.save(file);
        return file;
    }
    void givePicture(int pane, const QString& source) {
        m_project.Panes[pane].SourcePicture = source;
        m_project.Panes[pane].PictureName = QFileInfo(source).completeBaseName();
    }

private Q_SLOTS:
    void init() {
        m_work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        m_project = ProjectRecord();
    }
    void cleanup() { m_work.reset(); }

    void widePictureIsStretchedToTheSquare() {
        givePicture(7, writePicture(QStringLiteral("Image01.bmp"), quadrants(100, 50)));
        QString error;
        QVERIFY2(PreparePaneImage(m_project, 7, 233, true, *m_work, &error), qPrintable(error));
        QCOMPARE(m_project.Panes[7].WorkPicture,
                 m_work->filePath(QStringLiteral("Image01-0007.BMP")));
        const QImage prepared(m_project.Panes[7].WorkPicture);
        QCOMPARE(prepared.size(), QSize(233, 233));
        // Not letterboxed: the top row is the picture's red and green.
        QCOMPARE(prepared.pixel(5, 2), kRed);
        QCOMPARE(prepared.pixel(228, 2), kGreen);
        QCOMPARE(prepared.pixel(5, 230), kBlue);
    }

    void flipFlagsMirrorThePreparedBitmap_data() {
        QTest::addColumn<int>("flipH");
        QTest::addColumn<int>("flipV");
        QTest::addColumn<QList<QRgb>>("expected"); // top left, top right, bottom left, bottom right
        QTest::newRow("none") << 0 << 0 << QList<QRgb>{kRed, kGreen, kBlue, kYellow};
        QTest::newRow("horizontal") << 1 << 0 << QList<QRgb>{kGreen, kRed, kYellow, kBlue};
        QTest::newRow("vertical") << 0 << 1 << QList<QRgb>{kBlue, kYellow, kRed, kGreen};
        QTest::newRow("both: half turn") << 1 << 1 << QList<QRgb>{kYellow, kBlue, kGreen, kRed};
    }
    void flipFlagsMirrorThePreparedBitmap() {
        QFETCH(int, flipH);
        QFETCH(int, flipV);
        QFETCH(QList<QRgb>, expected);
        givePicture(1, writePicture(QStringLiteral("Image01.jpg"), quadrants(64, 64)));
        m_project.Panes[1].FlipH = qint16(flipH);
        m_project.Panes[1].FlipV = qint16(flipV);
        QVERIFY(PreparePaneImage(m_project, 1, 100, true, *m_work, nullptr));
        const QImage prepared(m_project.Panes[1].WorkPicture);
        const QList<QRgb> seen = {quadrantColour(prepared, 0, 0), quadrantColour(prepared, 1, 0),
                                  quadrantColour(prepared, 0, 1), quadrantColour(prepared, 1, 1)};
        for (int i = 0; i < 4; ++i) // JPEG is not exact; the quadrant's colour must be clear
            QVERIFY2(qAbs(qRed(seen[i]) - qRed(expected[i])) < 40 &&
                         qAbs(qGreen(seen[i]) - qGreen(expected[i])) < 40 &&
                         qAbs(qBlue(seen[i]) - qBlue(expected[i])) < 40,
                     qPrintable(QString::number(i)));
    }

    void swappedPanesNeverShareABitmapName() {
        const QString source = writePicture(QStringLiteral("Image01.bmp"), quadrants(20, 20));
        givePicture(1, source);
        givePicture(3, source);
        QVERIFY(PreparePaneImage(m_project, 1, 50, true, *m_work, nullptr));
        QVERIFY(PreparePaneImage(m_project, 3, 50, true, *m_work, nullptr));
        // Drag pane 3 onto pane 1: pane 1 now holds the file named for pane 3.
        std::swap(m_project.Panes[1], m_project.Panes[3]);
        const QString heldByPane1 = m_project.Panes[1].WorkPicture;
        QVERIFY(heldByPane1.endsWith(QStringLiteral("Image01-0003.BMP")));
        const QByteArray before = [&] {
            QFile f(heldByPane1);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        // A new picture for pane 3 gets a name of its own.
        givePicture(3, writePicture(QStringLiteral("Image01.jpg"), quadrants(30, 10)));
        QVERIFY(PreparePaneImage(m_project, 3, 50, true, *m_work, nullptr));
        QVERIFY(m_project.Panes[3].WorkPicture != heldByPane1);
        QVERIFY(m_project.Panes[3].WorkPicture.endsWith(QStringLiteral("Image01-0003-2.BMP")));
        QFile after(heldByPane1);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }

    void unreadableSourceLeavesThePaneAsItWas() {
        QFile text(m_dir.filePath(QStringLiteral("Photo01.jpg")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        givePicture(2, text.fileName());
        QString error;
        QVERIFY(!PreparePaneImage(m_project, 2, 80, true, *m_work, &error));
        QVERIFY(error.contains(QStringLiteral("Photo01.jpg")));
        QCOMPARE(m_project.Panes[2].WorkPicture, QStringLiteral("none"));
    }

    void rewritingAtANewSizeKeepsTheFilesAndSkipsBlankedPanes() {
        const QString source = writePicture(QStringLiteral("Image01.bmp"), quadrants(40, 40));
        for (int pane : {1, 2, 1000}) {
            givePicture(pane, source);
            QVERIFY(PreparePaneImage(m_project, pane, 100, true, *m_work, nullptr));
        }
        // Pane 2's bitmap vanished and a redraw turned it blank: it stays blank.
        m_project.Panes[2].WorkPicture = kNoPicture;
        QVERIFY(rewriteAllPaneImages(m_project, 60).isEmpty());
        QCOMPARE(QImage(m_project.Panes[1].WorkPicture).size(), QSize(60, 60));
        QCOMPARE(QImage(m_project.Panes[1000].WorkPicture).size(), QSize(60, 60));
        QVERIFY(!QFileInfo::exists(QStringLiteral("none")));
        QVERIFY(PreparePaneImage(m_project, 2, 60, false, *m_work, nullptr));
        QCOMPARE(m_project.Panes[2].WorkPicture, QStringLiteral("none"));

        // The source gone, each bitmap is scaled from itself; with neither, the pane fails.
        QFile::remove(source);
        QFile::remove(m_project.Panes[1].WorkPicture);
        const QList<PaneImageFailure> failures = rewriteAllPaneImages(m_project, 70);
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.at(0).pane, 1);
        QCOMPARE(QImage(m_project.Panes[1000].WorkPicture).size(), QSize(70, 70));
    }

    void boardDrawingShowsPanesOfTheBoardAndRecordsTheSlots() {
        m_project.BoardCount = 3;
        const QString source = writePicture(QStringLiteral("Image01.bmp"), quadrants(40, 40));
        givePicture(10, source);
        QVERIFY(PreparePaneImage(m_project, 10, 100, true, *m_work, nullptr));
        givePicture(12, source);
        QVERIFY(PreparePaneImage(m_project, 12, 100, true, *m_work, nullptr));
        QFile::remove(m_project.Panes[12].WorkPicture);

        platform::PictureSurface stage(QSize(300, 250)), clean;
        const BoardStyle style{loadBlankPattern(), QFont()};
        DrawBoard(m_project, 2, 100, 2, stage, clean, style);

        const QList<QPoint> corners = {{0, 0}, {100, 0}, {0, 100}, {100, 100}};
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(m_project.Panes[slot].StagePos, corners[slot - 1]);
        const QImage& image = stage.image();
        // Pane 9: checkerboard; pane 10: the picture.
        QCOMPARE(image.pixel(70, 20), kWhite);
        QCOMPARE(image.pixel(25, 75), kWhite);
        QCOMPARE(image.pixel(75, 75), kGrey);
        QCOMPARE(image.pixel(125, 75), kBlue);
        QCOMPARE(image.pixel(175, 75), kYellow);
        // Pane 12's bitmap is gone: blank now and from now on.
        QCOMPARE(image.pixel(175, 175), kGrey);
        QCOMPARE(m_project.Panes[12].WorkPicture, QStringLiteral("none"));
        // The picture outside the grid is untouched and the clean copy is the stage.
        QCOMPARE(image.pixel(250, 240), kWhite);
        QCOMPARE(clean.image(), image);
        QCOMPARE(stage.picture(), image);
    }
};

VV_TEST_MAIN(PaneImageTest)
#include "tst_paneimage.moc"
