<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Tintwell designs colour schemes from one base colour.</source>
        <translation>Tintwell gestaltet Farbschemata aus einer Basisfarbe.</translation>
    </message>
    <message>
        <source>A scheme file to open.</source>
        <comment>what FILE.tw on the command line is</comment>
        <translation>Eine Schemadatei zum Öffnen.</translation>
    </message>
    <message>
        <source>one scheme file at a time</source>
        <comment>refusal on the terminal when more than one file is named</comment>
        <translation>nur eine Schemadatei auf einmal</translation>
    </message>
</context>
<context>
    <name>CopyMenu</name>
    <message>
        <source>The clipboard holds no color to paste. Copy a color as RRGGBB, #RRGGBB or R,G,B first.</source>
        <translation>Die Zwischenablage enthält keine Farbe zum Einfügen. Kopieren Sie zuerst eine Farbe als RRGGBB, #RRGGBB oder R,G,B.</translation>
    </message>
</context>
<context>
    <name>DesktopPortal</name>
    <message>
        <source>The screen could not be captured: this desktop offers no screenshot service.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Diese Arbeitsumgebung bietet keinen Bildschirmfoto-Dienst.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop did not answer in time.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Die Arbeitsumgebung hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop refused to take a screenshot.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Die Arbeitsumgebung hat das Bildschirmfoto verweigert.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s answer could not be understood.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Die Antwort der Arbeitsumgebung war unverständlich.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot could not be read.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Das Bildschirmfoto der Arbeitsumgebung war nicht lesbar.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot does not match the screen.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Das Bildschirmfoto der Arbeitsumgebung passt nicht zum Bildschirm.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Your current color scheme has changed.  Save before opening a new scheme?</source>
        <translation>Ihr aktuelles Farbschema wurde geändert.  Vor dem Öffnen eines anderen Schemas speichern?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before creating a new scheme?</source>
        <translation>Ihr aktuelles Farbschema wurde geändert.  Vor dem Anlegen eines neuen Schemas speichern?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before exiting?</source>
        <translation>Ihr aktuelles Farbschema wurde geändert.  Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Color Scheme File (*.tw)</source>
        <translation>Farbschema-Datei (*.tw)</translation>
    </message>
</context>
<context>
    <name>FavoritesList</name>
    <message>
        <source>Websafe color</source>
        <translation>Websichere Farbe</translation>
    </message>
    <message>
        <source>Drag &amp; drop colors
here to add to your
Favorite Colors</source>
        <translation>Farben hierher
ziehen, um sie den
Favoriten
hinzuzufügen</translation>
    </message>
    <message>
        <source>Favorite colors</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation>Favorit %1</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>File access denied: the folder is not writable</source>
        <translation>Zugriff auf die Datei verweigert: In den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is no plain file but a pipe (FIFO), a device or a socket</source>
        <translation>sie ist keine gewöhnliche Datei, sondern eine Pipe (FIFO), ein Gerät oder ein Socket</translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation>Sie dürfen sie nicht lesen</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than settings ever take</source>
        <translation>sie ist größer als %1 MB, weit mehr, als Einstellungen je brauchen</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>sie ist keine Textdatei</translation>
    </message>
    <message>
        <source>The settings in %1 cannot be used: %2.  Tintwell starts with its default settings and leaves that file as it is, so settings changed in this run are not kept.</source>
        <translation>Die Einstellungen in %1 können nicht verwendet werden: %2.  Tintwell startet mit den Standardeinstellungen und lässt die Datei unverändert; in dieser Sitzung geänderte Einstellungen werden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>The file was kept as %1.</source>
        <translation>Die Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The preferences could not be saved in %1</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1</source>
        <translation>Die Programmeinstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>The palette file could not be read: %1.</source>
        <translation>Die Palettendatei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The palette could not be saved: %1.</source>
        <translation>Die Palette konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Reading the palette file...</source>
        <translation>Palettendatei wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
