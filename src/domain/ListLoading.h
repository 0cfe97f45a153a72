// Filling the timer list from the store, and the ready-made timers of a new
// user.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

#include "domain/TimerList.h"

namespace dunok {

class Preferences;
class TimerRepository;

// The nineteen timers a new user starts with, in the order they are stored;
// their names in English, stored translated.
const QList<std::pair<QString, qint64>>& defaultTimers();

// Timers started once from the command line and never stored. Each has an
// id of its own for the run (negative, never a stored timer's), is listed
// after the stored timers for as long as it runs, and is then forgotten.
class OneOffTimers {
public:
    // stillRuns: whether the timer with that id counts down or is paused.
    explicit OneOffTimers(std::function<bool(const QString& id)> stillRuns)
        : stillRuns_(std::move(stillRuns)) {}
    // A new one, with that sound; it joins the end of list at once.
    Timer add(TimerList& list, const QString& desc, qint64 duration, const QString& sound);
    // Forgets those that no longer run and appends the others to list.
    void appendRunning(QList<Timer>& list);

private:
    std::function<bool(const QString& id)> stillRuns_;
    QList<Timer> timers_;
    TimerId nextId_ = -1;
};

// Refills list from the store in the order of the given sort setting.
// The one-off timers that still run or are paused follow, in the order they
// were started. A failed fetch leaves the list as it was ("Could not fetch. "
// on the console) and returns false.
bool populateArray(TimerList& list, TimerRepository& store, int sort,
                   OneOffTimers* oneOffs = nullptr);

// Whether the list just loaded should be filled with the default timers: it
// is empty and the store has never been filled (newDatabase, as the
// preferences say).
bool needsDefaultTimers(const TimerList& list, bool newDatabase);
// Records, in memory and in the preferences, that the defaults are made, so
// that a list the user emptied stays empty.
void markDefaultTimersCreated(Preferences& prefs);
// Stores the nineteen default timers, each ringing with sound; all of them
// or, when the store refuses, none (reported on the console). The caller
// reloads the list.
void createDefaultEntries(TimerRepository& store, const QString& sound);

}  // namespace dunok
