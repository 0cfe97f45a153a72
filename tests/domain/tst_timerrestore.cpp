// Timers that run on across a quit, with both clocks moved by hand: one run
// starts and pauses timers and quits, the next finds the same store later.
#include <QTest>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerRestore.h"
#include "domain/WallClock.h"
#include "support/domain/Fakes.h"

using namespace dunok;
using std::optional;

class TestTimerRestore : public QObject {
    Q_OBJECT
    static constexpr qint64 second = 1'000'000'000;
    const QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 0), QTimeZone::utc());

    std::unique_ptr<testing::MemoryRepository> store;  // what outlives a run
    std::unique_ptr<FixedWallClock> wall;
    // One run of the program: its list, engine and keeper.
    struct Run {
        ManualClock clock;
        // Every run keeps its timers and tells each finish.
        Preferences prefs{nullptr, [] {
                              Settings settings = startSettings();
                              settings.keepTimers = true;
                              settings.sendNotification = true;
                              return settings;
                          }()};
        testing::FakeOutput output;
        TimerList list;
        testing::FakeRows rows{list, prefs};
        std::unique_ptr<TimerEngine> engine;
        std::unique_ptr<TimerRestore> restore;
        QList<FinishNotice> notices;
    };
    std::unique_ptr<Run> run;

    enum Row { Pasta, Egg, Tea };  // in duration order

    void beginRun() {
        run = std::make_unique<Run>();
        QVERIFY(populateArray(run->list, *store, sortDuration));
        run->rows.reloadAll();
        run->engine = std::make_unique<TimerEngine>(run->list, run->rows, run->prefs, run->output,
                                                    run->clock);
        run->rows.setRunning(&run->engine->alertsArray());
        run->restore = std::make_unique<TimerRestore>(run->list, *run->engine, *store, *wall);
        connect(run->engine.get(), &TimerEngine::toolbarNeedsUpdate, run->restore.get(),
                [this] { run->restore->keep(); });
        connect(run->engine.get(), &TimerEngine::finishNotification,
                [this](const FinishNotice& n) { run->notices << n; });
        run->restore->restore();
    }
    void endRun() {
        QVERIFY(run->restore->quit());
        run.reset();
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            run->clock.advanceNs(second);
            wall->advanceSecs(1);
            run->engine->scheduler().processDueTicks();
        }
    }
    Timer& kept(const char* desc) { return store->byDesc(desc); }
    optional<qint64> dueIn(qint64 secs) const { return start.addSecs(secs).toMSecsSinceEpoch(); }
    QString id(int row) const { return timerId(run->list.at(row)); }
    const Alert* entry(const QString& id) const { return run->engine->alertsArray().find(id); }
    qint64 left(Row row) const {
        const Alert* alert = entry(id(row));
        return alert ? alert->value : -1;
    }
    bool paused(Row row) const {
        const Alert* alert = entry(id(row));
        return alert && alert->isPaused;
    }

    // Pasta (60 s) and Tea (300 s) start at 10:00:00, Egg (240 s) too and is
    // paused at 10:00:40 with 200 s left; Dunok quits at 10:00:50.
    void firstRun() {
        beginRun();
        for (Row row : {Pasta, Egg, Tea}) run->engine->toggle(id(row));
        seconds(40);
        run->engine->pauseOrResume(id(Egg));
        seconds(10);
        endRun();
    }

private slots:
    void init() {
        wall = std::make_unique<FixedWallClock>(start, QTimeZone::utc());
        store = std::make_unique<testing::MemoryRepository>();
        store->addTimer("Pasta", 60);
        store->addTimer("Egg", 240);
        store->addTimer("Tea", 300);
    }
    void cleanup() { run.reset(); }

    void keptInTheStoreAsTheyChange() {
        beginRun();
        run->engine->toggle(id(Tea));
        QCOMPARE(kept("Tea").dueAt, dueIn(300));
        seconds(30);
        store->refuseNext(1);  // tried again at the next change, whichever it is
        run->engine->pauseOrResume(id(Tea));
        QCOMPARE(kept("Tea").dueAt, dueIn(300));
        run->engine->toggle(id(Egg));
        QVERIFY(!kept("Tea").dueAt);
        QCOMPARE(kept("Tea").pausedLeft, optional<qint64>(270));
        QCOMPARE(kept("Egg").dueAt, dueIn(30 + 240));
        const int writes = store->runStateWrites;
        seconds(100);  // ticks write nothing
        QCOMPARE(store->runStateWrites, writes);
        run->engine->pauseOrResume(id(Tea));  // resumed at 10:02:10 with 270 s left
        QCOMPARE(kept("Tea").dueAt, dueIn(130 + 270));
        QCOMPARE(kept("Tea").pausedLeft, optional<qint64>());
        run->engine->toggle(id(Tea));  // stopped
        QVERIFY(!kept("Tea").dueAt && !kept("Tea").pausedLeft);
    }

    void nextStartGoesOnWithTheTimeLeft() {
        firstRun();
        wall->advanceSecs(100);  // Dunok starts again at 10:02:30
        beginRun();
        QCOMPARE(left(Tea), qint64(300 - 150));
        QVERIFY(!paused(Tea));
        QCOMPARE(left(Egg), qint64(200));
        QVERIFY(paused(Egg));
        // Pasta was due at 10:01:00, while Dunok was closed: it rings now, once.
        QCOMPARE(left(Pasta), qint64(-1));
        QCOMPARE(run->notices.size(), 1);
        QVERIFY(run->engine->isRinging());
        QCOMPARE(run->engine->alertsArray().getNumAlerts(), 2);

        // Tea rings on time, at 10:05:00, and a start after that finds nothing.
        seconds(149);
        QCOMPARE(run->notices.size(), 1);
        seconds(1);
        QCOMPARE(run->notices.size(), 2);
        QCOMPARE(run->notices[1].title, QString("Tea"));
        endRun();
        beginRun();
        QCOMPARE(run->notices.size(), 0);
        QCOMPARE(run->engine->alertsArray().getNumAlerts(), 1);  // Egg, still paused
        QVERIFY(paused(Egg));
    }

    // With the preference off, what an earlier run kept is cleared and every timer starts stopped.
    void turnedOffNothingRunsOn() {
        firstRun();
        run = std::make_unique<Run>();
        Settings off = run->prefs.settings();
        off.keepTimers = false;
        run->prefs.changeForThisRun(off);
        QVERIFY(populateArray(run->list, *store, sortDuration));
        run->engine = std::make_unique<TimerEngine>(run->list, run->rows, run->prefs, run->output,
                                                    run->clock);
        TimerRestore(run->list, *run->engine, *store, *wall).restore();
        QVERIFY(run->engine->alertsArray().isEmpty() && !run->engine->isRinging());
        for (const Timer& t : std::as_const(store->kept)) QVERIFY(!t.dueAt && !t.pausedLeft);
    }

    // A moment or a time left from a hand edit or a clock far off is read
    // within the longest countdown; a timer deleted since is skipped.
    void oddKeptValuesAreBounded() {
        firstRun();
        kept("Tea").dueAt = 9'000'000'000'000'000'000;
        kept("Egg").pausedLeft = -5;
        store->kept.removeFirst();  // Pasta
        beginRun();
        QCOMPARE(run->list.size(), 2);
        QCOMPARE(run->engine->alertsArray().getNumAlerts(), 1);
        QCOMPARE(left(Row(1)), maxTimerDuration);  // Tea, now the second row
        QVERIFY(run->notices.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTimerRestore)
#include "tst_timerrestore.moc"
