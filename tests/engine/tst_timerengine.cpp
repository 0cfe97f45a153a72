// Running timers as the user drives them: start, stop, pause, resume, reset,
// the tick, the finish with its alarm, notification and mouse watch, and the
// badge. The clock is moved by hand; nothing here waits whole seconds.
#include <QSignalSpy>
#include <QTest>

#include "engine/Alarm.h"
#include "engine/Badge.h"
#include "engine/RunningTimers.h"
#include "engine/TimerEngine.h"
#include "mainwindow/TimerTableModel.h"
#include "model/Globals.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/AudioPlayer.h"
#include "platform/Clock.h"
#include "platform/TickScheduler.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
constexpr qint64 second = 1'000'000'000;

class RecordingBadge : public BadgeDisplay {
public:
    void showCount(int count) override { counts.append(count); }
    void showNextFinish(const std::optional<NextFinish>& next) override { nexts.append(next); }
    QList<int> counts;
    QList<std::optional<NextFinish>> nexts;
};
}  // namespace

Q_DECLARE_METATYPE(dunok::FinishNotice)

class TestTimerEngine : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<ManualClock> clock;
    std::unique_ptr<TimerTableModel> model;
    std::unique_ptr<TimerEngine> engine;
    RecordingBadge badge;
    QPointF mouse{100, 100};

    // Rows in duration order (the list's default sort).
    enum Row { Zero, One, Three, Tea, Egg };

    QString text(int row) const { return model->cell(row, 1).text; }
    QString idOf(int row) const { return timerId(timersArray[row]); }
    // Every tick due by now, as the scheduler's wake-up would deliver them.
    void advance(qint64 ns) {
        clock->advanceNs(ns);
        engine->scheduler().processDueTicks();
    }

