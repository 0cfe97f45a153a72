// The timer editor as a user drives it: what it opens with, how the sliders
// and the target date become a duration, what Save refuses and stores, and
// the snooze, whose length a switched-off snooze keeps.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/ResourceFolder.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "support/TestEnvironment.h"
#include "ui/CalendarPopover.h"
#include "ui/EditController.h"
#include "ui/MessageBox.h"
#include "ui/TargetDate.h"

using namespace dunok;

namespace {
const QTimeZone berlin("Europe/Berlin");
const QString badDuration = "Duration cannot be zero, or date and time must not be in the past.";
QDateTime berlinTime(int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(2024, mo, d), QTime(h, mi, s), berlin);
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
    QCheckBox* snoozeBox() { return ctl<QCheckBox>("cbSnooze"); }
    QSpinBox* snoozeMinutes() { return ctl<QSpinBox>("spinSnooze"); }
    // Save, with "OK" ready: the alert it showed, if any.
    std::optional<AlertSpec> save() {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        ctl<QPushButton>("btnSave")->click();
        return MessageBox::lastAlert();
    }
    // Save shows this alert; the sheet stays with what was typed, nothing stored.
    void saveIsRefused(const QString& message, const QString& why, const QString& typed) {
        const std::optional<AlertSpec> alert = save();
        QVERIFY(alert && alert->windowTitle == "Dunok");
        QCOMPARE(alert->message, message);
        QCOMPARE(alert->informativeText, why);
        QVERIFY(dlg->isVisible() && desc()->text() == typed && storedTimers().isEmpty());
    }
    QList<Timer> storedTimers() { return testing::storedRecords(home.storePath()); }
    // (snoozeOn, snooze) of the one stored timer, as a fresh read finds it.
    std::pair<bool, qint64> storedSnooze() {
        const auto rows = storedTimers();
        if (rows.size() != 1) return {};
        return {rows[0].snoozeOn, rows[0].snooze};
    }
    // The editor on a stored timer that snoozes for 3 minutes.
    void openStoredEgg() {
        Timer egg = store->addTimer("Egg", 240);
        egg.snoozeOn = true;
        egg.snooze = 180;
        QVERIFY(store->store().update(egg, nullptr));
        open(egg);
    }

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
    // The picker writes dates as "28 Mar 2027 02:30" in this locale.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { fresh(); }

    void addRefusesUntilValidThenSaves() {
        open();
        QVERIFY(desc()->text().isEmpty() && ctl<QCheckBox>("cbStart")->isChecked());
        QCOMPARE(shown(), QString("5m"));
        QCOMPARE(ctl<QComboBox>("pmAlarm")->currentText(), QString("Vintage Alarm Clock"));
        QVERIFY(!snoozeBox()->isChecked() && !snoozeMinutes()->isEnabled());
        desc()->setText("Tea");
        QTest::keyClick(desc(), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible() && storedTimers().isEmpty());
        open();
        QSignalSpy start(dlg.get(), &EditController::startRequested);
        desc()->setText("Tea");
        ctl("slideMins")->setValue(0);
        QCOMPARE(shown(), QString("Duration must not be zero."));
        QCOMPARE(ink(), QColor(194, 37, 3));  // red
        // A screen reader reads out the error itself.
        QCOMPARE(QAccessible::queryAccessibleInterface(ctl<QLabel>("lblDuration"))
                     ->text(QAccessible::Name),
                 shown());
        saveIsRefused("Invalid duration.", badDuration, "Tea");
        picker()->setMoment(berlinTime(3, 20, 9, 59));  // the clock is at 10:00:45
        QCOMPARE(shown(), QString("Date must be in the future."));
        saveIsRefused("Invalid duration.", badDuration, "Tea");
        ctl("slideHours")->setValue(1);
        ctl("slideSecs")->setValue(3);
        QCOMPARE(shown(), QString("1h  3s"));
        desc()->setText(" \t ");
        saveIsRefused("Missing description.", "You need to provide a description", " \t ");
        desc()->setText("  Tea ");
        ctl<QComboBox>("pmAlarm")->setCurrentText("Bell");
        snoozeBox()->click();
        QVERIFY(snoozeMinutes()->isEnabled());
        snoozeMinutes()->setValue(10);
        store->store().failNextWrites(1);
        saveIsRefused("Could not save the timer.",
                      "Nothing was saved and what you typed is still here. Try Save again.",
                      "  Tea ");
        QTest::keyClick(desc(), Qt::Key_Return);
        const auto stored = storedTimers();
        QVERIFY(!dlg->isVisible() && start.count() == 1 && stored.size() == 1);
        QCOMPARE(start.at(0).at(0).toString(), timerId(stored[0]));
        QCOMPARE(stored[0].desc, QString("  Tea "));
        QCOMPARE(stored[0].duration, qint64(3603));
        QCOMPARE(stored[0].sound, QString("Bell"));
        QCOMPARE(storedSnooze(), std::make_pair(true, qint64(600)));
    }

