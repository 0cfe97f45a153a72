// Filling the timer list from the store, the ready-made timers of a new
// user, and rewriting the store in the user's own order.
#pragma once

#include <QList>
#include <QString>
#include <utility>

#include "model/Globals.h"

namespace dunok {

class Preferences;

// The nineteen timers a new user starts with, in the order they are stored;
// their names in English, stored translated.
const QList<std::pair<QString, qint64>>& defaultTimers();

// Refills timersArray from the store in the order of the given sort setting.
// One-off timers that still run or are paused follow, in the order they were
// started.
// A failed fetch leaves the list as it was ("Could not fetch. " on the
// console) and returns false.
bool populateArray(int sort);

// A timer started once from the command line and never stored: a record of
// the store's kind that is not in the store, listed after the stored timers
// (see populateArray) for as long as it runs, and then forgotten. It joins
// the end of timersArray at once, with that sound. Null when no store is open.
TimerRecord addOneOffTimer(const QString& desc, qint64 duration, const QString& sound);

// Whether the list just loaded should be filled with the default timers: it
// is empty and the store has never been filled (newDatabase, as the
// preferences say).
bool needsDefaultTimers(bool newDatabase);
// Records, in memory and in the preferences, that the defaults are made, so
// that a list the user emptied stays empty.
void markDefaultTimersCreated(Preferences& prefs);
// Stores the nineteen default timers and puts them in timersArray. A record
// that cannot be saved is reported and skipped; the others are still made.
// Each rings with sound.
void createDefaultEntries(const QString& sound);

// Removes every stored timer; records in memory stay readable.
void deleteAllData();

// Rewrites the store in the order of timersArray when a drop has reordered
// the list (wasReordered), and clears wasReordered. Delete and re-insert are
// one transaction: a crash or failure leaves the old order or the new one,
// never a lost or doubled timer. Every timer gets a new record and id; the
// list keeps the old objects until reloaded. A list that is not exactly the
// stored timers is refused. False when the store kept the old order, and
// then why in *error when given.
struct StoreError;
bool saveOrder(StoreError* error = nullptr);

}  // namespace dunok
