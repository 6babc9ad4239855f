#pragma once

#include "editor/animatic/animaticoptions.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace platform {
class Platform;
}

namespace editor {

// The choices for the animatic: which boards, how long each pane shows, how it
// is drawn, and for the video its frame, file type, soundtrack and subtitles.
// The dialog lives as long as the main window, so Play and the next export use
// the choices last made; a range that covered every board covers every board again.
class frmVideo : public QDialog {
    Q_OBJECT
public:
    explicit frmVideo(platform::Platform& platform, QWidget* parent = nullptr);

    // Shows the dialog modally for a project of `boardCount` boards. The choices
    // when the user went on; nothing when the dialog was closed.
    std::optional<VideoOptions> Ask(int boardCount);

    VideoOptions options() const;

private:
    void createControls();
    void timingChanged();
    void chooseSoundtrack();

    platform::Platform& m_platform;
    bool m_allBoards = true;

    QSpinBox* spin_FirstBoard = nullptr;
    QSpinBox* spin_LastBoard = nullptr;
    QRadioButton* option_Fixed = nullptr;
    QRadioButton* option_Reading = nullptr;
    QDoubleSpinBox* spin_Seconds = nullptr;
    QSpinBox* spin_WordsPerMinute = nullptr;
    QDoubleSpinBox* spin_Shortest = nullptr;
    QCheckBox* check_BlankPanes = nullptr;
    QCheckBox* check_Proportions = nullptr;
    QCheckBox* check_Captions = nullptr;
    QComboBox* combo_FrameSize = nullptr;
    QComboBox* combo_FrameRate = nullptr;
    QComboBox* combo_FileType = nullptr;
    QLineEdit* text_Soundtrack = nullptr;
    QPushButton* button_Soundtrack = nullptr;
    QCheckBox* check_SubtitleTrack = nullptr;
    QCheckBox* check_SrtFile = nullptr;
    QPushButton* button_Go = nullptr;
    QPushButton* button_Cancel = nullptr;
};

} // namespace editor
