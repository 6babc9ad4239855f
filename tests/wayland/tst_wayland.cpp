// Both programs under Weston, the reference Wayland compositor: a headless
// Weston with its desktop shell (and its panel) is started before the
// application, and the windows run in this process on Qt's Wayland platform,
// with the real desktop (QtPlatform). CTest runs the binary once per output
// named in WESTON_OUTPUT ("1280x1024"), WESTON_SCALE and WESTON_MAXIMISED, the
// size Weston gives a maximised window there (the output less its panel).

#include "editor/model/project/pictureimport.h"
#include "editor/ui/frmmain.h"
#include "editor/ui/windowlayout.h"
#include "headlessweston.h"
#include "platform/numbers.h"
#include "platform/picturesurface.h"
#include "platform/qtplatform.h"
#include "sentences/ui/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

// Generous: a sanitizer build, or a busy machine, starts windows slowly.
constexpr int kTimeout = 60000;

QSize sizeFrom(const char* variable) {
    const QList<QByteArray> parts = qgetenv(variable).split('x');
    return parts.size() == 2 ? QSize(parts.at(0).toInt(), parts.at(1).toInt()) : QSize();
}

int scaleFrom() {
    const int scale = qEnvironmentVariableIntValue("WESTON_SCALE");
    return scale > 0 ? scale : 1;
}

// Answers the next modal dialog of type T once it shows.
template <typename T> void answerNext(QObject* owner, std::function<void(T*)> answer) {
    auto* timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, answer = std::move(answer)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}

// The rectangle of `widget` in the coordinates of `ancestor`.
QRect rectIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private:
    const QSize m_maximised = sizeFrom("WESTON_MAXIMISED");
    const int m_scale = scaleFrom();
    std::unique_ptr<platform::QtPlatform> m_desktop;
    std::unique_ptr<editor::frmMain> m_editor;

    template <typename T> T* editorPart(const char* name) {
        T* found = m_editor->findChild<T*>(QLatin1String(name));
        [&] { QVERIFY2(found, name); }();
        return found;
    }

