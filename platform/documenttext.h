#pragma once

#include <QString>

class QTextDocument;

namespace platform {

// The text of a multi-line box as the user typed it, lines ended by line feeds.
// Unlike QTextDocument::toPlainText(), no-break spaces (U+00A0) stay themselves
// instead of becoming blanks.
QString documentText(const QTextDocument& document);

} // namespace platform
