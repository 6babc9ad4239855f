#pragma once

#include "editor/print/paperdrawing.h"

#include <QCache>
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace editor {

// The print preview: one page at a time, fitted to the window's width, with the
// page before and after it and "Print ..." for the printer. Only the page shown
// and the few seen last are kept, so a print of hundreds of pages costs no more
// memory than one of a few.
class frmPaperPreview : public QDialog {
    Q_OBJECT
public:
    frmPaperPreview(const ProjectRecord& project, const PaperOptions& options,
                    QWidget* parent = nullptr);

    int pageCount() const { return m_preview.pageCount(); }
    int currentPage() const; // from 0

Q_SIGNALS:
    // The user asked to print the pages shown.
    void printRequested();

protected:
    // The page is drawn anew to fit the room it has.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage();

    PaperPreview m_preview;
    QCache<int, QImage> m_seen{4};
    int m_seenWidth = 0;

    QScrollArea* scroll_Page = nullptr;
    QLabel* label_Page = nullptr;
    QSpinBox* spin_Page = nullptr;
    QLabel* label_Count = nullptr;
    QPushButton* button_Previous = nullptr;
    QPushButton* button_Next = nullptr;
    QPushButton* button_Print = nullptr;
    QPushButton* button_Close = nullptr;
};

} // namespace editor
