// The timer editor and its month calendar as a user drives them.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/ResourceFolder.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "support/TestEnvironment.h"
#include "ui/CalendarCell.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/MessageBox.h"
#include "ui/MonthCalendarView.h"
#include "ui/TargetDate.h"

using namespace dunok;

namespace {
const QTimeZone berlin("Europe/Berlin");
const QString badDuration =
    "Invalid duration. Duration cannot be zero, or date and time must not be in the past.";
const QColor red(194, 37, 3);
QDateTime berlinTime(int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(2024, mo, d), QTime(h, mi, s), berlin);
}
QDateTime at(QDate day) {
    return QDateTime(day, QTime(0, 0), berlin);
}
CalendarCell* cell(const MonthCalendarView& view, int n) {
    return view.findChild<CalendarCell*>(QStringLiteral("c%1").arg(n));
}
// "title: first-last cell, marked days", or the first cell that breaks the run of days.
QString grid(const MonthCalendarView& view) {
    int first = 0, last = 0;
    QStringList marked;
    for (int n = 1; n <= 42; ++n) {
        const std::optional<QDateTime> date = cell(view, n)->representedDate();
        if (!date) continue;
        first = first ? first : n;
        const int day = date->toTimeZone(berlin).date().day();
        if (day != n - first + 1) return QString("c%1 holds %2").arg(n).arg(day);
        last = n;
        if (cell(view, n)->isSelected()) marked << QString::number(day);
    }
    return QString("%1: c%2-c%3, %4")
        .arg(view.findChild<QLabel*>("calendarTittle")->text())
        .arg(first)
        .arg(last)
        .arg(marked.join(' '));
}
// The month of `month` on show, with `picked` marked.
void show(MonthCalendarView& view, QDate month, QDate picked) {
    view.setDate(at(month));
    view.setSelectedDate(at(picked));
    view.show();
}
int darkest(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int value = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) value = std::min(value, qGray(image.pixel(x, y)));
    return value;
}
}  // namespace

class TestEditController : public QObject {
    Q_OBJECT

    testing::TestHome home;
    FixedWallClock clock{QDateTime(), berlin};
    std::unique_ptr<testing::StoreFixture> store;
    SharedPlayer player{SoundLibrary(home.path() + "/res")};
    std::unique_ptr<EditController> dlg;

