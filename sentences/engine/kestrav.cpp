#include "sentences/engine/kestrav.h"

#include "platform/numbers.h"
#include "platform/platform.h"
#include "sentences/engine/definitionlists.h"
#include "sentences/engine/kestravhost.h"

#include <algorithm>

namespace sentences {
namespace {

constexpr int PreviewLimit = 100;

// Every run of two or more spaces becomes one; a single leading or trailing
// space stays.
QString collapseSpaces(const QString& text) {
    if (text.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!(text[i] == QLatin1Char(' ') && text[i + 1] == QLatin1Char(' ')))
            result.append(text[i]);
    }
    result.append(text.back());
    return result;
}

} // namespace

Kestrav::Kestrav(KestravHost& host, platform::Platform& platform)
    : m_host(host), m_platform(platform) {}

void Kestrav::CombineWords(int WordType, const QString& WordActual) {
    switch (WordType) {
    case 0:
        setWProtagonist(WordActual);
        break;
    case 1:
        setWProtagonistMOD(WordActual);
        break;
    case 2:
        setWAction(WordActual);
        break;
    case 3:
        setWActionMOD(WordActual);
        break;
    case 4:
        setWObject(WordActual);
        break;
    case 5:
        // With no ending on the action the connector stands apart on both sides.
        if (!WordActual.isEmpty() && m_host.actionModifyPosition() == 0)
            setWObjectMOD(QLatin1Char(' ') + WordActual + QLatin1Char(' '));
        else
            setWObjectMOD(WordActual);
        break;
    case 6:
        setWSummary(WordActual);
        break;
    default:
        break;
    }
}

QString Kestrav::composeSentence(bool protagonist, bool action, bool object, bool summary) const {
    const QString space = QStringLiteral(" ");
    QString sentence;
    if (protagonist) {
        if (!m_wProtagonist.isEmpty())
            sentence += m_wProtagonist + space;
        if (!m_wProtagonistMOD.isEmpty())
            sentence += m_wProtagonistMOD + space;
    }
    if (action) {
        // An action and its ending are joined without a space.
        if (!m_wAction.isEmpty())
            sentence += m_wActionMOD.isEmpty() ? m_wAction + space : m_wAction;
        if (!m_wActionMOD.isEmpty())
            sentence += m_wActionMOD + space;
    }
    if (object) {
        if (!m_wObjectMOD.isEmpty())
            sentence += m_wObjectMOD + space;
        if (!m_wObject.isEmpty())
            sentence += m_wObject + space;
    }
    if (summary && !m_wSummary.isEmpty())
        sentence += m_wSummary;
    return collapseSpaces(sentence);
}

void Kestrav::MakeSentence(int ActProtagonist, int ActAction, int ActObject, int ActSummary,
                           int AdditiveList) {
    const QString sentence =
        composeSentence(ActProtagonist == 1, ActAction == 1, ActObject == 1, ActSummary == 1);
    if (sentence.isEmpty())
        return;
    if (AdditiveList != 1 || m_host.previewCount() >= PreviewLimit)
        m_host.clearPreview();
    m_host.appendPreview(sentence);
}

void Kestrav::chooseAtRandom(int type) {
    const int count = m_host.chooserCount(type);
    if (count < 1)
        return;
    // Single precision as the choosers' positions were always drawn; the ends
    // come up half as often as the positions between them.
    const float draw = static_cast<float>(m_platform.nextRandom());
    const float scaled = draw * static_cast<float>(count - 1);
    m_host.selectChooser(type, std::min(platform::roundHalfEven(scaled), count - 1));
}

QString Kestrav::randomSentenceText() {
    m_host.clearPreview();
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        chooseAtRandom(type);
    const QString first = m_host.previewFirstLine();
    if (first.isEmpty())
        return first;
    return first.front().toUpper() + first.mid(1) + QStringLiteral(". ");
}

void Kestrav::appendToOutput(const QString& sentence) {
    m_host.setOutputText(m_host.outputText() + sentence);
}

void Kestrav::RandomSentence() {
    if (!m_host.outputAdditive())
        m_host.setOutputText(QString());
    const QString sentence = randomSentenceText();
    if (!sentence.isEmpty())
        appendToOutput(sentence);
    m_host.clearPreview();
    if (!sentence.isEmpty())
        m_host.appendPreview(sentence);
}

void Kestrav::RandomParagraph() {
    if (!m_host.outputAdditive())
        m_host.setOutputText(QString());
    QStringList paragraph;
    for (int k = 0; k < 3; ++k) {
        const QString sentence = randomSentenceText();
        if (!sentence.isEmpty()) {
            appendToOutput(sentence);
            paragraph << sentence;
        }
    }
    m_host.clearPreview();
    for (const QString& sentence : paragraph)
        m_host.appendPreview(sentence);
}

} // namespace sentences
