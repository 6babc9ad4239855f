#pragma once

#include <QList>
#include <QString>

namespace sentences {

struct HelpTopic {
    QString name;
    QString text;
};

// The 24 topics of the help window, in the order its chooser lists them.
QList<HelpTopic> helpTopics();

} // namespace sentences
