#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sentences {

// "Help": the user picks one of the fixed topics and reads its text. "Okay"
// hides the window, which keeps its topic for the next opening.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

private:
    void Combo_HelpTopic_Click(int index);

    QComboBox* Combo_HelpTopic = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace sentences
