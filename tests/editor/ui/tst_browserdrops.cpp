#include "dragdriver.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace editor;
using namespace std::chrono_literals;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

// Blue on the left, red on the right.
QImage halves() {
    QImage image(QSize(80, 60), QImage::Format_RGB32);
    image.fill(kRed);
    QPainter(&image).fillRect(0, 0, 40, 60, QColor(kBlue));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray httpAnswer(const QByteArray& status, const QByteArray& type, const QByteArray& body,
                      const QByteArray& extraHeaders = {}) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders +
           "Connection: close\r\n\r\n" + body;
}

// A web server on 127.0.0.1 for one test: each path gets its answer whole,
// only its first `stallAfter` bytes (the connection then stays open, silent),
// or its headers and then its body a byte at a time every 50 ms.
class TinyWebServer : public QObject {
public:
    enum class Pace { Whole, Stall, Drip };

    TinyWebServer() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }
    void serve(const QByteArray& path, const QByteArray& answer, Pace pace = Pace::Whole,
               int stallAfter = 0) {
        m_answers[path] = {answer, pace, stallAfter};
    }
    QUrl url(const QByteArray& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                        .arg(m_server.serverPort())
                        .arg(QString::fromLatin1(path)));
    }
    const QList<QByteArray>& requested() const { return m_requested; }

private:
    struct Answer {
        QByteArray bytes;
        Pace pace = Pace::Whole;
        int stallAfter = 0;
    };

    void answer(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        m_requested << path;
        const Answer answer =
            m_answers.value(path, {httpAnswer("404 Not Found", "text/plain", "gone")});
        switch (answer.pace) {
        case Pace::Whole:
            socket->write(answer.bytes);
            socket->disconnectFromHost();
            break;
        case Pace::Stall:
            socket->write(answer.bytes.left(answer.stallAfter));
            break;
        case Pace::Drip: {
            const qsizetype body = answer.bytes.indexOf("\r\n\r\n") + 4;
            socket->write(answer.bytes.left(body));
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket,
                    [socket, bytes = answer.bytes, sent = body]() mutable {
                        if (sent < bytes.size())
                            socket->write(bytes.mid(sent++, 1));
                    });
            drip->start(50);
            break;
        }
        }
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QByteArray> m_requested;
};

} // namespace

class BrowserDropsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QString folderFile(const QString& name) {
        return QDir(m_platform->programFolder()).filePath(name);
    }
    QPoint paneCentre(int pane) {
        const int size = m_window->paneSize();
        return child<QWidget>("picStage")
            ->mapTo(m_window.get(), project().Panes[pane].StagePos + QPoint(size / 2, size / 2));
    }
    QRgb side(int pane, bool left) {
        const int size = m_window->paneSize();
        const QPoint at =
            project().Panes[pane].StagePos + QPoint(left ? size / 5 : size - size / 5, size / 2);
        return m_window->stageSurface().image().pixel(at);
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        platform::DownloadLimits limits;
        limits.maxBytes = 1024 * 1024;
        limits.total = 1500ms;
        limits.stall = 400ms;
        m_platform->setPictureDownloadLimits(limits);
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void dropsFromAWebBrowser_data() {
        QTest::addColumn<QString>("drag");   // what the drag carries
        QTest::addColumn<QString>("served"); // what the server answers for /picture
        QTest::addColumn<bool>("taken");     // the drop is taken at all
        QTest::addColumn<QString>("name");   // pane 1's picture after; "none" unchanged
        QTest::addColumn<QString>("reason"); // in the message, which names the address
        QTest::addColumn<int>("requests");   // the server's requests

        QTest::newRow("PNG data") << "png"
                                  << "" << true << "Pasted1"
                                  << "" << 0;
        QTest::newRow("Qt's pixels") << "pixels"
                                     << "" << true << "Pasted1"
                                     << "" << 0;
        QTest::newRow("picture data beside its address") << "png+address"
                                                         << "picture" << true << "Pasted1"
                                                         << "" << 0;
        QTest::newRow("a local file") << "file"
                                      << "" << true << "Local"
                                      << "" << 0;
        QTest::newRow("a served picture") << "address"
                                          << "picture" << true << "Pasted1"
                                          << "" << 1;
        QTest::newRow("a linked picture: the HTML's source") << "link"
                                                             << "picture" << true << "Pasted1"
                                                             << "" << 1;
        QTest::newRow("a redirect to the picture") << "address"
                                                   << "redirect" << true << "Pasted1"
                                                   << "" << 2;
        QTest::newRow("a redirect to another scheme") << "address"
                                                      << "redirect to ftp" << true << "none"
                                                      << "ftp://127.0.0.1/x.png" << 1;
        QTest::newRow("a server that stalls") << "address"
                                              << "stall" << true << "none"
                                              << "sent nothing for 0.4 seconds" << 1;
        QTest::newRow("a server that drips") << "address"
                                             << "drip" << true << "none"
                                             << "longer than 1.5 seconds" << 1;
        QTest::newRow("no picture but a page") << "address"
                                               << "page" << true << "none"
                                               << "not a picture" << 1;
        QTest::newRow("not found") << "address"
                                   << "" << true << "none"
                                   << "Not Found" << 1;
        QTest::newRow("too large") << "address"
                                   << "too large" << true << "none"
                                   << "larger than 1 MB" << 1;
        QTest::newRow("a picture that does not decode") << "address"
                                                        << "broken" << true << "none"
                                                        << "" << 1;
        QTest::newRow("an ftp address") << "ftp"
                                        << "" << false << "none"
                                        << "" << 0;
        QTest::newRow("cancelled") << "address"
                                   << "stall long" << true << "none"
                                   << "" << 1;
    }
    void dropsFromAWebBrowser() {
        QFETCH(QString, drag);
        QFETCH(QString, served);
        QFETCH(bool, taken);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QFETCH(int, requests);

        TinyWebServer server;
        const QByteArray png = encoded(halves(), "PNG");
        const QByteArray pngType = "image/png";
        if (served == QLatin1String("picture") || served == QLatin1String("redirect"))
            server.serve("/picture", httpAnswer("200 OK", pngType, png));
        if (served == QLatin1String("redirect"))
            server.serve("/moved",
                         httpAnswer("302 Found", "text/plain", "",
                                    "Location: " + server.url("/picture").toEncoded() + "\r\n"));
        if (served == QLatin1String("redirect to ftp"))
            server.serve("/picture", httpAnswer("302 Found", "text/plain", "",
                                                "Location: ftp://127.0.0.1/x.png\r\n"));
        if (served.startsWith(QLatin1String("stall")))
            server.serve("/picture", httpAnswer("200 OK", pngType, png), TinyWebServer::Pace::Stall,
                         200);
        if (served == QLatin1String("drip"))
            server.serve("/picture", httpAnswer("200 OK", pngType, png), TinyWebServer::Pace::Drip);
        if (served == QLatin1String("page"))
            server.serve("/picture",
                         httpAnswer("200 OK", "text/html",
                                    "<!DOCTYPE html><html><body>Sign in to see it</body></html>"));
        if (served == QLatin1String("too large"))
            server.serve(
                "/picture",
                "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: 2000000\r\n\r\n" +
                    png,
                TinyWebServer::Pace::Stall, 10000);
        if (served == QLatin1String("broken"))
            server.serve("/picture", httpAnswer("200 OK", pngType, png.left(60)));
        const QUrl address =
            server.url(served == QLatin1String("redirect") ? "/moved" : "/picture");

        QMimeData data;
        if (drag.startsWith(QLatin1String("png")))
            data.setData(QStringLiteral("image/png"), png);
        if (drag == QLatin1String("pixels"))
            data.setImageData(halves());
        if (drag == QLatin1String("address") || drag == QLatin1String("png+address"))
            data.setUrls({address});
        if (drag == QLatin1String("link")) {
            // A browser names the link; the page behind it is no picture.
            data.setUrls({server.url("/page.html")});
            data.setHtml(QStringLiteral("<a href=\"/page.html\"><img alt=\"x\" src=\"%1\"></a>")
                             .arg(address.toString()));
        }
        if (drag == QLatin1String("file")) {
            const QString file = folderFile(QStringLiteral("Local.png"));
            QVERIFY(halves().save(file));
            data.setUrls({QUrl::fromLocalFile(file)});
            data.setHtml(QStringLiteral("<img src=\"%1\">").arg(address.toString()));
        }
        if (drag == QLatin1String("ftp"))
            data.setUrls({QUrl(QStringLiteral("ftp://127.0.0.1/picture.png"))});

        bool cancelled = false;
        if (served == QLatin1String("stall long")) {
            platform::DownloadLimits patient = m_platform->pictureDownloadLimits();
            patient.stall = 60s;
            patient.total = 60s;
            m_platform->setPictureDownloadLimits(patient);
            // Once the progress shows, which is after half a second.
            QTimer::singleShot(800, this, [this, &cancelled] {
                auto* progress = m_window->findChild<QProgressDialog*>("DownloadProgress");
                QVERIFY(progress && progress->isVisible());
                QVERIFY(progress->isModal());
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
                cancelled = true;
            });
        }
        const bool fails = taken && name == QLatin1String("none") && !cancelled &&
                           served != QLatin1String("stall long");
        if (fails)
            m_platform->expectMessage(QStringLiteral("Vistavel : Drop Picture"));
        const int steps = m_window->history().count();

        QCOMPARE(testsupport::dragAndDrop(m_window.get(), paneCentre(1), &data), taken);
        if (fails)
            QTRY_COMPARE(m_platform->messages().size(), 1);
        else if (served == QLatin1String("stall long"))
            QTRY_VERIFY(cancelled && !project().IsBusy);
        else if (taken)
            QTRY_COMPARE(m_window->history().count(), steps + 1);
        QCoreApplication::processEvents();

        QCOMPARE(project().Panes[1].PictureName, name);
        QCOMPARE(server.requested().size(), requests);
        if (fails) {
            const QString text = m_platform->messages().first().text;
            QVERIFY2(text.contains(address.toDisplayString()), qPrintable(text));
            QVERIFY2(text.contains(reason), qPrintable(text));
        }
        if (name == QLatin1String("none")) {
            QCOMPARE(m_window->history().count(), steps);
            QVERIFY(!project().Panes[1].hasWorkPicture());
            return;
        }
        QCOMPARE(side(1, true), kBlue);
        QCOMPARE(side(1, false), kRed);
        if (name == QLatin1String("Pasted1")) {
            QVERIFY(project().Panes[1].SourcePicture.startsWith(m_window->workFolder().path()));
            QCOMPARE(child<QAction>("mnu_Undo")->text(), QStringLiteral("Undo Drop Picture"));
            trigger("mnu_Undo");
            QVERIFY(!project().Panes[1].hasWorkPicture());
        }
    }

    void aPictureOffThePanesIsRefused() {
        QMimeData data;
        data.setData(QStringLiteral("image/png"), encoded(halves(), "PNG"));
        const QPoint sideBar = child<QWidget>("picSideBar")->mapTo(m_window.get(), QPoint(20, 300));
        QVERIFY(!testsupport::dragAndDrop(m_window.get(), sideBar, &data));
    }
};

VV_TEST_MAIN(BrowserDropsTest)
#include "tst_browserdrops.moc"
