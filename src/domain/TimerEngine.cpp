#include "domain/TimerEngine.h"

#include <QDebug>
#include <QLocale>
#include <algorithm>

#include "domain/AlarmOutput.h"
#include "domain/AlarmRing.h"
#include "domain/Badge.h"
#include "domain/Constants.h"
#include "domain/CountdownText.h"
#include "domain/Logging.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TickScheduler.h"
#include "domain/TimerList.h"
#include "domain/TimerLookup.h"
#include "domain/TimerModel.h"
#include "domain/Translations.h"

namespace dunok {

namespace {
constexpr qint64 mouseWatchIntervalNs = 500'000'000;
// How late a tick may come so that ticks due close together share a wake-up.
constexpr qint64 tickCoalescingNs = 3'000'000;
}  // namespace

TimerEngine::TimerEngine(const TimerList& list, TimerRowDisplay& rows, const Preferences& prefs,
                         AlarmOutput& player, const Clock& clock, QObject* parent)
    : QObject(parent),
      list_(list),
      rows_(rows),
      prefs_(prefs),
      player_(player),
      clock_(clock),
      scheduler_(std::make_unique<TickScheduler>(clock)),
      // Until the window says where the mouse is, it never moves.
      cursor_([] { return QPointF(); }),
      ring_(std::make_unique<AlarmRing>(*scheduler_, clock, prefs, player)),
      badge_(alertsArray_, list_) {
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
    const int row = list_.rowOf(id);
    // The timer was deleted since its notification went up.
    if (row == -1 || id.isEmpty()) return;
    if (id == ring_->ringingId()) ring_->silence();
    if (!list_.at(row).snoozeOn || alertsArray_.contains(id)) {
        emit toolbarNeedsUpdate();
        return;
    }
    // A run of its own: its progress starts from nothing.
    startAt(row, list_.at(row).snooze, RunKind::Extra);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::shutDown() {
    silenceAll();
    if (countUpTick_) countUpTick_->invalidate();
    countUpTick_.reset();
    if (mouseTimer_) mouseTimer_->invalidate();
    mouseTimer_.reset();
    alertsArray_.stopTicks();
}

void TimerEngine::arm(int k, qint64 startNs) {
    const QString id = alertsArray_.at(k).id;
    // Each tick remembers where it found its entry last time.
    alertsArray_[k].theTimer = scheduler_->schedule(
        [this, id, hint = k]() mutable { hint = tickAt(id, hint); }, tickIntervalNs, startNs);
}

int TimerEngine::startAt(int row, qint64 seconds, RunKind kind, qint64 startNs) {
    const Timer& timer = list_.at(row);
    finished_.remove(timerId(timer));
    Alert alert;
    alert.id = timerId(timer);
    alert.value = seconds;
    alert.runLength = kind == RunKind::Extra ? seconds : std::max(timer.duration, seconds);
    alert.warnAt = timer.warnBefore * 60;
    if (kind == RunKind::Own && timer.then != WhenFinished::Stop) {
        alert.routineHead = alert.id;
        // Rounds are counted where the routine comes back to where it began.
        alert.round = routineLoops(timer) ? 1 : 0;
        alert.rounds = timer.rounds;
    }
    const int k = alertsArray_.append(alert);
    arm(k, startNs);
    emit timerStarted(alert.id);
    prepareNextAlarm();
    return k;
}

// After the start has shown, so that loading and decoding the sound never
// delays it; at the finish the alarm then only has to play.
void TimerEngine::prepareAlarm() {
    const Alert* next = alertsArray_.firstToFinish();
    if (const Timer* timer = next ? list_.find(next->id) : nullptr)
        player_.prepare(timer->sound, settings());
}

void TimerEngine::resume(int k) {
    // The row shows its countdown again at the next tick.
    alertsArray_[k].isPaused = false;
    arm(k);
    prepareNextAlarm();
}

void TimerEngine::toggle(const QString& id) {
    const int r = list_.rowOf(id);
    if (r == -1) return;
    const int k = alertsArray_.haveAlertForID(id);
    bool started = false;
    if (k == -1) {
        if (finished_.remove(id)) {
            rows_.setDurationText(r, toDHMS(list_.at(r).duration), tSize);
            if (isRinging() || player_.isPlaying()) {
                // A double-click on a ringing row only silences it.
                silenceAll();
                emit toolbarNeedsUpdate();
                return;
            }
        }
        startAt(r, list_.at(r).duration);
        started = true;
    } else if (id == ring_->ringingId() && isRinging()) {
        // A routine started it again as it rang: the double-click silences
        // the alarm, and the routine goes on.
        silenceAll();
        emit toolbarNeedsUpdate();
        return;
    } else if (alertsArray_.at(k).isPaused) {
        resume(k);
        emit toolbarNeedsUpdate();
        badge_.update();
        return;
    } else {
        dropRun(k);
    }
    rows_.reloadRows({r});
    emit toolbarNeedsUpdate();
    badge_.update();
    if (started && settings().hideWhenTimerStarts) emit closeWindowRequested();
}

void TimerEngine::pauseOrResume(const QString& id) {
    const int k = alertsArray_.haveAlertForID(id);
    if (k == -1 || alertsArray_.at(k).value < 1) return;
    if (!alertsArray_.at(k).isPaused) {
        const int row = list_.rowOf(id);
        if (row != -1)
            rows_.setDurationText(row, tr("Paused %1").arg(rows_.durationText(row)), tSize);
        if (alertsArray_.at(k).theTimer) alertsArray_.at(k).theTimer->invalidate();
        alertsArray_[k].isPaused = true;
    } else {
        resume(k);
    }
    emit toolbarNeedsUpdate();
    // The count stays; what rings next may not.
    badge_.update();
}

void TimerEngine::stopAll() {
    silenceAll();
    // A reset ends counting up: those rows show their duration again.
    finished_.removeIf([this](const auto& finish) {
        if (finish.value() == noCountUp) return false;
        rows_.reloadRows({list_.rowOf(finish.key())});
        return true;
    });
    for (int k = alertsArray_.getNumAlerts() - 1; k >= 0; --k) {
        const int row = list_.rowOf(alertsArray_.at(k).id);
        dropRun(k);
        rows_.reloadRows({row});
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::startTimers(const QStringList& ids) {
    for (int i = 0; i < list_.size(); ++i) {
        const QString id = timerId(list_.at(i));
        if (!ids.contains(id) || alertsArray_.contains(id)) continue;
        startAt(i, list_.at(i).duration);
        rows_.reloadRows({i});
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::stopEditedTimer(const QString& id) {
    const int row = list_.rowOf(id);
    if (row == -1 || id.isEmpty()) return;
    // Only this timer's alarm: another that rings, or a preview, plays on.
    if (id == ring_->ringingId()) ring_->silence();
    const int k = alertsArray_.haveAlertForID(id);
    if (k != -1) dropRun(k);
    // Its row is rebuilt: a finish it showed gives way to the new duration.
    finished_.remove(id);
    rows_.reloadRows({row});
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::forgetUnlisted() {
    for (int k = alertsArray_.getNumAlerts() - 1; k >= 0; --k)
        if (list_.rowOf(alertsArray_.at(k).id) == -1) dropRun(k);
    finished_.removeIf([this](const auto& finish) { return list_.rowOf(finish.key()) == -1; });
    badge_.update();
}

void TimerEngine::silence() {
    silenceAll();
    emit toolbarNeedsUpdate();
}

void TimerEngine::tick(const QString& id) {
    tickAt(id, -1);
}

int TimerEngine::tickAt(const QString& id, int hint) {
    if (alertsArray_.isEmpty()) return -1;
    // Ids are unique in the table, so the one entry found is the only match.
    const int i = alertsArray_.haveAlertForID(id, hint);
    if (i != -1 && !alertsArray_.at(i).isPaused) {
        if (alertsArray_.at(i).value > 0) --alertsArray_[i].value;
        warnIfDue(alertsArray_.at(i));
        const bool finished = alertsArray_.at(i).value < 1;
        std::optional<NextRun> next;
        // When the finish was due, where the next run of a routine counts from.
        const qint64 dueNs = finished ? scheduler_->currentTickDueNs() : -1;
        if (finished) {
            QString blocked;
            next = nextInRoutine(alertsArray_.at(i), &blocked);
            finish(i, {}, next ? startsText(next->row) : QString());
            if (!blocked.isEmpty()) emit routineHalted(blocked);
        }
        rows_.reloadRows({list_.rowOf(id)});
        if (finished && finished_.value(id, noCountUp) != noCountUp)
            rows_.setDurationText(list_.rowOf(id), countUpText(0), tSize);
        if (finished) {
            alertsArray_.removeFinished();
            if (next) startNext(*next, dueNs < 0 ? clock_.nowNs() : dueNs);
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

void TimerEngine::warnIfDue(const Alert& alert) {
    // Only when the countdown passes the mark: a run that starts at or under
    // it (a short timer, a snooze, a restore late in the run) and a resume
    // after it never warn.
    if (alert.warnAt < 1 || alert.value != alert.warnAt || !settings().sendNotification) return;
    const Timer* timer = list_.find(alert.id);
    if (!timer) return;
    warned_.insert(alert.id);
    emit headsUp(
        {alert.id,
         translateCount("TimerEngine", QT_TRANSLATE_N_NOOP("TimerEngine", "%1: %Ln minute(s) left"),
                        int(timer->warnBefore))
             .arg(timer->desc)});
}

void TimerEngine::withdrawHeadsUp(const QString& id) {
    if (warned_.remove(id)) emit headsUpWithdrawn(id);
}

void TimerEngine::dropRun(int k) {
    withdrawHeadsUp(alertsArray_.at(k).id);
    alertsArray_.remove(k);
}

void TimerEngine::finish(int i, const QDateTime& whileClosedAt, const QString& then) {
    // Counted up from the moment it was due; one that finished while Dunok
    // was closed keeps its "Finished" line.
    const bool countsUp = settings().countUp && !whileClosedAt.isValid();
    finished_.insert(alertsArray_.at(i).id, countsUp ? scheduler_->currentTickDueNs() : noCountUp);
    if (countsUp) {
        if (!countUpTick_)
            countUpTick_ = scheduler_->schedule([this] { countUp(); }, tickIntervalNs);
    }
    // A timer whose row is gone still finishes, only without a record to
    // describe it.
    const Timer* listed = list_.find(alertsArray_.at(i).id);
    const bool haveRecord = listed != nullptr;
    const Timer timer = haveRecord ? *listed : Timer();

    // The sound first: nothing else a finish does may keep the alarm
    // waiting. A newer finish replaces the alarm that rang before.
    silenceAll();
    if (haveRecord) ring_->ring(alertsArray_.at(i).id, timer.sound);

    emit timerFinished(alertsArray_.at(i).id);
    if (settings().bringToFront) emit bringToFrontRequested();
    // The finish notification takes the heads-up's place; without one, the
    // heads-up goes on its own.
    const bool notifies = settings().sendNotification && haveRecord;
    if (!notifies) withdrawHeadsUp(alertsArray_.at(i).id);
    warned_.remove(alertsArray_.at(i).id);
    if (notifies) {
        qCDebug(lcEngine).noquote() << alertsArray_.at(i).id;
        QString when =
            whileClosedAt.isValid()
                ? tr("Finished while Dunok was closed, at %1")
                      .arg(mediumDateTimeStr(whileClosedAt, QLocale::system().bcp47Name()))
                : tr("Occurred at %1").arg(currentDateTimeStr());
        if (!then.isEmpty()) when += QLatin1Char('\n') + then;
        emit finishNotification({timer.desc, tr("Duration was %1").arg(toDHMS(timer.duration)),
                                 when, alertsArray_.at(i).id,
                                 timer.snoozeOn ? snoozeLabel(timer.snooze) : QString()});
    }
    // The caller refreshes the toolbar once the finished entry is settled.
    prepareNextAlarm();
    if (settings().quietWithMouse) startMouseWatch();

    Alert& alert = alertsArray_[i];
    alert.isPaused = false;
    if (alert.theTimer) alert.theTimer->invalidate();
    alert.theTimer.reset();
    alert.value = 0;
}

void TimerEngine::restoreTimers(const QList<RestoredTimer>& timers) {
    QList<RestoredTimer> passed;
    for (const RestoredTimer& timer : timers) {
        const int row = list_.rowOf(timer.id);
        if (row == -1 || timer.id.isEmpty() || alertsArray_.contains(timer.id)) continue;
        if (timer.finishedWhileClosed.isValid()) {
            passed << timer;
            continue;
        }
        const int k = startAt(row, std::clamp<qint64>(timer.secondsLeft, 1, maxTimerDuration));
        // The routine goes on where it stood; one whose first timer is gone
        // begins again from this one.
        if (const int head = timer.routine ? list_.rowOf(timer.routine->head) : -1; head != -1) {
            alertsArray_[k].routineHead = timerId(list_.at(head));
            alertsArray_[k].round = timer.routine->round;
            alertsArray_[k].rounds = timer.routine->rounds;
        }
        rows_.reloadRows({row});
        if (timer.paused) {
            Alert& alert = alertsArray_[k];
            alert.theTimer->invalidate();
            alert.theTimer.reset();
            alert.isPaused = true;
            showPaused(row, alert.value);
        }
    }
    // Only one alarm sounds: the one due last is the one left ringing.
    std::stable_sort(passed.begin(), passed.end(), [](const auto& a, const auto& b) {
        return a.finishedWhileClosed < b.finishedWhileClosed;
    });
    for (const RestoredTimer& timer : std::as_const(passed)) {
        const int row = list_.rowOf(timer.id);
        Alert alert;
        alert.id = timer.id;
        const int k = alertsArray_.append(alert);
        finish(k, timer.finishedWhileClosed);
        // Shown as finished, then gone from the table as after any finish.
        rows_.reloadRows({row});
        alertsArray_.remove(k);
    }
    emit toolbarNeedsUpdate();
    badge_.update();
}

void TimerEngine::countUp() {
    const qint64 now = scheduler_->currentTickDueNs();
    bool counting = false;
    for (auto it = finished_.cbegin(); it != finished_.cend(); ++it) {
        const int row = list_.rowOf(it.key());
        if (it.value() == noCountUp || row == -1) continue;
        rows_.setDurationText(row, countUpText((now - it.value()) / tickIntervalNs), tSize);
        counting = true;
    }
    // Nothing counts up any more (silenced, started, edited, redrawn): no
    // more wake-ups.
    if (!counting && countUpTick_) {
        countUpTick_->invalidate();
        countUpTick_.reset();
    }
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
        const int k = alertsArray_.haveAlertForID(id);
        // The sound was stopped above; a finished entry still here goes.
        if (k != -1 && alertsArray_.at(k).value < 1) alertsArray_.remove(k);
    }
    emit bringToFrontRequested();
    emit toolbarNeedsUpdate();
    badge_.update();
}

}  // namespace dunok