</context>
<context>
    <name>PaletteFiles</name>
    <message>
        <source>Block %1 of the swatch file %2</source>
        <translation>Block %1 der Farbfelddatei %2</translation>
    </message>
    <message>
        <source>This is not an Adobe swatch exchange file: it does not begin with &quot;ASEF&quot;.</source>
        <translation>Dies ist keine Adobe-Swatch-Exchange-Datei: Sie beginnt nicht mit „ASEF“.</translation>
    </message>
    <message>
        <source>This swatch file is of version %1, which the program cannot read.</source>
        <translation>Diese Farbfelddatei hat die Version %1, die das Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>runs past the end of the file.</source>
        <translation>reicht über das Dateiende hinaus.</translation>
    </message>
    <message>
        <source>is of an unknown kind.</source>
        <translation>ist von unbekannter Art.</translation>
    </message>
    <message>
        <source>holds a damaged color name.</source>
        <translation>enthält einen beschädigten Farbnamen.</translation>
    </message>
    <message>
        <source>holds a color of an unknown model.</source>
        <translation>enthält eine Farbe in einem unbekannten Farbmodell.</translation>
    </message>
    <message>
        <source>holds a damaged color value.</source>
        <translation>enthält einen beschädigten Farbwert.</translation>
    </message>
    <message>
        <source>holds a damaged color type.</source>
        <translation>enthält einen beschädigten Farbtyp.</translation>
    </message>
    <message>
        <source>holds a Lab color, which the program cannot convert.</source>
        <translation>enthält eine Lab-Farbe, die das Programm nicht umrechnen kann.</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep.</source>
        <translation>Blöcke sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>this &quot;}&quot; closes no block.</source>
        <translation>diese „}“ schließt keinen Block.</translation>
    </message>
    <message>
        <source>The file ends inside the block that begins on line %1.</source>
        <translation>Die Datei endet innerhalb des Blocks, der in Zeile %1 beginnt.</translation>
    </message>
    <message>
        <source>The file ends inside the comment that begins on line %1.</source>
        <translation>Die Datei endet innerhalb des Kommentars, der in Zeile %1 beginnt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color in a form the program reads (#RGB, #RRGGBB or rgb()).</source>
        <translation>„%1“ ist keine Farbe in einer Form, die das Programm liest (#RGB, #RRGGBB oder rgb()).</translation>
    </message>
    <message>
        <source>This is not a GIMP palette: its first line is not &quot;GIMP Palette&quot;.</source>
        <translation>Dies ist keine GIMP-Palette: Ihre erste Zeile lautet nicht „GIMP Palette“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: a color line holds red, green and blue, each 0 to 255, then the color&apos;s name.</source>
        <translation>„%1“ ist keine Farbe: Eine Farbzeile enthält Rot, Grün und Blau, jeweils 0 bis 255, dann den Namen der Farbe.</translation>
    </message>
    <message>
        <source>Color %1 of the file: %2</source>
        <translation>Farbe %1 der Datei: %2</translation>
    </message>
    <message>
        <source>this is not valid JSON: %1.</source>
        <translation>dies ist kein gültiges JSON: %1.</translation>
    </message>
    <message>
        <source>This JSON file is not a Tintwell palette: it has no &quot;format&quot;: &quot;tintwell-palette&quot;.</source>
        <translation>Diese JSON-Datei ist keine Tintwell-Palette: Ihr fehlt &quot;format&quot;: &quot;tintwell-palette&quot;.</translation>
    </message>
    <message>
        <source>This palette is of a version the program does not know; only version 1 can be read.</source>
        <translation>Diese Palette hat eine Version, die das Programm nicht kennt; nur Version 1 kann gelesen werden.</translation>
    </message>
    <message>
        <source>This palette has no &quot;colors&quot; list.</source>
        <translation>Diese Palette hat keine Liste &quot;colors&quot;.</translation>
    </message>
    <message>
        <source>it is not an object with &quot;name&quot; and &quot;hex&quot;.</source>
        <translation>sie ist kein Objekt mit &quot;name&quot; und &quot;hex&quot;.</translation>
    </message>
    <message>
        <source>its &quot;name&quot; is not a text.</source>
        <translation>ihr &quot;name&quot; ist kein Text.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; is not a color in the form &quot;#RRGGBB&quot;.</source>
        <translation>ihr &quot;hex&quot; ist keine Farbe der Form &quot;#RRGGBB&quot;.</translation>
    </message>
    <message>
        <source>its &quot;rgb&quot; is not three whole numbers from 0 to 255.</source>
        <translation>ihr &quot;rgb&quot; sind nicht drei ganze Zahlen von 0 bis 255.</translation>
    </message>
    <message>
        <source>it has neither &quot;hex&quot; nor &quot;rgb&quot;.</source>
        <translation>sie hat weder &quot;hex&quot; noch &quot;rgb&quot;.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; and &quot;rgb&quot; are different colors.</source>
        <translation>ihre Werte &quot;hex&quot; und &quot;rgb&quot; sind verschiedene Farben.</translation>
    </message>
    <message>
        <source>A palette file holds at most 65535 colors.  Choose fewer colors before exporting.</source>
        <translation>Eine Palettendatei fasst höchstens 65535 Farben.  Wählen Sie vor dem Exportieren weniger Farben.</translation>
    </message>
    <message>
        <source>This palette holds more than 65535 colors, more than the favorites can keep.</source>
        <translation>Diese Palette enthält mehr als 65535 Farben, mehr als die Favoriten aufnehmen können.</translation>
    </message>
    <message>
        <source>This file is too large to be a palette (more than 32 MB).</source>
        <translation>Diese Datei ist zu groß für eine Palette (mehr als 32 MB).</translation>
    </message>
    <message>
        <source>This palette would take more than 32 MB, more than the program reads back.  Choose fewer colors before exporting.</source>
        <translation>Diese Palette würde mehr als 32 MB belegen, mehr als das Programm wieder einliest.  Wählen Sie vor dem Exportieren weniger Farben.</translation>
    </message>
    <message>
        <source>This file holds no colors.</source>
        <translation>Diese Datei enthält keine Farben.</translation>
    </message>
    <message>
        <source>This file is not a palette in any of the formats the program reads.</source>
        <translation>Diese Datei ist keine Palette in einem der Formate, die das Programm liest.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>CSS-Variablen (*.css)</translation>
    </message>
    <message>
        <source>SCSS Variables (*.scss)</source>
        <translation>SCSS-Variablen (*.scss)</translation>
    </message>
    <message>
        <source>JSON Palette (*.json)</source>
        <translation>JSON-Palette (*.json)</translation>
    </message>
    <message>
        <source>LibreOffice Color Table (*.soc)</source>
        <translation>LibreOffice-Farbtabelle (*.soc)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>All Palette Files (%1)</source>
        <translation>Alle Palettendateien (%1)</translation>
    </message>
    <message>
        <source>this file declares a document type, which no color table has.</source>
        <translation>diese Datei deklariert einen Dokumenttyp, den keine Farbtabelle hat.</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes, which no color table has.</source>
        <translation>ein Element hat mehr als %1 Attribute, was keine Farbtabelle hat.</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no color table is.</source>
        <translation>Elemente sind tiefer als %1 Ebenen verschachtelt, was keine Farbtabelle ist.</translation>
    </message>
    <message>
        <source>This XML file is not a LibreOffice color table.</source>
        <translation>Diese XML-Datei ist keine LibreOffice-Farbtabelle.</translation>
    </message>
    <message>
        <source>the color &quot;%1&quot; is not in the form &quot;#rrggbb&quot;.</source>
        <translation>die Farbe „%1“ hat nicht die Form „#rrggbb“.</translation>
    </message>
    <message>
        <source>this is not well-formed XML (%1).</source>
        <translation>dies ist kein wohlgeformtes XML (%1).</translation>
    </message>
    <message>
        <source>This file holds no XML.</source>
        <translation>Diese Datei enthält kein XML.</translation>
    </message>
    <message>
        <source>a text was expected</source>
        <translation>ein Text wurde erwartet</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>ein Text ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>a text holds a control character</source>
        <translation>ein Text enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a \u escape is not four hexadecimal digits</source>
        <translation>ein \u-Escape besteht nicht aus vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a text holds an unknown escape</source>
        <translation>ein Text enthält ein unbekanntes Escape</translation>
    </message>
    <message>
        <source>a value is malformed</source>
        <translation>ein Wert ist fehlerhaft</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>eine Zahl ist fehlerhaft</translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation>sie ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>an object was expected</source>
        <translation>ein Objekt wurde erwartet</translation>
    </message>
    <message>
        <source>a list was expected</source>
        <translation>eine Liste wurde erwartet</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;}&quot; is missing</source>
        <translation>ein &quot;,&quot; oder &quot;}&quot; fehlt</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;]&quot; is missing</source>
        <translation>ein &quot;,&quot; oder &quot;]&quot; fehlt</translation>
    </message>
    <message>
        <source>a &quot;:&quot; is missing after a name</source>
        <translation>nach einem Namen fehlt ein &quot;:&quot;</translation>
    </message>
    <message>
        <source>more follows the end of the palette</source>
        <translation>nach dem Ende der Palette folgt noch mehr</translation>
    </message>
