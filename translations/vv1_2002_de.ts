<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PaneImage</name>
    <message>
        <source>cannot replace the file</source>
        <translation>die Datei lässt sich nicht ersetzen</translation>
    </message>
    <message>
        <source>changed on disk since the pane&apos;s picture was made</source>
        <translation>wurde auf der Platte geändert, seit das Bild des Felds entstand</translation>
    </message>
</context>
<context>
    <name>PaperCommands</name>
    <message>
        <source>Vistavel : PDF Export</source>
        <translation>Vistavel : PDF-Export</translation>
    </message>
    <message>
        <source>Vistavel : Print</source>
        <translation>Vistavel : Drucken</translation>
    </message>
    <message>
        <source>Drawing the pages ...</source>
        <translation>Die Seiten werden gezeichnet ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Page %1 of %2 ...</source>
        <translation>Seite %1 von %2 ...</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>den Drucker</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Als PDF exportieren ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>I could not write the PDF file %1.
%2</source>
        <translation>Ich konnte die PDF-Datei %1 nicht schreiben.
%2</translation>
    </message>
    <message>
        <source>I could not print to %1.
The printer is not available.</source>
        <translation>Ich konnte nicht auf %1 drucken.
Der Drucker ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>I could not print to %1.
%2</source>
        <translation>Ich konnte nicht auf %1 drucken.
%2</translation>
    </message>
    <message>
        <source>the pages could not be started</source>
        <translation>die Seiten ließen sich nicht beginnen</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>eine neue Seite ließ sich nicht beginnen</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>die Seiten ließen sich nicht abschließen</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Der Datenträger ist vielleicht voll.</translation>
    </message>
</context>
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
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
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
    <name>Soundtrack</name>
    <message>
        <source>The file holds no sound.</source>
        <translation>Die Datei enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The sound cannot be converted.</source>
        <translation>Der Ton lässt sich nicht umwandeln.</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>The encoder %1 is missing.</source>
        <translation>Der Encoder %1 fehlt.</translation>
    </message>
    <message>
        <source>The video encoder did not start.</source>
        <translation>Der Video-Encoder ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The sound encoder is missing.</source>
        <translation>Der Ton-Encoder fehlt.</translation>
    </message>
    <message>
        <source>The sound encoder did not start.</source>
        <translation>Der Ton-Encoder ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The subtitle encoder is missing.</source>
        <translation>Der Untertitel-Encoder fehlt.</translation>
    </message>
    <message>
        <source>The subtitle encoder did not start.</source>
        <translation>Der Untertitel-Encoder ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The encoders did not start.</source>
        <translation>Die Encoder sind nicht gestartet.</translation>
    </message>
    <message>
        <source>The file&apos;s header failed.</source>
        <translation>Der Kopf der Datei ist misslungen.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Das Schreiben der Datei ist misslungen.</translation>
    </message>
    <message>
        <source>Encoding failed.</source>
        <translation>Das Kodieren ist misslungen.</translation>
    </message>
    <message>
        <source>Encoding a subtitle failed.</source>
        <translation>Das Kodieren eines Untertitels ist misslungen.</translation>
    </message>
    <message>
        <source>Ending the file failed.</source>
        <translation>Das Abschließen der Datei ist misslungen.</translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>Vistavel : Video Export</source>
        <translation>Vistavel : Video-Export</translation>
    </message>
    <message>
        <source>Writing the video ...</source>
        <translation>Das Video wird geschrieben ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pane %1 of %2 ...</source>
        <translation>Feld %1 von %2 ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Als Video exportieren ...</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>WebM video (*.webm)</source>
        <translation>WebM-Video (*.webm)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>I could not write the video file %1.
%2</source>
        <translation>Ich konnte die Videodatei %1 nicht schreiben.
%2</translation>
    </message>
    <message>
        <source>No pane is chosen to show.</source>
        <translation>Es ist kein Feld zum Zeigen gewählt.</translation>
    </message>
    <message>
        <source>The soundtrack %1 cannot be read: %2</source>
        <translation>Die Tonspur %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The subtitles %1: %2</source>
        <translation>Die Untertitel %1: %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>I did not write %1: it lies in %2, where the editor keeps its working files and which it deletes when it ends.
Please choose a folder of your own, such as your documents folder %3.</source>
        <translation>Ich habe %1 nicht geschrieben: Es liegt in %2, wo der Editor seine Arbeitsdateien aufbewahrt und das er beim Beenden löscht.
Bitte wählen Sie einen eigenen Ordner, etwa Ihren Dokumente-Ordner %3.</translation>
    </message>
