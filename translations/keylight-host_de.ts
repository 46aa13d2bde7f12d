<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApplyIndicator</name>
    <message>
        <source>Keyboard state</source>
        <translation>Tastaturzustand</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Übernommen</translation>
    </message>
    <message>
        <source>Changes not applied</source>
        <translation>Änderungen nicht übernommen</translation>
    </message>
    <message>
        <source>The keyboard&apos;s onboard memory holds this profile as shown.</source>
        <translation>Der Speicher der Tastatur enthält dieses Profil so, wie es angezeigt wird.</translation>
    </message>
    <message>
        <source>Press APPLY to store this profile on the keyboard.</source>
        <translation>ANWENDEN drücken, um dieses Profil auf der Tastatur zu speichern.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>The autostart entry %1 was left alone: %2.</source>
        <translation>Der Autostart-Eintrag %1 blieb unverändert: %2.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ColourEntry</name>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Colour as a hex code</source>
        <translation>Farbe als Hex-Code</translation>
    </message>
    <message>
        <source>B&amp;rightness:</source>
        <translation>&amp;Helligkeit:</translation>
    </message>
    <message>
        <source>Brightness in percent</source>
        <translation>Helligkeit in Prozent</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;Documentation</source>
        <translation>&amp;Dokumentation</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>The documentation was not installed with KeyLight.</source>
        <translation>Die Dokumentation wurde nicht mit KeyLight installiert.</translation>
    </message>
    <message>
        <source>&amp;About KeyLight</source>
        <translation>&amp;Über KeyLight</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Welcome to KeyLight.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose an effect in LED MODE, its colours in LED COLOR and its speed and direction in LED SPEED; the picture above shows it, and APPLY stores it on the keyboard.&lt;/p&gt;&lt;p&gt;The &lt;b&gt;virtual keyboard&lt;/b&gt; beside the page is a keyboard of its own: it lights exactly what a real keyboard would, so you can try every effect without one. Type on it or click its keys to wake the effects that answer key presses.&lt;/p&gt;&lt;p&gt;To light a &lt;b&gt;real keyboard&lt;/b&gt;, run OpenRGB with its SDK server on (&lt;tt&gt;openrgb --server&lt;/tt&gt;), then choose &lt;i&gt;Device &amp;gt; Connect to OpenRGB Server&lt;/i&gt;. KeyLight remembers the choice for the next start.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Willkommen bei KeyLight.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Wählen Sie unter LED-MODUS einen Effekt, unter LED-FARBE seine Farben und unter LED-TEMPO Tempo und Richtung; das Bild darüber zeigt ihn, und ANWENDEN speichert ihn auf der Tastatur.&lt;/p&gt;&lt;p&gt;Die &lt;b&gt;virtuelle Tastatur&lt;/b&gt; neben der Seite ist eine Tastatur für sich: Sie leuchtet genau so, wie eine echte Tastatur leuchten würde, sodass Sie jeden Effekt auch ohne eine ausprobieren können. Tippen Sie auf ihr oder klicken Sie ihre Tasten, um die Effekte zu wecken, die auf Tastendrücke antworten.&lt;/p&gt;&lt;p&gt;Um eine &lt;b&gt;echte Tastatur&lt;/b&gt; zu beleuchten, starten Sie OpenRGB mit eingeschaltetem SDK-Server (&lt;tt&gt;openrgb --server&lt;/tt&gt;) und wählen Sie dann &lt;i&gt;Gerät &amp;gt; Mit OpenRGB-Server verbinden&lt;/i&gt;. KeyLight merkt sich die Wahl für den nächsten Start.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;KeyLight %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Per-key lighting for RGB keyboards: 21 effects, painted keys, four layers and four zones, shown on a virtual keyboard and on real ones.&lt;/p&gt;&lt;p&gt;Speaks the OpenRGB SDK protocol, versions 0 to 4, as a client (to light keyboards that OpenRGB drives) and as a server (for OpenRGB&apos;s clients). Keeps its profiles in a JSON file, and exports and imports single profiles in the same format.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;KeyLight %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Beleuchtung Taste für Taste für RGB-Tastaturen: 21 Effekte, bemalte Tasten, vier Ebenen und vier Zonen, gezeigt auf einer virtuellen Tastatur und auf echten.&lt;/p&gt;&lt;p&gt;Spricht das OpenRGB-SDK-Protokoll in den Versionen 0 bis 4, als Client (um Tastaturen zu beleuchten, die OpenRGB steuert) und als Server (für die Clients von OpenRGB). Bewahrt seine Profile in einer JSON-Datei auf und exportiert und importiert einzelne Profile im selben Format.&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>About KeyLight</source>
        <translation>Über KeyLight</translation>
    </message>
