#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {
namespace {

// "de_DE.UTF-8@euro" -> "de_DE"
QString withoutCodeSet(const QString& name) {
    QString result = name;
    for (const QChar end : {QLatin1Char('@'), QLatin1Char('.')}) {
        const qsizetype at = result.indexOf(end);
        if (at >= 0)
            result.truncate(at);
    }
    return result;
}

bool isCLocale(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

bool isEnglish(const QString& name) {
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}

} // namespace

QStringList desktopLanguages(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            break;
    }
    locale = withoutCodeSet(locale);
    if (isCLocale(locale))
        return {};
    QStringList languages;
    for (const QString& entry :
         environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString name = withoutCodeSet(entry); !isCLocale(name))
            languages << name;
    languages << locale;
    languages.removeDuplicates();
    return languages;
}

QString translationsFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral(INSTALLED_DATA_FROM_BIN "/vistavel/translations"));
}

Translations::Translations(const QString& catalog, const QStringList& languages,
                           const QString& folder) {
    for (const QString& name : languages) {
        // English is the programs' own language: a wish for it ends the search.
        if (isEnglish(name))
            break;
        const QLocale locale(name);
        if (!m_program.load(locale, catalog, QStringLiteral("_"), folder) || m_program.isEmpty())
            continue;
        m_language = m_program.language();
        QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        break;
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace platform
