#pragma once

#include <QString>

class QIODevice;

namespace sentences {

class DefinitionLists;

// The definitions file: 700 lines, one per list entry, lists in type order and
// entries 0 to 99 within a list. Each line is the word in Windows-1252 padded
// with byte 0xF8 to 16 bytes, then CR LF: 12600 bytes in all.
namespace definitionsfile {

constexpr qint64 FileSize = 12600;

// Writes every entry of every list. False when the device fails.
bool write(const DefinitionLists& lists, QIODevice& device);

// Reads a definitions file into the lists. Every 16 bytes other than CR and LF
// make one entry, pad bytes dropped; the next list starts at fixed byte totals
// (1800, 3600, ... 10800), so a file with other line ends or longer words lands
// words where its bytes fall. Entries the file does not reach keep their words;
// entries past 99 are skipped. Reading stops early once nothing further could
// be stored, so a huge file costs neither memory nor much time.
void read(QIODevice& device, DefinitionLists& lists);

// Through a temporary file, so a failed save leaves any earlier file whole.
// On failure `error` says why.
bool save(const QString& fileName, const DefinitionLists& lists, QString* error);
// False, with the lists unchanged, when the file cannot be opened.
bool load(const QString& fileName, DefinitionLists& lists);

} // namespace definitionsfile
} // namespace sentences
