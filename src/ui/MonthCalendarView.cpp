#include "ui/MonthCalendarView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "domain/WallClock.h"
#include "ui/CalendarBackgroud.h"
#include "ui/CalendarCell.h"
#include "ui/Palettes.h"

namespace dunok {

namespace {
// Weekdays are numbered 1 = Sunday ... 7 = Saturday here, Qt numbers them
// 1 = Monday ... 7 = Sunday.
int weekdayNumber(Qt::DayOfWeek day) {
    return day % 7 + 1;
}

Qt::DayOfWeek qtDayOfWeek(int weekday) {
    return static_cast<Qt::DayOfWeek>(weekday == 1 ? 7 : weekday - 1);
}
}  // namespace

MonthCalendarView::MonthCalendarView(const WallClock& clock, QWidget* parent)
    : QWidget(parent), clock_(clock) {
    date_ = toUTC(clock_.now());

    setPalette(calendarPalette(applicationIsDark()));
    setAutoFillBackground(true);
    setAccessibleName(tr("Calendar"));
    root_ = loadMonthCalendarLayout(clock_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(root_);

    buildGrid();
    setWeekdayLabels();
    setCalendarTitle();
    layoutCalendar();
}

void MonthCalendarView::buildGrid() {
    for (int column = 0; column < columns; ++column)
        dayLabels_[column] =
            qobject_cast<QLabel*>(viewByID(QStringLiteral("day%1").arg(column + 1)));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* cell = qobject_cast<CalendarCell*>(
                viewByID(QStringLiteral("c%1").arg(row * columns + column + 1)));
            Q_ASSERT(cell);
            connect(cell, &QAbstractButton::clicked, this, [this, cell] { cellClicked(cell); });
            dayCells_[row][column] = cell;
        }
    }
    calendarTittle_ = qobject_cast<QLabel*>(viewByID(QStringLiteral("calendarTittle")));
    Q_ASSERT(calendarTittle_);
    calendarTittle_->installEventFilter(this);
    auto* prev = qobject_cast<QAbstractButton*>(viewByID(QStringLiteral("btnPrevMonth")));
    auto* next = qobject_cast<QAbstractButton*>(viewByID(QStringLiteral("btnNextMonth")));
    Q_ASSERT(prev && next);
    connect(prev, &QAbstractButton::clicked, this, &MonthCalendarView::prevMonth);
    connect(next, &QAbstractButton::clicked, this, &MonthCalendarView::nextMonth);
}

void MonthCalendarView::setWeekdayLabels() {
    const QLocale locale;
    for (int weekday = 1; weekday <= columns; ++weekday) {
        QLabel* label = dayLabels_[colForDay(weekday)];
        if (!label) continue;
        const Qt::DayOfWeek day = qtDayOfWeek(weekday);
        label->setText(locale.toUpper(locale.dayName(day, QLocale::ShortFormat)));
        label->setAccessibleName(locale.standaloneDayName(day, QLocale::LongFormat));
    }
}

void MonthCalendarView::setDate(std::optional<QDateTime> date) {
    if (!date || !date->isValid()) {
        date_.reset();
        return;
    }
    date_ = toUTC(*date);
    layoutCalendar();
    setCalendarTitle();
}

void MonthCalendarView::setSelectedDate(std::optional<QDateTime> date) {
    if (!date || !date->isValid()) {
        selectedDate_.reset();
        return;
    }
    selectedDate_ = toUTC(*date);
    setCellSelectedStatusBy(selectedDate_);
}

void MonthCalendarView::nextMonth() {
    stepMonth(1);
}

void MonthCalendarView::prevMonth() {
    stepMonth(-1);
}

void MonthCalendarView::stepMonth(int delta) {
    if (!date_) return;
    const QDate day = date_->toTimeZone(clock_.timeZone()).date();
    int year = day.year();
    int month = day.month() + delta;
    if (month > 12) {
        year += 1;
        month = 1;
    } else if (month < 1) {
        year -= 1;
        month = 12;
    }
    // A day the new month lacks runs on into the next (31 February is early March).
    const QDate target = QDate(year, month, 1).addDays(day.day() - 1);
    setDate(target.startOfDay(clock_.timeZone()));
}

void MonthCalendarView::clickTitle() {
    setDate(clock_.now());
}

