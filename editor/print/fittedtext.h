#pragma once

#include <QFont>
#include <QStringList>

class QPaintDevice;

namespace editor {

// The lines of `text` that fit `width` pixels of `device` in `font`, at most
// `maxLines`. When the text goes on past them, the last line is cut after a
// whole word (inside one only when a single word is wider than the line) and
// ends in "…". Only as much text as could ever fit is laid out, so a text of any
// length costs no more than one that fills the box. Control characters count as
// blanks.
QStringList fitText(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                    int maxLines);

} // namespace editor
