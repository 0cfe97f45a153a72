// The month calendar: where the days of a month land in the grid, moving
// between months, picking a day, what a day button looks like, and the
// popover that hosts the calendar.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <functional>

#include "calendar/CalendarCell.h"
#include "calendar/CalendarPopover.h"
#include "calendar/MonthCalendarView.h"
#include "platform/WallClock.h"

using namespace dunok;

namespace {
class RecordingDelegate : public MonthCalendarViewDelegate {
public:
    void didSelectDate(const QDateTime& date) override { picked.append(date); }
    QList<QDateTime> picked;
};

CalendarCell* cell(const MonthCalendarView& view, int n) {
    return view.findChild<CalendarCell*>(QStringLiteral("c%1").arg(n));
}

QString titleOf(const MonthCalendarView& view) {
    return view.findChild<QLabel*>(QStringLiteral("calendarTittle"))->text();
}

QAbstractButton* button(const MonthCalendarView& view, const char* name) {
    return view.findChild<QAbstractButton*>(QLatin1String(name));
}

// Day of month of every cell c1..c42 in the clock's zone, 0 where empty.
QList<int> gridDays(const MonthCalendarView& view) {
    QList<int> days;
    for (int n = 1; n <= 42; ++n) {
        const auto date = cell(view, n)->representedDate();
        days.append(date ? date->toTimeZone(wallClock().timeZone()).date().day() : 0);
    }
    return days;
}

QList<int> expectedGrid(int firstCell, int daysInMonth) {
    QList<int> days(42, 0);
    for (int day = 1; day <= daysInMonth; ++day) days[firstCell - 2 + day] = day;
    return days;
}

QList<int> selectedCells(const MonthCalendarView& view) {
    QList<int> cells;
    for (int n = 1; n <= 42; ++n)
        if (cell(view, n)->isSelected()) cells.append(n);
    return cells;
}

QImage pixels(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += test(image.pixelColor(x, y));
    return count;
}

bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

bool isGreen(QColor c) {
    return c.green() > 200 && c.red() < 60 && c.blue() < 60;
}

int darkest(const QImage& image) {
    int value = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) value = std::min(value, qGray(image.pixel(x, y)));
    return value;
}
}  // namespace

class TestMonthCalendarView : public QObject {
    Q_OBJECT

    QTimeZone berlin{"Europe/Berlin"};
    QLocale systemLocale;
    std::unique_ptr<FixedWallClock> clock;

    QDateTime at(QDate day, QTime time = QTime(0, 0)) const {
        return QDateTime(day, time, wallClock().timeZone());
    }

    // As the editor does: the month to show and the picked day, then show it.
    void open(MonthCalendarView& view, QDate month, QDate selected) {
        view.setDate(at(month));
        view.setSelectedDate(at(selected));
        view.show();
    }

    void useClock(const QDateTime& now, const QTimeZone& zone) {
        clock = std::make_unique<FixedWallClock>(now, zone);
        setWallClock(clock.get());
    }

private slots:
    void initTestCase() { systemLocale = QLocale(); }

    void init() {
        // Wednesday 15 May 2024, 10:00:45 in Berlin.
        useClock(QDateTime(QDate(2024, 5, 15), QTime(10, 0, 45), berlin), berlin);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void cleanup() {
        setWallClock(nullptr);
        clock.reset();
        QLocale::setDefault(systemLocale);
    }

    void monthStartsAtItsWeekdayColumn_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<QString>("lastLabel");
        QTest::newRow("Sunday-first, starts on Sunday")
            << "en_US" << QDate(2024, 9, 1) << 1 << 30 << "SUN"
            << "SAT";
        QTest::newRow("Monday-first, starts on Monday")
            << "en_GB" << QDate(2024, 7, 1) << 1 << 31 << "MON"
            << "SUN";
        QTest::newRow("Sunday-first, 31 days from Saturday")
            << "en_US" << QDate(2020, 8, 1) << 7 << 31 << "SUN"
            << "SAT";
        QTest::newRow("Monday-first, 31 days from Sunday")
            << "en_GB" << QDate(2020, 3, 1) << 7 << 31 << "MON"
            << "SUN";
        QTest::newRow("leap February") << "en_US" << QDate(2024, 2, 1) << 5 << 29 << "SUN"
                                       << "SAT";
        QTest::newRow("common February") << "en_US" << QDate(2023, 2, 1) << 4 << 28 << "SUN"
                                         << "SAT";
        QTest::newRow("February of a century year, four rows")
            << "en_GB" << QDate(2100, 2, 1) << 1 << 28 << "MON"
            << "SUN";
    }

