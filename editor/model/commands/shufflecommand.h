#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// "Image Shuffle": the pictures of panes offset + 1 to offset + order's size
// move as movePictures() moves them.
class ShuffleCommand : public ProjectChange {
public:
    ShuffleCommand(CommandContext& context, int offset, const QList<int>& order);

protected:
    void perform() override;

private:
    int m_offset;
    QList<int> m_order;
};

} // namespace editor
