#pragma once

#include "editor/model/project/projectsetup.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace editor {

// "Board Setup": the grid of every board, the number of boards and whether the
// panes keep what they hold. Hidden, not destroyed, between uses, so the grid
// and the options stay as the user last left them.
class frmAddNew : public QDialog {
    Q_OBJECT
public:
    explicit frmAddNew(QWidget* parent = nullptr);

    // Shows the dialog modally with `boardCount` in the box; nothing when the
    // user closed it without accepting.
    std::optional<ProjectSetup> ShowSetup(int boardCount);

private:
    void Combo_MatrixSize_Click();
    void Text_BoardAmount_Change();
    void UpDownControl_DownClick();
    void UpDownControl_UpClick();
    void Button_acceptOrclose_Click(int index);
    void showBoardCount(const BoardCountText& count);

    // The largest board count for the grid now chosen.
    qint16 MaxBoards = 100;
    int m_acceptedCount = 1;

    QComboBox* Combo_MatrixSize = nullptr;
    QLineEdit* Text_BoardAmount = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QPushButton*, 2> Button_acceptOrclose{};
};

} // namespace editor
