#include "platform/filepaths.h"

namespace platform {

QString fileInFolder(const QString& folder, const QString& name) {
    // "./" keeps a name such as ":pic.bmp" from reading as a resource path.
    if (folder.isEmpty())
        return QStringLiteral("./") + name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace platform
