<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Uruchamia Dunok w zasobniku systemowym po zalogowaniu</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Uruchamia minutnik o nazwie NAZWA albo nowy minutnik odliczający DŁUGOŚĆ (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NAZWA|DŁUGOŚĆ</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Z --start DŁUGOŚĆ: nazwa nowego minutnika.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Z --start DŁUGOŚĆ: zachowuje nowy minutnik na liście.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Zatrzymuje minutnik o nazwie NAZWA.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Wstrzymuje minutnik o nazwie NAZWA.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Wznawia wstrzymany minutnik o nazwie NAZWA.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Z następującym po nim argumentem NAZWA: dodaje CZAS (&quot;1m&quot;, &quot;30s&quot;) do działającego lub wstrzymanego minutnika o nazwie NAZWA.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>CZAS</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Zatrzymuje wszystkie minutniki.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Wycisza alarm.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Wypisuje wszystkie minutniki: nazwę, stan i pozostały czas, rozdzielone tabulatorami, po jednym w wierszu.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Zapisuje wszystkie minutniki do pliku PLIK, aby można je było przenieść na inny komputer.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Dodaje minutniki z pliku PLIK, zapisanego przez --export, za tymi, które są już na liście.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Wysuwa okno programu Dunok na wierzch.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Uruchamia program z ukrytym oknem (w zasobniku systemowym).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Otwiera edytor nowego minutnika.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Nazwane minutniki, które dzwonią po dojściu do zera.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>„%1”: pozostało %2.</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Brak magistrali sesji: nie można połączyć się z programem Dunok.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Nie można uruchomić programu Dunok: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok został uruchomiony, ale nie pojawił się na magistrali sesji.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok nie działa, więc żaden minutnik nie odlicza.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Podaj naraz tylko jedną z opcji --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export i --import.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add wymaga podania nazwy minutnika po czasie: „dunok --add 5m Herbata”.</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>„%1” nie jest określeniem czasu (spróbuj „1m” lub „30s”).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name i --save działają tylko razem z --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden i --new uruchamiają program; podaj je bez innych poleceń.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export i --import wymagają podania nazwy pliku.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Kod wyjścia: 0 wykonano, 1 nie ma takiego minutnika (lub pasuje kilka), 2 błędne użycie,
3 nie można połączyć się z programem Dunok ani go uruchomić, 4 minutnik już odlicza,
nie odlicza lub nie jest wstrzymany, 5 nie można odczytać ani zapisać pliku albo
nie jest to plik eksportu, który Dunok umie zaimportować.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok nie odpowiedział: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>Nie można odczytać minutników z magazynu danych.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Opcje wyświetla „dunok --help”.</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Zakończony o %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok jeszcze się uruchamia.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>Usunąć „%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>Usunąć %n minutnik?</numerusform>
            <numerusform>Usunąć %n minutniki?</numerusform>
            <numerusform>Usunąć %n minutników?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Minutnik może odliczać od sekundy do roku.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>Można dodać od sekundy do 7 dni.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własna</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Pokazuje bieżący miesiąc</translation>
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
        <translation>Nie można odczytać twoich preferencji.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok uruchomił się z domyślnymi preferencjami. Nie udało się zachować nieczytelnego pliku %1.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok uruchomił się z domyślnymi preferencjami. Nieczytelny plik zachowano jako:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Nie można odczytać niektórych preferencji.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Te ustawienia w %1 przywrócono do wartości domyślnych:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>„%1” nie jest ani minutnikiem, ani czasem trwania w rodzaju 90s, 1:30 czy 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>Uruchomiono „%1”</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n-dniowy</numerusform>
            <numerusform>%n-dniowy</numerusform>
            <numerusform>%n-dniowy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n-godzinny</numerusform>
            <numerusform>%n-godzinny</numerusform>
            <numerusform>%n-godzinny</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n-minutowy</numerusform>
            <numerusform>%n-minutowy</numerusform>
            <numerusform>%n-minutowy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n-sekundowy</numerusform>
            <numerusform>%n-sekundowy</numerusform>
            <numerusform>%n-sekundowy</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>Uruchomiono %1 minutnik „%2”</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Uruchomiono %1 minutnik „%2”</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(wstrzymane: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln aktywny minutnik</numerusform>
            <numerusform>%Ln aktywne minutniki</numerusform>
            <numerusform>%Ln aktywnych minutników</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>Dysk, na którym są zapisane twoje minutniki, jest pełny. Zwolnij na nim miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Inny program używa pliku z twoimi minutnikami. Zamknij go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Twoje minutniki zapisała nowsza wersja programu Dunok. Użyj tamtej wersji; ta pozostawia plik bez zmian.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Przenieś go w inne miejsce (zachowaj go, jeśli zależy ci na minutnikach), a potem uruchom Dunok ponownie: zacznie od nowego pliku minutników.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok nie może otworzyć pliku z twoimi minutnikami, „%1”.</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok nie może utworzyć folderu „%1” na twoje minutniki.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Upewnij się, że nie przeszkadza plik o tej nazwie i że masz prawo zapisu w folderze nadrzędnym, a potem uruchom Dunok ponownie.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok nie ma prawa zapisu w folderze „%1”, w którym są przechowywane twoje minutniki.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Nadaj sobie prawo zapisu w tym folderze, a potem uruchom Dunok ponownie.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>Plik z twoimi minutnikami, „%1”, jest dowiązaniem do „%2”, który nie istnieje.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Przywróć plik, na który wskazuje, albo usuń dowiązanie, aby zacząć od nowego pliku minutników; potem uruchom Dunok ponownie.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok nie może dotrzeć do pliku z twoimi minutnikami, „%1”.</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Nadaj sobie prawo otwierania folderów na drodze do niego, a potem uruchom Dunok ponownie.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Tam, gdzie Dunok przechowuje twoje minutniki, „%1”, jest folder zamiast pliku.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Tam, gdzie Dunok przechowuje twoje minutniki, „%1”, jest coś innego niż plik.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok nie ma prawa odczytu i zapisu pliku z twoimi minutnikami, „%1”.</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Nadaj sobie prawo odczytu i zapisu tego pliku, a potem uruchom Dunok ponownie.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>Plik z twoimi minutnikami, „%1”, nie jest plikiem minutników.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>Plik z twoimi minutnikami, „%1”, jest uszkodzony.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>Plik „%1” zawiera dane innego programu, a nie twoje minutniki.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>Szczegóły mówią, co poszło nie tak.</translation>
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
        <translation>Błąd</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Szybka pomoc programu %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>„%1” nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>Minutnik %1</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>„%1” już odlicza lub jest wstrzymany; nic nie zmieniono.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>„%1” nie odlicza czasu.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>„%1” nie jest wstrzymany.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>„%1” miałby wtedy ponad 7 dni do końca; nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>Nie można zapisać nowego minutnika.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>Nie można odczytać minutników z magazynu danych: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: została %Ln minuta</numerusform>
            <numerusform>%1: zostały %Ln minuty</numerusform>
            <numerusform>%1: zostało %Ln minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>Timer %1</source>
        <translation>Minutnik %1</translation>
    </message>
    <message>
        <source>Timer %1 (“%2”)</source>
        <translation>Minutnik %1 („%2”)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>nie jest obiektem JSON.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>brak pola „description” lub nie jest ono tekstem.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>opis jest dłuższy niż %L1 znaków.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>„seconds” musi być liczbą całkowitą od 0 do %L1 (sto lat).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>„sound” musi być nazwą dźwięku.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>„sound” musi być nazwą dźwięku, a nie ścieżką.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>„snooze” musi mieć postać {&quot;on&quot;: true lub false, &quot;minutes&quot;: od 1 do %L1}.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>„warnBefore” musi wynosić 0, 1, 2 lub 5 (minut).</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>„whenFinished” musi mieć „then”: „stop”, „repeat” lub „start”.</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>„times” musi być liczbą całkowitą od 0 (do zatrzymania) do %1.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>„then”: „start” wymaga opisu minutnika w „timer”.</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>„index” musi być pozycją minutnika w pliku, od 0 do %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>Plik ma %1 MB; plik eksportu może mieć najwyżej %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>„%1” ma %2 MB; plik eksportu może mieć najwyżej %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>To nie jest plik eksportu: to nie jest JSON (%1 w wierszu %2, kolumna %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>To nie jest plik eksportu programu Dunok: jego „format” to nie „%1”.</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>W pliku brak pola „version” lub nie jest ono liczbą całkowitą.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Ten plik zapisała nowsza wersja programu Dunok (wersja formatu %1); ta odczytuje wersję %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>W pliku brak pola „timers” lub nie jest ono listą.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>Liczba minutników w pliku: %L1; Dunok importuje naraz najwyżej %L2.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>uruchamia „%1”, którego nie ma w pliku.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Nie ma pliku „%1”.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>„%1” jest folderem, a nie plikiem.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>Zaimportowano %Ln minutnik.</numerusform>
            <numerusform>Zaimportowano %Ln minutniki.</numerusform>
            <numerusform>Zaimportowano %Ln minutników.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Na tym komputerze nie ma dźwięku %1: te minutniki dzwonią dźwiękiem „%2”, dopóki go nie dodasz.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>Wyeksportowano %Ln minutnik do „%1”.</numerusform>
            <numerusform>Wyeksportowano %Ln minutniki do „%1”.</numerusform>
            <numerusform>Wyeksportowano %Ln minutników do „%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Nie zaimportowano żadnego minutnika.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuty</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minut</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minut</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 minut</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 minut</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 minut</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minut</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 minut</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 minut</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 godzina 15 minut</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 godzina 30 minut</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 godzina 45 minut</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 sekund</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>Nazwa minutnika nie może zawierać podziałów wiersza ani innych znaków sterujących.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>Nazwa minutnika nie może być pusta.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>„%1” pasuje do więcej niż jednego minutnika:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Nie ma minutnika „%1” i nie zapisano żadnych minutników.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Nie ma minutnika „%1”. Dostępne minutniki:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>runda %1</translation>
    </message>
</context>
<context>
    <name>TimerModel</name>
    <message>
        <source>%1h</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Snooze %1</source>
        <translation>Drzemka %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>Nie można odczytać magazynu danych %1</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Żaden magazyn danych nie jest otwarty</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>Nie można zapisać magazynu danych %1</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>Nie można zapisać magazynu danych %1 (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>Minutnika nie ma już w magazynie danych %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>Nie można sprawdzić magazynu danych %1</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>Magazyn danych %1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>Nie można odczytywać i zapisywać magazynu danych %1</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>Nie można zapisywać w folderze %1 magazynu danych %2</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>nie jest bazą danych</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>nie dał się odczytać</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>Magazyn danych %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>Magazyn danych %1 zapisała nowsza wersja programu Dunok (wersja magazynu %2; ta odczytuje do %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>Magazyn danych %1 zawiera inne dane: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>nie ma w nim tabeli %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>tabela %1 nie ma kolumny %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>Nie można otworzyć magazynu danych %1</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>Nie można otworzyć magazynu danych %1 (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Magazyn danych %1 jest już otwarty, więc %2 nie zostanie otwarty</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Nie podano ścieżki magazynu danych</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>Nie można utworzyć folderu %1 magazynu danych</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>Nie można utworzyć magazynu danych %1</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuta</numerusform>
            <numerusform>%Ln minuty</numerusform>
            <numerusform>%Ln minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Mój dźwięk</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>„%1” już nie istnieje.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1” nie jest plikiem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>„%1” jest pusty.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>„%1” jest za duży na dźwięk alarmu: najwyżej %2 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>„%1” nie jest dźwiękiem, który Dunok umie odtworzyć.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>Nie można skopiować „%1” do %2: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Inny dźwięk</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Dźwięki (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Dodaj wiele minutników</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Dodaj wiersz</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Usuń wiersz</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Czasy takie jak 1:30, 90s, 1h 5m, 2h lub 45 (sekund).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Uruchom nowe minutniki</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Nieprawidłowy czas trwania.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Brak czasu trwania.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>Wiersz %1 wymaga czasu trwania, np. 5m lub 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Wiersz %1: %2 nie jest czasem trwania. Wpisz go jako 1:30, 90s, 1h 5m, 2h lub 45 (sekund).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Brak opisu.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>Wiersz %1 wymaga opisu.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Brak minutników do dodania.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Wpisz w wierszu czas trwania i opis albo kliknij „Anuluj”.</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>Nie można zapisać minutników.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Nic nie dodano, a twoje wiersze nadal tu są. Spróbuj ponownie kliknąć „Zapisz”.</translation>
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
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Nie można zapisać zmian podczas zamykania. Zakończyć mimo to?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Zakończenie teraz spowoduje utratę wszystkich zmian wprowadzonych od ostatniego udanego zapisu</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Zakończ mimo to</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok działa dalej. Aby przywrócić jego okno, uruchom Dunok ponownie albo wykonaj „dunok --show”.</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Zaznaczony</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarPopover</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
</context>
<context>
    <name>dunok::DesktopNotifications</name>
    <message>
        <source>Show Dunok</source>
        <translation>Pokaż Dunok</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Dźwięk alarmu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Odtwórz lub zatrzymaj dźwięk</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Odtwarza wybrany dźwięk lub zatrzymuje odtwarzany</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>Czas trwania nie może być zerowy.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>Data musi być w przyszłości.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Data i godzina dzwonka</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Wybierz dzień z kalendarza</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Uruchom minutnik po zapisaniu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Dźwięk:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Godziny:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuty:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Sekundy:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Dzwoń o:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Ostrzeż przed końcem:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Po zakończeniu:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Edytuj minutnik</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Dodaj minutnik</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Inny dźwięk…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Nie można dodać dźwięku.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Czas trwania wynoszący dzień lub więcej ustawia się poniżej, podając datę i godzinę.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Nie znaleziono dźwięku.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Nie ma pliku dźwiękowego o nazwie „%1”. Minutnik zachowa ten dźwięk, ale zadzwoni bezgłośnie.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Nieprawidłowy czas trwania.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>Czas trwania nie może być zerowy, a data i godzina nie mogą być w przeszłości.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Brak opisu.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Musisz podać opis</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Nieprawidłowa długość drzemki.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>Nie można zapisać minutnika.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Nic nie zapisano, a wpisane dane nadal tu są. Spróbuj ponownie kliknąć „Zapisz”.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>Godzina %1 nie istnieje w dniu %2: zegary są wtedy przestawiane do przodu.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>To nie jest data z godziną: wpisz ją na przykład jako %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Nie znaleziono pomocy.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>Nie można odnaleźć pomocy.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>Nie można wyświetlić pomocy: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>Nie można otworzyć strony internetowej.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Minutnik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Nowy minutnik…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>Dodaj &amp;wiele minutników…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>&amp;Edytuj minutnik…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>E&amp;ksportuj minutniki…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>&amp;Importuj minutniki…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencje…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Uruchom lub zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Wstrzymaj lub wznów</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplikuj</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>U&amp;suń…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>Z&amp;atrzymaj wszystkie minutniki</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>Wy&amp;cisz alarm</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Pomoc programu Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Witryna programu Dunok</translation>
    </message>
</context>
<context>
    <name>dunok::MonthCalendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
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
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Głośność alarmu</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Format odliczania</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Cyfry zegara (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Litery jednostek (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Zamykaj okno po uruchomieniu minutnika</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Wysuwaj Dunok na wierzch po zakończeniu minutnika</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Wysyłaj powiadomienie po zakończeniu minutnika</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Duże wiersze</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Wyciszaj alarm po poruszeniu myszą</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Stopniowo zwiększaj głośność alarmu</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Licz dalej po zakończeniu minutnika</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Powtarzaj alarm do wyciszenia</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Powtarzaj alarm najwyżej przez</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minutę</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minut</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Zachowuj działające minutniki po ponownym uruchomieniu</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Uruchamiaj Dunok po zalogowaniu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Głośność:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Odliczanie:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>&amp;Najwyżej przez:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Nie można ustawić uruchamiania programu Dunok po zalogowaniu.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Nie można wyłączyć uruchamiania programu Dunok po zalogowaniu.</translation>
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
        <translation>Szybka pomoc</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Kliknij dwukrotnie minutnik, aby go uruchomić lub zatrzymać.
Kliknij minutnik prawym przyciskiem myszy, aby go zduplikować, wstrzymać lub wznowić.
Wstrzymany minutnik wznowisz też, klikając go dwukrotnie.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Pełną pomoc znajdziesz w pozycji „Pomoc programu %1” w menu „Pomoc”.</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Co się dzieje po zakończeniu minutnika</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Ile razy, 0 do zatrzymania</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>do zatrzymania</translation>
    </message>
    <message>
        <source>times</source>
        <translation>razy</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Uruchom: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>Minutnik, który ten uruchamiał, został usunięty, więc teraz po zakończeniu ten się zatrzymuje.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Proponuj drzemkę, gdy minutnik dzwoni</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Długość drzemki w minutach</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Drzemka trwa od 1 minuty do 1 dnia (1440 minut).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>Dodaj 1 minutę</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>Dodaj 5 minut</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikuj</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Wstrzymaj minutnik</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplikuj %1</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Wznów minutnik %1</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Wstrzymaj minutnik %1</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>&amp;Zatrzymaj minutnik %1</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>&amp;Uruchom minutnik %1</translation>
    </message>
    <message>
        <source>Timer commands</source>
        <translation>Polecenia minutnika</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>Wstrzymany %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Zakończył się, gdy Dunok był zamknięty: %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Zakończony: %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Czas trwania: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>„%1” już odlicza, więc „%2” niczego nie uruchomił.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>Start: %1, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Nowe minutniki</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Jakiś opis</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Czas, wiersz %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Opis, wiersz %1</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableModel</name>
    <message>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableView</name>
    <message>
        <source>Timers</source>
        <translation>Minutniki</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Utwórz nowy minutnik.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Utwórz wiele minutników.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Sortuj według własnej kolejności, nazwy lub czasu</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Zatrzymaj wszystkie minutniki</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Wycisz wszystkie dzwoniące alarmy</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Dodaj wiele</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>Nie można wyeksportować minutników.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Nie można ich odczytać z magazynu danych.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>Nie można zaimportować „%1”.</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Pliki eksportu (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Eksportuj minutniki</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Minutniki Dunok.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Importuj minutniki</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Pokaż Dunok</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Zakończ Dunok</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — wstrzymany, pozostało %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — pozostało %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n kolejny</numerusform>
            <numerusform>i %n kolejne</numerusform>
            <numerusform>i %n kolejnych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Ważny powód</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>Nie można zachować nowej kolejności.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>Minutniki są znowu w dawnej kolejności.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>Nie można zduplikować minutnika.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Nic nie dodano do listy.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Nie można usunąć wszystkich minutników.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>Minutniki, które są jeszcze na liście, nadal są zapisane.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Ile minut przed końcem ostrzec</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
</context>
</TS>
