#pragma once

#include "platform/downloadlimits.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

namespace platform {

// True for the only addresses ever fetched: http and https with a host.
bool isWebAddress(const QUrl& url);

// Fetches one picture from an http or https address. Redirects are followed
// only to http and https addresses; the content is refused as soon as its
// first bytes show it is no picture the programs read, so nothing else is ever
// decoded. finished() comes exactly once, also after cancel().
class PictureDownload : public QObject {
    Q_OBJECT
public:
    PictureDownload(const QUrl& url, const DownloadLimits& limits, QObject* parent = nullptr);
    ~PictureDownload() override;

    void start();
    // Stops the transfer; finished() follows with nothing fetched and no error.
    void cancel();

    const QUrl& url() const { return m_url; }
    bool isFinished() const { return m_finished; }
    bool wasCancelled() const { return m_cancelled; }
    // The picture file's content once finished with no error.
    const QByteArray& data() const { return m_data; }
    // Why nothing was fetched; empty when it was, or when it was cancelled.
    const QString& error() const { return m_error; }

Q_SIGNALS:
    // Bytes received so far, and of how many; -1 while the server has not said.
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void fetch(const QUrl& url);
    // True when the reply sends the picture on: followed, or refused with a reason.
    bool redirect();
    void headersArrived();
    void dataArrived();
    void replyFinished();
    // True once enough has come to tell; sets the error when it is no picture.
    bool checkContent(bool complete);
    void fail(const QString& why);
    void end();

    QUrl m_url;
    DownloadLimits m_limits;
    QNetworkAccessManager m_network;
    QNetworkReply* m_reply = nullptr;
    QTimer m_deadline;
    QTimer m_stall;
    QByteArray m_data;
    qint64 m_expected = -1;
    int m_redirects = 0;
    bool m_contentChecked = false;
    bool m_finished = false;
    bool m_cancelled = false;
    QString m_error;
};

} // namespace platform
