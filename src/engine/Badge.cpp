#include "engine/Badge.h"

#include <algorithm>

#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

namespace {
bool counts(const Alert& alert) {
    return !alert.isPaused && alert.value > 0;
}

const Alert* firstToFinish() {
    const Alert* best = nullptr;
    for (const Alert& alert : alertsArray) {
        if (!counts(alert)) continue;
        if (!best || alert.value < best->value) best = &alert;
    }
    return best;
}

std::optional<NextFinish> describe(const Alert* best) {
    if (!best) return std::nullopt;
    NextFinish next;
    next.remaining = best->value;
    next.duration = best->value;
    if (best->row >= 0 && best->row < timersArray.size() &&
        timerId(timersArray[int(best->row)]) == best->id) {
        const Timer& timer = timersArray[int(best->row)];
        next.description = timer.desc;
        next.duration = std::max(timer.duration, best->value);
    }
    return next;
}
}  // namespace

double NextFinish::progress() const {
    if (duration <= 0) return 1.0;
    return std::clamp(double(duration - remaining) / double(duration), 0.0, 1.0);
}

std::optional<NextFinish> nextFinish() {
    return describe(firstToFinish());
}

void Badge::show(int count, const std::optional<NextFinish>& next) {
    for (Shown& shown : displays_) {
        if (shown.count != count) {
            shown.count = count;
            shown.display->showCount(count);
        }
        if (shown.next != next) {
            shown.next = next;
            shown.display->showNextFinish(next);
        }
    }
}

void Badge::addDisplay(BadgeDisplay* display) {
    displays_.append({display, 0, std::nullopt});
}

void Badge::removeDisplay(BadgeDisplay* display) {
    displays_.removeIf([display](const Shown& s) { return s.display == display; });
}

void Badge::update() {
    const Alert* best = firstToFinish();
    nextId_ = best ? best->id : QString();
    nextIndex_ = best ? int(best - alertsArray.constData()) : -1;
    show(getNumAlerts(), describe(best));
}

void Badge::updateAfterTick(const QString& tickedId, int tickedIndex) {
    // A tick only lowers the ticking entry by one: the next finish is either
    // the one it was, or the ticking entry, if it now has fewer seconds left.
    const int k = nextId_.isEmpty() ? -1 : haveAlertForID(nextId_, nextIndex_);
    if (k == -1 || !counts(alertsArray[k])) {
        update();
        return;
    }
    const Alert* best = &alertsArray[k];
    const int t = haveAlertForID(tickedId, tickedIndex);
    if (t != -1 && counts(alertsArray[t]) && alertsArray[t].value < best->value)
        best = &alertsArray[t];
    nextId_ = best->id;
    nextIndex_ = best == &alertsArray[k] ? k : t;
    show(getNumAlerts(), describe(best));
}

void Badge::clear() {
    show(0, std::nullopt);
}

}  // namespace dunok
