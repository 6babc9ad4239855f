<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PictureReading</name>
    <message>
        <source>There is no picture to take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HEIF picture cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HEIF picture holds no pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 million I can read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::DefinitionLists</name>
    <message>
        <source>Protagonist Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::HelpTopics</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tellwick creates sentences based on word lists. Pull down any Definition Group, then select the sentence as it appears in the Sentence Preview to Output. Tip: Select blanks to move words into new sentence positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load TwK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load new Definitions which fill up the Lists with words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save TwK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current Definitions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Output as a common text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Edit window for Definitions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all word Lists to their original starting position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A single sentence is created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three sentences are created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base : A Protagonist, or Action or Object or Summary. Base means a static entity. However this may be changed by editing your own Definitions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify : A Protagonist, or Action or Object. Modify means an event added to a Base. Whilst there is flexibility in the interpretation, an inflexible join exists between Action_Base and Action_Modify (ie, the words always run together).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Protagonist is the chief entity in a context, such as a story (ie, a drama).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Action is an event made upon or by or concerning a Protagonist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Object is a thing that is self contained and has a describable shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may like to use adjectives for this Definition Group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether a Base and Modify Type is shown in the List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked : Items add and accumulate. Unticked : Items clear every time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Definitions, a New item is available to any Definition List which is less than 100 words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Definitions, you may Swap any Item that is a) currently selected and b) has a word to be exchanged with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Definitions, an Item may be removed from a Definition List if it is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear (List)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear everything in the current Definition List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear (Output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear everything in the Output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Definitions, all Items in every Type are replaced with default words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type : Words, such as those contained in Protagonist_Modify, Action_Base, etc. Definitions are words of a specific Type. They are formed into Definition Groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Definitions in any Definition Group. 16 Characters for any single word. No spell checks are used. No grammar checks are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the Quorvane team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tellwick : VV3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::frmEdit</name>
    <message>
        <source>Edit : Definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of words to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the word to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the word in place of the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swap Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::frmHelp</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentences::frmMain</name>
    <message>
        <source>Save as text ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output (*.Txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definitions (*.TwK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tellwick : VV3 - [Quorvane]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protagonist Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses this row&apos;s words in the sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence Preview :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps what the Sentence Preview holds and adds to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps what the Output holds and adds to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the Sentence Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random &amp;Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random &amp;Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About TwK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loading other definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Definitions ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TwK : Save Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not save %1; any earlier file of that name is unchanged.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Definitions ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Output and the word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TwK : Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 before %2?
If you do not save, they are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
