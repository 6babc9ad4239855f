#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace editor {

struct PaneRecord;

// What the window tells a screen reader about the board on show.
class StageContents {
public:
    virtual ~StageContents() = default;
    virtual int slotsOnShow() const = 0;
    // The pane number in a slot (from 1) and what it holds.
    virtual int paneInSlot(int slot) const = 0;
    virtual const PaneRecord& paneRecord(int pane) const = 0;
    // The slot in the stage's own pixels.
    virtual QRect slotRect(int slot) const = 0;
    // The slot of the selected pane, 0 when it is on another board or none is.
    virtual int selectedSlot() const = 0;
};

// Gives the stage widget it is made on an accessible child per pane of the
// board on show, named like "Pane 3, Harbour at dawn", the pane's text its
// description and its flips its value, and tells screen readers when the
// selection moves. Made right after the stage widget, before anything asks
// for the stage's accessible interface.
class StageAccessibility : public QObject {
    Q_OBJECT
public:
    StageAccessibility(QWidget* stage, const StageContents& contents);

    const StageContents& contents() const { return m_contents; }
    // The screen reader's name and value of a pane.
    QString paneName(int pane) const;
    QString paneFlips(int pane) const;
    // Sends the selection, and the focus while the stage has it, to the selected pane.
    void selectionMoved();

private:
    QWidget* m_stage;
    const StageContents& m_contents;
};

} // namespace editor
