// The timers of the window's list, in the order the user sees them.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "domain/Timer.h"

namespace dunok {

// Row r of the list is at(r). Every change goes through here, so the row of
// a timer id is always known without a walk over the list: a tick, a redrawn
// row and a command from outside all find their timer by id.
class TimerList {
public:
    const QList<Timer>& timers() const { return timers_; }
    int size() const { return int(timers_.size()); }
    bool isEmpty() const { return timers_.isEmpty(); }
    bool hasRow(int row) const { return row >= 0 && row < timers_.size(); }
    const Timer& at(int row) const { return timers_.at(row); }
    // Every row's description, top to bottom.
    QStringList descriptions() const;

    // The row of that timer, or -1 when it is not listed.
    int rowOf(TimerId id) const { return rows_.value(id, -1); }
    // The same for the id as the engine and the bus spell it.
    int rowOf(const QString& id) const;
    // The listed timer with that id, or null.
    const Timer* find(const QString& id) const;

    // The whole list anew, in this order.
    void assign(QList<Timer> timers);
    void append(const QList<Timer>& timers);
    // Replaces the listed timer with the same id; false when none is listed.
    bool replace(const Timer& timer);
    void removeAt(int row);
    void clear() { assign({}); }

private:
    void index(int from);

    QList<Timer> timers_;
    QHash<TimerId, int> rows_;
};

// The id as the engine, the bus and the command line spell it.
QString timerId(const Timer& timer);

}  // namespace dunok
