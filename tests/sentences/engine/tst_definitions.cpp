#include "fulldevice.h"
#include "sentences/engine/definitionlists.h"
#include "sentences/engine/definitionsfile.h"
#include "sentences/engine/outputfile.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using sentences::DefinitionLists;
namespace definitionsfile = sentences::definitionsfile;
namespace outputfile = sentences::outputfile;

namespace {

// An input that never ends, counting what has been taken from it.
class EndlessDevice final : public QIODevice {
public:
    explicit EndlessDevice(char fill) : m_fill(fill) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 size) override {
        std::fill(data, data + size, m_fill);
        taken += size;
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    char m_fill;
};

QByteArray golden() {
    QFile file(QStringLiteral(TEST_DATA_DIR "/defaults.TwK"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DefinitionLists defaults() {
    DefinitionLists lists;
    lists.loadDefaults();
    return lists;
}

// Every entry holds `word`.
DefinitionLists filledWith(const QString& word) {
    DefinitionLists lists;
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        for (int i = 0; i < DefinitionLists::EntryCount; ++i)
            lists.setEntry(type, i, word);
    return lists;
}

void readBytes(const QByteArray& bytes, DefinitionLists& lists) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    definitionsfile::read(buffer, lists);
}

QByteArray written(const DefinitionLists& lists) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    definitionsfile::write(lists, buffer);
    return buffer.data();
}

bool sameEntries(const DefinitionLists& a, const DefinitionLists& b) {
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        for (int i = 0; i < DefinitionLists::EntryCount; ++i)
            if (a.entry(type, i) != b.entry(type, i))
                return false;
    return true;
}

} // namespace

class tst_Definitions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadDefaultsEmptiesEveryOtherEntry();
    void chooserSkipsEmptyEntries();

    void writtenDefaultsMatchGolden();
    void goldenReadsBackAsDefaults();
    void roundTripThroughFile();
    void longWordShiftsLaterEntries();
    void shortFileKeepsUnreachedEntries();
    void lineFeedOnlyFileLandsWordsInOtherLists();
    void emptyAndBinaryFiles();
    void endlessInputStopsOnceNothingCanBeStored();
    void failedWritesAreReported();
    void failedSaveKeepsEarlierFile();

    void outputBytes_data();
    void outputBytes();
    void outputSavedUnderExactName();
};

void tst_Definitions::loadDefaultsEmptiesEveryOtherEntry() {
    DefinitionLists lists = filledWith(QStringLiteral("x"));
    lists.loadDefaults();
    QVERIFY(sameEntries(lists, defaults()));
    QCOMPARE(lists.entry(0, 4), QString());
    QCOMPARE(lists.entry(0, 99), QString());
    // The words stand as they are, odd order and trailing spaces included.
    QCOMPARE(lists.entry(5, 2), QStringLiteral("in the "));
    QCOMPARE(lists.entry(5, 4), QStringLiteral("of a "));
    QCOMPARE(lists.entry(4, 36), QStringLiteral("sleep"));
    QCOMPARE(lists.entry(4, 37), QStringLiteral("shop"));
}

void tst_Definitions::chooserSkipsEmptyEntries() {
    DefinitionLists lists = defaults();
    lists.setEntry(0, 2, QString());
    lists.setEntry(0, 3, QString());
    lists.setEntry(0, 5, QStringLiteral("x"));
    QCOMPARE(lists.chooserEntries(0), (QStringList{QString(), QStringLiteral("He"),
                                                   QStringLiteral("She"), QStringLiteral("x")}));
    const DefinitionLists full = filledWith(QStringLiteral("w"));
    QCOMPARE(full.chooserEntries(6).size(), 101);
}

void tst_Definitions::writtenDefaultsMatchGolden() {
    const QByteArray expected = golden();
    QCOMPARE(expected.size(), definitionsfile::FileSize);
    QCOMPARE(written(defaults()), expected);
}

void tst_Definitions::goldenReadsBackAsDefaults() {
    DefinitionLists lists = filledWith(QStringLiteral("old"));
    readBytes(golden(), lists);
    QVERIFY(sameEntries(lists, defaults()));
}

void tst_Definitions::roundTripThroughFile() {
    DefinitionLists lists = defaults();
    lists.setEntry(2, 99, QStringLiteral("sixteen letters!"));
    lists.setEntry(6, 50, QStringLiteral("naïve ŠŒ €"));
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("words.TwK"));
    QString error;
    QVERIFY2(definitionsfile::save(fileName, lists, &error), qPrintable(error));
    QCOMPARE(QFileInfo(fileName).size(), definitionsfile::FileSize);
    DefinitionLists loaded;
    QVERIFY(definitionsfile::load(fileName, loaded));
    QVERIFY(sameEntries(loaded, lists));
    QVERIFY(!definitionsfile::load(folder.filePath(QStringLiteral("missing.TwK")), loaded));
}

