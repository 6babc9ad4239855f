#pragma once

#include <QDateTime>
#include <QString>

namespace platform {

// One program's use of a file, as the desktop's list of recently used files
// records it.
struct RecentUse {
    QString file;     // absolute path
    QString mimeType; // "application/x-vistavel-project"
    QString program;  // the program's name, "VV1_2002"
    QDateTime when;
};

// The freedesktop list of recently used files that GTK and KDE programs share:
// $XDG_DATA_HOME/recently-used.xbel.
QString recentlyUsedFile();

// Adds `use` to the XBEL file `xbelFile` as GTK's GtkRecentManager writes it:
// the file's bookmark (made or brought up to date) with its MIME type and this
// program among its applications, every other bookmark and program kept as it
// was. The file is replaced in one step, under a lock among the writers that take
// one, and only when nobody replaced it since it was read; a file that is not
// XBEL is left alone. False when nothing was written.
bool addRecentUse(const QString& xbelFile, const RecentUse& use);

} // namespace platform
