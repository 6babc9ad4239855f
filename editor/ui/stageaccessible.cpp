#include "editor/ui/stageaccessible.h"

#include "editor/model/project/panerecord.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace editor {
namespace {

class StageInterface;

// One pane of the board on show, known by its slot; what it tells is read
// afresh from the window every time, so a redrawn board needs no new children.
class PaneInterface : public QAccessibleInterface {
public:
    PaneInterface(StageInterface& stage, int slot) : m_stage(stage), m_slot(slot) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    StageInterface& m_stage;
    int m_slot;
};

// The stage: a list of its panes.
class StageInterface : public QAccessibleWidget {
public:
    StageInterface(QWidget* stage, const StageAccessibility& accessibility)
        : QAccessibleWidget(stage, QAccessible::List), m_accessibility(accessibility) {}
    ~StageInterface() override {
        for (const QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    const StageAccessibility& accessibility() const { return m_accessibility; }
    const StageContents& contents() const { return m_accessibility.contents(); }
    QWidget* stage() const { return widget(); }

    int childCount() const override { return contents().slotsOnShow(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto found = m_children.constFind(index); found != m_children.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* pane = new PaneInterface(const_cast<StageInterface&>(*this), index + 1);
        m_children.insert(index, QAccessible::registerAccessibleInterface(pane));
        return pane;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_children.constBegin(); it != m_children.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key() < childCount() ? it.key() : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = stage()->mapFromGlobal(QPoint(x, y));
        for (int slot = 1; slot <= childCount(); ++slot)
            if (contents().slotRect(slot).contains(at))
                return child(slot - 1);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int slot = contents().selectedSlot();
        return stage()->hasFocus() && slot != 0 ? child(slot - 1) : nullptr;
    }

private:
    const StageAccessibility& m_accessibility;
    mutable QHash<int, QAccessible::Id> m_children;
};

bool PaneInterface::isValid() const {
    return m_stage.isValid() && m_slot <= m_stage.childCount();
}

QWindow* PaneInterface::window() const {
    return m_stage.window();
}

QAccessibleInterface* PaneInterface::parent() const {
    return &m_stage;
}

QString PaneInterface::text(QAccessible::Text t) const {
    const int pane = m_stage.contents().paneInSlot(m_slot);
    switch (t) {
    case QAccessible::Name:
        return m_stage.accessibility().paneName(pane);
    case QAccessible::Description: {
        const QString& text = m_stage.contents().paneRecord(pane).Text;
        return text == kUnsetText ? QString() : text;
    }
    case QAccessible::Value:
        return m_stage.accessibility().paneFlips(pane);
    default:
        return {};
    }
}

QRect PaneInterface::rect() const {
    const QRect slot = m_stage.contents().slotRect(m_slot);
    return QRect(m_stage.stage()->mapToGlobal(slot.topLeft()), slot.size());
}

QAccessible::State PaneInterface::state() const {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    const bool selected = m_stage.contents().selectedSlot() == m_slot;
    state.selected = selected;
    state.focused = selected && m_stage.stage()->hasFocus();
    state.invisible = !m_stage.stage()->isVisible();
    return state;
}

QAccessibleInterface* stageFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* accessibility =
        widget ? widget->findChild<StageAccessibility*>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
    return accessibility ? new StageInterface(widget, *accessibility) : nullptr;
}

} // namespace

StageAccessibility::StageAccessibility(QWidget* stage, const StageContents& contents)
    : QObject(stage), m_stage(stage), m_contents(contents) {
    QAccessible::installFactory(stageFactory);
}

QString StageAccessibility::paneName(int pane) const {
    // The label, else the picture's name; a pane with neither is blank.
    const PaneRecord& record = m_contents.paneRecord(pane);
    QString name = record.Label == kUnsetText ? QString() : record.Label;
    if (name.isEmpty() && record.hasWorkPicture())
        name = record.PictureName;
    return name.isEmpty() ? tr("Pane %1, blank").arg(pane) : tr("Pane %1, %2").arg(pane).arg(name);
}

QString StageAccessibility::paneFlips(int pane) const {
    const PaneRecord& record = m_contents.paneRecord(pane);
    if (record.FlipH != 0 && record.FlipV != 0)
        return tr("Flipped horizontally and vertically");
    if (record.FlipH != 0)
        return tr("Flipped horizontally");
    if (record.FlipV != 0)
        return tr("Flipped vertically");
    return {};
}

void StageAccessibility::selectionMoved() {
    const int slot = m_contents.selectedSlot();
    if (slot == 0 || !QAccessible::isActive())
        return;
    QAccessibleEvent selection(m_stage, QAccessible::Selection);
    selection.setChild(slot - 1);
    QAccessible::updateAccessibility(&selection);
    if (m_stage->hasFocus()) {
        QAccessibleEvent focus(m_stage, QAccessible::Focus);
        focus.setChild(slot - 1);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace editor
