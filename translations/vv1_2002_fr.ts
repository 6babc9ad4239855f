<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PaneImage</name>
    <message>
        <source>cannot replace the file</source>
        <translation>impossible de remplacer le fichier</translation>
    </message>
    <message>
        <source>changed on disk since the pane&apos;s picture was made</source>
        <translation>modifié sur le disque depuis la préparation de l&apos;image du panneau</translation>
    </message>
</context>
<context>
    <name>PaperCommands</name>
    <message>
        <source>Vistavel : PDF Export</source>
        <translation>Vistavel : Export PDF</translation>
    </message>
    <message>
        <source>Vistavel : Print</source>
        <translation>Vistavel : Impression</translation>
    </message>
    <message>
        <source>Drawing the pages ...</source>
        <translation>Dessin des pages ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Page %1 of %2 ...</source>
        <translation>Page %1 sur %2 ...</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>l&apos;imprimante</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Exporter en PDF ...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>I could not write the PDF file %1.
%2</source>
        <translation>Je n&apos;ai pas pu écrire le fichier PDF %1.
%2</translation>
    </message>
    <message>
        <source>I could not print to %1.
The printer is not available.</source>
        <translation>Je n&apos;ai pas pu imprimer sur %1.
L&apos;imprimante n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>I could not print to %1.
%2</source>
        <translation>Je n&apos;ai pas pu imprimer sur %1.
%2</translation>
    </message>
    <message>
        <source>the pages could not be started</source>
        <translation>les pages n&apos;ont pas pu être commencées</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>une nouvelle page n&apos;a pas pu être commencée</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>les pages n&apos;ont pas pu être terminées</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>There is no picture to take.</source>
        <translation>Il n&apos;y a aucune image à prendre.</translation>
    </message>
    <message>
        <source>The HEIF picture cannot be read: %1.</source>
        <translation>L&apos;image HEIF ne peut pas être lue : %1.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The HEIF picture holds no pixels.</source>
        <translation>L&apos;image HEIF ne contient aucun pixel.</translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 million I can read.</source>
        <translation>L&apos;image annonce %1 x %2 pixels, plus que les %3 millions que je peux lire.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>Soundtrack</name>
    <message>
        <source>The file holds no sound.</source>
        <translation>Le fichier ne contient aucun son.</translation>
    </message>
    <message>
        <source>The sound cannot be converted.</source>
        <translation>Le son ne peut pas être converti.</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>The encoder %1 is missing.</source>
        <translation>L&apos;encodeur %1 manque.</translation>
    </message>
    <message>
        <source>The video encoder did not start.</source>
        <translation>L&apos;encodeur vidéo n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The sound encoder is missing.</source>
        <translation>L&apos;encodeur audio manque.</translation>
    </message>
    <message>
        <source>The sound encoder did not start.</source>
        <translation>L&apos;encodeur audio n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The subtitle encoder is missing.</source>
        <translation>L&apos;encodeur de sous-titres manque.</translation>
    </message>
    <message>
        <source>The subtitle encoder did not start.</source>
        <translation>L&apos;encodeur de sous-titres n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The encoders did not start.</source>
        <translation>Les encodeurs n&apos;ont pas démarré.</translation>
    </message>
    <message>
        <source>The file&apos;s header failed.</source>
        <translation>L&apos;en-tête du fichier a échoué.</translation>
    </message>
    <message>
        <source>Writing the file failed.</source>
        <translation>L&apos;écriture du fichier a échoué.</translation>
    </message>
    <message>
        <source>Encoding failed.</source>
        <translation>L&apos;encodage a échoué.</translation>
    </message>
    <message>
        <source>Encoding a subtitle failed.</source>
        <translation>L&apos;encodage d&apos;un sous-titre a échoué.</translation>
    </message>
    <message>
        <source>Ending the file failed.</source>
        <translation>La fin du fichier a échoué.</translation>
    </message>
</context>
<context>
    <name>VideoExport</name>
    <message>
        <source>Vistavel : Video Export</source>
        <translation>Vistavel : Export vidéo</translation>
    </message>
    <message>
        <source>Writing the video ...</source>
        <translation>Écriture de la vidéo ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pane %1 of %2 ...</source>
        <translation>Panneau %1 sur %2 ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Exporter en vidéo ...</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>WebM video (*.webm)</source>
        <translation>Vidéo WebM (*.webm)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>I could not write the video file %1.
%2</source>
        <translation>Je n&apos;ai pas pu écrire le fichier vidéo %1.
%2</translation>
    </message>
    <message>
        <source>No pane is chosen to show.</source>
        <translation>Aucun panneau n&apos;est choisi pour être montré.</translation>
    </message>
    <message>
        <source>The soundtrack %1 cannot be read: %2</source>
        <translation>La bande son %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The subtitles %1: %2</source>
        <translation>Les sous-titres %1 : %2</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <source>I did not write %1: it lies in %2, where the editor keeps its working files and which it deletes when it ends.
Please choose a folder of your own, such as your documents folder %3.</source>
        <translation>Je n&apos;ai pas écrit %1 : il se trouve dans %2, où l&apos;éditeur garde ses fichiers de travail et qu&apos;il supprime en se fermant.
Veuillez choisir un dossier à vous, par exemple votre dossier de documents %3.</translation>
    </message>
