// The month calendar in a transient frame beside the button that opened it:
// a click outside closes it.
#pragma once

#include <QFrame>
#include <QList>
#include <QRect>

namespace dunok {

class WallClock;

class MonthCalendarView;

// Where a popup of `size` goes next to `anchor`: below it, else above, else
// to its right, else to its left, the first of these that, moved inside
// `room`, covers none of `keepClear`; when each covers some, the one that
// covers least. All in global coordinates.
QRect placePopup(QSize size, const QRect& anchor, const QRect& room, const QList<QRect>& keepClear);

class CalendarPopover : public QFrame {
    Q_OBJECT
public:
    CalendarPopover(const WallClock& clock, QWidget* parent);

    MonthCalendarView* calendarView() const { return calendarView_; }
    // Shows the calendar next to `anchor` on its screen, leaving the
    // widgets in `keepClear` uncovered where there is room for that.
    void showNextTo(QWidget* anchor, const QList<QWidget*>& keepClear = {});

private:
    void colour();

    MonthCalendarView* calendarView_ = nullptr;
};

}  // namespace dunok
