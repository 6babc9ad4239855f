<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PictureReading</name>
    <message>
        <source>There is no picture to take.</source>
        <translation>Es gibt kein Bild zu übernehmen.</translation>
    </message>
    <message>
        <source>The HEIF picture cannot be read: %1.</source>
        <translation>Das HEIF-Bild lässt sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>The HEIF picture holds no pixels.</source>
        <translation>Das HEIF-Bild enthält keine Pixel.</translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 million I can read.</source>
        <translation>Das Bild gibt %1 x %2 Pixel an, mehr als die %3 Millionen, die ich lesen kann.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>platform::PictureDownload</name>
    <message>
        <source>It took longer than %1 seconds.</source>
        <translation>Es dauerte länger als %1 Sekunden.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Der Server hat %1 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>Only web addresses (http and https) are fetched.</source>
        <translation>Es werden nur Webadressen (http und https) abgerufen.</translation>
    </message>
    <message>
        <source>The server sent it on to %1, which is no web address.</source>
        <translation>Der Server leitete es an %1 weiter, was keine Webadresse ist.</translation>
    </message>
    <message>
        <source>The server sent it on more than %1 times.</source>
        <translation>Der Server leitete es mehr als %1-mal weiter.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Es ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation>Der Server hat nichts gesendet.</translation>
    </message>
    <message>
        <source>What the server sent is not a picture.</source>
        <translation>Was der Server gesendet hat, ist kein Bild.</translation>
    </message>
</context>
<context>
    <name>sentences::DefinitionLists</name>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagonist Basis</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagonist Zusatz</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Handlung Basis</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Handlung Zusatz</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objekt Basis</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objekt Zusatz</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
