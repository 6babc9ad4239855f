#pragma once

#include "editor/ui/frmmain.h"
#include "fakeplatform.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QObject>
#include <QTest>

#include <memory>

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
    // Given afresh, as loading a picture does: read as the file is now.
    record.Stamp = {};
    if (!window.PreparePaneImage(pane, window.paneBitmapSide(), true, nullptr))
        return {};
    return record.WorkPicture;
}

// A main window over the platform double, made afresh for every test.
class EditorWindowFixture {
protected:
    void openWindow() {
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<editor::frmMain>(*m_platform);
    }
    // Closes the window; what the platform double found wrong (an answer left
    // unused, a message nobody expected), empty when all went as queued.
    QStringList closeWindow() {
        m_window.reset();
        const QStringList problems = m_platform->problems();
        m_platform.reset();
        return problems;
    }
    template <typename T> T* child(const char* name) { return part<T>(m_window.get(), name); }
    // Runs a command as the user would: it must be enabled.
    void trigger(const char* name) {
        QAction* command = child<QAction>(name);
        QVERIFY2(command->isEnabled(), name);
        command->trigger();
    }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<editor::frmMain> m_window;
};

} // namespace testsupport
