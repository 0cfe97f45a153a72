#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <algorithm>
#include <cstdio>

#include "app/Console.h"
#include "app/FileCommands.h"
#include "app/OfflineTimers.h"
#include "app/StartTarget.h"
#include "desktop/ControlClient.h"
#include "domain/DurationParser.h"
#include "domain/PreferenceStore.h"
#include "domain/TimerLookup.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"

namespace dunok {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A Dunok started for a command has this long to take its bus name; its
// first start also creates the store and the default timers.
constexpr int launchTimeoutMs = 20000;

struct Options {
    QCommandLineOption start{QStringLiteral("start"),
                             Texts::tr("Start the timer called NAME, or a new timer that runs "
                                       "for DURATION (\"90s\", \"1:30\", \"1h 5m\")."),
                             Texts::tr("NAME|DURATION")};
    QCommandLineOption name{QStringLiteral("name"),
                            Texts::tr("With --start DURATION: the new timer's name."),
                            Texts::tr("NAME")};
    QCommandLineOption save{QStringLiteral("save"),
                            Texts::tr("With --start DURATION: keep the new timer in the list.")};
    QCommandLineOption stop{QStringLiteral("stop"), Texts::tr("Stop the timer called NAME."),
                            Texts::tr("NAME")};
    QCommandLineOption pause{QStringLiteral("pause"), Texts::tr("Pause the timer called NAME."),
                             Texts::tr("NAME")};
    QCommandLineOption resume{QStringLiteral("resume"),
                              Texts::tr("Resume the paused timer called NAME."), Texts::tr("NAME")};
    QCommandLineOption add{QStringLiteral("add"),
                           Texts::tr("With a NAME after it: add AMOUNT (\"1m\", \"30s\") to "
                                     "the running or paused timer called NAME."),
                           Texts::tr("AMOUNT")};
    QCommandLineOption stopAll{QStringLiteral("stop-all"), Texts::tr("Stop every timer.")};
    QCommandLineOption silence{QStringLiteral("silence"), Texts::tr("Silence the alarm.")};
    QCommandLineOption list{QStringLiteral("list"),
                            Texts::tr("Print every timer: name, state and time left, "
                                      "tab-separated, one a line.")};
    QCommandLineOption exportTo{
        QStringLiteral("export"),
        Texts::tr("Write every timer to FILE, to take to another computer."), Texts::tr("FILE")};
    QCommandLineOption importFrom{
        QStringLiteral("import"),
        Texts::tr("Add the timers of FILE, written by --export, after the listed ones."),
        Texts::tr("FILE")};
    QCommandLineOption show{QStringLiteral("show"), Texts::tr("Bring Dunok's window forward.")};
    QCommandLineOption hidden{QStringLiteral("hidden"),
                              Texts::tr("Start with the window hidden (in the tray).")};
    QCommandLineOption newTimer{QStringLiteral("new"),
                                Texts::tr("Open the editor for a new timer.")};
};

void addOptions(QCommandLineParser& parser, const Options& o) {
    parser.setApplicationDescription(Texts::tr("Named countdown timers that ring at zero."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption* option :
         {&o.start, &o.name, &o.save, &o.stop, &o.pause, &o.resume, &o.add, &o.stopAll, &o.silence,
          &o.list, &o.exportTo, &o.importFrom, &o.show, &o.hidden, &o.newTimer})
        parser.addOption(*option);
    parser.addHelpOption();
    parser.addVersionOption();
}

// The options every Qt program takes (-style fusion, -platform wayland,
// -reverse, ...) are the toolkit's: QApplication reads them from the same
// command line, so they are not refused here.
QStringList withoutToolkitOptions(const QStringList& arguments) {
    static const QStringList withValue = {
        "platform",        "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
        "display",         "geometry",           "style",         "stylesheet"};
    static const QStringList bare = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    static const QStringList dunokWithValue = {"--start",  "--name", "--stop",   "--pause",
                                               "--resume", "--add",  "--export", "--import"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        // The value of one of Dunok's options, whatever it looks like.
        if (i > 0 && dunokWithValue.contains(arguments.at(i - 1))) {
            kept << argument;
            continue;
        }
        // Qt's own take one dash; Dunok's two.
        const bool single = argument.size() > 1 && argument.startsWith(QLatin1Char('-')) &&
                            !argument.startsWith(QLatin1String("--"));
        const QString word = argument.mid(1).section(QLatin1Char('='), 0, 0);
        if (i > 0 && single && withValue.contains(word)) {
            if (!argument.contains(QLatin1Char('='))) ++i;  // and its value
            continue;
        }
        if (i > 0 && single && bare.contains(word)) continue;
        kept << argument;
    }
    return kept;
}

CommandLineRequest usageError(const QString& message) {
    CommandLineRequest request;
    request.mode = CommandLineRequest::Mode::Error;
    request.message = message;
    return request;
}

// The timers the next start will show, while no Dunok runs; says why when
// the store cannot be read.
std::optional<QList<TimerStatus>> offlineTimers() {
    StoreError why;
    auto timers = timersAtNextStart(defaultStorePath(), PreferenceStore::defaultPath(),
                                    QDateTime::currentMSecsSinceEpoch(), &why);
    if (!timers) {
        const StoreOpenTrouble trouble = storeOpenTrouble(why);
        printError(trouble.what + QLatin1Char(' ') + trouble.whatToDo);
        printError(why.description);
    }
    return timers;
}

QStringList descriptionsOf(const QList<TimerStatus>& timers) {
    QStringList names;
    for (const TimerStatus& timer : timers) names << timer.description;
    return names;
}

// The timer called name among timers: -1, and its description in *found
// when given, or the miss told and its exit status.
int findTimer(const QList<TimerStatus>& timers, const QString& name, QString* found = nullptr) {
    const QStringList names = descriptionsOf(timers);
    const TimerMatch match = matchTimer(names, name);
    if (match.kind == TimerMatch::Kind::Found) {
        if (found) *found = names.at(match.index);
        return -1;
    }
    printError(missText(match, name, names));
    return ExitStatus::noSuchTimer;
}

// Without a running Dunok, the name is looked up in what the next start will
// show: a mistake is reported without starting anything. Returns the exit
// status on a miss, or -1 when the name was found.
int lookUpOffline(const QString& name) {
    const auto timers = offlineTimers();
    return timers ? findTimer(*timers, name) : ExitStatus::unreachable;
}

int printListing(const QList<TimerStatus>& timers) {
    QByteArray out;
    for (const TimerStatus& timer : timers) out += listingLine(timer).toUtf8() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return ExitStatus::ok;
}

int listOffline() {
    const auto timers = offlineTimers();
    return timers ? printListing(*timers) : ExitStatus::unreachable;
}

// The running Dunok's timers in its list's order.
ControlClient::Reply listRemote(const ControlClient& client, QList<TimerStatus>* timers) {
    QList<RemoteTimer> remote;
    const ControlClient::Reply reply = client.list(&remote);
    for (const RemoteTimer& timer : std::as_const(remote))
        *timers << TimerStatus{timer.description, timer.state, timer.secondsLeft, timer.round};
    return reply;
}

int listOnline(const ControlClient& client) {
    QList<TimerStatus> timers;
    const ControlClient::Reply reply = listRemote(client, &timers);
    return reply.ok ? printListing(timers) : report(reply);
}

bool durationOnly(const CommandLineRequest& request) {
    return request.hasName || request.save;
}

// What --start means among the timers given; a failure is told and its exit
// status returned, else -1.
int resolve(const QList<TimerStatus>& timers, const CommandLineRequest& request,
            StartTarget* target) {
    *target = resolveStart(descriptionsOf(timers), request.argument, durationOnly(request));
    if (!target->failed()) return -1;
    printError(target->message);
    return target->exitStatus();
}

int startOnline(const ControlClient& client, const CommandLineRequest& request) {
    QList<TimerStatus> timers;
    if (!durationOnly(request))
        if (const ControlClient::Reply listed = listRemote(client, &timers); !listed.ok)
            return report(listed);
    StartTarget target;
    if (const int status = resolve(timers, request, &target); status != -1) return status;
    if (target.kind == StartTarget::Kind::Timer) {
        const ControlClient::Reply reply =
            client.call(QStringLiteral("Start"), {target.description});
        if (reply.ok) printLine(startedTimerText(target.description));
        return report(reply);
    }
    const ControlClient::Reply reply = client.call(
        QStringLiteral("StartDuration"), {request.name, qlonglong(target.seconds), request.save});
    if (reply.ok)
        printLine(
            startedOneOffText(target.seconds, reply.arguments.value(0, request.name).toString()));
    return report(reply);
}

// Told by the timer's own description, not as the name was typed.
int addOnline(const ControlClient& client, const CommandLineRequest& request) {
    QList<TimerStatus> timers;
    if (const ControlClient::Reply listed = listRemote(client, &timers); !listed.ok)
        return report(listed);
    QString desc;
    if (const int status = findTimer(timers, request.argument, &desc); status != -1) return status;
    const ControlClient::Reply reply =
        client.call(QStringLiteral("AddTime"), {desc, qlonglong(request.seconds)});
    if (reply.ok)
        printLine(Texts::tr("“%1” has %2 left.")
                      .arg(desc, clockText(reply.arguments.value(0).toLongLong())));
    return report(reply);
}

bool launchInBackground(const ControlClient& client, bool showWindow) {
    if (!client.busAvailable()) {
        printError(Texts::tr("No session bus: Dunok cannot be reached."));
        return false;
    }
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(showWindow ? QStringList() : QStringList{QStringLiteral("--hidden")});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        printError(Texts::tr("Could not start Dunok: %1").arg(process.errorString()));
        return false;
    }
    if (client.waitForService(launchTimeoutMs)) return true;
    printError(Texts::tr("Dunok was started but did not appear on the session bus."));
    return false;
}

int runOffline(const CommandLineRequest& request) {
    using Action = CommandLineRequest::Action;
    switch (request.action) {
        case Action::List:
            return listOffline();
        case Action::Export:
            return exportOffline(request.argument);
        case Action::Import:
            return importOffline(request.argument);
        case Action::Stop:
        case Action::Pause:
        case Action::Resume:
        case Action::Add: {
            if (const int status = lookUpOffline(request.argument); status != -1) return status;
            printError(Texts::tr("Dunok is not running, so no timer is."));
            return ExitStatus::wrongState;
        }
        default:
            // Nothing runs, so there is nothing to stop or silence.
            return ExitStatus::ok;
    }
}

int runOnline(const ControlClient& client, const CommandLineRequest& request) {
    using Action = CommandLineRequest::Action;
    switch (request.action) {
        case Action::Start:
            return startOnline(client, request);
        case Action::Stop:
            return report(client.call(QStringLiteral("Stop"), {request.argument}));
        case Action::Pause:
            return report(client.call(QStringLiteral("Pause"), {request.argument}));
        case Action::Resume:
            return report(client.call(QStringLiteral("Resume"), {request.argument}));
        case Action::Add:
            return addOnline(client, request);
        case Action::StopAll:
            return report(client.call(QStringLiteral("StopAll")));
        case Action::Silence:
            return report(client.call(QStringLiteral("Silence")));
        case Action::List:
            return listOnline(client);
        case Action::Export:
            return exportOnline(client, request.argument);
        case Action::Import:
            return importOnline(client, request.argument);
        case Action::None:
            break;
    }
    return ExitStatus::ok;
}
}  // namespace

