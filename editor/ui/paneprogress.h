#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace editor {

// A progress bar for work over many panes. It shows only when the work lasts and
// keeps the windows painting; what the user types or clicks meanwhile waits
// until the work is done.
class PaneProgress {
public:
    PaneProgress(QWidget* parent, const QString& label);
    ~PaneProgress();
    PaneProgress(const PaneProgress&) = delete;
    PaneProgress& operator=(const PaneProgress&) = delete;

    void setProgress(int done, int total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace editor
