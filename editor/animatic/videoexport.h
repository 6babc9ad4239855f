#pragma once

#include "editor/animatic/animaticoptions.h"
#include "editor/animatic/animatictimeline.h"
#include "editor/model/project/projectrecord.h"

#include <QString>

#include <functional>

class QIODevice;

namespace editor {

struct VideoOutcome {
    enum class Result { Done, Cancelled, Failed };
    Result result = Result::Done;
    QString reason;
};

// Told after each shot: how many are done of how many. False cancels.
using VideoProgress = std::function<bool(int done, int total)>;

// Writes the animatic as a video to `device`: each shot's frame drawn once (the
// pictures decoded on all cores) and repeated for its time, its caption as a
// subtitle cue, and the soundtrack cut to the video's length.
VideoOutcome writeVideo(const ProjectRecord& project, const VideoOptions& options,
                        QIODevice& device, const VideoProgress& progress = {});

// The cues as an .srt file's text.
QByteArray srtText(const std::vector<AnimaticShot>& shots, int framesPerSecond);

// Writes the video into `fileName` through a temporary file beside it, renamed
// over it only when complete and flushed: a cancelled or failed export leaves no
// file and an earlier one whole. With `srtFile` the cues go to an .srt beside it.
VideoOutcome exportVideo(const ProjectRecord& project, const VideoOptions& options,
                         const QString& fileName, const VideoProgress& progress = {});

// The .srt file that goes with a video.
QString srtFileName(const QString& videoFileName);

} // namespace editor
