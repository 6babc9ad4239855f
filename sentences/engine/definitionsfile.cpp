#include "sentences/engine/definitionsfile.h"

#include "platform/cp1252.h"
#include "sentences/engine/definitionlists.h"

#include <QFile>
#include <QSaveFile>

namespace sentences::definitionsfile {
namespace {

constexpr char PadByte = static_cast<char>(DefinitionLists::PadCharacter);
constexpr qint64 ListBytes = FileSize / DefinitionLists::TypeCount;
constexpr qint64 ReadChunk = 64 * 1024;

// The reading state, advanced one byte at a time.
class Reader {
public:
    explicit Reader(DefinitionLists& lists) : m_lists(lists) {}

    void take(char byte) {
        ++m_total;
        ++m_counted;
        if (byte == '\n' || byte == '\r')
            --m_counted;
        else if (byte != PadByte)
            m_word.append(platform::cp1252::decodeByte(static_cast<unsigned char>(byte)));
        if (m_total % ListBytes == 0 && m_total / ListBytes < DefinitionLists::TypeCount) {
            m_list = static_cast<int>(m_total / ListBytes);
            m_entry = 0;
        }
        if (m_counted == DefinitionLists::MaxWordLength) {
            m_lists.setEntry(m_list, m_entry, m_word);
            ++m_entry;
            m_counted = 0;
            m_word.clear();
        }
    }

    // After the last list has begun its entries only move on, so once they
    // are past the end no later byte can store anything.
    bool finished() const {
        return m_list == DefinitionLists::TypeCount - 1 && m_entry >= DefinitionLists::EntryCount;
    }

private:
    DefinitionLists& m_lists;
    int m_list = 0;
    int m_entry = 0;
    int m_counted = 0;
    qint64 m_total = 0;
    QString m_word;
};

} // namespace

bool write(const DefinitionLists& lists, QIODevice& device) {
    QByteArray bytes;
    bytes.reserve(FileSize);
    for (int type = 0; type < DefinitionLists::TypeCount; ++type) {
        for (int i = 0; i < DefinitionLists::EntryCount; ++i) {
            const QString word = lists.entry(type, i);
            bytes += platform::cp1252::encode(word);
            // A longer word is written whole; only shorter ones are padded.
            if (word.size() < DefinitionLists::MaxWordLength)
                bytes += QByteArray(DefinitionLists::MaxWordLength - word.size(), PadByte);
            bytes += "\r\n";
        }
    }
    return device.write(bytes) == bytes.size();
}

void read(QIODevice& device, DefinitionLists& lists) {
    Reader reader(lists);
    while (!reader.finished()) {
        const QByteArray chunk = device.read(ReadChunk);
        if (chunk.isEmpty())
            return;
        for (const char byte : chunk) {
            reader.take(byte);
            if (reader.finished())
                return;
        }
    }
}

bool save(const QString& fileName, const DefinitionLists& lists, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !write(lists, file) || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool load(const QString& fileName, DefinitionLists& lists) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    read(file, lists);
    return true;
}

} // namespace sentences::definitionsfile
