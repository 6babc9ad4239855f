#include "accessiblecontrols.h"
#include "dragdriver.h"
#include "fakeplatform.h"
#include "sentences/engine/definitionsfile.h"
#include "sentences/ui/frmmain.h"
#include "testmain.h"
#include "widgetdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using platform::MessageAnswer;
using sentences::DefinitionLists;
using sentences::frmMain;
using namespace widgetdriver;

namespace {

const QStringList JumpingIntoTheCar = {"He", "can", "jump", "ing", "car", "into the", "quickly"};

QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `answer` on the modal window that the next action opens.
void whenModal(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithDefaultWordsAndNothingChosen();
    void menusAndShortcuts();
    void choosingWordsComposes();
    void previewAdditiveBox();
    void activeSwitchRecomposesAtOnce();
    void previewLineGoesToOutput();
    void eraseButtonsAndClear();
    void randomSentenceAndParagraph();
    void resetReturnsEveryChooserToBlank();
    void saveOutputAndDefinitions();
    void failedSaveIsReported();
    void noBreakSpacesStayInTheOutput();
    void loadDefinitionsRebuildsChoosers();
    void droppedDefinitionsLoad_data();
    void droppedDefinitionsLoad();
    void editorCloseRefreshesChoosers();
    void editorOpensCentredOnTheMainWindow();
    void helpAndAbout();
    void unsavedWorkIsAskedAbout_data();
    void unsavedWorkIsAskedAbout();
    void everyControlIsNamedAndTabsRowByRow();

private:
    QComboBox* chooser(int type) const {
        return m_main->findChild<QComboBox*>(QStringLiteral("ComboWords_%1").arg(type));
    }
    template <typename T> T* in(const char* frame, const char* name) const {
        return m_main->findChild<QGroupBox*>(QLatin1String(frame))
            ->findChild<T*>(QLatin1String(name));
    }
    QListWidget* preview() const { return in<QListWidget>("Frame2", "List1"); }
    QPlainTextEdit* output() const { return in<QPlainTextEdit>("Frame3", "Text1"); }
    QCheckBox* activeBox(int index) const {
        return m_main->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(index));
    }
    QCheckBox* additiveBox(int index) const {
        return m_main->findChild<QCheckBox*>(QStringLiteral("Check2_%1").arg(index));
    }
    QPushButton* eraseButton(int index) const {
        return m_main->findChild<QPushButton*>(QStringLiteral("Button_Erase_%1").arg(index));
    }
    QMenuBar& menus() const { return *m_main->menuBar(); }
    void chooseWords(const QStringList& words);
    QList<double> drawsFor(const QStringList& words) const;

    std::unique_ptr<testsupport::FakePlatform> m_platform;
    std::unique_ptr<frmMain> m_main;
};

