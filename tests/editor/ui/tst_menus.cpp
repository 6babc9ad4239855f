#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace editor;

namespace {

struct Item {
    QString name; // "-" for a separator
    QString caption;
    QString shortcut;
    bool enabled;
};

struct MenuRow {
    QString name;
    QString caption;
    QList<Item> items;
};

Item sep() {
    return {QStringLiteral("-"), QString(), QString(), true};
}
Item item(const char* name, const char* caption, bool enabled = true, const char* shortcut = "") {
    return {QLatin1String(name), QLatin1String(caption), QLatin1String(shortcut), enabled};
}

const QList<MenuRow>& menuTable() {
    static const QList<MenuRow> table = {
        {"mnu_File",
         "File",
         {item("mnu_ChangeProject", "Change Project ..."),
          item("mnu_OpenProject", "Open Project ..."),
          item("mnu_RecentProjectsMenu", "Recent Projects"), sep(),
          item("mnu_Save", "Save Project", true, "Ctrl+S"),
          item("mnu_SaveAs", "Save Project As ..."), sep(),
          item("mnu_MassImage", "Mass Image Import ..."),
          item("mnu_ExportHTML", "Export As Html ..."), item("mnu_ExportPDF", "Export As PDF ..."),
          item("mnu_Print", "Print ..."), item("mnu_ExportVideo", "Export As Video ..."), sep(),
          item("mnu_Exit", "Exit")}},
        {"mnu_Edit",
         "Edit",
         {item("mnu_Undo", "Undo", false, "Alt+Backspace"),
          item("mnu_Redo", "Redo", false, "Ctrl+Shift+Z"), sep(),
          item("mnu_CopyPicture", "Copy Picture", false, "Ctrl+C"),
          item("mnu_PastePicture", "Paste Picture", false, "Ctrl+V")}},
        {"mnu_Panes",
         "Pane",
         {item("mnu_Closeup", "Closeup", false), sep(), item("mnu_LoadPicture", "Picture ..."),
          sep(), item("mnu_FlipHorizontally", "Flip Horizontally", false, "Ctrl+Z"),
          item("mnu_FlipVertically", "Flip Vertically", false, "Ctrl+X"), sep(),
          item("mnu_MakeBlank", "Make as Blank", false), sep(),
          item("mnu_RandomShuffle", "Image Shuffle", true, "Ctrl+D"),
          item("mnu_Options", "Properties ...")}},
        {"mnu_Board",
         "Board",
         {item("mnu_BoardChangeProject", "Change Project ..."), sep(),
          item("mnu_BoardOptions", "Properties ..."), sep(), item("mnu_Play", "Play", true, "F5")}},
        {"mnuHelp",
         "Help",
         {item("mnu_Help", "Help"), item("mnu_UserGuide", "User Guide"), sep(),
          item("mnu_About", "About")}},
        {"mnu_RecentProjects",
         "Recent Projects",
         {sep(), item("mnu_ClearRecentProjects", "Clear Recent Projects", false)}},
        {"mnu_EditList",
         "Edit List",
         {item("mnu_Swap", "Swap Item"), sep(), item("mnu_Remove", "Remove Item"), sep(),
          item("mnu_ClearAll", "Clear All")}},
    };
    return table;
}

QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuTreeMatchesTheTable() {
        testsupport::FakePlatform platform;
        frmMain window(platform);
        QStringList barMenus;
        for (QAction* action : window.menuBar()->actions())
            barMenus << action->menu()->objectName();
        QCOMPARE(barMenus,
                 QStringList({"mnu_File", "mnu_Edit", "mnu_Panes", "mnu_Board", "mnuHelp"}));
        for (const MenuRow& row : menuTable()) {
            auto* menu = window.findChild<QMenu*>(row.name);
            QVERIFY2(menu, qPrintable(row.name));
            QCOMPARE(withoutAccessKey(menu->title()), row.caption);
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), row.items.size());
            for (int i = 0; i < actions.size(); ++i) {
                const Item& expected = row.items.at(i);
                QAction* action = actions.at(i);
                if (expected.name == QLatin1String("-")) {
                    QVERIFY2(action->isSeparator(), qPrintable(row.name + QString::number(i)));
                    continue;
                }
                QCOMPARE(action->objectName(), expected.name);
                QCOMPARE(action->text(), expected.caption);
                QCOMPARE(action->shortcut(), QKeySequence(expected.shortcut));
                QCOMPARE(action->isEnabled(), expected.enabled);
            }
        }
        QVERIFY(platform.problems().isEmpty());
    }

    // The guide beside the program opens in the browser; without it, a message says so.
    void userGuideOpensInTheBrowser() {
        testsupport::FakePlatform platform;
        frmMain window(platform);
        const QString guide =
            QDir::cleanPath(platform.programFolder() + "/../share/doc/vistavel/guide.html");
        platform.expectMessage(QStringLiteral("Vistavel : User Guide"));
        window.findChild<QAction*>(QStringLiteral("mnu_UserGuide"))->trigger();
        QVERIFY(platform.openedUrls().isEmpty());
        QVERIFY(QDir().mkpath(QFileInfo(guide).path()));
        QFile file(guide);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        window.findChild<QAction*>(QStringLiteral("mnu_UserGuide"))->trigger();
        QCOMPARE(platform.openedUrls(), QList<QUrl>({QUrl::fromLocalFile(guide)}));
        QVERIFY(platform.problems().isEmpty());
    }

    void shortcutsRunTheirCommands() {
        testsupport::FakePlatform platform;
        frmMain window(platform);
        QVERIFY(!testsupport::givePicture(
                     window, 1, testsupport::filledPicture(Qt::red),
                     QDir(platform.programFolder()).filePath(QStringLiteral("Shot01.bmp")))
                     .isEmpty());
        const PaneRecord& pane = window.project().Panes[1];
        window.RefreshBoard();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The flips are greyed until a press on a pane with a picture.
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane.FlipH, qint16(0));
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("picStage")), Qt::LeftButton,
                          {}, QPoint(100, 100));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane.FlipH, qint16(1));
        QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(pane.FlipV, qint16(1));

        // Undo and redo by their shortcuts.
        QTest::keyClick(&window, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(pane.FlipV, qint16(0));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pane.FlipV, qint16(1));
        QTest::keyClick(&window, Qt::Key_Backspace, Qt::AltModifier);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(pane.FlipV, qint16(1));
        QCOMPARE(pane.FlipH, qint16(1));

        // They win over the pane text box's undo and cut while enabled ...
        auto* text = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        text->setFocus();
        text->selectAll();
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pane.FlipV, qint16(0));
        QCOMPARE(pane.FlipH, qint16(0));
        QCOMPARE(text->text(), QStringLiteral("ToUse"));
        // ... and so do undo and redo while they are enabled.
        QTest::keyClick(text, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(pane.FlipH, qint16(1));
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pane.FlipH, qint16(0));
        QTest::keyClick(text, Qt::Key_Backspace, Qt::AltModifier);
        QTest::keyClick(text, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(pane.FlipH, qint16(0));
        QCOMPARE(text->text(), QStringLiteral("ToUse"));
        // ... and the box has them back while the flips are greyed (pane 2 is blank).
        const int paneSize = window.paneSize();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("picStage")), Qt::LeftButton,
                          {}, QPoint(paneSize + 100, 100));
        text->setFocus();
        text->selectAll();
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(text->text(), QString());
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->text(), QStringLiteral("ToUse"));
        QCOMPARE(window.project().Panes[1].FlipH, qint16(0));

        // Ctrl+D starts the image shuffle with its notice.
        bool noticeShown = false;
        testsupport::answerModal(this, [&](QDialog* dialog) {
            noticeShown = dialog->objectName() == QLatin1String("frmMsgBox");
        });
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY(noticeShown);
        platform.expectMessage(QStringLiteral("Vistavel : Save Changes"),
                               platform::MessageAnswer::Discard);
        window.close();
        QVERIFY(platform.problems().isEmpty());
    }
};

VV_TEST_MAIN(MenusTest)
#include "tst_menus.moc"
