#include "editor/model/projectsetup.h"

#include "platform/numbers.h"

#include <algorithm>

namespace editor {
namespace {

// Digits 0 to 9 only: other scripts' digits count as letters here.
bool startsWithDigit(const QString& text) {
    return !text.isEmpty() && text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9');
}

// The box's value as a whole number; 0 for anything else.
int boardCountValue(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

int gridSizeOfEntry(int entry) {
    return std::clamp(entry, 0, kMaxGridSize - kMinGridSize) + kMinGridSize;
}

QString boardLimitCaption(int gridSize) {
    const int panes = gridSize * gridSize;
    const int boards = maxBoards(gridSize);
    return QStringLiteral("Max %1 boards x %2 panes = %3 panes")
        .arg(boards)
        .arg(panes)
        .arg(boards * panes);
}

BoardCountText checkBoardCountText(const QString& typed, int maxBoards) {
    QString text = typed;
    text.remove(QLatin1Char(' '));
    if (!startsWithDigit(text) || boardCountValue(text) <= 0)
        return {platform::zeroPadded(maxBoards, 3), true};
    return {text, false};
}

BoardCountText boardCountDown(const QString& text) {
    const int count = boardCountValue(text) - 1;
    if (count <= 1)
        return {QStringLiteral("001"), true};
    return {QString::number(count), false};
}

QString boardCountUp(const QString& text, int maxBoards) {
    return QString::number(std::min(boardCountValue(text) + 1, maxBoards));
}

int acceptedBoardCount(const QString& text, int maxBoards) {
    return std::clamp(boardCountValue(text), 1, maxBoards);
}

QList<PaneImageFailure> applyProjectSetup(ProjectRecord& project, const ProjectSetup& setup,
                                          int paneSize) {
    project.GridSize = static_cast<qint16>(setup.gridSize);
    project.BoardCount = static_cast<qint16>(setup.boardCount);
    if (setup.discardAll) {
        project.Panes.fill(PaneRecord{});
        return {};
    }
    const QList<PaneImageFailure> failures = rewriteAllPaneImages(project, paneSize);
    for (const PaneImageFailure& failure : failures)
        project.Panes[failure.pane].makeBlank();
    return failures;
}

} // namespace editor
