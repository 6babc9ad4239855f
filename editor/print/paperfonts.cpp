#include "editor/print/paperfonts.h"

#include <QFontMetricsF>

namespace editor {
namespace {

const QStringList kFamilies = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                               QStringLiteral("Symbola")};

QRawFont rawFont(const QString& family) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    QRawFont raw = QRawFont::fromFont(font);
    return raw.familyName() == family ? raw : QRawFont();
}

} // namespace

QFont paperFont(qreal points, bool bold) {
    QFont font(kFamilies.first());
    font.setFamilies(kFamilies);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Ligatures would reach a reader's copy and search as "ﬁ" and the like.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

PrintableText::PrintableText()
    : m_font(paperFont(10)), m_colourEmoji(rawFont(QStringLiteral("Noto Color Emoji"))) {
    for (const QString& family : kFamilies)
        if (const QRawFont raw = rawFont(family); raw.isValid())
            m_embeddable.append(raw);
}

bool PrintableText::printable(char32_t character) {
    const auto known = m_known.constFind(character);
    if (known != m_known.constEnd())
        return *known;
    bool ours = false;
    for (const QRawFont& raw : std::as_const(m_embeddable))
        ours = ours || raw.supportsCharacter(character);
    // The colour emoji font is the system's pick for an emoji none of ours has.
    const bool colourOnly = m_colourEmoji.isValid() && m_colourEmoji.supportsCharacter(character);
    const bool result =
        ours || (!colourOnly && QFontMetricsF(m_font).inFontUcs4(static_cast<uint>(character)));
    m_known.insert(character, result);
    return result;
}

QString PrintableText::operator()(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        const QChar::Category category = QChar::category(character);
        const bool drawn = category != QChar::Other_Control && category != QChar::Other_Format &&
                           category != QChar::Mark_NonSpacing && category != QChar::Separator_Space;
        if (drawn && !printable(character))
            shown += QChar(QChar::ReplacementCharacter);
        else
            shown += QString::fromUcs4(&character, 1);
    }
    return shown;
}

} // namespace editor
