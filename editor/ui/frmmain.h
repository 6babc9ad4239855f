#pragma once

#include "editor/export/htmlwordtable.h"
#include "editor/model/commands/projectchange.h"
#include "editor/model/project/dropaction.h"
#include "editor/model/project/paneimage.h"
#include "editor/model/project/paneoperations.h"
#include "editor/model/project/projectrecord.h"
#include "editor/model/stage/boarddrawing.h"
#include "editor/model/stage/dragline.h"
#include "editor/model/stage/hoverhighlight.h"
#include "editor/model/storage/recoverycopy.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/stageaccessible.h"
#include "platform/browserdrags.h"
#include "platform/picturesurface.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QUndoStack>

#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;

namespace platform {
class Platform;
class PictureWidget;
} // namespace platform

namespace editor {

class frmAbout;
class frmAddNew;
class frmCloseUp;
class frmHelp;
class frmMsgBox;
class frmOptions;
class frmHTML;
class frmPaper;
class frmVideo;
struct ProjectSetup;
class RecoveryKeeper;

// The board editor's main window: owns the project and its history of changes,
// lays itself out over the desktop work area and shows one board at a time on
// the stage.
class frmMain : public QMainWindow, private ChangeView, private StageContents {
    Q_OBJECT
public:
    explicit frmMain(platform::Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // False when no work folder could be made anywhere; the user has been told.
    bool startedUp() const { return m_workFolder != nullptr; }

    ProjectRecord& project() { return m_project; }
    // Every change of the project since it was opened; clean at the last open or save.
    QUndoStack& history() { return m_history; }
    const WorkFolder& workFolder() const { return *m_workFolder; }
    // The side of the board's square: the stage's height, less on a narrow screen.
    int stageHeight() const { return m_stageHeight; }
    int stageExtent() const { return m_stageExtent; }
    int paneSize() const { return m_paneSize; }
    int currentBoardIndex() const;
    // The side of a pane on the stage for a grid of gridSize x gridSize.
    int paneSizeFor(int gridSize) const;
    // The side of a pane's prepared bitmap: the stage's device pixels over a
    // pane of `paneSize` logical pixels, so that pictures show one to one.
    int paneBitmapSide(int paneSize) const;
    int paneBitmapSide() const { return paneBitmapSide(m_paneSize); }
    const platform::PictureSurface& stageSurface() const;

    // Redraws the current board, sets Back and Next and selects the board's
    // first pane in the pane list. Every command that changes the project ends here.
    void RefreshBoard();
    // Board list for BoardCount boards with the first selected, and the pane
    // list for every pane in use; no redraw.
    void RebuildLists();
    // Renders a pane's picture into its prepared bitmap, `size` device pixels a side.
    bool PreparePaneImage(int pane, int size, bool newFile, QString* error);
    // Closes the window, asking first about unsaved changes.
    void ExitEditor();
    // Ends the program at once, without a question: nobody may be there to answer.
    // A changed project is kept as its recovery copy, which outlives the work
    // folder, for the next start.
    void EndSession();
    // Opens a project file as File > Open Project ... does once its chooser has
    // answered: the same question about unsaved changes, refusals and messages.
    void OpenProjectFile(const QString& fileName);
    // Offers, newest first, the work that editors which ended without saving left
    // in their work folders: Recover, Discard or Later. Run once at start-up.
    void OfferRecoveries();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Files dropped from a file manager: a project anywhere on the window,
    // pictures on the pane under the pointer, framed while the drag is over it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createEditMenu();
    // A menu item with its object name, run by `handler` (a member or a lambda).
    template <typename Handler>
    QAction* addCommand(QMenu* menu, const QString& caption, const QString& name, Handler handler,
                        const QKeySequence& shortcut = {});
    void addSeparator(QMenu* menu, const QString& name);
    void FillDialogLists();
    int LayoutWindow();
    void ResizeWindow();
    void RebuildBoardList();
    void RebuildPaneList();
    void SyncPaneText();
    void Combo_PageView_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void mnu_Help_Click();
    // Help > User Guide: the guide in the desktop's web browser.
    void mnu_UserGuide_Click();
    void picStage_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void picStage_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint at);
    void picStage_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void picStage_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Selects a pane as a press on it does, showing its board first.
    void SelectStagePane(int pane);
    // A drag's swap: one step in the history, the two list entries and the board redrawn.
    void SwapStagePanes(int selected, int target);
    // Closeup, the flips and Make as Blank, as the pane has a picture or not.
    void EnablePictureCommandsFor(int pane);
    // The focus frame around the selected pane, when it is on the board on show.
    void ShowStageSelection();
    // The slot of a pane of the board on show, 0 for a pane elsewhere.
    int stageSlotOf(int pane) const;
    QPoint paneCentreOnStage(int pane) const;
    int slotsOnShow() const override;
    int paneInSlot(int slot) const override;
    const PaneRecord& paneRecord(int pane) const override;
    QRect slotRect(int slot) const override;
    int selectedSlot() const override;
    // The pane of the board on show under `at`, 0 for none; highlights it when found.
    int HitTestPane(QPoint at, int paneSize, int gridSize);
    void List1_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Text1_Change();
    void cmdButton_Click();
    // The row of the pane list's selected entry, -1 for none. The current row
    // is no guide: the list makes its first row current, unselected, whenever it
    // gets the focus without a click.
    int selectedPaneRow() const;
    void StoreItemText();
    void ClearItemText(int index, bool all);
    void RewritePaneListEntry(int pane);
    void mnu_ChangeProject_Click();
    // False, after telling the user, when the disk has no room for the bitmaps
    // `setup` would prepare.
    bool roomForSetup(const ProjectSetup& setup);
    void reportBlankedPanes(const QList<PaneImageFailure>& failures);
    // Says once per project that pictures it was prepared from changed on disk.
    void reportChangedSources();
    // False, after telling the user in a box titled `commandTitle`, when no pane
    // of the project is selected.
    bool paneIsSelected(const QString& commandTitle = tr("Vistavel : Pane"));
    void mnu_Closeup_Click();
    void mnu_FlipHorizontally_Click();
    void mnu_FlipVertically_Click();
    void FlipSelectedPane(FlipDirection direction);
    void mnu_MakeBlank_Click();
    void mnu_RandomShuffle_Click();
    void mnu_Options_Click();
    void mnu_BoardOptions_Click();
    void mnu_About_Click();
    void mnu_OpenProject_Click();
    // File > Recent Projects, from the platform's list each time it opens.
    void createRecentProjectsMenu();
    void RebuildRecentProjects();
    // Opens a recent project as Open Project does; one that is gone leaves the list.
    void OpenRecentProject(const QString& fileName);
    // Puts a project just opened or saved first in the recent projects and the
    // desktop's recently used files.
    void rememberRecentProject(const QString& fileName);
    // Puts the project in `fileName` in place of the one open, with a new history.
    void ReplaceProject(const QString& fileName);
    void mnu_SaveAs_Click();
    // True when the project was saved whole. SaveProject writes over the
    // project's own file, and asks for one only when it has none yet.
    bool SaveProject();
    bool SaveProjectAs();
    bool SaveProjectTo(const QString& fileName);
    // Asks whether to save a changed project before it is closed or replaced;
    // true when the caller may go on (saved, discarded or nothing to lose).
    bool SettleUnsavedChanges();
    void mnu_ExportHTML_Click();
    void mnu_ExportPDF_Click();
    void mnu_Print_Click();
    void mnu_ExportVideo_Click();
    void mnu_Play_Click();
    void mnu_MassImage_Click();
    void mnu_LoadPicture_Click();
    // Edit > Copy Picture and Paste Picture (frmmainclipboard.cpp).
    void mnu_CopyPicture_Click();
    void mnu_PastePicture_Click();
    // Copy follows the selected pane, Paste also what the clipboard holds.
    void followClipboard();
    void updateClipboardCommands();
    // Pane > Picture ... once its chooser has answered.
    void LoadPictureFile(int pane, const QString& fileName);
    // How pictures reached a pane: the step the history names them by.
    enum class PictureArrival { Dropped, Pasted, FromBrowser };
    // Several pictures dropped on `firstPane`: it and the panes after it.
    void ImportDroppedPictures(int firstPane, const QStringList& files,
                               PictureArrival arrival = PictureArrival::Dropped);
    // A picture dragged from a web browser onto `pane` (frmmainbrowserdrops.cpp):
    // taken from the drag, or fetched from its address with progress and Cancel.
    void TakeBrowserPicture(int pane, const platform::BrowserPicture& picture);
    // The content at `address`, nothing when cancelled or failed (`error` says why).
    QByteArray DownloadPicture(const QUrl& address, QString* error);
    // No drop while a command runs or a dialog waits for an answer.
    bool takesDrops() const;
    // The pane under a point of the window (0 for none), framed as a hover frames it.
    int paneUnderDrop(QPoint windowPoint);
    // What a drop of the drag's files at its position does; Refuse when none.
    DropAction dropActionAt(const QDropEvent& event, QStringList* files, int* pane);

