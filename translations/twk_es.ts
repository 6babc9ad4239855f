<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
<context>
    <name>sentences::DefinitionLists</name>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagonista Base</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagonista Añadido</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Acción Base</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Acción Añadido</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objeto Base</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objeto Añadido</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
</context>
<context>
    <name>sentences::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tellwick creates sentences based on word lists. Pull down any Definition Group, then select the sentence as it appears in the Sentence Preview to Output. Tip: Select blanks to move words into new sentence positions.</source>
        <translation>Tellwick crea frases a partir de listas de palabras. Despliegue un grupo de definiciones y seleccione la frase tal como aparece en la Vista previa de la frase para la Salida. Consejo: seleccione huecos para mover palabras a otras posiciones de la frase.</translation>
    </message>
    <message>
        <source>Load TwK</source>
        <translation>Cargar TwK</translation>
    </message>
    <message>
        <source>Load new Definitions which fill up the Lists with words.</source>
        <translation>Cargar definiciones nuevas que llenan las listas de palabras.</translation>
    </message>
    <message>
        <source>Save TwK</source>
        <translation>Guardar TwK</translation>
    </message>
    <message>
        <source>Save the current Definitions.</source>
        <translation>Guardar las definiciones actuales.</translation>
    </message>
    <message>
        <source>Save Txt</source>
        <translation>Guardar Txt</translation>
    </message>
    <message>
        <source>Save the Output as a common text file.</source>
        <translation>Guardar la Salida como archivo de texto normal.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Open the Edit window for Definitions.</source>
        <translation>Abrir la ventana de edición de las definiciones.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset all word Lists to their original starting position.</source>
        <translation>Devolver todas las listas de palabras a su posición inicial.</translation>
    </message>
    <message>
        <source>Random Sentence</source>
        <translation>Frase al azar</translation>
    </message>
    <message>
        <source>A single sentence is created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Se crea una sola frase, sin revisión ortográfica ni gramatical, en la Vista previa de la frase y la Salida. Marque Activo para incluir elementos.</translation>
    </message>
    <message>
        <source>Random Paragraph</source>
        <translation>Párrafo al azar</translation>
    </message>
    <message>
        <source>Three sentences are created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Se crean tres frases, sin revisión ortográfica ni gramatical, en la Vista previa de la frase y la Salida. Marque Activo para incluir elementos.</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Base : A Protagonist, or Action or Object or Summary. Base means a static entity. However this may be changed by editing your own Definitions.</source>
        <translation>Base : un protagonista, una acción, un objeto o un resumen. Base significa algo fijo. Aun así, puede cambiarlo editando sus propias definiciones.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Añadido</translation>
    </message>
    <message>
        <source>Modify : A Protagonist, or Action or Object. Modify means an event added to a Base. Whilst there is flexibility in the interpretation, an inflexible join exists between Action_Base and Action_Modify (ie, the words always run together).</source>
        <translation>Añadido : un protagonista, una acción o un objeto. Añadido significa algo que se suma a una Base. La interpretación es libre, pero Action_Base y Action_Modify van siempre unidos (las palabras siempre van juntas).</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagonista</translation>
    </message>
    <message>
        <source>A Protagonist is the chief entity in a context, such as a story (ie, a drama).</source>
        <translation>Un protagonista es la figura principal de un contexto, como una historia (p. ej., un drama).</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>An Action is an event made upon or by or concerning a Protagonist.</source>
        <translation>Una acción es un suceso que afecta a un protagonista, causado por él o relacionado con él.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>An Object is a thing that is self contained and has a describable shape.</source>
        <translation>Un objeto es una cosa independiente con una forma descriptible.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>You may like to use adjectives for this Definition Group.</source>
        <translation>Para este grupo de definiciones van bien los adjetivos.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Whether a Base and Modify Type is shown in the List.</source>
        <translation>Si un tipo Base y Añadido aparece en la lista.</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Acumular</translation>
    </message>
    <message>
        <source>Ticked : Items add and accumulate. Unticked : Items clear every time.</source>
        <translation>Marcado : los elementos se suman y se acumulan. Sin marcar : los elementos se borran cada vez.</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Elemento nuevo</translation>
    </message>
    <message>
        <source>In Definitions, a New item is available to any Definition List which is less than 100 words.</source>
        <translation>En las definiciones, cualquier lista de menos de 100 palabras admite un elemento nuevo.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Intercambiar elemento</translation>
    </message>
    <message>
        <source>In Definitions, you may Swap any Item that is a) currently selected and b) has a word to be exchanged with.</source>
        <translation>En las definiciones puede intercambiar cualquier elemento que a) esté seleccionado y b) tenga una palabra con la que intercambiarse.</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Quitar elemento</translation>
    </message>
    <message>
        <source>In Definitions, an Item may be removed from a Definition List if it is selected.</source>
        <translation>En las definiciones, un elemento seleccionado se puede quitar de una lista.</translation>
    </message>
    <message>
        <source>Clear (List)</source>
        <translation>Borrar (lista)</translation>
    </message>
    <message>
        <source>Clear everything in the current Definition List.</source>
        <translation>Borrar toda la lista de definiciones actual.</translation>
    </message>
    <message>
        <source>Clear (Output)</source>
        <translation>Borrar (salida)</translation>
    </message>
    <message>
        <source>Clear everything in the Output.</source>
        <translation>Borrar toda la Salida.</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Cargar valores predeterminados</translation>
    </message>
    <message>
        <source>In Definitions, all Items in every Type are replaced with default words.</source>
        <translation>En las definiciones, todos los elementos de cada tipo se sustituyen por las palabras predeterminadas.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Type : Words, such as those contained in Protagonist_Modify, Action_Base, etc. Definitions are words of a specific Type. They are formed into Definition Groups.</source>
        <translation>Tipo : palabras, como las de Protagonist_Modify, Action_Base, etc. Las definiciones son palabras de un tipo concreto. Forman grupos de definiciones.</translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>100 Definitions in any Definition Group. 16 Characters for any single word. No spell checks are used. No grammar checks are used.</source>
        <translation>100 definiciones por grupo de definiciones. 16 caracteres por palabra. No hay revisión ortográfica. No hay revisión gramatical.</translation>
    </message>