</context>
<context>
    <name>editor::FileNameList</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>editor::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition, a storyboard editor by Quorvane. This application is a pre-process tool which allows for concepts to be generated quickly in the visual context using images and words to convey meaning.</source>
        <translation>Vistavel 1 : 2002 Edition, un éditeur de storyboard de Quorvane. Cette application est un outil de préparation qui permet de développer rapidement des concepts dans leur contexte visuel, en laissant images et mots porter le sens.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Navigate one board back. </source>
        <translation>Revenir d&apos;une planche. </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Planche</translation>
    </message>
    <message>
        <source>A board is a rectangular shape that holds panes. It may have texts applied. See Properties - Board.</source>
        <translation>Une planche est une forme rectangulaire qui contient des panneaux. Elle peut porter des textes. Voir Propriétés - Planche.</translation>
    </message>
    <message>
        <source>Change Project</source>
        <translation>Modifier le projet</translation>
    </message>
    <message>
        <source>A project may have a maximum of 1000 panes. How these panes are represented on the screen is determined by the grid - a balanced array of screen square sections. Settings include : 2x2, 3x3, 4x4 and 5x5, for a minimum of 4 panes or a maximum of 25 panes on any board. A maximum of 100 boards and a maximum of 1000 panes changes depending upon the grid you choose, upper values for either altered to suit one of the project&apos;s limitations.</source>
        <translation>Un projet peut avoir au plus 1000 panneaux. La grille détermine leur représentation à l&apos;écran - une disposition régulière de sections carrées. Réglages possibles : 2x2, 3x3, 4x4 et 5x5, soit au moins 4 et au plus 25 panneaux par planche. Le maximum de 100 planches et de 1000 panneaux varie selon la grille choisie, les valeurs hautes étant adaptées à l&apos;une des limites du projet.</translation>
    </message>
    <message>
        <source>Clear Item</source>
        <translation>Effacer l&apos;élément</translation>
    </message>
    <message>
        <source>Clear currently selected text in the pane list. Right Mouse Button.</source>
        <translation>Effacer le texte sélectionné dans la liste des panneaux. Bouton droit de la souris.</translation>
    </message>
    <message>
        <source>CloseUp</source>
        <translation>Gros plan</translation>
    </message>
    <message>
        <source>Show a non-corrected zoom of the current pane image in a separate window.</source>
        <translation>Montrer un agrandissement non corrigé de l&apos;image du panneau courant dans une fenêtre séparée.</translation>
    </message>
    <message>
        <source>Edit Text Window</source>
        <translation>Zone d&apos;édition du texte</translation>
    </message>
    <message>
        <source>The text line which appears base-right on the screen, near the Swap button. 256 Chars maximum in length.</source>
        <translation>La ligne de texte en bas à droite de l&apos;écran, près du bouton Échanger. 256 caractères au plus.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close Vistavel session and application. </source>
        <translation>Fermer la session Vistavel et l&apos;application. </translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip any selected pane horizontally.</source>
        <translation>Retourner horizontalement le panneau sélectionné.</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Flip any selected pane vertically.</source>
        <translation>Retourner verticalement le panneau sélectionné.</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>A board may have text that exists at the base of a page that is 256 Chars maximum in length. Use for credits, copyright details. It is not shown within VV1.</source>
        <translation>Une planche peut avoir un texte en bas de page de 256 caractères au plus. Pour les crédits et les mentions de droits. Il n&apos;est pas affiché dans VV1.</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Surbrillance générale</translation>
    </message>
    <message>
        <source>The bounds around a pane that is shown when a mouse pointer is hovering above it. Its color may be changed via the Properties dialog.</source>
        <translation>Le cadre autour d&apos;un panneau, affiché lorsque le pointeur de la souris le survole. Sa couleur se change dans la boîte Propriétés.</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mélanger les images</translation>
    </message>
    <message>
        <source>Move images between panes but not their properties, such as texts and labels for example.</source>
        <translation>Déplacer les images entre panneaux, mais pas leurs propriétés, comme les textes et les étiquettes.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Each pane may have a unique label, which also appears as the mouse pointer hovers above a pane. It may be 99 Chars maximum in length, though truncation occurs on-screen well before this value.</source>
        <translation>Chaque panneau peut avoir sa propre étiquette, qui apparaît aussi quand le pointeur survole le panneau. Elle compte au plus 99 caractères, mais l&apos;écran la coupe bien avant.</translation>
    </message>
    <message>
        <source>Left Mouse Button</source>
        <translation>Bouton gauche de la souris</translation>
    </message>
    <message>
        <source>Use the Left Mouse Button to select a pane or choose from other screen options. For example, a selected pane will enable available menu choices from the Pane menu.</source>
        <translation>Le bouton gauche de la souris sélectionne un panneau ou d&apos;autres options à l&apos;écran. Par exemple, un panneau sélectionné rend disponibles les commandes du menu Panneau.</translation>
    </message>
    <message>
        <source>Make As Blank</source>
        <translation>Rendre vide</translation>
    </message>
    <message>
        <source>An image is deleted and the board section becomes a blank checkerboard. Associated materials are not deleted (ie, Texts).</source>
        <translation>Une image est supprimée et la section de la planche devient un damier vide. Ce qui s&apos;y rattache n&apos;est pas supprimé (p. ex. les textes).</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Import d&apos;images en masse</translation>
    </message>
    <message>
        <source>Load many images at once, as type *.bmp, *.gif or *.jpg. For an image to be considered part of a sequence, use the following numbering conventions. Nb: 999 is the maximum amount of images that may be loaded using this method. For example : Scene01.jpg, Scene1.jpg, Scene213.jpg or Scene001.jpg.<byte value="xd"/>
Once a break in a sequence is encountered, the Mass Image Import halts and returns the results.</source>
        <translation>Charger de nombreuses images à la fois, de type *.bmp, *.gif ou *.jpg. Pour qu&apos;une image fasse partie d&apos;une suite, numérotez les fichiers comme suit. NB : cette méthode charge au plus 999 images. Par exemple : Scene01.jpg, Scene1.jpg, Scene213.jpg ou Scene001.jpg.<byte value="xd"/>
