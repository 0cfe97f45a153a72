#include "domain/TimerList.h"

namespace dunok {

QString timerId(const Timer& timer) {
    return QString::number(timer.id);
}

int TimerList::rowOf(const QString& id) const {
    bool ok = false;
    const TimerId number = id.toLongLong(&ok);
    // "" and "0" name no timer: 0 is the id of one not stored yet.
    return ok && number != 0 ? rowOf(number) : -1;
}

const Timer* TimerList::find(const QString& id) const {
    const int row = rowOf(id);
    return row == -1 ? nullptr : &timers_.at(row);
}

void TimerList::assign(QList<Timer> timers) {
    timers_ = std::move(timers);
    rows_.clear();
    index(0);
}

QStringList TimerList::descriptions() const {
    QStringList names;
    for (const Timer& timer : timers_) names << timer.desc;
    return names;
}

void TimerList::append(const QList<Timer>& timers) {
    const int from = size();
    timers_ << timers;
    index(from);
}

bool TimerList::replace(const Timer& timer) {
    const int row = rowOf(timer.id);
    if (row == -1 || timer.id == 0) return false;
    timers_[row] = timer;
    return true;
}

void TimerList::removeAt(int row) {
    rows_.remove(timers_.at(row).id);
    timers_.removeAt(row);
    // Only the rows below move up.
    index(row);
}

void TimerList::index(int from) {
    rows_.reserve(timers_.size());
    for (int r = from; r < timers_.size(); ++r)
        // Two timers not stored yet share the id 0; neither can be found by
        // it, as neither has an id to ask for.
        if (timers_[r].id != 0) rows_.insert(timers_[r].id, r);
}

}  // namespace dunok
