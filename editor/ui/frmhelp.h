#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace editor {

// The editor's help: a topic chooser and the chosen topic's text. Hidden, not
// destroyed, between uses, so it reopens on the topic last shown.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Lists every topic alphabetically and shows the first, "About".
    void FillTopics();
    // Shows the text of the topic with exactly this name; any other name
    // leaves the text as it is.
    void ShowTopic(const QString& name);

private:
    void Combo_HelpTopic_Click();

    QComboBox* Combo_HelpTopic = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace editor
