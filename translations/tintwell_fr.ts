<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Tintwell designs colour schemes from one base colour.</source>
        <translation>Tintwell conçoit des schémas de couleurs à partir d’une couleur de base.</translation>
    </message>
    <message>
        <source>A scheme file to open.</source>
        <comment>what FILE.tw on the command line is</comment>
        <translation>Un fichier de schéma à ouvrir.</translation>
    </message>
    <message>
        <source>one scheme file at a time</source>
        <comment>refusal on the terminal when more than one file is named</comment>
        <translation>un seul fichier de schéma à la fois</translation>
    </message>
</context>
<context>
    <name>CopyMenu</name>
    <message>
        <source>The clipboard holds no color to paste. Copy a color as RRGGBB, #RRGGBB or R,G,B first.</source>
        <translation>Le presse-papiers ne contient aucune couleur à coller. Copiez d’abord une couleur sous la forme RRGGBB, #RRGGBB ou R,G,B.</translation>
    </message>
</context>
<context>
    <name>DesktopPortal</name>
    <message>
        <source>The screen could not be captured: this desktop offers no screenshot service.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: ce bureau n’offre aucun service de capture d’écran.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop did not answer in time.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: le bureau n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop refused to take a screenshot.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: le bureau a refusé de faire une capture d’écran.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s answer could not be understood.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: la réponse du bureau est incompréhensible.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot could not be read.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: la capture d’écran du bureau n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot does not match the screen.</source>
        <translation>L’écran n’a pas pu être capturé&#xa0;: la capture d’écran du bureau ne correspond pas à l’écran.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Your current color scheme has changed.  Save before opening a new scheme?</source>
        <translation>Votre schéma de couleurs actuel a été modifié.  L’enregistrer avant d’ouvrir un autre schéma&#xa0;?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before creating a new scheme?</source>
        <translation>Votre schéma de couleurs actuel a été modifié.  L’enregistrer avant de créer un nouveau schéma&#xa0;?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before exiting?</source>
        <translation>Votre schéma de couleurs actuel a été modifié.  L’enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Color Scheme File (*.tw)</source>
        <translation>Fichier de schéma de couleurs (*.tw)</translation>
    </message>
</context>
<context>
    <name>FavoritesList</name>
    <message>
        <source>Websafe color</source>
        <translation>Couleur compatible Web</translation>
    </message>
    <message>
        <source>Drag &amp; drop colors
here to add to your
Favorite Colors</source>
        <translation>Glissez des couleurs
ici pour les ajouter
à vos couleurs
favorites</translation>
    </message>
    <message>
        <source>Favorite colors</source>
        <translation>Couleurs favorites</translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation>Favori %1</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>Impossible d’écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>File access denied: the folder is not writable</source>
        <translation>Accès au fichier refusé&#xa0;: impossible d’écrire dans le dossier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d’entrée/sortie %1</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n’existe pas</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is no plain file but a pipe (FIFO), a device or a socket</source>
        <translation>ce n’est pas un fichier ordinaire mais un tube (FIFO), un périphérique ou un socket</translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation>vous n’avez pas l’autorisation de le lire</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than settings ever take</source>
        <translation>il dépasse %1 Mo, bien plus que n’en occupent jamais des paramètres</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>The settings in %1 cannot be used: %2.  Tintwell starts with its default settings and leaves that file as it is, so settings changed in this run are not kept.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être utilisé&#xa0;: %2.  Tintwell démarre avec ses paramètres par défaut et laisse ce fichier tel quel&#xa0;; les paramètres modifiés pendant cette session ne seront donc pas conservés.</translation>
    </message>
    <message>
        <source>The file was kept as %1.</source>
        <translation>Le fichier a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>The preferences could not be saved in %1</source>
        <translation>Les préférences n’ont pas pu être enregistrées dans %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>The palette file could not be read: %1.</source>
        <translation>Le fichier de palette n’a pas pu être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The palette could not be saved: %1.</source>
        <translation>La palette n’a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Reading the palette file...</source>
        <translation>Lecture du fichier de palette...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Importer une palette</translation>
    </message>
