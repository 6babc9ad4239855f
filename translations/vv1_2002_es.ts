<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PaneImage</name>
    <message>
        <source>cannot replace the file</source>
        <translation>no se puede sustituir el archivo</translation>
    </message>
    <message>
        <source>changed on disk since the pane&apos;s picture was made</source>
        <translation>cambió en el disco desde que se preparó la imagen de la viñeta</translation>
    </message>
</context>
<context>
    <name>PaperCommands</name>
    <message>
        <source>Vistavel : PDF Export</source>
        <translation>Vistavel : Exportar PDF</translation>
    </message>
    <message>
        <source>Vistavel : Print</source>
        <translation>Vistavel : Imprimir</translation>
    </message>
    <message>
        <source>Drawing the pages ...</source>
        <translation>Dibujando las páginas ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Page %1 of %2 ...</source>
        <translation>Página %1 de %2 ...</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>la impresora</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Exportar como PDF ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>I could not write the PDF file %1.
%2</source>
        <translation>No pude escribir el archivo PDF %1.
%2</translation>
    </message>
    <message>
        <source>I could not print to %1.
The printer is not available.</source>
        <translation>No pude imprimir en %1.
La impresora no está disponible.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>I could not print to %1.
%2</source>
        <translation>No pude imprimir en %1.
%2</translation>
    </message>
    <message>
        <source>the pages could not be started</source>
        <translation>no se pudieron empezar las páginas</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>no se pudo empezar una página nueva</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>no se pudieron terminar las páginas</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>There is no picture to take.</source>
        <translation>No hay ninguna imagen que tomar.</translation>
    </message>
    <message>
        <source>The HEIF picture cannot be read: %1.</source>
        <translation>No se puede leer la imagen HEIF: %1.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The HEIF picture holds no pixels.</source>
        <translation>La imagen HEIF no contiene píxeles.</translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 million I can read.</source>
        <translation>La imagen declara %1 x %2 píxeles, más que los %3 millones que puedo leer.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
</context>
<context>
    <name>Soundtrack</name>
    <message>
        <source>The file holds no sound.</source>
        <translation>El archivo no contiene sonido.</translation>
    </message>
    <message>
        <source>The sound cannot be converted.</source>
        <translation>No se puede convertir el sonido.</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>The encoder %1 is missing.</source>
        <translation>Falta el codificador %1.</translation>
    </message>
    <message>
        <source>The video encoder did not start.</source>
        <translation>El codificador de vídeo no arrancó.</translation>
    </message>
    <message>
        <source>The sound encoder is missing.</source>
        <translation>Falta el codificador de sonido.</translation>
    </message>
    <message>
        <source>The sound encoder did not start.</source>
        <translation>El codificador de sonido no arrancó.</translation>
    </message>
    <message>
        <source>The subtitle encoder is missing.</source>
        <translation>Falta el codificador de subtítulos.</translation>
    </message>
    <message>
        <source>The subtitle encoder did not start.</source>
        <translation>El codificador de subtítulos no arrancó.</translation>
    </message>
    <message>
        <source>The encoders did not start.</source>
        <translation>Los codificadores no arrancaron.</translation>
    </message>
    <message>
        <source>The file&apos;s header failed.</source>
        <translation>Falló la cabecera del archivo.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>Falló la escritura del archivo.</translation>
    </message>
    <message>
        <source>Encoding failed.</source>
        <translation>Falló la codificación.</translation>
    </message>
    <message>
        <source>Encoding a subtitle failed.</source>
        <translation>Falló la codificación de un subtítulo.</translation>
    </message>
    <message>
        <source>Ending the file failed.</source>
        <translation>Falló el cierre del archivo.</translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>Vistavel : Video Export</source>
        <translation>Vistavel : Exportar vídeo</translation>
    </message>
    <message>
        <source>Writing the video ...</source>
        <translation>Escribiendo el vídeo ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pane %1 of %2 ...</source>
        <translation>Viñeta %1 de %2 ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Exportar como vídeo ...</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>WebM video (*.webm)</source>
        <translation>Vídeo WebM (*.webm)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>I could not write the video file %1.
%2</source>
        <translation>No pude escribir el archivo de vídeo %1.
%2</translation>
    </message>
    <message>
        <source>No pane is chosen to show.</source>
        <translation>No se eligió ninguna viñeta para mostrar.</translation>
    </message>
    <message>
        <source>The soundtrack %1 cannot be read: %2</source>
        <translation>No se puede leer la banda sonora %1: %2</translation>
    </message>
    <message>
        <source>The subtitles %1: %2</source>
        <translation>Los subtítulos %1: %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>I did not write %1: it lies in %2, where the editor keeps its working files and which it deletes when it ends.
Please choose a folder of your own, such as your documents folder %3.</source>
        <translation>No escribí %1: está en %2, donde el editor guarda sus archivos de trabajo y que borra al cerrarse.
Elija una carpeta propia, por ejemplo su carpeta de documentos %3.</translation>
    </message>
</context>
<context>
    <name>editor::FileNameList</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
