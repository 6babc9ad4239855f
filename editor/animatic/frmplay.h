#pragma once

#include "editor/animatic/animaticoptions.h"
#include "editor/animatic/animatictimeline.h"
#include "editor/model/project/projectrecord.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

class QAudioOutput;
class QEventLoop;
class QMediaPlayer;

namespace editor {

// The animatic full screen: each shot for its time, the soundtrack in step.
// Space pauses and resumes, Left and Right step a shot back or on, Home and End
// go to the first and the last, Escape or the end closes. The pointer hides
// while it stands still.
class frmPlay : public QWidget {
    Q_OBJECT
public:
    frmPlay(const ProjectRecord& project, const VideoOptions& options, QWidget* parent = nullptr);
    ~frmPlay() override;

    // Plays full screen on the screen of `over`, from pane `firstPane` on (from
    // the title card when that is the first board's first pane), and returns when
    // it closes: the last pane shown, or 0 when only a card showed.
    int Play(QWidget* over, int firstPane);

    bool isPaused() const { return m_paused; }
    int shotIndex() const { return m_shot; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows `shot` from its start; `seek` puts the soundtrack there too.
    void showShot(int shot, bool seek);
    void drawShot();
    void shotEnded();
    void togglePause();
    qint64 shotStartMilliseconds(int shot) const;

    const ProjectRecord& m_project;
    VideoOptions m_options;
    std::vector<AnimaticShot> m_shots;
    int m_shot = 0;
    int m_lastPane = 0;
    bool m_paused = false;
    // Time already shown of the current shot before the last resume.
    qint64 m_shownBefore = 0;
    QElapsedTimer m_running;
    QTimer m_next;
    QTimer m_pointerStill;
    QImage m_frame;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
    QEventLoop* m_loop = nullptr;
};

} // namespace editor
