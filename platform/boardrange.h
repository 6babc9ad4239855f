#pragma once

#include <QSpinBox>

#include <algorithm>

namespace platform {

// The "from" and "to" boxes of a range of boards, fitted to a project of
// `boardCount` boards before a dialog shows: the earlier choice where it still
// fits, and every board again when every board was chosen last time.
inline void fitBoardRange(QSpinBox& first, QSpinBox& last, bool allBoards, int boardCount) {
    const int from = std::min(first.value(), boardCount);
    const int to = allBoards ? boardCount : std::min(last.value(), boardCount);
    first.setRange(1, boardCount);
    first.setValue(std::max(from, 1));
    last.setRange(first.value(), boardCount);
    last.setValue(to);
}

// Whether the boxes hold every board of the project, so that the range grows with it.
inline bool coversAllBoards(const QSpinBox& first, const QSpinBox& last, int boardCount) {
    return first.value() == 1 && last.value() == boardCount;
}

} // namespace platform
