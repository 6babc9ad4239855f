<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
<context>
    <name>sentences::DefinitionLists</name>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagoniste Base</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagoniste Ajout</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Action Base</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Action Ajout</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objet Base</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objet Ajout</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
</context>
<context>
    <name>sentences::HelpTopics</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tellwick creates sentences based on word lists. Pull down any Definition Group, then select the sentence as it appears in the Sentence Preview to Output. Tip: Select blanks to move words into new sentence positions.</source>
        <translation>Tellwick crée des phrases à partir de listes de mots. Déroulez un groupe de définitions, puis sélectionnez la phrase telle qu&apos;elle apparaît dans l&apos;Aperçu de phrase pour la Sortie. Astuce : sélectionnez des blancs pour déplacer les mots dans la phrase.</translation>
    </message>
    <message>
        <source>Load TwK</source>
        <translation>Charger TwK</translation>
    </message>
    <message>
        <source>Load new Definitions which fill up the Lists with words.</source>
        <translation>Charger de nouvelles définitions qui remplissent les listes de mots.</translation>
    </message>
    <message>
        <source>Save TwK</source>
        <translation>Enregistrer TwK</translation>
    </message>
    <message>
        <source>Save the current Definitions.</source>
        <translation>Enregistrer les définitions actuelles.</translation>
    </message>
    <message>
        <source>Save Txt</source>
        <translation>Enregistrer Txt</translation>
    </message>
    <message>
        <source>Save the Output as a common text file.</source>
        <translation>Enregistrer la Sortie comme simple fichier texte.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Open the Edit window for Definitions.</source>
        <translation>Ouvrir la fenêtre d&apos;édition des définitions.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Reset all word Lists to their original starting position.</source>
        <translation>Ramener toutes les listes de mots à leur position de départ.</translation>
    </message>
    <message>
        <source>Random Sentence</source>
        <translation>Phrase au hasard</translation>
    </message>
    <message>
        <source>A single sentence is created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Une seule phrase est créée, sans vérification d&apos;orthographe ni de grammaire, dans l&apos;Aperçu de phrase et la Sortie. Cochez Actif pour inclure les éléments.</translation>
    </message>
    <message>
        <source>Random Paragraph</source>
        <translation>Paragraphe au hasard</translation>
    </message>
    <message>
        <source>Three sentences are created without spelling or grammar checks in Sentence Preview and Output. Set Active checkboxes for Item inclusion.</source>
        <translation>Trois phrases sont créées, sans vérification d&apos;orthographe ni de grammaire, dans l&apos;Aperçu de phrase et la Sortie. Cochez Actif pour inclure les éléments.</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Base : A Protagonist, or Action or Object or Summary. Base means a static entity. However this may be changed by editing your own Definitions.</source>
        <translation>Base : un protagoniste, une action, un objet ou un résumé. Base désigne une entité fixe. Vous pouvez cependant le changer en modifiant vos propres définitions.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Modify : A Protagonist, or Action or Object. Modify means an event added to a Base. Whilst there is flexibility in the interpretation, an inflexible join exists between Action_Base and Action_Modify (ie, the words always run together).</source>
        <translation>Ajout : un protagoniste, une action ou un objet. Ajout désigne ce qui s&apos;ajoute à une Base. L&apos;interprétation est libre, mais Action_Base et Action_Modify sont toujours liés (les mots se suivent toujours).</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagoniste</translation>
    </message>
    <message>
        <source>A Protagonist is the chief entity in a context, such as a story (ie, a drama).</source>
        <translation>Un protagoniste est le personnage principal d&apos;un contexte, comme une histoire (p. ex. un drame).</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>An Action is an event made upon or by or concerning a Protagonist.</source>
        <translation>Une action est un événement subi, causé ou vécu par un protagoniste.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>An Object is a thing that is self contained and has a describable shape.</source>
        <translation>Un objet est une chose autonome à la forme descriptible.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>You may like to use adjectives for this Definition Group.</source>
        <translation>Les adjectifs conviennent bien à ce groupe de définitions.</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Whether a Base and Modify Type is shown in the List.</source>
        <translation>Si un type Base et Ajout figure dans la liste.</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Cumuler</translation>
    </message>
    <message>
        <source>Ticked : Items add and accumulate. Unticked : Items clear every time.</source>
        <translation>Coché : les éléments s&apos;ajoutent et s&apos;accumulent. Décoché : les éléments s&apos;effacent à chaque fois.</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Nouvel élément</translation>
    </message>
    <message>
        <source>In Definitions, a New item is available to any Definition List which is less than 100 words.</source>
        <translation>Dans les définitions, un nouvel élément peut s&apos;ajouter à toute liste de moins de 100 mots.</translation>
    </message>
    <message>
        <source>Swap Item</source>
        <translation>Échanger l&apos;élément</translation>
    </message>
    <message>
        <source>In Definitions, you may Swap any Item that is a) currently selected and b) has a word to be exchanged with.</source>
        <translation>Dans les définitions, vous pouvez échanger tout élément a) sélectionné et b) doté d&apos;un mot à échanger.</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>In Definitions, an Item may be removed from a Definition List if it is selected.</source>
        <translation>Dans les définitions, un élément sélectionné peut être retiré d&apos;une liste.</translation>
    </message>
    <message>
        <source>Clear (List)</source>
        <translation>Effacer (liste)</translation>
    </message>
    <message>
        <source>Clear everything in the current Definition List.</source>
        <translation>Effacer toute la liste de définitions courante.</translation>
    </message>
    <message>
        <source>Clear (Output)</source>
        <translation>Effacer (sortie)</translation>
    </message>
    <message>
        <source>Clear everything in the Output.</source>
        <translation>Effacer toute la Sortie.</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Charger les valeurs par défaut</translation>
    </message>
    <message>
        <source>In Definitions, all Items in every Type are replaced with default words.</source>
        <translation>Dans les définitions, tous les éléments de chaque type sont remplacés par les mots par défaut.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Type : Words, such as those contained in Protagonist_Modify, Action_Base, etc. Definitions are words of a specific Type. They are formed into Definition Groups.</source>
        <translation>Type : des mots, comme ceux de Protagonist_Modify, Action_Base, etc. Les définitions sont des mots d&apos;un type donné. Elles forment des groupes de définitions.</translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>100 Definitions in any Definition Group. 16 Characters for any single word. No spell checks are used. No grammar checks are used.</source>
        <translation>100 définitions par groupe de définitions. 16 caractères par mot. Aucune vérification d&apos;orthographe. Aucune vérification de grammaire.</translation>
    </message>