Dès qu&apos;une suite s&apos;interrompt, l&apos;import en masse s&apos;arrête et donne le résultat.</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Surbrillance de déplacement</translation>
    </message>
    <message>
        <source>The line that is shown when a mouse is being used to drag a pane to a new location. Its color may be changed via the Properties dialog.</source>
        <translation>La ligne affichée quand la souris fait glisser un panneau vers un nouvel emplacement. Sa couleur se change dans la boîte Propriétés.</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Move between boards either by use of the Back or Forward icon arrows or via the board list. Locate the top right of the screen, and choose any number from the available list.</source>
        <translation>Passez d&apos;une planche à l&apos;autre avec les flèches Précédent et Suivant ou avec la liste des planches, en haut à droite de l&apos;écran, où vous choisissez un numéro.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Navigate one board forward.</source>
        <translation>Avancer d&apos;une planche.</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Load a new project into Vistavel as an VV1 file. Select Open Project from the File menu.</source>
        <translation>Charger un nouveau projet dans Vistavel, sous forme de fichier VV1. Choisissez Ouvrir un projet dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Pane</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>A pane is a rectangular shape that may have a picture attached. It may be resized when using Change Project or moved between screen sections when dragging with the mouse. Panes can have texts applied and be re-orientated vertically or horizontally. See Properties - Panes.</source>
        <translation>Un panneau est une forme rectangulaire qui peut porter une image. Sa taille change avec Modifier le projet et la souris le fait glisser entre les sections de l&apos;écran. Les panneaux peuvent porter des textes et être retournés verticalement ou horizontalement. Voir Propriétés - Panneaux.</translation>
    </message>
    <message>
        <source>Pane List</source>
        <translation>Liste des panneaux</translation>
    </message>
    <message>
        <source>Every pane in a project is listed and numbered. Clicking any will return the board and pane. Upon selection, its associated text property may be edited below and swapped back again as new text. Or choose the right mouse button when selecting in a pane list for more options.</source>
        <translation>Chaque panneau du projet est listé et numéroté. Un clic sur l&apos;un d&apos;eux montre sa planche et son panneau. Une fois sélectionné, son texte se modifie en dessous et s&apos;échange comme nouveau texte. Le bouton droit de la souris dans la liste offre d&apos;autres options.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Load any picture which may be of *.bmp, *.gif or *.jpg type. Pictures are saved out in the *.bmp format.</source>
        <translation>Charger une image de type *.bmp, *.gif ou *.jpg. Les images sont enregistrées au format *.bmp.</translation>
    </message>
    <message>
        <source>Properties - Board</source>
        <translation>Propriétés - Planche</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Move Highlight, Title and Footer Text.</source>
        <translation>Modifier les propriétés Surbrillance de déplacement, Titre et Pied de page.</translation>
    </message>
    <message>
        <source>Properties - Panes</source>
        <translation>Propriétés - Panneaux</translation>
    </message>
    <message>
        <source>Change associated pane properties on elements Global Highlight, Label and URL.</source>
        <translation>Modifier les propriétés Surbrillance générale, Étiquette et URL.</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Clear all texts in the pane list. Right Mouse Button.</source>
        <translation>Effacer tous les textes de la liste des panneaux. Bouton droit de la souris.</translation>
    </message>
    <message>
        <source>Right Mouse Button</source>
        <translation>Bouton droit de la souris</translation>
    </message>
    <message>
        <source>Use the Right Mouse Button to view the popup menu. Use this upon a selected pane on screen or in a list to enable available menu choices.</source>
        <translation>Le bouton droit de la souris ouvre le menu contextuel. Sur un panneau sélectionné, à l&apos;écran ou dans une liste, il propose les commandes disponibles.</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Save a project as an VV1 project file. Choose Save Project As from the File menu.</source>
        <translation>Enregistrer un projet comme fichier de projet VV1. Choisissez Enregistrer le projet sous dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélectionné</translation>
    </message>
    <message>
        <source>A Pane is selected by clicking on it directly with the left mouse button or by choosing from the pane list. When a Pane has been selected, numerous options become available. Choose the right mouse button or use the top menu, Panes.</source>
        <translation>Un panneau se sélectionne d&apos;un clic gauche direct ou dans la liste des panneaux. Une fois un panneau sélectionné, de nombreuses options deviennent disponibles. Utilisez le bouton droit de la souris ou le menu Panneau en haut.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Échanger l&apos;élément</translation>
    </message>
    <message>
        <source>Replace the current pane text with the contents of the Edit Text Window. Button or Right Mouse Button.</source>
        <translation>Remplacer le texte du panneau courant par le contenu de la zone d&apos;édition. Bouton ou bouton droit de la souris.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>A board may have a title that is 99 Chars maximum in length. It is not shown within VV1.</source>
        <translation>Une planche peut avoir un titre de 99 caractères au plus. Il n&apos;est pas affiché dans VV1.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Each pane may have a unique URL. URLs usually require http://. It may be 999 Chars maximum. It is not shown within VV1.</source>
        <translation>Chaque panneau peut avoir sa propre URL. Les URL demandent en général http://. Elle compte au plus 999 caractères. Elle n&apos;est pas affichée dans VV1.</translation>
    </message>
    <message>
        <source>Export As Html</source>
        <translation>Exporter en HTML</translation>
    </message>
    <message>
        <source>Vistavel exports projects as connected html pages, ready for use with the internet. It also converts pane images into compressed Jpgs. The output results scaled Vistavel webpages that are centered and suitable for the most popular display formats. See Also : Scale Panes For </source>
        <translation>Vistavel exporte les projets en pages HTML reliées, prêtes pour Internet. Il convertit aussi les images des panneaux en JPG compressés. Il en résulte des pages Web Vistavel mises à l&apos;échelle, centrées et adaptées aux formats d&apos;affichage les plus courants. Voir aussi : Adapter les panneaux pour </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Before any Vistavel may be exported as html it must first have a path and filename set to write to. Click the Path button, type in a file name and click the Save button. Now choose the Accept button on the Export tab.</source>
        <translation>Avant d&apos;exporter un projet Vistavel en HTML, il faut lui donner un chemin et un nom de fichier. Cliquez sur le bouton Chemin, tapez un nom de fichier et cliquez sur Enregistrer. Choisissez ensuite le bouton Accepter de l&apos;onglet Export.</translation>
    </message>
    <message>
        <source>Pane Grid Html</source>
        <translation>Grille des panneaux HTML</translation>
    </message>
    <message>
        <source>You may change the pane grid layout by selecting either 2 x 2, 3 x 3, 4 x 4 or 5 x 5. This will not affect your Vistavel settings.</source>
        <translation>Vous pouvez changer la grille des panneaux en choisissant 2 x 2, 3 x 3, 4 x 4 ou 5 x 5. Vos réglages Vistavel n&apos;en sont pas touchés.</translation>
    </message>
    <message>
        <source>Labels Dock With Panes</source>
        <translation>Étiquettes avec les panneaux</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible with the html pane.</source>
        <translation>L&apos;étiquette du panneau est écrite et visible avec le panneau HTML.</translation>
    </message>
    <message>
        <source>Labels Show As ALT Tag Property</source>
        <translation>Étiquettes en attribut ALT</translation>
    </message>
    <message>
        <source>The associated pane label is written and visible on a mouse-over ToolTip event with the html pane.</source>
        <translation>L&apos;étiquette du panneau est écrite et apparaît en infobulle au survol du panneau HTML.</translation>
    </message>
    <message>
        <source>Number Every Pane</source>
        <translation>Numéroter chaque panneau</translation>
    </message>
    <message>
        <source>The associated pane number is written and visible with the html pane.</source>
        <translation>Le numéro du panneau est écrit et visible avec le panneau HTML.</translation>
    </message>
    <message>
        <source>Show Border On Panes With URLs</source>
        <translation>Bordure des panneaux avec URL</translation>
    </message>
    <message>
        <source>The associated pane border is written and visible with the html pane.</source>
        <translation>La bordure du panneau est écrite et visible avec le panneau HTML.</translation>
    </message>
    <message>
        <source>Show Board Title</source>
        <translation>Afficher le titre de la planche</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the top of each html document.</source>
        <translation>Le titre de la planche est écrit et visible en haut de chaque document HTML.</translation>
    </message>
    <message>
        <source>Show Footer Text</source>
        <translation>Afficher le pied de page</translation>
    </message>
    <message>
        <source>The associated board title is written and visible at the base of each html document.</source>
        <translation>Le titre de la planche est écrit et visible en bas de chaque document HTML.</translation>
    </message>
    <message>
        <source>Scale Panes For</source>
        <translation>Adapter les panneaux pour</translation>
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
        <translation>Il en résulte des pages Web Vistavel mises à l&apos;échelle, centrées et adaptées aux formats d&apos;affichage les plus courants. Les formats hors de cette plage demandent de modifier à la main le champ Height des images. Dans ce cas, une fois le code HTML produit, procédez ainsi :<byte value="xd"/>
