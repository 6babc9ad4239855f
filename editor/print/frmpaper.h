#pragma once

#include "editor/print/paperoptions.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
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

    // Shows the dialog modally for a project of `boardCount` boards. The choices
    // when the user went on; nothing when the dialog was closed.
    std::optional<PaperOptions> Ask(Use use, int boardCount);

    PaperOptions options() const;

    // The folder of the last PDF written, which the next export offers.
    const QString& lastPdfFolder() const { return m_lastPdfFolder; }
    void setLastPdfFolder(const QString& folder) { m_lastPdfFolder = folder; }

private:
    void createControls();
    // The board's grid reads best across the sheet, rows of panes down it, until the
    // user chooses an orientation, which then stays.
    void arrangementChanged();

    bool m_allBoards = true;
    bool m_orientationChosen = false;
    QString m_lastPdfFolder;

    QSpinBox* spin_FirstBoard = nullptr;
    QSpinBox* spin_LastBoard = nullptr;
    QComboBox* combo_Arrangement = nullptr;
    QComboBox* combo_Paper = nullptr;
    QRadioButton* option_Landscape = nullptr;
    QRadioButton* option_Portrait = nullptr;
    std::array<QCheckBox*, 4> check_Shows{};
    QPushButton* button_Go = nullptr;
    QPushButton* button_Cancel = nullptr;
};

} // namespace editor
