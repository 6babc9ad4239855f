#include "platform/recentlyused.h"
#include "testmain.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <thread>

using platform::addRecentUse;
using platform::RecentUse;

namespace {

QDomDocument read(const QString& fileName) {
    QFile file(fileName);
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

// "href mime-type name exec count" for each program of each bookmark.
QStringList uses(const QString& fileName) {
    QStringList all;
    const QDomElement root = read(fileName).documentElement();
    for (QDomElement bookmark = root.firstChildElement("bookmark"); !bookmark.isNull();
         bookmark = bookmark.nextSiblingElement("bookmark")) {
        const QDomElement metadata =
            bookmark.firstChildElement("info").firstChildElement("metadata");
        const QString type = metadata.firstChildElement("mime:mime-type").attribute("type");
        const QDomElement programs = metadata.firstChildElement("bookmark:applications");
        for (QDomElement program = programs.firstChildElement("bookmark:application");
             !program.isNull(); program = program.nextSiblingElement("bookmark:application"))
            all << QStringList{bookmark.attribute("href"), type, program.attribute("name"),
                               program.attribute("exec"), program.attribute("count")}
                       .join(' ');
    }
    return all;
}

RecentUse use(const QString& file) {
    return {file, QStringLiteral("application/x-vistavel-project"), QStringLiteral("VV1_2002"),
            QDateTime(QDate(2026, 12, 10), QTime(13, 0), Qt::UTC)};
}

} // namespace

class RecentlyUsedTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aUseIsAddedBesideOtherPrograms() {
        QTemporaryDir home;
        const QString list = home.filePath("share/recently-used.xbel");
        QVERIFY(addRecentUse(list, use("/home/ann/Trip 1.vv1")));
        QCOMPARE(uses(list), QStringList({"file:///home/ann/Trip%201.vv1 "
                                          "application/x-vistavel-project VV1_2002 "
                                          "'VV1_2002 %u' 1"}));
        const QDomElement root = read(list).documentElement();
        QCOMPARE(root.attribute("xmlns:bookmark"),
                 "http://www.freedesktop.org/standards/desktop-bookmarks");
        QCOMPARE(root.firstChildElement("bookmark").attribute("visited"),
                 "2026-12-10T13:00:00.000Z");

        // What GTK's file chooser leaves after a picture was opened in another program.
        QVERIFY(QFile::remove(list));
        QVERIFY(QFile::copy(TEST_DATA_DIR "/recentlyused/gtk.xbel", list));
        QVERIFY(QFile::setPermissions(list, QFile::ReadOwner | QFile::WriteOwner));
        QFile gtk(list);
        QVERIFY(addRecentUse(list, use("/home/ann/Trip.vv1")));
        QVERIFY(addRecentUse(list, use("/home/ann/Trip.vv1")));
        QCOMPARE(uses(list),
                 QStringList({"file:///home/ann/Pictures/Beach.png image/png Image Viewer "
                              "'eog %u' 3",
                              "file:///home/ann/Trip.vv1 application/x-vistavel-project "
                              "VV1_2002 'VV1_2002 %u' 2"}));
        QVERIFY(gtk.open(QIODevice::ReadOnly));
        const QByteArray bytes = gtk.readAll();
        QVERIFY(bytes.startsWith("<?xml version="));
        QCOMPARE(bytes.count("<?xml"), 1);
    }

    void aFileThatIsNotTheListIsLeftAlone() {
        QTemporaryDir home;
        const QString list = home.filePath("recently-used.xbel");
        QFile other(list);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("<html><body>not a list");
        other.close();
        QVERIFY(!addRecentUse(list, use("/home/ann/Trip.vv1")));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("<html><body>not a list"));
    }

    // Two editors saving at once: neither loses the other's entries.
    void writersAtOnceLoseNothing() {
        QTemporaryDir home;
        const QString list = home.filePath("recently-used.xbel");
        const auto writer = [&list](const QString& folder) {
            for (int i = 0; i < 15; ++i)
                QVERIFY(addRecentUse(list, use(folder + QString::number(i) + ".vv1")));
        };
        std::thread first(writer, QStringLiteral("/a/"));
        std::thread second(writer, QStringLiteral("/b/"));
        first.join();
        second.join();
        QCOMPARE(uses(list).size(), 30);
    }
};

VV_TEST_MAIN(RecentlyUsedTest)
#include "tst_recentlyused.moc"
