#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace editor {

// A progress bar for work over many panes. It shows only when the work lasts,
// keeps the windows painting while it runs and takes no input meanwhile.
class PaneProgress {
public:
    PaneProgress(QWidget* parent, const QString& label, int total);
    ~PaneProgress();
    PaneProgress(const PaneProgress&) = delete;
    PaneProgress& operator=(const PaneProgress&) = delete;

    void setDone(int done);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace editor
