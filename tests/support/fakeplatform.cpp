#include "fakeplatform.h"

#include <QDir>
#include <QFileInfo>

namespace testsupport {

FakePlatform::FakePlatform() : m_programFolder(m_folder.filePath(QStringLiteral("program"))) {
    QDir().mkpath(m_programFolder);
}

void FakePlatform::answerOpen(const QString& fileName, int filterIndex) {
    m_openAnswers.push_back({fileName.isEmpty(), fileName, filterIndex});
}

void FakePlatform::answerSave(const QString& fileName, int filterIndex) {
    m_saveAnswers.push_back({fileName.isEmpty(), fileName, filterIndex});
}

void FakePlatform::expectMessage(const QString& title, platform::MessageAnswer answer) {
    m_expectedMessages.push_back({title, answer});
}

void FakePlatform::queueRandom(const QList<double>& values) {
    m_randomValues.insert(m_randomValues.end(), values.begin(), values.end());
}

void FakePlatform::setWorkArea(QSize size) {
    m_workArea = size;
    m_workAreaKnown = true;
    Q_EMIT workAreaChanged();
}

void FakePlatform::guessWorkArea(QSize size) {
    m_workArea = size;
    m_workAreaKnown = false;
}

QStringList FakePlatform::problems() const {
    QStringList all = m_problems;
    if (!m_openAnswers.empty())
        all << QStringLiteral("%1 open chooser answer(s) left unused").arg(m_openAnswers.size());
    if (!m_saveAnswers.empty())
        all << QStringLiteral("%1 save chooser answer(s) left unused").arg(m_saveAnswers.size());
    for (const ExpectedMessage& expected : m_expectedMessages)
        all << QStringLiteral("expected message \"%1\" never shown").arg(expected.title);
    return all;
}

platform::FileChoice FakePlatform::answer(std::deque<platform::FileChoice>& queue, const char* kind,
                                          const platform::FileChooserRequest& request) {
    if (queue.empty()) {
        m_problems << QStringLiteral("unexpected %1 chooser \"%2\"")
                          .arg(QLatin1String(kind), request.title);
        return {};
    }
    platform::FileChoice choice = queue.front();
    queue.pop_front();
    return choice;
}

platform::FileChoice FakePlatform::chooseOpenFile(const platform::FileChooserRequest& request) {
    m_openRequests << request;
    return answer(m_openAnswers, "open", request);
}

platform::FileChoice FakePlatform::chooseSaveFile(const platform::FileChooserRequest& request) {
    m_saveRequests << request;
    // As a real chooser does, before it asks whether to replace the file.
    platform::FileChoice choice = answer(m_saveAnswers, "save", request);
    if (!choice.cancelled && !request.defaultSuffix.isEmpty() &&
        !QFileInfo(choice.fileName).fileName().contains(QLatin1Char('.')))
        choice.fileName += QLatin1Char('.') + request.defaultSuffix;
    return choice;
}

platform::MessageAnswer FakePlatform::showMessage(const platform::MessageRequest& message) {
    m_messages << message;
    if (m_expectedMessages.empty()) {
        m_problems
            << QStringLiteral("unexpected message \"%1\": %2").arg(message.title, message.text);
        return platform::MessageAnswer::Ok;
    }
    const ExpectedMessage expected = m_expectedMessages.front();
    m_expectedMessages.pop_front();
    if (expected.title != message.title)
        m_problems << QStringLiteral("expected message \"%1\", got \"%2\": %3")
                          .arg(expected.title, message.title, message.text);
    return expected.answer;
}

double FakePlatform::nextRandom() {
    if (!m_randomValues.empty()) {
        const double value = m_randomValues.front();
        m_randomValues.pop_front();
        return value;
    }
    return std::uniform_int_distribution<int>(0, 999'999)(m_random) / 1'000'000.0;
}

} // namespace testsupport
