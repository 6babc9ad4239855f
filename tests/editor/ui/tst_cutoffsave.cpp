#include "editor/model/paneswap.h"
#include "editor/model/projectstorage.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace editor;

// A project saved over itself by an editor that is killed at each step of the
// save (or whose commit fails), then opened again in a fresh window: it shows
// one save whole, never the texts of one with the pictures of the other.

namespace {

struct Colour {
    QRgb rgb;
    QString name;
};
const Colour kColours[] = {{qRgb(255, 0, 0), QStringLiteral("red")},
                           {qRgb(0, 255, 0), QStringLiteral("green")},
                           {qRgb(0, 0, 255), QStringLiteral("blue")},
                           {qRgb(255, 255, 0), QStringLiteral("yellow")}};

// A fault the child meets at a step: killed there, or a folder standing where
// its project file goes, so that moving the new one into place fails.
enum class Fault { Kill, BlockCommit, None };

// Run as a child: opens the project, swaps its panes in pairs, saves it over
// itself and meets the fault at the step.
int saveWithFault(const QString& fileName, int step, Fault fault) {
    testsupport::FakePlatform platform;
    frmMain window(platform);
    window.OpenProjectFile(fileName);
    SwapPanes(window.project(), 1, 2);
    SwapPanes(window.project(), 3, 4);
    const ProjectPaths paths = projectPaths(fileName);
    const QString aside = fileName + QStringLiteral(".aside");
    const QStringList unwritten =
        saveProject(window.project(), paths, 4, 1, window.workFolder(), PictureCopies::CopyChanged,
                    [&](SaveStep done) {
                        if (int(done) != step)
                            return;
                        if (fault == Fault::Kill)
                            ::raise(SIGKILL);
                        QFile::rename(fileName, aside);
                        QDir().mkpath(fileName + QStringLiteral("/in the way"));
                    });
    if (fault == Fault::BlockCommit &&
        (!QDir(fileName).removeRecursively() || !QFile::rename(aside, fileName)))
        return 2;
    return unwritten.isEmpty() == (fault == Fault::None) ? 0 : 1;
}

} // namespace

class CutOffSaveTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    QString file(const QString& name) const {
        return QDir(m_platform->programFolder()).filePath(name);
    }
    QStringList leftovers() const {
        return QDir(m_platform->programFolder())
            .entryList({QStringLiteral(".saving-*")}, QDir::AllEntries | QDir::Hidden);
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() { QVERIFY2(closeWindow().isEmpty(), "unexpected platform traffic"); }

    void aSaveCutOffAnywhereLeavesOneWholeProject_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("newer");
        QTest::newRow("killed with the new folder built")
            << int(SaveStep::FolderBuilt) << int(Fault::Kill) << false;
        QTest::newRow("killed with it on the disk")
            << int(SaveStep::FolderDurable) << int(Fault::Kill) << false;
        QTest::newRow("killed after the exchange: the open completes the save")
            << int(SaveStep::FoldersExchanged) << int(Fault::Kill) << true;
        QTest::newRow("killed after the commit")
            << int(SaveStep::ProjectFileCommitted) << int(Fault::Kill) << true;
        QTest::newRow("the commit fails: the earlier folder comes back")
            << int(SaveStep::FoldersExchanged) << int(Fault::BlockCommit) << false;
        QTest::newRow("not cut off") << -1 << int(Fault::None) << true;
    }
    void aSaveCutOffAnywhereLeavesOneWholeProject() {
        QFETCH(int, step);
        QFETCH(int, fault);
        QFETCH(bool, newer);
        for (int pane = 1; pane <= 4; ++pane) {
            const Colour& colour = kColours[pane - 1];
            QVERIFY(!testsupport::givePicture(*m_window, pane,
                                              testsupport::filledPicture(colour.rgb, QSize(50, 50)),
                                              file(QStringLiteral("in/Shot%1.bmp").arg(pane)))
                         .isEmpty());
            m_window->project().Panes[pane].Text = colour.name;
        }
        m_platform->answerSave(file(QStringLiteral("Trip.vv1")));
        m_window->findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->trigger();
        // A file the project does not name stays in its picture folder.
        QFile notes(file(QStringLiteral("Trip_Data/notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("mine");
        notes.close();

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-with-fault"), file(QStringLiteral("Trip.vv1")),
                     QString::number(step), QString::number(fault)});
        QVERIFY(child.waitForFinished(120000));
        if (Fault(fault) == Fault::Kill) {
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 0);
        }

        m_window.reset();
        m_window = std::make_unique<frmMain>(*m_platform);
        m_window->OpenProjectFile(file(QStringLiteral("Trip.vv1")));
        const int swapped[] = {0, 2, 1, 4, 3};
        for (int pane = 1; pane <= 4; ++pane) {
            const Colour& shown = kColours[(newer ? swapped[pane] : pane) - 1];
            const PaneRecord& record = m_window->project().Panes[pane];
            QCOMPARE(record.Text, shown.name);
            const QImage bitmap(record.WorkPicture);
            QCOMPARE(bitmap.pixel(bitmap.width() / 2, bitmap.height() / 2), shown.rgb);
        }
        QVERIFY(QFileInfo::exists(notes.fileName()));
        QVERIFY(!QFileInfo::exists(file(QStringLiteral("Trip_Data/.saving-project.vv1"))));

        // The next save clears away whatever the cut-off one left.
        m_platform->answerSave(file(QStringLiteral("Trip.vv1")));
        m_window->findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->trigger();
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(QDir(file(QStringLiteral("Trip_Data")))
                     .entryList({QStringLiteral(".saving-*")}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
        QVERIFY(QFileInfo::exists(notes.fileName()));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", "1");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--save-with-fault"))
        return saveWithFault(arguments.at(2), arguments.at(3).toInt(),
                             Fault(arguments.at(4).toInt()));
    CutOffSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cutoffsave.moc"