CommandLineRequest parseCommandLine(const QStringList& arguments) {
    using Action = CommandLineRequest::Action;
    QCommandLineParser parser;
    const Options o;
    addOptions(parser, o);
    if (!parser.parse(withoutToolkitOptions(arguments))) return usageError(parser.errorText());
    // Only --add takes a word of its own: the timer's name, after the amount.
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > (parser.isSet(o.add) ? 1 : 0))
        return usageError(Texts::tr("Unexpected argument “%1”.").arg(positional.constLast()));

    CommandLineRequest request;
    if (parser.isSet(QStringLiteral("help"))) {
        request.mode = CommandLineRequest::Mode::Help;
        return request;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        request.mode = CommandLineRequest::Mode::Version;
        return request;
    }
    const std::pair<const QCommandLineOption*, Action> actions[] = {
        {&o.start, Action::Start},      {&o.stop, Action::Stop}, {&o.pause, Action::Pause},
        {&o.resume, Action::Resume},    {&o.add, Action::Add},   {&o.stopAll, Action::StopAll},
        {&o.silence, Action::Silence},  {&o.list, Action::List}, {&o.exportTo, Action::Export},
        {&o.importFrom, Action::Import}};
    int given = 0;
    for (const auto& [option, action] : actions) {
        if (!parser.isSet(*option)) continue;
        const QStringList values = parser.values(*option);
        if (values.size() > 1) given = 2;
        ++given;
        request.action = action;
        if (!option->valueName().isEmpty()) request.argument = values.constLast();
    }
    if (given > 1)
        return usageError(
            Texts::tr("Give one of --start, --stop, --pause, --resume, --add, "
                      "--stop-all, --silence, --list, --export and --import at a time."));
    if (request.action == Action::Add) {
        if (positional.isEmpty())
            return usageError(
                Texts::tr("--add wants the name of a timer after the amount: "
                          "“dunok --add 5m Tea”."));
        const DurationReading amount = parseDuration(request.argument);
        if (amount.problem == DurationProblem::empty ||
            amount.problem == DurationProblem::unreadable)
            return usageError(Texts::tr("“%1” is not an amount of time (try “1m” or “30s”).")
                                  .arg(request.argument));
        if (!amount.ok() || amount.seconds > longestAddedTime)
            return usageError(addedTimeRangeText());
        request.seconds = amount.seconds;
        request.argument = positional.constFirst();
    }
    request.show = parser.isSet(o.show);
    request.hidden = parser.isSet(o.hidden);
    request.newTimer = parser.isSet(o.newTimer);
    request.save = parser.isSet(o.save);
    request.hasName = parser.isSet(o.name);
    request.name = parser.value(o.name);
    if ((request.hasName || request.save) && request.action != Action::Start)
        return usageError(Texts::tr("--name and --save go with --start."));
    if (int(request.hidden) + int(request.newTimer) + int(request.show) > 1 ||
        ((request.hidden || request.newTimer) && request.action != Action::None))
        return usageError(
            Texts::tr("--hidden and --new start the program; give them without other commands."));
    const bool withFile = request.action == Action::Export || request.action == Action::Import;
    if (withFile && request.argument.isEmpty())
        return usageError(Texts::tr("--export and --import want the name of a file."));
    if (!request.argument.isNull() && !withFile)
        if (const QString problem = nameProblem(request.argument); !problem.isEmpty())
            return usageError(problem);
    if (request.hasName)
        if (const QString problem = nameProblem(request.name); !problem.isEmpty())
            return usageError(problem);
    request.mode = request.action == Action::None ? CommandLineRequest::Mode::Gui
                                                  : CommandLineRequest::Mode::Command;
    return request;
}

