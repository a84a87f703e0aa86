<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Boardsmith</source>
        <translation>À propos de Boardsmith</translation>
    </message>
    <message>
        <source>Boardsmith</source>
        <translation>Boardsmith</translation>
    </message>
    <message>
        <source>Beta Version 1.3</source>
        <translation>Version bêta 1.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Boardsmith: joins two to eight geomorphic map panels of a map set into one new map file, stacked Top-to-Bottom, laid End-to-End or as a two-column Composite, in dialogs with a preview of the joined map.</source>
        <translation>Boardsmith : assemble de deux à huit panneaux de cartes géomorphiques d&apos;une série de cartes en un nouveau fichier de carte, empilés « De haut en bas », alignés « Bout à bout » ou en « Composite » sur deux colonnes, dans des boîtes de dialogue avec un aperçu de la carte assemblée.</translation>
    </message>
    <message>
        <source>
Exit status: 0 once the main dialog is closed.
</source>
        <translation>
Code de sortie : 0 une fois la fenêtre principale fermée.
</translation>
    </message>
    <message>
        <source>A setup file (.pwsetup) to open at start-up, as File &gt; Open Setup opens it, or a map file (.map) to view, as File &gt; View Map shows it.</source>
        <translation>Un fichier de configuration (.pwsetup) à ouvrir au démarrage, comme le ferait Fichier &gt; Ouvrir une configuration, ou un fichier de carte (.map) à afficher, comme le ferait Fichier &gt; Voir une carte.</translation>
    </message>
    <message>
        <source>one file at a time: %1 is one too many; try &apos;%2 --help&apos;</source>
        <translation>un seul fichier à la fois&#xa0;: %1 est de trop&#xa0;; essayer «&#xa0;%2 --help&#xa0;»</translation>
    </message>
</context>
<context>
    <name>CompositeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>click &amp;arrow to change compass direction of Map&apos;s top edge</source>
        <translation>cliquer sur la &amp;flèche pour changer l&apos;orientation du bord supérieur de la carte</translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation>Utiliser les fichiers de carte :</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Disposition des cartes</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>&amp;Enregistrer la carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CompositionPrinting</name>
    <message>
        <source>untitled.map</source>
        <translation>sans-titre.map</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>Open Setup</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Save Setup</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Boardsmith setup (*.pwsetup)</source>
        <translation>Configuration Boardsmith (*.pwsetup)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation>&amp;Ouvrir une configuration...</translation>
    </message>
    <message>
        <source>&amp;Reopen Last Composition</source>
        <translation>&amp;Rouvrir la dernière composition</translation>
    </message>
    <message>
        <source>No recent setups</source>
        <translation>Aucune configuration récente</translation>
    </message>
    <message>
        <source>Sa&amp;ve Setup...</source>
        <translation>Enregistrer la confi&amp;guration...</translation>
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
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>MAP (*.map)</source>
        <translation>Carte (*.map)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+S Save Map, Ctrl+Shift+S Save Setup, Ctrl+O Open Setup, Ctrl+Z undo, Shift+click or Shift+Space on the arrow turns it back</source>
        <translation>Molette ou + et - : zoom ; glisser ou touches fléchées : défilement ; double-clic, 0 ou Début : ajuster à la vue. Ctrl+S Enregistrer la carte, Ctrl+Maj+S Enregistrer la configuration, Ctrl+O Ouvrir une configuration, Ctrl+Z annuler, Maj+clic ou Maj+Espace sur la flèche la fait tourner dans l&apos;autre sens</translation>
    </message>
    <message>
        <source>Choose a panel for slot 1</source>
        <translation>Choisir un panneau pour l&apos;emplacement 1</translation>
    </message>
    <message>
        <source>&amp;Fix-ups</source>
        <translation>&amp;Corrections</translation>
    </message>
    <message>
        <source>Highlights in magenta the cells of layer b that the junction fix-up changed where L and R marked panels meet</source>
        <translation>Surligne en magenta les cases de la couche b que la correction de jonction a modifiées là où se rejoignent des panneaux marqués L et R</translation>
    </message>
    <message>
        <source>Sea&amp;m check</source>
        <translation>Contrôle des &amp;raccords</translation>
    </message>
    <message>
        <source>Marks the edge cells of features the legend marks with + that do not meet across a seam, in a colour that stands out from every colour of the legend</source>
        <translation>Marque les cases de bord des éléments que la légende marque d&apos;un + et qui ne se prolongent pas de l&apos;autre côté d&apos;un raccord, dans une couleur qui se détache de toutes les couleurs de la légende</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF to print (*.pdf)</source>
        <translation>PDF à imprimer (*.pdf)</translation>
    </message>
    <message>
        <source>New image file created successfully</source>
        <translation>Nouveau fichier image créé avec succès</translation>
    </message>
    <message>
        <source>Seam check: %1</source>
        <translation>Contrôle des raccords : %1</translation>
    </message>
    <message>
        <source>Column %1, row %2: first grid %3, second grid %4%5</source>
        <translation>Colonne %1, ligne %2 : première grille %3, seconde grille %4%5</translation>
    </message>
    <message>
        <source>; slot %1, nothing chosen</source>
        <translation> ; emplacement %1, aucun fichier choisi</translation>
    </message>
    <message>
        <source>; slot %1: %2</source>
        <translation> ; emplacement %1 : %2</translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3</source>
        <translation> ; ne se raccorde pas de l&apos;autre côté du raccord : %1 ici, %2 en face dans l&apos;emplacement %3</translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3: %4</source>
        <translation> ; ne se raccorde pas de l&apos;autre côté du raccord : %1 ici, %2 en face dans l&apos;emplacement %3 : %4</translation>
    </message>
    <message>
        <source>; label &quot;%1&quot;</source>
        <translation> ; étiquette « %1 »</translation>
    </message>
    <message>
        <source>Slot %1 map file</source>
        <translation>Fichier de carte de l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>The panel that fills slot %1 of the diagram; a name ending in L or R gives the slot that mark. A map file dropped here is chosen.</source>
        <translation>Le panneau qui occupe l&apos;emplacement %1 du schéma ; un nom se terminant par L ou R donne cette marque à l&apos;emplacement. Un fichier de carte déposé ici est choisi.</translation>
    </message>
    <message>
        <source> It joins with mark %1.</source>
        <translation> Il est assemblé avec la marque %1.</translation>
    </message>
    <message>
        <source>Turn the map&apos;s top edge</source>
        <translation>Tourner le bord supérieur de la carte</translation>
    </message>
    <message>
        <source>The joined map&apos;s top edge faces %1. Click or Space turns it clockwise, Shift+click or Shift+Space back.</source>
        <translation>Le bord supérieur de la carte assemblée est orienté vers %1. Un clic ou Espace le fait tourner dans le sens horaire, Maj+clic ou Maj+Espace dans l&apos;autre sens.</translation>
    </message>
    <message>
        <source>Map preview</source>
        <translation>Aperçu de la carte</translation>
    </message>
    <message>
        <source>What the preview draws: the first grid, the second grid or a layer over the first grid</source>
        <translation>Ce que dessine l&apos;aperçu : la première grille, la seconde grille ou une couche sur la première grille</translation>
    </message>
    <message>
        <source>Shows or hides the picture of the map that Save Map would write</source>
        <translation>Affiche ou masque l&apos;image de la carte que « Enregistrer la carte » écrirait</translation>
    </message>
    <message>
        <source>Fills the slots, marks and direction from a setup file (Ctrl+O)</source>
        <translation>Remplit les emplacements, les marques et l&apos;orientation à partir d&apos;un fichier de configuration (Ctrl+O)</translation>
    </message>
    <message>
        <source>Keeps the slots, marks and direction in a setup file (Ctrl+Shift+S)</source>
        <translation>Enregistre les emplacements, les marques et l&apos;orientation dans un fichier de configuration (Ctrl+Maj+S)</translation>
    </message>
    <message>
        <source>Checks the chosen panels and writes the joined map (Ctrl+S)</source>
        <translation>Vérifie les panneaux choisis et écrit la carte assemblée (Ctrl+S)</translation>
    </message>
    <message>
        <source>Type %1, or step with the arrow keys</source>
        <translation>Saisir %1, ou changer pas à pas avec les touches fléchées</translation>
    </message>
    <message>
        <source>%1 (kept)</source>
        <translation>%1 (conservée)</translation>
    </message>
    <message>
        <source>Mark %1 kept from %2: %3 has no mark of its own</source>
        <translation>Marque %1 conservée (venant de %2) : %3 n&apos;a pas de marque propre</translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3; it changes no junction as the marks stand.</source>
        <translation>L&apos;emplacement %1 est assemblé avec la marque %2 conservée (venant de %3) ; avec les marques actuelles, elle ne modifie aucune jonction.</translation>
    </message>
    <message>
        <source> and slot </source>
        <translation> et l&apos;emplacement </translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3: it changes the junction with slot %4.</source>
        <translation>L&apos;emplacement %1 est assemblé avec la marque %2 conservée (venant de %3) : elle modifie la jonction avec l&apos;emplacement %4.</translation>
    </message>
    <message>
        <source>WARNING: setup %1: %2; the dialogs leave it out</source>
        <translation>AVERTISSEMENT : configuration %1 : %2 ; les boîtes de dialogue l&apos;ignorent</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User&apos;s Guide</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
