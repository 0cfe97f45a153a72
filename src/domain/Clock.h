// Where the tick scheduler reads the time. A countdown has to finish at the
// right moment on the wall even when the laptop slept in between, so the
// clock keeps counting through suspend; tests swap in a clock they move by hand.
#pragma once

#include <QtGlobal>

namespace dunok {

class Clock {
public:
    virtual ~Clock() = default;
    // Nanoseconds since an arbitrary fixed moment; never goes backwards.
    virtual qint64 nowNs() const = 0;
};

// Elapsed time including suspend (CLOCK_BOOTTIME).
const Clock& systemClock();

// A clock that only moves when told to.
class ManualClock : public Clock {
public:
    explicit ManualClock(qint64 startNs = 0) : now_(startNs) {}
    qint64 nowNs() const override { return now_; }
    void setNs(qint64 ns) { now_ = ns; }
    void advanceNs(qint64 ns) { now_ += ns; }

private:
    qint64 now_;
};

}  // namespace dunok
