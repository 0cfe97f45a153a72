// The editor's target-date path: the picker, the calendar popover, and the
// rule that turns the moment to ring at into the working duration.
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/MonthCalendarView.h"
#include "ui/TargetDate.h"

namespace dunok {

QString EditController::skippedTimeText(QDate date, QTime time) const {
    return tr("%1 does not exist on %2: the clocks go forward then.")
        .arg(edDateTime_->timeText(time), edDateTime_->dateText(date));
}

QString EditController::unreadableDateText(QDate date, QTime time) const {
    return tr("Not a date and time: type one like %1.")
        .arg(edDateTime_->dateText(date) + QLatin1Char(' ') + edDateTime_->timeText(time));
}

void EditController::edDateTimeAltered() {
    savedTime_ = edDateTime_->dateTime();
    calcDurationFromPickers();
}

// The picker shows its last good value again; until the user sets one, Save
// refuses, so that the timer is never saved for a moment other than the one
// the user meant.
void EditController::typedDateRefused() {
    showDurationError(unreadableDateText(edDateTime_->clockDate(), edDateTime_->clockTime()));
    invalidDuration_ = true;
}

void EditController::calcDurationFromPickers() {
    const QDate date = edDateTime_->clockDate();
    const QTime time = edDateTime_->clockTime();
    // Counted as the clock would have run without the change, 02:30 would ring
    // at 03:30: the user is told instead.
    if (!clockTimeExists(date, time, edDateTime_->zone())) {
        showDurationError(skippedTimeText(date, time));
        invalidDuration_ = true;
        return;
    }
    const std::optional<qint64> secs =
        secondsToTarget(edDateTime_->moment(), clock_.now(), edDateTime_->zone());
    if (!secs) {
        showDurationError(tr("Date must be in the future."));
        invalidDuration_ = true;
        return;
    }
    // A target in the current minute counts zero seconds from its start;
    // refused as the sliders refuse zero rather than stored as a timer that
    // finishes at once.
    if (*secs < 1) {
        showDurationError(tr("Duration must not be zero."));
        invalidDuration_ = true;
        return;
    }
    invalidDuration_ = false;
    // The picker reaches the year 9999; a timer runs a hundred years at most,
    // and the line shows the duration that Save will store.
    chosenDuration_ = std::min(*secs, maxTimerDuration);
    updateDuration();
}

void EditController::createCalenderPopover() {
    if (calendarPopover_) return;
    calendarPopover_ = new CalendarPopover(clock_, this);
    calendarView_ = calendarPopover_->calendarView();
    connect(calendarView_, &MonthCalendarView::dateSelected, this, &EditController::didSelectDate);
}

// The calendar always opens on the day the sheet was opened, whatever the
// picker shows; it leaves Close and Save in view.
void EditController::showCalendar() {
    createCalenderPopover();
    calendarView_->setDate(dateToUse_);
    calendarView_->setSelectedDate(dateToUse_);
    calendarPopover_->showNextTo(btnCalendar_, {btnClose_, btnSave_});
}

// The picked day with the picker's time of day; savedTime stays, so picking
// another day keeps that time (even one the clock skips on the new day,
// which the rule then names).
void EditController::didSelectDate(const QDateTime& date) {
    if (calendarPopover_) calendarPopover_->hide();
    const QTime time = savedTime_.time();
    {
        const QSignalBlocker blocker(edDateTime_);
        edDateTime_->setDateTime(QDateTime(date.toTimeZone(edDateTime_->zone()).date(),
                                           QTime(time.hour(), time.minute()), Qt::UTC));
    }
    calcDurationFromPickers();
}

}  // namespace dunok
