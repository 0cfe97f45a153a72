// The date, time and time zone as the user's calendar sees them. The editor's
// target-date rule, the month calendar and the kept runs read "now" only
// through the clock they are handed, so that tests can stand at 10:00:45 or
// on the day before a daylight-saving change.
#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace dunok {

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual QDateTime now() const = 0;  // in timeZone()
    virtual QTimeZone timeZone() const = 0;
};

// The system's clock and time zone. It keeps no state: every reader that is
// not handed another clock reads this one.
const WallClock& systemWallClock();

// A clock that stands still at a given moment in a given zone.
class FixedWallClock : public WallClock {
public:
    FixedWallClock(const QDateTime& now, const QTimeZone& zone)
        : zone_(zone), now_(now.toTimeZone(zone)) {}
    QDateTime now() const override { return now_; }
    QTimeZone timeZone() const override { return zone_; }
    void setNow(const QDateTime& now) { now_ = now.toTimeZone(zone_); }
    void advanceSecs(qint64 secs) { now_ = now_.addSecs(secs); }

private:
    QTimeZone zone_;
    QDateTime now_;
};

}  // namespace dunok
