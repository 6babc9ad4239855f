#pragma once

#include "editor/model/project/projectrecord.h"

#include <QString>

#include <optional>

class QIODevice;

namespace editor {

class HtmlWordTable;

// What the export dialog's options say about the pages.
struct ExportOptions {
    int PaneGrid = 2;      // panes per page side, 2 to 5
    bool wideScale = true; // "800 x 600, 1024 x 768" rather than "640 x 480"
    bool labelsInTitles = true;
    bool labelsAsAlt = true;
    bool paneNumbers = true;
    bool linkBorders = true;
    bool boardTitle = true;
    bool footer = true;
};

// The page file the user chose: its full name, its folder (ending in a
// separator) and its title less the last four characters, which names the pages.
struct ExportTarget {
    QString fileName;
    QString folder;
    QString baseName;
};

// The target for a file chosen in the save chooser: the folder is the name less
// its title, the base name the title less its last four characters. A title
// without any dot gets ".htm" added, so "tour" writes tour_001.htm rather than
// _001.htm; nothing comes back for a title of one to three characters.
std::optional<ExportTarget> exportTargetFor(const QString& chosenName);

// The generator's running state. The pane counters run on across the pages of
// one export: page k+1 starts where page k stopped.
struct PageCounters {
    qint16 PageNumber = 0;
    qint16 PageCount = 0;
    qint16 TitlePane = 0;
    qint16 ImagePane = 0;
    qint16 TextPane = 0;

    void restartPanes() { TitlePane = ImagePane = TextPane = 0; }
};

// Pages needed for every pane of the project at `paneGrid` x `paneGrid` panes a page.
int exportPageCount(int gridSize, int boardCount, int paneGrid);

// folder + base + "_001.htm" style.
QString pageFileName(const ExportTarget& target, int page);
// Name-007.JPG in the pages' folder, as the conversion writes it.
QString pictureFileName(const QString& folder, const QString& pictureName, int pane);
// The picture's name as a page refers to it: characters a relative address cannot
// carry as they are (blanks, "#", "%", "?", anything beyond ASCII ...) percent-encoded.
QString pagePictureReference(const QString& pictureName, int pane);

// The complete text of page `counters.PageNumber`; advances the three pane
// counters by PaneGrid² each. Positions past pane 1000 show as blank panes.
QString MakeWebpage(const ProjectRecord& project, const HtmlWordTable& words,
                    const ExportOptions& options, const QString& baseName, PageCounters& counters);

// The page text and one more line break, in Windows-1252; characters outside
// it become numeric character references. False when the device took less.
bool writePageText(QIODevice& device, const QString& text);
// Writes a page file whole or not at all; `error` says why it failed.
bool WritePageFile(const QString& fileName, const QString& text, QString* error);

struct PageWriteFailure {
    QString fileName;
    QString reason;
};

// Every page of an export, 1 to PageCount (set here), generated in order and
// then written; `failure` names the first page that could not be written.
// `lastText` receives the text of the last page.
bool writeExportPages(const ProjectRecord& project, const HtmlWordTable& words,
                      const ExportOptions& options, const ExportTarget& target,
                      PageCounters& counters, QString* lastText, PageWriteFailure* failure);

} // namespace editor
