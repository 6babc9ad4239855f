// Both programs in a made-up language whose every text is bracketed and longer:
// a text that shows unbracketed skipped translation, and no caption of a window
// or dialog may be cut by the longer texts, nor by those of a shipped language.

#include "cutcaptions.h"
#include "editor/ui/frmmain.h"
#include "fakeplatform.h"
#include "platform/translations.h"
#include "pseudotranslator.h"
#include "sentences/ui/frmmain.h"
#include "showntexts.h"
#include "testmain.h"

#include <QDialog>
#include <QLayout>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// Texts that are the same in every language: numbers and sizes ("2 x 2",
// "640 x 480"), addresses, and the words of the user's own lists.
bool isLanguageFree(const QString& line) {
    const QString text = line.section(QStringLiteral(": "), 1);
    static const QRegularExpression numbers(QStringLiteral("^[\\d\\s.,:x%-]*$"));
    static const QRegularExpression address(QStringLiteral("^(https?://|www\\.)"));
    return numbers.match(text).hasMatch() || address.match(text).hasMatch() ||
           line.startsWith(QLatin1String("ComboWords_"));
}

QStringList untranslated(const QWidget& form) {
    QStringList found;
    for (const QString& line : testsupport::shownTexts(form))
        if (!testsupport::PseudoTranslator::isPseudo(line) && !isLanguageFree(line))
            found << line;
    return found;
}

// The window and its dialogs, each laid out as it shows.
QList<QWidget*> formsOf(QWidget& window) {
    QList<QWidget*> forms{&window};
    for (QDialog* dialog : window.findChildren<QDialog*>())
        forms << dialog;
    for (QWidget* form : forms)
        if (form->layout())
            form->layout()->activate();
    return forms;
}

} // namespace

class PseudoLanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QCoreApplication::installTranslator(&m_pseudo); }
    void cleanup() { QCoreApplication::removeTranslator(&m_pseudo); }

    void everyTextIsTranslated_data() {
        QTest::addColumn<bool>("editor");
        QTest::newRow("board editor") << true;
        QTest::newRow("sentence generator") << false;
    }
    void everyTextIsTranslated() {
        QFETCH(bool, editor);
        testsupport::FakePlatform platform;
        const std::unique_ptr<QWidget> window = open(editor, platform);
        QStringList found;
        for (const QWidget* form : formsOf(*window))
            found << untranslated(*form);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // In the made-up language and in every shipped one.
    void noCaptionIsCut_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringLiteral("pseudo|" SHIPPED_LANGUAGES).split('|')) {
            QTest::addRow("board editor, %s", qPrintable(language)) << true << language;
            QTest::addRow("sentence generator, %s", qPrintable(language)) << false << language;
        }
    }
    void noCaptionIsCut() {
        QFETCH(bool, editor);
        QFETCH(QString, language);
        std::optional<platform::Translations> translations;
        if (language != QLatin1String("pseudo")) {
            QCoreApplication::removeTranslator(&m_pseudo);
            translations.emplace(editor ? QStringLiteral("vv1_2002") : QStringLiteral("twk"),
                                 QStringList{language});
            QCOMPARE(translations->language(), language);
        }
        testsupport::FakePlatform platform;
        const std::unique_ptr<QWidget> window = open(editor, platform);
        QStringList cut;
        for (QWidget* form : formsOf(*window)) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            // The editor's stage is drawn, not captioned: its side bar holds the controls.
            const QWidget* sideBar = form->findChild<QWidget*>(QStringLiteral("picSideBar"));
            cut << testsupport::cutCaptions(sideBar ? *sideBar : *form);
            form->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

private:
    static std::unique_ptr<QWidget> open(bool editor, testsupport::FakePlatform& platform) {
        if (editor)
            return std::make_unique<editor::frmMain>(platform);
        return std::make_unique<sentences::frmMain>(platform);
    }

    testsupport::PseudoTranslator m_pseudo;
};

VV_TEST_MAIN(PseudoLanguageTest)
#include "tst_pseudolanguage.moc"
