#pragma once

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QList>

namespace editor {

// Passes a PDF that QPdfWriter writes on to `next` and notes, as it goes by, what
// an incremental update of the file needs: the catalog, each page's object with
// its annotations' array, and the trailer. Only the objects' openings are looked
// at, so the pictures stream through without being kept.
class PdfTrail : public QIODevice {
public:
    explicit PdfTrail(QIODevice& next);

    bool isSequential() const override { return true; }

    // The bytes passed on so far: where an update starts.
    qint64 written() const { return m_offset; }

    // Reads the trailer once the whole file went by; false when something an
    // update needs was not found.
    bool finish();
    int catalogObject() const { return m_catalog; }
    // The catalog's dictionary as written, "<< ... >>".
    const QByteArray& catalogDictionary() const { return m_catalogDictionary; }
    // The pages' objects in page order, and the object of each one's annotations' array.
    const QList<int>& pageObjects() const { return m_pages; }
    int annotationsOf(int page) const { return m_annotations.value(page); }
    // The references an annotations' array holds, "8 0 R 9 0 R".
    QByteArray annotationsArray(int page) const;
    int objectCount() const { return m_size; }
    qint64 crossReferenceAt() const { return m_crossReference; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void scan();
    // Takes in the object whose header ends at `body`; false when its end has not come yet.
    bool takeObject(int number, qsizetype body);

    QIODevice& m_next;
    qint64 m_offset = 0;
    QByteArray m_window; // what may still hold an unread object's start
    QByteArray m_tail;   // the last bytes, where the trailer is
    int m_catalog = 0;
    QByteArray m_catalogDictionary;
    QList<int> m_pages;
    QHash<int, int> m_annotations;   // page index -> array object
    QHash<int, QByteArray> m_arrays; // array object -> its references
    int m_size = 0;
    qint64 m_crossReference = -1;
};

} // namespace editor
