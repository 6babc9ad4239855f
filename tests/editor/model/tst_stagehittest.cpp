#include "editor/model/stage/hoverhighlight.h"
#include "editor/model/stage/stagehittest.h"
#include "editor/model/stage/stagenavigation.h"
#include "platform/picturesurface.h"
#include "testmain.h"

using namespace editor;

Q_DECLARE_METATYPE(editor::StageStep)

namespace {

const QRgb kGreen = qRgb(0, 255, 0);

// Slot corners as a drawing of a gridSize x gridSize board leaves them.
void placeSlots(ProjectRecord& project, int gridSize, int paneSize) {
    for (int slot = 1; slot <= gridSize * gridSize; ++slot)
        project.Panes[slot].StagePos =
            QPoint(((slot - 1) % gridSize) * paneSize, ((slot - 1) / gridSize) * paneSize);
}

QImage checkered(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           ((x / 16 + y / 16) % 2) ? qRgb(193, 193, 193) : qRgb(255, 255, 255));
    return image;
}

int greenPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == kGreen;
    return count;
}

QFont labelFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

} // namespace

class StageHitTestTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsTheSlotUnderThePoint_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("paneSize");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("slot");
        QTest::newRow("top-left corner") << 2 << 466 << QPoint(0, 0) << 1;
        QTest::newRow("border of 1 and 2 belongs to 1") << 2 << 466 << QPoint(466, 10) << 1;
        QTest::newRow("just right of the border") << 2 << 466 << QPoint(467, 10) << 2;
        QTest::newRow("border of 1 and 3 belongs to 1") << 2 << 466 << QPoint(10, 466) << 1;
        QTest::newRow("centre point belongs to 1") << 2 << 466 << QPoint(466, 466) << 1;
        QTest::newRow("below the centre, right") << 2 << 466 << QPoint(467, 467) << 4;
        QTest::newRow("far corner inclusive") << 2 << 466 << QPoint(932, 932) << 4;
        QTest::newRow("strip under the grid") << 2 << 466 << QPoint(100, 933) << 0;
        QTest::newRow("right of the grid") << 2 << 466 << QPoint(933, 100) << 0;
        QTest::newRow("left of the stage") << 2 << 466 << QPoint(-1, 100) << 0;
        QTest::newRow("3 x 3 middle") << 3 << 311 << QPoint(400, 400) << 5;
        QTest::newRow("5 x 5 last") << 5 << 187 << QPoint(935, 935) << 25;
    }
    void findsTheSlotUnderThePoint() {
        QFETCH(int, grid);
        QFETCH(int, paneSize);
        QFETCH(QPoint, point);
        QFETCH(int, slot);
        ProjectRecord project;
        placeSlots(project, grid, paneSize);
        QCOMPARE(hitTestSlot(project, point, paneSize, grid), slot);
    }

    void shortensLongLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("paneSize");
        QTest::addColumn<QString>("shown");
        const QString twentyTwo = QStringLiteral("Harbour at first light");
        QTest::newRow("22 characters, pane 100") << twentyTwo << 100 << "Harbour ...";
        QTest::newRow("22 characters, pane 300") << twentyTwo << 300 << twentyTwo;
        QTest::newRow("exactly fits (11 at 100)") << "Eleven char" << 100 << "Eleven char";
        QTest::newRow("one too many (12 at 100)") << "Twelve chars" << 100 << "Twelve c...";
        QTest::newRow("pane 26: three fit") << "abcd" << 26 << "...";
        QTest::newRow("pane 20: fewer than three fit") << "abc" << 20 << "...";
        QTest::newRow("pane 20: short label whole") << "ab" << 20 << "ab";
        QTest::newRow("empty") << "" << 100 << "";
    }
    void shortensLongLabels() {
        QFETCH(QString, label);
        QFETCH(int, paneSize);
        QFETCH(QString, shown);
        QCOMPARE(shortenedLabel(label, paneSize), shown);
    }

    void highlightFramesThePaneAndMovesCleanly() {
        const QImage clean = checkered(QSize(300, 200));
        platform::PictureSurface stage;
        stage.setPicture(clean);
        HoverHighlight highlight;
        const QFont font = labelFont();

        QRect changed = highlight.draw(stage, clean, QPoint(0, 0), 100, QStringLiteral("Harbour"),
                                       Qt::green, font);
        const QImage first = stage.image();
        // The frame inside the slot, stepping around the number box.
        QCOMPARE(first.pixel(60, 2), kGreen);  // top
        QCOMPARE(first.pixel(60, 98), kGreen); // bottom
        QCOMPARE(first.pixel(2, 60), kGreen);  // left
        QCOMPARE(first.pixel(98, 60), kGreen); // right
        QCOMPARE(first.pixel(20, 24), kGreen); // under the number box
        QCOMPARE(first.pixel(36, 10), kGreen); // right of the number box
        QVERIFY(first.pixel(20, 2) != kGreen); // the number box stays open
        QVERIFY(first.pixel(2, 12) != kGreen);
        QVERIFY(greenPixels(first, QRect(40, 12, 58, 14)) > 10); // the label
        QVERIFY(changed.contains(QRect(0, 0, 101, 101)));
        for (int y = 0; y < 200; ++y)
            for (int x = 101 + 3; x < 300; ++x)
                QCOMPARE(first.pixel(x, y), clean.pixel(x, y));

        // Moving on restores the first pane exactly; an unset label writes nothing.
        changed = highlight.draw(stage, clean, QPoint(100, 0), 100, kUnsetText, Qt::green, font);
        const QImage second = stage.image();
        QVERIFY(changed.contains(QRect(0, 0, 201, 101)));
        QCOMPARE(second.copy(0, 0, 99, 200), clean.copy(0, 0, 99, 200));
        QCOMPARE(second.pixel(160, 2), kGreen);
        QCOMPARE(greenPixels(second, QRect(140, 8, 56, 20)), 0);
    }

    void keyStepLandsOnTheNeighbour_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("boards");
        QTest::addColumn<int>("pane");
        QTest::addColumn<StageStep>("step");
        QTest::addColumn<bool>("across");
        QTest::addColumn<int>("target");
        using S = StageStep;
        QTest::newRow("right within a row") << 3 << 2 << 1 << S::Right << true << 2;
        QTest::newRow("down within a column") << 3 << 2 << 2 << S::Down << true << 5;
        QTest::newRow("right edge: next board, same row") << 3 << 2 << 6 << S::Right << true << 13;
        QTest::newRow("left edge: previous board, same row")
            << 3 << 2 << 13 << S::Left << true << 6;
        QTest::newRow("bottom edge: next board, same column")
            << 2 << 3 << 4 << S::Down << true << 6;
        QTest::newRow("top edge: previous board, same column") << 2 << 3 << 5 << S::Up << true << 3;
        QTest::newRow("left of the first board") << 2 << 3 << 1 << S::Left << true << 0;
        QTest::newRow("right of the last board") << 2 << 3 << 12 << S::Right << true << 0;
        QTest::newRow("a swap stays on the board") << 3 << 2 << 6 << S::Right << false << 0;
        QTest::newRow("Home: the board's first pane")
            << 3 << 2 << 14 << S::BoardStart << false << 10;
        QTest::newRow("End: the board's last pane") << 3 << 2 << 10 << S::BoardEnd << false << 18;
        QTest::newRow("none selected") << 2 << 1 << 0 << S::Right << true << 0;
        QTest::newRow("past the last pane there is") << 3 << 112 << 999 << S::Down << true << 0;
    }
    void keyStepLandsOnTheNeighbour() {
        QFETCH(int, grid);
        QFETCH(int, boards);
        QFETCH(int, pane);
        QFETCH(StageStep, step);
        QFETCH(bool, across);
        QFETCH(int, target);
        QCOMPARE(paneAfterStep(pane, step, grid, boards, across), target);
    }

    void focusFrameRunsInsideTheHoverFrame() {
        const QPolygon outline = focusFrameOutline(QPoint(466, 0), 466);
        QCOMPARE(outline.boundingRect(), QRect(QPoint(466 + 6, 6), QPoint(466 + 460, 460)));
        // It steps around the pane number's box and leaves it clear.
        QVERIFY(!outline.containsPoint(QPoint(466 + 20, 12), Qt::OddEvenFill));
        QVERIFY(outline.containsPoint(QPoint(466 + 100, 100), Qt::OddEvenFill));
        QVERIFY(focusFrameOutline(QPoint(0, 0), 40).isEmpty());
    }
};

VV_TEST_MAIN(StageHitTestTest)
#include "tst_stagehittest.moc"
