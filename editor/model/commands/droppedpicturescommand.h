#pragma once

#include "editor/model/commands/projectchange.h"
#include "editor/model/project/pictureimport.h"

#include <QStringList>

namespace editor {

// Several pictures dropped on a pane: it and the panes after it, one step.
class DroppedPicturesCommand : public ProjectChange {
public:
    // `files` in the order they fill the panes.
    DroppedPicturesCommand(CommandContext& context, const QStringList& files, int firstPane,
                           ProgressReport progress);
    // The files that could not be read as pictures, in order.
    const QStringList& leftOut() const { return m_leftOut; }

protected:
    // The same change under another name in the history.
    DroppedPicturesCommand(CommandContext& context, const QString& name, const QStringList& files,
                           int firstPane, ProgressReport progress);
    void perform() override;

private:
    QStringList m_files;
    int m_firstPane;
    ProgressReport m_progress;
    QStringList m_leftOut;
};

// "Paste Picture": the clipboard's files, or the picture kept from it, from the
// selected pane on, one step.
class PastePictureCommand : public DroppedPicturesCommand {
public:
    PastePictureCommand(CommandContext& context, const QStringList& files, int firstPane,
                        ProgressReport progress);
};

// "Drop Picture": the picture kept from what a web browser dragged onto a pane,
// one step.
class DropPictureCommand : public DroppedPicturesCommand {
public:
    DropPictureCommand(CommandContext& context, const QString& keptPicture, int pane);
};

} // namespace editor
