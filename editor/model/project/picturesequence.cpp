#include "editor/model/project/picturesequence.h"

#include "editor/model/project/panerecord.h"
#include "platform/characters.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace editor {
namespace {

constexpr int kExtensionLength = 4;
constexpr int kMostDigits = 3;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of the extension of a file title, its dot included: the last four
// characters, as for Image01.jpg, or the whole of a longer extension that starts
// with a letter (Image01.jpeg, IMG_0001.HEIC). Cutting four characters off
// Image01.jpeg would leave the dot on the number, and no sequence at all.
qsizetype extensionLength(const QString& title) {
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    const qsizetype longer = title.size() - dot;
    if (dot <= 0 || longer <= kExtensionLength || !title.at(dot + 1).isLetter())
        return kExtensionLength;
    for (qsizetype i = dot + 1; i < title.size(); ++i)
        if (!title.at(i).isLetterOrNumber())
            return kExtensionLength;
    return longer;
}

} // namespace

PictureSequence PictureSequence::recognise(const QString& fileName) {
    PictureSequence sequence;
    sequence.m_fileName = fileName;
    const QString title = QFileInfo(fileName).fileName();
    if (title.size() <= kExtensionLength)
        return sequence;
    const qsizetype extension = extensionLength(title);
    sequence.m_folder = fileName.left(fileName.size() - title.size());
    sequence.m_extension = fileName.right(extension);
    const QString base = title.left(title.size() - extension);

    // Walk the last three characters towards the end: the number starts at the
    // first digit 1 to 9, and the zeros just before it are its leading zeros. A
    // zero cut off from the number by another character is part of the prefix.
    int zeros = 0;
    qsizetype numberStart = -1;
    for (qsizetype i = std::max<qsizetype>(0, base.size() - kMostDigits); i < base.size(); ++i) {
        const QChar c = base.at(i);
        if (isDigit(c) && c != QLatin1Char('0')) {
            numberStart = i;
            break;
        }
        zeros = c == QLatin1Char('0') ? zeros + 1 : 0;
    }
    if (numberStart < 0) {
        sequence.m_recognition = Recognition::Unusable;
        return sequence;
    }
    const QString digits = base.mid(numberStart);
    if (!std::all_of(digits.begin(), digits.end(), isDigit))
        return sequence;

    sequence.m_recognition = Recognition::Recognised;
    sequence.m_leadingZeros = zeros;
    sequence.m_startNumber = digits.toInt();
    // One leading zero takes two characters off the end and two zeros three, so
    // in Image010 the first zero stays in the prefix and 10 is written as is.
    const qsizetype numberLength = zeros == 0 ? digits.size() : zeros + 1;
    sequence.m_prefix = base.left(base.size() - numberLength);
    return sequence;
}

QString PictureSequence::memberFileName(int number) const {
    return m_folder + m_prefix + platform::zeroPadded(number, m_leadingZeros + 1) + m_extension;
}

QString fileIgnoringCase(const QString& fileName) {
    const QFileInfo exact(fileName);
    if (exact.isFile())
        return fileName;
    const QString name = exact.fileName();
    const QFileInfoList files = exact.dir().entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files)
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return file.filePath();
    return {};
}

QString pictureNameOf(const QString& fileName) {
    const QString title = QFileInfo(fileName).fileName();
    const std::optional<QStringView> name =
        platform::withoutLastCharacters(title, kExtensionLength);
    return storablePictureName(name && !name->isEmpty() ? name->toString() : title);
}

QString storablePictureName(const QString& name) {
    if (name == kNoPicture)
        return kNoPicture + QStringLiteral("-2");
    QString storable = name;
    storable.replace(QLatin1Char('\r'), QLatin1Char(' '));
    storable.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return storable;
}

} // namespace editor
