#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// A pane's text stored from the text box ("swap", "Swap Item") or cleared to
// the unset text ("Remove Item"); `name` is the command's.
class PaneTextCommand : public ProjectChange {
public:
    PaneTextCommand(CommandContext& context, const QString& name, int pane, const QString& text);

protected:
    void perform() override;

private:
    int m_pane;
    QString m_text;
};

} // namespace editor
