#pragma once

#include <QString>

class QIODevice;

namespace sentences::outputfile {

// The Output text followed by CR LF. Line breaks inside the text are written as
// CR LF too. The text is written in Windows-1252, one byte a character, unless
// it holds a character that code page cannot store; then it is written in
// UTF-8, so nothing typed is lost.
bool write(const QString& text, QIODevice& device);

// Writes exactly the given file name, through a temporary file so that a failed
// save leaves any earlier file whole. On failure `error` says why.
bool save(const QString& fileName, const QString& text, QString* error);

} // namespace sentences::outputfile