    void monthStartsAtItsWeekdayColumn() {
        QFETCH(QString, locale);
        QFETCH(QDate, month);
        QFETCH(int, firstCell);
        QFETCH(int, days);
        QFETCH(QString, firstLabel);
        QFETCH(QString, lastLabel);
        QLocale::setDefault(QLocale(locale));

        MonthCalendarView view;
        open(view, month.addDays(13), month.addDays(2));

        QCOMPARE(view.lastDayOfTheMonth(), days);
        QCOMPARE(gridDays(view), expectedGrid(firstCell, days));
        QCOMPARE(view.findChild<QLabel*>("day1")->text(), firstLabel);
        QCOMPARE(view.findChild<QLabel*>("day7")->text(), lastLabel);
        for (int n = 1; n <= 42; ++n) {
            CalendarCell* c = cell(view, n);
            QCOMPARE(c->isEnabled(), c->representedDate().has_value());
            if (c->representedDate()) {
                // Each day is the start of its own day, named by its number.
                QCOMPARE(c->representedDate()->time(), QTime(0, 0));
                QCOMPARE(c->dayStr(), QString::number(gridDays(view)[n - 1]));
            }
        }
        QCOMPARE(selectedCells(view), QList<int>{firstCell + 2});
    }

    void gridStaysEmptyWithoutAPickedDay() {
        MonthCalendarView view;
        view.setDate(at(QDate(2024, 5, 1)));
        view.show();
        QCOMPARE(gridDays(view), QList<int>(42, 0));
        QTest::mouseClick(cell(view, 10), Qt::LeftButton);
        QVERIFY(!view.selectedDate());
    }

    void stepsAcrossTheYearEnd() {
        MonthCalendarView view;
        open(view, QDate(2024, 12, 1), QDate(2024, 12, 10));
        QCOMPARE(titleOf(view), "December, 2024");

        QTest::mouseClick(button(view, "btnNextMonth"), Qt::LeftButton);
        QCOMPARE(titleOf(view), "January, 2025");
        QCOMPARE(gridDays(view), expectedGrid(4, 31));
        QVERIFY(selectedCells(view).isEmpty());

        QTest::mouseClick(button(view, "btnPrevMonth"), Qt::LeftButton);
        QCOMPARE(titleOf(view), "December, 2024");
        QCOMPARE(selectedCells(view), QList<int>{10});  // the picked day is marked again

        view.setDate(at(QDate(2024, 1, 20)));
        view.prevMonth();
        QCOMPARE(titleOf(view), "December, 2023");
        QCOMPARE(view.date(), at(QDate(2023, 12, 20)));
    }