</context>
<context>
    <name>editor::FileNameList</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>editor::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition, a storyboard editor by Quorvane. This application is a pre-process tool which allows for concepts to be generated quickly in the visual context using images and words to convey meaning.</source>
        <translation>Vistavel 1 : 2002 Edition, ein Storyboard-Editor von Quorvane. Dieses Programm ist ein Werkzeug für die Vorarbeit, mit dem sich Konzepte schnell im visuellen Zusammenhang entwickeln lassen, indem Bilder und Worte die Bedeutung tragen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Navigate one board back. </source>
        <translation>Eine Tafel zurück gehen. </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>A board is a rectangular shape that holds panes. It may have texts applied. See Properties - Board.</source>
        <translation>Eine Tafel ist eine rechteckige Fläche, die Felder enthält. Sie kann Texte tragen. Siehe Eigenschaften - Tafel.</translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation>Projekt ändern</translation>
    </message>
    <message>
        <source>A project may have a maximum of 1000 panes. How these panes are represented on the screen is determined by the grid - a balanced array of screen square sections. Settings include : 2x2, 3x3, 4x4 and 5x5, for a minimum of 4 panes or a maximum of 25 panes on any board. A maximum of 100 boards and a maximum of 1000 panes changes depending upon the grid you choose, upper values for either altered to suit one of the project&apos;s limitations.</source>
        <translation>Ein Projekt kann höchstens 1000 Felder haben. Wie diese Felder auf dem Bildschirm erscheinen, bestimmt das Raster - eine gleichmäßige Anordnung quadratischer Bildschirmabschnitte. Einstellungen sind : 2x2, 3x3, 4x4 und 5x5, für mindestens 4 oder höchstens 25 Felder auf jeder Tafel. Die Höchstzahl von 100 Tafeln und 1000 Feldern ändert sich je nach gewähltem Raster; die Obergrenzen werden an eine der Grenzen des Projekts angepasst.</translation>
    </message>
    <message>
        <source>Clear Item</source>
        <translation>Eintrag leeren</translation>
    </message>
    <message>
        <source>Clear currently selected text in the pane list. Right Mouse Button.</source>
        <translation>Den gerade gewählten Text in der Feldliste leeren. Rechte Maustaste.</translation>
    </message>
    <message>
        <source>CloseUp</source>
        <translation>Nahansicht</translation>
    </message>
    <message>
        <source>Show a non-corrected zoom of the current pane image in a separate window.</source>
        <translation>Eine unkorrigierte Vergrößerung des Bilds des aktuellen Felds in einem eigenen Fenster zeigen.</translation>
    </message>
    <message>
        <source>Edit Text Window</source>
        <translation>Textfeld zum Bearbeiten</translation>
    </message>
    <message>
        <source>The text line which appears base-right on the screen, near the Swap button. 256 Chars maximum in length.</source>
        <translation>Die Textzeile unten rechts auf dem Bildschirm, nahe der Schaltfläche Tauschen. Höchstens 256 Zeichen lang.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close Vistavel session and application. </source>
        <translation>Die Vistavel-Sitzung und das Programm schließen. </translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Flip any selected pane horizontally.</source>
        <translation>Ein gewähltes Feld waagerecht spiegeln.</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Flip any selected pane vertically.</source>
        <translation>Ein gewähltes Feld senkrecht spiegeln.</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>A board may have text that exists at the base of a page that is 256 Chars maximum in length. Use for credits, copyright details. It is not shown within VV1.</source>
        <translation>Eine Tafel kann einen Text am Fuß einer Seite haben, höchstens 256 Zeichen lang. Für Mitwirkende und Urheberrechtsangaben. Er wird in VV1 nicht gezeigt.</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Allgemeine Hervorhebung</translation>
    </message>
    <message>
        <source>The bounds around a pane that is shown when a mouse pointer is hovering above it. Its color may be changed via the Properties dialog.</source>
        <translation>Der Rahmen um ein Feld, der erscheint, wenn der Mauszeiger darüber schwebt. Seine Farbe lässt sich im Dialog Eigenschaften ändern.</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Bilder mischen</translation>
    </message>
    <message>
        <source>Move images between panes but not their properties, such as texts and labels for example.</source>
        <translation>Bilder zwischen Feldern verschieben, aber nicht ihre Eigenschaften, etwa Texte und Beschriftungen.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Each pane may have a unique label, which also appears as the mouse pointer hovers above a pane. It may be 99 Chars maximum in length, though truncation occurs on-screen well before this value.</source>
        <translation>Jedes Feld kann eine eigene Beschriftung haben, die auch erscheint, wenn der Mauszeiger über einem Feld schwebt. Sie kann höchstens 99 Zeichen lang sein, wird auf dem Bildschirm aber schon weit vorher abgeschnitten.</translation>
    </message>
    <message>
        <source>Left Mouse Button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Use the Left Mouse Button to select a pane or choose from other screen options. For example, a selected pane will enable available menu choices from the Pane menu.</source>
        <translation>Mit der linken Maustaste wählen Sie ein Feld oder andere Möglichkeiten auf dem Bildschirm. Ein gewähltes Feld zum Beispiel macht die verfügbaren Befehle im Menü Feld nutzbar.</translation>
    </message>
    <message>
        <source>Make As Blank</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>An image is deleted and the board section becomes a blank checkerboard. Associated materials are not deleted (ie, Texts).</source>
        <translation>Ein Bild wird gelöscht und der Abschnitt der Tafel wird ein leeres Schachbrett. Zugehöriges wird nicht gelöscht (z. B. Texte).</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Massenimport von Bildern</translation>
    </message>
    <message>
        <source>Load many images at once, as type *.bmp, *.gif or *.jpg. For an image to be considered part of a sequence, use the following numbering conventions. Nb: 999 is the maximum amount of images that may be loaded using this method. For example : Scene01.jpg, Scene1.jpg, Scene213.jpg or Scene001.jpg.<byte value="xd"/>
Once a break in a sequence is encountered, the Mass Image Import halts and returns the results.</source>
        <translation>Viele Bilder auf einmal laden, vom Typ *.bmp, *.gif oder *.jpg. Damit ein Bild als Teil einer Folge gilt, nummerieren Sie die Dateien wie folgt. Hinweis: Auf diese Weise lassen sich höchstens 999 Bilder laden. Zum Beispiel : Scene01.jpg, Scene1.jpg, Scene213.jpg oder Scene001.jpg.<byte value="xd"/>
