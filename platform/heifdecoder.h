#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// True when `header` (the first bytes of a file) opens a HEIF container that
// libheif decodes: HEIC from phones and AVIF (8, 10 or 12 bit).
bool isHeifHeader(const QByteArray& header);

// Decodes the primary picture of a HEIC or AVIF file with libheif, turned and
// mirrored as the file says, transparent parts over white, in Format_RGB32. A
// picture whose stored size exceeds the picture limits is refused before it is
// decoded. With a valid `targetSize` the result is shrunk to exactly that size
// (as shown, after turning) right after one decode: of the smallest thumbnail
// the file keeps that still covers that size (phones keep one), else of the
// whole picture. Null with `error` saying why when the file cannot be read.
QImage decodeHeif(const QString& fileName, QSize targetSize, QString* error);
// The same over data in memory (a pasted or downloaded picture).
QImage decodeHeifData(const QByteArray& data, QSize targetSize, QString* error);

} // namespace platform
