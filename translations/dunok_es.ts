<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>no se pudo crear su carpeta</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Inicia Dunok en la bandeja del sistema al iniciar sesión</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Inicia el temporizador llamado NOMBRE, o uno nuevo que dura DURACIÓN (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NOMBRE|DURACIÓN</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Con --start DURACIÓN: el nombre del nuevo temporizador.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Con --start DURACIÓN: conservar el nuevo temporizador en la lista.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Detiene el temporizador llamado NOMBRE.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Pausa el temporizador llamado NOMBRE.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Reanuda el temporizador en pausa llamado NOMBRE.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Seguido de un NOMBRE: añade TIEMPO (&quot;1m&quot;, &quot;30s&quot;) al temporizador en marcha o en pausa llamado NOMBRE.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>TIEMPO</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Detiene todos los temporizadores.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Silencia la alarma.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Muestra cada temporizador: nombre, estado y tiempo restante, separados por tabuladores, uno por línea.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Escribe todos los temporizadores en ARCHIVO, para llevarlos a otro ordenador.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Añade los temporizadores de ARCHIVO, escrito con --export, tras los de la lista.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Trae al frente la ventana de Dunok.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Inicia con la ventana oculta (en la bandeja del sistema).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Abre el editor para un temporizador nuevo.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Temporizadores con nombre que suenan al llegar a cero.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>A «%1» le quedan %2.</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>No hay bus de sesión: no se puede contactar con Dunok.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>No se pudo iniciar Dunok: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>Dunok se inició, pero no apareció en el bus de sesión.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>Dunok no se está ejecutando, así que ningún temporizador tampoco.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Use solo una opción a la vez de --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export e --import.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add necesita el nombre de un temporizador después del tiempo: «dunok --add 5m Té».</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>«%1» no es una cantidad de tiempo (pruebe «1m» o «30s»).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name y --save van con --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden y --new inician el programa; úselos sin otras órdenes.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export e --import necesitan el nombre de un archivo.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Estado de salida: 0 hecho, 1 no existe ese temporizador (o coinciden varios),
2 error de uso, 3 no se pudo contactar con Dunok ni iniciarlo,
4 el temporizador ya está en marcha, no está en marcha o no está en pausa,
5 no se pudo leer o escribir el archivo, o no es un archivo de exportación
que Dunok pueda importar.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>Dunok no respondió: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>No se pudieron leer los temporizadores del almacén.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Para ver las opciones: «dunok --help».</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Terminado a las %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>Dunok todavía se está iniciando.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>¿Eliminar %n temporizador?</numerusform>
            <numerusform>¿Eliminar %n temporizadores?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DurationParser</name>
    <message>
        <source>A timer runs for a second to a year.</source>
        <translation>Un temporizador dura de un segundo a un año.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>Se puede añadir de un segundo a 7 días.</translation>
    </message>
</context>
<context>
    <name>ListOrder</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Muestra el mes actual</translation>
    </message>
</context>
<context>
    <name>PreferenceTroubleAlert</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Your preferences could not be read.</source>
        <translation>No se pudieron leer sus preferencias.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>Dunok se inició con las preferencias predeterminadas. El archivo que no pudo leer, %1, no se pudo conservar.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>Dunok se inició con las preferencias predeterminadas. El archivo que no pudo leer se conservó como:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Algunas preferencias no se pudieron leer.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Estos ajustes de %1 volvieron a sus valores predeterminados:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>«%1» no es un temporizador ni una duración como 90s, 1:30 o 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>«%1» iniciado</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-hour</source>
        <comment>a 2-hour timer</comment>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-minute</source>
        <comment>a 5-minute timer</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-second</source>
        <comment>a 45-second timer</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Started an %1 timer “%2”</source>
        <translation>Temporizador de %1 «%2» iniciado</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Temporizador de %1 «%2» iniciado</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 en pausa)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln temporizador activo</numerusform>
            <numerusform>%Ln temporizadores activos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>El disco que guarda sus temporizadores está lleno. Libere espacio en él y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Otro programa está usando el archivo que guarda sus temporizadores. Ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Sus temporizadores se guardaron con una versión más reciente de Dunok. Use esa versión; esta deja el archivo como está.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Muévalo a otro sitio (consérvelo si sus temporizadores le importan) y vuelva a iniciar Dunok: empezará con un archivo de temporizadores nuevo.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>Dunok no puede abrir el archivo que guarda sus temporizadores, «%1».</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>Dunok no puede crear la carpeta «%1» para sus temporizadores.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Compruebe que ningún archivo con ese nombre estorba y que puede escribir en la carpeta superior; después vuelva a iniciar Dunok.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>Dunok no tiene permiso para escribir en la carpeta «%1», donde se guardan sus temporizadores.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Dese permiso de escritura en esa carpeta y vuelva a iniciar Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>El archivo que guarda sus temporizadores, «%1», es un enlace a «%2», que no existe.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Recupere el archivo al que apunta, o elimine el enlace para empezar con un archivo de temporizadores nuevo; después vuelva a iniciar Dunok.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>Dunok no puede llegar al archivo que guarda sus temporizadores, «%1».</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Dese permiso para abrir las carpetas de su ruta y vuelva a iniciar Dunok.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Donde Dunok guarda sus temporizadores, «%1», hay una carpeta en lugar de un archivo.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Donde Dunok guarda sus temporizadores, «%1», hay algo que no es un archivo.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>Dunok no tiene permiso para leer y escribir el archivo que guarda sus temporizadores, «%1».</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Dese permiso de lectura y escritura sobre él y vuelva a iniciar Dunok.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>El archivo que guarda sus temporizadores, «%1», no es un archivo de temporizadores.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>El archivo que guarda sus temporizadores, «%1», está dañado.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>El archivo «%1» contiene datos de otro programa, no sus temporizadores.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>Los detalles explican qué salió mal.</translation>
    </message>
