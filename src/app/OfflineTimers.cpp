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

namespace {
// The store read without writing, checked as the program checks it: an older
// store reads as the upgrade will keep it. No file at all holds no timers.
std::optional<QList<Timer>> readStore(const QString& storePath, StoreError* why) {
    TimerStore store;
    bool absent = false;
    if (!store.openForReading(storePath, &absent, why)) return std::nullopt;
    if (absent) return QList<Timer>();
    return store.timers(why);
}

// The preferences as the next start reads them, without touching the file.
Settings nextSettings(const QString& prefsPath) {
    return readSettings(*PreferenceStore::forReading(prefsPath)).settings;
}

// An empty store that was never filled gets the ready-made timers, named in
// the language the first start will store them in.
bool getsDefaults(const QList<Timer>& stored, const Settings& next) {
    return stored.isEmpty() && next.newDatabase;
}

QString defaultName(const QString& desc) {
    return QCoreApplication::translate("TimerList", desc.toUtf8().constData());
}
}  // namespace

std::optional<QList<Timer>> storedTimersAtNextStart(const QString& storePath,
                                                    const QString& prefsPath, StoreError* why) {
    std::optional<QList<Timer>> stored = readStore(storePath, why);
    const Settings next = nextSettings(prefsPath);
    if (stored && getsDefaults(*stored, next))
        for (const auto& [desc, duration] : defaultTimers())
            *stored << newTimer(defaultName(desc), duration,
                                next.defSound.value_or(Constants::defSound));
    return stored;
}

std::optional<QList<TimerStatus>> timersAtNextStart(const QString& storePath,
                                                    const QString& prefsPath, qint64 nowMs,
                                                    StoreError* why) {
    const std::optional<QList<Timer>> stored = readStore(storePath, why);
    if (!stored) return std::nullopt;
    const Settings next = nextSettings(prefsPath);
    QList<Listed> listed;
    for (const Timer& timer : *stored)
        listed.append({statusOf(timer, next.keepTimers, nowMs), timer.duration});
    if (getsDefaults(*stored, next))
        for (const auto& [desc, duration] : defaultTimers())
            listed.append(
                {{defaultName(desc), stateWord(TimerState::Stopped), duration}, duration});
    sortForList(
        listed, next.sort, [](const Listed& l) { return l.duration; },
        [](const Listed& l) { return l.status.description; });
    QList<TimerStatus> statuses;
    for (const Listed& entry : std::as_const(listed)) statuses << entry.status;
    return statuses;
}

}  // namespace dunok
