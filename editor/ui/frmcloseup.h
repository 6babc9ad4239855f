#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

class QPushButton;

namespace platform {
class PictureWidget;
}

namespace editor {

// Where the close-up's parts go for a stage `stageHeight` pixels high: a square
// window of that side, a square picture area 100 pixels smaller, 10 from the
// top, and the button 20 below it, both centred.
struct CloseUpLayout {
    QSize window;
    QRect picture;
    QRect button;
};
CloseUpLayout closeUpLayout(int stageHeight, QSize buttonSize);

// "CloseUp : Name": one pane's full source picture, mirrored as the pane is.
// Hidden, not destroyed, between uses.
class frmCloseUp : public QDialog {
    Q_OBJECT
public:
    explicit frmCloseUp(QWidget* parent = nullptr);

    // Lays the window out for the stage height, draws the picture file stretched
    // over the whole picture area and mirrored as the flags say, and shows the
    // window modally. False, and nothing shown, when the file cannot be read.
    bool ShowCloseUp(int stageHeight, const QString& pictureName, const QString& pictureFile,
                     bool flipH, bool flipV, QString* error);

private:
    platform::PictureWidget* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace editor
