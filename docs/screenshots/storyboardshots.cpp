// Makes the pictures of the user guide and the software-centre entry from the
// board editor itself: a short storyboard drawn here, imported as a numbered
// sequence, written and exported through the editor's own commands. Writes
// into the folder it is given: board.png (the editor with a filled board),
// paperdialog.png (the PDF dialog), story.pdf and the web pages under web/.
#include "editor/ui/frmmain.h"
#include "fakeplatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

struct Shot {
    QColor skyTop;
    QColor skyLow;
    qreal boatAt; // 0 at the harbour wall, 1 on the horizon
    qreal waves;  // 0 calm to 1 storm
    const char* label;
    const char* text;
};

const Shot kShots[] = {
    {QColor(40, 60, 120), QColor(250, 170, 110), 0.05, 0.1, "Harbour at dawn",
     "The harbour before sunrise. Mara checks the ropes of the Kestrel one last time."},
    {QColor(60, 110, 180), QColor(250, 210, 150), 0.2, 0.15, "Casting off",
     "She casts off; the lighthouse keeper waves from the wall."},
    {QColor(70, 140, 210), QColor(190, 225, 245), 0.4, 0.2, "Open water",
     "Open water. The Kestrel leans into the morning wind."},
    {QColor(80, 120, 160), QColor(170, 190, 200), 0.55, 0.35, "Clouds gather",
     "Clouds gather in the west. Mara reefs the sail."},
    {QColor(60, 70, 90), QColor(120, 130, 140), 0.65, 0.65, "The squall",
     "The squall hits: rain, spray and a torn jib."},
    {QColor(30, 35, 50), QColor(80, 85, 100), 0.7, 0.9, "Storm",
     "Night falls in the storm. Only the lighthouse shows the way."},
    {QColor(20, 30, 60), QColor(60, 80, 120), 0.5, 0.5, "Turning back",
     "She turns for home, steering by the light."},
    {QColor(60, 90, 150), QColor(240, 190, 140), 0.25, 0.2, "Calm again",
     "Morning again, the sea calm. The harbour wall comes into view."},
    {QColor(50, 100, 180), QColor(250, 220, 170), 0.08, 0.1, "Home",
     "Home. The keeper has the kettle on."},
};

QImage drawShot(const Shot& shot) {
    const QSize size(1280, 720);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int horizon = size.height() * 55 / 100;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, shot.skyTop);
    sky.setColorAt(1, shot.skyLow);
    painter.fillRect(0, 0, size.width(), horizon, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 200, 200));
    painter.drawEllipse(QPointF(size.width() * 0.8, horizon * (0.4 + shot.waves * 0.5)), 50, 50);
    QLinearGradient sea(0, horizon, 0, size.height());
    sea.setColorAt(0, shot.skyLow.darker(160));
    sea.setColorAt(1, QColor(10, 30, 50));
    painter.fillRect(0, horizon, size.width(), size.height() - horizon, sea);
    // Waves: rows of arcs that grow with the weather.
    painter.setPen(QPen(QColor(230, 240, 255, 120), 3));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 6; ++row) {
        const qreal y = horizon + 30 + row * 55;
        const qreal height = 6 + shot.waves * 30 * (row + 1) / 3;
        for (int x = -(row * 37) % 120; x < size.width(); x += 120)
            painter.drawArc(QRectF(x, y, 120, height), 0, 180 * 16);
    }
    // The lighthouse on its wall, at the left.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 55, 50));
    painter.drawRect(0, horizon - 20, 220, 60);
    painter.setBrush(QColor(235, 235, 225));
    painter.drawRect(90, horizon - 230, 50, 210);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawEllipse(QPointF(115, horizon - 245), 22, 22);
    // The boat: smaller as it sails out, tilted by the waves.
    const qreal scale = 1.0 - shot.boatAt * 0.75;
    const QPointF at(260 + shot.boatAt * 800, horizon + 40 * scale);
    painter.translate(at);
    painter.rotate(shot.waves * 12);
    painter.scale(scale, scale);
    QPainterPath hull;
    hull.moveTo(-120, 0);
    hull.lineTo(120, 0);
    hull.lineTo(80, 50);
    hull.lineTo(-90, 50);
    hull.closeSubpath();
    painter.setBrush(QColor(150, 40, 30));
    painter.drawPath(hull);
    painter.setBrush(QColor(245, 240, 225));
    QPainterPath sail;
    sail.moveTo(0, -10);
    sail.lineTo(0, -230);
    sail.lineTo(100, -10);
    sail.closeSubpath();
    painter.drawPath(sail);
    return image;
}

