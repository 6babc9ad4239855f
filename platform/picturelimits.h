#pragma once

#include <QSize>
#include <QString>

namespace platform {

// The most pixels a picture file may claim. 16384 x 16384 is beyond any camera's
// photograph; at four bytes a pixel it would take a gigabyte, so a header that
// claims more is refused before anything is decoded or allocated.
inline constexpr qint64 kMaxPicturePixels = qint64(16384) * 16384;

// The largest size the header of a picture file claims: what Qt's reader reports
// (`readerSize`), widened by what a BMP or GIF header itself says, since Qt's
// reader gives no size for a BMP it will not read and reports a GIF's first frame
// while it allocates the GIF's whole screen.
QSize claimedPictureSize(const QString& fileName, QSize readerSize);
// The same from the first kClaimHeaderBytes of a file's content.
inline constexpr qint64 kClaimHeaderBytes = 26;
QSize claimedPictureSizeOf(const QByteArray& header, QSize readerSize);

// Why a picture whose header claims `size` is not read; empty when it may be.
QString pictureSizeRefusal(QSize size);

} // namespace platform
