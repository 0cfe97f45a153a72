#include "engine/TimerRestore.h"

#include <QCoreApplication>
#include <algorithm>

#include "engine/RunningTimers.h"
#include "engine/TimerEngine.h"
#include "model/Globals.h"
#include "model/Store.h"
#include "model/TimerModel.h"
#include "platform/ObjectStore.h"
#include "platform/WallClock.h"

namespace dunok {

namespace {
// A due moment is written when the timer starts or resumes; recomputed from
// the seconds left it drifts by less than the second a tick takes, which is
// no reason to write it again.
constexpr qint64 dueSlackMs = 1500;

qint64 nowMs() {
    return wallClock().now().toMSecsSinceEpoch();
}
}  // namespace

KeptTimer keptTimerAt(std::optional<qint64> dueAt, std::optional<qint64> pausedLeft, qint64 nowMs) {
    if (pausedLeft && *pausedLeft > 0)
        return {KeptTimer::State::Paused, std::min(*pausedLeft, maxTimerDuration)};
    if (!dueAt) return {};
    const qint64 ms = *dueAt - nowMs;
    if (ms <= 0) return {KeptTimer::State::Finished, 0};
    return {KeptTimer::State::Running, std::min((ms + 999) / 1000, maxTimerDuration)};
}

TimerRestore::TimerRestore(TimerEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {}

void TimerRestore::restore() {
    if (!hasViewContext()) return;
    QList<RestoredTimer> kept;
    if (engine_.settings().keepTimers) {
        const qint64 now = nowMs();
        const auto optional = [](const QVariant& value) {
            return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
        };
        for (const TimerRecord& timer : std::as_const(timersArray)) {
            const std::optional<qint64> due = optional(timer->value(TimersKeys::dueAt));
            const KeptTimer state =
                keptTimerAt(due, optional(timer->value(TimersKeys::pausedLeft)), now);
            switch (state.state) {
                case KeptTimer::State::None:
                    break;
                case KeptTimer::State::Running:
                case KeptTimer::State::Paused:
                    kept << RestoredTimer{timerId(timer), state.secondsLeft,
                                          state.state == KeptTimer::State::Paused};
                    break;
                case KeptTimer::State::Finished:
                    kept << RestoredTimer{
                        timerId(timer), 0, false,
                        QDateTime::fromMSecsSinceEpoch(*due, wallClock().timeZone())};
                    break;
            }
        }
    }
    engine_.restoreTimers(kept);
    keep();
}

void TimerRestore::quit() {
    keep();
    quitting_ = true;
}

void TimerRestore::keep() {
    if (quitting_ || !hasViewContext()) return;
    const qint64 now = nowMs();
    bool changed = false;
    for (const TimerRecord& timer : std::as_const(timersArray)) {
        // A one-off timer, or one being made, has no record to keep it in.
        if (!timer->isPersistent()) continue;
        QVariant due;
        QVariant left;
        const int k = engine_.settings().keepTimers ? haveAlertForID(timerId(timer)) : -1;
        if (k != -1 && alertsArray[k].value > 0) {
            if (alertsArray[k].isPaused)
                left = alertsArray[k].value;
            else
                due = now + alertsArray[k].value * 1000;
        }
        const QVariant storedDue = timer->value(TimersKeys::dueAt);
        const bool sameDue = due.isNull()
                                 ? storedDue.isNull()
                                 : !storedDue.isNull() &&
                                       qAbs(storedDue.toLongLong() - due.toLongLong()) < dueSlackMs;
        if (!sameDue) changed |= timer->setValue(TimersKeys::dueAt, due);
        const QVariant storedLeft = timer->value(TimersKeys::pausedLeft);
        if (left.isNull() != storedLeft.isNull() || left.toLongLong() != storedLeft.toLongLong())
            changed |= timer->setValue(TimersKeys::pausedLeft, left);
    }
    if (!changed) return;
    StoreError error;
    if (!viewContext().save(&error))
        logStoreError(QStringLiteral("Could not keep the running timers for the next start. "),
                      error);
}

}  // namespace dunok
