#include "platform/cp1252.h"
#include "platform/numbers.h"
#include "testmain.h"

class NumbersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("933 / 2") << 466.5 << 466;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("933 / 4") << 233.25 << 233;
        QTest::newRow("933 / 3") << 311.0 << 311;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("just above half") << 2.5000001 << 3;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(platform::roundHalfEven(value), expected);
    }

    void padsWithZeros_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("board 1") << 1 << 2 << QStringLiteral("01");
        QTest::newRow("board 100") << 100 << 2 << QStringLiteral("100");
        QTest::newRow("pane 7") << 7 << 4 << QStringLiteral("0007");
        QTest::newRow("pane 1000 in three") << 1000 << 3 << QStringLiteral("1000");
        QTest::newRow("zero") << 0 << 3 << QStringLiteral("000");
        QTest::newRow("negative") << -5 << 3 << QStringLiteral("-005");
    }
    void padsWithZeros() {
        QFETCH(int, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(platform::zeroPadded(value, width), expected);
    }

    void windows1252RoundTripsEveryDefinedByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = platform::cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        QCOMPARE(platform::cp1252::encode(text), all);
    }

    void windows1252MarksWhatItCannotHold() {
        const QString text = QStringLiteral("a\u20ACb\u4E2D\U0001F600");
        QCOMPARE(platform::cp1252::encode(text), QByteArray("a\x80"
                                                            "b??"));
        QCOMPARE(platform::cp1252::encodeForHtml(text), QByteArray("a\x80"
                                                                   "b&#20013;&#128512;"));
        QVERIFY(!platform::cp1252::canEncode(QChar(0x4E2D)));
    }
};

VV_TEST_MAIN(NumbersTest)
#include "tst_numbers.moc"
