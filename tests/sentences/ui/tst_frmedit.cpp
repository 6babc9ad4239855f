#include "sentences/engine/definitionlists.h"
#include "sentences/ui/frmedit.h"
#include "testmain.h"
#include "widgetdriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using sentences::DefinitionLists;
using sentences::frmEdit;
using namespace widgetdriver;

class tst_frmEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensOnFirstTypeWithItsWords();
    void typeChooserShowsChosenList();
    void editBoxRefusesWhatTheFileCannotStore_data();
    void editBoxRefusesWhatTheFileCannotStore();
    void newItemAppendsAndKeepsTheWord();
    void newFollowsTheEditBox();
    void fullListTakesNoNewWordButSwaps();
    void leftClickTakesWordRightClickShowsMenu();
    void swapReplacesSelectedWord();
    void swapNeedsWordAndSelection();
    void removeCompactsTheList();
    void listWithGapsKeepsEveryShownWord();
    void clearThenClose();
    void loadDefaultsRestoresEveryType();

private:
    QLineEdit* text() const { return m_edit->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QListWidget* list() const { return m_edit->findChild<QListWidget*>(QStringLiteral("List1")); }
    QPushButton* button(const char* name) const {
        return m_edit->findChild<QPushButton*>(QLatin1String(name));
    }
    QPushButton* newButton() const { return button("cmdButton_1"); }
    QPushButton* swapButton() const { return button("cmdButton_0"); }
    void showType(int type, const QStringList& words);

    std::unique_ptr<DefinitionLists> m_lists;
    std::unique_ptr<frmEdit> m_edit;
};

void tst_frmEdit::init() {
    m_lists = std::make_unique<DefinitionLists>();
    m_lists->loadDefaults();
    m_edit = std::make_unique<frmEdit>(*m_lists);
    m_edit->selectType(0);
    m_edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_edit.get()));
}

void tst_frmEdit::cleanup() {
    m_edit.reset();
    m_lists.reset();
}

// Puts the words into entries 0 onward of a type and shows it.
void tst_frmEdit::showType(int type, const QStringList& words) {
    for (int i = 0; i < DefinitionLists::EntryCount; ++i)
        m_lists->setEntry(type, i, words.value(i));
    m_edit->selectType(type);
}

void tst_frmEdit::opensOnFirstTypeWithItsWords() {
    QCOMPARE(m_edit->windowTitle(), QStringLiteral("Edit : Definitions"));
    const auto* types = m_edit->findChild<QComboBox*>(QStringLiteral("Combo_Def"));
    QCOMPARE(types->count(), 7);
    QCOMPARE(types->currentText(), QStringLiteral("Protagonist Base"));
    QCOMPARE(lines(list()), (QStringList{"He", "She", "It", "They"}));
    QVERIFY(newButton()->isEnabled());
    QVERIFY(isEnabled(*m_edit, "mnu_New"));
    QVERIFY(!swapButton()->isEnabled());
    QVERIFY(!isEnabled(*m_edit, "mnu_Swap"));
    QVERIFY(!isEnabled(*m_edit, "mnu_Remove"));
    QVERIFY(isEnabled(*m_edit, "mnu_Clear"));
    QCOMPARE(newButton()->text(), QStringLiteral("new"));
    QCOMPARE(swapButton()->text(), QStringLiteral("swap"));
}

void tst_frmEdit::typeChooserShowsChosenList() {
    auto* types = m_edit->findChild<QComboBox*>(QStringLiteral("Combo_Def"));
    QVERIFY(choose(types, 6));
    QCOMPARE(list()->count(), 14);
    QCOMPARE(list()->item(13)->text(), QStringLiteral("tight"));
}

void tst_frmEdit::editBoxRefusesWhatTheFileCannotStore_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("17th character") << QString(17, 'a') << QString(16, 'a');
    QTest::newRow("pad character") << QStringLiteral("smørrebrød") << QStringLiteral("smrrebrd");
    QTest::newRow("outside code page") << QStringLiteral("a→b") << QStringLiteral("ab");
    QTest::newRow("code page letters") << QStringLiteral("café €") << QStringLiteral("café €");
}

void tst_frmEdit::editBoxRefusesWhatTheFileCannotStore() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    type(text(), typed);
    QCOMPARE(text()->text(), kept);
}

void tst_frmEdit::newItemAppendsAndKeepsTheWord() {
    type(text(), QStringLiteral("dragon"));
    QTest::mouseClick(newButton(), Qt::LeftButton);
    QVERIFY(trigger(*m_edit, "mnu_New"));
    QCOMPARE(lines(list()), (QStringList{"He", "She", "It", "They", "dragon", "dragon"}));
    QCOMPARE(m_lists->entry(0, 5), QStringLiteral("dragon"));
    QCOMPARE(text()->text(), QStringLiteral("dragon"));
}

void tst_frmEdit::newFollowsTheEditBox() {
    type(text(), QStringLiteral("a"));
    QVERIFY(newButton()->isEnabled());
    QTest::keyClick(text(), Qt::Key_Backspace);
    QVERIFY(!newButton()->isEnabled());
    QVERIFY(!isEnabled(*m_edit, "mnu_New"));
    // A refill enables it whatever the box holds; an empty box then adds nothing.
    m_edit->selectType(1);
    QVERIFY(newButton()->isEnabled());
    QTest::mouseClick(newButton(), Qt::LeftButton);
    QCOMPARE(list()->count(), 16);
}