</context>
<context>
    <name>PaletteFiles</name>
    <message>
        <source>Block %1 of the swatch file %2</source>
        <translation>Le bloc %1 du fichier de nuancier %2</translation>
    </message>
    <message>
        <source>This is not an Adobe swatch exchange file: it does not begin with &quot;ASEF&quot;.</source>
        <translation>Ce n’est pas un fichier Adobe Swatch Exchange&#xa0;: il ne commence pas par «&#xa0;ASEF&#xa0;».</translation>
    </message>
    <message>
        <source>This swatch file is of version %1, which the program cannot read.</source>
        <translation>Ce fichier de nuancier est en version %1, que le programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>runs past the end of the file.</source>
        <translation>dépasse la fin du fichier.</translation>
    </message>
    <message>
        <source>is of an unknown kind.</source>
        <translation>est d’un type inconnu.</translation>
    </message>
    <message>
        <source>holds a damaged color name.</source>
        <translation>contient un nom de couleur endommagé.</translation>
    </message>
    <message>
        <source>holds a color of an unknown model.</source>
        <translation>contient une couleur d’un modèle colorimétrique inconnu.</translation>
    </message>
    <message>
        <source>holds a damaged color value.</source>
        <translation>contient une valeur de couleur endommagée.</translation>
    </message>
    <message>
        <source>holds a damaged color type.</source>
        <translation>contient un type de couleur endommagé.</translation>
    </message>
    <message>
        <source>holds a Lab color, which the program cannot convert.</source>
        <translation>contient une couleur Lab, que le programme ne sait pas convertir.</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep.</source>
        <translation>des blocs sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>this &quot;}&quot; closes no block.</source>
        <translation>cette «&#xa0;}&#xa0;» ne ferme aucun bloc.</translation>
    </message>
    <message>
        <source>The file ends inside the block that begins on line %1.</source>
        <translation>Le fichier se termine à l’intérieur du bloc qui commence à la ligne %1.</translation>
    </message>
    <message>
        <source>The file ends inside the comment that begins on line %1.</source>
        <translation>Le fichier se termine à l’intérieur du commentaire qui commence à la ligne %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color in a form the program reads (#RGB, #RRGGBB or rgb()).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur sous une forme que le programme lit (#RGB, #RRGGBB ou rgb()).</translation>
    </message>
    <message>
        <source>This is not a GIMP palette: its first line is not &quot;GIMP Palette&quot;.</source>
        <translation>Ce n’est pas une palette GIMP&#xa0;: sa première ligne n’est pas «&#xa0;GIMP Palette&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: a color line holds red, green and blue, each 0 to 255, then the color&apos;s name.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur&#xa0;: une ligne de couleur contient le rouge, le vert et le bleu, chacun de 0 à 255, puis le nom de la couleur.</translation>
    </message>
    <message>
        <source>Color %1 of the file: %2</source>
        <translation>Couleur %1 du fichier&#xa0;: %2</translation>
    </message>
    <message>
        <source>this is not valid JSON: %1.</source>
        <translation>ce n’est pas du JSON valide&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This JSON file is not a Tintwell palette: it has no &quot;format&quot;: &quot;tintwell-palette&quot;.</source>
        <translation>Ce fichier JSON n’est pas une palette Tintwell&#xa0;: il n’a pas de &quot;format&quot;: &quot;tintwell-palette&quot;.</translation>
    </message>
    <message>
        <source>This palette is of a version the program does not know; only version 1 can be read.</source>
        <translation>Cette palette est d’une version que le programme ne connaît pas&#xa0;; seule la version 1 peut être lue.</translation>
    </message>
    <message>
        <source>This palette has no &quot;colors&quot; list.</source>
        <translation>Cette palette n’a pas de liste &quot;colors&quot;.</translation>
    </message>
    <message>
        <source>it is not an object with &quot;name&quot; and &quot;hex&quot;.</source>
        <translation>ce n’est pas un objet avec &quot;name&quot; et &quot;hex&quot;.</translation>
    </message>
    <message>
        <source>its &quot;name&quot; is not a text.</source>
        <translation>son &quot;name&quot; n’est pas un texte.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; is not a color in the form &quot;#RRGGBB&quot;.</source>
        <translation>son &quot;hex&quot; n’est pas une couleur de la forme &quot;#RRGGBB&quot;.</translation>
    </message>
    <message>
        <source>its &quot;rgb&quot; is not three whole numbers from 0 to 255.</source>
        <translation>son &quot;rgb&quot; n’est pas formé de trois nombres entiers de 0 à 255.</translation>
    </message>
    <message>
        <source>it has neither &quot;hex&quot; nor &quot;rgb&quot;.</source>
        <translation>elle n’a ni &quot;hex&quot; ni &quot;rgb&quot;.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; and &quot;rgb&quot; are different colors.</source>
        <translation>ses &quot;hex&quot; et &quot;rgb&quot; sont des couleurs différentes.</translation>
    </message>
    <message>
        <source>A palette file holds at most 65535 colors.  Choose fewer colors before exporting.</source>
        <translation>Un fichier de palette contient au plus 65535 couleurs.  Choisissez moins de couleurs avant d’exporter.</translation>
    </message>
    <message>
        <source>This palette holds more than 65535 colors, more than the favorites can keep.</source>
        <translation>Cette palette contient plus de 65535 couleurs, plus que les favoris ne peuvent en garder.</translation>
    </message>
    <message>
        <source>This file is too large to be a palette (more than 32 MB).</source>
        <translation>Ce fichier est trop volumineux pour être une palette (plus de 32 Mo).</translation>
    </message>
    <message>
        <source>This palette would take more than 32 MB, more than the program reads back.  Choose fewer colors before exporting.</source>
        <translation>Cette palette occuperait plus de 32 Mo, plus que le programme ne peut relire.  Choisissez moins de couleurs avant d’exporter.</translation>
    </message>
    <message>
        <source>This file holds no colors.</source>
        <translation>Ce fichier ne contient aucune couleur.</translation>
    </message>
    <message>
        <source>This file is not a palette in any of the formats the program reads.</source>
        <translation>Ce fichier n’est une palette dans aucun des formats que le programme lit.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Propriétés personnalisées CSS (*.css)</translation>
    </message>
    <message>
        <source>SCSS Variables (*.scss)</source>
        <translation>Variables SCSS (*.scss)</translation>
    </message>
    <message>
        <source>JSON Palette (*.json)</source>
        <translation>Palette JSON (*.json)</translation>
    </message>
    <message>
        <source>LibreOffice Color Table (*.soc)</source>
        <translation>Table de couleurs LibreOffice (*.soc)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>All Palette Files (%1)</source>
        <translation>Tous les fichiers de palette (%1)</translation>
    </message>
    <message>
        <source>this file declares a document type, which no color table has.</source>
        <translation>ce fichier déclare un type de document, ce qu’aucune table de couleurs ne fait.</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes, which no color table has.</source>
        <translation>un élément a plus de %1 attributs, ce qu’aucune table de couleurs n’a.</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no color table is.</source>
        <translation>des éléments sont imbriqués sur plus de %1 niveaux, ce qu’aucune table de couleurs ne fait.</translation>
    </message>
    <message>
        <source>This XML file is not a LibreOffice color table.</source>
        <translation>Ce fichier XML n’est pas une table de couleurs LibreOffice.</translation>
    </message>
    <message>
        <source>the color &quot;%1&quot; is not in the form &quot;#rrggbb&quot;.</source>
        <translation>la couleur «&#xa0;%1&#xa0;» n’est pas de la forme «&#xa0;#rrggbb&#xa0;».</translation>
    </message>
    <message>
        <source>this is not well-formed XML (%1).</source>
        <translation>ce n’est pas du XML bien formé (%1).</translation>
    </message>
    <message>
        <source>This file holds no XML.</source>
        <translation>Ce fichier ne contient pas de XML.</translation>
    </message>
    <message>
        <source>a text was expected</source>
        <translation>un texte était attendu</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>un texte n’est pas fermé</translation>
    </message>
    <message>
        <source>a text holds a control character</source>
        <translation>un texte contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>a \u escape is not four hexadecimal digits</source>
        <translation>une séquence d’échappement \u n’a pas quatre chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>a text holds an unknown escape</source>
        <translation>un texte contient une séquence d’échappement inconnue</translation>
    </message>
    <message>
        <source>a value is malformed</source>
        <translation>une valeur est mal formée</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>un nombre est mal formé</translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation>l’imbrication est trop profonde</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>an object was expected</source>
        <translation>un objet était attendu</translation>
    </message>
    <message>
        <source>a list was expected</source>
        <translation>une liste était attendue</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;}&quot; is missing</source>
        <translation>il manque &quot;,&quot; ou &quot;}&quot;</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;]&quot; is missing</source>
        <translation>il manque &quot;,&quot; ou &quot;]&quot;</translation>
    </message>
    <message>
        <source>a &quot;:&quot; is missing after a name</source>
        <translation>il manque &quot;:&quot; après un nom</translation>
    </message>
    <message>
        <source>more follows the end of the palette</source>
        <translation>d’autres données suivent la fin de la palette</translation>
    </message>
