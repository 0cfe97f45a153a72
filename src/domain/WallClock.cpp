#include "domain/WallClock.h"

namespace dunok {

namespace {
class SystemWallClock : public WallClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
};

}  // namespace

const WallClock& systemWallClock() {
    static const SystemWallClock clock;
    return clock;
}

}  // namespace dunok