void MonthCalendarView::cellClicked(CalendarCell* cell) {
    if (!cell || !cell->representedDate()) return;
    for (auto& row : dayCells_)
        for (CalendarCell* c : row) c->setSelected(false);
    cell->setSelected(true);
    setSelectedDate(cell->representedDate());
    emit dateSelected(*selectedDate_);
}

void MonthCalendarView::layoutCalendar() {
    for (auto& row : dayCells_) {
        for (CalendarCell* cell : row) {
            cell->setRepresentedDate(std::nullopt);
            cell->setSelected(false);
        }
    }
    const std::optional<QDateTime> first = monthDay(1);
    // The editor picks a day before it shows the calendar; until then it stays empty.
    if (!first || !selectedDate_) return;
    const QDate firstDay = first->toTimeZone(clock_.timeZone()).date();
    const int last = lastDayOfTheMonth();
    int startColumn = colForDay(weekdayNumber(static_cast<Qt::DayOfWeek>(firstDay.dayOfWeek())));
    int day = 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = startColumn; column < columns && day <= last; ++column, ++day) {
            const std::optional<QDateTime> cellDate = monthDay(day);
            CalendarCell* cell = dayCells_[row][column];
            cell->setRepresentedDate(cellDate);
            cell->setSelected(isSameDay(*cellDate, *selectedDate_));
        }
        startColumn = 0;
    }
}

void MonthCalendarView::setCalendarTitle() {
    if (!date_ || !calendarTittle_) return;
    const QDate day = date_->toTimeZone(clock_.timeZone()).date();
    const QString month = QLocale().standaloneMonthName(day.month(), QLocale::LongFormat);
    calendarTittle_->setText(tr("%1, %2").arg(month, QString::number(day.year())));
}

void MonthCalendarView::setCellSelectedStatusBy(const std::optional<QDateTime>& date) {
    for (auto& row : dayCells_) {
        for (CalendarCell* cell : row) {
            const auto cellDate = cell->representedDate();
            cell->setSelected(cellDate && date && isSameDay(*cellDate, *date));
        }
    }
}

std::optional<QDateTime> MonthCalendarView::monthDay(int day) const {
    if (!date_) return std::nullopt;
    const QTimeZone zone = clock_.timeZone();
    const QDate shown = date_->toTimeZone(zone).date();
    return QDate(shown.year(), shown.month(), 1).addDays(day - 1).startOfDay(zone);
}

int MonthCalendarView::lastDayOfTheMonth() const {
    if (!date_) return 0;
    return date_->toTimeZone(clock_.timeZone()).date().daysInMonth();
}

int MonthCalendarView::colForDay(int weekday) const {
    const int column = weekday - weekdayNumber(QLocale().firstDayOfWeek());
    return column < 0 ? column + columns : column;
}

QDateTime MonthCalendarView::toUTC(const QDateTime& date) const {
    const QTimeZone zone = clock_.timeZone();
    // startOfDay also copes with a day whose midnight a clock change skips.
    return date.toTimeZone(zone).date().startOfDay(zone);
}

bool MonthCalendarView::isSameDay(const QDateTime& d1, const QDateTime& d2) const {
    const QTimeZone zone = clock_.timeZone();
    return d1.toTimeZone(zone).date() == d2.toTimeZone(zone).date();
}

QWidget* MonthCalendarView::viewByID(const QString& id) const {
    return root_ ? root_->findChild<QWidget*>(id, Qt::FindDirectChildrenOnly) : nullptr;
}

void MonthCalendarView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    layoutCalendar();
    setCalendarTitle();
}

void MonthCalendarView::changeEvent(QEvent* event) {
    // The calendar turns dark or light with the rest of the program.
    if (event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::PaletteChange) {
        const QPalette wanted = calendarPalette(applicationIsDark());
        if (palette() != wanted) setPalette(wanted);
        if (root_) root_->update();
    }
    QWidget::changeEvent(event);
}

bool MonthCalendarView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != calendarTittle_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                calendarTittle_->rect().contains(mouse->position().toPoint())) {
                clickTitle();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                clickTitle();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // The title is a plain label: underline it while it has the keyboard.
            QFont font = calendarTittle_->font();
            font.setUnderline(event->type() == QEvent::FocusIn);
            calendarTittle_->setFont(font);
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dunok
