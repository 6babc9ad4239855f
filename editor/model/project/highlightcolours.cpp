#include "editor/model/project/highlightcolours.h"

namespace editor {

const QList<NamedColour>& moveHighlightColours() {
    static const QList<NamedColour> colours = {
        {QStringLiteral("Blue - Light"), 0x0000FF},
        {QStringLiteral("Blue - Dark"), 0x00FFFF},
        {QStringLiteral("Yellow"), 0xFF0000},
        {QStringLiteral("Pink"), 0x00FF00},
    };
    return colours;
}

const QList<NamedColour>& gridHighlightColours() {
    static const QList<NamedColour> colours = {
        {QStringLiteral("Black"), 0x000000}, {QStringLiteral("White"), 0xFFFFFF},
        {QStringLiteral("Red"), 0x0000FF},   {QStringLiteral("Green"), 0x00FF00},
        {QStringLiteral("Blue"), 0xFF0000},  {QStringLiteral("Yellow"), 0x00FFFF},
    };
    return colours;
}

QColor colourFromBgr(quint32 value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace editor
