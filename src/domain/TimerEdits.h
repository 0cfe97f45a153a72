// The two list commands that change the set of timers without the editor:
// duplicating one timer and deleting the selected ones.
#pragma once

#include <QList>
#include <functional>
#include <optional>

#include "domain/TimerList.h"

namespace dunok {

struct StoreError;
class TimerRepository;

// Stores a copy of the timer on that row (its description, duration and
// sound; a new timer, never running). Returns the copy, or nothing when there
// is no such row or the save failed ("Could not duplicate. " on the console).
// The list is not touched: the caller reloads it, which puts the copy where
// the sort order says. Why a save failed goes to *error when given.
std::optional<Timer> duplicateTimer(TimerRepository& store, const TimerList& list, int row,
                                    StoreError* error = nullptr);

// Stores new timers after the last one, each getting its id; all or, when
// the store refuses, none ("Could not save. " on the console, and why in
// *error when given). The caller reloads the list to show them.
bool addTimers(TimerRepository& store, QList<Timer>& timers, StoreError* error = nullptr);
// Stores what the user changed in a stored timer; when the store refuses,
// nothing changes.
bool updateTimer(TimerRepository& store, const Timer& timer, StoreError* error = nullptr);
// What the editor made: added when it is new (it gets its id), else updated.
bool saveTimer(TimerRepository& store, Timer& timer, StoreError* error = nullptr);

// Deletes the timers on the given rows from the store and from list, all of
// them or, when the store refuses, none. removed is called with each row
// once it has left list, the last row first so that the rows still to go
// keep their numbers. Returns how many were deleted; why the store refused
// goes to *error when given. What ran of them is the engine's to forget.
int deleteTimerRows(TimerRepository& store, TimerList& list, const QList<int>& rows,
                    const std::function<void(int row)>& removed = {}, StoreError* error = nullptr);

}  // namespace dunok
