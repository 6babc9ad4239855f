#include "editor/animatic/frmplay.h"

#include "editor/animatic/animaticframe.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMediaPlayer>
#include <QPainter>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace editor {
namespace {

constexpr int kPointerHidesAfterMs = 1500;

} // namespace

frmPlay::frmPlay(const ProjectRecord& project, const VideoOptions& options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_project(project), m_options(options),
      m_shots(animaticShots(project, options.animatic)) {
    setObjectName(QStringLiteral("frmPlay"));
    setWindowTitle(tr("Play"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowModality(Qt::ApplicationModal);
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &frmPlay::shotEnded);
    m_pointerStill.setSingleShot(true);
    m_pointerStill.setInterval(kPointerHidesAfterMs);
    connect(&m_pointerStill, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    if (!options.soundtrack.isEmpty()) {
        m_player = new QMediaPlayer(this);
        m_audio = new QAudioOutput(this);
        m_player->setAudioOutput(m_audio);
        m_player->setSource(QUrl::fromLocalFile(options.soundtrack));
    }
}

frmPlay::~frmPlay() = default;

int frmPlay::Play(QWidget* over, int firstPane) {
    if (m_shots.empty())
        return 0;
    int first = 0;
    if (firstPane > m_project.firstPaneOfBoard(m_options.animatic.firstBoard)) {
        const auto from =
            std::find_if(m_shots.begin(), m_shots.end(), [&](const AnimaticShot& shot) {
                return shot.kind != AnimaticShot::Kind::TitleCard && shot.pane >= firstPane;
            });
        first = static_cast<int>(std::min(from, m_shots.end() - 1) - m_shots.begin());
    }
    if (over && over->screen()) {
        setScreen(over->screen());
        setGeometry(over->screen()->geometry());
    }
    showFullScreen();
    activateWindow();
    setFocus();
    m_pointerStill.start();
    showShot(first, first != 0);
    if (m_player)
        m_player->play();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_lastPane;
}

qint64 frmPlay::shotStartMilliseconds(int shot) const {
    double seconds = 0;
    for (int i = 0; i < shot; ++i)
        seconds += m_shots[i].seconds;
    return std::llround(seconds * 1000);
}

void frmPlay::drawShot() {
    const AnimaticShot& current = m_shots[m_shot];
    const QSize pixels = size() * devicePixelRatioF();
    const QImage picture =
        current.kind == AnimaticShot::Kind::Pane
            ? animaticPicture(m_project.Panes[current.pane], pixels, m_options.animatic)
            : QImage();
    m_frame = drawAnimaticFrame(current, picture, pixels, m_options.animatic);
    m_frame.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void frmPlay::showShot(int shot, bool seek) {
    m_shot = std::clamp(shot, 0, static_cast<int>(m_shots.size()) - 1);
    const AnimaticShot& current = m_shots[m_shot];
    if (current.kind == AnimaticShot::Kind::Pane)
        m_lastPane = current.pane;
    drawShot();
    m_shownBefore = 0;
    m_running.start();
    if (m_player && seek)
        m_player->setPosition(shotStartMilliseconds(m_shot));
    if (!m_paused)
        m_next.start(std::llround(current.seconds * 1000));
}

void frmPlay::shotEnded() {
    if (m_shot + 1 >= static_cast<int>(m_shots.size())) {
        close();
        return;
    }
    showShot(m_shot + 1, false);
}

void frmPlay::togglePause() {
    m_paused = !m_paused;
    if (m_paused) {
        m_next.stop();
        m_shownBefore += m_running.elapsed();
        if (m_player)
            m_player->pause();
        return;
    }
    m_running.start();
    m_next.start(std::max<qint64>(0, std::llround(m_shots[m_shot].seconds * 1000) - m_shownBefore));
    if (m_player)
        m_player->play();
}

void frmPlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_frame.isNull())
        painter.drawImage(0, 0, m_frame);
}

void frmPlay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_shots.empty() && m_running.isValid())
        drawShot();
}

void frmPlay::keyPressEvent(QKeyEvent* event) {
    const int last = static_cast<int>(m_shots.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Space:
        togglePause();
        break;
    case Qt::Key_Left:
        showShot(m_shot - 1, true);
        break;
    case Qt::Key_Right:
        if (m_shot < last)
            showShot(m_shot + 1, true);
        break;
    case Qt::Key_Home:
        showShot(0, true);
        break;
    case Qt::Key_End:
        showShot(last, true);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmPlay::mouseMoveEvent(QMouseEvent* event) {
    unsetCursor();
    m_pointerStill.start();
    QWidget::mouseMoveEvent(event);
}

void frmPlay::closeEvent(QCloseEvent* event) {
    m_next.stop();
    if (m_player)
        m_player->stop();
    if (m_loop)
        m_loop->quit();
    QWidget::closeEvent(event);
}

} // namespace editor
