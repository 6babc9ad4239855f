#include "editor/model/project/pastedpicture.h"

#include "editor/model/storage/workfolder.h"

#include <QFileInfo>
#include <QSaveFile>

namespace editor {

QString keepPastedPicture(const QImage& picture, const WorkFolder& folder, QString* error) {
    QString file;
    for (int number = 1; file.isEmpty() || QFileInfo::exists(file); ++number)
        file = folder.filePath(QStringLiteral("Pasted%1.png").arg(number));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !picture.save(&out, "PNG") || !out.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(file, out.errorString());
        return {};
    }
    return file;
}

} // namespace editor
