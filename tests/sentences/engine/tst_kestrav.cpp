#include "fakeplatform.h"
#include "sentences/engine/definitionlists.h"
#include "sentences/engine/kestrav.h"
#include "sentences/engine/kestravhost.h"
#include "testmain.h"

#include <QTest>

#include <array>

using sentences::DefinitionLists;
using sentences::Kestrav;

namespace {

// Stands in for the main window: choosers filled from the default words, a
// preview, an Output, and a selection handler that does what the window's does.
class WindowDouble final : public sentences::KestravHost {
public:
    explicit WindowDouble(platform::Platform& platform) : composer(*this, platform) {
        lists.loadDefaults();
        for (int type = 0; type < DefinitionLists::TypeCount; ++type)
            choosers[type] = lists.chooserEntries(type);
    }

    // The word's position in its chooser.
    int positionOf(int type, const QString& word) const {
        return static_cast<int>(choosers[type].indexOf(word));
    }
    void choose(int type, const QString& word) { selectChooser(type, positionOf(type, word)); }
    // The draw that picks `position` in chooser `type`.
    double drawFor(int type, int position) const {
        return double(position) / double(choosers[type].size() - 1);
    }
    QList<double> drawsFor(const QStringList& words) const {
        QList<double> draws;
        for (int i = 0; i < words.size(); ++i) {
            const int type = i % DefinitionLists::TypeCount;
            draws << drawFor(type, positionOf(type, words[i]));
        }
        return draws;
    }

    int actionModifyPosition() const override { return selected[3]; }
    int previewCount() const override { return static_cast<int>(preview.size()); }
    void clearPreview() override { preview.clear(); }
    void appendPreview(const QString& line) override { preview << line; }
    QString previewFirstLine() const override { return preview.value(0); }
    QString outputText() const override { return output; }
    void setOutputText(const QString& text) override { output = text; }
    bool outputAdditive() const override { return outputIsAdditive; }
    int chooserCount(int type) const override { return static_cast<int>(choosers[type].size()); }
    void selectChooser(int type, int position) override {
        selected[type] = position;
        composer.CombineWords(type, choosers[type].value(position));
        composer.MakeSentence(active[0], active[1], active[2], active[3], previewAdditive);
    }

    DefinitionLists lists;
    std::array<QStringList, DefinitionLists::TypeCount> choosers;
    std::array<int, DefinitionLists::TypeCount> selected{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, 4> active{1, 1, 1, 1};
    int previewAdditive = 0;
    bool outputIsAdditive = false;
    QStringList preview;
    QString output;
    Kestrav composer;
};

const QStringList JumpingIntoTheCar = {QStringLiteral("He"),     QStringLiteral("can"),
                                       QStringLiteral("jump"),   QStringLiteral("ing"),
                                       QStringLiteral("car"),    QStringLiteral("into the"),
                                       QStringLiteral("quickly")};

} // namespace

class tst_Kestrav : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        QVERIFY2(m_platform.problems().isEmpty(), qPrintable(m_platform.problems().join('\n')));
    }

    void makeSentence_data();
    void makeSentence();
    void allFieldsEmptyLeavePreviewAlone();
    void objectModifyPaddedOnlyWhenActionEndingIsBlank();
    void unknownTypeIsIgnored();
    void previewKeepsAtMostHundredLines();
    void randomChoiceRoundsHalvesToEven_data();
    void randomChoiceRoundsHalvesToEven();
    void randomSentence_data();
    void randomSentence();
    void randomSentenceWithAdditivePreviewTakesFirstComposedLine();
    void randomSentenceOutputAdditive();
    void randomSentenceWithEveryRowInactive();
    void randomParagraph();
    void randomParagraphSkipsEmptySentence();

private:
    testsupport::FakePlatform m_platform;
};

void tst_Kestrav::makeSentence_data() {
    QTest::addColumn<QStringList>("fields"); // P, PM, A, AM, O, OM, S
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QString>("expected");
    const QList<int> all = {1, 1, 1, 1};
    QTest::newRow("ending joined to action")
        << QStringList{"He", "can", "jump", "ing", "car", "into the", "quickly"} << all
        << "He can jumping into the car quickly";
    QTest::newRow("padded connector collapses")
        << QStringList{"He", "can", "jump", "", "car", " into the ", "quickly"} << all
        << "He can jump into the car quickly";
    QTest::newRow("summary row inactive keeps trailing space")
        << QStringList{"He", "can", "jump", "", "car", " into the ", "quickly"}
        << QList<int>{1, 1, 1, 0} << "He can jump into the car ";
    QTest::newRow("action with ed")
        << QStringList{"", "", "jump", "ed", "", "", "slowly"} << all << "jumped slowly";
    QTest::newRow("ending without action")
        << QStringList{"", "", "", "ed", "", "", ""} << all << "ed ";
    QTest::newRow("leading space of padded connector stays")
        << QStringList{"He", "can", "jump", "", "car", " into the ", ""} << QList<int>{0, 0, 1, 1}
        << " into the car ";
    QTest::newRow("word with trailing space")
        << QStringList{"", "", "", "", "car", "in the ", ""} << all << "in the car ";
    QTest::newRow("flag other than 1 is off") << QStringList{"He", "", "run", "", "", "", "quietly"}
                                              << QList<int>{2, 1, -1, 1} << "run quietly";
}

