// The month calendar: the days in the grid, moving between months, and picking a day.
#include <QtTest>
#include <QtWidgets>

#include "domain/WallClock.h"
#include "ui/CalendarCell.h"
#include "ui/MonthCalendarView.h"

using namespace dunok;

namespace {
const QTimeZone berlin("Europe/Berlin");

QDateTime at(QDate day) {
    return QDateTime(day, QTime(0, 0), berlin);
}
CalendarCell* cell(const MonthCalendarView& view, int n) {
    return view.findChild<CalendarCell*>(QStringLiteral("c%1").arg(n));
}
QString titleOf(const MonthCalendarView& view) {
    return view.findChild<QLabel*>(QStringLiteral("calendarTittle"))->text();
}
// The day of month in each cell c1..c42: 0 where empty, negative where marked as picked.
QList<int> grid(const MonthCalendarView& view) {
    QList<int> days;
    for (int n = 1; n <= 42; ++n) {
        const std::optional<QDateTime> date = cell(view, n)->representedDate();
        const int day = date ? date->toTimeZone(berlin).date().day() : 0;
        days.append(cell(view, n)->isSelected() ? -day : day);
    }
    return days;
}
QList<int> expectedGrid(int firstCell, int daysInMonth, int picked = 0) {
    QList<int> days(42, 0);
    for (int day = 1; day <= daysInMonth; ++day) days[firstCell - 2 + day] = day;
    if (picked) days[firstCell - 2 + picked] = -picked;
    return days;
}
int darkest(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int value = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) value = std::min(value, qGray(image.pixel(x, y)));
    return value;
}
}  // namespace

class TestMonthCalendarView : public QObject {
    Q_OBJECT

    FixedWallClock clock{QDateTime(QDate(2024, 5, 15), QTime(10, 0, 45), berlin), berlin};

    void open(MonthCalendarView& view, QDate month, QDate picked) {
        view.setDate(at(month));
        view.setSelectedDate(at(picked));
        view.show();
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    // Each month from the column of its first day; the third is picked.
    void monthStartsAtItsWeekdayColumn() {
        for (const auto& [locale, month, firstCell, days, firstLabel] :
             {std::tuple{"en_US", QDate(2024, 9, 1), 1, 30, "SUN"},  // on the first weekday
              {"en_US", QDate(2020, 8, 1), 7, 31, "SUN"},  // 31 days from the last weekday
              {"en_GB", QDate(2020, 3, 1), 7, 31, "MON"}}) {
            QLocale::setDefault(QLocale(locale));
            MonthCalendarView view(clock);
            open(view, month.addDays(13), month.addDays(2));
            QCOMPARE(grid(view), expectedGrid(firstCell, days, 3));
            QCOMPARE(view.findChild<QLabel*>("day1")->text(), firstLabel);
        }
    }

    void stepsBetweenMonths() {
        MonthCalendarView view(clock);
        open(view, QDate(2024, 12, 1), QDate(2024, 12, 10));
        view.nextMonth();
        QCOMPARE(titleOf(view), "January, 2025");
        QCOMPARE(grid(view), expectedGrid(4, 31));
        view.prevMonth();
        QCOMPARE(titleOf(view), "December, 2024");
        QCOMPARE(grid(view), expectedGrid(1, 31, 10));  // the picked day is marked again
        // The day of the month is kept, so from 31 January it runs on into March.
        view.setDate(at(QDate(2024, 1, 31)));
        view.nextMonth();
        QCOMPARE(view.date(), at(QDate(2024, 3, 2)));
        QCOMPARE(titleOf(view), "March, 2024");
    }

    void clickPicksTheStartOfTheDayAndEachDayIsSpokenByItsDate() {
        MonthCalendarView view(clock);
        QList<QDateTime> picked;
        connect(&view, &MonthCalendarView::dateSelected, [&](const QDateTime& d) { picked << d; });
        open(view, QDate(2024, 5, 1), QDate(2024, 5, 20));      // May 2024 begins in c4
        const QImage today = cell(view, 18)->grab().toImage();  // 15 May, the clock's day
        for (int x = 0; x < today.width(); ++x) {               // today's bar runs along its foot
            const QColor c = today.pixelColor(x, today.height() - 1);
            QVERIFY2(c.green() > 200 && c.red() < 60 && c.blue() < 60, qPrintable(c.name()));
        }
        // Past numbers are grey, later ones black; a past day can still be picked.
        const int pastInk = darkest(cell(view, 6));
        QVERIFY2(pastInk > 90 && pastInk < 200, qPrintable(QString::number(pastInk)));
        QVERIFY(darkest(cell(view, 26)) < 60);
        QTest::mouseClick(cell(view, 6), Qt::LeftButton);   // 3 May
        QTest::mouseClick(cell(view, 23), Qt::LeftButton);  // 20 May
        QCOMPARE(picked, (QList<QDateTime>{at(QDate(2024, 5, 3)), at(QDate(2024, 5, 20))}));
        QCOMPARE(grid(view), expectedGrid(4, 31, 20));

        // A screen reader meets each day by its full date; the empty places,
        // hidden from it, still hold the grid in shape.
        const auto spoken = [&](int n) {
            return QAccessible::queryAccessibleInterface(cell(view, n))->text(QAccessible::Name);
        };
        QVERIFY(!cell(view, 3)->isVisible() && !cell(view, 35)->isVisible());
        QCOMPARE(spoken(4), "Wednesday, May 1, 2024");
        QCOMPARE(spoken(34), "Friday, May 31, 2024");
        const QSize sixWeeks = view.sizeHint();
        view.setDate(at(QDate(2026, 2, 1)));  // a Sunday: four full weeks, c1 to c28
        QVERIFY(cell(view, 28)->isVisible() && !cell(view, 29)->isVisible());
        QCOMPARE(spoken(1), "Sunday, February 1, 2026");
        QCOMPARE(view.sizeHint(), sixWeeks);
    }
};

QTEST_MAIN(TestMonthCalendarView)
#include "tst_monthcalendarview.moc"