</context>
<context>
    <name>EndToEndDialog</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>click &amp;arrow to change compass direction of Map&apos;s top edge</source>
        <translation>cliquer sur la &amp;flèche pour changer l&apos;orientation du bord supérieur de la carte</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Disposition des cartes</translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation>Utiliser les fichiers de carte :</translation>
    </message>
    <message>
        <source>^</source>
        <translation>^</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>&amp;Enregistrer la carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MapSet</name>
    <message>
        <source>Ironfall map files selection</source>
        <translation>Sélection des fichiers de carte Ironfall</translation>
    </message>
    <message>
        <source>Embr map files selection</source>
        <translation>Sélection des fichiers de carte Embr</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>New map file created successfully</source>
        <translation>Nouveau fichier de carte créé avec succès</translation>
    </message>
    <message>
        <source>ERROR searchinng for Map files</source>
        <translation>ERREUR lors de la recherche des fichiers de carte</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 doit être une chaîne de caractères</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 doit être un nombre entier</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 doit être un nombre</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 doit valoir true ou false</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 doit être un objet</translation>
    </message>
    <message>
        <source>%1 must be a list</source>
        <translation>%1 doit être une liste</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>File name is not valid UTF-8</source>
        <translation>Le nom de fichier n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>Not following a link that another user left in a shared folder</source>
        <translation>Refus de suivre un lien laissé par un autre utilisateur dans un dossier partagé</translation>
    </message>
    <message>
        <source>the file or a folder on its way changed after the setup was checked</source>
        <translation>le fichier ou un dossier de son chemin a changé après la vérification de la configuration</translation>
    </message>
    <message>
        <source>ERROR: no file selected for Map# %1</source>
        <translation>ERREUR : aucun fichier choisi pour la carte n° %1</translation>
    </message>
    <message>
        <source>ERROR: unable to open file %1</source>
        <translation>ERREUR : impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid version number</source>
        <translation>ERREUR : le fichier %1 n&apos;a pas de numéro de version valide</translation>
    </message>
    <message>
        <source>ERROR: file %1 is a submap! Version# = %2</source>
        <translation>ERREUR : le fichier %1 est une sous-carte ! N° de version = %2</translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid map size</source>
        <translation>ERREUR : le fichier %1 n&apos;a pas de taille de carte valide</translation>
    </message>
    <message>
        <source>ERROR: file %1 invalid Map size; %2</source>
        <translation>ERREUR : le fichier %1 a une taille de carte non valide ; %2</translation>
    </message>
    <message>
        <source>ERROR: file %1 height does not match file %2; %3 &lt;&gt; %4</source>
        <translation>ERREUR : la hauteur du fichier %1 ne correspond pas à celle du fichier %2 ; %3 &lt;&gt; %4</translation>
    </message>
    <message>
        <source>ERROR: file %1 length does not match file %2; %3 &lt;&gt; %4</source>
        <translation>ERREUR : la longueur du fichier %1 ne correspond pas à celle du fichier %2 ; %3 &lt;&gt; %4</translation>
    </message>
    <message>
        <source>ERROR: file %1 ends early</source>
        <translation>ERREUR : le fichier %1 se termine trop tôt</translation>
    </message>
    <message>
        <source>ERROR: file %1 has layer letters out of order</source>
        <translation>ERREUR : les lettres de couche du fichier %1 ne sont pas dans l&apos;ordre</translation>
    </message>
    <message>
        <source>ERROR: unable to read file %1</source>
        <translation>ERREUR : impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>ERROR: %1 takes %2 sources, not %3</source>
        <translation>ERREUR : %1 accepte %2 sources, pas %3</translation>
    </message>
    <message>
        <source>ERROR: file name %1 is not valid UTF-8</source>
        <translation>ERREUR : le nom de fichier %1 n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>ERROR: unable to create file %1: %2</source>
        <translation>ERREUR : impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>ERROR: unable to write file %1: %2</source>
        <translation>ERREUR : impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>X = %1 Y = %2</source>
        <translation>X = %1 Y = %2</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <translation>ERREUR : %1</translation>
    </message>
    <message>
        <source>map-set folder %1 cannot be read: %2; its map files are not listed</source>
        <translation>le dossier de série de cartes %1 ne peut pas être lu : %2 ; ses fichiers de carte ne sont pas listés</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>ERROR: setup %1: %2</source>
        <translation>ERREUR : configuration %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>not a setup (expected a JSON object)</source>
        <translation>ce n&apos;est pas une configuration (objet JSON attendu)</translation>
    </message>
    <message>
        <source>format %1 was written by a newer version of the program; this one reads format %2 and older</source>
        <translation>le format %1 a été écrit par une version plus récente du programme ; celle-ci lit le format %2 et les plus anciens</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be a whole number from 1</source>
        <translation>&quot;format&quot; doit être un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>unknown layout %1 (%2)</source>
        <translation>disposition inconnue %1 (%2)</translation>
    </message>
    <message>
        <source>unknown map set %1 (%2)</source>
        <translation>série de cartes inconnue %1 (%2)</translation>
    </message>
    <message>
        <source>unknown direction %1 (%2)</source>
        <translation>orientation inconnue %1 (%2)</translation>
    </message>
    <message>
        <source>%1 takes %2 slots, not %3</source>
        <translation>%1 accepte %2 emplacements, pas %3</translation>
    </message>
    <message>
        <source>slot %1 must be an object</source>
        <translation>l&apos;emplacement %1 doit être un objet</translation>
    </message>
    <message>
        <source>slot %1: mark %2 is not L, R or none</source>
        <translation>emplacement %1 : la marque %2 n&apos;est ni L, ni R, ni none</translation>
    </message>
    <message>
        <source>slot %1: both &quot;file&quot; and &quot;mapSetFile&quot;</source>
        <translation>emplacement %1 : à la fois &quot;file&quot; et &quot;mapSetFile&quot;</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>slot %1: &quot;mapSetFile&quot; must be a file name without a folder</source>
        <translation>emplacement %1 : &quot;mapSetFile&quot; doit être un nom de fichier sans dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 bytes, too large for a setup</source>
        <translation>fichier de plus de %1 octets, trop volumineux pour une configuration</translation>
    </message>
    <message>
        <source>the output map or picture is the setup file itself</source>
        <translation>la carte ou l&apos;image de sortie est le fichier de configuration lui-même</translation>
    </message>
    <message>
        <source>key %1 given twice</source>
        <translation>clé %1 donnée deux fois</translation>
    </message>
    <message>
        <source>%1 contains a NUL character</source>
        <translation>%1 contient un caractère NUL</translation>
    </message>
    <message>
        <source>%1 contains a lone surrogate (\uD800 to \uDFFF alone)</source>
        <translation>%1 contient un seizet d&apos;indirection isolé (\uD800 à \uDFFF seul)</translation>
    </message>
    <message>
        <source>%1 %2 lies outside the setup&apos;s folder</source>
        <translation>%1 %2 se trouve hors du dossier de la configuration</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>emplacement %1</translation>
    </message>
    <message>
        <source>%1 %2 is also written by setup %3</source>
        <translation>%1 %2 est aussi écrit par la configuration %3</translation>
    </message>
    <message>
        <source>%1 %2 is read by setup %3</source>
        <translation>%1 %2 est lu par la configuration %3</translation>
    </message>
    <message>
        <source>%1 is written by setup %2</source>
        <translation>%1 est écrit par la configuration %2</translation>
    </message>
    <message>
        <source>output %1 is not a map file</source>
        <translation>output %1 n&apos;est pas un fichier de carte</translation>
    </message>
    <message>
        <source>picture %1 is not a PNG or PDF file</source>
        <translation>picture %1 n&apos;est pas un fichier PNG ou PDF</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>son dossier ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>ERROR: file %1 has a row longer than its length</source>
        <translation>ERREUR : le fichier %1 a une ligne plus longue que sa longueur</translation>
    </message>
    <message>
        <source>ERROR: unable to print on %1: %2</source>
        <translation>ERREUR : impossible d&apos;imprimer sur %1 : %2</translation>
    </message>
    <message>
        <source>%1 is the name of a file here; write ./%1 to mean the file, or put the options before the files</source>
        <translation>%1 est ici le nom d&apos;un fichier ; écrire ./%1 pour désigner ce fichier, ou placer les options avant les fichiers</translation>
    </message>
