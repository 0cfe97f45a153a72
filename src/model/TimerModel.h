// The "Timers" entity: the stored timer record and how to read it.
#pragma once

#include <QString>

#include "model/Globals.h"

namespace dunok {

namespace TimersKeys {
inline const QString entity = QStringLiteral("Timers");
inline const QString desc = QStringLiteral("desc");
inline const QString duration = QStringLiteral("duration");
inline const QString snooze = QStringLiteral("snooze");
inline const QString snoozeOn = QStringLiteral("snoozeOn");
inline const QString sound = QStringLiteral("sound");
// Kept only while "Keep running timers across restarts" is on: when a running
// timer is due, in milliseconds since the epoch (wall clock), and how many
// seconds a paused one has left. NULL when the timer is neither.
inline const QString dueAt = QStringLiteral("dueAt");
inline const QString pausedLeft = QStringLiteral("pausedLeft");
}  // namespace TimersKeys

// The longest countdown a timer runs: a hundred years of 365.25 days, less a
// second. The store may hold anything in a duration (another program, an old
// version, a damaged file); whatever it holds is read as 0 to this, so that
// the list, the editor, a running timer and its texts all work with the same
// number and no sum with it can overflow. The record itself keeps what the
// file says until the user saves the row.
inline constexpr qint64 maxTimerDuration = 36525LL * 86400 - 1;

// The data model of the store "TimerModel": one entity, "Timers", with its
// attributes and their defaults (snooze 0, snoozeOn false). Version 2 added
// dueAt and pausedLeft.
const DataModel& timerDataModel();

// The timer id: the record's URI, the key of its running-timer entry and of
// its notification.
QString timerId(const TimerRecord& timer);
QString timerDesc(const TimerRecord& timer);
// The stored duration in seconds, clamped to 0 ... maxTimerDuration; a NULL
// duration reads as 0.
qint64 timerDuration(const TimerRecord& timer);
QString timerSound(const TimerRecord& timer);

// A snooze runs for a minute to a day.
inline constexpr qint64 minSnoozeDuration = 60;
inline constexpr qint64 maxSnoozeDuration = 86400;
bool timerSnoozeOn(const TimerRecord& timer);
// The snooze length in seconds. A stored length that is not a whole number
// of minutes from a minute to a day (the entity's default 0, or a hand
// edit) reads as defSnoozeDuration, so a snooze never rings at once.
qint64 timerSnooze(const TimerRecord& timer);
// "Snooze 5m", "Snooze 1h 30m": the label of the snooze command.
QString snoozeLabel(qint64 seconds);

// A new record with these fields in the context, not saved yet; null when no
// store is open.
TimerRecord insertTimer(ManagedObjectContext& context, const QString& desc, qint64 duration,
                        const QString& sound);
// Saves new records. When that fails, prints failureText and the error on the
// console and drops the records again: left pending, they would reach the
// store with the next save, behind the list's back. Returns whether they were
// saved; on failure, why in *error when given.
bool saveNewTimers(ManagedObjectContext& context, const QList<TimerRecord>& records,
                   const QString& failureText, StoreError* error = nullptr);

}  // namespace dunok
