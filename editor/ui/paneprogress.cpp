#include "editor/ui/paneprogress.h"

#include <QProgressDialog>

namespace editor {

PaneProgress::PaneProgress(QWidget* parent, const QString& label, int total)
    : m_dialog(std::make_unique<QProgressDialog>(label, QString(), 0, total, parent)) {
    m_dialog->setObjectName(QStringLiteral("PaneProgress"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setValue(0);
}

PaneProgress::~PaneProgress() = default;

void PaneProgress::setDone(int done) {
    // A modal progress dialog handles pending events when its value changes.
    m_dialog->setValue(done);
}

} // namespace editor
