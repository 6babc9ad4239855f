#pragma once

#include "editor/model/commands/projectchange.h"

#include <functional>

namespace editor {

// "Properties ..." of a pane (its label and web address) or of the board
// (title, footer, colours): `edit` asks the user and stores the answer; the
// step keeps what it changed.
class PropertiesCommand : public ProjectChange {
public:
    // `pane` 0 is the board's properties.
    PropertiesCommand(CommandContext& context, int pane, std::function<void()> edit);

protected:
    void perform() override;

private:
    std::function<void()> m_edit;
};

} // namespace editor
