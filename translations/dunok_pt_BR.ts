<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Autostart</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>não foi possível criar a pasta dele</translation>
    </message>
    <message>
        <source>Starts Dunok in the tray when you log in</source>
        <translation>Inicia o Dunok na área de notificação quando você entra na sessão</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start the timer called NAME, or a new timer that runs for DURATION (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</source>
        <translation>Inicia o timer chamado NOME, ou um novo timer que dura DURAÇÃO (&quot;90s&quot;, &quot;1:30&quot;, &quot;1h 5m&quot;).</translation>
    </message>
    <message>
        <source>NAME|DURATION</source>
        <translation>NOME|DURAÇÃO</translation>
    </message>
    <message>
        <source>With --start DURATION: the new timer&apos;s name.</source>
        <translation>Com --start DURAÇÃO: o nome do novo timer.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>With --start DURATION: keep the new timer in the list.</source>
        <translation>Com --start DURAÇÃO: mantém o novo timer na lista.</translation>
    </message>
    <message>
        <source>Stop the timer called NAME.</source>
        <translation>Para o timer chamado NOME.</translation>
    </message>
    <message>
        <source>Pause the timer called NAME.</source>
        <translation>Pausa o timer chamado NOME.</translation>
    </message>
    <message>
        <source>Resume the paused timer called NAME.</source>
        <translation>Retoma o timer pausado chamado NOME.</translation>
    </message>
    <message>
        <source>With a NAME after it: add AMOUNT (&quot;1m&quot;, &quot;30s&quot;) to the running or paused timer called NAME.</source>
        <translation>Com um NOME depois: adiciona TEMPO (&quot;1m&quot;, &quot;30s&quot;) ao timer em execução ou pausado chamado NOME.</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Stop every timer.</source>
        <translation>Para todos os timers.</translation>
    </message>
    <message>
        <source>Silence the alarm.</source>
        <translation>Silencia o alarme.</translation>
    </message>
    <message>
        <source>Print every timer: name, state and time left, tab-separated, one a line.</source>
        <translation>Mostra cada timer: nome, estado e tempo restante, separados por tabulação, um por linha.</translation>
    </message>
    <message>
        <source>Write every timer to FILE, to take to another computer.</source>
        <translation>Grava todos os timers em ARQUIVO, para levá-los a outro computador.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Add the timers of FILE, written by --export, after the listed ones.</source>
        <translation>Adiciona os timers de ARQUIVO, gravado por --export, depois dos que estão na lista.</translation>
    </message>
    <message>
        <source>Bring Dunok&apos;s window forward.</source>
        <translation>Traz a janela do Dunok para a frente.</translation>
    </message>
    <message>
        <source>Start with the window hidden (in the tray).</source>
        <translation>Inicia com a janela oculta (na área de notificação).</translation>
    </message>
    <message>
        <source>Open the editor for a new timer.</source>
        <translation>Abre o editor para um novo timer.</translation>
    </message>
    <message>
        <source>Named countdown timers that ring at zero.</source>
        <translation>Timers com nome que tocam ao chegar a zero.</translation>
    </message>
    <message>
        <source>“%1” has %2 left.</source>
        <translation>Restam %2 em “%1”.</translation>
    </message>
    <message>
        <source>No session bus: Dunok cannot be reached.</source>
        <translation>Sem barramento de sessão: não é possível contatar o Dunok.</translation>
    </message>
    <message>
        <source>Could not start Dunok: %1</source>
        <translation>Não foi possível iniciar o Dunok: %1</translation>
    </message>
    <message>
        <source>Dunok was started but did not appear on the session bus.</source>
        <translation>O Dunok foi iniciado, mas não apareceu no barramento de sessão.</translation>
    </message>
    <message>
        <source>Dunok is not running, so no timer is.</source>
        <translation>O Dunok não está em execução, então nenhum timer está.</translation>
    </message>
    <message>
        <source>Unexpected argument “%1”.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Give one of --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export and --import at a time.</source>
        <translation>Use apenas um de --start, --stop, --pause, --resume, --add, --stop-all, --silence, --list, --export e --import por vez.</translation>
    </message>
    <message>
        <source>--add wants the name of a timer after the amount: “dunok --add 5m Tea”.</source>
        <translation>--add precisa do nome de um timer depois do tempo: “dunok --add 5m Chá”.</translation>
    </message>
    <message>
        <source>“%1” is not an amount of time (try “1m” or “30s”).</source>
        <translation>“%1” não é uma quantidade de tempo (tente “1m” ou “30s”).</translation>
    </message>
    <message>
        <source>--name and --save go with --start.</source>
        <translation>--name e --save acompanham --start.</translation>
    </message>
    <message>
        <source>--hidden and --new start the program; give them without other commands.</source>
        <translation>--hidden e --new iniciam o programa; use-os sem outros comandos.</translation>
    </message>
    <message>
        <source>--export and --import want the name of a file.</source>
        <translation>--export e --import precisam do nome de um arquivo.</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 no such timer (or several match), 2 usage error,
3 Dunok could not be reached or started, 4 the timer is running already,
not running, or not paused, 5 the file could not be read or written, or
is not an export file Dunok can import.
</source>
        <translation>
Status de saída: 0 concluído, 1 timer inexistente (ou vários correspondem), 2 erro de uso,
3 não foi possível contatar ou iniciar o Dunok, 4 o timer já está em execução,
não está em execução ou não está pausado, 5 o arquivo não pôde ser lido ou gravado,
ou não é um arquivo de exportação que o Dunok possa importar.
</translation>
    </message>
    <message>
        <source>Dunok did not answer: %1</source>
        <translation>O Dunok não respondeu: %1</translation>
    </message>
    <message>
        <source>The timers could not be read from the store.</source>
        <translation>Não foi possível ler os timers do armazenamento.</translation>
    </message>
    <message>
        <source>Try “dunok --help” for the options.</source>
        <translation>Veja as opções com “dunok --help”.</translation>
    </message>
</context>
<context>
    <name>CountdownText</name>
    <message>
        <source>Finished %1</source>
        <translation>Terminou às %1</translation>
    </message>
</context>
<context>
    <name>DBusControl</name>
    <message>
        <source>Dunok is still starting.</source>
        <translation>O Dunok ainda está iniciando.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmation</name>
    <message>
        <source>Delete “%1”?</source>
        <translation>Excluir “%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n timers?</source>
        <translation>
            <numerusform>Excluir %n timer?</numerusform>
            <numerusform>Excluir %n timers?</numerusform>
        </translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <translation>Um timer dura de um segundo a um ano.</translation>
    </message>
    <message>
        <source>Add a second to 7 days.</source>
        <translation>É possível adicionar de um segundo a 7 dias.</translation>
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
        <translation>Personalizada</translation>
    </message>
</context>
<context>
    <name>MonthCalendarView</name>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Shows the current month</source>
        <translation>Mostra o mês atual</translation>
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
        <translation>Não foi possível ler suas preferências.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read, %1, could not be kept.</source>
        <translation>O Dunok iniciou com as preferências padrão. Não foi possível guardar o arquivo ilegível, %1.</translation>
    </message>
    <message>
        <source>Dunok started with the default preferences. The file it could not read was kept as:
%1</source>
        <translation>O Dunok iniciou com as preferências padrão. O arquivo ilegível foi guardado como:
%1</translation>
    </message>
    <message>
        <source>Some preferences could not be read.</source>
        <translation>Não foi possível ler algumas preferências.</translation>
    </message>
    <message>
        <source>These settings in %1 were set back to their defaults:
%2</source>
        <translation>Estas configurações em %1 voltaram aos valores padrão:
%2</translation>
    </message>
</context>
<context>
    <name>StartTarget</name>
    <message>
        <source>“%1” is neither a timer nor a duration such as 90s, 1:30 or 1h 5m.</source>
        <translation>“%1” não é um timer nem uma duração como 90s, 1:30 ou 1h 5m.</translation>
    </message>
    <message>
        <source>Started “%1”</source>
        <translation>“%1” iniciado</translation>
    </message>
    <message numerus="yes">
        <source>%n-day</source>
        <comment>a 2-day timer</comment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>Iniciado um timer de %1 “%2”</translation>
    </message>
    <message>
        <source>Started a %1 timer “%2”</source>
        <translation>Iniciado um timer de %1 “%2”</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>(%1 paused)</source>
        <translation>(%1 em pausa)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln active timer(s)</source>
        <translation>
            <numerusform>%Ln timer ativo</numerusform>
            <numerusform>%Ln timers ativos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The disk that holds your timers is full. Make room on it and try again.</source>
        <translation>O disco que guarda seus timers está cheio. Libere espaço nele e tente novamente.</translation>
    </message>
    <message>
        <source>Another program is using the file that holds your timers. Close it and try again.</source>
        <translation>Outro programa está usando o arquivo que guarda seus timers. Feche-o e tente novamente.</translation>
    </message>
    <message>
        <source>Your timers were saved by a newer version of Dunok. Use that version; this one leaves the file as it is.</source>
        <translation>Seus timers foram salvos por uma versão mais nova do Dunok. Use essa versão; esta deixa o arquivo como está.</translation>
    </message>
    <message>
        <source>Move it somewhere else (keep it if your timers matter to you), then start Dunok again: it begins with a new timer file.</source>
        <translation>Mova-o para outro lugar (guarde-o se seus timers forem importantes para você) e inicie o Dunok novamente: ele começará com um novo arquivo de timers.</translation>
    </message>
    <message>
        <source>Dunok cannot open the file that holds your timers, “%1”.</source>
        <translation>O Dunok não consegue abrir o arquivo que guarda seus timers, “%1”.</translation>
    </message>
    <message>
        <source>Dunok cannot make the folder “%1” for your timers.</source>
        <translation>O Dunok não consegue criar a pasta “%1” para seus timers.</translation>
    </message>
    <message>
        <source>Make sure that no file of that name is in the way and that you may write in the folder above it, then start Dunok again.</source>
        <translation>Verifique se nenhum arquivo com esse nome está atrapalhando e se você pode gravar na pasta acima dela; depois inicie o Dunok novamente.</translation>
    </message>
    <message>
        <source>Dunok may not write in the folder “%1”, where your timers are kept.</source>
        <translation>O Dunok não tem permissão para gravar na pasta “%1”, onde seus timers são guardados.</translation>
    </message>
    <message>
        <source>Give yourself permission to write in that folder, then start Dunok again.</source>
        <translation>Dê a si mesmo permissão para gravar nessa pasta e inicie o Dunok novamente.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is a link to “%2”, which does not exist.</source>
        <translation>O arquivo que guarda seus timers, “%1”, é um link para “%2”, que não existe.</translation>
    </message>
    <message>
        <source>Bring back the file it points to, or remove the link to start with a new timer file; then start Dunok again.</source>
        <translation>Restaure o arquivo para o qual ele aponta, ou remova o link para começar com um novo arquivo de timers; depois inicie o Dunok novamente.</translation>
    </message>
    <message>
        <source>Dunok cannot reach the file that holds your timers, “%1”.</source>
        <translation>O Dunok não consegue alcançar o arquivo que guarda seus timers, “%1”.</translation>
    </message>
    <message>
        <source>Give yourself permission to open the folders on its way, then start Dunok again.</source>
        <translation>Dê a si mesmo permissão para abrir as pastas no caminho até ele e inicie o Dunok novamente.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is a folder instead of a file.</source>
        <translation>Onde o Dunok guarda seus timers, “%1”, há uma pasta em vez de um arquivo.</translation>
    </message>
    <message>
        <source>Where Dunok keeps your timers, “%1”, there is something other than a file.</source>
        <translation>Onde o Dunok guarda seus timers, “%1”, há algo que não é um arquivo.</translation>
    </message>
    <message>
        <source>Dunok may not read and write the file that holds your timers, “%1”.</source>
        <translation>O Dunok não tem permissão para ler e gravar o arquivo que guarda seus timers, “%1”.</translation>
    </message>
    <message>
        <source>Give yourself permission to read and write it, then start Dunok again.</source>
        <translation>Dê a si mesmo permissão para lê-lo e gravá-lo e inicie o Dunok novamente.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is not a timer file.</source>
        <translation>O arquivo que guarda seus timers, “%1”, não é um arquivo de timers.</translation>
    </message>
    <message>
        <source>The file that holds your timers, “%1”, is damaged.</source>
        <translation>O arquivo que guarda seus timers, “%1”, está danificado.</translation>
    </message>
    <message>
        <source>The file “%1” holds another program&apos;s data, not your timers.</source>
        <translation>O arquivo “%1” contém dados de outro programa, não seus timers.</translation>
    </message>
    <message>
        <source>The details say what went wrong.</source>
        <translation>Os detalhes dizem o que deu errado.</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>%1 Quick Help</source>
        <translation>Ajuda rápida do %1</translation>
    </message>
</context>
<context>
    <name>TimerCommands</name>
    <message>
        <source>“%1” is not running.</source>
        <translation>“%1” não está em execução.</translation>
    </message>
    <message>
        <source>%1 timer</source>
        <translation>Timer de %1</translation>
    </message>
    <message>
        <source>“%1” is running or paused already; nothing changed.</source>
        <translation>“%1” já está em execução ou pausado; nada foi alterado.</translation>
    </message>
    <message>
        <source>“%1” is not counting down.</source>
        <translation>“%1” não está em contagem regressiva.</translation>
    </message>
    <message>
        <source>“%1” is not paused.</source>
        <translation>“%1” não está pausado.</translation>
    </message>
    <message>
        <source>“%1” would have more than 7 days left; nothing changed.</source>
        <translation>“%1” ficaria com mais de 7 dias restantes; nada foi alterado.</translation>
    </message>
    <message>
        <source>The new timer could not be saved.</source>
        <translation>Não foi possível salvar o novo timer.</translation>
    </message>
    <message>
        <source>The timers could not be read from the store: %1</source>
        <translation>Não foi possível ler os timers do armazenamento: %1</translation>
    </message>
</context>
<context>
    <name>TimerEngine</name>
    <message numerus="yes">
        <source>%1: %Ln minute(s) left</source>
        <translation>
            <numerusform>%1: falta %Ln minuto</numerusform>
            <numerusform>%1: faltam %Ln minutos</numerusform>
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
        <translation>não é um objeto JSON.</translation>
    </message>
    <message>
        <source>“description” is missing or not a text.</source>
        <translation>“description” está ausente ou não é um texto.</translation>
    </message>
    <message>
        <source>the description is longer than %L1 characters.</source>
        <translation>a descrição tem mais de %L1 caracteres.</translation>
    </message>
    <message>
        <source>“seconds” must be a whole number from 0 to %L1 (a hundred years).</source>
        <translation>“seconds” deve ser um número inteiro de 0 a %L1 (cem anos).</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound.</source>
        <translation>“sound” deve ser o nome de um som.</translation>
    </message>
    <message>
        <source>“sound” must be the name of a sound, not a path.</source>
        <translation>“sound” deve ser o nome de um som, não um caminho.</translation>
    </message>
    <message>
        <source>“snooze” must be {&quot;on&quot;: true or false, &quot;minutes&quot;: 1 to %L1}.</source>
        <translation>“snooze” deve ser {&quot;on&quot;: true ou false, &quot;minutes&quot;: 1 a %L1}.</translation>
    </message>
    <message>
        <source>“warnBefore” must be 0, 1, 2 or 5 (minutes).</source>
        <translation>“warnBefore” deve ser 0, 1, 2 ou 5 (minutos).</translation>
    </message>
    <message>
        <source>“whenFinished” must have “then”: “stop”, “repeat” or “start”.</source>
        <translation>“whenFinished” deve ter “then”: “stop”, “repeat” ou “start”.</translation>
    </message>
    <message>
        <source>“times” must be a whole number from 0 (until stopped) to %1.</source>
        <translation>“times” deve ser um número inteiro de 0 (até ser parado) a %1.</translation>
    </message>
    <message>
        <source>“then”: “start” needs the description of a timer in “timer”.</source>
        <translation>“then”: “start” precisa da descrição de um timer em “timer”.</translation>
    </message>
    <message>
        <source>“index” must be the place of a timer in the file, from 0 to %L1.</source>
        <translation>“index” deve ser a posição de um timer no arquivo, de 0 a %L1.</translation>
    </message>
    <message>
        <source>The file is %1 MB large; an export file is at most %2 MB.</source>
        <translation>O arquivo tem %1 MB; um arquivo de exportação tem no máximo %2 MB.</translation>
    </message>
    <message>
        <source>“%1” is %2 MB large; an export file is at most %3 MB.</source>
        <translation>“%1” tem %2 MB; um arquivo de exportação tem no máximo %3 MB.</translation>
    </message>
    <message>
        <source>This is not an export file: it is not JSON (%1 at line %2, column %3).</source>
        <translation>Este não é um arquivo de exportação: não é JSON (%1 na linha %2, coluna %3).</translation>
    </message>
    <message>
        <source>This is not a Dunok export file: its “format” is not “%1”.</source>
        <translation>Este não é um arquivo de exportação do Dunok: seu “format” não é “%1”.</translation>
    </message>
    <message>
        <source>The file&apos;s “version” is missing or not a whole number.</source>
        <translation>O “version” do arquivo está ausente ou não é um número inteiro.</translation>
    </message>
    <message>
        <source>A newer Dunok wrote this file (format version %1); this one reads version %2.</source>
        <translation>Um Dunok mais novo gravou este arquivo (versão do formato %1); este lê a versão %2.</translation>
    </message>
    <message>
        <source>The file&apos;s “timers” is missing or not a list.</source>
        <translation>O “timers” do arquivo está ausente ou não é uma lista.</translation>
    </message>
    <message>
        <source>The file holds %L1 timers; Dunok imports at most %L2 at a time.</source>
        <translation>O arquivo contém %L1 timers; o Dunok importa no máximo %L2 por vez.</translation>
    </message>
    <message>
        <source>it starts “%1”, which is not in the file.</source>
        <translation>ele inicia “%1”, que não está no arquivo.</translation>
    </message>
    <message>
        <source>There is no file “%1”.</source>
        <translation>Não existe o arquivo “%1”.</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file.</source>
        <translation>“%1” é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2</source>
        <translation>Não foi possível gravar “%1”: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln timer(s).</source>
        <translation>
            <numerusform>%Ln timer importado.</numerusform>
            <numerusform>%Ln timers importados.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>This computer has no sound %1: those timers ring “%2” until it is added.</source>
        <translation>Este computador não tem o som %1: esses timers tocam “%2” até que ele seja adicionado.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln timer(s) to “%1”.</source>
        <translation>
            <numerusform>%Ln timer exportado para “%1”.</numerusform>
            <numerusform>%Ln timers exportados para “%1”.</numerusform>
        </translation>
    </message>
    <message>
        <source>No timer was imported.</source>
        <translation>Nenhum timer foi importado.</translation>
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
        <translation>1 hora e 15 minutos</translation>
    </message>
    <message>
        <source>1 hour 30 minutes</source>
        <translation>1 hora e 30 minutos</translation>
    </message>
    <message>
        <source>1 hour 45 minutes</source>
        <translation>1 hora e 45 minutos</translation>
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
        <translation>O nome de um timer não pode conter quebras de linha nem outros caracteres de controle.</translation>
    </message>
    <message>
        <source>A timer name cannot be empty.</source>
        <translation>O nome de um timer não pode ficar vazio.</translation>
    </message>
    <message>
        <source>“%1” matches more than one timer:</source>
        <translation>“%1” corresponde a mais de um timer:</translation>
    </message>
    <message>
        <source>There is no timer “%1”, and no timers are stored.</source>
        <translation>Não existe o timer “%1”, e nenhum timer está salvo.</translation>
    </message>
    <message>
        <source>There is no timer “%1”. The timers are:</source>
        <translation>Não existe o timer “%1”. Os timers são:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>rodada %1</translation>
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
        <translation>Soneca %1</translation>
    </message>
</context>
<context>
    <name>TimerStore</name>
    <message>
        <source>The store %1 could not be read</source>
        <translation>Não foi possível ler o armazenamento %1</translation>
    </message>
    <message>
        <source>No store is open</source>
        <translation>Nenhum armazenamento está aberto</translation>
    </message>
    <message>
        <source>The store %1 could not be written</source>
        <translation>Não foi possível gravar o armazenamento %1</translation>
    </message>
    <message>
        <source>The store %1 could not be written (%2)</source>
        <translation>Não foi possível gravar o armazenamento %1 (%2)</translation>
    </message>
    <message>
        <source>The timer is no longer in the store %1</source>
        <translation>O timer não está mais no armazenamento %1</translation>
    </message>
    <message>
        <source>The store %1 cannot be examined</source>
        <translation>Não é possível examinar o armazenamento %1</translation>
    </message>
    <message>
        <source>The store %1 is not a regular file</source>
        <translation>O armazenamento %1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>The store %1 cannot be read and written</source>
        <translation>O armazenamento %1 não pode ser lido e gravado</translation>
    </message>
    <message>
        <source>The folder %1 of the store %2 cannot be written</source>
        <translation>Não é possível gravar na pasta %1 do armazenamento %2</translation>
    </message>
    <message>
        <source>is not a database</source>
        <translation>não é um banco de dados</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>não pôde ser lido</translation>
    </message>
    <message>
        <source>The store %1 %2</source>
        <translation>O armazenamento %1 %2</translation>
    </message>
    <message>
        <source>The store %1 was written by a newer version of Dunok (store version %2; this one reads up to %3)</source>
        <translation>O armazenamento %1 foi gravado por uma versão mais nova do Dunok (versão do armazenamento %2; esta lê até a %3)</translation>
    </message>
    <message>
        <source>The store %1 holds other data: %2</source>
        <translation>O armazenamento %1 contém outros dados: %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>não tem a tabela %1</translation>
    </message>
    <message>
        <source>table %1 has no column %2</source>
        <translation>a tabela %1 não tem a coluna %2</translation>
    </message>
    <message>
        <source>The store %1 could not be opened</source>
        <translation>Não foi possível abrir o armazenamento %1</translation>
    </message>
    <message>
        <source>The store %1 could not be opened (%2)</source>
        <translation>Não foi possível abrir o armazenamento %1 (%2)</translation>
    </message>
    <message>
        <source>A store is already open at %1, not opening %2</source>
        <translation>Já há um armazenamento aberto em %1; %2 não será aberto</translation>
    </message>
    <message>
        <source>No path was given for the store</source>
        <translation>Nenhum caminho foi informado para o armazenamento</translation>
    </message>
    <message>
        <source>The folder %1 of the store could not be created</source>
        <translation>Não foi possível criar a pasta %1 do armazenamento</translation>
    </message>
    <message>
        <source>The store %1 could not be created</source>
        <translation>Não foi possível criar o armazenamento %1</translation>
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
        <translation>Meu som</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not there any more.</source>
        <translation>“%1” não existe mais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>“%1” não é um arquivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>“%1” está vazio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for an alarm sound: %2 MB at most.</source>
        <translation>“%1” é grande demais para um som de alarme: no máximo %2 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sound that Dunok can play.</source>
        <translation>“%1” não é um som que o Dunok consiga tocar.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into %2: %3</source>
        <translation>Não foi possível copiar “%1” para %2: %3</translation>
    </message>
    <message>
        <source>Other Sound</source>
        <translation>Outro som</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;All files (*)</source>
        <translation>Sons (*.wav *.flac *.ogg *.oga *.opus *.caf *.aif *.aiff);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>dunok::AddMultipleController</name>
    <message>
        <source>Add Multiple Timers</source>
        <translation>Adicionar vários timers</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Adicionar linha</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Remover linha</translation>
    </message>
    <message>
        <source>Times such as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Tempos como 1:30, 90s, 1h 5m, 2h ou 45 (segundos).</translation>
    </message>
    <message>
        <source>Start the new timers</source>
        <translation>Iniciar os novos timers</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Duração inválida.</translation>
    </message>
    <message>
        <source>Missing duration.</source>
        <translation>Duração ausente.</translation>
    </message>
    <message>
        <source>Row %1 needs a duration, such as 5m or 1:30.</source>
        <translation>A linha %1 precisa de uma duração, como 5m ou 1:30.</translation>
    </message>
    <message>
        <source>Row %1: %2 is not a duration. Type it as 1:30, 90s, 1h 5m, 2h, or 45 (seconds).</source>
        <translation>Linha %1: %2 não é uma duração. Digite-a como 1:30, 90s, 1h 5m, 2h ou 45 (segundos).</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Descrição ausente.</translation>
    </message>
    <message>
        <source>Row %1 needs a description.</source>
        <translation>A linha %1 precisa de uma descrição.</translation>
    </message>
    <message>
        <source>No timers to add.</source>
        <translation>Nenhum timer para adicionar.</translation>
    </message>
    <message>
        <source>Type a duration and a description in a row, or press Cancel.</source>
        <translation>Digite uma duração e uma descrição em uma linha, ou clique em “Cancelar”.</translation>
    </message>
    <message>
        <source>Could not save the timers.</source>
        <translation>Não foi possível salvar os timers.</translation>
    </message>
    <message>
        <source>Nothing was added and your rows are still here. Try Save again.</source>
        <translation>Nada foi adicionado e suas linhas continuam aqui. Tente “Salvar” novamente.</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Could not save changes while quitting. Quit anyway?</source>
        <comment>Quit without saves error question message</comment>
        <translation>Não foi possível salvar as alterações ao sair. Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <comment>Quit without saves error question info</comment>
        <translation>Se sair agora, você perderá todas as alterações feitas desde o último salvamento bem-sucedido</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <comment>Quit anyway button title</comment>
        <translation>Sair mesmo assim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel button title</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.</source>
        <translation>O Dunok continua rodando. Para trazer a janela de volta, abra o Dunok de novo ou execute “dunok --show”.</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarCell</name>
    <message>
        <source>Selected</source>
        <translation>Selecionado</translation>
    </message>
</context>
<context>
    <name>dunok::CalendarPopover</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
</context>
<context>
    <name>dunok::DesktopNotifications</name>
    <message>
        <source>Show Dunok</source>
        <translation>Mostrar o Dunok</translation>
    </message>
    <message>
        <source>+1 min</source>
        <translation>+1 min</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>dunok::EditController</name>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Som do alarme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Play or stop the sound</source>
        <translation>Tocar ou parar o som</translation>
    </message>
    <message>
        <source>Plays the chosen sound, or stops a sound that is playing</source>
        <translation>Toca o som escolhido, ou para um som que está tocando</translation>
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
        <translation>A duração não pode ser zero.</translation>
    </message>
    <message>
        <source>Date must be in the future.</source>
        <translation>A data deve estar no futuro.</translation>
    </message>
    <message>
        <source>Ring at date and time</source>
        <translation>Data e hora para tocar</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Pick a day from the calendar</source>
        <translation>Escolher um dia no calendário</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start the timer when saved</source>
        <translation>Iniciar o timer ao salvar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Som:</translation>
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
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Ring at:</source>
        <translation>Tocar em:</translation>
    </message>
    <message>
        <source>Warn before the end:</source>
        <translation>Avisar antes do fim:</translation>
    </message>
    <message>
        <source>When it finishes:</source>
        <translation>Quando terminar:</translation>
    </message>
    <message>
        <source>Edit timer</source>
        <translation>Editar timer</translation>
    </message>
    <message>
        <source>Add timer</source>
        <translation>Adicionar timer</translation>
    </message>
    <message>
        <source>Other sound…</source>
        <translation>Outro som…</translation>
    </message>
    <message>
        <source>Could not add the sound.</source>
        <translation>Não foi possível adicionar o som.</translation>
    </message>
    <message>
        <source>A duration of a day or more is set with the date and time below.</source>
        <translation>Uma duração de um dia ou mais é definida com a data e a hora abaixo.</translation>
    </message>
    <message>
        <source>Sound not found.</source>
        <translation>Som não encontrado.</translation>
    </message>
    <message>
        <source>There is no sound file named &quot;%1&quot;. The timer keeps this sound, but it will ring silently.</source>
        <translation>Não há nenhum arquivo de som chamado “%1”. O timer mantém esse som, mas tocará em silêncio.</translation>
    </message>
    <message>
        <source>Invalid duration.</source>
        <translation>Duração inválida.</translation>
    </message>
    <message>
        <source>Duration cannot be zero, or date and time must not be in the past.</source>
        <translation>A duração não pode ser zero, e a data e a hora não podem estar no passado.</translation>
    </message>
    <message>
        <source>Missing description.</source>
        <translation>Descrição ausente.</translation>
    </message>
    <message>
        <source>You need to provide a description</source>
        <translation>Você precisa informar uma descrição</translation>
    </message>
    <message>
        <source>Invalid snooze length.</source>
        <translation>Duração da soneca inválida.</translation>
    </message>
    <message>
        <source>Could not save the timer.</source>
        <translation>Não foi possível salvar o timer.</translation>
    </message>
    <message>
        <source>Nothing was saved and what you typed is still here. Try Save again.</source>
        <translation>Nada foi salvo e o que você digitou continua aqui. Tente “Salvar” novamente.</translation>
    </message>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 não existe em %2: os relógios são adiantados nesse momento.</translation>
    </message>
    <message>
        <source>Not a date and time: type one like %1.</source>
        <translation>Não é uma data e hora: digite uma como %1.</translation>
    </message>
</context>
<context>
    <name>dunok::HelpCommands</name>
    <message>
        <source>Help not found.</source>
        <translation>Ajuda não encontrada.</translation>
    </message>
    <message>
        <source>Could not locate help.</source>
        <translation>Não foi possível localizar a ajuda.</translation>
    </message>
    <message>
        <source>Could not display help </source>
        <translation>Não foi possível exibir a ajuda: </translation>
    </message>
    <message>
        <source>Unable to open webpage.</source>
        <translation>Não foi possível abrir a página da web.</translation>
    </message>
</context>
<context>
    <name>dunok::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Timer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New Timer...</source>
        <translation>&amp;Novo timer…</translation>
    </message>
    <message>
        <source>Add &amp;Multiple Timers...</source>
        <translation>Adicionar &amp;vários timers…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>&amp;Edit Timer...</source>
        <translation>&amp;Editar timer…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>E&amp;xport Timers…</source>
        <translation>E&amp;xportar timers…</translation>
    </message>
    <message>
        <source>&amp;Import Timers…</source>
        <translation>&amp;Importar timers…</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferências…</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Start or Stop</source>
        <translation>&amp;Iniciar ou parar</translation>
    </message>
    <message>
        <source>&amp;Pause or Resume</source>
        <translation>&amp;Pausar ou retomar</translation>
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
        <translation>E&amp;xcluir…</translation>
    </message>
    <message>
        <source>Stop &amp;All Timers</source>
        <translation>Parar &amp;todos os timers</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>S&amp;ilence Alarm</source>
        <translation>&amp;Silenciar alarme</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Dunok Help</source>
        <translation>Ajuda do Dunok</translation>
    </message>
    <message>
        <source>Dunok Website</source>
        <translation>Site do Dunok</translation>
    </message>
</context>
<context>
    <name>dunok::MonthCalendarView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
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
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Alarm volume</source>
        <translation>Volume do alarme</translation>
    </message>
    <message>
        <source>Countdown format</source>
        <translation>Formato da contagem regressiva</translation>
    </message>
    <message>
        <source>Clock digits (01:05:30)</source>
        <translation>Dígitos de relógio (01:05:30)</translation>
    </message>
    <message>
        <source>Unit letters (1h 5m 30s)</source>
        <translation>Letras de unidade (1h 5m 30s)</translation>
    </message>
    <message>
        <source>Close the window when a timer starts</source>
        <translation>Fechar a janela quando um timer iniciar</translation>
    </message>
    <message>
        <source>Bring Dunok to the front when a timer finishes</source>
        <translation>Trazer o Dunok para a frente quando um timer terminar</translation>
    </message>
    <message>
        <source>Send a notification when a timer finishes</source>
        <translation>Enviar uma notificação quando um timer terminar</translation>
    </message>
    <message>
        <source>Large rows</source>
        <translation>Linhas grandes</translation>
    </message>
    <message>
        <source>Silence the alarm when the mouse moves</source>
        <translation>Silenciar o alarme quando o mouse se mover</translation>
    </message>
    <message>
        <source>Fade the alarm in</source>
        <translation>Aumentar o alarme aos poucos</translation>
    </message>
    <message>
        <source>Count up after a timer finishes</source>
        <translation>Continuar contando depois que um timer terminar</translation>
    </message>
    <message>
        <source>Repeat the alarm until it is silenced</source>
        <translation>Repetir o alarme até ser silenciado</translation>
    </message>
    <message>
        <source>Repeat the alarm for at most</source>
        <translation>Repetir o alarme por no máximo</translation>
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
        <translation>Manter os timers em execução entre reinícios</translation>
    </message>
    <message>
        <source>Start Dunok when I log in</source>
        <translation>Iniciar o Dunok quando eu entrar na sessão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Countdown:</source>
        <translation>&amp;Contagem regressiva:</translation>
    </message>
    <message>
        <source>For at &amp;most:</source>
        <translation>No &amp;máximo:</translation>
    </message>
    <message>
        <source>Dunok could not be set to start when you log in.</source>
        <translation>Não foi possível configurar o Dunok para iniciar quando você entrar na sessão.</translation>
    </message>
    <message>
        <source>Dunok could not be kept from starting when you log in.</source>
        <translation>Não foi possível impedir que o Dunok inicie quando você entrar na sessão.</translation>
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
        <translation>Ajuda rápida</translation>
    </message>
    <message>
        <source>Double-click a timer to start or stop it.
Right-click a timer to duplicate it, pause or resume it.
You can resume a paused timer by double-clicking it.</source>
        <translation>Clique duas vezes em um timer para iniciá-lo ou pará-lo.
Clique com o botão direito em um timer para duplicá-lo, pausá-lo ou retomá-lo.
Você também pode retomar um timer pausado clicando duas vezes nele.</translation>
    </message>
    <message>
        <source>For comprehensive help, select &apos;%1 Help&apos; from the &apos;Help&apos; menu.</source>
        <translation>Para uma ajuda completa, escolha “Ajuda do %1” no menu “Ajuda”.</translation>
    </message>
</context>
<context>
    <name>dunok::RoutineField</name>
    <message>
        <source>What happens when the timer finishes</source>
        <translation>O que acontece quando o timer termina</translation>
    </message>
    <message>
        <source>How many times, 0 until stopped</source>
        <translation>Quantas vezes, 0 até ser parado</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>até ser parado</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Iniciar de novo</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Iniciar: %1</translation>
    </message>
    <message>
        <source>The timer this one started was deleted, so it now stops when it finishes.</source>
        <translation>O timer que este iniciava foi excluído, então agora ele para quando termina.</translation>
    </message>
</context>
<context>
    <name>dunok::SnoozeField</name>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Offer a snooze when the timer rings</source>
        <translation>Oferecer soneca quando o timer tocar</translation>
    </message>
    <message>
        <source>Snooze length in minutes</source>
        <translation>Duração da soneca em minutos</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>A snooze lasts from 1 minute to 1 day (1440 minutes).</source>
        <translation>Uma soneca dura de 1 minuto a 1 dia (1440 minutos).</translation>
    </message>
</context>
<context>
    <name>dunok::TimerContextMenu</name>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Add 1 Minute</source>
        <translation>Adicionar 1 minuto</translation>
    </message>
    <message>
        <source>Add 5 Minutes</source>
        <translation>Adicionar 5 minutos</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Pause timer</source>
        <translation>Pausar timer</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplicar %1</translation>
    </message>
    <message>
        <source>Resume timer %1</source>
        <translation>Retomar o timer %1</translation>
    </message>
    <message>
        <source>Pause timer %1</source>
        <translation>Pausar o timer %1</translation>
    </message>
    <message>
        <source>&amp;Stop timer %1</source>
        <translation>&amp;Parar o timer %1</translation>
    </message>
    <message>
        <source>&amp;Start timer %1</source>
        <translation>&amp;Iniciar o timer %1</translation>
    </message>
    <message>
        <source>Timer commands</source>
        <translation>Comandos do timer</translation>
    </message>
</context>
<context>
    <name>dunok::TimerEngine</name>
    <message>
        <source>Paused %1</source>
        <translation>Pausado %1</translation>
    </message>
    <message>
        <source>Finished while Dunok was closed, at %1</source>
        <translation>Terminou enquanto o Dunok estava fechado, em %1</translation>
    </message>
    <message>
        <source>Occurred at %1</source>
        <translation>Terminou em %1</translation>
    </message>
    <message>
        <source>Duration was %1</source>
        <translation>Duração: %1</translation>
    </message>
    <message>
        <source>“%1” runs already, so “%2” started nothing.</source>
        <translation>“%1” já está em execução, então “%2” não iniciou nada.</translation>
    </message>
    <message>
        <source>%1 starts, %2</source>
        <translation>%1 começa, %2</translation>
    </message>
</context>
<context>
    <name>dunok::TimerRowsTable</name>
    <message>
        <source>New timers</source>
        <translation>Novos timers</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>1h 30m</source>
        <translation>1h 30m</translation>
    </message>
    <message>
        <source>A description</source>
        <translation>Uma descrição</translation>
    </message>
    <message>
        <source>Time, row %1</source>
        <translation>Tempo, linha %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Descrição, linha %1</translation>
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
        <translation>Timers</translation>
    </message>
</context>
<context>
    <name>dunok::TimerToolbar</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Create a new timer.</source>
        <translation>Criar um novo timer.</translation>
    </message>
    <message>
        <source>Create multiple timers.</source>
        <translation>Criar vários timers.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort by custom, name or time</source>
        <translation>Ordenar de forma personalizada, por nome ou por tempo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Stop all timers</source>
        <translation>Parar todos os timers</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Silence any active alarms</source>
        <translation>Silenciar todos os alarmes ativos</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Add multiple</source>
        <translation>Adicionar vários</translation>
    </message>
</context>
<context>
    <name>dunok::TimerTransfer</name>
    <message>
        <source>Could not export the timers.</source>
        <translation>Não foi possível exportar os timers.</translation>
    </message>
    <message>
        <source>They could not be read from the store.</source>
        <translation>Não foi possível lê-los do armazenamento.</translation>
    </message>
    <message>
        <source>Could not import “%1”.</source>
        <translation>Não foi possível importar “%1”.</translation>
    </message>
    <message>
        <source>Export files (*.json)</source>
        <translation>Arquivos de exportação (*.json)</translation>
    </message>
    <message>
        <source>Export Timers</source>
        <translation>Exportar timers</translation>
    </message>
    <message>
        <source>Dunok timers.json</source>
        <translation>Timers do Dunok.json</translation>
    </message>
    <message>
        <source>Import Timers</source>
        <translation>Importar timers</translation>
    </message>
</context>
<context>
    <name>dunok::TrayIcon</name>
    <message>
        <source>Show Dunok</source>
        <translation>Mostrar o Dunok</translation>
    </message>
    <message>
        <source>Quit Dunok</source>
        <translation>Sair do Dunok</translation>
    </message>
    <message>
        <source>A timer</source>
        <translation>Um timer</translation>
    </message>
    <message>
        <source>%1 — paused, %2 left</source>
        <translation>%1 — pausado, restam %2</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <translation>%1 — restam %2</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dunok::ViewController</name>
    <message>
        <source>Good Reason</source>
        <translation>Um bom motivo</translation>
    </message>
    <message>
        <source>Could not keep the new order.</source>
        <translation>Não foi possível manter a nova ordem.</translation>
    </message>
    <message>
        <source>The timers are in their old order again.</source>
        <translation>Os timers voltaram à ordem anterior.</translation>
    </message>
    <message>
        <source>Could not duplicate the timer.</source>
        <translation>Não foi possível duplicar o timer.</translation>
    </message>
    <message>
        <source>Nothing was added to the list.</source>
        <translation>Nada foi adicionado à lista.</translation>
    </message>
    <message>
        <source>Could not delete every timer.</source>
        <translation>Não foi possível excluir todos os timers.</translation>
    </message>
    <message>
        <source>The timers that are still in the list are still stored.</source>
        <translation>Os timers que ainda estão na lista continuam salvos.</translation>
    </message>
</context>
<context>
    <name>dunok::WarningField</name>
    <message>
        <source>Minutes before the end to warn</source>
        <translation>Minutos antes do fim para avisar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
</context>
</TS>
