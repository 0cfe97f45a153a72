// The timer editor as a user drives it: what it shows when it opens, how the
// sliders and the target date turn into a duration, what Save refuses and
// what it stores, and the keyboard.
#include <sndfile.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "calendar/CalendarCell.h"
#include "calendar/CalendarPopover.h"
#include "calendar/MonthCalendarView.h"
#include "editing/EditController.h"
#include "editing/TargetDate.h"
#include "engine/Alarm.h"
#include "model/Globals.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/NotificationHub.h"
#include "platform/ResourceFolder.h"
#include "platform/WallClock.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
const QTimeZone berlin("Europe/Berlin");

// A silent sound long enough to be still playing when the test presses again.
bool writeSound(const QString& path) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_CAF | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) return false;
    std::vector<short> samples(8000 * 20, 0);
    const bool ok = sf_writef_short(file, samples.data(), sf_count_t(samples.size())) ==
                    sf_count_t(samples.size());
    sf_close(file);
    return ok;
}

QDateTime berlinTime(int y, int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), berlin);
}

std::optional<QList<ManagedObjectPtr>> storedTimers(const QString& path) {
    ManagedObjectContext other(timerDataModel());
    StoreError error;
    if (!other.open(path, &error)) return std::nullopt;
    return other.fetch({TimersKeys::entity, {}}, &error);
}
}  // namespace