</context>
<context>
    <name>PanelwrightDialog</name>
    <message>
        <source>Tarvin &quot;Skirmark&quot; Geomorphic Maps Utility</source>
        <translation>Utilitaire de cartes géomorphiques Tarvin « Skirmark »</translation>
    </message>
    <message>
        <source>Select configuration </source>
        <translation>Choisir la disposition </translation>
    </message>
    <message>
        <source>&amp;Top-to-Bottom</source>
        <translation>De &amp;haut en bas</translation>
    </message>
    <message>
        <source>&amp;End-to-End</source>
        <translation>B&amp;out à bout</translation>
    </message>
    <message>
        <source>&amp;Composite</source>
        <translation>&amp;Composite</translation>
    </message>
    <message>
        <source>Map Set:</source>
        <translation>Série de cartes :</translation>
    </message>
    <message>
        <source>Ironfall</source>
        <translation>Ironfall</translation>
    </message>
    <message>
        <source>Emberline</source>
        <translation>Emberline</translation>
    </message>
    <message>
        <source>Total # of &amp;maps to use:</source>
        <translation>&amp;Nombre total de cartes à utiliser :</translation>
    </message>
    <message>
        <source>Number of maps to join</source>
        <translation>Nombre de cartes à assembler</translation>
    </message>
    <message>
        <source>&amp;Select map files</source>
        <translation>&amp;Sélectionner les fichiers de carte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>PictureMessages</name>
    <message>
        <source>ERROR: file %1 is too large to draw at %2 pixels per cell</source>
        <translation>ERREUR : le fichier %1 est trop grand pour être dessiné à %2 pixels par case</translation>
    </message>
    <message>
        <source>ERROR: not enough memory to draw file %1</source>
        <translation>ERREUR : mémoire insuffisante pour dessiner le fichier %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>ERROR: picture %1 would be %2 by %3 pixels, more than %4; the largest scale that fits is %5</source>
        <translation>ERREUR : l&apos;image %1 ferait %2 × %3 pixels, plus de %4 ; la plus grande échelle possible est %5</translation>
    </message>
    <message>
        <source>a cell of %1 mm is too large for %2 paper</source>
        <translation>une case de %1 mm est trop grande pour le papier %2</translation>
    </message>
    <message>
        <source>the map takes %1 sheets at %2 mm a cell, more than %3: choose smaller cells (--cell-mm)</source>
        <translation>la carte occupe %1 feuilles à %2 mm par case, plus de %3 : choisir des cases plus petites (--cell-mm)</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n feuille</numerusform>
            <numerusform>%n feuilles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n case</numerusform>
            <numerusform>%n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 by %3 cells on %4 after this one, %5 across and %6 down (row,column); neighbours share %7</source>
        <translation>%1 : %2 × %3 cases sur %4 après celle-ci, %5 en largeur et %6 en hauteur (ligne,colonne) ; les feuilles voisines partagent %7</translation>
    </message>
    <message>
        <source>Sheet %1,%2 (row %1 of %3, column %2 of %4): cells %5 to %6 across, %7 to %8 down</source>
        <translation>Feuille %1,%2 (ligne %1 sur %3, colonne %2 sur %4) : cases %5 à %6 en largeur, %7 à %8 en hauteur</translation>
    </message>
    <message>
        <source>the map just written cannot be read back</source>
        <translation>la carte qui vient d&apos;être écrite ne peut pas être relue</translation>
    </message>
    <message>
        <source>not a .png or .pdf name</source>
        <translation>ce n&apos;est pas un nom en .png ou .pdf</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the built-in colours are used instead</source>
        <translation>%1 n&apos;est pas un fichier ordinaire ; les couleurs intégrées sont utilisées à la place</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2; the built-in colours are used instead</source>
        <translation>%1 ne peut pas être lu : %2 ; les couleurs intégrées sont utilisées à la place</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB; the lines after its first %2 KiB are left out</source>
        <translation>%1 dépasse %2 Kio ; les lignes au-delà de ses %2 premiers Kio sont ignorées</translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: there is no %1</source>
        <translation>rien n&apos;a été comparé, aucun raccord n&apos;est donc vérifié : il n&apos;y a pas de fichier %1</translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: %1 marks no feature that continues across panel edges (a + right after the colour)</source>
        <translation>rien n&apos;a été comparé, aucun raccord n&apos;est donc vérifié : %1 ne marque aucun élément qui se prolonge d&apos;un panneau à l&apos;autre (un + juste après la couleur)</translation>
    </message>
    <message>
        <source>no seam could be compared</source>
        <translation>aucun raccord n&apos;a pu être comparé</translation>
    </message>
    <message numerus="yes">
        <source>%n seams</source>
        <translation>
            <numerusform>%n raccord comparé</numerusform>
            <numerusform>%n raccords comparés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: every marked feature meets</source>
        <translation>%1 : tous les éléments marqués se raccordent</translation>
    </message>
    <message numerus="yes">
        <source>%n cells do not meet</source>
        <translation>
            <numerusform>%n case ne se raccorde pas</numerusform>
            <numerusform>%n cases ne se raccordent pas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n slots cannot be joined</source>
        <translation>
            <numerusform>%n emplacement ne peut pas être assemblé</numerusform>
            <numerusform>%n emplacements ne peuvent pas être assemblés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>What the seam check found, then the slots it could not join.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>the printer did not take the sheets</source>
        <translation>l&apos;imprimante n&apos;a pas accepté les feuilles</translation>
    </message>
    <message>
        <source>a colour outside the picture&apos;s palette</source>
        <translation>une couleur hors de la palette de l&apos;image</translation>
    </message>
