// Drives every repeating tick of the app (one per running timer, plus the
// half-second mouse watch) from a single Qt timer on the GUI thread.
//
// Each source's ticks are due at start + k·interval, whatever happened to the
// ticks before, so a late or slow tick never shifts the ones after it. After a
// suspend every missed tick is delivered, one call each, so a countdown that
// should have run out during the sleep runs out as soon as the machine wakes.
// One timer, armed for the earliest due tick, serves all sources: many timers
// started together cost one wake-up per second, and an idle app none.
#pragma once

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <memory>

#include "domain/Alert.h"
#include "domain/Clock.h"

namespace dunok {

class TickScheduler : public QObject {
    Q_OBJECT
public:
    explicit TickScheduler(const Clock& clock = systemClock(), QObject* parent = nullptr);
    // Outstanding handles stay safe to use; they just report invalid.
    ~TickScheduler() override;

    // Calls `tick` every `intervalNs`, the k-th call due k intervals from now,
    // until the returned handle is invalidated. The scheduler keeps the source
    // alive: dropping the handle without invalidate() does not stop it.
    // After invalidate() there is no further call, also when it happens inside
    // a tick (this source's or another's). Intervals under a millisecond are
    // raised to one. A tick that runs a nested event loop (a modal dialog)
    // keeps every source ticking meanwhile, its own included, so its
    // callback may be entered again before it returns. Do not destroy the
    // scheduler from inside a tick.
    // startNs: the moment the k intervals count from (clock time), for a
    // run that goes on from where another ended without drifting; -1: now.
    std::shared_ptr<TickSource> schedule(std::function<void()> tick,
                                         qint64 intervalNs = 1'000'000'000, qint64 startNs = -1);

    int activeCount() const { return int(queue_.size()); }

    // Lets a wake-up wait up to this long past the earliest due tick, to take
    // the ticks due soon after it along in one go: with many timers started at
    // scattered moments this saves most wake-ups, each tick still comes at most
    // this much late, and ticks that are due together cost nothing extra (a
    // wake-up never waits once sixteen ticks are due by then).
    // 0 (the default) wakes for every due time.
    void setCoalescingNs(qint64 ns) { coalescingNs_ = std::max<qint64>(ns, 0); }

    // When the next wake-up is planned (clock time), or -1 when none is.
    qint64 plannedWakeNs() const { return timer_.isActive() ? armedDueNs_ : -1; }

    // Delivers every tick due at the clock's current reading, earliest first
    // (equal due times in the order the sources were scheduled), then arms the
    // timer for the next. The timer calls this; tests call it after moving a
    // ManualClock.
    void processDueTicks();

    // The earliest due tick, or -1 when nothing is scheduled.

    // Whether a wake-up is pending. False whenever nothing is scheduled.
    bool isArmed() const { return timer_.isActive(); }

    // While a tick is being delivered: the moment it was due, for callers that
    // want to know how late it came. -1 outside a tick.
    qint64 currentTickDueNs() const { return currentDueNs_; }

private:
    class Source;
    struct Key {
        qint64 dueNs;
        quint64 order;  // scheduling order, breaks ties between equal due times
        bool operator<(const Key& o) const {
            return dueNs != o.dueNs ? dueNs < o.dueNs : order < o.order;
        }
    };

    std::shared_ptr<Source> detach(Source& source);
    void armFor(qint64 dueNs);
    void rearm();
    // The last due time within the coalescing window of the earliest one due
    // after afterNs (of the earliest of all, by default).
    qint64 wakeTime(qint64 afterNs = std::numeric_limits<qint64>::min()) const;

    const Clock& clock_;
    QTimer timer_{this};
    std::map<Key, std::shared_ptr<Source>> queue_;
    quint64 nextOrder_ = 0;
    qint64 armedDueNs_ = 0;
    qint64 coalescingNs_ = 0;
    qint64 currentDueNs_ = -1;
    int depth_ = 0;  // nesting of processDueTicks (a tick may run a modal dialog)
};

}  // namespace dunok