    // Runs a change of the project and keeps it in the history when it changed anything.
    void runAndRecord(std::unique_ptr<ProjectChange> change);
    // Keeps a change that has run in the history when it changed anything.
    void record(std::unique_ptr<ProjectChange> change);
    // The source pictures the history can bring back, and pointing it at the
    // kept copies of those a save replaced.
    QSet<QString> historySources() const;
    void renameHistorySources(const QHash<QString, QString>& kept);
    int bitmapSide(int gridSize) const override;
    void startRecoveryKeeper();
    std::optional<RecoverySnapshot> recoverySnapshot() const;
    // Opens a left recovery copy as a changed project named as it was.
    void RecoverProject(std::unique_ptr<LeftWork> work);
    // After an open or a successful save under `fileName`.
    void projectFileChanged(const QString& fileName, bool saved);
    // Keeps a changed project as its recovery copy, which outlives the work folder.
    void KeepUnsavedWork();
    // Stops the recovery copies, then deletes the work folder.
    void removeWorkFolder();
    void showChange(int pane) override;

    platform::Platform& m_platform;
    ProjectRecord m_project;
    std::unique_ptr<WorkFolder> m_workFolder;
    // What the history's steps work on; there while the work folder is.
    std::unique_ptr<CommandContext> m_commands;
    QUndoStack m_history;
    // The project file last opened or saved; empty for a new project.
    QString m_projectFile;
    // Set once the program is ending without a question: no further offer of
    // left work waits for an answer either.
    bool m_endingSession = false;
    // Writes the recovery copy a short moment after each change.
    std::unique_ptr<RecoveryKeeper> m_recoveryKeeper;
    // The work folder of an ended editor whose project was recovered: deleted
    // once that project is saved.
    std::unique_ptr<LeftWork> m_recovered;
    BoardStyle m_boardStyle;
    // The tag words of the web pages, loaded once at start-up.
    HtmlWordTable HtmlWords;

