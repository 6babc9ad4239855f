#include "sentences/engine/outputfile.h"

#include "platform/cp1252.h"

#include <QSaveFile>

namespace sentences::outputfile {

bool write(const QString& text, QIODevice& device) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    lines += QStringLiteral("\r\n");
    const QByteArray bytes = platform::cp1252::encodeOrUtf8(lines);
    return device.write(bytes) == bytes.size();
}

bool save(const QString& fileName, const QString& text, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !write(text, file) || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace sentences::outputfile
