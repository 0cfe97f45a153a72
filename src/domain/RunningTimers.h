// The running-timer table: one entry per timer that counts down, is paused,
// or has just finished. The engine owns it; everyone else reads it.
#pragma once

#include <QList>
#include <QString>

#include "domain/Alert.h"

namespace dunok {

class RunningTimers {
public:
    int getNumAlerts() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }
    int pausedCount() const;
    // The counting (not paused, not finished) entry with the fewest seconds
    // left, or null: the next to finish.
    const Alert* firstToFinish() const;
    // Index of the entry for that timer id, or -1. Every tick and every
    // redrawn row looks its timer up, so with many timers running a scan per
    // lookup would cost a pass over the whole table each time: hint is where
    // the caller last found it, checked before it is trusted, so that it can
    // never point at the wrong entry, only miss.
    int haveAlertForID(const QString& id, int hint = -1) const;
    // The entry for that timer id, or null.
    const Alert* find(const QString& id) const;
    bool contains(const QString& id) const { return haveAlertForID(id) != -1; }

    const Alert& at(int k) const { return entries_.at(k); }
    Alert& operator[](int k) { return entries_[k]; }
    const QList<Alert>& entries() const { return entries_; }

    // Adds an entry at the end and returns its index.
    int append(const Alert& alert);
    // Takes entry k out of the table for good; its tick never comes again.
    void remove(int k);
    // Takes out every finished entry that no longer ticks.
    void removeFinished();
    // Stops every tick, keeping the entries (at quit, so that what ran can
    // still be kept for the next start).
    void stopTicks();
    void clear();

private:
    QList<Alert> entries_;
};

}  // namespace dunok
