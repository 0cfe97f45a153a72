// The root of the month calendar's layout: white in the light look, whatever
// the light theme, and the dark look's ground in the dark one.
#pragma once

#include <QWidget>

namespace dunok {

class WallClock;

class CalendarBackgroud : public QWidget {
    Q_OBJECT
public:
    explicit CalendarBackgroud(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Builds the calendar's parts as direct children of a new root under
// `parent`: the title "calendarTittle", the buttons "btnPrevMonth" and
// "btnNextMonth", the weekday labels "day1".."day7" and the day buttons
// "c1".."c42" (row by row, seven to a row). The calendar finds them by name.
CalendarBackgroud* loadMonthCalendarLayout(const WallClock& clock, QWidget* parent);

}  // namespace dunok