</context>
<context>
    <name>editor::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition, a storyboard editor by Quorvane. This application is a pre-process tool which allows for concepts to be generated quickly in the visual context using images and words to convey meaning.</source>
        <translation>Vistavel 1 : 2002 Edition, un editor de guiones gráficos de Quorvane. Esta aplicación es una herramienta de preparación que permite desarrollar conceptos con rapidez en su contexto visual, con imágenes y palabras que transmiten el sentido.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Navigate one board back. </source>
        <translation>Retroceder un tablero. </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>A board is a rectangular shape that holds panes. It may have texts applied. See Properties - Board.</source>
        <translation>Un tablero es una forma rectangular que contiene viñetas. Puede llevar textos. Véase Propiedades - Tablero.</translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation>Cambiar proyecto</translation>
    </message>
    <message>
        <source>A project may have a maximum of 1000 panes. How these panes are represented on the screen is determined by the grid - a balanced array of screen square sections. Settings include : 2x2, 3x3, 4x4 and 5x5, for a minimum of 4 panes or a maximum of 25 panes on any board. A maximum of 100 boards and a maximum of 1000 panes changes depending upon the grid you choose, upper values for either altered to suit one of the project&apos;s limitations.</source>
        <translation>Un proyecto puede tener como máximo 1000 viñetas. La cuadrícula decide cómo se muestran en pantalla: una disposición regular de secciones cuadradas. Los ajustes son : 2x2, 3x3, 4x4 y 5x5, es decir, al menos 4 y como máximo 25 viñetas por tablero. El máximo de 100 tableros y de 1000 viñetas cambia según la cuadrícula elegida, y los valores altos se ajustan a uno de los límites del proyecto.</translation>
    </message>
    <message>
        <source>Clear Item</source>
        <translation>Borrar elemento</translation>
    </message>
    <message>
        <source>Clear currently selected text in the pane list. Right Mouse Button.</source>
        <translation>Borrar el texto seleccionado en la lista de viñetas. Botón derecho del ratón.</translation>
    </message>
    <message>
        <source>CloseUp</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Show a non-corrected zoom of the current pane image in a separate window.</source>
        <translation>Mostrar una ampliación sin corregir de la imagen de la viñeta actual en una ventana aparte.</translation>
    </message>
    <message>
        <source>Edit Text Window</source>
        <translation>Cuadro de edición de texto</translation>
    </message>
    <message>
        <source>The text line which appears base-right on the screen, near the Swap button. 256 Chars maximum in length.</source>
        <translation>La línea de texto abajo a la derecha de la pantalla, junto al botón Intercambiar. 256 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close Vistavel session and application. </source>
        <translation>Cerrar la sesión de Vistavel y la aplicación. </translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip any selected pane horizontally.</source>
        <translation>Voltear horizontalmente la viñeta seleccionada.</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Flip any selected pane vertically.</source>
        <translation>Voltear verticalmente la viñeta seleccionada.</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Pie de página</translation>
    </message>
    <message>
        <source>A board may have text that exists at the base of a page that is 256 Chars maximum in length. Use for credits, copyright details. It is not shown within VV1.</source>
        <translation>Un tablero puede tener un texto al pie de la página de 256 caracteres como máximo. Para créditos y derechos de autor. No se muestra en VV1.</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Resaltado general</translation>
    </message>
    <message>
        <source>The bounds around a pane that is shown when a mouse pointer is hovering above it. Its color may be changed via the Properties dialog.</source>
        <translation>El marco alrededor de una viñeta que aparece cuando el puntero del ratón pasa por encima. Su color se cambia en el cuadro Propiedades.</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mezclar imágenes</translation>
    </message>
    <message>
        <source>Move images between panes but not their properties, such as texts and labels for example.</source>
        <translation>Mover imágenes entre viñetas, pero no sus propiedades, como los textos y las etiquetas.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Each pane may have a unique label, which also appears as the mouse pointer hovers above a pane. It may be 99 Chars maximum in length, though truncation occurs on-screen well before this value.</source>
        <translation>Cada viñeta puede tener su propia etiqueta, que también aparece cuando el puntero pasa por encima. Puede tener hasta 99 caracteres, aunque la pantalla la corta mucho antes.</translation>
    </message>
    <message>
        <source>Left Mouse Button</source>
        <translation>Botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Use the Left Mouse Button to select a pane or choose from other screen options. For example, a selected pane will enable available menu choices from the Pane menu.</source>
        <translation>El botón izquierdo del ratón selecciona una viñeta u otras opciones de la pantalla. Por ejemplo, una viñeta seleccionada activa las órdenes del menú Viñeta.</translation>
    </message>
    <message>
        <source>Make As Blank</source>
        <translation>Dejar en blanco</translation>
    </message>
    <message>
        <source>An image is deleted and the board section becomes a blank checkerboard. Associated materials are not deleted (ie, Texts).</source>
        <translation>Se borra una imagen y la sección del tablero pasa a ser un damero vacío. Lo asociado no se borra (p. ej., los textos).</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Importación masiva de imágenes</translation>
    </message>
    <message>
        <source>Load many images at once, as type *.bmp, *.gif or *.jpg. For an image to be considered part of a sequence, use the following numbering conventions. Nb: 999 is the maximum amount of images that may be loaded using this method. For example : Scene01.jpg, Scene1.jpg, Scene213.jpg or Scene001.jpg.<byte value="xd"/>
Once a break in a sequence is encountered, the Mass Image Import halts and returns the results.</source>
        <translation>Cargar muchas imágenes a la vez, de tipo *.bmp, *.gif o *.jpg. Para que una imagen forme parte de una secuencia, numere los archivos así. Nota: con este método se cargan como máximo 999 imágenes. Por ejemplo : Scene01.jpg, Scene1.jpg, Scene213.jpg o Scene001.jpg.<byte value="xd"/>
