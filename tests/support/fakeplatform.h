#pragma once

#include "platform/platform.h"
#include "platform/turbojpegencoder.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <random>

namespace testsupport {

// The desktop for tests: choosers answer from a queue, every message box is
// recorded and answered from a queue, the work area is fixed (1280 x 994 unless a
// test changes it) and the program's folder is a fresh temporary folder.
class FakePlatform final : public platform::Platform {
    Q_OBJECT
public:
    FakePlatform();

    // Queues the answer for the next open or save chooser. An empty file name
    // answers with a cancel.
    void answerOpen(const QString& fileName, int filterIndex = 1);
    void answerSave(const QString& fileName, int filterIndex = 1);
    // Queues a message box that must come next, its title and the button pressed.
    void expectMessage(const QString& title,
                       platform::MessageAnswer answer = platform::MessageAnswer::Ok);
    // Queues values the random source gives before falling back to its seeded sequence.
    void queueRandom(const QList<double>& values);

    void setWorkArea(QSize size); // emits workAreaChanged()
    // A first guess at the work area, as on Wayland before the window is shown;
    // the next setWorkArea() is the desktop's answer.
    void guessWorkArea(QSize size);
    // A tiling desktop: the work area is the window's size, height changes included.
    void setTiling(bool tiling) { m_tiling = tiling; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    void setRunsInstalled(bool installed) { m_runsInstalled = installed; }
    // A disk with only `bytes` free; the real free space when negative.
    void setFreeSpace(qint64 bytes) { m_freeSpace = bytes; }

    const QList<platform::FileChooserRequest>& openRequests() const { return m_openRequests; }
    const QList<platform::FileChooserRequest>& saveRequests() const { return m_saveRequests; }
    const QList<platform::MessageRequest>& messages() const { return m_messages; }

    // Empty when every queued answer was used and every message was expected;
    // otherwise one line per problem.
    QStringList problems() const;

    platform::FileChoice chooseOpenFile(const platform::FileChooserRequest& request) override;
    platform::FileChoice chooseSaveFile(const platform::FileChooserRequest& request) override;
    platform::MessageAnswer showMessage(const platform::MessageRequest& message) override;
    QSize workArea() const override { return m_workArea; }
    bool workAreaKnown() const override { return m_workAreaKnown; }
    bool workAreaFollowsWindow() const override { return m_tiling; }
    QString programFolder() const override { return m_programFolder; }
    QString cacheFolder() const override { return m_folder.filePath(QStringLiteral("cache")); }
    bool runsInstalled() const override { return m_runsInstalled; }
    qint64 freeSpace(const QString& folder) const override {
        return m_freeSpace >= 0 ? m_freeSpace : Platform::freeSpace(folder);
    }
    double nextRandom() override;
    platform::JpegEncoder& jpegEncoder() override { return m_jpeg; }
    // Settings and the desktop's recently used files stay in memory; pages are
    // only recorded.
    QStringList recentFiles() const override { return m_recentFiles; }
    void setRecentFiles(const QStringList& files) override { m_recentFiles = files; }
    void noteRecentlyUsed(const QString& file, const QString& mimeType) override {
        m_recentlyUsed << file + QLatin1Char(' ') + mimeType;
    }
    bool openInDesktop(const QUrl& url) override {
        m_openedUrls << url;
        return true;
    }
    platform::DownloadLimits pictureDownloadLimits() const override { return m_downloadLimits; }
    void setPictureDownloadLimits(const platform::DownloadLimits& limits) {
        m_downloadLimits = limits;
    }
    // "<file> <MIME type>" for every file noted as recently used.
    const QStringList& recentlyUsed() const { return m_recentlyUsed; }
    const QList<QUrl>& openedUrls() const { return m_openedUrls; }

private:
    struct ExpectedMessage {
        QString title;
        platform::MessageAnswer answer;
    };

    platform::FileChoice answer(std::deque<platform::FileChoice>& queue, const char* kind,
                                const platform::FileChooserRequest& request);

    QTemporaryDir m_folder;
    QString m_programFolder;
    bool m_runsInstalled = false;
    qint64 m_freeSpace = -1;
    QSize m_workArea{1280, 994};
    bool m_workAreaKnown = true;
    bool m_tiling = false;
    std::deque<platform::FileChoice> m_openAnswers;
    std::deque<platform::FileChoice> m_saveAnswers;
    std::deque<ExpectedMessage> m_expectedMessages;
    std::deque<double> m_randomValues;
    std::mt19937 m_random{20021};
    QList<platform::FileChooserRequest> m_openRequests;
    QList<platform::FileChooserRequest> m_saveRequests;
    QList<platform::MessageRequest> m_messages;
    QStringList m_problems;
    QStringList m_recentFiles;
    QStringList m_recentlyUsed;
    QList<QUrl> m_openedUrls;
    platform::DownloadLimits m_downloadLimits;
    platform::TurboJpegEncoder m_jpeg;
};

} // namespace testsupport
