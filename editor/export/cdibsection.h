#pragma once

#include <QByteArray>
#include <QString>

namespace editor {

// A device-independent bitmap in memory: rows bottom-up (the first row in
// memory is the picture's lowest), blue-green-red pixels of 24 bits (or 32 with
// a fourth byte), each row padded to a multiple of 4 bytes. This is the buffer
// the JPEG encoder takes.
class cDIBSection {
public:
    // An empty (black) bitmap; `lChannels` 3 gives 24 bits a pixel, anything else 32.
    bool Create(int lWidth, int lHeight, int lChannels);
    // A bitmap file converted to 24 bits; false (and nothing held) when it cannot be read.
    bool Load(const QString& Name);

    int BytesPerScanLine() const;
    int dib_width() const { return m_width; }
    int dib_height() const { return m_height; }
    int dib_channels() const { return m_bitCount / 8; }
    unsigned char* DIBSectionBitsPtr() {
        return m_storage.isEmpty() ? nullptr
                                   : reinterpret_cast<uchar*>(m_storage.data()) + m_offset;
    }
    const unsigned char* DIBSectionBitsPtr() const {
        return m_storage.isEmpty()
                   ? nullptr
                   : reinterpret_cast<const uchar*>(m_storage.constData()) + m_offset;
    }

    void CleanUp();

private:
    // Larger sides are not pictures a pane shows; they would only risk overflow.
    static constexpr qint32 kMaxSide = 1 << 15;

    // A 24-bit uncompressed bottom-up bitmap file already holds its rows the way
    // this class keeps them, so they are taken as they lie.
    bool takeRowsAsTheyLie(const QByteArray& file);

    // The pixels start `m_offset` bytes in: a bitmap file taken as it lies keeps its headers.
    QByteArray m_storage;
    qsizetype m_offset = 0;
    int m_width = 0;
    int m_height = 0;
    int m_bitCount = 0;
};

} // namespace editor
