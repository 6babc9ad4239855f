#pragma once

#include "editor/model/commands/projectchange.h"
#include "editor/model/project/pictureimport.h"
#include "editor/model/project/picturesequence.h"

namespace editor {

// "Mass Image Import ...": one step however many panes it fills.
class SequenceImportCommand : public ProjectChange {
public:
    SequenceImportCommand(CommandContext& context, const PictureSequence& sequence, int firstPane,
                          ProgressReport progress);
    const SequenceImport& result() const { return m_result; }

protected:
    void perform() override;

private:
    PictureSequence m_sequence;
    int m_firstPane;
    ProgressReport m_progress;
    SequenceImport m_result;
};

} // namespace editor
