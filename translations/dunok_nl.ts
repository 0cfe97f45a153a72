<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Het bestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>de map ervan kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Start Dunok in het systeemvak wanneer je je aanmeldt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Start de timer met de naam NAAM, of een nieuwe timer die DUUR loopt (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NAAM|DUUR</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Met --start DUUR: de naam van de nieuwe timer.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Met --start DUUR: de nieuwe timer in de lijst bewaren.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Stopt de timer met de naam NAAM.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Pauzeert de timer met de naam NAAM.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Hervat de gepauzeerde timer met de naam NAAM.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Met een NAAM erachter: voegt TIJD (&quot;1m&quot;, &quot;30s&quot;) toe aan de lopende of gepauzeerde timer met de naam NAAM.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>TIJD</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Stopt alle timers.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Dempt het alarm.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Toont elke timer: naam, toestand en resterende tijd, gescheiden door tabs, één per regel.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Schrijft alle timers naar BESTAND, om ze mee te nemen naar een andere computer.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Voegt de timers uit BESTAND, geschreven door --export, toe na de timers in de lijst.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Brengt het venster van Dunok naar voren.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Start met verborgen venster (in het systeemvak).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Opent de editor voor een nieuwe timer.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Aftellende timers met een naam, die bij nul afgaan.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>“%1” heeft nog %2.</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Geen sessiebus: Dunok is niet bereikbaar.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Dunok kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok is gestart, maar verscheen niet op de sessiebus.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok draait niet, dus er loopt ook geen timer.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Onverwacht argument “%1”.</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Geef slechts één van --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export en --import tegelijk.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add verwacht na de tijd de naam van een timer: “dunok --add 5m Thee”.</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>“%1” is geen hoeveelheid tijd (probeer “1m” of “30s”).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name en --save horen bij --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden en --new starten het programma; geef ze zonder andere opdrachten.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export en --import verwachten de naam van een bestand.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Afsluitstatus: 0 gedaan, 1 geen timer met die naam (of meerdere passen), 2 verkeerd gebruik,
3 Dunok was niet bereikbaar of startte niet, 4 de timer loopt al,
loopt niet of is niet gepauzeerd, 5 het bestand kon niet worden gelezen of geschreven,
of is geen exportbestand dat Dunok kan importeren.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok gaf geen antwoord: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>De timers konden niet uit de opslag worden gelezen.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Probeer “dunok --help” voor de opties.</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Afgelopen om %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok is nog aan het opstarten.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>“%1” verwijderen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>%n timer verwijderen?</numerusform>
            <numerusform>%n timers verwijderen?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Een timer loopt van een seconde tot een jaar.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>Je kunt een seconde tot 7 dagen toevoegen.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Toont de huidige maand</translation>
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
        <translation>Je voorkeuren konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok is gestart met de standaardvoorkeuren. Het onleesbare bestand, %1, kon niet worden bewaard.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok is gestart met de standaardvoorkeuren. Het onleesbare bestand is bewaard als:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Sommige voorkeuren konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Deze instellingen in %1 zijn teruggezet op hun standaardwaarden:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>“%1” is geen timer en ook geen duur zoals 90s, 1:30 of 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>“%1” gestart</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>Timer “%2” van %1 gestart</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Timer “%2” van %1 gestart</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 gepauzeerd)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln actieve timer</numerusform>
            <numerusform>%Ln actieve timers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>De schijf met je timers is vol. Maak er ruimte op en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Een ander programma gebruikt het bestand met je timers. Sluit het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Je timers zijn opgeslagen door een nieuwere versie van Dunok. Gebruik die versie; deze laat het bestand zoals het is.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Verplaats het naar een andere plek (bewaar het als je timers je iets waard zijn) en start Dunok opnieuw: het begint dan met een nieuw timerbestand.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok kan het bestand met je timers, “%1”, niet openen.</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok kan de map “%1” voor je timers niet aanmaken.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Zorg dat er geen bestand met die naam in de weg staat en dat je in de map erboven mag schrijven, en start Dunok dan opnieuw.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok mag niet schrijven in de map “%1”, waar je timers worden bewaard.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Geef jezelf schrijfrechten voor die map en start Dunok dan opnieuw.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>Het bestand met je timers, “%1”, is een koppeling naar “%2”, dat niet bestaat.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Zet het bestand waarnaar het verwijst terug, of verwijder de koppeling om met een nieuw timerbestand te beginnen; start Dunok dan opnieuw.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok kan het bestand met je timers, “%1”, niet bereiken.</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Geef jezelf het recht om de mappen op weg ernaartoe te openen en start Dunok dan opnieuw.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Waar Dunok je timers bewaart, “%1”, staat een map in plaats van een bestand.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Waar Dunok je timers bewaart, “%1”, staat iets anders dan een bestand.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok mag het bestand met je timers, “%1”, niet lezen en schrijven.</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Geef jezelf lees- en schrijfrechten voor het bestand en start Dunok dan opnieuw.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>Het bestand met je timers, “%1”, is geen timerbestand.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>Het bestand met je timers, “%1”, is beschadigd.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>Het bestand “%1” bevat gegevens van een ander programma, niet je timers.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>De details vertellen wat er misging.</translation>
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
        <translation>Fout</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Beknopte hulp bij %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>“%1” loopt niet.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>%1-timer</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>“%1” loopt al of is gepauzeerd; er is niets veranderd.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>“%1” telt niet af.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>“%1” is niet gepauzeerd.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>“%1” zou dan meer dan 7 dagen over hebben; er is niets veranderd.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>De nieuwe timer kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>De timers konden niet uit de opslag worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: nog %Ln minuut</numerusform>
            <numerusform>%1: nog %Ln minuten</numerusform>
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
        <translation>Timer %1 (“%2”)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>is geen JSON-object.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>“description” ontbreekt of is geen tekst.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>de beschrijving is langer dan %L1 tekens.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>“seconds” moet een geheel getal van 0 tot %L1 zijn (honderd jaar).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>“sound” moet de naam van een geluid zijn.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>“sound” moet de naam van een geluid zijn, geen pad.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>“snooze” moet {&quot;on&quot;: true of false, &quot;minutes&quot;: 1 tot %L1} zijn.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>“warnBefore” moet 0, 1, 2 of 5 (minuten) zijn.</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>“whenFinished” moet “then” hebben: “stop”, “repeat” of “start”.</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>“times” moet een geheel getal van 0 (tot gestopt) tot %1 zijn.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>“then”: “start” vereist de beschrijving van een timer in “timer”.</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>“index” moet de plaats van een timer in het bestand zijn, van 0 tot %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>Het bestand is %1 MB groot; een exportbestand is hoogstens %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>“%1” is %2 MB groot; een exportbestand is hoogstens %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>Dit is geen exportbestand: het is geen JSON (%1 op regel %2, kolom %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>Dit is geen exportbestand van Dunok: het “format” is niet “%1”.</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>“version” ontbreekt in het bestand of is geen geheel getal.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Een nieuwere Dunok heeft dit bestand geschreven (formaatversie %1); deze leest versie %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>“timers” ontbreekt in het bestand of is geen lijst.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>Het bestand bevat %L1 timers; Dunok importeert er hoogstens %L2 tegelijk.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>hij start “%1”, die niet in het bestand staat.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Er is geen bestand “%1”.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>“%1” is een map, geen bestand.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>“%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>“%1” kon niet worden geschreven: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>%Ln timer geïmporteerd.</numerusform>
            <numerusform>%Ln timers geïmporteerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Deze computer heeft geen geluid %1: die timers laten “%2” horen tot het is toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>%Ln timer geëxporteerd naar “%1”.</numerusform>
            <numerusform>%Ln timers geëxporteerd naar “%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Er is geen timer geïmporteerd.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minuten</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 minuten</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 minuten</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minuten</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 minuten</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 uur 15 minuten</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 uur 30 minuten</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 uur 45 minuten</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 seconden</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>Een timernaam mag geen regeleinden of andere stuurtekens bevatten.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>Een timernaam mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>“%1” past bij meer dan één timer:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Er is geen timer “%1”, en er zijn geen timers opgeslagen.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Er is geen timer “%1”. De timers zijn:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>ronde %1</translation>
    </message>
</context>
<context>
    <name>TimerModel</name>
    <message>
        <source>%1h</source>
        <translation>%1 u</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Snooze %1</source>
        <translation>Sluimeren %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>De opslag %1 kon niet worden gelezen</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Er is geen opslag geopend</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>De opslag %1 kon niet worden geschreven</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>De opslag %1 kon niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>De timer staat niet meer in de opslag %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>De opslag %1 kan niet worden onderzocht</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>De opslag %1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>De opslag %1 kan niet worden gelezen en geschreven</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>In de map %1 van de opslag %2 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>is geen database</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>is beschadigd</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>kon niet worden gelezen</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>De opslag %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>De opslag %1 is geschreven door een nieuwere versie van Dunok (opslagversie %2; deze leest tot en met %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>De opslag %1 bevat andere gegevens: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>er is geen tabel %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>tabel %1 heeft geen kolom %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>De opslag %1 kon niet worden geopend</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>De opslag %1 kon niet worden geopend (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Er is al een opslag geopend op %1, %2 wordt niet geopend</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Er is geen pad voor de opslag opgegeven</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>De map %1 voor de opslag kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>De opslag %1 kon niet worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuut</numerusform>
            <numerusform>%Ln minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Mijn geluid</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>“%1” is er niet meer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>“%1” is geen bestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>“%1” is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>“%1” is te groot voor een alarmgeluid: hoogstens %2 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>“%1” is geen geluid dat Dunok kan afspelen.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>“%1” kon niet worden gekopieerd naar %2: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Ander geluid</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Geluiden (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Meerdere timers toevoegen</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Rij toevoegen</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Rij verwijderen</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Tijden zoals 1:30, 90s, 1h 5m, 2h of 45 (seconden).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>De nieuwe timers starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Ongeldige duur.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Duur ontbreekt.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>Rij %1 heeft een duur nodig, zoals 5m of 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Rij %1: %2 is geen duur. Typ die als 1:30, 90s, 1h 5m, 2h of 45 (seconden).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Beschrijving ontbreekt.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>Rij %1 heeft een beschrijving nodig.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Geen timers om toe te voegen.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Typ in een rij een duur en een beschrijving, of klik op “Annuleren”.</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>De timers konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Er is niets toegevoegd en je rijen staan er nog. Probeer opnieuw “Opslaan”.</translation>
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
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Wijzigingen konden bij het afsluiten niet worden opgeslagen. Toch afsluiten?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Als je nu afsluit, gaan alle wijzigingen sinds de laatste geslaagde opslag verloren</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Toch afsluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok blijft draaien. Open Dunok opnieuw of voer “dunok --show” uit om het venster terug te krijgen.</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Geselecteerd</translation>
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
        <translation>Dunok tonen</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmgeluid</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Het geluid afspelen of stoppen</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Speelt het gekozen geluid af, of stopt een geluid dat speelt</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>De duur mag niet nul zijn.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>De datum moet in de toekomst liggen.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Datum en tijd om af te gaan</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Kies een dag in de kalender</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>De timer starten bij het opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Geluid:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Uren:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Seconden:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duur:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Afgaan om:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Waarschuwen voor het einde:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Als hij afloopt:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Timer bewerken</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Timer toevoegen</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Ander geluid…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Het geluid kon niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Een duur van een dag of meer stel je hieronder in met de datum en tijd.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Geluid niet gevonden.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Er is geen geluidsbestand met de naam “%1”. De timer houdt dit geluid, maar gaat geluidloos af.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Ongeldige duur.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>De duur mag niet nul zijn, en datum en tijd mogen niet in het verleden liggen.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Beschrijving ontbreekt.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Je moet een beschrijving opgeven</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Ongeldige sluimerduur.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>De timer kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Er is niets opgeslagen en wat je hebt getypt staat er nog. Probeer opnieuw “Opslaan”.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 bestaat niet op %2: de klok wordt dan vooruitgezet.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>Geen datum en tijd: typ er een zoals %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Help niet gevonden.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>De help kon niet worden gevonden.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>De help kon niet worden getoond: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>De webpagina kon niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Timer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Nieuwe timer…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>&amp;Meerdere timers toevoegen…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>Timer &amp;bewerken…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>Timers e&amp;xporteren…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>Timers &amp;importeren…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Voorkeuren…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Starten of stoppen</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Pauzeren of hervatten</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>Ver&amp;wijderen…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>&amp;Alle timers stoppen</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>Alarm d&amp;empen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Hulp bij Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Website van Dunok</translation>
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
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Alarmvolume</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Weergave van het aftellen</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Klokcijfers (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Eenheidsletters (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Het venster sluiten wanneer een timer start</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Dunok naar voren halen wanneer een timer afloopt</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Een melding sturen wanneer een timer afloopt</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Grote rijen</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Het alarm dempen wanneer de muis beweegt</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Het alarm geleidelijk luider laten worden</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Verder optellen nadat een timer is afgelopen</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Het alarm herhalen tot het gedempt wordt</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Het alarm hoogstens herhalen gedurende</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Lopende timers bewaren bij herstarten</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Dunok starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Aftellen:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>&amp;Hoogstens:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Dunok kon niet worden ingesteld om te starten wanneer je je aanmeldt.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Het starten van Dunok bij het aanmelden kon niet worden uitgeschakeld.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dunok::QuickHelp</name>
    <message>
        <source>Quick help</source>
        <translation>Beknopte hulp</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Dubbelklik op een timer om hem te starten of te stoppen.
Klik met de rechtermuisknop op een timer om hem te dupliceren, te pauzeren of te hervatten.
Een gepauzeerde timer hervat je ook door erop te dubbelklikken.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Uitgebreide hulp vind je onder “Hulp bij %1” in het menu “Help”.</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Wat er gebeurt als de timer afloopt</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Hoe vaak, 0 tot gestopt</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>tot gestopt</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Opnieuw starten</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Starten: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>De timer die deze startte is verwijderd, dus deze stopt nu wanneer hij afloopt.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Sluimeren aanbieden wanneer de timer afgaat</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Sluimerduur in minuten</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Sluimeren duurt van 1 minuut tot 1 dag (1440 minuten).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>1 minuut toevoegen</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>5 minuten toevoegen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Timer pauzeren</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 dupliceren</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Timer %1 hervatten</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Timer %1 pauzeren</translation>
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
        <source>Timer commands</source>
        <translation>Timeropdrachten</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>Gepauzeerd %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Afgelopen terwijl Dunok gesloten was, op %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Afgelopen op %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Duur: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>“%1” loopt al, dus “%2” heeft niets gestart.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>%1 start, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Nieuwe timers</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Een beschrijving</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Tijd, rij %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Beschrijving, rij %1</translation>
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
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableView</name>
    <message>
        <source>Timers</source>
        <translation>Timers</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Een nieuwe timer maken.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Meerdere timers maken.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Sorteren op eigen volgorde, naam of tijd</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Alle timers stoppen</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Dempen</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Alle actieve alarmen dempen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Meerdere toevoegen</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>De timers konden niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Ze konden niet uit de opslag worden gelezen.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>“%1” kon niet worden geïmporteerd.</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Exportbestanden (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Timers exporteren</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Dunok-timers.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Timers importeren</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Dunok tonen</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Dunok afsluiten</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Een timer</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — gepauzeerd, nog %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — nog %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Goede reden</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>De nieuwe volgorde kon niet worden bewaard.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>De timers staan weer in hun oude volgorde.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>De timer kon niet worden gedupliceerd.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Er is niets aan de lijst toegevoegd.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Niet alle timers konden worden verwijderd.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>De timers die nog in de lijst staan, zijn nog steeds opgeslagen.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Aantal minuten voor het einde om te waarschuwen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
</TS>
