#include "editor/export/cdibsection.h"
#include "editor/export/pictureconversion.h"
#include "platform/turbojpegencoder.h"
#include "testmain.h"
#include "testpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace editor;
using namespace testsupport;

namespace {

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

// Records what it is handed and answers with fixed bytes.
class RecordingEncoder : public platform::JpegEncoder {
public:
    QByteArray encodeBottomUpBgr(const unsigned char* pixels, int width, int rowBytes, int height,
                                 int quality, QString*) override {
        m_pixels = pixels;
        m_width = width;
        m_rowBytes = rowBytes;
        m_height = height;
        m_quality = quality;
        return QByteArray("\xFF\xD8 encoded \0 bytes \xFF\xD9", 20);
    }
    const unsigned char* m_pixels = nullptr;
    int m_width = 0, m_rowBytes = 0, m_height = 0, m_quality = 0;
};

} // namespace

class JpegExportTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    platform::TurboJpegEncoder m_jpeg;

    QString writeBitmap(const QString& name, const QImage& image) {
        const QString file = m_dir.filePath(name);
        [&] { QVERIFY(image.save(file, "BMP")); }();
        return file;
    }

private Q_SLOTS:
    void rowsArePaddedToFourBytes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rowBytes");
        QTest::newRow("10 wide") << 10 << 3 << 32;
        QTest::newRow("4 wide") << 4 << 3 << 12;
        QTest::newRow("1 wide") << 1 << 3 << 4;
        QTest::newRow("10 wide, 32 bits") << 10 << 4 << 40;
    }
    void rowsArePaddedToFourBytes() {
        QFETCH(int, width);
        QFETCH(int, channels);
        QFETCH(int, rowBytes);
        cDIBSection dib;
        QVERIFY(dib.Create(width, 3, channels));
        QCOMPARE(dib.BytesPerScanLine(), rowBytes);
        QCOMPARE(dib.dib_channels(), channels);
        QCOMPARE(dib.dib_width(), width);
        QCOMPARE(dib.dib_height(), 3);
    }

    // Our own 24-bit bitmaps are taken as they lie; anything else is converted.
    void loadedBitmapIsBottomUpBlueGreenRed_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QImage::Format>("pixels");
        QTest::newRow("24-bit bitmap") << "BMP" << QImage::Format_RGB32;
        QTest::newRow("PNG") << "PNG" << QImage::Format_RGB32;
    }
    void loadedBitmapIsBottomUpBlueGreenRed() {
        QFETCH(QString, format);
        QFETCH(QImage::Format, pixels);
        QImage image(10, 2, pixels);
        image.fill(kRed);
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, 1, qRgb(1, 2, 3));
        const QString file = m_dir.filePath("two-rows." + format);
        QVERIFY(image.save(file, qPrintable(format)));
        cDIBSection dib;
        QVERIFY(dib.Load(file));
        QCOMPARE(dib.dib_width(), 10);
        QCOMPARE(dib.dib_height(), 2);
        QCOMPARE(dib.dib_channels(), 3);
        QCOMPARE(dib.BytesPerScanLine(), 32);
        const QByteArray bits(reinterpret_cast<const char*>(dib.DIBSectionBitsPtr()), 64);
        // The lowest row first, blue-green-red, then two fill bytes; then the top row.
        QCOMPARE(bits.left(6), QByteArray("\x03\x02\x01\x03\x02\x01"));
        QCOMPARE(bits.mid(30, 2), QByteArray(2, '\0'));
        QCOMPARE(bits.mid(32, 3), QByteArray("\x00\x00\xFF", 3));
        QCOMPARE(bits.mid(62, 2), QByteArray(2, '\0'));
    }

    void unreadableBitmapLoadsNothing() {
        cDIBSection dib;
        QVERIFY(dib.Create(4, 4, 3));
        QFile garbage(m_dir.filePath("garbage.BMP"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a picture");
        garbage.close();
        QVERIFY(!dib.Load(garbage.fileName()));
        QVERIFY(!dib.DIBSectionBitsPtr());
        QVERIFY(!dib.Load(m_dir.filePath("missing.BMP")));
    }

    void encoderGetsTheBufferAsItLies() {
        cDIBSection dib;
        QVERIFY(dib.Load(writeBitmap("ten.bmp", quadrants(10, 6))));
        RecordingEncoder encoder;
        const QString file = m_dir.filePath("ten.JPG");
        QVERIFY(SaveDibAsJpeg(dib, file, encoder));
        QCOMPARE(encoder.m_pixels, dib.DIBSectionBitsPtr());
        QCOMPARE(encoder.m_width, 10);
        QCOMPARE(encoder.m_rowBytes, 32);
        QCOMPARE(encoder.m_height, 6);
        QCOMPARE(encoder.m_quality, 75);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("\xFF\xD8 encoded \0 bytes \xFF\xD9", 20));

        // A name that cannot take a file leaves nothing behind.
        QVERIFY(QDir(m_dir.path()).mkdir("taken.JPG"));
        QVERIFY(!SaveDibAsJpeg(dib, m_dir.filePath("taken.JPG"), encoder));
        QVERIFY(QFileInfo(m_dir.filePath("taken.JPG")).isDir());
        QVERIFY(!SaveDibAsJpeg(dib, m_dir.filePath("gone/ten.JPG"), encoder));
        QVERIFY(!QFile::exists(m_dir.filePath("gone")));
    }

    // An odd width exercises the row padding; the quadrants catch a picture
    // upside down, mirrored or with red and blue swapped.
    void jpegShowsThePictureTheRightWayRound() {
        cDIBSection dib;
        QVERIFY(dib.Load(writeBitmap("quadrants.bmp", quadrants(58, 42))));
        const QString file = m_dir.filePath("quadrants.JPG");
        QString error;
        QVERIFY2(SaveDibAsJpeg(dib, file, m_jpeg, &error), qPrintable(error));
        QImage decoded(file, "JPEG");
        QCOMPARE(decoded.size(), QSize(58, 42));
        QVERIFY(near(decoded.pixel(14, 10), kRed));
        QVERIFY(near(decoded.pixel(43, 10), kGreen));
        QVERIFY(near(decoded.pixel(14, 31), kBlue));
        QVERIFY(near(decoded.pixel(43, 31), kYellow));
    }

    void projectPicturesBecomeFilesBesideThePages() {
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 40;
        const QString sky = writeBitmap("Sky-0003.BMP", quadrants(20, 20));
        for (int pane : {3, 7, 1000}) {
            project.Panes[pane].WorkPicture = sky;
            project.Panes[pane].PictureName = QStringLiteral("Sky");
        }
        // A legal name here, and no resource path.
        project.Panes[1000].PictureName = QStringLiteral(":Sky");
        project.Panes[9].WorkPicture = m_dir.filePath("vanished.BMP");
        project.Panes[9].PictureName = QStringLiteral("Gone");
        QTemporaryDir pages;
        const QString folder = pages.path() + QLatin1Char('/');
        const QList<PictureJob> jobs = pictureJobs(project, folder);
        QCOMPARE(jobs.size(), 4);
        QCOMPARE(jobs.at(0).pane, 3);
        QCOMPARE(jobs.at(0).jpeg, folder + "Sky-003.JPG");
        QCOMPARE(jobs.at(3).jpeg, folder + ":Sky-1000.JPG");

        QFuture<PictureOutcome> future = startPictureConversion(jobs, m_jpeg);
        future.waitForFinished();
        QCOMPARE(future.results(),
                 QList<PictureOutcome>({PictureOutcome::Written, PictureOutcome::Written,
                                        PictureOutcome::LoadFailed, PictureOutcome::Written}));
        QCOMPARE(QDir(pages.path()).entryList(QDir::Files),
                 QStringList({":Sky-1000.JPG", "Sky-003.JPG", "Sky-007.JPG"}));
        QCOMPARE(QImage(folder + "Sky-007.JPG").size(), QSize(20, 20));

        // Panes past the project's last one are not converted.
        project.BoardCount = 1;
        QCOMPARE(pictureJobs(project, folder).size(), 3);
    }
};

VV_TEST_MAIN(JpegExportTest)
#include "tst_jpegexport.moc"
