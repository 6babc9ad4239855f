#include "editor/animatic/animaticframe.h"
#include "editor/animatic/animatictimeline.h"
#include "editor/animatic/videoexport.h"
#include "fulldevice.h"
#include "testmain.h"
#include "testpictures.h"

#include <QDataStream>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

using namespace editor;
using namespace testsupport;

namespace {

constexpr QSize kFrame(128, 72);

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QJsonObject probe(const QString& file) {
    return QJsonDocument::fromJson(run("ffprobe", {"-v", "error", "-show_streams", "-show_format",
                                                   "-of", "json", file}))
        .object();
}

// Every frame as RGB, decoded by ffmpeg.
QList<QImage> frames(const QString& file) {
    const QByteArray raw = run("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v", "-f",
                                          "rawvideo", "-pix_fmt", "rgb24", "-"});
    const qsizetype size = qsizetype(kFrame.width()) * kFrame.height() * 3;
    QList<QImage> result;
    for (qsizetype at = 0; at + size <= raw.size(); at += size)
        result.append(QImage(reinterpret_cast<const uchar*>(raw.constData() + at), kFrame.width(),
                             kFrame.height(), kFrame.width() * 3, QImage::Format_RGB888)
                          .copy());
    return result;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 48 && std::abs(qGreen(a) - qGreen(b)) < 48 &&
           std::abs(qBlue(a) - qBlue(b)) < 48;
}

// A 16-bit stereo WAV of a tone, `seconds` long.
void writeTone(const QString& fileName, double seconds) {
    const int rate = 44100;
    const quint32 samples = quint32(seconds * rate);
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 4);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(rate) << quint32(rate * 4)
        << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 4);
    for (quint32 i = 0; i < samples; ++i) {
        const auto value = qint16(8000 * std::sin(i * 2 * M_PI * 440 / rate));
        out << value << value;
    }
}

} // namespace

class VideoExportTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    ProjectRecord m_project;
    const QList<QRgb> m_colours{kRed, kGreen, kBlue, kYellow};

    VideoOptions options(VideoOptions::FileType type) const {
        VideoOptions video;
        video.animatic.fixedSeconds = 0.4;
        video.animatic.captions = false;
        video.animatic.lastBoard = 2;
        video.frameSize = kFrame;
        video.fileType = type;
        return video;
    }

