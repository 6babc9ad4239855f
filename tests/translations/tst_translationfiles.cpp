// The translators' files: every text the programs translate is in them, and the
// languages that ship are translated whole.

#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

// The text of the element the reader stands on; lupdate writes control
// characters such as CR as <byte value="xd"/>.
QString elementText(QXmlStreamReader& reader) {
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters())
            text += reader.text();
        else if (reader.isStartElement() && reader.name() == QLatin1String("byte"))
            text +=
                QChar(reader.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (reader.isEndElement() && reader.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

QList<Message> readMessages(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader reader(&file);
    QString context;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (!reader.isStartElement())
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("TS") || name == QLatin1String("context")) {
            continue;
        } else if (name == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, {}, {}, false});
        } else if (name == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = elementText(reader);
        } else if (name == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().unfinished =
                reader.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.last().translation = elementText(reader);
        } else {
            reader.skipCurrentElement();
        }
    }
    return messages;
}

QSet<QString> keys(const QList<Message>& messages) {
    QSet<QString> result;
    for (const Message& message : messages)
        result << message.context + QStringLiteral(" / ") + message.source;
    return result;
}

// The source trees lupdate reads for a catalog.
QStringList sourcesOf(const QString& catalog) {
    const QString root = QStringLiteral(SOURCE_DIR);
    return {root + (catalog == QLatin1String("twk") ? QStringLiteral("/sentences")
                                                    : QStringLiteral("/editor")),
            root + QStringLiteral("/platform")};
}

QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// An ampersand that marks a shortcut letter, not a doubled one.
bool hasMnemonic(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

QString translationsFolder() {
    return QStringLiteral(SOURCE_DIR "/translations");
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // lupdate run over the sources finds no text the committed file lacks, and
    // none the sources no longer have: what a translator fills is all there is.
    void lupdateFindsNothingNew_data() {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(translationsFolder()).entryList({QStringLiteral("*.ts")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void lupdateFindsNothingNew() {
        QFETCH(QString, file);
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(file);
        QVERIFY(QFile::copy(QDir(translationsFolder()).filePath(file), copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LUPDATE_EXECUTABLE),
                      QStringLiteral(LUPDATE_OPTIONS).split(QLatin1Char('|')) +
                          sourcesOf(file.section(QLatin1Char('_'), 0, 0)) +
                          QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        const QSet<QString> committed =
            keys(readMessages(QDir(translationsFolder()).filePath(file)));
        const QSet<QString> current = keys(readMessages(copy));
        QVERIFY(!current.isEmpty());
        QStringList differences;
        for (const QString& key : current - committed)
            differences << QStringLiteral("new: ") + key;
        for (const QString& key : committed - current)
            differences << QStringLiteral("gone: ") + key;
        differences.sort();
        QVERIFY2(differences.isEmpty(),
                 qPrintable(QStringLiteral("run the target update_translations:\n") +
                            differences.join(QLatin1Char('\n'))));
    }

    // Every text of a shipped language is translated, with the same
    // placeholders, a shortcut letter where the English has one, and the spaces
    // at either end that join it to the texts around it.
    void shippedLanguagesAreFinished_data() {
        QTest::addColumn<QString>("file");
        for (const QString& language : QStringLiteral(SHIPPED_LANGUAGES).split(QLatin1Char('|')))
            for (const QString& catalog : {QStringLiteral("vv1_2002"), QStringLiteral("twk")}) {
                const QString file = catalog + QLatin1Char('_') + language + QStringLiteral(".ts");
                QTest::newRow(qPrintable(file)) << file;
            }
    }
    void shippedLanguagesAreFinished() {
        QFETCH(QString, file);
        const QList<Message> messages = readMessages(QDir(translationsFolder()).filePath(file));
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const Message& message : messages) {
            const QString where = message.context + QStringLiteral(" / ") + message.source;
            if (message.unfinished || message.translation.isEmpty()) {
                faults << QStringLiteral("unfinished: ") + where;
                continue;
            }
            if (placeholders(message.source) != placeholders(message.translation))
                faults << QStringLiteral("placeholders differ: ") + where;
            if (hasMnemonic(message.source) != hasMnemonic(message.translation))
                faults << QStringLiteral("shortcut letter differs: ") + where;
            const auto leading = [](const QString& text) {
                return text.size() -
                       QString(text).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
            };
            const auto trailing = [](const QString& text) {
                return text.size() -
                       QString(text).remove(QRegularExpression(QStringLiteral("\\s+$"))).size();
            };
            if (leading(message.source) != leading(message.translation) ||
                trailing(message.source) != trailing(message.translation))
                faults << QStringLiteral("spaces at the ends differ: ") + where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

VV_TEST_MAIN(TranslationFilesTest)
#include "tst_translationfiles.moc"
