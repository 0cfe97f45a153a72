// The count of running and paused timers shown on the launcher entry and on
// the tray icon, and which timer rings next.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace dunok {

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
};

void addBadgeDisplay(BadgeDisplay* display);
void removeBadgeDisplay(BadgeDisplay* display);

// The counting (not paused) timer with the fewest seconds left, from
// alertsArray and timersArray.
std::optional<NextFinish> nextFinish();

// Shows getNumAlerts() and nextFinish() on every display; a display hears
// only of what changed.
void updateBadge();
// The same after a tick of that timer and no other change of alertsArray,
// without a walk over the whole table.
void updateBadgeAfterTick(const QString& tickedId);
// Takes the badge away (at quit).
void clearBadge();

}  // namespace dunok
