#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

namespace editor {

// The font of the printed words: DejaVu Sans, then Noto Sans, then Symbola for
// emoji and symbols, which a PDF can embed where the colour emoji font cannot be;
// other scripts come from the system's fonts.
QFont paperFont(qreal points, bool bold = false);

// Turns a text into one that prints whole: a character that no embeddable font
// can draw (a colour emoji only, a character no font has) becomes U+FFFD, so it
// shows as a mark instead of a gap or a box. Remembers its answers, for one
// drawing at a time.
class PrintableText {
public:
    PrintableText();

    QString operator()(const QString& text);

private:
    bool printable(char32_t character);

    QFont m_font;
    QRawFont m_colourEmoji;
    QList<QRawFont> m_embeddable;
    QHash<char32_t, bool> m_known;
};

} // namespace editor
