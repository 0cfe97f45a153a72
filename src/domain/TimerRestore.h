// Timers that outlive a quit. While "Keep running timers across restarts" is
// on, each stored timer that runs keeps in its record the wall-clock moment
// it is due, and each paused one the seconds it has left; the next start
// picks them up. Off, the records keep nothing and every timer starts
// stopped.
#pragma once

#include <QObject>
#include <optional>

#include "domain/WallClock.h"

namespace dunok {

class TimerEngine;
struct RestoredTimer;
struct Timer;
class TimerList;
struct StoreError;
class TimerRepository;

// How a kept timer stands at a moment: what its record holds (dueAt in ms
// since the epoch, pausedLeft in seconds) read against the wall clock. The
// time left is within the longest countdown.
struct KeptTimer {
    enum class State { None, Running, Paused, Finished };
    State state = State::None;
    qint64 secondsLeft = 0;
};
KeptTimer keptTimerAt(std::optional<qint64> dueAt, std::optional<qint64> pausedLeft, qint64 nowMs);

class TimerRestore : public QObject {
    Q_OBJECT
public:
    // What is kept goes into the list's timers as into the store.
    // wall: the clock the kept moments are read against.
    TimerRestore(TimerList& list, TimerEngine& engine, TimerRepository& store,
                 const WallClock& wall = systemWallClock(), QObject* parent = nullptr);

    // Once, at start, with the list loaded and the notifications ready: the
    // kept timers run on, wait paused, or ring for a moment that passed
    // while Dunok was closed. With the preference off, what an earlier run
    // kept is cleared.
    void restore();
    // Brings the store in line with what runs now; writes only when
    // something changed (a start, a pause, a stop), never for a tick. A
    // refused write is tried again at the next change; false then, and why
    // in *error when given.
    bool keep(StoreError* error = nullptr);
    // The program quits: what runs now is written one last time and is what
    // the next start finds, whatever the way out does to the list. False,
    // and nothing more is kept from then on, only when that write failed.
    bool quit(StoreError* error = nullptr);

private:
    // A kept run whose moment passed while Dunok was closed: in a routine,
    // the run the routine has gone on to since, or, when the routine ended
    // while closed, its last finish, to ring once.
    RestoredTimer wentOn(const Timer& timer, qint64 nowMs) const;

    TimerList& list_;
    TimerEngine& engine_;
    TimerRepository& store_;
    const WallClock& wall_;
    bool quitting_ = false;
};

}  // namespace dunok
