#include "platform/picturedownload.h"

#include "platform/heifdecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace platform {
namespace {

// Enough of a file's start to tell every format read here, HEIF's box included.
constexpr qint64 kSniffBytes = 32;

bool isPictureStart(const QByteArray& start) {
    if (isHeifHeader(start))
        return true;
    QBuffer buffer;
    buffer.setData(start);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    for (const char* known : {"png", "jpeg", "jpg", "gif", "bmp", "webp", "tiff", "tif"})
        if (format == known)
            return true;
    return false;
}

QString seconds(std::chrono::milliseconds time) {
    return QString::number(double(time.count()) / 1000.0, 'g', 3);
}

} // namespace

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

PictureDownload::PictureDownload(const QUrl& url, const DownloadLimits& limits, QObject* parent)
    : QObject(parent), m_url(url), m_limits(limits) {
    m_deadline.setSingleShot(true);
    m_stall.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { fail(tr("It took longer than %1 seconds.").arg(seconds(m_limits.total))); });
    connect(&m_stall, &QTimer::timeout, this, [this] {
        fail(tr("The server sent nothing for %1 seconds.").arg(seconds(m_limits.stall)));
    });
}

PictureDownload::~PictureDownload() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void PictureDownload::start() {
    if (!isWebAddress(m_url)) {
        fail(tr("Only web addresses (http and https) are fetched."));
        return;
    }
    m_deadline.start(m_limits.total);
    fetch(m_url);
}

void PictureDownload::fetch(const QUrl& url) {
    QNetworkRequest request(url);
    // Redirects are followed here, each one looked at first.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept", "image/*");
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &PictureDownload::headersArrived);
    connect(m_reply, &QNetworkReply::readyRead, this, &PictureDownload::dataArrived);
    connect(m_reply, &QNetworkReply::finished, this, &PictureDownload::replyFinished);
    m_stall.start(m_limits.stall);
}

void PictureDownload::cancel() {
    if (m_finished)
        return;
    m_cancelled = true;
    m_data.clear();
    end();
}

bool PictureDownload::redirect() {
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (status < 300 || status >= 400 || target.isEmpty())
        return false;
    const QUrl to = m_reply->url().resolved(target);
    if (!isWebAddress(to)) {
        fail(tr("The server sent it on to %1, which is no web address.").arg(to.toDisplayString()));
        return true;
    }
    if (++m_redirects > m_limits.maxRedirects) {
        fail(tr("The server sent it on more than %1 times.").arg(m_limits.maxRedirects));
        return true;
    }
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
    fetch(to);
    return true;
}

void PictureDownload::headersArrived() {
    m_stall.start(m_limits.stall);
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status >= 300)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_expected = length.isValid() ? length.toLongLong() : -1;
    if (m_expected > m_limits.maxBytes)
        fail(tr("It is larger than %1 MB.").arg(m_limits.maxBytes / (1024 * 1024)));
}

void PictureDownload::dataArrived() {
    m_stall.start(m_limits.stall);
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status >= 300)
        return; // the server's page about its error is no picture; finished() says why
    m_data += m_reply->readAll();
    if (m_data.size() > m_limits.maxBytes) {
        fail(tr("It is larger than %1 MB.").arg(m_limits.maxBytes / (1024 * 1024)));
        return;
    }
    if (!checkContent(false))
        return;
    Q_EMIT progress(m_data.size(), m_expected);
}

void PictureDownload::replyFinished() {
    if (m_finished)
        return;
    if (redirect())
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(m_reply->errorString());
        return;
    }
    dataArrived();
    if (m_finished)
        return;
    if (m_data.isEmpty()) {
        fail(tr("The server sent nothing."));
        return;
    }
    if (checkContent(true))
        end();
}

bool PictureDownload::checkContent(bool complete) {
    if (m_contentChecked || (!complete && m_data.size() < kSniffBytes))
        return true;
    m_contentChecked = true;
    if (isPictureStart(m_data.left(kSniffBytes)))
        return true;
    fail(tr("What the server sent is not a picture."));
    return false;
}

void PictureDownload::fail(const QString& why) {
    if (m_finished)
        return;
    m_error = why;
    m_data.clear();
    end();
}

void PictureDownload::end() {
    m_finished = true;
    m_deadline.stop();
    m_stall.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    Q_EMIT finished();
}

} // namespace platform
