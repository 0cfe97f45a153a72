// Running timers as the user drives them, to the finish and its alarm. The clock moves by hand.
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "domain/Badge.h"
#include "domain/RunningTimers.h"
#include "support/domain/EngineFixture.h"

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

    bool finished(int row) const {
        return engine->stateOf(id(row)) == TimerState::Finished &&
               text(row).startsWith(QStringLiteral("Finished "));
    }
    void click(int row) { engine->toggle(id(row)); }
    void pause(int row) { engine->pauseOrResume(id(row)); }

private slots:
    void init() {
        setUpEngine([](testing::MemoryRepository& store) {
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

        changeSettings([](Settings& s) {
            s.countdownDigits = false;
            s.volume = 0.25;
        });
        QSignalSpy fronts(engine.get(), &TimerEngine::bringToFrontRequested);
        click(Three);
        advance(second - 1);  // not yet due
        QCOMPARE(text(Three), QStringLiteral("3s"));
        advance(1 + second);
        QCOMPARE(text(Three), QStringLiteral("1s"));
        QVERIFY(notices.isEmpty() && output->requests.isEmpty());
        advance(second);
        QVERIFY(engine->alertsArray().isEmpty() && engine->isRinging() && finished(Three));
        QCOMPARE(output->player()->sound(), QStringLiteral("Chimes"));
        QCOMPARE(output->player()->volume(), 0.25);
        QCOMPARE(fronts.count(), 1);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].title, QStringLiteral("Three"));
        QCOMPARE(notices[0].subtitle, QStringLiteral("Duration was 3s"));
        QVERIFY(notices[0].body.startsWith(QStringLiteral("Occurred at ")));
        QCOMPARE(notices[0].timerId, id(Three));
    }

    void shortTimersAMissingSoundAndASleepAllFinishNewestRinging() {
        for (int row : {Zero, One, Broken, Three, Tea}) click(row);
        advance(second);
        QVERIFY(finished(Zero) && finished(One) && !finished(Broken));
        const QPointer<testing::FakePlay> first = output->player();
        QVERIFY(first && first->isPlaying());
        advance(59 * second);  // the machine slept
        QVERIFY(finished(Broken) && finished(Three));
        QVERIFY(!first && output->isPlaying());  // the newer finish rings, the older is gone
        // An alarm must be heard: a sound that is gone rings the default rather than nothing.
        QCOMPARE(output->requests.size(), 4);
        for (const auto& request : std::as_const(output->requests))
            QVERIFY(request.missing == MissingSound::PlaysDefault);
        QCOMPARE(output->requests[2].sound, QStringLiteral("No Such Sound"));
        QCOMPARE(notices.size(), 4);
        QCOMPARE(engine->alertsArray().getNumAlerts(), 1);
        QCOMPARE(left(Tea), 120);
    }

    // Without a sound output the finish is still shown and told, and nothing
    // waits to be silenced.
    void aFinishWithNoSoundOutputIsStillTold() {
        output->refuse = true;
        click(Three);
        advance(3 * second);
        QVERIFY(finished(Three) && !engine->isRinging() && output->requests.size() == 1);
        QCOMPARE(notices.size(), 1);
        click(Three);  // starts again at once: there is no alarm to silence
        QCOMPARE(engine->stateOf(id(Three)), TimerState::Running);
    }

    void pauseKeepsTheSecondsAndOnlyAStartClosesTheWindow() {
        changeSettings([](Settings& s) { s.hideWhenTimerStarts = true; });
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

    void silencingByDoubleClickMouseOrNotification() {
        click(Three);
        advance(3 * second);
        click(Three);  // while it rings: silence, duration shown, not started
        QVERIFY(!output->isPlaying() && engine->alertsArray().isEmpty());
        QCOMPARE(text(Three), QStringLiteral("3s"));
        click(Three);
        advance(3 * second + second / 2);  // the mouse watch looks; the mouse has not moved
        QVERIFY(output->isPlaying());
        mouse.rx() += 0.25;  // the smallest move counts
        advance(second / 2);
        QVERIFY(!output->isPlaying() && !engine->isWatchingMouse());
        click(Three);  // a finished row whose alarm already ended starts at once
        QCOMPARE(text(Three), QStringLiteral("00:00:03"));

        // A dismissed notification silences only its own timer's alarm.
        click(One);
        advance(second);  // One rings
        const QString one = id(One), three = id(Three);
        engine->notificationDismissed(three);  // not the one ringing
        QVERIFY(output->isPlaying());
        advance(2 * second);  // Three rings now; One's notice is old news
        engine->notificationDismissed(one);
        QVERIFY(output->isPlaying());
        engine->notificationDismissed(three);
        QVERIFY(!output->isPlaying());
        QVERIFY(output->play(QStringLiteral("Chimes"), prefs->settings()));  // the editor's preview
        engine->notificationDismissed(three);
        QVERIFY(output->isPlaying());
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
        QVERIFY(!output->isPlaying() && engine->alertsArray().isEmpty());
        QVERIFY(text(Tea) == QStringLiteral("3m") && text(Three) == QStringLiteral("3s"));
        QVERIFY(badge.counts.last() == 0 && !badge.nexts.last());
        QCOMPARE(engine->scheduler().activeCount(), 1);  // only the mouse watch is left
    }

    void quittingSilencesEverythingAndNothingRingsAfter() {
        for (int row : {Three, Tea, Egg}) click(row);
        pause(Egg);
        advance(3 * second);  // Three rings, the mouse watch looks
        QVERIFY(output->isPlaying() && engine->isWatchingMouse() &&
                engine->scheduler().activeCount() == 2);

        engine->shutDown();
        QVERIFY(!output->isPlaying() && !engine->isWatchingMouse());
        QCOMPARE(engine->scheduler().activeCount(), 0);
        QVERIFY(!engine->scheduler().isArmed());  // no wake-up is left to fire into the quit
        QCOMPARE(engine->alertsArray().getNumAlerts(), 2);  // what ran is still known, only stilled
        advance(300 * second);
        QCOMPARE(left(Tea), 177);
        QVERIFY(notices.size() == 1 && output->requests.size() == 1);
    }
};

QTEST_GUILESS_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
