#include "editor/ui/wholetext.h"

#include <QLineEdit>

#include <algorithm>

namespace editor {

void setTextWhole(QLineEdit& box, const QString& text, int typedLimit) {
    box.setMaxLength(std::max<int>(typedLimit, text.size()));
    box.setText(text);
}

} // namespace editor
