#include "editor/model/project/paneimage.h"
#include "editor/model/project/paneoperations.h"
#include "editor/model/storage/workfolder.h"
#include "testmain.h"
#include "testpictures.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace editor;
using namespace testsupport;

namespace {

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::function<double()> valuesFrom(QList<double> values) {
    return [values]() mutable { return values.takeFirst(); };
}

} // namespace

class PaneOperationsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<WorkFolder> m_work;
    ProjectRecord m_project;

    void givePicture(int pane, const QString& name, const QImage& image, int size) {
        const QString file = m_dir.filePath(name + QStringLiteral(".bmp"));
        QVERIFY(image.save(file));
        m_project.Panes[pane].SourcePicture = file;
        m_project.Panes[pane].PictureName = name;
        QVERIFY(PreparePaneImage(m_project, pane, size, true, *m_work, nullptr));
    }

private Q_SLOTS:
    void init() {
        m_work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        m_project = ProjectRecord();
    }
    void cleanup() { m_work.reset(); }

    void flipMirrorsTheBitmapAndTwiceGivesItBack_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QList<QRgb>>("mirrored"); // top left, top right, bottom left, bottom right
        QTest::newRow("horizontally") << true << QList<QRgb>{kGreen, kRed, kYellow, kBlue};
        QTest::newRow("vertically") << false << QList<QRgb>{kBlue, kYellow, kRed, kGreen};
    }
    void flipMirrorsTheBitmapAndTwiceGivesItBack() {
        QFETCH(bool, horizontal);
        QFETCH(QList<QRgb>, mirrored);
        const FlipDirection direction =
            horizontal ? FlipDirection::Horizontal : FlipDirection::Vertical;
        givePicture(3, QStringLiteral("Image01"), quadrants(64, 48), 101);
        const QString bitmap = m_project.Panes[3].WorkPicture;
        const QByteArray before = contents(bitmap);
        const QByteArray source = contents(m_project.Panes[3].SourcePicture);

        QString error;
        QVERIFY2(flipPaneImage(m_project, 3, 101, direction, &error), qPrintable(error));
        const qint16& flag = horizontal ? m_project.Panes[3].FlipH : m_project.Panes[3].FlipV;
        const qint16& other = horizontal ? m_project.Panes[3].FlipV : m_project.Panes[3].FlipH;
        QCOMPARE(flag, qint16(1));
        QCOMPARE(other, qint16(0));
        QCOMPARE(m_project.Panes[3].WorkPicture, bitmap);
        const QImage flipped(bitmap);
        QCOMPARE(flipped.size(), QSize(101, 101));
        QCOMPARE(flipped.pixel(5, 5), mirrored[0]);
        QCOMPARE(flipped.pixel(95, 5), mirrored[1]);
        QCOMPARE(flipped.pixel(5, 95), mirrored[2]);
        QCOMPARE(flipped.pixel(95, 95), mirrored[3]);
        // The mirror is exact: no row or column is lost or doubled.
        QCOMPARE(flipped, QImage::fromData(before).mirrored(horizontal, !horizontal));

        QVERIFY(flipPaneImage(m_project, 3, 101, direction, &error));
        QCOMPARE(flag, qint16(0));
        QCOMPARE(contents(bitmap), before);
        QCOMPARE(contents(m_project.Panes[3].SourcePicture), source);
    }

    void flipLeavesABlankPaneAndAFailedPaneAsTheyWere() {
        QVERIFY(flipPaneImage(m_project, 2, 100, FlipDirection::Horizontal, nullptr));
        QCOMPARE(m_project.Panes[2].FlipH, qint16(0));
        QCOMPARE(m_project.Panes[2].WorkPicture, kNoPicture);

        givePicture(1, QStringLiteral("Image01"), quadrants(10, 10), 50);
        QFile::remove(m_project.Panes[1].WorkPicture);
        QString error;
        QVERIFY(!flipPaneImage(m_project, 1, 50, FlipDirection::Vertical, &error));
        QVERIFY(error.contains(QStringLiteral("Image01-0001.BMP")));
        QCOMPARE(m_project.Panes[1].FlipV, qint16(0));
    }

    void shuffleOrderDrawsFromTheRemainingPool_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("always the first") << QList<double>{0, 0, 0, 0} << QList<int>{9, 10, 11, 12};
        QTest::newRow("always the last")
            << QList<double>{0.99, 0.99, 0.99, 0.99} << QList<int>{12, 11, 10, 9};
        QTest::newRow("the middle")
            << QList<double>{0.5, 0.5, 0.5, 0.5} << QList<int>{11, 10, 12, 9};
    }
    void shuffleOrderDrawsFromTheRemainingPool() {
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, order);
        QCOMPARE(ShuffleOrder(4, 8, valuesFrom(values)), order);
    }

    void everyOrderCanOccur() {
        QSet<QList<int>> orders;
        for (int a = 0; a < 4; ++a)
            for (int b = 0; b < 3; ++b)
                for (int c = 0; c < 2; ++c)
                    orders.insert(ShuffleOrder(4, 0, valuesFrom({a / 4.0, b / 3.0, c / 2.0, 0.0})));
        QCOMPARE(orders.size(), 24);
        for (const QList<int>& order : orders) {
            QList<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, QList<int>({1, 2, 3, 4}));
        }
    }

    void onlyTheBoardsPicturesMove() {
        m_project.BoardCount = 3;
        for (int pane = 1; pane <= 12; ++pane) {
            m_project.Panes[pane].WorkPicture = QStringLiteral("w%1").arg(pane);
            m_project.Panes[pane].SourcePicture = QStringLiteral("s%1").arg(pane);
            m_project.Panes[pane].PictureName = QStringLiteral("n%1").arg(pane);
            m_project.Panes[pane].Text = QStringLiteral("t%1").arg(pane);
            m_project.Panes[pane].Label = QStringLiteral("l%1").arg(pane);
            m_project.Panes[pane].URL = QStringLiteral("u%1").arg(pane);
        }
        m_project.Panes[6].FlipH = 1;
        m_project.Panes[7].FlipV = 1;
        m_project.Panes[8].makeBlank();

        movePictures(m_project, 4, {8, 6, 5, 7});

        const QList<int> from = {8, 6, 5, 7};
        for (int i = 0; i < 4; ++i) {
            const PaneRecord& pane = m_project.Panes[5 + i];
            const int source = from[i];
            QCOMPARE(pane.SourcePicture,
                     source == 8 ? kNoPicture : QStringLiteral("s%1").arg(source));
            QCOMPARE(pane.PictureName,
                     source == 8 ? kNoPicture : QStringLiteral("n%1").arg(source));
            QCOMPARE(pane.FlipH, qint16(source == 6));
            QCOMPARE(pane.FlipV, qint16(source == 7));
            QCOMPARE(pane.Text, QStringLiteral("t%1").arg(5 + i));
            QCOMPARE(pane.Label, QStringLiteral("l%1").arg(5 + i));
            QCOMPARE(pane.URL, QStringLiteral("u%1").arg(5 + i));
        }
        for (int pane : {1, 4, 9, 12})
            QCOMPARE(m_project.Panes[pane].WorkPicture, QStringLiteral("w%1").arg(pane));
    }
};

VV_TEST_MAIN(PaneOperationsTest)
#include "tst_paneoperations.moc"
