#pragma once

#include "platform/clipboardpictures.h"

#include <QUrl>

class QMimeData;

namespace platform {

// A picture dragged from a web browser that names no local file: the picture
// itself when the drag carries it (as data or pixels), else the web address it
// comes from.
struct BrowserPicture {
    PictureOffer offer;
    QUrl address;

    bool isEmpty() const { return offer.isEmpty() && address.isEmpty(); }
};

// True when `data` names what browserPicture() takes; cheap enough for every
// move of a drag: no picture data is asked for.
bool offersBrowserPicture(const QMimeData& data);

BrowserPicture browserPicture(const QMimeData& data);

// The http or https address of the picture a drag names: the source of the one
// picture in its HTML (a browser gives a linked picture's link as the drag's
// address), else the drag's one address; empty when it names neither.
QUrl draggedPictureAddress(const QMimeData& data);

} // namespace platform
