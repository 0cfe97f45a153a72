#include "model/TimerEdits.h"

#include <QSet>

#include "engine/RunningTimers.h"
#include "model/Store.h"
#include "model/TimerModel.h"
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
