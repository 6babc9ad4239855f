#include "editor/model/project/paneimage.h"
#include "editor/model/project/pictureimport.h"
#include "editor/model/project/picturesequence.h"
#include "editor/model/storage/workfolder.h"
#include "platform/numbers.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>

using namespace editor;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kYellow = qRgb(255, 255, 0), kWhite = qRgb(255, 255, 255);
const QList<QRgb> kQuadrantColours = {kRed, kGreen, kBlue, kYellow};

// Quadrant 0 top left, 1 top right, 2 bottom left, 3 bottom right.
int quadrantAt(int x, int y, int w, int h) {
    return (y < h / 2 ? 0 : 2) + (x < w / 2 ? 0 : 1);
}

QImage quadrants(int w, int h, const QList<QRgb>& colours = kQuadrantColours) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, colours.at(quadrantAt(x, y, w, h)));
    return image;
}

void appendLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A bitmap file of the quadrants, rows bottom-up; 1, 4 and 8 bits per pixel
// index a palette of the four colours (1 bit: left and right halves only).
QByteArray bitmapFile(int w, int h, int bits) {
    const int rowBytes = (w * bits + 31) / 32 * 4;
    const int paletteBytes = bits <= 8 ? (1 << bits) * 4 : 0;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray file("BM");
    appendLe(file, offset + rowBytes * h, 4);
    appendLe(file, 0, 4);
    appendLe(file, offset, 4);
    for (const quint32 field : {40, w, h})
        appendLe(file, field, 4);
    appendLe(file, 1, 2);
    appendLe(file, bits, 2);
    for (const quint32 field : {0, rowBytes * h, 2835, 2835, 0, 0})
        appendLe(file, field, 4);
    for (int i = 0; i < paletteBytes / 4; ++i)
        appendLe(file, kQuadrantColours.value(i, kWhite) & 0xFFFFFF, 4);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const int quadrant = quadrantAt(x, y, w, h);
            if (bits <= 8) {
                const int index = quadrant & ((1 << bits) - 1);
                const int bit = x * bits;
                row[bit / 8] = char(row[bit / 8] | index << (8 - bits - bit % 8));
            } else {
                const QRgb colour = kQuadrantColours.at(quadrant);
                const int at = x * bits / 8;
                row[at] = char(qBlue(colour));
                row[at + 1] = char(qGreen(colour));
                row[at + 2] = char(qRed(colour)); // a fourth byte stays 0 and means nothing
            }
        }
        file += row;
    }
    return file;
}

// A GIF of the quadrants over the four colours, one frame per entry of
// `frameOffsets` (added to every palette index), palette entry `transparent`
// see-through. The data uses 3-bit codes only, a clear code before every pair.
QByteArray gifFile(int w, int h, const QList<int>& frameOffsets, int transparent = -1) {
    QByteArray file("GIF89a");
    appendLe(file, w, 2);
    appendLe(file, h, 2);
    file += QByteArray("\x81\0\0", 3);
    for (const QRgb colour : kQuadrantColours)
        file += QByteArray(1, char(qRed(colour))) + char(qGreen(colour)) + char(qBlue(colour));
    for (const int frameOffset : frameOffsets) {
        if (transparent >= 0)
            file += QByteArray("\x21\xF9\x04\x01\0\0", 6) + char(transparent) + '\0';
        file += ',';
        for (const int field : {0, 0, w, h})
            appendLe(file, field, 2);
        file += QByteArray("\0\x02", 2);
        QByteArray data;
        quint32 bits = 0;
        int count = 0;
        const auto put = [&](int code) {
            bits |= quint32(code) << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8)
                data += char(bits & 0xFF);
        };
        for (int i = 0; i < w * h; ++i) {
            if (i % 2 == 0)
                put(4);
            put((quadrantAt(i % w, i / w, w, h) + frameOffset) % 4);
        }
        put(5);
        if (count > 0)
            data += char(bits & 0xFF);
        for (qsizetype at = 0; at < data.size(); at += 255)
            file += char(qMin<qsizetype>(255, data.size() - at)) + data.mid(at, 255);
        file += '\0';
    }
    return file + ';';
}

