<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BannerEditor</name>
    <message>
        <source>Edit Banner Text</source>
        <translation>Bannertext bearbeiten</translation>
    </message>
    <message>
        <source>Enter the text to display:</source>
        <translation>Geben Sie den anzuzeigenden Text ein:</translation>
    </message>
</context>
<context>
    <name>BannerFleet</name>
    <message>
        <source>Failed to launch banner</source>
        <translation>Banner konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>New Banner Instance</source>
        <translation>Neues Banner</translation>
    </message>
    <message>
        <source>Enter a name for the new banner:</source>
        <translation>Geben Sie einen Namen für das neue Banner ein:</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>e.g. ticker, monitor, side-info</source>
        <translation>z. B. ticker, monitor, side-info</translation>
    </message>
    <message>
        <source>Banner on %1</source>
        <translation>Banner auf %1</translation>
    </message>
    <message>
        <source>another banner is changing it; try again</source>
        <translation>ein anderes Banner ändert sie gerade; versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Session Not Saved</source>
        <translation>Sitzung nicht gespeichert</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2</source>
        <translation>Die Sitzung konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source> (the saved session could not be read; it is kept as %1)</source>
        <translation> (die gespeicherte Sitzung war nicht lesbar; sie wird als %1 aufbewahrt)</translation>
    </message>
    <message>
        <source>Session Saved</source>
        <translation>Sitzung gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n banner(s): %1</source>
        <translation>
            <numerusform>%n Banner gespeichert: %1</numerusform>
            <numerusform>%n Banner gespeichert: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Installation Failed</source>
        <translation>Einrichtung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Auto-Start Installed</source>
        <translation>Autostart eingerichtet</translation>
    </message>
    <message>
        <source>Vorlane will start automatically at login.</source>
        <translation>Vorlane startet bei der Anmeldung automatisch.</translation>
    </message>
    <message>
        <source>Auto-Start Not Removed</source>
        <translation>Autostart nicht entfernt</translation>
    </message>
    <message>
        <source>Auto-Start Removed</source>
        <translation>Autostart entfernt</translation>
    </message>
    <message>
        <source>Vorlane will no longer start at login.</source>
        <translation>Vorlane startet bei der Anmeldung nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BannerView</name>
    <message>
        <source>CPU %1</source>
        <translation>CPU %1</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>Arbeitsspeicher %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>%1 (this)</source>
        <translation>%1 (dieses)</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 pt (font: %2)</source>
        <translation>%1 pt (Schrift: %2)</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>Banner Size: %1 pt</source>
        <translation>Bannergröße: %1 pt</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene Farbe …</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Display %1: %2</source>
        <translation>Bildschirm %1: %2</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Show CPU</source>
        <translation>CPU anzeigen</translation>
    </message>
    <message>
        <source>Show Memory</source>
        <translation>Arbeitsspeicher anzeigen</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>Alle an</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <source>Current: %1</source>
        <translation>Aktuell: %1</translation>
    </message>
    <message>
        <source>Running Banners:</source>
        <translation>Laufende Banner:</translation>
    </message>
    <message>
        <source>New Banner...</source>
        <translation>Neues Banner …</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>Neu auf %1</translation>
    </message>
    <message>
        <source>Restore Saved Session</source>
        <translation>Gespeicherte Sitzung wiederherstellen</translation>
    </message>
    <message>
        <source>Save Current Session</source>
        <translation>Aktuelle Sitzung speichern</translation>
    </message>
    <message>
        <source>Quick Launch</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Auto-Start at Login (installed)</source>
        <translation>Autostart bei Anmeldung (eingerichtet)</translation>
    </message>
    <message>
        <source>Remove Auto-Start</source>
        <translation>Autostart entfernen</translation>
    </message>
    <message>
        <source>Install Auto-Start at Login</source>
        <translation>Autostart bei Anmeldung einrichten</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Edit Text...</source>
        <translation>Text bearbeiten …</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Reserve Screen Space</source>
        <translation>Bildschirmplatz freihalten</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>Bild hinzufügen …</translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Quit This Banner</source>
        <translation>Dieses Banner beenden</translation>
    </message>
    <message>
        <source>Quit All Banners</source>
        <translation>Alle Banner beenden</translation>
    </message>
    <message>
        <source>Banner Settings</source>
        <translation>Bannereinstellungen</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>Vorlane beenden</translation>
    </message>
    <message>
        <source>Show/Hide Banner</source>
        <translation>Banner zeigen/verbergen</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Anthrazit</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select Banner Image</source>
        <translation>Bannerbild auswählen</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Vorlane Colors</source>
        <translation>Vorlane-Farben</translation>
    </message>
</context>
</TS>
