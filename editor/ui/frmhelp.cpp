#include "editor/ui/frmhelp.h"

#include "editor/ui/helptopics.h"
#include "platform/fittofont.h"
#include "platform/numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace editor {
frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    setModal(true);
    setFixedSize(platform::twipsToPixels(5250), platform::twipsToPixels(5250));

    Combo_HelpTopic = new QComboBox(this);
    Combo_HelpTopic->setObjectName(QStringLiteral("Combo_HelpTopic"));
    Combo_HelpTopic->setGeometry(platform::twipsRect(105, 68, 5040, 315));
    connect(Combo_HelpTopic, &QComboBox::currentIndexChanged, this,
            &frmHelp::Combo_HelpTopic_Click);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(platform::twipsRect(105, 428, 5040, 4215));
    Text1->setReadOnly(true);
    Text1->setPlainText(tr(" info"));
    Combo_HelpTopic->setAccessibleName(tr("Help topic"));
    Text1->setAccessibleName(tr("Help text"));

    Command1 = new QPushButton(tr("Okay"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(platform::twipsRect(4125, 4703, 1020, 480));
    connect(Command1, &QPushButton::clicked, this, &QDialog::hide);

    Label1 = new QLabel(QStringLiteral("https://quorvane.example"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(platform::twipsRect(105, 4718, 3900, 435));
    platform::growToFitFont(*this);
}

void frmHelp::FillTopics() {
    Combo_HelpTopic->clear();
    Combo_HelpTopic->addItems(helpTopicNamesSorted());
    Combo_HelpTopic->setCurrentIndex(0);
}

void frmHelp::ShowTopic(const QString& name) {
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.name == name) {
            // The text box breaks lines at LF alone.
            Text1->setPlainText(
                QString(topic.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            return;
        }
    }
}

void frmHelp::Combo_HelpTopic_Click() {
    ShowTopic(Combo_HelpTopic->currentText());
}

} // namespace editor
