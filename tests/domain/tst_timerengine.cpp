// Running timers as the user drives them, to the finish and its alarm. The clock moves by hand.
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "desktop/Alarm.h"
#include "domain/Badge.h"
#include "domain/RunningTimers.h"
#include "support/EngineFixture.h"
#include "support/MessageLog.h"

using namespace dunok;

class TestTimerEngine : public QObject, testing::EngineFixture {
    Q_OBJECT
    struct RecordingBadge : BadgeDisplay {
        void showCount(int count) override { counts.append(count); }
        void showNextFinish(const std::optional<NextFinish>& next) override { nexts.append(next); }
        QList<int> counts;
        QList<std::optional<NextFinish>> nexts;
    };

    RecordingBadge badge;
    QPointF mouse;

    enum Row { Zero, One, Broken, Three, Tea, Egg };  // in duration order, the list's default

    QString text(int row) const { return model->cell(row, 1).text; }
    bool finished(int row) const { return text(row).startsWith(QStringLiteral("Finished ")); }
    void click(int row) { engine->toggle(id(row)); }
    void pause(int row) { engine->pauseOrResume(id(row)); }

private slots:
    void init() {
        setUpEngine([](testing::StoreFixture& store) {
            for (auto [desc, secs] :
                 {std::pair("Zero", 0), {"One", 1}, {"Three", 3}, {"Tea", 180}, {"Egg", 300}})
                store.addTimer(desc, secs);
            store.addTimer("Broken", 2, "No Such Sound");
        });
        engine->setCursorSource([this] { return mouse; });
        badge = RecordingBadge();
        engine->badge().addDisplay(&badge);
    }

    void cleanup() { tearDownEngine(); }

