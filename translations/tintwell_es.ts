<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Tintwell designs colour schemes from one base colour.</source>
        <translation>Tintwell diseña esquemas de colores a partir de un color base.</translation>
    </message>
    <message>
        <source>A scheme file to open.</source>
        <comment>what FILE.tw on the command line is</comment>
        <translation>Un archivo de esquema para abrir.</translation>
    </message>
    <message>
        <source>one scheme file at a time</source>
        <comment>refusal on the terminal when more than one file is named</comment>
        <translation>solo un archivo de esquema a la vez</translation>
    </message>
</context>
<context>
    <name>CopyMenu</name>
    <message>
        <source>The clipboard holds no color to paste. Copy a color as RRGGBB, #RRGGBB or R,G,B first.</source>
        <translation>El portapapeles no contiene ningún color que pegar. Copie primero un color como RRGGBB, #RRGGBB o R,G,B.</translation>
    </message>
</context>
<context>
    <name>DesktopPortal</name>
    <message>
        <source>The screen could not be captured: this desktop offers no screenshot service.</source>
        <translation>No se pudo capturar la pantalla: este escritorio no ofrece ningún servicio de capturas de pantalla.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop did not answer in time.</source>
        <translation>No se pudo capturar la pantalla: el escritorio no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop refused to take a screenshot.</source>
        <translation>No se pudo capturar la pantalla: el escritorio se negó a hacer la captura.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s answer could not be understood.</source>
        <translation>No se pudo capturar la pantalla: no se entendió la respuesta del escritorio.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot could not be read.</source>
        <translation>No se pudo capturar la pantalla: no se pudo leer la captura del escritorio.</translation>
    </message>
    <message>
        <source>The screen could not be captured: the desktop&apos;s screenshot does not match the screen.</source>
        <translation>No se pudo capturar la pantalla: la captura del escritorio no coincide con la pantalla.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Your current color scheme has changed.  Save before opening a new scheme?</source>
        <translation>Su esquema de colores actual ha cambiado.  ¿Desea guardarlo antes de abrir otro esquema?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before creating a new scheme?</source>
        <translation>Su esquema de colores actual ha cambiado.  ¿Desea guardarlo antes de crear un esquema nuevo?</translation>
    </message>
    <message>
        <source>Your current color scheme has changed.  Save before exiting?</source>
        <translation>Su esquema de colores actual ha cambiado.  ¿Desea guardarlo antes de salir?</translation>
    </message>
    <message>
        <source>Color Scheme File (*.tw)</source>
        <translation>Archivo de esquema de colores (*.tw)</translation>
    </message>
</context>
<context>
    <name>FavoritesList</name>
    <message>
        <source>Websafe color</source>
        <translation>Color seguro para web</translation>
    </message>
    <message>
        <source>Drag &amp; drop colors
here to add to your
Favorite Colors</source>
        <translation>Arrastre colores
aquí para añadirlos
a sus colores
favoritos</translation>
    </message>
    <message>
        <source>Favorite colors</source>
        <translation>Colores favoritos</translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation>Favorito %1</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>The folder %1 is not writable.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>File access denied: the folder is not writable</source>
        <translation>Acceso al archivo denegado: no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de entrada/salida %1</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is no plain file but a pipe (FIFO), a device or a socket</source>
        <translation>no es un archivo normal sino una tubería (FIFO), un dispositivo o un socket</translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation>no tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than settings ever take</source>
        <translation>ocupa más de %1 MB, mucho más de lo que ocupa nunca una configuración</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>The settings in %1 cannot be used: %2.  Tintwell starts with its default settings and leaves that file as it is, so settings changed in this run are not kept.</source>
        <translation>El archivo de configuración %1 no se puede usar: %2.  Tintwell se inicia con la configuración predeterminada y deja ese archivo como está, así que los cambios de configuración de esta sesión no se conservarán.</translation>
    </message>
    <message>
        <source>The file was kept as %1.</source>
        <translation>El archivo se conservó como %1.</translation>
    </message>
    <message>
        <source>The preferences could not be saved in %1</source>
        <translation>No se pudieron guardar las preferencias en %1</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1</source>
        <translation>No se pudo guardar la configuración en %1</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>PaletteCommands</name>
    <message>
        <source>The palette file could not be read: %1.</source>
        <translation>No se pudo leer el archivo de paleta: %1.</translation>
    </message>
    <message>
        <source>The palette could not be saved: %1.</source>
        <translation>No se pudo guardar la paleta: %1.</translation>
    </message>
    <message>
        <source>Reading the palette file...</source>
        <translation>Leyendo el archivo de paleta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Importar paleta</translation>
    </message>
