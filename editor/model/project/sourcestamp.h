#pragma once

#include <QString>

namespace editor {

// A source picture as it was when a pane's bitmap was prepared from it: its
// size and modification time. Another program may replace the file since (an
// editor saving over the same project); the pane then keeps its prepared
// bitmap and never reads the changed file again.
struct SourceStamp {
    // The file the stamp was taken of; empty for none taken.
    QString file;
    qint64 size = -1;
    qint64 modified = 0;

    static SourceStamp of(const QString& file);
    // False only when the stamp was taken of `source` and that file has changed
    // or gone since: a source the pane was given afresh has no stamp yet.
    bool allowsReading(const QString& source) const;
    bool operator==(const SourceStamp&) const = default;
};

} // namespace editor
