#include "editor/print/pdftrail.h"

#include <QRegularExpression>

namespace editor {
namespace {

const QByteArray kHeader = QByteArrayLiteral(" 0 obj\n");
const QByteArray kEnd = QByteArrayLiteral("\nendobj");
// An object's opening is this long at most; one that does not end within it is
// not one this reads (a picture's stream).
constexpr qsizetype kLongestObject = 64 * 1024;
constexpr qsizetype kTailBytes = 4096;

int numberBefore(const QByteArray& bytes, qsizetype end) {
    qsizetype start = end;
    while (start > 0 && bytes.at(start - 1) >= '0' && bytes.at(start - 1) <= '9')
        --start;
    if (start == end || end - start > 9 || (start > 0 && bytes.at(start - 1) != '\n'))
        return 0;
    return bytes.mid(start, end - start).toInt();
}

} // namespace

PdfTrail::PdfTrail(QIODevice& next) : m_next(next) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 PdfTrail::readData(char*, qint64) {
    return -1;
}

qint64 PdfTrail::writeData(const char* data, qint64 size) {
    const qint64 written = m_next.write(data, size);
    if (written != size) {
        setErrorString(m_next.errorString());
        return -1;
    }
    m_offset += size;
    m_window.append(data, size);
    scan();
    m_tail.append(data, size);
    if (m_tail.size() > kTailBytes)
        m_tail.remove(0, m_tail.size() - kTailBytes);
    return written;
}

void PdfTrail::scan() {
    qsizetype from = 0;
    for (;;) {
        const qsizetype header = m_window.indexOf(kHeader, from);
        if (header < 0) {
            // Keep what could be the start of a header cut off by this write.
            from = std::max(from, m_window.size() - kHeader.size() - 10);
            break;
        }
        const int number = numberBefore(m_window, header);
        if (number > 0 && !takeObject(number, header + kHeader.size())) {
            // Wait for the rest of the object, unless it is too long to be one read here.
            if (m_window.size() - header < kLongestObject) {
                qsizetype start = header;
                while (start > 0 && m_window.at(start - 1) != '\n')
                    --start;
                from = start;
                break;
            }
        }
        from = header + kHeader.size();
    }
    m_window.remove(0, std::max<qsizetype>(0, from));
}

bool PdfTrail::takeObject(int number, qsizetype body) {
    const QByteArray page = QByteArrayLiteral("<<\n/Type /Page\n");
    const QByteArray catalog = QByteArrayLiteral("<<\n/Type /Catalog\n");
    const bool isPage = m_window.mid(body, page.size()) == page;
    const bool isCatalog = m_window.mid(body, catalog.size()) == catalog;
    const bool isArray = m_window.mid(body, 1) == "[";
    if (!isPage && !isCatalog && !isArray) {
        // Too short yet to tell: wait for more.
        return m_window.size() - body >= catalog.size();
    }
    const qsizetype end = m_window.indexOf(kEnd, body);
    if (end < 0)
        return false;
    const QByteArray object = m_window.mid(body, end - body).trimmed();
    if (isPage) {
        static const QRegularExpression annots(QStringLiteral("/Annots (\\d+) 0 R"));
        const QRegularExpressionMatch match = annots.match(QString::fromLatin1(object));
        m_annotations.insert(static_cast<int>(m_pages.size()),
                             match.hasMatch() ? match.captured(1).toInt() : 0);
        m_pages.append(number);
    } else if (isCatalog) {
        m_catalog = number;
        m_catalogDictionary = object;
    } else {
        m_arrays.insert(number, object.mid(1, object.lastIndexOf(']') - 1).trimmed());
    }
    return true;
}

QByteArray PdfTrail::annotationsArray(int page) const {
    return m_arrays.value(m_annotations.value(page));
}

bool PdfTrail::finish() {
    const QString tail = QString::fromLatin1(m_tail);
    static const QRegularExpression size(QStringLiteral("trailer\\s*<<[^>]*/Size (\\d+)"));
    static const QRegularExpression root(QStringLiteral("/Root (\\d+) 0 R"));
    static const QRegularExpression start(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch sizeMatch = size.match(tail);
    const QRegularExpressionMatch rootMatch = root.match(tail);
    const QRegularExpressionMatch startMatch = start.match(tail);
    if (!sizeMatch.hasMatch() || !rootMatch.hasMatch() || !startMatch.hasMatch())
        return false;
    m_size = sizeMatch.captured(1).toInt();
    m_crossReference = startMatch.captured(1).toLongLong();
    if (rootMatch.captured(1).toInt() != m_catalog || m_pages.isEmpty())
        return false;
    for (int page = 0; page < m_pages.size(); ++page)
        if (!m_arrays.contains(m_annotations.value(page)))
            return false;
    return true;
}

} // namespace editor