</context>
<context>
    <name>sentences::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Made by Quorvane</source>
        <translation>Hecho por Quorvane</translation>
    </message>
    <message>
        <source>By the Quorvane team</source>
        <translation>Del equipo de Quorvane</translation>
    </message>
    <message>
        <source>Tellwick : VV3</source>
        <translation>Tellwick : VV3</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Vale</translation>
    </message>
</context>
<context>
    <name>sentences::frmEdit</name>
    <message>
        <source>Edit : Definitions</source>
        <translation>Editar : Definiciones</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>The list of words to edit</source>
        <translation>La lista de palabras que editar</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>intercambiar</translation>
    </message>
    <message>
        <source>Adds the word to the list</source>
        <translation>Añade la palabra a la lista</translation>
    </message>
    <message>
        <source>Puts the word in place of the selected one</source>
        <translation>Pone la palabra en lugar de la seleccionada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>Elemento &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Swap Item</source>
        <translation>&amp;Intercambiar elemento</translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation>&amp;Quitar elemento</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>Valores &amp;predeterminados</translation>
    </message>
</context>
<context>
    <name>sentences::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
    <name>sentences::frmMain</name>
    <message>
        <source>Save as text ...</source>
        <translation>Guardar como texto ...</translation>
    </message>
    <message>
        <source>Output (*.Txt)</source>
        <translation>Salida (*.Txt)</translation>
    </message>
    <message>
        <source>Definitions (*.TwK)</source>
        <translation>Definiciones (*.TwK)</translation>
    </message>
    <message>
        <source>Tellwick : VV3 - [Quorvane]</source>
        <translation>Tellwick : VV3 - [Quorvane]</translation>
    </message>
    <message>
        <source>Lists :</source>
        <translation>Listas :</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Añadido</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagonista Base</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagonista Añadido</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Acción Base</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Acción Añadido</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objeto Base</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objeto Añadido</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagonista</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Uses this row&apos;s words in the sentences</source>
        <translation>Usa las palabras de esta fila en las frases</translation>
    </message>
    <message>
        <source>Sentence Preview :</source>
        <translation>Vista previa de la frase :</translation>
    </message>
    <message>
        <source>Click to Output</source>
        <translation>Pulse para la Salida</translation>
    </message>
    <message>
        <source>Sentence Preview</source>
        <translation>Vista previa de la frase</translation>
    </message>
    <message>
        <source>Output :</source>
        <translation>Salida :</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Keeps what the Sentence Preview holds and adds to it</source>
        <translation>Conserva lo que tiene la Vista previa de la frase y añade</translation>
    </message>
    <message>
        <source>Keeps what the Output holds and adds to it</source>
        <translation>Conserva lo que tiene la Salida y añade</translation>
    </message>
    <message>
        <source>Empties the Sentence Preview</source>
        <translation>Vacía la Vista previa de la frase</translation>
    </message>
    <message>
        <source>Empties the Output</source>
        <translation>Vacía la Salida</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Acumular</translation>
    </message>
    <message>
        <source>erase</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;cción</translation>
    </message>
    <message>
        <source>Random &amp;Sentence</source>
        <translation>&amp;Frase al azar</translation>
    </message>
    <message>
        <source>Random &amp;Paragraph</source>
        <translation>&amp;Párrafo al azar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About TwK</source>
        <translation>&amp;Acerca de TwK</translation>
    </message>
    <message>
        <source>loading other definitions</source>
        <translation>cargar otras definiciones</translation>
    </message>
    <message>
        <source>Load Definitions ...</source>
        <translation>Cargar definiciones ...</translation>
    </message>
    <message>
        <source>loading %1</source>
        <translation>cargar %1</translation>
    </message>
    <message>
        <source>TwK : Save Problem</source>
        <translation>TwK : Problema al guardar</translation>
    </message>
    <message>
        <source>I could not save %1; any earlier file of that name is unchanged.
%2</source>
        <translation>No pude guardar %1; cualquier archivo anterior con ese nombre sigue igual.
%2</translation>
    </message>
    <message>
        <source>Save Definitions ...</source>
        <translation>Guardar definiciones ...</translation>
    </message>
    <message>
        <source>the Output and the word lists</source>
        <translation>la Salida y las listas de palabras</translation>
    </message>
    <message>
        <source>the Output</source>
        <translation>la Salida</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>las listas de palabras</translation>
    </message>
    <message>
        <source>TwK : Save Changes</source>
        <translation>TwK : Guardar cambios</translation>
    </message>
    <message>
        <source>Save the changes to %1 before %2?
If you do not save, they are lost.</source>
        <translation>¿Guardar los cambios de %1 antes de %2?
Si no los guarda, se pierden.</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>cerrar</translation>
    </message>
</context>
</TS>