En cuanto la secuencia se interrumpe, la importación masiva se detiene y da el resultado.</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Resaltado de movimiento</translation>
    </message>
    <message>
        <source>The line that is shown when a mouse is being used to drag a pane to a new location. Its color may be changed via the Properties dialog.</source>
        <translation>La línea que aparece cuando el ratón arrastra una viñeta a un lugar nuevo. Su color se cambia en el cuadro Propiedades.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Move between boards either by use of the Back or Forward icon arrows or via the board list. Locate the top right of the screen, and choose any number from the available list.</source>
        <translation>Pase de un tablero a otro con las flechas Atrás y Siguiente o con la lista de tableros, arriba a la derecha de la pantalla, donde elige un número.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Navigate one board forward.</source>
        <translation>Avanzar un tablero.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Load a new project into Vistavel as an VV1 file. Select Open Project from the File menu.</source>
        <translation>Cargar un proyecto nuevo en Vistavel como archivo VV1. Elija Abrir proyecto en el menú Archivo.</translation>
    </message>
    <message>
        <source>Pane</source>
        <translation>Viñeta</translation>
    </message>
    <message>
        <source>A pane is a rectangular shape that may have a picture attached. It may be resized when using Change Project or moved between screen sections when dragging with the mouse. Panes can have texts applied and be re-orientated vertically or horizontally. See Properties - Panes.</source>
        <translation>Una viñeta es una forma rectangular que puede llevar una imagen. Su tamaño cambia con Cambiar proyecto y el ratón la arrastra entre las secciones de la pantalla. Las viñetas pueden llevar textos y voltearse vertical u horizontalmente. Véase Propiedades - Viñetas.</translation>
    </message>
    <message>
        <source>Pane List</source>
        <translation>Lista de viñetas</translation>
    </message>
    <message>
        <source>Every pane in a project is listed and numbered. Clicking any will return the board and pane. Upon selection, its associated text property may be edited below and swapped back again as new text. Or choose the right mouse button when selecting in a pane list for more options.</source>
        <translation>Cada viñeta del proyecto aparece en la lista, numerada. Un clic en una muestra su tablero y su viñeta. Una vez seleccionada, su texto se edita debajo y se intercambia como texto nuevo. El botón derecho del ratón en la lista ofrece más opciones.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Load any picture which may be of *.bmp, *.gif or *.jpg type. Pictures are saved out in the *.bmp format.</source>
        <translation>Cargar una imagen de tipo *.bmp, *.gif o *.jpg. Las imágenes se guardan en formato *.bmp.</translation>
    </message>
    <message>
        <source>Properties - Board</source>
        <translation>Propiedades - Tablero</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Move Highlight, Title and Footer Text.</source>
        <translation>Cambiar las propiedades Resaltado de movimiento, Título y Pie de página.</translation>
    </message>
    <message>
        <source>Properties - Panes</source>
        <translation>Propiedades - Viñetas</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Global Highlight, Label and URL.</source>
        <translation>Cambiar las propiedades Resaltado general, Etiqueta y URL.</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Clear all texts in the pane list. Right Mouse Button.</source>
        <translation>Borrar todos los textos de la lista de viñetas. Botón derecho del ratón.</translation>
    </message>
    <message>
        <source>Right Mouse Button</source>
        <translation>Botón derecho del ratón</translation>
    </message>
    <message>
        <source>Use the Right Mouse Button to view the popup menu. Use this upon a selected pane on screen or in a list to enable available menu choices.</source>
        <translation>El botón derecho del ratón abre el menú contextual. Sobre una viñeta seleccionada, en la pantalla o en una lista, ofrece las órdenes disponibles.</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Guardar proyecto como</translation>
    </message>
    <message>
        <source>Save a project as an VV1 project file. Choose Save Project As from the File menu.</source>
        <translation>Guardar un proyecto como archivo de proyecto VV1. Elija Guardar proyecto como en el menú Archivo.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionada</translation>
    </message>
    <message>
        <source>A Pane is selected by clicking on it directly with the left mouse button or by choosing from the pane list. When a Pane has been selected, numerous options become available. Choose the right mouse button or use the top menu, Panes.</source>
        <translation>Una viñeta se selecciona con un clic izquierdo directo o en la lista de viñetas. Con una viñeta seleccionada hay muchas opciones disponibles. Use el botón derecho del ratón o el menú Viñeta de arriba.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Intercambiar elemento</translation>
    </message>
    <message>
        <source>Replace the current pane text with the contents of the Edit Text Window. Button or Right Mouse Button.</source>
        <translation>Sustituir el texto de la viñeta actual por el contenido del cuadro de edición. Botón o botón derecho del ratón.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>A board may have a title that is 99 Chars maximum in length. It is not shown within VV1.</source>
        <translation>Un tablero puede tener un título de 99 caracteres como máximo. No se muestra en VV1.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Each pane may have a unique URL. URLs usually require http://. It may be 999 Chars maximum. It is not shown within VV1.</source>
        <translation>Cada viñeta puede tener su propia URL. Las URL suelen necesitar http://. Puede tener hasta 999 caracteres. No se muestra en VV1.</translation>
    </message>
    <message>
        <source>Export As Html</source>
        <translation>Exportar como HTML</translation>
    </message>
    <message>
        <source>Vistavel exports projects as connected html pages, ready for use with the internet. It also converts pane images into compressed Jpgs. The output results scaled Vistavel webpages that are centered and suitable for the most popular display formats. See Also : Scale Panes For </source>
        <translation>Vistavel exporta los proyectos como páginas HTML enlazadas, listas para Internet. También convierte las imágenes de las viñetas en JPG comprimidos. El resultado son páginas web de Vistavel escaladas, centradas y adecuadas para los formatos de pantalla más comunes. Véase también : Escalar viñetas para </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Before any Vistavel may be exported as html it must first have a path and filename set to write to. Click the Path button, type in a file name and click the Save button. Now choose the Accept button on the Export tab.</source>
        <translation>Antes de exportar un proyecto de Vistavel como HTML hay que darle una ruta y un nombre de archivo. Pulse el botón Ruta, escriba un nombre de archivo y pulse Guardar. Después elija el botón Aceptar de la pestaña Exportar.</translation>
    </message>
    <message>
        <source>Pane Grid Html</source>
        <translation>Cuadrícula de viñetas HTML</translation>
    </message>
    <message>
        <source>You may change the pane grid layout by selecting either 2 x 2, 3 x 3, 4 x 4 or 5 x 5. This will not affect your Vistavel settings.</source>
        <translation>Puede cambiar la cuadrícula de viñetas eligiendo 2 x 2, 3 x 3, 4 x 4 o 5 x 5. Sus ajustes de Vistavel no cambian.</translation>
    </message>
    <message>
        <source>Labels Dock With Panes</source>
        <translation>Etiquetas junto a las viñetas</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible with the html pane.</source>
        <translation>La etiqueta de la viñeta se escribe y se ve con la viñeta HTML.</translation>
    </message>
    <message>
        <source>Labels Show As ALT Tag Property</source>
        <translation>Etiquetas como atributo ALT</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible on a mouse-over ToolTip event with the html pane.</source>
        <translation>La etiqueta de la viñeta se escribe y aparece como información emergente al pasar el ratón sobre la viñeta HTML.</translation>
    </message>
    <message>
        <source>Number Every Pane</source>
        <translation>Numerar cada viñeta</translation>
    </message>
    <message>
        <source>The associated pane number is written and visible with the html pane.</source>
        <translation>El número de la viñeta se escribe y se ve con la viñeta HTML.</translation>
    </message>
    <message>
        <source>Show Border On Panes With URLs</source>
        <translation>Borde en viñetas con URL</translation>
    </message>
    <message>
        <source>The associated pane border is written and visible with the html pane.</source>
        <translation>El borde de la viñeta se escribe y se ve con la viñeta HTML.</translation>
    </message>
    <message>
        <source>Show Board Title</source>
        <translation>Mostrar el título del tablero</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the top of each html document.</source>
        <translation>El título del tablero se escribe y se ve arriba de cada documento HTML.</translation>
    </message>
    <message>
        <source>Show Footer Text</source>
        <translation>Mostrar el pie de página</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the base of each html document.</source>
        <translation>El título del tablero se escribe y se ve al pie de cada documento HTML.</translation>
    </message>
    <message>
        <source>Scale Panes For</source>
        <translation>Escalar viñetas para</translation>
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
        <translation>El resultado son páginas web de Vistavel escaladas, centradas y adecuadas para los formatos de pantalla más comunes. Los formatos fuera de este rango exigen cambiar a mano el campo Height de las imágenes. En ese caso, una vez generado el código HTML, haga lo siguiente :<byte value="xd"/>
