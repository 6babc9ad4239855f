#include "editor/model/project/panetexts.h"

namespace editor {

QString paneTextToStore(const QString& typed) {
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && typed.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && typed.at(end - 1) == QLatin1Char(' '))
        --end;
    return typed.mid(first, end - first);
}

void clearAllPaneTexts(ProjectRecord& project) {
    for (int pane = 1; pane <= project.panesInUse() && pane <= kLastPane; ++pane)
        project.Panes[pane].Text = kUnsetText;
}

} // namespace editor