<byte value="xd"/>
1. Décochez Créer le code HTML automatiquement dans l&apos;onglet Export.<byte value="xd"/>
2. Cliquez sur l&apos;onglet Aperçu. <byte value="xd"/>
3. Repérez le titre : &lt;!--Images----&gt;. <byte value="xd"/>
4. Changez le pourcentage Height de toutes les images concernées. <byte value="xd"/>
5. Recommencez pour chaque image (point 3). <byte value="xd"/>
6. Cliquez sur le bouton Accepter de l&apos;onglet Export.</translation>
    </message>
    <message>
        <source>Auto-Create Html Code</source>
        <translation>Créer le code HTML automatiquement</translation>
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
        <translation>Le code HTML est produit pour chaque planche et chaque panneau d&apos;un projet Vistavel. La fenêtre Aperçu n&apos;en montre cependant qu&apos;un modèle.  Le résultat final est une approximation « au mieux » mise à l&apos;échelle selon le réglage actuel du bureau, de la première planche à la dernière. Pour modifier à la main le code existant sans l&apos;écraser par un nouvel aperçu, procédez ainsi : <byte value="xd"/>
<byte value="xd"/>
1. Vérifiez que Créer le code HTML automatiquement est coché. <byte value="xd"/>
2. Cliquez sur l&apos;onglet Aperçu pour produire la sortie d&apos;un projet. <byte value="xd"/>
3. Revenez à l&apos;onglet Export et décochez Créer le code HTML automatiquement. <byte value="xd"/>
4. Revenez à l&apos;onglet Aperçu. <byte value="xd"/>
5. Modifiez le texte entre la première occurrence de Titles et de Footers. <byte value="xd"/>
6. Répétez pour toutes les planches par couper-coller. <byte value="xd"/>
7. Cliquez sur le bouton Accepter de l&apos;onglet Export. </translation>
    </message>
    <message>
        <source>Export Tab</source>
        <translation>Onglet Export</translation>
    </message>
    <message>
        <source>The information used when a project is converted into html code. Choose filename and path via the Path button. Click checkboxes for output options. Choose the Close button to cancel export. Choose the Accept button to enact export.</source>
        <translation>Les informations utilisées pour convertir un projet en code HTML. Choisissez le nom de fichier et le chemin avec le bouton Chemin. Cochez les options de sortie. Le bouton Fermer annule l&apos;export. Le bouton Accepter le lance.</translation>
    </message>
    <message>
        <source>Preview Tab</source>
        <translation>Onglet Aperçu</translation>
    </message>
    <message>
        <source>The actual html code which may be modified by hand, or used with any text editor / html editor. See also : Auto-Create html code.</source>
        <translation>Le code HTML lui-même, modifiable à la main ou dans un éditeur de texte ou HTML. Voir aussi : Créer le code HTML automatiquement.</translation>
    </message>
</context>
<context>
    <name>editor::ListEntries</name>
    <message>
        <source>Board %1</source>
        <translation>Planche %1</translation>
    </message>
</context>
<context>
    <name>editor::NamedColour</name>
    <message>
        <source>Blue - Light</source>
        <translation>Bleu - Clair</translation>
    </message>
    <message>
        <source>Blue - Dark</source>
        <translation>Bleu - Foncé</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
</context>
<context>
    <name>editor::PageGenerator</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>no picture to encode</source>
        <translation>aucune image à encoder</translation>
    </message>
</context>
<context>
    <name>editor::PictureImport</name>
    <message>
        <source>%1: cannot replace the file</source>
        <translation>%1 : impossible de remplacer le fichier</translation>
    </message>
    <message>
        <source>Vistavel : Import</source>
        <translation>Vistavel : Import</translation>
    </message>
    <message>
        <source>I couldn&apos;t find any compatible images.
Choose images with number patterns such as : 
Image01.bmp, Image1.gif, Image214.jpg</source>
        <translation>Je n&apos;ai trouvé aucune image compatible.
Choisissez des images numérotées comme : 
Image01.bmp, Image1.gif, Image214.jpg</translation>
    </message>
    <message>
        <source>I found only 1 compatible image.</source>
        <translation>Je n&apos;ai trouvé qu&apos;une image compatible.</translation>
    </message>
    <message>
        <source>I found %1 compatible images.
Truncation where current project specifies.</source>
        <translation>J&apos;ai trouvé %1 images compatibles.
Tronqué là où le projet actuel l&apos;impose.</translation>
    </message>
    <message>
        <source>
I stopped at a picture I could not use: </source>
        <translation>
Je me suis arrêté à une image que je n&apos;ai pas pu utiliser : </translation>
    </message>
    <message>
        <source>
The picture you chose could not be used: </source>
        <translation>
L&apos;image choisie n&apos;a pas pu être utilisée : </translation>
    </message>
</context>
<context>
    <name>editor::ProjectChange</name>
    <message>
        <source>Board Setup</source>
        <translation>Configuration des planches</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Drop Pictures</source>
        <translation>Déposer des images</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Coller l&apos;image</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Rendre vide</translation>
    </message>
    <message>
        <source>Swap Panes</source>
        <translation>Échanger les panneaux</translation>
    </message>
    <message>
        <source>Board Properties</source>
        <translation>Propriétés de la planche</translation>
    </message>
    <message>
        <source>Pane Properties</source>
        <translation>Propriétés du panneau</translation>
    </message>
    <message>
        <source>Mass Image Import</source>
        <translation>Import d&apos;images en masse</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mélanger les images</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Déposer l&apos;image</translation>
    </message>
