#include "editor/model/project/projectsetup.h"

#include "platform/numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace editor {
namespace {

// Digits 0 to 9 only: other scripts' digits count as letters here.
bool startsWithDigit(const QString& text) {
    return !text.isEmpty() && text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9');
}

// The box's value when the text is a number as a whole: digits, and after
// them perhaps a point and more digits ("2", "2.", "2.5"); nothing otherwise.
std::optional<double> boardCountNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]*)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

// The box's value as a count, rounded halves to even ("2.5" is 2, "3.5" is 4);
// 0 for a text that is no number.
int boardCountValue(const QString& text) {
    const std::optional<double> value = boardCountNumber(text);
    return value ? platform::roundHalfEven(*value) : 0;
}

} // namespace

int gridSizeOfEntry(int entry) {
    return std::clamp(entry, 0, kMaxGridSize - kMinGridSize) + kMinGridSize;
}

QString boardLimitCaption(int gridSize) {
    const int panes = gridSize * gridSize;
    const int boards = maxBoards(gridSize);
    return QCoreApplication::translate("editor::ProjectSetup",
                                       "Max %1 boards x %2 panes = %3 panes")
        .arg(boards)
        .arg(panes)
        .arg(boards * panes);
}

BoardCountText checkBoardCountText(const QString& typed, int maxBoards) {
    QString text = typed;
    text.remove(QLatin1Char(' '));
    const std::optional<double> value = boardCountNumber(text);
    if (!startsWithDigit(text) || !value || *value <= 0)
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

bool setupKeepsAll(const ProjectRecord& project, const ProjectSetup& setup) {
    return !setup.discardAll && setup.gridSize == project.GridSize &&
           setup.boardCount == project.BoardCount;
}

qint64 setupBitmapBytes(const ProjectRecord& project, const ProjectSetup& setup, int paneSize) {
    if (setup.discardAll)
        return 0;
    // A bitmap file: its header and rows of three bytes a pixel, padded to four.
    const qint64 bitmap = 54 + qint64((paneSize * 3 + 3) / 4 * 4) * paneSize;
    qint64 bytes = 0;
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasSourcePicture() && project.Panes[p].hasWorkPicture())
            bytes += bitmap;
    return bytes;
}

QList<PaneImageFailure> applyProjectSetup(ProjectRecord& project, const ProjectSetup& setup,
                                          int paneSize, const WorkFolder& folder) {
    project.GridSize = static_cast<qint16>(setup.gridSize);
    project.BoardCount = static_cast<qint16>(setup.boardCount);
    if (setup.discardAll) {
        project.Panes.fill(PaneRecord{});
        return {};
    }
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasSourcePicture() && project.Panes[p].hasWorkPicture())
            panes << p;
    QList<PaneImageFailure> failures = prepareNewPaneImages(project, panes, paneSize, folder);
    // A source on a drive that is gone or in a folder that moved: the bitmap
    // itself, already mirrored, is the best picture left. Hidden panes keep what
    // they hold until the project grows again.
    failures.removeIf([&project, paneSize, &folder](const PaneImageFailure& failure) {
        PaneRecord& record = project.Panes[failure.pane];
        const QString scaled = newWorkPictureName(project, failure.pane, folder);
        if (writePaneImage(record.WorkPicture, paneSize, false, false, scaled).isEmpty()) {
            record.WorkPicture = scaled;
            return true;
        }
        return failure.pane > project.panesInUse();
    });
    for (const PaneImageFailure& failure : failures)
        project.Panes[failure.pane].makeBlank();
    return failures;
}

} // namespace editor
