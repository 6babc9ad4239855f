#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace sentences {

// The seven word lists, one per word type, 100 entries each. An empty entry
// holds the empty string; the lists never change size.
class DefinitionLists {
public:
    static constexpr int TypeCount = 7;
    static constexpr int EntryCount = 100;
    // The longest word the definitions file stores in one fixed-width field.
    static constexpr int MaxWordLength = 16;
    // The byte that pads a word in the definitions file; reading drops it, so no
    // word can hold it.
    static constexpr char16_t PadCharacter = 0x00F8;

    // Type names as the definitions editor lists them, in type order.
    static QStringList typeNames();
    // Whether a word fits the definitions file unchanged: at most 16 characters,
    // each with a byte of its own in Windows-1252, none the pad character.
    static bool isStorableWord(const QString& word);

    // Empty entries (the lists start this way); out-of-range indexes read as empty.
    QString entry(int type, int index) const;
    // Out-of-range indexes are ignored.
    void setEntry(int type, int index, const QString& word);

    // Every entry of every list emptied, then each list filled from its default
    // words from entry 0 onward.
    void loadDefaults();

    // What a word chooser shows: the blank first, then every non-empty entry in
    // entry order.
    QStringList chooserEntries(int type) const;
    // The non-empty entries of a list in entry order.
    QStringList words(int type) const;

    bool operator==(const DefinitionLists&) const = default;

private:
    static bool isIndex(int type, int index);

    std::array<std::array<QString, EntryCount>, TypeCount> m_entries;
};

} // namespace sentences
