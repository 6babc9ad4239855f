#pragma once

#include "platform/downloadlimits.h"
#include "platform/jpegencoder.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace platform {

// A system file chooser. Filters are written the Qt way, "Name (*.a *.b)"
// entries separated by ";;"; the filter index counts from 1.
struct FileChooserRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString proposedName;
    QString startFolder;
    // Added by a save chooser to a name typed without one ("pdf"), before it asks
    // whether to replace a file of that name.
    QString defaultSuffix;
};

struct FileChoice {
    bool cancelled = true;
    QString fileName; // full path of the chosen file
    int filterIndex = 1;
};

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
// SaveDiscardCancel asks before unsaved work is closed (Save is the default);
// RecoverDiscardLater offers work an ended editor left behind (Recover is the default).
enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    SaveDiscardCancel,
    RecoverDiscardLater
};
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard, Recover, Later };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Everything a window needs from the desktop that would otherwise need a person
// or a particular screen. Windows receive it at construction; tests replace it.
class Platform : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual FileChoice chooseOpenFile(const FileChooserRequest& request) = 0;
    virtual FileChoice chooseSaveFile(const FileChooserRequest& request) = 0;
    virtual MessageAnswer showMessage(const MessageRequest& message) = 0;

    // The desktop less the task bar, in pixels.
    virtual QSize workArea() const = 0;
    // Some desktops (Wayland) tell a program its space only as the size they give
    // its window maximised. There the work area is a first guess until `window`
    // has been shown maximised, and follows that window's maximised size after;
    // elsewhere this does nothing.
    virtual void takeWorkAreaFrom(QWidget* window) { Q_UNUSED(window); }
    // False while workArea() is still the first guess.
    virtual bool workAreaKnown() const { return true; }
    // True on a tiling desktop, where the work area is the size the desktop gives
    // that window, whichever way it changes, and the window is never maximised.
    virtual bool workAreaFollowsWindow() const { return false; }
    // The folder that holds the program.
    virtual QString programFolder() const = 0;
    // Where per-user scratch files go when the program's folder is read-only.
    virtual QString cacheFolder() const = 0;
    // True when the program runs installed (from /usr/bin, say) rather than from its
    // build folder. The folders of an installed program are not the user's to write
    // in, even where the system lets them.
    virtual bool runsInstalled() const = 0;
    // The bytes this user may still write on the disk that holds `folder`.
    virtual qint64 freeSpace(const QString& folder) const;

    // A uniformly distributed value in [0, 1).
    virtual double nextRandom() = 0;

    virtual JpegEncoder& jpegEncoder() = 0;

    // The files last opened or saved, newest first, kept between runs in the
    // program's settings.
    virtual QStringList recentFiles() const = 0;
    virtual void setRecentFiles(const QStringList& files) = 0;
    // Adds `file` to the desktop's recently used files, which file managers show.
    virtual void noteRecentlyUsed(const QString& file, const QString& mimeType) = 0;
    // Shows `url` in the desktop's program for it, a browser for a page; false
    // when there is none.
    virtual bool openInDesktop(const QUrl& url) = 0;
    // How far a picture dragged from a web browser may go while it is fetched.
    virtual DownloadLimits pictureDownloadLimits() const { return {}; }

Q_SIGNALS:
    void workAreaChanged();
};

} // namespace platform
