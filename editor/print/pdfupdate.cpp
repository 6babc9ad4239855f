#include "editor/print/pdfupdate.h"

#include <QDateTime>
#include <QMap>

namespace editor {
namespace {

// A text string any viewer reads: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray textString(const QString& text) {
    QByteArray bytes("<FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return bytes + '>';
}

QByteArray number(qreal value) {
    return QByteArray::number(value, 'f', 2);
}

QByteArray reference(int object) {
    return QByteArray::number(object) + " 0 R";
}

class UpdateWriter {
public:
    UpdateWriter(qint64 start, int firstNew) : m_start(start), m_next(firstNew) {}

    int reserve() { return m_next++; }
    int size() const { return m_next; }

    void write(int object, const QByteArray& body) {
        m_offsets.insert(object, m_start + m_bytes.size());
        m_bytes += QByteArray::number(object) + " 0 obj\n" + body + "\nendobj\n";
    }

    QByteArray finish(const QByteArray& trailer) {
        const qint64 table = m_start + m_bytes.size();
        m_bytes += "xref\n";
        // One subsection for each run of consecutive objects.
        for (auto run = m_offsets.cbegin(); run != m_offsets.cend();) {
            auto end = run;
            int count = 0;
            while (end != m_offsets.cend() && end.key() == run.key() + count) {
                ++end;
                ++count;
            }
            m_bytes += QByteArray::number(run.key()) + ' ' + QByteArray::number(count) + '\n';
            for (; run != end; ++run)
                m_bytes += QByteArray::number(run.value()).rightJustified(10, '0') + " 00000 n \n";
        }
        m_bytes +=
            "trailer\n<<\n" + trailer + ">>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
        return m_bytes;
    }

private:
    qint64 m_start;
    int m_next;
    QByteArray m_bytes;
    QMap<int, qint64> m_offsets;
};

} // namespace

QByteArray pdfUpdate(const PdfTrail& trail, const PdfInformation& information,
                     const QList<PdfOutlineEntry>& outline, const QList<PdfLink>& links) {
    // The update starts on a line of its own.
    UpdateWriter update(trail.written() + 1, trail.objectCount());
    const QList<int>& pages = trail.pageObjects();

    QByteArray catalogAdds;
    if (!outline.isEmpty()) {
        const int root = update.reserve();
        QList<int> items;
        for (qsizetype i = 0; i < outline.size(); ++i)
            items.append(update.reserve());
        for (qsizetype i = 0; i < outline.size(); ++i) {
            const PdfOutlineEntry& entry = outline.at(i);
            QByteArray item =
                "<<\n/Title " + textString(entry.title) + "\n/Parent " + reference(root) + '\n';
            if (i > 0)
                item += "/Prev " + reference(items.at(i - 1)) + '\n';
            if (i + 1 < outline.size())
                item += "/Next " + reference(items.at(i + 1)) + '\n';
            item += "/Dest [" + reference(pages.value(entry.page)) + " /XYZ " +
                    number(entry.at.x()) + ' ' + number(entry.at.y()) + " 0]\n>>";
            update.write(items.at(i), item);
        }
        update.write(root, "<<\n/Type /Outlines\n/First " + reference(items.first()) + "\n/Last " +
                               reference(items.last()) + "\n/Count " +
                               QByteArray::number(items.size()) + "\n>>");
        catalogAdds = "/Outlines " + reference(root) + "\n/PageMode /UseOutlines\n";
    }

    QMap<int, QByteArray> added; // page -> the new annotations' references
    for (const PdfLink& link : links) {
        const int annotation = update.reserve();
        QByteArray uri = link.url.toEncoded();
        uri.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
        update.write(annotation, "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" +
                                     number(link.area.left()) + ' ' + number(link.area.top()) +
                                     ' ' + number(link.area.right()) + ' ' +
                                     number(link.area.bottom()) +
                                     "]\n/Border [0 0 0]\n/A <<\n/Type /Action\n/S /URI\n/URI (" +
                                     uri + ")\n>>\n>>");
        added[link.page] += ' ' + reference(annotation);
    }
    for (auto page = added.cbegin(); page != added.cend(); ++page)
        update.write(trail.annotationsOf(page.key()),
                     "[ " + trail.annotationsArray(page.key()) + page.value() + " ]");

    if (!catalogAdds.isEmpty()) {
        QByteArray catalog = trail.catalogDictionary();
        catalog.insert(catalog.lastIndexOf(">>"), catalogAdds);
        update.write(trail.catalogObject(), catalog);
    }

    const int info = update.reserve();
    QByteArray infoBody = "<<\n/Title " + textString(information.title) + '\n';
    if (!information.author.isEmpty())
        infoBody += "/Author " + textString(information.author) + '\n';
    infoBody +=
        "/Subject " + textString(information.subject) + "\n/Creator " +
        textString(information.creator) + "\n/Producer " +
        textString(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())) +
        "\n/CreationDate (D:" +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
        "Z)\n>>";
    update.write(info, infoBody);

    const QByteArray trailer = "/Size " + QByteArray::number(update.size()) + "\n/Root " +
                               reference(trail.catalogObject()) + "\n/Info " + reference(info) +
                               "\n/Prev " + QByteArray::number(trail.crossReferenceAt()) + '\n';
    return '\n' + update.finish(trailer);
}

} // namespace editor
