// Time added to a timer that runs, waits paused or has just finished. The clock moves by hand.
#include <QSignalSpy>
#include <QTest>

#include "support/domain/EngineFixture.h"

using namespace dunok;
using Add = TimerEngine::AddTime;

class TestAddTime : public QObject, testing::EngineFixture {
    Q_OBJECT
    enum Row { Three, Tea };  // in duration order

    Add add(int row, qint64 seconds) { return engine->addTime(id(row), seconds); }

private slots:
    void init() {
        setUpEngine([](testing::MemoryRepository& store) {
            store.addTimer("Three", 3);
            store.addTimer("Tea", 180);
        });
    }
    void cleanup() { tearDownEngine(); }

    void runningAndPausedTimersCountOnFromTheLongerTime() {
        engine->toggle(id(Tea));
        advance(second);
        QCOMPARE(add(Tea, 60), Add::Added);
        QCOMPARE(left(Tea), 239);
        QCOMPARE(text(Tea), QStringLiteral("00:03:59"));
        advance(second);
        QCOMPARE(left(Tea), 238);

        engine->pauseOrResume(id(Tea));
        QCOMPARE(add(Tea, 300), Add::Added);
        QCOMPARE(text(Tea), QStringLiteral("Paused 00:08:58"));
        advance(10 * second);  // paused: nothing counts
        QCOMPARE(left(Tea), 538);
        QCOMPARE(engine->stateOf(id(Tea)), TimerState::Paused);
        // The timer itself keeps its length for the next start.
        QCOMPARE(list.at(Tea).duration, 180);
    }

    void aMinuteAddedAtTheLastSecondPutsTheFinishOff() {
        engine->toggle(id(Three));
        advance(2 * second);
        QCOMPARE(add(Three, 60), Add::Added);
        advance(60 * second);
        QCOMPARE(engine->stateOf(id(Three)), TimerState::Running);
        QVERIFY(notices.isEmpty() && !engine->isRinging());
        advance(second);
        QCOMPARE(engine->stateOf(id(Three)), TimerState::Finished);
        QCOMPARE(notices.size(), 1);
    }

    void aFinishedTimerFallsSilentAndRunsAgainForTheAddedTime() {
        engine->toggle(id(Three));
        advance(3 * second);
        QVERIFY(engine->isRinging());
        QSignalSpy refreshes(engine.get(), &TimerEngine::toolbarNeedsUpdate);
        QCOMPARE(add(Three, 60), Add::Added);
        QVERIFY(!engine->isRinging());
        QVERIFY(refreshes.count() > 0);  // also what keeps the new due moment for a restart
        QCOMPARE(engine->stateOf(id(Three)), TimerState::Running);
        QCOMPARE(left(Three), 60);
        advance(60 * second);
        QCOMPARE(notices.size(), 2);
    }

    void refusalsChangeNothing() {
        QCOMPARE(engine->addTime(QStringLiteral("no-such-id"), 60), Add::UnknownTimer);
        QCOMPARE(add(Tea, 60), Add::NotRunning);  // stopped
        engine->toggle(id(Tea));
        QCOMPARE(add(Tea, 0), Add::BadAmount);
        QCOMPARE(add(Tea, -60), Add::BadAmount);
        QCOMPARE(add(Tea, TimerEngine::longestAddedTimeLeft - 179), Add::TooLong);
        QCOMPARE(left(Tea), 180);
        QCOMPARE(add(Tea, TimerEngine::longestAddedTimeLeft - 180), Add::Added);
        QCOMPARE(left(Tea), TimerEngine::longestAddedTimeLeft);
    }
};

QTEST_GUILESS_MAIN(TestAddTime)
#include "tst_addtime.moc"