</context>
<context>
    <name>PictureRules</name>
    <message>
        <source>unknown --show &apos;%1&apos; (first, second or a layer letter %2 to %3)</source>
        <extracomment>first and second are what --show reads, and stay as they are.</extracomment>
        <translation>valeur de --show inconnue &apos;%1&apos; (first, second ou une lettre de couche de %2 à %3)</translation>
    </message>
    <message>
        <source>--panel takes LENGTHxHEIGHT in cells, such as 32x20</source>
        <translation>--panel attend LENGTHxHEIGHT en cases, par exemple 32x20</translation>
    </message>
    <message>
        <source>--scale takes a whole number of pixels from 1 to %1</source>
        <translation>--scale attend un nombre entier de pixels de 1 à %1</translation>
    </message>
    <message>
        <source>--dpi takes a whole number from 1 to %1</source>
        <translation>--dpi attend un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>unknown --format &apos;%1&apos; (png or pdf)</source>
        <extracomment>png and pdf are what --format reads, and stay as they are.</extracomment>
        <translation>valeur de --format inconnue &apos;%1&apos; (png ou pdf)</translation>
    </message>
    <message>
        <source>unknown --paper &apos;%1&apos; (%2)</source>
        <translation>valeur de --paper inconnue &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>--cell-mm takes a number of millimetres from %1 to %2</source>
        <translation>--cell-mm attend un nombre de millimètres de %1 à %2</translation>
    </message>
    <message>
        <source>--scale applies to PNG pictures only</source>
        <translation>--scale ne s&apos;applique qu&apos;aux images PNG</translation>
    </message>
    <message>
        <source>--paper and --cell-mm apply to PDF pictures only</source>
        <translation>--paper et --cell-mm ne s&apos;appliquent qu&apos;aux images PDF</translation>
    </message>
    <message>
        <source>unknown labels &apos;%1&apos; (all, placed or none)</source>
        <extracomment>all, placed and none are what a setup&apos;s &quot;labels&quot; holds, and stay as they are.</extracomment>
        <translation>valeur de labels inconnue &apos;%1&apos; (all, placed ou none)</translation>
    </message>
    <message>
        <source>--grid needs cells of at least %1 pixels (--scale %1 or more)</source>
        <translation>--grid exige des cases d&apos;au moins %1 pixels (--scale %1 ou plus)</translation>
    </message>
