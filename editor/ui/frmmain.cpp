#include "editor/ui/frmmain.h"

#include "editor/model/listentries.h"
#include "editor/model/paneimage.h"
#include "editor/ui/busycursor.h"
#include "editor/ui/frmhelp.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace editor {
namespace {

const QString kCaption = QStringLiteral("Vistavel 1 : 2002 Edition - [Quorvane]");

QFont paneNumberFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    // Crisp strokes read better over pictures than smoothed ones.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

frmMain::frmMain(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    m_boardStyle = {loadBlankPattern(), paneNumberFont()};
    createControls();
    createMenus();

    m_project.IsBusy = true;
    FillDialogLists();
    m_lastWorkAreaWidth = m_platform.workArea().width();
    m_stageHeight = LayoutWindow();
    m_stageExtent = m_stageHeight - 15;

    QString error;
    m_workFolder = WorkFolder::create(m_platform.programFolder(), m_platform.cacheFolder(), &error);
    if (!m_workFolder)
        m_workFolder = WorkFolder::create(QDir::tempPath(), QString(), &error);
    if (!m_workFolder) {
        m_platform.showMessage(
            {QStringLiteral("Vistavel : Start-up Error"),
             QStringLiteral("I could not create a folder for my working files; "
                            "Please check that you can write to %1.\n%2")
                 .arg(QDir::toNativeSeparators(m_platform.programFolder()), error),
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

    List1 = new QListWidget(picSideBar);
    List1->setObjectName(QStringLiteral("List1"));

    Text1 = new QLineEdit(picSideBar);
    Text1->setObjectName(QStringLiteral("Text1"));

    cmdButton = new QPushButton(QStringLiteral("swap"), picSideBar);
    cmdButton->setObjectName(QStringLiteral("cmdButton"));

    m_help = new frmHelp(this);
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

    mnu_Exit = mnu_File->addAction(QStringLiteral("Exit"));
    mnu_Exit->setObjectName(QStringLiteral("mnu_Exit"));
    connect(mnu_Exit, &QAction::triggered, this, &frmMain::ExitEditor);

    mnu_Help = mnuHelp->addAction(QStringLiteral("Help"));
    mnu_Help->setObjectName(QStringLiteral("mnu_Help"));
    connect(mnu_Help, &QAction::triggered, this, &frmMain::mnu_Help_Click);
}

void frmMain::FillDialogLists() {
    RebuildBoardList();
    m_project.GridHighlight = 0x00FF00;
    m_project.MoveHighlight = 0x00FF00;
    m_help->FillTopics();
}

int frmMain::LayoutWindow() {
    const WindowLayout layout = computeWindowLayout(m_platform.workArea());
    m_client->setMinimumSize(layout.stage);
    picStage->move(0, 0);
    picStage->setSurfaceSize(layout.stage);
    picSideBar->setGeometry(layout.sideBar);
    Toolbar1->setGeometry(layout.toolbar);
    Combo_PageView->setGeometry(layout.boardList);
    List1->setGeometry(layout.paneList);
    Text1->setGeometry(layout.textBox);
    cmdButton->setGeometry(layout.swapButton);
    return layout.stage.height();
}

void frmMain::ResizeWindow() {
    if (m_project.IsBusy || !m_workFolder)
        return;
    const int width = m_platform.workArea().width();
    if (width == m_lastWorkAreaWidth)
        return;
    m_lastWorkAreaWidth = width;
    if (isVisible() && !isMaximized())
        showMaximized();
    const int height = LayoutWindow();
    {
        BusyCursor busy;
        m_stageHeight = height;
        m_stageExtent = height - 15;
        m_paneSize = platform::roundHalfEven(double(m_stageExtent) / m_project.GridSize);
        const QList<PaneImageFailure> failures = rewriteAllPaneImages(m_project, m_paneSize);
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

int frmMain::currentBoardIndex() const {
    return std::max(0, Combo_PageView->currentIndex());
}

const platform::PictureSurface& frmMain::stageSurface() const {
    return picStage->surface();
}

void frmMain::RefreshBoard() {
    m_paneSize = platform::roundHalfEven(double(m_stageExtent) / m_project.GridSize);
    {
        BusyCursor busy;
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
    Text1->setText(item ? paneListEntryText(item->text()) : QString());
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

} // namespace editor
