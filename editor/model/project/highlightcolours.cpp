#include "editor/model/project/highlightcolours.h"

#include <QCoreApplication>

namespace editor {

const QList<NamedColour>& moveHighlightColours() {
    static const QList<NamedColour> colours = {
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Blue - Light"), 0x0000FF},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Blue - Dark"), 0x00FFFF},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Yellow"), 0xFF0000},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Pink"), 0x00FF00},
    };
    return colours;
}

const QList<NamedColour>& gridHighlightColours() {
    static const QList<NamedColour> colours = {
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Black"), 0x000000},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "White"), 0xFFFFFF},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Red"), 0x0000FF},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Green"), 0x00FF00},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Blue"), 0xFF0000},
        {QT_TRANSLATE_NOOP("editor::NamedColour", "Yellow"), 0x00FFFF},
    };
    return colours;
}

QString NamedColour::caption() const {
    return QCoreApplication::translate("editor::NamedColour", name);
}

QColor colourFromBgr(quint32 value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace editor
