<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Boardsmith</source>
        <translation>Über Boardsmith</translation>
    </message>
    <message>
        <source>Boardsmith</source>
        <translation>Boardsmith</translation>
    </message>
    <message>
        <source>Beta Version 1.3</source>
        <translation>Betaversion 1.3</translation>
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
        <translation>Boardsmith: fügt zwei bis acht geomorphe Kartenteile eines Kartensatzes zu einer neuen Kartendatei zusammen, in der Anordnung Übereinander, Nebeneinander oder zweispaltig Zusammengesetzt, in Dialogen mit einer Vorschau der zusammengefügten Karte.</translation>
    </message>
    <message>
        <source>
Exit status: 0 once the main dialog is closed.
</source>
        <translation>
Exit-Status: 0, sobald der Hauptdialog geschlossen ist.
</translation>
    </message>
    <message>
        <source>A setup file (.pwsetup) to open at start-up, as File &gt; Open Setup opens it, or a map file (.map) to view, as File &gt; View Map shows it.</source>
        <translation>Eine Aufbaudatei (.pwsetup), die beim Start geöffnet wird, so wie Datei &gt; Aufbau öffnen sie öffnet, oder eine Kartendatei (.map) zum Ansehen, so wie Datei &gt; Karte ansehen sie zeigt.</translation>
    </message>
    <message>
        <source>one file at a time: %1 is one too many; try &apos;%2 --help&apos;</source>
        <translation>nur eine Datei auf einmal: %1 ist eine zu viel; siehe „%2 --help“</translation>
    </message>