void tst_frmEdit::fullListTakesNoNewWordButSwaps() {
    QStringList hundred;
    for (int i = 0; i < 100; ++i)
        hundred << QStringLiteral("w%1").arg(i);
    showType(4, hundred);
    QVERIFY(!newButton()->isEnabled());
    type(text(), QStringLiteral("extra"));
    QVERIFY(!newButton()->isEnabled());
    QVERIFY(!isEnabled(*m_edit, "mnu_New"));

    clickLine(list(), 7);
    QCOMPARE(text()->text(), QStringLiteral("w7"));
    text()->selectAll();
    type(text(), QStringLiteral("seven"));
    QVERIFY(!newButton()->isEnabled());
    QTest::mouseClick(swapButton(), Qt::LeftButton);
    QCOMPARE(m_lists->entry(4, 7), QStringLiteral("seven"));
    QCOMPARE(list()->item(7)->text(), QStringLiteral("seven"));
    QCOMPARE(list()->count(), 100);
}

void tst_frmEdit::leftClickTakesWordRightClickShowsMenu() {
    clickLine(list(), 1);
    QCOMPARE(text()->text(), QStringLiteral("She"));
    QVERIFY(swapButton()->isEnabled());
    QVERIFY(isEnabled(*m_edit, "mnu_Swap"));
    QVERIFY(isEnabled(*m_edit, "mnu_Remove"));

    clickLine(list(), 3, Qt::RightButton);
    auto* menu = m_edit->findChild<QMenu*>(QStringLiteral("mnu_Edit"));
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(text()->text(), QStringLiteral("She"));
}

void tst_frmEdit::swapReplacesSelectedWord() {
    clickLine(list(), 2);
    text()->selectAll();
    type(text(), QStringLiteral("We"));
    QVERIFY(trigger(*m_edit, "mnu_Swap"));
    QCOMPARE(lines(list()), (QStringList{"He", "She", "We", "They"}));
    QCOMPARE(m_lists->entry(0, 2), QStringLiteral("We"));
    // Every store disables the commands that need a selected line.
    QVERIFY(!swapButton()->isEnabled());
    QVERIFY(!isEnabled(*m_edit, "mnu_Remove"));
}

void tst_frmEdit::swapNeedsWordAndSelection() {
    QVERIFY(!trigger(*m_edit, "mnu_Swap")); // no line selected yet
    clickLine(list(), 0);
    text()->clear();
    QVERIFY(trigger(*m_edit, "mnu_Swap"));
    QCOMPARE(m_lists->entry(0, 0), QStringLiteral("He"));
    QCOMPARE(lines(list()), (QStringList{"He", "She", "It", "They"}));
}

void tst_frmEdit::removeCompactsTheList() {
    showType(2, {"a", "b", "c", "d", "e"});
    QVERIFY(!isEnabled(*m_edit, "mnu_Remove"));
    clickLine(list(), 2);
    QVERIFY(trigger(*m_edit, "mnu_Remove"));
    QCOMPARE(lines(list()), (QStringList{"a", "b", "d", "e"}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_lists->entry(2, i), lines(list()).at(i));
    QCOMPARE(m_lists->entry(2, 4), QString());
    QCOMPARE(list()->currentRow(), -1);
    QVERIFY(!isEnabled(*m_edit, "mnu_Remove"));
}

void tst_frmEdit::listWithGapsKeepsEveryShownWord() {
    // As a loaded file may leave them: entries 0 and 2 filled, 1 empty.
    showType(5, {});
    m_lists->setEntry(5, 0, QStringLiteral("first"));
    m_lists->setEntry(5, 2, QStringLiteral("third"));
    m_edit->selectType(5);
    QCOMPARE(lines(list()), (QStringList{"first", "third"}));

    type(text(), QStringLiteral("added"));
    QTest::mouseClick(newButton(), Qt::LeftButton);
    QCOMPARE(m_lists->words(5), (QStringList{"first", "third", "added"}));

    clickLine(list(), 1);
    text()->selectAll();
    type(text(), QStringLiteral("second"));
    QTest::mouseClick(swapButton(), Qt::LeftButton);
    QCOMPARE(lines(list()), (QStringList{"first", "second", "added"}));
    QCOMPARE(m_lists->words(5), lines(list()));
    QCOMPARE(m_lists->entry(5, 1), QStringLiteral("second"));
}

void tst_frmEdit::clearThenClose() {
    QSignalSpy closed(m_edit.get(), &frmEdit::definitionsClosed);
    QVERIFY(trigger(*m_edit, "mnu_Clear"));
    QCOMPARE(list()->count(), 0);
    QVERIFY(!isEnabled(*m_edit, "mnu_Clear"));
    QCOMPARE(m_lists->words(0), QStringList());
    QVERIFY(newButton()->isEnabled());

    QVERIFY(trigger(*m_edit, "mnu_Close"));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_edit->isVisible());

    // The frame's close button hides it without asking for a refresh.
    m_edit->show();
    m_edit->close();
    QCOMPARE(closed.count(), 1);
}

void tst_frmEdit::loadDefaultsRestoresEveryType() {
    showType(3, {"x"});
    showType(6, {});
    m_lists->setEntry(0, 4, QStringLiteral("fifth"));
    m_edit->selectType(0);
    clickLine(list(), 0);
    QVERIFY(trigger(*m_edit, "mnu_Defaults"));
    QCOMPARE(lines(list()), (QStringList{"He", "She", "It", "They"}));
    DefinitionLists defaults;
    defaults.loadDefaults();
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        QCOMPARE(m_lists->words(type), defaults.words(type));
    QCOMPARE(m_lists->entry(0, 4), QString());
    QVERIFY(!swapButton()->isEnabled());
}

VV_TEST_MAIN(tst_frmEdit)
#include "tst_frmedit.moc"
