#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The single-byte Windows-1252 code page, one byte per character. Files written
// on the original platform use it; Qt has no converter for it without ICU.
namespace cp1252 {

QString decode(const QByteArray& bytes);
QChar decodeByte(unsigned char byte);

// Whether the character has a byte of its own in the code page.
bool canEncode(QChar c);

// Characters outside the code page become `replacement`.
QByteArray encode(const QString& text, char replacement = '?');

// The code page's bytes when every character has one, UTF-8 otherwise: text
// that fits is written as the original platform's programs write it, and no
// character is ever lost.
QByteArray encodeOrUtf8(const QString& text);

// Characters outside the code page become HTML numeric character references
// ("&#8364;" style for anything that has no byte), so nothing typed is lost.
QByteArray encodeForHtml(const QString& text);

} // namespace cp1252
} // namespace platform
