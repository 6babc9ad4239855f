#include "editor/export/cdibsection.h"

#include "platform/picturesurface.h"

#include <cstring>

namespace editor {

bool cDIBSection::Create(int lWidth, int lHeight, int lChannels) {
    CleanUp();
    if (lWidth <= 0 || lHeight <= 0)
        return false;
    m_width = lWidth;
    m_height = lHeight;
    m_bitCount = lChannels == 3 ? 24 : 32;
    m_bits.assign(static_cast<size_t>(BytesPerScanLine()) * static_cast<size_t>(lHeight), 0);
    return true;
}

bool cDIBSection::Load(const QString& Name) {
    CleanUp();
    const QImage picture = platform::readPicture(Name, nullptr);
    if (picture.isNull())
        return false;
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    if (!Create(bgr.width(), bgr.height(), 3))
        return false;
    const size_t rowBytes = static_cast<size_t>(BytesPerScanLine());
    const size_t pixelBytes = static_cast<size_t>(3 * m_width);
    for (int row = 0; row < m_height; ++row)
        std::memcpy(m_bits.data() + static_cast<size_t>(row) * rowBytes,
                    bgr.constScanLine(m_height - 1 - row), pixelBytes);
    return true;
}

int cDIBSection::BytesPerScanLine() const {
    return (m_bitCount / 8 * m_width + 3) & ~3;
}

void cDIBSection::CleanUp() {
    m_bits = {};
    m_width = 0;
    m_height = 0;
    m_bitCount = 0;
}

} // namespace editor