</context>
<context>
    <name>PictureSummary</name>
    <message>
        <source>%1: %2 columns by %3 rows</source>
        <translation>%1 : %2 colonnes sur %3 lignes</translation>
    </message>
    <message>
        <source>Top-to-Bottom map, %1 columns by %2 rows</source>
        <translation>Carte de haut en bas, %1 colonnes sur %2 lignes</translation>
    </message>
    <message>
        <source>End-to-End map, %1 columns by %2 rows</source>
        <translation>Carte bout à bout, %1 colonnes sur %2 lignes</translation>
    </message>
    <message>
        <source>Composite map, %1 columns by %2 rows</source>
        <translation>Carte composite, %1 colonnes sur %2 lignes</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Emplacement %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n cells changed by the fix-ups are highlighted</source>
        <translation>
            <numerusform>%n case modifiée par les corrections est mise en évidence</numerusform>
            <numerusform>%n cases modifiées par les corrections sont mises en évidence</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>View Map</source>
        <translation>Voir une carte</translation>
    </message>
</context>
<context>
    <name>TopToBottomDialog</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Click &amp;arrow to change compass direction of map&apos;s top edge</source>
        <translation>Cliquer sur la &amp;flèche pour changer l&apos;orientation du bord supérieur de la carte</translation>
    </message>
    <message>
        <source>Use map files:</source>
        <translation>Utiliser les fichiers de carte :</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Disposition des cartes</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>&amp;Enregistrer la carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>Boardsmith&apos;s merge engine for scripts: joins 2 to 8 geomorphic map panels of one map set into one new map file.</source>
        <translation>Le moteur d&apos;assemblage de Boardsmith pour les scripts : assemble 2 à 8 panneaux de cartes géomorphiques d&apos;une même série de cartes en un nouveau fichier de carte.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>merge: joins map panels into a new map file; run: joins the maps of setup files; check: tells where the panels of a composition do not meet; list: the map files the dialogs offer; render: draws a map file into a PNG picture or a PDF to print. &apos;panelwright-cli COMMAND --help&apos; tells a command&apos;s options.</source>
        <translation>merge : assemble des panneaux en un nouveau fichier de carte ; run : assemble les cartes de fichiers de configuration ; check : indique où les panneaux d&apos;une composition ne se raccordent pas ; list : les fichiers de carte que proposent les boîtes de dialogue ; render : dessine un fichier de carte dans une image PNG ou un PDF à imprimer. &apos;panelwright-cli COMMAND --help&apos; indique les options d&apos;une commande.</translation>
    </message>
    <message>
        <source>COMMAND [options] ...</source>
        <translation>COMMAND [options] ...</translation>
    </message>
    <message>
        <source>Draws a map file into a PNG picture, or a PDF to print: one square per cell of the first grid, the second grid or a layer drawn over the faded first grid, in the colours of the legend.txt beside the map, if any.</source>
        <translation>Dessine un fichier de carte dans une image PNG, ou un PDF à imprimer : un carré par case de la première grille, de la seconde grille ou d&apos;une couche dessinée sur la première grille estompée, aux couleurs du legend.txt situé à côté de la carte, s&apos;il existe.</translation>
    </message>
    <message>
        <source>Draws the map&apos;s labels; a text that would overlap an earlier one is left out and only its dot shows. &apos;--labels all&apos; draws every text.</source>
        <translation>Dessine les étiquettes de la carte ; un texte qui chevaucherait un texte précédent est omis et seul son point apparaît. &apos;--labels all&apos; dessine tous les textes.</translation>
    </message>
    <message>
        <source>Draws lines between the panels of --panel cells.</source>
        <translation>Trace des lignes entre les panneaux, de la taille en cases donnée par --panel.</translation>
    </message>
    <message>
        <source>LENGTHxHEIGHT</source>
        <translation>LENGTHxHEIGHT</translation>
    </message>
    <message>
        <source>The size in cells of the joined panels, e.g. 32x20.</source>
        <translation>La taille en cases des panneaux assemblés, par ex. 32x20.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>The picture to write (PNG, or PDF for a name ending in .pdf); not MAP, nor anything but a regular file.</source>
        <translation>L&apos;image à écrire (PNG, ou PDF pour un nom se terminant par .pdf) ; ni MAP, ni autre chose qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>The map file to draw.</source>
        <translation>Le fichier de carte à dessiner.</translation>
    </message>
    <message>
        <source>WHAT</source>
        <translation>WHAT</translation>
    </message>
    <message>
        <source>first (default), second, or a layer letter a to w.</source>
        <translation>first (par défaut), second, ou une lettre de couche de a à w.</translation>
    </message>
    <message>
        <source>PX</source>
        <translation>PX</translation>
    </message>
    <message>
        <source>PNG: pixels per cell, 1 to 64 (default 4).</source>
        <translation>PNG : pixels par case, de 1 à 64 (4 par défaut).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PNG: the resolution stored in the file, so that other programs print it at that size; PDF: the resolution of the overview&apos;s picture (the sheets are shapes and text, sharp at any resolution; default 200).</source>
        <translation>PNG : la résolution enregistrée dans le fichier, pour que d&apos;autres programmes l&apos;impriment à cette taille ; PDF : la résolution de l&apos;image de la vue d&apos;ensemble (les feuilles sont faites de formes et de texte, nettes à toute résolution ; 200 par défaut).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>png or pdf; without it the name says: .pdf gives PDF, .png or no suffix PNG, and any other suffix is refused.</source>
        <translation>png ou pdf ; sans cette option, le nom décide : .pdf donne du PDF, .png ou l&apos;absence de suffixe du PNG, et tout autre suffixe est refusé.</translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>PDF: a4 (default), a3 or letter, portrait or landscape, whichever needs fewer sheets.</source>
        <translation>PDF : a4 (par défaut), a3 ou letter, en portrait ou en paysage, selon ce qui demande le moins de feuilles.</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>PDF: each cell&apos;s side on paper in millimetres, 1 to 50 (default 5). The first sheet shows the whole map with the grid of the sheets; neighbouring sheets overlap, with crop marks and each sheet&apos;s row and column in its margin.</source>
        <translation>PDF : le côté de chaque case sur le papier, en millimètres, de 1 à 50 (5 par défaut). La première feuille montre toute la carte avec le quadrillage des feuilles ; les feuilles voisines se chevauchent, avec des traits de coupe et, dans la marge, la ligne et la colonne de chaque feuille.</translation>
    </message>
    <message>
        <source>missing command; try &apos;%1 --help&apos;</source>
        <translation>commande manquante ; essayer &apos;%1 --help&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; try &apos;%2 --help&apos;</source>
        <translation>commande inconnue &apos;%1&apos; ; essayer &apos;%2 --help&apos;</translation>
    </message>
    <message>
        <source>missing --layout (%1)</source>
        <extracomment>The layouts&apos; names follow, which stay as they are.</extracomment>
        <translation>--layout manquant (%1)</translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos; (%2)</source>
        <translation>disposition inconnue &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>unknown map set &apos;%1&apos; (%2)</source>
        <translation>série de cartes inconnue &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>unknown direction &apos;%1&apos; (%2)</source>
        <translation>orientation inconnue &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>--marks needs one mark per source (%1), not %2</source>
        <translation>--marks attend une marque par source (%1), pas %2</translation>
    </message>
    <message>
        <source>--marks takes only L, R and -</source>
        <extracomment>L, R and - are what --marks reads, and stay as they are.</extracomment>
        <translation>--marks n&apos;accepte que L, R et -</translation>
    </message>
    <message>
        <source>--map-set, --direction and --marks need --layout</source>
        <translation>--map-set, --direction et --marks exigent --layout</translation>
    </message>
    <message>
        <source>missing --output</source>
        <translation>--output manquant</translation>
    </message>
    <message>
        <source>picture options need --image</source>
        <translation>les options d&apos;image exigent --image</translation>
    </message>
    <message>
        <source>--save-setup must name a file other than OUT, IMAGE and the SOURCEs</source>
        <extracomment>OUT, IMAGE and SOURCE name the arguments as --help names them.</extracomment>
        <translation>--save-setup doit désigner un fichier autre que OUT, IMAGE et les SOURCE</translation>
    </message>
    <message>
        <source>list takes no arguments</source>
        <translation>list n&apos;accepte aucun argument</translation>
    </message>
    <message>
        <source>render takes one map file, not %1</source>
        <translation>render accepte un seul fichier de carte, pas %1</translation>
    </message>
    <message>
        <source>run takes one or more setup files</source>
        <translation>run accepte un ou plusieurs fichiers de configuration</translation>
    </message>
    <message>
        <source>check takes --layout and the SOURCEs, or one or more setup files</source>
        <translation>check accepte --layout et les SOURCE, ou un ou plusieurs fichiers de configuration</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a check, a source or the output failed (nothing is written
then, an existing OUT or IMAGE stays as it was), 2 usage error.</source>
        <translation>Code de sortie : 0 terminé, 1 échec d&apos;une vérification, d&apos;une source ou de la sortie (rien
n&apos;est alors écrit, un OUT ou une IMAGE existant reste tel quel), 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2</source>
        <translation>%1 : vérifications réussies, rien n&apos;a été écrit (essai à blanc) ; écrirait %2</translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2 and %3</source>
        <translation>%1 : vérifications réussies, rien n&apos;a été écrit (essai à blanc) ; écrirait %2 et %3</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1 : échec</translation>
    </message>
    <message>
        <source>picture: %1</source>
        <extracomment>&quot;picture&quot; is the setup file&apos;s key that holds the picture&apos;s options.</extracomment>
        <translation>picture : %1</translation>
    </message>
    <message>
        <source>same file as %1</source>
        <translation>même fichier que %1</translation>
    </message>
    <message>
        <source>ERROR: unable to write standard output: %1</source>
        <translation>ERREUR : impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>WARNING: %1</source>
        <translation>AVERTISSEMENT : %1</translation>
    </message>
    <message>
        <source>Joins the map of each setup file in turn (and draws its picture, if the setup names one), printing one line per setup. A setup that fails does not stop the others. Paths in a setup are read from the setup&apos;s folder; a setup that names no output map writes NAME.map beside NAME.pwsetup. A setup writes only a map (.map) and a picture (.png or .pdf), only inside its own folder, and no setup of a run writes what another one writes or reads; the run is checked as a whole before anything is written.</source>
        <translation>Assemble tour à tour la carte de chaque fichier de configuration (et dessine son image, si la configuration en nomme une), en affichant une ligne par configuration. Une configuration en échec n&apos;arrête pas les autres. Les chemins d&apos;une configuration partent du dossier de la configuration ; une configuration qui ne nomme aucune carte de sortie écrit NAME.map à côté de NAME.pwsetup. Une configuration n&apos;écrit qu&apos;une carte (.map) et une image (.png ou .pdf), uniquement dans son propre dossier, et aucune configuration d&apos;une exécution n&apos;écrit ce qu&apos;une autre écrit ou lit ; l&apos;exécution est vérifiée dans son ensemble avant toute écriture.</translation>
    </message>
    <message>
        <source>Runs every check of every setup, names the files each would write, and writes nothing.</source>
        <translation>Effectue toutes les vérifications de chaque configuration, nomme les fichiers que chacune écrirait, et n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>Lets a setup write its map and picture outside its own folder. Without it, such a setup is refused: a setup from someone else must not write where it likes.</source>
        <translation>Permet à une configuration d&apos;écrire sa carte et son image hors de son propre dossier. Sans cette option, une telle configuration est refusée : une configuration venue de quelqu&apos;un d&apos;autre ne doit pas écrire où bon lui semble.</translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation>SETUP</translation>
    </message>
    <message>
        <source>Setup files (.pwsetup), as the dialogs&apos; Save Setup and &apos;merge --save-setup&apos; write them. Options go first: every argument after the first SETUP is a SETUP.</source>
        <translation>Fichiers de configuration (.pwsetup), tels que les écrivent « Enregistrer la configuration » des boîtes de dialogue et &apos;merge --save-setup&apos;. Les options viennent d&apos;abord : tout argument après le premier SETUP est un SETUP.</translation>
    </message>
    <message>
        <source>SETUP...</source>
        <translation>SETUP...</translation>
    </message>
    <message>
        <source>Exit status: 0 every setup succeeded, 1 any failed, 2 usage error.</source>
        <translation>Code de sortie : 0 toutes les configurations ont réussi, 1 au moins une a échoué, 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Prints the map files the dialogs offer for a map set, one per line, tab-separated: name, L/R mark (- for none), number label, size LENGTHxHEIGHT or why the file cannot be used, and the folder it was found in. In names, labels and folders a backslash, tab, line feed and carriage return are written \\, \t, \n and \r, every other control byte and every byte that is not UTF-8 \xHH, so that each line has exactly five fields.</source>
        <extracomment>The escapes with a backslash stay as they are.</extracomment>
        <translation>Affiche les fichiers de carte que proposent les boîtes de dialogue pour une série de cartes, un par ligne, séparés par des tabulations : nom, marque L/R (- pour aucune), étiquette de numéro, taille LENGTHxHEIGHT ou la raison pour laquelle le fichier est inutilisable, et le dossier où il a été trouvé. Dans les noms, les étiquettes et les dossiers, la barre oblique inverse, la tabulation, le saut de ligne et le retour chariot s&apos;écrivent \\, \t, \n et \r, tout autre octet de contrôle et tout octet qui n&apos;est pas de l&apos;UTF-8 \xHH, de sorte que chaque ligne ait exactement cinq champs.</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>ironfall (default) or emberline.</source>
        <translation>ironfall (par défaut) ou emberline.</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>top-to-bottom, end-to-end or composite.</source>
        <translation>top-to-bottom, end-to-end ou composite.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>The new map&apos;s top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7.</source>
        <translation>Le bord supérieur de la nouvelle carte : N (par défaut), NE, E, SE, S, SW, W, NW ou 0..7.</translation>
    </message>
    <message>
        <source>MARKS</source>
        <translation>MARKS</translation>
    </message>
    <message>
        <source>One L/R mark per source (L, R or - for none), e.g. L-R-; without it the marks come from the file names, as in the dialogs.</source>
        <translation>Une marque L/R par source (L, R ou - pour aucune), par ex. L-R- ; sans cette option, les marques viennent des noms de fichier, comme dans les boîtes de dialogue.</translation>
    </message>
    <message>
        <source>SOURCE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left first (2 or 3), composite row by row, left before right (4, 6 or 8). An empty SOURCE (&quot;&quot;) is a slot with nothing chosen. Options go first: every argument after the first SOURCE is a SOURCE.</source>
        <translation>Fichiers de carte dans l&apos;ordre des emplacements : top-to-bottom celui du haut d&apos;abord (2 à 4), end-to-end celui de gauche d&apos;abord (2 ou 3), composite rangée par rangée, gauche avant droite (4, 6 ou 8). Une SOURCE vide (&quot;&quot;) est un emplacement sans fichier choisi. Les options viennent d&apos;abord : tout argument après la première SOURCE est une SOURCE.</translation>
    </message>
    <message>
        <source>SOURCE...</source>
        <translation>SOURCE...</translation>
    </message>
    <message>
        <source>Tells where the panels of a composition do not meet: at every seam between two joined panels, each edge cell of the first grid whose character the legend.txt beside the first SOURCE marks as continuing across panel edges (a + right after its colour) must face a cell of the same character across the seam, at the same place or one cell to either side. Every panel is read whole, as merge reads it; a damaged panel is reported as merge reports it, and the seams of the others are still compared. Nothing is written.

