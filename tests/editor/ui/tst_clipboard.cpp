#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

using namespace editor;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

// Blue on the left, red on the right.
QImage halves(QSize size = QSize(80, 60)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kRed);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), QColor(kBlue));
    return image;
}

} // namespace

class ClipboardTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QString file(const QString& name) { return QDir(m_platform->programFolder()).filePath(name); }
    void setBoards(int grid, int boards) {
        project().GridSize = qint16(grid);
        project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    void selectPane(int pane) {
        m_window->findChild<QComboBox*>(QStringLiteral("Combo_PageView"))
            ->setCurrentIndex(project().boardOfPane(pane) - 1);
        const int slot = (pane - 1) % project().panesPerBoard() + 1;
        const int size = m_window->paneSize();
        const QPoint at = project().Panes[slot].StagePos + QPoint(size / 2, size / 2);
        auto* stage = child<QWidget>("picStage");
        QTest::mouseMove(stage, at);
        QTest::mousePress(stage, Qt::LeftButton, {}, at);
        QTest::mouseRelease(stage, Qt::LeftButton, {}, at);
        QCOMPARE(project().SelectedPane, qint16(pane));
    }
    // The pane's colour a fifth of the way in from its left or right side.
    QRgb side(int pane, bool left) {
        const int size = m_window->paneSize();
        const int slot = (pane - 1) % project().panesPerBoard() + 1;
        const QPoint at =
            project().Panes[slot].StagePos + QPoint(left ? size / 5 : size - size / 5, size / 2);
        return m_window->stageSurface().image().pixel(at);
    }

    // File > Export As Html ... into `page`, with the dialog's other choices as they are.
    void exportPages(const QString& page) {
        bool exported = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            m_platform->answerSave(page);
            QTest::mouseClick(testsupport::part<QPushButton>(dialog, "Command1"), Qt::LeftButton);
            auto* accept = testsupport::part<QPushButton>(dialog, "Button_acceptOrclose_1");
            exported = accept->isEnabled();
            QTest::mouseClick(accept, Qt::LeftButton);
            if (dialog->isVisible())
                dialog->close();
        });
        trigger("mnu_ExportHTML");
        QVERIFY2(exported, "the Html Export dialog did not take the file");
    }
    // A JPEG's colour is the colour given, give or take its compression.
    static bool near(QRgb seen, QRgb wanted) {
        return std::abs(qRed(seen) - qRed(wanted)) < 40 &&
               std::abs(qGreen(seen) - qGreen(wanted)) < 40 &&
               std::abs(qBlue(seen) - qBlue(wanted)) < 40;
    }

private Q_SLOTS:
    void init() {
        QGuiApplication::clipboard()->clear();
        openWindow();
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void copyThenPasteOnAnotherBoardSavesAndReopens() {
        setBoards(2, 2);
        QVERIFY(!child<QAction>("mnu_PastePicture")->isEnabled());
        const QString source = file(QStringLiteral("Scene.png"));
        QVERIFY(!testsupport::givePicture(*m_window, 1, halves(), source).isEmpty());
        project().Panes[1].FlipH = 1;
        m_window->RefreshBoard();
        selectPane(1);
        trigger("mnu_CopyPicture");

        // The source at its own size, mirrored as the pane shows it, and its address.
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->urls(), QList<QUrl>{QUrl::fromLocalFile(source)});
        const QImage picture = QGuiApplication::clipboard()->image();
        QCOMPARE(picture.size(), QSize(80, 60));
        QCOMPARE(picture.pixel(5, 30), kRed);
        QCOMPARE(picture.pixel(75, 30), kBlue);

        // What an image editor offers: the pixels alone.
        QGuiApplication::clipboard()->setImage(picture);
        selectPane(8);
        trigger("mnu_PastePicture");
        const PaneRecord& pasted = project().Panes[8];
        QCOMPARE(pasted.PictureName, QStringLiteral("Pasted1"));
        QVERIFY(pasted.SourcePicture.startsWith(m_window->workFolder().path()));
        QCOMPARE(QImage(pasted.SourcePicture).size(), QSize(80, 60));
        QCOMPARE(side(8, true), kRed);
        QCOMPARE(child<QAction>("mnu_Undo")->text(), QStringLiteral("Undo Paste Picture"));

        trigger("mnu_Undo");
        QVERIFY(!project().Panes[8].hasWorkPicture());
        trigger("mnu_Redo");
        QCOMPARE(project().Panes[8].PictureName, QStringLiteral("Pasted1"));

        m_platform->answerSave(file(QStringLiteral("Board.vv1")));
        trigger("mnu_SaveAs");
        m_platform->answerOpen(file(QStringLiteral("Board.vv1")));
        trigger("mnu_OpenProject");
        QCOMPARE(project().Panes[8].PictureName, QStringLiteral("Pasted1"));
        QVERIFY(!project().Panes[8].SourcePicture.startsWith(m_window->workFolder().path()));
        selectPane(8);
        QCOMPARE(side(8, true), kRed);
        QCOMPARE(side(8, false), kBlue);

        // The web export finds the pasted picture where the saved project keeps it.
        QTemporaryDir web;
        exportPages(web.filePath(QStringLiteral("tour.htm")));
        QVERIFY(QFile(web.filePath(QStringLiteral("tour_002.htm"))).open(QIODevice::ReadOnly));
        const QImage exported(web.filePath(QStringLiteral("Pasted1-008.JPG")));
        QCOMPARE(exported.size(), QSize(m_window->paneSize(), m_window->paneSize()));
        QVERIFY(near(exported.pixel(exported.width() / 5, exported.height() / 2), kRed));
        QVERIFY(near(exported.pixel(exported.width() * 4 / 5, exported.height() / 2), kBlue));
    }

    void filesCopiedInAFileManagerFillPanesInOneStep() {
        setBoards(2, 1);
        QList<QUrl> urls;
        for (const char* name : {"Shot2.png", "Shot10.png", "Shot1.png"}) {
            const QString picture = file(QString::fromLatin1(name));
            QVERIFY(halves().save(picture));
            urls << QUrl::fromLocalFile(picture);
        }
        auto* data = new QMimeData;
        data->setUrls(urls);
        data->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n");
        QGuiApplication::clipboard()->setMimeData(data);
        selectPane(2);
        trigger("mnu_PastePicture");
        QCOMPARE(project().Panes[2].PictureName, QStringLiteral("Shot1"));
        QCOMPARE(project().Panes[3].PictureName, QStringLiteral("Shot2"));
        QCOMPARE(project().Panes[4].PictureName, QStringLiteral("Shot10"));
        trigger("mnu_Undo");
        for (int pane = 2; pane <= 4; ++pane)
            QVERIFY(!project().Panes[pane].hasWorkPicture());
    }

    void theTextBoxKeepsItsCopyAndPaste() {
        QVERIFY(!testsupport::givePicture(*m_window, 1, halves(), file(QStringLiteral("A.png")))
                     .isEmpty());
        m_window->RefreshBoard();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        selectPane(1);
        QVERIFY(child<QAction>("mnu_CopyPicture")->isEnabled());
        auto* box = child<QLineEdit>("Text1");
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        box->setText(QStringLiteral("Harbour"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Harbour"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("HarbourHarbour"));
    }
};

VV_TEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
