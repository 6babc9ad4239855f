#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace editor {

struct NamedColour {
    const char* name; // English, as the source of its caption
    quint32 value;    // blue-green-red order, red in the low byte

    // The name in the user's language.
    QString caption() const;
};

// "Move Highlight": the drag line is drawn exclusive-or, so each value shows as its
// complement on the white stage; the names say what the user sees.
const QList<NamedColour>& moveHighlightColours();
// "Global Highlight": the frame around the pane under the pointer.
const QList<NamedColour>& gridHighlightColours();
inline constexpr int kDefaultHighlightEntry = 3;

QColor colourFromBgr(quint32 value);

} // namespace editor
