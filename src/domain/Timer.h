// A timer as the user made it: what it is called, how long it runs, what it
// rings, whether it snoozes, and what a run kept for the next start.
#pragma once

#include <QString>
#include <optional>

namespace dunok {

// A stored timer's id is its row in the store and never changes, whatever
// the order of the list; a timer started once and never stored gets a
// negative id for the run. 0: not stored yet.
using TimerId = qint64;

// The longest countdown a timer runs: a hundred years of 365.25 days, less a
// second. Whatever a store holds in a duration (another program, an old
// version, a damaged file) reads as 0 to this, so that the list, the editor,
// a running timer and its texts all work with the same number and no sum
// with it can overflow.
inline constexpr qint64 maxTimerDuration = 36525LL * 86400 - 1;

inline constexpr qint64 defDuration = 300;
// A snooze runs for a whole number of minutes, from a minute to a day.
inline constexpr qint64 defSnoozeDuration = 300;
inline constexpr qint64 minSnoozeDuration = 60;
inline constexpr qint64 maxSnoozeDuration = 86400;
// A heads-up before the end comes this many minutes before a finish; 0: none.
inline constexpr qint64 warningChoices[] = {1, 2, 5};

// What a timer does when it finishes, besides ringing: nothing more, start
// itself again, or start another timer.
enum class WhenFinished { Stop = 0, Repeat = 1, Start = 2 };
// A routine runs this many rounds at most, or until stopped (0).
inline constexpr int maxRoutineRounds = 99;

// Where a kept run stood in its routine: the timer the routine began with,
// the round, and the rounds it runs (0: until stopped).
struct KeptRoutine {
    TimerId head = 0;
    int round = 0;
    int rounds = 0;
    bool operator==(const KeptRoutine&) const = default;
};

struct Timer {
    TimerId id = 0;
    QString desc;
    qint64 duration = 0;  // seconds, 0 ... maxTimerDuration
    QString sound;
    bool snoozeOn = false;
    qint64 snooze = defSnoozeDuration;  // seconds, always a valid snooze length
    qint64 warnBefore = 0;              // minutes: 0 (no heads-up) or a warningChoices
    WhenFinished then = WhenFinished::Stop;
    int rounds = 0;    // of a routine that begins with this timer; 0: until stopped
    TimerId next = 0;  // the timer Start starts
    // Kept only while "Keep running timers across restarts" is on: when a
    // running timer is due, in milliseconds since the epoch (wall clock),
    // and how many seconds a paused one has left.
    std::optional<qint64> dueAt = {};
    std::optional<qint64> pausedLeft = {};
    std::optional<KeptRoutine> keptRoutine = {};

    bool isStored() const { return id > 0; }
};

// How a timer stands in this run.
enum class TimerState { Stopped, Running, Paused, Finished };

// Whether a name can be a sound's: a plain file name, not empty, not hidden,
// no path. Only such a name is ever looked up in the sounds folder.
bool isSoundName(const QString& name);

// What a store may hold read as a timer can run: a duration clamped to the
// longest countdown, a snooze length that is not a whole number of minutes
// from a minute to a day as the default.
qint64 readableDuration(qint64 stored);
qint64 readableSnooze(std::optional<qint64> stored);
// A stored heads-up that is none of the choices reads as none.
qint64 readableWarning(std::optional<qint64> stored);
// A kept routine as a store holds it; none when any part is missing or out
// of range.
std::optional<KeptRoutine> readKeptRoutine(std::optional<qint64> head, std::optional<qint64> round,
                                           std::optional<qint64> rounds);
// What a store holds as a timer's routine, read so that anything out of
// range stops, as a timer did before routines.
void readRoutine(Timer& timer, std::optional<qint64> then, std::optional<qint64> rounds,
                 std::optional<qint64> next);

}  // namespace dunok
