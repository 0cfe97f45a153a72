#include "engine/TimerRestore.h"

#include <QCoreApplication>

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

TimerRestore::TimerRestore(TimerEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {}

void TimerRestore::restore() {
    if (!hasViewContext()) return;
    QList<RestoredTimer> kept;
    if (prefsKeepTimers) {
        const qint64 now = nowMs();
        for (const TimerRecord& timer : std::as_const(timersArray)) {
            const QVariant due = timer->value(TimersKeys::dueAt);
            const QVariant left = timer->value(TimersKeys::pausedLeft);
            if (!left.isNull() && left.toLongLong() > 0) {
                kept << RestoredTimer{timerId(timer), left.toLongLong(), true};
            } else if (!due.isNull()) {
                const qint64 ms = due.toLongLong() - now;
                if (ms > 0)
                    kept << RestoredTimer{timerId(timer), (ms + 999) / 1000, false};
                else
                    kept << RestoredTimer{
                        timerId(timer), 0, false,
                        QDateTime::fromMSecsSinceEpoch(due.toLongLong(), wallClock().timeZone())};
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
        const int k = prefsKeepTimers ? haveAlertForID(timerId(timer)) : -1;
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
