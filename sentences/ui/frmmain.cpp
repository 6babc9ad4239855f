#include "sentences/ui/frmmain.h"

#include "platform/documenttext.h"
#include "platform/filedrops.h"
#include "platform/fittofont.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "sentences/engine/definitionsfile.h"
#include "sentences/engine/outputfile.h"
#include "sentences/ui/formgeometry.h"
#include "sentences/ui/frmabout.h"
#include "sentences/ui/frmedit.h"
#include "sentences/ui/frmhelp.h"
#include "sentences/ui/programpicture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace sentences {
namespace {

constexpr int ActionModifyType = 3;

QString saveTitle() {
    return QCoreApplication::translate("sentences::frmMain", "Save as text ...");
}

QString outputFilter() {
    return QCoreApplication::translate("sentences::frmMain", "Output (*.Txt)");
}

QString definitionsFilter() {
    return QCoreApplication::translate("sentences::frmMain", "Definitions (*.TwK)");
}

// Where each word chooser sits in the Lists frame: Base column for types 0, 2,
// 4, 6, Modify column for 1, 3, 5.
QRect chooserPlace(int type) {
    constexpr std::array<int, 4> rowTops = {525, 885, 1245, 1590};
    return platform::twipsRect(type % 2 == 0 ? 165 : 2235, rowTops[type / 2], 2010, 315);
}

bool isDefinitionsFile(const QStringList& files) {
    return files.size() == 1 &&
           QFileInfo(files.first()).suffix().compare(QLatin1String("TwK"), Qt::CaseInsensitive) ==
               0;
}

} // namespace

