#pragma once

#include "editor/export/pagegenerator.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace platform {
class Platform;
}

namespace editor {

class HtmlWordTable;

// "Html Export": the page file, the page grid, the scale and the structure
// options, a preview of the first page, and Accept, which writes the pages.
// The dialog lives as long as the main window, so its options, the preview
// text and the page counters carry over from one export to the next.
class frmHTML : public QDialog {
    Q_OBJECT
public:
    frmHTML(platform::Platform& platform, const ProjectRecord& project, const HtmlWordTable& words,
            QWidget* parent = nullptr);

    // Shows the dialog modally, starting with no file chosen; an edit left in the
    // preview box by an earlier export is still the user's. The chosen page file
    // when the pages were written; nothing when the export was discarded.
    std::optional<ExportTarget> Export();

    ExportOptions options() const;
    const PageCounters& counters() const { return m_counters; }

    // The close box and Escape count as Close.
    void reject() override;

private:
    void createControls();
    void Command1_Click();
    void SSTab1_Click(int tab);
    void Button_acceptOrclose_Click(int index);
    bool writePages();
    // Puts a page the program made into the preview box; it is no edit of the user's.
    void showGenerated(const QString& text);
    bool holdsEdit() const;
    void noFileChosen();
    void Finish();

    platform::Platform& m_platform;
    const ProjectRecord& m_project;
    const HtmlWordTable& m_words;
    PageCounters m_counters;
    // The page file last chosen in this export. A cancelled choice leaves it,
    // so the preview's pages keep their names; it is empty until a first choice.
    ExportTarget m_target;
    // Whether Accept may write to m_target: false before a choice, after a
    // cancelled or failed one, and after a discard.
    bool m_fileChosen = false;

    QTabWidget* SSTab1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QGroupBox* Frame1 = nullptr;
    std::array<QCheckBox*, 6> Check1{};
    QLabel* Label1 = nullptr;
    QComboBox* Combo_GridSize = nullptr;
    QCheckBox* Check2 = nullptr;
    std::array<QPushButton*, 2> Button_acceptOrclose{};
    QPlainTextEdit* html_code = nullptr;
};

} // namespace editor
