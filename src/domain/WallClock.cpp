#include "domain/WallClock.h"

namespace dunok {

namespace {
class SystemWallClock : public WallClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
};

WallClock* current = nullptr;
}  // namespace

WallClock& systemWallClock() {
    static SystemWallClock clock;
    return clock;
}

WallClock& wallClock() {
    return current ? *current : systemWallClock();
}

void setWallClock(WallClock* clock) {
    current = clock;
}

}  // namespace dunok