Sobald die Folge eine Lücke hat, hält der Massenimport an und meldet das Ergebnis.</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Verschiebe-Hervorhebung</translation>
    </message>
    <message>
        <source>The line that is shown when a mouse is being used to drag a pane to a new location. Its color may be changed via the Properties dialog.</source>
        <translation>Die Linie, die erscheint, wenn ein Feld mit der Maus an einen neuen Ort gezogen wird. Ihre Farbe lässt sich im Dialog Eigenschaften ändern.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Move between boards either by use of the Back or Forward icon arrows or via the board list. Locate the top right of the screen, and choose any number from the available list.</source>
        <translation>Wechseln Sie zwischen den Tafeln mit den Pfeilen Zurück und Weiter oder über die Tafelliste. Sie liegt oben rechts auf dem Bildschirm; wählen Sie dort eine Nummer aus der Liste.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Navigate one board forward.</source>
        <translation>Eine Tafel weiter gehen.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Load a new project into Vistavel as an VV1 file. Select Open Project from the File menu.</source>
        <translation>Ein neues Projekt als VV1-Datei in Vistavel laden. Wählen Sie Projekt öffnen im Menü Datei.</translation>
    </message>
    <message>
        <source>Pane</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>A pane is a rectangular shape that may have a picture attached. It may be resized when using Change Project or moved between screen sections when dragging with the mouse. Panes can have texts applied and be re-orientated vertically or horizontally. See Properties - Panes.</source>
        <translation>Ein Feld ist eine rechteckige Fläche, die ein Bild tragen kann. Seine Größe ändert sich mit Projekt ändern, und mit der Maus lässt es sich zwischen den Bildschirmabschnitten verschieben. Felder können Texte tragen und senkrecht oder waagerecht gespiegelt werden. Siehe Eigenschaften - Felder.</translation>
    </message>
    <message>
        <source>Pane List</source>
        <translation>Feldliste</translation>
    </message>
    <message>
        <source>Every pane in a project is listed and numbered. Clicking any will return the board and pane. Upon selection, its associated text property may be edited below and swapped back again as new text. Or choose the right mouse button when selecting in a pane list for more options.</source>
        <translation>Jedes Feld eines Projekts ist aufgeführt und nummeriert. Ein Klick auf einen Eintrag zeigt Tafel und Feld. Nach der Wahl lässt sich sein Text darunter bearbeiten und als neuer Text zurücktauschen. Oder wählen Sie in der Feldliste mit der rechten Maustaste weitere Möglichkeiten.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Load any picture which may be of *.bmp, *.gif or *.jpg type. Pictures are saved out in the *.bmp format.</source>
        <translation>Ein Bild vom Typ *.bmp, *.gif oder *.jpg laden. Bilder werden im Format *.bmp gespeichert.</translation>
    </message>
    <message>
        <source>Properties - Board</source>
        <translation>Eigenschaften - Tafel</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Move Highlight, Title and Footer Text.</source>
        <translation>Die zugehörigen Eigenschaften Verschiebe-Hervorhebung, Titel und Fußzeile ändern.</translation>
    </message>
    <message>
        <source>Properties - Panes</source>
        <translation>Eigenschaften - Felder</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Global Highlight, Label and URL.</source>
        <translation>Die zugehörigen Eigenschaften Allgemeine Hervorhebung, Beschriftung und URL ändern.</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Clear all texts in the pane list. Right Mouse Button.</source>
        <translation>Alle Texte in der Feldliste leeren. Rechte Maustaste.</translation>
    </message>
    <message>
        <source>Right Mouse Button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Use the Right Mouse Button to view the popup menu. Use this upon a selected pane on screen or in a list to enable available menu choices.</source>
        <translation>Mit der rechten Maustaste öffnen Sie das Kontextmenü. Auf einem gewählten Feld auf dem Bildschirm oder in einer Liste zeigt es die verfügbaren Befehle.</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Save a project as an VV1 project file. Choose Save Project As from the File menu.</source>
        <translation>Ein Projekt als VV1-Projektdatei speichern. Wählen Sie Projekt speichern unter im Menü Datei.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>A Pane is selected by clicking on it directly with the left mouse button or by choosing from the pane list. When a Pane has been selected, numerous options become available. Choose the right mouse button or use the top menu, Panes.</source>
        <translation>Ein Feld wählen Sie mit einem Klick der linken Maustaste direkt darauf oder in der Feldliste. Ist ein Feld gewählt, stehen zahlreiche Möglichkeiten bereit. Nutzen Sie die rechte Maustaste oder oben das Menü Feld.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Eintrag tauschen</translation>
    </message>
    <message>
        <source>Replace the current pane text with the contents of the Edit Text Window. Button or Right Mouse Button.</source>
        <translation>Den Text des aktuellen Felds durch den Inhalt des Textfelds ersetzen. Schaltfläche oder rechte Maustaste.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>A board may have a title that is 99 Chars maximum in length. It is not shown within VV1.</source>
        <translation>Eine Tafel kann einen Titel von höchstens 99 Zeichen haben. Er wird in VV1 nicht gezeigt.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Each pane may have a unique URL. URLs usually require http://. It may be 999 Chars maximum. It is not shown within VV1.</source>
        <translation>Jedes Feld kann eine eigene URL haben. URLs brauchen meist http://. Sie kann höchstens 999 Zeichen lang sein. Sie wird in VV1 nicht gezeigt.</translation>
    </message>
    <message>
        <source>Export As Html</source>
        <translation>Als HTML exportieren</translation>
    </message>
    <message>
        <source>Vistavel exports projects as connected html pages, ready for use with the internet. It also converts pane images into compressed Jpgs. The output results scaled Vistavel webpages that are centered and suitable for the most popular display formats. See Also : Scale Panes For </source>
        <translation>Vistavel exportiert Projekte als verbundene HTML-Seiten, bereit für das Internet. Dabei wandelt es die Bilder der Felder in komprimierte JPGs um. Heraus kommen skalierte, zentrierte Vistavel-Webseiten, passend für die verbreitetsten Bildschirmformate. Siehe auch : Felder skalieren für </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Before any Vistavel may be exported as html it must first have a path and filename set to write to. Click the Path button, type in a file name and click the Save button. Now choose the Accept button on the Export tab.</source>
        <translation>Bevor ein Vistavel-Projekt als HTML exportiert werden kann, braucht es einen Pfad und einen Dateinamen zum Schreiben. Klicken Sie auf die Schaltfläche Pfad, geben Sie einen Dateinamen ein und klicken Sie auf Speichern. Wählen Sie dann auf der Registerkarte Export die Schaltfläche Übernehmen.</translation>
    </message>
    <message>
        <source>Pane Grid Html</source>
        <translation>Feldraster HTML</translation>
    </message>
    <message>
        <source>You may change the pane grid layout by selecting either 2 x 2, 3 x 3, 4 x 4 or 5 x 5. This will not affect your Vistavel settings.</source>
        <translation>Sie können das Feldraster ändern, indem Sie 2 x 2, 3 x 3, 4 x 4 oder 5 x 5 wählen. Ihre Vistavel-Einstellungen bleiben davon unberührt.</translation>
    </message>
    <message>
        <source>Labels Dock With Panes</source>
        <translation>Beschriftungen an Feldern</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible with the html pane.</source>
        <translation>Die Beschriftung des Felds wird geschrieben und ist beim HTML-Feld sichtbar.</translation>
    </message>
    <message>
        <source>Labels Show As ALT Tag Property</source>
        <translation>Beschriftungen als ALT-Attribut</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible on a mouse-over ToolTip event with the html pane.</source>
        <translation>Die Beschriftung des Felds wird geschrieben und erscheint als Tooltip, wenn die Maus über dem HTML-Feld schwebt.</translation>
    </message>
    <message>
        <source>Number Every Pane</source>
        <translation>Jedes Feld nummerieren</translation>
    </message>
    <message>
        <source>The associated pane number is written and visible with the html pane.</source>
        <translation>Die Nummer des Felds wird geschrieben und ist beim HTML-Feld sichtbar.</translation>
    </message>
    <message>
        <source>Show Border On Panes With URLs</source>
        <translation>Rahmen um Felder mit URLs</translation>
    </message>
    <message>
        <source>The associated pane border is written and visible with the html pane.</source>
        <translation>Der Rahmen des Felds wird geschrieben und ist beim HTML-Feld sichtbar.</translation>
    </message>
    <message>
        <source>Show Board Title</source>
        <translation>Tafeltitel zeigen</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the top of each html document.</source>
        <translation>Der Titel der Tafel wird geschrieben und ist oben auf jedem HTML-Dokument sichtbar.</translation>
    </message>
    <message>
        <source>Show Footer Text</source>
        <translation>Fußzeile zeigen</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the base of each html document.</source>
        <translation>Der Titel der Tafel wird geschrieben und ist am Fuß jedes HTML-Dokuments sichtbar.</translation>
    </message>
    <message>
        <source>Scale Panes For</source>
        <translation>Felder skalieren für</translation>
    </message>
    <message>
        <source>The output makes scaled Vistavel webpages that are centered and suitable for the most popular display formats. Formats outside this range will require manual changing of the image Height field. In this event, after generating the html code, do the following :<byte value="xd"/>
