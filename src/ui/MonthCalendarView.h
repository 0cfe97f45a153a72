// A small month calendar from which the user picks a day: a title with the
// month and year, seven weekday labels and a 6 x 7 grid of day buttons. It
// knows nothing of timers; the picked day goes to its delegate.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace dunok {

class CalendarBackgroud;
class CalendarCell;
class WallClock;

class MonthCalendarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int rows = 6;
    static constexpr int columns = 7;

    // clock: today and the user's time zone.
    explicit MonthCalendarView(const WallClock& clock, QWidget* parent = nullptr);

    // Any moment of the month on display, kept as the start of its day.
    std::optional<QDateTime> date() const { return date_; }
    void setDate(std::optional<QDateTime> date);
    // The picked day, kept as the start of its day. Without it the grid is empty.
    void setSelectedDate(std::optional<QDateTime> date);

    void nextMonth();
    void prevMonth();
    void stepMonth(int delta);
    // Back to the month of today; the selected day stays.
    void clickTitle();
    void cellClicked(CalendarCell* cell);

    void layoutCalendar();
    void setCalendarTitle();
    void setCellSelectedStatusBy(const std::optional<QDateTime>& date);

    // The start of day `day` of the month on display.
    std::optional<QDateTime> monthDay(int day) const;
    int lastDayOfTheMonth() const;
    // Grid column of a weekday numbered 1 = Sunday ... 7 = Saturday.
    int colForDay(int weekday) const;
    // The start of the given moment's day in the user's time zone.
    QDateTime toUTC(const QDateTime& date) const;
    bool isSameDay(const QDateTime& d1, const QDateTime& d2) const;
    // A part of the calendar's layout by its object name.
    QWidget* viewByID(const QString& id) const;

signals:
    // A day was picked: the start of that day in the user's time zone.
    void dateSelected(const QDateTime& date);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void setWeekdayLabels();

    const WallClock& clock_;
    std::optional<QDateTime> date_;
    std::optional<QDateTime> selectedDate_;

    CalendarBackgroud* root_ = nullptr;
    QLabel* calendarTittle_ = nullptr;
    std::array<std::array<CalendarCell*, columns>, rows> dayCells_{};
    std::array<QLabel*, columns> dayLabels_{};
};

}  // namespace dunok
