#include "sentences/resources/helptopics.h"

#include <QCoreApplication>

namespace sentences {

QList<HelpTopic> helpTopics() {
    return {
        {QCoreApplication::translate("sentences::HelpTopics", "About"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Tellwick creates sentences based on word lists. Pull down any Definition "
             "Group, then select the sentence as it appears in the Sentence Preview to "
             "Output. Tip: Select blanks to move words into new sentence positions.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Load TwK"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Load new Definitions which fill up the Lists with words.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Save TwK"),
         QCoreApplication::translate("sentences::HelpTopics", "Save the current Definitions.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Save Txt"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Save the Output as a common text file.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Edit"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Open the Edit window for Definitions.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Reset"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Reset all word Lists to their original starting position.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Random Sentence"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "A single sentence is created without spelling or grammar checks in "
             "Sentence Preview and Output. Set Active checkboxes for Item inclusion.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Random Paragraph"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Three sentences are created without spelling or grammar checks in "
             "Sentence Preview and Output. Set Active checkboxes for Item inclusion.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Base"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Base : A Protagonist, or Action or Object or Summary. Base means a static "
             "entity. However this may be changed by editing your own Definitions.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Modify"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Modify : A Protagonist, or Action or Object. Modify means an event added "
             "to a Base. Whilst there is flexibility in the interpretation, an "
             "inflexible join exists between Action_Base and Action_Modify (ie, the "
             "words always run together).")},
        {QCoreApplication::translate("sentences::HelpTopics", "Protagonist"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "A Protagonist is the chief entity in a context, such as a story (ie, a "
             "drama).")},
        {QCoreApplication::translate("sentences::HelpTopics", "Action"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "An Action is an event made upon or by or concerning a Protagonist.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Object"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "An Object is a thing that is self contained and has a describable "
             "shape.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Summary"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "You may like to use adjectives for this Definition Group.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Active"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Whether a Base and Modify Type is shown in the List.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Additive"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Ticked : Items add and accumulate. Unticked : Items clear every time.")},
        {QCoreApplication::translate("sentences::HelpTopics", "New Item"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "In Definitions, a New item is available to any Definition List which is "
             "less than 100 words.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Swap Item"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "In Definitions, you may Swap any Item that is a) currently selected and "
             "b) has a word to be exchanged with.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Remove Item"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "In Definitions, an Item may be removed from a Definition List if it is "
             "selected.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Clear (List)"),
         QCoreApplication::translate("sentences::HelpTopics",
                                     "Clear everything in the current Definition List.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Clear (Output)"),
         QCoreApplication::translate("sentences::HelpTopics", "Clear everything in the Output.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Load Defaults"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "In Definitions, all Items in every Type are replaced with default "
             "words.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Type"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "Type : Words, such as those contained in Protagonist_Modify, Action_Base, "
             "etc. Definitions are words of a specific Type. They are formed into "
             "Definition Groups.")},
        {QCoreApplication::translate("sentences::HelpTopics", "Limitations"),
         QCoreApplication::translate(
             "sentences::HelpTopics",
             "100 Definitions in any Definition Group. 16 Characters for any single "
             "word. No spell checks are used. No grammar checks are used.")},
    };
}

} // namespace sentences
