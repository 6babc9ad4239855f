#include "editor/model/stage/projectthumbnail.h"
#include "hostilepictures.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace editor;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kGreen = qRgb(0, 255, 0);

// A 3 x 3 project of one board: pane 1 shows Red, pane 5 Blue.
QByteArray projectFile(const QString& firstPicture = QStringLiteral("Red")) {
    QByteArray file = "9\r\n1\r\n3\r\nToUse\r\n65280\r\n65280\r\nToUse\r\n";
    for (int pane = 1; pane <= 9; ++pane) {
        const QString name = pane == 1   ? firstPicture
                             : pane == 5 ? QStringLiteral("Blue")
                                         : QString();
        file += (name.isEmpty()
                     ? QByteArray("none")
                     : QStringLiteral("%1-%2").arg(name).arg(pane, 4, 10, QChar('0')).toUtf8()) +
                "\r\n0\r\n0\r\nToUse\r\nToUse\r\nToUse\r\n";
    }
    return file;
}

bool writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writePicture(const QString& name, QRgb colour) {
    QImage picture(120, 120, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(name, "BMP");
}

// The colour in the middle of slot `slot` (from 1) of a 3 x 3 thumbnail.
QRgb slotColour(const QImage& thumbnail, int slot) {
    const int side = thumbnail.width() / 3;
    return thumbnail.pixel(((slot - 1) % 3) * side + side / 2, ((slot - 1) / 3) * side + side / 2);
}

} // namespace

class ProjectThumbnailTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_folder;
    QString path(const QString& name) const { return m_folder.filePath(name); }

private Q_SLOTS:
    void init() {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QVERIFY(QDir().mkpath(path("Trip_Data")));
        QVERIFY(writeFile(path("Trip.vv1"), projectFile()));
        QVERIFY(writePicture(path("Trip_Data/Red-0001.bmp"), kRed));
        QVERIFY(writePicture(path("Trip_Data/Blue-0005.bmp"), kBlue));
        QVERIFY(writePicture(path("Outside.bmp"), kGreen));
    }

    void boardOneAsTheStageShowsIt() {
        QString refusal;
        const QImage thumbnail = drawProjectThumbnail(path("Trip.vv1"), 128, &refusal);
        QCOMPARE(thumbnail.size(), QSize(126, 126));
        QCOMPARE(slotColour(thumbnail, 1), kRed);
        QCOMPARE(slotColour(thumbnail, 5), kBlue);
        QVERIFY(slotColour(thumbnail, 9) != kRed && slotColour(thumbnail, 9) != kBlue);
        QVERIFY(writeProjectThumbnail(path("Trip.vv1"), path("Trip.png"), 256, &refusal));
        const QImage written(path("Trip.png"), "PNG");
        QCOMPARE(written.size(), QSize(255, 255));
        QCOMPARE(slotColour(written, 1), kRed);
    }

    // Whatever a downloaded project holds, the thumbnail takes nothing from
    // outside its picture folder, waits on nothing and decodes nothing huge:
    // the pane stays blank, or a file the open refuses gives no thumbnail.
    void hostileProjects_data() {
        QTest::addColumn<QString>("hostility");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a picture that links out of its folder") << "link" << false;
        QTest::newRow("the picture folder a link elsewhere") << "folder link" << false;
        QTest::newRow("a picture that is a pipe") << "pipe" << false;
        QTest::newRow("a picture naming a file above its folder") << "dots" << false;
        QTest::newRow("a picture claiming 60000 x 60000 pixels") << "huge" << false;
        QTest::newRow("pictures of 10 GB in all") << "10 GB" << false;
        QTest::newRow("no picture folder") << "no folder" << false;
        QTest::newRow("a project file that is a pipe") << "project pipe" << true;
        QTest::newRow("not a project") << "not a project" << true;
    }
    void hostileProjects() {
        QFETCH(QString, hostility);
        QFETCH(bool, refused);
        const QString red = path("Trip_Data/Red-0001.bmp");
        QVERIFY(QFile::remove(red));
        if (hostility == "link") {
            QVERIFY(QFile::link(path("Outside.bmp"), red));
        } else if (hostility == "folder link") {
            QVERIFY(QDir().mkpath(path("Elsewhere")));
            QVERIFY(writePicture(path("Elsewhere/Red-0001.bmp"), kGreen));
            QVERIFY(QDir(path("Trip_Data")).removeRecursively());
            QVERIFY(QFile::link(path("Elsewhere"), path("Trip_Data")));
        } else if (hostility == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(red).constData(), 0600), 0);
        } else if (hostility == "dots") {
            QVERIFY(writeFile(path("Trip.vv1"), projectFile("../Outside")));
        } else if (hostility == "huge") {
            QVERIFY(writeFile(red, testsupport::bmpClaiming(60000, 60000)));
        } else if (hostility == "10 GB") {
            QVERIFY(QFile::remove(path("Trip_Data/Blue-0005.bmp")));
            for (const QString& name : {red, path("Trip_Data/Blue-0005.bmp")}) {
                QFile sparse(name);
                QVERIFY(sparse.open(QIODevice::WriteOnly));
                QVERIFY(sparse.write(testsupport::bmpClaiming(1000, 1000)) > 0);
                QVERIFY(sparse.resize(qint64(5) << 30));
            }
        } else if (hostility == "no folder") {
            QVERIFY(QDir(path("Trip_Data")).removeRecursively());
        } else if (hostility == "project pipe") {
            QVERIFY(QFile::remove(path("Trip.vv1")));
            QCOMPARE(::mkfifo(QFile::encodeName(path("Trip.vv1")).constData(), 0600), 0);
        } else if (hostility == "not a project") {
            QVERIFY(writeFile(path("Trip.vv1"), "PK\x03\x04 an archive"));
        }
        QString refusal;
        const QImage thumbnail = drawProjectThumbnail(path("Trip.vv1"), 96, &refusal);
        QCOMPARE(thumbnail.isNull(), refused);
        QCOMPARE(refusal.isEmpty(), !refused);
        if (refused) {
            QVERIFY(!writeProjectThumbnail(path("Trip.vv1"), path("Trip.png"), 96, &refusal));
            QVERIFY(!QFile::exists(path("Trip.png")));
            return;
        }
        for (const QRgb shown : {slotColour(thumbnail, 1), slotColour(thumbnail, 5)})
            QVERIFY(shown != kGreen && shown != kRed && shown != qRgb(0, 0, 0));
    }
};

VV_TEST_MAIN(ProjectThumbnailTest)
#include "tst_projectthumbnail.moc"
