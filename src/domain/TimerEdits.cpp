#include "domain/TimerEdits.h"

#include <QSet>

#include "domain/TimerModel.h"
#include "domain/TimerRepository.h"

namespace dunok {

std::optional<Timer> duplicateTimer(TimerRepository& store, const TimerList& list, int row,
                                    StoreError* why) {
    if (!list.hasRow(row)) return std::nullopt;
    const Timer& source = list.at(row);
    QList<Timer> copy{newTimer(source.desc, source.duration, source.sound)};
    StoreError error;
    if (!store.add(copy, &error)) {
        logStoreError(QStringLiteral("Could not duplicate. "), error);
        if (why) *why = error;
        return std::nullopt;
    }
    return copy.first();
}

bool addTimers(TimerRepository& store, QList<Timer>& timers, StoreError* why) {
    StoreError error;
    if (!store.add(timers, &error)) {
        logStoreError(QStringLiteral("Could not save. "), error);
        if (why) *why = error;
        return false;
    }
    return true;
}

bool updateTimer(TimerRepository& store, const Timer& timer, StoreError* why) {
    StoreError error;
    if (!store.update(timer, &error)) {
        logStoreError(QStringLiteral("Could not modify. "), error);
        if (why) *why = error;
        return false;
    }
    return true;
}

bool saveTimer(TimerRepository& store, Timer& timer, StoreError* error) {
    if (timer.isStored()) return updateTimer(store, timer, error);
    QList<Timer> added{timer};
    if (!addTimers(store, added, error)) return false;
    timer = added.first();
    return true;
}

int deleteTimerRows(TimerRepository& store, TimerList& list, const QList<int>& rows,
                    const std::function<void(int row)>& removed, StoreError* why) {
    const QSet<int> chosen(rows.begin(), rows.end());
    QList<TimerId> stored;
    for (int row : chosen)
        if (list.hasRow(row) && list.at(row).isStored()) stored << list.at(row).id;
    StoreError error;
    if (!stored.isEmpty() && !store.remove(stored, &error)) {
        logStoreError(QStringLiteral("Could not delete. "), error);
        if (why) *why = error;
        return 0;
    }
    int deleted = 0;
    for (int i = list.size() - 1; i >= 0; --i) {
        if (!chosen.contains(i)) continue;
        list.removeAt(i);
        ++deleted;
        if (removed) removed(i);
    }
    return deleted;
}

}  // namespace dunok
