#include "model/TimerList.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <algorithm>

#include "model/Globals.h"
#include "model/ListOrder.h"
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
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "1 minute")), 60},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "3 minutes")), 180},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "5 minutes")), 300},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "10 minutes")), 600},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "15 minutes")), 900},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "20 minutes")), 1200},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "25 minutes")), 1500},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "30 minutes")), 1800},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "35 minutes")), 2100},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "40 minutes")), 2400},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "45 minutes")), 2700},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "50 minutes")), 3000},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "55 minutes")), 3300},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "1 hour")), 3600},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "1 hour 15 minutes")), 4500},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "1 hour 30 minutes")), 5400},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "1 hour 45 minutes")), 6300},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "2 hours")), 7200},
        {QStringLiteral(QT_TRANSLATE_NOOP("TimerList", "30 seconds")), 30},
    };
    return timers;
}

namespace {
QList<TimerRecord>& oneOffTimers() {
    static QList<TimerRecord> timers;
    return timers;
}

// Those that no longer run are dropped here, so a one-off finished or
// stopped leaves the list at its next reload.
void appendOneOffTimers() {
    QList<TimerRecord>& timers = oneOffTimers();
    timers.removeIf([](const TimerRecord& timer) {
        const QString id = timerId(timer);
        return std::none_of(alertsArray.cbegin(), alertsArray.cend(),
                            [&](const Alert& alert) { return alert.id == id && alert.value > 0; });
    });
    timersArray << timers;
}

// The list without its one-off timers: what the store holds.
QList<TimerRecord> storedTimers() {
    QList<TimerRecord> stored = timersArray;
    stored.removeIf([](const TimerRecord& timer) { return oneOffTimers().contains(timer); });
    return stored;
}
}  // namespace

TimerRecord addOneOffTimer(const QString& desc, qint64 duration, const QString& sound) {
    ManagedObjectContext& context = viewContext();
    TimerRecord timer = insertTimer(context, desc, duration, sound);
    if (!timer) return timer;
    // Deleting a record never saved only takes it out of the context: it
    // stays readable, keeps its own id and can never reach the file.
    context.deleteObject(timer);
    oneOffTimers() << timer;
    timersArray << timer;
    return timer;
}

bool populateArray(int sort) {
    const FetchRequest request{TimersKeys::entity, {}};  // the store's order
    StoreError error;
    auto result = viewContext().fetch(request, &error);
    if (!result) {
        logStoreError(QStringLiteral("Could not fetch. "), error);
        return false;
    }
    timersArray = std::move(*result);
    sortForList(timersArray, sort, timerDuration, timerDesc);
    appendOneOffTimers();
    return true;
}

bool needsDefaultTimers(bool newDatabase) {
    return timersArray.isEmpty() && newDatabase;
}

void markDefaultTimersCreated(Preferences& prefs) {
    Settings settings = prefs.settings();
    settings.newDatabase = false;
    prefs.change(settings, {PrefKeys::newDatabase});
}

void createDefaultEntries(const QString& sound) {
    ManagedObjectContext& context = viewContext();
    timersArray.clear();
    // One transaction around the nineteen saves: each save is still its own
    // step that can fail alone, but the disk is flushed once rather than
    // nineteen times, which a new user would otherwise wait for.
    StoreError outer;
    const bool committed = context.performTransaction(
        [&] {
            for (const auto& [desc, duration] : defaultTimers()) {
                // Named in the language of the first start; from then on the
                // names are the user's own data, like any name the user typed.
                TimerRecord timer = insertTimer(
                    context, QCoreApplication::translate("TimerList", desc.toUtf8().constData()),
                    duration, sound);
                timer->setValue(TimersKeys::snoozeOn, false);
                timer->setValue(TimersKeys::snooze, defSnoozeDuration);
                if (saveNewTimers(context, {timer}, QStringLiteral("Could not save. ")))
                    timersArray.append(timer);
            }
            return true;
        },
        &outer);
    if (!committed) {
        // Nothing reached the disk: the list shows nothing it does not hold.
        logStoreError(QStringLiteral("Could not save. "), outer);
        timersArray.clear();
    }
}

void deleteAllData() {
    StoreError error;
    if (!viewContext().executeBatchDelete(TimersKeys::entity, &error))
        qWarning().noquote() << QStringLiteral("Delete Timers: ") + error.description;
}

namespace {
// The rewrite replaces every stored timer by the list's copies, so the list
// must be the store: each stored record exactly once and nothing else. A
// list that is not (a reload was missed) would lose or double timers.
bool listIsTheStore(ManagedObjectContext& context, StoreError* error) {
    const auto stored = context.fetch({TimersKeys::entity, {}}, error);
    if (!stored) return false;
    QSet<const ManagedObject*> inStore, inList;
    for (const TimerRecord& timer : *stored)
        if (timer->isPersistent()) inStore.insert(timer.get());
    const QList<TimerRecord> list = storedTimers();
    for (const TimerRecord& timer : list) {
        if (!timer->isPersistent() || inList.contains(timer.get())) break;
        inList.insert(timer.get());
    }
    if (inList.size() == list.size() && inList == inStore) return true;
    *error = {QStringLiteral("The timer list does not match the store %1").arg(context.path()),
              {{QStringLiteral("path"), context.path()}}};
    return false;
}
}  // namespace

bool saveOrder(StoreError* why) {
    if (!wasReordered || timersArray.isEmpty()) return true;
    wasReordered = false;

    ManagedObjectContext& context = viewContext();
    StoreError bodyError, error;
    bool deleteFailed = false;
    // Delete and re-insert are one transaction: a failure, a crash or a kill
    // part-way leaves the file with the old rows, never some of each. On
    // failure the context is put back too, the list's records standing for
    // the stored rows again.
    const bool rewritten = context.performTransaction(
        [&] {
            if (!listIsTheStore(context, &bodyError)) return false;
            if (!context.executeBatchDelete(TimersKeys::entity, &bodyError)) {
                deleteFailed = true;
                return false;
            }
            // A move is no edit: each copy takes every value as the file holds
            // them, a NULL as NULL and a duration the list shows clamped as
            // it was stored.
            for (const TimerRecord& old : storedTimers()) {
                const TimerRecord copy = context.insertNewObject(TimersKeys::entity);
                if (!copy) return false;
                // Every attribute the model has, so that one added later is
                // not lost to a drag.
                for (const AttributeDescription& attribute :
                     timerDataModel().entity(TimersKeys::entity)->attributes)
                    copy->setValue(attribute.name, old->value(attribute.name));
            }
            return context.save(&bodyError);
        },
        &error);
    if (rewritten) return true;
    const StoreError& cause = bodyError.description.isEmpty() ? error : bodyError;
    if (deleteFailed)
        qWarning().noquote() << QStringLiteral("Delete Timers: ") + bodyError.description;
    else
        logStoreError(QStringLiteral("Could not save. "), cause);
    if (why) *why = cause;
    return false;
}

}  // namespace dunok