private Q_SLOTS:
    // Two boards of 2 x 2: the four colours, then the four again with pane 6 blank.
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_project.GridSize = 2;
        m_project.BoardCount = 2;
        m_project.BoardTitle = QStringLiteral("The Storm");
        for (int p = 1; p <= 8; ++p) {
            if (p == 6)
                continue;
            QImage picture(40, 30, QImage::Format_RGB32);
            picture.fill(m_colours[(p - 1) % 4]);
            const QString file = m_dir.filePath(QStringLiteral("p%1.png").arg(p));
            QVERIFY(picture.save(file));
            m_project.Panes[p].SourcePicture = file;
            m_project.Panes[p].Text = QStringLiteral("Words for pane %1").arg(p);
        }
        m_project.Panes[2].Label = QStringLiteral("Dawn");
    }

    void timing_data() {
        QTest::addColumn<int>("timing");
        QTest::addColumn<bool>("showBlank");
        QTest::addColumn<int>("fps");
        QTest::addColumn<qint64>("frames");
        // A title card and eight panes of 0.4 s.
        QTest::newRow("fixed") << 0 << true << 25 << qint64(9 * 10);
        QTest::newRow("fixed, blank skipped") << 0 << false << 25 << qint64(8 * 10);
        // 0.4 s at 24 fps is 9.6 frames: nine panes end on frame 86.4, cut at 86.
        QTest::newRow("fixed, frames cut by the running time") << 0 << true << 24 << qint64(86);
        // Up to four words at 160 a minute take the shortest 1.5 s, as do the title and the
        // blank pane; pane 2's five words take 1.875 s.
        QTest::newRow("reading pace")
            << 1 << true << 25 << qint64(std::llround((8 * 1.5 + 1.875) * 25));
    }
    void timing() {
        QFETCH(int, timing);
        QFETCH(bool, showBlank);
        QFETCH(int, fps);
        QFETCH(qint64, frames);
        AnimaticOptions animatic = options(VideoOptions::FileType::Mp4).animatic;
        animatic.timing = AnimaticOptions::Timing(timing);
        animatic.showBlankPanes = showBlank;
        QCOMPARE(shotStartFrames(animaticShots(m_project, animatic), fps).back(), frames);
        QCOMPARE(readingSeconds(QStringLiteral("one two three four five six"), 60, 1.5), 6.0);
    }

    void frameDrawing() {
        PaneRecord pane;
        pane.SourcePicture = m_dir.filePath(QStringLiteral("halves.png"));
        QImage halves(40, 40, QImage::Format_RGB32);
        halves.fill(kRed);
        for (int y = 0; y < 40; ++y)
            for (int x = 20; x < 40; ++x)
                halves.setPixel(x, y, kBlue);
        QVERIFY(halves.save(pane.SourcePicture));
        pane.FlipH = 1;
        AnimaticOptions animatic;
        AnimaticShot shot{AnimaticShot::Kind::Pane, 1, 1, QStringLiteral("Dawn\nThe sky clears")};
        QImage frame =
            drawAnimaticFrame(shot, animaticPicture(pane, kFrame, animatic), kFrame, animatic);
        // Square inside the 72 - 14 pixels above the caption band, mirrored, black beside it.
        QCOMPARE(frame.pixel(5, 20), qRgb(0, 0, 0));
        QVERIFY(near(frame.pixel(kFrame.width() / 2 - 10, 20), kBlue));
        QVERIFY(near(frame.pixel(kFrame.width() / 2 + 10, 20), kRed));
        int lit = 0;
        for (int x = 0; x < kFrame.width(); ++x)
            lit += qGray(frame.pixel(x, 65)) > 30;
        QVERIFY2(lit > 10, "the caption shows in its box");
        animatic.keepProportions = false;
        animatic.captions = false;
        frame = drawAnimaticFrame(shot, animaticPicture(pane, kFrame, animatic), kFrame, animatic);
        QVERIFY(near(frame.pixel(5, 70), kBlue));
        QVERIFY(near(frame.pixel(kFrame.width() - 5, 70), kRed));
    }

    void exportedVideo_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("timing");
        QTest::addColumn<QStringList>("codecs");
        QTest::addColumn<QByteArray>("srtStart");
        QTest::newRow("MP4, fixed time")
            << int(VideoOptions::FileType::Mp4) << 0 << QStringList{"h264", "aac", "mov_text"}
            << QByteArray("1\n00:00:00,400 --> 00:00:00,800\nWords for pane 1\n\n"
                          "2\n00:00:00,800 --> 00:00:01,200\nDawn\nWords for pane 2\n\n");
        // Cues fall on frames: the title card ends on frame 38 (37.5), pane 2 on 122 (121.875).
        QTest::newRow("WebM, reading pace")
            << int(VideoOptions::FileType::WebM) << 1 << QStringList{"vp9", "opus", "webvtt"}
            << QByteArray("1\n00:00:01,520 --> 00:00:03,000\nWords for pane 1\n\n"
                          "2\n00:00:03,000 --> 00:00:04,880\nDawn\nWords for pane 2\n\n");
    }
    void exportedVideo() {
        QFETCH(int, type);
        QFETCH(int, timing);
        QFETCH(QStringList, codecs);
        QFETCH(QByteArray, srtStart);
        VideoOptions video = options(VideoOptions::FileType(type));
        video.animatic.timing = AnimaticOptions::Timing(timing);
        video.soundtrack = m_dir.filePath(QStringLiteral("tone.wav"));
        writeTone(video.soundtrack, 3.0);
        video.srtFile = true;
        const std::vector<qint64> starts =
            shotStartFrames(animaticShots(m_project, video.animatic), video.framesPerSecond);
        const QString file = m_dir.filePath(QStringLiteral("animatic%1.video").arg(type));
        QList<int> progress;
        const VideoOutcome outcome = exportVideo(m_project, video, file, [&](int done, int total) {
            progress << done * 100 + total;
            return true;
        });
        QCOMPARE(int(outcome.result), int(VideoOutcome::Result::Done));
        QCOMPARE(progress.size(), 9);
        QCOMPARE(progress.last(), 909);

        const QJsonArray streams = probe(file)[QStringLiteral("streams")].toArray();
        QStringList found;
        for (const QJsonValue& stream : streams)
            found << stream[QStringLiteral("codec_name")].toString();
        QCOMPARE(found, codecs);

        const QList<QImage> decoded = frames(file);
        QCOMPARE(decoded.size(), starts.back());
        // The middle of each pane's time, after the title card.
        for (int p = 1; p <= 8; ++p) {
            const QImage middle = decoded[(starts[p] + starts[p + 1]) / 2];
            const QRgb centre = middle.pixel(kFrame.width() / 2, kFrame.height() / 2);
            if (p == 6)
                QCOMPARE(centre, qRgb(0, 0, 0));
            else
                QVERIFY2(near(centre, m_colours[(p - 1) % 4]), qPrintable(QString::number(p)));
            QVERIFY(qGray(middle.pixel(4, kFrame.height() / 2)) < 20); // kept proportions
        }
        const double seconds = double(starts.back()) / video.framesPerSecond;

        // The sound lasts as long as the pictures: the 3 s tone, then silence.
        const QList<QByteArray> last =
            run("ffprobe", {"-v", "error", "-select_streams", "a", "-show_entries",
                            "packet=pts_time,duration_time", "-of", "csv=p=0", file})
                .trimmed()
                .split('\n')
                .last()
                .split(',');
        const double audio = last.first().toDouble() + last.last().toDouble();
        QVERIFY2(std::abs(audio - seconds) < 0.05, qPrintable(QString::number(audio)));

        // Subtitle cues: the panes with words, at their times from the first picture (WebM
        // starts the pictures after the sound's priming). MP4 puts an empty sample between cues.
        const double start = streams[0][QStringLiteral("start_time")].toString().toDouble();
        QList<QPointF> cues;
        for (const QByteArray& row :
             run("ffprobe", {"-v", "error", "-select_streams", "s", "-show_entries",
                             "packet=pts_time,duration_time,size", "-of", "csv=p=0", file})
                 .trimmed()
                 .split('\n')) {
            const QList<QByteArray> fields = row.split(',');
            if (fields.size() == 3 && fields[2].toInt() > 2)
                cues.append({fields[0].toDouble() - start, fields[1].toDouble()});
        }
        QCOMPARE(cues.size(), 7);
        const auto at = [&](int shot) { return starts[shot] * 1000 / video.framesPerSecond; };
        QCOMPARE(std::lround(cues.first().x() * 1000), at(1));
        QCOMPARE(std::lround(cues.first().y() * 1000), at(2) - at(1));
        QCOMPARE(std::lround(cues.last().x() * 1000), at(8)); // pane 6 has no words
        const QByteArray srt = [&] {
            QFile f(srtFileName(file));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY2(srt.startsWith(srtStart), srt.constData());
        const QByteArray webvtt =
            run("ffmpeg", {"-v", "error", "-i", file, "-map", "0:s", "-f", "webvtt", "-"});
        QVERIFY(webvtt.contains("Words for pane 8"));
    }

    // A cancel, an output that fills up and a folder that cannot be written:
    // no file is left and an earlier video stays as it was.
    void failuresLeaveNoFile_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("soundtrack unreadable") << "sound";
        QTest::newRow("folder missing") << "folder";
    }
    void failuresLeaveNoFile() {
        QFETCH(QString, failure);
        const QString earlier = m_dir.filePath(QStringLiteral("earlier.mp4"));
        QFile::remove(earlier);
        QVERIFY(QFile(earlier).open(QIODevice::WriteOnly));
        {
            QFile f(earlier);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier video");
        }
        VideoOptions video = options(VideoOptions::FileType::Mp4);
        QString target = earlier;
        if (failure == "sound")
            video.soundtrack = m_dir.filePath(QStringLiteral("p1.png"));
        if (failure == "folder")
            target = m_dir.filePath(QStringLiteral("p1.png/inside.mp4"));
        const VideoOutcome outcome =
            exportVideo(m_project, video, target, [&](int done, int) { return done < 3; });
        QCOMPARE(int(outcome.result), int(failure == "cancel" ? VideoOutcome::Result::Cancelled
                                                              : VideoOutcome::Result::Failed));
        QCOMPARE(failure == "cancel", outcome.reason.isEmpty());
        QFile f(earlier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier video"));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*earlier*")}, QDir::Files),
                 QStringList{"earlier.mp4"});
    }

    void fullOutputFails_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("capacity");
        QTest::newRow("WebM, full after 2 KiB")
            << int(VideoOptions::FileType::WebM) << qint64(2048);
        QTest::newRow("MP4, full at once") << int(VideoOptions::FileType::Mp4) << qint64(0);
    }
    void fullOutputFails() {
        QFETCH(int, type);
        QFETCH(qint64, capacity);
        FullDevice device(capacity);
        const VideoOutcome outcome =
            writeVideo(m_project, options(VideoOptions::FileType(type)), device);
        QCOMPARE(int(outcome.result), int(VideoOutcome::Result::Failed));
        QVERIFY(!outcome.reason.isEmpty());
    }
};

VV_TEST_MAIN(VideoExportTest)
#include "tst_videoexport.moc"
