<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Boardsmith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boardsmith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Version 1.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Boardsmith: joins two to eight geomorphic map panels of a map set into one new map file, stacked Top-to-Bottom, laid End-to-End or as a two-column Composite, in dialogs with a preview of the joined map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A setup file (.pwsetup) to open at start-up, as File &gt; Open Setup opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit status: 0 once the main dialog is closed.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompositeDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click &amp;arrow to change compass direction of Map&apos;s top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>Open Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boardsmith setup (*.pwsetup)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reopen Last Composition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent setups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAP (*.map)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+S Save Map, Ctrl+Shift+S Save Setup, Ctrl+O Open Setup, Ctrl+Z undo, Shift+click or Shift+Space on the arrow turns it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a panel for slot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fix-ups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlights in magenta the cells of layer b that the junction fix-up changed where L and R marked panels meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea&amp;m check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks in cyan the edge cells of features the legend marks with + that do not meet across a seam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF to print (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New image file created successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seam check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2: first grid %3, second grid %4%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; slot %1, nothing chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; does not meet across the seam: %1 here, %2 across in slot %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; label &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 map file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel that fills slot %1 of the diagram; a name ending in L or R gives the slot that mark. A map file dropped here is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It joins with mark %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the map&apos;s top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The joined map&apos;s top edge faces %1. Click or Space turns it clockwise, Shift+click or Shift+Space back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the preview draws: the first grid, the second grid or a layer over the first grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows or hides the picture of the map that Save Map would write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the slots, marks and direction from a setup file (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the slots, marks and direction in a setup file (Ctrl+Shift+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the chosen panels and writes the joined map (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type %1, or step with the arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark %1 kept from %2: %3 has no mark of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3; it changes no junction as the marks stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and slot </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 joins with mark %2 kept from %3: it changes the junction with slot %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: setup %1: %2; the dialogs leave it out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndToEndDialog</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click &amp;arrow to change compass direction of Map&apos;s top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Map files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSet</name>
    <message>
        <source>Ironfall map files selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embr map files selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>New map file created successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR searchinng for Map files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not following a link that another user left in a shared folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file or a folder on its way changed after the setup was checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: no file selected for Map# %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: unable to open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid version number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 is a submap! Version# = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 has no valid map size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 invalid Map size; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 height does not match file %2; %3 &lt;&gt; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 length does not match file %2; %3 &lt;&gt; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 has layer letters out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: unable to read file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: %1 takes %2 sources, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file name %1 is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: unable to create file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: unable to write file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X = %1 Y = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map-set folder %1 cannot be read: %2; its map files are not listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: setup %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a setup (expected a JSON object)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format %1 was written by a newer version of the program; this one reads format %2 and older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;format&quot; must be a whole number from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown layout %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown map set %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown direction %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 slots, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1 must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1: mark %2 is not L, R or none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1: both &quot;file&quot; and &quot;mapSetFile&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1: &quot;mapSetFile&quot; must be a file name without a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes, too large for a setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output map or picture is the setup file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key %1 given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains a lone surrogate (\uD800 to \uDFFF alone)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 lies outside the setup&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is also written by setup %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is read by setup %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is written by setup %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output %1 is not a map file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture %1 is not a PNG or PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: file %1 has a row longer than its length</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelwrightDialog</name>
    <message>
        <source>Tarvin &quot;Skirmark&quot; Geomorphic Maps Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select configuration </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top-to-Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End-to-End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Composite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ironfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emberline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total # of &amp;maps to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of maps to join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select map files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureMessages</name>
    <message>
        <source>ERROR: file %1 is too large to draw at %2 pixels per cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: not enough memory to draw file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: picture %1 would be %2 by %3 pixels, more than %4; the largest scale that fits is %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cell of %1 mm is too large for %2 paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map takes %1 sheets at %2 mm a cell, more than %3: choose smaller cells (--cell-mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 by %3 cells on %4 after this one, %5 across and %6 down (row,column); neighbours share %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet %1,%2 (row %1 of %3, column %2 of %4): cells %5 to %6 across, %7 to %8 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map just written cannot be read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a .png or .pdf name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file; the built-in colours are used instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2; the built-in colours are used instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB; the lines after its first %2 KiB are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: there is no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing compared, so no seam is known to meet: %1 marks no feature that continues across panel edges (a + right after the colour)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no seam could be compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seams</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: every marked feature meets</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cells do not meet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 compared: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n slots cannot be joined</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>What the seam check found, then the slots it could not join.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureRules</name>
    <message>
        <source>unknown --show &apos;%1&apos; (first, second or a layer letter %2 to %3)</source>
        <extracomment>first and second are what --show reads, and stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--panel takes LENGTHxHEIGHT in cells, such as 32x20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale takes a whole number of pixels from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dpi takes a whole number from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown --format &apos;%1&apos; (png or pdf)</source>
        <extracomment>png and pdf are what --format reads, and stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown --paper &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cell-mm takes a number of millimetres from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale applies to PNG pictures only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper and --cell-mm apply to PDF pictures only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown labels &apos;%1&apos; (all, placed or none)</source>
        <extracomment>all, placed and none are what a setup&apos;s &quot;labels&quot; holds, and stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopToBottomDialog</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &amp;arrow to change compass direction of map&apos;s top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use map files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsageTexts</name>
    <message>
        <source>Boardsmith&apos;s merge engine for scripts: joins 2 to 8 geomorphic map panels of one map set into one new map file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge: joins map panels into a new map file; run: joins the maps of setup files; check: tells where the panels of a composition do not meet; list: the map files the dialogs offer; render: draws a map file into a PNG picture or a PDF to print. &apos;panelwright-cli COMMAND --help&apos; tells a command&apos;s options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND [options] ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws a map file into a PNG picture, or a PDF to print: one square per cell of the first grid, the second grid or a layer drawn over the faded first grid, in the colours of the legend.txt beside the map, if any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the map&apos;s labels; a text that would overlap an earlier one is left out and only its dot shows. &apos;--labels all&apos; draws every text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws lines between the panels of --panel cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LENGTHxHEIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size in cells of the joined panels, e.g. 32x20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture to write (PNG, or PDF for a name ending in .pdf); not MAP, nor anything but a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map file to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first (default), second, or a layer letter a to w.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG: pixels per cell, 1 to 64 (default 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG: the resolution stored in the file, so that other programs print it at that size; PDF: the resolution of the overview&apos;s picture (the sheets are shapes and text, sharp at any resolution; default 200).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>png or pdf; without it the name says: .pdf gives PDF, .png or no suffix PNG, and any other suffix is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: a4 (default), a3 or letter, portrait or landscape, whichever needs fewer sheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: each cell&apos;s side on paper in millimetres, 1 to 50 (default 5). The first sheet shows the whole map with the grid of the sheets; neighbouring sheets overlap, with crop marks and each sheet&apos;s row and column in its margin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the name of a file here; write ./%1 to mean the file, or put the options before the files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing command; try &apos;%1 --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; try &apos;%2 --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing --layout (%1)</source>
        <extracomment>The layouts&apos; names follow, which stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown map set &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown direction &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--marks needs one mark per source (%1), not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--marks takes only L, R and -</source>
        <extracomment>L, R and - are what --marks reads, and stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map-set, --direction and --marks need --layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing --output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture options need --image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save-setup must name a file other than OUT, IMAGE and the SOURCEs</source>
        <extracomment>OUT, IMAGE and SOURCE name the arguments as --help names them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render takes one map file, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run takes one or more setup files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check takes --layout and the SOURCEs, or one or more setup files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a check, a source or the output failed (nothing is written
then, an existing OUT or IMAGE stays as it was), 2 usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: checks passed, nothing written (dry run); would write %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to compare: the setup cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture: %1</source>
        <extracomment>&quot;picture&quot; is the setup file&apos;s key that holds the picture&apos;s options.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same file as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: unable to write standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joins the map of each setup file in turn (and draws its picture, if the setup names one), printing one line per setup. A setup that fails does not stop the others. Paths in a setup are read from the setup&apos;s folder; a setup that names no output map writes NAME.map beside NAME.pwsetup. A setup writes only a map (.map) and a picture (.png or .pdf), only inside its own folder, and no setup of a run writes what another one writes or reads; the run is checked as a whole before anything is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs every check of every setup, names the files each would write, and writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets a setup write its map and picture outside its own folder. Without it, such a setup is refused: a setup from someone else must not write where it likes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup files (.pwsetup), as the dialogs&apos; Save Setup and &apos;merge --save-setup&apos; write them. Options go first: every argument after the first SETUP is a SETUP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUP...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 every setup succeeded, 1 any failed, 2 usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the map files the dialogs offer for a map set, one per line, tab-separated: name, L/R mark (- for none), number label, size LENGTHxHEIGHT or why the file cannot be used, and the folder it was found in. In names, labels and folders a backslash, tab, line feed and carriage return are written \\, \t, \n and \r, every other control byte and every byte that is not UTF-8 \xHH, so that each line has exactly five fields.</source>
        <extracomment>The escapes with a backslash stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ironfall (default) or emberline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top-to-bottom, end-to-end or composite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new map&apos;s top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MARKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One L/R mark per source (L, R or - for none), e.g. L-R-; without it the marks come from the file names, as in the dialogs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOURCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left first (2 or 3), composite row by row, left before right (4, 6 or 8). An empty SOURCE (&quot;&quot;) is a slot with nothing chosen. Options go first: every argument after the first SOURCE is a SOURCE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOURCE...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, a seam does not meet or nothing was compared (no legend, or one that marks no feature), 2 usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joins 2 to 8 map panels of one map set into one new map file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new map file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also draws the joined map into IMAGE (PNG, or PDF for a name ending in .pdf), with its labels, the seams between the panels and the fix-up highlight, in the colours of the legend.txt beside the first SOURCE. The picture is drawn from the map as written, and the map and the picture are saved together or not at all. IMAGE may not be OUT, a SOURCE, or anything but a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;--labels all&apos; draws every label&apos;s text on IMAGE; without it a text that would overlap an earlier one is left out and only its dot shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMAGE: leaves the map&apos;s labels out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMAGE: leaves out the highlight (a magenta tint and frame) on the cells of layer b that the junction fix-up changed where L and R marked panels meet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMAGE: marks in cyan the edge cells of features that do not meet across a seam, as &apos;check&apos; finds them with the legend.txt beside the first SOURCE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also writes this command line&apos;s composition into the setup file SETUP (before the merge, whatever its outcome), for &apos;run&apos; or the dialogs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::gui::PanelwrightDialog</name>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Panelwright...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::gui::PreviewPane</name>
    <message>
        <source>&amp;Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
