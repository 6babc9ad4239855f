// Which language the desktop asks for, and what the programs load for it.

#include "environmentof.h"
#include "platform/translations.h"
#include "testmain.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTest>

namespace {

QString fileMenu() {
    return QCoreApplication::translate("editor::frmMain", "&File");
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // LANGUAGE leads, as gettext reads it, but never over the C locale; then the
    // first set of LC_ALL, LC_MESSAGES and LANG, without code set or modifier.
    void desktopLanguages_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("nothing set") << QStringList{} << QStringList{};
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de_DE"};
        QTest::newRow("C") << QStringList{"LANG=C"} << QStringList{};
        QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8"} << QStringList{};
        QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << QStringList{};
        QTest::newRow("modifier") << QStringList{"LANG=de_AT.ISO-8859-15@euro"}
                                  << QStringList{"de_AT"};
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{"LANG=en_US.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << QStringList{"es_ES"};
        QTest::newRow("LC_ALL over LC_MESSAGES")
            << QStringList{"LC_MESSAGES=es_ES.UTF-8", "LC_ALL=fr_FR.UTF-8"} << QStringList{"fr_FR"};
        QTest::newRow("LANGUAGE list first") << QStringList{"LANGUAGE=fr:de_CH", "LANG=es_ES.UTF-8"}
                                             << QStringList{"fr", "de_CH", "es_ES"};
        QTest::newRow("LANGUAGE under C")
            << QStringList{"LANGUAGE=de", "LANG=C.UTF-8"} << QStringList{};
        QTest::newRow("LANGUAGE empty entries")
            << QStringList{"LANGUAGE=:de::", "LANG=de_DE.UTF-8"} << QStringList{"de", "de_DE"};
    }
    void desktopLanguages() {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, languages);
        QCOMPARE(platform::desktopLanguages(testsupport::environmentOf(variables)), languages);
    }

    // The first wished language the program is translated into wins; English, or
    // one it has no translation for, leaves every text as it is.
    void loadsTheFirstTranslatedLanguage_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << QStringList{"de_DE"} << "de"
                                << "&Datei";
        QTest::newRow("Swiss German") << QStringList{"de_CH"} << "de"
                                      << "&Datei";
        QTest::newRow("untranslated first") << QStringList{"it_IT", "de"} << "de"
                                            << "&Datei";
        QTest::newRow("French") << QStringList{"fr_FR"} << "fr"
                                << "&Fichier";
        QTest::newRow("Spanish before German") << QStringList{"es", "de"} << "es"
                                               << "&Archivo";
        QTest::newRow("English first") << QStringList{"en_GB", "de_DE"} << ""
                                       << "&File";
        QTest::newRow("untranslated only") << QStringList{"it_IT"} << ""
                                           << "&File";
        QTest::newRow("none") << QStringList{} << ""
                              << "&File";
    }
    void loadsTheFirstTranslatedLanguage() {
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QFETCH(QString, caption);
        {
            const platform::Translations translations(QStringLiteral("vv1_2002"), languages);
            QCOMPARE(translations.language(), language);
            QCOMPARE(fileMenu(), caption);
        }
        QCOMPARE(fileMenu(), QStringLiteral("&File"));
    }

    // Qt's own dialogs follow in the same language.
    void qtsOwnTextsFollow() {
        const QString english = QCoreApplication::translate("QFileDialog", "Look in:");
        const platform::Translations translations(QStringLiteral("twk"), {QStringLiteral("de")});
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Suchen in:"));
        QCOMPARE(QCoreApplication::translate("sentences::frmMain", "&Load"),
                 QStringLiteral("&Laden"));
        QCOMPARE(english, QStringLiteral("Look in:"));
    }
};

VV_TEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