</context>
<context>
    <name>sentences::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tellwick creates sentences based on word lists. Pull down any Definition Group, then select the sentence as it appears in the Sentence Preview to Output. Tip: Select blanks to move words into new sentence positions.</source>
        <translation>Tellwick bildet Sätze aus Wortlisten. Klappen Sie eine Definitionsgruppe auf und wählen Sie dann den Satz, wie er in der Satzvorschau erscheint, für die Ausgabe. Tipp: Wählen Sie Leerstellen, um Wörter an neue Stellen im Satz zu rücken.</translation>
    </message>
    <message>
        <source>Load TwK</source>
        <translation>TwK laden</translation>
    </message>
    <message>
        <source>Load new Definitions which fill up the Lists with words.</source>
        <translation>Neue Definitionen laden, die die Listen mit Wörtern füllen.</translation>
    </message>
    <message>
        <source>Save TwK</source>
        <translation>TwK speichern</translation>
    </message>
    <message>
        <source>Save the current Definitions.</source>
        <translation>Die aktuellen Definitionen speichern.</translation>
    </message>
    <message>
        <source>Save Txt</source>
        <translation>Txt speichern</translation>
    </message>
    <message>
        <source>Save the Output as a common text file.</source>
        <translation>Die Ausgabe als gewöhnliche Textdatei speichern.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Open the Edit window for Definitions.</source>
        <translation>Das Fenster zum Bearbeiten der Definitionen öffnen.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all word Lists to their original starting position.</source>
        <translation>Alle Wortlisten auf ihre ursprüngliche Anfangsstellung zurücksetzen.</translation>
    </message>
    <message>
        <source>Random Sentence</source>
        <translation>Zufälliger Satz</translation>
    </message>
    <message>
        <source>A single sentence is created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Ein einzelner Satz entsteht ohne Rechtschreib- oder Grammatikprüfung in Satzvorschau und Ausgabe. Kreuzen Sie Aktiv an, um Einträge aufzunehmen.</translation>
    </message>
    <message>
        <source>Random Paragraph</source>
        <translation>Zufälliger Absatz</translation>
    </message>
    <message>
        <source>Three sentences are created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Drei Sätze entstehen ohne Rechtschreib- oder Grammatikprüfung in Satzvorschau und Ausgabe. Kreuzen Sie Aktiv an, um Einträge aufzunehmen.</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Base : A Protagonist, or Action or Object or Summary. Base means a static entity. However this may be changed by editing your own Definitions.</source>
        <translation>Basis : Ein Protagonist, eine Handlung, ein Objekt oder eine Zusammenfassung. Basis bedeutet etwas Feststehendes. Das lässt sich jedoch ändern, indem Sie Ihre eigenen Definitionen bearbeiten.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Modify : A Protagonist, or Action or Object. Modify means an event added to a Base. Whilst there is flexibility in the interpretation, an inflexible join exists between Action_Base and Action_Modify (ie, the words always run together).</source>
        <translation>Zusatz : Ein Protagonist, eine Handlung oder ein Objekt. Zusatz bedeutet etwas, das zu einer Basis hinzukommt. Die Deutung ist frei, doch Action_Base und Action_Modify sind fest verbunden (d. h. die Wörter stehen immer zusammen).</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagonist</translation>
    </message>
    <message>
        <source>A Protagonist is the chief entity in a context, such as a story (ie, a drama).</source>
        <translation>Ein Protagonist ist die Hauptfigur in einem Zusammenhang, etwa einer Geschichte (z. B. einem Drama).</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handlung</translation>
    </message>
    <message>
        <source>An Action is an event made upon or by or concerning a Protagonist.</source>
        <translation>Eine Handlung ist ein Ereignis, das an, durch oder um einen Protagonisten geschieht.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>An Object is a thing that is self contained and has a describable shape.</source>
        <translation>Ein Objekt ist ein Ding, das für sich steht und eine beschreibbare Gestalt hat.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>You may like to use adjectives for this Definition Group.</source>
        <translation>Für diese Definitionsgruppe bieten sich Adjektive an.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Whether a Base and Modify Type is shown in the List.</source>
        <translation>Ob ein Typ Basis und Zusatz in der Liste gezeigt wird.</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Anfügen</translation>
    </message>
    <message>
        <source>Ticked : Items add and accumulate. Unticked : Items clear every time.</source>
        <translation>Angekreuzt : Einträge kommen hinzu und sammeln sich. Nicht angekreuzt : Einträge werden jedes Mal geleert.</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>In Definitions, a New item is available to any Definition List which is less than 100 words.</source>
        <translation>In Definitionen steht ein neuer Eintrag jeder Definitionsliste mit weniger als 100 Wörtern offen.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Eintrag tauschen</translation>
    </message>
    <message>
        <source>In Definitions, you may Swap any Item that is a) currently selected and b) has a word to be exchanged with.</source>
        <translation>In Definitionen können Sie jeden Eintrag tauschen, der a) gerade gewählt ist und b) ein Wort zum Austauschen hat.</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>In Definitions, an Item may be removed from a Definition List if it is selected.</source>
        <translation>In Definitionen lässt sich ein Eintrag aus einer Definitionsliste entfernen, wenn er gewählt ist.</translation>
    </message>
    <message>
        <source>Clear (List)</source>
        <translation>Leeren (Liste)</translation>
    </message>
    <message>
        <source>Clear everything in the current Definition List.</source>
        <translation>Alles in der aktuellen Definitionsliste leeren.</translation>
    </message>
    <message>
        <source>Clear (Output)</source>
        <translation>Leeren (Ausgabe)</translation>
    </message>
    <message>
        <source>Clear everything in the Output.</source>
        <translation>Alles in der Ausgabe leeren.</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Vorgaben laden</translation>
    </message>
    <message>
        <source>In Definitions, all Items in every Type are replaced with default words.</source>
        <translation>In Definitionen werden alle Einträge jedes Typs durch die vorgegebenen Wörter ersetzt.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Type : Words, such as those contained in Protagonist_Modify, Action_Base, etc. Definitions are words of a specific Type. They are formed into Definition Groups.</source>
        <translation>Typ : Wörter wie die in Protagonist_Modify, Action_Base usw. Definitionen sind Wörter eines bestimmten Typs. Sie werden zu Definitionsgruppen zusammengefasst.</translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>100 Definitions in any Definition Group. 16 Characters for any single word. No spell checks are used. No grammar checks are used.</source>
        <translation>100 Definitionen in jeder Definitionsgruppe. 16 Zeichen für jedes einzelne Wort. Es gibt keine Rechtschreibprüfung. Es gibt keine Grammatikprüfung.</translation>
    </message>
</context>
<context>
    <name>sentences::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Made by Quorvane</source>
        <translation>Gemacht von Quorvane</translation>
    </message>
    <message>
        <source>By the Quorvane team</source>
        <translation>Vom Quorvane-Team</translation>
    </message>
    <message>
        <source>Tellwick : VV3</source>
        <translation>Tellwick : VV3</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
