// The two list commands that change the set of timers without the editor:
// duplicating one timer and deleting the selected ones.
#pragma once

#include <QList>
#include <functional>

#include "model/Globals.h"

namespace dunok {

// Stores a copy of the timer on that row (its description, duration and
// sound; a new record, never running). Returns the copy, or nullptr when
// there is no such row or the save failed ("Could not duplicate. " on the
// console, and the copy is dropped again). The list is not touched: the
// caller reloads it, which puts the copy where the sort order says. Why a
// save failed goes to *error when given.
TimerRecord duplicateTimer(int row, StoreError* error = nullptr);

// Deletes the timers on the given rows from the store and from timersArray,
// the last row first so that the rows still to go keep their numbers. A
// running or paused timer stops and leaves alertsArray. Each deletion is
// saved on its own; one whose save fails is rolled back and leaves its row,
// its record and its running timer as they were. removed is called with each
// row once it has left timersArray and the store. Returns how many were
// deleted; why the first refused deletion failed goes to *error when given.
int deleteTimerRows(const QList<int>& rows, const std::function<void(int row)>& removed = {},
                    StoreError* error = nullptr);

}  // namespace dunok
