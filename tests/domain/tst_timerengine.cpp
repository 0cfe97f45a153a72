// Timers to the finish, the alarm, its repeat and snooze, and on across a quit. The clocks, and
// the end of a play, move by hand.
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "domain/AlarmRing.h"
#include "domain/Badge.h"
#include "domain/ListLoading.h"
#include "domain/RunningTimers.h"
#include "domain/TimerLookup.h"
#include "domain/TimerRestore.h"
#include "domain/WallClock.h"
#include "support/domain/EngineFixture.h"

using namespace dunok;
using std::optional;

class TestTimerEngine : public QObject, testing::EngineFixture {
    Q_OBJECT
    struct RecordingBadge : BadgeDisplay {
        void showCount(int count) override { counts.append(count); }
        void showNextFinish(const std::optional<NextFinish>&) override {}
        QList<int> counts;
    };
    RecordingBadge badge;
    QPointF mouse;
    const QDateTime start{QDate(2026, 12, 7), QTime(10, 0), QTimeZone::utc()};
    std::unique_ptr<FixedWallClock> wall;
    std::unique_ptr<TimerRestore> restore;
    enum Row { Zero, One, Broken, Three, Pasta, Tea, Egg };  // in duration order, the default
    template <typename Fill>
    void build(Fill fill) {
        setUpEngine(fill);
        engine->setCursorSource([this] { return mouse; });
        badge = RecordingBadge();
        engine->badge().addDisplay(&badge);
    }
    bool finished(int row) const {
        return engine->stateOf(id(row)) == TimerState::Finished && text(row).startsWith("Finished");
    }
    void click(int row) { engine->toggle(id(row)); }
    void pause(int row) { engine->pauseOrResume(id(row)); }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            wall->advanceSecs(1);
            advance(second);
        }
    }
    void playEnds(qint64 length, bool successfully = true) {
        QVERIFY(output->isPlaying());
        clock.advanceNs(length);
        output->player()->end(successfully);
        engine->scheduler().processDueTicks();
    }
    void ringBroken() {
        click(Broken);
        seconds(2);
        QVERIFY(engine->isRinging() && output->isPlaying());
    }
    void startKeeping() {
        changeSettings([](Settings& s) { s.keepTimers = true; });
        restore = std::make_unique<TimerRestore>(list, *engine, *store, *wall);
        connect(engine.get(), &TimerEngine::toolbarNeedsUpdate, restore.get(),
                [this] { restore->keep(); });
        restore->restore();
    }
    void quit() {
        QVERIFY(restore->quit());
        restore.reset();
    }
    // Dunok starts again `later` seconds after the quit: only the store outlived it.
    void startAgain(int later) {
        testing::MemoryRepository outlived = std::move(*store);
        tearDownEngine();
        wall->advanceSecs(later);
        build([&](testing::MemoryRepository& s) { s = std::move(outlived); });
        startKeeping();
    }
    Timer& kept(const char* desc) { return store->byDesc(desc); }
    optional<qint64> dueIn(qint64 secs) const { return start.addSecs(secs).toMSecsSinceEpoch(); }
    QString state(int row) const {
        const Alert* alert = engine->alertsArray().find(id(row));
        return !alert ? "-" : QString::number(alert->value) + (alert->isPaused ? " paused" : "");
    }
