#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace editor {

struct HelpTopic {
    QString name;
    QString text; // line breaks are CR LF
};

// The editor's fixed help topics, in the order the topic chooser compares them.
QList<HelpTopic> helpTopics();
// The topic names as the chooser lists them: alphabetical.
QStringList helpTopicNamesSorted();

} // namespace editor
