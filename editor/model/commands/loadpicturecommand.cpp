#include "editor/model/commands/loadpicturecommand.h"

#include "editor/model/project/pictureimport.h"

#include <QCoreApplication>

namespace editor {

LoadPictureCommand::LoadPictureCommand(CommandContext& context, int pane, const QString& fileName)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Picture"),
                    {pane}, false, pane),
      m_pane(pane), m_fileName(fileName) {}

void LoadPictureCommand::perform() {
    loadPicture(project(), m_pane, m_fileName, context().view.bitmapSide(project().GridSize),
                context().folder, &m_error);
}

} // namespace editor