</context>
<context>
    <name>sentences::frmEdit</name>
    <message>
        <source>Edit : Definitions</source>
        <translation>Bearbeiten : Definitionen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>The list of words to edit</source>
        <translation>Die Liste der Wörter zum Bearbeiten</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>tauschen</translation>
    </message>
    <message>
        <source>Adds the word to the list</source>
        <translation>Fügt das Wort der Liste hinzu</translation>
    </message>
    <message>
        <source>Puts the word in place of the selected one</source>
        <translation>Setzt das Wort an die Stelle des gewählten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>&amp;Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;Swap Item</source>
        <translation>Eintrag &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation>Eintrag &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>&amp;Vorgaben laden</translation>
    </message>
</context>
<context>
    <name>sentences::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
</context>
<context>
    <name>sentences::frmMain</name>
    <message>
        <source>Save as text ...</source>
        <translation>Als Text speichern ...</translation>
    </message>
    <message>
        <source>Output (*.Txt)</source>
        <translation>Ausgabe (*.Txt)</translation>
    </message>
    <message>
        <source>Definitions (*.TwK)</source>
        <translation>Definitionen (*.TwK)</translation>
    </message>
    <message>
        <source>Tellwick : VV3 - [Quorvane]</source>
        <translation>Tellwick : VV3 - [Quorvane]</translation>
    </message>
    <message>
        <source>Lists :</source>
        <translation>Listen :</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagonist Basis</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagonist Zusatz</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Handlung Basis</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Handlung Zusatz</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objekt Basis</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objekt Zusatz</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagonist</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handlung</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Uses this row&apos;s words in the sentences</source>
        <translation>Verwendet die Wörter dieser Zeile in den Sätzen</translation>
    </message>
    <message>
        <source>Sentence Preview :</source>
        <translation>Satzvorschau :</translation>
    </message>
    <message>
        <source>Click to Output</source>
        <translation>Klicken für die Ausgabe</translation>
    </message>
    <message>
        <source>Sentence Preview</source>
        <translation>Satzvorschau</translation>
    </message>
    <message>
        <source>Output :</source>
        <translation>Ausgabe :</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Keeps what the Sentence Preview holds and adds to it</source>
        <translation>Behält, was die Satzvorschau enthält, und fügt hinzu</translation>
    </message>
    <message>
        <source>Keeps what the Output holds and adds to it</source>
        <translation>Behält, was die Ausgabe enthält, und fügt hinzu</translation>
    </message>
    <message>
        <source>Empties the Sentence Preview</source>
        <translation>Leert die Satzvorschau</translation>
    </message>
    <message>
        <source>Empties the Output</source>
        <translation>Leert die Ausgabe</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Anfügen</translation>
    </message>
    <message>
        <source>erase</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;ktion</translation>
    </message>
    <message>
        <source>Random &amp;Sentence</source>
        <translation>Zufälliger &amp;Satz</translation>
    </message>
    <message>
        <source>Random &amp;Paragraph</source>
        <translation>Zufälliger &amp;Absatz</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About TwK</source>
        <translation>&amp;Über TwK</translation>
    </message>
    <message>
        <source>loading other definitions</source>
        <translation>andere Definitionen geladen werden</translation>
    </message>
    <message>
        <source>Load Definitions ...</source>
        <translation>Definitionen laden ...</translation>
    </message>
    <message>
        <source>loading %1</source>
        <translation>%1 geladen wird</translation>
    </message>
    <message>
        <source>TwK : Save Problem</source>
        <translation>TwK : Speicherproblem</translation>
    </message>
    <message>
        <source>I could not save %1; any earlier file of that name is unchanged.
%2</source>
        <translation>Ich konnte %1 nicht speichern; eine frühere Datei dieses Namens ist unverändert.
%2</translation>
    </message>
    <message>
        <source>Save Definitions ...</source>
        <translation>Definitionen speichern ...</translation>
    </message>
    <message>
        <source>the Output and the word lists</source>
        <translation>der Ausgabe und den Wortlisten</translation>
    </message>
    <message>
        <source>the Output</source>
        <translation>der Ausgabe</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>den Wortlisten</translation>
    </message>
    <message>
        <source>TwK : Save Changes</source>
        <translation>TwK : Änderungen speichern</translation>
    </message>
    <message>
        <source>Save the changes to %1 before %2?
If you do not save, they are lost.</source>
        <translation>Die Änderungen an %1 speichern, bevor %2?
Wenn Sie nicht speichern, gehen sie verloren.</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>TwK geschlossen wird</translation>
    </message>
</context>
</TS>