QByteArray jpegFile(const QImage& image, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A camera JPEG of w x h whose orientation tag says: turn a quarter clockwise to show.
QByteArray turnedCameraJpeg(int w, int h) {
    const QByteArray exif("\xFF\xE1\x00\x22"
                          "Exif\0\0"
                          "MM\x00\x2A\x00\x00\x00\x08"
                          "\x00\x01"
                          "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
                          "\x00\x00\x00\x00",
                          36);
    return jpegFile(quadrants(w, h)).insert(2, exif);
}

QByteArray pngFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool near(QRgb seen, QRgb expected) {
    return qAbs(qRed(seen) - qRed(expected)) < 40 && qAbs(qGreen(seen) - qGreen(expected)) < 40 &&
           qAbs(qBlue(seen) - qBlue(expected)) < 40;
}

QRgb centre(const QString& bitmap) {
    const QImage image(bitmap);
    return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
}

QByteArray bytesOf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QRgb memberColour(int number) {
    return qRgb((number * 37) % 256, 255 - (number * 23) % 256, (number * 71) % 256);
}

} // namespace

class PictureImportTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<WorkFolder> m_work;
    ProjectRecord m_project;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString fileName = m_dir.filePath(name);
        QFile file(fileName);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return fileName;
    }
    // Image05.bmp, Image06.bmp ... each of one colour of its own.
    QString writeSequence(const QString& prefix, int first, int last) {
        for (int number = first; number <= last; ++number) {
            QImage image(24, 16, QImage::Format_RGB32);
            image.fill(memberColour(number));
            image.save(m_dir.filePath(prefix + platform::zeroPadded(number, 2) + ".bmp"));
        }
        return m_dir.filePath(prefix + platform::zeroPadded(first, 2) + ".bmp");
    }
    SequenceImport import(const QString& chosen, int firstPane, int size = 40) {
        return importPictureSequence(m_project, PictureSequence::recognise(chosen), firstPane, size,
                                     *m_work);
    }
    // A pane that already shows a mirrored picture.
    PaneRecord giveMirroredPicture(int pane) {
        PaneRecord& record = m_project.Panes[pane];
        record.SourcePicture = writeFile(QStringLiteral("Old.bmp"), bitmapFile(8, 8, 24));
        record.PictureName = QStringLiteral("Old");
        record.FlipH = 1;
        [&] { QVERIFY(PreparePaneImage(m_project, pane, 40, true, *m_work, nullptr)); }();
        return record;
    }
    // Pane `pane` shows a bitmap under the name of another pane's (the two were
    // swapped); returns the bitmap's bytes.
    QByteArray giveSwappedBitmap(int pane, const QString& pictureName, const QString& bitmapName) {
        PaneRecord& record = m_project.Panes[pane];
        record.SourcePicture = writeFile(QStringLiteral("Old.bmp"), bitmapFile(8, 8, 24));
        record.PictureName = pictureName;
        [&] { QVERIFY(PreparePaneImage(m_project, pane, 40, true, *m_work, nullptr)); }();
        const QString swapped = m_work->filePath(bitmapName);
        [&] { QVERIFY(QFile::rename(record.WorkPicture, swapped)); }();
        record.WorkPicture = swapped;
        return bytesOf(swapped);
    }
    QStringList leftoverPartFiles() const {
        return QDir(m_work->path()).entryList({QStringLiteral("*.part")}, QDir::Files);
    }

