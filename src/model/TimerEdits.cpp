#include "model/TimerEdits.h"

#include <QSet>

#include "engine/RunningTimers.h"
#include "model/TimerModel.h"
#include "storage/Store.h"
#include "storage/TimerStore.h"

namespace dunok {

std::optional<Timer> duplicateTimer(TimerStore& store, int row, StoreError* why) {
    if (row < 0 || row >= timersArray.size()) return std::nullopt;
    const Timer& source = timersArray[row];
    QList<Timer> copy{newTimer(source.desc, source.duration, source.sound)};
    StoreError error;
    if (!store.add(copy, &error)) {
        logStoreError(QStringLiteral("Could not duplicate. "), error);
        if (why) *why = error;
        return std::nullopt;
    }
    return copy.first();
}

bool addTimers(TimerStore& store, QList<Timer>& timers, StoreError* why) {
    StoreError error;
    if (!store.add(timers, &error)) {
        logStoreError(QStringLiteral("Could not save. "), error);
        if (why) *why = error;
        return false;
    }
    timersArray << timers;
    return true;
}

bool updateTimer(TimerStore& store, const Timer& timer, StoreError* why) {
    StoreError error;
    if (!store.update(timer, &error)) {
        logStoreError(QStringLiteral("Could not modify. "), error);
        if (why) *why = error;
        return false;
    }
    for (Timer& listed : timersArray)
        if (listed.id == timer.id) listed = timer;
    return true;
}

bool saveTimer(TimerStore& store, Timer& timer, StoreError* error) {
    if (timer.isStored()) return updateTimer(store, timer, error);
    QList<Timer> added{timer};
    if (!addTimers(store, added, error)) return false;
    timer = added.first();
    return true;
}

int deleteTimerRows(TimerStore& store, const QList<int>& rows,
                    const std::function<void(int row)>& removed, StoreError* why) {
    const QSet<int> chosen(rows.begin(), rows.end());
    QList<TimerId> stored;
    for (int row : chosen)
        if (row >= 0 && row < timersArray.size() && timersArray[row].isStored())
            stored << timersArray[row].id;
    StoreError error;
    if (!stored.isEmpty() && !store.remove(stored, &error)) {
        logStoreError(QStringLiteral("Could not delete. "), error);
        if (why) *why = error;
        return 0;
    }
    int deleted = 0;
    for (int i = int(timersArray.size()) - 1; i >= 0; --i) {
        if (!chosen.contains(i)) continue;
        if (const int k = haveAlertForID(timerId(timersArray[i])); k != -1) removeAlert(k);
        timersArray.removeAt(i);
        ++deleted;
        if (removed) removed(i);
    }
    if (deleted > 0) {
        // The running timers below the removed rows move up with them.
        refreshAlertRows();
    }
    return deleted;
}

}  // namespace dunok
