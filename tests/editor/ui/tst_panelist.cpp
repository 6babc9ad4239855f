#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace editor;
using testsupport::listEntries;

namespace {} // namespace

class PaneListTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QListWidget* paneList() { return child<QListWidget>("List1"); }
    QLineEdit* textBox() { return child<QLineEdit>("Text1"); }
    QPushButton* swapButton() { return child<QPushButton>("cmdButton"); }
    QComboBox* boardList() { return child<QComboBox>("Combo_PageView"); }
    void clickEntry(int row, Qt::MouseButton button = Qt::LeftButton) {
        QListWidgetItem* item = paneList()->item(row);
        paneList()->scrollToItem(item);
        QTest::mouseClick(paneList()->viewport(), button, {},
                          paneList()->visualItemRect(item).center());
    }
    void type(const QString& text) {
        textBox()->clear();
        QTest::keyClicks(textBox(), text);
    }
    // Boards set up on the record, with the pane texts given, as a project change leaves them.
    void setBoards(int grid, int boards, const QMap<int, QString>& texts = {}) {
        project().GridSize = qint16(grid);
        project().BoardCount = qint16(boards);
        for (auto it = texts.begin(); it != texts.end(); ++it)
            project().Panes[it.key()].Text = it.value();
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void editListMenuHoldsItsThreeCommands() {
        QStringList captions, names;
        for (const QAction* action : child<QMenu>("mnu_EditList")->actions()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
            names << action->objectName();
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(captions, QStringList({"Swap Item", "-", "Remove Item", "-", "Clear All"}));
        QCOMPARE(names, QStringList({"mnu_Swap", "sep07", "mnu_Remove", "sep08", "mnu_ClearAll"}));
    }

    void clickingAnEntryGoesToTheBoardThatHoldsIt() {
        setBoards(3, 2, {{10, "ten"}, {12, "twelve"}, {13, "thirteen"}});
        clickEntry(12); // 013. thirteen, on board 2
        QCOMPARE(boardList()->currentIndex(), 1);
        QCOMPARE(boardList()->currentText(), QStringLiteral("Board 02"));
        // The redraw moved the selection to the board's first pane.
        QCOMPARE(paneList()->currentRow(), 9);
        QCOMPARE(textBox()->text(), QStringLiteral("ten"));
        QCOMPARE(project().SelectedPane, qint16(10));
        QCOMPARE(project().Panes[1].StagePos, QPoint(0, 0));

        // An entry of the board on show: no redraw, the entry itself is shown.
        clickEntry(11);
        QCOMPARE(boardList()->currentIndex(), 1);
        QCOMPARE(paneList()->currentRow(), 11);
        QCOMPARE(textBox()->text(), QStringLiteral("twelve"));
        QCOMPARE(project().SelectedPane, qint16(12));

        clickEntry(0);
        QCOMPARE(boardList()->currentIndex(), 0);
        QCOMPARE(textBox()->text(), QStringLiteral("ToUse"));
        QCOMPARE(project().SelectedPane, qint16(1));

        // An entry of another board reached by the keys, then pressed: its
        // release must not select it again behind the board's first pane.
        clickEntry(8);
        QTest::keyClick(paneList(), Qt::Key_Down);
        QTest::keyClick(paneList(), Qt::Key_Down);
        QCOMPARE(project().SelectedPane, qint16(11));
        clickEntry(10);
        QCOMPARE(boardList()->currentIndex(), 1);
        QCOMPARE(paneList()->selectedItems(), QList<QListWidgetItem*>({paneList()->item(9)}));
        QCOMPARE(textBox()->text(), QStringLiteral("ten"));
        QCOMPARE(project().SelectedPane, qint16(10));
        QTest::mouseClick(swapButton(), Qt::LeftButton);
        QCOMPARE(project().Panes[11].Text, kUnsetText);
    }

    void swapStoresTheTrimmedText() {
        clickEntry(1);
        type(QStringLiteral("  Opening shot  "));
        QTest::mouseClick(swapButton(), Qt::LeftButton);
        QCOMPARE(paneList()->item(1)->text(), QStringLiteral("002. Opening shot"));
        QCOMPARE(project().Panes[2].Text, QStringLiteral("Opening shot"));

        clickEntry(3);
        type(QStringLiteral(" Close-up"));
        trigger("mnu_Swap");
        QCOMPARE(project().Panes[4].Text, QStringLiteral("Close-up"));
        QCOMPARE(listEntries(paneList()),
                 QStringList({"001. ToUse", "002. Opening shot", "003. ToUse", "004. Close-up"}));
        // Labels, addresses and the stage stay as they were.
        QCOMPARE(project().Panes[4].Label, kUnsetText);
        QCOMPARE(project().Panes[4].URL, kUnsetText);
    }

    void emptyOrBlankTextIsNotStored() {
        clickEntry(2);
        QVERIFY(swapButton()->isEnabled());
        textBox()->selectAll();
        QTest::keyClick(textBox(), Qt::Key_Delete);
        QVERIFY(!swapButton()->isEnabled());
        trigger("mnu_Swap");
        QCOMPARE(paneList()->item(2)->text(), QStringLiteral("003. ToUse"));

        // Blanks only would leave the pane with an empty text: refused as well.
        type(QStringLiteral("   "));
        QVERIFY(swapButton()->isEnabled());
        QTest::mouseClick(swapButton(), Qt::LeftButton);
        QCOMPARE(paneList()->item(2)->text(), QStringLiteral("003. ToUse"));
        QCOMPARE(project().Panes[3].Text, kUnsetText);
    }

    void removeAndClearAllSetTextsUnset() {
        setBoards(2, 3, {{3, "three"}, {5, "five"}, {12, "twelve"}});
        clickEntry(2);
        trigger("mnu_Remove");
        QCOMPARE(paneList()->item(2)->text(), QStringLiteral("003. ToUse"));
        QCOMPARE(project().Panes[3].Text, kUnsetText);
        QCOMPARE(project().Panes[5].Text, QStringLiteral("five"));

        type(QStringLiteral("kept"));
        trigger("mnu_ClearAll");
        QStringList expected;
        for (int pane = 1; pane <= 12; ++pane) {
            expected << QStringLiteral("%1. ToUse").arg(pane, 3, 10, QLatin1Char('0'));
            QCOMPARE(project().Panes[pane].Text, kUnsetText);
        }
        QCOMPARE(listEntries(paneList()), expected);
        QCOMPARE(paneList()->currentRow(), -1);
        QCOMPARE(textBox()->text(), QStringLiteral("kept"));

        // With no entry selected, store and remove do nothing, even once the list
        // got the focus back without a click and made its first row current.
        QTest::mouseClick(swapButton(), Qt::LeftButton);
        trigger("mnu_Remove");
        QCOMPARE(listEntries(paneList()), expected);
        paneList()->setFocus(Qt::TabFocusReason);
        QCOMPARE(paneList()->currentRow(), 0);
        trigger("mnu_Swap");
        QCOMPARE(listEntries(paneList()), expected);
        QCOMPARE(project().Panes[1].Text, kUnsetText);
    }

    void pane1000LosesItsLeadingBlankWhenStored() {
        const QString longest(256, QLatin1Char('x'));
        setBoards(5, 40, {{999, "Finale"}, {1000, longest}});
        clickEntry(998); // goes to board 40 first
        QCOMPARE(boardList()->currentIndex(), 39);
        clickEntry(999);
        QCOMPARE(project().SelectedPane, qint16(1000));
        QCOMPARE(textBox()->text(), QLatin1Char(' ') + longest);
        QTest::mouseClick(swapButton(), Qt::LeftButton);
        QCOMPARE(project().Panes[1000].Text, longest);
        QCOMPARE(paneList()->item(999)->text(), QStringLiteral("1000. ") + longest);

        clickEntry(998);
        QCOMPARE(textBox()->text(), QStringLiteral("Finale"));
    }

    void otherButtonsPopUpTheEditListOnce() {
        auto* menu = child<QMenu>("mnu_EditList");
        int shown = 0;
        connect(menu, &QMenu::aboutToShow, this, [&shown] { ++shown; });
        clickEntry(1);
        clickEntry(3, Qt::RightButton);
        QCOMPARE(shown, 1);
        QTRY_COMPARE(QApplication::activePopupWidget(), menu);
        QCOMPARE(paneList()->currentRow(), 1);
        QCOMPARE(project().SelectedPane, qint16(2));
        menu->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
};

VV_TEST_MAIN(PaneListTest)
#include "tst_panelist.moc"
