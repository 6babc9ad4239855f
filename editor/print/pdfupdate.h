#pragma once

#include "editor/print/pdftrail.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QUrl>

namespace editor {

// A bookmark: its title and the place on a page (from 0) it leads to, in points
// from the page's bottom-left corner.
struct PdfOutlineEntry {
    QString title;
    int page = 0;
    QPointF at;
};

// A link over an area of a page (from 0), in points from its bottom-left corner
// (so the area's top() is its lower edge).
struct PdfLink {
    int page = 0;
    QRectF area;
    QUrl url;
};

// What a viewer's document properties show.
struct PdfInformation {
    QString title;
    QString author; // none when empty
    QString subject;
    QString creator;
};

// An incremental update for the PDF `trail` followed, to be appended to it: the
// outline as the catalog's bookmarks, the links added to their pages'
// annotations and a new information dictionary, with its own cross-reference
// section and a trailer that points back to the file's.
QByteArray pdfUpdate(const PdfTrail& trail, const PdfInformation& information,
                     const QList<PdfOutlineEntry>& outline, const QList<PdfLink>& links);

} // namespace editor
