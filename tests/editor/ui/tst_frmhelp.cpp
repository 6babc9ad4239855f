#include "editor/ui/frmhelp.h"
#include "editor/ui/frmmain.h"
#include "editor/ui/helptopics.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace editor;

namespace {

QString shown(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class FrmHelpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextMatchesTheTopicTable() {
        QFile file(QStringLiteral(TEST_DATA_DIR "/helptopics.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray table = QJsonDocument::fromJson(file.readAll()).array();
        QCOMPARE(table.size(), 46);
        QCOMPARE(helpTopics().size(), 46);
        for (int i = 0; i < 46; ++i) {
            QCOMPARE(helpTopics().at(i).name,
                     table.at(i).toObject().value(QStringLiteral("name")).toString());
            QCOMPARE(helpTopics().at(i).text,
                     table.at(i).toObject().value(QStringLiteral("text")).toString());
        }
    }

    void textsKeepTheirTrailingBlanksAndLineBreaks() {
        QMap<QString, QString> text;
        for (const HelpTopic& topic : helpTopics())
            text[topic.name] = topic.text;
        QCOMPARE(text[QStringLiteral("Back")], QStringLiteral("Navigate one board back. "));
        QCOMPARE(text[QStringLiteral("Exit")],
                 QStringLiteral("Close Vistavel session and application. "));
        QVERIFY(text[QStringLiteral("Export As Html")].endsWith(
            QStringLiteral("See Also : Scale Panes For ")));
        QVERIFY(text[QStringLiteral("Show Footer Text")].contains(QStringLiteral("board title")));
        QVERIFY(text[QStringLiteral("Scale Panes For")].contains(
            QStringLiteral("do the following :\r\n\r\n1. Uncheck the Auto-create checkbox on the "
                           "Export tab.\r\n2. Click the Preview tab. \r\n")));
        QVERIFY(text[QStringLiteral("Auto-Create Html Code")].contains(
            QStringLiteral("visible.  The final output is a \"best-fit\" scaled approximation")));
        QVERIFY(text[QStringLiteral("Auto-Create Html Code")].endsWith(
            QStringLiteral("\r\n7. Click the Accept button on the Export tab. ")));
        QVERIFY(text[QStringLiteral("Mass Image Import")].contains(
            QStringLiteral("loaded using this method. ")));
        QVERIFY(text[QStringLiteral("Mass Image Import")].endsWith(
            QStringLiteral("\r\nOnce a break in a sequence is encountered, the Mass Image Import "
                           "halts and returns the results.")));
        QVERIFY(text[QStringLiteral("About")].endsWith(QStringLiteral(
            "This application is a pre-process tool which allows for concepts to be generated "
            "quickly in the visual context using images and words to convey meaning.")));
    }

    void chooserListsTopicsAlphabetically() {
        frmHelp help;
        help.FillTopics();
        auto* chooser = help.findChild<QComboBox*>(QStringLiteral("Combo_HelpTopic"));
        QCOMPARE(chooser->count(), 46);
        const QStringList expected = {"About",
                                      "Auto-Create Html Code",
                                      "Back",
                                      "Board",
                                      "Change Project",
                                      "Clear Item",
                                      "CloseUp",
                                      "Edit Text Window",
                                      "Exit",
                                      "Export As Html",
                                      "Export Tab",
                                      "Flip Horizontally",
                                      "Flip Vertically",
                                      "Footer Text",
                                      "Global Highlight",
                                      "Image Shuffle",
                                      "Label",
                                      "Labels Dock With Panes",
                                      "Labels Show As ALT Tag Property",
                                      "Left Mouse Button",
                                      "Make As Blank",
                                      "Mass Image Import",
                                      "Move Highlight",
                                      "Navigation",
                                      "Next",
                                      "Number Every Pane",
                                      "Open Project",
                                      "Pane",
                                      "Pane Grid Html",
                                      "Pane List",
                                      "Path",
                                      "Picture",
                                      "Preview Tab",
                                      "Properties - Board",
                                      "Properties - Panes",
                                      "Remove All",
                                      "Right Mouse Button",
                                      "Save Project As",
                                      "Scale Panes For",
                                      "Selected",
                                      "Show Board Title",
                                      "Show Border On Panes With URLs",
                                      "Show Footer Text",
                                      "Swap Item",
                                      "Title",
                                      "URL"};
        for (int i = 0; i < 46; ++i)
            QCOMPARE(chooser->itemText(i), expected.at(i));
    }

    void windowOpensOnAboutAndKeepsItsTopic() {
        testsupport::FakePlatform platform;
        frmMain window(platform);
        auto* help = window.findChild<frmHelp*>();
        auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        auto* chooser = help->findChild<QComboBox*>(QStringLiteral("Combo_HelpTopic"));
        QCOMPARE(text->toPlainText(), shown(helpTopics().at(0).text));

        QTimer::singleShot(0, this, [&] {
            QCOMPARE(QApplication::activeModalWidget(), help);
            QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
            chooser->setCurrentText(QStringLiteral("Scale Panes For"));
            QVERIFY(
                text->toPlainText().contains(QStringLiteral("do the following :\n\n1. Uncheck")));
            help->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        window.findChild<QAction*>(QStringLiteral("mnu_Help"))->trigger();
        QVERIFY(!help->isVisible());

        // Reopened, it shows the topic last chosen; an unknown name changes nothing.
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(chooser->currentText(), QStringLiteral("Scale Panes For"));
            help->ShowTopic(QStringLiteral("No Such Topic"));
            QVERIFY(text->toPlainText().startsWith(QStringLiteral("The output makes scaled")));
            help->close();
        });
        window.findChild<QAction*>(QStringLiteral("mnu_Help"))->trigger();
        QVERIFY(platform.problems().isEmpty());
    }
};

VV_TEST_MAIN(FrmHelpTest)
#include "tst_frmhelp.moc"