// Runs `command` and works the modal dialog it opens with `steps`, once it shows.
void withDialog(editor::frmMain& window, const char* command,
                const std::function<void(QDialog*)>& steps) {
    QTimer::singleShot(200, &window, [steps] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            steps(dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    window.findChild<QAction*>(QLatin1String(command))->trigger();
}

void press(QDialog* dialog, const char* button) {
    dialog->findChild<QAbstractButton*>(QLatin1String(button))->click();
}

bool saved(const QImage& image, const QString& file) {
    if (image.save(file))
        return true;
    std::fprintf(stderr, "storyboard_screenshots: could not write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: storyboard_screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.filePath(QStringLiteral("pictures")));
    QDir().mkpath(out.filePath(QStringLiteral("web")));
    int number = 1;
    for (const Shot& shot : kShots)
        if (!saved(drawShot(shot), out.filePath(QStringLiteral("pictures/Shot%1.png")
                                                    .arg(number++, 2, 10, QLatin1Char('0')))))
            return 1;

    testsupport::FakePlatform desktop;
    editor::frmMain window(desktop);
    if (!window.startedUp())
        return 1;
    window.show();
    editor::ProjectRecord& project = window.project();
    project.GridSize = 3;
    project.BoardCount = 1;
    project.BoardTitle = QStringLiteral("The Kestrel");
    project.FooterText = QStringLiteral("Storyboard, first draft");
    window.RebuildLists();
    window.RefreshBoard();

    desktop.answerOpen(out.filePath(QStringLiteral("pictures/Shot01.png")));
    desktop.expectMessage(QStringLiteral("Vistavel : Import"));
    window.findChild<QAction*>(QStringLiteral("mnu_MassImage"))->trigger();
    number = 1;
    for (const Shot& shot : kShots) {
        project.Panes[number].Label = QString::fromUtf8(shot.label);
        project.Panes[number++].Text = QString::fromUtf8(shot.text);
    }
    window.RebuildLists();
    window.RefreshBoard();
    // A press on pane 5's entry, as a user's, shows its text in the box.
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    QApplication::processEvents();
    if (!saved(window.grab().toImage(), out.filePath(QStringLiteral("board.png"))))
        return 1;

    bool paperShown = false;
    withDialog(window, "mnu_ExportPDF", [&](QDialog* dialog) {
        paperShown =
            saved(dialog->grab().toImage(), out.filePath(QStringLiteral("paperdialog.png")));
        desktop.answerSave(out.filePath(QStringLiteral("story.pdf")));
        dialog->accept();
    });
    withDialog(window, "mnu_ExportHTML", [&](QDialog* dialog) {
        desktop.answerSave(out.filePath(QStringLiteral("web/story.htm")));
        press(dialog, "Command1");
        press(dialog, "Button_acceptOrclose_1");
    });
    for (const QString& problem : desktop.problems())
        std::fprintf(stderr, "storyboard_screenshots: %s\n", qPrintable(problem));
    const bool written = paperShown && QFile::exists(out.filePath(QStringLiteral("story.pdf"))) &&
                         QFile::exists(out.filePath(QStringLiteral("web/story_001.htm")));
    return written && desktop.problems().isEmpty() ? 0 : 1;
}
