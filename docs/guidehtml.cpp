// Turns the user guide from Markdown into the HTML page that Help > User Guide
// opens in a browser: guidehtml GUIDE.md GUIDE.html
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: guidehtml GUIDE.md GUIDE.html\n", stderr);
        return 2;
    }
    // Text layout needs a GUI application, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile in(QFile::decodeName(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    QTextDocument guide;
    guide.setMarkdown(QString::fromUtf8(in.readAll()));
    QString html = guide.toHtml();
    html.replace(QStringLiteral("<head>"),
                 QStringLiteral("<head><title>Vistavel user guide</title>"));
    QSaveFile out(QFile::decodeName(argv[2]));
    return out.open(QIODevice::WriteOnly) && out.write(html.toUtf8()) >= 0 && out.commit() ? 0 : 1;
}