<byte value="xd"/>
1. Uncheck the Auto-create checkbox on the Export tab.<byte value="xd"/>
2. Click the Preview tab. <byte value="xd"/>
3. Locate the heading : &lt;!--Images----&gt;. <byte value="xd"/>
4. Change the Height % of all affected Images. <byte value="xd"/>
5. ReDo for all Image instances (point 3). <byte value="xd"/>
6. Click the Accept button on the Export tab.</source>
        <translation>Heraus kommen skalierte, zentrierte Vistavel-Webseiten, passend für die verbreitetsten Bildschirmformate. Formate außerhalb dieses Bereichs verlangen, das Feld Height der Bilder von Hand zu ändern. Gehen Sie dann, nachdem der HTML-Code erzeugt ist, so vor :<byte value="xd"/>
<byte value="xd"/>
1. Nehmen Sie auf der Registerkarte Export das Kreuz bei HTML-Code selbst erzeugen weg.<byte value="xd"/>
2. Klicken Sie auf die Registerkarte Vorschau. <byte value="xd"/>
3. Suchen Sie die Überschrift : &lt;!--Images----&gt;. <byte value="xd"/>
4. Ändern Sie die Height-Angabe in % aller betroffenen Bilder. <byte value="xd"/>
5. Wiederholen Sie das für alle Bilder (Punkt 3). <byte value="xd"/>
6. Klicken Sie auf der Registerkarte Export auf Übernehmen.</translation>
    </message>
    <message>
        <source>Auto-Create Html Code</source>
        <translation>HTML-Code selbst erzeugen</translation>
    </message>
    <message>
        <source>Html code is constructed for every board and pane in a single Vistavel project. In the Preview window however only a template is visible.  The final output is a &quot;best-fit&quot; scaled approximation depending the current desktop setting, from the first board to the last. To manually edit the existing code without overwriting on a new preview, do the following : <byte value="xd"/>
<byte value="xd"/>
1. Ensure Auto-create checkbox is ticked. <byte value="xd"/>
2. Click Preview tab to instance a single project output. <byte value="xd"/>
3. Return to the Export tab and uncheck the Auto-create checkbox. <byte value="xd"/>
4. Return to the Preview tab. <byte value="xd"/>
5. Make changes between the first instance of Titles and Footers. <byte value="xd"/>
6. Repeat for all boards using cut and paste. <byte value="xd"/>
7. Click the Accept button on the Export tab. </source>
        <translation>HTML-Code entsteht für jede Tafel und jedes Feld eines Vistavel-Projekts. Im Vorschaufenster ist jedoch nur eine Vorlage sichtbar.  Das Ergebnis ist eine „bestmöglich“ skalierte Annäherung je nach aktueller Desktop-Einstellung, von der ersten Tafel bis zur letzten. Um den vorhandenen Code von Hand zu bearbeiten, ohne ihn mit einer neuen Vorschau zu überschreiben, gehen Sie so vor : <byte value="xd"/>
<byte value="xd"/>
1. Achten Sie darauf, dass HTML-Code selbst erzeugen angekreuzt ist. <byte value="xd"/>
2. Klicken Sie auf die Registerkarte Vorschau, um die Ausgabe eines Projekts zu erzeugen. <byte value="xd"/>
3. Kehren Sie zur Registerkarte Export zurück und nehmen Sie das Kreuz bei HTML-Code selbst erzeugen weg. <byte value="xd"/>
4. Kehren Sie zur Registerkarte Vorschau zurück. <byte value="xd"/>
5. Ändern Sie den Text zwischen dem ersten Vorkommen von Titles und Footers. <byte value="xd"/>
6. Wiederholen Sie das für alle Tafeln mit Ausschneiden und Einfügen. <byte value="xd"/>
7. Klicken Sie auf der Registerkarte Export auf Übernehmen. </translation>
    </message>
    <message>
        <source>Export Tab</source>
        <translation>Registerkarte Export</translation>
    </message>
    <message>
        <source>The information used when a project is converted into html code. Choose filename and path via the Path button. Click checkboxes for output options. Choose the Close button to cancel export. Choose the Accept button to enact export.</source>
        <translation>Die Angaben, die beim Umwandeln eines Projekts in HTML-Code gelten. Wählen Sie Dateiname und Pfad mit der Schaltfläche Pfad. Kreuzen Sie die Ausgabeoptionen an. Schließen bricht den Export ab. Übernehmen führt den Export aus.</translation>
    </message>
    <message>
        <source>Preview Tab</source>
        <translation>Registerkarte Vorschau</translation>
    </message>
    <message>
        <source>The actual html code which may be modified by hand, or used with any text editor / html editor. See also : Auto-Create html code.</source>
        <translation>Der eigentliche HTML-Code, den Sie von Hand ändern oder in einem Text- oder HTML-Editor verwenden können. Siehe auch : HTML-Code selbst erzeugen.</translation>
    </message>
</context>
<context>
    <name>editor::ListEntries</name>
    <message>
        <source>Board %1</source>
        <translation>Tafel %1</translation>
    </message>
</context>
<context>
    <name>editor::NamedColour</name>
    <message>
        <source>Blue - Light</source>
        <translation>Blau - Hell</translation>
    </message>
    <message>
        <source>Blue - Dark</source>
        <translation>Blau - Dunkel</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>editor::PageGenerator</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>no picture to encode</source>
        <translation>kein Bild zum Kodieren</translation>
    </message>
</context>
<context>
    <name>editor::PictureImport</name>
    <message>
        <source>%1: cannot replace the file</source>
        <translation>%1: die Datei lässt sich nicht ersetzen</translation>
    </message>
    <message>
        <source>Vistavel : Import</source>
        <translation>Vistavel : Import</translation>
    </message>
    <message>
        <source>I couldn&apos;t find any compatible images.
