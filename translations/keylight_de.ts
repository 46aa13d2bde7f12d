<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ColorBtn</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2. Drop a colour here; Delete empties the slot.</source>
        <translation>%1, %2. Hier eine Farbe ablegen; Entf leert das Feld.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CustomLedWid</name>
    <message>
        <source>Key colours</source>
        <translation>Tastenfarben</translation>
    </message>
    <message>
        <source>Drag over keys to paint them in the chosen colour. From the keyboard: the arrow keys move the key cursor, Shift with an arrow spans a rectangle, Space paints, Escape drops the rectangle.</source>
        <translation>Über die Tasten ziehen, um sie in der gewählten Farbe zu malen. Mit der Tastatur: Die Pfeiltasten bewegen den Tastencursor, Umschalt mit einem Pfeil spannt ein Rechteck auf, Leertaste malt, Escape verwirft das Rechteck.</translation>
    </message>
</context>
<context>
    <name>GroundUi</name>
    <message>
        <source>PRESET COLORS</source>
        <translation>VORGABEFARBEN</translation>
    </message>
    <message>
        <source>CUSTOM COLORS</source>
        <translation>EIGENE FARBEN</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
</context>
<context>
    <name>GroundWid</name>
    <message>
        <source>Preset colour %1</source>
        <translation>Vorgabefarbe %1</translation>
    </message>
    <message>
        <source>Custom colour %1</source>
        <translation>Eigene Farbe %1</translation>
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
        <source>%1, 0 to 255</source>
        <translation>%1, 0 bis 255</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Brightness: %1 of %2</source>
        <translation>Helligkeit: %1 von %2</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please drag color to here from background or foreground</source>
        <translation>Bitte eine Farbe aus Hintergrund oder Vordergrund hierher ziehen</translation>
    </message>
</context>
<context>
    <name>KeyLightUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>KeyLightWid</name>
    <message>
        <source>RESET</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Put this profile's lighting back to the factory settings</source>
        <translation>Den Standard der Werkseinstellungen für die Beleuchtung dieses Profils wiederherstellen</translation>
    </message>
    <message>
        <source>Store this profile's lighting on the keyboard</source>
        <translation>Die Beleuchtung dieses Profils auf der Tastatur speichern</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Are you sure you want to reset?</source>
        <translation>Wirklich den Standard wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Wiedergabe oder Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Macro 1</source>
        <translation>Makro 1</translation>
    </message>
    <message>
        <source>Macro 2</source>
        <translation>Makro 2</translation>
    </message>
    <message>
        <source>Macro 3</source>
        <translation>Makro 3</translation>
    </message>
    <message>
        <source>Macro 4</source>
        <translation>Makro 4</translation>
    </message>
    <message>
        <source>Macro 5</source>
        <translation>Makro 5</translation>
    </message>
    <message>
        <source>Grave accent</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Left bracket</source>
        <translation>Eckige Klammer links</translation>
    </message>
    <message>
        <source>Right bracket</source>
        <translation>Eckige Klammer rechts</translation>
    </message>
    <message>
        <source>Backslash</source>
        <translation>Backslash</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Left Shift</source>
        <translation>Umschalt links</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Left Ctrl</source>
        <translation>Strg links</translation>
    </message>
    <message>
        <source>Left Windows</source>
        <translation>Windows links</translation>
    </message>
    <message>
        <source>Left Alt</source>
        <translation>Alt links</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt rechts</translation>
    </message>
    <message>
        <source>Right Windows</source>
        <translation>Windows rechts</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Up arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Left arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Numpad Divide</source>
        <translation>Ziffernblock Geteilt</translation>
    </message>
    <message>
        <source>Numpad Minus</source>
        <translation>Ziffernblock Minus</translation>
    </message>
    <message>
        <source>Numpad 8</source>
        <translation>Ziffernblock 8</translation>
    </message>
    <message>
        <source>Numpad 7</source>
        <translation>Ziffernblock 7</translation>
    </message>
    <message>
        <source>Numpad 9</source>
        <translation>Ziffernblock 9</translation>
    </message>
    <message>
        <source>Numpad 6</source>
        <translation>Ziffernblock 6</translation>
    </message>
    <message>
        <source>Numpad 1</source>
        <translation>Ziffernblock 1</translation>
    </message>
    <message>
        <source>Numpad 4</source>
        <translation>Ziffernblock 4</translation>
    </message>
    <message>
        <source>Numpad 5</source>
        <translation>Ziffernblock 5</translation>
    </message>
    <message>
        <source>Numpad 2</source>
        <translation>Ziffernblock 2</translation>
    </message>
    <message>
        <source>Numpad 3</source>
        <translation>Ziffernblock 3</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Numpad Multiply</source>
        <translation>Ziffernblock Mal</translation>
    </message>
    <message>
        <source>Numpad 0</source>
        <translation>Ziffernblock 0</translation>
    </message>
    <message>
        <source>Numpad Decimal</source>
        <translation>Ziffernblock Komma</translation>
    </message>
    <message>
        <source>Numpad Plus</source>
        <translation>Ziffernblock Plus</translation>
    </message>
    <message>
        <source>Numpad Enter</source>
        <translation>Ziffernblock Eingabe</translation>
    </message>