</context>
<context>
    <name>HostSession</name>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1 (Profil %2)</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Copy of profile %1</source>
        <translation>Kopie von Profil %1</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>Profile %1 is back to the factory settings: painting, layers, zones and every effect&apos;s settings. %2 undoes it.</source>
        <translation>Profil %1 ist wieder auf Werkseinstellungen: Tastenfarben, Ebenen, Zonen und die Einstellungen jedes Effekts. %2 macht es rückgängig.</translation>
    </message>
    <message>
        <source>The profile file was changed by another program and was read again; undo starts afresh.</source>
        <translation>Die Profildatei wurde von einem anderen Programm geändert und neu eingelesen; der Verlauf zum Rückgängigmachen beginnt von vorn.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export Profile...</source>
        <translation>Profil &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import Profile...</source>
        <translation>Profil &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>KeyLight profile (*.json);;All files (*)</source>
        <translation>KeyLight-Profil (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Profiles are kept in %1</source>
        <translation>Die Profile liegen in %1</translation>
    </message>
    <message>
        <source>Profile store</source>
        <translation>Profilspeicher</translation>
    </message>
    <message>
        <source>Request %1 (%2) was not stored; see the request log.</source>
        <translation>Anfrage %1 (%2) wurde nicht gespeichert; siehe Anfrageprotokoll.</translation>
    </message>
    <message>
        <source>Export Profile %1</source>
        <translation>Profil %1 exportieren</translation>
    </message>
    <message>
        <source>Export Profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Profile %1 exported to %2</source>
        <translation>Profil %1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>Import into Profile %1</source>
        <translation>In Profil %1 importieren</translation>
    </message>
    <message>
        <source>Import Profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Profile %1 imported from %2</source>
        <translation>Profil %1 aus %2 importiert</translation>
    </message>
    <message>
        <source>OpenRGB keyboard</source>
        <translation>OpenRGB-Tastatur</translation>
    </message>
    <message>
        <source>OpenRGB</source>
        <translation>OpenRGB</translation>
    </message>
    <message>
        <source>SDK server</source>
        <translation>SDK-Server</translation>
    </message>
    <message>
        <source>Its effects, colours and painted keys are replaced; %1 brings them back.</source>
        <translation>Seine Effekte, Farben und bemalten Tasten werden ersetzt; %1 holt sie zurück.</translation>
    </message>
    <message>
        <source>Replace Profile %1</source>
        <translation>Profil %1 ersetzen</translation>
    </message>
    <message>
        <source>Profile %1 goes back to the factory settings: its painting, layers, zones and every effect&apos;s settings. %2 brings them back.</source>
        <translation>Profil %1 kehrt zu den Werkseinstellungen zurück: seine Tastenfarben, Ebenen, Zonen und die Einstellungen jedes Effekts. %2 holt sie zurück.</translation>
    </message>
    <message>
        <source>The name was not kept because %1.</source>
        <translation>Der Name wurde nicht übernommen, weil %1.</translation>
    </message>
    <message>
        <source>%1 was copied over %2 (profile %3). %4 undoes it.</source>
        <translation>%1 wurde über %2 (Profil %3) kopiert. %4 macht es rückgängig.</translation>
    </message>
    <message>
        <source>%1 - KeyLight</source>
        <translation>%1 - KeyLight</translation>
    </message>
    <message>
        <source>Starts KeyLight in the tray when you log in</source>
        <translation>Startet KeyLight beim Anmelden im Infobereich</translation>
    </message>
    <message>
        <source>KeyLight starts in the tray when you log in.</source>
        <translation>KeyLight startet beim Anmelden im Infobereich.</translation>
    </message>
    <message>
        <source>KeyLight no longer starts when you log in.</source>
        <translation>KeyLight startet beim Anmelden nicht mehr.</translation>
    </message>
    <message>
        <source>&amp;Lights On</source>
        <translation>&amp;Licht an</translation>
    </message>
    <message>
        <source>Lights on: every device shows the profile again.</source>
        <translation>Licht an: Jedes Gerät zeigt wieder das Profil.</translation>
    </message>
    <message>
        <source>Lights off: every device is dark; the profiles stay as they are. %1 turns them on.</source>
        <translation>Licht aus: Jedes Gerät ist dunkel; die Profile bleiben, wie sie sind. %1 schaltet es wieder an.</translation>
    </message>
    <message>
        <source>Replace profile %1 (%2) with the profile in %3?</source>
        <translation>Profil %1 (%2) durch das Profil in %3 ersetzen?</translation>
    </message>
    <message>
        <source>Start with the &amp;session</source>
        <translation>Mit der &amp;Sitzung starten</translation>
    </message>
    <message>
        <source>Start with the session</source>
        <translation>Mit der Sitzung starten</translation>
    </message>
</context>
<context>
    <name>KeyLightBus</name>
    <message>
        <source>There is no profile %1: the profiles are 1 to %2.</source>
        <translation>Es gibt kein Profil %1: Die Profile sind 1 bis %2.</translation>
    </message>
    <message>
        <source>There is no effect named &quot;%1&quot;.</source>
        <translation>Es gibt keinen Effekt namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The name was not kept because %1.</source>
        <translation>Der Name wurde nicht übernommen, weil %1.</translation>
    </message>
</context>
<context>
    <name>NetworkDeviceIndicator</name>
    <message>
        <source>OpenRGB keyboard</source>
        <translation>OpenRGB-Tastatur</translation>
    </message>
    <message>
        <source>OpenRGB: not configured</source>
        <translation>OpenRGB: nicht eingerichtet</translation>
    </message>
    <message>
        <source>OpenRGB %1: connecting</source>
        <translation>OpenRGB %1: Verbindung wird aufgebaut</translation>
    </message>
    <message>
        <source>OpenRGB %1: reading its devices</source>
        <translation>OpenRGB %1: Geräte werden gelesen</translation>
    </message>
    <message>
        <source>OpenRGB %1: retrying in %2 s</source>
        <translation>OpenRGB %1: neuer Versuch in %2 s</translation>
    </message>
    <message>
        <source>OpenRGB %1: no keyboard offered</source>
        <translation>OpenRGB %1: keine Tastatur angeboten</translation>
    </message>
    <message>
        <source>OpenRGB %1: no device &quot;%2&quot; offered</source>
        <translation>OpenRGB %1: kein Gerät „%2“ angeboten</translation>
    </message>
    <message>
        <source>%1 at %2: connected</source>
        <translation>%1 an %2: verbunden</translation>
    </message>
</context>
<context>
    <name>NetworkDeviceMenu</name>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Connect to OpenRGB Server...</source>
        <translation>Mit OpenRGB-Server &amp;verbinden...</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Connect to OpenRGB Server</source>
        <translation>Mit OpenRGB-Server verbinden</translation>
    </message>
    <message>
        <source>Server address (HOST:PORT), where OpenRGB runs with its SDK server on:</source>
        <translation>Adresse des Servers (HOST:PORT), auf dem OpenRGB mit eingeschaltetem SDK-Server läuft:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>OpenRGB SDK &amp;Server...</source>
        <translation>OpenRGB-SDK-&amp;Server...</translation>
    </message>
    <message>
        <source>OpenRGB SDK Server</source>
        <translation>OpenRGB-SDK-Server</translation>
    </message>
    <message>
        <source>Let OpenRGB clients drive KeyLight at [HOST:]PORT; a port alone serves this computer only. Leave it empty to serve no one.</source>
        <translation>OpenRGB-Clients steuern KeyLight über [HOST:]PORT; ein Port allein bedient nur diesen Computer. Leer lassen, um niemanden zu bedienen.</translation>
    </message>
</context>
<context>
    <name>NetworkDeviceView</name>
    <message>
        <source>Devices the server offers</source>
        <translation>Geräte, die der Server anbietet</translation>
    </message>
    <message>
        <source>Double-click a device to light it.</source>
        <translation>Doppelklick auf ein Gerät, um es zu beleuchten.</translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>LEDs:</source>
        <translation>LEDs:</translation>
    </message>
    <message>
        <source>Keys it lacks:</source>
        <translation>Fehlende Tasten:</translation>
    </message>
    <message>
        <source>Frames per second:</source>
        <translation>Bilder pro Sekunde:</translation>
    </message>
    <message>
        <source>%1 - lit by KeyLight</source>
        <translation>%1 – von KeyLight beleuchtet</translation>
    </message>
    <message>
        <source>No device is lit.</source>
        <translation>Kein Gerät wird beleuchtet.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2 (LEDs: %3)</source>
        <translation>%1: %2 (LEDs: %3)</translation>
    </message>
    <message>
        <source>%1 in all; keys of ours: %2; lit like the nearest key: %3</source>
        <translation>%1 insgesamt; unsere Tasten: %2; wie die nächste Taste beleuchtet: %3</translation>
    </message>
</context>
<context>
    <name>OwnFiles</name>
    <message>
        <source>%1 is one of KeyLight&apos;s own files; choose another name.</source>
        <translation>%1 ist eine von KeyLights eigenen Dateien; bitte einen anderen Namen wählen.</translation>
    </message>
</context>
<context>
    <name>PickerCaptions</name>
    <message>
        <source>Layers 1 to 4, top to bottom: click one to edit it</source>
        <translation>Ebenen 1 bis 4, von oben nach unten: zum Bearbeiten eine anklicken</translation>
    </message>
    <message>
        <source>Zones 1 to 4: click one to edit it and paint its keys</source>
        <translation>Zonen 1 bis 4: eine anklicken, um sie zu bearbeiten und ihre Tasten zu bemalen</translation>
    </message>
</context>
<context>
    <name>ProfileMenu</name>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>&amp;Rename Profile</source>
        <translation>Profil &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Duplicate To</source>
        <translation>&amp;Kopieren nach</translation>
    </message>
</context>
<context>
    <name>ProfileNames</name>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>%1 %2 has %3</source>
        <translation>%1 %2 %3 hat</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>Modus %1</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>direction %1</source>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>the active mode is %1</source>
        <translation>der aktive Modus %1 ist</translation>
    </message>
    <message>
        <source>the current layer is %1</source>
        <translation>die aktuelle Ebene %1 ist</translation>
    </message>
    <message>
        <source>the current zone is %1</source>
        <translation>die aktuelle Zone %1 ist</translation>
    </message>
    <message>
        <source>mode record</source>
        <translation>Moduseintrag</translation>
    </message>
    <message>
        <source>layer</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>wahr oder falsch</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>%1 has no &quot;%2&quot;</source>
        <translation>%1 kein &quot;%2&quot; hat</translation>
    </message>
    <message>
        <source>%1 should be an object but is %2</source>
        <translation>%1 ein Objekt sein sollte, aber %2 ist</translation>
    </message>
    <message>
        <source>%1 should be a list but is %2</source>
        <translation>%1 eine Liste sein sollte, aber %2 ist</translation>
    </message>
    <message>
        <source>%1 has %2 entries instead of %3</source>
        <translation>%1 %2 Einträge statt %3 hat</translation>
    </message>
    <message>
        <source>%1 should be a whole number but is %2</source>
        <translation>%1 eine ganze Zahl sein sollte, aber %2 ist</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number</source>
        <translation>%1 %2 ist, keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 %2 ist, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3 or %4</source>
        <translation>%1 %2 ist, nicht %3 oder %4</translation>
    </message>
    <message>
        <source>%1 is %2, not a colour written like &quot;#ff8800&quot;</source>
        <translation>%1 %2 ist, keine Farbe in der Form &quot;#ff8800&quot;</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>%1 has the key &quot;%2&quot;, which names no key</source>
        <translation>%1 den Schlüssel &quot;%2&quot; hat, der keine Taste benennt</translation>
    </message>
    <message>
        <source>%1 has the key &quot;%2&quot;, which is not an LED index 0 to %3</source>
        <translation>%1 den Schlüssel &quot;%2&quot; hat, der kein LED-Index von 0 bis %3 ist</translation>
    </message>
    <message>
        <source>it was written in file format %1 by a newer version of the program, and this version reads format %2</source>
        <translation>sie im Dateiformat %1 von einer neueren Programmversion geschrieben wurde und diese Version Format %2 liest</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie leer ist</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>sie kein gültiges JSON ist (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it holds a JSON list where an object is expected</source>
        <translation>sie eine JSON-Liste enthält, wo ein Objekt erwartet wird</translation>
    </message>
    <message>
        <source>%1 says it is profile %2</source>
        <translation>%1 angibt, Profil %2 zu sein</translation>
    </message>
    <message>
        <source>the file holds a whole profile store, not a single profile</source>
        <translation>die Datei einen ganzen Profilspeicher enthält, kein einzelnes Profil</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>profiles %1 and %2</source>
        <translation>Profile %1 und %2</translation>
    </message>
    <message>
        <source>The profiles could not be saved to &quot;%1&quot; (%2); the file there was left as it was.</source>
        <translation>Die Profile konnten nicht in &quot;%1&quot; gespeichert werden (%2); die Datei dort blieb unverändert.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; could not be used because %2, and it could not be moved aside either, so the factory settings are used and no change will be saved.</source>
        <translation>Die Profildatei &quot;%1&quot; konnte nicht verwendet werden, weil %2, und sie ließ sich auch nicht beiseitelegen; daher gelten die Werkseinstellungen, und keine Änderung wird gespeichert.</translation>
    </message>
    <message>
        <source>the last good copy &quot;%1&quot; is used instead</source>
        <translation>stattdessen wird die letzte gute Kopie &quot;%1&quot; verwendet</translation>
    </message>
    <message>
        <source>the factory settings are used instead</source>
        <translation>stattdessen gelten die Werkseinstellungen</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; could not be used because %2; %3, and nothing was changed on disk.</source>
        <translation>Die Profildatei &quot;%1&quot; konnte nicht verwendet werden, weil %2; %3, und auf der Festplatte wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; could not be used because %2; it was moved to &quot;%3&quot; and %4.</source>
        <translation>Die Profildatei &quot;%1&quot; konnte nicht verwendet werden, weil %2; sie wurde nach &quot;%3&quot; verschoben, und %4.</translation>
    </message>
    <message>
        <source>In the profile file &quot;%1&quot;, %2 went back to the factory settings because %3; the other profiles were kept, and the original file was moved to &quot;%4&quot;.</source>
        <translation>In der Profildatei &quot;%1&quot; wurde Folgendes auf die Werkseinstellungen zurückgesetzt: %2, weil %3; die anderen Profile blieben erhalten, und die ursprüngliche Datei wurde nach &quot;%4&quot; verschoben.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; could not be moved aside, so it was left as it was.</source>
        <translation>Die Profildatei &quot;%1&quot; ließ sich nicht beiseitelegen und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>The profiles could not be written to &quot;%1&quot; (%2).</source>
        <translation>Die Profile konnten nicht nach &quot;%1&quot; geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Profile %1 was not changed because %2.</source>
        <translation>Profil %1 wurde nicht geändert, weil %2.</translation>
    </message>
    <message>
        <source>The profile could not be imported because %1.</source>
        <translation>Das Profil konnte nicht importiert werden, weil %1.</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie nicht gelesen werden kann (%1)</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner nicht angelegt werden kann</translation>
    </message>
    <message>
        <source>it is shown with the factory settings</source>
        <translation>es wird mit den Werkseinstellungen angezeigt</translation>
    </message>
    <message>
        <source>they are shown with the factory settings</source>
        <translation>sie werden mit den Werkseinstellungen angezeigt</translation>
    </message>
    <message>
        <source>In the profile file &quot;%1&quot;, %2 could not be used because %3; %4, and nothing was changed on disk.</source>
        <translation>In der Profildatei &quot;%1&quot; ist Folgendes nicht verwendbar: %2, weil %3; %4, und auf der Festplatte wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; is a symbolic link to &quot;%2&quot;; KeyLight keeps its profiles only in a plain file. Put the file itself in its place, or name its folder with --store.</source>
        <translation>Die Profildatei &quot;%1&quot; ist eine symbolische Verknüpfung auf &quot;%2&quot;; KeyLight bewahrt seine Profile nur in einer gewöhnlichen Datei auf. Legen Sie die Datei selbst an ihre Stelle oder nennen Sie ihren Ordner mit --store.</translation>
    </message>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>sie nicht geschrieben werden kann (%1)</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file</source>
        <translation>sie eine symbolische Verknüpfung ist, keine Datei</translation>
    </message>
    <message>
        <source>it is a FIFO, not a file</source>
        <translation>sie ein FIFO ist, keine Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ein Ordner ist, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>sie ein Gerät ist, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>sie ein Socket ist, keine Datei</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie keine gewöhnliche Datei ist</translation>
    </message>
    <message>
        <source>it is %1 bytes long, more than the %2 allowed</source>
        <translation>sie %1 Bytes lang ist, mehr als die erlaubten %2</translation>
    </message>
    <message>
        <source>it grew beyond the %1 bytes allowed while it was read</source>
        <translation>sie beim Lesen über die erlaubten %1 Bytes hinaus wuchs</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ihr Ordner nicht existiert</translation>
    </message>
    <message>
        <source>it held no lock</source>
        <translation>sie keine Sperre enthielt</translation>
    </message>
    <message>
        <source>process %1, which made it, has ended</source>
        <translation>Prozess %1, der sie angelegt hat, beendet ist</translation>
    </message>
    <message>
        <source>process %1 is another program by now</source>
        <translation>Prozess %1 inzwischen ein anderes Programm ist</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of the profile file cannot be read (%2).</source>
        <translation>Die Sperre &quot;%1&quot; der Profildatei kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of the profile file is a folder; remove it, then start KeyLight again.</source>
        <translation>Die Sperre &quot;%1&quot; der Profildatei ist ein Ordner; entfernen Sie ihn und starten Sie KeyLight dann erneut.</translation>
    </message>
    <message>
        <source>it was made on the computer &quot;%1&quot;, and taking it over was asked for</source>
        <translation>sie auf dem Rechner &quot;%1&quot; angelegt wurde und ihre Übernahme verlangt war</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; is locked by %2 (process %3) on the computer &quot;%4&quot;; only one program may change it at a time. If that program is surely closed, start KeyLight with --force-unlock to take the lock over; two programs writing at once lose changes.</source>
        <translation>Die Profildatei &quot;%1&quot; ist von %2 (Prozess %3) auf dem Rechner &quot;%4&quot; gesperrt; nur ein Programm darf sie zur selben Zeit ändern. Wenn dieses Programm sicher beendet ist, starten Sie KeyLight mit --force-unlock, um die Sperre zu übernehmen; schreiben zwei Programme zugleich, gehen Änderungen verloren.</translation>
    </message>
    <message>
        <source>process %1 started after the lock was made, so it is not the one that made it</source>
        <translation>Prozess %1 erst nach dem Anlegen der Sperre gestartet ist, sie also nicht angelegt haben kann</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; is in use by another program on this computer; only one program may change it at a time. Close the other program, then start KeyLight again.</source>
        <translation>Die Profildatei &quot;%1&quot; wird von einem anderen Programm auf diesem Rechner benutzt; nur ein Programm darf sie zur selben Zeit ändern. Schließen Sie das andere Programm und starten Sie KeyLight dann erneut.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; is in use by %2 (process %3) on this computer; only one program may change it at a time. Close that program, or end it with &quot;kill %3&quot;, then start KeyLight again.</source>
        <translation>Die Profildatei &quot;%1&quot; wird von %2 (Prozess %3) auf diesem Rechner benutzt; nur ein Programm darf sie zur selben Zeit ändern. Schließen Sie dieses Programm oder beenden Sie es mit &quot;kill %3&quot; und starten Sie KeyLight dann erneut.</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of the profile file was left behind (%2), but it cannot be removed (%3).</source>
        <translation>Die Sperre &quot;%1&quot; der Profildatei ist liegen geblieben (%2), kann aber nicht entfernt werden (%3).</translation>
    </message>
    <message>
        <source>The lock &quot;%1&quot; of the profile file was taken over because %2.</source>
        <translation>Die Sperre &quot;%1&quot; der Profildatei wurde übernommen, weil %2.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; is in use by another program; only one program may change it at a time.</source>
        <translation>Die Profildatei &quot;%1&quot; wird von einem anderen Programm benutzt; nur ein Programm darf sie zur selben Zeit ändern.</translation>
    </message>
    <message>
        <source>%1 should be a text but is %2</source>
        <translation>%1 sollte ein Text sein, ist aber %2</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>der Name länger als %1 Zeichen ist</translation>
    </message>
    <message>
        <source>the name holds a line break or another control character</source>
        <translation>der Name einen Zeilenumbruch oder ein anderes Steuerzeichen enthält</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 nicht verwendet werden kann: %2</translation>
    </message>
</context>
<context>
    <name>ProfileSwitcher</name>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Show and edit profile %1</source>
        <translation>Profil %1 anzeigen und bearbeiten</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>The shown profile&apos;s name: type a new one and press Enter. Empty brings back the default name.</source>
        <translation>Der Name des gezeigten Profils: Geben Sie einen neuen ein und drücken Sie die Eingabetaste. Leer stellt den Standardnamen wieder her.</translation>
    </message>
    <message>
        <source>Show and edit %1</source>
        <translation>%1 zeigen und bearbeiten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Show profile N (1 to 5) at start.</source>
        <translation>Beim Start Profil N (1 bis 5) anzeigen.</translation>
    </message>
    <message>
        <source>Keep the profile file in folder DIR instead of the user&apos;s configuration folder.</source>
        <translation>Die Profildatei im Ordner DIR statt im Konfigurationsordner des Benutzers ablegen.</translation>
    </message>
    <message>
        <source>Render the window to the PNG file FILE after loading, then exit.</source>
        <translation>Das Fenster nach dem Laden in die PNG-Datei FILE zeichnen und beenden.</translation>
    </message>
    <message>
        <source>Lay the window out for a screen of W by H pixels instead of the one it opens on.</source>
        <translation>Das Fenster für einen Bildschirm von W mal H Pixeln statt für den tatsächlichen anordnen.</translation>
    </message>
    <message>
        <source>Show the window in language CODE (%1) instead of the system&apos;s.</source>
        <translation>Das Fenster in der Sprache CODE (%1) statt in der des Systems zeigen.</translation>
    </message>
    <message>
        <source>Write profile N (1 to 5) to the JSON file FILE.</source>
        <translation>Profil N (1 bis 5) in die JSON-Datei FILE schreiben.</translation>
    </message>
    <message>
        <source>Read the JSON file FILE into profile N (1 to 5); the file is checked like the profile store.</source>
        <translation>Die JSON-Datei FILE in Profil N (1 bis 5) einlesen; die Datei wird wie der Profilspeicher geprüft.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>KeyLight: per-key lighting of the keyboard, one profile at a time.
With --export or --import the host does the transfer and exits, unless --screenshot is given too.</source>
        <translation>KeyLight: Beleuchtung der Tastatur Taste für Taste, ein Profil nach dem anderen.
Mit --export oder --import überträgt das Programm die Datei und beendet sich, außer wenn auch --screenshot angegeben ist.</translation>
    </message>
    <message>
        <source>--%1 takes a profile number from 1 to %2, not &quot;%3&quot;.</source>
        <translation>--%1 erwartet eine Profilnummer von 1 bis %2, nicht &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>--screen-size takes a width and a height in pixels, such as 1366x768, not &quot;%1&quot;.</source>
        <translation>--screen-size erwartet Breite und Höhe in Pixeln, etwa 1366x768, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--lang takes one of %1, not &quot;%2&quot;.</source>
        <translation>--lang erwartet eines von %1, nicht &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--%1 needs two values: %2.</source>
        <translation>--%1 braucht zwei Werte: %2.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehrfach angegeben.</translation>
    </message>
    <message>
        <source>--%1 takes a file name, not an empty one.</source>
        <translation>--%1 erwartet einen Dateinamen, keinen leeren.</translation>
    </message>
    <message>
        <source>--export and --import take two values each: --export N FILE, --import FILE N.</source>
        <translation>--export und --import erwarten je zwei Werte: --export N FILE, --import FILE N.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;; see --help.</source>
        <translation>Unerwartetes Argument &quot;%1&quot;; siehe --help.</translation>
    </message>
    <message>
        <source>--store takes a folder, not an empty name.</source>
        <translation>--store erwartet einen Ordner, keinen leeren Namen.</translation>
    </message>
    <message>
        <source>--screenshot takes a file name, not an empty one.</source>
        <translation>--screenshot erwartet einen Dateinamen, keinen leeren.</translation>
    </message>
    <message>
        <source>KeyLight</source>
        <translation>KeyLight</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
    <message>
        <source>The profile folder %1 is a file, not a folder.</source>
        <translation>Der Profilordner %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>Cannot create the profile folder %1.</source>
        <translation>Der Profilordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Imported %1 into profile %2.</source>
        <translation>%1 in Profil %2 importiert.</translation>
    </message>
    <message>
        <source>Exported profile %1 to %2.</source>
        <translation>Profil %1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not valid JSON: %2 at byte %3.</source>
        <translation>%1 ist kein gültiges JSON: %2 bei Byte %3.</translation>
    </message>
    <message>
        <source>%1 does not hold a profile object.</source>
        <translation>%1 enthält kein Profilobjekt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Quit KeyLight</source>
        <translation>KeyLight beenden</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>kein Paket</translation>
    </message>
    <message>
        <source>packet of request %1</source>
        <translation>Paket der Anfrage %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>Light the keyboard that the OpenRGB SDK server at HOST:PORT offers; either part may be left out (default %1). The value is optional.</source>
        <translation>Die Tastatur beleuchten, die der OpenRGB-SDK-Server an HOST:PORT anbietet; jeder Teil darf fehlen (Vorgabe %1). Der Wert ist optional.</translation>
    </message>
    <message>
        <source>Light the OpenRGB device of that name, or with that index (counted from 0), instead of the first keyboard the server offers.</source>
        <translation>Das OpenRGB-Gerät dieses Namens oder mit dieser Nummer (ab 0 gezählt) beleuchten statt der ersten Tastatur, die der Server anbietet.</translation>
    </message>
    <message>
        <source>--openrgb: %1</source>
        <translation>--openrgb: %1</translation>
    </message>
    <message>
        <source>Let OpenRGB clients drive KeyLight through an SDK server at [HOST:]PORT; a port alone serves this computer only (default %1). The value is optional.</source>
        <translation>OpenRGB-Clients steuern KeyLight über einen SDK-Server an [HOST:]PORT; ein Port allein bedient nur diesen Computer (Vorgabe %1). Der Wert ist optional.</translation>
    </message>
    <message>
        <source>--sdk-server: %1</source>
        <translation>--sdk-server: %1</translation>
    </message>
    <message>
        <source>Take over the profile file even though a program on another computer holds its lock. Only when that program is surely closed: two writers lose changes.</source>
        <translation>Die Profildatei übernehmen, obwohl ein Programm auf einem anderen Rechner ihre Sperre hält. Nur, wenn dieses Programm sicher beendet ist: Bei zwei Schreibern gehen Änderungen verloren.</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild nicht erstellt werden konnte</translation>
    </message>
    <message>
        <source>Cannot write the screenshot %1: %2.</source>
        <translation>Das Bildschirmfoto %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Take over the lock only when KeyLight on &quot;%1&quot; is surely closed: two programs writing at once lose changes.</source>
        <translation>Übernehmen Sie die Sperre nur, wenn KeyLight auf &quot;%1&quot; sicher beendet ist: Schreiben zwei Programme zugleich, gehen Änderungen verloren.</translation>
    </message>
    <message>
        <source>Take Over the Lock</source>
        <translation>Sperre übernehmen</translation>
    </message>
    <message>
        <source>Signal %1 received: saving, then quitting.</source>
        <translation>Signal %1 empfangen: Es wird gespeichert, dann beendet.</translation>
    </message>
    <message>
        <source>Taking over the lock of %1, as asked.</source>
        <translation>Die Sperre von %1 wird wie verlangt übernommen.</translation>
    </message>
    <message>
        <source>Start in the system tray, without the window; where the desktop has no tray, start with the window minimized. KeyLight already running is left as it is.</source>
        <translation>Im Infobereich starten, ohne Fenster; wo die Arbeitsfläche keinen Infobereich hat, mit minimiertem Fenster starten. Ein bereits laufendes KeyLight bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>KeyLight could not offer its D-Bus interface: %1</source>
        <translation>KeyLight konnte seine D-Bus-Schnittstelle nicht anbieten: %1</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>The keyboard does not hold the changes of profile %1 yet: they are lost on the keyboard when you quit without applying them.</source>
        <translation>Die Tastatur enthält die Änderungen an Profil %1 noch nicht: Wenn Sie beenden, ohne sie zu übernehmen, fehlen sie auf der Tastatur.</translation>
    </message>
    <message>
        <source>Apply and Quit</source>
        <translation>Übernehmen und beenden</translation>
    </message>
    <message>
        <source>%1 Your latest changes exist only in this window and are lost when you quit.</source>
        <translation>%1 Ihre letzten Änderungen gibt es nur in diesem Fenster; beim Beenden gehen sie verloren.</translation>
    </message>
    <message>
        <source>Export Profiles...</source>
        <translation>Profile exportieren...</translation>
    </message>
    <message>
        <source>Export All Profiles</source>
        <translation>Alle Profile exportieren</translation>
    </message>
    <message>
        <source>KeyLight profiles (*.json);;All files (*)</source>
        <translation>KeyLight-Profile (*.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>RemoteLighting</name>
    <message>
        <source>%1 from an OpenRGB client</source>
        <translation>%1 von einem OpenRGB-Client</translation>
    </message>
    <message>
        <source>Direct from an OpenRGB client</source>
        <translation>Direct von einem OpenRGB-Client</translation>
    </message>
    <message>
        <source>Painting from an OpenRGB client</source>
        <translation>Malen von einem OpenRGB-Client</translation>
    </message>
</context>
<context>
    <name>RequestLogDock</name>
    <message>
        <source>Request log</source>
        <translation>Anfrageprotokoll</translation>
    </message>
    <message>
        <source>Requests sent to the keyboard</source>
        <translation>An die Tastatur gesendete Anfragen</translation>
    </message>
    <message>
        <source>Every request the page sent, newest last, as the keyboard read it</source>
        <translation>Jede Anfrage der Seite, die neueste zuletzt, so wie die Tastatur sie gelesen hat</translation>
    </message>
</context>
<context>
    <name>RequestLogModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Entschlüsselt</translation>
    </message>
    <message>
        <source>First bytes</source>
        <translation>Erste Bytes</translation>
    </message>
</context>
<context>
    <name>RequestLogTransport</name>
    <message>
        <source>Lights</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Lights on: every device shows the profile again.</source>
        <translation>Licht an: Jedes Gerät zeigt wieder das Profil.</translation>
    </message>
    <message>
        <source>Lights off: every device is dark until they are turned on again.</source>
        <translation>Licht aus: Jedes Gerät ist dunkel, bis es wieder angeschaltet wird.</translation>
    </message>
</context>
<context>
    <name>SaveStateIndicator</name>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Profile file state</source>
        <translation>Zustand der Profildatei</translation>
    </message>
    <message>
        <source>Your changes are kept in memory, and every further change tries to save them again.</source>
        <translation>Ihre Änderungen bleiben im Arbeitsspeicher, und jede weitere Änderung versucht erneut, sie zu speichern.</translation>
    </message>
    <message>
        <source>Profiles not saved</source>
        <translation>Profile nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>SdkAddress</name>
    <message>
        <source>&quot;%1&quot; is not a server address; write HOST, HOST:PORT or :PORT.</source>
        <translation>„%1“ ist keine Serveradresse; schreiben Sie HOST, HOST:PORT oder :PORT.</translation>
    </message>
    <message>
        <source>The port in &quot;%1&quot; must be from 1 to 65535.</source>
        <translation>Der Port in „%1“ muss zwischen 1 und 65535 liegen.</translation>
    </message>
</context>
<context>
    <name>SdkClient</name>
    <message>
        <source>The OpenRGB server at %1 did not accept the connection within %2 s.</source>
        <translation>Der OpenRGB-Server an %1 hat die Verbindung nicht innerhalb von %2 s angenommen.</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 closed the connection in the middle of a packet.</source>
        <translation>Der OpenRGB-Server an %1 hat die Verbindung mitten in einem Paket geschlossen.</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 closed the connection.</source>
        <translation>Der OpenRGB-Server an %1 hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>Cannot reach the OpenRGB server at %1: %2.</source>
        <translation>Der OpenRGB-Server an %1 ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 sent data that is not the SDK protocol: %2</source>
        <translation>Der OpenRGB-Server an %1 hat Daten gesendet, die nicht dem SDK-Protokoll folgen: %2</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 did not answer within %2 s.</source>
        <translation>Der OpenRGB-Server an %1 hat nicht innerhalb von %2 s geantwortet.</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 sent an impossible controller count (%2).</source>
        <translation>Der OpenRGB-Server an %1 hat eine unmögliche Zahl von Geräten gemeldet (%2).</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 answered for controller %2 when asked for %3.</source>
        <translation>Der OpenRGB-Server an %1 hat für Gerät %2 geantwortet, gefragt war nach %3.</translation>
    </message>
    <message>
        <source>The OpenRGB server at %1 sent broken data for controller %2: %3</source>
        <translation>Der OpenRGB-Server an %1 hat fehlerhafte Daten für Gerät %2 gesendet: %3</translation>
    </message>
</context>
<context>
    <name>SdkControllerData</name>
    <message>
        <source>%1 bytes cannot hold a matrix here</source>
        <translation>%1 Bytes können hier keine Matrix enthalten</translation>
    </message>
    <message>
        <source>%1 by %2 cells do not match its size of %3 bytes</source>
        <translation>%1 mal %2 Zellen passen nicht zu ihrer Größe von %3 Bytes</translation>
    </message>
    <message>
        <source>LED %1 is not in a zone of %2</source>
        <translation>LED %1 liegt nicht in einer Zone mit %2</translation>
    </message>
    <message>
        <source>says %1 bytes, the packet holds %2</source>
        <translation>nennt %1 Bytes, das Paket enthält %2</translation>
    </message>
    <message>
        <source>they hold %1 LEDs, the device lists %2</source>
        <translation>sie enthalten %1 LEDs, das Gerät nennt %2</translation>
    </message>
    <message>
        <source>%1 colours for %2 LEDs</source>
        <translation>%1 Farben für %2 LEDs</translation>
    </message>
    <message>
        <source>mode %1 of %2</source>
        <translation>Modus %1 von %2</translation>
    </message>
</context>
<context>
    <name>SdkMessages</name>
    <message>
        <source>says %1 bytes, the packet holds %2</source>
        <translation>nennt %1 Bytes, das Paket enthält %2</translation>
    </message>
</context>
<context>
    <name>SdkServer</name>
    <message>
        <source>Cannot serve OpenRGB clients on %1: the host must be an IP address of this computer.</source>
        <translation>OpenRGB-Clients können an %1 nicht bedient werden: der Host muss eine IP-Adresse dieses Computers sein.</translation>
    </message>
    <message>
        <source>Cannot serve OpenRGB clients on %1: another program uses the port.</source>
        <translation>OpenRGB-Clients können an %1 nicht bedient werden: ein anderes Programm belegt den Port.</translation>
    </message>
    <message>
        <source>Cannot serve OpenRGB clients on %1: %2.</source>
        <translation>OpenRGB-Clients können an %1 nicht bedient werden: %2.</translation>
    </message>
    <message>
        <source>An OpenRGB client from %1 was turned away: %2 clients are connected already.</source>
        <translation>Ein OpenRGB-Client von %1 wurde abgewiesen: %2 Clients sind bereits verbunden.</translation>
    </message>
    <message>
        <source>it left a packet half sent</source>
        <translation>er hat ein Paket nur halb gesendet</translation>
    </message>
    <message>
        <source>it left a packet unfinished for %1 s</source>
        <translation>er hat ein Paket %1 s lang nicht beendet</translation>
    </message>
    <message>
        <source>packet %1 was broken: %2</source>
        <translation>Paket %1 war fehlerhaft: %2</translation>
    </message>
    <message>
        <source>it does not read its answers</source>
        <translation>er liest seine Antworten nicht</translation>
    </message>
    <message>
        <source>The OpenRGB client %1 was disconnected: %2.</source>
        <translation>Die Verbindung zum OpenRGB-Client %1 wurde getrennt: %2.</translation>
    </message>
</context>
<context>
    <name>SdkServerIndicator</name>
    <message>
        <source>OpenRGB SDK server</source>
        <translation>OpenRGB-SDK-Server</translation>
    </message>
    <message>
        <source>SDK server %1, clients: %2</source>
        <translation>SDK-Server %1, Clients: %2</translation>
    </message>
</context>
<context>
    <name>SdkWire</name>
    <message>
        <source>%1 at byte %2: %3</source>
        <translation>%1 bei Byte %2: %3</translation>
    </message>
    <message>
        <source>the data ends %1 bytes early</source>
        <translation>die Daten enden %1 Bytes zu früh</translation>
    </message>
    <message>
        <source>%1 is more than the %2 allowed</source>
        <translation>%1 ist mehr als die erlaubten %2</translation>
    </message>
    <message>
        <source>%1 items do not fit in the %2 bytes left</source>
        <translation>%1 Einträge passen nicht in die verbleibenden %2 Bytes</translation>
    </message>
    <message>
        <source>A packet did not start with &quot;ORGB&quot;.</source>
        <translation>Ein Paket begann nicht mit „ORGB“.</translation>
    </message>
    <message>
        <source>A packet claimed %1 bytes, more than the %2 allowed.</source>
        <translation>Ein Paket gab %1 Bytes an, mehr als die erlaubten %2.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings cannot be saved in %1.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1 because %2.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden, weil %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>KeyLight runs already but does not answer (%1); this one starts on its own.</source>
        <translation>KeyLight läuft bereits, antwortet aber nicht (%1); dieses startet für sich allein.</translation>
    </message>
    <message>
        <source>KeyLight runs already; it shows profile %1 now.</source>
        <translation>KeyLight läuft bereits; es zeigt jetzt Profil %1.</translation>
    </message>
    <message>
        <source>KeyLight runs already; its window is brought up.</source>
        <translation>KeyLight läuft bereits; sein Fenster wird nach vorn geholt.</translation>
    </message>
    <message>
        <source>KeyLight runs already.</source>
        <translation>KeyLight läuft bereits.</translation>
    </message>
    <message>
        <source>KeyLight runs already but refused the request: %1</source>
        <translation>KeyLight läuft bereits, hat die Anfrage aber abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>StoreWatcher</name>
    <message>
        <source>The profile file was removed; it was written again.</source>
        <translation>Die Profildatei wurde entfernt; sie wurde neu geschrieben.</translation>
    </message>
    <message>
        <source>Profile file changed</source>
        <translation>Profildatei geändert</translation>
    </message>
    <message>
        <source>The profile file %1 was changed by another program while this window has changes that are not saved yet. Which profiles do you want to keep?</source>
        <translation>Die Profildatei %1 wurde von einem anderen Programm geändert, während dieses Fenster noch ungespeicherte Änderungen hat. Welche Profile möchten Sie behalten?</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Save this window&apos;s profiles; the changed file is kept beside them.</source>
        <translation>Die Profile dieses Fensters speichern; die geänderte Datei wird daneben aufbewahrt.</translation>
    </message>
    <message>
        <source>Load the File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Show the profiles of the changed file; this window&apos;s changes are dropped.</source>
        <translation>Die Profile der geänderten Datei zeigen; die Änderungen dieses Fensters werden verworfen.</translation>
    </message>
    <message>
        <source>Your profiles were kept; the changed file was moved to %1.</source>
        <translation>Ihre Profile wurden behalten; die geänderte Datei wurde nach %1 verschoben.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Lights On</source>
        <translation>&amp;Licht an</translation>
    </message>
    <message>
        <source>&amp;Show Window</source>
        <translation>Fenster &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>lights off</source>
        <translation>Licht aus</translation>
    </message>
    <message>
        <source>KeyLight: %1, %2</source>
        <translation>KeyLight: %1, %2</translation>
    </message>
    <message>
        <source>KeyLight keeps running</source>
        <translation>KeyLight läuft weiter</translation>
    </message>
    <message>
        <source>The lighting stays as it is. The tray icon brings the window back; its menu switches profiles, turns the lights off and quits.</source>
        <translation>Die Beleuchtung bleibt, wie sie ist. Das Symbol im Infobereich holt das Fenster zurück; sein Menü wechselt Profile, schaltet das Licht aus und beendet KeyLight.</translation>
    </message>
</context>
<context>
    <name>VantorPacket</name>
    <message>
        <source>There is no packet (null pointer).</source>
        <translation>Es gibt kein Paket (Nullzeiger).</translation>
    </message>
    <message>
        <source>The packet is %1 bytes long, shorter than the %2 bytes of header and checksum.</source>
        <translation>Das Paket ist %1 Byte lang, kürzer als die %2 Byte aus Kopf und Prüfsumme.</translation>
    </message>
    <message>
        <source>The packet does not start with the magic &quot;VK&quot;.</source>
        <translation>Das Paket beginnt nicht mit der Kennung &quot;VK&quot;.</translation>
    </message>
    <message>
        <source>The packet has format version %1; version %2 is understood.</source>
        <translation>Das Paket hat die Formatversion %1; verstanden wird Version %2.</translation>
    </message>
    <message>
        <source>Request code %1 carries no packet.</source>
        <translation>Der Anfragecode %1 trägt kein Paket.</translation>
    </message>
    <message>
        <source>The header gives a payload of %1 bytes; request %2 has %3.</source>
        <translation>Der Kopf nennt eine Nutzlast von %1 Byte; Anfrage %2 hat %3.</translation>
    </message>
    <message>
        <source>The packet is %1 bytes long; its header makes it %2.</source>
        <translation>Das Paket ist %1 Byte lang; laut Kopf sind es %2.</translation>
    </message>
    <message>
        <source>The packet&apos;s checksum does not match its bytes.</source>
        <translation>Die Prüfsumme des Pakets passt nicht zu seinen Bytes.</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>mode parameters</source>
        <translation>Modusparameter</translation>
    </message>
    <message>
        <source>custom keys</source>
        <translation>Tastenfarben</translation>
    </message>
    <message>
        <source>multilayer</source>
        <translation>Mehrere Ebenen</translation>
    </message>
    <message>
        <source>multizone</source>
        <translation>Mehrere Zonen</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>There is no profile %1; the keyboard holds profiles 0 to %2.</source>
        <translation>Es gibt kein Profil %1; die Tastatur hält die Profile 0 bis %2.</translation>
    </message>
    <message>
        <source>Request %1 is not one the keyboard understands.</source>
        <translation>Anfrage %1 versteht die Tastatur nicht.</translation>
    </message>
    <message>
        <source>Request %1: %2</source>
        <translation>Anfrage %1: %2</translation>
    </message>
    <message>
        <source>Request %1 came with a packet of request %2.</source>
        <translation>Anfrage %1 kam mit einem Paket der Anfrage %2.</translation>
    </message>
    <message>
        <source>Request %1 names mode %2; modes run from 0 to %3.</source>
        <translation>Anfrage %1 nennt Modus %2; die Modi reichen von 0 bis %3.</translation>
    </message>
    <message>
        <source>it is not a keyboard memory of format %1</source>
        <translation>sie kein Tastaturspeicher im Format %1 ist</translation>
    </message>
    <message>
        <source>its entry %1 is not a profile the keyboard could hold</source>
        <translation>ihr Eintrag %1 kein Profil ist, das die Tastatur halten könnte</translation>
    </message>
    <message>
        <source>The keyboard memory &quot;%1&quot; could not be used because %2; the keyboard starts with an empty memory, which the next APPLY fills again.</source>
        <translation>Der Tastaturspeicher &quot;%1&quot; konnte nicht verwendet werden, weil %2; die Tastatur beginnt mit leerem Speicher, den das nächste ANWENDEN wieder füllt.</translation>
    </message>
    <message>
        <source>The keyboard memory could not be saved to &quot;%1&quot; (%2).</source>
        <translation>Der Tastaturspeicher konnte nicht in &quot;%1&quot; gespeichert werden (%2).</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboardPanel</name>
    <message>
        <source>Virtual keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
    <message>
        <source>Shows the lighting the keyboard would show. Type while it has the focus, or click its keys, to press keys; Escape leaves it.</source>
        <translation>Zeigt die Beleuchtung, die die Tastatur zeigen würde. Tippen Sie, während sie den Fokus hat, oder klicken Sie auf ihre Tasten, um Tasten zu drücken; Escape verlässt sie.</translation>
    </message>
    <message>
        <source>%1 answers key presses: type while the keyboard has the focus, or click its keys.</source>
        <translation>%1 reagiert auf Tastendrücke: Tippen Sie, während die Tastatur den Fokus hat, oder klicken Sie auf ihre Tasten.</translation>
    </message>
</context>
</TS>