void tst_Definitions::longWordShiftsLaterEntries() {
    DefinitionLists lists = defaults();
    lists.setEntry(0, 0, QStringLiteral("abcdefghijklmnopq"));
    const QByteArray bytes = written(lists);
    QCOMPARE(bytes.size(), definitionsfile::FileSize + 1);
    QVERIFY(bytes.startsWith("abcdefghijklmnopq\r\nShe"));
    DefinitionLists loaded;
    readBytes(bytes, loaded);
    QCOMPARE(loaded.entry(0, 0), QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(loaded.entry(0, 1), QStringLiteral("qShe"));
    QCOMPARE(loaded.entry(0, 2), QStringLiteral("It"));
}

void tst_Definitions::shortFileKeepsUnreachedEntries() {
    DefinitionLists lists = filledWith(QStringLiteral("old"));
    readBytes(golden().left(900), lists);
    QCOMPARE(lists.words(0).mid(0, 4), (QStringList{"He", "She", "It", "They"}));
    QCOMPARE(lists.entry(0, 49), QString());
    QCOMPARE(lists.entry(0, 50), QStringLiteral("old"));
    QCOMPARE(lists.entry(1, 0), QStringLiteral("old"));
    QCOMPARE(lists.entry(6, 99), QStringLiteral("old"));
}

void tst_Definitions::lineFeedOnlyFileLandsWordsInOtherLists() {
    QByteArray bytes = golden();
    bytes.replace("\r\n", "\n");
    DefinitionLists lists = filledWith(QStringLiteral("old"));
    readBytes(bytes, lists);
    QCOMPARE(lists.entry(0, 3), QStringLiteral("They"));
    // Each list starts at a byte total that now falls several lines late.
    QCOMPARE(lists.entry(1, 0), QStringLiteral("isn't"));
    QCOMPARE(lists.entry(3, 83), QStringLiteral("baby"));
    QCOMPARE(lists.entry(6, 64), QString());
    QCOMPARE(lists.entry(6, 65), QStringLiteral("old"));
}

void tst_Definitions::emptyAndBinaryFiles() {
    DefinitionLists lists = defaults();
    readBytes(QByteArray(), lists);
    QVERIFY(sameEntries(lists, defaults()));

    QByteArray noise(200'000, '\0');
    QRandomGenerator random(6);
    for (char& byte : noise)
        byte = static_cast<char>(random.bounded(256));
    readBytes(noise, lists);
    for (int type = 0; type < DefinitionLists::TypeCount; ++type)
        for (int i = 0; i < DefinitionLists::EntryCount; ++i)
            QVERIFY(DefinitionLists::isStorableWord(lists.entry(type, i)));
}

void tst_Definitions::endlessInputStopsOnceNothingCanBeStored() {
    EndlessDevice input('x');
    DefinitionLists lists;
    definitionsfile::read(input, lists);
    QCOMPARE(lists.entry(6, 99), QString(16, 'x'));
    QVERIFY(input.taken < 1'000'000);
}

void tst_Definitions::failedWritesAreReported() {
    testsupport::FullDevice full(1000);
    QVERIFY(!definitionsfile::write(defaults(), full));
    testsupport::FullDevice empty(0);
    QVERIFY(!outputfile::write(QStringLiteral("abc"), empty));
}

void tst_Definitions::failedSaveKeepsEarlierFile() {
    QTemporaryDir folder;
    QString error;
    QVERIFY(!definitionsfile::save(folder.filePath(QStringLiteral("no/such/folder.TwK")),
                                   defaults(), &error));
    QVERIFY(!error.isEmpty());
    // A folder stands where the file would go: it is left as it was.
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
    QVERIFY(!outputfile::save(blocked, QStringLiteral("abc"), &error));
    QVERIFY(QFileInfo(blocked + QStringLiteral("/inside")).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_Definitions::outputBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "abc" << QByteArray("abc\r\n");
    QTest::newRow("empty") << "" << QByteArray("\r\n");
    QTest::newRow("typed line breaks") << "a\nb\r\nc" << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("code page") << "café €" << QByteArray("caf\xE9 \x80\r\n");
    QTest::newRow("outside code page") << "a→b"
                                       << QByteArray("a\xE2\x86\x92"
                                                     "b\r\n");
}

void tst_Definitions::outputBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(outputfile::write(text, buffer));
    QCOMPARE(buffer.data(), bytes);
}

void tst_Definitions::outputSavedUnderExactName() {
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("story"));
    QFile earlier(fileName);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("a much longer earlier text");
    earlier.close();
    QString error;
    QVERIFY2(outputfile::save(fileName, QStringLiteral("abc"), &error), qPrintable(error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("story")});
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("abc\r\n"));
}

VV_TEST_MAIN(tst_Definitions)
#include "tst_definitions.moc"
