// The main window's part in keeping work through a crash: the recovery copy of
// a changed project, the offer of what ended editors left, and the end of a
// session with unsaved changes.

#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/recoverykeeper.h"
#include "editor/ui/frmmain.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace editor {
namespace {

QString counted(int count, const QString& one, const QString& many) {
    return count == 1 ? one : many.arg(count);
}

// What a copy that was cut off or damaged lacks, so that the user knows before recovering it.
QString incompleteWarning(const RecoveryDescription& left) {
    if (left.complete())
        return {};
    QStringList missing;
    if (left.missingPanes > 0)
        missing << QCoreApplication::translate("editor::frmMain", "%1 of its %2 panes")
                       .arg(left.missingPanes)
                       .arg(left.panes);
    if (left.missingPictures > 0)
        missing << QCoreApplication::translate("editor::frmMain", "%1 of its pictures")
                       .arg(left.missingPictures);
    return QCoreApplication::translate("editor::frmMain",
                                       "\n\nThis copy is incomplete: %1 are missing. What is "
                                       "missing comes back blank.")
        .arg(missing.join(QCoreApplication::translate("editor::frmMain", " and ")));
}

QString offerText(const RecoveryDescription& left) {
    const QString project = left.fileName.isEmpty()
                                ? QCoreApplication::translate("editor::frmMain", "a new project")
                                : QCoreApplication::translate("editor::frmMain", "the project %1")
                                      .arg(QDir::toNativeSeparators(left.fileName));
    return QCoreApplication::translate(
               "editor::frmMain",
               "An editor that ended on %1 left changes that were never saved: %2, "
               "with %3 and %4.\n\nRecover opens them; Later keeps them for the next "
               "start; Discard deletes them.")
        .arg(QLocale().toString(left.written, QLocale::ShortFormat), project,
             counted(left.boards, QCoreApplication::translate("editor::frmMain", "1 board"),
                     QCoreApplication::translate("editor::frmMain", "%1 boards")),
             counted(left.pictures, QCoreApplication::translate("editor::frmMain", "1 picture"),
                     QCoreApplication::translate("editor::frmMain", "%1 pictures")))
        .append(incompleteWarning(left));
}

} // namespace

void frmMain::startRecoveryKeeper() {
    m_recoveryKeeper = std::make_unique<RecoveryKeeper>(
        m_history, [this] { return recoverySnapshot(); }, *m_workFolder);
}

std::optional<RecoverySnapshot> frmMain::recoverySnapshot() const {
    // Not half-way through an open or an import, whose progress lets timers run.
    if (m_project.IsBusy)
        return std::nullopt;
    // The pane table's texts are shared, not copied: this is cheap whatever the project.
    return RecoverySnapshot{m_project, m_projectFile};
}

void frmMain::OfferRecoveries() {
    if (!m_workFolder)
        return;
    for (std::unique_ptr<LeftWork>& left : LeftWork::claimAll(m_workFolder->container())) {
        // One project at a time: after a recovery the others wait for the next start.
        if (m_recovered || m_endingSession)
            break;
        switch (m_platform.showMessage({tr("Vistavel : Recover"), offerText(left->description()),
                                        platform::MessageIcon::Question,
                                        platform::MessageButtons::RecoverDiscardLater})) {
        case platform::MessageAnswer::Recover:
            RecoverProject(std::move(left));
            break;
        case platform::MessageAnswer::Discard:
            left->discard();
            break;
        default:
            // Later: the folder's lock goes with it, and the copy waits for the next start.
            break;
        }
    }
}

void frmMain::RecoverProject(std::unique_ptr<LeftWork> left) {
    const QString copy = left->projectFile();
    ReplaceProject(copy);
    if (m_projectFile != copy)
        return; // refused; the user has been told, and the copy stays for the next start
    // The panes' pictures come from the ended editor's folder, which goes once
    // the project is saved.
    adoptPictures(m_project, projectPaths(copy).pictureFolder(), *m_workFolder, nullptr);
    m_projectFile = left->description().fileName;
    m_project.LastFileName = m_projectFile;
    m_history.resetClean();
    m_recovered = std::move(left);
}

void frmMain::projectFileChanged(const QString& fileName, bool saved) {
    m_projectFile = fileName;
    rememberRecentProject(fileName);
    // A recovered project saved: its left folder has served. Any other project
    // opened: the left folder stays for the next start.
    if (saved && m_recovered)
        m_recovered->discard();
    m_recovered.reset();
}

void frmMain::KeepUnsavedWork() {
    if (!m_workFolder || !m_recoveryKeeper)
        return;
    if (!m_history.isClean()) {
        m_recoveryKeeper->writeNow();
        if (holdsRecoveryCopy(m_workFolder->path()))
            m_workFolder->leaveRecoveryCopy();
    }
    m_recoveryKeeper->stop();
}

void frmMain::removeWorkFolder() {
    if (m_recoveryKeeper)
        m_recoveryKeeper->stop();
    if (m_workFolder)
        m_workFolder->remove();
}

} // namespace editor
