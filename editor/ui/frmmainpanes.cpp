// frmMain's Pane and Board menus: the commands on the selected pane and on the
// project's layout and properties.
#include "editor/ui/frmmain.h"

#include "editor/model/commands/boardsetupcommand.h"
#include "editor/model/commands/flipcommand.h"
#include "editor/model/commands/makeblankcommand.h"
#include "editor/model/commands/propertiescommand.h"
#include "editor/model/commands/shufflecommand.h"
#include "editor/ui/frmaddnew.h"
#include "editor/ui/frmcloseup.h"
#include "editor/ui/frmmsgbox.h"
#include "editor/ui/frmoptions.h"
#include "platform/busycursor.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QDir>

namespace editor {

void frmMain::mnu_ChangeProject_Click() {
    const std::optional<ProjectSetup> setup = m_addNew->ShowSetup(m_project.BoardCount);
    if (setup && m_workFolder && !setupKeepsAll(m_project, *setup) && roomForSetup(*setup)) {
        auto command = std::make_unique<BoardSetupCommand>(*m_commands, *setup);
        {
            platform::BusyCursor busy;
            picStage->surface().clearPicture();
            m_project.IsBusy = true;
            // A fresh start also brings back a work folder removed behind our back.
            if (setup->discardAll)
                QDir().mkpath(m_workFolder->path());
            command->run();
            RebuildLists();
            m_project.IsBusy = false;
        }
        const QList<PaneImageFailure> failures = command->failures();
        record(std::move(command));
        if (!failures.isEmpty())
            reportBlankedPanes(failures);
        reportChangedSources();
    }
    RefreshBoard();
}

bool frmMain::roomForSetup(const ProjectSetup& setup) {
    // Some room stays for everything else the editor and the desktop write.
    constexpr qint64 kReserve = qint64(32) << 20;
    constexpr qint64 kMegabyte = qint64(1) << 20;
    const qint64 needed = setupBitmapBytes(m_project, setup, bitmapSide(setup.gridSize));
    const qint64 free = m_platform.freeSpace(m_workFolder->path());
    if (needed == 0 || needed + kReserve <= free)
        return true;
    m_platform.showMessage(
        {tr("Vistavel : Board Setup"),
         tr("There is not enough free space on the disk for the pictures of the new layout: "
            "they need about %1 MB in %2, and %3 MB are free.\nNothing was changed. Free some "
            "space and try again.")
             .arg((needed + kReserve) / kMegabyte)
             .arg(QDir::toNativeSeparators(m_workFolder->path()))
             .arg(std::max<qint64>(free, 0) / kMegabyte),
         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    return false;
}

void frmMain::reportChangedSources() {
    if (m_toldSourcesChanged || panesWithChangedSources(m_project).isEmpty())
        return;
    m_toldSourcesChanged = true;
    m_platform.showMessage(
        {tr("Vistavel : Pictures Changed"),
         tr("Another program changed pictures of this project on disk since I prepared them. "
            "The panes keep the pictures they show, and I will not read the changed files "
            "again."),
         platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

void frmMain::reportBlankedPanes(const QList<PaneImageFailure>& failures) {
    QStringList panes;
    for (const PaneImageFailure& failure : failures)
        panes << QString::number(failure.pane);
    m_platform.showMessage(
        {tr("Vistavel : Board Setup"),
         tr("I could not prepare the pictures of these panes at the new size, so "
            "they are blank now: %1.\n%2")
             .arg(panes.join(QStringLiteral(", ")), failures.first().error),
         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

bool frmMain::paneIsSelected(const QString& commandTitle) {
    if (m_project.SelectedPane >= 1 && m_project.SelectedPane <= m_project.panesInUse())
        return true;
    m_platform.showMessage({commandTitle,
                            tr("Please select a pane first, on the stage or in the "
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
        m_platform.showMessage({tr("Vistavel : CloseUp"),
                                tr("I could not open the picture %1.\n%2")
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
    auto command = std::make_unique<FlipCommand>(*m_commands, m_project.SelectedPane, direction);
    command->run();
    if (!command->error().isEmpty())
        m_platform.showMessage({tr("Vistavel : Flip"),
                                tr("I could not flip the picture of pane %1.\n%2")
                                    .arg(m_project.SelectedPane)
                                    .arg(command->error()),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    record(std::move(command));
    RefreshBoard();
}

void frmMain::mnu_MakeBlank_Click() {
    if (!paneIsSelected())
        return;
    runAndRecord(std::make_unique<MakeBlankCommand>(*m_commands, m_project.SelectedPane));
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
    runAndRecord(std::make_unique<ShuffleCommand>(
        *m_commands, offset, ShuffleOrder(n, offset, [this] { return m_platform.nextRandom(); })));
    RefreshBoard();
}

void frmMain::mnu_Options_Click() {
    if (!paneIsSelected())
        return;
    const int pane = m_project.SelectedPane;
    runAndRecord(std::make_unique<PropertiesCommand>(*m_commands, pane, [this, pane] {
        m_options->ShowProperties(pane, frmOptions::kPaneMode);
    }));
}

void frmMain::mnu_BoardOptions_Click() {
    runAndRecord(std::make_unique<PropertiesCommand>(*m_commands, 0, [this] {
        m_options->ShowProperties(frmOptions::kBoardMode, frmOptions::kBoardMode);
    }));
}

} // namespace editor