private Q_SLOTS:
    // Weston's panel is in place: a maximised window gets the output less the panel.
    void initTestCase() {
        QVERIFY2(m_maximised.isValid(), "WESTON_MAXIMISED names no size");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QWidget probe;
        probe.showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(probe.windowHandle()->frameGeometry().size(), m_maximised,
                                  kTimeout);
    }

    // Started as the program starts: shown maximised over the desktop.
    void init() {
        m_desktop = std::make_unique<platform::QtPlatform>();
        m_editor = std::make_unique<editor::frmMain>(*m_desktop);
        QVERIFY(m_editor->startedUp());
        m_editor->showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(m_desktop->workAreaKnown(), kTimeout);
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get(), kTimeout));
    }
    void cleanup() {
        m_editor.reset();
        m_desktop.reset();
    }

    // The window is what the compositor configured, the layout follows from that
    // work area, and no part of the side bar lies outside the window.
    void editorFillsTheMaximisedWindow() {
        QWindow* window = m_editor->windowHandle();
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), m_maximised, kTimeout);
        const QSize workArea = window->size();
        QCOMPARE(m_desktop->workArea(), workArea);
        const editor::WindowLayout layout = editor::computeWindowLayout(workArea);
        QCOMPARE(m_editor->stageHeight(), layout.boardSide);
        QCOMPARE(editorPart<QWidget>("picStage")->size(), layout.stage);

        const QWidget* client = m_editor->centralWidget();
        const QRect shown = rectIn(client, m_editor.get());
        QVERIFY(m_editor->rect().contains(shown));
        for (const char* name :
             {"picSideBar", "Toolbar1", "Combo_PageView", "List1", "Text1", "cmdButton"}) {
            const QWidget* part = editorPart<QWidget>(name);
            QVERIFY2(part->isVisible(), name);
            QVERIFY2(shown.contains(rectIn(part, m_editor.get())), name);
        }

        // Drawn at the screen's own pixels, laid out in logical ones.
        QCOMPARE(m_editor->devicePixelRatioF(), qreal(m_scale));
        QCOMPARE(m_editor->stageSurface().image().devicePixelRatio(), qreal(m_scale));
        QCOMPARE(m_editor->paneBitmapSide(), m_editor->paneSize() * m_scale);
    }

    // Restored and made smaller by hand, the window keeps the layout the work area
    // made; maximised again, it is the configured size again.
    void handResizeKeepsTheLayout() {
        QWindow* window = m_editor->windowHandle();
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), m_maximised, kTimeout);
        const QSize workArea = m_desktop->workArea();
        const QSize stage = editorPart<QWidget>("picStage")->size();
        // A hand resize comes after the compositor has restored the window: until
        // then it holds the window to the maximised size.
        m_editor->showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(window->frameGeometry().size() != m_maximised, kTimeout);
        m_editor->resize(400, 300);
        QTRY_COMPARE_WITH_TIMEOUT(m_editor->size(), QSize(400, 300), kTimeout);
        m_editor->showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), m_maximised, kTimeout);
        QCOMPARE(m_desktop->workArea(), workArea);
        QCOMPARE(editorPart<QWidget>("picStage")->size(), stage);
    }

    // On a tiling desktop (as sway announces itself) the window's size is the work
    // area, unmaximised and of any shape: the side bar's controls stay inside it.
    void tiledWindowHoldsTheWholeSideBar() {
        m_editor.reset();
        qputenv("SWAYSOCK", "/nonexistent/sway-ipc.sock");
        m_desktop = std::make_unique<platform::QtPlatform>();
        qunsetenv("SWAYSOCK");
        m_editor = std::make_unique<editor::frmMain>(*m_desktop);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get(), kTimeout));
        for (const QSize tile : {QSize(900, 700), QSize(900, 500)}) {
            m_editor->resize(tile);
            QTRY_COMPARE_WITH_TIMEOUT(m_desktop->workArea(), tile, kTimeout);
            QTRY_COMPARE_WITH_TIMEOUT(editorPart<QWidget>("picStage")->size(),
                                      editor::computeWindowLayout(tile).stage, kTimeout);
            const QRect shown = rectIn(m_editor->centralWidget(), m_editor.get());
            for (const char* name : {"Combo_PageView", "List1", "Text1", "cmdButton"})
                QVERIFY2(shown.contains(rectIn(editorPart<QWidget>(name), m_editor.get())), name);
        }
    }

    // File > Mass Image Import ... with the system's own file chooser and message box.
    void massImportRunsThroughTheMenus() {
        QTemporaryDir pictures;
        const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < colours.size(); ++i) {
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(colours.at(i));
            QVERIFY(image.save(pictures.filePath(
                QStringLiteral("Shot%1.bmp").arg(i + 1, 2, 10, QLatin1Char('0')))));
        }
        QAction* massImport = nullptr;
        for (QAction* menu : m_editor->menuBar()->actions())
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (item->objectName() == QLatin1String("mnu_MassImage"))
                        massImport = item;
        QVERIFY(massImport);

        QString report;
        QObject answers; // an answer never needed goes with this test
        answerNext<QFileDialog>(&answers, [&](QFileDialog* chooser) {
            answerNext<QMessageBox>(&answers, [&](QMessageBox* box) {
                report = box->text();
                box->accept();
            });
            chooser->selectFile(pictures.filePath(QStringLiteral("Shot01.bmp")));
            static_cast<QDialog*>(chooser)->accept();
        });
        massImport->trigger();
        QCOMPARE(report, editor::importReport(3));
        const editor::ProjectRecord& project = m_editor->project();
        for (int pane = 1; pane <= 3; ++pane)
            QCOMPARE(
                project.Panes[pane].SourcePicture,
                pictures.filePath(QStringLiteral("Shot%1.bmp").arg(pane, 2, 10, QLatin1Char('0'))));
        // The fourth picture is missing: the import stops after the third.
        QCOMPARE(project.Panes[4].SourcePicture, QStringLiteral("none"));
        const QImage stage = m_editor->stageSurface().image();
        const int centre = platform::deviceCoordinate(m_editor->paneSize() * 3 / 4, m_scale);
        QCOMPARE(QColor(stage.pixel(centre, centre)), QColor(Qt::red));
    }

    // The sentence generator shows whole within the same desktop and composes.
    void sentenceGeneratorWorks() {
        m_editor.reset();
        sentences::frmMain generator(*m_desktop);
        generator.show();
        QVERIFY(QTest::qWaitForWindowExposed(&generator, kTimeout));
        const QSize frame = generator.windowHandle()->frameGeometry().size();
        QVERIFY2(frame.width() <= m_maximised.width() && frame.height() <= m_maximised.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));
        auto* output = generator.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(output);
        const QString before = output->toPlainText();
        auto* sentence = generator.findChild<QAction*>(QStringLiteral("mnu_RandomSentence"));
        QVERIFY(sentence);
        sentence->trigger();
        QVERIFY(output->toPlainText().size() > before.size());
    }
};

int main(int argc, char** argv) {
    const QSize output = sizeFrom("WESTON_OUTPUT");
    if (!output.isValid()) {
        fprintf(stderr, "WESTON_OUTPUT names no size\n");
        return 2;
    }
    HeadlessWeston weston(output, scaleFrom());
    if (!weston.error().isEmpty()) {
        fprintf(stderr, "%s\n", qPrintable(weston.error()));
        return 1;
    }
    weston.exportToEnvironment();
    qunsetenv("QT_SCALE_FACTOR");
    // A headless Weston has no seat, and Qt 6.4's Wayland text input then
    // dereferences the missing seat when it draws a text cursor.
    qputenv("QT_IM_MODULE", "none");
    // Qt 6.4 counts a window whose frame callback is over 100 ms late as hidden
    // and then leaves a new size's window geometry unsent: on a busy machine a
    // maximise after a hand resize then ends in Weston's protocol error. The
    // windows here are always on show.
    qputenv("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", QByteArray::number(kTimeout));
    QLocale::setDefault(QLocale::c());
    // Qt's own file chooser, not a desktop portal's: the test answers it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    int status = 0;
    {
        QApplication app(argc, argv);
        WaylandTest test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_wayland.moc"
