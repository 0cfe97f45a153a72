// The count of running and paused timers shown on the launcher entry and on
// the tray icon.
#pragma once

#include <QList>

namespace dunok {

// Something that can show the number of running timers; 0 means show none.
class BadgeDisplay {
public:
    virtual ~BadgeDisplay() = default;
    virtual void showCount(int count) = 0;
};

void addBadgeDisplay(BadgeDisplay* display);
void removeBadgeDisplay(BadgeDisplay* display);

// Shows getNumAlerts() on every display; a display hears only of changes.
void updateBadge();
// Takes the badge away (at quit).
void clearBadge();

}  // namespace dunok
