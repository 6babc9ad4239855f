#pragma once

#include <QString>

#include <memory>

namespace editor {

// A soundtrack for a video of a known length, in the video's sound format: any
// audio file FFmpeg reads, cut at the end with a one-second fade, or followed by
// silence when it is shorter.
class Soundtrack {
public:
    static std::unique_ptr<Soundtrack> open(const QString& fileName, qint64 totalSampleFrames,
                                            QString* error);
    virtual ~Soundtrack() = default;
    // The next `sampleFrames` of interleaved stereo sound into `out`.
    virtual void read(float* out, qint64 sampleFrames) = 0;
};

} // namespace editor
