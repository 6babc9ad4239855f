// frmMain's File > Recent Projects: the projects last opened or saved, kept in
// the program's settings, and the desktop's list of recently used files.
#include "editor/ui/frmmain.h"
#include "editor/ui/recentprojectsmenu.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace editor {
namespace {

const int kRecentProjects = 10;
const QString kProjectType = QStringLiteral("application/x-vistavel-project");

} // namespace

void frmMain::createRecentProjectsMenu() {
    mnu_RecentProjects = new RecentProjectsMenu(tr("Recent Projects"), this);
    mnu_RecentProjects->setObjectName(QStringLiteral("mnu_RecentProjects"));
    mnu_RecentProjects->menuAction()->setObjectName(QStringLiteral("mnu_RecentProjectsMenu"));
    mnu_RecentProjects->setToolTipsVisible(true);
    mnu_File->addMenu(mnu_RecentProjects);
    // Another editor may have added to the list, or a file may have gone, since.
    connect(mnu_RecentProjects, &QMenu::aboutToShow, this, &frmMain::RebuildRecentProjects);
    RebuildRecentProjects();
}

void frmMain::RebuildRecentProjects() {
    mnu_RecentProjects->clear();
    const QStringList recent = m_platform.recentFiles();
    for (const QString& file : recent) {
        const QFileInfo info(file);
        QAction* entry = mnu_RecentProjects->addAction(
            info.fileName().replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setToolTip(QDir::toNativeSeparators(info.path()));
        RecentProjectsMenu::setMissing(entry, !info.isFile());
        connect(entry, &QAction::triggered, this, [this, file] { OpenRecentProject(file); });
    }
    mnu_RecentProjects->addSeparator();
    QAction* clear = mnu_RecentProjects->addAction(tr("Clear Recent Projects"));
    clear->setObjectName(QStringLiteral("mnu_ClearRecentProjects"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        m_platform.setRecentFiles({});
        RebuildRecentProjects();
    });
}

void frmMain::OpenRecentProject(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        QStringList recent = m_platform.recentFiles();
        recent.removeAll(fileName);
        m_platform.setRecentFiles(recent);
        RebuildRecentProjects();
        m_platform.showMessage({tr("Vistavel : Recent Projects"),
                                tr("The project %1 is no longer there, so I took it off the list.")
                                    .arg(QDir::toNativeSeparators(fileName)),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
    OpenProjectFile(fileName);
}

void frmMain::rememberRecentProject(const QString& fileName) {
    QStringList recent = m_platform.recentFiles();
    recent.removeAll(fileName);
    recent.prepend(fileName);
    m_platform.setRecentFiles(recent.mid(0, kRecentProjects));
    m_platform.noteRecentlyUsed(fileName, kProjectType);
    RebuildRecentProjects();
}

} // namespace editor
