// The tick scheduler: when ticks come due, what a late pass or a long sleep
// delivers, and that invalidating or scheduling from inside a tick is safe.
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/TickScheduler.h"

using namespace dunok;

namespace {

constexpr qint64 kSec = 1'000'000'000;
constexpr qint64 kT0 = 7 * kSec;  // not zero, so that a due time missing its start shows

struct Call {
    char id;
    qint64 dueNs;
};

QTimer* timerOf(TickScheduler& scheduler) {
    return scheduler.findChild<QTimer*>();
}

// A source whose callback holds its own handle, as a timer that stops itself
// at zero does.
std::weak_ptr<TickSource> scheduleSelfHolding(TickScheduler& scheduler,
                                              std::function<void(TickSource&)> tick) {
    auto holder = std::make_shared<std::shared_ptr<TickSource>>();
    *holder = scheduler.schedule([holder, tick] { tick(**holder); });
    return *holder;
}

}  // namespace

class TestTickScheduler : public QObject {
    Q_OBJECT
private slots:
    void ticksComeDueAtWholeIntervalsFromStart();
    void latePassesNeitherDriftNorRepeat();
    void catchUpDeliversEveryMissedTickInOrder();
    void invalidateStopsCallsMidCatchUp();
    void callbacksMayScheduleSources();
    void idleSchedulerArmsNothing();
    void closeTicksShareOneWakeUp();
    void ticksKeepComingDuringModalDialog_data();
    void ticksKeepComingDuringModalDialog();
};

void TestTickScheduler::ticksComeDueAtWholeIntervalsFromStart() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    int calls = 0;
    auto handle = scheduler.schedule([&] { ++calls; });
    QVERIFY(scheduler.isArmed());
    QCOMPARE(timerOf(scheduler)->interval(), 1000);

    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(scheduler.nextDueNs(), kT0 + k * kSec);
        // The timer fired a nanosecond early (it is single-shot: now stopped).
        clock.setNs(kT0 + k * kSec - 1);
        timerOf(scheduler)->stop();
        scheduler.processDueTicks();
        QCOMPARE(calls, k - 1);
        // One nanosecond to go must still wait a whole millisecond, not spin.
        QVERIFY(scheduler.isArmed());
        QCOMPARE(timerOf(scheduler)->interval(), 1);
        clock.setNs(kT0 + k * kSec);
        scheduler.processDueTicks();
        QCOMPARE(calls, k);
        QCOMPARE(timerOf(scheduler)->interval(), 1000);
    }
}

void TestTickScheduler::latePassesNeitherDriftNorRepeat() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    std::vector<qint64> dues;
    auto handle = scheduler.schedule([&] { dues.push_back(scheduler.currentTickDueNs()); });

    clock.setNs(kT0 + 1'700'000'000);
    scheduler.processDueTicks();
    QCOMPARE(dues, std::vector<qint64>{kT0 + kSec});
    QCOMPARE(scheduler.nextDueNs(), kT0 + 2 * kSec);
    QCOMPARE(timerOf(scheduler)->interval(), 300);

    clock.setNs(kT0 + 2'500'000'000);
    scheduler.processDueTicks();
    QCOMPARE(dues, (std::vector<qint64>{kT0 + kSec, kT0 + 2 * kSec}));
    QCOMPARE(scheduler.nextDueNs(), kT0 + 3 * kSec);
    QCOMPARE(scheduler.currentTickDueNs(), qint64(-1));
}

void TestTickScheduler::catchUpDeliversEveryMissedTickInOrder() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    std::vector<Call> calls;
    auto record = [&](char id) {
        return [&calls, &scheduler, id] { calls.push_back({id, scheduler.currentTickDueNs()}); };
    };
    // a and c share every whole second; b runs 0.3 s out of phase.
    auto a = scheduler.schedule(record('a'));
    auto c = scheduler.schedule(record('c'), kSec / 2);
    clock.advanceNs(300'000'000);
    auto b = scheduler.schedule(record('b'));

    clock.setNs(kT0 + 3600 * kSec + 300'000'000);  // an hour asleep
    scheduler.processDueTicks();

    QCOMPARE(calls.size(), size_t(4 * 3600));
    const std::map<char, std::pair<qint64, qint64>> startAndInterval = {
        {'a', {kT0, kSec}}, {'b', {kT0 + 300'000'000, kSec}}, {'c', {kT0, kSec / 2}}};
    std::map<char, qint64> seen;
    for (size_t i = 0; i < calls.size(); ++i) {
        const auto [start, interval] = startAndInterval.at(calls[i].id);
        QCOMPARE(calls[i].dueNs, start + ++seen[calls[i].id] * interval);
        if (i == 0) continue;
        QVERIFY(calls[i - 1].dueNs <= calls[i].dueNs);
        if (calls[i - 1].dueNs == calls[i].dueNs) {
            QCOMPARE(calls[i - 1].id, 'a');  // scheduled first, so first on a tie
            QCOMPARE(calls[i].id, 'c');
        }
    }
    QCOMPARE(seen['a'], 3600);
    QCOMPARE(seen['b'], 3600);
    QCOMPARE(seen['c'], 7200);
    QCOMPARE(scheduler.nextDueNs(), kT0 + 3600 * kSec + kSec / 2);
}