</context>
<context>
    <name>CompositeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>click &amp;arrow to change compass direction of Map&apos;s top edge</source>
        <translation>&amp;Pfeil anklicken, um die Himmelsrichtung der Kartenoberkante zu ändern</translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation>Kartendateien:</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Kartenanordnung</translation>
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
        <translation>Karte &amp;speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CompositionPrinting</name>
    <message>
        <source>untitled.map</source>
        <translation>unbenannt.map</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>Open Setup</source>
        <translation>Aufbau öffnen</translation>
    </message>
    <message>
        <source>Save Setup</source>
        <translation>Aufbau speichern</translation>
    </message>
    <message>
        <source>Boardsmith setup (*.pwsetup)</source>
        <translation>Boardsmith-Aufbau (*.pwsetup)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation>&amp;Aufbau öffnen...</translation>
    </message>
    <message>
        <source>&amp;Reopen Last Composition</source>
        <translation>Letzte Zusammenstellung &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>No recent setups</source>
        <translation>Keine zuletzt verwendeten Aufbauten</translation>
    </message>
    <message>
        <source>Sa&amp;ve Setup...</source>
        <translation>Auf&amp;bau speichern...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>MAP (*.map)</source>
        <translation>Karten (*.map)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+S Save Map, Ctrl+Shift+S Save Setup, Ctrl+O Open Setup, Ctrl+Z undo, Shift+click or Shift+Space on the arrow turns it back</source>
        <translation>Mausrad oder + und - zoomen, Ziehen oder Pfeiltasten verschieben, Doppelklick, 0 oder Pos1 passt das Bild ein. Strg+S Karte speichern, Strg+Umschalt+S Aufbau speichern, Strg+O Aufbau öffnen, Strg+Z rückgängig, Umschalt+Klick oder Umschalt+Leertaste auf den Pfeil dreht ihn zurück</translation>
    </message>
    <message>
        <source>Choose a panel for slot 1</source>
        <translation>Einen Kartenteil für Platz 1 wählen</translation>
    </message>
    <message>
        <source>&amp;Fix-ups</source>
        <translation>&amp;Korrekturen</translation>
    </message>
    <message>
        <source>Highlights in magenta the cells of layer b that the junction fix-up changed where L and R marked panels meet</source>
        <translation>Hebt die Felder der Ebene b magenta hervor, die die Übergangskorrektur dort geändert hat, wo mit L und R markierte Kartenteile aufeinandertreffen</translation>
    </message>
    <message>
        <source>Sea&amp;m check</source>
        <translation>&amp;Nahtprüfung</translation>
    </message>
    <message>
        <source>Marks the edge cells of features the legend marks with + that do not meet across a seam, in a colour that stands out from every colour of the legend</source>
        <translation>Markiert die Randfelder von Merkmalen, die die Legende mit + kennzeichnet und die über eine Naht hinweg nicht anschließen, in einer Farbe, die sich von jeder Farbe der Legende abhebt</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF to print (*.pdf)</source>
        <translation>PDF zum Drucken (*.pdf)</translation>
    </message>
    <message>
        <source>New image file created successfully</source>
        <translation>Neue Bilddatei erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Seam check: %1</source>
        <translation>Nahtprüfung: %1</translation>
    </message>
    <message>
        <source>Column %1, row %2: first grid %3, second grid %4%5</source>
        <translation>Spalte %1, Zeile %2: erstes Raster %3, zweites Raster %4%5</translation>
    </message>
    <message>
        <source>; slot %1, nothing chosen</source>
        <translation>; Platz %1, nichts gewählt</translation>
    </message>
    <message>
        <source>; slot %1: %2</source>
        <translation>; Platz %1: %2</translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3</source>
        <translation>; schließt über die Naht nicht an: %1 hier, %2 gegenüber in Platz %3</translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3: %4</source>
        <translation>; schließt über die Naht nicht an: %1 hier, %2 gegenüber in Platz %3: %4</translation>
    </message>
    <message>
        <source>; label &quot;%1&quot;</source>
        <translation>; Beschriftung „%1“</translation>
    </message>
    <message>
        <source>Slot %1 map file</source>
        <translation>Kartendatei für Platz %1</translation>
    </message>
    <message>
        <source>The panel that fills slot %1 of the diagram; a name ending in L or R gives the slot that mark. A map file dropped here is chosen.</source>
        <translation>Der Kartenteil, der Platz %1 des Schemas füllt; ein Name, der auf L oder R endet, gibt dem Platz diese Markierung. Eine hier abgelegte Kartendatei wird gewählt.</translation>
    </message>
    <message>
        <source> It joins with mark %1.</source>
        <translation> Er wird mit der Markierung %1 angefügt.</translation>
    </message>
    <message>
        <source>Turn the map&apos;s top edge</source>
        <translation>Oberkante der Karte drehen</translation>
    </message>
    <message>
        <source>The joined map&apos;s top edge faces %1. Click or Space turns it clockwise, Shift+click or Shift+Space back.</source>
        <translation>Die Oberkante der zusammengefügten Karte zeigt nach %1. Klick oder Leertaste dreht sie im Uhrzeigersinn, Umschalt+Klick oder Umschalt+Leertaste zurück.</translation>
    </message>
    <message>
        <source>Map preview</source>
        <translation>Kartenvorschau</translation>
    </message>
    <message>
        <source>What the preview draws: the first grid, the second grid or a layer over the first grid</source>
        <translation>Was die Vorschau zeichnet: das erste Raster, das zweite Raster oder eine Ebene über dem ersten Raster</translation>
    </message>
    <message>
        <source>Shows or hides the picture of the map that Save Map would write</source>
        <translation>Zeigt oder verbirgt das Bild der Karte, die „Karte speichern“ schreiben würde</translation>
    </message>
    <message>
        <source>Fills the slots, marks and direction from a setup file (Ctrl+O)</source>
        <translation>Füllt Plätze, Markierungen und Ausrichtung aus einer Aufbaudatei (Strg+O)</translation>
    </message>
    <message>
        <source>Keeps the slots, marks and direction in a setup file (Ctrl+Shift+S)</source>
        <translation>Hält Plätze, Markierungen und Ausrichtung in einer Aufbaudatei fest (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>Checks the chosen panels and writes the joined map (Ctrl+S)</source>
        <translation>Prüft die gewählten Kartenteile und schreibt die zusammengefügte Karte (Strg+S)</translation>
    </message>
    <message>
        <source>Type %1, or step with the arrow keys</source>
        <translation>%1 eingeben oder mit den Pfeiltasten schrittweise wählen</translation>
    </message>
    <message>
        <source>%1 (kept)</source>
        <translation>%1 (beibehalten)</translation>
    </message>
    <message>
        <source>Mark %1 kept from %2: %3 has no mark of its own</source>
        <translation>Markierung %1 von %2 beibehalten: %3 hat keine eigene Markierung</translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3; it changes no junction as the marks stand.</source>
        <translation>Platz %1 wird mit der von %3 beibehaltenen Markierung %2 angefügt; bei den jetzigen Markierungen ändert sie keinen Übergang.</translation>
    </message>
    <message>
        <source> and slot </source>
        <translation> und Platz </translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3: it changes the junction with slot %4.</source>
        <translation>Platz %1 wird mit der von %3 beibehaltenen Markierung %2 angefügt: sie ändert den Übergang zu Platz %4.</translation>
    </message>
    <message>
        <source>WARNING: setup %1: %2; the dialogs leave it out</source>
        <translation>WARNUNG: Aufbau %1: %2; die Dialoge lassen diese Angabe weg</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User&apos;s Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
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
        <translation>&amp;Pfeil anklicken, um die Himmelsrichtung der Kartenoberkante zu ändern</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Kartenanordnung</translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation>Kartendateien:</translation>
    </message>
    <message>
        <source>^</source>
        <translation>^</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>Karte &amp;speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MapSet</name>
    <message>
        <source>Ironfall map files selection</source>
        <translation>Ironfall – Auswahl der Kartendateien</translation>
    </message>
    <message>
        <source>Embr map files selection</source>
        <translation>Embr – Auswahl der Kartendateien</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>New map file created successfully</source>
        <translation>Neue Kartendatei erfolgreich erstellt</translation>
    </message>
    <message>
        <source>ERROR searchinng for Map files</source>
        <translation>FEHLER beim Suchen der Kartendateien</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 muss eine Zahl sein</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 muss true oder false sein</translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation>%1 muss ein Objekt sein</translation>
    </message>
    <message>
        <source>%1 must be a list</source>
        <translation>%1 muss eine Liste sein</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>File name is not valid UTF-8</source>
        <translation>Dateiname ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>Not following a link that another user left in a shared folder</source>
        <translation>Einem Link, den ein anderer Benutzer in einem gemeinsamen Ordner hinterlassen hat, wird nicht gefolgt</translation>
    </message>
    <message>
        <source>the file or a folder on its way changed after the setup was checked</source>
        <translation>die Datei oder ein Ordner auf dem Weg dorthin hat sich nach der Prüfung des Aufbaus geändert</translation>
    </message>
    <message>
        <source>ERROR: no file selected for Map# %1</source>
        <translation>FEHLER: keine Datei für Karte Nr. %1 gewählt</translation>
    </message>
    <message>
        <source>ERROR: unable to open file %1</source>
        <translation>FEHLER: Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid version number</source>
        <translation>FEHLER: Datei %1 hat keine gültige Versionsnummer</translation>
    </message>
    <message>
        <source>ERROR: file %1 is a submap! Version# = %2</source>
        <translation>FEHLER: Datei %1 ist eine Unterkarte! Versionsnr. = %2</translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid map size</source>
        <translation>FEHLER: Datei %1 hat keine gültige Kartengröße</translation>
    </message>
    <message>
        <source>ERROR: file %1 invalid Map size; %2</source>
        <translation>FEHLER: Datei %1 hat eine ungültige Kartengröße; %2</translation>
    </message>
    <message>
        <source>ERROR: file %1 height does not match file %2; %3 &lt;&gt; %4</source>
        <translation>FEHLER: Höhe der Datei %1 passt nicht zu Datei %2; %3 &lt;&gt; %4</translation>
    </message>
    <message>
        <source>ERROR: file %1 length does not match file %2; %3 &lt;&gt; %4</source>
        <translation>FEHLER: Länge der Datei %1 passt nicht zu Datei %2; %3 &lt;&gt; %4</translation>
    </message>
    <message>
        <source>ERROR: file %1 ends early</source>
        <translation>FEHLER: Datei %1 endet vorzeitig</translation>
    </message>
    <message>
        <source>ERROR: file %1 has layer letters out of order</source>
        <translation>FEHLER: Datei %1 hat Ebenenbuchstaben in falscher Reihenfolge</translation>
    </message>
    <message>
        <source>ERROR: unable to read file %1</source>
        <translation>FEHLER: Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>ERROR: %1 takes %2 sources, not %3</source>
        <translation>FEHLER: %1 erwartet %2 Quellen, nicht %3</translation>
    </message>
    <message>
        <source>ERROR: file name %1 is not valid UTF-8</source>
        <translation>FEHLER: Dateiname %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>ERROR: unable to create file %1: %2</source>
        <translation>FEHLER: Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>ERROR: unable to write file %1: %2</source>
        <translation>FEHLER: Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>X = %1 Y = %2</source>
        <translation>X = %1 Y = %2</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>map-set folder %1 cannot be read: %2; its map files are not listed</source>
        <translation>Kartensatzordner %1 kann nicht gelesen werden: %2; seine Kartendateien werden nicht aufgeführt</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>ERROR: setup %1: %2</source>
        <translation>FEHLER: Aufbau %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>not a setup (expected a JSON object)</source>
        <translation>kein Aufbau (JSON-Objekt erwartet)</translation>
    </message>
    <message>
        <source>format %1 was written by a newer version of the program; this one reads format %2 and older</source>
        <translation>Format %1 wurde von einer neueren Version des Programms geschrieben; diese liest Format %2 und älter</translation>
    </message>
    <message>
        <source>&quot;format&quot; must be a whole number from 1</source>
        <translation>&quot;format&quot; muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>unknown layout %1 (%2)</source>
        <translation>unbekannte Anordnung %1 (%2)</translation>
    </message>
    <message>
        <source>unknown map set %1 (%2)</source>
        <translation>unbekannter Kartensatz %1 (%2)</translation>
    </message>
    <message>
        <source>unknown direction %1 (%2)</source>
        <translation>unbekannte Ausrichtung %1 (%2)</translation>
    </message>
    <message>
        <source>%1 takes %2 slots, not %3</source>
        <translation>%1 erwartet %2 Plätze, nicht %3</translation>
    </message>
    <message>
        <source>slot %1 must be an object</source>
        <translation>Platz %1 muss ein Objekt sein</translation>
    </message>
    <message>
        <source>slot %1: mark %2 is not L, R or none</source>
        <translation>Platz %1: Markierung %2 ist nicht L, R oder none</translation>
    </message>
    <message>
        <source>slot %1: both &quot;file&quot; and &quot;mapSetFile&quot;</source>
        <translation>Platz %1: sowohl &quot;file&quot; als auch &quot;mapSetFile&quot;</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>slot %1: &quot;mapSetFile&quot; must be a file name without a folder</source>
        <translation>Platz %1: &quot;mapSetFile&quot; muss ein Dateiname ohne Ordner sein</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 bytes, too large for a setup</source>
        <translation>größer als %1 Byte, zu groß für einen Aufbau</translation>
    </message>
    <message>
        <source>the output map or picture is the setup file itself</source>
        <translation>die Ausgabekarte oder das Bild ist die Aufbaudatei selbst</translation>
    </message>
    <message>
        <source>key %1 given twice</source>
        <translation>Schlüssel %1 doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 contains a NUL character</source>
        <translation>%1 enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>%1 contains a lone surrogate (\uD800 to \uDFFF alone)</source>
        <translation>%1 enthält ein einzelnes Surrogat (\uD800 bis \uDFFF allein)</translation>
    </message>
    <message>
        <source>%1 %2 lies outside the setup&apos;s folder</source>
        <translation>%1 %2 liegt außerhalb des Ordners des Aufbaus</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>%1 %2 is also written by setup %3</source>
        <translation>%1 %2 wird auch von Aufbau %3 geschrieben</translation>
    </message>
    <message>
        <source>%1 %2 is read by setup %3</source>
        <translation>%1 %2 wird von Aufbau %3 gelesen</translation>
    </message>
    <message>
        <source>%1 is written by setup %2</source>
        <translation>%1 wird von Aufbau %2 geschrieben</translation>
    </message>
    <message>
        <source>output %1 is not a map file</source>
        <translation>output %1 ist keine Kartendatei</translation>
    </message>
    <message>
        <source>picture %1 is not a PNG or PDF file</source>
        <translation>picture %1 ist keine PNG- oder PDF-Datei</translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation>sein Ordner kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>ERROR: file %1 has a row longer than its length</source>
        <translation>FEHLER: Datei %1 hat eine Zeile, die über ihre Länge hinausgeht</translation>
    </message>
    <message>
        <source>ERROR: unable to print on %1: %2</source>
        <translation>FEHLER: Drucken auf %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1 is the name of a file here; write ./%1 to mean the file, or put the options before the files</source>
        <translation>%1 ist hier der Name einer Datei; für die Datei ./%1 schreiben oder die Optionen vor die Dateien setzen</translation>
    </message>
</context>
<context>
    <name>PanelwrightDialog</name>
    <message>
        <source>Tarvin &quot;Skirmark&quot; Geomorphic Maps Utility</source>
        <translation>Tarvin „Skirmark“ – Werkzeug für geomorphe Karten</translation>
    </message>
    <message>
        <source>Select configuration </source>
        <translation>Anordnung wählen </translation>
    </message>
    <message>
        <source>&amp;Top-to-Bottom</source>
        <translation>Übe&amp;reinander</translation>
    </message>
    <message>
        <source>&amp;End-to-End</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Composite</source>
        <translation>&amp;Zusammengesetzt</translation>
    </message>
    <message>
        <source>Map Set:</source>
        <translation>Kartensatz:</translation>
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
        <translation>&amp;Anzahl der Karten:</translation>
    </message>
    <message>
        <source>Number of maps to join</source>
        <translation>Anzahl der zusammenzufügenden Karten</translation>
    </message>
    <message>
        <source>&amp;Select map files</source>
        <translation>&amp;Kartendateien wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>PictureMessages</name>
    <message>
        <source>ERROR: file %1 is too large to draw at %2 pixels per cell</source>
        <translation>FEHLER: Datei %1 ist zu groß, um sie im Maßstab %2 Pixel pro Feld zu zeichnen</translation>
    </message>
    <message>
        <source>ERROR: not enough memory to draw file %1</source>
        <translation>FEHLER: nicht genug Speicher, um Datei %1 zu zeichnen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>ERROR: picture %1 would be %2 by %3 pixels, more than %4; the largest scale that fits is %5</source>
        <translation>FEHLER: Bild %1 wäre %2 × %3 Pixel groß, mehr als %4; der größte passende Maßstab ist %5</translation>
    </message>
    <message>
        <source>a cell of %1 mm is too large for %2 paper</source>
        <translation>ein Feld von %1 mm ist zu groß für Papier %2</translation>
    </message>
    <message>
        <source>the map takes %1 sheets at %2 mm a cell, more than %3: choose smaller cells (--cell-mm)</source>
        <translation>die Karte braucht %1 Blätter bei %2 mm pro Feld, mehr als %3: kleinere Felder wählen (--cell-mm)</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n Blatt</numerusform>
            <numerusform>%n Blättern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 by %3 cells on %4 after this one, %5 across and %6 down (row,column); neighbours share %7</source>
        <translation>%1: %2 × %3 Felder auf %4 nach diesem, %5 nebeneinander und %6 untereinander (Zeile,Spalte); benachbarte Blätter teilen sich %7</translation>
    </message>
    <message>
        <source>Sheet %1,%2 (row %1 of %3, column %2 of %4): cells %5 to %6 across, %7 to %8 down</source>
        <translation>Blatt %1,%2 (Zeile %1 von %3, Spalte %2 von %4): Felder %5 bis %6 waagerecht, %7 bis %8 senkrecht</translation>
    </message>
    <message>
        <source>the map just written cannot be read back</source>
        <translation>die soeben geschriebene Karte kann nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>not a .png or .pdf name</source>
        <translation>kein Name auf .png oder .pdf</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the built-in colours are used instead</source>
        <translation>%1 ist keine reguläre Datei; stattdessen werden die eingebauten Farben verwendet</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2; the built-in colours are used instead</source>
        <translation>%1 kann nicht gelesen werden: %2; stattdessen werden die eingebauten Farben verwendet</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB; the lines after its first %2 KiB are left out</source>
        <translation>%1 ist größer als %2 KiB; die Zeilen nach den ersten %2 KiB werden ausgelassen</translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: there is no %1</source>
        <translation>nichts verglichen, daher gilt keine Naht als passend: %1 fehlt</translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: %1 marks no feature that continues across panel edges (a + right after the colour)</source>
        <translation>nichts verglichen, daher gilt keine Naht als passend: %1 markiert kein Merkmal, das über Kartenteilränder hinweg weiterläuft (ein + direkt nach der Farbe)</translation>
    </message>
    <message>
        <source>no seam could be compared</source>
        <translation>keine Naht konnte verglichen werden</translation>
    </message>
    <message numerus="yes">
        <source>%n seams</source>
        <translation>
            <numerusform>%n Naht</numerusform>
            <numerusform>%n Nähte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: every marked feature meets</source>
        <translation>%1 verglichen: jedes markierte Merkmal schließt an</translation>
    </message>
    <message numerus="yes">
        <source>%n cells do not meet</source>
        <translation>
            <numerusform>%n Feld schließt nicht an</numerusform>
            <numerusform>%n Felder schließen nicht an</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: %2</source>
        <translation>%1 verglichen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n slots cannot be joined</source>
        <translation>
            <numerusform>%n Platz kann nicht zusammengefügt werden</numerusform>
            <numerusform>%n Plätze können nicht zusammengefügt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>What the seam check found, then the slots it could not join.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the printer did not take the sheets</source>
        <translation>der Drucker hat die Blätter nicht angenommen</translation>
    </message>
    <message>
        <source>a colour outside the picture&apos;s palette</source>
        <translation>eine Farbe außerhalb der Palette des Bildes</translation>
    </message>
</context>
<context>
    <name>PictureRules</name>
    <message>
        <source>unknown --show &apos;%1&apos; (first, second or a layer letter %2 to %3)</source>
        <extracomment>first and second are what --show reads, and stay as they are.</extracomment>
        <translation>unbekannter Wert &apos;%1&apos; für --show (first, second oder ein Ebenenbuchstabe von %2 bis %3)</translation>
    </message>
    <message>
        <source>--panel takes LENGTHxHEIGHT in cells, such as 32x20</source>
        <translation>--panel erwartet LENGTHxHEIGHT in Feldern, z. B. 32x20</translation>
    </message>
    <message>
        <source>--scale takes a whole number of pixels from 1 to %1</source>
        <translation>--scale erwartet eine ganze Pixelzahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--dpi takes a whole number from 1 to %1</source>
        <translation>--dpi erwartet eine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>unknown --format &apos;%1&apos; (png or pdf)</source>
        <extracomment>png and pdf are what --format reads, and stay as they are.</extracomment>
        <translation>unbekannter Wert &apos;%1&apos; für --format (png oder pdf)</translation>
    </message>
    <message>
        <source>unknown --paper &apos;%1&apos; (%2)</source>
        <translation>unbekannter Wert &apos;%1&apos; für --paper (%2)</translation>
    </message>
    <message>
        <source>--cell-mm takes a number of millimetres from %1 to %2</source>
        <translation>--cell-mm erwartet eine Millimeterzahl von %1 bis %2</translation>
    </message>
    <message>
        <source>--scale applies to PNG pictures only</source>
        <translation>--scale gilt nur für PNG-Bilder</translation>
    </message>
    <message>
        <source>--paper and --cell-mm apply to PDF pictures only</source>
        <translation>--paper und --cell-mm gelten nur für PDF-Bilder</translation>
    </message>
    <message>
        <source>unknown labels &apos;%1&apos; (all, placed or none)</source>
        <extracomment>all, placed and none are what a setup&apos;s &quot;labels&quot; holds, and stay as they are.</extracomment>
        <translation>unbekannter Wert &apos;%1&apos; für labels (all, placed oder none)</translation>
    </message>
    <message>
        <source>--grid needs cells of at least %1 pixels (--scale %1 or more)</source>
        <translation>--grid braucht Felder von mindestens %1 Pixeln (--scale %1 oder mehr)</translation>
    </message>
</context>
<context>
    <name>PictureSummary</name>
    <message>
        <source>%1: %2 columns by %3 rows</source>
        <translation>%1: %2 Spalten mal %3 Zeilen</translation>
    </message>
    <message>
        <source>Top-to-Bottom map, %1 columns by %2 rows</source>
        <translation>Karte übereinander, %1 Spalten mal %2 Zeilen</translation>
    </message>
    <message>
        <source>End-to-End map, %1 columns by %2 rows</source>
        <translation>Karte nebeneinander, %1 Spalten mal %2 Zeilen</translation>
    </message>
    <message>
        <source>Composite map, %1 columns by %2 rows</source>
        <translation>Zusammengesetzte Karte, %1 Spalten mal %2 Zeilen</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n cells changed by the fix-ups are highlighted</source>
        <translation>
            <numerusform>%n Feld, das die Korrekturen geändert haben, ist hervorgehoben</numerusform>
            <numerusform>%n Felder, die die Korrekturen geändert haben, sind hervorgehoben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>View Map</source>
        <translation>Karte ansehen</translation>
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
        <translation>&amp;Pfeil anklicken, um die Himmelsrichtung der Kartenoberkante zu ändern</translation>
    </message>
    <message>
        <source>Use map files:</source>
        <translation>Kartendateien:</translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation>Kartenanordnung</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation>Karte &amp;speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>Boardsmith&apos;s merge engine for scripts: joins 2 to 8 geomorphic map panels of one map set into one new map file.</source>
        <translation>Die Zusammenfüge-Engine von Boardsmith für Skripte: fügt 2 bis 8 geomorphe Kartenteile eines Kartensatzes zu einer neuen Kartendatei zusammen.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>command</translation>
    </message>
    <message>
        <source>merge: joins map panels into a new map file; run: joins the maps of setup files; check: tells where the panels of a composition do not meet; list: the map files the dialogs offer; render: draws a map file into a PNG picture or a PDF to print. &apos;panelwright-cli COMMAND --help&apos; tells a command&apos;s options.</source>
        <translation>merge: fügt Kartenteile zu einer neuen Kartendatei zusammen; run: fügt die Karten von Aufbaudateien zusammen; check: zeigt, wo die Kartenteile einer Zusammenstellung nicht anschließen; list: die Kartendateien, die die Dialoge anbieten; render: zeichnet eine Kartendatei als PNG-Bild oder als PDF zum Drucken. &apos;panelwright-cli COMMAND --help&apos; nennt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>COMMAND [options] ...</source>
        <translation>COMMAND [Optionen] ...</translation>
    </message>
    <message>
        <source>Draws a map file into a PNG picture, or a PDF to print: one square per cell of the first grid, the second grid or a layer drawn over the faded first grid, in the colours of the legend.txt beside the map, if any.</source>
        <translation>Zeichnet eine Kartendatei als PNG-Bild oder als PDF zum Drucken: ein Quadrat je Feld des ersten Rasters, des zweiten Rasters oder einer Ebene über dem blass gezeichneten ersten Raster, in den Farben der legend.txt neben der Karte, falls vorhanden.</translation>
    </message>
    <message>
        <source>Draws the map&apos;s labels; a text that would overlap an earlier one is left out and only its dot shows. &apos;--labels all&apos; draws every text.</source>
        <translation>Zeichnet die Beschriftungen der Karte; ein Text, der einen früheren überdecken würde, wird ausgelassen und nur sein Punkt gezeigt. &apos;--labels all&apos; zeichnet jeden Text.</translation>
    </message>
    <message>
        <source>Draws lines between the panels of --panel cells.</source>
        <translation>Zeichnet Linien zwischen den Kartenteilen, die je --panel Felder groß sind.</translation>
    </message>
    <message>
        <source>LENGTHxHEIGHT</source>
        <translation>LENGTHxHEIGHT</translation>
    </message>
    <message>
        <source>The size in cells of the joined panels, e.g. 32x20.</source>
        <translation>Die Größe der zusammengefügten Kartenteile in Feldern, z. B. 32x20.</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>The picture to write (PNG, or PDF for a name ending in .pdf); not MAP, nor anything but a regular file.</source>
        <translation>Das zu schreibende Bild (PNG, oder PDF bei einem Namen auf .pdf); nicht MAP und nichts anderes als eine reguläre Datei.</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>The map file to draw.</source>
        <translation>Die zu zeichnende Kartendatei.</translation>
    </message>
    <message>
        <source>WHAT</source>
        <translation>WHAT</translation>
    </message>
    <message>
        <source>first (default), second, or a layer letter a to w.</source>
        <translation>first (Standard), second oder ein Ebenenbuchstabe von a bis w.</translation>
    </message>
    <message>
        <source>PX</source>
        <translation>PX</translation>
    </message>
    <message>
        <source>PNG: pixels per cell, 1 to 64 (default 4).</source>
        <translation>PNG: Pixel pro Feld, 1 bis 64 (Standard 4).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PNG: the resolution stored in the file, so that other programs print it at that size; PDF: the resolution of the overview&apos;s picture (the sheets are shapes and text, sharp at any resolution; default 200).</source>
        <translation>PNG: die in der Datei gespeicherte Auflösung, damit andere Programme das Bild in dieser Größe drucken; PDF: die Auflösung des Übersichtsbilds (die Blätter sind Formen und Text, scharf bei jeder Auflösung; Standard 200).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>png or pdf; without it the name says: .pdf gives PDF, .png or no suffix PNG, and any other suffix is refused.</source>
        <translation>png oder pdf; ohne diese Option entscheidet der Name: .pdf ergibt PDF, .png oder keine Endung PNG, jede andere Endung wird abgelehnt.</translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>PDF: a4 (default), a3 or letter, portrait or landscape, whichever needs fewer sheets.</source>
        <translation>PDF: a4 (Standard), a3 oder letter, hoch oder quer, je nachdem, was weniger Blätter braucht.</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>PDF: each cell&apos;s side on paper in millimetres, 1 to 50 (default 5). The first sheet shows the whole map with the grid of the sheets; neighbouring sheets overlap, with crop marks and each sheet&apos;s row and column in its margin.</source>
        <translation>PDF: Seitenlänge eines Feldes auf dem Papier in Millimetern, 1 bis 50 (Standard 5). Das erste Blatt zeigt die ganze Karte mit dem Raster der Blätter; benachbarte Blätter überlappen sich, mit Schnittmarken sowie Zeile und Spalte jedes Blatts im Rand.</translation>
    </message>
    <message>
        <source>missing command; try &apos;%1 --help&apos;</source>
        <translation>Befehl fehlt; siehe &apos;%1 --help&apos;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; try &apos;%2 --help&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;; siehe &apos;%2 --help&apos;</translation>
    </message>
    <message>
        <source>missing --layout (%1)</source>
        <extracomment>The layouts&apos; names follow, which stay as they are.</extracomment>
        <translation>--layout fehlt (%1)</translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos; (%2)</source>
        <translation>unbekannte Anordnung &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>unknown map set &apos;%1&apos; (%2)</source>
        <translation>unbekannter Kartensatz &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>unknown direction &apos;%1&apos; (%2)</source>
        <translation>unbekannte Ausrichtung &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>--marks needs one mark per source (%1), not %2</source>
        <translation>--marks braucht eine Markierung je Quelle (%1), nicht %2</translation>
    </message>
    <message>
        <source>--marks takes only L, R and -</source>
        <extracomment>L, R and - are what --marks reads, and stay as they are.</extracomment>
        <translation>--marks erwartet nur L, R und -</translation>
    </message>
    <message>
        <source>--map-set, --direction and --marks need --layout</source>
        <translation>--map-set, --direction und --marks brauchen --layout</translation>
    </message>
    <message>
        <source>missing --output</source>
        <translation>--output fehlt</translation>
    </message>
    <message>
        <source>picture options need --image</source>
        <translation>Bildoptionen brauchen --image</translation>
    </message>
    <message>
        <source>--save-setup must name a file other than OUT, IMAGE and the SOURCEs</source>
        <extracomment>OUT, IMAGE and SOURCE name the arguments as --help names them.</extracomment>
        <translation>--save-setup muss eine andere Datei als OUT, IMAGE und die SOURCEs nennen</translation>
    </message>
    <message>
        <source>list takes no arguments</source>
        <translation>list erwartet keine Argumente</translation>
    </message>
    <message>
        <source>render takes one map file, not %1</source>
        <translation>render erwartet eine Kartendatei, nicht %1</translation>
    </message>
    <message>
        <source>run takes one or more setup files</source>
        <translation>run erwartet eine oder mehrere Aufbaudateien</translation>
    </message>
    <message>
        <source>check takes --layout and the SOURCEs, or one or more setup files</source>
        <translation>check erwartet --layout und die SOURCEs oder eine oder mehrere Aufbaudateien</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a check, a source or the output failed (nothing is written
then, an existing OUT or IMAGE stays as it was), 2 usage error.</source>
        <translation>Exit-Status: 0 erledigt, 1 eine Prüfung, eine Quelle oder die Ausgabe schlug fehl (dann wird
nichts geschrieben, ein vorhandenes OUT oder IMAGE bleibt unverändert), 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2</source>
        <translation>%1: Prüfungen bestanden, nichts geschrieben (Probelauf); würde %2 schreiben</translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2 and %3</source>
        <translation>%1: Prüfungen bestanden, nichts geschrieben (Probelauf); würde %2 und %3 schreiben</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: fehlgeschlagen</translation>
    </message>
    <message>
        <source>picture: %1</source>
        <extracomment>&quot;picture&quot; is the setup file&apos;s key that holds the picture&apos;s options.</extracomment>
        <translation>picture: %1</translation>
    </message>
    <message>
        <source>same file as %1</source>
        <translation>dieselbe Datei wie %1</translation>
    </message>
    <message>
        <source>ERROR: unable to write standard output: %1</source>
        <translation>FEHLER: Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>WARNING: %1</source>
        <translation>WARNUNG: %1</translation>
    </message>
    <message>
        <source>Joins the map of each setup file in turn (and draws its picture, if the setup names one), printing one line per setup. A setup that fails does not stop the others. Paths in a setup are read from the setup&apos;s folder; a setup that names no output map writes NAME.map beside NAME.pwsetup. A setup writes only a map (.map) and a picture (.png or .pdf), only inside its own folder, and no setup of a run writes what another one writes or reads; the run is checked as a whole before anything is written.</source>
        <translation>Fügt nacheinander die Karte jeder Aufbaudatei zusammen (und zeichnet ihr Bild, falls der Aufbau eines nennt) und gibt je Aufbau eine Zeile aus. Ein fehlschlagender Aufbau hält die anderen nicht auf. Pfade in einem Aufbau gelten vom Ordner des Aufbaus aus; ein Aufbau ohne Ausgabekarte schreibt NAME.map neben NAME.pwsetup. Ein Aufbau schreibt nur eine Karte (.map) und ein Bild (.png oder .pdf), nur innerhalb seines eigenen Ordners, und kein Aufbau eines Laufs schreibt, was ein anderer schreibt oder liest; der Lauf wird als Ganzes geprüft, bevor irgendetwas geschrieben wird.</translation>
    </message>
    <message>
        <source>Runs every check of every setup, names the files each would write, and writes nothing.</source>
        <translation>Führt jede Prüfung jedes Aufbaus aus, nennt die Dateien, die jeder schreiben würde, und schreibt nichts.</translation>
    </message>
    <message>
        <source>Lets a setup write its map and picture outside its own folder. Without it, such a setup is refused: a setup from someone else must not write where it likes.</source>
        <translation>Erlaubt einem Aufbau, Karte und Bild außerhalb seines eigenen Ordners zu schreiben. Ohne diese Option wird ein solcher Aufbau abgelehnt: Ein Aufbau von jemand anderem darf nicht schreiben, wohin er will.</translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation>SETUP</translation>
    </message>
    <message>
        <source>Setup files (.pwsetup), as the dialogs&apos; Save Setup and &apos;merge --save-setup&apos; write them. Options go first: every argument after the first SETUP is a SETUP.</source>
        <translation>Aufbaudateien (.pwsetup), wie „Aufbau speichern“ in den Dialogen und &apos;merge --save-setup&apos; sie schreiben. Optionen kommen zuerst: Jedes Argument nach dem ersten SETUP ist ein SETUP.</translation>
    </message>
    <message>
        <source>SETUP...</source>
        <translation>SETUP...</translation>
    </message>
    <message>
        <source>Exit status: 0 every setup succeeded, 1 any failed, 2 usage error.</source>
        <translation>Exit-Status: 0 jeder Aufbau ist gelungen, 1 einer ist fehlgeschlagen, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>Prints the map files the dialogs offer for a map set, one per line, tab-separated: name, L/R mark (- for none), number label, size LENGTHxHEIGHT or why the file cannot be used, and the folder it was found in. In names, labels and folders a backslash, tab, line feed and carriage return are written \\, \t, \n and \r, every other control byte and every byte that is not UTF-8 \xHH, so that each line has exactly five fields.</source>
        <extracomment>The escapes with a backslash stay as they are.</extracomment>
        <translation>Gibt die Kartendateien aus, die die Dialoge für einen Kartensatz anbieten, eine pro Zeile, durch Tabulatoren getrennt: Name, L/R-Markierung (- für keine), Nummernbezeichnung, Größe LENGTHxHEIGHT oder der Grund, warum die Datei nicht verwendbar ist, und der Ordner, in dem sie gefunden wurde. In Namen, Bezeichnungen und Ordnern werden Backslash, Tabulator, Zeilenvorschub und Wagenrücklauf als \\, \t, \n und \r geschrieben, jedes andere Steuerbyte und jedes Byte, das kein UTF-8 ist, als \xHH, sodass jede Zeile genau fünf Felder hat.</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>ironfall (default) or emberline.</source>
        <translation>ironfall (Standard) oder emberline.</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>top-to-bottom, end-to-end or composite.</source>
        <translation>top-to-bottom, end-to-end oder composite.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>The new map&apos;s top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7.</source>
        <translation>Die Oberkante der neuen Karte: N (Standard), NE, E, SE, S, SW, W, NW oder 0..7.</translation>
    </message>
    <message>
        <source>MARKS</source>
        <translation>MARKS</translation>
    </message>
    <message>
        <source>One L/R mark per source (L, R or - for none), e.g. L-R-; without it the marks come from the file names, as in the dialogs.</source>
        <translation>Eine L/R-Markierung je Quelle (L, R oder - für keine), z. B. L-R-; ohne diese Option kommen die Markierungen aus den Dateinamen, wie in den Dialogen.</translation>
    </message>
    <message>
        <source>SOURCE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left first (2 or 3), composite row by row, left before right (4, 6 or 8). An empty SOURCE (&quot;&quot;) is a slot with nothing chosen. Options go first: every argument after the first SOURCE is a SOURCE.</source>
        <translation>Kartendateien in der Reihenfolge der Plätze: top-to-bottom von oben (2 bis 4), end-to-end von links (2 oder 3), composite Zeile für Zeile, links vor rechts (4, 6 oder 8). Eine leere SOURCE (&quot;&quot;) ist ein Platz ohne Auswahl. Optionen kommen zuerst: Jedes Argument nach der ersten SOURCE ist eine SOURCE.</translation>
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
        <translation>Zeigt, wo die Kartenteile einer Zusammenstellung nicht aneinander anschließen: An jeder Naht zwischen zwei zusammengefügten Kartenteilen muss jedes Randfeld des ersten Rasters, dessen Zeichen die legend.txt neben der ersten SOURCE als über Kartenteilränder weiterlaufend markiert (ein + direkt nach seiner Farbe), jenseits der Naht einem Feld mit demselben Zeichen gegenüberliegen, an derselben Stelle oder ein Feld daneben. Jeder Kartenteil wird ganz gelesen, wie merge ihn liest; ein beschädigter Kartenteil wird gemeldet, wie merge ihn meldet, und die Nähte der anderen werden trotzdem verglichen. Es wird nichts geschrieben.

Ausgabe, eine Zeile je nicht anschließendem Feld, durch Tabulatoren getrennt:
  mismatch SLOT NAME SIDE SLOT2 NAME2 column|row PLACE CELL CELL2
der Kartenteil des Feldes (der Platz, wie die Meldungen von merge ihn nennen, und sein Name), wo der Kartenteil jenseits der Naht liegt (below, above, right oder left), dieser Kartenteil, die Spalte (bei einer Naht zwischen Zeilen) oder die Zeile (bei einer Naht zwischen Spalten), von 1 an innerhalb der Kartenteile gezählt, dann das Feld und das direkt gegenüberliegende Feld, jeweils sein Zeichen, ein Leerzeichen und seine Bedeutung laut Legende. Danach eine Zusammenfassungszeile:
  summary SEAMS MISMATCHES FAILED TEXT
die verglichenen Nähte, die nicht anschließenden Felder, die Plätze, die nicht zusammengefügt werden können (ein beschädigter Kartenteil, ein leerer Platz), und ein Satz, der dasselbe sagt (oder warum nichts verglichen wurde, was nicht als bestanden gilt). Namen und Bedeutungen werden maskiert, wie list sie maskiert.

Ohne --layout sind die Argumente Aufbaudateien (SETUP...), und die Zusammenstellung jedes Aufbaus wird nacheinander geprüft, ihre Zeilen nach einer Zeile &quot;setup SETUP&quot;.</translation>
    </message>
    <message>
        <source>Exit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, a seam does not meet or nothing was compared (no legend, or one that marks no feature), 2 usage error.</source>
        <translation>Exit-Status: 0 jeder Kartenteil ist in Ordnung und jede Naht passt, 1 ein Platz kann nicht zusammengefügt werden, eine Naht passt nicht oder es wurde nichts verglichen (keine Legende oder eine, die kein Merkmal markiert), 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>Joins 2 to 8 map panels of one map set into one new map file.</source>
        <translation>Fügt 2 bis 8 Kartenteile eines Kartensatzes zu einer neuen Kartendatei zusammen.</translation>
    </message>
    <message>
        <source>The new map file.</source>
        <translation>Die neue Kartendatei.</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>Also draws the joined map into IMAGE (PNG, or PDF for a name ending in .pdf), with its labels, the seams between the panels and the fix-up highlight, in the colours of the legend.txt beside the first SOURCE. The picture is drawn from the map as written, and the map and the picture are saved together or not at all. IMAGE may not be OUT, a SOURCE, or anything but a regular file.</source>
        <translation>Zeichnet die zusammengefügte Karte zusätzlich in IMAGE (PNG, oder PDF bei einem Namen auf .pdf), mit ihren Beschriftungen, den Nähten zwischen den Kartenteilen und der Hervorhebung der Korrekturen, in den Farben der legend.txt neben der ersten SOURCE. Das Bild wird aus der Karte gezeichnet, wie sie geschrieben wurde, und Karte und Bild werden zusammen oder gar nicht gespeichert. IMAGE darf weder OUT noch eine SOURCE noch etwas anderes als eine reguläre Datei sein.</translation>
    </message>
    <message>
        <source>&apos;--labels all&apos; draws every label&apos;s text on IMAGE; without it a text that would overlap an earlier one is left out and only its dot shows.</source>
        <translation>&apos;--labels all&apos; zeichnet den Text jeder Beschriftung auf IMAGE; ohne diese Option wird ein Text, der einen früheren überdecken würde, ausgelassen und nur sein Punkt gezeigt.</translation>
    </message>
    <message>
        <source>IMAGE: leaves the map&apos;s labels out.</source>
        <translation>IMAGE: lässt die Beschriftungen der Karte weg.</translation>
    </message>
    <message>
        <source>IMAGE: leaves out the highlight (a magenta tint and frame) on the cells of layer b that the junction fix-up changed where L and R marked panels meet.</source>
        <translation>IMAGE: lässt die Hervorhebung (magenta Tönung und Rahmen) der Felder von Ebene b weg, die die Übergangskorrektur dort geändert hat, wo mit L und R markierte Kartenteile aufeinandertreffen.</translation>
    </message>
    <message>
        <source>IMAGE: marks the edge cells of features that do not meet across a seam, as &apos;check&apos; finds them with the legend.txt beside the first SOURCE, in a colour that stands out from every colour of that legend.</source>
        <translation>IMAGE: markiert die Randfelder von Merkmalen, die über eine Naht hinweg nicht anschließen, wie &apos;check&apos; sie mit der legend.txt neben der ersten SOURCE findet, in einer Farbe, die sich von jeder Farbe dieser Legende abhebt.</translation>
    </message>
    <message>
        <source>Also writes this command line&apos;s composition into the setup file SETUP (before the merge, whatever its outcome), for &apos;run&apos; or the dialogs.</source>
        <translation>Schreibt die Zusammenstellung dieser Befehlszeile zusätzlich in die Aufbaudatei SETUP (vor dem Zusammenfügen, wie auch immer es ausgeht), für &apos;run&apos; oder die Dialoge.</translation>
    </message>
    <message>
        <source>Outlines each cell in a thin line of a colour that stands out from every colour of the legend, so that cells can be counted. PNG: needs --scale 4 or more.</source>
        <translation>Umrandet jedes Feld mit einer dünnen Linie in einer Farbe, die sich von jeder Farbe der Legende abhebt, damit man Felder abzählen kann. PNG: braucht --scale 4 oder mehr.</translation>
    </message>
</context>
<context>
    <name>pw::gui::CellSizeTab</name>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Cell size:</source>
        <translation>&amp;Feldgröße:</translation>
    </message>
</context>
<context>
    <name>pw::gui::ComposerDialog</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>pw::gui::GuideBrowser</name>
    <message>
        <source># No such page

The user&apos;s guide cannot show %1: %2.</source>
        <translation># Seite nicht gefunden

Das Benutzerhandbuch kann %1 nicht anzeigen: %2.</translation>
    </message>
</context>
<context>
    <name>pw::gui::GuideWindow</name>
    <message>
        <source>Page of the user&apos;s guide</source>
        <translation>Seite des Benutzerhandbuchs</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 - Boardsmith User&apos;s Guide</source>
        <translation>%1 - Boardsmith-Benutzerhandbuch</translation>
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
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+W closes the viewer</source>
        <translation>Mausrad oder + und - zoomen, Ziehen oder Pfeiltasten verschieben, Doppelklick, 0 oder Pos1 passt das Bild ein. Strg+W schließt das Fenster</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>pw::gui::PanelwrightDialog</name>
    <message>
        <source>&amp;About</source>
        <translation>Inf&amp;o</translation>
    </message>
    <message>
        <source>&amp;About Panelwright...</source>
        <translation>&amp;Über Panelwright...</translation>
    </message>
    <message>
        <source>Top-to-Bottom</source>
        <translation>Übereinander</translation>
    </message>
    <message>
        <source>End-to-End</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Zusammengesetzt</translation>
    </message>
    <message>
        <source>(maximum %1)</source>
        <translation>(höchstens %1)</translation>
    </message>
    <message>
        <source>Recent &amp;Compositions</source>
        <translation>&amp;Zuletzt verwendete Zusammenstellungen</translation>
    </message>
    <message>
        <source>%1, %2: %3 (%4)</source>
        <translation>%1, %2: %3 (%4)</translation>
    </message>
    <message>
        <source>%1; the top edge faces %2</source>
        <translation>%1; die Oberkante zeigt nach %2</translation>
    </message>
    <message>
        <source>&amp;View Map...</source>
        <translation>&amp;Karte ansehen...</translation>
    </message>
</context>
<context>
    <name>pw::gui::PreviewPane</name>
    <message>
        <source>&amp;Labels</source>
        <translation>Beschrif&amp;tungen</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>B&amp;ild speichern...</translation>
    </message>
    <message>
        <source>First grid</source>
        <translation>Erstes Raster</translation>
    </message>
    <message>
        <source>Second grid</source>
        <translation>Zweites Raster</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Ebene %1</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>Outlines each cell, so that cells can be counted, once cells are large enough to show a line</source>
        <translation>Umrandet jedes Feld, damit man Felder abzählen kann, sobald die Felder groß genug für eine Linie sind</translation>
    </message>
</context>
<context>
    <name>pw::gui::SeamFindings</name>
    <message>
        <source>Seam check findings</source>
        <translation>Befunde der Nahtprüfung</translation>
    </message>
    <message>
        <source>Each cell that does not meet across a seam, as the check command lists it. Up and Down choose one, Enter or a double-click centres the picture on it again.</source>
        <translation>Jedes Feld, das über eine Naht nicht anschließt, so wie der Befehl check es auflistet. Pfeil auf und ab wählen eines aus, Eingabe oder ein Doppelklick zentriert das Bild wieder darauf.</translation>
    </message>
</context>
<context>
    <name>pw::gui::SheetPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
</context>
<context>
    <name>pw::gui::SlotGrid</name>
    <message>
        <source>Slot %1 map file, row %2, left column</source>
        <translation>Kartendatei für Platz %1, Reihe %2, linke Spalte</translation>
    </message>
    <message>
        <source>Slot %1 map file, row %2, right column</source>
        <translation>Kartendatei für Platz %1, Reihe %2, rechte Spalte</translation>
    </message>
</context>
</TS>
