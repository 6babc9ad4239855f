#include "accessiblecontrols.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "platform/picturewidget.h"
#include "testmain.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>

using namespace editor;

namespace {

// The stage's selection and focus events, as "Selection 2" with the child's index.
QStringList* g_stageEvents = nullptr;

void recordStageEvent(QAccessibleEvent* event) {
    if (!g_stageEvents || event->object()->objectName() != QLatin1String("picStage"))
        return;
    if (event->type() == QAccessible::Selection || event->type() == QAccessible::Focus)
        g_stageEvents->append(QStringLiteral("%1 %2")
                                  .arg(event->type() == QAccessible::Focus ? "Focus" : "Selection")
                                  .arg(event->child()));
}

} // namespace

// What a screen reader reads of the editor, asked in-process through QAccessible.
class AccessibilityTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QAccessibleInterface* stage() {
        return QAccessible::queryAccessibleInterface(child<platform::PictureWidget>("picStage"));
    }
    void press(int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void everyControlOfTheWindowAndItsDialogsIsNamed() {
        QCOMPARE(testsupport::unnamedControls(m_window.get()), QStringList());
        const QStringList names = testsupport::controlNames(m_window.get());
        for (const char* named :
             {"List1: Panes", "Text1: Pane text", "picStage: Stage", "Combo_PageView: Board"})
            QVERIFY2(names.contains(QLatin1String(named)), named);
        for (QDialog* dialog : m_window->findChildren<QDialog*>()) {
            // The paper dialog names its own controls.
            if (dialog->objectName() == QLatin1String("frmPaper"))
                continue;
            const QStringList unnamed = testsupport::unnamedControls(dialog);
            QVERIFY2(unnamed.isEmpty(),
                     qPrintable(dialog->objectName() + QLatin1Char(' ') + unnamed.join(", ")));
        }
        QVERIFY(testsupport::controlNames(child<QDialog>("frmAddNew"))
                    .contains(QStringLiteral("Text_BoardAmount: Boards")));
        QVERIFY(testsupport::controlNames(child<QDialog>("frmOptions"))
                    .contains(QStringLiteral("Text1_1: URL")));
    }

    void everyDialogClosesWithEscape() {
        for (QDialog* dialog : m_window->findChildren<QDialog*>()) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY2(!dialog->isVisible(), qPrintable(dialog->objectName()));
        }
    }

    void stageHasAChildPerPaneOfTheBoardOnShow() {
        project().GridSize = 2;
        project().BoardCount = 2;
        PaneRecord& three = project().Panes[3];
        three.Label = QStringLiteral("Harbour at dawn");
        three.Text = QStringLiteral("Boats leave before the sun");
        three.FlipH = 1;
        project().Panes[6].FlipV = 1;
        m_window->RebuildLists();
        m_window->RefreshBoard();

        QAccessibleInterface* board = stage();
        QCOMPARE(board->role(), QAccessible::List);
        QCOMPARE(board->childCount(), 4);
        QAccessibleInterface* pane = board->child(2);
        QCOMPARE(pane->role(), QAccessible::ListItem);
        QCOMPARE(pane->text(QAccessible::Name), QStringLiteral("Pane 3, Harbour at dawn"));
        QCOMPARE(pane->text(QAccessible::Description),
                 QStringLiteral("Boats leave before the sun"));
        QCOMPARE(pane->text(QAccessible::Value), QStringLiteral("Flipped horizontally"));
        QCOMPARE(board->indexOfChild(pane), 2);
        QCOMPARE(pane->parent(), board);
        QCOMPARE(board->childAt(pane->rect().center().x(), pane->rect().center().y()), pane);
        QCOMPARE(board->child(0)->text(QAccessible::Name), QStringLiteral("Pane 1, blank"));
        QCOMPARE(board->child(0)->text(QAccessible::Description), QString());

        // The next board: the same children tell of its panes.
        child<QComboBox>("Combo_PageView")->setCurrentIndex(1);
        QCOMPARE(board->child(1)->text(QAccessible::Name), QStringLiteral("Pane 6, blank"));
        QCOMPARE(board->child(1)->text(QAccessible::Value), QStringLiteral("Flipped vertically"));
    }

    void selectionAndFocusFollowTheArrows() {
        // A desktop's bridge comes up a moment after the program starts.
        if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 2000))
            QSKIP("no accessibility bridge on this platform");
        QStringList events;
        g_stageEvents = &events;
        const QAccessible::UpdateHandler previous =
            QAccessible::installUpdateHandler(recordStageEvent);
        child<QWidget>("picStage")->setFocus();
        events.clear();
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QAccessible::installUpdateHandler(previous);
        g_stageEvents = nullptr;
        QCOMPARE(events, QStringList({"Selection 1", "Focus 1", "Selection 3", "Focus 3"}));
    }

    void selectedAndFocusedStatesFollowTheArrows() {
        child<QWidget>("picStage")->setFocus();
        press(Qt::Key_Right);
        QAccessibleInterface* board = stage();
        QVERIFY(board->child(1)->state().selected);
        QVERIFY(board->child(1)->state().focused);
        QVERIFY(!board->child(0)->state().selected);
        QCOMPARE(board->focusChild(), board->child(1));
        child<QWidget>("Text1")->setFocus();
        QVERIFY(board->child(1)->state().selected);
        QVERIFY(!board->child(1)->state().focused);
    }
};

VV_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