    // The sliders cannot hold a day: they are disabled, and the duration stands.
    // Only a snooze that is on has its length checked; one switched off keeps it.
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
            save();
            QVERIFY(!dlg->isVisible());
            QCOMPARE(storedTimers().value(0).desc, QString("Soft eggs"));
            QCOMPARE(storedTimers().value(0).duration, seconds);
        }
        struct Snooze {
            int typed;
            bool off, refused;
        };
        for (const Snooze& c : {Snooze{0, false, true}, Snooze{1440, false, false},
                                Snooze{1441, false, true}, Snooze{0, true, false}}) {
            fresh();
            openStoredEgg();
            QVERIFY(snoozeBox()->isChecked() && snoozeMinutes()->value() == 3);
            snoozeMinutes()->setValue(c.typed);
            if (c.off) snoozeBox()->click();
            const std::optional<AlertSpec> alert = save();
            QCOMPARE(bool(alert), c.refused);
            if (c.refused) {
                QCOMPARE(alert->message, QString("Invalid snooze length."));
                QCOMPARE(alert->informativeText,
                         QString("A snooze lasts from 1 minute to 1 day (1440 minutes)."));
                QVERIFY(dlg->isVisible() && snoozeMinutes()->value() == c.typed);
            }
            QCOMPARE(
                storedSnooze(),
                std::make_pair(!c.off, c.off || c.refused ? qint64(180) : qint64(c.typed) * 60));
        }
    }

    // From the current minute's start, across clock changes.
    void targetDate() {
        for (const auto& [day, target, seconds] :
             {std::tuple{QDate(2024, 3, 20), QDateTime(QDate(2024, 3, 20), QTime(10, 5), Qt::UTC),
                         300ll},
              {QDate(2024, 3, 30), QDateTime(QDate(2024, 3, 31), QTime(10, 0), Qt::UTC), 82800ll},
              {QDate(2024, 10, 26), QDateTime(QDate(2024, 10, 27), QTime(10, 0), Qt::UTC),
               90000ll}}) {
            clock.setNow(QDateTime(day, QTime(10, 0, 45), berlin));
            open(store->addTimer("Call", 60));
            picker()->setDateTime(target);  // the picker holds clock fields as UTC
            QCOMPARE(dlg->chosenDuration().value_or(0), seconds);
        }
    }

    // A whole date typed over the picker's text, as a user does it: the typed
    // moment, or a refusal that the user sees and that Save keeps to.
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
                const qint64 seconds = berlinTime(3, 20, 10, 0).secsTo(meant);
                QCOMPARE(dlg->chosenDuration().value_or(0), seconds);
                save();
                QCOMPARE(storedTimers().value(0).duration, seconds);
                continue;
            }
            QCOMPARE(shown(), error);
            QCOMPARE(ink(), QColor(194, 37, 3));
            QCOMPARE(picker()->text(), typed);  // left to be mended
            QVERIFY(dlg->isVisible());
            QCOMPARE(save()->message, QString("Invalid duration."));
            QCOMPARE(storedTimers().value(0).duration, qint64(60));
        }
    }

    // Wherever the sheet sits on the screen, the calendar leaves Close and
    // Save uncovered and stays on the screen.
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

    void pickingADayKeepsTheTimeOfDay() {
        open();
        picker()->setMoment(berlinTime(3, 21, 18, 30, 20));
        dlg->didSelectDate(berlinTime(3, 24, 0, 0));  // as the calendar hands over a day
        QCOMPARE(picker()->moment(), berlinTime(3, 24, 18, 30));
        QCOMPARE(dlg->chosenDuration(), std::optional<qint64>(4 * 86400 + 8 * 3600 + 30 * 60));
    }
};

QTEST_MAIN(TestEditController)
#include "tst_editcontroller.moc"
