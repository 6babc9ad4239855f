#include "hostilepictures.h"
#include "platform/picturesurface.h"
#include "testmain.h"
#include "testpictures.h"

#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>

using testsupport::quadrants;

class PictureSurfaceTest : public QObject {
    Q_OBJECT
private:
    // The file `name` in `dir` holding `content`; empty when it could not be written.
    static QString writeFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& content) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        return file.fileName();
    }

private Q_SLOTS:
    void negativeExtentsMirrorFromTheCorner_data() {
        QTest::addColumn<bool>("flipH");
        QTest::addColumn<bool>("flipV");
        QTest::addColumn<QRgb>("topLeft");
        QTest::addColumn<QRgb>("bottomRight");
        QTest::newRow("plain") << false << false << qRgb(255, 0, 0) << qRgb(255, 255, 0);
        QTest::newRow("left to right") << true << false << qRgb(0, 255, 0) << qRgb(0, 0, 255);
        QTest::newRow("top to bottom") << false << true << qRgb(0, 0, 255) << qRgb(0, 255, 0);
        QTest::newRow("half turn") << true << true << qRgb(255, 255, 0) << qRgb(255, 0, 0);
    }
    void negativeExtentsMirrorFromTheCorner() {
        QFETCH(bool, flipH);
        QFETCH(bool, flipV);
        QFETCH(QRgb, topLeft);
        QFETCH(QRgb, bottomRight);
        const int size = 40;
        platform::PictureSurface surface(QSize(size, size), Qt::black);
        surface.stretchDraw(quadrants(100, 50), flipH ? size : 0, flipV ? size : 0,
                            flipH ? -(size + 1) : size, flipV ? -(size + 1) : size);
        // The whole square is painted, edges included.
        QCOMPARE(surface.image().pixel(2, 2), topLeft);
        QCOMPARE(surface.image().pixel(size - 3, size - 3), bottomRight);
        for (int i = 0; i < size; ++i) {
            QVERIFY(surface.image().pixel(i, 0) != qRgb(0, 0, 0));
            QVERIFY(surface.image().pixel(0, i) != qRgb(0, 0, 0));
            QVERIFY(surface.image().pixel(size - 1, i) != qRgb(0, 0, 0));
            QVERIFY(surface.image().pixel(i, size - 1) != qRgb(0, 0, 0));
        }
    }

    void xorLineTwiceRestoresThePixels() {
        platform::PictureSurface surface(QSize(50, 50), Qt::white);
        surface.stretchDraw(quadrants(50, 50), 0, 0, 50, 50);
        const QImage before = surface.image();
        // 0x00FF00 in the editor's blue-green-red order shows magenta on white.
        surface.drawXorLine(QPoint(5, 40), QPoint(45, 3), QColor(0, 255, 0), 2);
        QVERIFY(surface.image() != before);
        surface.drawXorLine(QPoint(5, 40), QPoint(45, 3), QColor(0, 255, 0), 2);
        QCOMPARE(surface.image(), before);

        platform::PictureSurface white(QSize(20, 20), Qt::white);
        white.drawXorLine(QPoint(0, 10), QPoint(19, 10), QColor(0, 255, 0));
        QCOMPARE(white.image().pixel(10, 10), qRgb(255, 0, 255));
    }

    void clearGoesBackToThePersistentPicture() {
        platform::PictureSurface surface(QSize(30, 30), Qt::white);
        surface.fillRect(QRect(0, 0, 30, 30), Qt::red);
        surface.makePersistent();
        surface.fillRect(QRect(0, 0, 10, 10), Qt::blue);
        surface.clear();
        QCOMPARE(surface.image().pixel(5, 5), qRgb(255, 0, 0));
        surface.clearPicture();
        QCOMPARE(surface.image().pixel(5, 5), qRgb(255, 255, 255));
        surface.resize(QSize(40, 20));
        QCOMPARE(surface.size(), QSize(40, 20));
    }

    void savedBitmapLoadsBackWithItsSize() {
        QTemporaryDir dir;
        platform::PictureSurface surface(QSize(33, 17), Qt::white);
        surface.stretchDraw(quadrants(8, 8), 0, 0, 33, 17);
        const QString file = dir.filePath(QStringLiteral("Image01-0001.BMP"));
        QVERIFY(surface.saveBitmap(file));
        platform::PictureSurface loaded;
        QVERIFY(loaded.load(file));
        QCOMPARE(loaded.size(), QSize(33, 17));
        QCOMPARE(loaded.image(), surface.image());
    }

    void unreadableFilesFailWithAReason_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text named jpg") << QByteArray("just some words\n");
        QTest::newRow("truncated jpeg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);
    }
    void unreadableFilesFailWithAReason() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("Photo01.jpg"), content);
        QVERIFY(!file.isEmpty());
        platform::PictureSurface surface(QSize(10, 10));
        QString error;
        QVERIFY(!surface.load(file, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(surface.size(), QSize(10, 10));
        QVERIFY(!surface.load(dir.filePath(QStringLiteral("missing.bmp"))));
    }

    // Refused from the header alone: nothing of their claimed size is allocated.
    void picturesClaimingHugeSizesAreRefusedUnread_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("targetSize");
        QTest::newRow("BMP 60000 x 60000") << testsupport::bmpClaiming(60000, 60000) << QSize();
        QTest::newRow("GIF screen 60000 x 60000")
            << testsupport::gifClaiming(60000, 60000, 1, 1) << QSize(201, 201);
        // No screen size: Qt's reader takes the frame's.
        QTest::newRow("GIF frame 60000 x 60000")
            << testsupport::gifClaiming(0, 0, 60000, 60000) << QSize();
        // Even decoded at an eighth of its size it would take 225 MB.
        QTest::newRow("JPEG 60000 x 60000")
            << testsupport::jpegClaiming(60000, 60000) << QSize(201, 201);
    }
    void picturesClaimingHugeSizesAreRefusedUnread() {
        QFETCH(QByteArray, content);
        QFETCH(QSize, targetSize);
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("Huge01.jpg"), content);
        QVERIFY(!file.isEmpty());
        QString error;
        QVERIFY(platform::readPicture(file, &error, targetSize).isNull());
        QCOMPARE(error, QStringLiteral("The picture claims 60000 x 60000 pixels, more than the "
                                       "268 million I can read."));
    }

    void truncatedPicturesEndWithoutHarm_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("BMP") << testsupport::truncatedPicture("BMP");
        QTest::newRow("GIF") << testsupport::truncatedPicture("GIF");
        QTest::newRow("JPEG") << testsupport::truncatedPicture("JPEG");
    }
    void truncatedPicturesEndWithoutHarm() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString file = writeFile(dir, QStringLiteral("Cut01.jpg"), content);
        QVERIFY(!file.isEmpty());
        for (const QSize target : {QSize(), QSize(20, 20)}) {
            QString error;
            const QImage picture = platform::readPicture(file, &error, target);
            // Either refused with a reason or read as far as it goes, at its full size.
            if (picture.isNull())
                QVERIFY(!error.isEmpty());
            else
                QCOMPARE(picture.size(), target.isValid() ? target : QSize(64, 48));
        }
    }

    void largeJpegDecodesStraightAtTheTargetSize() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Big.JPG"));
        QVERIFY(quadrants(800, 600).save(file, "JPEG"));
        const QImage small = platform::readPicture(file, nullptr, QSize(100, 100));
        QCOMPARE(small.size(), QSize(100, 100));
        QCOMPARE(platform::readPicture(file, nullptr).size(), QSize(800, 600));
    }

    // Shrunk while it is decoded, the right way round and transparent parts white.
    void largeWebpDecodesStraightAtTheTargetSize_data() {
        QTest::addColumn<bool>("transparent");
        QTest::newRow("opaque") << false;
        QTest::newRow("transparent below") << true;
    }
    void largeWebpDecodesStraightAtTheTargetSize() {
        QFETCH(bool, transparent);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Big.webp"));
        QImage picture = quadrants(800, 600).convertToFormat(QImage::Format_ARGB32);
        if (transparent)
            for (int y = 300; y < 600; ++y)
                for (int x = 0; x < 800; ++x)
                    picture.setPixel(x, y, qRgba(0, 0, 0, 0));
        QImageWriter writer(file, "webp");
        writer.setQuality(100);
        QVERIFY(writer.write(picture));
        const QImage small = platform::readPicture(file, nullptr, QSize(100, 80));
        QCOMPARE(small.size(), QSize(100, 80));
        QCOMPARE(small.format(), QImage::Format_RGB32);
        const auto near = [](QRgb seen, QRgb expected) {
            return qAbs(qRed(seen) - qRed(expected)) < 24 &&
                   qAbs(qGreen(seen) - qGreen(expected)) < 24 &&
                   qAbs(qBlue(seen) - qBlue(expected)) < 24;
        };
        QVERIFY(near(small.pixel(25, 20), testsupport::kRed));
        QVERIFY(near(small.pixel(75, 20), testsupport::kGreen));
        const QRgb white = qRgb(255, 255, 255);
        QVERIFY(near(small.pixel(25, 60), transparent ? white : testsupport::kBlue));
        QVERIFY(near(small.pixel(75, 60), transparent ? white : testsupport::kYellow));
    }

    // A phone keeps a small copy beside the photo: a pane it covers is made from
    // it, a larger pane from the photo, both the right way up.
    void heicWithAThumbnailDecodesAtEverySize_data() {
        QTest::addColumn<QSize>("target");
        QTest::newRow("covered by the thumbnail") << QSize(200, 150);
        QTest::newRow("larger than the thumbnail") << QSize(500, 300);
    }
    void heicWithAThumbnailDecodesAtEverySize() {
        QFETCH(QSize, target);
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("Photo.png"));
        const QString heic = dir.filePath(QStringLiteral("Photo.heic"));
        QVERIFY(quadrants(800, 600).save(png));
        QProcess encoder;
        encoder.start(QStringLiteral("heif-enc"),
                      {QStringLiteral("-q"), QStringLiteral("95"), QStringLiteral("-t"),
                       QStringLiteral("240"), png, QStringLiteral("-o"), heic});
        QVERIFY(encoder.waitForFinished(60000) && encoder.exitCode() == 0);
        const QImage picture = platform::readPicture(heic, nullptr, target);
        QCOMPARE(picture.size(), target);
        const auto near = [](QRgb seen, QRgb expected) {
            return qAbs(qRed(seen) - qRed(expected)) < 48 &&
                   qAbs(qGreen(seen) - qGreen(expected)) < 48 &&
                   qAbs(qBlue(seen) - qBlue(expected)) < 48;
        };
        const int w = target.width(), h = target.height();
        QVERIFY(near(picture.pixel(w / 4, h / 4), testsupport::kRed));
        QVERIFY(near(picture.pixel(w * 3 / 4, h / 4), testsupport::kGreen));
        QVERIFY(near(picture.pixel(w / 4, h * 3 / 4), testsupport::kBlue));
        QVERIFY(near(picture.pixel(w * 3 / 4, h * 3 / 4), testsupport::kYellow));
    }
};

VV_TEST_MAIN(PictureSurfaceTest)
#include "tst_picturesurface.moc"
