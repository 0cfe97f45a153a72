// The alarm that repeats until silenced, and snooze, with the clock moved by
// hand. The end of a play is told by hand too, as the sound output would.
#include <QSignalSpy>
#include <QTest>

#include "domain/AlarmRing.h"
#include "domain/RunningTimers.h"
#include "support/domain/EngineFixture.h"

using namespace dunok;

class TestAlarmRing : public QObject, testing::EngineFixture {
    Q_OBJECT

    enum Row { Two, Egg, Tea };  // in duration order

    void seconds(int n) {
        for (int i = 0; i < n; ++i) advance(second);
    }
    // The sound has been heard to its end, `length` after it began.
    void playEnds(qint64 length, bool successfully = true) {
        QVERIFY(output->isPlaying());
        clock.advanceNs(length);
        output->player()->end(successfully);
        engine->scheduler().processDueTicks();
    }
    void ringTwo() {
        engine->toggle(id(Two));
        seconds(2);
        QVERIFY(engine->isRinging() && output->isPlaying());
    }

private slots:
    void init() {
        setUpEngine([](testing::MemoryRepository& store) {
            store.addTimer("Two", 2);
            store.addTimer("Egg", 240);
            store.byDesc("Egg").snoozeOn = true;
            store.byDesc("Egg").snooze = 120;
            store.addTimer("Tea", 300);
        });
    }
    void cleanup() { tearDownEngine(); }

    // Repeating over an output that broke down would only keep time with nothing heard.
    void playsOnceWhenRepeatIsOffOrTheOutputBreaks_data() {
        QTest::addColumn<bool>("repeat");
        QTest::newRow("repeat off") << false;
        QTest::newRow("output broke down") << true;
    }
    void playsOnceWhenRepeatIsOffOrTheOutputBreaks() {
        QFETCH(bool, repeat);
        changeSettings([&](Settings& s) { s.repeatAlarm = repeat; });
        QSignalSpy toolbar(engine.get(), &TimerEngine::toolbarNeedsUpdate);
        ringTwo();
        toolbar.clear();
        playEnds(3 * second, !repeat);
        QVERIFY(!engine->isRinging());
        QVERIFY(toolbar.count() > 0);  // Silence is no longer on offer
        seconds(5);
        QVERIFY(!output->isPlaying() && output->player()->plays() == 1);
    }

    void repeatsAfterAPauseUntilItsLimit() {
        changeSettings([](Settings& s) {
            s.repeatAlarm = true;
            s.repeatLimitMinutes = 1;
        });
        ringTwo();
        changeSettings([](Settings& s) { s.volume = 0.75; });
        testing::FakePlay* alarm = output->player();
        int plays = 1;
        // Twenty seconds of sound a time: plays begin at 0, 21 and 42 s; the
        // one after 63 s would start past the minute.
        while (true) {
            playEnds(20 * second);
            if (!engine->isRinging()) break;
            QVERIFY(!output->isPlaying());  // the pause
            advance(AlarmRing::repeatPauseNs - 1);
            QVERIFY(!output->isPlaying());
            advance(1);
            QVERIFY(output->isPlaying());
            QCOMPARE(output->player(), alarm);  // the decoded sound is kept, not loaded again
            QCOMPARE(alarm->volume(), 0.75);    // a change of volume counts from the next play
            ++plays;
            QVERIFY(plays < 10);
        }
        QCOMPARE(plays, 3);
        seconds(5);
        QVERIFY(!output->isPlaying());
    }

    void everyWayOfSilencingEndsTheRepeat_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("inPause");
        for (const char* how : {"silence", "double-click", "mouse", "notification", "dismissed",
                                "reset", "new finish", "preview"}) {
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
        QPointF mouse(10, 10);
        engine->setCursorSource([&mouse] { return mouse; });
        if (how == "new finish") engine->toggle(id(Egg));
        ringTwo();
        const QString ringing = id(Two);
        if (inPause) playEnds(3 * second);
        QVERIFY(engine->isRinging());

        if (how == "silence") engine->silence();
        if (how == "double-click") engine->toggle(id(Two));
        if (how == "mouse") {
            mouse = QPointF(11, 10);
            advance(second / 2);
        }
        if (how == "notification") engine->notificationClicked(ringing);
        if (how == "dismissed") engine->notificationDismissed(ringing);
        if (how == "reset") engine->stopAll();
        if (how == "new finish") seconds(240 - 2 - (inPause ? 4 : 0));
        if (how == "preview") QVERIFY(output->play(QStringLiteral("Chimes"), prefs->settings()));

        QCOMPARE(engine->isRinging(), how == "new finish");
        testing::FakePlay* after = output->player();
        const bool soundAfter = output->isPlaying();
        seconds(3);
        if (how == "new finish") {
            QCOMPARE(notices.last().timerId, id(Egg));  // the egg rings, Two is over
            QVERIFY(output->isPlaying());
        } else {
            // Nothing of Two's comes back: what plays now is the preview, or nothing.
            QCOMPARE(output->player(), after);
            QCOMPARE(output->isPlaying(), soundAfter);
            QCOMPARE(soundAfter, how == "preview");
        }
    }

    void snoozeRunsTheTimerAgainForItsSnoozeLength() {
        engine->toggle(id(Egg));
        seconds(240);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].snoozeLabel, QStringLiteral("Snooze 2m"));
        QVERIFY(engine->isRinging() && engine->alertsArray().isEmpty());

        engine->snooze(id(Egg));
        QVERIFY(!engine->isRinging() && !output->isPlaying());
        QCOMPARE(engine->alertsArray().getNumAlerts(),
                 1);  // counted in the badge and the status line
        QCOMPARE(engine->alertsArray().at(0).value, 120);
        QCOMPARE(text(Egg), QStringLiteral("00:02:00"));
        engine->snooze(id(Egg));  // a second snooze while it runs changes nothing
        QCOMPARE(engine->alertsArray().getNumAlerts(), 1);
        seconds(119);
        QCOMPARE(notices.size(), 1);
        seconds(1);
        QCOMPARE(notices.size(), 2);  // on time, and it can snooze again
        QCOMPARE(notices[1].snoozeLabel, QStringLiteral("Snooze 2m"));
        QVERIFY(engine->isRinging() && engine->alertsArray().isEmpty());
    }

    void snoozeForwhatCannotSnoozeDoesNothing() {
        ringTwo();
        QVERIFY(notices[0].snoozeLabel.isEmpty());  // Two has no snooze
        engine->snooze(id(Two));
        QVERIFY(engine->alertsArray().isEmpty());
        // A timer deleted since its notification went up, or an id from
        // nowhere: no entry, no crash, and the alarm of another timer rings on.
        engine->toggle(id(Egg));
        seconds(240);
        const QString egg = id(Egg);
        list.removeAt(Egg);
        engine->snooze(egg);
        engine->snooze(QString());
        engine->snooze(QStringLiteral("x-dunok://nowhere/Timers/p99"));
        QVERIFY(engine->alertsArray().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAlarmRing)
#include "tst_alarmring.moc"
