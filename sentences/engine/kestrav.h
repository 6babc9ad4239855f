#pragma once

#include <QString>

namespace platform {
class Platform;
}

namespace sentences {

class KestravHost;

// The sentence composer: keeps one word per word type, joins them into a
// sentence in the Sentence Preview and makes random sentences and paragraphs.
class Kestrav {
public:
    Kestrav(KestravHost& host, platform::Platform& platform);

    // Stores a chosen word for its type; other types are ignored.
    void CombineWords(int WordType, const QString& WordActual);
    // Joins the words of the rows whose flag is 1 and puts the sentence into
    // the preview, after the lines already there when AdditiveList is 1.
    void MakeSentence(int ActProtagonist, int ActAction, int ActObject, int ActSummary,
                      int AdditiveList);
    void RandomSentence();
    void RandomParagraph();

    QString wProtagonist() const { return m_wProtagonist; }
    QString wProtagonistMOD() const { return m_wProtagonistMOD; }
    QString wObject() const { return m_wObject; }
    QString wObjectMOD() const { return m_wObjectMOD; }
    QString wAction() const { return m_wAction; }
    QString wActionMOD() const { return m_wActionMOD; }
    QString wSummary() const { return m_wSummary; }
    void setWProtagonist(const QString& InputString) { m_wProtagonist = InputString; }
    void setWProtagonistMOD(const QString& InputString) { m_wProtagonistMOD = InputString; }
    void setWObject(const QString& InputString) { m_wObject = InputString; }
    void setWObjectMOD(const QString& InputString) { m_wObjectMOD = InputString; }
    void setWAction(const QString& InputString) { m_wAction = InputString; }
    void setWActionMOD(const QString& InputString) { m_wActionMOD = InputString; }
    void setWSummary(const QString& InputString) { m_wSummary = InputString; }

private:
    QString composeSentence(bool protagonist, bool action, bool object, bool summary) const;
    void chooseAtRandom(int type);
    // Empties the preview, chooses a word in every chooser and returns the
    // preview's first line as a sentence: capitalised, ending in ". ". Empty
    // when nothing was composed.
    QString randomSentenceText();
    void appendToOutput(const QString& sentence);

    KestravHost& m_host;
    platform::Platform& m_platform;
    QString m_wProtagonist;
    QString m_wObject;
    QString m_wAction;
    QString m_wProtagonistMOD;
    QString m_wObjectMOD;
    QString m_wActionMOD;
    QString m_wSummary;
};

} // namespace sentences
