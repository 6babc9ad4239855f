#pragma once

#include "editor/animatic/animaticoptions.h"
#include "editor/model/project/projectrecord.h"

#include <QString>

#include <vector>

namespace editor {

// One thing the animatic shows: a card with the project's title or footer, or a pane.
struct AnimaticShot {
    enum class Kind { TitleCard, Pane, FooterCard };
    Kind kind = Kind::Pane;
    // The pane's index in the project, 0 for a card.
    int pane = 0;
    double seconds = 0;
    // The card's text, or the pane's label and text on lines of their own.
    QString caption;
};

// The time to read `text` at `wordsPerMinute`, never below `shortestSeconds`.
double readingSeconds(const QString& text, int wordsPerMinute, double shortestSeconds);

// The shots from the first to the last chosen board, panes in order, opened by
// the title card and closed by the footer card when those are set.
std::vector<AnimaticShot> animaticShots(const ProjectRecord& project,
                                        const AnimaticOptions& options);

// The frame each shot starts on, and after them the total: cut where the running
// time falls, so the whole lasts exactly the sum of the shots' times to the frame.
std::vector<qint64> shotStartFrames(const std::vector<AnimaticShot>& shots, int framesPerSecond);

} // namespace editor
