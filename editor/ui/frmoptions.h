#pragma once

#include "editor/model/project/projectrecord.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace editor {

// "Options :": in board mode the project's title, footer text and move
// highlight; in pane mode one pane's label and web address and the hover
// highlight. One window serves both, showing the frame of the mode opened.
// Hidden, not destroyed, between uses.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBoardMode = -1;
    static constexpr int kPaneMode = 0;

    explicit frmOptions(ProjectRecord& project, QWidget* parent = nullptr);

    // Fills the mode's boxes from the record and shows the dialog modally;
    // "Accept" writes them back, "Close" changes nothing. True when accepted.
    bool ShowProperties(int pane, int mode);

private:
    // Shows a value from the record whole, however long it is.
    void fill(int box, const QString& text);
    void Button_acceptOrclose_Click(int index);

    ProjectRecord& m_project;
    int m_pane = 0;
    bool m_paneMode = false;

    // 0: the pane's frame, 1: the board's.
    std::array<QGroupBox*, 2> Frame1{};
    // Label, web address, footer text, title.
    std::array<QLineEdit*, 4> Text1{};
    QComboBox* Combo_GridHighlight = nullptr;
    QComboBox* Combo_MoveHighlight = nullptr;
    std::array<QPushButton*, 2> Button_acceptOrclose{};
};

} // namespace editor