Output, one line per cell that does not meet, tab-separated:
  mismatch SLOT NAME SIDE SLOT2 NAME2 column|row PLACE CELL CELL2
the panel of the cell (slot as merge&apos;s messages name it, and its name), where the panel across the seam lies (below, above, right or left), that panel, the column (across a seam between rows) or row (across a seam between columns) counted from 1 within the panels, then the cell and the cell directly across, each its character, a space and its legend meaning. Then one summary line:
  summary SEAMS MISMATCHES FAILED TEXT
the seams compared, the cells that do not meet, the slots that cannot be joined (a damaged panel, an empty slot), and a sentence saying the same (or why nothing was compared, which is no pass). Names and meanings are escaped as list escapes them.

Without --layout, the arguments are setup files (SETUP...) and each setup&apos;s composition is checked in turn, its lines after a line &quot;setup SETUP&quot;.</source>
        <extracomment>mismatch, summary, setup, column, row, below, above, right and left are words of the output, and stay as they are.</extracomment>
        <translation>Indique où les panneaux d&apos;une composition ne se raccordent pas : à chaque raccord entre deux panneaux assemblés, chaque case de bord de la première grille dont le caractère est marqué, par le legend.txt situé à côté de la première SOURCE, comme se prolongeant d&apos;un panneau à l&apos;autre (un + juste après sa couleur) doit faire face, de l&apos;autre côté du raccord, à une case du même caractère, au même endroit ou décalée d&apos;une case d&apos;un côté ou de l&apos;autre. Chaque panneau est lu en entier, comme merge le lit ; un panneau endommagé est signalé comme merge le signale, et les raccords des autres sont tout de même comparés. Rien n&apos;est écrit.

