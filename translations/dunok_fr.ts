<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>son dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Démarre Dunok dans la zone de notification à l&apos;ouverture de session</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Démarre le minuteur appelé NOM, ou un nouveau minuteur qui dure DURÉE (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NOM|DURÉE</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Avec --start DURÉE&#xa0;: le nom du nouveau minuteur.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Avec --start DURÉE&#xa0;: garder le nouveau minuteur dans la liste.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Arrête le minuteur appelé NOM.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Met en pause le minuteur appelé NOM.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Reprend le minuteur en pause appelé NOM.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Suivi d&apos;un NOM&#xa0;: ajoute TEMPS (&quot;1m&quot;, &quot;30s&quot;) au minuteur en marche ou en pause appelé NOM.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>TEMPS</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Arrête tous les minuteurs.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Fait taire l&apos;alarme.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Affiche chaque minuteur&#xa0;: nom, état et temps restant, séparés par des tabulations, un par ligne.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Écrit tous les minuteurs dans FICHIER, pour les emporter sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Ajoute les minuteurs de FICHIER, écrit par --export, après ceux de la liste.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Met la fenêtre de Dunok au premier plan.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Démarre avec la fenêtre masquée (dans la zone de notification).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Ouvre l&apos;éditeur pour un nouveau minuteur.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Des minuteurs nommés qui sonnent à zéro.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>Il reste %2 à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Pas de bus de session&#xa0;: Dunok est injoignable.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Impossible de démarrer Dunok&#xa0;: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok a été démarré mais n&apos;est pas apparu sur le bus de session.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok ne tourne pas, donc aucun minuteur non plus.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Donnez une seule option à la fois parmi --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export et --import.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add veut le nom d&apos;un minuteur après le temps&#xa0;: «&#xa0;dunok --add 5m Thé&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une durée (essayez «&#xa0;1m&#xa0;» ou «&#xa0;30s&#xa0;»).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name et --save vont avec --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden et --new démarrent le programme&#xa0;; donnez-les sans autre commande.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export et --import veulent le nom d&apos;un fichier.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Code de sortie&#xa0;: 0 fait, 1 minuteur introuvable (ou plusieurs correspondent),
2 erreur d&apos;utilisation, 3 Dunok injoignable ou impossible à démarrer,
4 le minuteur est déjà en marche, n&apos;est pas en marche ou n&apos;est pas en pause,
5 le fichier n&apos;a pas pu être lu ou écrit, ou n&apos;est pas un fichier d&apos;export
que Dunok sait importer.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>Les minuteurs n&apos;ont pas pu être lus dans le stockage.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Les options&#xa0;: «&#xa0;dunok --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Terminé à %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok est encore en train de démarrer.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>Supprimer %n minuteur&#xa0;?</numerusform>
            <numerusform>Supprimer %n minuteurs&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Un minuteur dure d&apos;une seconde à un an.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>On peut ajouter d&apos;une seconde à 7 jours.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Affiche le mois en cours</translation>
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
        <translation>Vos préférences n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok a démarré avec les préférences par défaut. Le fichier illisible, %1, n&apos;a pas pu être conservé.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok a démarré avec les préférences par défaut. Le fichier illisible a été conservé sous&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Certaines préférences n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Ces réglages de %1 ont été remis à leur valeur par défaut&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un minuteur ni une durée comme 90s, 1:30 ou 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>«&#xa0;%1&#xa0;» démarré</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>Minuteur de %1 «&#xa0;%2&#xa0;» démarré</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Minuteur de %1 «&#xa0;%2&#xa0;» démarré</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 en pause)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln minuteur actif</numerusform>
            <numerusform>%Ln minuteurs actifs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>Le disque qui contient vos minuteurs est plein. Libérez de la place et réessayez.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Un autre programme utilise le fichier qui contient vos minuteurs. Fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Vos minuteurs ont été enregistrés par une version plus récente de Dunok. Utilisez cette version&#xa0;; celle-ci laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Déplacez-le ailleurs (gardez-le si vos minuteurs comptent pour vous), puis redémarrez Dunok&#xa0;: il commencera avec un nouveau fichier de minuteurs.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok ne peut pas ouvrir le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok ne peut pas créer le dossier «&#xa0;%1&#xa0;» pour vos minuteurs.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Vérifiez qu&apos;aucun fichier de ce nom ne gêne et que vous pouvez écrire dans le dossier parent, puis redémarrez Dunok.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok n&apos;a pas le droit d&apos;écrire dans le dossier «&#xa0;%1&#xa0;», où sont gardés vos minuteurs.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Donnez-vous le droit d&apos;écrire dans ce dossier, puis redémarrez Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>Le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;», est un lien vers «&#xa0;%2&#xa0;», qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Rétablissez le fichier vers lequel il pointe, ou supprimez le lien pour commencer avec un nouveau fichier de minuteurs&#xa0;; puis redémarrez Dunok.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok ne peut pas atteindre le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Donnez-vous le droit d&apos;ouvrir les dossiers sur son chemin, puis redémarrez Dunok.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Là où Dunok garde vos minuteurs, «&#xa0;%1&#xa0;», il y a un dossier au lieu d&apos;un fichier.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Là où Dunok garde vos minuteurs, «&#xa0;%1&#xa0;», il y a autre chose qu&apos;un fichier.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok n&apos;a pas le droit de lire et d&apos;écrire le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Donnez-vous le droit de le lire et de l&apos;écrire, puis redémarrez Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>Le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;», n&apos;est pas un fichier de minuteurs.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>Le fichier qui contient vos minuteurs, «&#xa0;%1&#xa0;», est endommagé.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» contient les données d&apos;un autre programme, pas vos minuteurs.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>Les détails indiquent ce qui s&apos;est mal passé.</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Aide rapide de %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas en marche.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>Minuteur de %1</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà en marche ou en pause&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>«&#xa0;%1&#xa0;» ne décompte pas.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas en pause.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>Il resterait plus de 7 jours à «&#xa0;%1&#xa0;»&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>Le nouveau minuteur n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>Les minuteurs n&apos;ont pas pu être lus dans le stockage&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1&#xa0;: encore %Ln minute</numerusform>
            <numerusform>%1&#xa0;: encore %Ln minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>Timer %1</source>
        <translation>Minuteur %1</translation>
    </message>
    <message>
        <source>Timer %1 (“%2”)</source>
        <translation>Minuteur %1 («&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>n&apos;est pas un objet JSON.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>«&#xa0;description&#xa0;» manque ou n&apos;est pas un texte.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>la description dépasse %L1 caractères.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>«&#xa0;seconds&#xa0;» doit être un nombre entier de 0 à %L1 (cent ans).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>«&#xa0;sound&#xa0;» doit être le nom d&apos;un son.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>«&#xa0;sound&#xa0;» doit être le nom d&apos;un son, pas un chemin.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>«&#xa0;snooze&#xa0;» doit être {&quot;on&quot;: true ou false, &quot;minutes&quot;: 1 à %L1}.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>«&#xa0;warnBefore&#xa0;» doit valoir 0, 1, 2 ou 5 (minutes).</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>«&#xa0;whenFinished&#xa0;» doit avoir «&#xa0;then&#xa0;»&#xa0;: «&#xa0;stop&#xa0;», «&#xa0;repeat&#xa0;» ou «&#xa0;start&#xa0;».</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>«&#xa0;times&#xa0;» doit être un nombre entier de 0 (jusqu&apos;à l&apos;arrêt) à %1.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>«&#xa0;then&#xa0;»&#xa0;: «&#xa0;start&#xa0;» demande la description d&apos;un minuteur dans «&#xa0;timer&#xa0;».</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>«&#xa0;index&#xa0;» doit être la place d&apos;un minuteur dans le fichier, de 0 à %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>Le fichier fait %1 Mo&#xa0;; un fichier d&apos;export fait au plus %2 Mo.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>«&#xa0;%1&#xa0;» fait %2 Mo&#xa0;; un fichier d&apos;export fait au plus %3 Mo.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>Ce n&apos;est pas un fichier d&apos;export&#xa0;: ce n&apos;est pas du JSON (%1 à la ligne %2, colonne %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>Ce n&apos;est pas un fichier d&apos;export de Dunok&#xa0;: son «&#xa0;format&#xa0;» n&apos;est pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>La «&#xa0;version&#xa0;» du fichier manque ou n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Un Dunok plus récent a écrit ce fichier (version de format %1)&#xa0;; celui-ci lit la version %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>Les «&#xa0;timers&#xa0;» du fichier manquent ou ne sont pas une liste.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>Le fichier contient %L1 minuteurs&#xa0;; Dunok en importe au plus %L2 à la fois.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>il démarre «&#xa0;%1&#xa0;», qui n&apos;est pas dans le fichier.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Il n&apos;y a pas de fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>%Ln minuteur importé.</numerusform>
            <numerusform>%Ln minuteurs importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Cet ordinateur n&apos;a pas le son %1&#xa0;: ces minuteurs sonnent avec «&#xa0;%2&#xa0;» jusqu&apos;à ce qu&apos;il soit ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>%Ln minuteur exporté vers «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>%Ln minuteurs exportés vers «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Aucun minuteur n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>TimerList</name>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 minutes</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 minutes</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minutes</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 minutes</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 heure 15 minutes</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 heure 30 minutes</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 heure 45 minutes</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>Un nom de minuteur ne peut pas contenir de saut de ligne ni d&apos;autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>Un nom de minuteur ne peut pas être vide.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>«&#xa0;%1&#xa0;» correspond à plus d&apos;un minuteur&#xa0;:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Il n&apos;y a pas de minuteur «&#xa0;%1&#xa0;», et aucun minuteur n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Il n&apos;y a pas de minuteur «&#xa0;%1&#xa0;». Les minuteurs sont&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>tour %1</translation>
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
        <translation>Rappel dans %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>Le stockage %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Aucun stockage n&apos;est ouvert</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>Le stockage %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>Le stockage %1 n&apos;a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>Le minuteur n&apos;est plus dans le stockage %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>Le stockage %1 ne peut pas être examiné</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>Le stockage %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>Le stockage %1 ne peut pas être lu et écrit</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>Le dossier %1 du stockage %2 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>Le stockage %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>Le stockage %1 a été écrit par une version plus récente de Dunok (version de stockage %2&#xa0;; celle-ci lit jusqu&apos;à %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>Le stockage %1 contient d&apos;autres données&#xa0;: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>il n&apos;a pas de table %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>la table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>Le stockage %1 n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>Le stockage %1 n&apos;a pas pu être ouvert (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Un stockage est déjà ouvert à %1, %2 n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Aucun chemin n&apos;a été donné pour le stockage</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>Le dossier %1 du stockage n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>Le stockage %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minute</numerusform>
            <numerusform>%Ln minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Mon son</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>«&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>«&#xa0;%1&#xa0;» est trop gros pour un son d&apos;alarme&#xa0;: %2 Mo au plus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un son que Dunok sait jouer.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être copié dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Autre son</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Sons (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Ajouter plusieurs minuteurs</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Retirer la ligne</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Des temps comme 1:30, 90s, 1h 5m, 2h ou 45 (secondes).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Démarrer les nouveaux minuteurs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Durée non valide.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Durée manquante.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>La ligne %1 demande une durée, comme 5m ou 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Ligne %1&#xa0;: %2 n&apos;est pas une durée. Tapez-la sous la forme 1:30, 90s, 1h 5m, 2h ou 45 (secondes).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Description manquante.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>La ligne %1 demande une description.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Aucun minuteur à ajouter.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Tapez une durée et une description sur une ligne, ou cliquez sur «&#xa0;Annuler&#xa0;».</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>Les minuteurs n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Rien n&apos;a été ajouté et vos lignes sont toujours là. Réessayez «&#xa0;Enregistrer&#xa0;».</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Les modifications n&apos;ont pas pu être enregistrées en quittant. Quitter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>En quittant maintenant, vous perdrez les modifications faites depuis le dernier enregistrement réussi</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Quitter quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok continue de tourner. Pour retrouver sa fenêtre, relancez Dunok ou exécutez «&#xa0;dunok --show&#xa0;».</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Sélectionné</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarPopover</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>dunok::DesktopNotifications</name>
    <message>
        <source>Show Dunok</source>
        <translation>Afficher Dunok</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son d&apos;alarme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Écouter ou arrêter le son</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Joue le son choisi, ou arrête un son en cours</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>La durée ne doit pas être nulle.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>La date doit être dans le futur.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Sonner à une date et une heure</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Choisir un jour dans le calendrier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Démarrer le minuteur à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son&#xa0;:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures&#xa0;:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Secondes&#xa0;:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Sonner le&#xa0;:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Avertir avant la fin&#xa0;:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>À la fin&#xa0;:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Modifier le minuteur</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Ajouter un minuteur</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Autre son…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Le son n&apos;a pas pu être ajouté.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Une durée d&apos;un jour ou plus se règle avec la date et l&apos;heure ci-dessous.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Son introuvable.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Il n&apos;y a pas de fichier son nommé «&#xa0;%1&#xa0;». Le minuteur garde ce son, mais il sonnera en silence.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Durée non valide.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>La durée ne peut pas être nulle, et la date et l&apos;heure ne doivent pas être passées.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Description manquante.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Vous devez donner une description</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Durée de rappel non valide.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>Le minuteur n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Rien n&apos;a été enregistré et ce que vous avez tapé est toujours là. Réessayez d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 n&apos;existe pas le %2&#xa0;: on avance les horloges à ce moment-là.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>Ce n&apos;est pas une date avec une heure&#xa0;: tapez-en une comme %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Aide introuvable.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>L&apos;aide n&apos;a pas pu être trouvée.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>Impossible d&apos;afficher l&apos;aide&#xa0;: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>Impossible d&apos;ouvrir la page web.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Minuteur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Nouveau minuteur…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>Ajouter &amp;plusieurs minuteurs…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>&amp;Modifier le minuteur…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>E&amp;xporter les minuteurs…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>&amp;Importer des minuteurs…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>Préfé&amp;rences…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Démarrer ou arrêter</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>Mettre en &amp;pause ou reprendre</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>Arrêter &amp;tous les minuteurs</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>&amp;Couper l&apos;alarme</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Aide de Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Site web de Dunok</translation>
    </message>
</context>
<context>
    <name>dunok::MonthCalendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
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
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Volume de l&apos;alarme</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Format du décompte</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Chiffres d&apos;horloge (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Lettres d&apos;unité (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Fermer la fenêtre quand un minuteur démarre</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Mettre Dunok au premier plan quand un minuteur se termine</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Envoyer une notification quand un minuteur se termine</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Grandes lignes</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Couper l&apos;alarme quand la souris bouge</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Faire monter l&apos;alarme progressivement</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Compter le temps écoulé après la fin d&apos;un minuteur</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Répéter l&apos;alarme jusqu&apos;à ce qu&apos;on la coupe</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Répéter l&apos;alarme au plus pendant</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Garder les minuteurs en marche d&apos;un redémarrage à l&apos;autre</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Démarrer Dunok à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Décompte&#xa0;:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>Au &amp;maximum&#xa0;:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Dunok n&apos;a pas pu être réglé pour démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Dunok n&apos;a pas pu être empêché de démarrer à l&apos;ouverture de session.</translation>
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
        <translation>Aide rapide</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Double-cliquez sur un minuteur pour le démarrer ou l&apos;arrêter.
Cliquez avec le bouton droit sur un minuteur pour le dupliquer, le mettre en pause ou le reprendre.
Un double-clic reprend aussi un minuteur en pause.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Pour une aide complète, choisissez «&#xa0;Aide de %1&#xa0;» dans le menu «&#xa0;Aide&#xa0;».</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Ce qui se passe quand le minuteur se termine</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Combien de fois, 0 jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Le relancer</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>Le minuteur que celui-ci démarrait a été supprimé&#xa0;: il s&apos;arrête donc à la fin.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Proposer un rappel quand le minuteur sonne</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Durée du rappel en minutes</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Un rappel dure de 1 minute à 1 jour (1440 minutes).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>Ajouter 1 minute</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>Ajouter 5 minutes</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Dupliquer %1</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Reprendre le minuteur %1</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Mettre en pause le minuteur %1</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>&amp;Arrêter le minuteur %1</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>&amp;Démarrer le minuteur %1</translation>
    </message>
    <message>
        <source>Timer commands</source>
        <translation>Commandes du minuteur</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>En pause %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Terminé pendant que Dunok était fermé, le %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Terminé le %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>«&#xa0;%1&#xa0;» tourne déjà, donc «&#xa0;%2&#xa0;» n&apos;a rien démarré.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>%1 commence, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Nouveaux minuteurs</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Une description</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Temps, ligne %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Description, ligne %1</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableModel</name>
    <message>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableView</name>
    <message>
        <source>Timers</source>
        <translation>Minuteurs</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Créer un nouveau minuteur.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Créer plusieurs minuteurs.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Trier par ordre personnalisé, nom ou temps</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Arrêter tous les minuteurs</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Couper toutes les alarmes qui sonnent</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Ajouter plusieurs</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>Les minuteurs n&apos;ont pas pu être exportés.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Ils n&apos;ont pas pu être lus dans le stockage.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être importé.</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Fichiers d&apos;export (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Exporter les minuteurs</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Minuteurs Dunok.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Importer des minuteurs</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Afficher Dunok</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Quitter Dunok</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Un minuteur</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — en pause, reste %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — reste %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Bonne raison</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>Le nouvel ordre n&apos;a pas pu être gardé.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>Les minuteurs ont repris leur ancien ordre.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>Le minuteur n&apos;a pas pu être dupliqué.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Rien n&apos;a été ajouté à la liste.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Tous les minuteurs n&apos;ont pas pu être supprimés.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>Les minuteurs encore dans la liste sont toujours enregistrés.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Minutes d&apos;avance pour l&apos;avertissement</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
</TS>
