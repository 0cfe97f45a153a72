// The count of running and paused timers shown on the launcher entry and on
// the tray icon, and which timer rings next.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace dunok {

class RunningTimers;
class TimerList;

// How much of a run of `duration` seconds is behind it with `remaining` left, 0 to 1.
double runProgress(qint64 remaining, qint64 duration);

// The counting timer that finishes first.
struct NextFinish {
    QString description;
    qint64 remaining = 0;  // seconds
    qint64 duration = 0;   // seconds, as stored

    // How much of it has run, 0 to 1.
    double progress() const;
    bool operator==(const NextFinish&) const = default;
};

// Something that can show the number of running timers; 0 means show none.
class BadgeDisplay {
public:
    virtual ~BadgeDisplay() = default;
    virtual void showCount(int count) = 0;
    // Shows the next finish, or none when no timer counts down.
    virtual void showNextFinish(const std::optional<NextFinish>& next) { Q_UNUSED(next); }
    // Something other than a tick changed the running timers: a start, a
    // stop, a pause, a resume, a finish, time added.
    virtual void showTimersChanged() {}
};

// The counting (not paused) timer with the fewest seconds left.
std::optional<NextFinish> nextFinish(const RunningTimers& running, const TimerList& list);

// One timer that counts down or waits paused.
struct RunningLine {
    QString id;  // the timer's
    QString description;
    qint64 remaining = 0;  // seconds
    bool paused = false;
    qint64 duration = 0;  // seconds, as stored, or remaining when longer

    double progress() const { return runProgress(remaining, duration); }
};
// Every timer that counts down, soonest to finish first, then the paused
// ones, least time left first; those of the same time in the list's order.
QList<RunningLine> runningLines(const RunningTimers& running, const TimerList& list);

// What the displays were last told. The engine owns the one badge of the
// program; whoever shows the count adds itself, and removes itself before it
// goes.
class Badge {
public:
    Badge(const RunningTimers& running, const TimerList& list)
        : alertsArray_(running), list_(list) {}

    void addDisplay(BadgeDisplay* display);
    void removeDisplay(BadgeDisplay* display);

    // Shows how many timers run and which finishes next on every display; a
    // display hears only of what changed.
    void update();
    // The same after a tick of that timer and no other change of the
    // running timers, without a walk over the whole table.
    // tickedIndex: where that timer's entry is, or -1 when unknown.
    void updateAfterTick(const QString& tickedId, int tickedIndex = -1);
    // Takes the badge away (at quit).
    void clear();

private:
    struct Shown {
        BadgeDisplay* display;
        int count;
        std::optional<NextFinish> next;
    };
    void show(int count, const std::optional<NextFinish>& next);

    const RunningTimers& alertsArray_;
    const TimerList& list_;
    QList<Shown> displays_;
    // The id of the entry the last full look found ringing next, so that a
    // tick need not walk the whole table again.
    QString nextId_;
    int nextIndex_ = -1;
};

}  // namespace dunok
