// Timers that run on across a quit, with both clocks moved by hand: one run
// starts and pauses timers and quits, the next opens the same store later.
#include <QFile>
#include <QTest>

#include "desktop/Alarm.h"
#include "domain/ListLoading.h"
#include "domain/RunningTimers.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "domain/TimerRestore.h"
#include "domain/WallClock.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"
#include "ui/TimerTableModel.h"

using namespace dunok;
using testing::sql;

class TestTimerRestore : public QObject {
    Q_OBJECT
    static constexpr qint64 second = 1'000'000'000;
    const QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 0), QTimeZone::utc());

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<FixedWallClock> wall;
    // One run of the program: its store, list, engine and keeper.
    struct Run {
        ManualClock clock;
        // Every run keeps its timers and tells each finish.
        Preferences prefs{nullptr, [] {
                              Settings settings = startSettings();
                              settings.keepTimers = true;
                              settings.sendNotification = true;
                              return settings;
                          }()};
        std::unique_ptr<SharedPlayer> player = std::make_unique<SharedPlayer>();
        std::unique_ptr<testing::StoreFixture> store;
        TimerList list;
        std::unique_ptr<TimerTableModel> model;
        std::unique_ptr<TimerEngine> engine;
        std::unique_ptr<TimerRestore> restore;
        QList<FinishNotice> notices;
    };
    std::unique_ptr<Run> run;

    enum Row { Pasta, Egg, Tea };  // in duration order

    void beginRun(const QString& store = {}, int sort = sortDuration) {
        run = std::make_unique<Run>();
        run->store =
            std::make_unique<testing::StoreFixture>(store.isEmpty() ? home->storePath() : store);
        QVERIFY(populateArray(run->list, run->store->store(), sort));
        run->model = std::make_unique<TimerTableModel>(run->prefs, run->list);
        run->model->reloadData();
        run->engine = std::make_unique<TimerEngine>(run->list, *run->model, run->prefs,
                                                    *run->player, run->clock);
        run->model->setRunning(&run->engine->alertsArray());
        run->restore = std::make_unique<TimerRestore>(run->list, *run->engine, run->store->store());
        connect(run->engine.get(), &TimerEngine::toolbarNeedsUpdate, run->restore.get(),
                [this] { run->restore->keep(); });
        connect(run->engine.get(), &TimerEngine::finishNotification,
                [this](const FinishNotice& n) { run->notices << n; });
        run->restore->restore();
    }
    void endRun() {
        run->restore->quit();
        run.reset();
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            run->clock.advanceNs(second);
            wall->advanceSecs(1);
            run->engine->scheduler().processDueTicks();
        }
    }
    QString stored(const char* column, Row row) {
        static const char* names[] = {"Pasta", "Egg", "Tea"};
        return sql(home->storePath(), QStringLiteral("SELECT %1 FROM Timers WHERE desc = '%2'")
                                          .arg(column, names[row]))
            .value(0);
    }
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
        home = std::make_unique<testing::TestHome>();
        wall = std::make_unique<FixedWallClock>(start, QTimeZone::utc());
        setWallClock(wall.get());
        {
            testing::StoreFixture store(home->storePath());
            store.addTimer("Pasta", 60);
            store.addTimer("Egg", 240);
            store.addTimer("Tea", 300);
        }
    }
    void cleanup() {
        run.reset();
        setWallClock(nullptr);
    }

    // A store of the layout before the order had a column of its own: its
    // kept runs go on under the ids they had, in the rows of the upgraded
    // list. "5 minutes" (id 3) was paused with 300 s left, "1 hour" (id 14)
    // due at the moment below.
    void keptTimersRunOnAfterTheUpgrade() {
        const QString path = home->path() + "/layout2.sqlite";
        QVERIFY(QFile::copy(DUNOK_TEST_DATA_DIR "/TimerModel-v2.sqlite", path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        wall->setNow(QDateTime::fromMSecsSinceEpoch(1796681150356 - 600'000));
        beginRun(path, sortNone);
        QCOMPARE(run->engine->alertsArray().getNumAlerts(), 2);
        const Alert *paused = entry("3"), *running = entry("14");
        QVERIFY(paused && running);
        QVERIFY(paused->isPaused && paused->value == 300);
        QVERIFY(!running->isPaused && running->value == 600);
        QCOMPARE(run->list.find("14")->desc, QString("1 hour"));
        endRun();
    }

    void keptInTheStoreAsTheyChange() {
        beginRun();
        run->engine->toggle(id(Tea));
        const QString due = QString::number(start.addSecs(300).toMSecsSinceEpoch());
        QCOMPARE(stored("dueAt", Tea), due);
        seconds(30);  // ticks write nothing new
        QCOMPARE(stored("dueAt", Tea), due);
        run->engine->pauseOrResume(id(Tea));
        QCOMPARE(stored("dueAt", Tea), QString("NULL"));
        QCOMPARE(stored("pausedLeft", Tea), QString("270"));
        seconds(100);
        run->engine->pauseOrResume(id(Tea));  // resumed at 10:02:10 with 270 s left
        QCOMPARE(stored("dueAt", Tea),
                 QString::number(start.addSecs(130 + 270).toMSecsSinceEpoch()));
        QCOMPARE(stored("pausedLeft", Tea), QString("NULL"));
        run->engine->toggle(id(Tea));  // stopped
        QCOMPARE(stored("dueAt", Tea), QString("NULL"));
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

    // A moment or a time left from a hand edit or a clock far off is read
    // within the longest countdown; a timer deleted since is skipped.
    void oddKeptValuesAreBounded() {
        firstRun();
        QVERIFY(sql(home->storePath(),
                    "UPDATE Timers SET dueAt = 9000000000000000000 WHERE desc = 'Tea';"
                    "UPDATE Timers SET pausedLeft = -5 WHERE desc = 'Egg';"
                    "DELETE FROM Timers WHERE desc = 'Pasta'")
                    .isEmpty());
        beginRun();
        QCOMPARE(run->list.size(), 2);
        QCOMPARE(run->engine->alertsArray().getNumAlerts(), 1);
        QCOMPARE(left(Row(1)), maxTimerDuration);  // Tea, now the second row
        QVERIFY(run->notices.isEmpty());
    }
};

QTEST_MAIN(TestTimerRestore)
#include "tst_timerrestore.moc"
