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

// Whether the zone's clock shows that date and time at all: not the hour
// that a change to daylight saving skips.
bool clockTimeExists(QDate date, QTime time, const QTimeZone& zone);

// A date-and-time picker for moments in a given zone, which need not be the
// system's. It holds the wall-clock fields only (as a UTC value, which has no
// daylight-saving jumps of its own), so that what the user reads and edits is
// exactly the zone's clock.
//
// Typed text is taken as a whole: a complete date and time in the picker's
// format becomes its value; anything else is kept as typed until Return or
// leaving the field, which refuse it (the field then shows its last value
// again). The stock editor instead reads the text section by section and
// turns a date typed over a selection into some other date.
class TargetDateEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TargetDateEdit(const QTimeZone& zone, QWidget* parent = nullptr);

    // Shows `moment` as the zone's clock shows it; emits dateTimeChanged as
    // any change does.
    void setMoment(const QDateTime& moment);
    QDateTime moment() const;
    // The zone's clock fields as shown, which may name a time the clock skips.
    QDate clockDate() const { return dateTime().date(); }
    QTime clockTime() const { return dateTime().time(); }
    const QTimeZone& zone() const { return zone_; }

    // A date or a time written as the picker writes it.
    QString dateText(QDate date) const;
    QString timeText(QTime time) const;

    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // Text that is no date and time was refused.
    void textRefused(const QString& text);

protected:
    QDateTime dateTimeFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The date and time that the text names, read in the picker's format;
    // invalid unless the text is exactly what the picker would show for it.
    QDateTime parse(const QString& text) const;
    // Refuses the text in the field if it names no date and time.
    bool refuseUnreadableText();

    QTimeZone zone_;
    QString dateFormat_;
    QString timeFormat_;
};

}  // namespace dunok
