#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// What the main window does with local files dropped on it.
enum class DropAction {
    Refuse,         // nothing to take there
    OpenProject,    // one project file, anywhere on the window
    LoadPicture,    // one file on a pane, as Pane > Picture ... for that pane
    ImportPictures, // several files on a pane, into it and the panes after it
};

// `pane` is the pane under the pointer, 0 when the pointer is on no pane.
DropAction dropActionFor(const QStringList& files, int pane);

bool isProjectFileName(const QString& fileName);

} // namespace editor
