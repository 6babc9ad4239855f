#include "platform/cp1252.h"

#include <QList>

#include <algorithm>
#include <array>

namespace platform::cp1252 {
namespace {

// Bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined,
// which decode to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == code)
            return static_cast<int>(0x80 + i);
        if (kHighControls[i] == 0 && code == 0x80 + i)
            return static_cast<int>(code);
    }
    return -1;
}

} // namespace

QChar decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(decodeByte(static_cast<unsigned char>(b)));
    return text;
}

bool canEncode(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

QByteArray encode(const QString& text, char replacement) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        const int b = byteFor(code);
        bytes.append(b >= 0 ? static_cast<char>(b) : replacement);
    }
    return bytes;
}

QByteArray encodeOrUtf8(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), canEncode) ? encode(text) : text.toUtf8();
}

QByteArray encodeForHtml(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        const int b = byteFor(code);
        if (b >= 0)
            bytes.append(static_cast<char>(b));
        else
            bytes.append("&#" + QByteArray::number(static_cast<quint32>(code)) + ';');
    }
    return bytes;
}

} // namespace platform::cp1252