void tst_frmMain::init() {
    m_platform = std::make_unique<testsupport::FakePlatform>();
    m_main = std::make_unique<frmMain>(*m_platform);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void tst_frmMain::cleanup() {
    const QStringList problems = m_platform->problems();
    m_main.reset();
    m_platform.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// Chooses each word, in type order, from its chooser; an empty word picks the blank.
void tst_frmMain::chooseWords(const QStringList& words) {
    for (int type = 0; type < words.size(); ++type) {
        const int position = chooser(type)->findText(words[type], Qt::MatchExactly);
        QVERIFY2(position >= 0, qPrintable(words[type]));
        QVERIFY(choose(chooser(type), position));
    }
}

QList<double> tst_frmMain::drawsFor(const QStringList& words) const {
    QList<double> draws;
    for (int i = 0; i < words.size(); ++i) {
        const QComboBox* combo = chooser(i % DefinitionLists::TypeCount);
        draws << double(combo->findText(words[i], Qt::MatchExactly)) / (combo->count() - 1);
    }
    return draws;
}

void tst_frmMain::startsWithDefaultWordsAndNothingChosen() {
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Tellwick : VV3 - [Quorvane]"));
    const QList<int> counts = {5, 17, 28, 7, 47, 15, 15};
    for (int type = 0; type < DefinitionLists::TypeCount; ++type) {
        QCOMPARE(chooser(type)->count(), counts[type]);
        QCOMPARE(chooser(type)->itemText(0), QString());
        QCOMPARE(chooser(type)->currentIndex(), -1);
    }
    QCOMPARE(chooser(6)->itemText(14), QStringLiteral("tight"));
    for (int index = 0; index < 4; ++index)
        QVERIFY(activeBox(index)->isChecked());
    QCOMPARE(activeBox(0)->text(), QStringLiteral("Protagonist"));
    for (int index = 0; index < 2; ++index) {
        QVERIFY(!additiveBox(index)->isChecked());
        QCOMPARE(additiveBox(index)->text(), QStringLiteral("Additive"));
        QCOMPARE(eraseButton(index)->text(), QStringLiteral("erase"));
    }
    QCOMPARE(preview()->count(), 0);
    QCOMPARE(preview()->toolTip(), QStringLiteral("Click to Output"));
    QCOMPARE(output()->toPlainText(), QString());
    QCOMPARE(m_main->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
             QStringLiteral("Sentence Preview :"));
    QCOMPARE(m_main->composer().wSummary(), QString());
}

void tst_frmMain::menusAndShortcuts() {
    QStringList shown;
    for (QAction* menu : menus().actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? item->objectName() : item->iconText());
        shown << menu->iconText() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    QCOMPARE(shown, (QStringList{"File: Load, Save, sep01, Exit", "Lists: Edit, sep03, Reset",
                                 "Action: Random Sentence, Random Paragraph, sep04, Clear",
                                 "Help: Help, sep02, About TwK"}));
    QCOMPARE(menus().findChild<QAction*>(QStringLiteral("mnu_RandomSentence"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+D")));
    QCOMPARE(menus().findChild<QAction*>(QStringLiteral("mnu_RandomParagraph"))->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+F")));
    QCOMPARE(menus().actions().first()->text(), QStringLiteral("&File"));

    m_main->activateWindow();
    QTRY_VERIFY(m_main->isActiveWindow());
    m_platform->queueRandom(drawsFor({"It", "", "", "", "", "", ""}));
    QTest::keyClick(m_main.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(output()->toPlainText(), QStringLiteral("It . "));
}

void tst_frmMain::choosingWordsComposes() {
    chooseWords(JumpingIntoTheCar);
    QCOMPARE(lines(preview()), QStringList{"He can jumping into the car quickly"});
    // A blank removes its word; the connector chosen with a blank ending stands apart.
    QVERIFY(choose(chooser(3), 0));
    QCOMPARE(lines(preview()), QStringList{"He can jump into the car quickly"});
    QVERIFY(choose(chooser(5), chooser(5)->findText(QStringLiteral("in the "))));
    QCOMPARE(lines(preview()), QStringList{"He can jump in the car quickly"});
    // Choosing the entry already shown composes again.
    QTest::mouseClick(additiveBox(0), Qt::LeftButton);
    QVERIFY(choose(chooser(0), 1));
    QCOMPARE(lines(preview()),
             (QStringList{"He can jump in the car quickly", "He can jump in the car quickly"}));
}

void tst_frmMain::previewAdditiveBox() {
    QTest::mouseClick(additiveBox(0), Qt::LeftButton);
    chooseWords({"She", "may"});
    QCOMPARE(lines(preview()), (QStringList{"She ", "She may "}));
    QTest::mouseClick(additiveBox(0), Qt::LeftButton);
    QCOMPARE(lines(preview()), QStringList{"She may "});
    QTest::mouseClick(additiveBox(0), Qt::LeftButton);
    QCOMPARE(lines(preview()), QStringList{"She may "});
    chooseWords({"It"});
    QCOMPARE(lines(preview()), (QStringList{"She may ", "It may "}));
}

void tst_frmMain::activeSwitchRecomposesAtOnce() {
    chooseWords(JumpingIntoTheCar);
    QTest::mouseClick(activeBox(2), Qt::LeftButton);
    QVERIFY(!activeBox(2)->isChecked());
    QCOMPARE(lines(preview()), QStringList{"He can jumping quickly"});
    QTest::mouseClick(activeBox(0), Qt::LeftButton);
    QCOMPARE(lines(preview()), QStringList{"jumping quickly"});
}

void tst_frmMain::previewLineGoesToOutput() {
    chooseWords({"They"});
    clickLine(preview(), 0);
    QCOMPARE(output()->toPlainText(), QStringLiteral("They "));
    clickLine(preview(), 0);
    QCOMPARE(output()->toPlainText(), QStringLiteral("They "));

    output()->clear();
    QTest::mouseClick(additiveBox(1), Qt::LeftButton);
    clickLine(preview(), 0);
    clickLine(preview(), 0);
    QCOMPARE(output()->toPlainText(), QStringLiteral(" They  They "));
}

void tst_frmMain::eraseButtonsAndClear() {
    chooseWords({"He"});
    output()->setPlainText(QStringLiteral("text"));
    QTest::mouseClick(eraseButton(1), Qt::LeftButton);
    QCOMPARE(output()->toPlainText(), QString());
    QCOMPARE(preview()->count(), 1);
    output()->setPlainText(QStringLiteral("text"));
    QVERIFY(trigger(menus(), "mnu_Clear"));
    QCOMPARE(output()->toPlainText(), QString());
    QCOMPARE(preview()->count(), 1);
    QTest::mouseClick(eraseButton(0), Qt::LeftButton);
    QCOMPARE(preview()->count(), 0);
}

void tst_frmMain::randomSentenceAndParagraph() {
    m_platform->queueRandom(drawsFor(JumpingIntoTheCar));
    QVERIFY(trigger(menus(), "mnu_RandomSentence"));
    const QString sentence = QStringLiteral("He can jumping into the car quickly. ");
    QCOMPARE(output()->toPlainText(), sentence);
    QCOMPARE(lines(preview()), QStringList{sentence});
    QCOMPARE(chooser(4)->currentText(), QStringLiteral("car"));

    QTest::mouseClick(additiveBox(1), Qt::LeftButton);
    const QStringList second = {"It", "", "open", "s", "door", "the to a", ""};
    m_platform->queueRandom(drawsFor(second + JumpingIntoTheCar + second));
    QVERIFY(trigger(menus(), "mnu_RandomParagraph"));
    const QStringList paragraph = {"It opens the to a door . ", sentence,
                                   "It opens the to a door . "};
    QCOMPARE(lines(preview()), paragraph);
    QCOMPARE(output()->toPlainText(), sentence + paragraph.join(QString()));
}

void tst_frmMain::resetReturnsEveryChooserToBlank() {
    chooseWords(JumpingIntoTheCar);
    output()->setPlainText(QStringLiteral("kept"));
    QVERIFY(trigger(menus(), "mnu_Reset"));
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        QCOMPARE(chooser(type)->currentIndex(), 0);
    QCOMPARE(preview()->count(), 0);
    QCOMPARE(output()->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(m_main->composer().wAction(), QString());
    QCOMPARE(m_main->composer().wSummary(), QString());

    m_platform->queueRandom(drawsFor({"She", "", "", "", "", "", ""}));
    QVERIFY(trigger(menus(), "mnu_RandomSentence"));
    QCOMPARE(output()->toPlainText(), QStringLiteral("She . "));
}

void tst_frmMain::saveOutputAndDefinitions() {
    QTemporaryDir folder;
    output()->setPlainText(QStringLiteral("abc"));
    const QString textFile = folder.filePath(QStringLiteral("story"));
    m_platform->answerSave(textFile, 1);
    QVERIFY(trigger(menus(), "mnu_Save"));
    QCOMPARE(fileBytes(textFile), QByteArray("abc\r\n"));
    const platform::FileChooserRequest request = m_platform->saveRequests().constFirst();
    QCOMPARE(request.title, QStringLiteral("Save as text ..."));
    QCOMPARE(request.filter, QStringLiteral("Output (*.Txt);;Definitions (*.TwK)"));
    QCOMPARE(request.filterIndex, 1);

    const QString definitions = folder.filePath(QStringLiteral("words.TwK"));
    m_platform->answerSave(definitions, 2);
    QVERIFY(trigger(menus(), "mnu_Save"));
    QFile golden(QStringLiteral(TEST_DATA_DIR "/defaults.TwK"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(fileBytes(definitions), golden.readAll());

    m_platform->answerSave(QString());
    QVERIFY(trigger(menus(), "mnu_Save"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

void tst_frmMain::noBreakSpacesStayInTheOutput() {
    output()->setPlainText(QStringLiteral("1\u00A0000\nkm"));
    QTest::mouseClick(additiveBox(1), Qt::LeftButton);
    chooseWords({"They"});
    clickLine(preview(), 0);
    QTemporaryDir folder;
    const QString textFile = folder.filePath(QStringLiteral("story.Txt"));
    m_platform->answerSave(textFile, 1);
    QVERIFY(trigger(menus(), "mnu_Save"));
    QCOMPARE(fileBytes(textFile), QByteArray("1\xA0"
                                             "000\r\nkm They \r\n"));
}

void tst_frmMain::failedSaveIsReported() {
    QTemporaryDir folder;
    m_platform->answerSave(folder.filePath(QStringLiteral("missing/story.Txt")), 1);
    m_platform->expectMessage(QStringLiteral("TwK : Save Problem"));
    QVERIFY(trigger(menus(), "mnu_Save"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void tst_frmMain::loadDefinitionsRebuildsChoosers() {
    chooseWords(JumpingIntoTheCar);
    DefinitionLists lists;
    lists.setEntry(0, 0, QStringLiteral("Ann"));
    lists.setEntry(0, 2, QStringLiteral("Bo"));
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("gaps.TwK"));
    QVERIFY(sentences::definitionsfile::save(fileName, lists, nullptr));

    m_platform->answerOpen(QString());
    QVERIFY(trigger(menus(), "mnu_Load"));
    QCOMPARE(chooser(0)->count(), 5);

    m_platform->answerOpen(fileName);
    QVERIFY(trigger(menus(), "mnu_Load"));
    QCOMPARE(m_platform->openRequests().constLast().title, QStringLiteral("Load Definitions ..."));
    QCOMPARE(m_platform->openRequests().constLast().filter, QStringLiteral("Definitions (*.TwK)"));
    QCOMPARE(chooser(0)->count(), 3);
    QCOMPARE(chooser(0)->itemText(2), QStringLiteral("Bo"));
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        QCOMPARE(chooser(type)->currentIndex(), 0);
    QCOMPARE(chooser(6)->count(), 1);
    QCOMPARE(m_main->composer().wProtagonist(), QString());
    QCOMPARE(m_main->composer().wObjectMOD(), QString());

    QStringList editorShows;
    whenModal([&editorShows](QWidget* editor) {
        editorShows = lines(editor->findChild<QListWidget*>(QStringLiteral("List1")));
        trigger(*editor, "mnu_Close");
    });
    QVERIFY(trigger(menus(), "mnu_Edit"));
    QCOMPARE(editorShows, (QStringList{"Ann", "Bo"}));

    // Loading refills the editor's third type, then its first: "Clear", greyed
    // by clearing the first, comes back when the third has words.
    bool clearEnabled = true;
    whenModal([&clearEnabled](QWidget* editor) {
        clearEnabled = trigger(*editor, "mnu_Clear") &&
                       editor->findChild<QAction*>(QStringLiteral("mnu_Clear"))->isEnabled();
        trigger(*editor, "mnu_Close");
    });
    QVERIFY(trigger(menus(), "mnu_Edit"));
    QVERIFY(!clearEnabled);
    lists.setEntry(0, 0, QString());
    lists.setEntry(0, 2, QString());
    lists.setEntry(2, 0, QStringLiteral("run"));
    QVERIFY(sentences::definitionsfile::save(fileName, lists, nullptr));
    m_platform->expectMessage(QStringLiteral("TwK : Save Changes"), MessageAnswer::Discard);
    m_platform->answerOpen(fileName);
    QVERIFY(trigger(menus(), "mnu_Load"));
    whenModal([&](QWidget* editor) {
        editorShows = lines(editor->findChild<QListWidget*>(QStringLiteral("List1")));
        clearEnabled = editor->findChild<QAction*>(QStringLiteral("mnu_Clear"))->isEnabled();
        trigger(*editor, "mnu_Close");
    });
    QVERIFY(trigger(menus(), "mnu_Edit"));
    QCOMPARE(editorShows, QStringList());
    QVERIFY(clearEnabled);
}

void tst_frmMain::droppedDefinitionsLoad_data() {
    QTest::addColumn<QStringList>("files"); // none: a drag of text
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("modal");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("typedIn");
    QTest::newRow("on the window") << QStringList{"gaps.TwK"} << "window" << false << true << "";
    QTest::newRow("on the Output") << QStringList{"gaps.TwK"} << "output" << false << true << "";
    QTest::newRow("named in capitals")
        << QStringList{"GAPS.TWK"} << "window" << false << true << "";
    QTest::newRow("two at once") << QStringList{"gaps.TwK", "more.TwK"} << "window" << false
                                 << false << "";
    QTest::newRow("another kind of file")
        << QStringList{"notes.txt"} << "window" << false << false << "";
    QTest::newRow("while a dialog waits")
        << QStringList{"gaps.TwK"} << "window" << true << false << "";
    QTest::newRow("text on the Output") << QStringList{} << "output" << false << false << "Ann";
}

void tst_frmMain::droppedDefinitionsLoad() {
    QFETCH(QStringList, files);
    QFETCH(QString, where);
    QFETCH(bool, modal);
    QFETCH(bool, loaded);
    QFETCH(QString, typedIn);
    DefinitionLists lists;
    lists.setEntry(0, 0, QStringLiteral("Ann"));
    QTemporaryDir folder;
    QStringList paths;
    for (const QString& name : files) {
        paths << folder.filePath(name);
        QVERIFY(sentences::definitionsfile::save(paths.last(), lists, nullptr));
    }
    std::unique_ptr<QMimeData> data = testsupport::fileDrag(paths);
    if (files.isEmpty())
        data->setText(QStringLiteral("Ann"));
    QDialog dialog(m_main.get());
    if (modal) {
        dialog.setModal(true);
        dialog.show();
    }
    QWidget* target = where == QLatin1String("output") ? output()->viewport() : m_main.get();
    const bool taken = testsupport::dragAndDrop(target, QPoint(10, 10), data.get());
    if (!files.isEmpty())
        QCOMPARE(taken, loaded);
    QCoreApplication::processEvents(); // the loading runs once the drop is taken
    dialog.hide();
    QCOMPARE(chooser(0)->count(), loaded ? 2 : 5);
    QCOMPARE(output()->toPlainText(), typedIn);
}

void tst_frmMain::editorCloseRefreshesChoosers() {
    chooseWords({"He"});
    bool cleared = false;
    whenModal([&cleared](QWidget* editor) {
        auto* types = editor->findChild<QComboBox*>(QStringLiteral("Combo_Def"));
        cleared =
            choose(types, 6) && trigger(*editor, "mnu_Clear") && trigger(*editor, "mnu_Close");
    });
    QVERIFY(trigger(menus(), "mnu_Edit"));
    QVERIFY(cleared);
    QCOMPARE(chooser(6)->count(), 1);
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        QCOMPARE(chooser(type)->currentIndex(), -1);
    // The composer keeps its words until a chooser is used again.
    QCOMPARE(m_main->composer().wProtagonist(), QStringLiteral("He"));
}

void tst_frmMain::editorOpensCentredOnTheMainWindow() {
    m_main->move(40, 30);
    for (int opening = 1; opening <= 2; ++opening) {
        QPoint centre;
        whenModal([&centre](QWidget* editor) {
            centre = editor->frameGeometry().center();
            trigger(*editor, "mnu_Close");
        });
        QVERIFY(trigger(menus(), "mnu_Edit"));
        const QPoint offset = centre - m_main->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("opening %1 is off by %2, %3")
                                .arg(opening)
                                .arg(offset.x())
                                .arg(offset.y())));
    }
}

void tst_frmMain::helpAndAbout() {
    QString firstTopic;
    QString limits;
    whenModal([&](QWidget* help) {
        auto* topics = help->findChild<QComboBox*>(QStringLiteral("Combo_HelpTopic"));
        auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        firstTopic = topics->currentText() + QStringLiteral(": ") + text->toPlainText();
        if (choose(topics, topics->count() - 1))
            limits = text->toPlainText();
        QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    QVERIFY(trigger(menus(), "mnu_Help"));
    QVERIFY(firstTopic.startsWith(QStringLiteral("About: Tellwick creates sentences")));
    QCOMPARE(limits, QStringLiteral("100 Definitions in any Definition Group. 16 Characters for "
                                    "any single word. No spell checks are used. No grammar "
                                    "checks are used."));

    QString kept;
    whenModal([&kept](QWidget* help) {
        kept = help->findChild<QComboBox*>(QStringLiteral("Combo_HelpTopic"))->currentText();
        help->close();
    });
    QVERIFY(trigger(menus(), "mnu_Help"));
    QCOMPARE(kept, QStringLiteral("Limitations"));

    QString title;
    whenModal([&title](QWidget* about) {
        title = about->windowTitle() + QStringLiteral(" ") +
                about->findChild<QLabel*>(QStringLiteral("Label1_2"))->text();
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    QVERIFY(trigger(menus(), "mnu_AboutTwK"));
    QCOMPARE(title, QStringLiteral("About Tellwick : VV3"));
}

void tst_frmMain::unsavedWorkIsAskedAbout_data() {
    QTest::addColumn<QString>("how");        // File > Exit (as the close box) or File > Load
    QTest::addColumn<QString>("changes");    // as the question on closing names them
    QTest::addColumn<int>("answer");         // Ok: no question may come
    QTest::addColumn<QStringList>("saveAs"); // answers to the Save choosers
    QTest::addColumn<bool>("setAside");      // the window closed, or the file loaded
    const auto row = [](const char* name, const char* how, const char* changes,
                        MessageAnswer answer = {}, const QStringList& saveAs = {},
                        bool setAside = true) {
        QTest::newRow(name) << how << changes << int(answer) << saveAs << setAside;
    };
    using enum MessageAnswer;
    row("unchanged", "mnu_Exit", "");
    row("Output emptied", "mnu_Exit", "the Output, emptied");
    row("Discard", "mnu_Exit", "the Output", Discard);
    row("Cancel", "mnu_Exit", "the Output", Cancel, {}, false);
    row("Save", "mnu_Exit", "the Output and the word lists", Save, {"story.Txt", "words.TwK"});
    row("Save failed", "mnu_Exit", "the word lists", Save, {"missing/words.TwK"}, false);
    row("Load", "mnu_Load", "the Output and the word lists", Cancel, {}, false);
}

void tst_frmMain::unsavedWorkIsAskedAbout() {
    QFETCH(QString, how);
    QFETCH(QString, changes);
    QFETCH(int, answer);
    QFETCH(QStringList, saveAs);
    QFETCH(bool, setAside);
    QTemporaryDir folder;
    const QString loaded = folder.filePath(QStringLiteral("loaded.TwK"));
    QVERIFY(sentences::definitionsfile::save(loaded, DefinitionLists(), nullptr));
    if (changes.contains(QLatin1String("word lists"))) {
        m_main->LoadDefinitionsFile(loaded); // the lists are as at start: no question
        m_main->definitionLists().setEntry(6, 0, QStringLiteral("now"));
    }
    if (changes.contains(QLatin1String("Output")))
        type(output(), QStringLiteral("Once"));
    if (changes.endsWith(QLatin1String("emptied")))
        QTest::mouseClick(eraseButton(1), Qt::LeftButton);
    if (answer != 0)
        m_platform->expectMessage(QStringLiteral("TwK : Save Changes"), MessageAnswer(answer));
    for (const QString& name : saveAs)
        m_platform->answerSave(folder.filePath(name));
    if (saveAs.contains(QStringLiteral("missing/words.TwK")))
        m_platform->expectMessage(QStringLiteral("TwK : Save Problem"));
    QVERIFY(trigger(menus(), qPrintable(how)));
    const bool loads = how == QLatin1String("mnu_Load");
    QCOMPARE(loads ? m_main->definitionLists().entry(6, 0).isEmpty() : !m_main->isVisible(),
             setAside);
    const QString named = loads ? QStringLiteral("the word lists before loading")
                                : changes + QStringLiteral(" before closing");
    QVERIFY(answer == 0 || m_platform->messages().value(0).text.contains(named));
    if (saveAs.contains(QStringLiteral("words.TwK"))) { // the Output too
        QCOMPARE(fileBytes(folder.filePath(QStringLiteral("story.Txt"))), QByteArray("Once\r\n"));
        QCOMPARE(fileBytes(folder.filePath(QStringLiteral("words.TwK"))).mid(10800, 3), "now");
    }
}

void tst_frmMain::everyControlIsNamedAndTabsRowByRow() {
    QCOMPARE(testsupport::unnamedControls(m_main.get()), QStringList());
    // The dialogs are children of the window, shown or not.
    for (QDialog* dialog : m_main->findChildren<QDialog*>())
        QVERIFY2(testsupport::unnamedControls(dialog).isEmpty(),
                 qPrintable(testsupport::unnamedControls(dialog).join(", ")));
    const QStringList names = testsupport::controlNames(m_main.get());
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        QVERIFY(names.contains(
            QStringLiteral("ComboWords_%1: %2").arg(type).arg(DefinitionLists::typeNames()[type])));
    QVERIFY(names.contains(QStringLiteral("List1: Sentence Preview")));
    QVERIFY(names.contains(QStringLiteral("Text1: Output")));

    // Tab runs along a row of choosers to its Active box, then to the next row.
    QWidget* from = chooser(1);
    QCOMPARE(from->nextInFocusChain(), m_main->findChild<QWidget*>(QStringLiteral("Check1_0")));
    QCOMPARE(from->nextInFocusChain()->nextInFocusChain(), chooser(2));
}

VV_TEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
