#include "sentences/ui/frmabout.h"

#include "platform/fittofont.h"
#include "platform/numbers.h"
#include "sentences/ui/formgeometry.h"
#include "sentences/ui/programpicture.h"

#include <QLabel>
#include <QPushButton>

namespace sentences {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setModal(true);
    setFixedSize(platform::twipsRect(0, 0, 3825, 2250).size());

    const std::array<QString, 3> texts = {tr("Made by Quorvane"), tr("By the Quorvane team"),
                                          tr("Tellwick : VV3")};
    const std::array<QRect, 3> places = {platform::twipsRect(967, 1058, 1890, 225),
                                         platform::twipsRect(757, 1313, 2310, 270),
                                         platform::twipsRect(915, 135, 1995, 330)};
    for (int index = 0; index < 3; ++index) {
        Label1[index] = new QLabel(texts[index], this);
        Label1[index]->setObjectName(QStringLiteral("Label1_%1").arg(index));
        Label1[index]->setAlignment(Qt::AlignCenter);
        Label1[index]->setGeometry(places[index]);
    }
    QFont title = Label1[2]->font();
    title.setBold(true);
    Label1[2]->setFont(title);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(programPicture());
    Image1->setGeometry(platform::twipsRect(1672, 540, 480, 480));

    Command1 = new QPushButton(tr("Okay"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(platform::twipsRect(1402, 1643, 1020, 480));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    platform::growToFitFont(*this);
}

} // namespace sentences
