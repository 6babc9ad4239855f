#include "pseudotranslator.h"

#include <cmath>

namespace testsupport {

QString PseudoTranslator::translate(const char* context, const char* sourceText,
                                    const char* disambiguation, int n) const {
    Q_UNUSED(context);
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    const QString source = QString::fromUtf8(sourceText);
    return source.isEmpty() ? QString() : pseudo(source);
}

QString PseudoTranslator::pseudo(const QString& source) {
    const int padding = std::max(2, int(std::ceil(source.size() * 0.4)));
    return QLatin1Char('[') + source + QLatin1Char(' ') + QString(padding, QLatin1Char('~')) +
           QLatin1Char(']');
}

bool PseudoTranslator::isPseudo(const QString& text) {
    // A caption may join a translated text to data, "[CloseUp :  ~~~~]Harbour.jpg".
    return text.contains(QLatin1String("~]"));
}

} // namespace testsupport
