#include "editor/animatic/animatictimeline.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace editor {
namespace {

QString setText(const QString& text) {
    return text == kUnsetText ? QString() : text.trimmed();
}

bool paneHasPicture(const PaneRecord& pane) {
    return pane.hasWorkPicture() || pane.hasSourcePicture();
}

} // namespace

double readingSeconds(const QString& text, int wordsPerMinute, double shortestSeconds) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const qsizetype words = text.split(space, Qt::SkipEmptyParts).size();
    const double seconds = wordsPerMinute > 0 ? words * 60.0 / wordsPerMinute : 0;
    return std::clamp(std::max(seconds, shortestSeconds), kMinPaneSeconds, kMaxPaneSeconds);
}

std::vector<AnimaticShot> animaticShots(const ProjectRecord& project,
                                        const AnimaticOptions& options) {
    const auto duration = [&](const QString& text) {
        return options.timing == AnimaticOptions::Timing::Fixed
                   ? std::clamp(options.fixedSeconds, kMinPaneSeconds, kMaxPaneSeconds)
                   : readingSeconds(text, options.wordsPerMinute, options.shortestSeconds);
    };
    std::vector<AnimaticShot> shots;
    if (const QString title = setText(project.BoardTitle); !title.isEmpty())
        shots.push_back({AnimaticShot::Kind::TitleCard, 0, duration(title), title});
    const int first = std::clamp(options.firstBoard, 1, static_cast<int>(project.BoardCount));
    const int last = std::clamp(options.lastBoard, first, static_cast<int>(project.BoardCount));
    for (int p = project.firstPaneOfBoard(first); p < project.firstPaneOfBoard(last + 1); ++p) {
        const PaneRecord& pane = project.Panes[p];
        if (!options.showBlankPanes && !paneHasPicture(pane))
            continue;
        QStringList lines;
        for (const QString& text : {setText(pane.Label), setText(pane.Text)})
            if (!text.isEmpty())
                lines << text;
        const QString caption = lines.join(QLatin1Char('\n'));
        shots.push_back({AnimaticShot::Kind::Pane, p, duration(caption), caption});
    }
    if (const QString footer = setText(project.FooterText); !footer.isEmpty())
        shots.push_back({AnimaticShot::Kind::FooterCard, 0, duration(footer), footer});
    return shots;
}

std::vector<qint64> shotStartFrames(const std::vector<AnimaticShot>& shots, int framesPerSecond) {
    std::vector<qint64> starts{0};
    double elapsed = 0;
    for (const AnimaticShot& shot : shots) {
        elapsed += shot.seconds;
        starts.push_back(std::llround(elapsed * framesPerSecond));
    }
    return starts;
}

} // namespace editor
