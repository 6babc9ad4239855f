#include "editor/ui/frmmain.h"

#include "editor/export/frmhtml.h"
#include "editor/export/pictureprogress.h"
#include "editor/model/highlightcolours.h"
#include "editor/model/listentries.h"
#include "editor/model/paneimage.h"
#include "editor/model/paneoperations.h"
#include "editor/model/paneswap.h"
#include "editor/model/panetexts.h"
#include "editor/model/pictureimport.h"
#include "editor/model/picturesequence.h"
#include "editor/model/projectsetup.h"
#include "editor/model/projectstorage.h"
#include "editor/model/stagehittest.h"
#include "editor/ui/enabledshortcutsfirst.h"
#include "editor/ui/frmabout.h"
#include "editor/ui/frmaddnew.h"
#include "editor/ui/frmcloseup.h"
#include "editor/ui/frmhelp.h"
#include "editor/ui/frmmsgbox.h"
#include "editor/ui/frmoptions.h"
#include "editor/ui/panelistwidget.h"
#include "editor/ui/paneprogress.h"
#include "editor/ui/wholetext.h"
#include "editor/ui/windowlayout.h"
#include "platform/busycursor.h"
#include "platform/filedrops.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <chrono>

namespace editor {
namespace {

const QString kCaption = QStringLiteral("Vistavel 1 : 2002 Edition - [Quorvane]");
const QString kProjectFilter = QStringLiteral("VV1 (*.vv1)");
const QString kLoadProblem = QStringLiteral("VV1 : Load Problem");
const QString kSaveProblem = QStringLiteral("VV1 : Save Problem");
const QString kLoadPictureTitle = QStringLiteral("Vistavel : Load Picture");
const QString kImportProgress = QStringLiteral("Importing pictures ...");

platform::FileChooserRequest pictureChooser(const QString& title) {
    platform::FileChooserRequest request;
    request.title = title;
    request.filter = QStringLiteral("Formats (*.Bmp *.Gif *.Jpg)");
    return request;
}

// Enough names to see what went wrong, one a line; a full folder fails every
// copy alike.
QString fileNameList(const QStringList& files) {
    constexpr qsizetype kNamesShown = 10;
    QStringList names;
    for (qsizetype i = 0; i < files.size() && i < kNamesShown; ++i)
        names << QDir::toNativeSeparators(files.at(i));
    if (files.size() > kNamesShown)
        names << QStringLiteral("... and %1 more.").arg(files.size() - kNamesShown);
    return names.join(QLatin1Char('\n'));
}

QFont paneNumberFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    // Crisp strokes read better over pictures than smoothed ones.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// How soon a resize that found a command at work looks again.
constexpr std::chrono::milliseconds kBusyResizeRetry{50};

} // namespace

frmMain::frmMain(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    setAcceptDrops(true);
    m_boardStyle = {loadBlankPattern(), paneNumberFont()};
    createControls();
    createMenus();

    m_project.IsBusy = true;
    FillDialogLists();
    m_platform.takeWorkAreaFrom(this);
    m_workAreaKnown = m_platform.workAreaKnown();
    m_lastWorkAreaWidth = m_platform.workArea().width();
    m_deviceRatio = devicePixelRatioF();
    m_stageHeight = LayoutWindow();
    m_stageExtent = m_stageHeight - 15;
    // Restored from maximised, the window shows the whole stage under its menu.
    // Where the work area is only guessed (Wayland), it takes half the guess,
    // which any desktop has room for.
    resize(m_workAreaKnown
               ? QSize(picStage->width(), picStage->height() + menuBar()->sizeHint().height())
               : m_platform.workArea() / 2);

    // An installed editor leaves the system's folders alone and works in the user's cache.
    const QString firstChoice =
        m_platform.runsInstalled() ? m_platform.cacheFolder() : m_platform.programFolder();
    QString error;
    m_workFolder = WorkFolder::create(firstChoice, m_platform.cacheFolder(), &error);
    if (!m_workFolder)
        m_workFolder = WorkFolder::create(QDir::tempPath(), QString(), &error);
    if (!m_workFolder) {
        m_platform.showMessage({QStringLiteral("Vistavel : Start-up Error"),
                                QStringLiteral("I could not create a folder for my working files; "
                                               "Please check that you can write to %1.\n%2")
                                    .arg(QDir::toNativeSeparators(firstChoice), error),
                                platform::MessageIcon::Critical, platform::MessageButtons::Ok});
        return;
    }

    m_project.GridSize = 2;
    m_project.BoardCount = 1;
    m_project.resetPanes();
    RebuildPaneList();
    // The JPEG encoder is linked into the program, so it is always there.
    RefreshBoard();
    m_project.IsBusy = false;

    connect(&m_platform, &platform::Platform::workAreaChanged, this, &frmMain::ResizeWindow);
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    picStage = new platform::PictureWidget(m_client);
    picStage->setObjectName(QStringLiteral("picStage"));
    connect(picStage, &platform::PictureWidget::mousePressed, this, &frmMain::picStage_MouseDown);
    connect(picStage, &platform::PictureWidget::mouseMoved, this, &frmMain::picStage_MouseMove);
    connect(picStage, &platform::PictureWidget::mouseReleased, this, &frmMain::picStage_MouseUp);

    picSideBar = new QWidget(picStage);
    picSideBar->setObjectName(QStringLiteral("picSideBar"));
    picSideBar->setAutoFillBackground(true);

    Toolbar1 = new QWidget(picSideBar);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    const auto addButton = [this](const QString& key, const QString& tip,
                                  QStyle::StandardPixmap icon, int left) {
        auto* action = new QAction(style()->standardIcon(icon), key, this);
        action->setObjectName(key);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        auto* button = new QToolButton(Toolbar1);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setGeometry(left, 0, 30, kToolbarHeight);
        return action;
    };
    m_back = addButton(QStringLiteral("Back"), QStringLiteral("Navigate last Board"),
                       QStyle::SP_ArrowBack, 0);
    m_next = addButton(QStringLiteral("Next"), QStringLiteral("Navigate next Board"),
                       QStyle::SP_ArrowForward, 32);

    Combo_PageView = new QComboBox(Toolbar1);
    Combo_PageView->setObjectName(QStringLiteral("Combo_PageView"));
    connect(Combo_PageView, &QComboBox::currentIndexChanged, this, &frmMain::Combo_PageView_Click);

    auto* paneList = new PaneListWidget(picSideBar);
    connect(paneList, &PaneListWidget::mousePressed, this, &frmMain::List1_MouseDown);
    List1 = paneList;
    List1->setObjectName(QStringLiteral("List1"));

    Text1 = new QLineEdit(picSideBar);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kPaneTextMaxLength);
    connect(Text1, &QLineEdit::textChanged, this, &frmMain::Text1_Change);
    // A project dropped on the text box opens; text dropped there is typed in.
    platform::relayFileDrags(Text1, this, [](const QStringList& files) {
        return dropActionFor(files, 0) == DropAction::OpenProject;
    });