void tst_Kestrav::makeSentence() {
    QFETCH(QStringList, fields);
    QFETCH(QList<int>, active);
    QFETCH(QString, expected);
    WindowDouble window(m_platform);
    Kestrav& k = window.composer;
    k.setWProtagonist(fields[0]);
    k.setWProtagonistMOD(fields[1]);
    k.setWAction(fields[2]);
    k.setWActionMOD(fields[3]);
    k.setWObject(fields[4]);
    k.setWObjectMOD(fields[5]);
    k.setWSummary(fields[6]);
    window.preview = QStringList{QStringLiteral("earlier")};
    k.MakeSentence(active[0], active[1], active[2], active[3], 0);
    QCOMPARE(window.preview, QStringList{expected});
}

void tst_Kestrav::allFieldsEmptyLeavePreviewAlone() {
    WindowDouble window(m_platform);
    window.preview = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    window.composer.MakeSentence(1, 1, 1, 1, 0);
    QCOMPARE(window.preview.size(), 2);
    // Words that the inactive rows hold make no sentence either.
    window.choose(0, QStringLiteral("He"));
    window.preview = QStringList{QStringLiteral("a")};
    window.composer.MakeSentence(0, 1, 1, 1, 0);
    QCOMPARE(window.preview, QStringList{QStringLiteral("a")});
}

void tst_Kestrav::objectModifyPaddedOnlyWhenActionEndingIsBlank() {
    WindowDouble window(m_platform);
    // Nothing selected yet in the ending chooser: stored as it stands.
    window.choose(5, QStringLiteral("into the"));
    QCOMPARE(window.composer.wObjectMOD(), QStringLiteral("into the"));

    window.selectChooser(3, 0);
    window.choose(5, QStringLiteral("into the"));
    QCOMPARE(window.composer.wObjectMOD(), QStringLiteral(" into the "));
    // A later ending leaves the stored connector as it was ...
    window.choose(3, QStringLiteral("ing"));
    QCOMPARE(window.composer.wObjectMOD(), QStringLiteral(" into the "));
    // ... until the connector is chosen again.
    window.choose(5, QStringLiteral("into the"));
    QCOMPARE(window.composer.wObjectMOD(), QStringLiteral("into the"));
    // The blank connector is empty, never two spaces.
    window.selectChooser(3, 0);
    window.selectChooser(5, 0);
    QCOMPARE(window.composer.wObjectMOD(), QString());
}

void tst_Kestrav::unknownTypeIsIgnored() {
    WindowDouble window(m_platform);
    window.choose(0, QStringLiteral("She"));
    window.composer.CombineWords(7, QStringLiteral("x"));
    window.composer.CombineWords(-1, QStringLiteral("x"));
    QCOMPARE(window.composer.wProtagonist(), QStringLiteral("She"));
    QCOMPARE(window.composer.wSummary(), QString());
}

void tst_Kestrav::previewKeepsAtMostHundredLines() {
    WindowDouble window(m_platform);
    window.composer.setWProtagonist(QStringLiteral("He"));
    for (int i = 1; i <= 100; ++i)
        window.composer.MakeSentence(1, 1, 1, 1, 1);
    QCOMPARE(window.preview.size(), 100);
    window.composer.setWProtagonist(QStringLiteral("She"));
    window.composer.MakeSentence(1, 1, 1, 1, 1);
    QCOMPARE(window.preview, QStringList{QStringLiteral("She ")});
}

void tst_Kestrav::randomChoiceRoundsHalvesToEven_data() {
    // Protagonist Base: the blank and four words, so a draw r picks r x 4.
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("position");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("0.5 goes to 0") << 0.125 << 0;
    QTest::newRow("just over 0.5") << 0.13 << 1;
    QTest::newRow("1.5 goes to 2") << 0.375 << 2;
    QTest::newRow("2.5 goes to 2") << 0.625 << 2;
    QTest::newRow("3.5 goes to 4") << 0.875 << 4;
    QTest::newRow("largest draw") << 0.9999999 << 4;
}