</context>
<context>
    <name>PaletteSetDialog</name>
    <message>
        <source>1 color</source>
        <translation>1 couleur</translation>
    </message>
    <message numerus="yes">
        <source>%n colors</source>
        <translation>
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Exporter la palette</translation>
    </message>
    <message>
        <source>Colors to export:</source>
        <translation>Couleurs à exporter&#xa0;:</translation>
    </message>
    <message>
        <source>Current &amp;scheme (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Schéma actuel (%1)</translation>
    </message>
    <message>
        <source>&amp;Favorites (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Favoris (%1)</translation>
    </message>
    <message>
        <source>&amp;Page colors (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>Couleurs de la &amp;page (%1)</translation>
    </message>
    <message>
        <source>&amp;All of them (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Toutes (%1)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
</context>
<context>
    <name>PictureLoading</name>
    <message>
        <source>The picture &quot;%1&quot; has too few pixels to take a palette from.</source>
        <translation>L’image «&#xa0;%1&#xa0;» a trop peu de pixels pour en tirer une palette.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is fully transparent: it has no colours to take.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est entièrement transparente&#xa0;: elle n’a aucune couleur à prendre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas une image.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; does not exist.</source>
        <translation>L’image «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: permission denied.</source>
        <translation>L’image «&#xa0;%1&#xa0;» n’a pas pu être lue&#xa0;: permission refusée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture in a format Tintwell can read.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une image dans un format que Tintwell sait lire.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to open: %2 × %3 pixels.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est trop grande pour être ouverte&#xa0;: %2 × %3 pixels.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged or incomplete and could not be read (%2).</source>
        <translation>L’image «&#xa0;%1&#xa0;» est endommagée ou incomplète et n’a pas pu être lue (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is incomplete: the file ends before the picture does.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est incomplète&#xa0;: le fichier s’arrête avant la fin de l’image.</translation>
    </message>
</context>
<context>
    <name>PictureOpener</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>the pasted picture</source>
        <extracomment>The pasted picture&apos;s name where a file&apos;s name would stand: in &quot;Palette from %1&quot;, &quot;Taking the colours of %1...&quot; and, in quotes, in the messages about a picture.</extracomment>
        <translation>l’image collée</translation>
    </message>
    <message>
        <source>The clipboard holds no picture to take a palette from.</source>
        <translation>Le presse-papiers ne contient aucune image dont tirer une palette.</translation>
    </message>
    <message>
        <source>Taking the colours of %1...</source>
        <translation>Extraction des couleurs de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
</context>
<context>
    <name>SchemeMessages</name>
    <message>
        <source>An error has occured while opening the scheme file</source>
        <translation>Une erreur s’est produite à l’ouverture du fichier de schéma</translation>
    </message>
    <message>
        <source>Not a valid Color Scheme File!</source>
        <translation>Ce n’est pas un fichier de schéma de couleurs valide&#xa0;!</translation>
    </message>
    <message>
        <source>An error has occured while saving the scheme file</source>
        <translation>Une erreur s’est produite à l’enregistrement du fichier de schéma</translation>
    </message>
    <message>
        <source>A scheme file holds at most 65535 favorite colors.  Delete some of them before saving.</source>
        <translation>Un fichier de schéma contient au plus 65535 couleurs favorites.  Supprimez-en quelques-unes avant d’enregistrer.</translation>
    </message>
    <message>
        <source>A scheme file holds at most 64 MB, and the favorites&apos; texts take more.  Delete some favorites before saving.</source>
        <translation>Un fichier de schéma fait au plus 64 Mo, et les textes des favoris en demandent davantage.  Supprimez quelques favoris avant d’enregistrer.</translation>
    </message>
    <message>
        <source>ERROR: Not a valid .tw version 2 file!</source>
        <translation>ERREUR&#xa0;: ce n’est pas un fichier .tw version 2 valide&#xa0;!</translation>
    </message>
    <message>
        <source>An error has occured while importing the scheme</source>
        <translation>Une erreur s’est produite à l’importation du schéma</translation>
    </message>
    <message>
        <source>Successfully converted old file type to new v3 format!</source>
        <translation>L’ancien type de fichier a bien été converti au nouveau format v3&#xa0;!</translation>
    </message>
    <message>
        <source>An error has occured while saving the session</source>
        <translation>Une erreur s’est produite à l’enregistrement de la session</translation>
    </message>
    <message>
        <source>An error has occured while opening the session</source>
        <translation>Une erreur s’est produite à l’ouverture de la session</translation>
    </message>
</context>
<context>
    <name>ScreenPicker</name>
    <message>
        <source>Screen Color Picker</source>
        <translation>Pipette d’écran</translation>
    </message>
    <message>
        <source>Color under the pointer</source>
        <translation>Couleur sous le pointeur</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Magnified view</source>
        <translation>Vue agrandie</translation>
    </message>
    <message>
        <source>The screen could not be captured.</source>
        <translation>L’écran n’a pas pu être capturé.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Tintwell v3</source>
        <translation>À propos de Tintwell v3</translation>
    </message>
    <message>
        <source>Version 3.1 · click the picture to close</source>
        <translation>Version 3.1 · cliquez sur l’image pour fermer</translation>
    </message>
</context>
<context>
    <name>TfrmFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Rendre compatible Web</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>remove the favorite color</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Copy HEX</source>
        <translation>Copier HEX</translation>
    </message>
    <message>
        <source>Delete Color</source>
        <translation>Supprimer la couleur</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copier...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Définir comme couleur de base</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected color?</source>
        <translation>Voulez-vous vraiment supprimer la couleur sélectionnée&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TfrmImage</name>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Palette from %1</source>
        <translation>Palette de %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture the colours are taken from.</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Picture colors</source>
        <extracomment>What a screen reader calls the list of the colours taken from the picture.</extracomment>
        <translation>Couleurs de l&apos;image</translation>
    </message>
    <message>
        <source>Picture color %1</source>
        <extracomment>One colour taken from the picture, as a screen reader says it; %1 is its place in the list.</extracomment>
        <translation>Couleur de l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Complements</source>
        <translation>Complémentaires</translation>
    </message>
    <message>
        <source>Split Complements</source>
        <translation>Complémentaires adjacentes</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Triades</translation>
    </message>
    <message>
        <source>Tetrads</source>
        <translation>Tétrades</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analogues</translation>
    </message>
    <message>
        <source>Monochromatic</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>%1 is a tool window&apos;s name, such as &quot;Favorites&quot;.</extracomment>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>Open Scheme</source>
        <translation>Ouvrir un schéma</translation>
    </message>
    <message>
        <source>Save Scheme</source>
        <translation>Enregistrer le schéma</translation>
    </message>
    <message>
        <source>Screen Color Picker</source>
        <translation>Pipette d’écran</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Rendre compatible Web</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>to the previous base color</comment>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>to the next base color</comment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>History</source>
        <comment>the list of base colors</comment>
        <translation>Historique</translation>
    </message>
    <message>
        <source>R:</source>
        <extracomment>The red, green and blue fields&apos; short labels.</extracomment>
        <translation>R&#xa0;:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>V&#xa0;:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B&#xa0;:</translation>
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
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Websafe</source>
        <translation>Compatible Web</translation>
    </message>
    <message>
        <source>Not websafe: make websafe</source>
        <translation>Non compatible Web&#xa0;: rendre compatible</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Éclaircir</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Assombrir</translation>
    </message>
    <message>
        <source>Saturate</source>
        <translation>Saturer</translation>
    </message>
    <message>
        <source>Desaturate</source>
        <translation>Désaturer</translation>
    </message>
    <message>
        <source>&amp;New Scheme</source>
        <translation>&amp;Nouveau schéma</translation>
    </message>
    <message>
        <source>&amp;Open Scheme...</source>
        <translation>&amp;Ouvrir un schéma...</translation>
    </message>
    <message>
        <source>&amp;Save Scheme...</source>
        <translation>&amp;Enregistrer le schéma...</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>E&amp;xporter la palette...</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>&amp;Importer une palette...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Make &amp;Websafe</source>
        <translation>Rendre compatible &amp;Web</translation>
    </message>
    <message>
        <source>Traditional Color Wheel (RYB)</source>
        <translation>Cercle chromatique traditionnel (RJB)</translation>
    </message>
    <message>
        <source>Computer Color Wheel (RGB)</source>
        <translation>Cercle chromatique informatique (RVB)</translation>
    </message>
    <message>
        <source>Tintwell v3 Help</source>
        <translation>Aide de Tintwell v3</translation>
    </message>
    <message>
        <source>Tintwell Website</source>
        <translation>Site Web de Tintwell</translation>
    </message>
    <message>
        <source>Tintwell Forums</source>
        <translation>Forums de Tintwell</translation>
    </message>
    <message>
        <source>Online Color Tutorial</source>
        <translation>Cours en ligne sur la couleur</translation>
    </message>
    <message>
        <source>About Tintwell v3</source>
        <translation>À propos de Tintwell v3</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
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
        <source>&amp;Copy Base Color</source>
        <translation>&amp;Copier la couleur de base</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Highlight Harmonies</source>
        <translation>Mettre en évidence les harmonies</translation>
    </message>
    <message>
        <source>Color Wheel Mode</source>
        <translation>Cercle chromatique</translation>
    </message>
    <message>
        <source>Simulate Color Vision</source>
        <translation>Simuler la vision des couleurs</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>RGB: %1.%2.%3</source>
        <extracomment>The status bar&apos;s readout of the red, green and blue values.</extracomment>
        <translation>RVB&#xa0;: %1.%2.%3</translation>
    </message>
    <message>
        <source>Protan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation>Protan</translation>
    </message>
    <message>
        <source>Deutan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation>Deutan</translation>
    </message>
    <message>
        <source>Tritan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation>Tritan</translation>
    </message>
    <message>
        <source>Achromat</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation>Achromate</translation>
    </message>
    <message>
        <source>Colors are shown as seen with %1; what is copied, saved and picked keeps its true colors (Tools, Simulate Color Vision)</source>
        <translation>Les couleurs sont affichées comme les perçoit une personne atteinte d’une %1&#xa0;; ce qui est copié, enregistré ou prélevé garde ses vraies couleurs (Outils, Simuler la vision des couleurs)</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Échantillon %1</translation>
    </message>
    <message>
        <source>Highlighted in the harmony %1</source>
        <translation>Mis en évidence dans l’harmonie %1</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Couleur de base</translation>
    </message>
    <message>
        <source>Not websafe</source>
        <translation>Non compatible Web</translation>
    </message>
    <message>
        <source>Palette</source>
        <comment>the palette strip</comment>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copier...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Définir comme couleur de base</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No harmony is highlighted.</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Normal color vision.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>deutéranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>achromatopsie</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Palette row %1 column %2</source>
        <translation>Palette, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Palette from Ima&amp;ge...</source>
        <translation>Palette depuis une ima&amp;ge...</translation>
    </message>
    <message>
        <source>Paste &amp;Image as Palette</source>
        <translation>Coller l’&amp;image comme palette</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>General Preferences</source>
        <translation>Préférences générales</translation>
    </message>
    <message>
        <source>Favorite Colors</source>
        <translation>Couleurs favorites</translation>
    </message>
    <message>
        <source>Favorite Colors Preferences</source>
        <translation>Préférences des couleurs favorites</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Palette de couleurs</translation>
    </message>
    <message>
        <source>Color Palette Preferences</source>
        <translation>Préférences de la palette de couleurs</translation>
    </message>
    <message>
        <source>Copy Menus</source>
        <translation>Menus Copier</translation>
    </message>
    <message>
        <source>Copy Menus Preferences</source>
        <translation>Préférences des menus Copier</translation>
    </message>
    <message>
        <source>Tintwell Preferences</source>
        <translation>Préférences de Tintwell</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>General</source>
        <comment>group of settings</comment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Remember color scheme between sessions</source>
        <translation>Mémoriser le schéma de couleurs entre les sessions</translation>
    </message>
    <message>
        <source>Warn if scheme has not been saved before exiting</source>
        <translation>Avertir en quittant si le schéma n’est pas enregistré</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Couleur de base</translation>
    </message>
    <message>
        <source>Enter lighten/darken &amp;&amp; saturate/desaturate button step amount:</source>
        <extracomment>The doubled ampersand shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Incrément des boutons Éclaircir/Assombrir &amp;&amp; Saturer/Désaturer&#xa0;:</translation>
    </message>
    <message>
        <source>%  Lightness (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Luminosité (1-25%)</translation>
    </message>
    <message>
        <source>%  Saturation (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Saturation (1-25%)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Use this button to clear your history of colors on the main window.</source>
        <translation>Ce bouton efface l’historique des couleurs de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Warn before deleting Favorite Colors</source>
        <translation>Avertir avant de supprimer une couleur favorite</translation>
    </message>
    <message>
        <source>Display Palette</source>
        <translation>Palette affichée</translation>
    </message>
    <message>
        <source>Websafe Palette:</source>
        <translation>Palette compatible Web&#xa0;:</translation>
    </message>
    <message>
        <source>Spectrum Palette:</source>
        <translation>Palette spectrale&#xa0;:</translation>
    </message>
    <message>
        <source>Websafe Spectrum Palette:</source>
        <translation>Spectre compatible Web&#xa0;:</translation>
    </message>
    <message>
        <source>Copy Formats</source>
        <translation>Formats de copie</translation>
    </message>
    <message>
        <source>More copy formats</source>
        <translation>Plus de formats de copie</translation>
    </message>
    <message>
        <source>Adds the rgb(), hsl() and oklch() forms that style sheets use to every copy menu.</source>
        <translation>Ajoute à chaque menu Copier les formes rgb(), hsl() et oklch() qu’utilisent les feuilles de style.</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The name of the page of general settings.</extracomment>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>Fail</source>
        <comment>contrast verdict: too little contrast</comment>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Arrière-plan de la page</translation>
    </message>
    <message>
        <source>Table header background</source>
        <translation>Arrière-plan de l’en-tête du tableau</translation>
    </message>
    <message>
        <source>Table header text</source>
        <translation>Texte de l’en-tête du tableau</translation>
    </message>
    <message>
        <source>Navigation background</source>
        <translation>Arrière-plan de la navigation</translation>
    </message>
    <message>
        <source>Main background</source>
        <translation>Arrière-plan principal</translation>
    </message>
    <message>
        <source>Link 1</source>
        <translation>Lien 1</translation>
    </message>
    <message>
        <source>Link 2</source>
        <translation>Lien 2</translation>
    </message>
    <message>
        <source>Link 3</source>
        <translation>Lien 3</translation>
    </message>
    <message>
        <source>Link 4</source>
        <translation>Lien 4</translation>
    </message>
    <message>
        <source>Body header</source>
        <translation>Intertitre</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Texte courant</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Save as Webpage</source>
        <translation>Enregistrer comme page Web</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Réinitialiser les couleurs</translation>
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
        <source>Sample page</source>
        <translation>Page d’exemple</translation>
    </message>
    <message>
        <source>Drag &amp; Drop colors to QuickPreview (right-click colors for options)</source>
        <translation>Glissez des couleurs ici (clic droit sur une couleur pour les options)</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copier...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Définir comme couleur de base</translation>
    </message>
    <message>
        <source>Show Contrast</source>
        <translation>Afficher le contraste</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the current QuickPreview colors?</source>
        <translation>Voulez-vous vraiment réinitialiser les couleurs actuelles de QuickPreview&#xa0;?</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation>Fichiers HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Header</source>
        <extracomment>The sample page&apos;s title.</extracomment>
        <translation>Titre de la page</translation>
    </message>
</context>
</TS>