</context>
<context>
    <name>editor::ProjectFile</name>
    <message>
        <source>It does not start with the pane total, the board count and the grid size.</source>
        <translation>Il ne commence pas par le total des panneaux, le nombre de planches et la taille de la grille.</translation>
    </message>
    <message>
        <source>Its grid size %1 is not one of 2 to 5.</source>
        <translation>Sa taille de grille %1 n&apos;est pas comprise entre 2 et 5.</translation>
    </message>
    <message>
        <source>Its board count %1 is not one of 1 to %2.</source>
        <translation>Son nombre de planches %1 n&apos;est pas compris entre 1 et %2.</translation>
    </message>
    <message>
        <source>It is far too large to be a project file.</source>
        <translation>Il est bien trop grand pour un fichier de projet.</translation>
    </message>
</context>
<context>
    <name>editor::ProjectSetup</name>
    <message>
        <source>Max %1 boards x %2 panes = %3 panes</source>
        <translation>Max. %1 planches x %2 panneaux = %3 panneaux</translation>
    </message>
</context>
<context>
    <name>editor::StageAccessibility</name>
    <message>
        <source>Pane %1, blank</source>
        <translation>Panneau %1, vide</translation>
    </message>
    <message>
        <source>Pane %1, %2</source>
        <translation>Panneau %1, %2</translation>
    </message>
    <message>
        <source>Flipped horizontally and vertically</source>
        <translation>Retourné horizontalement et verticalement</translation>
    </message>
    <message>
        <source>Flipped horizontally</source>
        <translation>Retourné horizontalement</translation>
    </message>
    <message>
        <source>Flipped vertically</source>
        <translation>Retourné verticalement</translation>
    </message>
</context>
<context>
    <name>editor::WorkFolder</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The folder %1 is not one of yours.</source>
        <translation>Le dossier %1 n&apos;est pas à vous.</translation>
    </message>
    <message>
        <source>Cannot create a work folder in %1.</source>
        <translation>Impossible de créer un dossier de travail dans %1.</translation>
    </message>
</context>
<context>
    <name>editor::frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vistavel 1 : 2002 Edition</source>
        <translation>Vistavel 1 : 2002 Edition</translation>
    </message>
    <message>
        <source>Pictures and words, board by board.</source>
        <translation>Des images et des mots, planche par planche.</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>D&apos;accord</translation>
    </message>
</context>
<context>
    <name>editor::frmAddNew</name>
    <message>
        <source>Board Setup</source>
        <translation>Configuration des planches</translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Structure :</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>The panes of every board, across and down</source>
        <translation>Les panneaux de chaque planche, en largeur et en hauteur</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Planches</translation>
    </message>
    <message>
        <source>How many boards the project has</source>
        <translation>Combien de planches compte le projet</translation>
    </message>
    <message>
        <source>One board more</source>
        <translation>Une planche de plus</translation>
    </message>
    <message>
        <source>One board less</source>
        <translation>Une planche de moins</translation>
    </message>
    <message>
        <source> info view</source>
        <translation> vue info</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Panneaux :</translation>
    </message>
    <message>
        <source>Boards :</source>
        <translation>Planches :</translation>
    </message>
    <message>
        <source>Properties :</source>
        <translation>Propriétés :</translation>
    </message>
    <message>
        <source>Discard all items</source>
        <translation>Abandonner tous les éléments</translation>
    </message>
    <message>
        <source>Keep existing</source>
        <translation>Garder les existants</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
</context>
<context>
    <name>editor::frmCloseUp</name>
    <message>
        <source>CloseUp : </source>
        <translation>Gros plan : </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>D&apos;accord</translation>
    </message>
</context>
<context>
    <name>editor::frmHTML</name>
    <message>
        <source>Html Export</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Export and preview</source>
        <translation>Export et aperçu</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>aperçu</translation>
    </message>
    <message>
        <source>Export folder</source>
        <translation>Dossier d&apos;export</translation>
    </message>
    <message>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>Chooses the folder the pages are written to</source>
        <translation>Choisit le dossier où les pages sont écrites</translation>
    </message>
    <message>
        <source>Scale panes for : </source>
        <translation>Adapter les panneaux pour : </translation>
    </message>
    <message>
        <source>Structure :</source>
        <translation>Structure :</translation>
    </message>
    <message>
        <source>Labels dock with panes.</source>
        <translation>Étiquettes avec les panneaux.</translation>
    </message>
    <message>
        <source>Labels show as ALT tag property.</source>
        <translation>Étiquettes en attribut ALT.</translation>
    </message>
    <message>
        <source>Number every pane.</source>
        <translation>Numéroter chaque panneau.</translation>
    </message>
    <message>
        <source>Show border on panes with URLs.</source>
        <translation>Bordure des panneaux avec URL.</translation>
    </message>
    <message>
        <source>Show board title.</source>
        <translation>Afficher le titre de la planche.</translation>
    </message>
    <message>
        <source>Show footer text.</source>
        <translation>Afficher le pied de page.</translation>
    </message>
    <message>
        <source>Pane Grid :</source>
        <translation>Grille des panneaux :</translation>
    </message>
    <message>
        <source>Pane Grid</source>
        <translation>Grille des panneaux</translation>
    </message>
    <message>
        <source>Auto-create html code</source>
        <translation>Créer le code HTML automatiquement</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>HTML code</source>
        <translation>Code HTML</translation>
    </message>
    <message>
        <source>Save Project (as html) ...</source>
        <translation>Enregistrer le projet (en HTML) ...</translation>
    </message>
    <message>
        <source>Untitled.htm</source>
        <translation>Sans titre.htm</translation>
    </message>
    <message>
        <source>Vistavel : Export</source>
        <translation>Vistavel : Export</translation>
    </message>
    <message>
        <source>I could not write the web page %1; no pictures were converted.
%2</source>
        <translation>Je n&apos;ai pas pu écrire la page Web %1 ; aucune image n&apos;a été convertie.
%2</translation>
    </message>
    <message>
        <source>Converting pictures ...</source>
        <translation>Conversion des images ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Problème de chargement</translation>
    </message>
    <message>
        <source>Could not load bmp.</source>
        <translation>Impossible de charger le BMP.</translation>
    </message>
