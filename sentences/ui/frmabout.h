#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace sentences {

// "About": the program's name, notice and credit. "Okay" hides it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    std::array<QLabel*, 3> Label1{};
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace sentences