<byte value="xd"/>
1. Desmarque Crear el código HTML automáticamente en la pestaña Exportar.<byte value="xd"/>
2. Pulse la pestaña Vista previa. <byte value="xd"/>
3. Busque el encabezado : &lt;!--Images----&gt;. <byte value="xd"/>
4. Cambie el porcentaje Height de todas las imágenes afectadas. <byte value="xd"/>
5. Repítalo para cada imagen (punto 3). <byte value="xd"/>
6. Pulse el botón Aceptar de la pestaña Exportar.</translation>
    </message>
    <message>
        <source>Auto-Create Html Code</source>
        <translation>Crear el código HTML automáticamente</translation>
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
        <translation>El código HTML se genera para cada tablero y cada viñeta de un proyecto de Vistavel. Sin embargo, la ventana Vista previa solo muestra una plantilla.  El resultado final es una aproximación escalada «lo mejor posible» según el ajuste actual del escritorio, del primer tablero al último. Para editar a mano el código existente sin sobrescribirlo con una vista previa nueva, haga lo siguiente : <byte value="xd"/>
<byte value="xd"/>
1. Asegúrese de que Crear el código HTML automáticamente está marcado. <byte value="xd"/>
2. Pulse la pestaña Vista previa para generar la salida de un proyecto. <byte value="xd"/>
3. Vuelva a la pestaña Exportar y desmarque Crear el código HTML automáticamente. <byte value="xd"/>
4. Vuelva a la pestaña Vista previa. <byte value="xd"/>
5. Haga los cambios entre la primera aparición de Titles y de Footers. <byte value="xd"/>
6. Repítalo para todos los tableros cortando y pegando. <byte value="xd"/>
7. Pulse el botón Aceptar de la pestaña Exportar. </translation>
    </message>
    <message>
        <source>Export Tab</source>
        <translation>Pestaña Exportar</translation>
    </message>
    <message>
        <source>The information used when a project is converted into html code. Choose filename and path via the Path button. Click checkboxes for output options. Choose the Close button to cancel export. Choose the Accept button to enact export.</source>
        <translation>Los datos que se usan al convertir un proyecto en código HTML. Elija el nombre de archivo y la ruta con el botón Ruta. Marque las opciones de salida. El botón Cerrar cancela la exportación. El botón Aceptar la realiza.</translation>
    </message>
    <message>
        <source>Preview Tab</source>
        <translation>Pestaña Vista previa</translation>
    </message>
    <message>
        <source>The actual html code which may be modified by hand, or used with any text editor / html editor. See also : Auto-Create html code.</source>
        <translation>El propio código HTML, que se puede modificar a mano o usar en cualquier editor de texto o HTML. Véase también : Crear el código HTML automáticamente.</translation>
    </message>
</context>
<context>
    <name>editor::ListEntries</name>
    <message>
        <source>Board %1</source>
        <translation>Tablero %1</translation>
    </message>
</context>
<context>
    <name>editor::NamedColour</name>
    <message>
        <source>Blue - Light</source>
        <translation>Azul - Claro</translation>
    </message>
    <message>
        <source>Blue - Dark</source>
        <translation>Azul - Oscuro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
</context>
<context>
    <name>editor::PageGenerator</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>no picture to encode</source>
        <translation>ninguna imagen que codificar</translation>
    </message>
</context>
<context>
    <name>editor::PictureImport</name>
    <message>
        <source>%1: cannot replace the file</source>
        <translation>%1: no se puede sustituir el archivo</translation>
    </message>
    <message>
        <source>Vistavel : Import</source>
        <translation>Vistavel : Importar</translation>
    </message>
    <message>
        <source>I couldn&apos;t find any compatible images.
Choose images with number patterns such as : 
Image01.bmp, Image1.gif, Image214.jpg</source>
        <translation>No encontré ninguna imagen compatible.
Elija imágenes numeradas como : 
Image01.bmp, Image1.gif, Image214.jpg</translation>
    </message>
    <message>
        <source>I found only 1 compatible image.</source>
        <translation>Solo encontré 1 imagen compatible.</translation>
    </message>
    <message>
        <source>I found %1 compatible images.
Truncation where current project specifies.</source>
        <translation>Encontré %1 imágenes compatibles.
Recortado donde el proyecto actual lo indica.</translation>
    </message>
    <message>
        <source>
I stopped at a picture I could not use: </source>
        <translation>
Me detuve en una imagen que no pude usar: </translation>
    </message>
    <message>
        <source>
The picture you chose could not be used: </source>
        <translation>
No se pudo usar la imagen elegida: </translation>
    </message>
