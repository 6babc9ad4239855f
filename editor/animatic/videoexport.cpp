#include "editor/animatic/videoexport.h"

#include "editor/animatic/animaticframe.h"
#include "editor/animatic/soundtrack.h"
#include "editor/animatic/videoencoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QSaveFile>
#include <QThread>
#include <QtConcurrent>

#include <deque>

namespace editor {
namespace {

VideoOutcome failed(const QString& reason) {
    return {VideoOutcome::Result::Failed, reason};
}

qint64 sampleFramesAt(qint64 frame, int framesPerSecond) {
    return frame * kVideoSampleRate / framesPerSecond;
}

QString srtTime(qint64 milliseconds) {
    return QStringLiteral("%1:%2:%3,%4")
        .arg(milliseconds / 3600000, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

// Draws shots ahead of the encoder on the other cores, a few at a time, so the
// frames waiting stay few however long the project is.
class FrameQueue {
public:
    FrameQueue(const ProjectRecord& project, const std::vector<AnimaticShot>& shots,
               const VideoOptions& options)
        : m_project(project), m_shots(shots), m_options(options),
          m_ahead(std::max(2, QThread::idealThreadCount() + 1)) {}
    ~FrameQueue() {
        for (QFuture<QImage>& future : m_pending)
            future.waitForFinished();
    }

    QImage next() {
        while (m_pending.size() < m_ahead && m_started < m_shots.size())
            start(m_shots[m_started++]);
        QImage frame = m_pending.front().result();
        m_pending.pop_front();
        return frame;
    }

private:
    void start(const AnimaticShot& shot) {
        const PaneRecord pane = m_project.Panes[shot.pane];
        const VideoOptions options = m_options;
        m_pending.push_back(QtConcurrent::run([shot, pane, options] {
            const QImage picture = shot.kind == AnimaticShot::Kind::Pane
                                       ? animaticPicture(pane, options.frameSize, options.animatic)
                                       : QImage();
            return drawAnimaticFrame(shot, picture, options.frameSize, options.animatic);
        }));
    }

    const ProjectRecord& m_project;
    const std::vector<AnimaticShot>& m_shots;
    const VideoOptions& m_options;
    size_t m_ahead;
    size_t m_started = 0;
    std::deque<QFuture<QImage>> m_pending;
};

} // namespace

QByteArray srtText(const std::vector<AnimaticShot>& shots, int framesPerSecond) {
    const std::vector<qint64> starts = shotStartFrames(shots, framesPerSecond);
    QString text;
    int cue = 0;
    for (size_t i = 0; i < shots.size(); ++i) {
        if (shots[i].kind != AnimaticShot::Kind::Pane || shots[i].caption.isEmpty())
            continue;
        text += QStringLiteral("%1\n%2 --> %3\n%4\n\n")
                    .arg(++cue)
                    .arg(srtTime(starts[i] * 1000 / framesPerSecond),
                         srtTime(starts[i + 1] * 1000 / framesPerSecond), shots[i].caption);
    }
    return text.toUtf8();
}

VideoOutcome writeVideo(const ProjectRecord& project, const VideoOptions& options,
                        QIODevice& device, const VideoProgress& progress) {
    const std::vector<AnimaticShot> shots = animaticShots(project, options.animatic);
    if (shots.empty())
        return failed(QCoreApplication::translate("VideoExport", "No pane is chosen to show."));
    const int fps = options.framesPerSecond;
    const std::vector<qint64> starts = shotStartFrames(shots, fps);
    std::unique_ptr<Soundtrack> soundtrack;
    if (!options.soundtrack.isEmpty()) {
        QString reason;
        soundtrack =
            Soundtrack::open(options.soundtrack, sampleFramesAt(starts.back(), fps), &reason);
        if (!soundtrack)
            return failed(
                QCoreApplication::translate("VideoExport", "The soundtrack %1 cannot be read: %2")
                    .arg(QDir::toNativeSeparators(options.soundtrack), reason));
    }
    QString reason;
    const std::unique_ptr<VideoEncoder> encoder = VideoEncoder::open(
        device,
        {options.frameSize, fps, options.fileType, soundtrack != nullptr, options.subtitleTrack},
        &reason);
    if (!encoder)
        return failed(reason);
    FrameQueue frames(project, shots, options);
    std::vector<float> sound;
    for (size_t i = 0; i < shots.size(); ++i) {
        const bool written =
            encoder->addSubtitle(starts[i], starts[i + 1],
                                 shots[i].kind == AnimaticShot::Kind::Pane ? shots[i].caption
                                                                           : QString()) &&
            encoder->addFrames(frames.next(), starts[i + 1] - starts[i]);
        if (!written)
            return failed(encoder->error());
        if (soundtrack) {
            const qint64 samples =
                sampleFramesAt(starts[i + 1], fps) - sampleFramesAt(starts[i], fps);
            sound.resize(samples * kVideoChannels);
            soundtrack->read(sound.data(), samples);
            if (!encoder->addAudio(sound.data(), samples))
                return failed(encoder->error());
        }
        if (progress && !progress(static_cast<int>(i + 1), static_cast<int>(shots.size())))
            return {VideoOutcome::Result::Cancelled, {}};
    }
    if (!encoder->finish())
        return failed(encoder->error());
    return {};
}

QString srtFileName(const QString& videoFileName) {
    const QFileInfo video(videoFileName);
    return video.dir().filePath(video.completeBaseName() + QStringLiteral(".srt"));
}

VideoOutcome exportVideo(const ProjectRecord& project, const VideoOptions& options,
                         const QString& fileName, const VideoProgress& progress) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    VideoOutcome outcome = writeVideo(project, options, file, progress);
    if (outcome.result != VideoOutcome::Result::Done) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit())
        return failed(file.errorString());
    if (options.srtFile) {
        QSaveFile srt(srtFileName(fileName));
        if (!srt.open(QIODevice::WriteOnly) ||
            srt.write(srtText(animaticShots(project, options.animatic), options.framesPerSecond)) <
                0 ||
            !srt.commit())
            return failed(QCoreApplication::translate("VideoExport", "The subtitles %1: %2")
                              .arg(QDir::toNativeSeparators(srt.fileName()), srt.errorString()));
    }
    return outcome;
}

} // namespace editor