void TestTickScheduler::invalidateStopsCallsMidCatchUp() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    int aCalls = 0, bCalls = 0, cCalls = 0, dCalls = 0;
    const auto a = scheduleSelfHolding(scheduler, [&](TickSource& self) {
        if (++aCalls == 3) self.invalidate();
    });
    std::shared_ptr<TickSource> b;
    std::weak_ptr<TickSource> d;
    auto c = scheduler.schedule([&] {
        // d is due at this very moment too, right behind c.
        if (++cCalls == 2) {
            b->invalidate();
            if (auto source = d.lock()) source->invalidate();
        }
    });
    d = scheduleSelfHolding(scheduler, [&](TickSource&) { ++dCalls; });
    clock.advanceNs(300'000'000);
    b = scheduler.schedule([&] { ++bCalls; });

    clock.setNs(kT0 + 10 * kSec + kSec / 2);
    scheduler.processDueTicks();
    QCOMPARE(aCalls, 3);
    QCOMPARE(bCalls, 1);
    QCOMPARE(cCalls, 10);
    QCOMPARE(dCalls, 1);
    // Invalidated, they go with their callbacks instead of keeping themselves alive.
    QVERIFY(a.expired() && d.expired());
    QVERIFY(!b->isValid() && c->isValid());
    QCOMPARE(scheduler.activeCount(), 1);

    c->invalidate();
    clock.advanceNs(5 * kSec);
    scheduler.processDueTicks();
    QCOMPARE(cCalls, 10);
}

void TestTickScheduler::callbacksMayScheduleSources() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    std::vector<Call> calls;
    std::vector<std::shared_ptr<TickSource>> started;
    auto a = scheduler.schedule([&] {
        calls.push_back({'a', scheduler.currentTickDueNs()});
        if (calls.size() == 1) {
            started.push_back(scheduler.schedule([&] {
                calls.push_back({'b', scheduler.currentTickDueNs()});
            }));
        }
    });

    // b starts when a's catch-up runs, at the clock's reading, and so owes nothing yet.
    clock.setNs(kT0 + 5 * kSec);
    scheduler.processDueTicks();
    QCOMPARE(calls.size(), size_t(5));
    QCOMPARE(scheduler.activeCount(), 2);
    QCOMPARE(scheduler.nextDueNs(), kT0 + 6 * kSec);

    clock.setNs(kT0 + 6 * kSec);
    scheduler.processDueTicks();
    QCOMPARE(calls.size(), size_t(7));
    QCOMPARE(calls[5].id, 'a');
    QCOMPARE(calls[6].id, 'b');
    QCOMPARE(calls[6].dueNs, kT0 + 6 * kSec);
}

