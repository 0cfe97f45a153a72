#include "engine/Badge.h"

#include <algorithm>

#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/TimerModel.h"

namespace dunok {

namespace {
struct Shown {
    BadgeDisplay* display;
    int count;
    std::optional<NextFinish> next;
};
QList<Shown>& displays() {
    static QList<Shown> list;
    return list;
}

void show(int count, const std::optional<NextFinish>& next) {
    for (Shown& shown : displays()) {
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
}  // namespace

double NextFinish::progress() const {
    if (duration <= 0) return 1.0;
    return std::clamp(double(duration - remaining) / double(duration), 0.0, 1.0);
}

void addBadgeDisplay(BadgeDisplay* display) {
    displays().append({display, 0, std::nullopt});
}

void removeBadgeDisplay(BadgeDisplay* display) {
    displays().removeIf([display](const Shown& s) { return s.display == display; });
}

namespace {
// The id of the entry the last full look found ringing next, so that a tick
// need not walk the whole table again.
QString& nextId() {
    static QString id;
    return id;
}

bool counts(const Alert& alert) {
    return !alert.isPaused && alert.value > 0;
}

std::optional<NextFinish> describe(const Alert* best) {
    nextId() = best ? best->id : QString();
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

std::optional<NextFinish> nextFinish() {
    const Alert* best = nullptr;
    for (const Alert& alert : alertsArray) {
        if (!counts(alert)) continue;
        if (!best || alert.value < best->value) best = &alert;
    }
    return describe(best);
}

void updateBadge() {
    show(getNumAlerts(), nextFinish());
}

void updateBadgeAfterTick(const QString& tickedId) {
    // A tick only lowers the ticking entry by one: the next finish is either
    // the one it was, or the ticking entry, if it now has fewer seconds left.
    const int k = nextId().isEmpty() ? -1 : haveAlertForID(nextId());
    if (k == -1 || !counts(alertsArray[k])) {
        updateBadge();
        return;
    }
    const Alert* best = &alertsArray[k];
    const int t = haveAlertForID(tickedId);
    if (t != -1 && counts(alertsArray[t]) && alertsArray[t].value < best->value)
        best = &alertsArray[t];
    show(getNumAlerts(), describe(best));
}

void clearBadge() {
    show(0, std::nullopt);
}

}  // namespace dunok
