// Setting a timer by the moment it is to ring: the picker that shows that
// moment on the user's wall clock, and the rule that turns it into seconds.
#pragma once

#include <QDateTime>
#include <QDateTimeEdit>
#include <QTimeZone>
#include <optional>

namespace dunok {

// The moment at a wall-clock date and time in zone. A clock time that the
// zone skips (the hour lost to daylight saving) is read as the clock would
// have shown it without the change, which lands the gap's length later.
QDateTime momentAt(QDate date, QTime time, const QTimeZone& zone);

// The start of the minute that `when` falls in, in zone.
QDateTime startOfMinute(const QDateTime& when, const QTimeZone& zone);

// Whole seconds since 1970, rounded to the nearest, halves away from zero.
qint64 roundedSecsSinceEpoch(const QDateTime& when);

// The seconds from the start of now's minute to the start of target's
// minute, or nothing when the target lies before now (to the second).
std::optional<qint64> secondsToTarget(const QDateTime& target, const QDateTime& now,
                                      const QTimeZone& zone);

// A date-and-time picker for moments in a given zone, which need not be the
// system's. It holds the wall-clock fields only (as a UTC value, which has no
// daylight-saving jumps of its own), so that what the user reads and edits is
// exactly the zone's clock.
class TargetDateEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TargetDateEdit(const QTimeZone& zone, QWidget* parent = nullptr);

    // Shows `moment` as the zone's clock shows it; emits dateTimeChanged as
    // any change does.
    void setMoment(const QDateTime& moment);
    QDateTime moment() const;
    const QTimeZone& zone() const { return zone_; }

private:
    QTimeZone zone_;
};

}  // namespace dunok
