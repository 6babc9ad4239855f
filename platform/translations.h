#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace platform {

// The languages the desktop asks for, most wanted first, as locale names without
// code set or modifier ("de_DE", "fr"). Read as gettext reads them: LANGUAGE, a
// colon-separated list, then the first set of LC_ALL, LC_MESSAGES and LANG.
// Under the C or POSIX locale the list is empty, whatever LANGUAGE says.
QStringList desktopLanguages(const QProcessEnvironment& environment);

// Where the program's own translations (.qm files) lie: beside the program's
// folder in share/vistavel/translations, in the build tree as when installed.
QString translationsFolder();

// The program's texts and Qt's own (file chooser, print dialog, standard
// buttons) in the first of `languages` the program is translated into. English,
// or a language the program has no translation for, installs nothing, so every
// text stays the source's. Held for as long as the windows live.
class Translations {
public:
    // `catalog` is the program's file name stem: "vv1_2002" loads vv1_2002_de.qm.
    Translations(const QString& catalog, const QStringList& languages,
                 const QString& folder = translationsFolder());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed ("de"), empty for English.
    QString language() const { return m_language; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

} // namespace platform
