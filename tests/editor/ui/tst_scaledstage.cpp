// The stage on scaled screens. The offscreen platform gets three screens of 96,
// 144 and 192 DPI (100 %, 150 % and 200 %); the window starts on the first and
// is moved to the screen each row names, as a user drags it there.

#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "platform/numbers.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

using namespace editor;

namespace {

const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0);

// Columns (or rows) of one pixel, black and white by turns, black first.
QImage stripes(int side, bool vertical) {
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, ((vertical ? x : y) % 2 == 0) ? kBlack : kWhite);
    return image;
}

// True when some aligned square of `ratio` x `ratio` device pixels in `area`
// (logical) is not of one colour: detail finer than a logical pixel.
bool hasDetailBelowLogicalPixels(const QImage& image, const QRect& area, int ratio) {
    for (int y = area.top() * ratio; y < (area.bottom() + 1) * ratio; y += ratio)
        for (int x = area.left() * ratio; x < (area.right() + 1) * ratio; x += ratio)
            for (int dy = 0; dy < ratio; ++dy)
                for (int dx = 0; dx < ratio; ++dx)
                    if (image.pixel(x + dx, y + dy) != image.pixel(x, y))
                        return true;
    return false;
}

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

} // namespace

class ScaledStageTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QWidget* stage() { return child<QWidget>("picStage"); }
    void moveToScreen(QScreen* screen) {
        m_window->windowHandle()->setScreen(screen);
        m_window->move(screen->geometry().topLeft());
        QTRY_COMPARE(m_window->devicePixelRatioF(), screen->devicePixelRatio());
    }
    void give(int pane, const QImage& image) {
        QVERIFY(
            !testsupport::givePicture(
                 *m_window, pane, image,
                 QDir(m_platform->programFolder()).filePath(QStringLiteral("Pane%1.bmp").arg(pane)))
                 .isEmpty());
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        project().GridSize = 3;
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void stripesShowOnThePhysicalPixels_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("100 %") << QStringLiteral("100");
        QTest::newRow("150 %") << QStringLiteral("150");
        QTest::newRow("200 %") << QStringLiteral("200");
    }
    void stripesShowOnThePhysicalPixels() {
        QFETCH(QString, screen);
        QScreen* target = screenNamed(screen);
        QVERIFY(target);
        const qreal ratio = target->devicePixelRatio();
        const int paneSize = m_window->paneSize(); // 311: 933 / 3
        const int side = platform::devicePixels(paneSize, ratio);
        // Pictures given at 100 %, of the side the panes will have on the target
        // screen, so that showing them one to one is the picture itself.
        for (int pane = 1; pane <= 9; ++pane)
            give(pane, testsupport::filledPicture(Qt::red, QSize(side, side)));
        give(2, stripes(side, true));
        give(4, stripes(side, false));
        m_window->RefreshBoard();

        moveToScreen(target);
        QCOMPARE(m_window->paneSize(), paneSize);
        QCOMPARE(QImage(project().Panes[2].WorkPicture).size(), QSize(side, side));

        const QImage shown = m_window->stageSurface().image();
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.width(), platform::devicePixels(1280, ratio));
        // Across the top row, below the numbers: pane 1 red, pane 2 in stripes
        // from its first device pixel on, pane 3 red; no seam between them.
        const int row = platform::deviceCoordinate(paneSize / 2, ratio);
        const int second = platform::deviceCoordinate(paneSize, ratio);
        const int third = platform::deviceCoordinate(2 * paneSize, ratio);
        const QImage grabbed = stage()->grab().toImage();
        QCOMPARE(grabbed.size(), shown.size());
        for (const QImage& image : {shown, grabbed}) {
            for (int x = 0; x < platform::devicePixels(3 * paneSize, ratio); ++x) {
                const QRgb expected = x < second  ? kRed
                                      : x < third ? ((x - second) % 2 == 0 ? kBlack : kWhite)
                                                  : kRed;
                QVERIFY2(image.pixel(x, row) == expected, qPrintable(QString::number(x)));
            }
            // Pane 4's rows, down its middle column.
            const int column = platform::deviceCoordinate(paneSize / 2, ratio);
            for (int y = 0; y < side; y += 7)
                QCOMPARE(image.pixel(column, second + y), (y % 2 == 0) ? kBlack : kWhite);
        }
        if (ratio == 2) // pane numbers drawn at the screen's resolution, not enlarged
            QVERIFY(hasDetailBelowLogicalPixels(shown, QRect(0, 0, 30, 16), 2));

        // The mouse still works in logical pixels.
        QTest::mouseMove(stage(), QPoint(paneSize + 1, 10));
        QTest::mouseClick(stage(), Qt::LeftButton, {}, QPoint(paneSize + 1, 10));
        QCOMPARE(int(project().SelectedPane), 2);
    }

    void hoverPutsBackExactlyWhatItCovered_data() { stripesShowOnThePhysicalPixels_data(); }
    void hoverPutsBackExactlyWhatItCovered() {
        QFETCH(QString, screen);
        QScreen* target = screenNamed(screen);
        QVERIFY(target);
        for (int pane = 1; pane <= 9; ++pane)
            project().Panes[pane].Label = QStringLiteral("Label of pane %1").arg(pane);
        give(2, stripes(64, true));
        moveToScreen(target);
        const int p = m_window->paneSize();
        QTest::mouseMove(stage(), QPoint(p / 2, p / 2));
        const QImage first = m_window->stageSurface().image();
        QTest::mouseMove(stage(), QPoint(p + p / 2, p / 2));
        QTest::mouseMove(stage(), QPoint(p + p / 2, p + p / 2));
        QTest::mouseMove(stage(), QPoint(p / 2, p / 2));
        QCOMPARE(m_window->stageSurface().image(), first);
    }
};

// Not the shared test main: the screens' DPI must count, so no font DPI is forced.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString screens = folder.filePath(QStringLiteral("screens.json"));
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [
        {"name": "100", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "150", "x": 1280, "y": 0, "width": 1920, "height": 1536, "logicalDpi": 144, "logicalBaseDpi": 96},
        {"name": "200", "x": 2560, "y": 0, "width": 2560, "height": 2048, "logicalDpi": 192, "logicalBaseDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    qunsetenv("QT_FONT_DPI");
    // QT_SCALE_FACTOR may scale every screen on top (CTest runs the test at 2 too).
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ScaledStageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledstage.moc"
