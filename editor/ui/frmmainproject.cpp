// frmMain's project files: open, save, export, and the question about unsaved
// changes before the project is closed or replaced.
#include "editor/ui/frmmain.h"

#include "editor/animatic/frmplay.h"
#include "editor/animatic/frmvideo.h"
#include "editor/animatic/videocommands.h"
#include "editor/export/frmhtml.h"
#include "editor/export/pictureprogress.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/writeplace.h"
#include "editor/print/papercommands.h"
#include "editor/ui/filenamelist.h"
#include "editor/ui/paneprogress.h"
#include "platform/busycursor.h"
#include "platform/filepaths.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>

#include <chrono>

namespace editor {
namespace {

const QString kProjectFilter = QStringLiteral("VV1 (*.vv1)");
// How soon a close request that found a command at work looks again.
constexpr std::chrono::milliseconds kBusyCloseRetry{50};

QString paneNumberList(const QList<int>& panes) {
    QStringList numbers;
    for (int pane : panes)
        numbers << QString::number(pane);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

void frmMain::mnu_OpenProject_Click() {
    if (!m_workFolder || !SettleUnsavedChanges())
        return;
    const platform::FileChoice choice = m_platform.chooseOpenFile(
        {tr("Load Project ..."), kProjectFilter, 1, {}, m_platform.programFolder()});
    if (choice.cancelled)
        return;
    ReplaceProject(choice.fileName);
}

void frmMain::OpenProjectFile(const QString& fileName) {
    if (m_workFolder && SettleUnsavedChanges())
        ReplaceProject(fileName);
}

void frmMain::ReplaceProject(const QString& fileName) {
    if (!m_workFolder)
        return;
    m_project.LastFileName = fileName;
    const ProjectPaths paths = projectPaths(fileName);
    QString refusal;
    const std::optional<ProjectFileValues> values = loadProjectFile(paths.FileName, &refusal);
    if (!values) {
        m_platform.showMessage({tr("VV1 : Load Problem"),
                                tr("I could not load the project %1.\n%2")
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
        // The open project's steps go; its bitmaps stay until the panes let go of them.
        m_history.clear();
        m_toldSourcesChanged = false;
        applyProjectFile(m_project, *values, paths.pictureFolder(), *m_workFolder);
        RebuildLists();
        m_paneSize = paneSizeFor(m_project.GridSize);
        PaneProgress progress(this, tr("Loading pictures ..."));
        missing = prepareProjectPictures(
            m_project, paneBitmapSide(m_paneSize), *m_workFolder,
            [&progress](int done, int total) { progress.setProgress(done, total); }, &unreadable);
        m_project.IsBusy = false;
        RefreshBoard();
    }
    m_history.setClean();
    projectFileChanged(paths.FileName, false);
    QStringList problems;
    if (missing > 0)
        problems << (missing == 1 ? tr("I could not find or read 1 picture of the "
                                       "project; its pane is blank.")
                                  : tr("I could not find or read %1 pictures of the "
                                       "project; their panes are blank.")
                                        .arg(missing));
    if (!unreadable.isEmpty())
        problems << unreadable;
    if (!values->RefusedPictures.isEmpty())
        problems << tr("These panes name a picture that cannot be a file in the "
                       "picture folder, so they are blank: %1.")
                        .arg(paneNumberList(values->RefusedPictures));
    if (!problems.isEmpty())
        m_platform.showMessage({tr("VV1 : Load Problem"), problems.join(QLatin1Char('\n')),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

void frmMain::mnu_SaveAs_Click() {
    SaveProjectAs();
}

bool frmMain::SaveProject() {
    if (m_projectFile.isEmpty())
        return SaveProjectAs();
    return m_workFolder && SaveProjectTo(m_projectFile);
}

bool frmMain::SaveProjectAs() {
    if (!m_workFolder)
        return false;
    // The project's own file is proposed once there is one.
    const QFileInfo projectFile(m_projectFile);
    const platform::FileChoice choice = m_platform.chooseSaveFile(
        {tr("Save Project ..."), kProjectFilter, 1,
         m_projectFile.isEmpty() ? tr("Untitled.vv1") : projectFile.fileName(),
         m_projectFile.isEmpty() ? QString() : projectFile.path(), QStringLiteral("vv1")});
    if (choice.cancelled)
        return false;
    return SaveProjectTo(choice.fileName);
}

bool frmMain::SaveProjectTo(const QString& fileName) {
    if (const std::optional<QString> refusal = workFolderRefusal(fileName, m_platform)) {
        m_platform.showMessage({tr("VV1 : Save Problem"), *refusal,
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return false;
    }
    const int boards = Combo_PageView->count();
    const auto paneTotal = static_cast<qint16>(m_project.GridSize * m_project.GridSize * boards);
    m_project.LastFileName = fileName;
    const ProjectPaths paths = projectPaths(fileName);
    QStringList unwritten;
    QList<int> lost;
    bool unflushed = false;
    {
        platform::BusyCursor busy;
        // Sources a step can bring back must outlive the save as the panes' own do.
        QHash<QString, QString> kept;
        lost =
            prepareVanishedBitmaps(m_project, paneTotal, paneBitmapSide(m_paneSize), *m_workFolder);
        unwritten =
            saveProject(m_project, paths, paneTotal, boards, *m_workFolder,
                        PictureCopies::CopyChanged, {}, historySources(), &kept, &unflushed);
        renameHistorySources(kept);
    }
    // Unless the picture folder it replaced kept them.
    lost.removeIf([&](int pane) {
        return QFileInfo::exists(platform::fileInFolder(
            paths.pictureFolder(), pictureFileName(m_project.Panes[pane].PictureName, pane)));
    });
    if (!lost.isEmpty())
        m_platform.showMessage(
            {tr("VV1 : Save Problem"),
             tr("These panes were saved without their picture, which I could no longer find or "
                "read: %1.")
                 .arg(paneNumberList(lost)),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    if (unwritten.isEmpty() && unflushed) {
        // On disk the new version has replaced the earlier one, but it may not
        // outlive a power cut: the project stays marked as changed, and a
        // recovered project keeps its recovery copy.
        projectFileChanged(paths.FileName, false);
        m_platform.showMessage(
            {tr("VV1 : Save Problem"),
             tr("The project is saved as %1, in place of the earlier version, but the disk "
                "reported an error while making the change safe, so it may not survive a power "
                "cut. Save it again, or to another disk, to be sure.")
                 .arg(QDir::toNativeSeparators(paths.FileName)),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return false;
    }
    if (unwritten.isEmpty()) {
        m_history.setClean();
        projectFileChanged(paths.FileName, true);
        return true;
    }
    m_platform.showMessage(
        {tr("VV1 : Save Problem"),
         tr("I could not write these files of the project:\n") + fileNameList(unwritten),
         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    return false;
}

bool frmMain::SettleUnsavedChanges() {
    if (m_history.isClean())
        return true;
    const QString project = m_projectFile.isEmpty()
                                ? tr("the new project")
                                : QDir::toNativeSeparators(QFileInfo(m_projectFile).fileName());
    switch (m_platform.showMessage(
        {tr("Vistavel : Save Changes"), tr("Do you want to save the changes to %1?").arg(project),
         platform::MessageIcon::Question, platform::MessageButtons::SaveDiscardCancel})) {
    case platform::MessageAnswer::Save:
        return SaveProjectAs();
    case platform::MessageAnswer::Discard:
        return true;
    default:
        return false;
    }
}

// The exports read the prepared bitmaps while their progress lets events run: a
// change of work area, which rewrites them, waits until the export is done.
void frmMain::mnu_ExportHTML_Click() {
    m_project.IsBusy = true;
    if (const std::optional<ExportTarget> target = m_frmHTML->Export())
        convertPicturesWithProgress(this, m_platform, m_project, target->folder);
    m_project.IsBusy = false;
}

void frmMain::mnu_ExportPDF_Click() {
    m_project.IsBusy = true;
    ExportBoardsAsPdf(this, m_platform, m_project, m_projectFile, *m_frmPaper);
    m_project.IsBusy = false;
}

void frmMain::mnu_Print_Click() {
    m_project.IsBusy = true;
    PrintBoards(this, m_platform, m_project, *m_frmPaper);
    m_project.IsBusy = false;
}

void frmMain::mnu_ExportVideo_Click() {
    m_project.IsBusy = true;
    ExportBoardsAsVideo(this, m_platform, m_project, *m_frmVideo);
    m_project.IsBusy = false;
}

void frmMain::mnu_Play_Click() {
    // Every board, so that the soundtrack is where it would be in the video.
    VideoOptions options = m_frmVideo->options();
    options.animatic.firstBoard = 1;
    options.animatic.lastBoard = m_project.BoardCount;
    m_project.IsBusy = true;
    int shown = 0;
    {
        frmPlay player(m_project, options);
        shown = player.Play(this, m_project.firstPaneOfBoard(currentBoardIndex() + 1));
    }
    m_project.IsBusy = false;
    activateWindow();
    if (shown <= 0)
        return;
    Combo_PageView->setCurrentIndex(m_project.boardOfPane(shown) - 1);
    List1->setCurrentRow(shown - 1);
    SyncPaneText();
}

void frmMain::ExitEditor() {
    close();
}

void frmMain::EndSession() {
    if (m_endingSession)
        return;
    KeepUnsavedWork();
    m_endingSession = true;
    close();
    // Also leaves the event loop of a dialog that waits for an answer. exit()
    // rather than quit(), which does nothing before the application's own loop
    // runs: the box about a project named on the command line has a loop of its own.
    QCoreApplication::exit(0);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A close request that is no user input (a compositor's, on Wayland) can
    // come while a command lets events run: it is taken up once the command ends.
    if (m_project.IsBusy && !m_endingSession) {
        event->ignore();
        if (!m_closePending) {
            m_closePending = true;
            QTimer::singleShot(kBusyCloseRetry, this, [this] {
                m_closePending = false;
                close();
            });
        }
        return;
    }
    if (!m_endingSession && !SettleUnsavedChanges()) {
        event->ignore();
        return;
    }
    removeWorkFolder();
    event->accept();
}

} // namespace editor