</context>
<context>
    <name>PaletteFiles</name>
    <message>
        <source>Block %1 of the swatch file %2</source>
        <translation>El bloque %1 del archivo de muestras %2</translation>
    </message>
    <message>
        <source>This is not an Adobe swatch exchange file: it does not begin with &quot;ASEF&quot;.</source>
        <translation>Este no es un archivo Adobe Swatch Exchange: no empieza por «ASEF».</translation>
    </message>
    <message>
        <source>This swatch file is of version %1, which the program cannot read.</source>
        <translation>Este archivo de muestras es de la versión %1, que el programa no puede leer.</translation>
    </message>
    <message>
        <source>runs past the end of the file.</source>
        <translation>sobrepasa el final del archivo.</translation>
    </message>
    <message>
        <source>is of an unknown kind.</source>
        <translation>es de un tipo desconocido.</translation>
    </message>
    <message>
        <source>holds a damaged color name.</source>
        <translation>contiene un nombre de color dañado.</translation>
    </message>
    <message>
        <source>holds a color of an unknown model.</source>
        <translation>contiene un color de un modelo de color desconocido.</translation>
    </message>
    <message>
        <source>holds a damaged color value.</source>
        <translation>contiene un valor de color dañado.</translation>
    </message>
    <message>
        <source>holds a damaged color type.</source>
        <translation>contiene un tipo de color dañado.</translation>
    </message>
    <message>
        <source>holds a Lab color, which the program cannot convert.</source>
        <translation>contiene un color Lab, que el programa no puede convertir.</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep.</source>
        <translation>hay bloques anidados en más de %1 niveles.</translation>
    </message>
    <message>
        <source>this &quot;}&quot; closes no block.</source>
        <translation>esta «}» no cierra ningún bloque.</translation>
    </message>
    <message>
        <source>The file ends inside the block that begins on line %1.</source>
        <translation>El archivo termina dentro del bloque que empieza en la línea %1.</translation>
    </message>
    <message>
        <source>The file ends inside the comment that begins on line %1.</source>
        <translation>El archivo termina dentro del comentario que empieza en la línea %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color in a form the program reads (#RGB, #RRGGBB or rgb()).</source>
        <translation>«%1» no es un color en una forma que el programa lea (#RGB, #RRGGBB o rgb()).</translation>
    </message>
    <message>
        <source>This is not a GIMP palette: its first line is not &quot;GIMP Palette&quot;.</source>
        <translation>Esta no es una paleta de GIMP: su primera línea no es «GIMP Palette».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a color: a color line holds red, green and blue, each 0 to 255, then the color&apos;s name.</source>
        <translation>«%1» no es un color: una línea de color contiene rojo, verde y azul, cada uno de 0 a 255, y después el nombre del color.</translation>
    </message>
    <message>
        <source>Color %1 of the file: %2</source>
        <translation>Color %1 del archivo: %2</translation>
    </message>
    <message>
        <source>this is not valid JSON: %1.</source>
        <translation>esto no es JSON válido: %1.</translation>
    </message>
    <message>
        <source>This JSON file is not a Tintwell palette: it has no &quot;format&quot;: &quot;tintwell-palette&quot;.</source>
        <translation>Este archivo JSON no es una paleta de Tintwell: no tiene &quot;format&quot;: &quot;tintwell-palette&quot;.</translation>
    </message>
    <message>
        <source>This palette is of a version the program does not know; only version 1 can be read.</source>
        <translation>Esta paleta es de una versión que el programa no conoce; solo se puede leer la versión 1.</translation>
    </message>
    <message>
        <source>This palette has no &quot;colors&quot; list.</source>
        <translation>Esta paleta no tiene lista &quot;colors&quot;.</translation>
    </message>
    <message>
        <source>it is not an object with &quot;name&quot; and &quot;hex&quot;.</source>
        <translation>no es un objeto con &quot;name&quot; y &quot;hex&quot;.</translation>
    </message>
    <message>
        <source>its &quot;name&quot; is not a text.</source>
        <translation>su &quot;name&quot; no es un texto.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; is not a color in the form &quot;#RRGGBB&quot;.</source>
        <translation>su &quot;hex&quot; no es un color con la forma &quot;#RRGGBB&quot;.</translation>
    </message>
    <message>
        <source>its &quot;rgb&quot; is not three whole numbers from 0 to 255.</source>
        <translation>su &quot;rgb&quot; no son tres números enteros de 0 a 255.</translation>
    </message>
    <message>
        <source>it has neither &quot;hex&quot; nor &quot;rgb&quot;.</source>
        <translation>no tiene ni &quot;hex&quot; ni &quot;rgb&quot;.</translation>
    </message>
    <message>
        <source>its &quot;hex&quot; and &quot;rgb&quot; are different colors.</source>
        <translation>sus &quot;hex&quot; y &quot;rgb&quot; son colores distintos.</translation>
    </message>
    <message>
        <source>A palette file holds at most 65535 colors.  Choose fewer colors before exporting.</source>
        <translation>Un archivo de paleta contiene como máximo 65535 colores.  Elija menos colores antes de exportar.</translation>
    </message>
    <message>
        <source>This palette holds more than 65535 colors, more than the favorites can keep.</source>
        <translation>Esta paleta contiene más de 65535 colores, más de los que caben en los favoritos.</translation>
    </message>
    <message>
        <source>This file is too large to be a palette (more than 32 MB).</source>
        <translation>Este archivo es demasiado grande para ser una paleta (más de 32 MB).</translation>
    </message>
    <message>
        <source>This palette would take more than 32 MB, more than the program reads back.  Choose fewer colors before exporting.</source>
        <translation>Esta paleta ocuparía más de 32 MB, más de lo que el programa puede volver a leer.  Elija menos colores antes de exportar.</translation>
    </message>
    <message>
        <source>This file holds no colors.</source>
        <translation>Este archivo no contiene ningún color.</translation>
    </message>
    <message>
        <source>This file is not a palette in any of the formats the program reads.</source>
        <translation>Este archivo no es una paleta en ninguno de los formatos que lee el programa.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Paleta de GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Propiedades personalizadas CSS (*.css)</translation>
    </message>
    <message>
        <source>SCSS Variables (*.scss)</source>
        <translation>Variables SCSS (*.scss)</translation>
    </message>
    <message>
        <source>JSON Palette (*.json)</source>
        <translation>Paleta JSON (*.json)</translation>
    </message>
    <message>
        <source>LibreOffice Color Table (*.soc)</source>
        <translation>Tabla de colores de LibreOffice (*.soc)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>All Palette Files (%1)</source>
        <translation>Todos los archivos de paleta (%1)</translation>
    </message>
    <message>
        <source>this file declares a document type, which no color table has.</source>
        <translation>este archivo declara un tipo de documento, algo que ninguna tabla de colores tiene.</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes, which no color table has.</source>
        <translation>un elemento tiene más de %1 atributos, algo que ninguna tabla de colores tiene.</translation>
    </message>
    <message>
        <source>elements are nested more than %1 deep, which no color table is.</source>
        <translation>hay elementos anidados en más de %1 niveles, algo que no ocurre en ninguna tabla de colores.</translation>
    </message>
    <message>
        <source>This XML file is not a LibreOffice color table.</source>
        <translation>Este archivo XML no es una tabla de colores de LibreOffice.</translation>
    </message>
    <message>
        <source>the color &quot;%1&quot; is not in the form &quot;#rrggbb&quot;.</source>
        <translation>el color «%1» no tiene la forma «#rrggbb».</translation>
    </message>
    <message>
        <source>this is not well-formed XML (%1).</source>
        <translation>esto no es XML bien formado (%1).</translation>
    </message>
    <message>
        <source>This file holds no XML.</source>
        <translation>Este archivo no contiene XML.</translation>
    </message>
    <message>
        <source>a text was expected</source>
        <translation>se esperaba un texto</translation>
    </message>
    <message>
        <source>a text is not closed</source>
        <translation>un texto no está cerrado</translation>
    </message>
    <message>
        <source>a text holds a control character</source>
        <translation>un texto contiene un carácter de control</translation>
    </message>
    <message>
        <source>a \u escape is not four hexadecimal digits</source>
        <translation>una secuencia de escape \u no tiene cuatro dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a text holds an unknown escape</source>
        <translation>un texto contiene una secuencia de escape desconocida</translation>
    </message>
    <message>
        <source>a value is malformed</source>
        <translation>un valor está mal formado</translation>
    </message>
    <message>
        <source>a number is malformed</source>
        <translation>un número está mal formado</translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation>el anidamiento es demasiado profundo</translation>
    </message>
    <message>
        <source>the file ends too early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>an object was expected</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>a list was expected</source>
        <translation>se esperaba una lista</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;}&quot; is missing</source>
        <translation>falta &quot;,&quot; o &quot;}&quot;</translation>
    </message>
    <message>
        <source>a &quot;,&quot; or &quot;]&quot; is missing</source>
        <translation>falta &quot;,&quot; o &quot;]&quot;</translation>
    </message>
    <message>
        <source>a &quot;:&quot; is missing after a name</source>
        <translation>falta &quot;:&quot; tras un nombre</translation>
    </message>
    <message>
        <source>more follows the end of the palette</source>
        <translation>hay más contenido tras el final de la paleta</translation>
    </message>
