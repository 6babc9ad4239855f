#include "editor/ui/frmabout.h"

#include "editor/model/stage/boarddrawing.h"
#include "platform/fittofont.h"
#include "platform/numbers.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace editor {
frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setModal(true);
    setFixedSize(platform::twipsToPixels(3825), platform::twipsToPixels(2250));

    // The program's picture: its own blank pane, a grey-and-white checkerboard.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(loadBlankPattern()));
    Image1->setGeometry(platform::twipsRect(1672, 240, 480, 480));

    const std::array<QString, 2> texts = {tr("Vistavel 1 : 2002 Edition"),
                                          tr("Pictures and words, board by board.")};
    const std::array<QRect, 2> places = {platform::twipsRect(967, 1054, 1890, 225),
                                         platform::twipsRect(757, 1309, 2310, 270)};
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(texts[i], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setAlignment(Qt::AlignCenter);
        // Wide enough for the text in any font; centred on the place it was given.
        const QRect place = places[i];
        Label1[i]->setGeometry(0, place.top(), width(), place.height());
    }

    Command1 = new QPushButton(tr("Okay"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(platform::twipsRect(1402, 1639, 1020, 480));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    platform::growToFitFont(*this);
}

} // namespace editor
