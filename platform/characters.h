#pragma once

#include <QStringView>

#include <optional>

namespace platform {

// `text` less its last `count` characters, a character outside the Basic
// Multilingual Plane (a surrogate pair) counted as one, so what is left never
// ends in half of one; nothing when `text` holds fewer characters.
std::optional<QStringView> withoutLastCharacters(QStringView text, int count);

} // namespace platform
