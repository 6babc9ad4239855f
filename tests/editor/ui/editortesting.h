#pragma once

#include "editor/ui/frmmain.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QObject>

namespace testsupport {

// A named child of a window or dialog; a missing one is a broken test.
template <typename T> T* part(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

// Every entry of a list box, as the user reads them.
inline QStringList listEntries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

inline QImage filledPicture(QColor colour, QSize size = QSize(40, 40)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Saves `image` as `file` and gives it to the pane as loading a picture does,
// its bitmap prepared at the window's pane size. Returns the prepared bitmap's
// name, or nothing when the picture could not be saved or prepared.
inline QString givePicture(editor::frmMain& window, int pane, const QImage& image,
                           const QString& file) {
    QDir().mkpath(QFileInfo(file).path());
    if (!image.save(file))
        return {};
    editor::PaneRecord& record = window.project().Panes[pane];
    record.SourcePicture = file;
    record.PictureName = QFileInfo(file).completeBaseName();
    if (!window.PreparePaneImage(pane, window.paneSize(), true, nullptr))
        return {};
    return record.WorkPicture;
}

} // namespace testsupport
