#pragma once

#include "editor/model/commands/projectchange.h"
#include "editor/model/project/paneoperations.h"

namespace editor {

// "Flip Horizontally" and "Flip Vertically": undone and redone by mirroring
// the prepared bitmap once more, which gives back the same pixels.
class FlipCommand : public ProjectChange {
public:
    FlipCommand(CommandContext& context, int pane, FlipDirection direction);
    // Empty unless the bitmap could not be flipped.
    const QString& error() const { return m_error; }

protected:
    void perform() override;
    void restore(bool after) override;

private:
    int m_pane;
    FlipDirection m_direction;
    QString m_error;
};

} // namespace editor
