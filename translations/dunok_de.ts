<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Startet Dunok beim Anmelden im Infobereich</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Startet den Timer namens NAME oder einen neuen Timer, der DAUER lang läuft (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NAME|DAUER</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Mit --start DAUER: der Name des neuen Timers.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Mit --start DAUER: den neuen Timer in der Liste behalten.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Hält den Timer namens NAME an.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Pausiert den Timer namens NAME.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Setzt den pausierten Timer namens NAME fort.</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Hält alle Timer an.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Bringt den Alarm zum Schweigen.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Gibt jeden Timer aus: Name, Zustand und Restzeit, durch Tabulatoren getrennt, einer je Zeile.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Holt das Fenster von Dunok nach vorn.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Startet mit verborgenem Fenster (im Infobereich).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Öffnet den Editor für einen neuen Timer.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Benannte Countdown-Timer, die bei null klingeln.</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Kein Sitzungsbus: Dunok ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Dunok konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok wurde gestartet, erschien aber nicht auf dem Sitzungsbus.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok läuft nicht, also läuft auch kein Timer.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name und --save gehören zu --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden und --new starten das Programm; geben Sie sie ohne andere Befehle an.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Die Optionen zeigt „dunok --help“.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Mit einem NAME dahinter: Gibt dem laufenden oder pausierten Timer namens NAME ZEIT (&quot;1m&quot;, &quot;30s&quot;) dazu.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>„%1“ hat noch %2.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add braucht nach der Zeit den Namen eines Timers: „dunok --add 5m Tee“.</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>„%1“ ist keine Zeitangabe (etwa „1m“ oder „30s“).</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Schreibt alle Timer in DATEI, um sie auf einen anderen Computer mitzunehmen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Fügt die Timer aus DATEI, geschrieben von --export, hinter den vorhandenen an.</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Geben Sie nur eines von --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export und --import auf einmal an.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export und --import brauchen den Namen einer Datei.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>Die Timer ließen sich nicht aus dem Speicher lesen.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Rückgabewert: 0 erledigt, 1 kein solcher Timer (oder mehrere passen), 2 falscher Aufruf,
3 Dunok war nicht erreichbar oder startete nicht, 4 der Timer läuft schon,
läuft nicht oder ist nicht pausiert, 5 die Datei ließ sich nicht lesen oder schreiben
oder ist keine Exportdatei, die Dunok importieren kann.
</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Abgelaufen um %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok startet noch.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>%n Timer löschen?</numerusform>
            <numerusform>%n Timer löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Ein Timer läuft eine Sekunde bis ein Jahr.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>Dazugeben lässt sich eine Sekunde bis 7 Tage.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Zeigt den aktuellen Monat</translation>
    </message>
</context>
<context>
    <name>PreferenceTroubleAlert</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your preferences could not be read.</source>
        <translation>Ihre Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok wurde mit den Standardeinstellungen gestartet. Die nicht lesbare Datei %1 konnte nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok wurde mit den Standardeinstellungen gestartet. Die nicht lesbare Datei wurde aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Einige Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Diese Einstellungen in %1 wurden auf ihre Standardwerte zurückgesetzt:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>„%1“ ist weder ein Timer noch eine Dauer wie 90s, 1:30 oder 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>„%1“ gestartet</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n-Tage</numerusform>
            <numerusform>%n-Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n-Stunden</numerusform>
            <numerusform>%n-Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n-Minuten</numerusform>
            <numerusform>%n-Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n-Sekunden</numerusform>
            <numerusform>%n-Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>%1-Timer „%2“ gestartet</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>%1-Timer „%2“ gestartet</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 pausiert)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln aktiver Timer</numerusform>
            <numerusform>%Ln aktive Timer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>Der Datenträger mit Ihren Timern ist voll. Schaffen Sie dort Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Ein anderes Programm verwendet die Datei mit Ihren Timern. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Ihre Timer wurden von einer neueren Version von Dunok gespeichert. Verwenden Sie diese Version; diese hier lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Verschieben Sie sie an einen anderen Ort (behalten Sie sie, wenn Ihnen Ihre Timer wichtig sind) und starten Sie Dunok erneut: Es beginnt dann mit einer neuen Timer-Datei.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok kann die Datei mit Ihren Timern, „%1“, nicht öffnen.</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok kann den Ordner „%1“ für Ihre Timer nicht anlegen.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Stellen Sie sicher, dass keine Datei dieses Namens im Weg ist und Sie im Ordner darüber schreiben dürfen, und starten Sie Dunok erneut.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok darf nicht in den Ordner „%1“ schreiben, in dem Ihre Timer liegen.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Geben Sie sich Schreibrechte für diesen Ordner und starten Sie Dunok erneut.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>Die Datei mit Ihren Timern, „%1“, ist eine Verknüpfung auf „%2“, das es nicht gibt.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Stellen Sie die Datei wieder her, auf die sie zeigt, oder entfernen Sie die Verknüpfung, um mit einer neuen Timer-Datei zu beginnen; starten Sie dann Dunok erneut.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok kann die Datei mit Ihren Timern, „%1“, nicht erreichen.</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Geben Sie sich das Recht, die Ordner auf dem Weg dorthin zu öffnen, und starten Sie Dunok erneut.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Wo Dunok Ihre Timer aufbewahrt, „%1“, ist ein Ordner statt einer Datei.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Wo Dunok Ihre Timer aufbewahrt, „%1“, ist etwas anderes als eine Datei.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok darf die Datei mit Ihren Timern, „%1“, nicht lesen und schreiben.</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Geben Sie sich Lese- und Schreibrechte für sie und starten Sie Dunok erneut.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>Die Datei mit Ihren Timern, „%1“, ist keine Timer-Datei.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>Die Datei mit Ihren Timern, „%1“, ist beschädigt.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>Die Datei „%1“ enthält Daten eines anderen Programms, nicht Ihre Timer.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>Die Details sagen, was schiefging.</translation>
    </message>
