// Time added to a timer that runs, waits paused or has just finished. The clock moves by hand.
#include <QSignalSpy>
#include <QTest>

#include "domain/Badge.h"
#include "support/domain/EngineFixture.h"

using namespace dunok;
using Add = TimerEngine::AddTime;

class TestAddTime : public QObject, testing::EngineFixture {
    Q_OBJECT
    enum Row { Three, Tea };  // in duration order
    Add add(int row, qint64 seconds) { return engine->addTime(id(row), seconds); }
    TimerState state(int row) const { return engine->stateOf(id(row)); }
    // What the launcher entry and the tray's pie show of the run due first.
    double progress() const {
        const auto next = nextFinish(engine->alertsArray(), list);
        return next ? next->progress() : -1.0;
    }
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
        QVERIFY(left(Tea) == 239 && text(Tea) == "00:03:59");
        advance(second);
        QCOMPARE(left(Tea), 238);
        engine->pauseOrResume(id(Tea));
        QCOMPARE(add(Tea, 300), Add::Added);
        QCOMPARE(text(Tea), QStringLiteral("Paused 00:08:58"));
        advance(10 * second);  // paused: nothing counts
        QVERIFY(left(Tea) == 538 && state(Tea) == TimerState::Paused);
        QCOMPARE(list.at(Tea).duration, 180);  // the timer keeps its length for the next start
    }
    void aMinuteAddedAtTheLastSecondPutsTheFinishOff() {
        engine->toggle(id(Three));
        advance(2 * second);
        QCOMPARE(add(Three, 60), Add::Added);
        advance(60 * second);
        QVERIFY(state(Three) == TimerState::Running && notices.isEmpty() && !engine->isRinging());
        advance(second);
        QVERIFY(state(Three) == TimerState::Finished && notices.size() == 1);
    }
    void aFinishedTimerFallsSilentAndRunsAgainForTheAddedTime() {
        engine->toggle(id(Three));
        advance(3 * second);
        QVERIFY(engine->isRinging());
        QSignalSpy refreshes(engine.get(), &TimerEngine::toolbarNeedsUpdate);
        QCOMPARE(add(Three, 60), Add::Added);
        QVERIFY(!engine->isRinging() && state(Three) == TimerState::Running && left(Three) == 60);
        QVERIFY(refreshes.count() > 0);  // also what keeps the new due moment for a restart
        advance(60 * second);
        QCOMPARE(notices.size(), 2);
    }
    // The added time lengthens the run: what is shown of it goes on moving
    // each second, not standing still until less than the timer's own length is left.
    void theProgressShownMovesOnThroughTheAddedTime() {
        engine->toggle(id(Tea));
        advance(60 * second);
        QCOMPARE(progress(), 60.0 / 180);
        add(Tea, 60);
        QCOMPARE(progress(), 60.0 / 240);
        advance(60 * second);
        QCOMPARE(progress(), 120.0 / 240);
        engine->toggle(id(Tea));
        engine->toggle(id(Three));
        advance(3 * second);
        add(Three, 60);
        QCOMPARE(progress(), 0.0);
        advance(second);
        QCOMPARE(progress(), 1.0 / 60);
        // A finished timer longer than the minute added starts its new run from nothing too.
        engine->toggle(id(Three));
        engine->toggle(id(Tea));
        advance(180 * second);
        add(Tea, 60);
        QCOMPARE(progress(), 0.0);
    }
    void refusalsChangeNothing() {
        QCOMPARE(engine->addTime(QStringLiteral("no-such-id"), 60), Add::UnknownTimer);
        QCOMPARE(add(Tea, 60), Add::NotRunning);  // stopped
        engine->toggle(id(Tea));
        QVERIFY(add(Tea, 0) == Add::BadAmount && add(Tea, -60) == Add::BadAmount);
        QCOMPARE(add(Tea, longestAddedTime - 179), Add::TooLong);
        QCOMPARE(left(Tea), 180);
        QCOMPARE(add(Tea, longestAddedTime - 180), Add::Added);
        QCOMPARE(left(Tea), longestAddedTime);
    }
};

QTEST_GUILESS_MAIN(TestAddTime)
#include "tst_addtime.moc"
