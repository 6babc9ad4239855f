#include "editor/model/project/sourcestamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace editor {

SourceStamp SourceStamp::of(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        return {file, -1, 0};
    return {file, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool SourceStamp::allowsReading(const QString& source) const {
    return file != source || *this == of(source);
}

} // namespace editor