class TestEditController : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<FixedWallClock> clock;
    std::unique_ptr<QWidget> window;  // stands in for the main window
    int returnedFromEdit = 0;
    QObject observerContext;

    template <typename T>
    T* control(EditController& dlg, const char* name) {
        T* widget = dlg.findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QString durationText(EditController& dlg) {
        return control<QLabel>(dlg, "lblDuration")->text();
    }
    QColor durationColor(EditController& dlg) {
        return control<QLabel>(dlg, "lblDuration")->palette().color(QPalette::WindowText);
    }
    TargetDateEdit* picker(EditController& dlg) {
        return control<TargetDateEdit>(dlg, "edDateTime");
    }
    void setSliders(EditController& dlg, int h, int m, int s) {
        control<QSlider>(dlg, "slideHours")->setValue(h);
        control<QSlider>(dlg, "slideMins")->setValue(m);
        control<QSlider>(dlg, "slideSecs")->setValue(s);
    }
    void openToAdd(EditController& dlg) {
        dlg.setAreEditing(false);
        dlg.open();
    }
    void openToEdit(EditController& dlg, const TimerRecord& timer) {
        dlg.setAreEditing(true);
        dlg.setCurrentTimer(timer);
        dlg.open();
    }
    void pressSave(EditController& dlg) { control<QPushButton>(dlg, "btnSave")->click(); }
    // Save was refused with this alert, and the sheet is still there.
    void expectRefusal(EditController& dlg, const QString& message, const QString& informative) {
        const std::optional<AlertSpec> alert = MessageBox::lastAlert();
        QVERIFY(alert);
        QCOMPARE(alert->windowTitle, QString("Dunok"));
        QCOMPARE(alert->message, message);
        QCOMPARE(alert->informativeText, informative);
        QCOMPARE(alert->buttons, QStringList{"OK"});
        QVERIFY(dlg.isVisible());
        QCOMPARE(returnedFromEdit, 0);
    }
    CalendarPopover* popover(EditController& dlg) { return dlg.findChild<CalendarPopover*>(); }

private slots:
    void initTestCase() {
        NotificationHub::defaultCenter().addObserver(
            QStringLiteral("ncReturnedFromEdit"), &observerContext, [this] { ++returnedFromEdit; });
    }

    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        chosenDuration.reset();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        const QString sounds = home->path() + "/res/Sounds";
        QDir().mkpath(sounds);
        for (const char* name : {"Vintage Alarm Clock", "Chimes", "Bell"})
            QVERIFY(writeSound(sounds + "/" + name + ".caf"));
        setResourceFolderForTesting(home->path() + "/res");
        clock = std::make_unique<FixedWallClock>(berlinTime(2024, 3, 20, 10, 0, 45), berlin);
        setWallClock(clock.get());
        window = std::make_unique<QWidget>();
        window->resize(500, 400);
        window->show();
        MessageBox::clearLastAlert();
        returnedFromEdit = 0;
    }

    void cleanup() {
        stopPlaying();
        audioPlayer.reset();
        window.reset();
        setWallClock(nullptr);
        setResourceFolderForTesting(QString());
        testing::resetGlobals();
        store.reset();
        home.reset();
    }

    void openingToAdd() {
        EditController dlg(window.get());
        openToAdd(dlg);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.windowModality(), Qt::WindowModal);
        QCOMPARE(control<QLabel>(dlg, "lblMode")->text(), QString("Add timer"));
        QVERIFY(control<QLineEdit>(dlg, "edDescription")->text().isEmpty());
        QCOMPARE(durationText(dlg), QString("5m"));
        QCOMPARE(durationColor(dlg), QColor(0, 0, 0));
        QCOMPARE(chosenDuration, std::optional<qint64>(300));
        for (const char* name : {"slideHours", "slideMins", "slideSecs"})
            QVERIFY(control<QSlider>(dlg, name)->isEnabled());
        QCOMPARE(control<QSlider>(dlg, "slideMins")->value(), 5);
        QCOMPARE(control<QSlider>(dlg, "slideHours")->value(), 0);
        QCOMPARE(control<QLabel>(dlg, "lblMins")->text(), QString("5"));
        QCOMPARE(control<QLabel>(dlg, "lblSecs")->text(), QString("0"));
        auto* sounds = control<QComboBox>(dlg, "pmAlarm");
        QCOMPARE(sounds->count(), 3);
        QCOMPARE(sounds->currentText(), QString("Vintage Alarm Clock"));
        QVERIFY(control<QCheckBox>(dlg, "cbStart")->isChecked());
        QCOMPARE(picker(dlg)->moment(), clock->now().addSecs(300));
        QCOMPARE(dlg.focusWidget(), control<QLineEdit>(dlg, "edDescription"));
    }

    void openingToEdit() {
        auto timer = store->addTimer("Eggs", 90, "Chimes");
        EditController dlg(window.get());
        openToEdit(dlg, timer);
        QCOMPARE(control<QLabel>(dlg, "lblMode")->text(), QString("Edit timer"));
        QCOMPARE(control<QLineEdit>(dlg, "edDescription")->text(), QString("Eggs"));
        QCOMPARE(durationText(dlg), QString("1m 30s"));
        QCOMPARE(control<QSlider>(dlg, "slideMins")->value(), 1);
        QCOMPARE(control<QSlider>(dlg, "slideSecs")->value(), 30);
        QCOMPARE(control<QComboBox>(dlg, "pmAlarm")->currentText(), QString("Chimes"));
        QVERIFY(!control<QCheckBox>(dlg, "cbStart")->isChecked());
        QCOMPARE(picker(dlg)->moment(), clock->now().addSecs(90));
    }

    // Moving the sliders to zero is flagged at once and refused at Save with
    // everything typed still there; a slider moved back clears it.
    void zeroSlidersAreRefusedUntilMovedBack() {
        EditController dlg(window.get());
        openToAdd(dlg);
        control<QLineEdit>(dlg, "edDescription")->setText("Tea");
        setSliders(dlg, 0, 0, 0);
        QCOMPARE(durationText(dlg), QString("Duration must not be zero."));
        QCOMPARE(durationColor(dlg), QColor(194, 37, 3));
        QCOMPARE(chosenDuration, std::optional<qint64>(300));  // kept
        MessageBox::setNextAnswer(0);
        pressSave(dlg);
        expectRefusal(dlg, "Invalid duration.",
                      "Duration cannot be zero, or date and time must not be in the past.");
        QCOMPARE(control<QLineEdit>(dlg, "edDescription")->text(), QString("Tea"));

        setSliders(dlg, 1, 2, 3);
        QCOMPARE(durationText(dlg), QString("1h  2m 3s"));
        QCOMPARE(durationColor(dlg), QColor(0, 0, 0));
        QCOMPARE(chosenDuration, std::optional<qint64>(3723));
        pressSave(dlg);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(timerDuration(timersArray.last()), qint64(3723));
    }

    // With "start" off the new timer is only listed.
    void blankDescriptionIsRefusedButBlanksAroundAWordAreKept() {
        EditController dlg(window.get());
        QSignalSpy changed(&dlg, &EditController::timersChanged);
        QSignalSpy start(&dlg, &EditController::startRequested);
        openToAdd(dlg);
        auto* description = control<QLineEdit>(dlg, "edDescription");
        description->setText(" \t  ");
        MessageBox::setNextAnswer(0);
        pressSave(dlg);
        expectRefusal(dlg, "Missing description.", "You need to provide a description");
        QCOMPARE(description->text(), QString(" \t  "));
        QVERIFY(timersArray.isEmpty());

        description->setText("  Tea ");
        control<QCheckBox>(dlg, "cbStart")->setChecked(false);
        pressSave(dlg);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(timerDesc(timersArray.last()), QString("  Tea "));
        QCOMPARE(timerDuration(timersArray.last()), defDuration);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(start.count(), 0);
        QVERIFY(checkID.isEmpty());
    }

    void addSavesAppendsAndAsksToStart() {
        store->addTimer("Old", 60);
        timersArray = *store->context().fetch({TimersKeys::entity, {}}, nullptr);
        EditController dlg(window.get());
        QSignalSpy changed(&dlg, &EditController::timersChanged);
        QSignalSpy start(&dlg, &EditController::startRequested);
        openToAdd(dlg);
        control<QLineEdit>(dlg, "edDescription")->setText("Pasta");
        control<QComboBox>(dlg, "pmAlarm")->setCurrentText("Bell");
        setSliders(dlg, 0, 9, 0);
        pressSave(dlg);

        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(timersArray.size(), 2);
        const TimerRecord saved = timersArray.last();
        QVERIFY(saved->isPersistent());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(start.count(), 1);
        QCOMPARE(checkID, timerId(saved));
        QCOMPARE(returnedFromEdit, 1);

        const auto stored = storedTimers(home->storePath());
        QVERIFY(stored && stored->size() == 2);
        const ManagedObjectPtr last = stored->last();
        QCOMPARE(timerDesc(last), QString("Pasta"));
        QCOMPARE(timerDuration(last), qint64(540));
        QCOMPARE(timerSound(last), QString("Bell"));
        QCOMPARE(last->value(TimersKeys::snooze).toLongLong(), qint64(0));
        QCOMPARE(last->value(TimersKeys::snoozeOn).toBool(), false);
    }

    void editSavesInPlaceAndLeavesSnoozeAlone() {
        auto timer = store->addTimer("Eggs", 90, "Chimes");
        timer->setValue(TimersKeys::snooze, 42);
        timer->setValue(TimersKeys::snoozeOn, true);
        QVERIFY(store->context().save(nullptr));
        timersArray = {timer};

        EditController dlg(window.get());
        QSignalSpy changed(&dlg, &EditController::timersChanged);
        QSignalSpy start(&dlg, &EditController::startRequested);
        openToEdit(dlg, timer);
        control<QLineEdit>(dlg, "edDescription")->setText("Soft eggs");
        control<QSlider>(dlg, "slideMins")->setValue(4);
        control<QCheckBox>(dlg, "cbStart")->setChecked(true);
        pressSave(dlg);

        QCOMPARE(changed.count(), 1);
        QCOMPARE(start.count(), 1);
        QCOMPARE(checkID, timerId(timer));
        QCOMPARE(timersArray.size(), 1);
        const auto stored = storedTimers(home->storePath());
        QVERIFY(stored && stored->size() == 1);
        QCOMPARE(timerDesc(stored->first()), QString("Soft eggs"));
        QCOMPARE(timerDuration(stored->first()), qint64(270));
        QCOMPARE(timerSound(stored->first()), QString("Chimes"));
        QCOMPARE(stored->first()->value(TimersKeys::snooze).toLongLong(), qint64(42));
        QCOMPARE(stored->first()->value(TimersKeys::snoozeOn).toBool(), true);
    }

    // A failed save is for the console only; the sheet still closes and
    // posts, but nothing is listed or started, and the lost insert does not
    // come back with a later save.
    void storeFailuresGoToTheConsole() {
        testing::MessageLog log;
        {
            EditController dlg(window.get());
            QSignalSpy changed(&dlg, &EditController::timersChanged);
            openToAdd(dlg);
            control<QLineEdit>(dlg, "edDescription")->setText("Tea");
            store->context().failNextWrites(1);
            pressSave(dlg);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(changed.count(), 0);
            QVERIFY(timersArray.isEmpty());
            QVERIFY(checkID.isEmpty());
            QCOMPARE(log.countStartingWith("Could not save. "), 1);
            QCOMPARE(returnedFromEdit, 1);
        }
        auto timer = store->addTimer("Eggs", 90);
        QCOMPARE(storedTimers(home->storePath())->size(), 1);

        EditController dlg(window.get());
        QSignalSpy changed(&dlg, &EditController::timersChanged);
        openToEdit(dlg, timer);
        control<QLineEdit>(dlg, "edDescription")->setText("Soft eggs");
        store->context().failNextWrites(1);
        pressSave(dlg);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(log.countStartingWith("Could not modify. "), 1);
        QCOMPARE(returnedFromEdit, 2);
        QCOMPARE(timerDesc(storedTimers(home->storePath())->first()), QString("Eggs"));
    }

    // The clock stands at 10:00:45: durations count whole minutes from 10:00.
    void targetDateCountsFromTheStartOfTheMinute() {
        EditController dlg(window.get());
        openToAdd(dlg);
        control<QLineEdit>(dlg, "edDescription")->setText("Call");
        picker(dlg)->setMoment(berlinTime(2024, 3, 20, 10, 5));
        QCOMPARE(chosenDuration, std::optional<qint64>(300));
        QCOMPARE(durationText(dlg), QString("5m"));
        QCOMPARE(durationColor(dlg), QColor(0, 0, 0));

        picker(dlg)->setMoment(berlinTime(2024, 3, 20, 9, 59));
        QCOMPARE(durationText(dlg), QString("Date must in the future."));
        QCOMPARE(durationColor(dlg), QColor(194, 37, 3));
        QCOMPARE(chosenDuration, std::optional<qint64>(300));
        MessageBox::setNextAnswer(0);
        pressSave(dlg);
        expectRefusal(dlg, "Invalid duration.",
                      "Duration cannot be zero, or date and time must not be in the past.");

        // The sliders do not follow the picker, and moving one clears the flag.
        QCOMPARE(control<QSlider>(dlg, "slideMins")->value(), 5);
        control<QSlider>(dlg, "slideSecs")->setValue(10);
        QCOMPARE(chosenDuration, std::optional<qint64>(310));
        pressSave(dlg);
        QCOMPARE(timerDuration(timersArray.last()), qint64(310));
    }

    // A target in the very minute the clock is in would be a timer of no
    // length; it is refused like zero on the sliders.
    void targetInTheCurrentMinuteIsRefusedAsZero() {
        clock->setNow(berlinTime(2024, 3, 20, 10, 0, 0));
        EditController dlg(window.get());
        openToAdd(dlg);
        picker(dlg)->setMoment(berlinTime(2024, 3, 20, 10, 0));
        QCOMPARE(durationText(dlg), QString("Duration must not be zero."));
        control<QLineEdit>(dlg, "edDescription")->setText("Now");
        MessageBox::setNextAnswer(0);
        pressSave(dlg);
        expectRefusal(dlg, "Invalid duration.",
                      "Duration cannot be zero, or date and time must not be in the past.");
    }

    // The same minute tomorrow is the real interval: an hour less over the
    // spring change, an hour more over the autumn one.
    void targetDateAcrossDaylightSaving_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDate>("date");  // as the user sets the picker
        QTest::addColumn<QTime>("time");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("ordinary day") << berlinTime(2024, 3, 20, 10, 0, 45) << QDate(2024, 3, 21)
                                      << QTime(10, 0) << qint64(86400);
        QTest::newRow("spring forward") << berlinTime(2024, 3, 30, 10, 0, 45) << QDate(2024, 3, 31)
                                        << QTime(10, 0) << qint64(82800);
        QTest::newRow("fall back") << berlinTime(2024, 10, 26, 10, 0, 45) << QDate(2024, 10, 27)
                                   << QTime(10, 0) << qint64(90000);
        // 02:30 does not exist on 31 March; it is read as 03:30 summer time.
        QTest::newRow("skipped hour") << berlinTime(2024, 3, 31, 1, 0, 45) << QDate(2024, 3, 31)
                                      << QTime(2, 30) << qint64(5400);
    }
    void targetDateAcrossDaylightSaving() {
        QFETCH(QDateTime, now);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(qint64, seconds);
        clock->setNow(now);
        EditController dlg(window.get());
        openToAdd(dlg);
        // The picker holds the zone's clock fields as a UTC value.
        picker(dlg)->setDateTime(QDateTime(date, time, Qt::UTC));
        QCOMPARE(chosenDuration, std::optional<qint64>(seconds));
        QCOMPARE(durationColor(dlg), QColor(0, 0, 0));
    }

    void pickingADayKeepsTheTimeOfDay() {
        EditController dlg(window.get());
        openToAdd(dlg);
        picker(dlg)->setMoment(berlinTime(2024, 3, 21, 18, 30, 20));

        control<QPushButton>(dlg, "btnCalendar")->click();
        CalendarPopover* pop = popover(dlg);
        QVERIFY(pop && pop->isVisible());
        CalendarCell* day24 = nullptr;
        for (CalendarCell* cell : pop->findChildren<CalendarCell*>())
            if (cell->representedDate() &&
                cell->representedDate()->toTimeZone(berlin).date() == QDate(2024, 3, 24))
                day24 = cell;
        QVERIFY(day24);
        day24->click();

        QVERIFY(!pop->isVisible());
        QCOMPARE(picker(dlg)->moment(), berlinTime(2024, 3, 24, 18, 30, 0));
        // From 10:00 on the 20th to 18:30 on the 24th.
        QCOMPARE(chosenDuration, std::optional<qint64>(4 * 86400 + 8 * 3600 + 30 * 60));

        // The time of day came from what the user set, not from the last pick.
        dlg.didSelectDate(berlinTime(2024, 4, 2, 0, 0));
        QCOMPARE(picker(dlg)->moment(), berlinTime(2024, 4, 2, 18, 30, 0));
    }

    void calendarOpensOnTheOpeningDay() {
        EditController dlg(window.get());
        openToAdd(dlg);
        clock->advanceSecs(3 * 86400);  // the sheet stayed open for days
        picker(dlg)->setMoment(berlinTime(2024, 6, 1, 12, 0));
        auto* btn = control<QPushButton>(dlg, "btnCalendar");
        btn->click();
        MonthCalendarView* view = popover(dlg)->calendarView();
        view->nextMonth();
        popover(dlg)->hide();

        btn->click();
        const QDateTime opening = berlinTime(2024, 3, 20, 0, 0);
        QVERIFY(view->date() && view->selectedDate());
        QCOMPARE(view->date()->toTimeZone(berlin).date(), opening.date());
        QCOMPARE(view->selectedDate()->toTimeZone(berlin).date(), opening.date());
        QCOMPARE(dlg.findChildren<CalendarPopover*>().size(), 1);  // made once, reused
    }

    // A timer of a day or more keeps its whole duration when opened: the
    // sliders cannot hold it, so they are disabled and the duration stands.
    void aDayOrMoreKeepsItsDuration_data() {
        QTest::addColumn<qint64>("duration");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hours");
        QTest::newRow("two days and a bit") << qint64(2 * 86400 + 3661) << "2d  1h  1m 1s" << 1;
        QTest::newRow("whole days") << qint64(2 * 86400) << "2d " << 0;
    }
    void aDayOrMoreKeepsItsDuration() {
        QFETCH(qint64, duration);
        QFETCH(QString, text);
        QFETCH(int, hours);
        auto timer = store->addTimer("Dough", duration);
        EditController dlg(window.get());
        openToEdit(dlg, timer);
        for (const char* name : {"slideHours", "slideMins", "slideSecs"})
            QVERIFY(!control<QSlider>(dlg, name)->isEnabled());
        QCOMPARE(control<QSlider>(dlg, "slideHours")->value(), hours);
        QCOMPARE(durationText(dlg), text);
        QCOMPARE(durationColor(dlg), QColor(0, 0, 0));
        QCOMPARE(picker(dlg)->moment(), clock->now().addSecs(duration));

        control<QLineEdit>(dlg, "edDescription")->setText("Sourdough");
        pressSave(dlg);
        QVERIFY(!MessageBox::lastAlert());
        QCOMPARE(timerDuration(storedTimers(home->storePath())->first()), duration);
    }

    void storedSoundWithoutAFileIsKept() {
        testing::MessageLog log;
        auto timer = store->addTimer("Tea", 180, "Gone");
        EditController dlg(window.get());
        openToEdit(dlg, timer);
        auto* sounds = control<QComboBox>(dlg, "pmAlarm");
        QCOMPARE(sounds->count(), 4);
        QCOMPARE(sounds->itemText(0), QString("Gone"));
        QCOMPARE(sounds->currentIndex(), 0);

        MessageBox::setNextAnswer(0);
        control<QPushButton>(dlg, "btnPlay")->click();
        QVERIFY(log.contains("Couldn't load sound file"));
        QCOMPARE(MessageBox::lastAlert()->message, QString("Sound not found."));
        QVERIFY(!isAlarmPlaying());

        pressSave(dlg);
        QCOMPARE(timerSound(storedTimers(home->storePath())->first()), QString("Gone"));
    }

    void playStartsAndStopsThePreviewAndStopsAnAlarm() {
        EditController dlg(window.get());
        openToAdd(dlg);
        auto* play = control<QPushButton>(dlg, "btnPlay");
        play->click();
        QVERIFY(isAlarmPlaying());
        QVERIFY(!MessageBox::lastAlert());
        play->click();
        QVERIFY(!isAlarmPlaying());

        QVERIFY(playSound("Chimes"));  // an alarm ringing for a finished timer
        play->click();
        QVERIFY(!isAlarmPlaying());
    }

    void keyboardEscapeClosesAndReturnSaves() {
        EditController closing(window.get());
        openToAdd(closing);
        control<QLineEdit>(closing, "edDescription")->setText("Tea");
        QTest::keyClick(control<QLineEdit>(closing, "edDescription"), Qt::Key_Escape);
        QVERIFY(!closing.isVisible());
        QCOMPARE(closing.result(), int(QDialog::Rejected));
        QCOMPARE(returnedFromEdit, 0);
        QVERIFY(timersArray.isEmpty());

        EditController saving(window.get());
        openToAdd(saving);
        auto* description = control<QLineEdit>(saving, "edDescription");
        QCOMPARE(saving.focusWidget(), description);
        QTest::keyClicks(description, "Tea");
        QTest::keyClick(description, Qt::Key_Return);
        QVERIFY(!saving.isVisible());
        QCOMPARE(timersArray.size(), 1);
        QCOMPARE(timerDesc(timersArray[0]), QString("Tea"));
        QCOMPARE(returnedFromEdit, 1);
    }

    // A very long description is stored whole, and the sheet keeps its size.
    void longDescriptionIsStoredWhole() {
        EditController dlg(window.get());
        openToAdd(dlg);
        const QSize size = dlg.size();
        QString text;
        for (int i = 0; text.size() < 10000; ++i) text += QString::number(i % 10);
        control<QLineEdit>(dlg, "edDescription")->setText(text);
        QCOMPARE(dlg.size(), size);
        pressSave(dlg);
        QVERIFY(!dlg.isVisible());
        const QString stored = timerDesc(storedTimers(home->storePath())->first());
        QCOMPARE(stored.size(), 10000);
        QCOMPARE(stored, text);
    }
};

QTEST_MAIN(TestEditController)
#include "tst_editcontroller.moc"
