// Timers that outlive a quit. While "Keep running timers across restarts" is
// on, each stored timer that runs keeps in its record the wall-clock moment
// it is due, and each paused one the seconds it has left; the next start
// picks them up. Off, the records keep nothing and every timer starts
// stopped.
#pragma once

#include <QObject>

namespace dunok {

class TimerEngine;

class TimerRestore : public QObject {
    Q_OBJECT
public:
    explicit TimerRestore(TimerEngine& engine, QObject* parent = nullptr);

    // Once, at start, with the list loaded and the notifications ready: the
    // kept timers run on, wait paused, or ring for a moment that passed
    // while Dunok was closed. With the preference off, what an earlier run
    // kept is cleared.
    void restore();
    // Brings the records in line with what runs now; writes only when
    // something changed (a start, a pause, a stop), never for a tick.
    void keep();
    // The program quits: what runs now is written one last time and is what
    // the next start finds, whatever the way out does to the list.
    void quit();

private:
    TimerEngine& engine_;
    bool quitting_ = false;
};

}  // namespace dunok
