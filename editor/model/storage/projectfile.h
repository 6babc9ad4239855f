#pragma once

#include "editor/model/project/projectrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

namespace editor {

class WorkFolder;

// The pane values a project file carries.
struct ProjectFilePane {
    // "none", or the name the pane's picture is stored under (without "-NNNN.bmp").
    QString PictureName = kNoPicture;
    QString Label = kUnsetText;
    QString Text = kUnsetText;
    QString URL = kUnsetText;
};

// Everything read back from a project file.
struct ProjectFileValues {
    qint16 PaneTotal = 0;
    qint16 BoardCount = 0;
    qint16 GridSize = 0;
    QString FooterText = kUnsetText;
    QString BoardTitle = kUnsetText;
    // Empty when the file's value does not convert: the open project's colour stays.
    std::optional<quint32> GridHighlight;
    std::optional<quint32> MoveHighlight;
    // Entries 1 to 1000; entries past the pane total are read but not in use.
    std::array<ProjectFilePane, kLastPane + 1> Panes;
    // Panes up to the pane total whose picture reference cannot name a file in
    // the picture folder, in pane order; they open without a picture.
    QList<int> RefusedPictures;
};

// "Image01-0012" for pane 12 showing Image01, "none" for a pane without a picture.
QString pictureReference(const QString& pictureName, int pane);

// Whether a picture name read from a file may become part of a path. Names are
// only ever joined to the picture folder or the work folder as
// folder + "/" + name + "-NNNN.bmp", so only a "/" could lead out of them, and a
// NUL can be in no file name; dots ("a..b", ".."), "\\", ":" and control
// characters are ordinary characters of a file name here.
bool isSafePictureName(const QString& name);

// Writes the 7 header lines and 6 lines for each of panes 1 to `paneTotal`,
// each ended by CR LF, in Windows-1252 when every character fits (and reads
// back the same), in UTF-8 otherwise. False when the device refused part of it.
bool writeProjectFile(const ProjectRecord& project, int paneTotal, int boardCount, int gridSize,
                      QIODevice& device);

// Reads a project file's bytes (UTF-8, or Windows-1252 when they are not valid
// UTF-8). Returns nothing, with the reason in `refusal`, for a header without
// the three numbers or with a grid or board count this editor cannot hold; a
// pane total that disagrees with them is kept as the file has it.
std::optional<ProjectFileValues> readProjectFile(const QByteArray& bytes, QString* refusal);

// Replaces the open project with the file's values. Panes 1 to the pane total
// (at most pane 1000, in use or not) that name a picture get it from
// `pictureFolder`; their prepared bitmaps are still to be made.
void applyProjectFile(ProjectRecord& project, const ProjectFileValues& values,
                      const QString& pictureFolder, const WorkFolder& workFolder);

} // namespace editor
