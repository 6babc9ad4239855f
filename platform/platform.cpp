#include "platform/platform.h"

#include <QStorageInfo>

namespace platform {

qint64 Platform::freeSpace(const QString& folder) const {
    return QStorageInfo(folder).bytesAvailable();
}

} // namespace platform
