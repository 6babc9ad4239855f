#include "editor/ui/filenamelist.h"

#include <QCoreApplication>
#include <QDir>

namespace editor {

QString fileNameList(const QStringList& files) {
    constexpr qsizetype kNamesShown = 10;
    QStringList names;
    for (qsizetype i = 0; i < files.size() && i < kNamesShown; ++i)
        names << QDir::toNativeSeparators(files.at(i));
    if (files.size() > kNamesShown)
        names << QCoreApplication::translate("editor::FileNameList", "... and %1 more.")
                     .arg(files.size() - kNamesShown);
    return names.join(QLatin1Char('\n'));
}

} // namespace editor
