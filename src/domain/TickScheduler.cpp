#include "domain/TickScheduler.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace dunok {

class TickScheduler::Source final : public TickSource {
public:
    void invalidate() override {
        if (!valid_) return;
        valid_ = false;
        // Locals go in reverse order: the callback's captures first, then the
        // queue's reference, which may be the last one and take this object
        // with it; nothing touches a member after that.
        std::shared_ptr<Source> queued;
        if (owner_) queued = owner_->detach(*this);
        std::function<void()> captures;
        // Release what the callback holds now (it may hold this very handle),
        // unless it is running: then the caller releases it when it returns.
        if (running_ == 0) captures.swap(tick_);
    }
    bool isValid() const override { return valid_; }

    TickScheduler* owner_ = nullptr;
    std::function<void()> tick_;
    qint64 startNs_ = 0;
    qint64 intervalNs_ = 0;
    qint64 delivered_ = 0;
    Key key_{};
    int running_ = 0;
    bool valid_ = true;
};

TickScheduler::TickScheduler(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickScheduler::processDueTicks);
}

TickScheduler::~TickScheduler() {
    auto queue = std::move(queue_);
    queue_.clear();
    for (auto& [key, source] : queue) {
        source->owner_ = nullptr;
        source->invalidate();
    }
}

std::shared_ptr<TickSource> TickScheduler::schedule(std::function<void()> tick, qint64 intervalNs,
                                                    qint64 startNs) {
    Q_ASSERT(tick && intervalNs > 0);
    auto source = std::make_shared<Source>();
    source->owner_ = this;
    source->tick_ = std::move(tick);
    source->intervalNs_ = std::max<qint64>(intervalNs, 1'000'000);
    source->startNs_ = startNs < 0 ? clock_.nowNs() : startNs;
    source->key_ = {source->startNs_ + source->intervalNs_, nextOrder_++};
    queue_.emplace(source->key_, source);
    const qint64 due = source->key_.dueNs;
    if (!timer_.isActive() || due < armedDueNs_) {
        armFor(wakeTime());
    } else if (due > armedDueNs_ && due <= queue_.begin()->first.dueNs + coalescingNs_) {
        const qint64 wake = wakeTime();  // the window has one more tick
        if (wake != armedDueNs_) armFor(wake);
    }
    return source;
}

std::shared_ptr<TickScheduler::Source> TickScheduler::detach(Source& source) {
    std::shared_ptr<Source> removed;
    auto it = queue_.find(source.key_);
    if (it == queue_.end()) return removed;
    const bool wasFirst = it == queue_.begin();
    removed = std::move(it->second);
    queue_.erase(it);
    if (queue_.empty()) {
        timer_.stop();  // an idle app must not wake up at all
    } else if (wasFirst && depth_ == 0) {
        rearm();
    }
    // Inside processDueTicks the timer is re-armed on the way out.
    return removed;
}

void TickScheduler::processDueTicks() {
    // One reading for the whole pass: sources scheduled by a callback start
    // from a later reading and so cannot come due in this pass, which keeps
    // a catch-up finite.
    const qint64 now = clock_.nowNs();
    if (!queue_.empty() && queue_.begin()->first.dueNs <= now) {
        // Armed right away so that a callback running a nested event loop (a
        // modal dialog) keeps getting ticks while it waits. Armed for the
        // ticks after this pass, which is what the pass itself will want, so
        // that the usual pass registers its timer only once.
        const qint64 wake = wakeTime(now);
        if (!timer_.isActive() || wake != armedDueNs_) armFor(wake);
    }

    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    } depth(depth_);
    const qint64 outerDueNs = currentDueNs_;

    while (!queue_.empty() && queue_.begin()->first.dueNs <= now) {
        // The source moves to its next due time before its callback runs, so
        // that whatever the callback does (invalidate anything, schedule,
        // spin an event loop that processes ticks) finds the queue whole.
        auto node = queue_.extract(queue_.begin());
        std::shared_ptr<Source> source = node.mapped();  // alive through the call
        const qint64 dueNs = source->key_.dueNs;
        ++source->delivered_;
        // From the start, never from the previous tick: no drift.
        source->key_.dueNs = source->startNs_ + (source->delivered_ + 1) * source->intervalNs_;
        node.key() = source->key_;
        queue_.insert(std::move(node));

        currentDueNs_ = dueNs;
        ++source->running_;
        source->tick_();
        --source->running_;
        if (!source->valid_ && source->running_ == 0) {
            std::function<void()> captures;
            captures.swap(source->tick_);
        }
    }
    currentDueNs_ = outerDueNs;
    rearm();
}

void TickScheduler::armFor(qint64 dueNs) {
    const qint64 waitNs = dueNs - clock_.nowNs();
    // Rounded up: a wake-up before the tick is due would find nothing to do.
    const qint64 waitMs = waitNs <= 0 ? 0 : (waitNs + 999'999) / 1'000'000;
    // Anything further than QTimer reaches fires early and simply re-arms.
    timer_.start(int(std::min<qint64>(waitMs, INT_MAX)));
    armedDueNs_ = dueNs;
}

void TickScheduler::rearm() {
    if (queue_.empty()) {
        timer_.stop();
        return;
    }
    const qint64 dueNs = wakeTime();
    if (timer_.isActive() && armedDueNs_ == dueNs) return;
    armFor(dueNs);
}

qint64 TickScheduler::wakeTime(qint64 afterNs) const {
    // Once a batch is this big, waiting for more saves nothing worth the delay.
    constexpr int fullBatch = 16;
    auto it = afterNs == std::numeric_limits<qint64>::min()
                  ? queue_.begin()
                  : queue_.upper_bound(Key{afterNs, std::numeric_limits<quint64>::max()});
    if (it == queue_.end()) return afterNs;  // all due now: come straight back
    const qint64 first = it->first.dueNs;
    qint64 wake = first;
    for (int taken = 0; it != queue_.end() && taken < fullBatch; ++it, ++taken) {
        if (it->first.dueNs > first + coalescingNs_) break;
        wake = it->first.dueNs;
    }
    return wake;
}

}  // namespace dunok