    void startStopAndFinishOnTheLastTick() {
        click(Tea);
        advance(second);
        QCOMPARE(text(Tea), QStringLiteral("00:02:59"));
        click(Tea);
        QVERIFY(engine->alertsArray().isEmpty() &&
                !engine->scheduler().isArmed());  // no more ticks
        QCOMPARE(text(Tea), QStringLiteral("3m"));

        testing::changeSettings(*prefs, [](Settings& s) { s.countdownDigits = false; });
        QSignalSpy fronts(engine.get(), &TimerEngine::bringToFrontRequested);
        click(Three);
        advance(second - 1);  // not yet due
        QCOMPARE(text(Three), QStringLiteral("3s"));
        advance(1 + second);
        QCOMPARE(text(Three), QStringLiteral("1s"));
        QVERIFY(notices.isEmpty() && !player->isPlaying());
        advance(second);
        QVERIFY(engine->alertsArray().isEmpty() && player->isPlaying() && finished(Three));
        QCOMPARE(fronts.count(), 1);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].title, QStringLiteral("Three"));
        QCOMPARE(notices[0].subtitle, QStringLiteral("Duration was 3s"));
        QVERIFY(notices[0].body.startsWith(QStringLiteral("Occurred at ")));
        QCOMPARE(notices[0].timerId, id(Three));
    }

    void shortTimersAMissingSoundAndASleepAllFinishNewestRinging() {
        testing::MessageLog log;
        for (int row : {Zero, One, Broken, Three, Tea}) click(row);
        advance(second);
        QVERIFY(finished(Zero) && finished(One) && !finished(Broken));
        const QPointer<AudioPlayer> first = player->player();
        QVERIFY(first && first->isPlaying());
        advance(59 * second);  // the machine slept
        QVERIFY(finished(Broken) && finished(Three));
        QVERIFY(!first &&
                player->player()->isPlaying());  // the newer finish rings, the older is gone
        // The one with a missing sound rang the default instead of nothing;
        // that is the only word a user's console hears of these finishes.
        QCOMPARE(log.countStartingWith(QStringLiteral("Playing the default sound \"Vintage Alarm "
                                                      "Clock\" instead of \"No Such Sound\"")),
                 1);
        QVERIFY2(!log.contains(id(Three)) && !log.contains(id(Zero)),
                 qPrintable(log.messages().join('\n')));
        QCOMPARE(notices.size(), 4);
        QCOMPARE(engine->alertsArray().getNumAlerts(), 1);
        QCOMPARE(left(Tea), 120);
    }

    void pauseKeepsTheSecondsAndOnlyAStartClosesTheWindow() {
        testing::changeSettings(*prefs, [](Settings& s) { s.hideWhenTimerStarts = true; });
        QSignalSpy closes(engine.get(), &TimerEngine::closeWindowRequested);
        click(Tea);
        advance(18 * second);
        pause(Tea);
        advance(60 * second);
        engine->tick(id(Tea));  // a stray tick does not move it either
        QCOMPARE(text(Tea), QStringLiteral("Paused 00:02:42"));
        QCOMPARE(badge.counts.last(), 1);  // a paused timer still counts
        click(Tea);                        // resumes: neither restarted nor stopped
        advance(second);
        QCOMPARE(text(Tea), QStringLiteral("00:02:41"));
        click(Tea);
        engine->startTimers({id(Egg)});  // nor does the editor's start close it
        QCOMPARE(closes.count(), 1);
    }

    void timersRunSideBySideEachOnItsOwnSecond() {
        click(Three);
        advance(second / 2);
        click(Tea);
        advance(second / 4);
        click(Egg);
        pause(Tea);
        advance(second / 4);  // 1.0 s: Three's first tick
        pause(Tea);
        click(Three);
        advance(second / 2);  // 1.5 s: Tea's old tick time, not due any more
        QCOMPARE(left(Tea), 180);
        advance(second / 4);  // 1.75 s: Egg's first tick
        QCOMPARE(left(Egg), 299);
        advance(second / 4);  // 2.0 s: Tea's first tick after the resume
        QCOMPARE(left(Tea), 179);
        advance(10 * second);
        QVERIFY(left(Tea) == 169 && left(Egg) == 289 && engine->alertsArray().getNumAlerts() == 2);
    }

    void silencingAFinishedRowByDoubleClickOrMouse() {
        click(Three);
        advance(3 * second);
        click(Three);  // while it rings: silence, duration shown, not started
        QVERIFY(!player->isPlaying() && engine->alertsArray().isEmpty());
        QCOMPARE(text(Three), QStringLiteral("3s"));
        click(Three);
        advance(3 * second + second / 2);  // the mouse watch looks; the mouse has not moved
        QVERIFY(player->isPlaying());
        mouse.rx() += 0.25;  // the smallest move counts
        advance(second / 2);
        QVERIFY(!player->isPlaying() && !engine->isWatchingMouse());
        click(Three);  // a finished row whose alarm already ended starts at once
        QCOMPARE(text(Three), QStringLiteral("00:00:03"));
    }

    void badgeAndResetAgreeWithTheTable() {
        for (int row : {Tea, Egg, Three}) click(row);
        pause(Three);
        QCOMPARE(badge.counts, QList<int>({1, 2, 3}));                     // each change once
        QCOMPARE(badge.nexts.last()->description, QStringLiteral("Tea"));  // paused ones don't ring
        // Timers started at scattered moments take turns at ringing next, each tick shows it.
        advance(second / 3);
        click(One);
        for (int step = 0; step < 7; ++step) {
            advance(second / 4);
            QCOMPARE(badge.nexts.last(), nextFinish(engine->alertsArray(), list));
        }
        QCOMPARE(badge.counts, QList<int>({1, 2, 3, 4, 3}));  // ticks alone send no count

        engine->stopAll();
        QVERIFY(!player->isPlaying() && engine->alertsArray().isEmpty());
        QVERIFY(text(Tea) == QStringLiteral("3m") && text(Three) == QStringLiteral("3s"));
        QVERIFY(badge.counts.last() == 0 && !badge.nexts.last());
        QCOMPARE(engine->scheduler().activeCount(), 1);  // only the mouse watch is left
    }

    void dismissingANotificationSilencesOnlyItsOwnAlarm() {
        click(Three);
        click(One);
        advance(second);  // One rings
        const QString one = id(One), three = id(Three);
        engine->notificationDismissed(three);  // not the one ringing
        QVERIFY(player->isPlaying());
        advance(2 * second);  // Three rings now; One's notice is old news
        engine->notificationDismissed(one);
        QVERIFY(player->isPlaying());
        engine->notificationDismissed(three);
        QVERIFY(!player->isPlaying());
        QVERIFY(player->play(QStringLiteral("Chimes"), prefs->settings()));  // the editor's preview
        engine->notificationDismissed(three);
        QVERIFY(player->isPlaying());
    }

    void quittingSilencesEverythingAndNothingRingsAfter() {
        testing::MessageLog log;
        for (int row : {Three, Tea, Egg}) click(row);
        pause(Egg);
        advance(3 * second);  // Three rings, the mouse watch looks
        QVERIFY(player->isPlaying() && engine->isWatchingMouse() &&
                engine->scheduler().activeCount() == 2);

        engine->shutDown();
        QVERIFY(!player->isPlaying() && !engine->isWatchingMouse());
        QCOMPARE(engine->scheduler().activeCount(), 0);
        QVERIFY(!engine->scheduler().isArmed());  // no wake-up is left to fire into the quit
        QCOMPARE(engine->alertsArray().getNumAlerts(), 2);  // what ran is still known, only stilled
        advance(300 * second);
        QCOMPARE(left(Tea), 177);
        QVERIFY(notices.size() == 1 && !player->isPlaying());

        // With the player closed for the quit nothing can sound, and the program says why.
        player->close();
        QVERIFY(!player->player());
        QVERIFY(!player->play(QStringLiteral("Chimes"), prefs->settings()));
        QCOMPARE(log.countStartingWith(QStringLiteral("Couldn't load sound file")), 1);
    }
};

QTEST_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
