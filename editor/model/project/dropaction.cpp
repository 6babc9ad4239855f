#include "editor/model/project/dropaction.h"

#include "editor/model/project/projectrecord.h"

#include <QFileInfo>

namespace editor {

DropAction dropActionFor(const QStringList& files, int pane) {
    if (files.isEmpty())
        return DropAction::Refuse;
    if (files.size() == 1 && isProjectFileName(files.first()))
        return DropAction::OpenProject;
    if (pane < 1 || pane > kLastPane)
        return DropAction::Refuse;
    return files.size() == 1 ? DropAction::LoadPicture : DropAction::ImportPictures;
}

bool isProjectFileName(const QString& fileName) {
    return QFileInfo(fileName).suffix().compare(QLatin1String("vv1"), Qt::CaseInsensitive) == 0;
}

} // namespace editor