Sortie, une ligne par case qui ne se raccorde pas, champs séparés par des tabulations :
  mismatch SLOT NAME SIDE SLOT2 NAME2 column|row PLACE CELL CELL2
le panneau de la case (l&apos;emplacement tel que le nomment les messages de merge, et son nom), le côté où se trouve le panneau situé de l&apos;autre côté du raccord (below, above, right ou left), ce panneau, la colonne (pour un raccord entre rangées) ou la ligne (pour un raccord entre colonnes) comptée à partir de 1 dans les panneaux, puis la case et la case juste en face, chacune avec son caractère, une espace et sa signification dans la légende. Puis une ligne de résumé :
  summary SEAMS MISMATCHES FAILED TEXT
les raccords comparés, les cases qui ne se raccordent pas, les emplacements qui ne peuvent pas être assemblés (un panneau endommagé, un emplacement vide), et une phrase qui dit la même chose (ou pourquoi rien n&apos;a été comparé, ce qui n&apos;est pas une réussite). Les noms et les significations sont échappés comme list les échappe.

Sans --layout, les arguments sont des fichiers de configuration (SETUP...) et la composition de chaque configuration est vérifiée tour à tour, ses lignes après une ligne &quot;setup SETUP&quot;.</translation>
    </message>
    <message>
        <source>Exit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, a seam does not meet or nothing was compared (no legend, or one that marks no feature), 2 usage error.</source>
        <translation>Code de sortie : 0 tous les panneaux sont sains et tous les raccords concordent, 1 un emplacement ne peut pas être assemblé, un raccord ne concorde pas ou rien n&apos;a été comparé (pas de légende, ou une légende qui ne marque aucun élément), 2 erreur d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Joins 2 to 8 map panels of one map set into one new map file.</source>
        <translation>Assemble 2 à 8 panneaux d&apos;une même série de cartes en un nouveau fichier de carte.</translation>
    </message>
    <message>
        <source>The new map file.</source>
        <translation>Le nouveau fichier de carte.</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>Also draws the joined map into IMAGE (PNG, or PDF for a name ending in .pdf), with its labels, the seams between the panels and the fix-up highlight, in the colours of the legend.txt beside the first SOURCE. The picture is drawn from the map as written, and the map and the picture are saved together or not at all. IMAGE may not be OUT, a SOURCE, or anything but a regular file.</source>
        <translation>Dessine aussi la carte assemblée dans IMAGE (PNG, ou PDF pour un nom se terminant par .pdf), avec ses étiquettes, les raccords entre les panneaux et le surlignage des corrections, aux couleurs du legend.txt situé à côté de la première SOURCE. L&apos;image est dessinée à partir de la carte telle qu&apos;elle est écrite, et la carte et l&apos;image sont enregistrées ensemble ou pas du tout. IMAGE ne peut être ni OUT, ni une SOURCE, ni autre chose qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&apos;--labels all&apos; draws every label&apos;s text on IMAGE; without it a text that would overlap an earlier one is left out and only its dot shows.</source>
        <translation>&apos;--labels all&apos; dessine le texte de chaque étiquette sur IMAGE ; sinon, un texte qui chevaucherait un texte précédent est omis et seul son point apparaît.</translation>
    </message>
    <message>
        <source>IMAGE: leaves the map&apos;s labels out.</source>
        <translation>IMAGE : omet les étiquettes de la carte.</translation>
    </message>
    <message>
        <source>IMAGE: leaves out the highlight (a magenta tint and frame) on the cells of layer b that the junction fix-up changed where L and R marked panels meet.</source>
        <translation>IMAGE : omet le surlignage (teinte et cadre magenta) des cases de la couche b que la correction de jonction a modifiées là où se rejoignent des panneaux marqués L et R.</translation>
    </message>
    <message>
        <source>IMAGE: marks the edge cells of features that do not meet across a seam, as &apos;check&apos; finds them with the legend.txt beside the first SOURCE, in a colour that stands out from every colour of that legend.</source>
        <translation>IMAGE : marque les cases de bord des éléments qui ne se prolongent pas de l&apos;autre côté d&apos;un raccord, telles que &apos;check&apos; les trouve avec le legend.txt situé à côté de la première SOURCE, dans une couleur qui se détache de toutes les couleurs de cette légende.</translation>
    </message>
    <message>
        <source>Also writes this command line&apos;s composition into the setup file SETUP (before the merge, whatever its outcome), for &apos;run&apos; or the dialogs.</source>
        <translation>Écrit aussi la composition de cette ligne de commande dans le fichier de configuration SETUP (avant l&apos;assemblage, quel qu&apos;en soit le résultat), pour &apos;run&apos; ou les boîtes de dialogue.</translation>
    </message>
    <message>
        <source>Outlines each cell in a thin line of a colour that stands out from every colour of the legend, so that cells can be counted. PNG: needs --scale 4 or more.</source>
        <translation>Entoure chaque case d&apos;un trait fin d&apos;une couleur qui se détache de toutes les couleurs de la légende, pour pouvoir compter les cases. PNG : exige --scale 4 ou plus.</translation>
    </message>