frmMain::frmMain(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_composer(*this, platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Tellwick : VV3 - [Quorvane]"));
    setWindowIcon(QIcon(programPicture()));
    setAcceptDrops(true);
    createControls();
    createMenus();

    m_frmEdit = new frmEdit(m_lists, this);
    connect(m_frmEdit, &frmEdit::definitionsClosed, this, &frmMain::RebuildChoosers);
    connect(m_frmEdit, &frmEdit::defaultsLoaded, this,
            [this] { m_unsaved.listsKept(m_lists, {}); });
    m_frmHelp = new frmHelp(this);
    m_frmAbout = new frmAbout(this);
    LoadDefaultWords();
    placeCentred();
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(platform::twipsRect(0, 0, 6000, 6000).size());
    setCentralWidget(client);

    Frame1 = new QGroupBox(tr("Lists :"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(platform::twipsRect(90, 45, 5790, 1995));
    const std::array<QString, 3> headings = {tr("Base"), tr("Modify"), tr("Active")};
    const std::array<int, 3> headingLefts = {165, 2235, 4665};
    const std::array<int, 3> headingWidths = {2010, 2010, 1035};
    for (int index = 0; index < 3; ++index) {
        auto* heading = new QLabel(headings[index], Frame1);
        heading->setObjectName(QStringLiteral("Label1_%1").arg(index));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        // Down to the choosers below it, so that a taller font grows the form
        // rather than covering them.
        heading->setGeometry(
            platform::twipsRect(headingLefts[index], 285, headingWidths[index], 240));
    }
    // Named after their lists, as the row and column headings show them.
    const std::array<QString, DefinitionLists::TypeCount> chooserNames = {
        tr("Protagonist Base"), tr("Protagonist Modify"), tr("Action Base"), tr("Action Modify"),
        tr("Object Base"),      tr("Object Modify"),      tr("Summary")};
    for (int type = 0; type < DefinitionLists::TypeCount; ++type) {
        ComboWords[type] = new QComboBox(Frame1);
        ComboWords[type]->setObjectName(QStringLiteral("ComboWords_%1").arg(type));
        ComboWords[type]->setAccessibleName(chooserNames[type]);
        ComboWords[type]->setGeometry(chooserPlace(type));
        // Only a person's choice arrives here; the program's own selections
        // call the handler themselves, so that choosing the same entry again
        // still composes.
        connect(ComboWords[type], &QComboBox::activated, this,
                [this, type] { ComboWords_Click(type); });
    }
    const std::array<QString, 4> rows = {tr("Protagonist"), tr("Action"), tr("Object"),
                                         tr("Summary")};
    const std::array<int, 4> rowTops = {570, 915, 1260, 1605};
    for (int index = 0; index < 4; ++index) {
        Check1[index] = new QCheckBox(rows[index], Frame1);
        Check1[index]->setObjectName(QStringLiteral("Check1_%1").arg(index));
        Check1[index]->setGeometry(platform::twipsRect(4410, rowTops[index], 1335, 255));
        Check1[index]->setAccessibleDescription(tr("Uses this row's words in the sentences"));
        connect(Check1[index], &QCheckBox::clicked, this, [this, index] { Check1_Click(index); });
    }

    Frame2 = new QGroupBox(tr("Sentence Preview :"), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(platform::twipsRect(90, 2070, 5790, 1905));
    List1 = new QListWidget(Frame2);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(platform::twipsRect(165, 255, 5445, 1230));
    List1->setToolTip(tr("Click to Output"));
    List1->setAccessibleName(tr("Sentence Preview"));
    connect(List1, &QListWidget::itemClicked, this, &frmMain::List1_Click);

    Frame3 = new QGroupBox(tr("Output :"), client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(platform::twipsRect(90, 4005, 5790, 1935));
    Text1 = new QPlainTextEdit(Frame3);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(platform::twipsRect(165, 270, 5445, 1245));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setAccessibleName(tr("Output"));
    // A definitions file dropped on the Output loads; text dropped there is typed in.
    for (QWidget* box : {static_cast<QWidget*>(Text1), Text1->viewport()})
        platform::relayFileDrags(box, this, isDefinitionsFile);

    const std::array<QGroupBox*, 2> frames = {Frame2, Frame3};
    const std::array<QString, 2> additive = {
        tr("Keeps what the Sentence Preview holds and adds to it"),
        tr("Keeps what the Output holds and adds to it")};
    const std::array<QString, 2> erase = {tr("Empties the Sentence Preview"),
                                          tr("Empties the Output")};
    const std::array<int, 2> checkTops = {1575, 1590};
    const std::array<int, 2> eraseTops = {1545, 1590};
    for (int index = 0; index < 2; ++index) {
        Check2[index] = new QCheckBox(tr("Additive"), frames[index]);
        Check2[index]->setObjectName(QStringLiteral("Check2_%1").arg(index));
        Check2[index]->setGeometry(platform::twipsRect(165, checkTops[index], 1020, 255));
        connect(Check2[index], &QCheckBox::clicked, this, [this, index] { Check2_Click(index); });
        Button_Erase[index] = new QPushButton(tr("erase"), frames[index]);
        Button_Erase[index]->setObjectName(QStringLiteral("Button_Erase_%1").arg(index));
        Button_Erase[index]->setGeometry(platform::twipsRect(4950, eraseTops[index], 660, 285));
        Check2[index]->setAccessibleDescription(additive[index]);
        Button_Erase[index]->setAccessibleDescription(erase[index]);
        connect(Button_Erase[index], &QPushButton::clicked, this,
                [this, index] { Button_Erase_Click(index); });
    }
    // Tab goes row by row as the controls stand: a row's choosers, then its box.
    const QList<QWidget*> tabOrder = {
        ComboWords[0], ComboWords[1],   Check1[0], ComboWords[2], ComboWords[3],  Check1[1],
        ComboWords[4], ComboWords[5],   Check1[2], ComboWords[6], Check1[3],      List1,
        Check2[0],     Button_Erase[0], Text1,     Check2[1],     Button_Erase[1]};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    platform::growToFitFont(*client);
}

void frmMain::createMenus() {
    const auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                                void (frmMain::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = addMenu("mnu_File", tr("&File"));
    addItem(file, "mnu_Load", tr("&Load"), &frmMain::LoadDefinitions);
    addItem(file, "mnu_Save", tr("&Save"), &frmMain::SaveOutput);
    addSeparator(file, "sep01");
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnu_Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* lists = addMenu("mnu_Lists", tr("&Lists"));
    addItem(lists, "mnu_Edit", tr("&Edit"), &frmMain::mnu_Edit_Click);
    addSeparator(lists, "sep03");
    addItem(lists, "mnu_Reset", tr("&Reset"), &frmMain::Reset);

    QMenu* action = addMenu("mnu_Action", tr("&Action"));
    QAction* randomSentence = action->addAction(tr("Random &Sentence"));
    randomSentence->setObjectName(QStringLiteral("mnu_RandomSentence"));
    randomSentence->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(randomSentence, &QAction::triggered, this, [this] { m_composer.RandomSentence(); });
    QAction* randomParagraph = action->addAction(tr("Random &Paragraph"));
    randomParagraph->setObjectName(QStringLiteral("mnu_RandomParagraph"));
    randomParagraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(randomParagraph, &QAction::triggered, this, [this] { m_composer.RandomParagraph(); });
    addSeparator(action, "sep04");
    QAction* clear = action->addAction(tr("&Clear"));
    clear->setObjectName(QStringLiteral("mnu_Clear"));
    connect(clear, &QAction::triggered, Text1, &QPlainTextEdit::clear);

    QMenu* help = addMenu("mnuHelp", tr("&Help"));
    addItem(help, "mnu_Help", tr("&Help"), &frmMain::mnu_Help_Click);
    addSeparator(help, "sep02");
    addItem(help, "mnu_AboutTwK", tr("&About TwK"), &frmMain::mnu_AboutTwK_Click);
}

void frmMain::placeCentred() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    const QSize area = m_platform.workArea();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

void frmMain::LoadDefaultWords() {
    m_lists.loadDefaults();
    m_unsaved.listsKept(m_lists, {});
    RebuildChoosers();
    m_frmEdit->selectType(0);
    PreviewAdditive = 0;
    ActiveFlags.fill(1);
    for (QCheckBox* box : Check1)
        box->setChecked(true);
}

void frmMain::RebuildChoosers() {
    for (int type = 0; type < DefinitionLists::TypeCount; ++type) {
        ComboWords[type]->clear();
        ComboWords[type]->addItems(m_lists.chooserEntries(type));
        ComboWords[type]->setCurrentIndex(-1);
    }
}

void frmMain::DoWords() {
    m_composer.CombineWords(LastWordType, LastWord);
    m_composer.MakeSentence(ActiveFlags[0], ActiveFlags[1], ActiveFlags[2], ActiveFlags[3],
                            PreviewAdditive);
}

void frmMain::Reset() {
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        selectChooser(type, 0);
    clearPreview();
}

void frmMain::LoadDefinitions() {
    if (!maySetAside(false, tr("loading other definitions")))
        return;
    const platform::FileChoice choice =
        m_platform.chooseOpenFile({tr("Load Definitions ..."), definitionsFilter(), 1, {}, {}});
    if (!choice.cancelled)
        readDefinitionsFile(choice.fileName);
}

void frmMain::LoadDefinitionsFile(const QString& fileName) {
    if (maySetAside(false, tr("loading %1").arg(QFileInfo(fileName).fileName())))
        readDefinitionsFile(fileName);
}

void frmMain::readDefinitionsFile(const QString& fileName) {
    if (!definitionsfile::load(fileName, m_lists))
        return;
    m_unsaved.listsKept(m_lists, fileName);
    RebuildChoosers();
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        selectChooser(type, 0);
    // The editor shows the new words: its third type and then its first, each
    // refill enabling "Clear" when its list has words.
    m_frmEdit->selectType(2);
    m_frmEdit->selectType(0);
}

QString frmMain::droppedDefinitions(QDropEvent& event) const {
    const QStringList files = platform::droppedLocalFiles(event);
    if (QApplication::activeModalWidget() || !isDefinitionsFile(files) ||
        !platform::acceptAsCopy(event)) {
        event.ignore();
        return {};
    }
    return files.first();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    droppedDefinitions(*event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    droppedDefinitions(*event);
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString file = droppedDefinitions(*event);
    if (file.isEmpty())
        return;
    // The file manager waits until the drop is taken; the loading comes after.
    QTimer::singleShot(0, this, [this, file] {
        if (!QApplication::activeModalWidget())
            LoadDefinitionsFile(file);
    });
}

void frmMain::SaveOutput() {
    const platform::FileChoice choice = m_platform.chooseSaveFile(
        {saveTitle(), outputFilter() + QStringLiteral(";;") + definitionsFilter(), 1, {}, {}});
    if (!choice.cancelled)
        saveWork(choice.filterIndex == 2 ? Work::WordLists : Work::Output, choice.fileName);
}

bool frmMain::saveWork(Work work, const QString& fileName) {
    QString error;
    const QString text = outputText();
    const bool saved = work == Work::WordLists ? definitionsfile::save(fileName, m_lists, &error)
                                               : outputfile::save(fileName, text, &error);
    if (!saved) {
        m_platform.showMessage(
            {tr("TwK : Save Problem"),
             tr("I could not save %1; any earlier file of that name is unchanged.\n%2")
                 .arg(QDir::toNativeSeparators(fileName), error),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return false;
    }
    if (work == Work::WordLists)
        m_unsaved.listsKept(m_lists, fileName);
    else
        m_unsaved.outputSaved(text, fileName);
    return true;
}

bool frmMain::saveWorkWithChooser(Work work) {
    platform::FileChooserRequest request{
        saveTitle(), outputFilter(), 1, m_unsaved.outputFile(), {}};
    if (work == Work::WordLists) {
        request.title = tr("Save Definitions ...");
        request.filter = definitionsFilter();
        request.proposedName = m_unsaved.listsFile();
    }
    const platform::FileChoice choice = m_platform.chooseSaveFile(request);
    return !choice.cancelled && saveWork(work, choice.fileName);
}

bool frmMain::maySetAside(bool withOutput, const QString& before) {
    const bool output = withOutput && m_unsaved.outputChanged(outputText());
    const bool lists = m_unsaved.listsChanged(m_lists);
    if (!output && !lists)
        return true;
    const QString what = output && lists ? tr("the Output and the word lists")
                         : output        ? tr("the Output")
                                         : tr("the word lists");
    const platform::MessageAnswer answer = m_platform.showMessage(
        {tr("TwK : Save Changes"),
         tr("Save the changes to %1 before %2?\nIf you do not save, they are lost.")
             .arg(what, before),
         platform::MessageIcon::Exclamation, platform::MessageButtons::SaveDiscardCancel});
    if (answer == platform::MessageAnswer::Discard)
        return true;
    if (answer != platform::MessageAnswer::Save)
        return false;
    return (!output || saveWorkWithChooser(Work::Output)) &&
           (!lists || saveWorkWithChooser(Work::WordLists));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (maySetAside(true, tr("closing")))
        event->accept();
    else
        event->ignore();
}

void frmMain::ComboWords_Click(int index) {
    LastWordType = index;
    LastWord =
        ComboWords[index]->currentIndex() >= 0 ? ComboWords[index]->currentText() : QString();
    DoWords();
}

void frmMain::Check1_Click(int index) {
    ActiveFlags[index] = Check1[index]->isChecked() ? 1 : 0;
    DoWords();
}

void frmMain::Check2_Click(int index) {
    if (index != 0)
        return; // the Output's box is read whenever output is written
    PreviewAdditive = Check2[0]->isChecked() ? 1 : 0;
    if (PreviewAdditive != 1)
        DoWords();
}

void frmMain::Button_Erase_Click(int index) {
    if (index == 0)
        clearPreview();
    else
        Text1->clear();
}

void frmMain::List1_Click(const QListWidgetItem* item) {
    const QString line = item ? item->text() : QString();
    if (line.isEmpty())
        return;
    setOutputText(outputAdditive() ? outputText() + QLatin1Char(' ') + line : line);
}

void frmMain::mnu_Edit_Click() {
    centreOver(*m_frmEdit, *this);
    m_frmEdit->exec();
}

void frmMain::mnu_Help_Click() {
    centreOver(*m_frmHelp, *this);
    m_frmHelp->exec();
}

void frmMain::mnu_AboutTwK_Click() {
    centreOver(*m_frmAbout, *this);
    m_frmAbout->exec();
}

int frmMain::actionModifyPosition() const {
    return ComboWords[ActionModifyType]->currentIndex();
}

int frmMain::previewCount() const {
    return List1->count();
}

void frmMain::clearPreview() {
    List1->clear();
}

void frmMain::appendPreview(const QString& line) {
    List1->addItem(line);
}

QString frmMain::previewFirstLine() const {
    return List1->count() > 0 ? List1->item(0)->text() : QString();
}

QString frmMain::outputText() const {
    return platform::documentText(*Text1->document());
}

void frmMain::setOutputText(const QString& text) {
    Text1->setPlainText(text);
    Text1->moveCursor(QTextCursor::End);
}

bool frmMain::outputAdditive() const {
    return Check2[1]->isChecked();
}

int frmMain::chooserCount(int type) const {
    return ComboWords[type]->count();
}

void frmMain::selectChooser(int type, int position) {
    ComboWords[type]->setCurrentIndex(position);
    ComboWords_Click(type);
}

} // namespace sentences
