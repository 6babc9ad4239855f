#include "platform/recentlyused.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <sys/stat.h>

namespace platform {
namespace {

const QString kBookmarkNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

QString timestamp(const QDateTime& when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

QDomDocument emptyList() {
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("xbel"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    root.setAttribute(QStringLiteral("xmlns:bookmark"), kBookmarkNamespace);
    root.setAttribute(QStringLiteral("xmlns:mime"), kMimeNamespace);
    document.appendChild(root);
    return document;
}

// The child of `parent` named `name`, made when there is none.
QDomElement child(QDomElement parent, const QString& name) {
    QDomElement found = parent.firstChildElement(name);
    if (found.isNull())
        found = parent.appendChild(parent.ownerDocument().createElement(name)).toElement();
    return found;
}

QDomElement bookmarkFor(QDomElement root, const QString& href) {
    for (QDomElement bookmark = root.firstChildElement(QStringLiteral("bookmark"));
         !bookmark.isNull(); bookmark = bookmark.nextSiblingElement(QStringLiteral("bookmark")))
        if (bookmark.attribute(QStringLiteral("href")) == href)
            return bookmark;
    QDomElement bookmark = root.ownerDocument().createElement(QStringLiteral("bookmark"));
    bookmark.setAttribute(QStringLiteral("href"), href);
    root.appendChild(bookmark);
    return bookmark;
}

// The freedesktop metadata of a bookmark, where its MIME type and programs go.
QDomElement metadataOf(QDomElement bookmark) {
    QDomElement info = child(bookmark, QStringLiteral("info"));
    for (QDomElement metadata = info.firstChildElement(QStringLiteral("metadata"));
         !metadata.isNull(); metadata = metadata.nextSiblingElement(QStringLiteral("metadata")))
        if (metadata.attribute(QStringLiteral("owner")) == QLatin1String("http://freedesktop.org"))
            return metadata;
    QDomElement metadata =
        info.appendChild(info.ownerDocument().createElement(QStringLiteral("metadata")))
            .toElement();
    metadata.setAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    return metadata;
}

void recordUse(QDomDocument& document, const RecentUse& use) {
    const QString now = timestamp(use.when);
    QDomElement bookmark = bookmarkFor(
        document.documentElement(), QString::fromUtf8(QUrl::fromLocalFile(use.file).toEncoded()));
    if (!bookmark.hasAttribute(QStringLiteral("added")))
        bookmark.setAttribute(QStringLiteral("added"), now);
    bookmark.setAttribute(QStringLiteral("modified"), now);
    bookmark.setAttribute(QStringLiteral("visited"), now);
    QDomElement metadata = metadataOf(bookmark);
    child(metadata, QStringLiteral("mime:mime-type"))
        .setAttribute(QStringLiteral("type"), use.mimeType);
    QDomElement programs = child(metadata, QStringLiteral("bookmark:applications"));
    QDomElement program;
    for (QDomElement each = programs.firstChildElement(QStringLiteral("bookmark:application"));
         !each.isNull(); each = each.nextSiblingElement(QStringLiteral("bookmark:application")))
        if (each.attribute(QStringLiteral("name")) == use.program)
            program = each;
    if (program.isNull()) {
        program =
            programs.appendChild(document.createElement(QStringLiteral("bookmark:application")))
                .toElement();
        program.setAttribute(QStringLiteral("name"), use.program);
    }
    // GTK's way of writing the command: quoted as a whole, %u for the file's address.
    program.setAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %u'").arg(use.program));
    program.setAttribute(QStringLiteral("modified"), now);
    program.setAttribute(QStringLiteral("count"),
                         program.attribute(QStringLiteral("count")).toInt() + 1);
}

// Which file lies under the name: another writer's replacement is a new inode.
struct Snapshot {
    bool exists = false;
    ino_t inode = 0;
    timespec modified{};
    off_t size = 0;
    bool operator==(const Snapshot& other) const {
        return exists == other.exists && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

Snapshot snapshotOf(const QString& fileName) {
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0)
        return {};
    return {true, status.st_ino, status.st_mtim, status.st_size};
}

} // namespace

QString recentlyUsedFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

bool addRecentUse(const QString& xbelFile, const RecentUse& use) {
    if (!QDir().mkpath(QFileInfo(xbelFile).path()))
        return false;
    // Programs of ours wait for each other; GTK's take no lock but replace the file
    // in one step as this does, so a replacement seen since the read is read again.
    QLockFile lock(xbelFile + QStringLiteral(".lock"));
    lock.setStaleLockTime(5000);
    if (!lock.tryLock(2000))
        return false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const Snapshot before = snapshotOf(xbelFile);
        QDomDocument document = emptyList();
        if (before.exists) {
            QFile existing(xbelFile);
            if (!existing.open(QIODevice::ReadOnly))
                return false;
            QDomDocument read;
            if (!read.setContent(&existing) ||
                read.documentElement().tagName() != QLatin1String("xbel"))
                return false;
            document = read;
        }
        recordUse(document, use);
        // The reader drops the XML declaration; GTK's readers want it back.
        QByteArray bytes = document.toByteArray(2);
        if (!bytes.startsWith("<?xml"))
            bytes.prepend("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        QSaveFile out(xbelFile);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0)
            return false;
        if (snapshotOf(xbelFile) != before) {
            out.cancelWriting();
            continue;
        }
        return out.commit();
    }
    return false;
}

} // namespace platform