    void stepFromTheEndOfJanuaryRunsIntoMarch_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("common year") << QDate(2023, 1, 31) << QDate(2023, 3, 3);
        QTest::newRow("leap year") << QDate(2024, 1, 31) << QDate(2024, 3, 2);
        QTest::newRow("30 February, leap") << QDate(2024, 1, 30) << QDate(2024, 3, 1);
    }

    void stepFromTheEndOfJanuaryRunsIntoMarch() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        MonthCalendarView view;
        open(view, from, from);
        view.nextMonth();
        QCOMPARE(view.date(), at(to));
        QCOMPARE(titleOf(view), QStringLiteral("March, %1").arg(to.year()));
    }

    void titleClickShowsTheCurrentMonth() {
        MonthCalendarView view;
        open(view, QDate(2020, 8, 1), QDate(2020, 8, 5));
        auto* title = view.findChild<QLabel*>("calendarTittle");

        QTest::mouseClick(title, Qt::RightButton);
        QCOMPARE(titleOf(view), "August, 2020");

        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(titleOf(view), "May, 2024");
        QCOMPARE(view.date(), at(QDate(2024, 5, 15)));
        QCOMPARE(view.selectedDate(), at(QDate(2020, 8, 5)));
        QCOMPARE(gridDays(view), expectedGrid(4, 31));
        QVERIFY(selectedCells(view).isEmpty());
    }

    void clickingADayPicksItAndTellsTheDelegate() {
        MonthCalendarView view;
        RecordingDelegate delegate;
        view.setDelegate(&delegate);
        QSignalSpy spy(&view, &MonthCalendarView::dateSelected);
        open(view, QDate(2024, 5, 1), QDate(2024, 5, 15));  // May 2024 begins in c4

        QTest::mouseClick(cell(view, 23), Qt::LeftButton);  // 20 May
        QCOMPARE(delegate.picked, QList<QDateTime>{at(QDate(2024, 5, 20))});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDateTime(), at(QDate(2024, 5, 20)));
        QCOMPARE(view.selectedDate(), at(QDate(2024, 5, 20)));
        QCOMPARE(selectedCells(view), QList<int>{23});

        // A past day is grey but can still be picked.
        QTest::mouseClick(cell(view, 6), Qt::LeftButton);  // 3 May
        QCOMPARE(delegate.picked.last(), at(QDate(2024, 5, 3)));
        QCOMPARE(selectedCells(view), QList<int>{6});

        view.setDelegate(nullptr);
        QTest::mouseClick(cell(view, 7), Qt::LeftButton);
        QCOMPARE(delegate.picked.size(), 2);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(view.selectedDate(), at(QDate(2024, 5, 4)));
    }

    void clickingAnEmptyCellDoesNothing() {
        MonthCalendarView view;
        RecordingDelegate delegate;
        view.setDelegate(&delegate);
        open(view, QDate(2024, 5, 1), QDate(2024, 5, 15));

        for (int n : {1, 3, 35, 42}) QTest::mouseClick(cell(view, n), Qt::LeftButton);
        view.cellClicked(cell(view, 1));
        QVERIFY(delegate.picked.isEmpty());
        QCOMPARE(view.selectedDate(), at(QDate(2024, 5, 15)));
        QCOMPARE(selectedCells(view), QList<int>{18});
    }

    void daysAcrossAClockChange() {
        // Berlin leaves summer time on 27 October 2024: that day has 25 hours.
        MonthCalendarView view;
        open(view, QDate(2024, 10, 1), QDate(2024, 10, 1));
        QCOMPARE(gridDays(view), expectedGrid(3, 31));
        const QDateTime sunday = *cell(view, 29)->representedDate();
        const QDateTime monday = *cell(view, 30)->representedDate();
        QCOMPARE(sunday, at(QDate(2024, 10, 27)));
        QCOMPARE(monday, at(QDate(2024, 10, 28)));
        QCOMPARE(sunday.secsTo(monday), 25 * 3600);

        RecordingDelegate delegate;
        view.setDelegate(&delegate);
        QTest::mouseClick(cell(view, 30), Qt::LeftButton);
        QCOMPARE(delegate.picked, QList<QDateTime>{at(QDate(2024, 10, 28))});
        QCOMPARE(delegate.picked[0].time(), QTime(0, 0));
    }

    void dayWhoseMidnightIsSkipped() {
        // São Paulo went to summer time at midnight on 4 November 2018: that
        // day began at 01:00.
        const QTimeZone saoPaulo("America/Sao_Paulo");
        useClock(QDateTime(QDate(2018, 11, 1), QTime(9, 0), saoPaulo), saoPaulo);
        MonthCalendarView view;
        RecordingDelegate delegate;
        view.setDelegate(&delegate);
        open(view, QDate(2018, 11, 1), QDate(2018, 11, 1));

        QCOMPARE(gridDays(view), expectedGrid(5, 30));
        QCOMPARE(view.monthDay(4)->time(), QTime(1, 0));
        QTest::mouseClick(cell(view, 8), Qt::LeftButton);  // 4 November
        QCOMPARE(delegate.picked.size(), 1);
        QCOMPARE(delegate.picked[0].toTimeZone(saoPaulo).date(), QDate(2018, 11, 4));
        QCOMPARE(delegate.picked[0].toTimeZone(saoPaulo).time(), QTime(1, 0));
        QCOMPARE(delegate.picked[0].secsTo(*view.monthDay(5)), 23 * 3600);
    }

    void daysAreThoseOfTheClocksZone() {
        // 31 May 13:00 UTC is already 1 June in Auckland.
        const QTimeZone auckland("Pacific/Auckland");
        useClock(QDateTime(QDate(2024, 5, 31), QTime(13, 0), QTimeZone::utc()), auckland);
        MonthCalendarView view;
        QCOMPARE(view.date(), at(QDate(2024, 6, 1)));
        view.setDate(QDateTime(QDate(2024, 7, 31), QTime(12, 30), QTimeZone::utc()));
        view.setSelectedDate(view.date());
        view.show();
        QCOMPARE(titleOf(view), "August, 2024");
        QCOMPARE(view.selectedDate(), at(QDate(2024, 8, 1)));
        QVERIFY(view.isSameDay(at(QDate(2024, 8, 1), QTime(23, 59)), *view.selectedDate()));
        QVERIFY(!view.isSameDay(at(QDate(2024, 8, 2)), *view.selectedDate()));
    }

    void todayBarSelectionDiscAndGreyPast() {
        // Whatever the desktop theme, the calendar is drawn light.
        const QPalette appPalette = QApplication::palette();
        QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        QApplication::setPalette(dark);
        auto restore = qScopeGuard([&] { QApplication::setPalette(appPalette); });

        MonthCalendarView view;
        open(view, QDate(2024, 5, 1), QDate(2024, 5, 20));
        CalendarCell* today = cell(view, 18);  // 15 May
        CalendarCell* picked = cell(view, 23);
        CalendarCell* past = cell(view, 6);
        const int area = today->width() * today->height();

        QImage img = pixels(today);
        const int lastRow = img.height() - 1;
        for (int x = 0; x < img.width(); ++x) {
            QVERIFY2(isGreen(img.pixelColor(x, lastRow)), qPrintable(QString::number(x)));
            QCOMPARE(img.pixelColor(x, 0), QColor(Qt::white));
        }
        QCOMPARE(countPixels(img, isRed), 0);

        img = pixels(picked);
        QVERIFY(countPixels(img, isRed) > area / 4);
        QCOMPARE(countPixels(img, isGreen), 0);
        QCOMPARE(img.pixelColor(0, 0), QColor(Qt::white));  // outside the disc
        QCOMPARE(img.pixelColor(img.width() - 1, lastRow), QColor(Qt::white));

        // Past numbers are grey, later ones black.
        const int pastInk = darkest(pixels(past));
        QVERIFY2(pastInk > 90 && pastInk < 200, qPrintable(QString::number(pastInk)));
        QVERIFY(darkest(pixels(cell(view, 26))) < 60);

        // Today picked: both the disc and the bar.
        QTest::mouseClick(today, Qt::LeftButton);
        img = pixels(today);
        QVERIFY(countPixels(img, isRed) > area / 4);
        QVERIFY(isGreen(img.pixelColor(0, lastRow)));
        QCOMPARE(countPixels(pixels(picked), isRed), 0);

        const QImage whole = pixels(&view);
        QCOMPARE(whole.pixelColor(2, 2), QColor(Qt::white));
    }

    void popoverOpensUnderItsButtonAndClosesOnAClickOutside() {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        auto* anchor = new QPushButton(QStringLiteral("..."), &window);
        anchor->setGeometry(150, 40, 30, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        CalendarPopover popover(&window);
        QVERIFY(popover.windowFlags().testFlag(Qt::Popup));
        popover.calendarView()->setDate(at(QDate(2024, 5, 15)));
        popover.calendarView()->setSelectedDate(at(QDate(2024, 5, 15)));
        popover.showBelow(anchor);
        QVERIFY(popover.isVisible());
        QCOMPARE(popover.geometry().top(), anchor->mapToGlobal(QPoint(0, anchor->height())).y());
        const int anchorMiddle = anchor->mapToGlobal(anchor->rect().center()).x();
        QVERIFY(qAbs(popover.geometry().center().x() - anchorMiddle) <= 1);
        QCOMPARE(titleOf(*popover.calendarView()), "May, 2024");
        QCOMPARE(gridDays(*popover.calendarView()), expectedGrid(4, 31));

        QTest::mouseClick(&popover, Qt::LeftButton, {}, QPoint(-20, popover.height() + 20));
        QTRY_VERIFY(!popover.isVisible());
        QCOMPARE(popover.calendarView()->selectedDate(), at(QDate(2024, 5, 15)));
    }
};

QTEST_MAIN(TestMonthCalendarView)
#include "tst_monthcalendarview.moc"
