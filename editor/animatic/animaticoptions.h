#pragma once

#include <QSize>
#include <QString>

namespace editor {

// How long each pane shows and how it is drawn, shared by Play and the video.
struct AnimaticOptions {
    enum class Timing { Fixed, ReadingPace };
    Timing timing = Timing::Fixed;
    // Every pane's time under Timing::Fixed.
    double fixedSeconds = 2.0;
    // The reading pace and the shortest time under Timing::ReadingPace.
    int wordsPerMinute = 160;
    double shortestSeconds = 1.5;
    bool showBlankPanes = true;
    // Kept proportions put black around the picture; otherwise it fills the
    // frame as the stage does.
    bool keepProportions = true;
    bool captions = true;
    int firstBoard = 1;
    int lastBoard = 1;
};

inline constexpr double kMinPaneSeconds = 0.2;
inline constexpr double kMaxPaneSeconds = 60.0;

// What the export adds: the frame, the file type, the soundtrack and subtitles.
struct VideoOptions {
    enum class FileType { Mp4, WebM };
    AnimaticOptions animatic;
    QSize frameSize{1280, 720};
    int framesPerSecond = 25;
    FileType fileType = FileType::Mp4;
    // Empty for none.
    QString soundtrack;
    bool subtitleTrack = true;
    bool srtFile = false;
};

} // namespace editor