</context>
<context>
    <name>editor::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source> info</source>
        <translation> info</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Sujet d&apos;aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>D&apos;accord</translation>
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
        <translation>Vistavel : Erreur au démarrage</translation>
    </message>
    <message>
        <source>I could not create a folder for my working files; Please check that you can write to %1.
%2</source>
        <translation>Je n&apos;ai pas pu créer de dossier pour mes fichiers de travail ; vérifiez que vous pouvez écrire dans %1.
%2</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>The panes of the board on show. Arrow keys choose a pane, Ctrl+Shift with an arrow swaps it with its neighbour, Enter opens its close-up and the Menu key its menu.</source>
        <translation>Les panneaux de la planche affichée. Les flèches choisissent un panneau, Ctrl+Maj avec une flèche l&apos;échange avec son voisin, Entrée ouvre son gros plan et la touche Menu son menu.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Navigate last Board</source>
        <translation>Planche précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Navigate next Board</source>
        <translation>Planche suivante</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Planche</translation>
    </message>
    <message>
        <source>The board on show</source>
        <translation>La planche affichée</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>Every pane of the project with its text</source>
        <translation>Chaque panneau du projet avec son texte</translation>
    </message>
    <message>
        <source>Pane text</source>
        <translation>Texte du panneau</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>échanger</translation>
    </message>
    <message>
        <source>Gives the selected pane the text in the box</source>
        <translation>Donne au panneau sélectionné le texte de la zone</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Pane</source>
        <translation>&amp;Panneau</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>P&amp;lanche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Modifier la liste</translation>
    </message>
    <message>
        <source>Change Project ...</source>
        <translation>Modifier le projet ...</translation>
    </message>
    <message>
        <source>Open Project ...</source>
        <translation>Ouvrir un projet ...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project As ...</source>
        <translation>Enregistrer le projet sous ...</translation>
    </message>
    <message>
        <source>Mass Image Import ...</source>
        <translation>Import d&apos;images en masse ...</translation>
    </message>
    <message>
        <source>Export As Html ...</source>
        <translation>Exporter en HTML ...</translation>
    </message>
    <message>
        <source>Export As PDF ...</source>
        <translation>Exporter en PDF ...</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Imprimer ...</translation>
    </message>
    <message>
        <source>Export As Video ...</source>
        <translation>Exporter en vidéo ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Coller l&apos;image</translation>
    </message>
    <message>
        <source>Closeup</source>
        <translation>Gros plan</translation>
    </message>
    <message>
        <source>Picture ...</source>
        <translation>Image ...</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Make as Blank</source>
        <translation>Rendre vide</translation>
    </message>
    <message>
        <source>Image Shuffle</source>
        <translation>Mélanger les images</translation>
    </message>
    <message>
        <source>Properties ...</source>
        <translation>Propriétés ...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Échanger l&apos;élément</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Vistavel : Resize Error</source>
        <translation>Vistavel : Erreur de redimensionnement</translation>
    </message>
    <message>
        <source>I experienced an error whilst trying to resize; Please reset Vistavel.</source>
        <translation>Une erreur est survenue pendant le redimensionnement ; veuillez relancer Vistavel.</translation>
    </message>
    <message>
        <source>Vistavel : User Guide</source>
        <translation>Vistavel : Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>I could not open the user guide %1 in a web browser.</source>
        <translation>Je n&apos;ai pas pu ouvrir le guide de l&apos;utilisateur %1 dans un navigateur Web.</translation>
    </message>
    <message>
        <source>Vistavel : Pane</source>
        <translation>Vistavel : Panneau</translation>
    </message>
    <message>
        <source>Vistavel : Copy Picture</source>
        <translation>Vistavel : Copier l&apos;image</translation>
    </message>
    <message>
        <source>Vistavel : Paste Picture</source>
        <translation>Vistavel : Coller l&apos;image</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this pane&apos;s picture, so the clipboard stays as it was:
%1</source>
        <translation>Je n&apos;ai pas pu lire l&apos;image de ce panneau, le presse-papiers reste donc tel quel :
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture on the clipboard, so the pane stays as it was:
%1</source>
        <translation>Je n&apos;ai pas pu prendre l&apos;image du presse-papiers, le panneau reste donc tel quel :
%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Vistavel : Pictures Changed</source>
        <translation>Vistavel : Images modifiées</translation>
    </message>
    <message>
        <source>Another program changed pictures of this project on disk since I prepared them. The panes keep the pictures they show, and I will not read the changed files again.</source>
        <translation>Un autre programme a modifié sur le disque des images de ce projet depuis que je les ai préparées. Les panneaux gardent les images qu&apos;ils montrent et je ne relirai pas les fichiers modifiés.</translation>
    </message>
    <message>
        <source>Vistavel : Board Setup</source>
        <translation>Vistavel : Configuration des planches</translation>
    </message>
    <message>
        <source>I could not prepare the pictures of these panes at the new size, so they are blank now: %1.
%2</source>
        <translation>Je n&apos;ai pas pu préparer les images de ces panneaux à la nouvelle taille, ils sont donc vides : %1.
%2</translation>
    </message>
    <message>
        <source>Please select a pane first, on the stage or in the pane list.</source>
        <translation>Veuillez d&apos;abord sélectionner un panneau, sur la scène ou dans la liste des panneaux.</translation>
    </message>
    <message>
        <source>Vistavel : CloseUp</source>
        <translation>Vistavel : Gros plan</translation>
    </message>
    <message>
        <source>I could not open the picture %1.
%2</source>
        <translation>Je n&apos;ai pas pu ouvrir l&apos;image %1.
%2</translation>
    </message>
    <message>
        <source>Vistavel : Flip</source>
        <translation>Vistavel : Retourner</translation>
    </message>
    <message>
        <source>I could not flip the picture of pane %1.
%2</source>
        <translation>Je n&apos;ai pas pu retourner l&apos;image du panneau %1.
%2</translation>
    </message>
    <message>
        <source>Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)</source>
        <translation>Formats (*.Bmp *.Gif *.Jpg);;%1 (%2)</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Importing pictures ...</source>
        <translation>Import des images ...</translation>
    </message>
    <message>
        <source>Vistavel : Load Picture</source>
        <translation>Vistavel : Charger une image</translation>
    </message>
    <message>
        <source>Load Picture ...</source>
        <translation>Charger une image ...</translation>
    </message>
    <message>
        <source>I couldn&apos;t read this picture, so the pane stays as it was:
%1</source>
        <translation>Je n&apos;ai pas pu lire cette image, le panneau reste donc tel quel :
