// Finding a timer by the name someone typed, and the state of every timer as
// the command line and the bus report it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "domain/Timer.h"

namespace dunok {

struct TimerMatch {
    enum class Kind { Found, None, Ambiguous };
    Kind kind = Kind::None;
    int index = -1;  // into the descriptions, when Found
    // When Ambiguous, the names that matched.
    QStringList candidates;
};

// The description typed exactly wins; failing that, the one that is the
// query with case ignored; failing that, the one that starts with the query,
// case ignored. Several hits on the deciding step are ambiguous. Without
// prefixes only the first two steps count.
enum class MatchPrefixes { No, Yes };
TimerMatch matchTimer(const QStringList& descriptions, const QString& query,
                      MatchPrefixes prefixes = MatchPrefixes::Yes);

// Names from outside (command line, bus) must not carry line breaks or other
// control characters: they would break the one-a-line listing and are nearly
// always a slip of the shell.
bool isAcceptableName(const QString& name);
// Why a name from outside cannot name a timer (empty, or with control
// characters), for the user; empty when it can.
QString nameProblem(const QString& name);

// name, or name with " 2", " 3", ... when one of taken has it: what a new
// timer is called beside timers of the same name.
QString unusedName(const QString& name, const QStringList& taken);

// What to tell someone whose query found no single timer: the candidates
// when it was ambiguous, else every timer there is. Empty when Found.
QString missText(const TimerMatch& match, const QString& query, const QStringList& descriptions);

// The word the listing and the bus give a state: "stopped", "running",
// "paused" or "finished".
QString stateWord(TimerState state);

struct TimerStatus {
    QString description;
    QString state;  // stateWord()
    qint64 secondsLeft = 0;
    QString round = {};  // routineRound()
};

class TimerList;

// Every timer of the list in list order, each in the state stateOf gives,
// with the seconds secondsLeft gives.
QList<TimerStatus> timerStatuses(
    const TimerList& list, const std::function<TimerState(const QString& id)>& stateOf,
    const std::function<qint64(const QString& id)>& secondsLeft,
    const std::function<QString(const QString& id)>& round = [](const QString&) {
        return QString();
    });

// "4:05", "1:04:05", "49:00:00": hours only when there are any, never days.
QString clockText(qint64 seconds);
// A routine's round as the listing and the bus give it, in no language: "2/4",
// "3" until stopped, empty for no round.
QString routineRound(int round, int rounds);
// The round of a routine's run, as its row and the listing show it: "2 of 4",
// "round 3" until stopped; empty for a run with no rounds to count.
QString roundText(int round, int rounds);
// How long ago a timer finished, as its row and the listing show it: "+2:13".
QString countUpText(qint64 seconds);
// One line of the listing: description, state, clockText and, in a routine,
// "round 2/4", tab-separated;
// tabs and line breaks in a description read as blanks.
QString listingLine(const TimerStatus& status);

}  // namespace dunok
