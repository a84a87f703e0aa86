<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>ComposerDialog</name>
    <message>
        <source>&amp;Preview</source>
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
    <name>PreviewPane</name>
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
</TS>
