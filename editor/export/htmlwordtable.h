#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// The 30 words the page generator builds its tags from, numbered 101 to 130:
// tag and attribute names, "&nbsp;" and the characters of tag syntax. They live
// in the editor's resources, one word a line in number order.
class HtmlWordTable {
public:
    static constexpr int kFirst = 101;
    static constexpr int kLast = 130;

    // The table from the editor's resources; empty words when the resource is damaged.
    static HtmlWordTable load();
    // The table from a file of one word a line; false when it holds other than 30 words.
    bool loadFrom(const QString& fileName);

    // Word `number` (101 to 130); an empty string for any other number.
    QString operator[](int number) const;

private:
    QStringList m_words;
};

} // namespace editor