void tst_Kestrav::randomChoiceRoundsHalvesToEven() {
    QFETCH(double, draw);
    QFETCH(int, position);
    WindowDouble window(m_platform);
    m_platform.queueRandom({draw, 0, 0, 0, 0, 0, 0});
    window.composer.RandomSentence();
    QCOMPARE(window.selected[0], position);
}

void tst_Kestrav::randomSentence_data() {
    QTest::addColumn<QStringList>("words"); // chosen in type order 0 to 6
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("every row") << JumpingIntoTheCar << QList<int>{1, 1, 1, 1}
                               << "He can jumping into the car quickly. ";
    const QStringList blankEnding = {"He", "can", "jump", "", "car", "into the", "quickly"};
    QTest::newRow("summary inactive")
        << blankEnding << QList<int>{1, 1, 1, 0} << "He can jump into the car . ";
    QTest::newRow("leading space stays lower case")
        << blankEnding << QList<int>{0, 0, 1, 1} << " into the car quickly. ";
    QTest::newRow("first letter upper case")
        << QStringList{"", "", "", "", "", "", "easily"} << QList<int>{1, 1, 1, 1} << "Easily. ";
}

void tst_Kestrav::randomSentence() {
    QFETCH(QStringList, words);
    QFETCH(QList<int>, active);
    QFETCH(QString, sentence);
    WindowDouble window(m_platform);
    std::copy(active.begin(), active.end(), window.active.begin());
    window.output = QStringLiteral("old text");
    m_platform.queueRandom(window.drawsFor(words));
    window.composer.RandomSentence();
    QCOMPARE(window.output, sentence);
    QCOMPARE(window.preview, QStringList{sentence});
}

void tst_Kestrav::randomSentenceWithAdditivePreviewTakesFirstComposedLine() {
    WindowDouble window(m_platform);
    window.previewAdditive = 1;
    m_platform.queueRandom(window.drawsFor(JumpingIntoTheCar));
    window.composer.RandomSentence();
    // The line composed right after the first choice, the other words still empty.
    QCOMPARE(window.output, QStringLiteral("He . "));
    QCOMPARE(window.preview, QStringList{QStringLiteral("He . ")});
}

void tst_Kestrav::randomSentenceOutputAdditive() {
    WindowDouble window(m_platform);
    window.outputIsAdditive = true;
    window.output = QStringLiteral("Before. ");
    m_platform.queueRandom(window.drawsFor(JumpingIntoTheCar));
    window.composer.RandomSentence();
    QCOMPARE(window.output, QStringLiteral("Before. He can jumping into the car quickly. "));
}

void tst_Kestrav::randomSentenceWithEveryRowInactive() {
    WindowDouble window(m_platform);
    window.active = {0, 0, 0, 0};
    window.output = QStringLiteral("kept");
    window.outputIsAdditive = true;
    m_platform.queueRandom(window.drawsFor(JumpingIntoTheCar));
    window.composer.RandomSentence();
    QCOMPARE(window.output, QStringLiteral("kept"));
    QVERIFY(window.preview.isEmpty());

    window.outputIsAdditive = false;
    m_platform.queueRandom(window.drawsFor(JumpingIntoTheCar));
    window.composer.RandomSentence();
    QCOMPARE(window.output, QString());
}

void tst_Kestrav::randomParagraph() {
    WindowDouble window(m_platform);
    window.output = QStringLiteral("replaced");
    const QStringList second = {"They", "might", "swim", "", "sea", "in the ", "slowly"};
    const QStringList third = {"It", "", "open", "s", "door", "the to a", ""};
    m_platform.queueRandom(window.drawsFor(JumpingIntoTheCar + second + third));
    window.composer.RandomParagraph();
    const QStringList sentences = {"He can jumping into the car quickly. ",
                                   "They might swim in the sea slowly. ",
                                   "It opens the to a door . "};
    QCOMPARE(window.preview, sentences);
    QCOMPARE(window.output, sentences.join(QString()));
}

void tst_Kestrav::randomParagraphSkipsEmptySentence() {
    WindowDouble window(m_platform);
    const QStringList blanks(7);
    const QStringList third = {"She", "", "", "", "", "", ""};
    // From empty words, seven blanks compose nothing at all.
    m_platform.queueRandom(window.drawsFor(blanks + JumpingIntoTheCar + third));
    window.composer.RandomParagraph();
    QCOMPARE(window.preview, (QStringList{"He can jumping into the car quickly. ", "She . "}));
    QCOMPARE(window.output, QStringLiteral("He can jumping into the car quickly. She . "));
}

VV_TEST_MAIN(tst_Kestrav)
#include "tst_kestrav.moc"
