#pragma once

#include <QString>
#include <QTranslator>

namespace testsupport {

// A made-up language that shows which texts skip translation and which controls
// are too small for longer ones: every text that goes through translation,
// the programs' and Qt's own, comes back bracketed and about 40 % longer,
// "[Save Project ~~~~~]".
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // "Save Project" -> "[Save Project ~~~~~]"
    static QString pseudo(const QString& source);
    // True for a text that went through translation, alone or joined to data.
    static bool isPseudo(const QString& text);
};

} // namespace testsupport
