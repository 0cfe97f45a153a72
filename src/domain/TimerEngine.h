// Starting, stopping, pausing, resuming and resetting timers, the one-second
// tick and the finish: the alarm, the notification, the mouse watch.
//
// The engine owns the running-timer table, reads the timer list, and tells
// the window what to do through signals and the small display interface
// below; it holds no pointer to the window.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "domain/Badge.h"
#include "domain/Clock.h"
#include "domain/CoalescedCall.h"
#include "domain/DurationParser.h"
#include "domain/RunningTimers.h"
#include "domain/Settings.h"
#include "domain/Timer.h"

namespace dunok {

class AlarmRing;
class Preferences;
class AlarmOutput;
class TickScheduler;
class TickSource;
class TimerList;

// What the engine needs of the timer list on screen.
class TimerRowDisplay {
public:
    virtual ~TimerRowDisplay() = default;
    // The text the row's duration cell shows now (empty when there is no such row).
    virtual QString durationText(int row) const = 0;
    // Writes into the duration cell without rebuilding it.
    virtual void setDurationText(int row, const QString& text, double fontSize) = 0;
    // Rebuilds the given rows from the lists.
    virtual void reloadRows(const QList<int>& rows) = 0;
};

// What the desktop notification of a finish says.
struct FinishNotice {
    QString title;
    QString subtitle;
    QString body;
    QString timerId;
    // The snooze command's label ("Snooze 5m"); empty when the timer does
    // not snooze.
    QString snoozeLabel = {};
};

// A heads-up shortly before a finish, told quietly: no sound, and the
// finish notification takes its place.
struct HeadsUpNotice {
    QString timerId;
    QString title;  // "Tea: 1 minute left"
};

// A run of a routine: the row of the timer that runs, the routine's first
// timer, and the round the run belongs to of the rounds it runs.
struct RoutineRun {
    int row = -1;
    QString head;
    int round = 0;
    int rounds = 0;
};
// What a routine starts when the run of the timer `endedId` finishes: the
// next timer and its round; nothing when the run is no routine's, the
// routine has run its rounds, or the next timer is gone.
std::optional<RoutineRun> routineStep(const TimerList& list, const QString& endedId,
                                      const RoutineRun& ended);

// A timer that ran when Dunok last quit, as the store kept it.
struct RestoredTimer {
    QString id;
    qint64 secondsLeft = 0;
    bool paused = false;
    // Where it stood in its routine, if it ran in one.
    std::optional<KeptRoutine> routine = {};
    // Valid when its moment passed while Dunok was not running: it rings
    // once, now, and the notification says when it was due.
    QDateTime finishedWhileClosed = {};
};

class TimerEngine : public QObject {
    Q_OBJECT
public:
    // prefs: read at each finish, start and paused row, so that a change
    // in the preferences counts from the next one. The alarm rings through
    // player, which the editor's preview shares.
    // list: the timers, in the order of the rows; it outlives the engine.
    TimerEngine(const TimerList& list, TimerRowDisplay& rows, const Preferences& prefs,
                AlarmOutput& player, const Clock& clock = systemClock(), QObject* parent = nullptr);
    ~TimerEngine() override;

    // What a double-click on a timer's row does: start it, stop it, resume
    // it, or silence it when it finished and rings. An unknown id does
    // nothing.
    void toggle(const QString& id);
    // Pause a counting timer, resume a paused one.
    void pauseOrResume(const QString& id);
    // Stop every timer and the alarm.
    void stopAll();
    // Starts the timers with these ids, each on its row.
    void startTimers(const QStringList& ids);
    // The editor saved this timer: a saved timer starts afresh (or stays
    // stopped), so it stops if it runs or is paused, and its alarm stops if
    // it finished and rings while the editor was open.
    void stopEditedTimer(const QString& id);
    // Timers that left the list (deleted) stop counting, without a redraw:
    // their rows are gone. An alarm of theirs that rings rings on.
    void forgetUnlisted();
    // Every row was built anew from the list: a row that showed a finish
    // shows its duration now, so its timer stands stopped again.
    void listRedrawn() { finished_.clear(); }
    // The toolbar's Silence: stops the alarm, leaves the timers alone.
    void silence();
    // Commands from outside the window, by timer id. False, and nothing
    // changes, when there is no such timer or its state does not allow it:
    // start wants it not running, stop running or paused, pause counting,
    // resume paused.
    bool startTimer(const QString& id);
    bool stopTimer(const QString& id);
    bool pauseTimer(const QString& id);
    bool resumeTimer(const QString& id);
    // What came of an added time.
    enum class AddTime { Added, UnknownTimer, NotRunning, BadAmount, TooLong };
    // Lengthens a running or paused timer by that many seconds; a finished
    // one, its alarm silenced, runs again for that long. The timer's own
    // duration stays as it is. Refused, and nothing changes, for a timer
    // that is not in the list or stands stopped, for less than a second, and
    // for what would leave more than longestAddedTime to run.
    AddTime addTime(const QString& id, qint64 seconds);
    // How the timer stands now: running (counting down), paused, finished
    // (it reached zero, and its row shows so until it is started, stopped,
    // edited or the list is redrawn) or stopped.
    TimerState stateOf(const QString& id) const;
    // Seconds left of a running or paused timer, its duration when stopped;
    // 0 when finished or unknown, or, while a finished timer counts up, the
    // seconds since its finish as a negative number.
    qint64 secondsLeft(const QString& id) const;
    // What counts down, is paused, or has just finished.
    const RunningTimers& alertsArray() const { return alertsArray_; }
    // The tick handler: one second off the timer with that id.
    void tick(const QString& id);
    // One look of the mouse watch.
    void detectMouseMove();
    // The user clicked a finish notification for that timer id.
    void notificationClicked(const QString& id);
    // The user dismissed it, or chose its Stop: that timer's alarm, if it
    // still rings, stops.
    void notificationDismissed(const QString& id);
    // Snooze for the timer with that id: its alarm stops and it runs again
    // for its snooze length. Nothing happens for a timer that is gone, that
    // runs already, or that does not snooze.
    void snooze(const QString& id);
    // At start: each timer counts on with the time it has left, a paused one
    // waits paused, and one that finished while Dunok was closed rings, the
    // latest of them last. Timers no longer in the list are skipped.
    void restoreTimers(const QList<RestoredTimer>& timers);
    // An alarm sounds, or waits to sound again.
    bool isRinging() const;
    // The mouse is watched to silence the alarm when it moves.
    bool isWatchingMouse() const { return mouseTimer_ != nullptr; }
    // Quit: the alarm or preview stops, then the mouse watch, then every
    // timer's tick, so that nothing sounds or fires while the program winds
    // down. The running-timer table keeps its entries.
    void shutDown();