void TestTickScheduler::closeTicksShareOneWakeUp() {
    ManualClock clock(kT0);
    TickScheduler scheduler(clock);
    scheduler.setCoalescingNs(3'000'000);
    QStringList calls;
    std::vector<std::shared_ptr<TickSource>> sources;
    // Started 0, 1, 2.5 and 5 ms apart.
    for (qint64 offsetUs : {0, 1000, 2500, 5000}) {
        clock.setNs(kT0 + offsetUs * 1000);
        sources.push_back(
            scheduler.schedule([&calls, offsetUs] { calls << QString::number(offsetUs); }));
    }
    // One wake-up for the first three, at the last of them; the fourth is too far.
    QCOMPARE(scheduler.nextDueNs(), kT0 + 1'000'000'000);
    QCOMPARE(scheduler.plannedWakeNs(), kT0 + 1'002'500'000);
    clock.setNs(kT0 + 1'002'500'000);
    scheduler.processDueTicks();
    QCOMPARE(calls, QStringList({"0", "1000", "2500"}));
    QCOMPARE(scheduler.plannedWakeNs(), kT0 + 1'005'000'000);

    // The next round keeps the grouping, each tick still k seconds from its start.
    sources[3]->invalidate();
    clock.setNs(kT0 + 2'002'500'000);
    scheduler.processDueTicks();
    QCOMPARE(calls.size(), 6);
    QCOMPARE(scheduler.plannedWakeNs(), kT0 + 3'002'500'000);
    for (auto& source : sources) source->invalidate();

    // Ticks due at the same moment wait for nothing.
    clock.setNs(kT0);
    auto a = scheduler.schedule([] {});
    auto b = scheduler.schedule([] {});
    QCOMPARE(scheduler.plannedWakeNs(), kT0 + kSec);
    a->invalidate();
    b->invalidate();
    QCOMPARE(scheduler.plannedWakeNs(), -1);
}

void TestTickScheduler::idleSchedulerArmsNothing() {
    ManualClock clock(kT0);
    auto scheduler = std::make_unique<TickScheduler>(clock);
    QCOMPARE(scheduler->nextDueNs(), qint64(-1));
    QVERIFY(!scheduler->isArmed());
    scheduler->processDueTicks();
    QVERIFY(!scheduler->isArmed());

    std::shared_ptr<TickSource> once;
    once = scheduler->schedule([&] {
        // Stops and lets go of itself in its own tick, as a finished timer does.
        once->invalidate();
        once.reset();
    });
    auto twice = scheduler->schedule([] {}, 2 * kSec);

    // A wake-up with nothing due yet only re-arms.
    clock.advanceNs(kSec / 2);
    scheduler->processDueTicks();
    QVERIFY(scheduler->isArmed());
    QCOMPARE(scheduler->activeCount(), 2);

    clock.advanceNs(kSec / 2);
    scheduler->processDueTicks();
    QCOMPARE(scheduler->activeCount(), 1);
    QCOMPARE(scheduler->nextDueNs(), kT0 + 2 * kSec);
    QVERIFY(scheduler->isArmed());
    twice->invalidate();
    QVERIFY(!scheduler->isArmed());
    QCOMPARE(scheduler->nextDueNs(), qint64(-1));

    // Dropping a handle does not stop the source, and a handle may outlive its scheduler.
    int dropped = 0;
    auto orphan = scheduler->schedule([] {});
    scheduler->schedule([&] { ++dropped; });
    clock.advanceNs(kSec);
    scheduler->processDueTicks();
    QCOMPARE(dropped, 1);
    scheduler.reset();
    QVERIFY(!orphan->isValid());
    orphan->invalidate();
}

void TestTickScheduler::ticksKeepComingDuringModalDialog_data() {
    QTest::addColumn<bool>("fromTick");
    QTest::newRow("opened by a single-shot") << false;
    // As a finish message is: the tick that opened it is still running.
    QTest::newRow("opened inside a tick") << true;
}

void TestTickScheduler::ticksKeepComingDuringModalDialog() {
    QFETCH(bool, fromTick);
    TickScheduler scheduler;  // the real clock: the dialog's own loop has to fire the timer
    QDialog dialog;
    int whileOpen = 0;
    bool closed = false;
    auto handle = scheduler.schedule(
        [&] {
            if (dialog.isVisible() && ++whileOpen == 5) dialog.accept();
        },
        20'000'000);
    auto open = [&] {
        dialog.exec();
        closed = true;
    };
    std::shared_ptr<TickSource> opener;
    if (fromTick) {
        opener = scheduler.schedule(
            [&] {
                opener->invalidate();
                open();
            },
            10'000'000);
    } else {
        QTimer::singleShot(0, &dialog, open);
    }
    // Should the ticks stop, the dialog still closes and the count tells.
    QTimer::singleShot(10'000, &dialog, &QDialog::reject);
    QTRY_VERIFY_WITH_TIMEOUT(closed, 15'000);
    QCOMPARE(whileOpen, 5);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestTickScheduler)
#include "tst_tickscheduler.moc"
