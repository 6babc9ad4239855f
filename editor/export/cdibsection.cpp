#include "editor/export/cdibsection.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstring>

namespace editor {

bool cDIBSection::Create(int lWidth, int lHeight, int lChannels) {
    CleanUp();
    if (lWidth <= 0 || lHeight <= 0)
        return false;
    m_width = lWidth;
    m_height = lHeight;
    m_bitCount = lChannels == 3 ? 24 : 32;
    m_storage = QByteArray(qsizetype(BytesPerScanLine()) * lHeight, '\0');
    m_offset = 0;
    return true;
}

bool cDIBSection::Load(const QString& Name) {
    CleanUp();
    QFile file(Name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    if (takeRowsAsTheyLie(bytes))
        return true;
    const QImage picture = QImage::fromData(bytes);
    if (picture.isNull())
        return false;
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    if (!Create(bgr.width(), bgr.height(), 3))
        return false;
    const size_t rowBytes = static_cast<size_t>(BytesPerScanLine());
    const size_t pixelBytes = static_cast<size_t>(3 * m_width);
    for (int row = 0; row < m_height; ++row)
        std::memcpy(DIBSectionBitsPtr() + static_cast<size_t>(row) * rowBytes,
                    bgr.constScanLine(m_height - 1 - row), pixelBytes);
    return true;
}

bool cDIBSection::takeRowsAsTheyLie(const QByteArray& file) {
    constexpr qsizetype kHeaders = 14 + 40;
    if (file.size() < kHeaders || !file.startsWith("BM"))
        return false;
    const auto data = reinterpret_cast<const uchar*>(file.constData());
    const qint64 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(data + 14);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 planes = qFromLittleEndian<quint16>(data + 26);
    const quint16 bitCount = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    // Top-down (negative height), compressed, paletted and 32-bit files take the long way.
    if (headerSize < 40 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        planes != 1 || bitCount != 24 || compression != 0)
        return false;
    const qint64 rowBytes = (3 * qint64(width) + 3) & ~qint64(3);
    if (pixelsAt < kHeaders || pixelsAt + rowBytes * height > file.size())
        return false;
    m_width = width;
    m_height = height;
    m_bitCount = 24;
    m_storage = file;
    m_offset = pixelsAt;
    return true;
}

int cDIBSection::BytesPerScanLine() const {
    return (m_bitCount / 8 * m_width + 3) & ~3;
}

void cDIBSection::CleanUp() {
    m_storage = QByteArray();
    m_offset = 0;
    m_width = 0;
    m_height = 0;
    m_bitCount = 0;
}

} // namespace editor
