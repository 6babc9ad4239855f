#pragma once

#include <QHash>
#include <QLockFile>
#include <QString>

#include <memory>

namespace editor {

// The running editor's scratch folder for prepared pane bitmaps.
//
// Every running editor gets a folder of its own inside "MyProjects" under the
// program's folder (or under the user's cache folder when the program's folder
// cannot be written), locked while it runs, so two editors never delete each
// other's bitmaps. Folders left behind by editors that crashed carry no live lock
// and are removed when the next editor starts, unless they hold a recovery copy:
// those stay until the user recovers or discards them.
class WorkFolder {
public:
    // Nothing is created when neither place can be written; `error` then says why.
    static std::unique_ptr<WorkFolder> create(const QString& programFolder,
                                              const QString& fallbackFolder, QString* error);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QString path() const { return m_path; }
    QString filePath(const QString& fileName) const;

    // Deletes the folder with everything in it, then "MyProjects" if nothing else
    // is left in it. Run at exit; the destructor runs it too.
    void remove();
    // Deletes everything in the folder but its recovery copy and lets the folder
    // go, so that the next editor offers the copy. Run when the editor ends with
    // unsaved changes.
    void leaveRecoveryCopy();

    QString container() const { return m_container; }
    // The lock of a work folder, taken when no running editor holds it; nothing otherwise.
    static std::unique_ptr<QLockFile> claim(const QString& folder);

    static QString containerName() { return QStringLiteral("MyProjects"); }
    // Only such folders are ever looked into or removed: a real folder, not a
    // link, owned by this user.
    static bool isOwnFolder(const QString& path);

    // Bitmaps that undo or redo can bring back, counted per holder: a new
    // bitmap is never given a held name, so nothing a step restores is
    // overwritten while the step is in the history.
    void hold(const QString& file);
    // True when nothing holds the file any more.
    bool release(const QString& file);
    bool isHeld(const QString& file) const { return m_held.contains(file); }

private:
    WorkFolder(QString container, QString path, std::unique_ptr<QLockFile> lock);
    static std::unique_ptr<WorkFolder> createIn(const QString& base, QString* error);
    static void removeAbandoned(const QString& container);

    QString m_container;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_removed = false;
    QHash<QString, int> m_held;
};

} // namespace editor
