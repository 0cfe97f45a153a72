#include "engine/Badge.h"

#include "engine/RunningTimers.h"

namespace dunok {

namespace {
struct Shown {
    BadgeDisplay* display;
    int count;
};
QList<Shown>& displays() {
    static QList<Shown> list;
    return list;
}

void show(int count) {
    for (Shown& shown : displays()) {
        if (shown.count == count) continue;
        shown.count = count;
        shown.display->showCount(count);
    }
}
}  // namespace

void addBadgeDisplay(BadgeDisplay* display) {
    displays().append({display, 0});
}

void removeBadgeDisplay(BadgeDisplay* display) {
    displays().removeIf([display](const Shown& s) { return s.display == display; });
}

void updateBadge() {
    show(getNumAlerts());
}

void clearBadge() {
    show(0);
}

}  // namespace dunok
