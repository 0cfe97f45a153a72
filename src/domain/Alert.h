// A running timer: one entry of the running-timer table.
#pragma once

#include <QString>
#include <memory>

namespace dunok {

// A repeating one-second tick that drives one running timer. Cancelling it
// guarantees that it never fires again.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

struct Alert {
    QString id;                            // the timer id of the record it times
    bool isPaused = false;                 // paused by the user
    std::shared_ptr<TickSource> theTimer;  // none when not ticking
    qint64 value = 0;                      // remaining seconds
    // Seconds the whole run lasts, time added included: what its progress is
    // measured against. 0 until a run starts.
    qint64 runLength = 0;
    // The seconds left at which the run gives its heads-up; 0 for none.
    qint64 warnAt = 0;
    // The routine this run belongs to: the timer whose start began it, the
    // round (from 1), and how many rounds it runs (0: until stopped). No
    // head: a run of its own.
    QString routineHead = {};
    int round = 0;
    int rounds = 0;
};

}  // namespace dunok
