#include "editor/ui/paneprogress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace editor {

PaneProgress::PaneProgress(QWidget* parent, const QString& label)
    : m_dialog(std::make_unique<QProgressDialog>(label, QString(), 0, 0, parent)) {
    m_dialog->setObjectName(QStringLiteral("PaneProgress"));
    // Not modal: a modal progress dialog handles every pending event, input included.
    m_dialog->setWindowModality(Qt::NonModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
}

PaneProgress::~PaneProgress() = default;

void PaneProgress::setProgress(int done, int total) {
    if (m_dialog->maximum() != total)
        m_dialog->setMaximum(total);
    m_dialog->setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace editor
