#include "dragdriver.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

using namespace editor;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Upright, the picture is blue on its left half and red on its right.
QImage halves(QImage::Format format = QImage::Format_RGB32) {
    QImage image(64, 48, format);
    image.fill(kRed);
    QPainter(&image).fillRect(0, 0, 32, 48, QColor(kBlue));
    return image;
}

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Writes the picture of `kind` as `file`; false when it cannot be made here.
bool writePicture(const QString& kind, const QString& file, const QString& scratch) {
    const QString png = scratch + QStringLiteral(".png");
    if (kind == QLatin1String("transparent")) {
        QImage image(64, 48, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(0, 0, 32, 48, QColor(kBlue));
        return image.save(file, "PNG");
    }
    if (kind == QLatin1String("16 bit"))
        return halves(QImage::Format_RGBA64).save(file, "PNG");
    if (kind == QLatin1String("palette"))
        return halves().convertToFormat(QImage::Format_Indexed8).save(file, "PNG");
    if (kind == QLatin1String("turned")) {
        // Stored turned a quarter to the left, tagged to be turned back.
        QImageWriter writer(file, "JPEG");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        return writer.write(halves().transformed(QTransform().rotate(-90)));
    }
    if (kind == QLatin1String("GIF"))
        return halves().save(png) && run(QStringLiteral("convert"), {png, file});
    if (kind == QLatin1String("cmyk"))
        return halves().save(png) &&
               run(QStringLiteral("convert"),
                   {png, QStringLiteral("-colorspace"), QStringLiteral("CMYK"), file});
    if (kind == QLatin1String("heic") || kind == QLatin1String("avif") ||
        kind == QLatin1String("avif 10 bit")) {
        const bool deep = kind == QLatin1String("avif 10 bit");
        if (!halves(deep ? QImage::Format_RGBX64 : QImage::Format_RGB32).save(png))
            return false;
        QStringList arguments{QStringLiteral("-q"), QStringLiteral("95")};
        // The AV1 encoder wants its chroma named for so small a picture.
        if (kind != QLatin1String("heic"))
            arguments << QStringLiteral("-A") << QStringLiteral("-p")
                      << QStringLiteral("chroma=422");
        if (deep)
            arguments << QStringLiteral("-b") << QStringLiteral("10");
        return run(QStringLiteral("heif-enc"), arguments << png << QStringLiteral("-o") << file);
    }
    return halves().save(file, kind.toLatin1().constData());
}

} // namespace

class PictureFormatsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QString folderFile(const QString& name) {
        return QDir(m_platform->programFolder()).filePath(name);
    }
    QRgb panePixel(int pane, double across) {
        const int size = m_window->paneSize();
        const QPoint at = project().Panes[pane].StagePos + QPoint(int(size * across), size / 2);
        return m_window->stageSurface().image().pixel(at);
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void everyFormatLoadsByEveryRoute_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QRgb>("right");
        const struct {
            const char* kind;
            const char* extension;
            QRgb right;
        } formats[] = {
            {"BMP", "bmp", kRed},    {"GIF", "gif", kRed},          {"JPEG", "jpg", kRed},
            {"JPEG", "JPEG", kRed},  {"JPEG", "jpe", kRed},         {"turned", "jpg", kRed},
            {"cmyk", "jpg", kRed},   {"PNG", "png", kRed},          {"transparent", "png", kWhite},
            {"16 bit", "png", kRed}, {"palette", "png", kRed},      {"WEBP", "webp", kRed},
            {"TIFF", "tif", kRed},   {"TIFF", "tiff", kRed},        {"heic", "HEIC", kRed},
            {"avif", "avif", kRed},  {"avif 10 bit", "avif", kRed},
        };
        for (const char* route : {"Picture", "Mass Image Import", "drop"})
            for (const auto& format : formats)
                QTest::addRow("%s .%s by %s", format.kind, format.extension, route)
                    << QString::fromLatin1(format.kind) << QString::fromLatin1(format.extension)
                    << QString::fromLatin1(route) << format.right;
    }
    void everyFormatLoadsByEveryRoute() {
        QFETCH(QString, kind);
        QFETCH(QString, extension);
        QFETCH(QString, route);
        QFETCH(QRgb, right);
        const QString file = folderFile(QStringLiteral("Shot01.") + extension);
        QVERIFY2(writePicture(kind, file, folderFile(QStringLiteral("scratch"))), qPrintable(kind));

        if (route == QLatin1String("Picture")) {
            m_platform->answerOpen(file);
            trigger("mnu_LoadPicture");
        } else if (route == QLatin1String("Mass Image Import")) {
            m_platform->answerOpen(file);
            m_platform->expectMessage(QStringLiteral("Vistavel : Import"));
            trigger("mnu_MassImage");
            QCOMPARE(m_platform->messages().constLast().text,
                     QStringLiteral("I found only 1 compatible image."));
        } else {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            auto* stage = child<QWidget>("picStage");
            const int size = m_window->paneSize();
            const QPoint centre = project().Panes[1].StagePos + QPoint(size / 2, size / 2);
            const auto drag = testsupport::fileDrag({file});
            QVERIFY(testsupport::dragAndDrop(m_window.get(), stage->mapTo(m_window.get(), centre),
                                             drag.get()));
            QTRY_COMPARE(project().Panes[1].SourcePicture, file);
        }
        QCOMPARE(project().Panes[1].SourcePicture, file);
        // Lossy formats come near the colours, not to them.
        const auto near = [](QRgb seen, QRgb expected) {
            return qAbs(qRed(seen) - qRed(expected)) < 48 &&
                   qAbs(qGreen(seen) - qGreen(expected)) < 48 &&
                   qAbs(qBlue(seen) - qBlue(expected)) < 48;
        };
        const QRgb left = panePixel(1, 0.2);
        const QRgb seenRight = panePixel(1, 0.8);
        QVERIFY2(near(left, kBlue), qPrintable(QString::number(left, 16)));
        QVERIFY2(near(seenRight, right), qPrintable(QString::number(seenRight, 16)));
    }
};

VV_TEST_MAIN(PictureFormatsTest)
#include "tst_pictureformats.moc"