</context>
<context>
    <name>PaletteSetDialog</name>
    <message>
        <source>1 color</source>
        <translation>1 Farbe</translation>
    </message>
    <message numerus="yes">
        <source>%n colors</source>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>Colors to export:</source>
        <translation>Zu exportierende Farben:</translation>
    </message>
    <message>
        <source>Current &amp;scheme (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>Aktuelles &amp;Schema (%1)</translation>
    </message>
    <message>
        <source>&amp;Favorites (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Favoriten (%1)</translation>
    </message>
    <message>
        <source>&amp;Page colors (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Webseitenfarben (%1)</translation>
    </message>
    <message>
        <source>&amp;All of them (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>Alle z&amp;usammen (%1)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
</context>
<context>
    <name>PictureLoading</name>
    <message>
        <source>The picture &quot;%1&quot; has too few pixels to take a palette from.</source>
        <translation>Das Bild „%1“ hat zu wenige Pixel, um eine Palette daraus zu nehmen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is fully transparent: it has no colours to take.</source>
        <translation>Das Bild „%1“ ist völlig durchsichtig: Es hat keine Farben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture.</source>
        <translation>„%1“ ist ein Ordner, kein Bild.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; does not exist.</source>
        <translation>Das Bild „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: permission denied.</source>
        <translation>Das Bild „%1“ konnte nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture in a format Tintwell can read.</source>
        <translation>„%1“ ist kein Bild in einem Format, das Tintwell lesen kann.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to open: %2 × %3 pixels.</source>
        <translation>Das Bild „%1“ ist zu groß zum Öffnen: %2 × %3 Pixel.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged or incomplete and could not be read (%2).</source>
        <translation>Das Bild „%1“ ist beschädigt oder unvollständig und konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is incomplete: the file ends before the picture does.</source>
        <translation>Das Bild „%1“ ist unvollständig: Die Datei endet, bevor das Bild zu Ende ist.</translation>
    </message>
</context>
<context>
    <name>PictureOpener</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the pasted picture</source>
        <extracomment>The pasted picture&apos;s name where a file&apos;s name would stand: in &quot;Palette from %1&quot;, &quot;Taking the colours of %1...&quot; and, in quotes, in the messages about a picture.</extracomment>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard holds no picture to take a palette from.</source>
        <translation>In der Zwischenablage ist kein Bild, aus dem eine Palette genommen werden kann.</translation>
    </message>
    <message>
        <source>Taking the colours of %1...</source>
        <translation>Farben werden aus %1 ermittelt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>SchemeMessages</name>
    <message>
        <source>An error has occured while opening the scheme file</source>
        <translation>Beim Öffnen der Schemadatei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Not a valid Color Scheme File!</source>
        <translation>Keine gültige Farbschema-Datei!</translation>
    </message>
    <message>
        <source>An error has occured while saving the scheme file</source>
        <translation>Beim Speichern der Schemadatei ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>A scheme file holds at most 65535 favorite colors.  Delete some of them before saving.</source>
        <translation>Eine Schemadatei fasst höchstens 65535 Favoriten.  Löschen Sie vor dem Speichern einige davon.</translation>
    </message>
    <message>
        <source>A scheme file holds at most 64 MB, and the favorites&apos; texts take more.  Delete some favorites before saving.</source>
        <translation>Eine Schemadatei fasst höchstens 64 MB, und die Texte der Favoriten brauchen mehr.  Löschen Sie vor dem Speichern einige Favoriten.</translation>
    </message>
    <message>
        <source>ERROR: Not a valid .tw version 2 file!</source>
        <translation>FEHLER: Keine gültige .tw-Datei der Version 2!</translation>
    </message>
    <message>
        <source>An error has occured while importing the scheme</source>
        <translation>Beim Importieren des Schemas ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Successfully converted old file type to new v3 format!</source>
        <translation>Die Datei im alten Format wurde erfolgreich ins neue v3-Format umgewandelt!</translation>
    </message>
    <message>
        <source>An error has occured while saving the session</source>
        <translation>Beim Speichern der Sitzung ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>An error has occured while opening the session</source>
        <translation>Beim Öffnen der Sitzung ist ein Fehler aufgetreten</translation>
    </message>
</context>
<context>
    <name>ScreenPicker</name>
    <message>
        <source>Screen Color Picker</source>
        <translation>Bildschirm-Farbpipette</translation>
    </message>
    <message>
        <source>Color under the pointer</source>
        <translation>Farbe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <source>Magnified view</source>
        <translation>Vergrößerte Ansicht</translation>
    </message>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Tintwell v3</source>
        <translation>Über Tintwell v3</translation>
    </message>
    <message>
        <source>Version 3.1 · click the picture to close</source>
        <translation>Version 3.1 · Klick auf das Bild schließt</translation>
    </message>
</context>
<context>
    <name>TfrmFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Websicher machen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>remove the favorite color</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Copy HEX</source>
        <translation>HEX kopieren</translation>
    </message>
    <message>
        <source>Delete Color</source>
        <translation>Farbe löschen</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Kopieren...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Als Basisfarbe setzen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected color?</source>
        <translation>Möchten Sie die ausgewählte Farbe wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TfrmImage</name>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Zu den F&amp;avoriten</translation>
    </message>
    <message>
        <source>Palette from %1</source>
        <translation>Palette aus %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture the colours are taken from.</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture colors</source>
        <extracomment>What a screen reader calls the list of the colours taken from the picture.</extracomment>
        <translation>Bildfarben</translation>
    </message>
    <message>
        <source>Picture color %1</source>
        <extracomment>One colour taken from the picture, as a screen reader says it; %1 is its place in the list.</extracomment>
        <translation>Bildfarbe %1</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Complements</source>
        <translation>Komplementärfarben</translation>
    </message>
    <message>
        <source>Split Complements</source>
        <translation>Geteilte Komplementärfarben</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Triaden</translation>
    </message>
    <message>
        <source>Tetrads</source>
        <translation>Tetraden</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analoge Farben</translation>
    </message>
    <message>
        <source>Monochromatic</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
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
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 anzeigen</translation>
    </message>
    <message>
        <source>Open Scheme</source>
        <translation>Schema öffnen</translation>
    </message>
    <message>
        <source>Save Scheme</source>
        <translation>Schema speichern</translation>
    </message>
    <message>
        <source>Screen Color Picker</source>
        <translation>Bildschirm-Farbpipette</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Websicher machen</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>to the previous base color</comment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>to the next base color</comment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>History</source>
        <comment>the list of base colors</comment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>R:</source>
        <extracomment>The red, green and blue fields&apos; short labels.</extracomment>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
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
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Websafe</source>
        <translation>Websicher</translation>
    </message>
    <message>
        <source>Not websafe: make websafe</source>
        <translation>Nicht websicher: websicher machen</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Saturate</source>
        <translation>Sättigen</translation>
    </message>
    <message>
        <source>Desaturate</source>
        <translation>Entsättigen</translation>
    </message>
    <message>
        <source>&amp;New Scheme</source>
        <translation>&amp;Neues Schema</translation>
    </message>
    <message>
        <source>&amp;Open Scheme...</source>
        <translation>Schema ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Scheme...</source>
        <translation>Schema &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>Palette &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>Palette &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Make &amp;Websafe</source>
        <translation>&amp;Websicher machen</translation>
    </message>
    <message>
        <source>Traditional Color Wheel (RYB)</source>
        <translation>Traditioneller Farbkreis (RYB)</translation>
    </message>
    <message>
        <source>Computer Color Wheel (RGB)</source>
        <translation>Computer-Farbkreis (RGB)</translation>
    </message>
    <message>
        <source>Tintwell v3 Help</source>
        <translation>Hilfe zu Tintwell v3</translation>
    </message>
    <message>
        <source>Tintwell Website</source>
        <translation>Tintwell-Website</translation>
    </message>
    <message>
        <source>Tintwell Forums</source>
        <translation>Tintwell-Forum</translation>
    </message>
    <message>
        <source>Online Color Tutorial</source>
        <translation>Online-Farbenlehre</translation>
    </message>
    <message>
        <source>About Tintwell v3</source>
        <translation>Über Tintwell v3</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
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
        <source>&amp;Copy Base Color</source>
        <translation>Basisfarbe &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Highlight Harmonies</source>
        <translation>Harmonien hervorheben</translation>
    </message>
    <message>
        <source>Color Wheel Mode</source>
        <translation>Farbkreis</translation>
    </message>
    <message>
        <source>Simulate Color Vision</source>
        <translation>Farbsehen simulieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>RGB: %1.%2.%3</source>
        <extracomment>The status bar&apos;s readout of the red, green and blue values.</extracomment>
        <translation>RGB: %1.%2.%3</translation>
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
        <translation>Achromat</translation>
    </message>
    <message>
        <source>Colors are shown as seen with %1; what is copied, saved and picked keeps its true colors (Tools, Simulate Color Vision)</source>
        <translation>Die Farben werden gezeigt, wie man sie mit %1 sieht; was kopiert, gespeichert und aufgenommen wird, behält seine echten Farben (Extras, Farbsehen simulieren)</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Farbfeld %1</translation>
    </message>
    <message>
        <source>Highlighted in the harmony %1</source>
        <translation>Hervorgehoben in der Harmonie %1</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Basisfarbe</translation>
    </message>
    <message>
        <source>Not websafe</source>
        <translation>Nicht websicher</translation>
    </message>
    <message>
        <source>Palette</source>
        <comment>the palette strip</comment>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Kopieren...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Als Basisfarbe setzen</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No harmony is highlighted.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Normal color vision.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Zu &amp;Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Palette row %1 column %2</source>
        <translation>Palette Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>Palette from Ima&amp;ge...</source>
        <translation>Palette aus Bil&amp;d...</translation>
    </message>
    <message>
        <source>Paste &amp;Image as Palette</source>
        <translation>&amp;Bild als Palette einfügen</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>General Preferences</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Favorite Colors</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Favorite Colors Preferences</source>
        <translation>Favoriten-Einstellungen</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Color Palette Preferences</source>
        <translation>Farbpaletten-Einstellungen</translation>
    </message>
    <message>
        <source>Copy Menus</source>
        <translation>Kopiermenüs</translation>
    </message>
    <message>
        <source>Copy Menus Preferences</source>
        <translation>Kopiermenü-Einstellungen</translation>
    </message>
    <message>
        <source>Tintwell Preferences</source>
        <translation>Tintwell-Einstellungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>General</source>
        <comment>group of settings</comment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Remember color scheme between sessions</source>
        <translation>Farbschema zwischen Sitzungen merken</translation>
    </message>
    <message>
        <source>Warn if scheme has not been saved before exiting</source>
        <translation>Beim Beenden vor ungesichertem Schema warnen</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Basisfarbe</translation>
    </message>
    <message>
        <source>Enter lighten/darken &amp;&amp; saturate/desaturate button step amount:</source>
        <extracomment>The doubled ampersand shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Schrittweite der Knöpfe Aufhellen/Abdunkeln &amp;&amp; Sättigen/Entsättigen:</translation>
    </message>
    <message>
        <source>%  Lightness (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Helligkeit (1-25%)</translation>
    </message>
    <message>
        <source>%  Saturation (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Sättigung (1-25%)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Use this button to clear your history of colors on the main window.</source>
        <translation>Mit diesem Knopf leeren Sie den Farbverlauf im Hauptfenster.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Warn before deleting Favorite Colors</source>
        <translation>Löschen von Favoriten bestätigen</translation>
    </message>
    <message>
        <source>Display Palette</source>
        <translation>Angezeigte Palette</translation>
    </message>
    <message>
        <source>Websafe Palette:</source>
        <translation>Websichere Palette:</translation>
    </message>
    <message>
        <source>Spectrum Palette:</source>
        <translation>Spektrum-Palette:</translation>
    </message>
    <message>
        <source>Websafe Spectrum Palette:</source>
        <translation>Websicheres Spektrum:</translation>
    </message>
    <message>
        <source>Copy Formats</source>
        <translation>Kopierformate</translation>
    </message>
    <message>
        <source>More copy formats</source>
        <translation>Weitere Kopierformate</translation>
    </message>
    <message>
        <source>Adds the rgb(), hsl() and oklch() forms that style sheets use to every copy menu.</source>
        <translation>Ergänzt jedes Kopiermenü um die Formen rgb(), hsl() und oklch(), die Stylesheets verwenden.</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The name of the page of general settings.</extracomment>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>Fail</source>
        <comment>contrast verdict: too little contrast</comment>
        <translation>Ungenügend</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Seitenhintergrund</translation>
    </message>
    <message>
        <source>Table header background</source>
        <translation>Hintergrund des Tabellenkopfs</translation>
    </message>
    <message>
        <source>Table header text</source>
        <translation>Text des Tabellenkopfs</translation>
    </message>
    <message>
        <source>Navigation background</source>
        <translation>Hintergrund der Navigation</translation>
    </message>
    <message>
        <source>Main background</source>
        <translation>Hintergrund des Hauptteils</translation>
    </message>
    <message>
        <source>Link 1</source>
        <translation>Link 1</translation>
    </message>
    <message>
        <source>Link 2</source>
        <translation>Link 2</translation>
    </message>
    <message>
        <source>Link 3</source>
        <translation>Link 3</translation>
    </message>
    <message>
        <source>Link 4</source>
        <translation>Link 4</translation>
    </message>
    <message>
        <source>Body header</source>
        <translation>Zwischenüberschrift</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Fließtext</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Save as Webpage</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Farben zurücksetzen</translation>
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
        <source>Sample page</source>
        <translation>Beispielseite</translation>
    </message>
    <message>
        <source>Drag &amp; Drop colors to QuickPreview (right-click colors for options)</source>
        <translation>Farben hierher ziehen (Rechtsklick auf Farben für Optionen)</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Kopieren...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Als Basisfarbe setzen</translation>
    </message>
    <message>
        <source>Show Contrast</source>
        <translation>Kontrast anzeigen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the current QuickPreview colors?</source>
        <translation>Möchten Sie die aktuellen QuickPreview-Farben wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation>HTML-Dateien (*.html *.htm)</translation>
    </message>
    <message>
        <source>Header</source>
        <extracomment>The sample page&apos;s title.</extracomment>
        <translation>Seitentitel</translation>
    </message>
</context>
</TS>
