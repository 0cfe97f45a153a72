// The month calendar in a transient frame under the button that opened it:
// a click outside closes it.
#pragma once

#include <QFrame>

namespace dunok {

class MonthCalendarView;

class CalendarPopover : public QFrame {
    Q_OBJECT
public:
    explicit CalendarPopover(QWidget* parent = nullptr);

    MonthCalendarView* calendarView() const { return calendarView_; }
    // Shows the calendar just below `anchor`, centred on it and kept on its screen.
    void showBelow(QWidget* anchor);

private:
    MonthCalendarView* calendarView_ = nullptr;
};

}  // namespace dunok