QString commandLineHelp() {
    QCommandLineParser parser;
    const Options o;
    addOptions(parser, o);
    return parser.helpText() +
           Texts::tr(
               "\nExit status: 0 done, 1 no such timer (or several match), 2 usage error,\n"
               "3 Dunok could not be reached or started, 4 the timer is running already,\n"
               "not running, or not paused, 5 the file could not be read or written, or\n"
               "is not an export file Dunok can import.\n");
}

int runCommand(const CommandLineRequest& request) {
    const ControlClient client;
    bool running = client.serviceRunning();
    if (!running && (request.action == CommandLineRequest::Action::Start || request.show)) {
        if (request.action == CommandLineRequest::Action::Start) {
            // A mistake is told before anything is started.
            const auto timers = durationOnly(request)
                                    ? std::optional<QList<TimerStatus>>(QList<TimerStatus>())
                                    : offlineTimers();
            if (!timers) return ExitStatus::unreachable;
            StartTarget target;
            if (const int status = resolve(*timers, request, &target); status != -1) return status;
        }
        if (!launchInBackground(client, request.show)) return ExitStatus::unreachable;
        running = true;
    }
    if (!running) return runOffline(request);
    const int status = runOnline(client, request);
    if (request.show) {
        const ControlClient::Reply shown = client.call(QStringLiteral("Show"));
        if (!shown.ok && status == ExitStatus::ok) return report(shown);
    }
    return status;
}

}  // namespace dunok