    // False while the work area laid out is the platform's first guess.
    bool m_workAreaKnown = true;
    int m_lastWorkAreaWidth = 0;
    int m_lastWorkAreaHeight = 0; // counts only where the work area is the window's size
    int m_stageHeight = 0;
    int m_stageExtent = 0;
    int m_paneSize = 0;
    // Device pixels to a logical one on the window's screen at the last layout.
    qreal m_deviceRatio = 1;
    // Set from a press on the stage until its release.
    bool m_dragState = false;
    // The pane the last hit test on the stage found, 0 for none.
    int m_hoverPane = 0;
    // Set when a right press popped up the Pane menu, so that its release does
    // not pop it up a second time.
    bool m_paneMenuShown = false;
    // Set while an undo or redo is shown: the text box keeps typing not yet stored.
    bool m_keepTyping = false;
    // Set while a close request that came during a command waits for its end.
    bool m_closePending = false;
    // Set once the user was told that the project's pictures changed on disk.
    bool m_toldSourcesChanged = false;
    HoverHighlight m_hoverHighlight;
    DragLine Line1;

    QWidget* m_client = nullptr;
    platform::PictureWidget* picStage = nullptr;
    StageAccessibility* m_stageAccessibility = nullptr;
    QWidget* picSideBar = nullptr;
    QWidget* Toolbar1 = nullptr;
    QAction* m_back = nullptr;
    QAction* m_next = nullptr;
    QComboBox* Combo_PageView = nullptr;
    QListWidget* List1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdButton = nullptr;
    // The clean board copy the stage restores from when a highlight moves.
    platform::PictureSurface picLoader;

