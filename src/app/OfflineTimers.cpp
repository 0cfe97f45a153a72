#include "app/OfflineTimers.h"

#include <QCoreApplication>
#include <algorithm>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerModel.h"
#include "domain/TimerRestore.h"
#include "storage/TimerStore.h"

namespace dunok {

namespace {
struct Listed {
    TimerStatus status;
    qint64 duration = 0;  // the stored one, for the order by time
};

TimerStatus statusOf(const Timer& timer, bool kept, qint64 nowMs) {
    const KeptTimer state = kept ? keptTimerAt(timer.dueAt, timer.pausedLeft, nowMs) : KeptTimer();
    // A kept run goes on in its routine's round at the next start.
    const QString round = timer.keptRoutine
                              ? routineRound(timer.keptRoutine->round, timer.keptRoutine->rounds)
                              : QString();
    switch (state.state) {
        case KeptTimer::State::None:
            break;
        case KeptTimer::State::Running:
            return {timer.desc, stateWord(TimerState::Running), state.secondsLeft, round};
        case KeptTimer::State::Paused:
            return {timer.desc, stateWord(TimerState::Paused), state.secondsLeft, round};
        case KeptTimer::State::Finished:
            return {timer.desc, stateWord(TimerState::Finished), 0};
    }
    return {timer.desc, stateWord(TimerState::Stopped), timer.duration};
}

}  // namespace

std::optional<QList<TimerStatus>> timersAtNextStart(const QString& storePath,
                                                    const QString& prefsPath, qint64 nowMs,
                                                    StoreError* why) {
    // Checked as the program checks it and read without writing: an older
    // store is listed as the upgrade will keep it.
    TimerStore store;
    bool absent = false;
    if (!store.openForReading(storePath, &absent, why)) return std::nullopt;
    QList<Timer> stored;
    if (!absent) {
        std::optional<QList<Timer>> read = store.timers(why);
        if (!read) return std::nullopt;
        stored = std::move(*read);
    }
    // The preferences as the next start reads them, without touching the file.
    const Settings next = readSettings(*PreferenceStore::forReading(prefsPath)).settings;
    QList<Listed> listed;
    for (const Timer& timer : std::as_const(stored))
        listed.append({statusOf(timer, next.keepTimers, nowMs), timer.duration});
    // An empty store that was never filled gets the ready-made timers, named
    // in the language the first start will store them in.
    if (listed.isEmpty() && next.newDatabase)
        for (const auto& [desc, duration] : defaultTimers())
            listed.append({{QCoreApplication::translate("TimerList", desc.toUtf8().constData()),
                            stateWord(TimerState::Stopped), duration},
                           duration});
    sortForList(
        listed, next.sort, [](const Listed& l) { return l.duration; },
        [](const Listed& l) { return l.status.description; });
    QList<TimerStatus> statuses;
    for (const Listed& entry : std::as_const(listed)) statuses << entry.status;
    return statuses;
}

}  // namespace dunok
