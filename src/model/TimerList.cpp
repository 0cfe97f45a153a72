#include "model/TimerList.h"

#include <QDebug>

#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/Store.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"

namespace dunok {

const QList<std::pair<QString, qint64>>& defaultTimers() {
    // "30 seconds" comes last so that the store (and a custom order) keeps
    // the longer list of minute timers together; sorted by duration it still
    // shows first.
    static const QList<std::pair<QString, qint64>> timers{
        {QStringLiteral("1 minute"), 60},
        {QStringLiteral("3 minutes"), 180},
        {QStringLiteral("5 minutes"), 300},
        {QStringLiteral("10 minutes"), 600},
        {QStringLiteral("15 minutes"), 900},
        {QStringLiteral("20 minutes"), 1200},
        {QStringLiteral("25 minutes"), 1500},
        {QStringLiteral("30 minutes"), 1800},
        {QStringLiteral("35 minutes"), 2100},
        {QStringLiteral("40 minutes"), 2400},
        {QStringLiteral("45 minutes"), 2700},
        {QStringLiteral("50 minutes"), 3000},
        {QStringLiteral("55 minutes"), 3300},
        {QStringLiteral("1 hour"), 3600},
        {QStringLiteral("1 hour 15 minutes"), 4500},
        {QStringLiteral("1 hour 30 minutes"), 5400},
        {QStringLiteral("1 hour 45 minutes"), 6300},
        {QStringLiteral("2 hours"), 7200},
        {QStringLiteral("30 seconds"), 30},
    };
    return timers;
}

bool populateArray(int sort) {
    FetchRequest request{TimersKeys::entity, {}};
    if (sort == sortDuration)
        request.sortDescriptors = {{TimersKeys::duration, true}};
    else if (sort == sortDesc)
        request.sortDescriptors = {{TimersKeys::desc, true}};

    StoreError error;
    auto result = viewContext().fetch(request, &error);
    if (!result) {
        logStoreError(QStringLiteral("Could not fetch. "), error);
        return false;
    }
    timersArray = std::move(*result);
    return true;
}

bool needsDefaultTimers() {
    return timersArray.isEmpty() && prefsNewDatabase;
}

void markDefaultTimersCreated(PreferenceStore& prefs) {
    prefsNewDatabase = false;
    prefs.setValue(PrefKeys::newDatabase, false);
    prefs.synchronize();
}

void createDefaultEntries() {
    ManagedObjectContext& context = viewContext();
    timersArray.clear();
    for (const auto& [desc, duration] : defaultTimers()) {
        TimerRecord timer = context.insertNewObject(TimersKeys::entity);
        timer->setValue(TimersKeys::desc, desc);
        timer->setValue(TimersKeys::duration, duration);
        timer->setValue(TimersKeys::sound, prefsDefSound);
        timer->setValue(TimersKeys::snoozeOn, false);
        timer->setValue(TimersKeys::snooze, defSnoozeDuration);
        StoreError error;
        if (context.save(&error)) {
            timersArray.append(timer);
        } else {
            logStoreError(QStringLiteral("Could not save. "), error);
            // Without this the failed record would ride along with the next
            // record's save and appear behind the list's back.
            context.deleteObject(timer);
        }
    }
}

void deleteAllData() {
    StoreError error;
    if (!viewContext().executeBatchDelete(TimersKeys::entity, &error))
        qWarning().noquote() << QStringLiteral("Delete Timers: ") + error.description;
}

void saveOrder() {
    if (!wasReordered || timersArray.isEmpty()) return;

    ManagedObjectContext& context = viewContext();
    StoreError error;
    const bool rewritten = context.performTransaction(
        [&] {
            StoreError inner;
            if (!context.executeBatchDelete(TimersKeys::entity, &inner)) {
                qWarning().noquote() << QStringLiteral("Delete Timers: ") + inner.description;
                return false;
            }
            for (const TimerRecord& old : std::as_const(timersArray)) {
                TimerRecord copy = context.insertNewObject(TimersKeys::entity);
                copy->setValue(TimersKeys::desc, timerDesc(old));
                copy->setValue(TimersKeys::duration, timerDuration(old));
                copy->setValue(TimersKeys::sound, timerSound(old));
                if (!context.save(&inner)) {
                    logStoreError(QStringLiteral("Could not save. "), inner);
                    return false;
                }
            }
            return true;
        },
        &error);
    if (!rewritten) {
        // The transaction put the old order back whole; drop the copies that
        // never reached the file so that a later save cannot write them.
        context.rollback();
        logStoreError(QStringLiteral("Could not save. "), error);
    }
    wasReordered = false;
}

}  // namespace dunok
