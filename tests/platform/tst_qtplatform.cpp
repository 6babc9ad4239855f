#include "platform/maximisedwindowsize.h"
#include "platform/qtplatform.h"
#include "platform/tilingdesktop.h"
#include "testmain.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

class QtPlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Pictures from cameras and older systems carry upper-case extensions.
    void pictureChooserOffersExtensionsInAnyCase() {
        QTemporaryDir dir;
        for (const char* name : {"Photo01.JPG", "Image01.bmp", "Scan01.Gif", "Notes.txt"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            auto* model = dialog->findChild<QFileSystemModel*>();
            QVERIFY(model);
            const QModelIndex folder = model->index(dir.path());
            QTRY_COMPARE(model->rowCount(folder), 3);
            for (int row = 0; row < model->rowCount(folder); ++row)
                offered << model->fileName(model->index(row, 0, folder));
        });
        platform::QtPlatform desktop;
        platform::FileChooserRequest request;
        request.title = QStringLiteral("Load Picture ...");
        request.filter = QStringLiteral("Formats (*.Bmp *.Gif *.Jpg)");
        request.startFolder = dir.path();
        QVERIFY(desktop.chooseOpenFile(request).cancelled);
        offered.sort();
        QCOMPARE(offered, QStringList({"Image01.bmp", "Photo01.JPG", "Scan01.Gif"}));
    }

    void tilingDesktopsAreKnownByTheirEnvironment_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("tiles");
        QTest::newRow("sway's socket") << "SWAYSOCK"
                                       << "/run/user/1000/sway-ipc.sock" << true;
        QTest::newRow("i3 on X11") << "I3SOCK"
                                   << "/run/user/1000/i3/ipc-socket" << true;
        QTest::newRow("named desktop, any case") << "XDG_CURRENT_DESKTOP"
                                                 << "Hyprland" << true;
        QTest::newRow("one of several") << "XDG_CURRENT_DESKTOP"
                                        << "wlroots:sway" << true;
        QTest::newRow("GNOME") << "XDG_CURRENT_DESKTOP"
                               << "ubuntu:GNOME" << false;
        QTest::newRow("KDE") << "XDG_CURRENT_DESKTOP"
                             << "KDE" << false;
        QTest::newRow("empty socket") << "SWAYSOCK"
                                      << "" << false;
    }
    void tilingDesktopsAreKnownByTheirEnvironment() {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(bool, tiles);
        QProcessEnvironment environment;
        environment.insert(variable, value);
        QCOMPARE(platform::desktopTiles(environment), tiles);
    }

    // A tile is never maximised: each size the desktop gives the shown window is
    // taken; a stacking desktop's sizes count only while it holds it maximised.
    void tiledWindowSizeIsTaken() {
        QWidget window;
        platform::MaximisedWindowSize tiled(&window,
                                            platform::MaximisedWindowSize::Desktop::Tiling);
        platform::MaximisedWindowSize stacked(&window,
                                              platform::MaximisedWindowSize::Desktop::Stacking);
        window.resize(300, 200);
        QVERIFY(!tiled.known());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(tiled.size(), QSize(300, 200));
        window.resize(640, 480);
        QTRY_COMPARE(tiled.size(), QSize(640, 480));
        QVERIFY(!stacked.known());
    }
};

VV_TEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
