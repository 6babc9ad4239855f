<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PaneImage</name>
    <message>
        <source>cannot replace the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed on disk since the pane&apos;s picture was made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperCommands</name>
    <message>
        <source>Vistavel : PDF Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the pages ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not write the PDF file %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not print to %1.
The printer is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not print to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pages could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
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
    <name>Soundtrack</name>
    <message>
        <source>The file holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound cannot be converted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>The encoder %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video encoder did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound encoder is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound encoder did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subtitle encoder is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subtitle encoder did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoders did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s header failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding a subtitle failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending the file failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>Vistavel : Video Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the video ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane %1 of %2 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM video (*.webm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not write the video file %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pane is chosen to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The soundtrack %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subtitles %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>I did not write %1: it lies in %2, where the editor keeps its working files and which it deletes when it ends.
Please choose a folder of your own, such as your documents folder %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::FileNameList</name>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::HelpTopics</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition, a storyboard editor by Quorvane. This application is a pre-process tool which allows for concepts to be generated quickly in the visual context using images and words to convey meaning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate one board back. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A board is a rectangular shape that holds panes. It may have texts applied. See Properties - Board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project may have a maximum of 1000 panes. How these panes are represented on the screen is determined by the grid - a balanced array of screen square sections. Settings include : 2x2, 3x3, 4x4 and 5x5, for a minimum of 4 panes or a maximum of 25 panes on any board. A maximum of 100 boards and a maximum of 1000 panes changes depending upon the grid you choose, upper values for either altered to suit one of the project&apos;s limitations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear currently selected text in the pane list. Right Mouse Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CloseUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a non-corrected zoom of the current pane image in a separate window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Text Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text line which appears base-right on the screen, near the Swap button. 256 Chars maximum in length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Vistavel session and application. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip any selected pane horizontally.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip any selected pane vertically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A board may have text that exists at the base of a page that is 256 Chars maximum in length. Use for credits, copyright details. It is not shown within VV1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bounds around a pane that is shown when a mouse pointer is hovering above it. Its color may be changed via the Properties dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move images between panes but not their properties, such as texts and labels for example.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane may have a unique label, which also appears as the mouse pointer hovers above a pane. It may be 99 Chars maximum in length, though truncation occurs on-screen well before this value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Mouse Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Left Mouse Button to select a pane or choose from other screen options. For example, a selected pane will enable available menu choices from the Pane menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make As Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An image is deleted and the board section becomes a blank checkerboard. Associated materials are not deleted (ie, Texts).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load many images at once, as type *.bmp, *.gif or *.jpg. For an image to be considered part of a sequence, use the following numbering conventions. Nb: 999 is the maximum amount of images that may be loaded using this method. For example : Scene01.jpg, Scene1.jpg, Scene213.jpg or Scene001.jpg.<byte value="xd"/>
Once a break in a sequence is encountered, the Mass Image Import halts and returns the results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line that is shown when a mouse is being used to drag a pane to a new location. Its color may be changed via the Properties dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move between boards either by use of the Back or Forward icon arrows or via the board list. Locate the top right of the screen, and choose any number from the available list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate one board forward.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a new project into Vistavel as an VV1 file. Select Open Project from the File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pane is a rectangular shape that may have a picture attached. It may be resized when using Change Project or moved between screen sections when dragging with the mouse. Panes can have texts applied and be re-orientated vertically or horizontally. See Properties - Panes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every pane in a project is listed and numbered. Clicking any will return the board and pane. Upon selection, its associated text property may be edited below and swapped back again as new text. Or choose the right mouse button when selecting in a pane list for more options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load any picture which may be of *.bmp, *.gif or *.jpg type. Pictures are saved out in the *.bmp format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties - Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Move Highlight, Title and Footer Text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties - Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Global Highlight, Label and URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all texts in the pane list. Right Mouse Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Mouse Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Right Mouse Button to view the popup menu. Use this upon a selected pane on screen or in a list to enable available menu choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a project as an VV1 project file. Choose Save Project As from the File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Pane is selected by clicking on it directly with the left mouse button or by choosing from the pane list. When a Pane has been selected, numerous options become available. Choose the right mouse button or use the top menu, Panes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the current pane text with the contents of the Edit Text Window. Button or Right Mouse Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A board may have a title that is 99 Chars maximum in length. It is not shown within VV1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane may have a unique URL. URLs usually require http://. It may be 999 Chars maximum. It is not shown within VV1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel exports projects as connected html pages, ready for use with the internet. It also converts pane images into compressed Jpgs. The output results scaled Vistavel webpages that are centered and suitable for the most popular display formats. See Also : Scale Panes For </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before any Vistavel may be exported as html it must first have a path and filename set to write to. Click the Path button, type in a file name and click the Save button. Now choose the Accept button on the Export tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane Grid Html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may change the pane grid layout by selecting either 2 x 2, 3 x 3, 4 x 4 or 5 x 5. This will not affect your Vistavel settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels Dock With Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated pane label is written and visible with the html pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels Show As ALT Tag Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated pane label is written and visible on a mouse-over ToolTip event with the html pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Every Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated pane number is written and visible with the html pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Border On Panes With URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated pane border is written and visible with the html pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Board Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the top of each html document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Footer Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the base of each html document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Panes For</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Create Html Code</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The information used when a project is converted into html code. Choose filename and path via the Path button. Click checkboxes for output options. Choose the Close button to cancel export. Choose the Accept button to enact export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The actual html code which may be modified by hand, or used with any text editor / html editor. See also : Auto-Create html code.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::ListEntries</name>
    <message>
        <source>Board %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::NamedColour</name>
    <message>
        <source>Blue - Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue - Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::PageGenerator</name>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture to encode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::PictureImport</name>
    <message>
        <source>%1: cannot replace the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I couldn&apos;t find any compatible images.
Choose images with number patterns such as : 
Image01.bmp, Image1.gif, Image214.jpg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I found only 1 compatible image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I found %1 compatible images.
Truncation where current project specifies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
I stopped at a picture I could not use: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::ProjectChange</name>
    <message>
        <source>Board Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::ProjectFile</name>
    <message>
        <source>It does not start with the pane total, the board count and the grid size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its grid size %1 is not one of 2 to 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its board count %1 is not one of 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is far too large to be a project file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::ProjectSetup</name>
    <message>
        <source>Max %1 boards x %2 panes = %3 panes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::StageAccessibility</name>
    <message>
        <source>Pane %1, blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flipped horizontally and vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flipped horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flipped vertically</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::WorkFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is not one of yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a work folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures and words, board by board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmAddNew</name>
    <message>
        <source>Board Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panes of every board, across and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many boards the project has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One board more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One board less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> info view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boards :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard all items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep existing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmCloseUp</name>
    <message>
        <source>CloseUp : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmHTML</name>
    <message>
        <source>Html Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export and preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the folder the pages are written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale panes for : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels dock with panes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels show as ALT tag property.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number every pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show border on panes with URLs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show board title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show footer text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane Grid :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-create html code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project (as html) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled.htm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not write the web page %1; no pictures were converted.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting pictures ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load bmp.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmHelp</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> info</source>
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
    <name>editor::frmMain</name>
    <message>
        <source>Vistavel 1 : 2002 Edition - [Quorvane]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Start-up Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not create a folder for my working files; Please check that you can write to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panes of the board on show. Arrow keys choose a pane, Ctrl+Shift with an arrow swaps it with its neighbour, Enter opens its close-up and the Menu key its menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate last Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate next Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board on show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every pane of the project with its text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the selected pane the text in the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Project ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass Image Import ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Html ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closeup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Resize Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I experienced an error whilst trying to resize; Please reset Vistavel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not open the user guide %1 in a web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Copy Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Paste Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I couldn&apos;t read this pane&apos;s picture, so the clipboard stays as it was:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture on the clipboard, so the pane stays as it was:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Pictures Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed pictures of this project on disk since I prepared them. The panes keep the pictures they show, and I will not read the changed files again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Board Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not prepare the pictures of these panes at the new size, so they are blank now: %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a pane first, on the stage or in the pane list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : CloseUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not open the picture %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not flip the picture of pane %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing pictures ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Load Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Picture ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I couldn&apos;t read this picture, so the pane stays as it was:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I couldn&apos;t read these files as pictures, so their panes stay as they were:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Project ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not load the project %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading pictures ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not find or read 1 picture of the project; its pane is blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not find or read %1 pictures of the project; their panes are blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These panes name a picture that cannot be a file in the picture folder, so they are blank: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled.vv1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VV1 : Save Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These panes were saved without their picture, which I could no longer find or read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I could not write these files of the project:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Recent Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project %1 is no longer there, so I took it off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its %2 panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

This copy is incomplete: %1 are missing. What is missing comes back blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An editor that ended on %1 left changes that were never saved: %2, with %3 and %4.

Recover opens them; Later keeps them for the next start; Discard deletes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vistavel : Recover</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmMsgBox</name>
    <message>
        <source>VV1 : Operation Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes swap images independent of pane  properties. Click OK to proceed with this operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show me again this session. Ta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmOptions</name>
    <message>
        <source>Options :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer Text :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web address the pane links to, after http://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the frame around a pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour of the line a drag draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmPaper</name>
    <message>
        <source>First board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pane a row, words beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 panes a row, words beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 panes a row, words beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panes on a page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows its number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows its label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows its text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows its web address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmPlay</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editor::frmVideo</name>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export As Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pane shows for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time to read its words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show blank panes as a pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the pictures&apos; proportions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label and text under the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 (H.264, AAC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebM (VP9, Opus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles in the video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles in an .srt file beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds for every pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes board 1 of the project INPUT as a PNG file OUTPUT of at most SIZE pixels, for file managers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
