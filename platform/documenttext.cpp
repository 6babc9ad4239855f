#include "platform/documenttext.h"

#include <QTextDocument>

namespace platform {

QString documentText(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // start of a frame
        case 0xFDD1: // end of a frame
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace platform
