#include "dragdriver.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>

using namespace editor;

namespace {

const QRgb kGreen = qRgb(0, 255, 0);

// A project of one 3 x 3 board titled "Tour", every pane blank.
QByteArray threeByThreeProject() {
    QByteArray text = "9\r\n1\r\n3\r\nToUse\r\n65280\r\n65280\r\nTour\r\n";
    for (int pane = 1; pane <= 9; ++pane)
        text += "none\r\n0\r\n0\r\nToUse\r\nToUse\r\nToUse\r\n";
    return text;
}

} // namespace

class FileDropsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QWidget* stage() { return child<QWidget>("picStage"); }
    QString folderFile(const QString& name) {
        return QDir(m_platform->programFolder()).filePath(name);
    }
    // Pictures as 40 x 40 bitmaps; a name ending in .txt or holding "broken" holds text.
    QStringList makeFiles(const QStringList& names) {
        QStringList files;
        for (const QString& name : names) {
            const QString file = folderFile(name);
            if (name.endsWith(QLatin1String(".txt")) || name.contains(QLatin1String("broken"))) {
                QFile text(file);
                if (text.open(QIODevice::WriteOnly))
                    text.write("not a picture");
            } else if (name.endsWith(QLatin1String(".vv1"))) {
                QFile text(file);
                if (text.open(QIODevice::WriteOnly))
                    text.write(threeByThreeProject());
            } else {
                testsupport::filledPicture(Qt::blue).save(file);
            }
            files << file;
        }
        return files;
    }
    // Where a drop lands, in the coordinates of the widget it is sent to.
    std::pair<QWidget*, QPoint> place(const QString& where) {
        if (where == QLatin1String("text box"))
            return {child<QLineEdit>("Text1"), QPoint(5, 5)};
        if (where == QLatin1String("side bar"))
            return {m_window.get(),
                    child<QWidget>("picSideBar")->mapTo(m_window.get(), QPoint(20, 300))};
        const int slot = where.mid(5).toInt(); // "pane N"
        const int size = m_window->paneSize();
        const QPoint centre =
            project().Panes[slot].StagePos + QPoint(size / 2, size / 2 + size / 4);
        return {m_window.get(), stage()->mapTo(m_window.get(), centre)};
    }
    QStringList pictureNames(int count) {
        QStringList names;
        for (int pane = 1; pane <= count; ++pane)
            names << project().Panes[pane].PictureName;
        return names;
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(!testsupport::givePicture(*m_window, 2, testsupport::filledPicture(Qt::red),
                                          folderFile(QStringLiteral("Old.bmp")))
                     .isEmpty());
        m_window->RefreshBoard();
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void dropsFromAFileManager_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("panes"); // picture names of panes 1 to 4 after
        QTest::addColumn<int>("grid");

        const QStringList before = {"none", "Old", "none", "none"};
        QTest::newRow("one picture on a pane")
            << QStringList{"Photo.bmp"} << "pane 3"
            << "" << true << "" << QStringList{"none", "Old", "Photo", "none"} << 2;
        QTest::newRow("one picture over the old one")
            << QStringList{"Photo.bmp"} << "pane 2"
            << "" << true << "" << QStringList{"none", "Photo", "none", "none"} << 2;
        QTest::newRow("several in the natural order of their names")
            << QStringList{"Img10.bmp", "Img9.bmp", "img11.bmp"} << "pane 2"
            << "" << true << "" << QStringList{"none", "Img9", "Img10", "img11"} << 2;
        QTest::newRow("an unreadable one among several keeps its pane")
            << QStringList{"A1.bmp", "A2-broken.bmp", "A3.txt", "A4.bmp"} << "pane 1"
            << "" << true << "Vistavel : Import" << QStringList{"A1", "Old", "none", "A4"} << 2;
        QTest::newRow("a non-picture alone")
            << QStringList{"notes.txt"} << "pane 2"
            << "" << true << "Vistavel : Load Picture" << before << 2;
        QTest::newRow("a project on a pane")
            << QStringList{"Tour.vv1"} << "pane 1"
            << "" << true << "" << QStringList{"none", "none", "none", "none"} << 3;
        QTest::newRow("a project on the side bar")
            << QStringList{"Tour.vv1"} << "side bar"
            << "" << true << "" << QStringList{"none", "none", "none", "none"} << 3;
        QTest::newRow("a project on the text box")
            << QStringList{"Tour.vv1"} << "text box"
            << "" << true << "" << QStringList{"none", "none", "none", "none"} << 3;
        QTest::newRow("a picture off the panes") << QStringList{"Photo.bmp"} << "side bar"
                                                 << "" << false << "" << before << 2;
        QTest::newRow("a picture on the text box") << QStringList{"Photo.bmp"} << "text box"
                                                   << "" << false << "" << before << 2;
        QTest::newRow("a web address off the panes")
            << QStringList{"http://example.org/Photo.jpg"} << "side bar"
            << "" << false << "" << before << 2;
        QTest::newRow("a file with a web address")
            << QStringList{"Photo.bmp", "http://example.org/Photo.jpg"} << "pane 1"
            << "" << false << "" << before << 2;
        QTest::newRow("while busy") << QStringList{"Photo.bmp"} << "pane 1"
                                    << "busy" << false << "" << before << 2;
        QTest::newRow("while a dialog waits") << QStringList{"Tour.vv1"} << "side bar"
                                              << "modal" << false << "" << before << 2;
    }
    void dropsFromAFileManager() {
        QFETCH(QStringList, files);
        QFETCH(QString, where);
        QFETCH(QString, state);
        QFETCH(bool, taken);
        QFETCH(QString, message);
        QFETCH(QStringList, panes);
        QFETCH(int, grid);

        std::unique_ptr<QMimeData> data;
        if (files.first().startsWith(QLatin1String("http:"))) {
            data = std::make_unique<QMimeData>();
            data->setUrls({QUrl(files.first())});
        } else {
            QStringList local = files;
            if (local.last().startsWith(QLatin1String("http:")))
                local.removeLast();
            data = testsupport::fileDrag(makeFiles(local));
            if (files.last().startsWith(QLatin1String("http:")))
                data->setUrls(data->urls() << QUrl(files.last()));
        }
        QDialog dialog(m_window.get());
        if (state == QLatin1String("modal")) {
            dialog.setModal(true);
            dialog.show();
        }
        project().IsBusy = state == QLatin1String("busy");
        if (!message.isEmpty())
            m_platform->expectMessage(message);
        const QString pane2Bitmap = project().Panes[2].WorkPicture;

        const auto [widget, at] = place(where);
        QCOMPARE(testsupport::dragAndDrop(widget, at, data.get()), taken);
        QCoreApplication::processEvents(); // the drop's work runs once it is taken
        dialog.hide();
        project().IsBusy = false;

        QCOMPARE(int(project().GridSize), grid);
        QCOMPARE(pictureNames(4), panes);
        for (int pane = 1; pane <= 4; ++pane) {
            const PaneRecord& record = project().Panes[pane];
            QCOMPARE(record.hasWorkPicture(), record.PictureName != kNoPicture);
            if (record.hasWorkPicture())
                QVERIFY(QFileInfo(record.WorkPicture).isFile());
        }
        if (panes.at(1) == QLatin1String("Old")) // left as it was, bitmap and all
            QCOMPARE(project().Panes[2].WorkPicture, pane2Bitmap);
        if (message == QLatin1String("Vistavel : Import")) {
            // One message names every file left out, and no other.
            const QString text = m_platform->messages().last().text;
            QVERIFY(text.contains(QLatin1String("A2-broken.bmp")));
            QVERIFY(text.contains(QLatin1String("A3.txt")));
            QVERIFY(!text.contains(QLatin1String("A1.bmp")));
        }
        if (grid == 3)
            QCOMPARE(project().BoardTitle, QStringLiteral("Tour"));
    }

    void dragOverAPaneFramesIt() {
        const std::unique_ptr<QMimeData> data =
            testsupport::fileDrag(makeFiles({QStringLiteral("Photo.bmp")}));
        const auto [window, at] = place(QStringLiteral("pane 4"));
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
        QVERIFY(move.isAccepted());
        const int p = m_window->paneSize();
        const QImage shown = m_window->stageSurface().image();
        QCOMPARE(shown.pixel(p + 200, 2 * p - 2), kGreen); // bottom of pane 4's frame
        QVERIFY(shown.pixel(200, p - 2) != kGreen);        // pane 1 not framed
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        QCOMPARE(project().Panes[4].PictureName, kNoPicture);
    }

    void aSourceThatOnlyMovesIsRefused() {
        // Taking a move would have the file manager delete the picture the pane reads.
        const std::unique_ptr<QMimeData> data =
            testsupport::fileDrag(makeFiles({QStringLiteral("Photo.bmp")}));
        const auto [window, at] = place(QStringLiteral("pane 1"));
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QVERIFY(!enter.isAccepted());
    }
};

VV_TEST_MAIN(FileDropsTest)
#include "tst_filedrops.moc"
