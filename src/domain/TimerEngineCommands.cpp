// The engine's commands by timer id, as the command line, the bus, the
// tray and the notifications give them, and what it tells of a timer.
#include <algorithm>

#include "domain/AlarmRing.h"
#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerList.h"
#include "domain/TimerModel.h"

namespace dunok {

bool TimerEngine::startTimer(const QString& id) {
    const int row = list_.rowOf(id);
    if (row == -1 || alertsArray_.contains(id)) return false;
    // A finished row shows its duration again, as a double-click does.
    if (finished_.contains(id)) rows_.setDurationText(row, toDHMS(list_.at(row).duration), tSize);
    startTimers({id});
    return true;
}

bool TimerEngine::stopTimer(const QString& id) {
    const int row = list_.rowOf(id);
    const int k = alertsArray_.haveAlertForID(id);
    if (row == -1 || k == -1 || alertsArray_.at(k).value < 1) return false;
    dropRun(k);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
    return true;
}

bool TimerEngine::pauseTimer(const QString& id) {
    const int k = alertsArray_.haveAlertForID(id);
    if (list_.rowOf(id) == -1 || k == -1 || alertsArray_.at(k).isPaused ||
        alertsArray_.at(k).value < 1)
        return false;
    pauseOrResume(id);
    return true;
}

bool TimerEngine::resumeTimer(const QString& id) {
    const int k = alertsArray_.haveAlertForID(id);
    if (list_.rowOf(id) == -1 || k == -1 || !alertsArray_.at(k).isPaused) return false;
    pauseOrResume(id);
    return true;
}

TimerEngine::AddTime TimerEngine::addTime(const QString& id, qint64 seconds) {
    const int row = list_.rowOf(id);
    if (row == -1 || id.isEmpty()) return AddTime::UnknownTimer;
    const TimerState state = stateOf(id);
    if (state == TimerState::Stopped) return AddTime::NotRunning;
    if (seconds < 1) return AddTime::BadAmount;
    const int k = alertsArray_.haveAlertForID(id);
    if (state == TimerState::Finished) {
        if (seconds > longestAddedTime) return AddTime::TooLong;
        if (id == ring_->ringingId()) ring_->silence();
        // Its finished entry may still wait in the table for a click.
        if (k != -1) alertsArray_.remove(k);
        startAt(row, seconds, RunKind::Extra);
        rows_.reloadRows({row});
    } else {
        Alert& alert = alertsArray_[k];
        if (seconds > longestAddedTime - alert.value) return AddTime::TooLong;
        alert.value += seconds;
        alert.runLength += seconds;
        // "1 minute left" is no longer true; the mark warns again when passed.
        if (alert.value > alert.warnAt) withdrawHeadsUp(id);
        rows_.reloadRows({row});
        if (alert.isPaused) showPaused(row, alert.value);
    }
    // The toolbar's refresh also moves the due moment kept for a restart.
    emit toolbarNeedsUpdate();
    badge_.update();
    return AddTime::Added;
}

void TimerEngine::showPaused(int row, qint64 secondsLeft) {
    const QString left =
        settings().countdownDigits ? toDHMS2(secondsLeft, true) : toDHMS(secondsLeft);
    rows_.setDurationText(row, tr("Paused %1").arg(left), tSize);
}

TimerState TimerEngine::stateOf(const QString& id) const {
    if (const int k = alertsArray_.haveAlertForID(id); k != -1) {
        if (alertsArray_.at(k).value < 1) return TimerState::Finished;
        return alertsArray_.at(k).isPaused ? TimerState::Paused : TimerState::Running;
    }
    return finished_.contains(id) && list_.rowOf(id) != -1 ? TimerState::Finished
                                                           : TimerState::Stopped;
}

qint64 TimerEngine::secondsLeft(const QString& id) const {
    if (const qint64 since = finished_.value(id, noCountUp); since != noCountUp)
        return -(clock_.nowNs() - since) / tickIntervalNs;
    if (const Alert* alert = alertsArray_.find(id)) return std::max<qint64>(alert->value, 0);
    const Timer* timer = list_.find(id);
    return timer && stateOf(id) != TimerState::Finished ? timer->duration : 0;
}

}  // namespace dunok
