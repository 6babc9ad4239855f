#include "editor/ui/wholetext.h"

#include <QLineEdit>

#include <algorithm>

namespace editor {

void limitTyping(QLineEdit& box, int typedLimit) {
    box.setMaxLength(typedLimit);
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, typedLimit] {
        const int limit = std::max<int>(typedLimit, box.text().size());
        if (limit == box.maxLength())
            return;
        // A new limit puts the text in again, which moves the cursor to its end
        // and forgets the box's undo; so only a long text's edits pay for it.
        const int cursor = box.cursorPosition();
        box.setMaxLength(limit);
        box.setCursorPosition(cursor);
    });
}

void setTextWhole(QLineEdit& box, const QString& text, int typedLimit) {
    box.setMaxLength(std::max<int>(typedLimit, text.size()));
    box.setText(text);
}

} // namespace editor
