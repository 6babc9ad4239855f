#include "editor/export/pagegenerator.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

using namespace editor;
using testsupport::answerModal;
using testsupport::part;

namespace {

const QList<QColor> kColours = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

void trigger(frmMain& window, const char* name) {
    QAction* command = part<QAction>(&window, name);
    QVERIFY2(command->isEnabled(), name);
    command->trigger();
}

QPoint slotCentre(const frmMain& window, int slot) {
    const int size = window.paneSize();
    return {((slot - 1) % 2) * size + size / 2, ((slot - 1) / 2) * size + size / 2};
}

bool near(QColor seen, QColor expected) {
    return qAbs(seen.red() - expected.red()) < 40 && qAbs(seen.green() - expected.green()) < 40 &&
           qAbs(seen.blue() - expected.blue()) < 40;
}

QColor stageColour(const frmMain& window, int slot) {
    return window.stageSurface().image().pixelColor(slotCentre(window, slot) + QPoint(30, 30));
}

} // namespace

// The editor's typical run, through its menus, mouse and dialogs: a numbered
// sequence imported, pane 3 dragged onto pane 1, the project saved, opened in a
// fresh editor and exported as web pages.
class TypicalRunTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importDragSaveOpenExport() {
        QTemporaryDir folder;
        QDir().mkpath(folder.filePath(QStringLiteral("shots")));
        for (int i = 0; i < 4; ++i) {
            QImage image(320, 240, QImage::Format_RGB32);
            image.fill(kColours[i]);
            QVERIFY(image.save(folder.filePath(QStringLiteral("shots/Shot0%1.jpg").arg(i + 1))));
        }

        testsupport::FakePlatform desk;
        frmMain editor(desk);

        // Mass import from pane 1.
        QTest::mouseClick(part<QWidget>(&editor, "picStage"), Qt::LeftButton, {},
                          slotCentre(editor, 1));
        desk.answerOpen(folder.filePath(QStringLiteral("shots/Shot01.jpg")));
        desk.expectMessage(QStringLiteral("Vistavel : Import"));
        trigger(editor, "mnu_MassImage");
        QTRY_COMPARE(desk.messages().size(), 1);
        QCOMPARE(desk.messages().at(0).text,
                 QStringLiteral("I found 4 compatible images.\nTruncation where current project "
                                "specifies."));
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY2(near(stageColour(editor, slot), kColours[slot - 1]),
                     qPrintable(QString::number(slot)));

        // Drag pane 3 onto pane 1: everything the two hold changes places.
        editor.project().Panes[3].Label = QStringLiteral("Harbour");
        QWidget* stage = part<QWidget>(&editor, "picStage");
        QTest::mousePress(stage, Qt::LeftButton, {}, slotCentre(editor, 3));
        QTest::mouseMove(stage, (slotCentre(editor, 3) + slotCentre(editor, 1)) / 2);
        QTest::mouseMove(stage, slotCentre(editor, 1));
        QTest::mouseRelease(stage, Qt::LeftButton, {}, slotCentre(editor, 1));
        QVERIFY(near(stageColour(editor, 1), kColours[2]));
        QVERIFY(near(stageColour(editor, 3), kColours[0]));
        QCOMPARE(editor.project().Panes[1].Label, QStringLiteral("Harbour"));

        // A text typed for pane 2 through the pane list.
        auto* list = part<QListWidget>(&editor, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        auto* text = part<QLineEdit>(&editor, "Text1");
        text->clear();
        QTest::keyClicks(text, QStringLiteral("  The quay at dawn  "));
        QTest::mouseClick(part<QPushButton>(&editor, "cmdButton"), Qt::LeftButton);
        QCOMPARE(editor.project().Panes[2].Text, QStringLiteral("The quay at dawn"));

        // Save.
        const QString project = folder.filePath(QStringLiteral("story.vv1"));
        desk.answerSave(project);
        trigger(editor, "mnu_SaveAs");
        QVERIFY(QFileInfo(project).isFile());
        QCOMPARE(QDir(folder.filePath(QStringLiteral("story_Data"))).entryList(QDir::Files).size(),
                 4);

        // Open in a fresh editor: every pane comes back.
        testsupport::FakePlatform otherDesk;
        frmMain reopened(otherDesk);
        otherDesk.answerOpen(project);
        trigger(reopened, "mnu_OpenProject");
        QTRY_VERIFY(reopened.project().Panes[4].hasWorkPicture());
        for (int pane = 1; pane <= 4; ++pane) {
            const PaneRecord& before = editor.project().Panes[pane];
            const PaneRecord& after = reopened.project().Panes[pane];
            QCOMPARE(after.Text, before.Text);
            QCOMPARE(after.Label, before.Label);
            QCOMPARE(after.URL, before.URL);
            QVERIFY(after.hasSourcePicture());
            QVERIFY2(near(stageColour(reopened, pane), stageColour(editor, pane)),
                     qPrintable(QString::number(pane)));
        }
        QCOMPARE(reopened.project().Panes[2].Text, QStringLiteral("The quay at dawn"));

        // Export: pages first, then one JPEG per pane with a picture.
        const QString web = folder.filePath(QStringLiteral("web"));
        QDir().mkpath(web);
        otherDesk.answerSave(QDir(web).filePath(QStringLiteral("tour.htm")));
        answerModal(this, [](QDialog* dialog) {
            QTest::mouseClick(part<QPushButton>(dialog, "Command1"), Qt::LeftButton);
            QTest::mouseClick(part<QPushButton>(dialog, "Button_acceptOrclose_1"), Qt::LeftButton);
        });
        trigger(reopened, "mnu_ExportHTML");
        QTRY_COMPARE(QDir(web).entryList({QStringLiteral("*.JPG")}, QDir::Files).size(), 4);
        QVERIFY(QFileInfo(QDir(web).filePath(QStringLiteral("tour_001.htm"))).isFile());
        QFile page(QDir(web).filePath(QStringLiteral("tour_001.htm")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QVERIFY(html.contains("The quay at dawn"));
        QVERIFY(html.contains("Harbour"));
        for (int pane = 1; pane <= 4; ++pane) {
            const QString reference =
                pagePictureReference(reopened.project().Panes[pane].PictureName, pane);
            QVERIFY2(html.contains(reference.toUtf8()), qPrintable(reference));
            const QImage jpeg(QDir(web).filePath(reference));
            QVERIFY2(!jpeg.isNull(), qPrintable(reference));
            QVERIFY(near(jpeg.pixelColor(jpeg.width() / 2, jpeg.height() / 2),
                         stageColour(editor, pane)));
        }
        QVERIFY2(desk.problems().isEmpty(), qPrintable(desk.problems().join('\n')));
        QVERIFY2(otherDesk.problems().isEmpty(), qPrintable(otherDesk.problems().join('\n')));
    }
};

VV_TEST_MAIN(TypicalRunTest)
#include "tst_typicalrun.moc"
