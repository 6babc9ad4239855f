#pragma once

#include <QString>

#include <optional>

namespace platform {
class Platform;
}

namespace editor {

// Every file the editor writes where the user chose (a project, web pages, a
// PDF, ...) is first checked here: the editors' work folders are deleted when
// their editor ends, so nothing of the user's may go into one. Returns the
// message to show instead of writing `target` (a file or a folder) when it lies
// in one; nothing when it may be written.
std::optional<QString> workFolderRefusal(const QString& target, const platform::Platform& platform);

} // namespace editor