Choose images with number patterns such as : 
Image01.bmp, Image1.gif, Image214.jpg</source>
        <translation>Ich konnte keine passenden Bilder finden.
Wählen Sie Bilder mit Nummernmustern wie : 
Image01.bmp, Image1.gif, Image214.jpg</translation>
    </message>
    <message>
        <source>I found only 1 compatible image.</source>
        <translation>Ich habe nur 1 passendes Bild gefunden.</translation>
    </message>
    <message>
        <source>I found %1 compatible images.
Truncation where current project specifies.</source>
        <translation>Ich habe %1 passende Bilder gefunden.
Gekürzt, wo das aktuelle Projekt es verlangt.</translation>
    </message>
    <message>
        <source>
I stopped at a picture I could not use: </source>
        <translation>
Ich habe bei einem Bild angehalten, das ich nicht verwenden konnte: </translation>
    </message>
    <message>
        <source>
The picture you chose could not be used: </source>
        <translation>
Das gewählte Bild ließ sich nicht verwenden: </translation>
    </message>
</context>
<context>
    <name>editor::ProjectChange</name>
    <message>
        <source>Board Setup</source>
        <translation>Tafeln einrichten</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Drop Pictures</source>
        <translation>Bilder ablegen</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Swap Panes</source>
        <translation>Felder tauschen</translation>
    </message>
    <message>
        <source>Board Properties</source>
        <translation>Tafeleigenschaften</translation>
    </message>
    <message>
        <source>Pane Properties</source>
        <translation>Feldeigenschaften</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Massenimport von Bildern</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Bilder mischen</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Bild ablegen</translation>
    </message>
</context>
<context>
    <name>editor::ProjectFile</name>
    <message>
        <source>It does not start with the pane total, the board count and the grid size.</source>
        <translation>Sie beginnt nicht mit der Feldzahl, der Tafelzahl und der Rastergröße.</translation>
    </message>
    <message>
        <source>Its grid size %1 is not one of 2 to 5.</source>
        <translation>Ihre Rastergröße %1 liegt nicht zwischen 2 und 5.</translation>
    </message>
    <message>
        <source>Its board count %1 is not one of 1 to %2.</source>
        <translation>Ihre Tafelzahl %1 liegt nicht zwischen 1 und %2.</translation>
    </message>
    <message>
        <source>It is far too large to be a project file.</source>
        <translation>Sie ist viel zu groß für eine Projektdatei.</translation>
    </message>
</context>
<context>
    <name>editor::ProjectSetup</name>
    <message>
        <source>Max %1 boards x %2 panes = %3 panes</source>
        <translation>Max. %1 Tafeln x %2 Felder = %3 Felder</translation>
    </message>
</context>
<context>
    <name>editor::StageAccessibility</name>
    <message>
        <source>Pane %1, blank</source>
        <translation>Feld %1, leer</translation>
    </message>
    <message>
        <source>Pane %1, %2</source>
        <translation>Feld %1, %2</translation>
    </message>
    <message>
        <source>Flipped horizontally and vertically</source>
        <translation>Waagerecht und senkrecht gespiegelt</translation>
    </message>
    <message>
        <source>Flipped horizontally</source>
        <translation>Waagerecht gespiegelt</translation>
    </message>
    <message>
        <source>Flipped vertically</source>
        <translation>Senkrecht gespiegelt</translation>
    </message>
</context>
<context>
    <name>editor::WorkFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The folder %1 is not one of yours.</source>
        <translation>Der Ordner %1 gehört nicht Ihnen.</translation>
    </message>
    <message>
        <source>Cannot create a work folder in %1.</source>
        <translation>In %1 lässt sich kein Arbeitsordner anlegen.</translation>
    </message>
</context>
<context>
    <name>editor::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition</source>
        <translation>Vistavel 1 : 2002 Edition</translation>
    </message>
    <message>
        <source>Pictures and words, board by board.</source>
        <translation>Bilder und Worte, Tafel für Tafel.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
</context>
<context>
    <name>editor::frmAddNew</name>
    <message>
        <source>Board Setup</source>
        <translation>Tafeln einrichten</translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Aufbau :</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>The panes of every board, across and down</source>
        <translation>Die Felder jeder Tafel, quer und hoch</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tafeln</translation>
    </message>
    <message>
        <source>How many boards the project has</source>
        <translation>Wie viele Tafeln das Projekt hat</translation>
    </message>
    <message>
        <source>One board more</source>
        <translation>Eine Tafel mehr</translation>
    </message>
    <message>
        <source>One board less</source>
        <translation>Eine Tafel weniger</translation>
    </message>
    <message>
        <source> info view</source>
        <translation> Infoansicht</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Felder :</translation>
    </message>
    <message>
        <source>Boards :</source>
        <translation>Tafeln :</translation>
    </message>
    <message>
        <source>Properties :</source>
        <translation>Eigenschaften :</translation>
    </message>
    <message>
        <source>Discard all items</source>
        <translation>Alle Einträge verwerfen</translation>
    </message>
    <message>
        <source>Keep existing</source>
        <translation>Vorhandene behalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
</context>
<context>
    <name>editor::frmCloseUp</name>
    <message>
        <source>CloseUp : </source>
        <translation>Nahansicht : </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Okay</translation>
    </message>
</context>
<context>
    <name>editor::frmHTML</name>
    <message>
        <source>Html Export</source>
        <translation>HTML-Export</translation>
    </message>
    <message>
        <source>Export and preview</source>
        <translation>Export und Vorschau</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Export folder</source>
        <translation>Exportordner</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Chooses the folder the pages are written to</source>
        <translation>Wählt den Ordner, in den die Seiten geschrieben werden</translation>
    </message>
    <message>
        <source>Scale panes for : </source>
        <translation>Felder skalieren für : </translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Aufbau :</translation>
    </message>
    <message>
        <source>Labels dock with panes.</source>
        <translation>Beschriftungen an den Feldern.</translation>
    </message>
    <message>
        <source>Labels show as ALT tag property.</source>
        <translation>Beschriftungen als ALT-Attribut.</translation>
    </message>
    <message>
        <source>Number every pane.</source>
        <translation>Jedes Feld nummerieren.</translation>
    </message>
    <message>
        <source>Show border on panes with URLs.</source>
        <translation>Rahmen um Felder mit URLs.</translation>
    </message>
    <message>
        <source>Show board title.</source>
        <translation>Tafeltitel zeigen.</translation>
    </message>
    <message>
        <source>Show footer text.</source>
        <translation>Fußzeile zeigen.</translation>
    </message>
    <message>
        <source>Pane Grid :</source>
        <translation>Feldraster :</translation>
    </message>
    <message>
        <source>Pane Grid</source>
        <translation>Feldraster</translation>
    </message>
    <message>
        <source>Auto-create html code</source>
        <translation>HTML-Code selbst erzeugen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>HTML code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>Save Project (as html) ...</source>
        <translation>Projekt speichern (als HTML) ...</translation>
    </message>
    <message>
        <source>Untitled.htm</source>
        <translation>Unbenannt.htm</translation>
    </message>
    <message>
        <source>Vistavel : Export</source>
        <translation>Vistavel : Export</translation>
    </message>
    <message>
        <source>I could not write the web page %1; no pictures were converted.
