#include "sentences/ui/frmhelp.h"

#include "platform/fittofont.h"
#include "platform/numbers.h"
#include "sentences/resources/helptopics.h"
#include "sentences/ui/formgeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace sentences {

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    setModal(true);
    setFixedSize(platform::twipsRect(0, 0, 3825, 2250).size());

    Combo_HelpTopic = new QComboBox(this);
    Combo_HelpTopic->setObjectName(QStringLiteral("Combo_HelpTopic"));
    Combo_HelpTopic->setGeometry(platform::twipsRect(90, 105, 3630, 315));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(platform::twipsRect(90, 495, 3630, 1110));
    Text1->setReadOnly(true);
    Combo_HelpTopic->setAccessibleName(tr("Help topic"));
    Text1->setAccessibleName(tr("Help text"));

    Command1 = new QPushButton(tr("Okay"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(platform::twipsRect(2715, 1695, 1020, 480));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Label1 = new QLabel(QStringLiteral("www.quorvane.example"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(platform::twipsRect(90, 1710, 2520, 435));
    platform::growToFitFont(*this);

    connect(Combo_HelpTopic, &QComboBox::currentIndexChanged, this,
            &frmHelp::Combo_HelpTopic_Click);
    for (const HelpTopic& topic : helpTopics())
        Combo_HelpTopic->addItem(topic.name);
    Combo_HelpTopic->setCurrentIndex(0);
}

void frmHelp::Combo_HelpTopic_Click(int index) {
    const QString chosen = Combo_HelpTopic->itemText(index);
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.name == chosen) {
            Text1->setPlainText(topic.text);
            return;
        }
    }
}

} // namespace sentences
