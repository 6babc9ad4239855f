#include "editor/export/htmlwordtable.h"

#include <QFile>

namespace editor {

HtmlWordTable HtmlWordTable::load() {
    HtmlWordTable table;
    table.loadFrom(QStringLiteral(":/editor/htmlwords.txt"));
    return table;
}

bool HtmlWordTable::loadFrom(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringList words;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (!word.isEmpty())
            words << word;
    }
    if (words.size() != kLast - kFirst + 1)
        return false;
    m_words = words;
    return true;
}

QString HtmlWordTable::operator[](int number) const {
    const int index = number - kFirst;
    return index >= 0 && index < m_words.size() ? m_words.at(index) : QString();
}

} // namespace editor
