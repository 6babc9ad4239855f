#pragma once

#include <QString>

namespace platform {

// The path of the file `name` inside `folder`. Unlike QDir::filePath, a name that
// starts with ":" (Qt's resource prefix) or "/" is never taken for a path of its
// own: the result always lies in the folder.
QString fileInFolder(const QString& folder, const QString& name);

} // namespace platform