</context>
<context>
    <name>editor::ProjectChange</name>
    <message>
        <source>Board Setup</source>
        <translation>Configurar tableros</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Drop Pictures</source>
        <translation>Soltar imágenes</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Dejar en blanco</translation>
    </message>
    <message>
        <source>Swap Panes</source>
        <translation>Intercambiar viñetas</translation>
    </message>
    <message>
        <source>Board Properties</source>
        <translation>Propiedades del tablero</translation>
    </message>
    <message>
        <source>Pane Properties</source>
        <translation>Propiedades de la viñeta</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Importación masiva de imágenes</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mezclar imágenes</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Soltar imagen</translation>
    </message>
</context>
<context>
    <name>editor::ProjectFile</name>
    <message>
        <source>It does not start with the pane total, the board count and the grid size.</source>
        <translation>No empieza con el total de viñetas, el número de tableros y el tamaño de la cuadrícula.</translation>
    </message>
    <message>
        <source>Its grid size %1 is not one of 2 to 5.</source>
        <translation>Su tamaño de cuadrícula %1 no está entre 2 y 5.</translation>
    </message>
    <message>
        <source>Its board count %1 is not one of 1 to %2.</source>
        <translation>Su número de tableros %1 no está entre 1 y %2.</translation>
    </message>
    <message>
        <source>It is far too large to be a project file.</source>
        <translation>Es demasiado grande para ser un archivo de proyecto.</translation>
    </message>
</context>
<context>
    <name>editor::ProjectSetup</name>
    <message>
        <source>Max %1 boards x %2 panes = %3 panes</source>
        <translation>Máx. %1 tableros x %2 viñetas = %3 viñetas</translation>
    </message>
</context>
<context>
    <name>editor::StageAccessibility</name>
    <message>
        <source>Pane %1, blank</source>
        <translation>Viñeta %1, vacía</translation>
    </message>
    <message>
        <source>Pane %1, %2</source>
        <translation>Viñeta %1, %2</translation>
    </message>
    <message>
        <source>Flipped horizontally and vertically</source>
        <translation>Volteada horizontal y verticalmente</translation>
    </message>
    <message>
        <source>Flipped horizontally</source>
        <translation>Volteada horizontalmente</translation>
    </message>
    <message>
        <source>Flipped vertically</source>
        <translation>Volteada verticalmente</translation>
    </message>
</context>
<context>
    <name>editor::WorkFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 is not one of yours.</source>
        <translation>La carpeta %1 no es suya.</translation>
    </message>
    <message>
        <source>Cannot create a work folder in %1.</source>
        <translation>No se puede crear una carpeta de trabajo en %1.</translation>
    </message>
</context>
<context>
    <name>editor::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition</source>
        <translation>Vistavel 1 : 2002 Edition</translation>
    </message>
    <message>
        <source>Pictures and words, board by board.</source>
        <translation>Imágenes y palabras, tablero a tablero.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Vale</translation>
    </message>
</context>
<context>
    <name>editor::frmAddNew</name>
    <message>
        <source>Board Setup</source>
        <translation>Configurar tableros</translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Estructura :</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>The panes of every board, across and down</source>
        <translation>Las viñetas de cada tablero, a lo ancho y a lo alto</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableros</translation>
    </message>
    <message>
        <source>How many boards the project has</source>
        <translation>Cuántos tableros tiene el proyecto</translation>
    </message>
    <message>
        <source>One board more</source>
        <translation>Un tablero más</translation>
    </message>
    <message>
        <source>One board less</source>
        <translation>Un tablero menos</translation>
    </message>
    <message>
        <source> info view</source>
        <translation> vista de información</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Viñetas :</translation>
    </message>
    <message>
        <source>Boards :</source>
        <translation>Tableros :</translation>
    </message>
    <message>
        <source>Properties :</source>
        <translation>Propiedades :</translation>
    </message>
    <message>
        <source>Discard all items</source>
        <translation>Descartar todos los elementos</translation>
    </message>
    <message>
        <source>Keep existing</source>
        <translation>Conservar los existentes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
</context>
<context>
    <name>editor::frmCloseUp</name>
    <message>
        <source>CloseUp : </source>
        <translation>Primer plano : </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Vale</translation>
    </message>
</context>
<context>
    <name>editor::frmHTML</name>
    <message>
        <source>Html Export</source>
        <translation>Exportar HTML</translation>
    </message>
    <message>
        <source>Export and preview</source>
        <translation>Exportar y vista previa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>vista previa</translation>
    </message>
    <message>
        <source>Export folder</source>
        <translation>Carpeta de exportación</translation>
    </message>
    <message>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <source>Chooses the folder the pages are written to</source>
        <translation>Elige la carpeta donde se escriben las páginas</translation>
    </message>
    <message>
        <source>Scale panes for : </source>
        <translation>Escalar viñetas para : </translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Estructura :</translation>
    </message>
    <message>
        <source>Labels dock with panes.</source>
        <translation>Etiquetas junto a las viñetas.</translation>
    </message>
    <message>
        <source>Labels show as ALT tag property.</source>
        <translation>Etiquetas como atributo ALT.</translation>
    </message>
    <message>
        <source>Number every pane.</source>
        <translation>Numerar cada viñeta.</translation>
    </message>
    <message>
        <source>Show border on panes with URLs.</source>
        <translation>Borde en viñetas con URL.</translation>
    </message>
    <message>
        <source>Show board title.</source>
        <translation>Mostrar el título del tablero.</translation>
    </message>
    <message>
        <source>Show footer text.</source>
        <translation>Mostrar el pie de página.</translation>
    </message>
    <message>
        <source>Pane Grid :</source>
        <translation>Cuadrícula de viñetas :</translation>
    </message>
    <message>
        <source>Pane Grid</source>
        <translation>Cuadrícula de viñetas</translation>
    </message>
    <message>
        <source>Auto-create html code</source>
        <translation>Crear el código HTML automáticamente</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>HTML code</source>
        <translation>Código HTML</translation>
    </message>
    <message>
        <source>Save Project (as html) ...</source>
        <translation>Guardar proyecto (como HTML) ...</translation>
    </message>
    <message>
        <source>Untitled.htm</source>
        <translation>Sin título.htm</translation>
    </message>
    <message>
        <source>Vistavel : Export</source>
        <translation>Vistavel : Exportar</translation>
    </message>
    <message>
        <source>I could not write the web page %1; no pictures were converted.
