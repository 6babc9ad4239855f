#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace editor {

// The board editor's about box.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    std::array<QLabel*, 2> Label1{};
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace editor
