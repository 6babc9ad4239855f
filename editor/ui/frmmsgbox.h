#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace editor {

// "VV1 : Operation Notice": asks before the image shuffle and can be told not
// to ask again while the program runs. Hidden, not destroyed, between uses, so
// its check box keeps its state.
class frmMsgBox : public QDialog {
    Q_OBJECT
public:
    enum class Answer { None, Okay, Cancel };
    struct Result {
        Answer answer = Answer::None;
        // The check box when OK was pressed.
        bool dontShowAgain = false;
    };

    explicit frmMsgBox(QWidget* parent = nullptr);

    // Shows the notice modally. Closing it with the frame's close box (or
    // Escape) answers nothing.
    Result Ask();

private:
    void OKButton_Click();
    void CancelButton_Click();

    Result m_result;
    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace editor
