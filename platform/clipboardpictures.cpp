#include "platform/clipboardpictures.h"

#include "platform/picturelimits.h"
#include "platform/picturesurface.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace platform {
namespace {

// The types tried first; then whatever else Qt's readers name, then libheif's.
const char* const kPreferredTypes[] = {"image/png", "image/jpeg"};
const char* const kHeifTypes[] = {"image/heic", "image/heif", "image/avif"};

QStringList localFiles(const QList<QUrl>& urls) {
    QStringList files;
    for (const QUrl& url : urls) {
        // An address a file manager would not write ("file://" and a broken host) names
        // no file.
        const QString file = url.isValid() && url.isLocalFile() ? url.toLocalFile() : QString();
        if (file.isEmpty())
            return {};
        files << file;
    }
    return files;
}

// GNOME's file manager copies "copy" or "cut" and then one address a line.
QStringList gnomeCopiedFiles(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty())
        return {};
    lines.removeFirst();
    QList<QUrl> urls;
    for (const QByteArray& line : std::as_const(lines))
        if (!line.trimmed().isEmpty())
            urls << QUrl::fromEncoded(line.trimmed());
    return localFiles(urls);
}

QStringList pictureTypes() {
    QStringList types;
    for (const char* type : kPreferredTypes)
        types << QString::fromLatin1(type);
    for (const QByteArray& type : QImageReader::supportedMimeTypes())
        if (!types.contains(QString::fromLatin1(type)))
            types << QString::fromLatin1(type);
    for (const char* type : kHeifTypes)
        types << QString::fromLatin1(type);
    return types;
}

} // namespace

bool offersPictures(const QMimeData& data) {
    if (data.hasImage() || data.hasFormat(QStringLiteral("x-special/gnome-copied-files")))
        return true;
    if (data.hasUrls() && !localFiles(data.urls()).isEmpty())
        return true;
    const QStringList offered = data.formats();
    const QStringList types = pictureTypes();
    return std::any_of(offered.begin(), offered.end(),
                       [&types](const QString& type) { return types.contains(type); });
}

PictureOffer picturesOffered(const QMimeData& data) {
    PictureOffer offer;
    if (data.hasUrls())
        offer.files = localFiles(data.urls());
    const QString gnome = QStringLiteral("x-special/gnome-copied-files");
    if (offer.files.isEmpty() && data.hasFormat(gnome))
        offer.files = gnomeCopiedFiles(data.data(gnome));
    if (!offer.files.isEmpty())
        return offer;
    const QStringList offered = data.formats();
    for (const QString& type : pictureTypes()) {
        if (!offered.contains(type))
            continue;
        offer.data = data.data(type);
        if (!offer.data.isEmpty())
            return offer;
    }
    if (data.hasImage())
        offer.image = qvariant_cast<QImage>(data.imageData());
    return offer;
}

QImage offeredPicture(const PictureOffer& offer, QString* error) {
    if (!offer.data.isEmpty())
        return readPictureData(offer.data, error);
    if (const QString refusal = pictureSizeRefusal(offer.image.size()); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return {};
    }
    if (offer.image.isNull()) {
        if (error)
            *error = QCoreApplication::translate("PictureReading", "There is no picture to take.");
        return {};
    }
    if (!offer.image.hasAlphaChannel())
        return offer.image.convertToFormat(QImage::Format_RGB32);
    // Transparent parts show white, as in a picture file.
    QImage opaque(offer.image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, offer.image);
    return opaque;
}

QMimeData* pictureMimeData(const QImage& picture, const QString& file) {
    auto* data = new QMimeData;
    data->setImageData(picture);
    if (!file.isEmpty())
        data->setUrls({QUrl::fromLocalFile(file)});
    return data;
}

} // namespace platform