%2</source>
        <translation>No pude escribir la página web %1; no se convirtió ninguna imagen.
%2</translation>
    </message>
    <message>
        <source>Converting pictures ...</source>
        <translation>Convirtiendo imágenes ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Problema al cargar</translation>
    </message>
    <message>
        <source>Could not load bmp.</source>
        <translation>No se pudo cargar el BMP.</translation>
    </message>
</context>
<context>
    <name>editor::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source> info</source>
        <translation> información</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Vale</translation>
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
        <translation>Vistavel : Error al arrancar</translation>
    </message>
    <message>
        <source>I could not create a folder for my working files; Please check that you can write to %1.
%2</source>
        <translation>No pude crear una carpeta para mis archivos de trabajo; compruebe que puede escribir en %1.
%2</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>The panes of the board on show. Arrow keys choose a pane, Ctrl+Shift with an arrow swaps it with its neighbour, Enter opens its close-up and the Menu key its menu.</source>
        <translation>Las viñetas del tablero a la vista. Las flechas eligen una viñeta, Ctrl+Mayús con una flecha la intercambia con su vecina, Intro abre su primer plano y la tecla Menú su menú.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Navigate last Board</source>
        <translation>Tablero anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Navigate next Board</source>
        <translation>Tablero siguiente</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The board on show</source>
        <translation>El tablero a la vista</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>Every pane of the project with its text</source>
        <translation>Cada viñeta del proyecto con su texto</translation>
    </message>
    <message>
        <source>Pane text</source>
        <translation>Texto de la viñeta</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>intercambiar</translation>
    </message>
    <message>
        <source>Gives the selected pane the text in the box</source>
        <translation>Da a la viñeta seleccionada el texto del cuadro</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Pane</source>
        <translation>&amp;Viñeta</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Editar lista</translation>
    </message>
    <message>
        <source>Change Project ...</source>
        <translation>Cambiar proyecto ...</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Abrir proyecto ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project As ...</source>
        <translation>Guardar proyecto como ...</translation>
    </message>
    <message>
        <source>Mass Image Import ...</source>
        <translation>Importación masiva de imágenes ...</translation>
    </message>
    <message>
        <source>Export As Html ...</source>
        <translation>Exportar como HTML ...</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Exportar como PDF ...</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Imprimir ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Exportar como vídeo ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Closeup</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Picture ...</source>
        <translation>Imagen ...</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Dejar en blanco</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mezclar imágenes</translation>
    </message>
    <message>
        <source>Properties ...</source>
        <translation>Propiedades ...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Intercambiar elemento</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Quitar elemento</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Vistavel : Resize Error</source>
        <translation>Vistavel : Error al cambiar el tamaño</translation>
    </message>
    <message>
        <source>I experienced an error whilst trying to resize; Please reset Vistavel.</source>
        <translation>Se produjo un error al cambiar el tamaño; reinicie Vistavel.</translation>
    </message>
    <message>
        <source>Vistavel : User Guide</source>
        <translation>Vistavel : Guía del usuario</translation>
    </message>
    <message>
        <source>I could not open the user guide %1 in a web browser.</source>
        <translation>No pude abrir la guía del usuario %1 en un navegador web.</translation>
    </message>
    <message>
        <source>Vistavel : Pane</source>
        <translation>Vistavel : Viñeta</translation>
    </message>
    <message>
        <source>Vistavel : Copy Picture</source>
        <translation>Vistavel : Copiar imagen</translation>
    </message>
    <message>
        <source>Vistavel : Paste Picture</source>
        <translation>Vistavel : Pegar imagen</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this pane&apos;s picture, so the clipboard stays as it was:
%1</source>
        <translation>No pude leer la imagen de esta viñeta, así que el portapapeles sigue como estaba:
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture on the clipboard, so the pane stays as it was:
%1</source>
        <translation>No pude tomar la imagen del portapapeles, así que la viñeta sigue como estaba:
%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Vistavel : Pictures Changed</source>
        <translation>Vistavel : Imágenes cambiadas</translation>
    </message>
    <message>
        <source>Another program changed pictures of this project on disk since I prepared them. The panes keep the pictures they show, and I will not read the changed files again.</source>
        <translation>Otro programa cambió en el disco imágenes de este proyecto desde que las preparé. Las viñetas conservan las imágenes que muestran y no volveré a leer los archivos cambiados.</translation>
    </message>
    <message>
        <source>Vistavel : Board Setup</source>
        <translation>Vistavel : Configurar tableros</translation>
    </message>
    <message>
        <source>I could not prepare the pictures of these panes at the new size, so they are blank now: %1.
%2</source>
        <translation>No pude preparar las imágenes de estas viñetas al nuevo tamaño, así que ahora están vacías: %1.
%2</translation>
    </message>
    <message>
        <source>Please select a pane first, on the stage or in the pane list.</source>
        <translation>Seleccione primero una viñeta, en el escenario o en la lista de viñetas.</translation>
    </message>
    <message>
        <source>Vistavel : CloseUp</source>
        <translation>Vistavel : Primer plano</translation>
    </message>
    <message>
        <source>I could not open the picture %1.
%2</source>
        <translation>No pude abrir la imagen %1.
%2</translation>
    </message>
    <message>
        <source>Vistavel : Flip</source>
        <translation>Vistavel : Voltear</translation>
    </message>
    <message>
        <source>I could not flip the picture of pane %1.
%2</source>
        <translation>No pude voltear la imagen de la viñeta %1.
%2</translation>
    </message>
    <message>
        <source>Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)</source>
        <translation>Formatos (*.Bmp *.Gif *.Jpg);;%1 (%2)</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>Importing pictures ...</source>
        <translation>Importando imágenes ...</translation>
    </message>
    <message>
        <source>Vistavel : Load Picture</source>
        <translation>Vistavel : Cargar imagen</translation>
    </message>
    <message>
        <source>Load Picture ...</source>
        <translation>Cargar imagen ...</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this picture, so the pane stays as it was:
