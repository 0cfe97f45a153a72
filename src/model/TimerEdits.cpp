#include "model/TimerEdits.h"

#include <QSet>

#include "engine/RunningTimers.h"
#include "model/Store.h"
#include "model/TimerModel.h"

namespace dunok {

TimerRecord duplicateTimer(int row, StoreError* error) {
    if (timersArray.isEmpty() || row < 0 || row >= timersArray.size()) return nullptr;
    const TimerRecord source = timersArray[row];
    ManagedObjectContext& context = viewContext();
    TimerRecord copy =
        insertTimer(context, timerDesc(source), timerDuration(source), timerSound(source));
    if (!copy || !saveNewTimers(context, {copy}, QStringLiteral("Could not duplicate. "), error))
        return nullptr;
    return copy;
}

int deleteTimerRows(const QList<int>& rows, const std::function<void(int row)>& removed,
                    StoreError* why) {
    const QSet<int> chosen(rows.begin(), rows.end());
    ManagedObjectContext& context = viewContext();
    int deleted = 0;
    for (int i = int(timersArray.size()) - 1; i >= 0; --i) {
        if (!chosen.contains(i)) continue;
        const TimerRecord timer = timersArray[i];
        const QString id = timerId(timer);
        context.deleteObject(timer);
        StoreError error;
        if (!context.save(&error)) {
            logStoreError(QStringLiteral("Could not delete. "), error);
            if (why && why->description.isEmpty()) *why = error;
            // The deletion stays pending otherwise, and the next save of
            // anything would take the record out of the store behind the
            // list's back.
            context.rollback();
            continue;
        }
        if (const int k = haveAlertForID(id); k != -1) removeAlert(k);
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
