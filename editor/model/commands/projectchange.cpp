#include "editor/model/commands/projectchange.h"

#include "editor/model/project/paneimage.h"
#include "editor/model/storage/workfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace editor {

PaneFields PaneFields::of(const PaneRecord& pane) {
    return {pane.Text,        pane.Label, pane.URL,   pane.WorkPicture, pane.SourcePicture,
            pane.PictureName, pane.FlipH, pane.FlipV, pane.Stamp};
}

void PaneFields::putInto(PaneRecord& pane) const {
    pane.Text = Text;
    pane.Label = Label;
    pane.URL = URL;
    pane.WorkPicture = WorkPicture;
    pane.SourcePicture = SourcePicture;
    pane.PictureName = PictureName;
    pane.FlipH = FlipH;
    pane.FlipV = FlipV;
    pane.Stamp = Stamp;
}

ProjectValues ProjectValues::of(const ProjectRecord& project) {
    return {project.BoardTitle,    project.FooterText, project.GridHighlight,
            project.MoveHighlight, project.GridSize,   project.BoardCount};
}

void ProjectValues::putInto(ProjectRecord& project) const {
    project.BoardTitle = BoardTitle;
    project.FooterText = FooterText;
    project.GridHighlight = GridHighlight;
    project.MoveHighlight = MoveHighlight;
    project.GridSize = GridSize;
    project.BoardCount = BoardCount;
}

QList<int> paneRange(int first, int last) {
    QList<int> panes;
    for (int p = std::max(first, 1); p <= std::min(last, kLastPane); ++p)
        panes << p;
    return panes;
}

namespace {

// Every bitmap a list of changes names, before and after; a name may come twice.
template <typename Changes, typename Use> void forEachBitmap(const Changes& changes, Use use) {
    for (const auto& change : changes)
        for (const QString* file : {&change.before.WorkPicture, &change.after.WorkPicture})
            if (*file != kNoPicture)
                use(*file);
}

} // namespace

ProjectChange::ProjectChange(CommandContext& context, const QString& name, const QList<int>& panes,
                             bool projectWide, int shownPane)
    : m_context(context), m_shownPane(shownPane) {
    setText(name);
    m_panes.reserve(panes.size());
    for (int p : panes) {
        const PaneFields fields = PaneFields::of(project().Panes[p]);
        m_panes.append({p, fields, fields});
    }
    if (projectWide)
        m_valuesBefore = ProjectValues::of(project());
    // The change must not give a new bitmap the name of one it replaces.
    holdBitmaps();
}

ProjectChange::~ProjectChange() {
    releaseBitmaps();
}

bool ProjectChange::run() {
    perform();
    QList<PaneChange> changes;
    for (const PaneChange& change : std::as_const(m_panes)) {
        PaneFields after = PaneFields::of(project().Panes[change.pane]);
        if (after != change.before)
            changes.append({change.pane, change.before, std::move(after)});
    }
    // Hold what the step keeps before letting go of what it held in advance.
    m_panes.swap(changes);
    holdBitmaps();
    forEachBitmap(changes, [this](const QString& file) { m_context.folder.release(file); });
    forEachBitmap(m_panes, [this](const QString& file) {
        if (!m_bitmapSizes.contains(file))
            m_bitmapSizes.insert(file, QFileInfo(file).size());
    });
    if (m_valuesBefore)
        m_valuesAfter = ProjectValues::of(project());
    m_skipRedo = true;
    return changed();
}

void ProjectChange::undo() {
    restore(false);
}

void ProjectChange::redo() {
    if (m_skipRedo) {
        m_skipRedo = false;
        return;
    }
    restore(true);
}

void ProjectChange::restore(bool after) {
    QList<int> panes;
    panes.reserve(m_panes.size());
    for (const PaneChange& change : std::as_const(m_panes)) {
        (after ? change.after : change.before).putInto(project().Panes[change.pane]);
        panes << change.pane;
    }
    if (m_valuesBefore)
        (after ? *m_valuesAfter : *m_valuesBefore).putInto(project());
    // A pane whose bitmap cannot be made again keeps the one it has.
    fitPaneImages(project(), panes, m_context.view.bitmapSide(project().GridSize));
    m_context.view.showChange(m_shownPane);
}

void ProjectChange::collectSources(QSet<QString>& sources) const {
    for (const PaneChange& change : m_panes) {
        sources.insert(change.before.SourcePicture);
        sources.insert(change.after.SourcePicture);
    }
}

void ProjectChange::renameSources(const QHash<QString, QString>& kept) {
    for (PaneChange& change : m_panes)
        for (QString* source : {&change.before.SourcePicture, &change.after.SourcePicture})
            *source = kept.value(*source, *source);
}

void ProjectChange::holdBitmaps() {
    forEachBitmap(m_panes, [this](const QString& file) { m_context.folder.hold(file); });
}

void ProjectChange::releaseBitmaps() {
    QStringList freed;
    forEachBitmap(m_panes, [this, &freed](const QString& file) {
        if (m_context.folder.release(file))
            freed << file;
    });
    if (freed.isEmpty())
        return;
    // A bitmap no step can bring back and no pane shows is of no more use.
    QSet<QString> inUse;
    for (const PaneRecord& pane : project().Panes)
        inUse.insert(pane.WorkPicture);
    for (const QString& file : std::as_const(freed))
        if (!inUse.contains(file))
            QFile::remove(file);
}

} // namespace editor