%1</translation>
    </message>
    <message>
        <source>I couldn&apos;t read these files as pictures, so their panes stay as they were:
</source>
        <translation>Je n&apos;ai pas pu lire ces fichiers comme images, leurs panneaux restent donc tels quels :
</translation>
    </message>
    <message>
        <source>Load Project ...</source>
        <translation>Charger un projet ...</translation>
    </message>
    <message>
        <source>VV1 : Load Problem</source>
        <translation>VV1 : Problème de chargement</translation>
    </message>
    <message>
        <source>I could not load the project %1.
%2</source>
        <translation>Je n&apos;ai pas pu charger le projet %1.
%2</translation>
    </message>
    <message>
        <source>Loading pictures ...</source>
        <translation>Chargement des images ...</translation>
    </message>
    <message>
        <source>I could not find or read 1 picture of the project; its pane is blank.</source>
        <translation>Je n&apos;ai pas pu trouver ou lire 1 image du projet ; son panneau est vide.</translation>
    </message>
    <message>
        <source>I could not find or read %1 pictures of the project; their panes are blank.</source>
        <translation>Je n&apos;ai pas pu trouver ou lire %1 images du projet ; leurs panneaux sont vides.</translation>
    </message>
    <message>
        <source>These panes name a picture that cannot be a file in the picture folder, so they are blank: %1.</source>
        <translation>Ces panneaux nomment une image qui ne peut pas être un fichier du dossier d&apos;images, ils sont donc vides : %1.</translation>
    </message>
    <message>
        <source>Save Project ...</source>
        <translation>Enregistrer le projet ...</translation>
    </message>
    <message>
        <source>Untitled.vv1</source>
        <translation>Sans titre.vv1</translation>
    </message>
    <message>
        <source>VV1 : Save Problem</source>
        <translation>VV1 : Problème d&apos;enregistrement</translation>
    </message>
    <message>
        <source>These panes were saved without their picture, which I could no longer find or read: %1.</source>
        <translation>Ces panneaux ont été enregistrés sans leur image, que je ne pouvais plus trouver ni lire : %1.</translation>
    </message>
    <message>
        <source>I could not write these files of the project:
</source>
        <translation>Je n&apos;ai pas pu écrire ces fichiers du projet :
</translation>
    </message>
    <message>
        <source>the new project</source>
        <translation>le nouveau projet</translation>
    </message>
    <message>
        <source>Vistavel : Save Changes</source>
        <translation>Vistavel : Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Effacer les projets récents</translation>
    </message>
    <message>
        <source>Vistavel : Recent Projects</source>
        <translation>Vistavel : Projets récents</translation>
    </message>
    <message>
        <source>The project %1 is no longer there, so I took it off the list.</source>
        <translation>Le projet %1 n&apos;existe plus, je l&apos;ai donc retiré de la liste.</translation>
    </message>
    <message>
        <source>%1 of its %2 panes</source>
        <translation>%1 de ses %2 panneaux</translation>
    </message>
    <message>
        <source>%1 of its pictures</source>
        <translation>%1 de ses images</translation>
    </message>
    <message>
        <source>

This copy is incomplete: %1 are missing. What is missing comes back blank.</source>
        <translation>

Cette copie est incomplète : il manque %1. Ce qui manque revient vide.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>a new project</source>
        <translation>un nouveau projet</translation>
    </message>
    <message>
        <source>the project %1</source>
        <translation>le projet %1</translation>
    </message>
    <message>
        <source>An editor that ended on %1 left changes that were never saved: %2, with %3 and %4.

Recover opens them; Later keeps them for the next start; Discard deletes them.</source>
        <translation>Un éditeur fermé le %1 a laissé des modifications jamais enregistrées : %2, avec %3 et %4.

Récupérer les ouvre ; Plus tard les garde pour le prochain démarrage ; Abandonner les supprime.</translation>
    </message>
    <message>
        <source>1 board</source>
        <translation>1 planche</translation>
    </message>
    <message>
        <source>%1 boards</source>
        <translation>%1 planches</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <source>Vistavel : Recover</source>
        <translation>Vistavel : Récupérer</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture from %1, so the pane stays as it was:
%2</source>
        <translation>Je n&apos;ai pas pu prendre l&apos;image de %1 ; le panneau reste tel qu&apos;il était :
%2</translation>
    </message>
    <message>
        <source>I couldn&apos;t take the picture dragged here, so the pane stays as it was:
%1</source>
        <translation>Je n&apos;ai pas pu prendre l&apos;image glissée ici ; le panneau reste tel qu&apos;il était :
%1</translation>
    </message>
    <message>
        <source>Fetching the picture from %1 ...</source>
        <translation>Récupération de l&apos;image depuis %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the pictures of the new layout: they need about %1 MB in %2, and %3 MB are free.
Nothing was changed. Free some space and try again.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace libre sur le disque pour les images de la nouvelle disposition : elles demandent environ %1 Mo dans %2, et %3 Mo sont libres.
Rien n&apos;a été modifié. Libérez de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>The project is saved as %1, in place of the earlier version, but the disk reported an error while making the change safe, so it may not survive a power cut. Save it again, or to another disk, to be sure.</source>
        <translation>Le projet est enregistré sous %1, à la place de la version précédente, mais le disque a signalé une erreur en mettant la modification en sûreté : elle pourrait ne pas survivre à une coupure de courant. Enregistrez-le de nouveau, ou sur un autre disque, pour en être sûr.</translation>
    </message>
    <message>
        <source>Vistavel : Drop Picture</source>
        <translation>Vistavel : Déposer l&apos;image</translation>
    </message>
