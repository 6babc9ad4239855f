// frmMain's Edit > Copy Picture and Paste Picture.
#include "editor/ui/frmmain.h"

#include "editor/model/project/pastedpicture.h"
#include "editor/model/project/pictureimport.h"
#include "platform/busycursor.h"
#include "platform/clipboardpictures.h"
#include "platform/picturesurface.h"
#include "platform/platform.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace editor {
namespace {

QString copyTitle() {
    return QCoreApplication::translate("editor::frmMain", "Vistavel : Copy Picture");
}

QString pasteTitle() {
    return QCoreApplication::translate("editor::frmMain", "Vistavel : Paste Picture");
}

} // namespace

void frmMain::followClipboard() {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &frmMain::updateClipboardCommands);
    connect(mnu_Edit, &QMenu::aboutToShow, this, &frmMain::updateClipboardCommands);
    updateClipboardCommands();
}

void frmMain::updateClipboardCommands() {
    if (!mnu_PastePicture)
        return;
    const int pane = m_project.SelectedPane;
    const bool selected = pane >= 1 && pane <= m_project.panesInUse();
    mnu_CopyPicture->setEnabled(selected && m_project.Panes[pane].hasWorkPicture());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    mnu_PastePicture->setEnabled(selected && data && platform::offersPictures(*data));
}

void frmMain::mnu_CopyPicture_Click() {
    if (!paneIsSelected(copyTitle()))
        return;
    const PaneRecord& pane = m_project.Panes[m_project.SelectedPane];
    if (!pane.hasWorkPicture())
        return;
    // The source at its own resolution, mirrored as the pane shows it; the
    // prepared bitmap when the source cannot be read any more.
    QString error;
    QImage picture;
    {
        platform::BusyCursor busy;
        if (pane.hasSourcePicture())
            picture = platform::readPicture(pane.SourcePicture, &error)
                          .mirrored(pane.FlipH != 0, pane.FlipV != 0);
        if (picture.isNull())
            picture = platform::readPicture(pane.WorkPicture, &error);
    }
    if (picture.isNull()) {
        m_platform.showMessage(
            {copyTitle(),
             tr("I couldn't read this pane's picture, so the clipboard stays as it was:\n%1")
                 .arg(QDir::toNativeSeparators(error)),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
    QGuiApplication::clipboard()->setMimeData(platform::pictureMimeData(
        picture, pane.hasSourcePicture() ? pane.SourcePicture : QString()));
}

void frmMain::mnu_PastePicture_Click() {
    if (!paneIsSelected(pasteTitle()))
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const platform::PictureOffer offer =
        data ? platform::picturesOffered(*data) : platform::PictureOffer();
    if (offer.isEmpty())
        return;
    const int pane = m_project.SelectedPane;
    if (!offer.files.isEmpty()) {
        ImportDroppedPictures(pane, offer.files, PictureArrival::Pasted);
        return;
    }
    QString error;
    QString kept;
    {
        platform::BusyCursor busy;
        const QImage picture = platform::offeredPicture(offer, &error);
        if (!picture.isNull())
            kept = keepPastedPicture(picture, *m_workFolder, &error);
    }
    if (kept.isEmpty()) {
        m_platform.showMessage(
            {pasteTitle(),
             tr("I couldn't take the picture on the clipboard, so the pane stays as it was:\n%1")
                 .arg(QDir::toNativeSeparators(error)),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
    ImportDroppedPictures(pane, {kept}, PictureArrival::Pasted);
}

} // namespace editor