    template <typename T = QSlider>
    T* ctl(const char* name) {
        return dlg->findChild<T*>(QLatin1String(name));
    }
    void open(const std::optional<Timer>& timer = {}) {
        dlg = std::make_unique<EditController>(
            startSettings(), player,
            [this](Timer& t, StoreError* e) { return saveTimer(store->store(), t, e); }, nullptr,
            clock);
        dlg->setAreEditing(timer.has_value());
        if (timer) dlg->setCurrentTimer(*timer);
        dlg->open();
    }
    QString shown() { return ctl<QLabel>("lblDuration")->text(); }
    QColor ink() { return ctl<QLabel>("lblDuration")->palette().color(QPalette::WindowText); }
    QLineEdit* desc() { return ctl<QLineEdit>("edDescription"); }
    TargetDateEdit* picker() { return ctl<TargetDateEdit>("edDateTime"); }
    QSpinBox* snoozeMinutes() { return ctl<QSpinBox>("spinSnooze"); }
    // Save, with "OK" ready: the alert it showed, if any.
    QString save() {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        ctl<QPushButton>("btnSave")->click();
        const std::optional<AlertSpec> alert = MessageBox::lastAlert();
        return alert ? alert->message + ' ' + alert->informativeText : QString();
    }
    // Save shows this alert; the sheet stays with what was typed, nothing stored.
    void saveIsRefused(const QString& alert, const QString& typed) {
        QCOMPARE(save(), alert);
        QVERIFY(dlg->isVisible() && desc()->text() == typed && stored().isEmpty());
    }
    QList<Timer> stored() { return testing::storedRecords(home.storePath()); }
    // A new store and the clock at 10:00:45 on 20 March.
    void fresh() {
        QDir().mkpath(home.path() + "/res/Sounds");
        for (const char* name : {"Vintage Alarm Clock", "Chimes", "Bell"})
            QVERIFY(QFile(home.path() + "/res/Sounds/" + name + ".caf").open(QFile::WriteOnly));
        store.reset();
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
        clock.setNow(berlinTime(3, 20, 10, 0, 45));
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());  // the picker writes "28 Mar 2027 02:30"
        fresh();
    }

    void addRefusesUntilValidThenSaves() {
        open();
        QVERIFY(!snoozeMinutes()->isEnabled());
        desc()->setText("Tea");
        QTest::keyClick(desc(), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible() && stored().isEmpty());
        open();
        QSignalSpy start(dlg.get(), &EditController::startRequested);
        desc()->setText("Tea");
        ctl("slideMins")->setValue(0);
        QCOMPARE(shown(), QString("Duration must not be zero."));
        QCOMPARE(ink(), red);
        // A screen reader reads out the error itself.
        QCOMPARE(QAccessible::queryAccessibleInterface(ctl<QLabel>("lblDuration"))
                     ->text(QAccessible::Name),
                 shown());
        saveIsRefused(badDuration, "Tea");
        picker()->setMoment(berlinTime(3, 20, 9, 59));
        QCOMPARE(shown(), QString("Date must be in the future."));
        saveIsRefused(badDuration, "Tea");
        ctl("slideHours")->setValue(1);
        ctl("slideSecs")->setValue(3);
        QCOMPARE(shown(), QString("1h  3s"));
        desc()->setText(" \t ");
        saveIsRefused("Missing description. You need to provide a description", " \t ");
        desc()->setText("  Tea ");
        ctl<QComboBox>("pmAlarm")->setCurrentText("Bell");
        ctl<QCheckBox>("cbSnooze")->click();
        snoozeMinutes()->setValue(10);
        store->store().failNextWrites(1);
        saveIsRefused(
            "Could not save the timer. Nothing was saved and what you typed is still "
            "here. Try Save again.",
            "  Tea ");
        QTest::keyClick(desc(), Qt::Key_Return);
        QVERIFY(!dlg->isVisible() && start.count() == 1 && stored().size() == 1);
        const Timer tea = stored()[0];
        QCOMPARE(start.at(0).at(0).toString(), timerId(tea));
        QCOMPARE(testing::entries({tea}), QStringList{"  Tea /3603"});
        QVERIFY(tea.sound == "Bell" && tea.snoozeOn && tea.snooze == 600);
    }

    // Sliders cannot hold a day; a snooze switched off is not checked and keeps its length.
    void editKeepsTheDurationAndTheSnooze() {
        for (const auto& [seconds, text] :
             {std::pair{90ll, "1m 30s"}, {2 * 86400 + 3661ll, "2d  1h  1m 1s"}}) {
            fresh();
            open(store->addTimer("Eggs", seconds, "Chimes"));
            QVERIFY(desc()->text() == "Eggs" && !ctl<QCheckBox>("cbStart")->isChecked());
            QCOMPARE(shown(), text);
            QCOMPARE(ctl("slideSecs")->value(), int(seconds % 60));
            QCOMPARE(ctl("slideHours")->isEnabled(), seconds < 86400);
            QCOMPARE(ctl<QComboBox>("pmAlarm")->currentText(), QString("Chimes"));
            QCOMPARE(picker()->moment(), clock.now().addSecs(seconds));
            desc()->setText("Soft eggs");
            QVERIFY(save().isEmpty() && !dlg->isVisible());
            QCOMPARE(testing::entries(stored()),
                     QStringList{"Soft eggs/" + QString::number(seconds)});
        }
        for (const auto& [typed, off, refused] : {std::tuple{0, false, true},
                                                  {1440, false, false},
                                                  {1441, false, true},
                                                  {0, true, false}}) {
            fresh();
            Timer egg = store->addTimer("Egg", 240);
            egg.snoozeOn = true;
            egg.snooze = 180;
            QVERIFY(store->store().update(egg, nullptr));
            open(egg);
            QVERIFY(ctl<QCheckBox>("cbSnooze")->isChecked() && snoozeMinutes()->value() == 3);
            snoozeMinutes()->setValue(typed);
            if (off) ctl<QCheckBox>("cbSnooze")->click();
            QCOMPARE(save(), refused ? "Invalid snooze length. A snooze lasts from 1 minute to 1 "
                                       "day (1440 minutes)."
                                     : "");
            QCOMPARE(dlg->isVisible(), refused);
            const Timer now = stored().value(0);
            QCOMPARE(now.snoozeOn, !off);
            QCOMPARE(now.snooze, off || refused ? 180 : qint64(typed) * 60);
        }
    }

    // From the current minute's start, across clock changes; a picked day keeps the time.
    void targetDate() {
        const auto utc = [](int mo, int d, int h, int mi) {
            return QDateTime(QDate(2024, mo, d), QTime(h, mi), Qt::UTC);
        };
        for (const auto& [now, target, seconds] :
             {std::tuple{berlinTime(3, 20, 10, 0, 45), utc(3, 20, 10, 5), 300ll},
              {berlinTime(3, 30, 10, 0, 45), utc(3, 31, 10, 0), 82800ll},
              {berlinTime(10, 26, 10, 0, 45), utc(10, 27, 10, 0), 90000ll}}) {
            clock.setNow(now);
            open(store->addTimer("Call", 60));
            picker()->setDateTime(target);  // the picker holds clock fields as UTC
            QCOMPARE(dlg->chosenDuration().value_or(0), seconds);
        }
        clock.setNow(berlinTime(3, 20, 10, 0, 45));
        open();
        picker()->setMoment(berlinTime(3, 21, 18, 30, 20));
        dlg->didSelectDate(berlinTime(3, 24, 0, 0));
        QCOMPARE(picker()->moment(), berlinTime(3, 24, 18, 30));
        QCOMPARE(dlg->chosenDuration(), std::optional<qint64>(4 * 86400 + 8 * 3600 + 30 * 60));
    }

    // A whole date typed over the picker's text: taken, or refused where the user sees it.
    void typedTargetDate() {
        const QDateTime meant(QDate(2027, 3, 27), QTime(2, 30), berlin);
        const QString notADate = "Not a date and time: type one like 20 Mar 2024 10:01.";
        for (const auto& [typed, error] :
             {std::pair<QString, QString>{"27 Mar 2027 02:30", ""},
              {"27 mar 2027 02:30", ""},
              {"28 Mar 2027 02:30",
               "02:30 does not exist on 28 Mar 2027: the clocks go forward then."},
              {"28 Mar 20", notADate}}) {
            fresh();
            open(store->addTimer("Call", 60));
            QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
            picker()->setFocus();
            QTest::keyClick(picker(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(picker(), typed);
            QTest::keyClick(picker(), Qt::Key_Return);
            if (error.isEmpty()) {
                QCOMPARE(picker()->moment(), meant);
                QCOMPARE(picker()->text(), QString("27 Mar 2027 02:30"));
                save();
                QCOMPARE(stored().value(0).duration, berlinTime(3, 20, 10, 0).secsTo(meant));
                continue;
            }
            QCOMPARE(shown(), error);
            QCOMPARE(ink(), red);
            QCOMPARE(picker()->text(), typed);  // left to be mended
            QVERIFY(save().startsWith("Invalid duration."));
            QVERIFY(dlg->isVisible());
            QCOMPARE(stored().value(0).duration, qint64(60));
        }
    }

    // Wherever the sheet sits, the calendar stays on screen and off Close and Save.
    void calendarLeavesTheButtonsInView() {
        for (const QPointF where : {QPointF(0, 0), QPointF(1, 1)}) {  // a share of the free room
            open();
            QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
            const QRect room = dlg->screen()->availableGeometry();
            const QSize sheet = dlg->frameGeometry().size();
            dlg->move(room.left() + int(where.x() * (room.width() - sheet.width())),
                      room.top() + int(where.y() * (room.height() - sheet.height())));
            QTRY_VERIFY(room.contains(dlg->frameGeometry()));
            ctl<QPushButton>("btnCalendar")->click();
            auto* popover = dlg->findChild<CalendarPopover*>();
            QVERIFY(popover && popover->isVisible());
            const QRect calendar = popover->frameGeometry();
            QVERIFY(room.contains(calendar));
            for (const char* name : {"btnClose", "btnSave"}) {
                const QWidget* button = ctl<QPushButton>(name);
                const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
                QVERIFY2(!calendar.intersects(global), name);
            }
            popover->hide();
        }
    }

    // "Other sound…": a file that cannot ring is named in an alert; one that can is chosen.
    void otherSoundIsTakenInOrRefused() {
        const QString kettle = home.path() + "/Kettle.caf", empty = home.path() + "/empty.wav";
        QVERIFY(QFile::copy(resourceFolder() + "/Sounds/Chimes.caf", kettle));
        QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
        open();
        desc()->setText("Tea");
        auto* sounds = ctl<QComboBox>("pmAlarm");
        const auto choose = [&](const QString& file) {  // the alert, the choice, the last item
            MessageBox::clearLastAlert();
            MessageBox::setNextAnswer(0);
            dlg->setSoundFileChooser([file](QWidget*) { return file; });
            const int other = sounds->count() - 1;
            sounds->setCurrentIndex(other);
            emit sounds->activated(other);
            const std::optional<AlertSpec> alert = MessageBox::lastAlert();
            return QStringList{alert ? alert->message + ' ' + alert->informativeText : "",
                               sounds->currentText(), sounds->itemText(sounds->count() - 1)};
        };
        QCOMPARE(choose(empty), QStringList({"Could not add the sound. \"empty.wav\" is empty.",
                                             "Vintage Alarm Clock", "Other sound…"}));
        QCOMPARE(choose(kettle), QStringList({"", "Kettle", "Other sound…"}));
        QCOMPARE(save(), QString());
        QCOMPARE(stored().value(0).sound, QString("Kettle"));
    }

    // Each month from the column of its first day; the third is picked.
    void monthStartsAtItsWeekdayColumn() {
        for (const auto& [locale, month, shown, firstLabel] :
             {std::tuple{"en_US", QDate(2024, 9, 1), "September, 2024: c1-c30, 3", "SUN"},
              // 31 days from the last weekday: six weeks
              {"en_US", QDate(2020, 8, 1), "August, 2020: c7-c37, 3", "SUN"},
              {"en_GB", QDate(2020, 3, 1), "March, 2020: c7-c37, 3", "MON"}}) {
            QLocale::setDefault(QLocale(locale));
            MonthCalendarView view(clock);
            show(view, month.addDays(13), month.addDays(2));
            QCOMPARE(grid(view), shown);
            QCOMPARE(view.findChild<QLabel*>("day1")->text(), firstLabel);
        }
    }

    void stepsBetweenMonths() {
        QLocale::setDefault(QLocale("en_US"));
        MonthCalendarView view(clock);
        show(view, QDate(2024, 12, 1), QDate(2024, 12, 10));
        view.nextMonth();
        QCOMPARE(grid(view), "January, 2025: c4-c34, ");
        view.prevMonth();  // the picked day is marked again
        QCOMPARE(grid(view), "December, 2024: c1-c31, 10");
        // The day of the month is kept, so from 31 January it runs on into March.
        view.setDate(at(QDate(2024, 1, 31)));
        view.nextMonth();
        QCOMPARE(view.date(), at(QDate(2024, 3, 2)));
    }

    void clickPicksTheStartOfTheDayAndEachDayIsSpokenByItsDate() {
        QLocale::setDefault(QLocale("en_US"));
        clock.setNow(QDateTime(QDate(2024, 5, 15), QTime(10, 0, 45), berlin));
        MonthCalendarView view(clock);
        QList<QDateTime> picked;
        connect(&view, &MonthCalendarView::dateSelected, [&](const QDateTime& d) { picked << d; });
        show(view, QDate(2024, 5, 1), QDate(2024, 5, 20));      // May 2024 begins in c4
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
        QCOMPARE(grid(view), "May, 2024: c4-c34, 20");
        // Spoken by full date; empty places are hidden yet hold the grid in shape.
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

QTEST_MAIN(TestEditController)
#include "tst_editcontroller.moc"