%1</source>
        <translation>No pude leer esta imagen, así que la viñeta sigue como estaba:
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t read these files as pictures, so their panes stay as they were:
</source>
        <translation>No pude leer estos archivos como imágenes, así que sus viñetas siguen como estaban:
</translation>
    </message>
    <message>
        <source>Load Project ...</source>
        <translation>Cargar proyecto ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Problema al cargar</translation>
    </message>
    <message>
        <source>I could not load the project %1.
%2</source>
        <translation>No pude cargar el proyecto %1.
%2</translation>
    </message>
    <message>
        <source>Loading pictures ...</source>
        <translation>Cargando imágenes ...</translation>
    </message>
    <message>
        <source>I could not find or read 1 picture of the project; its pane is blank.</source>
        <translation>No pude encontrar o leer 1 imagen del proyecto; su viñeta está vacía.</translation>
    </message>
    <message>
        <source>I could not find or read %1 pictures of the project; their panes are blank.</source>
        <translation>No pude encontrar o leer %1 imágenes del proyecto; sus viñetas están vacías.</translation>
    </message>
    <message>
        <source>These panes name a picture that cannot be a file in the picture folder, so they are blank: %1.</source>
        <translation>Estas viñetas nombran una imagen que no puede ser un archivo de la carpeta de imágenes, así que están vacías: %1.</translation>
    </message>
    <message>
        <source>Save Project ...</source>
        <translation>Guardar proyecto ...</translation>
    </message>
    <message>
        <source>Untitled.vv1</source>
        <translation>Sin título.vv1</translation>
    </message>
    <message>
        <source>VV1 : Save Problem</source>
        <translation>VV1 : Problema al guardar</translation>
    </message>
    <message>
        <source>These panes were saved without their picture, which I could no longer find or read: %1.</source>
        <translation>Estas viñetas se guardaron sin su imagen, que ya no pude encontrar ni leer: %1.</translation>
    </message>
    <message>
        <source>I could not write these files of the project:
</source>
        <translation>No pude escribir estos archivos del proyecto:
</translation>
    </message>
    <message>
        <source>the new project</source>
        <translation>el proyecto nuevo</translation>
    </message>
    <message>
        <source>Vistavel : Save Changes</source>
        <translation>Vistavel : Guardar cambios</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>¿Desea guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Borrar proyectos recientes</translation>
    </message>
    <message>
        <source>Vistavel : Recent Projects</source>
        <translation>Vistavel : Proyectos recientes</translation>
    </message>
    <message>
        <source>The project %1 is no longer there, so I took it off the list.</source>
        <translation>El proyecto %1 ya no está, así que lo quité de la lista.</translation>
    </message>
    <message>
        <source>%1 of its %2 panes</source>
        <translation>%1 de sus %2 viñetas</translation>
    </message>
    <message>
        <source>%1 of its pictures</source>
        <translation>%1 de sus imágenes</translation>
    </message>
    <message>
        <source>

This copy is incomplete: %1 are missing. What is missing comes back blank.</source>
        <translation>

Esta copia está incompleta: faltan %1. Lo que falta vuelve vacío.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>a new project</source>
        <translation>un proyecto nuevo</translation>
    </message>
    <message>
        <source>the project %1</source>
        <translation>el proyecto %1</translation>
    </message>
    <message>
        <source>An editor that ended on %1 left changes that were never saved: %2, with %3 and %4.

Recover opens them; Later keeps them for the next start; Discard deletes them.</source>
        <translation>Un editor que terminó el %1 dejó cambios que nunca se guardaron: %2, con %3 y %4.

Recuperar los abre; Más tarde los guarda para el próximo arranque; Descartar los borra.</translation>
    </message>
    <message>
        <source>1 board</source>
        <translation>1 tablero</translation>
    </message>
    <message>
        <source>%1 boards</source>
        <translation>%1 tableros</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <source>Vistavel : Recover</source>
        <translation>Vistavel : Recuperar</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture from %1, so the pane stays as it was:
%2</source>
        <translation>No pude tomar la imagen de %1, así que la viñeta queda como estaba:
%2</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture dragged here, so the pane stays as it was:
%1</source>
        <translation>No pude tomar la imagen arrastrada aquí, así que la viñeta queda como estaba:
%1</translation>
    </message>
    <message>
        <source>Fetching the picture from %1 ...</source>
        <translation>Obteniendo la imagen de %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the pictures of the new layout: they need about %1 MB in %2, and %3 MB are free.
Nothing was changed. Free some space and try again.</source>
        <translation>No hay espacio libre suficiente en el disco para las imágenes de la nueva disposición: necesitan unos %1 MB en %2 y hay %3 MB libres.
No se ha cambiado nada. Libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The project is saved as %1, in place of the earlier version, but the disk reported an error while making the change safe, so it may not survive a power cut. Save it again, or to another disk, to be sure.</source>
        <translation>El proyecto está guardado como %1, en lugar de la versión anterior, pero el disco informó de un error al asegurar el cambio, así que podría no sobrevivir a un corte de luz. Guárdelo de nuevo, o en otro disco, para estar seguro.</translation>
    </message>
    <message>
        <source>Vistavel : Drop Picture</source>
        <translation>Vistavel : Soltar imagen</translation>
    </message>
