<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>HelpCommand</name>
    <message>
        <source>HelpFile.txt</source>
        <extracomment>The help text in this language, delivered beside HelpFile.txt</extracomment>
        <translation>HelpFile.de.txt</translation>
    </message>
    <message>
        <source>%1 cannot be handed to the editor: %2.</source>
        <translation>%1 kann nicht an den Editor übergeben werden: %2.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>[backspace]</source>
        <translation>[Rücktaste]</translation>
    </message>
    <message>
        <source>[enter]</source>
        <translation>[Eingabe]</translation>
    </message>
    <message>
        <source>[shift]</source>
        <translation>[Umschalt]</translation>
    </message>
    <message>
        <source>[ctrl]</source>
        <translation>[Strg]</translation>
    </message>
    <message>
        <source>[alt]</source>
        <translation>[Alt]</translation>
    </message>
    <message>
        <source>[space]</source>
        <translation>[Leertaste]</translation>
    </message>
    <message>
        <source>[page up]</source>
        <translation>[Bild auf]</translation>
    </message>
    <message>
        <source>[page down]</source>
        <translation>[Bild ab]</translation>
    </message>
    <message>
        <source>[end]</source>
        <translation>[Ende]</translation>
    </message>
    <message>
        <source>[home]</source>
        <translation>[Pos1]</translation>
    </message>
    <message>
        <source>[left arrow]</source>
        <translation>[Pfeil links]</translation>
    </message>
    <message>
        <source>[up arrow]</source>
        <translation>[Pfeil oben]</translation>
    </message>
    <message>
        <source>[right arrow]</source>
        <translation>[Pfeil rechts]</translation>
    </message>
    <message>
        <source>[down arrow]</source>
        <translation>[Pfeil unten]</translation>
    </message>
    <message>
        <source>[delete]</source>
        <translation>[Entf]</translation>
    </message>
    <message>
        <source>[key %1]</source>
        <translation>[Taste %1]</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>it is larger than %1 KB and is kept as it is</source>
        <translation>sie ist größer als %1 KB und bleibt, wie sie ist</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Your choice holds until you leave Vexaroo, but the preferences file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Deine Wahl gilt, bis du Vexaroo verlässt, aber die Datei deiner Vorgaben „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Vexaroo could not start again at the new size: %1.<byte value="xd"/>
It goes on at this size.</source>
        <translation>Vexaroo konnte nicht in der neuen Größe neu starten: %1.<byte value="xd"/>
Es geht in dieser Größe weiter.</translation>
    </message>
    <message>
        <source>Replays cannot be kept: %1.</source>
        <translation>Aufzeichnungen können nicht aufbewahrt werden: %1.</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it is far larger than any replay</source>
        <translation>sie ist weit größer als jede Aufzeichnung</translation>
    </message>
    <message>
        <source>it is not a Vexaroo replay</source>
        <translation>sie ist keine Vexaroo-Aufzeichnung</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>it was recorded by a later version of Vexaroo</source>
        <translation>sie stammt von einer neueren Version von Vexaroo</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>sie ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>ihr Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>it holds an input that no game has</source>
        <translation>sie enthält eine Eingabe, die kein Spiel kennt</translation>
    </message>
    <message>
        <source>its inputs are damaged</source>
        <translation>ihre Eingaben sind beschädigt</translation>
    </message>
    <message>
        <source>it lasts longer than a day</source>
        <translation>sie dauert länger als einen Tag</translation>
    </message>
    <message>
        <source>the recording stops before the game ends</source>
        <translation>die Aufzeichnung endet vor dem Spiel</translation>
    </message>
    <message>
        <source>its inputs go back in time</source>
        <translation>ihre Eingaben gehen in der Zeit zurück</translation>
    </message>
    <message>
        <source>an input comes while a box is open</source>
        <translation>eine Eingabe kommt, während ein Meldungsfenster offen ist</translation>
    </message>
    <message>
        <source>a box closes that was never opened</source>
        <translation>ein Meldungsfenster schließt sich, das nie offen war</translation>
    </message>
    <message>
        <source>inputs follow the game&apos;s end</source>
        <translation>nach dem Spielende folgen noch Eingaben</translation>
    </message>
    <message>
        <source>the recording says %1%2</source>
        <translation>die Aufzeichnung sagt %1%2</translation>
    </message>
    <message>
        <source> when the window was closed</source>
        <translation> beim Schließen des Fensters</translation>
    </message>
    <message>
        <source>it ends at %1 ms with the field in another state than recorded, at %2 ms</source>
        <translation>sie endet bei %1 ms mit einem anderen Spielfeld als aufgezeichnet, bei %2 ms</translation>
    </message>
