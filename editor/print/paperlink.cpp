#include "editor/print/paperlink.h"

#include <QRegularExpression>

namespace editor {
namespace {

bool isMailbox(const QString& text) {
    static const QRegularExpression mailbox(
        QStringLiteral("^[^@\\s/:]+@[^@\\s/:.]+(\\.[^@\\s/:.]+)+$"));
    return mailbox.match(text).hasMatch();
}

} // namespace

QUrl paperLink(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("\\s"))))
        return {};
    if (isMailbox(text))
        return QUrl(QStringLiteral("mailto:") + text);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        const QUrl url(QStringLiteral("http://") + text, QUrl::StrictMode);
        return url.isValid() && !url.host().isEmpty() ? url : QUrl();
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto"))
        return isMailbox(url.path()) ? url : QUrl();
    const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                     scheme == QLatin1String("ftp");
    return web && !url.host().isEmpty() ? url : QUrl();
}

} // namespace editor
