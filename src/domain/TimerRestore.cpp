#include "domain/TimerRestore.h"

#include <QCoreApplication>
#include <algorithm>

#include "domain/Constants.h"
#include "domain/RunningTimers.h"
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerModel.h"
#include "domain/TimerRepository.h"
#include "domain/WallClock.h"

namespace dunok {

namespace {
// A due moment is written when the timer starts or resumes; recomputed from
// the seconds left it drifts by less than the second a tick takes, which is
// no reason to write it again.
constexpr qint64 dueSlackMs = 1500;
// A routine is followed through this many runs that passed while Dunok was
// closed (a minute's reminder for two months); one longer gone ends, as does
// one of runs that take no time.
constexpr int mostRunsCaughtUp = 100000;
}  // namespace

KeptTimer keptTimerAt(std::optional<qint64> dueAt, std::optional<qint64> pausedLeft, qint64 nowMs) {
    if (pausedLeft && *pausedLeft > 0)
        return {KeptTimer::State::Paused, std::min(*pausedLeft, maxTimerDuration)};
    if (!dueAt) return {};
    const qint64 ms = *dueAt - nowMs;
    if (ms <= 0) return {KeptTimer::State::Finished, 0};
    return {KeptTimer::State::Running, std::min((ms + 999) / 1000, maxTimerDuration)};
}

TimerRestore::TimerRestore(TimerList& list, TimerEngine& engine, TimerRepository& store,
                           const WallClock& wall, QObject* parent)
    : QObject(parent), list_(list), engine_(engine), store_(store), wall_(wall) {}

void TimerRestore::restore() {
    QList<RestoredTimer> kept;
    if (engine_.settings().keepTimers) {
        const qint64 now = wall_.now().toMSecsSinceEpoch();
        for (const Timer& timer : list_.timers()) {
            const KeptTimer state = keptTimerAt(timer.dueAt, timer.pausedLeft, now);
            switch (state.state) {
                case KeptTimer::State::None:
                    break;
                case KeptTimer::State::Running:
                case KeptTimer::State::Paused:
                    kept << RestoredTimer{timerId(timer), state.secondsLeft,
                                          state.state == KeptTimer::State::Paused,
                                          timer.keptRoutine};
                    break;
                case KeptTimer::State::Finished:
                    kept << wentOn(timer, now);
                    break;
            }
        }
    }
    engine_.restoreTimers(kept);
    keep();
}

RestoredTimer TimerRestore::wentOn(const Timer& timer, qint64 nowMs) const {
    qint64 dueMs = *timer.dueAt;
    QString id = timerId(timer);
    const int head = timer.keptRoutine ? list_.rowOf(timer.keptRoutine->head) : -1;
    if (head != -1) {
        RoutineRun run{-1, timerId(list_.at(head)), timer.keptRoutine->round,
                       timer.keptRoutine->rounds};
        for (int step = 0; step < mostRunsCaughtUp; ++step) {
            const std::optional<RoutineRun> next = routineStep(list_, id, run);
            if (!next) break;
            run = *next;
            id = timerId(list_.at(run.row));
            dueMs += list_.at(run.row).duration * 1000;
            // The run the routine is in now goes on, due as it would have been.
            if (dueMs > nowMs)
                return {id, std::min((dueMs - nowMs + 999) / 1000, maxTimerDuration), false,
                        KeptRoutine{list_.at(head).id, run.round, run.rounds}};
        }
    }
    // It ended while Dunok was closed: its last finish rings, once.
    return {id, 0, false, {}, QDateTime::fromMSecsSinceEpoch(dueMs, wall_.timeZone())};
}

bool TimerRestore::quit(StoreError* error) {
    if (!keep(error)) return false;
    quitting_ = true;
    return true;
}

bool TimerRestore::keep(StoreError* why) {
    if (quitting_) return true;
    const qint64 now = wall_.now().toMSecsSinceEpoch();
    QList<Timer> changed;
    for (const Timer& timer : list_.timers()) {
        // A one-off timer, or one being made, is not stored to keep it in.
        if (!timer.isStored()) continue;
        std::optional<qint64> due, left;
        std::optional<KeptRoutine> routine;
        const Alert* alert =
            engine_.settings().keepTimers ? engine_.alertsArray().find(timerId(timer)) : nullptr;
        if (alert && alert->value > 0) {
            if (const Timer* head = list_.find(alert->routineHead))
                routine = KeptRoutine{head->id, alert->round, alert->rounds};
            if (alert->isPaused)
                left = alert->value;
            else
                due = now + alert->value * 1000;
        }
        const bool sameDue =
            due ? timer.dueAt && qAbs(*timer.dueAt - *due) < dueSlackMs : !timer.dueAt;
        if (sameDue && left == timer.pausedLeft && routine == timer.keptRoutine) continue;
        Timer kept = timer;
        if (!sameDue) kept.dueAt = due;
        kept.pausedLeft = left;
        kept.keptRoutine = routine;
        changed << kept;
    }
    if (changed.isEmpty()) return true;
    StoreError error;
    if (!store_.keepRunStates(changed, &error)) {
        logStoreError(QStringLiteral("Could not keep the running timers for the next start. "),
                      error);
        if (why) *why = error;
        // The list still holds what the store holds, so that the next change
        // tries again.
        return false;
    }
    for (const Timer& timer : std::as_const(changed)) list_.replace(timer);
    return true;
}

}  // namespace dunok