</context>
<context>
    <name>ScoresFile</name>
    <message>
        <source>The scores file &quot;%1&quot; in %2: %3</source>
        <translation>Die Datei der Bestenliste „%1“ in %2: %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it ends before value %1</source>
        <translation>sie endet vor Wert %1</translation>
    </message>
    <message>
        <source>value %1 (&quot;%2&quot;) is not a number</source>
        <translation>Wert %1 („%2“) ist keine Zahl</translation>
    </message>
    <message>
        <source>value %1 (&quot;%2&quot;) is too long for a number</source>
        <translation>Wert %1 („%2“) ist zu lang für eine Zahl</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.<byte value="xd"/>
The default quality and keys are used instead.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2.<byte value="xd"/>
Stattdessen gelten die vorgegebene Qualität und die vorgegebenen Tasten.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>another program is saving it</source>
        <translation>ein anderes Programm speichert sie gerade</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Enemies Destroyed</source>
        <translation>Zerstörte Feinde</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Vexaroo - Press P to pause</source>
        <translation>Vexaroo - Pause mit P</translation>
    </message>
    <message>
        <source>Enemies Destroyed:</source>
        <translation>Zerstörte Feinde:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Bananas Remaining:</source>
        <translation>Bananen übrig:</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>Death come to Banana!<byte value="xd"/>
You have %1 banana(s) remaining.</source>
        <translation>Eine Banane hat’s erwischt!<byte value="xd"/>
Du hast noch %1 Banane(n).</translation>
    </message>
    <message>
        <source>Game Paused</source>
        <translation>Spiel pausiert</translation>
    </message>
    <message>
        <source>Vexaroo - Replay of %1</source>
        <translation>Vexaroo - Aufzeichnung: %1</translation>
    </message>
    <message>
        <source>Replay of %1</source>
        <translation>Spiel von %1</translation>
    </message>
    <message>
        <source>Space pauses, F faster, Esc leaves</source>
        <translation>Leertaste Pause, F schnell, Esc Ende</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>Rank%1</source>
        <translation>Rang%1</translation>
    </message>
    <message>
        <source>%1, level %2, %3 targets hit</source>
        <translation>%1, Level %2, %3 Treffer</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>kein Ergebnis</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source> Below shows a list of the top 10 high scores in order of   highest level achieved.</source>
        <translation> Die zehn besten Ergebnisse, geordnet nach dem höchsten erreichten Level.</translation>
    </message>
    <message>
        <source> Rank</source>
        <translation> Platz</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> Level</source>
        <translation> Level</translation>
    </message>
    <message>
        <source> Targets Hit</source>
        <translation> Abschüsse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Watch the game</source>
        <translation>Spiel ansehen</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <translation>%1, Level %2</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Dieses Spiel kann nicht angesehen werden: %1</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>Skip Intro</source>
        <translation>Intro überspringen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Start a game</source>
        <translation>Ein Spiel beginnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Choose the keys and the image quality</source>
        <translation>Tasten und Bildqualität wählen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>The ten best results</source>
        <translation>Die zehn besten Ergebnisse</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leave Vexaroo</source>
        <translation>Vexaroo verlassen</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Open the help text in the text editor</source>
        <translation>Den Hilfetext im Texteditor öffnen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>The sound is on; press to turn it off</source>
        <translation>Der Ton ist an; drücken schaltet ihn aus</translation>
    </message>
    <message>
        <source>The sound is off; press to turn it on</source>
        <translation>Der Ton ist aus; drücken schaltet ihn ein</translation>
    </message>
    <message>
        <source> Created by: The Vexaroo Team</source>
        <translation> Erstellt von: Das Vexaroo-Team</translation>
    </message>
    <message>
        <source> Programming: The Vexaroo Team</source>
        <translation> Programmierung: Das Vexaroo-Team</translation>
    </message>
    <message>
        <source> Art and Movies: The Vexaroo Team</source>
        <translation> Grafik und Filme: Das Vexaroo-Team</translation>
    </message>
    <message>
        <source> Version: 1.0</source>
        <translation> Version: 1.0</translation>
    </message>
    <message>
        <source> Project Name: Vexaroo</source>
        <translation> Projektname: Vexaroo</translation>
    </message>
    <message>
        <source>    Vexaroo is the most intense third           person shooter of its time. In the beginning of  the game, hazardous objects come flying at      Gorvan, slow at first, but gradually            increasing in speed as the levels progress.        Equipped with a gun, Gorvan is able to      shoot at the approaching objects and move      up, down, left and right. This game also            features a high scores screen and adjustable    control and graphics settings.</source>
        <translation>    Vexaroo ist der packendste Third-Person-Shooter seiner Zeit. Gefährliche Objekte fliegen auf Gorvan zu, erst langsam, dann mit jedem Level schneller. Mit seiner Waffe schießt Gorvan auf sie und weicht nach oben, unten, links und rechts aus. Dazu gibt es eine Bestenliste und einstellbare Steuerung und Grafik.</translation>
    </message>
    <message>
        <source> Project Description:</source>
        <translation> Projektbeschreibung:</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The help could not be opened.<byte value="xd"/>
