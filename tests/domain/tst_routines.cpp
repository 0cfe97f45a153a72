// Routines: a timer that starts itself again or starts another when it finishes. The clock
// moves by hand, in uneven steps, so that every tick comes late.
#include <QSignalSpy>
#include <QTest>

#include "domain/ListLoading.h"
#include "domain/TimerLookup.h"
#include "support/domain/EngineFixture.h"

using namespace dunok;

class TestRoutines : public QObject, testing::EngineFixture {
    Q_OBJECT
    enum Row { Tea, Break, Egg, Work };  // in duration order
    static constexpr qint64 minute = 60 * second;
    QStringList halted;
    // The routine: what each timer does when it finishes.
    void route(Row row, WhenFinished then, Row next = Tea, int rounds = 0) {
        Timer timer = list.at(row);
        timer.then = then;
        timer.next = then == WhenFinished::Start ? list.at(next).id : 0;
        timer.rounds = rounds;
        QVERIFY(store->update(timer, nullptr));
        QVERIFY(populateArray(list, *store, sortDuration));
    }
    // Moves the clock on by that much in steps of 1.7 s.
    void run(qint64 ns) {
        for (qint64 step = 1'700'000'000; ns > 0; ns -= step) advance(std::min(step, ns));
    }
    const Alert* entry(Row row) const { return engine->alertsArray().find(id(row)); }
private slots:
    void init() {
        setUpEngine([](testing::MemoryRepository& store) {
            store.addTimer("Tea", 120);
            store.addTimer("Break", 300);
            store.addTimer("Egg", 400);
            store.addTimer("Work", 1500);
        });
        halted.clear();
        QObject::connect(engine.get(), &TimerEngine::routineHalted,
                         [this](const QString& why) { halted << why; });
    }
    void cleanup() { tearDownEngine(); }
    // Work 25 minutes, break 5, four rounds: the last break ends two hours on, to the tick.
    void fourRoundsEndOnTheMinuteWithoutDrift() {
        route(Work, WhenFinished::Start, Break, 4);
        route(Break, WhenFinished::Start, Work);
        engine->toggle(id(Work));
        run(55 * minute);
        QVERIFY(entry(Break) && roundText(entry(Break)->round, entry(Break)->rounds) == "2 of 4");
        QCOMPARE(notices.size(), 3);
        QVERIFY(notices[0].body.endsWith("\nBreak starts, 5:00"));
        QVERIFY(notices[1].body.endsWith("\nWork starts, 25:00"));
        run(65 * minute - second);
        QVERIFY(entry(Break) && left(Break) == 1 && entry(Break)->round == 4);
        advance(second);
        QVERIFY(engine->alertsArray().isEmpty() && notices.size() == 8);
        QVERIFY(!notices[7].body.contains("starts"));  // the last finish starts nothing
    }
    // Until stopped: silencing leaves it going, Stop ends it.
    void repeatsUntilStopped() {
        route(Tea, WhenFinished::Repeat);
        engine->toggle(id(Tea));
        run(5 * 2 * minute);
        QVERIFY(entry(Tea) && roundText(entry(Tea)->round, entry(Tea)->rounds) == "round 6");
        QVERIFY(engine->isRinging() && left(Tea) == 120);
        engine->toggle(id(Tea));  // a double-click while it rings
        QVERIFY(!engine->isRinging() && entry(Tea));
        engine->pauseOrResume(id(Tea));
        run(10 * minute);  // paused in the middle of the routine
        engine->pauseOrResume(id(Tea));
        run(2 * minute);
        QVERIFY(entry(Tea) && entry(Tea)->round == 7);
        QVERIFY(engine->stopTimer(id(Tea)));
        run(5 * minute);
        QVERIFY(engine->alertsArray().isEmpty() && notices.size() == 6);
    }
    // A chain that never comes back to where it began has no rounds to count, and ends.
    void aChainThatDoesNotComeBackCountsNoRounds() {
        route(Tea, WhenFinished::Start, Egg);
        engine->toggle(id(Tea));
        run(2 * minute);
        QVERIFY(entry(Egg) && entry(Egg)->round == 0 && left(Egg) == 400);
        run(400 * second);
        QVERIFY(engine->alertsArray().isEmpty() && notices.size() == 2);
    }
    // A next timer that is gone or already running: the routine ends there, said once.
    void endsWhereItCannotGoOn() {
        route(Tea, WhenFinished::Start, Egg);
        route(Egg, WhenFinished::Start, Tea);
        engine->startTimers({id(Tea), id(Egg)});
        run(2 * minute);
        QVERIFY(engine->alertsArray().getNumAlerts() == 1 && entry(Egg) && entry(Egg)->round == 1);
        QCOMPARE(halted, QStringList{"“Egg” runs already, so “Tea” started nothing."});
        engine->toggle(id(Egg));
        const TimerId egg = list.at(Egg).id;
        QVERIFY(store->remove({egg}, nullptr) && populateArray(list, *store, sortDuration));
        engine->forgetUnlisted();
        engine->toggle(id(Tea));
        run(3 * minute);
        QVERIFY(engine->alertsArray().isEmpty() && halted.size() == 1);
        QVERIFY(!notices.last().body.contains("starts"));
    }
};

QTEST_GUILESS_MAIN(TestRoutines)
#include "tst_routines.moc"