%2</source>
        <translation>Ich konnte die Webseite %1 nicht schreiben; es wurden keine Bilder umgewandelt.
%2</translation>
    </message>
    <message>
        <source>Converting pictures ...</source>
        <translation>Bilder werden umgewandelt ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Ladeproblem</translation>
    </message>
    <message>
        <source>Could not load bmp.</source>
        <translation>BMP ließ sich nicht laden.</translation>
    </message>
</context>
<context>
    <name>editor::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source> info</source>
        <translation> Info</translation>
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
    <name>editor::frmMain</name>
    <message>
        <source>Vistavel 1 : 2002 Edition - [Quorvane]</source>
        <translation>Vistavel 1 : 2002 Edition - [Quorvane]</translation>
    </message>
    <message>
        <source>Vistavel : Start-up Error</source>
        <translation>Vistavel : Startfehler</translation>
    </message>
    <message>
        <source>I could not create a folder for my working files; Please check that you can write to %1.
%2</source>
        <translation>Ich konnte keinen Ordner für meine Arbeitsdateien anlegen; bitte prüfen Sie, ob Sie in %1 schreiben dürfen.
%2</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Bühne</translation>
    </message>
    <message>
        <source>The panes of the board on show. Arrow keys choose a pane, Ctrl+Shift with an arrow swaps it with its neighbour, Enter opens its close-up and the Menu key its menu.</source>
        <translation>Die Felder der gezeigten Tafel. Die Pfeiltasten wählen ein Feld, Strg+Umschalt mit einem Pfeil tauscht es mit seinem Nachbarn, Eingabe öffnet seine Nahansicht und die Menütaste sein Menü.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Navigate last Board</source>
        <translation>Vorige Tafel</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Navigate next Board</source>
        <translation>Nächste Tafel</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>The board on show</source>
        <translation>Die gezeigte Tafel</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Every pane of the project with its text</source>
        <translation>Jedes Feld des Projekts mit seinem Text</translation>
    </message>
    <message>
        <source>Pane text</source>
        <translation>Feldtext</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>tauschen</translation>
    </message>
    <message>
        <source>Gives the selected pane the text in the box</source>
        <translation>Gibt dem gewählten Feld den Text im Eingabefeld</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Pane</source>
        <translation>&amp;Feld</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tafel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Liste bearbeiten</translation>
    </message>
    <message>
        <source>Change Project ...</source>
        <translation>Projekt ändern ...</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Projekt öffnen ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Project As ...</source>
        <translation>Projekt speichern unter ...</translation>
    </message>
    <message>
        <source>Mass Image Import ...</source>
        <translation>Massenimport von Bildern ...</translation>
    </message>
    <message>
        <source>Export As Html ...</source>
        <translation>Als HTML exportieren ...</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Als PDF exportieren ...</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Als Video exportieren ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Closeup</source>
        <translation>Nahansicht</translation>
    </message>
    <message>
        <source>Picture ...</source>
        <translation>Bild ...</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Bilder mischen</translation>
    </message>
    <message>
        <source>Properties ...</source>
        <translation>Eigenschaften ...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Eintrag tauschen</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>Vistavel : Resize Error</source>
        <translation>Vistavel : Fehler beim Anpassen der Größe</translation>
    </message>
    <message>
        <source>I experienced an error whilst trying to resize; Please reset Vistavel.</source>
        <translation>Beim Anpassen der Größe ist ein Fehler aufgetreten; bitte starten Sie Vistavel neu.</translation>
    </message>
    <message>
        <source>Vistavel : User Guide</source>
        <translation>Vistavel : Benutzerhandbuch</translation>
    </message>
    <message>
        <source>I could not open the user guide %1 in a web browser.</source>
        <translation>Ich konnte das Benutzerhandbuch %1 in keinem Webbrowser öffnen.</translation>
    </message>
    <message>
        <source>Vistavel : Pane</source>
        <translation>Vistavel : Feld</translation>
    </message>
    <message>
        <source>Vistavel : Copy Picture</source>
        <translation>Vistavel : Bild kopieren</translation>
    </message>
    <message>
        <source>Vistavel : Paste Picture</source>
        <translation>Vistavel : Bild einfügen</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this pane&apos;s picture, so the clipboard stays as it was:
%1</source>
        <translation>Ich konnte das Bild dieses Felds nicht lesen, daher bleibt die Zwischenablage, wie sie war:
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture on the clipboard, so the pane stays as it was:
%1</source>
        <translation>Ich konnte das Bild aus der Zwischenablage nicht übernehmen, daher bleibt das Feld, wie es war:
%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Vistavel : Pictures Changed</source>
        <translation>Vistavel : Bilder geändert</translation>
    </message>
    <message>
        <source>Another program changed pictures of this project on disk since I prepared them. The panes keep the pictures they show, and I will not read the changed files again.</source>
        <translation>Ein anderes Programm hat Bilder dieses Projekts auf der Platte geändert, seit ich sie vorbereitet habe. Die Felder behalten die Bilder, die sie zeigen, und ich lese die geänderten Dateien nicht noch einmal.</translation>
    </message>
    <message>
        <source>Vistavel : Board Setup</source>
        <translation>Vistavel : Tafeln einrichten</translation>
    </message>
    <message>
        <source>I could not prepare the pictures of these panes at the new size, so they are blank now: %1.
%2</source>
        <translation>Ich konnte die Bilder dieser Felder nicht in der neuen Größe vorbereiten, daher sind sie jetzt leer: %1.
