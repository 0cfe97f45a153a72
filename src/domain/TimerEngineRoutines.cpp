// Routines: a timer that starts itself again, or starts another, when it
// finishes, round after round.
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerLookup.h"
#include "domain/TimerModel.h"

namespace dunok {

std::optional<RoutineRun> routineStep(const TimerList& list, const QString& endedId,
                                      const RoutineRun& ended) {
    const Timer* timer = list.find(endedId);
    if (ended.head.isEmpty() || !timer) return std::nullopt;
    int row = -1;
    if (timer->then == WhenFinished::Repeat)
        row = list.rowOf(endedId);
    else if (timer->then == WhenFinished::Start)
        row = list.rowOf(timer->next);
    // Stop, or a next timer that was deleted since: the routine ends here.
    if (row == -1) return std::nullopt;
    RoutineRun next{row, ended.head, ended.round, ended.rounds};
    // A round ends where the routine began.
    if (timerId(list.at(row)) == ended.head && next.round > 0) ++next.round;
    if (next.round > 0 && next.rounds > 0 && next.round > next.rounds) return std::nullopt;
    return next;
}

std::optional<TimerEngine::NextRun> TimerEngine::nextInRoutine(const Alert& ended,
                                                               QString* blocked) const {
    const std::optional<RoutineRun> next =
        routineStep(list_, ended.id, {-1, ended.routineHead, ended.round, ended.rounds});
    if (!next) return std::nullopt;
    const QString id = timerId(list_.at(next->row));
    if (id != ended.id && alertsArray_.contains(id)) {
        if (blocked)
            *blocked = tr("“%1” runs already, so “%2” started nothing.")
                           .arg(list_.at(next->row).desc, list_.find(ended.id)->desc);
        return std::nullopt;
    }
    return next;
}

bool TimerEngine::routineLoops(const Timer& head) const {
    if (head.then == WhenFinished::Repeat) return true;
    const Timer* timer = &head;
    // A chain is at most as long as the list.
    for (int steps = 0; steps < list_.size() && timer->then == WhenFinished::Start; ++steps) {
        const int row = list_.rowOf(timer->next);
        if (row == -1) return false;
        timer = &list_.at(row);
        if (timer->id == head.id) return true;
    }
    return false;
}

void TimerEngine::startNext(const NextRun& next, qint64 fromNs) {
    const int k = startAt(next.row, list_.at(next.row).duration, RunKind::Own, fromNs);
    Alert& alert = alertsArray_[k];
    alert.routineHead = next.head;
    alert.round = next.round;
    alert.rounds = next.rounds;
    rows_.reloadRows({next.row});
}

QString TimerEngine::startsText(int row) const {
    const Timer& timer = list_.at(row);
    return tr("%1 starts, %2").arg(timer.desc, clockText(timer.duration));
}

}  // namespace dunok
