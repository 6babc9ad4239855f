#include "editor/model/storage/projectfile.h"

#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/workfolder.h"
#include "platform/characters.h"
#include "platform/cp1252.h"
#include "platform/filepaths.h"
#include "platform/numbers.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

#include <limits>

namespace editor {
namespace {

constexpr int kHeaderLines = 7;
constexpr int kLinesPerPane = 6;

// A text as the file holds it: "ToUse" when empty, and on one line, since a
// line break would shift every value after it.
QString fileText(const QString& text) {
    if (text.isEmpty())
        return kUnsetText;
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// A number is the whole line, perhaps with blanks around it and a sign in
// front; one that is not, or lies outside `lowest` to `highest`, does not
// convert and leaves the field as it was.
std::optional<qint64> wholeNumber(QStringView line, qint64 lowest, qint64 highest) {
    qsizetype first = 0;
    qsizetype end = line.size();
    while (first < end && line.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && line.at(end - 1) == QLatin1Char(' '))
        --end;
    const bool negative = first < end && line.at(first) == QLatin1Char('-');
    if (first < end && (negative || line.at(first) == QLatin1Char('+')))
        ++first;
    if (first == end)
        return std::nullopt;
    qint64 magnitude = 0;
    for (qsizetype i = first; i < end; ++i) {
        const QChar c = line.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        // Past every range asked for; stops before the sum could overflow.
        if (magnitude > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    const qint64 number = negative ? -magnitude : magnitude;
    if (number < lowest || number > highest)
        return std::nullopt;
    return number;
}

void assignCounter(qint16& field, bool& set, QStringView line) {
    if (const auto number = wholeNumber(line, std::numeric_limits<qint16>::min(),
                                        std::numeric_limits<qint16>::max())) {
        field = static_cast<qint16>(*number);
        set = true;
    }
}

// Colours are 32-bit values; the drawing takes their low three bytes.
void assignColour(std::optional<quint32>& field, QStringView line) {
    if (const auto number = wholeNumber(line, std::numeric_limits<qint32>::min(),
                                        std::numeric_limits<qint32>::max()))
        field = static_cast<quint32>(*number);
}

QString decodeProjectFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return platform::cp1252::decode(bytes);
    return text;
}

} // namespace

QString pictureReference(const QString& pictureName, int pane) {
    if (pictureName == kNoPicture)
        return kNoPicture;
    return pictureName + QLatin1Char('-') + platform::zeroPadded(pane, 4);
}

bool isSafePictureName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool writeProjectFile(const ProjectRecord& project, int paneTotal, int boardCount, int gridSize,
                      QIODevice& device) {
    QStringList lines;
    lines.reserve(kHeaderLines + kLinesPerPane * paneTotal);
    lines << QString::number(paneTotal) << QString::number(boardCount) << QString::number(gridSize)
          << fileText(project.FooterText)
          << QString::number(static_cast<qint32>(project.GridHighlight))
          << QString::number(static_cast<qint32>(project.MoveHighlight))
          << fileText(project.BoardTitle);
    for (int p = 1; p <= paneTotal && p <= kLastPane; ++p) {
        const PaneRecord& pane = project.Panes[p];
        lines << fileText(pictureReference(pane.PictureName, p)) << QString::number(pane.FlipH)
              << QString::number(pane.FlipV) << fileText(pane.Label) << fileText(pane.Text)
              << fileText(pane.URL);
    }
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray bytes = platform::cp1252::encodeOrUtf8(text);
    // Code-page bytes that happen to form UTF-8 ("Ã©") would be read back as
    // other letters; UTF-8 keeps them.
    if (decodeProjectFile(bytes) != text)
        bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}

std::optional<ProjectFileValues> readProjectFile(const QByteArray& bytes, QString* refusal) {
    QString text = decodeProjectFile(bytes);
    text.remove(QLatin1Char('\r'));

    ProjectFileValues values;
    bool totalSet = false, boardsSet = false, gridSet = false;
    constexpr int lastUsefulLine = kHeaderLines + kLinesPerPane * kLastPane;
    int lineNumber = 0;
    for (const QStringView line : QStringView(text).tokenize(QLatin1Char('\n'))) {
        if (++lineNumber > lastUsefulLine)
            break;
        // An empty line assigns nothing.
        if (line.isEmpty())
            continue;
        switch (lineNumber) {
        case 1:
            assignCounter(values.PaneTotal, totalSet, line);
            continue;
        case 2:
            assignCounter(values.BoardCount, boardsSet, line);
            continue;
        case 3:
            assignCounter(values.GridSize, gridSet, line);
            continue;
        case 4:
            values.FooterText = line.toString();
            continue;
        case 5:
            assignColour(values.GridHighlight, line);
            continue;
        case 6:
            assignColour(values.MoveHighlight, line);
            continue;
        case 7:
            values.BoardTitle = line.toString();
            continue;
        default:
            break;
        }
        const int index = lineNumber - kHeaderLines - 1;
        ProjectFilePane& pane = values.Panes[index / kLinesPerPane + 1];
        switch (index % kLinesPerPane) {
        case 0:
            // The reference less its "-NNNN"; a shorter one names nothing.
            if (const std::optional<QStringView> reference =
                    platform::withoutLastCharacters(line, 5)) {
                const QString name = reference->toString();
                const bool safe = isSafePictureName(name);
                pane.PictureName = safe ? name : kNoPicture;
                if (!safe)
                    values.RefusedPictures.append(index / kLinesPerPane + 1);
            }
            break;
        case 3:
            pane.Label = line.toString();
            break;
        case 4:
            pane.Text = line.toString();
            break;
        case 5:
            pane.URL = line.toString();
            break;
        default:
            // The flip flags: the stored picture is already mirrored.
            break;
        }
    }

    const auto refuse = [refusal](const QString& reason) {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    };
    if (!totalSet || !boardsSet || !gridSet)
        return refuse(QCoreApplication::translate(
            "editor::ProjectFile", "It does not start with the pane total, the board count "
                                   "and the grid size."));
    if (values.GridSize < kMinGridSize || values.GridSize > kMaxGridSize)
        return refuse(QCoreApplication::translate("editor::ProjectFile",
                                                  "Its grid size %1 is not one of 2 to 5.")
                          .arg(values.GridSize));
    const int boards = maxBoards(values.GridSize);
    if (values.BoardCount < 1 || values.BoardCount > boards)
        return refuse(QCoreApplication::translate("editor::ProjectFile",
                                                  "Its board count %1 is not one of 1 to %2.")
                          .arg(values.BoardCount)
                          .arg(boards));
    // A pane total that disagrees with the boards only bounds which panes get
    // their pictures (applyProjectFile).
    values.RefusedPictures.removeIf([&values](int pane) { return pane > values.PaneTotal; });
    return values;
}

void applyProjectFile(ProjectRecord& project, const ProjectFileValues& values,
                      const QString& pictureFolder, const WorkFolder& workFolder) {
    project.resetPanes();
    project.FooterText = values.FooterText;
    project.BoardTitle = values.BoardTitle;
    project.GridHighlight = values.GridHighlight.value_or(project.GridHighlight);
    project.MoveHighlight = values.MoveHighlight.value_or(project.MoveHighlight);
    project.GridSize = values.GridSize;
    project.BoardCount = values.BoardCount;
    for (int p = 1; p <= kLastPane; ++p) {
        const ProjectFilePane& from = values.Panes[p];
        PaneRecord& pane = project.Panes[p];
        pane.Label = from.Label;
        pane.Text = from.Text;
        pane.URL = from.URL;
        // Panes past the header's pane total keep their texts only: no picture was
        // saved for them. The total may be smaller or larger than the panes in use.
        if (p > values.PaneTotal || from.PictureName == kNoPicture)
            continue;
        const QString file = pictureFileName(from.PictureName, p);
        pane.PictureName = from.PictureName;
        pane.SourcePicture = platform::fileInFolder(pictureFolder, file);
        pane.WorkPicture = workFolder.filePath(file);
    }
}

} // namespace editor