private slots:
    void init() {
        build([](testing::MemoryRepository& store) {
            const std::pair<const char*, int> timers[] = {
                {"Zero", 0}, {"One", 1}, {"Three", 3}, {"Pasta", 60}, {"Tea", 180}, {"Egg", 300}};
            for (auto [desc, secs] : timers) store.addTimer(desc, secs);
            store.addTimer("Broken", 2, "No Such Sound");
            store.byDesc("Egg").snoozeOn = true;
            store.byDesc("Egg").snooze = 120;
        });
        mouse = QPointF(10, 10);
        wall = std::make_unique<FixedWallClock>(start, QTimeZone::utc());
    }
    void cleanup() {
        restore.reset();
        tearDownEngine();
    }
    // Counting up from the due moment until the row is silenced; no wake-ups once nothing counts.
    void aFinishedTimerCountsUpUntilSilenced() {
        changeSettings([](Settings& s) {
            s.countUp = true;
            s.quietWithMouse = false;
        });
        click(Three);
        advance(3 * second);
        QVERIFY(engine->isRinging());
        QCOMPARE(text(Three), "+0:00");
        advance(133 * second);
        QCOMPARE(text(Three), "+2:13");
        QCOMPARE(left(Three), -133);  // what the listing shows as "+2:13"
        advance(3600 * second);
        QCOMPARE(text(Three), "+1:02:13");
        click(Three);  // silenced: its duration again, and nothing ticks
        QCOMPARE(text(Three), "3s");
        advance(second);
        QCOMPARE(text(Three), "3s");
        QVERIFY(!engine->scheduler().isArmed());
        QCOMPARE(listingLine({"Tea", "finished", -133}), "Tea\tfinished\t+2:13");
        click(One);  // and a reset ends it too
        advance(second);
        advance(second);
        QCOMPARE(text(One), "+0:01");
        engine->stopAll();
        advance(second);
        QVERIFY(text(One) == "1s" && !engine->scheduler().isArmed());
    }
    // The sound of the timer due first is made ready once the start has shown, not at its finish.
    void theNextAlarmIsPreparedInIdleTime() {
        click(Tea);
        click(Broken);
        QVERIFY(output->prepared.isEmpty());  // not while starting
        QCoreApplication::processEvents();
        QCOMPARE(output->prepared, QStringList{"No Such Sound"});  // Broken's, due first
        advance(2 * second);
        QCoreApplication::processEvents();
        QCOMPARE(output->prepared.last(), "Chimes");  // Tea's, next
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
        QVERIFY(output->requests.size() == 4 && output->requests[2].sound == "No Such Sound");
        for (const auto& request : std::as_const(output->requests))
            QVERIFY(request.missing == MissingSound::PlaysDefault);
        QVERIFY(notices.size() == 4 && left(Tea) == 120);
    }
    // Repeating over an output that broke down would only keep time with nothing heard.
    void noSoundOutputOrABrokenOneStillTellsAndRingsOnce_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"no output", "repeat off", "broke down"}) QTest::newRow(how) << how;
    }
    void noSoundOutputOrABrokenOneStillTellsAndRingsOnce() {
        QFETCH(QString, how);
        output->refuse = how == "no output";
        changeSettings([&](Settings& s) { s.repeatAlarm = how == "broke down"; });
        QSignalSpy toolbar(engine.get(), &TimerEngine::toolbarNeedsUpdate);
        click(Three);
        seconds(3);
        QVERIFY(finished(Three) && notices.size() == 1 && output->requests.size() == 1);
        if (how != "no output") {
            QVERIFY(engine->isRinging());
            toolbar.clear();
            playEnds(3 * second, how == "repeat off");
            QVERIFY(toolbar.count() > 0);  // Silence is no longer on offer
        }
        seconds(5);
        QVERIFY(!engine->isRinging() && !output->isPlaying() && output->requests.size() == 1);
        QVERIFY(how == "no output" || output->player()->plays() == 1);
        click(Three);  // starts again at once: there is no alarm to silence
        QCOMPARE(engine->stateOf(id(Three)), TimerState::Running);
    }
    void repeatsAfterAPauseUntilItsLimit() {
        changeSettings([](Settings& s) {
            s.repeatAlarm = true;
            s.repeatLimitMinutes = 1;
            s.fadeIn = true;
        });
        ringBroken();
        changeSettings([](Settings& s) { s.volume = 0.75; });
        testing::FakePlay* alarm = output->player();
        QCOMPARE(alarm->fade, std::pair(0.0, alarmFadeInSeconds));
        int plays = 1;
        // Plays of 20 s begin at 0, 21 and 42 s; the one after 63 s would be past the minute.
        while (true) {
            playEnds(20 * second);
            if (!engine->isRinging()) break;
            advance(AlarmRing::repeatPauseNs - 1);
            QVERIFY(!output->isPlaying());  // the pause
            advance(1);
            // The decoded sound is kept, not loaded again; a new volume counts from the next play.
            QVERIFY(output->isPlaying() && output->player() == alarm && alarm->volume() == 0.75);
            // The fade goes on from where the first play began, not from silence again.
            QCOMPARE(alarm->fade, std::pair(21.0 * plays, alarmFadeInSeconds));
            QVERIFY(++plays < 10);
        }
        QCOMPARE(plays, 3);
        seconds(5);
        QVERIFY(!output->isPlaying());
    }
    // A double-click, the notification and a reset silence as the button does.
    void everyWayOfSilencingEndsTheRepeat_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("inPause");
        for (const char* how : {"silence", "mouse", "dismissed", "new finish", "preview"}) {
            QTest::addRow("%s while playing", how) << QString(how) << false;
            QTest::addRow("%s in the pause", how) << QString(how) << true;
        }
    }
    void everyWayOfSilencingEndsTheRepeat() {
        QFETCH(QString, how);
        QFETCH(bool, inPause);
        changeSettings([&](Settings& s) {
            s.repeatAlarm = true;
            s.quietWithMouse = how == "mouse";
        });
        if (how == "new finish") click(Egg);
        ringBroken();
        if (inPause) playEnds(3 * second);
        QVERIFY(engine->isRinging());
        if (how == "silence") engine->silence();
        if (how == "mouse") {
            advance(second / 2);
            QVERIFY(engine->isRinging());  // looked, but the mouse has not moved
            mouse.rx() += 0.25;            // the smallest move counts
            advance(second / 2);
            QVERIFY(!engine->isWatchingMouse());
        }
        if (how == "dismissed") engine->notificationDismissed(id(Broken));
        if (how == "new finish") seconds(300 - 2 - (inPause ? 4 : 0));
        if (how == "preview") QVERIFY(output->play(QStringLiteral("Chimes"), prefs->settings()));
        QCOMPARE(engine->isRinging(), how == "new finish");
        testing::FakePlay* after = output->player();
        const bool soundAfter = output->isPlaying();
        seconds(3);
        if (how == "new finish") {
            QVERIFY(notices.last().timerId == id(Egg) && output->isPlaying());
        } else {
            QVERIFY(output->player() == after && output->isPlaying() == soundAfter);
            QCOMPARE(soundAfter, how == "preview");
        }
    }
    // A dismissal silences only its own timer's alarm, never the editor's preview.
    void dismissingSilencesOnlyTheRightTimer() {
        click(Three);
        click(One);
        advance(second);  // One rings
        const QString one = id(One), three = id(Three);
        engine->notificationDismissed(three);
        QVERIFY(output->isPlaying());
        advance(2 * second);  // Three rings now; One's notice is old news
        engine->notificationDismissed(one);
        QVERIFY(output->isPlaying());
        engine->notificationDismissed(three);
        QVERIFY(!output->isPlaying());
        QVERIFY(output->play(QStringLiteral("Chimes"), prefs->settings()));
        engine->notificationDismissed(three);
        QVERIFY(output->isPlaying());
    }
    // Ids from nowhere, or of a timer deleted since its notification went up, do nothing.
    void snoozeRunsTheTimerAgainWhereItCan() {
        click(Egg);
        ringBroken();
        QVERIFY(notices[0].snoozeLabel.isEmpty());
        engine->snooze(id(Broken));
        QCOMPARE(engine->alertsArray().getNumAlerts(), 1);  // Egg alone
        seconds(298);
        QVERIFY(notices.size() == 2 && notices[1].snoozeLabel == "Snooze 2m");
        engine->snooze(QStringLiteral("x-dunok://nowhere/Timers/p99"));
        QVERIFY(engine->alertsArray().isEmpty() && output->isPlaying());
        engine->snooze(id(Egg));
        engine->snooze(id(Egg));  // a second snooze while it runs changes nothing
        QVERIFY(!engine->isRinging() && !output->isPlaying());
        QVERIFY(engine->alertsArray().getNumAlerts() == 1 && text(Egg) == "00:02:00");
        seconds(119);
        QCOMPARE(notices.size(), 2);
        seconds(1);
        QVERIFY(notices.size() == 3 && output->isPlaying());
        const QString egg = id(Egg);
        list.removeAt(Egg);
        engine->snooze(egg);
        QVERIFY(engine->alertsArray().isEmpty() && output->isPlaying());
    }
    void pauseKeepsTheSecondsAndOnlyAStartClosesTheWindow() {
        changeSettings([](Settings& s) { s.hideWhenTimerStarts = true; });
        QSignalSpy closes(engine.get(), &TimerEngine::closeWindowRequested);
        click(Tea);
        advance(18 * second);
        pause(Tea);
        advance(60 * second);
        engine->tick(id(Tea));  // a stray tick does not move it either
        QVERIFY(text(Tea) == "Paused 00:02:42" && badge.counts.last() == 1);  // still counted
        click(Tea);  // resumes: neither restarted nor stopped
        advance(second);
        QCOMPARE(text(Tea), "00:02:41");
        click(Tea);
        QVERIFY(text(Tea) == "3m" && !engine->scheduler().isArmed());  // stopped: no more ticks
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
    }
    void keptInTheStoreAsTheyChange() {
        startKeeping();
        click(Egg);
        QCOMPARE(kept("Egg").dueAt, dueIn(300));
        seconds(30);
        store->refuseNext(1);  // tried again at the next change, whichever it is
        pause(Egg);
        QCOMPARE(kept("Egg").dueAt, dueIn(300));
        click(Tea);
        QVERIFY(!kept("Egg").dueAt && kept("Egg").pausedLeft == 270);
        QCOMPARE(kept("Tea").dueAt, dueIn(30 + 180));
        const int writes = store->runStateWrites;
        seconds(100);
        QCOMPARE(store->runStateWrites, writes);  // ticks write nothing
        pause(Egg);                               // resumed at 10:02:10 with 270 s left
        QVERIFY(kept("Egg").dueAt == dueIn(130 + 270) && !kept("Egg").pausedLeft);
        click(Egg);
        QVERIFY(!kept("Egg").dueAt && !kept("Egg").pausedLeft);
    }
    void nextStartGoesOnWithTheTimeLeftWithinBounds() {
        startKeeping();
        for (int row : {Pasta, Tea, Egg}) click(row);  // at 10:00:00
        seconds(40);
        pause(Tea);
        seconds(10);
        quit();
        startAgain(100);  // at 10:02:30
        // Pasta was due at 10:01:00, while Dunok was closed: it rings now, once.
        QCOMPARE(QStringList({state(Pasta), state(Tea), state(Egg)}),
                 QStringList({"-", "140 paused", "150"}));
        QVERIFY(engine->isRinging());
        seconds(149);
        QCOMPARE(notices.size(), 1);
        seconds(1);  // Egg rings on time, at 10:05:00
        QCOMPARE(notices.size(), 2);
        quit();
        // Values from a hand edit or a clock far off; a timer deleted since is skipped.
        kept("Egg").dueAt = 9'000'000'000'000'000'000;
        kept("Tea").pausedLeft = -5;
        store->kept.removeIf([](const Timer& t) { return t.desc == "Pasta"; });
        startAgain(0);
        QCOMPARE(QStringList({state(Tea - 1), state(Egg - 1)}),  // Pasta's row is gone
                 QStringList({"-", QString::number(maxTimerDuration)}));
        QCOMPARE(notices.size(), 0);
    }
    // Closed while its moment passed, a routine went on without Dunok: the next start finds it
    // in the run it is in by now, silent; one that ended meanwhile rings once for its last finish.
    void aRoutineGoesOnWhileDunokIsClosed_data() {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("later");  // seconds after the quit, with 80 s of Tea left then
        QTest::addColumn<QString>("found");
        // Tea ends at 80, Egg at 380, Tea of round 2 at 560, Egg of round 2 at 860.
        QTest::newRow("in round 2") << false << 610 << "Egg 250 2 of 3";
        QTest::newRow("right after a finish") << false << 560 << "Egg 300 2 of 3";
        QTest::newRow("ended") << false << 2000 << "rang for Egg";
        // Tea every 3 minutes until stopped: run k is due 80 + (k - 1) * 180 s after the quit.
        QTest::newRow("ten hours of a reminder") << true << 36000 << "Tea 80 round 201";
    }
    void aRoutineGoesOnWhileDunokIsClosed() {
        QFETCH(bool, repeat);
        QFETCH(int, later);
        QFETCH(QString, found);
        store->byDesc("Tea").then = repeat ? WhenFinished::Repeat : WhenFinished::Start;
        store->byDesc("Tea").next = repeat ? 0 : store->byDesc("Egg").id;
        store->byDesc("Egg").then = WhenFinished::Start;
        store->byDesc("Egg").next = store->byDesc("Tea").id;
        store->byDesc("Tea").rounds = repeat ? 0 : 3;
        QVERIFY(populateArray(list, *store, sortDuration));
        startKeeping();
        click(Tea);
        seconds(100);
        quit();
        startAgain(later);
        QStringList now;
        for (const Alert& alert : engine->alertsArray().entries())
            now << QStringLiteral("%1 %2 %3")
                       .arg(list.find(alert.id)->desc)
                       .arg(alert.value)
                       .arg(roundText(alert.round, alert.rounds));
        if (notices.size() == 1 && notices.first().title.contains("Egg")) now << "rang for Egg";
        QCOMPARE(now.join(", "), found);
        if (engine->alertsArray().isEmpty())  // nothing is left to find at the start after
            QVERIFY(!kept("Egg").keptRoutine && !kept("Egg").dueAt && !kept("Tea").keptRoutine);
    }
};

QTEST_GUILESS_MAIN(TestTimerEngine)
#include "tst_timerengine.moc"
