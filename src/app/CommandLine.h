// Dunok's command line: the options, and the commands that drive a running
// Dunok over the bus (starting one in the background when a timer must run).
// Parsing comes before any application object, so that main() can choose a
// windowless QCoreApplication for the commands.
#pragma once

#include <QString>
#include <QStringList>

namespace dunok {

// The exit statuses of the commands; the manual page lists them too.
namespace ExitStatus {
inline constexpr int ok = 0;
inline constexpr int noSuchTimer = 1;  // no timer of that name, or several
inline constexpr int usage = 2;        // unknown option, missing argument, bad duration or name
inline constexpr int unreachable = 3;  // no Dunok could be reached or started, or its store read
inline constexpr int wrongState = 4;   // running already, not running, not paused
inline constexpr int badFile = 5;      // an export file that cannot be read, written or imported
}  // namespace ExitStatus

struct CommandLineRequest {
    enum class Mode {
        Gui,      // start the program (or hand over to the one that runs)
        Command,  // a command for the running Dunok, no window of its own
        Help,
        Version,
        Error,  // a usage error: message says which
    };
    enum class Action {
        None,
        Start,
        Stop,
        Pause,
        Resume,
        Add,
        StopAll,
        Silence,
        List,
        Export,
        Import
    };

    Mode mode = Mode::Gui;
    Action action = Action::None;
    QString argument;    // the NAME (or DURATION, or FILE) of the action
    qint64 seconds = 0;  // --add: the time to add
    QString name;        // --name
    bool hasName = false;
    bool save = false;
    bool show = false;
    bool hidden = false;
    bool newTimer = false;
    QString message;  // for Error
};

// arguments as main() received them, the program first.
CommandLineRequest parseCommandLine(const QStringList& arguments);

// QCommandLineParser's help; needs the application object.
QString commandLineHelp();

// Runs a Command request; needs a QCoreApplication. Prints the listing on
// standard output and every complaint on standard error; returns the exit
// status.
int runCommand(const CommandLineRequest& request);

}  // namespace dunok
