#include "domain/Clock.h"

#include <time.h>

namespace dunok {

namespace {

class BootTimeClock final : public Clock {
public:
    qint64 nowNs() const override {
        timespec ts{};
        // CLOCK_MONOTONIC would stop while the machine sleeps and every
        // countdown would come out late by the length of the sleep.
        clock_gettime(CLOCK_BOOTTIME, &ts);
        return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
    }
};

}  // namespace

const Clock& systemClock() {
    static const BootTimeClock clock;
    return clock;
}

}  // namespace dunok
