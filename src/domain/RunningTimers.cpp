#include "domain/RunningTimers.h"

#include <algorithm>

namespace dunok {

int RunningTimers::pausedCount() const {
    return int(std::count_if(entries_.cbegin(), entries_.cend(),
                             [](const Alert& alert) { return alert.isPaused; }));
}

const Alert* RunningTimers::firstToFinish() const {
    const Alert* best = nullptr;
    for (const Alert& alert : entries_)
        if (!alert.isPaused && alert.value > 0 && (!best || alert.value < best->value))
            best = &alert;
    return best;
}

int RunningTimers::haveAlertForID(const QString& id, int hint) const {
    if (hint >= 0 && hint < entries_.size() && entries_[hint].id == id) return hint;
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].id == id) return i;
    return -1;
}

const Alert* RunningTimers::find(const QString& id) const {
    const int k = haveAlertForID(id);
    return k == -1 ? nullptr : &entries_[k];
}

int RunningTimers::append(const Alert& alert) {
    entries_.append(alert);
    return int(entries_.size()) - 1;
}

void RunningTimers::remove(int k) {
    if (entries_[k].theTimer) entries_[k].theTimer->invalidate();
    entries_.removeAt(k);
}

void RunningTimers::removeFinished() {
    entries_.removeIf([](const Alert& alert) { return !alert.theTimer && !alert.isPaused; });
}

void RunningTimers::stopTicks() {
    for (Alert& alert : entries_) {
        if (alert.theTimer) alert.theTimer->invalidate();
        alert.theTimer.reset();
    }
}

void RunningTimers::clear() {
    stopTicks();
    entries_.clear();
}

}  // namespace dunok
