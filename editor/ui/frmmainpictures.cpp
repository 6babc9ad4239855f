// frmMain's pictures coming in: "Picture ...", "Mass Image Import ..." and
// files dropped from a file manager.
#include "editor/ui/frmmain.h"

#include "editor/model/commands/droppedpicturescommand.h"
#include "editor/model/commands/loadpicturecommand.h"
#include "editor/model/commands/sequenceimportcommand.h"
#include "editor/model/project/picturesequence.h"
#include "editor/ui/filenamelist.h"
#include "editor/ui/paneprogress.h"
#include "platform/busycursor.h"
#include "platform/filedrops.h"
#include "platform/picturesurface.h"
#include "platform/picturewidget.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QTimer>

namespace editor {
namespace {

platform::FileChooserRequest pictureChooser(const QString& title) {
    platform::FileChooserRequest request;
    request.title = title;
    // The first entry is selected first; the second lists every picture we read.
    QStringList patterns;
    for (const QString& extension : platform::pictureExtensions())
        patterns << QStringLiteral("*.") + extension;
    request.filter =
        QCoreApplication::translate("editor::frmMain", "Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)")
            .arg(QCoreApplication::translate("editor::frmMain", "All pictures"),
                 patterns.join(QLatin1Char(' ')));
    return request;
}

} // namespace

void frmMain::mnu_MassImage_Click() {
    if (!paneIsSelected(importTitle()))
        return;
    const platform::FileChoice choice =
        m_platform.chooseOpenFile(pictureChooser(tr("Mass Image Import ...")));
    if (choice.cancelled)
        return;
    m_project.LastFileName = choice.fileName;
    const PictureSequence sequence = PictureSequence::recognise(choice.fileName);
    if (!sequence.isRecognised()) {
        if (sequence.recognition() == PictureSequence::Recognition::Unusable)
            m_platform.showMessage({importTitle(), importReport(0),
                                    platform::MessageIcon::Information,
                                    platform::MessageButtons::Ok});
        return;
    }
    m_project.IsBusy = true;
    SequenceImport result;
    {
        platform::BusyCursor busy;
        PaneProgress progress(this, tr("Importing pictures ..."));
        m_paneSize = paneSizeFor(m_project.GridSize);
        auto command = std::make_unique<SequenceImportCommand>(
            *m_commands, sequence, m_project.SelectedPane,
            [&progress](int done, int total) { progress.setProgress(done, total); });
        command->run();
        result = command->result();
        record(std::move(command));
    }
    RefreshBoard();
    m_project.IsBusy = false;
    if (!result.reachedLastPane)
        m_platform.showMessage({importTitle(), importReport(result.filled, result.failure),
                                platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

void frmMain::mnu_LoadPicture_Click() {
    if (!paneIsSelected(tr("Vistavel : Load Picture")))
        return;
    m_project.IsBusy = true;
    const platform::FileChoice choice =
        m_platform.chooseOpenFile(pictureChooser(tr("Load Picture ...")));
    if (!choice.cancelled)
        LoadPictureFile(m_project.SelectedPane, choice.fileName);
    m_project.IsBusy = false;
}

void frmMain::LoadPictureFile(int pane, const QString& fileName) {
    m_project.IsBusy = true;
    m_project.LastFileName = fileName;
    m_paneSize = paneSizeFor(m_project.GridSize);
    QString error;
    {
        platform::BusyCursor busy;
        auto command = std::make_unique<LoadPictureCommand>(*m_commands, pane, fileName);
        command->run();
        error = command->error();
        record(std::move(command));
    }
    if (error.isEmpty())
        RefreshBoard();
    else
        m_platform.showMessage({tr("Vistavel : Load Picture"),
                                tr("I couldn't read this picture, so the pane stays as it was:\n%1")
                                    .arg(QDir::toNativeSeparators(error)),
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    m_project.IsBusy = false;
}

void frmMain::ImportDroppedPictures(int firstPane, const QStringList& files,
                                    PictureArrival arrival) {
    const QStringList ordered = naturalOrder(files);
    if (arrival == PictureArrival::Dropped)
        m_project.LastFileName = ordered.first();
    m_project.IsBusy = true;
    QStringList leftOut;
    {
        platform::BusyCursor busy;
        PaneProgress progress(this, tr("Importing pictures ..."));
        m_paneSize = paneSizeFor(m_project.GridSize);
        const auto report = [&progress](int done, int total) { progress.setProgress(done, total); };
        std::unique_ptr<DroppedPicturesCommand> command;
        switch (arrival) {
        case PictureArrival::Dropped:
            command =
                std::make_unique<DroppedPicturesCommand>(*m_commands, ordered, firstPane, report);
            break;
        case PictureArrival::Pasted:
            command =
                std::make_unique<PastePictureCommand>(*m_commands, ordered, firstPane, report);
            break;
        case PictureArrival::FromBrowser:
            command = std::make_unique<DropPictureCommand>(*m_commands, ordered.first(), firstPane);
            break;
        }
        command->run();
        leftOut = command->leftOut();
        record(std::move(command));
    }
    RefreshBoard();
    m_project.IsBusy = false;
    if (!leftOut.isEmpty())
        m_platform.showMessage({importTitle(),
                                tr("I couldn't read these files as pictures, so their "
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
    if (!takesDrops())
        return DropAction::Refuse;
    // A picture from a web browser goes onto a pane, as one picture file does.
    if (files->isEmpty() && event.mimeData() && platform::offersBrowserPicture(*event.mimeData()))
        return *pane >= 1 ? DropAction::LoadPicture : DropAction::Refuse;
    return dropActionFor(*files, *pane);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    // Where it may land is decided by the moves that follow.
    const bool offered = !platform::droppedLocalFiles(*event).isEmpty() ||
                         (event->mimeData() && platform::offersBrowserPicture(*event->mimeData()));
    if (!takesDrops() || !offered)
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
    // What a browser drags is there only until the drop is taken.
    const platform::BrowserPicture dragged = action != DropAction::Refuse && files.isEmpty()
                                                 ? platform::browserPicture(*event->mimeData())
                                                 : platform::BrowserPicture();
    if (action == DropAction::Refuse || (files.isEmpty() && dragged.isEmpty()) ||
        !platform::acceptAsCopy(*event)) {
        event->ignore();
        return;
    }
    // The file manager waits until the drop is taken; the work comes after.
    QTimer::singleShot(0, this, [this, action, files, pane, dragged] {
        if (!takesDrops())
            return;
        if (files.isEmpty()) {
            TakeBrowserPicture(pane, dragged);
            return;
        }
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

} // namespace editor