</context>
<context>
    <name>pw::gui::CellSizeTab</name>
    <message>
        <source>Sheets</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Cell size:</source>
        <translation>&amp;Taille d&apos;une case :</translation>
    </message>
</context>
<context>
    <name>pw::gui::ComposerDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>pw::gui::GuideBrowser</name>
    <message>
        <source># No such page

The user&apos;s guide cannot show %1: %2.</source>
        <translation># Page introuvable

Le guide de l’utilisateur ne peut pas afficher %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>pw::gui::GuideWindow</name>
    <message>
        <source>Page of the user&apos;s guide</source>
        <translation>Page du guide de l’utilisateur</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 - Boardsmith User&apos;s Guide</source>
        <translation>%1 - Guide de l’utilisateur de Boardsmith</translation>
    </message>
</context>
<context>
    <name>pw::gui::MapViewer</name>
    <message>
        <source>%1 - Boardsmith</source>
        <translation>%1 - Boardsmith</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+W closes the viewer</source>
        <translation>Molette ou + et - : zoom ; glisser ou touches fléchées : défilement ; double-clic, 0 ou Début : ajuster à la vue. Ctrl+W ferme la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>pw::gui::PanelwrightDialog</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;About Panelwright...</source>
        <translation>À &amp;propos de Panelwright...</translation>
    </message>
    <message>
        <source>Top-to-Bottom</source>
        <translation>De haut en bas</translation>
    </message>
    <message>
        <source>End-to-End</source>
        <translation>Bout à bout</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composite</translation>
    </message>
    <message>
        <source>(maximum %1)</source>
        <translation>(maximum %1)</translation>
    </message>
    <message>
        <source>Recent &amp;Compositions</source>
        <translation>&amp;Compositions récentes</translation>
    </message>
    <message>
        <source>%1, %2: %3 (%4)</source>
        <translation>%1, %2 : %3 (%4)</translation>
    </message>
    <message>
        <source>%1; the top edge faces %2</source>
        <translation>%1 ; le bord supérieur est orienté vers %2</translation>
    </message>
    <message>
        <source>&amp;View Map...</source>
        <translation>&amp;Voir une carte...</translation>
    </message>
</context>
<context>
    <name>pw::gui::PreviewPane</name>
    <message>
        <source>&amp;Labels</source>
        <translation>É&amp;tiquettes</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
    <message>
        <source>First grid</source>
        <translation>Première grille</translation>
    </message>
    <message>
        <source>Second grid</source>
        <translation>Seconde grille</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Affic&amp;her :</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Couche %1</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>Gri&amp;lle</translation>
    </message>
    <message>
        <source>Outlines each cell, so that cells can be counted, once cells are large enough to show a line</source>
        <translation>Entoure chaque case, pour pouvoir compter les cases, dès que les cases sont assez grandes pour montrer un trait</translation>
    </message>
</context>
<context>
    <name>pw::gui::SeamFindings</name>
    <message>
        <source>Seam check findings</source>
        <translation>Résultats du contrôle des raccords</translation>
    </message>
    <message>
        <source>Each cell that does not meet across a seam, as the check command lists it. Up and Down choose one, Enter or a double-click centres the picture on it again.</source>
        <translation>Chaque case qui ne se raccorde pas de l&apos;autre côté d&apos;un raccord, telle que la commande check la liste. Haut et Bas en choisissent une ; Entrée ou un double-clic y recentre l&apos;image.</translation>
    </message>
</context>
<context>
    <name>pw::gui::SheetPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>pw::gui::SlotGrid</name>
    <message>
        <source>Slot %1 map file, row %2, left column</source>
        <translation>Fichier de carte de l&apos;emplacement %1, rangée %2, colonne de gauche</translation>
    </message>
    <message>
        <source>Slot %1 map file, row %2, right column</source>
        <translation>Fichier de carte de l&apos;emplacement %1, rangée %2, colonne de droite</translation>
    </message>
</context>
</TS>
