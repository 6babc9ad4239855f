// Both programs in the desktop's language: German menus, messages and file
// chooser under a German desktop, every text as before under English or C, and
// the same files written whatever the language.

#include "editor/ui/frmmain.h"
#include "environmentof.h"
#include "fakeplatform.h"
#include "platform/qtplatform.h"
#include "platform/translations.h"
#include "sentences/ui/frmmain.h"
#include "showntexts.h"
#include "testmain.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

QStringList menuTitles(const QMainWindow& window) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

// The texts of a window and of every dialog it holds.
QStringList allTexts(const QWidget& window) {
    QStringList texts = testsupport::shownTexts(window);
    for (const QDialog* dialog : window.findChildren<QDialog*>())
        texts << testsupport::shownTexts(*dialog);
    return texts;
}

QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void trigger(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action && action->isEnabled(), name);
    action->trigger();
}

// A project of two boards with a picture, a label and a text, saved as `fileName`.
void saveProject(const QString& fileName, const QString& pictureFile) {
    testsupport::FakePlatform platform;
    editor::frmMain window(platform);
    editor::ProjectRecord& project = window.project();
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(pictureFile));
    editor::PaneRecord& pane = project.Panes[1];
    pane.SourcePicture = pictureFile;
    pane.PictureName = QFileInfo(pictureFile).completeBaseName();
    QVERIFY(window.PreparePaneImage(1, window.paneBitmapSide(), true, nullptr));
    pane.Label = QStringLiteral("Harbour at dawn");
    project.Panes[2].Text = QStringLiteral("The boat leaves");
    platform.answerSave(fileName);
    trigger(window, "mnu_SaveAs");
    QVERIFY2(platform.problems().isEmpty(), qPrintable(platform.problems().join('\n')));
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() {
        m_translations.reset();
        m_twk.reset();
    }

    void editorSpeaksGerman() {
        speak(QStringLiteral("de_DE"));
        testsupport::FakePlatform platform;
        editor::frmMain window(platform);
        QCOMPARE(menuTitles(window),
                 (QStringList{"&Datei", "&Bearbeiten", "&Feld", "&Tafel", "&Hilfe"}));
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->text(),
                 QStringLiteral("Projekt speichern unter ..."));
        window.project().SelectedPane = 0;
        platform.expectMessage(QStringLiteral("Vistavel : Bild laden"));
        trigger(window, "mnu_LoadPicture");
        QVERIFY2(platform.problems().isEmpty(), qPrintable(platform.problems().join('\n')));
        QCOMPARE(platform.messages().constLast().text,
                 QStringLiteral("Bitte wählen Sie zuerst ein Feld, auf der Bühne oder in der "
                                "Feldliste."));
    }

    void sentenceGeneratorSpeaksGerman() {
        speak(QStringLiteral("de_DE"));
        testsupport::FakePlatform platform;
        sentences::frmMain window(platform);
        QCOMPARE(menuTitles(window), (QStringList{"&Datei", "&Listen", "A&ktion", "&Hilfe"}));
        platform.answerOpen(QString());
        trigger(window, "mnu_Load");
        QCOMPARE(platform.openRequests().constLast().title,
                 QStringLiteral("Definitionen laden ..."));
        QCOMPARE(platform.openRequests().constLast().filter,
                 QStringLiteral("Definitionen (*.TwK)"));
    }

    // Qt's own file chooser, as the programs show it, in the same language.
    void fileChooserSpeaksGerman() {
        speak(QStringLiteral("de_DE"));
        QString lookIn;
        QString accept;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
            accept = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text();
        });
        platform::QtPlatform platform;
        QTemporaryDir folder;
        QVERIFY(platform
                    .chooseOpenFile({QStringLiteral("Projekt laden ..."),
                                     QStringLiteral("VV1 (*.vv1)"),
                                     1,
                                     {},
                                     folder.path()})
                    .cancelled);
        QCOMPARE(lookIn, QStringLiteral("Suchen in:"));
        QCOMPARE(accept, QStringLiteral("&Öffnen"));
    }

    // English or the C locale leaves every text of both programs exactly as it
    // is with no translation at all.
    void englishAndCKeepEveryText_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("C") << QStringList{"LANG=C"};
        QTest::newRow("C.UTF-8 with a German LANGUAGE")
            << QStringList{"LANG=C.UTF-8", "LANGUAGE=de"};
        QTest::newRow("en_US") << QStringList{"LANG=en_US.UTF-8"};
        QTest::newRow("English before German") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"};
    }
    void englishAndCKeepEveryText() {
        QFETCH(QStringList, variables);
        testsupport::FakePlatform platform;
        QStringList english;
        {
            editor::frmMain editor(platform);
            sentences::frmMain generator(platform);
            english = allTexts(editor) + allTexts(generator);
        }
        m_translations.emplace(QStringLiteral("vv1_2002"),
                               platform::desktopLanguages(testsupport::environmentOf(variables)));
        QCOMPARE(m_translations->language(), QString());
        editor::frmMain editor(platform);
        sentences::frmMain generator(platform);
        QCOMPARE(menuTitles(editor), (QStringList{"&File", "&Edit", "&Pane", "&Board", "&Help"}));
        QCOMPARE(allTexts(editor) + allTexts(generator), english);
    }

    // Projects, definitions and text output hold the user's words and the
    // program's data, never its captions.
    void filesAreTheSameInEveryLanguage() {
        QTemporaryDir folder;
        saveProject(folder.filePath(QStringLiteral("English.vv1")),
                    folder.filePath(QStringLiteral("english.bmp")));
        speak(QStringLiteral("de_DE"));
        saveProject(folder.filePath(QStringLiteral("German.vv1")),
                    folder.filePath(QStringLiteral("german.bmp")));
        QByteArray english = fileBytes(folder.filePath(QStringLiteral("English.vv1")));
        QVERIFY(!english.isEmpty());
        english.replace("english", "german").replace("English", "German");
        QCOMPARE(fileBytes(folder.filePath(QStringLiteral("German.vv1"))), english);

        testsupport::FakePlatform platform;
        sentences::frmMain generator(platform);
        const QString definitions = folder.filePath(QStringLiteral("words.TwK"));
        platform.answerSave(definitions, 2);
        trigger(generator, "mnu_Save");
        QCOMPARE(fileBytes(definitions), fileBytes(QStringLiteral(TEST_DATA_DIR "/defaults.TwK")));
    }

private:
    void speak(const QString& language) {
        m_translations.reset();
        m_translations.emplace(QStringLiteral("vv1_2002"), QStringList{language});
        m_twk.reset();
        m_twk.emplace(QStringLiteral("twk"), QStringList{language});
    }

    std::optional<platform::Translations> m_translations;
    std::optional<platform::Translations> m_twk;
};

VV_TEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