</context>
<context>
    <name>sentences::frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Made by Quorvane</source>
        <translation>Réalisé par Quorvane</translation>
    </message>
    <message>
        <source>By the Quorvane team</source>
        <translation>Par l&apos;équipe Quorvane</translation>
    </message>
    <message>
        <source>Tellwick : VV3</source>
        <translation>Tellwick : VV3</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>D&apos;accord</translation>
    </message>
</context>
<context>
    <name>sentences::frmEdit</name>
    <message>
        <source>Edit : Definitions</source>
        <translation>Modifier : Définitions</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>The list of words to edit</source>
        <translation>La liste de mots à modifier</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>swap</source>
        <translation>échanger</translation>
    </message>
    <message>
        <source>Adds the word to the list</source>
        <translation>Ajoute le mot à la liste</translation>
    </message>
    <message>
        <source>Puts the word in place of the selected one</source>
        <translation>Met le mot à la place du mot sélectionné</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>&amp;Nouvel élément</translation>
    </message>
    <message>
        <source>&amp;Swap Item</source>
        <translation>&amp;Échanger l&apos;élément</translation>
    </message>
    <message>
        <source>&amp;Remove Item</source>
        <translation>&amp;Retirer l&apos;élément</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>Valeurs par &amp;défaut</translation>
    </message>
