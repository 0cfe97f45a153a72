#include "domain/Badge.h"

#include <algorithm>
#include <tuple>

#include "domain/RunningTimers.h"
#include "domain/TimerList.h"

namespace dunok {

namespace {
bool counts(const Alert& alert) {
    return !alert.isPaused && alert.value > 0;
}

// What a run lasts, time added included; an entry that was never started
// lasts the timer's duration.
qint64 runLength(const Timer* timer, const Alert& alert) {
    const qint64 length = alert.runLength > 0 ? alert.runLength : timer ? timer->duration : 0;
    return std::max(length, alert.value);
}

std::optional<NextFinish> describe(const Alert* best, const TimerList& list) {
    if (!best) return std::nullopt;
    const Timer* timer = list.find(best->id);
    return NextFinish{timer ? timer->desc : QString(), best->value, runLength(timer, *best)};
}
}  // namespace

double runProgress(qint64 remaining, qint64 duration) {
    if (duration <= 0) return 1.0;
    return std::clamp(double(duration - remaining) / double(duration), 0.0, 1.0);
}

double NextFinish::progress() const {
    return runProgress(remaining, duration);
}

std::optional<NextFinish> nextFinish(const RunningTimers& running, const TimerList& list) {
    return describe(running.firstToFinish(), list);
}

QList<RunningLine> runningLines(const RunningTimers& running, const TimerList& list) {
    QList<std::pair<int, RunningLine>> lines;  // with the row, for equal times
    for (const Alert& alert : running.entries()) {
        if (alert.value < 1) continue;  // finished
        const Timer* timer = list.find(alert.id);
        lines.append({list.rowOf(alert.id),
                      {alert.id, timer ? timer->desc : QString(), alert.value, alert.isPaused,
                       runLength(timer, alert)}});
    }
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return std::tuple(a.second.paused, a.second.remaining, a.first) <
               std::tuple(b.second.paused, b.second.remaining, b.first);
    });
    QList<RunningLine> sorted;
    for (const auto& line : std::as_const(lines)) sorted.append(line.second);
    return sorted;
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
    const Alert* best = alertsArray_.firstToFinish();
    nextId_ = best ? best->id : QString();
    nextIndex_ = best ? int(best - alertsArray_.entries().constData()) : -1;
    show(alertsArray_.getNumAlerts(), describe(best, list_));
    for (Shown& shown : displays_) shown.display->showTimersChanged();
}

void Badge::updateAfterTick(const QString& tickedId, int tickedIndex) {
    // A tick only lowers the ticking entry by one: the next finish is either
    // the one it was, or the ticking entry, if it now has fewer seconds left.
    const int k = nextId_.isEmpty() ? -1 : alertsArray_.haveAlertForID(nextId_, nextIndex_);
    if (k == -1 || !counts(alertsArray_.at(k))) {
        update();
        return;
    }
    const Alert* best = &alertsArray_.at(k);
    const int t = alertsArray_.haveAlertForID(tickedId, tickedIndex);
    if (t != -1 && counts(alertsArray_.at(t)) && alertsArray_.at(t).value < best->value)
        best = &alertsArray_.at(t);
    nextId_ = best->id;
    nextIndex_ = best == &alertsArray_.at(k) ? k : t;
    show(alertsArray_.getNumAlerts(), describe(best, list_));
}

void Badge::clear() {
    show(0, std::nullopt);
}

}  // namespace dunok
