#include "sentences/resources/helptopics.h"

namespace sentences {

QList<HelpTopic> helpTopics() {
    return {
        {QStringLiteral("About"),
         QStringLiteral("Tellwick creates sentences based on word lists. Pull down any Definition "
                        "Group, then select the sentence as it appears in the Sentence Preview to "
                        "Output. Tip: Select blanks to move words into new sentence positions.")},
        {QStringLiteral("Load TwK"),
         QStringLiteral("Load new Definitions which fill up the Lists with words.")},
        {QStringLiteral("Save TwK"), QStringLiteral("Save the current Definitions.")},
        {QStringLiteral("Save Txt"), QStringLiteral("Save the Output as a common text file.")},
        {QStringLiteral("Edit"), QStringLiteral("Open the Edit window for Definitions.")},
        {QStringLiteral("Reset"),
         QStringLiteral("Reset all word Lists to their original starting position.")},
        {QStringLiteral("Random Sentence"),
         QStringLiteral("A single sentence is created without spelling or grammar checks in "
                        "Sentence Preview and Output. Set Active checkboxes for Item inclusion.")},
        {QStringLiteral("Random Paragraph"),
         QStringLiteral("Three sentences are created without spelling or grammar checks in "
                        "Sentence Preview and Output. Set Active checkboxes for Item inclusion.")},
        {QStringLiteral("Base"),
         QStringLiteral("Base : A Protagonist, or Action or Object or Summary. Base means a static "
                        "entity. However this may be changed by editing your own Definitions.")},
        {QStringLiteral("Modify"),
         QStringLiteral("Modify : A Protagonist, or Action or Object. Modify means an event added "
                        "to a Base. Whilst there is flexibility in the interpretation, an "
                        "inflexible join exists between Action_Base and Action_Modify (ie, the "
                        "words always run together).")},
        {QStringLiteral("Protagonist"),
         QStringLiteral("A Protagonist is the chief entity in a context, such as a story (ie, a "
                        "drama).")},
        {QStringLiteral("Action"),
         QStringLiteral("An Action is an event made upon or by or concerning a Protagonist.")},
        {QStringLiteral("Object"),
         QStringLiteral("An Object is a thing that is self contained and has a describable "
                        "shape.")},
        {QStringLiteral("Summary"),
         QStringLiteral("You may like to use adjectives for this Definition Group.")},
        {QStringLiteral("Active"),
         QStringLiteral("Whether a Base and Modify Type is shown in the List.")},
        {QStringLiteral("Additive"),
         QStringLiteral("Ticked : Items add and accumulate. Unticked : Items clear every time.")},
        {QStringLiteral("New Item"),
         QStringLiteral("In Definitions, a New item is available to any Definition List which is "
                        "less than 100 words.")},
        {QStringLiteral("Swap Item"),
         QStringLiteral("In Definitions, you may Swap any Item that is a) currently selected and "
                        "b) has a word to be exchanged with.")},
        {QStringLiteral("Remove Item"),
         QStringLiteral("In Definitions, an Item may be removed from a Definition List if it is "
                        "selected.")},
        {QStringLiteral("Clear (List)"),
         QStringLiteral("Clear everything in the current Definition List.")},
        {QStringLiteral("Clear (Output)"), QStringLiteral("Clear everything in the Output.")},
        {QStringLiteral("Load Defaults"),
         QStringLiteral("In Definitions, all Items in every Type are replaced with default "
                        "words.")},
        {QStringLiteral("Type"),
         QStringLiteral("Type : Words, such as those contained in Protagonist_Modify, Action_Base, "
                        "etc. Definitions are words of a specific Type. They are formed into "
                        "Definition Groups.")},
        {QStringLiteral("Limitations"),
         QStringLiteral("100 Definitions in any Definition Group. 16 Characters for any single "
                        "word. No spell checks are used. No grammar checks are used.")},
    };
}

} // namespace sentences
