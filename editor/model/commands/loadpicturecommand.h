#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// "Picture ..." and a picture dropped on a pane: the pane shows `fileName`.
class LoadPictureCommand : public ProjectChange {
public:
    LoadPictureCommand(CommandContext& context, int pane, const QString& fileName);
    // Empty unless the picture could not be read or prepared.
    const QString& error() const { return m_error; }

protected:
    void perform() override;

private:
    int m_pane;
    QString m_fileName;
    QString m_error;
};

} // namespace editor