    // Where the mouse is, for the watch that silences the alarm when it moves.
    void setCursorSource(std::function<QPointF()> source) { cursor_ = std::move(source); }
    TickScheduler& scheduler() const { return *scheduler_; }
    // The settings the engine runs with now.
    const Settings& settings() const;
    AlarmOutput& player() const { return player_; }
    // The count of running timers and the next finish, on whatever shows them.
    Badge& badge() { return badge_; }

signals:
    // Toolbar enabling and status line need redoing.
    void toolbarNeedsUpdate();
    // The window should come to the front (a finish, a notification click).
    void bringToFrontRequested();
    // A timer was started and the preferences ask for the window to close.
    void closeWindowRequested();
    // A finish to be told to the desktop.
    void finishNotification(const FinishNotice& notice);
    // A timer's heads-up is due (only while notifications are on); and a
    // heads-up shown is no longer true (the timer stopped, or got more time)
    // and should go.
    void headsUp(const HeadsUpNotice& notice);
    void headsUpWithdrawn(const QString& id);
    // A timer began counting (not a resume), or reached zero.
    void timerStarted(const QString& id);
    // A routine could not go on; the message says why.
    void routineHalted(const QString& message);
    void timerFinished(const QString& id);

private:
    static constexpr qint64 tickIntervalNs = 1'000'000'000;
    void arm(int k, qint64 startNs = -1);
    // "Break starts, 5:00": what a finish starts, for its notification.
    QString startsText(int row) const;
    // After a tick: the timer's heads-up when its countdown reaches the mark.
    void warnIfDue(const Alert& alert);
    void withdrawHeadsUp(const QString& id);
    // A run ends without a finish (stop, edit, delete): its entry goes, and
    // its heads-up with it.
    void dropRun(int k);
    // The timers whose heads-up is on screen.
    QSet<QString> warned_;
    // handleAlert() with a hint of where the entry was at the last tick;
    // returns where it is now (-1: gone).
    int tickAt(const QString& id, int hint);
    void resume(int k);
    // A timer's own run, which begins its routine if it has one, and
    // measures its progress against its duration (or what is left, when
    // that is more: a restore); or an extra run (a snooze, time given to a
    // finished timer), a run of its own measured against its own length.
    enum class RunKind { Own, Extra };
    // Starts the timer on that row for that many seconds, its ticks counted
    // from startNs (-1: now). Returns its entry.
    int startAt(int row, qint64 seconds, RunKind kind = RunKind::Own, qint64 startNs = -1);
    using NextRun = RoutineRun;
    // Nothing when the run is no routine's, the routine has run its rounds,
    // the next timer is gone, or it runs already (blocked then says so).
    std::optional<NextRun> nextInRoutine(const Alert& ended, QString* blocked) const;
    // Whether the routine that begins with this timer comes back to it.
    bool routineLoops(const Timer& head) const;
    // The next run starts as the one before was due to end, so that rounds
    // never drift.
    void startNext(const NextRun& next, qint64 fromNs);
    // then: what the finish starts ("Break starts, 5:00"), for its notification.
    void finish(int i, const QDateTime& whileClosedAt = QDateTime(), const QString& then = {});
    void startMouseWatch();
    // Soon, in idle time: the sound of the timer due first is made ready.
    void prepareNextAlarm() { prepare_.ask(); }
    void prepareAlarm();
    CoalescedCall prepare_{this, [this] { prepareAlarm(); }};
    // "Count up after a timer finishes": each second the finished rows show
    // how long ago they finished, until they stop standing finished.
    void countUp();
    std::shared_ptr<TickSource> countUpTick_;
    // A paused timer's row: "Paused" and the time it has left.
    void showPaused(int row, qint64 secondsLeft);
    // The alarm and the editor's preview, whichever sounds.
    void silenceAll();

    const TimerList& list_;
    TimerRowDisplay& rows_;
    const Preferences& prefs_;
    AlarmOutput& player_;
    const Clock& clock_;
    std::unique_ptr<TickScheduler> scheduler_;
    std::function<QPointF()> cursor_;
    std::unique_ptr<AlarmRing> ring_;
    RunningTimers alertsArray_;
    // The timers whose rows show their finish, and, for each, when it was due
    // when it counts up, else noCountUp.
    static constexpr qint64 noCountUp = -1;
    QHash<QString, qint64> finished_;
    Badge badge_;
    // The half-second watch that silences the alarm when the mouse moves,
    // and where the mouse was when the alarm started.
    std::shared_ptr<TickSource> mouseTimer_;
    QPointF mouseAt_;
};

}  // namespace dunok
