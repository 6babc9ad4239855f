#pragma once

#include <QString>

namespace platform {

// Forces everything written so far on the file system that holds `folder` to
// the disk in one call, however many files that is: far cheaper than flushing a
// thousand files one by one.
bool syncFileSystem(const QString& folder);

// Makes the names created, renamed or removed in `folder` last across a crash.
bool syncFolder(const QString& folder);

} // namespace platform