</context>
<context>
    <name>KeyboardUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>LedColorUi</name>
    <message>
        <source>LED COLOR</source>
        <translation>LED-FARBE</translation>
    </message>
</context>
<context>
    <name>LedColorWid</name>
    <message>
        <source>FOREGROUND</source>
        <translation>VORDERGRUND</translation>
    </message>
    <message>
        <source>BACKGROUND</source>
        <translation>HINTERGRUND</translation>
    </message>
    <message>
        <source>Colour wheel</source>
        <translation>Farbrad</translation>
    </message>
    <message>
        <source>Hue around the wheel, saturation outwards. The arrow keys move the pick point; Enter picks the colour.</source>
        <translation>Farbton rund um das Rad, Sättigung nach außen. Die Pfeiltasten bewegen den Auswahlpunkt; Eingabe wählt die Farbe.</translation>
    </message>
    <message>
        <source>Pick a colour</source>
        <translation>Eine Farbe wählen</translation>
    </message>
    <message>
        <source>Foreground colour</source>
        <translation>Vordergrundfarbe</translation>
    </message>
    <message>
        <source>Edit the foreground colour. Drag its square onto a custom colour slot to keep it.</source>
        <translation>Die Vordergrundfarbe bearbeiten. Ihr Quadrat auf ein Feld der eigenen Farben ziehen, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Edit the background colour. Drag its square onto a custom colour slot to keep it.</source>
        <translation>Die Hintergrundfarbe bearbeiten. Ihr Quadrat auf ein Feld der eigenen Farben ziehen, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>LedDisplayUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>LedKeyBtn</name>
    <message>
        <source>not lit</source>
        <translation>nicht beleuchtet</translation>
    </message>
</context>
<context>
    <name>LedModeUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>LED MODE</source>
        <translation>LED-MODUS</translation>
    </message>
    <message>
        <source>STATIC</source>
        <translation>STATISCH</translation>
    </message>
    <message>
        <source>RAINBOW WAVE</source>
        <translation>REGENBOGENWELLE</translation>
    </message>
    <message>
        <source>CROSSHAIR</source>
        <translation>FADENKREUZ</translation>
    </message>
    <message>
        <source>REACTIVE FADE</source>
        <translation>REAKTIVES VERBLASSEN</translation>
    </message>
    <message>
        <source>CUSTOM</source>
        <translation>EIGENE</translation>
    </message>
    <message>
        <source>STARS</source>
        <translation>STERNE</translation>
    </message>
    <message>
        <source>SNOWING</source>
        <translation>SCHNEEFALL</translation>
    </message>
    <message>
        <source>COLOR CYCLE</source>
        <translation>FARBWECHSEL</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>RIPPLE</source>
        <translation>WELLEN</translation>
    </message>
    <message>
        <source>REACTIVE PUNCH</source>
        <translation>REAKTIVER SCHLAG</translation>
    </message>
    <message>
        <source>HEARTBEAT</source>
        <translation>HERZSCHLAG</translation>
    </message>
    <message>
        <source>FIREBALL</source>
        <translation>FEUERBALL</translation>
    </message>
    <message>
        <source>CIRCLE SPECTRUM</source>
        <translation>KREISSPEKTRUM</translation>
    </message>
    <message>
        <source>REACTIVE TORNADO</source>
        <translation>REAKTIVER TORNADO</translation>
    </message>
    <message>
        <source>WATER RIPPLE</source>
        <translation>WASSERWELLEN</translation>
    </message>
    <message>
        <source>GAME SNAKE</source>
        <translation>SCHLANGE</translation>
    </message>
    <message>
        <source>TURN OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>RAIN</source>
        <translation>REGEN</translation>
    </message>
    <message>
        <source>MULTILAYER</source>
        <translation>MEHRERE EBENEN</translation>
    </message>
    <message>
        <source>MULTIZONE</source>
        <translation>MEHRERE ZONEN</translation>
    </message>
