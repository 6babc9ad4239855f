#include "platform/browserdrags.h"

#include "platform/picturedownload.h"

#include <QMimeData>
#include <QRegularExpression>

namespace platform {

bool offersBrowserPicture(const QMimeData& data) {
    return offersPictures(data) || !draggedPictureAddress(data).isEmpty();
}

BrowserPicture browserPicture(const QMimeData& data) {
    BrowserPicture picture;
    picture.offer = picturesOffered(data);
    // Local files go the way of every file dropped.
    picture.offer.files.clear();
    if (picture.offer.isEmpty())
        picture.address = draggedPictureAddress(data);
    return picture;
}

QUrl draggedPictureAddress(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    const QUrl base = urls.size() == 1 ? urls.first() : QUrl();
    if (data.hasHtml()) {
        static const QRegularExpression image(
            QStringLiteral(R"re(<img\b[^>]*?\ssrc\s*=\s*(?:"([^"]*)"|'([^']*)'))re"),
            QRegularExpression::CaseInsensitiveOption);
        QList<QUrl> sources;
        for (const QRegularExpressionMatch& match : image.globalMatch(data.html())) {
            const QString source = match.captured(1) + match.captured(2);
            sources << base.resolved(
                QUrl(source.trimmed().replace(QLatin1String("&amp;"), QLatin1String("&"))));
        }
        if (sources.size() == 1 && isWebAddress(sources.first()))
            return sources.first();
    }
    return isWebAddress(base) ? base : QUrl();
}

} // namespace platform
