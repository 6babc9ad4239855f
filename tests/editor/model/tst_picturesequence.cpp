#include "editor/model/project/picturesequence.h"
#include "testmain.h"

using namespace editor;
using Recognition = PictureSequence::Recognition;

Q_DECLARE_METATYPE(PictureSequence::Recognition)

class PictureSequenceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recognisesTheNumberAtTheEndOfTheName_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<Recognition>("recognition");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("zeros");
        QTest::addColumn<int>("start");
        // The first three members, then member 100.
        QTest::addColumn<QStringList>("members");

        const auto row = [](const char* title, const char* prefix, int zeros, int start,
                            const QStringList& members) {
            QTest::newRow(title) << QString::fromUtf8(title) << Recognition::Recognised
                                 << QString::fromUtf8(prefix) << zeros << start << members;
        };
        row("Image001.bmp", "Image", 2, 1,
            {"Image001.bmp", "Image002.bmp", "Image003.bmp", "Image100.bmp"});
        row("Image01.bmp", "Image", 1, 1,
            {"Image01.bmp", "Image02.bmp", "Image03.bmp", "Image100.bmp"});
        row("Image010.bmp", "Image0", 1, 10,
            {"Image010.bmp", "Image011.bmp", "Image012.bmp", "Image0100.bmp"});
        row("Image1.gif", "Image", 0, 1,
            {"Image1.gif", "Image2.gif", "Image3.gif", "Image100.gif"});
        row("Image214.jpg", "Image", 0, 214,
            {"Image214.jpg", "Image215.jpg", "Image216.jpg", "Image100.jpg"});
        row("Image10.bmp", "Image", 0, 10,
            {"Image10.bmp", "Image11.bmp", "Image12.bmp", "Image100.bmp"});
        row("Image08.jpg", "Image", 1, 8,
            {"Image08.jpg", "Image09.jpg", "Image10.jpg", "Image100.jpg"});
        row("Image9.gif", "Image", 0, 9,
            {"Image9.gif", "Image10.gif", "Image11.gif", "Image100.gif"});
        // The extension keeps the user's case.
        row("Photo01.JPG", "Photo", 1, 1,
            {"Photo01.JPG", "Photo02.JPG", "Photo03.JPG", "Photo100.JPG"});
        // Longer extensions are taken whole.
        row("frame01.jpeg", "frame", 1, 1,
            {"frame01.jpeg", "frame02.jpeg", "frame03.jpeg", "frame100.jpeg"});
        row("IMG_0001.HEIC", "IMG_0", 2, 1,
            {"IMG_0001.HEIC", "IMG_0002.HEIC", "IMG_0003.HEIC", "IMG_0100.HEIC"});
        row("shot_001.webp", "shot_", 2, 1,
            {"shot_001.webp", "shot_002.webp", "shot_003.webp", "shot_100.webp"});
        // Names that are nothing but the number.
        row("7.bmp", "", 0, 7, {"7.bmp", "8.bmp", "9.bmp", "100.bmp"});
        row("05.jpg", "", 1, 5, {"05.jpg", "06.jpg", "07.jpg", "100.jpg"});
        row("Été à la mer 01.jpg", "Été à la mer ", 1, 1,
            {"Été à la mer 01.jpg", "Été à la mer 02.jpg", "Été à la mer 03.jpg",
             "Été à la mer 100.jpg"});
        // A zero parted from the number by a letter is no leading zero: the chosen
        // file stays the first member.
        row("Shot0a5.jpg", "Shot0a", 0, 5,
            {"Shot0a5.jpg", "Shot0a6.jpg", "Shot0a7.jpg", "Shot0a100.jpg"});

        const auto refused = [](const char* title, Recognition recognition) {
            QTest::newRow(title) << QString::fromUtf8(title) << recognition << QString() << 0 << 0
                                 << QStringList();
        };
        refused("Image0.bmp", Recognition::Unusable);
        refused("Image00.bmp", Recognition::Unusable);
        refused("Photo.jpg", Recognition::Unusable);
        refused("A.bmp", Recognition::Unusable);
        refused("0.bmp", Recognition::Unusable);
        refused("Image1a.jpg", Recognition::NotASequence);
        refused("Img1a2.jpg", Recognition::NotASequence);
        refused("1.jp", Recognition::NotASequence);
        refused(".gif", Recognition::NotASequence);
        refused("Photo.jpeg", Recognition::Unusable);
    }
    void recognisesTheNumberAtTheEndOfTheName() {
        QFETCH(QString, title);
        QFETCH(Recognition, recognition);
        QFETCH(QString, prefix);
        QFETCH(int, zeros);
        QFETCH(int, start);
        QFETCH(QStringList, members);

        const QString folder = QStringLiteral("/home/me/My Pictures/");
        const PictureSequence sequence = PictureSequence::recognise(folder + title);
        QCOMPARE(sequence.recognition(), recognition);
        if (recognition != Recognition::Recognised)
            return;
        QCOMPARE(sequence.folder(), folder);
        QCOMPARE(sequence.prefix(), prefix);
        QCOMPARE(sequence.leadingZeros(), zeros);
        QCOMPARE(sequence.startNumber(), start);
        const QString dotted = title.mid(title.lastIndexOf(QLatin1Char('.')));
        QCOMPARE(sequence.extension(), dotted.size() > 4 ? dotted : title.right(4));
        QCOMPARE(sequence.memberFileName(start), folder + members.at(0));
        QCOMPARE(sequence.memberFileName(start + 1), folder + members.at(1));
        QCOMPARE(sequence.memberFileName(start + 2), folder + members.at(2));
        QCOMPARE(sequence.memberFileName(100), folder + members.at(3));
    }

    void pictureNameIsTheTitleLessItsExtension_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("name");
        QTest::newRow("Image01.bmp") << "/p/Image01.bmp"
                                     << "Image01";
        QTest::newRow("five characters") << "/p/A.bmp"
                                         << "A";
        QTest::newRow("longer extension") << "/p/Photo.jpeg"
                                          << "Photo.";
        QTest::newRow("a character beyond 16 bits before the extension")
            << QStringLiteral("/p/Ski\U0001F600.gi") << "Ski";
        // Taken whole rather than leaving the pane named "none" or after an old picture.
        QTest::newRow("four characters") << "/p/.gif"
                                         << ".gif";
    }
    void pictureNameIsTheTitleLessItsExtension() {
        QFETCH(QString, fileName);
        QFETCH(QString, name);
        QCOMPARE(pictureNameOf(fileName), name);
    }
};

VV_TEST_MAIN(PictureSequenceTest)
#include "tst_picturesequence.moc"
