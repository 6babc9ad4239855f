#include "editor/ui/frmmain.h"

#include "editor/animatic/frmvideo.h"
#include "editor/export/frmhtml.h"
#include "editor/model/project/listentries.h"
#include "editor/model/project/paneimage.h"
#include "editor/model/project/panetexts.h"
#include "editor/model/storage/recoverykeeper.h"
#include "editor/print/frmpaper.h"
#include "editor/print/papercommands.h"
#include "editor/ui/enabledshortcutsfirst.h"
#include "editor/ui/frmabout.h"
#include "editor/ui/frmaddnew.h"
#include "editor/ui/frmcloseup.h"
#include "editor/ui/frmhelp.h"
#include "editor/ui/frmmsgbox.h"
#include "editor/ui/frmoptions.h"
#include "editor/ui/panelistwidget.h"
#include "editor/ui/wholetext.h"
#include "editor/ui/windowlayout.h"
#include "platform/busycursor.h"
#include "platform/filedrops.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

#include <chrono>

namespace editor {
namespace {

// Steps the history keeps; the oldest goes when another comes.
constexpr int kHistorySteps = 100;

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
    setWindowTitle(tr("Vistavel 1 : 2002 Edition - [Quorvane]"));
    setAcceptDrops(true);
    m_boardStyle = {loadBlankPattern(), paneNumberFont()};
    createControls();
    createMenus();

    m_history.setUndoLimit(kHistorySteps);
    m_project.IsBusy = true;
    FillDialogLists();
    m_platform.takeWorkAreaFrom(this);
    m_workAreaKnown = m_platform.workAreaKnown();
    m_lastWorkAreaWidth = m_platform.workArea().width();
    m_lastWorkAreaHeight = m_platform.workArea().height();
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
        m_platform.showMessage({tr("Vistavel : Start-up Error"),
                                tr("I could not create a folder for my working files; "
                                   "Please check that you can write to %1.\n%2")
                                    .arg(QDir::toNativeSeparators(firstChoice), error),
                                platform::MessageIcon::Critical, platform::MessageButtons::Ok});
        return;
    }

    m_commands = std::make_unique<CommandContext>(CommandContext{m_project, *m_workFolder, *this});
    m_project.GridSize = 2;
    m_project.BoardCount = 1;
    m_project.resetPanes();
    RebuildPaneList();
    // The JPEG encoder is linked into the program, so it is always there.
    RefreshBoard();
    m_project.IsBusy = false;
    // The window opens with the focus on the board list; Tab or a click takes it to the stage.
    Combo_PageView->setFocus();

    connect(&m_platform, &platform::Platform::workAreaChanged, this, &frmMain::ResizeWindow);
    startRecoveryKeeper();
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    picStage = new platform::PictureWidget(m_client);
    picStage->setObjectName(QStringLiteral("picStage"));
    m_stageAccessibility = new StageAccessibility(picStage, *this);
    picStage->setAccessibleName(tr("Stage"));
    picStage->setAccessibleDescription(
        tr("The panes of the board on show. Arrow keys choose a pane, Ctrl+Shift with an arrow "
           "swaps it with its neighbour, Enter opens its close-up and the Menu key its menu."));
    connect(picStage, &platform::PictureWidget::mousePressed, this, &frmMain::picStage_MouseDown);
    connect(picStage, &platform::PictureWidget::mouseMoved, this, &frmMain::picStage_MouseMove);
    connect(picStage, &platform::PictureWidget::mouseReleased, this, &frmMain::picStage_MouseUp);
    picStage->setFocusPolicy(Qt::TabFocus);
    connect(picStage, &platform::PictureWidget::keyPressed, this, &frmMain::picStage_KeyDown);

    picSideBar = new QWidget(picStage);
    picSideBar->setObjectName(QStringLiteral("picSideBar"));
    picSideBar->setAutoFillBackground(true);
    // A surface of its own: presses beside its controls never reach the stage.
    picSideBar->setAttribute(Qt::WA_NoMousePropagation);