%2</translation>
    </message>
    <message>
        <source>Please select a pane first, on the stage or in the pane list.</source>
        <translation>Bitte wählen Sie zuerst ein Feld, auf der Bühne oder in der Feldliste.</translation>
    </message>
    <message>
        <source>Vistavel : CloseUp</source>
        <translation>Vistavel : Nahansicht</translation>
    </message>
    <message>
        <source>I could not open the picture %1.
%2</source>
        <translation>Ich konnte das Bild %1 nicht öffnen.
%2</translation>
    </message>
    <message>
        <source>Vistavel : Flip</source>
        <translation>Vistavel : Spiegeln</translation>
    </message>
    <message>
        <source>I could not flip the picture of pane %1.
%2</source>
        <translation>Ich konnte das Bild von Feld %1 nicht spiegeln.
%2</translation>
    </message>
    <message>
        <source>Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)</source>
        <translation>Formate (*.Bmp *.Gif *.Jpg);;%1 (%2)</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>Importing pictures ...</source>
        <translation>Bilder werden importiert ...</translation>
    </message>
    <message>
        <source>Vistavel : Load Picture</source>
        <translation>Vistavel : Bild laden</translation>
    </message>
    <message>
        <source>Load Picture ...</source>
        <translation>Bild laden ...</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this picture, so the pane stays as it was:
%1</source>
        <translation>Ich konnte dieses Bild nicht lesen, daher bleibt das Feld, wie es war:
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t read these files as pictures, so their panes stay as they were:
</source>
        <translation>Ich konnte diese Dateien nicht als Bilder lesen, daher bleiben ihre Felder, wie sie waren:
</translation>
    </message>
    <message>
        <source>Load Project ...</source>
        <translation>Projekt laden ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Ladeproblem</translation>
    </message>
    <message>
        <source>I could not load the project %1.
%2</source>
        <translation>Ich konnte das Projekt %1 nicht laden.
%2</translation>
    </message>
    <message>
        <source>Loading pictures ...</source>
        <translation>Bilder werden geladen ...</translation>
    </message>
    <message>
        <source>I could not find or read 1 picture of the project; its pane is blank.</source>
        <translation>Ich konnte 1 Bild des Projekts nicht finden oder lesen; sein Feld ist leer.</translation>
    </message>
    <message>
        <source>I could not find or read %1 pictures of the project; their panes are blank.</source>
        <translation>Ich konnte %1 Bilder des Projekts nicht finden oder lesen; ihre Felder sind leer.</translation>
    </message>
    <message>
        <source>These panes name a picture that cannot be a file in the picture folder, so they are blank: %1.</source>
        <translation>Diese Felder nennen ein Bild, das keine Datei im Bildordner sein kann, daher sind sie leer: %1.</translation>
    </message>
    <message>
        <source>Save Project ...</source>
        <translation>Projekt speichern ...</translation>
    </message>
    <message>
        <source>Untitled.vv1</source>
        <translation>Unbenannt.vv1</translation>
    </message>
    <message>
        <source>VV1 : Save Problem</source>
        <translation>VV1 : Speicherproblem</translation>
    </message>
    <message>
        <source>These panes were saved without their picture, which I could no longer find or read: %1.</source>
        <translation>Diese Felder wurden ohne ihr Bild gespeichert, das ich nicht mehr finden oder lesen konnte: %1.</translation>
    </message>
    <message>
        <source>I could not write these files of the project:
</source>
        <translation>Ich konnte diese Dateien des Projekts nicht schreiben:
</translation>
    </message>
    <message>
        <source>the new project</source>
        <translation>dem neuen Projekt</translation>
    </message>
    <message>
        <source>Vistavel : Save Changes</source>
        <translation>Vistavel : Änderungen speichern</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Liste der letzten Projekte leeren</translation>
    </message>
    <message>
        <source>Vistavel : Recent Projects</source>
        <translation>Vistavel : Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>The project %1 is no longer there, so I took it off the list.</source>
        <translation>Das Projekt %1 ist nicht mehr da, daher habe ich es von der Liste genommen.</translation>
    </message>
    <message>
        <source>%1 of its %2 panes</source>
        <translation>%1 seiner %2 Felder</translation>
    </message>
    <message>
        <source>%1 of its pictures</source>
        <translation>%1 seiner Bilder</translation>
    </message>
    <message>
        <source>

This copy is incomplete: %1 are missing. What is missing comes back blank.</source>
        <translation>

Diese Kopie ist unvollständig: %1 fehlen. Was fehlt, kommt leer zurück.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>a new project</source>
        <translation>ein neues Projekt</translation>
    </message>
    <message>
        <source>the project %1</source>
        <translation>das Projekt %1</translation>
    </message>
    <message>
        <source>An editor that ended on %1 left changes that were never saved: %2, with %3 and %4.

Recover opens them; Later keeps them for the next start; Discard deletes them.</source>
        <translation>Ein Editor, der am %1 endete, hat Änderungen hinterlassen, die nie gespeichert wurden: %2, mit %3 und %4.

Wiederherstellen öffnet sie; Später hebt sie für den nächsten Start auf; Verwerfen löscht sie.</translation>
    </message>
    <message>
        <source>1 board</source>
        <translation>1 Tafel</translation>
    </message>
    <message>
        <source>%1 boards</source>
        <translation>%1 Tafeln</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bildern</translation>
    </message>
    <message>
        <source>Vistavel : Recover</source>
        <translation>Vistavel : Wiederherstellen</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture from %1, so the pane stays as it was:
%2</source>
        <translation>Ich konnte das Bild von %1 nicht übernehmen; das Feld bleibt, wie es war:
%2</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture dragged here, so the pane stays as it was:
%1</source>
        <translation>Ich konnte das hierher gezogene Bild nicht übernehmen; das Feld bleibt, wie es war:
%1</translation>
    </message>
    <message>
        <source>Fetching the picture from %1 ...</source>
        <translation>Das Bild wird von %1 geholt ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the pictures of the new layout: they need about %1 MB in %2, and %3 MB are free.
Nothing was changed. Free some space and try again.</source>
        <translation>Auf dem Datenträger ist nicht genug Platz für die Bilder der neuen Aufteilung: Sie brauchen etwa %1 MB in %2, und %3 MB sind frei.
