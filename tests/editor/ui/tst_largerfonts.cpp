// The forms of both programs, placed control by control or laid out, at the font
// they were drawn for and at the larger fonts desktops default to.

#include "cutcaptions.h"
#include "editor/ui/frmabout.h"
#include "editor/ui/frmhelp.h"
#include "editor/ui/frmmain.h"
#include "editor/ui/frmmsgbox.h"
#include "fakeplatform.h"
#include "sentences/ui/frmmain.h"
#include "testmain.h"

#include <QDialog>
#include <QTest>

#include <memory>

class LargerFontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QApplication::setFont(QFont()); }

    // At the font the forms were drawn for nothing moves; at larger ones the form
    // and its controls grow until every caption shows whole.
    void noCaptionIsCut_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("drawnSize");
        QTest::newRow("drawn for") << 0 << true;
        QTest::newRow("KDE's 10 pt") << 10 << false;
        QTest::newRow("12 pt") << 12 << false;
        QTest::newRow("18 pt") << 18 << false;
    }
    void noCaptionIsCut() {
        QFETCH(int, pointSize);
        QFETCH(bool, drawnSize);
        if (pointSize > 0) {
            QFont font = QApplication::font();
            font.setPointSize(pointSize);
            QApplication::setFont(font);
        }
        testsupport::FakePlatform desktop;
        sentences::frmMain generator(desktop);
        editor::frmAbout about;
        editor::frmMsgBox notice;
        editor::frmHelp help;
        QList<QWidget*> forms = {&generator, &about, &notice, &help};
        for (QDialog* dialog : generator.findChildren<QDialog*>())
            forms << dialog;
        QStringList cut;
        for (QWidget* form : forms)
            cut << testsupport::cutCaptions(*form);
        // The editor's dialogs laid out by their layouts take their places when shown.
        editor::frmMain editorWindow(desktop);
        for (QDialog* dialog : editorWindow.findChildren<QDialog*>()) {
            dialog->show();
            cut << testsupport::cutCaptions(*dialog);
            dialog->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        if (drawnSize) {
            QCOMPARE(generator.centralWidget()->size(), QSize(400, 400));
            QCOMPARE(about.size(), QSize(255, 150));
            QCOMPARE(notice.size(), QSize(402, 110));
            QCOMPARE(help.size(), QSize(350, 350));
        }
    }
};

VV_TEST_MAIN(LargerFontsTest)
#include "tst_largerfonts.moc"