</context>
<context>
    <name>PaletteSetDialog</name>
    <message>
        <source>1 color</source>
        <translation>1 color</translation>
    </message>
    <message numerus="yes">
        <source>%n colors</source>
        <translation>
            <numerusform>%n color</numerusform>
            <numerusform>%n colores</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Exportar paleta</translation>
    </message>
    <message>
        <source>Colors to export:</source>
        <translation>Colores que exportar:</translation>
    </message>
    <message>
        <source>Current &amp;scheme (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>Esquema &amp;actual (%1)</translation>
    </message>
    <message>
        <source>&amp;Favorites (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Favoritos (%1)</translation>
    </message>
    <message>
        <source>&amp;Page colors (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>Colores de la &amp;página (%1)</translation>
    </message>
    <message>
        <source>&amp;All of them (%1)</source>
        <extracomment>%1 is a number of colors, such as &quot;16 colors&quot;.</extracomment>
        <translation>&amp;Todos (%1)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
</context>
<context>
    <name>PictureLoading</name>
    <message>
        <source>The picture &quot;%1&quot; has too few pixels to take a palette from.</source>
        <translation>La imagen «%1» tiene muy pocos píxeles para sacar una paleta.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is fully transparent: it has no colours to take.</source>
        <translation>La imagen «%1» es totalmente transparente: no tiene colores que tomar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture.</source>
        <translation>«%1» es una carpeta, no una imagen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; does not exist.</source>
        <translation>La imagen «%1» no existe.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: permission denied.</source>
        <translation>No se pudo leer la imagen «%1»: permiso denegado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture in a format Tintwell can read.</source>
        <translation>«%1» no es una imagen en un formato que Tintwell pueda leer.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to open: %2 × %3 pixels.</source>
        <translation>La imagen «%1» es demasiado grande para abrirla: %2 × %3 píxeles.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged or incomplete and could not be read (%2).</source>
        <translation>La imagen «%1» está dañada o incompleta y no se pudo leer (%2).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is incomplete: the file ends before the picture does.</source>
        <translation>La imagen «%1» está incompleta: el archivo termina antes que la imagen.</translation>
    </message>
</context>
<context>
    <name>PictureOpener</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>the pasted picture</source>
        <extracomment>The pasted picture&apos;s name where a file&apos;s name would stand: in &quot;Palette from %1&quot;, &quot;Taking the colours of %1...&quot; and, in quotes, in the messages about a picture.</extracomment>
        <translation>la imagen pegada</translation>
    </message>
    <message>
        <source>The clipboard holds no picture to take a palette from.</source>
        <translation>El portapapeles no contiene ninguna imagen de la que sacar una paleta.</translation>
    </message>
    <message>
        <source>Taking the colours of %1...</source>
        <translation>Tomando los colores de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>SchemeMessages</name>
    <message>
        <source>An error has occured while opening the scheme file</source>
        <translation>Se produjo un error al abrir el archivo de esquema</translation>
    </message>
    <message>
        <source>Not a valid Color Scheme File!</source>
        <translation>¡No es un archivo de esquema de colores válido!</translation>
    </message>
    <message>
        <source>An error has occured while saving the scheme file</source>
        <translation>Se produjo un error al guardar el archivo de esquema</translation>
    </message>
    <message>
        <source>A scheme file holds at most 65535 favorite colors.  Delete some of them before saving.</source>
        <translation>Un archivo de esquema contiene como máximo 65535 colores favoritos.  Elimine algunos antes de guardar.</translation>
    </message>
    <message>
        <source>A scheme file holds at most 64 MB, and the favorites&apos; texts take more.  Delete some favorites before saving.</source>
        <translation>Un archivo de esquema ocupa como máximo 64 MB, y los textos de los favoritos ocupan más.  Elimine algunos favoritos antes de guardar.</translation>
    </message>
    <message>
        <source>ERROR: Not a valid .tw version 2 file!</source>
        <translation>ERROR: ¡No es un archivo .tw de la versión 2 válido!</translation>
    </message>
    <message>
        <source>An error has occured while importing the scheme</source>
        <translation>Se produjo un error al importar el esquema</translation>
    </message>
    <message>
        <source>Successfully converted old file type to new v3 format!</source>
        <translation>¡El archivo de tipo antiguo se convirtió correctamente al nuevo formato v3!</translation>
    </message>
    <message>
        <source>An error has occured while saving the session</source>
        <translation>Se produjo un error al guardar la sesión</translation>
    </message>
    <message>
        <source>An error has occured while opening the session</source>
        <translation>Se produjo un error al abrir la sesión</translation>
    </message>
</context>
<context>
    <name>ScreenPicker</name>
    <message>
        <source>Screen Color Picker</source>
        <translation>Cuentagotas de pantalla</translation>
    </message>
    <message>
        <source>Color under the pointer</source>
        <translation>Color bajo el puntero</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Magnified view</source>
        <translation>Vista ampliada</translation>
    </message>
    <message>
        <source>The screen could not be captured.</source>
        <translation>No se pudo capturar la pantalla.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Tintwell v3</source>
        <translation>Acerca de Tintwell v3</translation>
    </message>
    <message>
        <source>Version 3.1 · click the picture to close</source>
        <translation>Versión 3.1 · haga clic en la imagen para cerrar</translation>
    </message>
</context>
<context>
    <name>TfrmFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Hacer seguro para web</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>remove the favorite color</comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Siempre en primer plano</translation>
    </message>
    <message>
        <source>Copy HEX</source>
        <translation>Copiar HEX</translation>
    </message>
    <message>
        <source>Delete Color</source>
        <translation>Eliminar color</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copiar...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Establecer como color base</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected color?</source>
        <translation>¿Seguro que desea eliminar el color seleccionado?</translation>
    </message>
</context>
<context>
    <name>TfrmImage</name>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Añadir a &amp;favoritos</translation>
    </message>
    <message>
        <source>Palette from %1</source>
        <translation>Paleta de %1</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture the colours are taken from.</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Picture colors</source>
        <extracomment>What a screen reader calls the list of the colours taken from the picture.</extracomment>
        <translation>Colores de la imagen</translation>
    </message>
    <message>
        <source>Picture color %1</source>
        <extracomment>One colour taken from the picture, as a screen reader says it; %1 is its place in the list.</extracomment>
        <translation>Color de la imagen %1</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Complements</source>
        <translation>Complementarios</translation>
    </message>
    <message>
        <source>Split Complements</source>
        <translation>Complementarios divididos</translation>
    </message>
    <message>
        <source>Triads</source>
        <translation>Tríadas</translation>
    </message>
    <message>
        <source>Tetrads</source>
        <translation>Tétradas</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Análogos</translation>
    </message>
    <message>
        <source>Monochromatic</source>
        <translation>Monocromático</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>%1 is a tool window&apos;s name, such as &quot;Favorites&quot;.</extracomment>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>Open Scheme</source>
        <translation>Abrir esquema</translation>
    </message>
    <message>
        <source>Save Scheme</source>
        <translation>Guardar esquema</translation>
    </message>
    <message>
        <source>Screen Color Picker</source>
        <translation>Cuentagotas de pantalla</translation>
    </message>
    <message>
        <source>Make Websafe</source>
        <translation>Hacer seguro para web</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>to the previous base color</comment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>to the next base color</comment>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>History</source>
        <comment>the list of base colors</comment>
        <translation>Historial</translation>
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
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Websafe</source>
        <translation>Seguro para web</translation>
    </message>
    <message>
        <source>Not websafe: make websafe</source>
        <translation>No seguro para web: hacerlo seguro</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aclarar</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Oscurecer</translation>
    </message>
    <message>
        <source>Saturate</source>
        <translation>Saturar</translation>
    </message>
    <message>
        <source>Desaturate</source>
        <translation>Desaturar</translation>
    </message>
    <message>
        <source>&amp;New Scheme</source>
        <translation>&amp;Nuevo esquema</translation>
    </message>
    <message>
        <source>&amp;Open Scheme...</source>
        <translation>&amp;Abrir esquema...</translation>
    </message>
    <message>
        <source>&amp;Save Scheme...</source>
        <translation>&amp;Guardar esquema...</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>&amp;Exportar paleta...</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>&amp;Importar paleta...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>Make &amp;Websafe</source>
        <translation>Hacer seguro para &amp;web</translation>
    </message>
    <message>
        <source>Traditional Color Wheel (RYB)</source>
        <translation>Círculo cromático tradicional (RYB)</translation>
    </message>
    <message>
        <source>Computer Color Wheel (RGB)</source>
        <translation>Círculo cromático digital (RGB)</translation>
    </message>
    <message>
        <source>Tintwell v3 Help</source>
        <translation>Ayuda de Tintwell v3</translation>
    </message>
    <message>
        <source>Tintwell Website</source>
        <translation>Sitio web de Tintwell</translation>
    </message>
    <message>
        <source>Tintwell Forums</source>
        <translation>Foros de Tintwell</translation>
    </message>
    <message>
        <source>Online Color Tutorial</source>
        <translation>Tutorial de color en línea</translation>
    </message>
    <message>
        <source>About Tintwell v3</source>
        <translation>Acerca de Tintwell v3</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
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
        <source>&amp;Copy Base Color</source>
        <translation>&amp;Copiar color base</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Highlight Harmonies</source>
        <translation>Resaltar armonías</translation>
    </message>
    <message>
        <source>Color Wheel Mode</source>
        <translation>Círculo cromático</translation>
    </message>
    <message>
        <source>Simulate Color Vision</source>
        <translation>Simular visión del color</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
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
        <translation>Acromat</translation>
    </message>
    <message>
        <source>Colors are shown as seen with %1; what is copied, saved and picked keeps its true colors (Tools, Simulate Color Vision)</source>
        <translation>Los colores se muestran como los ve una persona con %1; lo que se copia, guarda o captura conserva sus colores reales (Herramientas, Simular visión del color)</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Muestra %1</translation>
    </message>
    <message>
        <source>Highlighted in the harmony %1</source>
        <translation>Resaltada en la armonía %1</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Not websafe</source>
        <translation>No seguro para web</translation>
    </message>
    <message>
        <source>Palette</source>
        <comment>the palette strip</comment>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copiar...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Establecer como color base</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No harmony is highlighted.</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>Normal color vision.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>protanopia</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>deuteranopia</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>tritanopia</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>Inside the sentence &quot;Colors are shown as seen with %1&quot;.</extracomment>
        <translation>acromatopsia</translation>
    </message>
    <message>
        <source>Add to &amp;Favorites</source>
        <translation>Añadir a &amp;favoritos</translation>
    </message>
    <message>
        <source>Palette row %1 column %2</source>
        <translation>Paleta, fila %1, columna %2</translation>
    </message>
    <message>
        <source>Palette from Ima&amp;ge...</source>
        <translation>Paleta desde i&amp;magen...</translation>
    </message>
    <message>
        <source>Paste &amp;Image as Palette</source>
        <translation>Pegar &amp;imagen como paleta</translation>
    </message>
</context>
<context>
    <name>TfrmPreferences</name>
    <message>
        <source>General Preferences</source>
        <translation>Preferencias generales</translation>
    </message>
    <message>
        <source>Favorite Colors</source>
        <translation>Colores favoritos</translation>
    </message>
    <message>
        <source>Favorite Colors Preferences</source>
        <translation>Preferencias de colores favoritos</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Paleta de colores</translation>
    </message>
    <message>
        <source>Color Palette Preferences</source>
        <translation>Preferencias de la paleta de colores</translation>
    </message>
    <message>
        <source>Copy Menus</source>
        <translation>Menús Copiar</translation>
    </message>
    <message>
        <source>Copy Menus Preferences</source>
        <translation>Preferencias de los menús Copiar</translation>
    </message>
    <message>
        <source>Tintwell Preferences</source>
        <translation>Preferencias de Tintwell</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>General</source>
        <comment>group of settings</comment>
        <translation>General</translation>
    </message>
    <message>
        <source>Remember color scheme between sessions</source>
        <translation>Recordar el esquema de colores entre sesiones</translation>
    </message>
    <message>
        <source>Warn if scheme has not been saved before exiting</source>
        <translation>Avisar al salir si el esquema no se ha guardado</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Enter lighten/darken &amp;&amp; saturate/desaturate button step amount:</source>
        <extracomment>The doubled ampersand shows as one &quot;&amp;&quot;.</extracomment>
        <translation>Incremento de los botones Aclarar/Oscurecer &amp;&amp; Saturar/Desaturar:</translation>
    </message>
    <message>
        <source>%  Lightness (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Luminosidad (1-25%)</translation>
    </message>
    <message>
        <source>%  Saturation (1-25%)</source>
        <extracomment>Follows the field that holds the step in percent.</extracomment>
        <translation>%  Saturación (1-25%)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Use this button to clear your history of colors on the main window.</source>
        <translation>Este botón borra el historial de colores de la ventana principal.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Warn before deleting Favorite Colors</source>
        <translation>Avisar antes de eliminar colores favoritos</translation>
    </message>
    <message>
        <source>Display Palette</source>
        <translation>Paleta mostrada</translation>
    </message>
    <message>
        <source>Websafe Palette:</source>
        <translation>Paleta segura para web:</translation>
    </message>
    <message>
        <source>Spectrum Palette:</source>
        <translation>Paleta de espectro:</translation>
    </message>
    <message>
        <source>Websafe Spectrum Palette:</source>
        <translation>Espectro seguro para web:</translation>
    </message>
    <message>
        <source>Copy Formats</source>
        <translation>Formatos de copia</translation>
    </message>
    <message>
        <source>More copy formats</source>
        <translation>Más formatos de copia</translation>
    </message>
    <message>
        <source>Adds the rgb(), hsl() and oklch() forms that style sheets use to every copy menu.</source>
        <translation>Añade a cada menú Copiar las formas rgb(), hsl() y oklch() que usan las hojas de estilo.</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The name of the page of general settings.</extracomment>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>Fail</source>
        <comment>contrast verdict: too little contrast</comment>
        <translation>No cumple</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Fondo de la página</translation>
    </message>
    <message>
        <source>Table header background</source>
        <translation>Fondo del encabezado de la tabla</translation>
    </message>
    <message>
        <source>Table header text</source>
        <translation>Texto del encabezado de la tabla</translation>
    </message>
    <message>
        <source>Navigation background</source>
        <translation>Fondo de la navegación</translation>
    </message>
    <message>
        <source>Main background</source>
        <translation>Fondo principal</translation>
    </message>
    <message>
        <source>Link 1</source>
        <translation>Enlace 1</translation>
    </message>
    <message>
        <source>Link 2</source>
        <translation>Enlace 2</translation>
    </message>
    <message>
        <source>Link 3</source>
        <translation>Enlace 3</translation>
    </message>
    <message>
        <source>Link 4</source>
        <translation>Enlace 4</translation>
    </message>
    <message>
        <source>Body header</source>
        <translation>Subtítulo</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Cuerpo de texto</translation>
    </message>
    <message>
        <source>QuickPreview</source>
        <translation>QuickPreview</translation>
    </message>
    <message>
        <source>Save as Webpage</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer colores</translation>
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
        <source>Sample page</source>
        <translation>Página de ejemplo</translation>
    </message>
    <message>
        <source>Drag &amp; Drop colors to QuickPreview (right-click colors for options)</source>
        <translation>Arrastre colores aquí (clic derecho en un color para ver opciones)</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copiar...</translation>
    </message>
    <message>
        <source>Set as Base Color</source>
        <translation>Establecer como color base</translation>
    </message>
    <message>
        <source>Show Contrast</source>
        <translation>Mostrar contraste</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the current QuickPreview colors?</source>
        <translation>¿Seguro que desea restablecer los colores actuales de QuickPreview?</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation>Archivos HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Header</source>
        <extracomment>The sample page&apos;s title.</extracomment>
        <translation>Título de la página</translation>
    </message>
</context>
</TS>