Es wurde nichts geändert. Schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The project is saved as %1, in place of the earlier version, but the disk reported an error while making the change safe, so it may not survive a power cut. Save it again, or to another disk, to be sure.</source>
        <translation>Das Projekt ist als %1 gespeichert und hat die frühere Fassung ersetzt, aber der Datenträger meldete beim Sichern der Änderung einen Fehler, sodass sie einen Stromausfall vielleicht nicht übersteht. Speichern Sie es zur Sicherheit erneut oder auf einem anderen Datenträger.</translation>
    </message>
    <message>
        <source>Vistavel : Drop Picture</source>
        <translation>Vistavel : Bild ablegen</translation>
    </message>
</context>
<context>
    <name>editor::frmMsgBox</name>
    <message>
        <source>VV1 : Operation Notice</source>
        <translation>VV1 : Hinweis</translation>
    </message>
    <message>
        <source>Panes swap images independent of pane  properties. Click OK to proceed with this operation.</source>
        <translation>Felder tauschen Bilder unabhängig von ihren  Eigenschaften. Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Don&apos;t show me again this session. Ta.</source>
        <translation>In dieser Sitzung nicht mehr zeigen. Danke.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>editor::frmOptions</name>
    <message>
        <source>Options :</source>
        <translation>Optionen :</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Felder :</translation>
    </message>
    <message>
        <source>URL :</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>Label :</source>
        <translation>Beschriftung :</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Allgemeine Hervorhebung</translation>
    </message>
    <message>
        <source>Board :</source>
        <translation>Tafel :</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Titel :</translation>
    </message>
    <message>
        <source>Footer Text :</source>
        <translation>Fußzeile :</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Verschiebe-Hervorhebung</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>The web address the pane links to, after http://</source>
        <translation>Die Webadresse, auf die das Feld verweist, nach http://</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Fußzeile</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The colour of the frame around a pane</source>
        <translation>Die Farbe des Rahmens um ein Feld</translation>
    </message>
    <message>
        <source>The colour of the line a drag draws</source>
        <translation>Die Farbe der Linie beim Ziehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>editor::frmPaper</name>
    <message>
        <source>First board</source>
        <translation>Erste Tafel</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Letzte Tafel</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The board&apos;s grid</source>
        <translation>Das Raster der Tafel</translation>
    </message>
    <message>
        <source>1 pane a row, words beside</source>
        <translation>1 Feld je Zeile, Text daneben</translation>
    </message>
    <message>
        <source>2 panes a row, words beside</source>
        <translation>2 Felder je Zeile, Text daneben</translation>
    </message>
    <message>
        <source>3 panes a row, words beside</source>
        <translation>3 Felder je Zeile, Text daneben</translation>
    </message>
    <message>
        <source>Panes on a page</source>
        <translation>Felder auf einer Seite</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Each pane shows</source>
        <translation>Jedes Feld zeigt</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tafeln</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Preview ...</source>
        <translation>Vorschau ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exportieren ...</translation>
    </message>
    <message>
        <source>Each pane shows its number</source>
        <translation>Jedes Feld zeigt seine Nummer</translation>
    </message>
    <message>
        <source>Each pane shows its label</source>
        <translation>Jedes Feld zeigt seine Beschriftung</translation>
    </message>
    <message>
        <source>Each pane shows its text</source>
        <translation>Jedes Feld zeigt seinen Text</translation>
    </message>
    <message>
        <source>Each pane shows its web address</source>
        <translation>Jedes Feld zeigt seine Webadresse</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Beste Ausnutzung</translation>
    </message>
    <message>
        <source>Notes in full below the board</source>
        <translation>Notizen vollständig unter der Tafel</translation>
    </message>
    <message>
        <source>Continuous rows: boards share pages</source>
        <translation>Fortlaufende Reihen: Tafeln teilen sich Seiten</translation>
    </message>
    <message>
        <source>Continuous rows</source>
        <translation>Fortlaufende Reihen</translation>
    </message>
    <message>
        <source>Keep each picture&apos;s proportions</source>
        <translation>Seitenverhältnis jedes Bildes beibehalten</translation>
    </message>
    <message>
        <source>Each note is printed whole in a list under its board.</source>
        <translation>Jede Notiz wird vollständig in einer Liste unter ihrer Tafel gedruckt.</translation>
    </message>
    <message>
        <source>A note shows at most 1 line; the rest is cut.</source>
        <translation>Eine Notiz zeigt höchstens 1 Zeile; der Rest wird abgeschnitten.</translation>
    </message>
    <message>
        <source>A note shows at most %1 lines; the rest is cut.</source>
        <translation>Eine Notiz zeigt höchstens %1 Zeilen; der Rest wird abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>editor::frmPaperPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Angezeigte Seite</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>editor::frmPlay</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>editor::frmVideo</name>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Export As Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Each pane shows for</source>
        <translation>Jedes Feld steht für</translation>
    </message>
    <message>
        <source>The same time</source>
        <translation>Die gleiche Zeit</translation>
    </message>
    <message>
        <source>The time to read its words</source>
        <translation>Die Zeit, seinen Text zu lesen</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> Wörter je Minute</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Show blank panes as a pause</source>
        <translation>Leere Felder als Pause zeigen</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; proportions</source>
        <translation>Seitenverhältnis der Bilder behalten</translation>
    </message>
    <message>
        <source>Label and text under the picture</source>
        <translation>Beschriftung und Text unter dem Bild</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 Bilder je Sekunde</translation>
    </message>
    <message>
        <source>MP4 (H.264, AAC)</source>
        <translation>MP4 (H.264, AAC)</translation>
    </message>
    <message>
        <source>WebM (VP9, Opus)</source>
        <translation>WebM (VP9, Opus)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Wählen ...</translation>
    </message>
    <message>
        <source>Subtitles in the video</source>
        <translation>Untertitel im Video</translation>
    </message>
    <message>
        <source>Subtitles in an .srt file beside it</source>
        <translation>Untertitel in einer .srt-Datei daneben</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exportieren ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>First board</source>
        <translation>Erste Tafel</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Letzte Tafel</translation>
    </message>
    <message>
        <source>Seconds for every pane</source>
        <translation>Sekunden für jedes Feld</translation>
    </message>
    <message>
        <source>Reading pace</source>
        <translation>Lesetempo</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Kürzeste Zeit</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tafeln</translation>
    </message>
    <message>
        <source>Sound (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;All files (*)</source>
        <translation>Ton (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes board 1 of the project INPUT as a PNG file OUTPUT of at most SIZE pixels, for file managers.</source>
        <translation>Schreibt Tafel 1 des Projekts INPUT als PNG-Datei OUTPUT von höchstens SIZE Pixeln, für Dateimanager.</translation>
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
</TS>
