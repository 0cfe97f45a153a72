#include "engine/TimerEngine.h"

#include <QCursor>
#include <QDebug>
#include <QLocale>
#include <algorithm>

#include "engine/Alarm.h"
#include "engine/AlarmRing.h"
#include "engine/Badge.h"
#include "engine/CountdownText.h"
#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/TimerModel.h"
#include "platform/Logging.h"
#include "platform/TickScheduler.h"

namespace dunok {

namespace {
constexpr qint64 tickIntervalNs = 1'000'000'000;
constexpr qint64 mouseWatchIntervalNs = 500'000'000;
// How late a tick may come so that ticks due close together share a wake-up.
constexpr qint64 tickCoalescingNs = 3'000'000;

int rowOfTimer(const QString& id) {
    for (int r = 0; r < timersArray.size(); ++r)
        if (timerId(timersArray[r]) == id) return r;
    return -1;
}
}  // namespace

TimerEngine::TimerEngine(TimerRowDisplay& rows, const Preferences& prefs, SharedPlayer& player,
                         Clock& clock, QObject* parent)
    : QObject(parent),
      rows_(rows),
      prefs_(prefs),
      player_(player),
      scheduler_(std::make_unique<TickScheduler>(clock)),
      cursor_([] { return QPointF(QCursor::pos()); }),
      ring_(std::make_unique<AlarmRing>(*scheduler_, clock, prefs, player)) {
    scheduler_->setCoalescingNs(tickCoalescingNs);
    // Every alarm's end refreshes the toolbar, so that Silence never stays
    // enabled for a sound that has ended.
    connect(ring_.get(), &AlarmRing::stateChanged, this, &TimerEngine::toolbarNeedsUpdate);
}

const Settings& TimerEngine::settings() const {
    return prefs_.settings();
}

TimerEngine::~TimerEngine() {
    // Nothing may tick into an engine that is gone.
    shutDown();
}

void TimerEngine::notificationDismissed(const QString& id) {
    // Only this timer's own alarm: a newer finish or a preview plays on.
    if (id.isEmpty() || id != ring_->ringingId()) return;
    ring_->silence();
    emit toolbarNeedsUpdate();
}

bool TimerEngine::isRinging() const {
    return ring_->isRinging();
}

void TimerEngine::silenceAll() {
    ring_->silence();
    player_.stop();
}

void TimerEngine::snooze(const QString& id) {
    const int row = rowOfTimer(id);
    // The timer was deleted since its notification went up.
    if (row == -1 || id.isEmpty()) return;
    if (id == ring_->ringingId()) ring_->silence();
    if (!timersArray[row].snoozeOn || haveAlertForID(id) != -1) {
        emit toolbarNeedsUpdate();
        return;
    }
    startAt(row, timersArray[row].snooze);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::shutDown() {
    silenceAll();
    if (mouseTimer_) mouseTimer_->invalidate();
    mouseTimer_.reset();
    for (Alert& alert : alertsArray) {
        if (alert.theTimer) alert.theTimer->invalidate();
        alert.theTimer.reset();
    }
}

void TimerEngine::arm(int k) {
    const QString id = alertsArray[k].id;
    // Each tick remembers where it found its entry last time.
    alertsArray[k].theTimer = scheduler_->schedule(
        [this, id, hint = k]() mutable { hint = tickAt(id, hint); }, tickIntervalNs);
}

void TimerEngine::startAt(int row, qint64 seconds) {
    const Timer& timer = timersArray[row];
    Alert alert;
    alert.id = timerId(timer);
    alert.value = seconds;
    alert.row = row;
    alertsArray.append(alert);
    arm(int(alertsArray.size()) - 1);
    emit timerStarted(alert.id);
}

void TimerEngine::resume(int k) {
    // The row shows its countdown again at the next tick.
    alertsArray[k].isPaused = false;
    arm(k);
}

void TimerEngine::toggle(const QString& id) {
    const int r = rowOfTimer(id);
    if (r == -1) return;
    const int k = haveAlertForID(id);
    bool started = false;
    if (k == -1) {
        if (rows_.showsFinish(r)) {
            rows_.setDurationText(r, toDHMS(timersArray[r].duration), tSize);
            if (isRinging() || player_.isPlaying()) {
                // A double-click on a ringing row only silences it.
                silenceAll();
                emit toolbarNeedsUpdate();
                return;
            }
        }
        startAt(r, timersArray[r].duration);
        started = true;
    } else if (alertsArray[k].isPaused) {
        resume(k);
        emit toolbarNeedsUpdate();
        badge_.update();
        return;
    } else {
        removeAlert(k);
    }
    rows_.reloadRows({r});
    emit toolbarNeedsUpdate();
    badge_.update();
    if (started && settings().hideWhenTimerStarts) emit closeWindowRequested();
}

void TimerEngine::pauseOrResume(const QString& id) {
    const int k = haveAlertForID(id);
    if (k == -1 || alertsArray[k].value < 1) return;
    if (!alertsArray[k].isPaused) {
        const int row = rowOfTimer(id);
        if (row != -1)
            rows_.setDurationText(row, tr("Paused %1").arg(rows_.durationText(row)), tSize);
        if (alertsArray[k].theTimer) alertsArray[k].theTimer->invalidate();
        alertsArray[k].isPaused = true;
    } else {
        resume(k);
    }
    emit toolbarNeedsUpdate();
    // The count stays; what rings next may not.
    badge_.update();
}

void TimerEngine::stopAll() {
    silenceAll();
    for (int k = int(alertsArray.size()) - 1; k >= 0; --k) {
        const int row = int(alertsArray[k].row);
        removeAlert(k);
        rows_.reloadRows({row});
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::startTimers(const QStringList& ids) {
    for (int i = 0; i < timersArray.size(); ++i) {
        const QString id = timerId(timersArray[i]);
        if (!ids.contains(id) || haveAlertForID(id) != -1) continue;
        startAt(i, timersArray[i].duration);
        rows_.reloadRows({i});
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::stopEditedTimer(const QString& id) {
    const int row = rowOfTimer(id);
    if (row == -1 || id.isEmpty()) return;
    // Only this timer's alarm: another that rings, or a preview, plays on.
    if (id == ring_->ringingId()) ring_->silence();
    const int k = haveAlertForID(id);
    if (k != -1) removeAlert(k);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::silence() {
    silenceAll();
    emit toolbarNeedsUpdate();
}

bool TimerEngine::startTimer(const QString& id) {
    const int row = rowOfTimer(id);
    if (row == -1 || haveAlertForID(id) != -1) return false;
    // A finished row shows its duration again, as a double-click does.
    if (rows_.showsFinish(row))
        rows_.setDurationText(row, toDHMS(timersArray[row].duration), tSize);
    startTimers({id});
    return true;
}

bool TimerEngine::stopTimer(const QString& id) {
    const int row = rowOfTimer(id);
    const int k = haveAlertForID(id);
    if (row == -1 || k == -1 || alertsArray[k].value < 1) return false;
    removeAlert(k);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
    return true;
}

bool TimerEngine::pauseTimer(const QString& id) {
    const int k = haveAlertForID(id);
    if (rowOfTimer(id) == -1 || k == -1 || alertsArray[k].isPaused || alertsArray[k].value < 1)
        return false;
    pauseOrResume(id);
    return true;
}

bool TimerEngine::resumeTimer(const QString& id) {
    const int k = haveAlertForID(id);
    if (rowOfTimer(id) == -1 || k == -1 || !alertsArray[k].isPaused) return false;
    pauseOrResume(id);
    return true;
}

TimerState TimerEngine::stateOf(const QString& id) const {
    if (const int k = haveAlertForID(id); k != -1) {
        if (alertsArray[k].value < 1) return TimerState::Finished;
        return alertsArray[k].isPaused ? TimerState::Paused : TimerState::Running;
    }
    // What finished stays so until its row is started, stopped or redrawn.
    const int row = rowOfTimer(id);
    return row != -1 && rows_.showsFinish(row) ? TimerState::Finished : TimerState::Stopped;
}

void TimerEngine::tick(const QString& id) {
    tickAt(id, -1);
}

int TimerEngine::tickAt(const QString& id, int hint) {
    if (alertsArray.isEmpty()) return -1;
    // Ids are unique in the table, so the one entry found is the only match.
    const int i = haveAlertForID(id, hint);
    if (i != -1 && !alertsArray[i].isPaused) {
        if (alertsArray[i].value > 0) --alertsArray[i].value;
        const bool finished = alertsArray[i].value < 1;
        if (finished) finish(i);
        rows_.reloadRows({int(alertsArray[i].row)});
        if (finished) {
            for (int k = int(alertsArray.size()) - 1; k >= 0; --k)
                if (!alertsArray[k].theTimer && !alertsArray[k].isPaused) alertsArray.removeAt(k);
            emit toolbarNeedsUpdate();
            badge_.update();
            return -1;
        }
    }
    // A plain tick changes only the row and the badge: what the toolbar and
    // the status line show stays as it was.
    badge_.updateAfterTick(id, i);
    return i;
}

void TimerEngine::finish(int i, const QDateTime& whileClosedAt) {
    const qint64 row = alertsArray[i].row;
    // The row is kept current by every reload; a timer whose row is gone
    // still finishes, only without a record to describe it.
    const bool haveRecord =
        row >= 0 && row < timersArray.size() && timerId(timersArray[int(row)]) == alertsArray[i].id;
    const Timer timer = haveRecord ? timersArray[int(row)] : Timer();

    emit timerFinished(alertsArray[i].id);
    if (settings().bringToFront) emit bringToFrontRequested();
    if (settings().sendNotification && haveRecord) {
        qCDebug(lcEngine).noquote() << alertsArray[i].id;
        emit finishNotification(
            {timer.desc, tr("Duration was %1").arg(toDHMS(timer.duration)),
             whileClosedAt.isValid()
                 ? tr("Finished while Dunok was closed, at %1")
                       .arg(mediumDateTimeStr(whileClosedAt, QLocale::system().bcp47Name()))
                 : tr("Occurred at %1").arg(currentDateTimeStr()),
             alertsArray[i].id, timer.snoozeOn ? snoozeLabel(timer.snooze) : QString()});
    }
    // The caller refreshes the toolbar once the finished entry is settled.
    // A newer finish replaces the alarm that rang before.
    silenceAll();
    if (haveRecord) ring_->ring(alertsArray[i].id, timer.sound);
    if (settings().quietWithMouse) startMouseWatch();

    Alert& alert = alertsArray[i];
    alert.isPaused = false;
    if (alert.theTimer) alert.theTimer->invalidate();
    alert.theTimer.reset();
    alert.value = 0;
}

void TimerEngine::restoreTimers(const QList<RestoredTimer>& timers) {
    QList<RestoredTimer> passed;
    for (const RestoredTimer& timer : timers) {
        const int row = rowOfTimer(timer.id);
        if (row == -1 || timer.id.isEmpty() || haveAlertForID(timer.id) != -1) continue;
        if (timer.finishedWhileClosed.isValid()) {
            passed << timer;
            continue;
        }
        startAt(row, std::clamp<qint64>(timer.secondsLeft, 1, maxTimerDuration));
        rows_.reloadRows({row});
        if (timer.paused) {
            Alert& alert = alertsArray.last();
            alert.theTimer->invalidate();
            alert.theTimer.reset();
            alert.isPaused = true;
            const QString left =
                settings().countdownDigits ? toDHMS2(alert.value, true) : toDHMS(alert.value);
            rows_.setDurationText(row, tr("Paused %1").arg(left), tSize);
        }
    }
    // Only one alarm sounds: the one due last is the one left ringing.
    std::stable_sort(passed.begin(), passed.end(), [](const auto& a, const auto& b) {
        return a.finishedWhileClosed < b.finishedWhileClosed;
    });
    for (const RestoredTimer& timer : std::as_const(passed)) {
        const int row = rowOfTimer(timer.id);
        Alert alert;
        alert.id = timer.id;
        alert.row = row;
        alertsArray.append(alert);
        finish(int(alertsArray.size()) - 1, timer.finishedWhileClosed);
        // Shown as finished, then gone from the table as after any finish.
        rows_.reloadRows({row});
        alertsArray.removeLast();
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::startMouseWatch() {
    const QPointF pos = cursor_();
    mouseAt_ = pos;
    if (mouseTimer_) mouseTimer_->invalidate();
    mouseTimer_ = scheduler_->schedule([this] { detectMouseMove(); }, mouseWatchIntervalNs);
}

void TimerEngine::detectMouseMove() {
    const QPointF pos = cursor_();
    if (pos.x() == mouseAt_.x() && pos.y() == mouseAt_.y()) return;
    if (mouseTimer_) mouseTimer_->invalidate();
    mouseTimer_.reset();
    silenceAll();
    emit toolbarNeedsUpdate();
}

void TimerEngine::notificationClicked(const QString& id) {
    silenceAll();
    if (!id.isEmpty()) {
        const int k = haveAlertForID(id);
        // The sound was stopped above; a finished entry still here goes.
        if (k != -1 && alertsArray[k].value < 1) removeAlert(k);
    }
    emit bringToFrontRequested();
    emit toolbarNeedsUpdate();
    badge_.update();
}

}  // namespace dunok
