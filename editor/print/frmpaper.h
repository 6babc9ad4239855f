#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace editor {

// The choices for printing and for a PDF: which boards, how many panes a page
// holds, the sheet and its orientation, and what each pane shows. The dialog
// lives as long as the main window, so its choices carry over from one use to
// the next; a range that covered every board covers every board again.
class frmPaper : public QDialog {
    Q_OBJECT
public:
    enum class Use { PdfExport, Print };

    // `defaultPaper` is the sheet offered until the user picks another.
    explicit frmPaper(QPageSize::PageSizeId defaultPaper, QWidget* parent = nullptr);

    // Shows the dialog modally for `project`. The choices when the user went on;
    // nothing when the dialog was closed.
    std::optional<PaperOptions> Ask(Use use, const ProjectRecord& project);

    PaperOptions options() const;

    // The folder of the last PDF written, which the next export offers.
    const QString& lastPdfFolder() const { return m_lastPdfFolder; }
    void setLastPdfFolder(const QString& folder) { m_lastPdfFolder = folder; }

private:
    void createControls();
    // Continuous rows mean nothing to the board's grid, notes in full nothing to rows.
    void arrangementChanged();
    // Says how many lines of a note the choices leave.
    void showNoteLines();

    bool m_allBoards = true;
    const ProjectRecord* m_project = nullptr; // while the dialog is shown
    QString m_lastPdfFolder;

    QSpinBox* spin_FirstBoard = nullptr;
    QSpinBox* spin_LastBoard = nullptr;
    QComboBox* combo_Arrangement = nullptr;
    QComboBox* combo_Paper = nullptr;
    QRadioButton* option_BestFit = nullptr;
    QRadioButton* option_Landscape = nullptr;
    QRadioButton* option_Portrait = nullptr;
    QCheckBox* check_Continuous = nullptr;
    QCheckBox* check_Proportions = nullptr;
    QCheckBox* check_NotesInFull = nullptr;
    QLabel* label_NoteLines = nullptr;
    std::array<QCheckBox*, 4> check_Shows{};
    QPushButton* button_Go = nullptr;
    QPushButton* button_Cancel = nullptr;
};

} // namespace editor
