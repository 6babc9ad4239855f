#include "editor/ui/frmcloseup.h"

#include "editor/model/project/paneimage.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"

#include <QPushButton>

#include <algorithm>

namespace editor {

CloseUpLayout closeUpLayout(int stageHeight, QSize buttonSize) {
    const int side = std::max(1, stageHeight - 100);
    const QRect picture(platform::roundHalfEven((stageHeight - side) / 2.0), 10, side, side);
    const QRect button(platform::roundHalfEven((stageHeight - buttonSize.width()) / 2.0),
                       picture.height() + picture.top() + 20, buttonSize.width(),
                       buttonSize.height());
    return {QSize(stageHeight, stageHeight), picture, button};
}

frmCloseUp::frmCloseUp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCloseUp"));
    setWindowTitle(tr("CloseUp : "));
    setModal(true);
    using platform::twipsToPixels;
    resize(twipsToPixels(6630), twipsToPixels(6210));

    Picture1 = new platform::PictureWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(twipsToPixels(240), twipsToPixels(240));
    Picture1->setSurfaceSize(QSize(twipsToPixels(6090), twipsToPixels(5220)));
    Picture1->setAccessibleName(tr("Picture"));

    Command1 = new QPushButton(tr("Okay"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsToPixels(2805), twipsToPixels(5595), twipsToPixels(1020),
                          twipsToPixels(480));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

bool frmCloseUp::ShowCloseUp(int stageHeight, const QString& pictureName,
                             const QString& pictureFile, bool flipH, bool flipV, QString* error) {
    const CloseUpLayout layout = closeUpLayout(stageHeight, Command1->size());
    // At the screen's device pixels, so a scaled screen shows the picture sharp;
    // a large photograph decodes straight at about that size.
    const qreal ratio = Picture1->devicePixelRatioF();
    const int side = platform::devicePixels(layout.picture.width(), ratio);
    const QImage source = platform::readPicture(pictureFile, error, QSize(side + 1, side + 1));
    if (source.isNull())
        return false;
    resize(layout.window);
    Picture1->move(layout.picture.topLeft());
    Picture1->setSurfaceSize(layout.picture.size());
    Command1->setGeometry(layout.button);
    setWindowTitle(tr("CloseUp : ") + pictureName);
    QImage shown = renderPaneImage(source, side, flipH, flipV);
    shown.setDevicePixelRatio(ratio);
    Picture1->surface().setPicture(shown);
    Picture1->update();
    exec();
    return true;
}

} // namespace editor
