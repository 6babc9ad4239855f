#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

class QMimeData;

namespace platform {

// What a clipboard or a drag holds that can become pictures: local files (as
// the file managers of GNOME and KDE copy them), else the content of a picture
// file (PNG and JPEG first, then every type Qt or libheif reads), else a
// picture the offering program holds only as pixels (Qt's own image data).
struct PictureOffer {
    QStringList files;
    QByteArray data;
    QImage image;

    bool isEmpty() const { return files.isEmpty() && data.isEmpty() && image.isNull(); }
};

// True when `data` names a type picturesOffered() takes; nothing is fetched.
bool offersPictures(const QMimeData& data);

// What `data` offers, read without decoding any picture.
PictureOffer picturesOffered(const QMimeData& data);

// The picture an offer holds as data or pixels, whole and upright, under the
// picture limits; null with `error` saying why when it cannot be read.
QImage offeredPicture(const PictureOffer& offer, QString* error);

// What Copy puts on the clipboard: `picture` as picture data and, when the
// picture has one, its file's address.
QMimeData* pictureMimeData(const QImage& picture, const QString& file);

} // namespace platform
