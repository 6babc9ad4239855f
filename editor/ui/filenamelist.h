#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// Enough names to see what went wrong, one a line, the rest counted; a full
// folder fails every copy alike.
QString fileNameList(const QStringList& files);

} // namespace editor
