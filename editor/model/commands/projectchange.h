#pragma once

#include "editor/model/project/projectrecord.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUndoCommand>

#include <optional>

namespace editor {

class WorkFolder;

// What the window does for the history: the size of a prepared bitmap and
// showing a change that was undone or redone.
class ChangeView {
public:
    virtual ~ChangeView() = default;
    // The side of a prepared bitmap for a grid of gridSize x gridSize.
    virtual int bitmapSide(int gridSize) const = 0;
    // Redraws after an undo or redo: the lists rebuilt, and the board of `pane`
    // on show with the pane selected (the board on show stays for pane 0).
    virtual void showChange(int pane) = 0;
};

struct CommandContext {
    ProjectRecord& project;
    WorkFolder& folder;
    ChangeView& view;
};

// The stored fields of a pane entry: what a step puts back (the slot corners
// belong to the stage).
struct PaneFields {
    QString Text;
    QString Label;
    QString URL;
    QString WorkPicture;
    QString SourcePicture;
    QString PictureName;
    qint16 FlipH = 0;
    qint16 FlipV = 0;
    SourceStamp Stamp;

    static PaneFields of(const PaneRecord& pane);
    void putInto(PaneRecord& pane) const;
    bool operator==(const PaneFields&) const = default;
};

// The project-wide values a step may change.
struct ProjectValues {
    QString BoardTitle;
    QString FooterText;
    quint32 GridHighlight = 0;
    quint32 MoveHighlight = 0;
    qint16 GridSize = 0;
    qint16 BoardCount = 0;

    static ProjectValues of(const ProjectRecord& project);
    void putInto(ProjectRecord& project) const;
    bool operator==(const ProjectValues&) const = default;
};

// One step of the history: a change of some pane entries and perhaps of the
// project-wide values, kept as the values before and after. The window makes
// the step, runs it once with run(), which performs the change and keeps what
// it changed, and pushes it when it changed something; undo and redo then put
// back names and values only and prepare no bitmap (except one the stage
// has since outgrown). The prepared bitmaps the step names are held in the
// work folder while the step lives; when it goes, those that no other step
// holds and no pane shows are deleted.
class ProjectChange : public QUndoCommand {
public:
    ~ProjectChange() override;
    ProjectChange(const ProjectChange&) = delete;
    ProjectChange& operator=(const ProjectChange&) = delete;

    // Performs the change; true when it changed anything.
    bool run();
    bool changed() const { return !m_panes.isEmpty() || m_valuesBefore != m_valuesAfter; }

    void undo() override;
    void redo() override;

    // Adds the source pictures the step can bring back.
    void collectSources(QSet<QString>& sources) const;
    // Points the step at the kept copies of source pictures a save replaced.
    void renameSources(const QHash<QString, QString>& kept);
    // The prepared bitmaps the step names, with their sizes on disk when it ran.
    const QHash<QString, qint64>& heldBitmaps() const { return m_bitmapSizes; }

protected:
    // A step named `name` that may change the entries of `panes` and, with
    // `projectWide`, the project-wide values; `shownPane` is shown after an undo
    // or redo.
    ProjectChange(CommandContext& context, const QString& name, const QList<int>& panes,
                  bool projectWide, int shownPane);

    // The change itself, run once.
    virtual void perform() = 0;
    // Puts the project as it was after the change, or before it; by default
    // from the values kept.
    virtual void restore(bool after);
    ProjectRecord& project() { return m_context.project; }
    const CommandContext& context() const { return m_context; }

private:
    struct PaneChange {
        int pane;
        PaneFields before;
        PaneFields after;
    };

    void holdBitmaps();
    void releaseBitmaps();

    CommandContext& m_context;
    int m_shownPane;
    QList<PaneChange> m_panes;
    std::optional<ProjectValues> m_valuesBefore;
    std::optional<ProjectValues> m_valuesAfter;
    QHash<QString, qint64> m_bitmapSizes;
    // The push's own redo comes right after run(), which did the work.
    bool m_skipRedo = false;
};

// A range of pane numbers, first to last.
QList<int> paneRange(int first, int last);

} // namespace editor
