<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CopyMenu</name>
    <message>
        <source>The clipboard holds no color to paste. Copy a color as RRGGBB, #RRGGBB or R,G,B first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopPortal</name>
    <message>
        <source>The screen could not be captured: this desktop offers no screenshot service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop refused to take a screenshot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s answer could not be understood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot does not match the screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Your current color scheme has changed.  Save before opening a new scheme?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before creating a new scheme?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before exiting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Scheme File (*.tw)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavoritesList</name>
    <message>
        <source>Websafe color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag &amp; drop colors
here to add to your
Favorite Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied: the folder is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no plain file but a pipe (FIFO), a device or a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than settings ever take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings in %1 cannot be used: %2.  Tintwell starts with its default settings and leaves that file as it is, so settings changed in this run are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preferences could not be saved in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>The palette file could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The palette could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the palette file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteFiles</name>
    <message>
        <source>Block %1 of the swatch file %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an Adobe swatch exchange file: it does not begin with &quot;ASEF&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This swatch file is of version %1, which the program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>runs past the end of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is of an unknown kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a damaged color name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a color of an unknown model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a damaged color value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a damaged color type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a Lab color, which the program cannot convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this &quot;}&quot; closes no block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends inside the block that begins on line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends inside the comment that begins on line %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color in a form the program reads (#RGB, #RRGGBB or rgb()).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a GIMP palette: its first line is not &quot;GIMP Palette&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: a color line holds red, green and blue, each 0 to 255, then the color&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color %1 of the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not valid JSON: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This JSON file is not a Tintwell palette: it has no &quot;format&quot;: &quot;tintwell-palette&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This palette is of a version the program does not know; only version 1 can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This palette has no &quot;colors&quot; list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an object with &quot;name&quot; and &quot;hex&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;name&quot; is not a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;hex&quot; is not a color in the form &quot;#RRGGBB&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;rgb&quot; is not three whole numbers from 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has neither &quot;hex&quot; nor &quot;rgb&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;hex&quot; and &quot;rgb&quot; are different colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A palette file holds at most 65535 colors.  Choose fewer colors before exporting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This palette holds more than 65535 colors, more than the favorites can keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is too large to be a palette (more than 32 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This palette would take more than 32 MB, more than the program reads back.  Choose fewer colors before exporting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds no colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a palette in any of the formats the program reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCSS Variables (*.scss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON Palette (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LibreOffice Color Table (*.soc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Palette Files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this file declares a document type, which no color table has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an element has more than %1 attributes, which no color table has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no color table is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This XML file is not a LibreOffice color table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the color &quot;%1&quot; is not in the form &quot;#rrggbb&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not well-formed XML (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds no XML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a \u escape is not four hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text holds an unknown escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value is malformed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list was expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;}&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;]&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &quot;:&quot; is missing after a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more follows the end of the palette</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaletteSetDialog</name>
    <message>
        <source>1 color</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n colors</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors to export:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current &amp;scheme (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favorites (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page colors (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All of them (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureLoading</name>
    <message>
        <source>The picture &quot;%1&quot; has too few pixels to take a palette from.</source>
        <translation>L’image « %1 » a trop peu de pixels pour en tirer une palette.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is fully transparent: it has no colours to take.</source>
        <translation>L’image « %1 » est entièrement transparente : elle n’a aucune couleur à prendre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture.</source>
        <translation>« %1 » est un dossier, pas une image.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; does not exist.</source>
        <translation>L’image « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: permission denied.</source>
        <translation>L’image « %1 » n’a pas pu être lue : permission refusée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture in a format Tintwell can read.</source>
        <translation>« %1 » n’est pas une image dans un format que Tintwell sait lire.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to open: %2 × %3 pixels.</source>
        <translation>L’image « %1 » est trop grande pour être ouverte : %2 × %3 pixels.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged or incomplete and could not be read (%2).</source>
        <translation>L’image « %1 » est endommagée ou incomplète et n’a pas pu être lue (%2).</translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchemeMessages</name>
    <message>
        <source>An error has occured while opening the scheme file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a valid Color Scheme File!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occured while saving the scheme file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scheme file holds at most 65535 favorite colors.  Delete some of them before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scheme file holds at most 64 MB, and the favorites&apos; texts take more.  Delete some favorites before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: Not a valid .tw version 2 file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occured while importing the scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully converted old file type to new v3 format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occured while saving the session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occured while opening the session</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenPicker</name>
    <message>
        <source>Screen Color Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color under the pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnified view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen could not be captured.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Tintwell v3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 3.1 · click the picture to close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmFavorites</name>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>remove the favorite color</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected color?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmImage</name>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Palette from %1</source>
        <translation>Palette de %1</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Complements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Complements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tetrads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monochromatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>%1 is a tool window&apos;s name, such as &quot;Favorites&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Color Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <comment>to the previous base color</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>to the next base color</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <comment>the list of base colors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R:</source>
        <extracomment>The red, green and blue fields&apos; short labels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B:</source>
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
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not websafe: make websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desaturate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Scheme...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Scheme...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make &amp;Websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Color Wheel (RYB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Color Wheel (RGB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintwell v3 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintwell Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintwell Forums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Color Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tintwell v3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
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
        <source>&amp;Copy Base Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Harmonies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Wheel Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulate Color Vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB: %1.%2.%3</source>
        <extracomment>The status bar&apos;s readout of the red, green and blue values.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritan</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achromat</source>
        <extracomment>A short sign in the status bar for the simulated color vision.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors are shown as seen with %1; what is copied, saved and picked keeps its true colors (Tools, Simulate Color Vision)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighted in the harmony %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not websafe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette</source>
        <comment>the palette strip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No harmony is highlighted.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Normal color vision.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Palette row %1 column %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite Colors Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Palette Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Menus Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintwell Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>General</source>
        <comment>group of settings</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember color scheme between sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn if scheme has not been saved before exiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter lighten/darken &amp;&amp; saturate/desaturate button step amount:</source>
        <extracomment>The doubled ampersand shows as one &quot;&amp;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%  Lightness (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%  Saturation (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this button to clear your history of colors on the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn before deleting Favorite Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Websafe Palette:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrum Palette:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Websafe Spectrum Palette:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More copy formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the rgb(), hsl() and oklch() forms that style sheets use to every copy menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The name of the page of general settings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>Fail</source>
        <comment>contrast verdict: too little contrast</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table header background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table header text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Colors</source>
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
        <source>Sample page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag &amp; Drop colors to QuickPreview (right-click colors for options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the current QuickPreview colors?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <extracomment>The sample page&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