</context>
<context>
    <name>SupMisc</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>%1-Kurzhilfe</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>%1 timer</source>
        <translation>%1-Timer</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>„%1“ läuft schon oder ist pausiert; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>“%1” is not running.</source>
        <translation>„%1“ läuft nicht.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>„%1“ zählt nicht herunter.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>„%1“ ist nicht pausiert.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>Der neue Timer konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>„%1“ hätte dann mehr als 7 Tage übrig; nichts geändert.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>Die Timer ließen sich nicht aus dem Speicher lesen: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: noch %Ln Minute</numerusform>
            <numerusform>%1: noch %Ln Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timer %1 (“%2”)</source>
        <translation>Timer %1 („%2“)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>„description“ fehlt oder ist kein Text.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>die Beschreibung ist länger als %L1 Zeichen.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>„seconds“ muss eine ganze Zahl von 0 bis %L1 (hundert Jahre) sein.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>„sound“ muss der Name eines Klangs sein.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>„sound“ muss der Name eines Klangs sein, kein Pfad.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>„snooze“ muss {&quot;on&quot;: true oder false, &quot;minutes&quot;: 1 bis %L1} sein.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>„warnBefore“ muss 0, 1, 2 oder 5 (Minuten) sein.</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>„whenFinished“ muss „then“ haben: „stop“, „repeat“ oder „start“.</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>„times“ muss eine ganze Zahl von 0 (bis gestoppt) bis %1 sein.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>„then“: „start“ braucht in „timer“ die Beschreibung eines Timers.</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>„index“ muss die Stelle eines Timers in der Datei sein, von 0 bis %L1.</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>Die „version“ der Datei fehlt oder ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Ein neueres Dunok hat diese Datei geschrieben (Formatversion %1); dieses liest Version %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>„timers“ fehlt in der Datei oder ist keine Liste.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>Die Datei enthält %L1 Timer; Dunok importiert höchstens %L2 auf einmal.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Es gibt keine Datei „%1“.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>„%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>%Ln Timer importiert.</numerusform>
            <numerusform>%Ln Timer importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Dieser Computer hat keinen Klang %1: Diese Timer klingeln mit „%2“, bis er hinzugefügt wird.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>er startet „%1“, der nicht in der Datei steht.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>Die Datei ist %1 MB groß; eine Exportdatei hat höchstens %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>„%1“ ist %2 MB groß; eine Exportdatei hat höchstens %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>Das ist keine Exportdatei: Sie ist kein JSON (%1 in Zeile %2, Spalte %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>Das ist keine Exportdatei von Dunok: Ihr „format“ ist nicht „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>%Ln Timer nach „%1“ exportiert.</numerusform>
            <numerusform>%Ln Timer nach „%1“ exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Es wurde kein Timer importiert.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 Minuten</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 Minuten</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 Minuten</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 Minuten</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 Stunde 15 Minuten</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 Stunde 30 Minuten</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 Stunde 45 Minuten</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>„%1“ passt auf mehr als einen Timer:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Es gibt keinen Timer „%1“, und es sind keine Timer gespeichert.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Es gibt keinen Timer „%1“. Die Timer sind:</translation>
    </message>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>Ein Timername darf keine Zeilenumbrüche oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>Ein Timername darf nicht leer sein.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>Runde %1</translation>
    </message>
</context>
<context>
    <name>TimerModel</name>
    <message>
        <source>%1h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Snooze %1</source>
        <translation>Schlummern %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>Der Datenspeicher %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>Der Datenspeicher %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>Der Datenspeicher %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>Der Datenspeicher %1 kann nicht geprüft werden</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>Der Datenspeicher %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>Der Datenspeicher %1 kann nicht gelesen und geschrieben werden</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>In den Ordner %1 des Datenspeichers %2 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>ist keine Datenbank</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>Der Datenspeicher %1 %2</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>Der Datenspeicher %1 enthält andere Daten: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>ihm fehlt die Tabelle %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>der Tabelle %1 fehlt die Spalte %2</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Unter %1 ist bereits ein Datenspeicher geöffnet, %2 wird nicht geöffnet</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Für den Datenspeicher wurde kein Pfad angegeben</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>Der Ordner %1 für den Datenspeicher konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>Der Datenspeicher %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>Der Datenspeicher %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>Der Datenspeicher %1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Es ist kein Datenspeicher geöffnet</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>Der Speicher %1 wurde von einer neueren Version von Dunok geschrieben (Speicherversion %2; diese liest bis %3)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>Der Timer ist nicht mehr im Datenspeicher %1</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln Minute</numerusform>
            <numerusform>%Ln Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Mein Klang</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>„%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>„%1“ ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>„%1“ ist zu groß für einen Alarmklang: höchstens %2 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>„%1“ ist kein Klang, den Dunok abspielen kann.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>„%1“ konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Anderer Klang</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Klänge (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Mehrere Timer anlegen</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Zeiten wie 1:30, 90s, 1h 5m, 2h oder 45 (Sekunden).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Die neuen Timer starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Ungültige Dauer.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Dauer fehlt.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>Zeile %1 braucht eine Dauer, etwa 5m oder 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Zeile %1: %2 ist keine Dauer. Geben Sie sie als 1:30, 90s, 1h 5m, 2h oder 45 (Sekunden) ein.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Beschreibung fehlt.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>Zeile %1 braucht eine Beschreibung.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Keine Timer zum Anlegen.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Geben Sie in einer Zeile eine Dauer und eine Beschreibung ein, oder klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>Die Timer konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Es wurde nichts angelegt, Ihre Zeilen sind noch da. Versuchen Sie es noch einmal mit „Speichern“.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>dunok::AppDelegate</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Die Änderungen konnten beim Beenden nicht gespeichert werden. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Wenn Sie jetzt beenden, gehen alle Änderungen seit dem letzten erfolgreichen Speichern verloren</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok läuft weiter. Um das Fenster zurückzuholen, starten Sie Dunok erneut oder führen Sie „dunok --show“ aus.</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarPopover</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>dunok::DesktopNotifications</name>
    <message>
        <source>Show Dunok</source>
        <translation>Dunok anzeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 Min.</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmton</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Ton abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Spielt den gewählten Ton ab oder hält einen laufenden Ton an</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>Die Dauer darf nicht null sein.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Datum und Uhrzeit zum Klingeln</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Einen Tag im Kalender wählen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Den Timer beim Speichern starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Sekunden:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Klingeln am:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Timer bearbeiten</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Timer anlegen</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Eine Dauer von einem Tag oder mehr wird unten mit Datum und Uhrzeit eingestellt.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Ton nicht gefunden.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Es gibt keine Tondatei namens „%1“. Der Timer behält diesen Ton, klingelt aber lautlos.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Ungültige Dauer.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>Die Dauer darf nicht null sein, und Datum und Uhrzeit dürfen nicht in der Vergangenheit liegen.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Beschreibung fehlt.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Sie müssen eine Beschreibung angeben</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>Der Timer konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Es wurde nichts gespeichert, und Ihre Eingaben sind noch da. Versuchen Sie erneut zu speichern.</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Ungültige Schlummerdauer.</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Anderer Klang…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Der Klang konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>Das Datum muss in der Zukunft liegen.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 gibt es am %2 nicht: Die Uhren werden dann vorgestellt.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>Kein Datum mit Uhrzeit: Geben Sie eines wie %1 ein.</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Vor dem Ende warnen:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Wenn er abgelaufen ist:</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Hilfe nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>Die Hilfe konnte nicht gefunden werden.</translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>Die Webseite konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>Die Hilfe konnte nicht angezeigt werden: </translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Neuer Timer …</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>&amp;Mehrere Timer anlegen …</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>Timer be&amp;arbeiten …</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Timer</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Starten oder Stoppen</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Pausieren oder Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Löschen …</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>&amp;Alle Timer stoppen</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>Alarm stu&amp;mmschalten</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Dunok-Hilfe</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Dunok-Website</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>Timer e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>Timer &amp;importieren…</translation>
    </message>
</context>
<context>
    <name>dunok::MonthCalendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>dunok::PrefsController</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Alarmlautstärke</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Format des Countdowns</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Uhrformat (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Einheiten (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Fenster schließen, wenn ein Timer startet</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Dunok in den Vordergrund holen, wenn ein Timer abläuft</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Benachrichtigung senden, wenn ein Timer abläuft</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Große Zeilen</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Alarm stummschalten, wenn die Maus bewegt wird</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Countdown:</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Alarm wiederholen, bis er stummgeschaltet wird</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Alarm höchstens so lange wiederholen</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>&amp;Höchstens:</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Laufende Timer über Neustarts hinweg behalten</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Dunok beim Anmelden starten</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Dunok konnte nicht so eingestellt werden, dass es beim Anmelden startet.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Dunok konnte nicht davon abgehalten werden, beim Anmelden zu starten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Alarm langsam lauter werden lassen</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Nach dem Ablauf eines Timers weiterzählen</translation>
    </message>
</context>
<context>
    <name>dunok::QuickHelp</name>
    <message>
        <source>Quick help</source>
        <translation>Kurzhilfe</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Doppelklicken Sie auf einen Timer, um ihn zu starten oder zu stoppen.
Klicken Sie mit der rechten Maustaste auf einen Timer, um ihn zu duplizieren, zu pausieren oder fortzusetzen.
Einen pausierten Timer setzen Sie auch mit einem Doppelklick fort.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Ausführliche Hilfe finden Sie unter „%1-Hilfe“ im Menü „Hilfe“.</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Was geschieht, wenn der Timer abgelaufen ist</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Wie oft, 0 bis er gestoppt wird</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>bis gestoppt</translation>
    </message>
    <message>
        <source>times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Starten: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>Der Timer, den dieser startete, wurde gelöscht; dieser hält daher an, wenn er abgelaufen ist.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Beim Klingeln Schlummern anbieten</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Schlummerdauer in Minuten</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Schlummern dauert 1 Minute bis 1 Tag (1440 Minuten).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Timer commands</source>
        <translation>Timer-Befehle</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Timer pausieren</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Timer %1 fortsetzen</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Timer %1 pausieren</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>Timer %1 &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>Timer %1 &amp;starten</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>1 Minute dazugeben</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>5 Minuten dazugeben</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>Pausiert %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Abgelaufen am %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Abgelaufen, während Dunok geschlossen war: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>„%1“ läuft schon, daher hat „%2“ nichts gestartet.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>%1 beginnt, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Neue Timer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Eine Beschreibung</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Zeit, Zeile %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Beschreibung, Zeile %1</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableModel</name>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableView</name>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Mehrere anlegen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Einen neuen Timer anlegen.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Mehrere Timer anlegen.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Nach eigener Reihenfolge, Name oder Zeit sortieren</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Alle Timer stoppen</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Alle klingelnden Alarme stummschalten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>Die Timer konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Sie ließen sich nicht aus dem Speicher lesen.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>„%1“ konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Timer exportieren</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Dunok-Timer.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Timer importieren</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Exportdateien (*.json)</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Dunok anzeigen</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Dunok beenden</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Ein Timer</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — pausiert, noch %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — noch %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Guter Grund</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>Die neue Reihenfolge konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>Die Timer stehen wieder in ihrer alten Reihenfolge.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>Der Timer konnte nicht dupliziert werden.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Der Liste wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Nicht alle Timer konnten gelöscht werden.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>Die Timer, die noch in der Liste stehen, sind weiterhin gespeichert.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Minuten vor dem Ende, zu denen gewarnt wird</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
</TS>