    Toolbar1 = new QWidget(picSideBar);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    const auto addButton = [this](const QString& key, const QString& caption, const QString& tip,
                                  QStyle::StandardPixmap icon, int left) {
        auto* action = new QAction(style()->standardIcon(icon), caption, this);
        action->setObjectName(key);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        auto* button = new QToolButton(Toolbar1);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setGeometry(left, 0, 30, kToolbarHeight);
        return action;
    };
    m_back = addButton(QStringLiteral("Back"), tr("Back"), tr("Navigate last Board"),
                       QStyle::SP_ArrowBack, 0);
    m_next = addButton(QStringLiteral("Next"), tr("Next"), tr("Navigate next Board"),
                       QStyle::SP_ArrowForward, 32);

    Combo_PageView = new QComboBox(Toolbar1);
    Combo_PageView->setObjectName(QStringLiteral("Combo_PageView"));
    connect(Combo_PageView, &QComboBox::currentIndexChanged, this, &frmMain::Combo_PageView_Click);
    Combo_PageView->setAccessibleName(tr("Board"));
    Combo_PageView->setAccessibleDescription(tr("The board on show"));

    auto* paneList = new PaneListWidget(picSideBar);
    connect(paneList, &PaneListWidget::mousePressed, this, &frmMain::List1_MouseDown);
    List1 = paneList;
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Panes"));
    List1->setAccessibleDescription(tr("Every pane of the project with its text"));
    // The selected pane is the highlighted entry, also when the keys move it.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = selectedPaneRow(); row >= 0)
            m_project.SelectedPane = static_cast<qint16>(row + 1);
    });

    Text1 = new QLineEdit(picSideBar);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Pane text"));
    limitTyping(*Text1, kPaneTextMaxLength);
    connect(Text1, &QLineEdit::textChanged, this, &frmMain::Text1_Change);
    // A project dropped on the text box opens; text dropped there is typed in.
    platform::relayFileDrags(Text1, this, [](const QStringList& files) {
        return dropActionFor(files, 0) == DropAction::OpenProject;
    });

    cmdButton = new QPushButton(tr("swap"), picSideBar);
    cmdButton->setObjectName(QStringLiteral("cmdButton"));
    cmdButton->setAccessibleDescription(tr("Gives the selected pane the text in the box"));
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
    mnu_File = addMenu(tr("&File"), QStringLiteral("mnu_File"));
    mnu_Edit = addMenu(tr("&Edit"), QStringLiteral("mnu_Edit"));
    mnu_Panes = addMenu(tr("&Pane"), QStringLiteral("mnu_Panes"));
    mnu_Board = addMenu(tr("&Board"), QStringLiteral("mnu_Board"));
    mnuHelp = addMenu(tr("&Help"), QStringLiteral("mnuHelp"));
    mnu_EditList = new QMenu(tr("Edit List"), this);
    mnu_EditList->setObjectName(QStringLiteral("mnu_EditList"));

    mnu_ChangeProject =
        addCommand(mnu_File, tr("Change Project ..."), QStringLiteral("mnu_ChangeProject"),
                   &frmMain::mnu_ChangeProject_Click);
    mnu_OpenProject =
        addCommand(mnu_File, tr("Open Project ..."), QStringLiteral("mnu_OpenProject"),
                   &frmMain::mnu_OpenProject_Click);
    createRecentProjectsMenu();
    addSeparator(mnu_File, QStringLiteral("sep01"));
    mnu_Save = addCommand(mnu_File, tr("Save Project"), QStringLiteral("mnu_Save"),
                          &frmMain::SaveProject, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnu_SaveAs = addCommand(mnu_File, tr("Save Project As ..."), QStringLiteral("mnu_SaveAs"),
                            &frmMain::mnu_SaveAs_Click);
    addSeparator(mnu_File, QStringLiteral("sep02"));
    mnu_MassImage = addCommand(mnu_File, tr("Mass Image Import ..."),
                               QStringLiteral("mnu_MassImage"), &frmMain::mnu_MassImage_Click);
    mnu_ExportHTML = addCommand(mnu_File, tr("Export As Html ..."),
                                QStringLiteral("mnu_ExportHTML"), &frmMain::mnu_ExportHTML_Click);
    mnu_ExportPDF = addCommand(mnu_File, tr("Export As PDF ..."), QStringLiteral("mnu_ExportPDF"),
                               &frmMain::mnu_ExportPDF_Click);
    mnu_Print = addCommand(mnu_File, tr("Print ..."), QStringLiteral("mnu_Print"),
                           &frmMain::mnu_Print_Click);
    mnu_ExportVideo =
        addCommand(mnu_File, tr("Export As Video ..."), QStringLiteral("mnu_ExportVideo"),
                   &frmMain::mnu_ExportVideo_Click);
    addSeparator(mnu_File, QStringLiteral("sep10"));
    mnu_Exit = addCommand(mnu_File, tr("Exit"), QStringLiteral("mnu_Exit"), &frmMain::ExitEditor);

    createEditMenu();
    addSeparator(mnu_Edit, QStringLiteral("sepClipboard"));
    mnu_CopyPicture =
        addCommand(mnu_Edit, tr("Copy Picture"), QStringLiteral("mnu_CopyPicture"),
                   &frmMain::mnu_CopyPicture_Click, QKeySequence(Qt::CTRL | Qt::Key_C));
    mnu_PastePicture =
        addCommand(mnu_Edit, tr("Paste Picture"), QStringLiteral("mnu_PastePicture"),
                   &frmMain::mnu_PastePicture_Click, QKeySequence(Qt::CTRL | Qt::Key_V));
    followClipboard();

    mnu_Closeup = addCommand(mnu_Panes, tr("Closeup"), QStringLiteral("mnu_Closeup"),
                             &frmMain::mnu_Closeup_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep06"));
    mnu_LoadPicture = addCommand(mnu_Panes, tr("Picture ..."), QStringLiteral("mnu_LoadPicture"),
                                 &frmMain::mnu_LoadPicture_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep04"));
    mnu_FlipHorizontally =
        addCommand(mnu_Panes, tr("Flip Horizontally"), QStringLiteral("mnu_FlipHorizontally"),
                   &frmMain::mnu_FlipHorizontally_Click, QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnu_FlipVertically =
        addCommand(mnu_Panes, tr("Flip Vertically"), QStringLiteral("mnu_FlipVertically"),
                   &frmMain::mnu_FlipVertically_Click, QKeySequence(Qt::CTRL | Qt::Key_X));
    addSeparator(mnu_Panes, QStringLiteral("sep09"));
    mnu_MakeBlank = addCommand(mnu_Panes, tr("Make as Blank"), QStringLiteral("mnu_MakeBlank"),
                               &frmMain::mnu_MakeBlank_Click);
    addSeparator(mnu_Panes, QStringLiteral("sep05"));
    mnu_RandomShuffle =
        addCommand(mnu_Panes, tr("Image Shuffle"), QStringLiteral("mnu_RandomShuffle"),
                   &frmMain::mnu_RandomShuffle_Click, QKeySequence(Qt::CTRL | Qt::Key_D));
    mnu_Options = addCommand(mnu_Panes, tr("Properties ..."), QStringLiteral("mnu_Options"),
                             &frmMain::mnu_Options_Click);
    m_pictureCommands << mnu_Closeup << mnu_FlipHorizontally << mnu_FlipVertically << mnu_MakeBlank;
    for (QAction* command : std::as_const(m_pictureCommands))
        command->setEnabled(false);
    // While enabled, the flips' Ctrl+Z and Ctrl+X win over the text box's undo and
    // cut, and the project's undo and redo over the box's own unless it holds typing.
    // Ctrl+C and Ctrl+V stay the box's copy and paste while it has the focus.
    new EnabledShortcutsFirst({mnu_FlipHorizontally, mnu_FlipVertically}, mnu_Undo, mnu_Redo,
                              Text1);

    mnu_BoardChangeProject =
        addCommand(mnu_Board, tr("Change Project ..."), QStringLiteral("mnu_BoardChangeProject"),
                   &frmMain::mnu_ChangeProject_Click);
    addSeparator(mnu_Board, QStringLiteral("sep11"));
    mnu_BoardOptions =
        addCommand(mnu_Board, tr("Properties ..."), QStringLiteral("mnu_BoardOptions"),
                   &frmMain::mnu_BoardOptions_Click);
    addSeparator(mnu_Board, QStringLiteral("sepPlay"));
    mnu_Play = addCommand(mnu_Board, tr("Play"), QStringLiteral("mnu_Play"),
                          &frmMain::mnu_Play_Click, QKeySequence(Qt::Key_F5));

    mnu_Help =
        addCommand(mnuHelp, tr("Help"), QStringLiteral("mnu_Help"), &frmMain::mnu_Help_Click);
    mnu_UserGuide = addCommand(mnuHelp, tr("User Guide"), QStringLiteral("mnu_UserGuide"),
                               &frmMain::mnu_UserGuide_Click);
    addSeparator(mnuHelp, QStringLiteral("sep03"));
    mnu_About =
        addCommand(mnuHelp, tr("About"), QStringLiteral("mnu_About"), &frmMain::mnu_About_Click);

    mnu_Swap = addCommand(mnu_EditList, tr("Swap Item"), QStringLiteral("mnu_Swap"),
                          &frmMain::StoreItemText);
    addSeparator(mnu_EditList, QStringLiteral("sep07"));
    mnu_Remove = addCommand(mnu_EditList, tr("Remove Item"), QStringLiteral("mnu_Remove"),
                            [this] { ClearItemText(selectedPaneRow(), false); });
    addSeparator(mnu_EditList, QStringLiteral("sep08"));
    mnu_ClearAll = addCommand(mnu_EditList, tr("Clear All"), QStringLiteral("mnu_ClearAll"),
                              [this] { ClearItemText(-1, true); });
}

void frmMain::FillDialogLists() {
    RebuildBoardList();
    m_project.GridHighlight = 0x00FF00;
    m_project.MoveHighlight = 0x00FF00;
    m_help->FillTopics();
    HtmlWords = HtmlWordTable::load();
    m_frmHTML = new frmHTML(m_platform, m_project, HtmlWords, this);
    m_frmPaper = new frmPaper(systemDefaultPaper(), this);
    m_frmVideo = new frmVideo(m_platform, this);
}

int frmMain::LayoutWindow() {
    // The window asks for no size: the desktop decides it, and where the user makes
    // it smaller than the work area the stage is cut off at its edge.
    // The caption with a few pixels either side, as a button draws it.
    const int swapCaptionWidth =
        cmdButton->fontMetrics().size(Qt::TextShowMnemonic, cmdButton->text()).width() + 8;
    const WindowLayout layout = computeWindowLayout(m_platform.workArea(), swapCaptionWidth);
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
    const int workAreaHeight = m_platform.workArea().height();
    const qreal ratio = devicePixelRatioF();
    // The desktop's first answer replaces the guess made at start-up whole,
    // height included, and so does every answer of a tiling desktop.
    const bool firstAnswer = !m_workAreaKnown && m_platform.workAreaKnown();
    const bool newHeight =
        m_platform.workAreaFollowsWindow() && workAreaHeight != m_lastWorkAreaHeight;
    if (width == m_lastWorkAreaWidth && ratio == m_deviceRatio && !firstAnswer && !newHeight)
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
    m_lastWorkAreaHeight = workAreaHeight;
    m_deviceRatio = ratio;
    if (isVisible() && !isMaximized() && !m_platform.workAreaFollowsWindow())
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
                {tr("Vistavel : Resize Error"),
                 tr("I experienced an error whilst trying to resize; Please reset "
                    "Vistavel."),
                 platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
            return;
        }
    }
    picStage->surface().clearPicture();
    RefreshBoard();
    reportChangedSources();
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
        Line1.forgetDrawing();
        picStage->update();
    }
    // The panes a drag under way started from are no longer where they were.
    m_dragState = false;
    picStage->unsetCursor();
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
    if (!m_keepTyping || !Text1->isModified())
        setTextWhole(*Text1, text, kPaneTextMaxLength);
    m_project.SelectedPane = static_cast<qint16>(List1->currentRow() + 1);
    ShowStageSelection();
    updateClipboardCommands();
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

// The guide lies in the doc folder beside the program's folder, installed or in
// the build tree.
void frmMain::mnu_UserGuide_Click() {
    const QString guide =
        QDir::cleanPath(QDir(m_platform.programFolder())
                            .filePath(QStringLiteral("../share/doc/vistavel/guide.html")));
    if (QFileInfo::exists(guide) && m_platform.openInDesktop(QUrl::fromLocalFile(guide)))
        return;
    m_platform.showMessage({tr("Vistavel : User Guide"),
                            tr("I could not open the user guide %1 in a web browser.")
                                .arg(QDir::toNativeSeparators(guide)),
                            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

void frmMain::mnu_About_Click() {
    m_about->exec();
}

} // namespace editor