private Q_SLOTS:
    void init() {
        m_work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        m_project = ProjectRecord();
    }
    void cleanup() { m_work.reset(); }

    void everyCommonKindOfPictureFillsAPane_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QRgb>>("expected"); // top left, top right, bottom left, bottom right
        const QList<QRgb> asDrawn = kQuadrantColours;
        QTest::newRow("1-bit bitmap")
            << bitmapFile(20, 12, 1) << QList<QRgb>{kRed, kGreen, kRed, kGreen};
        QTest::newRow("4-bit bitmap") << bitmapFile(20, 12, 4) << asDrawn;
        QTest::newRow("8-bit bitmap") << bitmapFile(20, 12, 8) << asDrawn;
        QTest::newRow("24-bit bitmap") << bitmapFile(21, 11, 24) << asDrawn;
        QTest::newRow("32-bit bitmap") << bitmapFile(20, 12, 32) << asDrawn;
        QTest::newRow("GIF: the first frame") << gifFile(20, 12, {0, 1}) << asDrawn;
        QTest::newRow("GIF: see-through over white")
            << gifFile(20, 12, {0}, 3) << QList<QRgb>{kRed, kGreen, kBlue, kWhite};
        // Pictures larger than the pane decode shrunk, smaller ones whole.
        QTest::newRow("baseline JPEG") << jpegFile(quadrants(48, 48)) << asDrawn;
        QTest::newRow("progressive JPEG") << jpegFile(quadrants(48, 48), true) << asDrawn;
        QTest::newRow("large progressive JPEG") << jpegFile(quadrants(480, 360), true) << asDrawn;
        const QList<QRgb> greys = {qRgb(0, 0, 0), qRgb(90, 90, 90), qRgb(170, 170, 170), kWhite};
        QTest::newRow("grey-scale JPEG")
            << jpegFile(quadrants(48, 48, greys).convertToFormat(QImage::Format_Grayscale8))
            << greys;
        QTest::newRow("large grey-scale JPEG")
            << jpegFile(quadrants(480, 480, greys).convertToFormat(QImage::Format_Grayscale8))
            << greys;
        QTest::newRow("large camera JPEG") << jpegFile(quadrants(1600, 1200)) << asDrawn;
        const QList<QRgb> turned = {kBlue, kRed, kYellow, kGreen};
        QTest::newRow("camera JPEG turned upright") << turnedCameraJpeg(640, 320) << turned;
        QTest::newRow("small camera JPEG turned upright") << turnedCameraJpeg(40, 20) << turned;
        QImage clear = quadrants(20, 20).convertToFormat(QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QTest::newRow("transparent picture over white")
            << pngFile(clear) << QList<QRgb>{kWhite, kWhite, kWhite, kWhite};
    }
    void everyCommonKindOfPictureFillsAPane() {
        QFETCH(QByteArray, content);
        QFETCH(QList<QRgb>, expected);
        const QString file = writeFile(QStringLiteral("Été à la mer 01.jpg"), content);
        QString error;
        QVERIFY2(loadPicture(m_project, 3, file, 60, *m_work, &error), qPrintable(error));
        const PaneRecord& pane = m_project.Panes[3];
        QCOMPARE(pane.SourcePicture, file);
        QCOMPARE(pane.PictureName, QStringLiteral("Été à la mer 01"));
        QCOMPARE(pane.WorkPicture, m_work->filePath(QStringLiteral("Été à la mer 01-0003.BMP")));
        const QImage prepared(pane.WorkPicture);
        QCOMPARE(prepared.size(), QSize(60, 60));
        for (int q = 0; q < 4; ++q) {
            const QRgb seen = prepared.pixel(15 + 30 * (q % 2), 15 + 30 * (q / 2));
            QVERIFY2(near(seen, expected.at(q)),
                     qPrintable(QStringLiteral("quadrant %1: %2").arg(q).arg(seen, 8, 16)));
        }
    }

    void unreadablePictureLeavesThePaneExactlyAsItWas_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text named .jpg") << QByteArray("Not a picture at all.\n");
        QTest::newRow("truncated JPEG") << jpegFile(quadrants(64, 64)).left(300);
        QByteArray huge = bitmapFile(4, 4, 24);
        huge.replace(18, 8, QByteArray("\x60\xEA\0\0\x60\xEA\0\0", 8)); // 60000 x 60000
        QTest::newRow("too large to decode") << huge;
    }
    void unreadablePictureLeavesThePaneExactlyAsItWas() {
        QFETCH(QByteArray, content);
        const PaneRecord before = giveMirroredPicture(2);
        const QByteArray bitmap = bytesOf(before.WorkPicture);
        const QString file = writeFile(QStringLiteral("Photo01.jpg"), content);
        QString error;
        QVERIFY(!loadPicture(m_project, 2, file, 40, *m_work, &error));
        QVERIFY2(error.contains(file), qPrintable(error));
        const PaneRecord& after = m_project.Panes[2];
        QCOMPARE(after.SourcePicture, before.SourcePicture);
        QCOMPARE(after.WorkPicture, before.WorkPicture);
        QCOMPARE(after.PictureName, before.PictureName);
        QCOMPARE(after.FlipH, qint16(1));
        QCOMPARE(bytesOf(after.WorkPicture), bitmap);
    }

    void fillsPanesUntilTheFirstMissingMember() {
        const QString chosen = writeSequence(QStringLiteral("Image"), 5, 12);
        QFile::remove(m_dir.filePath(QStringLiteral("Image13.bmp")));
        writeSequence(QStringLiteral("Image"), 14, 15); // after the gap: never looked for
        const SequenceImport result = import(chosen, 1);
        QCOMPARE(result.filled, 8);
        QVERIFY(!result.reachedLastPane);
        for (int pane = 1; pane <= 8; ++pane) {
            const PaneRecord& record = m_project.Panes[pane];
            QCOMPARE(record.PictureName, QStringLiteral("Image"));
            QCOMPARE(
                record.SourcePicture,
                m_dir.filePath(QStringLiteral("Image%1.bmp").arg(pane + 4, 2, 10, QChar('0'))));
            QCOMPARE(record.WorkPicture,
                     m_work->filePath(QStringLiteral("Image-000%1.BMP").arg(pane)));
            QCOMPARE(centre(record.WorkPicture), memberColour(pane + 4));
            QCOMPARE(QImage(record.WorkPicture).size(), QSize(40, 40));
        }
        QVERIFY(!m_project.Panes[9].hasSourcePicture());
        QVERIFY(leftoverPartFiles().isEmpty());
    }

    void aMemberNamedInOtherLettersCaseIsTaken() {
        const QString chosen = writeSequence(QStringLiteral("Image"), 1, 1);
        writeSequence(QStringLiteral("image"), 2, 2);
        QVERIFY(QFile::rename(m_dir.filePath(QStringLiteral("image02.bmp")),
                              m_dir.filePath(QStringLiteral("image02.BMP"))));
        const SequenceImport result = import(chosen, 1);
        QCOMPARE(result.filled, 2);
        QCOMPARE(m_project.Panes[2].SourcePicture, m_dir.filePath(QStringLiteral("image02.BMP")));
    }

    void reportsWhatItFound_data() {
        QTest::addColumn<int>("filled");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("text");
        const QString none = QStringLiteral("I couldn't find any compatible images.\n"
                                            "Choose images with number patterns such as : \n"
                                            "Image01.bmp, Image1.gif, Image214.jpg");
        QTest::newRow("none") << 0 << "" << none;
        QTest::newRow("none, the chosen picture unusable")
            << 0 << "Image01.bmp: bad"
            << none + "\nThe picture you chose could not be used: Image01.bmp: bad";
        QTest::newRow("one") << 1 << ""
                             << "I found only 1 compatible image.";
        QTest::newRow("one, then a stop")
            << 1 << "Image02.bmp: bad"
            << "I found only 1 compatible image.\n"
               "I stopped at a picture I could not use: Image02.bmp: bad";
        QTest::newRow("eight") << 8 << ""
                               << "I found 8 compatible images.\n"
                                  "Truncation where current project specifies.";
    }
    void reportsWhatItFound() {
        QFETCH(int, filled);
        QFETCH(QString, failure);
        QFETCH(QString, text);
        QCOMPARE(importReport(filled, failure), text);
    }

    void stopsSilentlyAfterPane1000() {
        const QString chosen = writeSequence(QStringLiteral("Image"), 1, 6);
        const SequenceImport result = import(chosen, 998);
        QCOMPARE(result.filled, 3);
        QVERIFY(result.reachedLastPane);
        QCOMPARE(centre(m_project.Panes[1000].WorkPicture), memberColour(3));
        QCOMPARE(m_project.Panes[0].SourcePicture, QStringLiteral("none"));
    }

    void unreadableMemberStopsTheImportAndKeepsItsPane() {
        const QString chosen = writeSequence(QStringLiteral("Image"), 1, 8);
        writeFile(QStringLiteral("Image05.bmp"), "broken");
        const PaneRecord before = giveMirroredPicture(5);
        const QByteArray bitmap = bytesOf(before.WorkPicture);
        const SequenceImport result = import(chosen, 1);
        QCOMPARE(result.filled, 4);
        QVERIFY(!result.reachedLastPane);
        QCOMPARE(centre(m_project.Panes[4].WorkPicture), memberColour(4));
        const PaneRecord& after = m_project.Panes[5];
        QCOMPARE(after.SourcePicture, before.SourcePicture);
        QCOMPARE(after.WorkPicture, before.WorkPicture);
        QCOMPARE(after.PictureName, QStringLiteral("Old"));
        // Its flag stays with the mirrored bitmap it still shows.
        QCOMPARE(after.FlipH, qint16(1));
        QCOMPARE(bytesOf(after.WorkPicture), bitmap);
        QVERIFY(!m_project.Panes[6].hasSourcePicture());
        QVERIFY(leftoverPartFiles().isEmpty());
    }

    void panesAfterTheStopNeverWriteOverAKeptBitmap() {
        // Pane 2 shows a bitmap named for pane 3 (the two were swapped); the
        // import names pane 3's new bitmap the same, but stops at pane 2 first.
        const QString chosen = writeSequence(QStringLiteral("Image"), 1, 3);
        writeFile(QStringLiteral("Image02.bmp"), "broken");
        const QByteArray kept =
            giveSwappedBitmap(2, QStringLiteral("Image"), QStringLiteral("Image-0003.BMP"));

        QCOMPARE(import(chosen, 1).filled, 1);
        QCOMPARE(m_project.Panes[2].WorkPicture,
                 m_work->filePath(QStringLiteral("Image-0003.BMP")));
        QCOMPARE(bytesOf(m_project.Panes[2].WorkPicture), kept);
        QVERIFY(!m_project.Panes[3].hasWorkPicture());
    }

    void droppedPicturesGoInInTheirNamesNaturalOrder() {
        QCOMPARE(naturalOrder({"/p/Img10.jpg", "/p/img9.JPG", "/p/Img100.gif", "/q/Img9.JPG",
                               "/p/Img1.bmp"}),
                 QStringList({"/p/Img1.bmp", "/p/img9.JPG", "/q/Img9.JPG", "/p/Img10.jpg",
                              "/p/Img100.gif"}));
    }

    void droppedPicturesLeaveOutOnlyTheUnreadable() {
        // Pane 2 shows a bitmap named for pane 3 (the two were swapped), which
        // is also the name pane 3's new bitmap would take; pane 2's picture turns
        // out unreadable, so its bitmap must stay its own.
        const QString first = writeSequence(QStringLiteral("Image"), 1, 3);
        const QString broken = writeFile(QStringLiteral("Image02.bmp"), "broken");
        const QByteArray kept =
            giveSwappedBitmap(2, QStringLiteral("Image03"), QStringLiteral("Image03-0003.BMP"));
        const PaneRecord before = m_project.Panes[2];

        const QStringList leftOut = importDroppedPictures(
            m_project, {first, broken, m_dir.filePath(QStringLiteral("Image03.bmp"))}, 1, 40,
            *m_work);
        QCOMPARE(leftOut, QStringList{broken});
        QCOMPARE(centre(m_project.Panes[1].WorkPicture), memberColour(1));
        QCOMPARE(m_project.Panes[1].PictureName, QStringLiteral("Image01"));
        QCOMPARE(m_project.Panes[2].WorkPicture, before.WorkPicture);
        QCOMPARE(m_project.Panes[2].SourcePicture, before.SourcePicture);
        QCOMPARE(bytesOf(m_project.Panes[2].WorkPicture), kept);
        QCOMPARE(centre(m_project.Panes[3].WorkPicture), memberColour(3));
        QVERIFY(leftoverPartFiles().isEmpty());
    }

    void droppedPicturesStopAtPane1000() {
        const QString first = writeSequence(QStringLiteral("Image"), 1, 3);
        const QStringList files = {first, m_dir.filePath(QStringLiteral("Image02.bmp")),
                                   m_dir.filePath(QStringLiteral("Image03.bmp"))};
        QVERIFY(importDroppedPictures(m_project, files, 999, 40, *m_work).isEmpty());
        QCOMPARE(centre(m_project.Panes[999].WorkPicture), memberColour(1));
        QCOMPARE(centre(m_project.Panes[1000].WorkPicture), memberColour(2));
        QCOMPARE(m_project.Panes[0].SourcePicture, QStringLiteral("none"));
    }

    void longSequenceOfPhotosFillsEveryPaneInOrder() {
        for (int number = 1; number <= 30; ++number) {
            QImage photo(400, 300, QImage::Format_RGB32);
            photo.fill(memberColour(number));
            writeFile(QStringLiteral("Photo%1.JPG").arg(number), jpegFile(photo));
        }
        QList<int> reported;
        const SequenceImport result = importPictureSequence(
            m_project, PictureSequence::recognise(m_dir.filePath("Photo1.JPG")), 10, 50, *m_work,
            [&](int done, int total) {
                QCOMPARE(total, 30);
                reported << done;
            });
        QCOMPARE(result.filled, 30);
        QCOMPARE(reported.first(), 0);
        QCOMPARE(reported.last(), 30);
        QVERIFY(std::is_sorted(reported.begin(), reported.end()));
        for (int number = 1; number <= 30; ++number)
            QVERIFY(near(centre(m_project.Panes[9 + number].WorkPicture), memberColour(number)));
    }
};

VV_TEST_MAIN(PictureImportTest)
#include "tst_pictureimport.moc"
