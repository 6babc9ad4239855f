#include "editor/ui/helptopics.h"

#include <QCoreApplication>

#include <algorithm>

namespace editor {

QList<HelpTopic> helpTopics() {
    return {
        {QCoreApplication::translate("editor::HelpTopics", "About"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Vistavel 1 : 2002 Edition, a storyboard editor by Quorvane. This application is"
             " a pre-process tool which allows for concepts to be generated quickly in the"
             " visual context using images and words to convey meaning.")},
        {QCoreApplication::translate("editor::HelpTopics", "Back"),
         QCoreApplication::translate("editor::HelpTopics", "Navigate one board back. ")},
        {QCoreApplication::translate("editor::HelpTopics", "Board"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A board is a rectangular shape that holds panes. It may have texts applied. See"
             " Properties - Board.")},
        {QCoreApplication::translate("editor::HelpTopics", "Change Project"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A project may have a maximum of 1000 panes. How these panes are represented on"
             " the screen is determined by the grid - a balanced array of screen square"
             " sections. Settings include : 2x2, 3x3, 4x4 and 5x5, for a minimum of 4 panes"
             " or a maximum of 25 panes on any board. A maximum of 100 boards and a maximum"
             " of 1000 panes changes depending upon the grid you choose, upper values for"
             " either altered to suit one of the project's limitations.")},
        {QCoreApplication::translate("editor::HelpTopics", "Clear Item"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Clear currently selected text in the pane list. Right Mouse Button.")},
        {QCoreApplication::translate("editor::HelpTopics", "CloseUp"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Show a non-corrected zoom of the current pane image in a separate window.")},
        {QCoreApplication::translate("editor::HelpTopics", "Edit Text Window"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The text line which appears base-right on the screen, near the Swap button. 256"
             " Chars maximum in length.")},
        {QCoreApplication::translate("editor::HelpTopics", "Exit"),
         QCoreApplication::translate("editor::HelpTopics",
                                     "Close Vistavel session and application. ")},
        {QCoreApplication::translate("editor::HelpTopics", "Flip Horizontally"),
         QCoreApplication::translate("editor::HelpTopics", "Flip any selected pane horizontally.")},
        {QCoreApplication::translate("editor::HelpTopics", "Flip Vertically"),
         QCoreApplication::translate("editor::HelpTopics", "Flip any selected pane vertically.")},
        {QCoreApplication::translate("editor::HelpTopics", "Footer Text"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A board may have text that exists at the base of a page that is 256 Chars"
             " maximum in length. Use for credits, copyright details. It is not shown within"
             " VV1.")},
        {QCoreApplication::translate("editor::HelpTopics", "Global Highlight"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The bounds around a pane that is shown when a mouse pointer is hovering above"
             " it. Its color may be changed via the Properties dialog.")},
        {QCoreApplication::translate("editor::HelpTopics", "Image Shuffle"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Move images between panes but not their properties, such as texts and labels"
             " for example.")},
        {QCoreApplication::translate("editor::HelpTopics", "Label"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Each pane may have a unique label, which also appears as the mouse pointer"
             " hovers above a pane. It may be 99 Chars maximum in length, though truncation"
             " occurs on-screen well before this value.")},
        {QCoreApplication::translate("editor::HelpTopics", "Left Mouse Button"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Use the Left Mouse Button to select a pane or choose from other screen options."
             " For example, a selected pane will enable available menu choices from the Pane"
             " menu.")},
        {QCoreApplication::translate("editor::HelpTopics", "Make As Blank"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "An image is deleted and the board section becomes a blank checkerboard."
             " Associated materials are not deleted (ie, Texts).")},
        {QCoreApplication::translate("editor::HelpTopics", "Mass Image Import"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Load many images at once, as type *.bmp, *.gif or *.jpg. For an image to be"
             " considered part of a sequence, use the following numbering conventions. Nb:"
             " 999 is the maximum amount of images that may be loaded using this method. For"
             " example : Scene01.jpg, Scene1.jpg, Scene213.jpg or Scene001.jpg.\r\nOnce a"
             " break in a sequence is encountered, the Mass Image Import halts and returns"
             " the results.")},
        {QCoreApplication::translate("editor::HelpTopics", "Move Highlight"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The line that is shown when a mouse is being used to drag a pane to a new"
             " location. Its color may be changed via the Properties dialog.")},
        {QCoreApplication::translate("editor::HelpTopics", "Navigation"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Move between boards either by use of the Back or Forward icon arrows or via the"
             " board list. Locate the top right of the screen, and choose any number from the"
             " available list.")},
        {QCoreApplication::translate("editor::HelpTopics", "Next"),
         QCoreApplication::translate("editor::HelpTopics", "Navigate one board forward.")},
        {QCoreApplication::translate("editor::HelpTopics", "Open Project"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Load a new project into Vistavel as an VV1 file. Select Open Project from the"
             " File menu.")},
        {QCoreApplication::translate("editor::HelpTopics", "Pane"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A pane is a rectangular shape that may have a picture attached. It may be"
             " resized when using Change Project or moved between screen sections when"
             " dragging with the mouse. Panes can have texts applied and be re-orientated"
             " vertically or horizontally. See Properties - Panes.")},
        {QCoreApplication::translate("editor::HelpTopics", "Pane List"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Every pane in a project is listed and numbered. Clicking any will return the"
             " board and pane. Upon selection, its associated text property may be edited"
             " below and swapped back again as new text. Or choose the right mouse button"
             " when selecting in a pane list for more options.")},
        {QCoreApplication::translate("editor::HelpTopics", "Picture"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Load any picture which may be of *.bmp, *.gif or *.jpg type. Pictures are saved"
             " out in the *.bmp format.")},
        {QCoreApplication::translate("editor::HelpTopics", "Properties - Board"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Change associated pane properties on elements Move Highlight, Title and Footer"
             " Text.")},
        {QCoreApplication::translate("editor::HelpTopics", "Properties - Panes"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Change associated pane properties on elements Global Highlight, Label and URL.")},
        {QCoreApplication::translate("editor::HelpTopics", "Remove All"),
         QCoreApplication::translate("editor::HelpTopics",
                                     "Clear all texts in the pane list. Right Mouse Button.")},
        {QCoreApplication::translate("editor::HelpTopics", "Right Mouse Button"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Use the Right Mouse Button to view the popup menu. Use this upon a selected"
             " pane on screen or in a list to enable available menu choices.")},
        {QCoreApplication::translate("editor::HelpTopics", "Save Project As"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Save a project as an VV1 project file. Choose Save Project As from the File"
             " menu.")},
        {QCoreApplication::translate("editor::HelpTopics", "Selected"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A Pane is selected by clicking on it directly with the left mouse button or by"
             " choosing from the pane list. When a Pane has been selected, numerous options"
             " become available. Choose the right mouse button or use the top menu, Panes.")},
        {QCoreApplication::translate("editor::HelpTopics", "Swap Item"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Replace the current pane text with the contents of the Edit Text Window. Button"
             " or Right Mouse Button.")},
        {QCoreApplication::translate("editor::HelpTopics", "Title"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "A board may have a title that is 99 Chars maximum in length. It is not shown"
             " within VV1.")},
        {QCoreApplication::translate("editor::HelpTopics", "URL"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Each pane may have a unique URL. URLs usually require http://. It may be 999"
             " Chars maximum. It is not shown within VV1.")},
        {QCoreApplication::translate("editor::HelpTopics", "Export As Html"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Vistavel exports projects as connected html pages, ready for use with the"
             " internet. It also converts pane images into compressed Jpgs. The output"
             " results scaled Vistavel webpages that are centered and suitable for the most"
             " popular display formats. See Also : Scale Panes For ")},
        {QCoreApplication::translate("editor::HelpTopics", "Path"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Before any Vistavel may be exported as html it must first have a path and"
             " filename set to write to. Click the Path button, type in a file name and click"
             " the Save button. Now choose the Accept button on the Export tab.")},
        {QCoreApplication::translate("editor::HelpTopics", "Pane Grid Html"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "You may change the pane grid layout by selecting either 2 x 2, 3 x 3, 4 x 4 or"
             " 5 x 5. This will not affect your Vistavel settings.")},
        {QCoreApplication::translate("editor::HelpTopics", "Labels Dock With Panes"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated pane label is written and visible with the html pane.")},
        {QCoreApplication::translate("editor::HelpTopics", "Labels Show As ALT Tag Property"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated pane label is written and visible on a mouse-over ToolTip event"
             " with the html pane.")},
        {QCoreApplication::translate("editor::HelpTopics", "Number Every Pane"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated pane number is written and visible with the html pane.")},
        {QCoreApplication::translate("editor::HelpTopics", "Show Border On Panes With URLs"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated pane border is written and visible with the html pane.")},
        {QCoreApplication::translate("editor::HelpTopics", "Show Board Title"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated board title is written and visible at the top of each html"
             " document.")},
        {QCoreApplication::translate("editor::HelpTopics", "Show Footer Text"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The associated board title is written and visible at the base of each html"
             " document.")},
        {QCoreApplication::translate("editor::HelpTopics", "Scale Panes For"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The output makes scaled Vistavel webpages that are centered and suitable for"
             " the most popular display formats. Formats outside this range will require"
             " manual changing of the image Height field. In this event, after generating the"
             " html code, do the following :\r\n\r\n1. Uncheck the Auto-create checkbox on"
             " the Export tab.\r\n2. Click the Preview tab. \r\n3. Locate the heading :"
             " <!--Images---->. \r\n4. Change the Height % of all affected Images. \r\n5."
             " ReDo for all Image instances (point 3). \r\n6. Click the Accept button on the"
             " Export tab.")},
        {QCoreApplication::translate("editor::HelpTopics", "Auto-Create Html Code"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "Html code is constructed for every board and pane in a single Vistavel project."
             " In the Preview window however only a template is visible.  The final output is"
             " a \"best-fit\" scaled approximation depending the current desktop setting,"
             " from the first board to the last. To manually edit the existing code without"
             " overwriting on a new preview, do the following : \r\n\r\n1. Ensure Auto-create"
             " checkbox is ticked. \r\n2. Click Preview tab to instance a single project"
             " output. \r\n3. Return to the Export tab and uncheck the Auto-create checkbox."
             " \r\n4. Return to the Preview tab. \r\n5. Make changes between the first"
             " instance of Titles and Footers. \r\n6. Repeat for all boards using cut and"
             " paste. \r\n7. Click the Accept button on the Export tab. ")},
        {QCoreApplication::translate("editor::HelpTopics", "Export Tab"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The information used when a project is converted into html code. Choose"
             " filename and path via the Path button. Click checkboxes for output options."
             " Choose the Close button to cancel export. Choose the Accept button to enact"
             " export.")},
        {QCoreApplication::translate("editor::HelpTopics", "Preview Tab"),
         QCoreApplication::translate(
             "editor::HelpTopics",
             "The actual html code which may be modified by hand, or used with any text"
             " editor / html editor. See also : Auto-Create html code.")},
    };
}

QStringList helpTopicNamesSorted() {
    QStringList names;
    for (const HelpTopic& topic : helpTopics())
        names << topic.name;
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace editor