</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmRecord</name>
    <message>
        <source>You have a high score!</source>
        <translation>Neuer Rekord!</translation>
    </message>
    <message>
        <source> You have achieved a high score! Please enter your name  to be entered into the Vexaroo hall of fame.</source>
        <translation> Neuer Rekord! Gib deinen Namen ein, um in die Ruhmeshalle von Vexaroo aufgenommen zu werden.</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Level Achieved:</source>
        <translation>Level erreicht:</translation>
    </message>
    <message>
        <source>Enemies Destroyed:</source>
        <translation>Zerstörte Feinde:</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Image Quality</source>
        <translation>Bildqualität</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Image Quality:</source>
        <translation>Bildqualität:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Set the quality of the flash images to  improve performance.</source>
        <translation> Wähle die Qualität der Animationen, um die Leistung zu verbessern.</translation>
    </message>
    <message>
        <source> Customize the controls by clicking on  the control box and then press the     key of your choice.</source>
        <translation> Klicke auf ein Tastenfeld und drücke dann die gewünschte Taste, um die Steuerung anzupassen.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Move Left:</source>
        <translation>Nach links:</translation>
    </message>
    <message>
        <source>Move Right:</source>
        <translation>Nach rechts:</translation>
    </message>
    <message>
        <source>Move Up:</source>
        <translation>Nach oben:</translation>
    </message>
    <message>
        <source>Move Down:</source>
        <translation>Nach unten:</translation>
    </message>
    <message>
        <source>Fire:</source>
        <translation>Feuer:</translation>
    </message>
</context>
<context>
    <name>sys</name>
    <message>
        <source>it ended unexpectedly</source>
        <translation>es wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>it ended with exit code %1</source>
        <translation>es endete mit dem Exit-Code %1</translation>
    </message>
    <message>
        <source>its folder&apos;s path is longer than the %1 bytes the system takes</source>
        <translation>der Pfad ihres Ordners ist länger als die %1 Bytes, die das System zulässt</translation>
    </message>
    <message>
        <source>its folder cannot be named: %1</source>
        <translation>ihr Ordner lässt sich nicht benennen: %1</translation>
    </message>
    <message>
        <source>its path is longer than the %1 bytes the system takes</source>
        <translation>ihr Pfad ist länger als die %1 Bytes, die das System zulässt</translation>
    </message>
</context>
</TS>
