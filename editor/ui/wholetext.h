#pragma once

class QLineEdit;
class QString;

namespace editor {

// Lets the keyboard put at most `typedLimit` characters into `box`. Once the
// user edits a longer text that setTextWhole() put in, the limit comes down
// with every edit to what is left (never below `typedLimit`), so the long text
// stays whole while nothing typed makes it longer. An edit that shortens such a
// long text clears the box's undo history.
void limitTyping(QLineEdit& box, int typedLimit);

// Puts `text` into `box` whole. `typedLimit` bounds only what the keyboard
// adds: a longer text (one from a project file) widens the box's limit to its
// own length, so showing it and storing it back loses nothing.
void setTextWhole(QLineEdit& box, const QString& text, int typedLimit);

} // namespace editor