</context>
<context>
    <name>editor::frmMsgBox</name>
    <message>
        <source>VV1 : Operation Notice</source>
        <translation>VV1 : Aviso</translation>
    </message>
    <message>
        <source>Panes swap images independent of pane  properties. Click OK to proceed with this operation.</source>
        <translation>Las viñetas intercambian imágenes con independencia de sus  propiedades. Pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Don&apos;t show me again this session. Ta.</source>
        <translation>No volver a mostrar en esta sesión. Gracias.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>editor::frmOptions</name>
    <message>
        <source>Options :</source>
        <translation>Opciones :</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Viñetas :</translation>
    </message>
    <message>
        <source>URL :</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>Label :</source>
        <translation>Etiqueta :</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Resaltado general</translation>
    </message>
    <message>
        <source>Board :</source>
        <translation>Tablero :</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Título :</translation>
    </message>
    <message>
        <source>Footer Text :</source>
        <translation>Pie de página :</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Resaltado de movimiento</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>The web address the pane links to, after http://</source>
        <translation>La dirección web a la que enlaza la viñeta, tras http://</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Pie de página</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>The colour of the frame around a pane</source>
        <translation>El color del marco alrededor de una viñeta</translation>
    </message>
    <message>
        <source>The colour of the line a drag draws</source>
        <translation>El color de la línea al arrastrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>editor::frmPaper</name>
    <message>
        <source>First board</source>
        <translation>Primer tablero</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Último tablero</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>The board&apos;s grid</source>
        <translation>La cuadrícula del tablero</translation>
    </message>
    <message>
        <source>1 pane a row, words beside</source>
        <translation>1 viñeta por fila, texto al lado</translation>
    </message>
    <message>
        <source>2 panes a row, words beside</source>
        <translation>2 viñetas por fila, texto al lado</translation>
    </message>
    <message>
        <source>3 panes a row, words beside</source>
        <translation>3 viñetas por fila, texto al lado</translation>
    </message>
    <message>
        <source>Panes on a page</source>
        <translation>Viñetas por página</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Each pane shows</source>
        <translation>Cada viñeta muestra</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableros</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Preview ...</source>
        <translation>Vista previa ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exportar ...</translation>
    </message>
    <message>
        <source>Each pane shows its number</source>
        <translation>Cada viñeta muestra su número</translation>
    </message>
    <message>
        <source>Each pane shows its label</source>
        <translation>Cada viñeta muestra su etiqueta</translation>
    </message>
    <message>
        <source>Each pane shows its text</source>
        <translation>Cada viñeta muestra su texto</translation>
    </message>
    <message>
        <source>Each pane shows its web address</source>
        <translation>Cada viñeta muestra su dirección web</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Mejor ajuste</translation>
    </message>
    <message>
        <source>Notes in full below the board</source>
        <translation>Notas completas bajo el tablero</translation>
    </message>
    <message>
        <source>Continuous rows: boards share pages</source>
        <translation>Filas continuas: los tableros comparten páginas</translation>
    </message>
    <message>
        <source>Continuous rows</source>
        <translation>Filas continuas</translation>
    </message>
    <message>
        <source>Keep each picture&apos;s proportions</source>
        <translation>Mantener las proporciones de cada imagen</translation>
    </message>
    <message>
        <source>Each note is printed whole in a list under its board.</source>
        <translation>Cada nota se imprime completa en una lista bajo su tablero.</translation>
    </message>
    <message>
        <source>A note shows at most 1 line; the rest is cut.</source>
        <translation>Una nota muestra como mucho 1 línea; el resto se corta.</translation>
    </message>
    <message>
        <source>A note shows at most %1 lines; the rest is cut.</source>
        <translation>Una nota muestra como mucho %1 líneas; el resto se corta.</translation>
    </message>
</context>
<context>
    <name>editor::frmPaperPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Página mostrada</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Imprimir ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>editor::frmPlay</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
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
        <translation>Exportar como vídeo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Each pane shows for</source>
        <translation>Cada viñeta dura</translation>
    </message>
    <message>
        <source>The same time</source>
        <translation>El mismo tiempo</translation>
    </message>
    <message>
        <source>The time to read its words</source>
        <translation>El tiempo de leer su texto</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> palabras por minuto</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Como mínimo</translation>
    </message>
    <message>
        <source>Show blank panes as a pause</source>
        <translation>Mostrar las viñetas vacías como pausa</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; proportions</source>
        <translation>Conservar las proporciones de las imágenes</translation>
    </message>
    <message>
        <source>Label and text under the picture</source>
        <translation>Etiqueta y texto bajo la imagen</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 fotogramas por segundo</translation>
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
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Elegir ...</translation>
    </message>
    <message>
        <source>Subtitles in the video</source>
        <translation>Subtítulos en el vídeo</translation>
    </message>
    <message>
        <source>Subtitles in an .srt file beside it</source>
        <translation>Subtítulos en un archivo .srt al lado</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exportar ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>First board</source>
        <translation>Primer tablero</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Último tablero</translation>
    </message>
    <message>
        <source>Seconds for every pane</source>
        <translation>Segundos por viñeta</translation>
    </message>
    <message>
        <source>Reading pace</source>
        <translation>Ritmo de lectura</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Tiempo mínimo</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Tamaño del fotograma</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Banda sonora</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableros</translation>
    </message>
    <message>
        <source>Sound (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;All files (*)</source>
        <translation>Sonido (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes board 1 of the project INPUT as a PNG file OUTPUT of at most SIZE pixels, for file managers.</source>
        <translation>Escribe el tablero 1 del proyecto INPUT como archivo PNG OUTPUT de SIZE píxeles como máximo, para los gestores de archivos.</translation>
    </message>
</context>
<context>
    <name>platform::PictureDownload</name>
    <message>
        <source>It took longer than %1 seconds.</source>
        <translation>Tardó más de %1 segundos.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>El servidor no envió nada durante %1 segundos.</translation>
    </message>
    <message>
        <source>Only web addresses (http and https) are fetched.</source>
        <translation>Solo se obtienen direcciones web (http y https).</translation>
    </message>
    <message>
        <source>The server sent it on to %1, which is no web address.</source>
        <translation>El servidor lo redirigió a %1, que no es una dirección web.</translation>
    </message>
    <message>
        <source>The server sent it on more than %1 times.</source>
        <translation>El servidor lo redirigió más de %1 veces.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Es mayor de %1 MB.</translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation>El servidor no envió nada.</translation>
    </message>
    <message>
        <source>What the server sent is not a picture.</source>
        <translation>Lo que envió el servidor no es una imagen.</translation>
    </message>
</context>
</TS>