</context>
<context>
    <name>editor::frmMsgBox</name>
    <message>
        <source>VV1 : Operation Notice</source>
        <translation>VV1 : Avis</translation>
    </message>
    <message>
        <source>Panes swap images independent of pane  properties. Click OK to proceed with this operation.</source>
        <translation>Les panneaux échangent leurs images indépendamment de leurs  propriétés. Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Don&apos;t show me again this session. Ta.</source>
        <translation>Ne plus me montrer pendant cette session. Merci.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>editor::frmOptions</name>
    <message>
        <source>Options :</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Panes :</source>
        <translation>Panneaux :</translation>
    </message>
    <message>
        <source>URL :</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>Label :</source>
        <translation>Étiquette :</translation>
    </message>
    <message>
        <source>Global Highlight</source>
        <translation>Surbrillance générale</translation>
    </message>
    <message>
        <source>Board :</source>
        <translation>Planche :</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Footer Text :</source>
        <translation>Pied de page :</translation>
    </message>
    <message>
        <source>Move Highlight</source>
        <translation>Surbrillance de déplacement</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>The web address the pane links to, after http://</source>
        <translation>L&apos;adresse Web vers laquelle pointe le panneau, après http://</translation>
    </message>
    <message>
        <source>Footer Text</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>The colour of the frame around a pane</source>
        <translation>La couleur du cadre autour d&apos;un panneau</translation>
    </message>
    <message>
        <source>The colour of the line a drag draws</source>
        <translation>La couleur de la ligne d&apos;un glisser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>editor::frmPaper</name>
    <message>
        <source>First board</source>
        <translation>Première planche</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Dernière planche</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>The board&apos;s grid</source>
        <translation>La grille de la planche</translation>
    </message>
    <message>
        <source>1 pane a row, words beside</source>
        <translation>1 panneau par ligne, texte à côté</translation>
    </message>
    <message>
        <source>2 panes a row, words beside</source>
        <translation>2 panneaux par ligne, texte à côté</translation>
    </message>
    <message>
        <source>3 panes a row, words beside</source>
        <translation>3 panneaux par ligne, texte à côté</translation>
    </message>
    <message>
        <source>Panes on a page</source>
        <translation>Panneaux par page</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Each pane shows</source>
        <translation>Chaque panneau montre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Adresse Web</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Planches</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Preview ...</source>
        <translation>Aperçu ...</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exporter ...</translation>
    </message>
    <message>
        <source>Each pane shows its number</source>
        <translation>Chaque panneau montre son numéro</translation>
    </message>
    <message>
        <source>Each pane shows its label</source>
        <translation>Chaque panneau montre son étiquette</translation>
    </message>
    <message>
        <source>Each pane shows its text</source>
        <translation>Chaque panneau montre son texte</translation>
    </message>
    <message>
        <source>Each pane shows its web address</source>
        <translation>Chaque panneau montre son adresse Web</translation>
    </message>
    <message>
        <source>Best fit</source>
        <translation>Au mieux</translation>
    </message>
    <message>
        <source>Notes in full below the board</source>
        <translation>Notes en entier sous la planche</translation>
    </message>
    <message>
        <source>Continuous rows: boards share pages</source>
        <translation>Rangées continues : les planches partagent les pages</translation>
    </message>
    <message>
        <source>Continuous rows</source>
        <translation>Rangées continues</translation>
    </message>
    <message>
        <source>Keep each picture&apos;s proportions</source>
        <translation>Garder les proportions de chaque image</translation>
    </message>
    <message>
        <source>Each note is printed whole in a list under its board.</source>
        <translation>Chaque note est imprimée en entier dans une liste sous sa planche.</translation>
    </message>
    <message>
        <source>A note shows at most 1 line; the rest is cut.</source>
        <translation>Une note montre au plus 1 ligne ; le reste est coupé.</translation>
    </message>
    <message>
        <source>A note shows at most %1 lines; the rest is cut.</source>
        <translation>Une note montre au plus %1 lignes ; le reste est coupé.</translation>
    </message>
</context>
<context>
    <name>editor::frmPaperPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Page affichée</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Print ...</source>
        <translation>Imprimer ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>editor::frmPlay</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
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
        <translation>Exporter en vidéo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Each pane shows for</source>
        <translation>Chaque panneau dure</translation>
    </message>
    <message>
        <source>The same time</source>
        <translation>Le même temps</translation>
    </message>
    <message>
        <source>The time to read its words</source>
        <translation>Le temps de lire son texte</translation>
    </message>
    <message>
        <source> words a minute</source>
        <translation> mots par minute</translation>
    </message>
    <message>
        <source>At least</source>
        <translation>Au moins</translation>
    </message>
    <message>
        <source>Show blank panes as a pause</source>
        <translation>Montrer les panneaux vides comme une pause</translation>
    </message>
    <message>
        <source>Keep the pictures&apos; proportions</source>
        <translation>Garder les proportions des images</translation>
    </message>
    <message>
        <source>Label and text under the picture</source>
        <translation>Étiquette et texte sous l&apos;image</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 images par seconde</translation>
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
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Choose ...</source>
        <translation>Choisir ...</translation>
    </message>
    <message>
        <source>Subtitles in the video</source>
        <translation>Sous-titres dans la vidéo</translation>
    </message>
    <message>
        <source>Subtitles in an .srt file beside it</source>
        <translation>Sous-titres dans un fichier .srt à côté</translation>
    </message>
    <message>
        <source>Export ...</source>
        <translation>Exporter ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>First board</source>
        <translation>Première planche</translation>
    </message>
    <message>
        <source>Last board</source>
        <translation>Dernière planche</translation>
    </message>
    <message>
        <source>Seconds for every pane</source>
        <translation>Secondes par panneau</translation>
    </message>
    <message>
        <source>Reading pace</source>
        <translation>Rythme de lecture</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Durée la plus courte</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Taille d&apos;image</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Bande son</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Planches</translation>
    </message>
    <message>
        <source>Sound (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;All files (*)</source>
        <translation>Son (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 *.webm);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Writes board 1 of the project INPUT as a PNG file OUTPUT of at most SIZE pixels, for file managers.</source>
        <translation>Écrit la planche 1 du projet INPUT dans le fichier PNG OUTPUT de SIZE pixels au plus, pour les gestionnaires de fichiers.</translation>
    </message>
</context>
<context>
    <name>platform::PictureDownload</name>
    <message>
        <source>It took longer than %1 seconds.</source>
        <translation>Cela a pris plus de %1 secondes.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1 seconds.</source>
        <translation>Le serveur n&apos;a rien envoyé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>Only web addresses (http and https) are fetched.</source>
        <translation>Seules les adresses web (http et https) sont récupérées.</translation>
    </message>
    <message>
        <source>The server sent it on to %1, which is no web address.</source>
        <translation>Le serveur l&apos;a renvoyé vers %1, qui n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The server sent it on more than %1 times.</source>
        <translation>Le serveur l&apos;a renvoyé plus de %1 fois.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Il dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation>Le serveur n&apos;a rien envoyé.</translation>
    </message>
    <message>
        <source>What the server sent is not a picture.</source>
        <translation>Ce que le serveur a envoyé n&apos;est pas une image.</translation>
    </message>
</context>
</TS>
