#pragma once

class QLineEdit;
class QString;

namespace editor {

// Puts `text` into `box` whole. `typedLimit` bounds only what the keyboard
// adds: a longer text (one from a project file) widens the box's limit to its
// own length, so showing it and storing it back loses nothing.
void setTextWhole(QLineEdit& box, const QString& text, int typedLimit);

} // namespace editor