</context>
<context>
    <name>sentences::frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
    <name>sentences::frmMain</name>
    <message>
        <source>Save as text ...</source>
        <translation>Enregistrer comme texte ...</translation>
    </message>
    <message>
        <source>Output (*.Txt)</source>
        <translation>Sortie (*.Txt)</translation>
    </message>
    <message>
        <source>Definitions (*.TwK)</source>
        <translation>Définitions (*.TwK)</translation>
    </message>
    <message>
        <source>Tellwick : VV3 - [Quorvane]</source>
        <translation>Tellwick : VV3 - [Quorvane]</translation>
    </message>
    <message>
        <source>Lists :</source>
        <translation>Listes :</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Protagonist Base</source>
        <translation>Protagoniste Base</translation>
    </message>
    <message>
        <source>Protagonist Modify</source>
        <translation>Protagoniste Ajout</translation>
    </message>
    <message>
        <source>Action Base</source>
        <translation>Action Base</translation>
    </message>
    <message>
        <source>Action Modify</source>
        <translation>Action Ajout</translation>
    </message>
    <message>
        <source>Object Base</source>
        <translation>Objet Base</translation>
    </message>
    <message>
        <source>Object Modify</source>
        <translation>Objet Ajout</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Protagonist</source>
        <translation>Protagoniste</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Uses this row&apos;s words in the sentences</source>
        <translation>Utilise les mots de cette ligne dans les phrases</translation>
    </message>
    <message>
        <source>Sentence Preview :</source>
        <translation>Aperçu de phrase :</translation>
    </message>
    <message>
        <source>Click to Output</source>
        <translation>Cliquer pour la Sortie</translation>
    </message>
    <message>
        <source>Sentence Preview</source>
        <translation>Aperçu de phrase</translation>
    </message>
    <message>
        <source>Output :</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Keeps what the Sentence Preview holds and adds to it</source>
        <translation>Garde le contenu de l&apos;Aperçu de phrase et y ajoute</translation>
    </message>
    <message>
        <source>Keeps what the Output holds and adds to it</source>
        <translation>Garde le contenu de la Sortie et y ajoute</translation>
    </message>
    <message>
        <source>Empties the Sentence Preview</source>
        <translation>Vide l&apos;Aperçu de phrase</translation>
    </message>
    <message>
        <source>Empties the Output</source>
        <translation>Vide la Sortie</translation>
    </message>
    <message>
        <source>Additive</source>
        <translation>Cumuler</translation>
    </message>
    <message>
        <source>erase</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>Ac&amp;tion</translation>
    </message>
    <message>
        <source>Random &amp;Sentence</source>
        <translation>&amp;Phrase au hasard</translation>
    </message>
    <message>
        <source>Random &amp;Paragraph</source>
        <translation>P&amp;aragraphe au hasard</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About TwK</source>
        <translation>&amp;À propos de TwK</translation>
    </message>
    <message>
        <source>loading other definitions</source>
        <translation>de charger d&apos;autres définitions</translation>
    </message>
    <message>
        <source>Load Definitions ...</source>
        <translation>Charger des définitions ...</translation>
    </message>
    <message>
        <source>loading %1</source>
        <translation>de charger %1</translation>
    </message>
    <message>
        <source>TwK : Save Problem</source>
        <translation>TwK : Problème d&apos;enregistrement</translation>
    </message>
    <message>
        <source>I could not save %1; any earlier file of that name is unchanged.
%2</source>
        <translation>Je n&apos;ai pas pu enregistrer %1 ; tout fichier antérieur de ce nom est inchangé.
%2</translation>
    </message>
    <message>
        <source>Save Definitions ...</source>
        <translation>Enregistrer les définitions ...</translation>
    </message>
    <message>
        <source>the Output and the word lists</source>
        <translation>la Sortie et les listes de mots</translation>
    </message>
    <message>
        <source>the Output</source>
        <translation>la Sortie</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>les listes de mots</translation>
    </message>
    <message>
        <source>TwK : Save Changes</source>
        <translation>TwK : Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Save the changes to %1 before %2?
If you do not save, they are lost.</source>
        <translation>Enregistrer les modifications de %1 avant %2 ?
Sans enregistrement, elles sont perdues.</translation>
    </message>
    <message>
        <source>closing</source>
        <translation>de fermer</translation>
    </message>
</context>
</TS>