    cmdButton = new QPushButton(QStringLiteral("swap"), picSideBar);
    cmdButton->setObjectName(QStringLiteral("cmdButton"));
    connect(cmdButton, &QPushButton::clicked, this, &frmMain::cmdButton_Click);

    m_help = new frmHelp(this);
    m_addNew = new frmAddNew(this);
    m_options = new frmOptions(m_project, this);
    m_closeUp = new frmCloseUp(this);
    m_msgBox = new frmMsgBox(this);
    m_about = new frmAbout(this);
}

template <typename Handler>
QAction* frmMain::addCommand(QMenu* menu, const QString& caption, const QString& name,
                             Handler handler, const QKeySequence& shortcut) {
    QAction* command = menu->addAction(caption);
    command->setObjectName(name);
    command->setShortcut(shortcut);
    connect(command, &QAction::triggered, this, std::move(handler));
    return command;
}

void frmMain::addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void frmMain::createMenus() {
    const auto addMenu = [this](const QString& caption, const QString& name) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    mnu_File = addMenu(QStringLiteral("&File"), QStringLiteral("mnu_File"));
    mnu_Panes = addMenu(QStringLiteral("&Pane"), QStringLiteral("mnu_Panes"));
    mnu_Board = addMenu(QStringLiteral("&Board"), QStringLiteral("mnu_Board"));
    mnuHelp = addMenu(QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    mnu_EditList = new QMenu(QStringLiteral("Edit List"), this);
    mnu_EditList->setObjectName(QStringLiteral("mnu_EditList"));

    mnu_ChangeProject =
        addCommand(mnu_File, QStringLiteral("Change Project ..."),
                   QStringLiteral("mnu_ChangeProject"), &frmMain::mnu_ChangeProject_Click);
    mnu_OpenProject =
        addCommand(mnu_File, QStringLiteral("Open Project ..."), QStringLiteral("mnu_OpenProject"),
                   &frmMain::mnu_OpenProject_Click);
    addSeparator(mnu_File, QStringLiteral("sep01"));
    mnu_SaveAs = addCommand(mnu_File, QStringLiteral("Save Project As ..."),
                            QStringLiteral("mnu_SaveAs"), &frmMain::mnu_SaveAs_Click);
    addSeparator(mnu_File, QStringLiteral("sep02"));
    mnu_MassImage = addCommand(mnu_File, QStringLiteral("Mass Image Import ..."),
                               QStringLiteral("mnu_MassImage"), &frmMain::mnu_MassImage_Click);
    mnu_ExportHTML = addCommand(mnu_File, QStringLiteral("Export As Html ..."),
                                QStringLiteral("mnu_ExportHTML"), &frmMain::mnu_ExportHTML_Click);
    addSeparator(mnu_File, QStringLiteral("sep10"));
    mnu_Exit = addCommand(mnu_File, QStringLiteral("Exit"), QStringLiteral("mnu_Exit"),
                          &frmMain::ExitEditor);

    mnu_Closeup = addCommand(mnu_Panes, QStringLiteral("Closeup"), QStringLiteral("mnu_Closeup"),
                             &frmMain::mnu_Closeup_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep06"));
    mnu_LoadPicture =
        addCommand(mnu_Panes, QStringLiteral("Picture ..."), QStringLiteral("mnu_LoadPicture"),
                   &frmMain::mnu_LoadPicture_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep04"));
    mnu_FlipHorizontally = addCommand(
        mnu_Panes, QStringLiteral("Flip Horizontally"), QStringLiteral("mnu_FlipHorizontally"),
        &frmMain::mnu_FlipHorizontally_Click, QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnu_FlipVertically = addCommand(
        mnu_Panes, QStringLiteral("Flip Vertically"), QStringLiteral("mnu_FlipVertically"),
        &frmMain::mnu_FlipVertically_Click, QKeySequence(Qt::CTRL | Qt::Key_X));
    addSeparator(mnu_Panes, QStringLiteral("sep09"));
    mnu_MakeBlank = addCommand(mnu_Panes, QStringLiteral("Make as Blank"),
                               QStringLiteral("mnu_MakeBlank"), &frmMain::mnu_MakeBlank_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep05"));
    mnu_RandomShuffle =
        addCommand(mnu_Panes, QStringLiteral("Image Shuffle"), QStringLiteral("mnu_RandomShuffle"),
                   &frmMain::mnu_RandomShuffle_Click, QKeySequence(Qt::CTRL | Qt::Key_D));
    mnu_Options = addCommand(mnu_Panes, QStringLiteral("Properties ..."),
                             QStringLiteral("mnu_Options"), &frmMain::mnu_Options_Click);
    m_pictureCommands << mnu_Closeup << mnu_FlipHorizontally << mnu_FlipVertically << mnu_MakeBlank;
    for (QAction* command : std::as_const(m_pictureCommands))
        command->setEnabled(false);
    // While enabled, the flips' Ctrl+Z and Ctrl+X win over the text box's undo and cut.
    Text1->installEventFilter(
        new EnabledShortcutsFirst({mnu_FlipHorizontally, mnu_FlipVertically}, Text1));

    mnu_BoardChangeProject =
        addCommand(mnu_Board, QStringLiteral("Change Project ..."),
                   QStringLiteral("mnu_BoardChangeProject"), &frmMain::mnu_ChangeProject_Click);
    addSeparator(mnu_Board, QStringLiteral("sep11"));
    mnu_BoardOptions =
        addCommand(mnu_Board, QStringLiteral("Properties ..."), QStringLiteral("mnu_BoardOptions"),
                   &frmMain::mnu_BoardOptions_Click);

    mnu_Help = addCommand(mnuHelp, QStringLiteral("Help"), QStringLiteral("mnu_Help"),
                          &frmMain::mnu_Help_Click);
    addSeparator(mnuHelp, QStringLiteral("sep03"));
    mnu_About = addCommand(mnuHelp, QStringLiteral("About"), QStringLiteral("mnu_About"),
                           &frmMain::mnu_About_Click);

    mnu_Swap = addCommand(mnu_EditList, QStringLiteral("Swap Item"), QStringLiteral("mnu_Swap"),
                          &frmMain::StoreItemText);
    addSeparator(mnu_EditList, QStringLiteral("sep07"));
    mnu_Remove =
        addCommand(mnu_EditList, QStringLiteral("Remove Item"), QStringLiteral("mnu_Remove"),
                   [this] { ClearItemText(List1->currentRow(), false); });
    addSeparator(mnu_EditList, QStringLiteral("sep08"));
    mnu_ClearAll = addCommand(mnu_EditList, QStringLiteral("Clear All"),
                              QStringLiteral("mnu_ClearAll"), [this] { ClearItemText(-1, true); });
}

void frmMain::FillDialogLists() {
    RebuildBoardList();
    m_project.GridHighlight = 0x00FF00;
    m_project.MoveHighlight = 0x00FF00;
    m_help->FillTopics();
    HtmlWords = HtmlWordTable::load();
    m_frmHTML = new frmHTML(m_platform, m_project, HtmlWords, this);
}

int frmMain::LayoutWindow() {
    // The window asks for no size: the desktop decides it, and where the user makes
    // it smaller than the work area the stage is cut off at its edge.
    const WindowLayout layout = computeWindowLayout(m_platform.workArea());
    picStage->move(0, 0);
    picStage->setSurfaceSize(layout.stage);
    picSideBar->setGeometry(layout.sideBar);
    Toolbar1->setGeometry(layout.toolbar);
    Combo_PageView->setGeometry(layout.boardList);
    List1->setGeometry(layout.paneList);
    Text1->setGeometry(layout.textBox);
    cmdButton->setGeometry(layout.swapButton);
    return layout.boardSide;
}

void frmMain::ResizeWindow() {
    if (!m_workFolder)
        return;
    // A window moved to a screen of another scale needs its bitmaps at that
    // screen's device pixels, as a new work-area width needs them at a new size.
    const int width = m_platform.workArea().width();
    const qreal ratio = devicePixelRatioF();
    // The desktop's first answer replaces the guess made at start-up whole,
    // height included.
    const bool firstAnswer = !m_workAreaKnown && m_platform.workAreaKnown();
    if (width == m_lastWorkAreaWidth && ratio == m_deviceRatio && !firstAnswer)
        return;
    // A change that comes while a command is at work (on Wayland the first
    // answer often comes while a project named on the command line loads) is
    // taken up once the command is done, not lost.
    if (m_project.IsBusy) {
        QTimer::singleShot(kBusyResizeRetry, this, &frmMain::ResizeWindow);
        return;
    }
    m_workAreaKnown = m_platform.workAreaKnown();
    m_lastWorkAreaWidth = width;
    m_deviceRatio = ratio;
    if (isVisible() && !isMaximized())
        showMaximized();
    const int height = LayoutWindow();
    {
        platform::BusyCursor busy;
        m_stageHeight = height;
        m_stageExtent = height - 15;
        m_paneSize = paneSizeFor(m_project.GridSize);
        const QList<PaneImageFailure> failures =
            rewriteAllPaneImages(m_project, paneBitmapSide(m_paneSize));
        if (!failures.isEmpty()) {
            m_platform.showMessage(
                {QStringLiteral("Vistavel : Resize Error"),
                 QStringLiteral("I experienced an error whilst trying to resize; Please reset "
                                "Vistavel."),
                 platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
            return;
        }
    }
    picStage->surface().clearPicture();
    RefreshBoard();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ResizeWindow();
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        ResizeWindow();
    return handled;
}

int frmMain::paneSizeFor(int gridSize) const {
    return platform::roundHalfEven(double(m_stageExtent) / gridSize);
}

int frmMain::paneBitmapSide(int paneSize) const {
    return platform::devicePixels(paneSize, m_deviceRatio);
}

int frmMain::currentBoardIndex() const {
    return std::max(0, Combo_PageView->currentIndex());
}

const platform::PictureSurface& frmMain::stageSurface() const {
    return picStage->surface();
}

void frmMain::RefreshBoard() {
    m_paneSize = paneSizeFor(m_project.GridSize);
    {
        platform::BusyCursor busy;
        DrawBoard(m_project, currentBoardIndex(), m_paneSize, m_project.GridSize,
                  picStage->surface(), picLoader, m_boardStyle);
        picStage->update();
    }
    const int index = currentBoardIndex();
    m_back->setEnabled(index != 0);
    m_next->setEnabled(index + 1 < Combo_PageView->count());
    List1->setCurrentRow(m_project.panesPerBoard() * index);
    SyncPaneText();
}

void frmMain::SyncPaneText() {
    const QListWidgetItem* item = List1->currentItem();
    const QString text = item ? paneListEntryText(item->text()) : QString();
    // A text from a project file, or pane 1000's with its leading blank, may be
    // longer than the box takes from the keyboard.
    setTextWhole(*Text1, text, kPaneTextMaxLength);
    m_project.SelectedPane = static_cast<qint16>(List1->currentRow() + 1);
}

void frmMain::RebuildLists() {
    const bool wasBusy = m_project.IsBusy;
    m_project.IsBusy = true;
    RebuildBoardList();
    RebuildPaneList();
    m_project.IsBusy = wasBusy;
}

void frmMain::RebuildBoardList() {
    Combo_PageView->clear();
    for (int board = 1; board <= m_project.BoardCount; ++board)
        Combo_PageView->addItem(boardListEntry(board));
    Combo_PageView->setCurrentIndex(0);
}

void frmMain::RebuildPaneList() {
    List1->clear();
    for (int pane = 1; pane <= m_project.panesInUse(); ++pane)
        List1->addItem(paneListEntry(pane, m_project.Panes[pane].Text));
}

bool frmMain::PreparePaneImage(int pane, int size, bool newFile, QString* error) {
    return editor::PreparePaneImage(m_project, pane, size, newFile, *m_workFolder, error);
}

void frmMain::Combo_PageView_Click() {
    if (!m_project.IsBusy)
        RefreshBoard();
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    const int index = Combo_PageView->currentIndex();
    if (key == QLatin1String("Back") && index != 0)
        Combo_PageView->setCurrentIndex(index - 1);
    else if (key == QLatin1String("Next") && index + 1 < Combo_PageView->count())
        Combo_PageView->setCurrentIndex(index + 1);
}

void frmMain::mnu_Help_Click() {
    m_help->exec();
}

void frmMain::mnu_ChangeProject_Click() {
    const std::optional<ProjectSetup> setup = m_addNew->ShowSetup(m_project.BoardCount);
    if (setup && m_workFolder) {
        QList<PaneImageFailure> failures;
        {
            platform::BusyCursor busy;
            picStage->surface().clearPicture();
            m_project.IsBusy = true;
            // A fresh start also brings back a work folder removed behind our back.
            if (setup->discardAll)
                QDir().mkpath(m_workFolder->path());
            failures =
                applyProjectSetup(m_project, *setup, paneBitmapSide(paneSizeFor(setup->gridSize)));
            RebuildLists();
            m_project.IsBusy = false;
        }
        if (!failures.isEmpty())
            reportBlankedPanes(failures);
    }
    RefreshBoard();
}

void frmMain::reportBlankedPanes(const QList<PaneImageFailure>& failures) {
    QStringList panes;
    for (const PaneImageFailure& failure : failures)
        panes << QString::number(failure.pane);
    m_platform.showMessage(
        {QStringLiteral("Vistavel : Board Setup"),
         QStringLiteral("I could not prepare the pictures of these panes at the new size, so "
                        "they are blank now: %1.\n%2")
             .arg(panes.join(QStringLiteral(", ")), failures.first().error),
         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

bool frmMain::paneIsSelected(const QString& commandTitle) {
    if (m_project.SelectedPane >= 1 && m_project.SelectedPane <= m_project.panesInUse())
        return true;
    m_platform.showMessage({commandTitle,
                            QStringLiteral("Please select a pane first, on the stage or in the "
                                           "pane list."),
                            platform::MessageIcon::Information, platform::MessageButtons::Ok});
    return false;
}

void frmMain::mnu_Closeup_Click() {
    if (!paneIsSelected())
        return;
    const PaneRecord& pane = m_project.Panes[m_project.SelectedPane];
    QString error;
    if (pane.hasSourcePicture() &&
        !m_closeUp->ShowCloseUp(m_stageHeight, pane.PictureName, pane.SourcePicture,
                                pane.FlipH != 0, pane.FlipV != 0, &error))
        m_platform.showMessage({QStringLiteral("Vistavel : CloseUp"),
                                QStringLiteral("I could not open the picture %1.\n%2")
                                    .arg(QDir::toNativeSeparators(pane.SourcePicture), error),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    RefreshBoard();
}

void frmMain::mnu_FlipHorizontally_Click() {
    FlipSelectedPane(FlipDirection::Horizontal);
}

void frmMain::mnu_FlipVertically_Click() {
    FlipSelectedPane(FlipDirection::Vertical);
}

void frmMain::FlipSelectedPane(FlipDirection direction) {
    if (!paneIsSelected())
        return;
    QString error;
    if (!flipPaneImage(m_project, m_project.SelectedPane, paneBitmapSide(m_paneSize), direction,
                       &error))
        m_platform.showMessage({QStringLiteral("Vistavel : Flip"),
                                QStringLiteral("I could not flip the picture of pane %1.\n%2")
                                    .arg(m_project.SelectedPane)
                                    .arg(error),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    RefreshBoard();
}

void frmMain::mnu_MakeBlank_Click() {
    if (!paneIsSelected())
        return;
    m_project.Panes[m_project.SelectedPane].makeBlank();
    RefreshBoard();
}

void frmMain::mnu_RandomShuffle_Click() {
    if (!SkipShuffleNotice) {
        const frmMsgBox::Result notice = m_msgBox->Ask();
        if (notice.answer != frmMsgBox::Answer::Okay)
            return;
        SkipShuffleNotice = notice.dontShowAgain;
    }
    const int n = m_project.panesPerBoard();
    const int offset = n * currentBoardIndex();
    movePictures(m_project, offset,
                 ShuffleOrder(n, offset, [this] { return m_platform.nextRandom(); }));
    RefreshBoard();
}

void frmMain::mnu_Options_Click() {
    if (paneIsSelected())
        m_options->ShowProperties(m_project.SelectedPane, frmOptions::kPaneMode);
}

void frmMain::mnu_BoardOptions_Click() {
    m_options->ShowProperties(frmOptions::kBoardMode, frmOptions::kBoardMode);
}

void frmMain::mnu_About_Click() {
    m_about->exec();
}

void frmMain::mnu_OpenProject_Click() {
    if (!m_workFolder)
        return;
    const platform::FileChoice choice = m_platform.chooseOpenFile(
        {QStringLiteral("Load Project ..."), kProjectFilter, 1, {}, m_platform.programFolder()});
    if (choice.cancelled)
        return;
    OpenProjectFile(choice.fileName);
}

void frmMain::OpenProjectFile(const QString& fileName) {
    if (!m_workFolder)
        return;
    m_project.LastFileName = fileName;
    const ProjectPaths paths = projectPaths(fileName);
    QString refusal;
    const std::optional<ProjectFileValues> values = loadProjectFile(paths.FileName, &refusal);
    if (!values) {
        m_platform.showMessage({kLoadProblem,
                                QStringLiteral("I could not load the project %1.\n%2")
                                    .arg(QDir::toNativeSeparators(paths.FileName), refusal),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
    int missing = 0;
    QString unreadable;
    {
        platform::BusyCursor busy;
        picStage->surface().clearPicture();
        m_project.IsBusy = true;
        applyProjectFile(m_project, *values, paths.pictureFolder(), *m_workFolder);
        RebuildLists();
        m_paneSize = paneSizeFor(m_project.GridSize);
        PaneProgress progress(this, QStringLiteral("Loading pictures ..."));
        missing = prepareProjectPictures(
            m_project, paneBitmapSide(m_paneSize), *m_workFolder,
            [&progress](int done, int total) { progress.setProgress(done, total); }, &unreadable);
        m_project.IsBusy = false;
        RefreshBoard();
    }
    if (missing > 0)
        m_platform.showMessage(
            {kLoadProblem,
             (missing == 1
                  ? QStringLiteral("I could not find or read 1 picture of the project; its pane "
                                   "is blank.")
                  : QStringLiteral("I could not find or read %1 pictures of the project; their "
                                   "panes are blank.")
                        .arg(missing)) +
                 (unreadable.isEmpty() ? QString() : QLatin1Char('\n') + unreadable),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

void frmMain::mnu_SaveAs_Click() {
    if (!m_workFolder)
        return;
    const int boards = Combo_PageView->count();
    const auto paneTotal = static_cast<qint16>(m_project.GridSize * m_project.GridSize * boards);
    const platform::FileChoice choice =
        m_platform.chooseSaveFile({QStringLiteral("Save Project ..."),
                                   kProjectFilter,
                                   1,
                                   QStringLiteral("Untitled.vv1"),
                                   {}});
    if (choice.cancelled)
        return;
    m_project.LastFileName = choice.fileName;
    QStringList unwritten;
    {
        platform::BusyCursor busy;
        unwritten =
            saveProject(m_project, projectPaths(choice.fileName), paneTotal, boards, *m_workFolder);
    }
    if (unwritten.isEmpty())
        return;
    m_platform.showMessage({kSaveProblem,
                            QStringLiteral("I could not write these files of the project:\n") +
                                fileNameList(unwritten),
                            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

void frmMain::mnu_ExportHTML_Click() {
    if (const std::optional<ExportTarget> target = m_frmHTML->Export())
        convertPicturesWithProgress(this, m_platform, m_project, target->folder);
}

void frmMain::mnu_MassImage_Click() {
    if (!paneIsSelected(kImportTitle))
        return;
    const platform::FileChoice choice =
        m_platform.chooseOpenFile(pictureChooser(QStringLiteral("Mass Image Import ...")));
    if (choice.cancelled)
        return;
    m_project.LastFileName = choice.fileName;
    const PictureSequence sequence = PictureSequence::recognise(choice.fileName);
    if (!sequence.isRecognised()) {
        if (sequence.recognition() == PictureSequence::Recognition::Unusable)
            m_platform.showMessage({kImportTitle, importReport(0),
                                    platform::MessageIcon::Information,
                                    platform::MessageButtons::Ok});
        return;
    }
    m_project.IsBusy = true;
    SequenceImport result;
    {
        platform::BusyCursor busy;
        PaneProgress progress(this, kImportProgress);
        m_paneSize = paneSizeFor(m_project.GridSize);
        result = importPictureSequence(
            m_project, sequence, m_project.SelectedPane, paneBitmapSide(m_paneSize), *m_workFolder,
            [&progress](int done, int total) { progress.setProgress(done, total); });
    }
    RefreshBoard();
    m_project.IsBusy = false;
    if (!result.reachedLastPane)
        m_platform.showMessage({kImportTitle, importReport(result.filled, result.failure),
                                platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

void frmMain::mnu_LoadPicture_Click() {
    if (!paneIsSelected(kLoadPictureTitle))
        return;
    m_project.IsBusy = true;
    const platform::FileChoice choice =
        m_platform.chooseOpenFile(pictureChooser(QStringLiteral("Load Picture ...")));
    if (!choice.cancelled)
        LoadPictureFile(m_project.SelectedPane, choice.fileName);
    m_project.IsBusy = false;
}

void frmMain::LoadPictureFile(int pane, const QString& fileName) {
    m_project.IsBusy = true;
    m_project.LastFileName = fileName;
    m_paneSize = paneSizeFor(m_project.GridSize);
    QString error;
    bool loaded = false;
    {
        platform::BusyCursor busy;
        loaded = loadPicture(m_project, pane, fileName, paneBitmapSide(m_paneSize), *m_workFolder,
                             &error);
    }
    if (loaded)
        RefreshBoard();
    else
        m_platform.showMessage(
            {kLoadPictureTitle,
             QStringLiteral("I couldn't read this picture, so the pane stays as it was:\n%1")
                 .arg(QDir::toNativeSeparators(error)),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    m_project.IsBusy = false;
}

void frmMain::ImportDroppedPictures(int firstPane, const QStringList& files) {
    const QStringList ordered = naturalOrder(files);
    m_project.LastFileName = ordered.first();
    m_project.IsBusy = true;
    QStringList leftOut;
    {
        platform::BusyCursor busy;
        PaneProgress progress(this, kImportProgress);
        m_paneSize = paneSizeFor(m_project.GridSize);
        leftOut = importDroppedPictures(
            m_project, ordered, firstPane, paneBitmapSide(m_paneSize), *m_workFolder,
            [&progress](int done, int total) { progress.setProgress(done, total); });
    }
    RefreshBoard();
    m_project.IsBusy = false;
    if (!leftOut.isEmpty())
        m_platform.showMessage({kImportTitle,
                                QStringLiteral("I couldn't read these files as pictures, so their "
                                               "panes stay as they were:\n") +
                                    fileNameList(leftOut),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

bool frmMain::takesDrops() const {
    return m_workFolder && !m_project.IsBusy && !QApplication::activeModalWidget();
}

int frmMain::paneUnderDrop(QPoint windowPoint) {
    const QPoint at = picStage->mapFrom(this, windowPoint);
    if (!picStage->rect().contains(at))
        return 0;
    m_hoverPane = HitTestPane(at, m_paneSize, m_project.GridSize);
    return m_hoverPane;
}

DropAction frmMain::dropActionAt(const QDropEvent& event, QStringList* files, int* pane) {
    *files = platform::droppedLocalFiles(event);
    *pane = paneUnderDrop(event.position().toPoint());
    return takesDrops() ? dropActionFor(*files, *pane) : DropAction::Refuse;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    // Where it may land is decided by the moves that follow.
    if (!takesDrops() || platform::droppedLocalFiles(*event).isEmpty())
        event->ignore();
    else
        platform::acceptAsCopy(*event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    QStringList files;
    int pane = 0;
    if (dropActionAt(*event, &files, &pane) == DropAction::Refuse)
        event->ignore();
    else
        platform::acceptAsCopy(*event);
}

void frmMain::dropEvent(QDropEvent* event) {
    QStringList files;
    int pane = 0;
    const DropAction action = dropActionAt(*event, &files, &pane);
    if (action == DropAction::Refuse || !platform::acceptAsCopy(*event)) {
        event->ignore();
        return;
    }
    // The file manager waits until the drop is taken; the work comes after.
    QTimer::singleShot(0, this, [this, action, files, pane] {
        if (!takesDrops())
            return;
        switch (action) {
        case DropAction::OpenProject:
            OpenProjectFile(files.first());
            break;
        case DropAction::LoadPicture:
            LoadPictureFile(pane, files.first());
            break;
        case DropAction::ImportPictures:
            ImportDroppedPictures(pane, files);
            break;
        case DropAction::Refuse:
            break;
        }
    });
}

void frmMain::ExitEditor() {
    if (m_workFolder)
        m_workFolder->remove();
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_workFolder)
        m_workFolder->remove();
    event->accept();
}

void frmMain::picStage_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    m_dragState = true;
    // A press may come without a move over the stage before it (after a pop-up
    // menu closed), so the press point is hit-tested itself.
    m_hoverPane = HitTestPane(at, m_paneSize, m_project.GridSize);
    m_project.SelectedPane = static_cast<qint16>(m_hoverPane);
    List1->setCurrentRow(m_hoverPane - 1);
    const bool hasPicture = m_hoverPane > 0 && m_project.Panes[m_hoverPane].hasWorkPicture();
    for (QAction* command : std::as_const(m_pictureCommands))
        command->setEnabled(hasPicture);
    m_paneMenuShown = button == Qt::RightButton;
    if (button == Qt::RightButton) {
        m_dragState = false;
        mnu_Panes->popup(picStage->mapToGlobal(at));
    }
}

void frmMain::picStage_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
    if (!m_dragState) {
        m_hoverPane = HitTestPane(at, m_paneSize, m_project.GridSize);
        return;
    }
    picStage->setCursor(Qt::SizeAllCursor);
    const int slot = m_project.SelectedPane - currentBoardIndex() * m_project.panesPerBoard();
    if (slot < 1 || slot > m_project.panesPerBoard())
        return;
    const int half = platform::roundHalfEven(m_paneSize / 2.0);
    const QPoint centre = m_project.Panes[slot].StagePos + QPoint(half, half);
    picStage->update(
        Line1.show(picStage->surface(), centre, at, colourFromBgr(m_project.MoveHighlight)));
}

void frmMain::picStage_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (m_project.IsBusy)
        return;
    m_dragState = false;
    picStage->update(Line1.hide(picStage->surface()));
    if (button == Qt::RightButton) {
        if (!m_paneMenuShown)
            mnu_Panes->popup(picStage->mapToGlobal(at));
    } else if (m_project.SelectedPane > 0 && picStage->cursor().shape() == Qt::SizeAllCursor) {
        const int selected = m_project.SelectedPane;
        const int target = HitTestPane(at, m_paneSize, m_project.GridSize);
        m_hoverPane = target;
        if (target != 0) {
            SwapPanes(m_project, selected, target);
            RewritePaneListEntry(selected);
            RewritePaneListEntry(target);
            RefreshBoard();
        }
    }
    m_paneMenuShown = false;
    picStage->unsetCursor();
}

int frmMain::HitTestPane(QPoint at, int paneSize, int gridSize) {
    const int slot = hitTestSlot(m_project, at, paneSize, gridSize);
    const int pane = slot == 0 ? 0 : currentBoardIndex() * gridSize * gridSize + slot;
    if (pane < 1 || pane > kLastPane)
        return 0;
    picStage->update(
        m_hoverHighlight.draw(picStage->surface(), picLoader.image(),
                              m_project.Panes[slot].StagePos, paneSize, m_project.Panes[pane].Label,
                              colourFromBgr(m_project.GridHighlight), m_boardStyle.numberFont));
    return pane;
}

void frmMain::List1_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    if (button != Qt::LeftButton) {
        mnu_EditList->popup(globalPosition);
        return;
    }
    const int board = std::max(0, List1->currentRow()) / m_project.panesPerBoard();
    if (board < Combo_PageView->count())
        Combo_PageView->setCurrentIndex(board);
    SyncPaneText();
    if (!Text1->text().isEmpty()) {
        mnu_Swap->setEnabled(true);
        mnu_Remove->setEnabled(true);
        cmdButton->setEnabled(true);
    }
}

void frmMain::Text1_Change() {
    cmdButton->setEnabled(!Text1->text().isEmpty());
}

void frmMain::cmdButton_Click() {
    StoreItemText();
}

void frmMain::StoreItemText() {
    const int index = List1->currentRow();
    if (Text1->text().isEmpty() || index < 0 || index >= kLastPane)
        return;
    const QString text = paneTextToStore(Text1->text());
    if (text.isEmpty())
        return;
    m_project.Panes[index + 1].Text = text;
    RewritePaneListEntry(index + 1);
}

void frmMain::ClearItemText(int index, bool all) {
    if (all) {
        clearAllPaneTexts(m_project);
        RebuildPaneList();
        List1->setCurrentRow(-1);
        return;
    }
    if (index < 0 || index >= List1->count() || index >= kLastPane)
        return;
    m_project.Panes[index + 1].Text = kUnsetText;
    RewritePaneListEntry(index + 1);
}

void frmMain::RewritePaneListEntry(int pane) {
    if (QListWidgetItem* item = List1->item(pane - 1); item && pane <= kLastPane)
        item->setText(paneListEntry(pane, m_project.Panes[pane].Text));
}

} // namespace editor
