#pragma once

#include "platform/platform.h"
#include "platform/turbojpegencoder.h"

#include <QPointer>

#include <random>

namespace platform {

class MaximisedWindowSize;

// The real desktop: Qt's file dialogs and message boxes, the primary screen's
// available geometry (on Wayland, where a program is not told it, the size the
// compositor gives the maximised main window; on a tiling desktop the size it
// gives the main window), a clock-seeded random source and libjpeg-turbo;
// settings under $XDG_CONFIG_HOME/<program>/, the recently used files in the
// freedesktop list, pages in the desktop's browser.
class QtPlatform final : public Platform {
    Q_OBJECT
public:
    explicit QtPlatform(QObject* parent = nullptr);

    FileChoice chooseOpenFile(const FileChooserRequest& request) override;
    FileChoice chooseSaveFile(const FileChooserRequest& request) override;
    MessageAnswer showMessage(const MessageRequest& message) override;
    QSize workArea() const override;
    void takeWorkAreaFrom(QWidget* window) override;
    bool workAreaKnown() const override;
    bool workAreaFollowsWindow() const override { return m_tiling; }
    QString programFolder() const override;
    QString cacheFolder() const override;
    bool runsInstalled() const override;
    double nextRandom() override;
    JpegEncoder& jpegEncoder() override { return m_jpeg; }
    QStringList recentFiles() const override;
    void setRecentFiles(const QStringList& files) override;
    void noteRecentlyUsed(const QString& file, const QString& mimeType) override;
    bool openInDesktop(const QUrl& url) override;

private:
    FileChoice choose(const FileChooserRequest& request, bool save);

    const bool m_tiling;
    QPointer<MaximisedWindowSize> m_maximised;
    std::mt19937_64 m_random;
    TurboJpegEncoder m_jpeg;
};

} // namespace platform
