// Where the user's timers are kept. Each operation is all or nothing: a
// refusal leaves every timer as it was and says why in *error.
#pragma once

#include <QList>
#include <optional>

#include "domain/StoreError.h"
#include "domain/Timer.h"

namespace dunok {

class TimerRepository {
public:
    virtual ~TimerRepository() = default;

    // Every timer in the user's order.
    virtual std::optional<QList<Timer>> timers(StoreError* error) const = 0;
    // Keeps the timers after the last one, giving each its id.
    bool add(QList<Timer>& timers, StoreError* error) { return addLinked(timers, {}, error); }
    // add(), with timers[i] starting timers[links[i]] for each links[i] of 0
    // or more: a routine read from a file keeps its chain, whatever ids its
    // timers get. links is empty or has one entry per timer.
    virtual bool addLinked(QList<Timer>& timers, const QList<int>& links, StoreError* error) = 0;
    // Writes what the user edits: description, duration, sound, snooze.
    virtual bool update(const Timer& timer, StoreError* error) = 0;
    virtual bool remove(const QList<TimerId>& ids, StoreError* error) = 0;
    // Puts the kept timers in this order; refused unless the ids are exactly
    // the kept timers, each once.
    virtual bool setOrder(const QList<TimerId>& ids, StoreError* error) = 0;
    // Writes what the given timers keep for the next start (dueAt,
    // pausedLeft); timers no longer kept are skipped.
    virtual bool keepRunStates(const QList<Timer>& timers, StoreError* error) = 0;
};

}  // namespace dunok
