#include "domain/ListLoading.h"

#include <QCoreApplication>
#include <QDebug>
#include <algorithm>

#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "domain/TimerRepository.h"

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

Timer OneOffTimers::add(TimerList& list, const QString& desc, qint64 duration,
                        const QString& sound) {
    Timer timer = newTimer(desc, duration, sound);
    timer.id = nextId_--;
    timers_ << timer;
    list.append({timer});
    return timer;
}

// Those that no longer run are dropped here, so a one-off finished or
// stopped leaves the list at its next reload.
void OneOffTimers::appendRunning(QList<Timer>& list) {
    timers_.removeIf([this](const Timer& timer) { return !stillRuns_(timerId(timer)); });
    list << timers_;
}

bool populateArray(TimerList& list, TimerRepository& store, int sort, OneOffTimers* oneOffs) {
    StoreError error;
    auto result = store.timers(&error);
    if (!result) {
        logStoreError(QStringLiteral("Could not fetch. "), error);
        return false;
    }
    QList<Timer> timers = std::move(*result);
    sortForList(
        timers, sort, [](const Timer& t) { return t.duration; },
        [](const Timer& t) { return t.desc; });
    if (oneOffs) oneOffs->appendRunning(timers);
    list.assign(std::move(timers));
    return true;
}

bool needsDefaultTimers(const TimerList& list, bool newDatabase) {
    return list.isEmpty() && newDatabase;
}

void markDefaultTimersCreated(Preferences& prefs) {
    Settings settings = prefs.settings();
    settings.newDatabase = false;
    prefs.change(settings, {PrefKeys::newDatabase});
}

void createDefaultEntries(TimerRepository& store, const QString& sound) {
    QList<Timer> timers;
    for (const auto& [desc, duration] : defaultTimers())
        // Named in the language of the first start; from then on the names
        // are the user's own data, like any name the user typed.
        timers << newTimer(QCoreApplication::translate("TimerList", desc.toUtf8().constData()),
                           duration, sound);
    // One transaction for the nineteen: the disk is flushed once rather than
    // nineteen times, which a new user would otherwise wait for. Refused,
    // none is listed: the list shows nothing the store does not hold.
    addTimers(store, timers);
}

}  // namespace dunok