private slots:
    void initTestCase() { qRegisterMetaType<FinishNotice>(); }

    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        store->addTimer("Zero", 0);
        store->addTimer("One", 1);
        store->addTimer("Three", 3, "Chimes");
        store->addTimer("Tea", 180, "Marimba");
        store->addTimer("Egg", 300, "Kitchen Timer");
        populateArray(sortDuration);
        clock = std::make_unique<ManualClock>(1000 * second);
        model = std::make_unique<TimerTableModel>();
        model->reloadData();
        engine = std::make_unique<TimerEngine>(*model, *clock);
        engine->setCursorSource([this] { return mouse; });
        badge = RecordingBadge();
        addBadgeDisplay(&badge);
    }

    void cleanup() {
        removeBadgeDisplay(&badge);
        engine.reset();
        testing::resetGlobals();
        model.reset();
        store.reset();
    }

    void doubleClickStartsAndStops() {
        QSignalSpy toolbar(engine.get(), &TimerEngine::toolbarNeedsUpdate);
        engine->tableViewDoubleClick(-1);
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(toolbar.count(), 0);

        engine->tableViewDoubleClick(Tea);
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].value, 180);
        QCOMPARE(alertsArray[0].row, qint64(Tea));
        QCOMPARE(text(Tea), QStringLiteral("00:03:00"));
        QCOMPARE(model->cell(Tea, 1).fontSize, cSize);
        QCOMPARE(model->cell(Tea, 0).image, QStringLiteral("timerfull22"));
        QCOMPARE(badge.counts.last(), 1);
        QVERIFY(engine->scheduler().isArmed());

        advance(second);
        QCOMPARE(text(Tea), QStringLiteral("00:02:59"));

        engine->tableViewDoubleClick(Tea);
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(text(Tea), QStringLiteral("3m"));
        QCOMPARE(model->cell(Tea, 0).image, QStringLiteral("timer22"));
        QCOMPARE(badge.counts.last(), 0);
        // A stopped timer never ticks again, and an idle engine sleeps.
        QVERIFY(!engine->scheduler().isArmed());
        advance(5 * second);
        QCOMPARE(text(Tea), QStringLiteral("3m"));
    }

    void countsDownAndFinishesOnItsLastTick() {
        prefsCountdownDigits = false;
        QSignalSpy notices(engine.get(), &TimerEngine::finishNotification);
        QSignalSpy front(engine.get(), &TimerEngine::bringToFrontRequested);
        engine->tableViewDoubleClick(Three);
        QCOMPARE(text(Three), QStringLiteral("3s"));

        advance(second - 1);  // not yet due
        QCOMPARE(alertsArray[0].value, 3);
        advance(1);
        QCOMPARE(text(Three), QStringLiteral("2s"));
        advance(second);
        QCOMPARE(text(Three), QStringLiteral("1s"));
        QCOMPARE(notices.count(), 0);
        advance(second);

        QVERIFY(alertsArray.isEmpty());
        QVERIFY2(text(Three).startsWith(QStringLiteral("Finished ")), qPrintable(text(Three)));
        QCOMPARE(front.count(), 1);
        QCOMPARE(notices.count(), 1);
        const auto notice = notices.at(0).at(0).value<FinishNotice>();
        QCOMPARE(notice.title, QStringLiteral("Three"));
        QCOMPARE(notice.subtitle, QStringLiteral("Duration was 3s"));
        QVERIFY(notice.body.startsWith(QStringLiteral("Occurred at ")));
        QVERIFY(notice.body.size() > QStringLiteral("Occurred at ").size());
        QCOMPARE(notice.timerId, idOf(Three));
        QVERIFY(isAlarmPlaying());
        QCOMPARE(audioPlayer->volume(), defVolume);
        QCOMPARE(badge.counts.last(), 0);

        // The finish text stays however often the row is repainted, until a reload.
        const QString finished = text(Three);
        advance(10 * second);
        QCOMPARE(text(Three), finished);
        model->reloadRows({Three});
        QCOMPARE(text(Three), QStringLiteral("3s"));
    }

    void zeroAndOneSecondTimersFinishOnTheFirstTick() {
        engine->tableViewDoubleClick(Zero);
        engine->tableViewDoubleClick(One);
        QCOMPARE(alertsArray.size(), 2);
        advance(second);
        QVERIFY(alertsArray.isEmpty());
        QVERIFY(text(Zero).startsWith(QStringLiteral("Finished ")));
        QVERIFY(text(One).startsWith(QStringLiteral("Finished ")));
    }

    void quietFinishWhenThePreferencesSaySo() {
        prefsBringToFront = false;
        prefsSendNotification = false;
        prefsQuietWithMouse = false;
        QSignalSpy notices(engine.get(), &TimerEngine::finishNotification);
        QSignalSpy front(engine.get(), &TimerEngine::bringToFrontRequested);
        engine->tableViewDoubleClick(One);
        advance(second);
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(notices.count(), 0);
        QCOMPARE(front.count(), 0);
        QVERIFY(isAlarmPlaying());
        QVERIFY(!mouseTimer);
    }

    void pauseFreezesAndResumeGoesOn() {
        engine->tableViewDoubleClick(Tea);
        advance(18 * second);
        QCOMPARE(text(Tea), QStringLiteral("00:02:42"));

        engine->miPauseClicked(Tea);
        QVERIFY(alertsArray[0].isPaused);
        QCOMPARE(text(Tea), QStringLiteral("Paused 00:02:42"));
        QCOMPARE(model->cell(Tea, 1).fontSize, tSize);
        QCOMPARE(badge.counts.last(), 1);  // a paused timer still counts
        advance(60 * second);
        engine->handleAlert(idOf(Tea));  // a stray tick does not move it either
        QCOMPARE(alertsArray[0].value, 162);
        QCOMPARE(text(Tea), QStringLiteral("Paused 00:02:42"));

        // Resumed by double-click: same seconds, neither restarted nor stopped.
        engine->tableViewDoubleClick(Tea);
        QCOMPARE(alertsArray.size(), 1);
        QVERIFY(!alertsArray[0].isPaused);
        QCOMPARE(alertsArray[0].value, 162);
        advance(second);
        QCOMPARE(text(Tea), QStringLiteral("00:02:41"));

        // ... and the same by the menu.
        engine->miPauseClicked(Tea);
        engine->miPauseClicked(Tea);
        QCOMPARE(alertsArray[0].value, 161);
        advance(second);
        QCOMPARE(alertsArray[0].value, 160);

        // The menu on a row without a running timer does nothing.
        engine->miPauseClicked(Egg);
        engine->miPauseClicked(-1);
        QCOMPARE(alertsArray.size(), 1);
    }

    void timersRunSideBySideEachOnItsOwnSecond() {
        engine->tableViewDoubleClick(Three);
        advance(second / 2);
        engine->tableViewDoubleClick(Tea);
        advance(second / 4);
        engine->tableViewDoubleClick(Egg);
        QCOMPARE(alertsArray.size(), 3);

        engine->miPauseClicked(Tea);
        advance(second / 4);  // Three's first tick
        engine->miPauseClicked(Tea);
        engine->tableViewDoubleClick(Three);  // stop the first
        QCOMPARE(alertsArray.size(), 2);

        // The resumed timer ticks one second after its resume, the other
        // on its own schedule.
        advance(second / 2);  // 1.5 s: Tea's old tick time, not due any more
        QCOMPARE(alertsArray[haveAlertForRow(Tea)].value, 180);
        advance(second / 4);  // 1.75 s: Egg's first tick
        QCOMPARE(alertsArray[haveAlertForRow(Egg)].value, 299);
        advance(second / 4);  // 2.0 s: Tea's first tick after the resume at 1.0 s
        QCOMPARE(alertsArray[haveAlertForRow(Tea)].value, 179);
        advance(10 * second);
        QCOMPARE(alertsArray[haveAlertForRow(Tea)].value, 169);
        QCOMPARE(alertsArray[haveAlertForRow(Egg)].value, 289);
    }

    void ticksMissedInSleepAreCaughtUp() {
        engine->tableViewDoubleClick(Three);
        engine->tableViewDoubleClick(Tea);
        QSignalSpy notices(engine.get(), &TimerEngine::finishNotification);
        advance(60 * second);  // the machine slept a minute
        QCOMPARE(notices.count(), 1);
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].value, 120);
        QVERIFY(text(Three).startsWith(QStringLiteral("Finished ")));
    }

    void resetStopsEverything() {
        engine->tableViewDoubleClick(One);
        advance(second);
        QVERIFY(isAlarmPlaying());
        engine->tableViewDoubleClick(Tea);
        engine->tableViewDoubleClick(Egg);
        engine->miPauseClicked(Egg);
        QCOMPARE(badge.counts.last(), 2);

        engine->resetAlerts();
        QVERIFY(!isAlarmPlaying());
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(text(Tea), QStringLiteral("3m"));
        QCOMPARE(text(Egg), QStringLiteral("5m"));
        QCOMPARE(badge.counts.last(), 0);
        // Only the mouse watch of the earlier finish is left to wake up for.
        QCOMPARE(engine->scheduler().activeCount(), 1);
        QVERIFY(mouseTimer && mouseTimer->isValid());
    }

    void doubleClickOnAFinishedRow() {
        engine->tableViewDoubleClick(Three);
        advance(3 * second);
        QVERIFY(isAlarmPlaying());

        // While it rings: silence, duration shown, not started.
        engine->tableViewDoubleClick(Three);
        QVERIFY(!isAlarmPlaying());
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(text(Three), QStringLiteral("3s"));

        // Then it starts again with its full duration.
        engine->tableViewDoubleClick(Three);
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].value, 3);

        // A finished row whose alarm already ended starts at once.
        advance(3 * second);
        stopPlaying();
        engine->tableViewDoubleClick(Three);
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(text(Three), QStringLiteral("00:00:03"));
    }

    void aNewerFinishCutsOffTheOlderAlarm() {
        QSignalSpy notices(engine.get(), &TimerEngine::finishNotification);
        engine->tableViewDoubleClick(One);
        advance(second / 2);
        engine->tableViewDoubleClick(Three);
        advance(second / 2);
        const std::shared_ptr<AudioPlayer> first = audioPlayer;
        QVERIFY(first && first->isPlaying());
        advance(3 * second);
        QVERIFY(audioPlayer != first);
        QVERIFY(!first->isPlaying());
        QVERIFY(audioPlayer->isPlaying());
        QCOMPARE(notices.count(), 2);
        QCOMPARE(notices.at(1).at(0).value<FinishNotice>().title, QStringLiteral("Three"));
        QVERIFY(text(One).startsWith(QStringLiteral("Finished ")));
        QVERIFY(text(Three).startsWith(QStringLiteral("Finished ")));
        QCOMPARE(badge.counts.last(), 0);
    }

    void closesTheWindowOnlyWhenStarting() {
        prefsHideWhenTimerStarts = true;
        QSignalSpy close(engine.get(), &TimerEngine::closeWindowRequested);
        engine->tableViewDoubleClick(Tea);
        QCOMPARE(close.count(), 1);
        engine->miPauseClicked(Tea);
        engine->tableViewDoubleClick(Tea);  // resume
        engine->tableViewDoubleClick(Tea);  // stop
        QCOMPARE(close.count(), 1);
        checkID = idOf(Egg);
        engine->checkForNewTimers();  // the editor's start never closes
        QCOMPARE(close.count(), 1);
    }

    void theEditorStartsAndStopsTimers() {
        checkID = idOf(Egg);
        engine->checkForNewTimers();
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].value, 300);
        QCOMPARE(alertsArray[0].row, qint64(Egg));
        QCOMPARE(text(Egg), QStringLiteral("00:05:00"));
        QCOMPARE(checkID, idOf(Egg));

        engine->miPauseClicked(Egg);
        engine->stopBeforeEditing(Egg);
        QVERIFY(alertsArray.isEmpty());
        QCOMPARE(text(Egg), QStringLiteral("5m"));
        QCOMPARE(badge.counts.last(), 0);

        engine->startTimers({idOf(Tea), idOf(Egg)});
        QCOMPARE(alertsArray.size(), 2);
        QCOMPARE(badge.counts.last(), 2);
    }

    void movingTheMouseSilencesTheAlarm() {
        engine->tableViewDoubleClick(One);
        advance(second);
        QVERIFY(isAlarmPlaying());
        QVERIFY(mouseTimer && mouseTimer->isValid());

        advance(second / 2);  // the watch looks, the mouse has not moved
        QVERIFY(isAlarmPlaying());
        mouse.rx() += 0.25;  // the smallest move counts
        advance(second / 2);
        QVERIFY(!isAlarmPlaying());
        QVERIFY(!mouseTimer);

        prefsQuietWithMouse = false;
        engine->tableViewDoubleClick(One);  // silent finished row: starts again
        advance(second);
        QVERIFY(isAlarmPlaying());
        QVERIFY(!mouseTimer);
        mouse.rx() += 10;
        advance(second / 2);
        QVERIFY(isAlarmPlaying());
    }

    void clickingTheNotification() {
        QSignalSpy front(engine.get(), &TimerEngine::bringToFrontRequested);
        engine->tableViewDoubleClick(One);
        engine->tableViewDoubleClick(Tea);
        advance(second);
        QCOMPARE(front.count(), 1);
        QVERIFY(isAlarmPlaying());
        engine->notificationClicked(idOf(One));
        QVERIFY(!isAlarmPlaying());
        QCOMPARE(front.count(), 2);
        // A click for a timer that is still counting leaves it counting.
        engine->notificationClicked(idOf(Tea));
        QCOMPARE(alertsArray.size(), 1);
        engine->notificationClicked(QString());
        QCOMPARE(front.count(), 4);
        QCOMPARE(badge.counts.last(), 1);
    }

    void aMissingSoundStillFinishes() {
        auto timer = store->addTimer("Broken", 2, "No Such Sound");
        populateArray(sortDuration);
        model->reloadData();
        const int row = int(timersArray.indexOf(timer));
        testing::MessageLog log;
        engine->tableViewDoubleClick(row);
        advance(2 * second);
        QVERIFY(alertsArray.isEmpty());
        QVERIFY(text(row).startsWith(QStringLiteral("Finished ")));
        QCOMPARE(log.countStartingWith(QStringLiteral("Couldn't load sound file")), 1);
        QVERIFY(!audioPlayer);
    }

    void volumeFollowsThePreference() {
        for (double volume : {0.0, 0.5, 1.0}) {
            prefsVolume = volume;
            QVERIFY(playSound(QStringLiteral("Chimes")));
            QCOMPARE(audioPlayer->volume(), volume);
        }
        QVERIFY(soundNames().contains(Constants::defSound));
        QVERIFY(soundNames().size() >= 8);
    }

    void badgeCountsAndNamesTheNextFinish() {
        engine->tableViewDoubleClick(Tea);
        engine->tableViewDoubleClick(Egg);
        engine->tableViewDoubleClick(Three);
        engine->miPauseClicked(Three);
        QCOMPARE(badge.counts, QList<int>({1, 2, 3}));  // each change once
        std::optional<NextFinish> next = badge.nexts.last();
        QVERIFY(next);
        QCOMPARE(next->description, QStringLiteral("Tea"));  // the paused one does not ring
        QCOMPARE(next->remaining, 180);
        // Timers started at scattered moments take turns at ringing next;
        // what a tick shows is what a full look over the table finds.
        advance(second / 3);
        engine->tableViewDoubleClick(One);
        for (int step = 0; step < 7; ++step) {
            advance(second / 4);
            QCOMPARE(badge.nexts.last(), nextFinish());
        }
        advance(90 * second - second / 3 - 7 * (second / 4));
        next = badge.nexts.last();
        QCOMPARE(next->remaining, 90);
        QCOMPARE(next->progress(), 0.5);
        // One started and finished; ticks alone send no count.
        QCOMPARE(badge.counts, QList<int>({1, 2, 3, 4, 3}));

        engine->resetAlerts();
        QCOMPARE(badge.counts.last(), 0);
        QVERIFY(!badge.nexts.last());
    }
};

QTEST_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