</context>
<context>
    <name>SupMisc</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Ayuda rápida de %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>«%1» no está en marcha.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>Temporizador de %1</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>«%1» ya está en marcha o en pausa; no ha cambiado nada.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>«%1» no está en cuenta atrás.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>«%1» no está en pausa.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>A «%1» le quedarían más de 7 días; no ha cambiado nada.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>No se pudo guardar el nuevo temporizador.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>No se pudieron leer los temporizadores del almacén: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: queda %Ln minuto</numerusform>
            <numerusform>%1: quedan %Ln minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimerFile</name>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
    <message>
        <source>Timer %1 (“%2”)</source>
        <translation>Temporizador %1 («%2»)</translation>
    </message>
    <message>
        <source>is not a JSON object.</source>
        <translation>no es un objeto JSON.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>«description» falta o no es un texto.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>la descripción tiene más de %L1 caracteres.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>«seconds» debe ser un número entero de 0 a %L1 (cien años).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>«sound» debe ser el nombre de un sonido.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>«sound» debe ser el nombre de un sonido, no una ruta.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>«snooze» debe ser {&quot;on&quot;: true o false, &quot;minutes&quot;: 1 a %L1}.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>«warnBefore» debe ser 0, 1, 2 o 5 (minutos).</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>«whenFinished» debe tener «then»: «stop», «repeat» o «start».</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>«times» debe ser un número entero de 0 (hasta que se detenga) a %1.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>«then»: «start» necesita la descripción de un temporizador en «timer».</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>«index» debe ser la posición de un temporizador en el archivo, de 0 a %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>El archivo ocupa %1 MB; un archivo de exportación ocupa como máximo %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>«%1» ocupa %2 MB; un archivo de exportación ocupa como máximo %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>No es un archivo de exportación: no es JSON (%1 en la línea %2, columna %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>No es un archivo de exportación de Dunok: su «format» no es «%1».</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>La «version» del archivo falta o no es un número entero.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Un Dunok más reciente escribió este archivo (versión de formato %1); este lee la versión %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>«timers» falta en el archivo o no es una lista.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>El archivo contiene %L1 temporizadores; Dunok importa como máximo %L2 a la vez.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>inicia «%1», que no está en el archivo.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>No existe el archivo «%1».</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>%Ln temporizador importado.</numerusform>
            <numerusform>%Ln temporizadores importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Este ordenador no tiene el sonido %1: esos temporizadores suenan con «%2» hasta que se añada.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>%Ln temporizador exportado a «%1».</numerusform>
            <numerusform>%Ln temporizadores exportados a «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>No se importó ningún temporizador.</translation>
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
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minutos</translation>
    </message>
    <message>
        <source>25 minutes</source>
        <translation>25 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>35 minutes</source>
        <translation>35 minutos</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 minutos</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minutos</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 minutos</translation>
    </message>
    <message>
        <source>55 minutes</source>
        <translation>55 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>1 hour 15 minutes</source>
        <translation>1 hora 15 minutos</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 hora 30 minutos</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 hora 45 minutos</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
</context>
<context>
    <name>TimerLookup</name>
    <message>
        <source>A timer name cannot contain line breaks or other control characters.</source>
        <translation>El nombre de un temporizador no puede contener saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>El nombre de un temporizador no puede estar vacío.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>«%1» coincide con más de un temporizador:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>No hay ningún temporizador «%1», y no hay temporizadores guardados.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>No hay ningún temporizador «%1». Los temporizadores son:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>ronda %1</translation>
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
        <translation>Posponer %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>No se pudo leer el almacén %1</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>No hay ningún almacén abierto</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>No se pudo escribir el almacén %1</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>No se pudo escribir el almacén %1 (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>El temporizador ya no está en el almacén %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>No se puede examinar el almacén %1</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>El almacén %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>El almacén %1 no se puede leer y escribir</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>No se puede escribir en la carpeta %1 del almacén %2</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>no es una base de datos</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>El almacén %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>El almacén %1 lo escribió una versión más reciente de Dunok (versión de almacén %2; esta lee hasta la %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>El almacén %1 contiene otros datos: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>no tiene la tabla %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>a la tabla %1 le falta la columna %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>No se pudo abrir el almacén %1</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>No se pudo abrir el almacén %1 (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Ya hay un almacén abierto en %1; no se abre %2</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>No se indicó ninguna ruta para el almacén</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>No se pudo crear la carpeta %1 del almacén</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>No se pudo crear el almacén %1</translation>
    </message>
</context>
<context>
    <name>WarningField</name>
    <message numerus="yes">
        <source>%Ln minute(s)</source>
        <translation>
            <numerusform>%Ln minuto</numerusform>
            <numerusform>%Ln minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok</name>
    <message>
        <source>My sound</source>
        <translation>Mi sonido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>«%1» está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>«%1» es demasiado grande para un sonido de alarma: %2 MB como máximo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>«%1» no es un sonido que Dunok pueda reproducir.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>No se pudo copiar «%1» en %2: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Otro sonido</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Sonidos (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Añadir varios temporizadores</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Añadir fila</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Quitar fila</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Tiempos como 1:30, 90s, 1h 5m, 2h o 45 (segundos).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Iniciar los temporizadores nuevos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Duración no válida.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Falta la duración.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>La fila %1 necesita una duración, como 5m o 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Fila %1: %2 no es una duración. Escríbala como 1:30, 90s, 1h 5m, 2h o 45 (segundos).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Falta la descripción.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>La fila %1 necesita una descripción.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>No hay temporizadores que añadir.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Escriba una duración y una descripción en una fila, o pulse «Cancelar».</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>No se pudieron guardar los temporizadores.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>No se añadió nada y sus filas siguen aquí. Vuelva a pulsar «Guardar».</translation>
    </message>
</context>
<context>
    <name>dunok::AppDelegate</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>No se pudieron guardar los cambios al salir. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Si sale ahora, perderá los cambios hechos desde la última vez que se guardó correctamente</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Salir de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>Dunok sigue en marcha. Para recuperar su ventana, vuelva a abrir Dunok o ejecute «dunok --show».</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Seleccionado</translation>
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
        <translation>Mostrar Dunok</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de alarma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Reproducir o detener el sonido</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Reproduce el sonido elegido, o detiene un sonido que está sonando</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Duration must not be zero.</source>
        <translation>La duración no puede ser cero.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>La fecha debe estar en el futuro.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Sonar en una fecha y hora</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Elegir un día en el calendario</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Iniciar el temporizador al guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Segundos:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Sonar el:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Avisar antes del final:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Al terminar:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Editar temporizador</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Añadir temporizador</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Otro sonido…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>No se pudo añadir el sonido.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Una duración de un día o más se fija con la fecha y hora de abajo.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>No se encontró el sonido.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>No hay ningún archivo de sonido llamado «%1». El temporizador conserva este sonido, pero sonará en silencio.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Duración no válida.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>La duración no puede ser cero, y la fecha y hora no pueden estar en el pasado.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Falta la descripción.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Debe indicar una descripción</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Tiempo de posponer no válido.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>No se pudo guardar el temporizador.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>No se guardó nada y lo que escribió sigue aquí. Vuelva a pulsar Guardar.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 no existe el %2: ese día se adelantan los relojes.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>No es una fecha y hora: escriba una como %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>No se encontró la ayuda.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>No se pudo localizar la ayuda.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>No se pudo mostrar la ayuda: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>No se pudo abrir la página web.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Temporizador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Nuevo temporizador…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>Añadir &amp;varios temporizadores…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>&amp;Editar temporizador…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>E&amp;xportar temporizadores…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>&amp;Importar temporizadores…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Iniciar o detener</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Pausar o reanudar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>E&amp;liminar…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>Detener &amp;todos los temporizadores</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>&amp;Silenciar la alarma</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Ayuda de Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Sitio web de Dunok</translation>
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
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>dunok::PrefsController</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Volumen de la alarma</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Formato de la cuenta atrás</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Dígitos de reloj (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Letras de unidad (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Cerrar la ventana cuando se inicia un temporizador</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Traer Dunok al frente cuando termina un temporizador</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Enviar una notificación cuando termina un temporizador</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Filas grandes</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Silenciar la alarma al mover el ratón</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Subir el volumen de la alarma poco a poco</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Contar el tiempo transcurrido cuando termina un temporizador</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Repetir la alarma hasta que se silencie</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Repetir la alarma como máximo durante</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Keep running timers across restarts</source>
        <translation>Conservar los temporizadores en marcha entre reinicios</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Iniciar Dunok al iniciar sesión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Cuenta atrás:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>Como &amp;máximo:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>No se pudo configurar Dunok para que se inicie al iniciar sesión.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>No se pudo evitar que Dunok se inicie al iniciar sesión.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>dunok::QuickHelp</name>
    <message>
        <source>Quick help</source>
        <translation>Ayuda rápida</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Haga doble clic en un temporizador para iniciarlo o detenerlo.
Haga clic con el botón derecho en un temporizador para duplicarlo, pausarlo o reanudarlo.
Un temporizador en pausa también se reanuda con un doble clic.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Para una ayuda completa, elija «Ayuda de %1» en el menú «Ayuda».</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>Qué ocurre cuando termina el temporizador</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Cuántas veces, 0 hasta que se detenga</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>hasta detenerlo</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Volver a iniciarlo</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Iniciar: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>El temporizador que este iniciaba se eliminó, así que ahora se detiene al terminar.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Ofrecer posponer cuando suena el temporizador</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Tiempo de posponer en minutos</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Se puede posponer de 1 minuto a 1 día (1440 minutos).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>Añadir 1 minuto</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>Añadir 5 minutos</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pausar temporizador</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplicar %1</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Reanudar el temporizador %1</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Pausar el temporizador %1</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>&amp;Detener el temporizador %1</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>&amp;Iniciar el temporizador %1</translation>
    </message>
    <message>
        <source>Timer commands</source>
        <translation>Órdenes del temporizador</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>En pausa %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Terminado mientras Dunok estaba cerrado, el %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Terminado el %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>«%1» ya está en marcha, así que «%2» no ha iniciado nada.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>Empieza %1, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Temporizadores nuevos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Una descripción</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Tiempo, fila %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Descripción, fila %1</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableModel</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTableView</name>
    <message>
        <source>Timers</source>
        <translation>Temporizadores</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Crear un temporizador nuevo.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Crear varios temporizadores.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Ordenar de forma personalizada, por nombre o por tiempo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Detener todos los temporizadores</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Silenciar todas las alarmas que suenan</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Añadir varios</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>No se pudieron exportar los temporizadores.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>No se pudieron leer del almacén.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>No se pudo importar «%1».</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Archivos de exportación (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Exportar temporizadores</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Temporizadores Dunok.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Importar temporizadores</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Mostrar Dunok</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Salir de Dunok</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Un temporizador</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — en pausa, quedan %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — quedan %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Buena razón</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>No se pudo conservar el nuevo orden.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>Los temporizadores vuelven a estar en su orden anterior.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>No se pudo duplicar el temporizador.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>No se añadió nada a la lista.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>No se pudieron eliminar todos los temporizadores.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>Los temporizadores que siguen en la lista siguen guardados.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Minutos antes del final para avisar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
</context>
</TS>
