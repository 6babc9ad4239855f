#pragma once

#include "editor/animatic/animaticoptions.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class QIODevice;

namespace editor {

// Sound inside the video: interleaved stereo floats at this rate.
inline constexpr int kVideoSampleRate = 48000;
inline constexpr int kVideoChannels = 2;

// The codec a file type uses for its pictures, with the options given to it, so
// that a measurement can set up the same encoder.
struct VideoCodecSettings {
    const char* encoder;
    std::vector<std::pair<const char*, const char*>> options;
};
VideoCodecSettings videoCodecSettings(VideoOptions::FileType fileType);

struct VideoFormat {
    QSize frameSize;
    int framesPerSecond = 25;
    VideoOptions::FileType fileType = VideoOptions::FileType::Mp4;
    bool audio = false;
    bool subtitles = false;
};

// Writes a video through FFmpeg's libraries: H.264, AAC and mov_text in MP4, or
// VP9, Opus and WebVTT in WebM. Every write to the device and the end of each
// encoder is checked; after a failure `error()` says why and nothing more is
// written.
class VideoEncoder {
public:
    // Opens the encoders and writes the file's header to `device`, which stays
    // open for as long as the encoder lives. Null, with the reason, on failure.
    static std::unique_ptr<VideoEncoder> open(QIODevice& device, const VideoFormat& format,
                                              QString* error);
    virtual ~VideoEncoder() = default;

    // `frame` (the frame size) `count` times: converted to the encoder's pixels
    // once, however often it repeats.
    virtual bool addFrames(const QImage& frame, qint64 count) = 0;
    // A cue from the start of one frame to the start of another.
    virtual bool addSubtitle(qint64 startFrame, qint64 endFrame, const QString& text) = 0;
    // `sampleFrames` of interleaved stereo sound, following what came before.
    virtual bool addAudio(const float* samples, qint64 sampleFrames) = 0;
    // Drains the encoders and ends the file.
    virtual bool finish() = 0;
    virtual QString error() const = 0;
};

} // namespace editor
