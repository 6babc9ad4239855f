#include "platform/characters.h"

namespace platform {

std::optional<QStringView> withoutLastCharacters(QStringView text, int count) {
    qsizetype end = text.size();
    for (; count > 0 && end > 0; --count) {
        --end;
        if (end > 0 && text[end].isLowSurrogate() && text[end - 1].isHighSurrogate())
            --end;
    }
    if (count > 0)
        return std::nullopt;
    return text.left(end);
}

} // namespace platform