    frmHelp* m_help = nullptr;
    frmAddNew* m_addNew = nullptr;
    frmOptions* m_options = nullptr;
    frmCloseUp* m_closeUp = nullptr;
    frmMsgBox* m_msgBox = nullptr;
    frmAbout* m_about = nullptr;
    // Set once the user ticked "Don't show me again" in the shuffle's notice;
    // lasts until the program ends.
    bool SkipShuffleNotice = false;

    // The menu bar's menus; mnu_Panes is also the stage's pop-up menu and
    // mnu_EditList, kept out of the menu bar, the pane list's.
    QMenu* mnu_File = nullptr;
    QMenu* mnu_Edit = nullptr;
    QMenu* mnu_Panes = nullptr;
    QMenu* mnu_Board = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnu_EditList = nullptr;
    QMenu* mnu_RecentProjects = nullptr;
    QAction* mnu_OpenProject = nullptr;
    QAction* mnu_Save = nullptr;
    QAction* mnu_SaveAs = nullptr;
    QAction* mnu_ExportHTML = nullptr;
    QAction* mnu_ExportPDF = nullptr;
    QAction* mnu_Print = nullptr;
    QAction* mnu_ExportVideo = nullptr;
    QAction* mnu_Play = nullptr;
    QAction* mnu_MassImage = nullptr;
    QAction* mnu_Exit = nullptr;
    QAction* mnu_Undo = nullptr;
    QAction* mnu_Redo = nullptr;
    QAction* mnu_Help = nullptr;
    QAction* mnu_UserGuide = nullptr;
    QAction* mnu_Swap = nullptr;
    QAction* mnu_Remove = nullptr;
    QAction* mnu_ClearAll = nullptr;
    QAction* mnu_ChangeProject = nullptr;
    QAction* mnu_Closeup = nullptr;
    QAction* mnu_FlipHorizontally = nullptr;
    QAction* mnu_FlipVertically = nullptr;
    QAction* mnu_MakeBlank = nullptr;
    QAction* mnu_RandomShuffle = nullptr;
    QAction* mnu_Options = nullptr;
    QAction* mnu_BoardChangeProject = nullptr;
    QAction* mnu_BoardOptions = nullptr;
    QAction* mnu_About = nullptr;
    QAction* mnu_LoadPicture = nullptr;
    QAction* mnu_CopyPicture = nullptr;
    QAction* mnu_PastePicture = nullptr;
    // Closeup, the flips and Make as Blank: enabled together by every press on
    // the stage, as the pane under the pointer has a picture or not.
    QList<QAction*> m_pictureCommands;

    frmHTML* m_frmHTML = nullptr;
    frmPaper* m_frmPaper = nullptr;
    frmVideo* m_frmVideo = nullptr;
};

} // namespace editor