</context>
<context>
    <name>LedModeWid</name>
    <message>
        <source>Every key in one colour.</source>
        <translation>Alle Tasten in einer Farbe.</translation>
    </message>
    <message>
        <source>A rainbow runs across the keyboard in the chosen direction.</source>
        <translation>Ein Regenbogen läuft in der gewählten Richtung über die Tastatur.</translation>
    </message>
    <message>
        <source>A pressed key lights its row and its column over the background colour.</source>
        <translation>Eine gedrückte Taste lässt ihre Reihe und ihre Spalte über der Hintergrundfarbe leuchten.</translation>
    </message>
    <message>
        <source>A pressed key lights up and fades back into the background colour.</source>
        <translation>Eine gedrückte Taste leuchtet auf und verblasst wieder zur Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>Every key in a colour of its own: paint keys by dragging over them.</source>
        <translation>Jede Taste in ihrer eigenen Farbe: Tasten durch Darüberziehen malen.</translation>
    </message>
    <message>
        <source>Keys light up at random and fade, like stars over the background colour.</source>
        <translation>Tasten leuchten zufällig auf und verblassen wie Sterne über der Hintergrundfarbe.</translation>
    </message>
    <message>
        <source>Flakes of light drift down the keyboard over the background colour.</source>
        <translation>Lichtflocken treiben über der Hintergrundfarbe die Tastatur hinab.</translation>
    </message>
    <message>
        <source>The whole keyboard runs through the colours of the rainbow.</source>
        <translation>Die ganze Tastatur durchläuft die Farben des Regenbogens.</translation>
    </message>
    <message>
        <source>The keys fade in and out in one colour.</source>
        <translation>Die Tasten leuchten in einer Farbe auf und ab.</translation>
    </message>
    <message>
        <source>A ring of light spreads out from every pressed key.</source>
        <translation>Von jeder gedrückten Taste breitet sich ein Lichtring aus.</translation>
    </message>
    <message>
        <source>A pressed key flashes and the flash spreads to its neighbours.</source>
        <translation>Eine gedrückte Taste blitzt auf, und der Blitz springt auf ihre Nachbarn über.</translation>
    </message>
    <message>
        <source>The keys beat like a heart, two thumps at a time.</source>
        <translation>Die Tasten schlagen wie ein Herz, zwei Schläge auf einmal.</translation>
    </message>
    <message>
        <source>A ball of fire grows out of every pressed key.</source>
        <translation>Aus jeder gedrückten Taste wächst ein Feuerball.</translation>
    </message>
    <message>
        <source>The colours of the rainbow turn round the middle of the keyboard.</source>
        <translation>Die Farben des Regenbogens drehen sich um die Mitte der Tastatur.</translation>
    </message>
    <message>
        <source>The colours of the rainbow spin round every pressed key.</source>
        <translation>Die Farben des Regenbogens wirbeln um jede gedrückte Taste.</translation>
    </message>
    <message>
        <source>Waves spread out from every pressed key like rings on water.</source>
        <translation>Von jeder gedrückten Taste breiten sich Wellen aus wie Ringe auf dem Wasser.</translation>
    </message>
    <message>
        <source>A snake of light crawls over the keys and eats what it finds.</source>
        <translation>Eine Lichtschlange kriecht über die Tasten und frisst, was sie findet.</translation>
    </message>
    <message>
        <source>Every key dark.</source>
        <translation>Alle Tasten dunkel.</translation>
    </message>
    <message>
        <source>Drops of light fall down the keyboard over the background colour.</source>
        <translation>Lichttropfen fallen über der Hintergrundfarbe die Tastatur hinab.</translation>
    </message>
    <message>
        <source>Up to four effects at once, one on each layer.</source>
        <translation>Bis zu vier Effekte zugleich, einer auf jeder Ebene.</translation>
    </message>
    <message>
        <source>Four groups of keys, each with an effect of its own.</source>
        <translation>Vier Tastengruppen, jede mit einem eigenen Effekt.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Ebene %1: %2</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
</context>
<context>
    <name>LedSpeedUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>LED SPEED</source>
        <translation>LED-TEMPO</translation>
    </message>
    <message>
        <source>SLOW</source>
        <translation>LANGSAM</translation>
    </message>
    <message>
        <source>FAST</source>
        <translation>SCHNELL</translation>
    </message>
    <message>
        <source>LED DIRECTION</source>
        <translation>LED-RICHTUNG</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>LedSpeedWid</name>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed: %1 of %2</source>
        <translation>Tempo: %1 von %2</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>The effect runs upwards</source>
        <translation>Der Effekt läuft nach oben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>The effect runs to the left</source>
        <translation>Der Effekt läuft nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>The effect runs to the right</source>
        <translation>Der Effekt läuft nach rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>The effect runs downwards</source>
        <translation>Der Effekt läuft nach unten</translation>
    </message>
</context>
<context>
    <name>ModeCombox</name>
    <message>
        <source>EMPTY</source>
        <translation>LEER</translation>
    </message>
    <message>
        <source>Selected: the colour, speed and direction panels edit this one.</source>
        <translation>Ausgewählt: Farbe, Tempo und Richtung gelten für diesen Eintrag.</translation>
    </message>
    <message>
        <source>Press to select it for editing.</source>
        <translation>Drücken, um ihn zum Bearbeiten auszuwählen.</translation>
    </message>
</context>
<context>
    <name>MultilayerUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>MultizoneWid</name>
    <message>
        <source>Zone keys</source>
        <translation>Zonentasten</translation>
    </message>
    <message>
        <source>Drag over keys to add them to the chosen zone. From the keyboard: the arrow keys move the key cursor, Shift with an arrow spans a rectangle, Space adds the keys, Escape drops the rectangle.</source>
        <translation>Über die Tasten ziehen, um sie der gewählten Zone hinzuzufügen. Mit der Tastatur: Die Pfeiltasten bewegen den Tastencursor, Umschalt mit einem Pfeil spannt ein Rechteck auf, Leertaste fügt die Tasten hinzu, Escape verwirft das Rechteck.</translation>
    </message>
</context>
<context>
    <name>NormalLedUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
</TS>
