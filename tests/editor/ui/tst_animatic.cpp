#include "editor/animatic/frmplay.h"
#include "editortesting.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace editor;
using namespace testsupport;

class AnimaticWindowTest : public QObject, public EditorWindowFixture {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Two boards of 2 x 2, board 2 on show, a picture in each of its panes.
    void openProject() {
        openWindow();
        m_window->project().BoardCount = 2;
        m_window->RebuildLists();
        for (int pane = 5; pane <= 8; ++pane)
            QVERIFY(!givePicture(*m_window, pane, filledPicture(Qt::red),
                                 m_dir.filePath(QStringLiteral("p%1.png").arg(pane)))
                         .isEmpty());
        m_window->project().Panes[6].Text = QStringLiteral("The door opens");
        child<QComboBox>("Combo_PageView")->setCurrentIndex(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // Answers the video dialog: the shortest time a pane, then Export.
    void answerVideoDialog(int fileType) {
        answerModal(this, [fileType](QDialog* dialog) {
            part<QDoubleSpinBox>(dialog, "spin_Seconds")->setValue(0.2);
            part<QComboBox>(dialog, "combo_FileType")->setCurrentIndex(fileType);
            part<QPushButton>(dialog, "button_Go")->click();
        });
    }

private Q_SLOTS:
    void cleanup() { QCOMPARE(closeWindow(), QStringList()); }

    // F5 plays from the board on show; Right, Right, Escape leave its third pane selected.
    void playStepsAndReturnsWithTheLastPaneShown() {
        openProject();
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* player = qobject_cast<frmPlay*>(QApplication::activeWindow());
            if (!player) {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* candidate = qobject_cast<frmPlay*>(window))
                        player = candidate;
            }
            QVERIFY(player);
            seen << QString::number(player->isFullScreen());
            QTest::keyClick(player, Qt::Key_Right);
            QTest::keyClick(player, Qt::Key_Right);
            QTest::keyClick(player, Qt::Key_Space);
            seen << QString::number(player->isPaused());
            QTest::keyClick(player, Qt::Key_Escape);
        });
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(seen, (QStringList{"1", "1"}));
        QCOMPARE(m_window->project().SelectedPane, qint16(7));
        QCOMPARE(child<QListWidget>("List1")->currentRow(), 6);
        QCOMPARE(child<QComboBox>("Combo_PageView")->currentIndex(), 1);
    }

    // File > Export As Video ...: the dialog, the file, and a video that holds the panes.
    void exportThroughTheMenu() {
        openProject();
        const QString file = m_dir.filePath(QStringLiteral("story.webm"));
        answerVideoDialog(1);
        m_platform->answerSave(m_dir.filePath(QStringLiteral("story")));
        trigger("mnu_ExportVideo");
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                "stream=codec_name,nb_read_frames", "-of", "csv=p=0", file});
        QVERIFY(probe.waitForFinished(60000));
        // Eight panes of 0.2 s at 25 frames a second; pane 6's words as a subtitle.
        QCOMPARE(probe.readAllStandardOutput().trimmed(), QByteArray("vp9,40\nwebvtt,1"));
        QCOMPARE(m_platform->saveRequests().last().title, QStringLiteral("Export As Video ..."));
    }

    void failureNamesTheFile() {
        openProject();
        const QString file = m_dir.filePath(QStringLiteral("p5.png/story.mp4"));
        answerVideoDialog(0);
        m_platform->answerSave(file);
        m_platform->expectMessage(QStringLiteral("Vistavel : Video Export"));
        trigger("mnu_ExportVideo");
        QVERIFY(m_platform->messages().last().text.contains(QDir::toNativeSeparators(file)));
    }
};

VV_TEST_MAIN(AnimaticWindowTest)
#include "tst_animatic.moc"
