#pragma once

#include <QString>

namespace platform {

// Forces everything written so far on the file system that holds `folder` to
// the disk in one call, however many files that is: far cheaper than flushing a
// thousand files one by one.
bool syncFileSystem(const QString& folder);

// Makes the names created, renamed or removed in `folder` last across a crash.
bool syncFolder(const QString& folder);

// Exchanges two names of one file system in one step (renameat2 with
// RENAME_EXCHANGE): a crash finds either both under their old names or both
// exchanged, never one of them missing. `unsupported` tells a file system that
// cannot exchange (vfat, some network file systems) from other failures.
bool exchangePaths(const QString& first, const QString& second, bool* unsupported = nullptr);

// Renames `from` to `to` only when nothing is called `to` yet.
bool renameNoReplace(const QString& from, const QString& to);

} // namespace platform
