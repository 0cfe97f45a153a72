<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>non è stato possibile crearne la cartella</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Avvia Dunok nell&apos;area di notifica all&apos;accesso</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Avvia il timer chiamato NOME, oppure un nuovo timer che dura DURATA (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NOME|DURATA</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Con --start DURATA: il nome del nuovo timer.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Con --start DURATA: conserva il nuovo timer nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Ferma il timer chiamato NOME.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Mette in pausa il timer chiamato NOME.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Riprende il timer in pausa chiamato NOME.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Con un NOME dopo: aggiunge TEMPO (&quot;1m&quot;, &quot;30s&quot;) al timer in corso o in pausa chiamato NOME.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Ferma tutti i timer.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Silenzia l&apos;allarme.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Stampa ogni timer: nome, stato e tempo rimanente, separati da tabulazioni, uno per riga.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Scrive tutti i timer in FILE, per portarli su un altro computer.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Aggiunge i timer di FILE, scritto da --export, dopo quelli in elenco.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Porta in primo piano la finestra di Dunok.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Avvia con la finestra nascosta (nell&apos;area di notifica).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Apre l&apos;editor per un nuovo timer.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Timer con un nome che suonano allo zero.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>A «%1» restano %2.</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Nessun bus di sessione: Dunok non è raggiungibile.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Impossibile avviare Dunok: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok è stato avviato ma non è comparso sul bus di sessione.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok non è in esecuzione, quindi nessun timer lo è.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Indica una sola opzione alla volta tra --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export e --import.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add vuole il nome di un timer dopo il tempo: «dunok --add 5m Tè».</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>«%1» non è una quantità di tempo (prova «1m» o «30s»).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name e --save vanno usati con --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden e --new avviano il programma; usali senza altri comandi.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export e --import vogliono il nome di un file.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Stato di uscita: 0 fatto, 1 timer inesistente (o ne corrisponde più d&apos;uno), 2 errore d&apos;uso,
3 Dunok non raggiungibile o non avviabile, 4 il timer è già in esecuzione,
non è in esecuzione o non è in pausa, 5 il file non può essere letto o scritto,
oppure non è un file di esportazione che Dunok può importare.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok non ha risposto: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>Impossibile leggere i timer dall&apos;archivio.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Per le opzioni prova «dunok --help».</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Terminato alle ore %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok si sta ancora avviando.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>Eliminare %n timer?</numerusform>
            <numerusform>Eliminare %n timer?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Un timer dura da un secondo a un anno.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>Si può aggiungere da un secondo a 7 giorni.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Mostra il mese corrente</translation>
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
        <translation>Impossibile leggere le tue preferenze.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok si è avviato con le preferenze predefinite. Non è stato possibile conservare il file illeggibile, %1.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok si è avviato con le preferenze predefinite. Il file illeggibile è stato conservato come:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Impossibile leggere alcune preferenze.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Queste impostazioni in %1 sono state riportate ai valori predefiniti:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>«%1» non è né un timer né una durata come 90s, 1:30 o 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>Avviato «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>Avviato un timer di %1 «%2»</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Avviato un timer di %1 «%2»</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 in pausa)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln timer attivo</numerusform>
            <numerusform>%Ln timer attivi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>Il disco che contiene i tuoi timer è pieno. Libera spazio e riprova.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Un altro programma sta usando il file che contiene i tuoi timer. Chiudilo e riprova.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>I tuoi timer sono stati salvati da una versione più recente di Dunok. Usa quella versione; questa lascia il file com&apos;è.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Spostalo altrove (conservalo se i tuoi timer ti importano), poi avvia di nuovo Dunok: ripartirà con un nuovo file dei timer.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok non riesce ad aprire il file che contiene i tuoi timer, «%1».</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok non riesce a creare la cartella «%1» per i tuoi timer.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Assicurati che nessun file con quel nome sia d&apos;intralcio e di poter scrivere nella cartella che la contiene, poi avvia di nuovo Dunok.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok non ha il permesso di scrivere nella cartella «%1», dove sono conservati i tuoi timer.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Datti il permesso di scrivere in quella cartella, poi avvia di nuovo Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>Il file che contiene i tuoi timer, «%1», è un collegamento a «%2», che non esiste.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Ripristina il file a cui punta, oppure rimuovi il collegamento per ripartire con un nuovo file dei timer; poi avvia di nuovo Dunok.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok non riesce a raggiungere il file che contiene i tuoi timer, «%1».</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Datti il permesso di aprire le cartelle lungo il percorso, poi avvia di nuovo Dunok.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Dove Dunok conserva i tuoi timer, «%1», c&apos;è una cartella invece di un file.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Dove Dunok conserva i tuoi timer, «%1», c&apos;è qualcosa che non è un file.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok non ha il permesso di leggere e scrivere il file che contiene i tuoi timer, «%1».</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Datti il permesso di leggerlo e scriverlo, poi avvia di nuovo Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>Il file che contiene i tuoi timer, «%1», non è un file di timer.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>Il file che contiene i tuoi timer, «%1», è danneggiato.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>Il file «%1» contiene dati di un altro programma, non i tuoi timer.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>I dettagli spiegano cosa è andato storto.</translation>
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
        <translation>Errore</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Guida rapida di %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>«%1» non è in esecuzione.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>Timer di %1</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>«%1» è già in esecuzione o in pausa; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>«%1» non sta contando alla rovescia.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>«%1» non è in pausa.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>A «%1» resterebbero più di 7 giorni; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>Impossibile salvare il nuovo timer.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>Impossibile leggere i timer dall&apos;archivio: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: manca %Ln minuto</numerusform>
            <numerusform>%1: mancano %Ln minuti</numerusform>
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
        <translation>Timer %1 («%2»)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>«description» manca o non è un testo.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>la descrizione è più lunga di %L1 caratteri.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>«seconds» deve essere un numero intero da 0 a %L1 (cento anni).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>«sound» deve essere il nome di un suono.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>«sound» deve essere il nome di un suono, non un percorso.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>«snooze» deve essere {&quot;on&quot;: true o false, &quot;minutes&quot;: da 1 a %L1}.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>«warnBefore» deve essere 0, 1, 2 o 5 (minuti).</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>«whenFinished» deve avere «then»: «stop», «repeat» o «start».</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>«times» deve essere un numero intero da 0 (finché non viene fermato) a %1.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>«then»: «start» richiede in «timer» la descrizione di un timer.</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>«index» deve essere la posizione di un timer nel file, da 0 a %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>Il file è grande %1 MB; un file di esportazione arriva al massimo a %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>«%1» è grande %2 MB; un file di esportazione arriva al massimo a %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>Questo non è un file di esportazione: non è JSON (%1 alla riga %2, colonna %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>Questo non è un file di esportazione di Dunok: il suo «format» non è «%1».</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>Nel file «version» manca o non è un numero intero.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Questo file è stato scritto da un Dunok più recente (versione del formato %1); questo legge la versione %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>Nel file «timers» manca o non è un elenco.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>Il file contiene %L1 timer; Dunok ne importa al massimo %L2 alla volta.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>avvia «%1», che non è nel file.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>«%1» è una cartella, non un file.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>Impossibile scrivere «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>Importato %Ln timer.</numerusform>
            <numerusform>Importati %Ln timer.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Su questo computer manca il suono %1: quei timer suonano «%2» finché non viene aggiunto.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>Esportato %Ln timer in «%1».</numerusform>
            <numerusform>Esportati %Ln timer in «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Nessun timer è stato importato.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuti</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minuti</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 minuti</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 minuti</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minuti</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 minuti</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 ora e 15 minuti</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 ora e 30 minuti</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 ora e 45 minuti</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondi</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>Il nome di un timer non può contenere a capo o altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>Il nome di un timer non può essere vuoto.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>«%1» corrisponde a più di un timer:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Non esiste alcun timer «%1» e non ci sono timer salvati.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Non esiste alcun timer «%1». I timer sono:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>giro %1</translation>
    </message>
</context>
<context>
    <name>TimerModel</name>
    <message>
        <source>%1h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Snooze %1</source>
        <translation>Posticipa %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>Impossibile leggere l&apos;archivio %1</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Nessun archivio è aperto</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>Impossibile scrivere l&apos;archivio %1</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>Impossibile scrivere l&apos;archivio %1 (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>Il timer non è più nell&apos;archivio %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>Impossibile esaminare l&apos;archivio %1</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>L&apos;archivio %1 non è un file normale</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>L&apos;archivio %1 non può essere letto e scritto</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>Impossibile scrivere nella cartella %1 dell&apos;archivio %2</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>non è un database</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>L&apos;archivio %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>L&apos;archivio %1 è stato scritto da una versione più recente di Dunok (versione dell&apos;archivio %2; questa legge fino alla %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>L&apos;archivio %1 contiene altri dati: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>non ha la tabella %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>la tabella %1 non ha la colonna %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>Impossibile aprire l&apos;archivio %1</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>Impossibile aprire l&apos;archivio %1 (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Un archivio è già aperto in %1, %2 non viene aperto</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Non è stato indicato alcun percorso per l&apos;archivio</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>Impossibile creare la cartella %1 dell&apos;archivio</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>Impossibile creare l&apos;archivio %1</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuto</numerusform>
            <numerusform>%Ln minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Il mio suono</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>«%1» non c&apos;è più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» non è un file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>«%1» è vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>«%1» è troppo grande per un suono di allarme: al massimo %2 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>«%1» non è un suono che Dunok può riprodurre.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>Impossibile copiare «%1» in %2: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Altro suono</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Suoni (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Aggiungi più timer</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Aggiungi riga</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Rimuovi riga</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Tempi come 1:30, 90s, 1h 5m, 2h o 45 (secondi).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Avvia i nuovi timer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Durata non valida.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Durata mancante.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>La riga %1 richiede una durata, come 5m o 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Riga %1: %2 non è una durata. Scrivila come 1:30, 90s, 1h 5m, 2h o 45 (secondi).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Descrizione mancante.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>La riga %1 richiede una descrizione.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Nessun timer da aggiungere.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Scrivi una durata e una descrizione in una riga, oppure premi «Annulla».</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>Impossibile salvare i timer.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Non è stato aggiunto nulla e le tue righe sono ancora qui. Riprova con «Salva».</translation>
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
        <translation>Esci</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Impossibile salvare le modifiche durante l&apos;uscita. Uscire comunque?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Uscendo ora perderai tutte le modifiche fatte dall&apos;ultimo salvataggio riuscito</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Esci comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok continua a funzionare. Per riavere la sua finestra, avvia di nuovo Dunok o esegui «dunok --show».</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Selezionato</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarPopover</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>dunok::DesktopNotifications</name>
    <message>
        <source>Show Dunok</source>
        <translation>Mostra Dunok</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Suono di allarme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Riproduci o ferma il suono</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Riproduce il suono scelto, o ferma un suono in riproduzione</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>La durata non può essere zero.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>La data deve essere nel futuro.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Data e ora in cui suonare</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Scegli un giorno dal calendario</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Avvia il timer al salvataggio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Suono:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Ore:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuti:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Secondi:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Suona il:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Avvisa prima della fine:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Quando termina:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Modifica timer</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Aggiungi timer</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Altro suono…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Impossibile aggiungere il suono.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Una durata di un giorno o più si imposta con la data e l&apos;ora qui sotto.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Suono non trovato.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Non esiste alcun file audio chiamato «%1». Il timer mantiene questo suono, ma suonerà in silenzio.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Durata non valida.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>La durata non può essere zero, e la data e l&apos;ora non possono essere nel passato.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Descrizione mancante.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Devi inserire una descrizione</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Durata del posticipo non valida.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>Impossibile salvare il timer.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Non è stato salvato nulla e ciò che hai scritto è ancora qui. Riprova con «Salva».</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 non esiste il %2: a quell&apos;ora gli orologi vanno avanti.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>Non è una data con ora: scrivine una come %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Guida non trovata.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>Impossibile trovare la guida.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>Impossibile mostrare la guida: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>Impossibile aprire la pagina web.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Timer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Nuovo timer…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>&amp;Aggiungi più timer…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>&amp;Modifica timer…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>E&amp;sporta timer…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>&amp;Importa timer…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Avvia o ferma</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Pausa o riprendi</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Elimina…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>Ferma &amp;tutti i timer</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>&amp;Silenzia allarme</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Guida di Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Sito web di Dunok</translation>
    </message>
</context>
<context>
    <name>dunok::MonthCalendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
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
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Volume dell&apos;allarme</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Formato del conto alla rovescia</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Cifre da orologio (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Lettere delle unità (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Chiudi la finestra quando si avvia un timer</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Porta Dunok in primo piano quando un timer termina</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Invia una notifica quando un timer termina</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Righe grandi</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Silenzia l&apos;allarme quando si muove il mouse</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Alza gradualmente il volume dell&apos;allarme</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Conta il tempo trascorso dopo che un timer è terminato</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Ripeti l&apos;allarme finché non viene silenziato</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Ripeti l&apos;allarme al massimo per</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Mantieni i timer in corso anche dopo un riavvio</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Avvia Dunok quando accedo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Conto alla rovescia:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>Al &amp;massimo:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Impossibile impostare l&apos;avvio di Dunok all&apos;accesso.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Impossibile impedire l&apos;avvio di Dunok all&apos;accesso.</translation>
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
        <translation>Guida rapida</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Fai doppio clic su un timer per avviarlo o fermarlo.
Fai clic destro su un timer per duplicarlo, metterlo in pausa o riprenderlo.
Puoi riprendere un timer in pausa anche con un doppio clic.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Per una guida completa, scegli «Guida di %1» dal menu «Aiuto».</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Cosa succede quando il timer termina</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Quante volte, 0 finché non viene fermato</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>fino all&apos;arresto</translation>
    </message>
    <message>
        <source>times</source>
        <translation>volte</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Riavvialo</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Avvia: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>Il timer che questo avviava è stato eliminato, quindi ora si ferma quando termina.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Offri di posticipare quando il timer suona</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Durata del posticipo in minuti</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Un posticipo dura da 1 minuto a 1 giorno (1440 minuti).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>Aggiungi 1 minuto</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>Aggiungi 5 minuti</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Metti in pausa il timer</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplica %1</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Riprendi il timer %1</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Metti in pausa il timer %1</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>&amp;Ferma il timer %1</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>&amp;Avvia il timer %1</translation>
    </message>
    <message>
        <source>Timer commands</source>
        <translation>Comandi del timer</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>In pausa %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Terminato mentre Dunok era chiuso, il %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Terminato il %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>«%1» è già in esecuzione, quindi «%2» non ha avviato nulla.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>Si avvia %1, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Nuovi timer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Una descrizione</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Tempo, riga %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Descrizione, riga %1</translation>
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
        <translation>Tempo</translation>
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
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Crea un nuovo timer.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Crea più timer.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Ordina in modo personalizzato, per nome o per tempo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Ferma tutti i timer</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silenzia</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Silenzia tutti gli allarmi attivi</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Aggiungi più</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>Impossibile esportare i timer.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Non è stato possibile leggerli dall&apos;archivio.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>Impossibile importare «%1».</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>File di esportazione (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Esporta timer</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Timer di Dunok.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Importa timer</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Mostra Dunok</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Esci da Dunok</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Un timer</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — in pausa, restano %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — restano %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Un buon motivo</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>Impossibile mantenere il nuovo ordine.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>I timer sono di nuovo nel loro ordine precedente.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>Impossibile duplicare il timer.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Non è stato aggiunto nulla all&apos;elenco.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Impossibile eliminare tutti i timer.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>I timer ancora presenti nell&apos;elenco restano salvati.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Minuti prima della fine in cui avvisare</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
</context>
</TS>
