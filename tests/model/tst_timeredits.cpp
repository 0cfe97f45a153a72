// The stored list: a new user's ready-made timers, one of them failing to
// save, duplicating and deleting timers in the list, the store and the
// running timers, the sort cycle, where dropped rows land, and how a drop
// rewrites the store.
#include <QTest>

#include "model/ListOrder.h"
#include "model/Preferences.h"
#include "model/Store.h"
#include "model/TimerEdits.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestTimerEdits : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    static QString names() { return testing::descriptions().join(","); }
    QStringList storedList() const { return testing::storedDescriptions(store->context().path()); }
    QString stored() const { return storedList().join(","); }
    // An empty store in place of the lettered timers.
    void emptyStore() {
        store.reset();
        store = std::make_unique<testing::StoreFixture>(home->path() + "/empty.sqlite");
    }
    // A first run, sorted by time: the timers stored as 43210 show as 01234.
    void numberedStore() {
        emptyStore();
        for (int i = 4; i >= 0; --i) store->addTimer(QString::number(i), 100 + i);
        PreferenceStore file(home->prefsPath());
        Preferences prefs(&file);
        prefs.load();
        QVERIFY(populateArray(prefs.settings().sort));
    }
    static QString shownOrder() { return testing::descriptions().join(""); }
    QString storedOrder() const { return storedList().join(""); }
private slots:
    void init() {
        store.reset();
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        store->addTimer("A", 300, "Harp")->setValue(TimersKeys::snoozeOn, true);
        for (const char* name : {"B", "C", "D", "E"}) store->addTimer(name, 30);  // saves A too
        QVERIFY(populateArray(sortNone));
    }
    void duplicateStoresACopyThatListsLast() {
        const TimerRecord copy = duplicateTimer(0);
        QVERIFY(copy && !copy->value(TimersKeys::snoozeOn).toBool());  // the original's alone
        QCOMPARE(stored(), "A,B,C,D,E,A");
        QVERIFY(timerDuration(copy) == 300 && timerSound(copy) == "Harp");
    }
    void deletingEndsTheTimersAndAFailedSaveChangesNothing() {
        for (int row : {1, 3, 4})
            alertsArray << testing::runningAlert(timersArray[row], 60, row == 3);
        auto tick = alertsArray[0].theTimer;
        store->context().failNextWrites(1);  // D, the last row, goes first and fails
        QCOMPARE(deleteTimerRows({1, 3}), 1);
        QCOMPARE(names(), "A,C,D,E");
        QVERIFY(!tick->isValid());
        QCOMPARE(alertsArray.size(), 2);  // D stays paused
        store->addTimer("F", 5);          // a later save must not take D out behind the list's back
        QCOMPARE(stored(), "A,C,D,E,F");
        QVERIFY(populateArray(sortNone));
        QCOMPARE(deleteTimerRows({1, 3}), 2);  // rows 1 and 3 of five: C and the running E
        QCOMPARE(names(), "A,D,F");
        QCOMPARE(stored(), "A,D,F");
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].row, qint64(1));  // D's ticks redraw its new row
    }

    void defaultTimersOnlyOnAFirstStart() {
        emptyStore();
        PreferenceStore file(home->prefsPath());
        Preferences prefs(&file);
        prefs.load();  // first run
        QVERIFY(populateArray(prefs.settings().sort) &&
                needsDefaultTimers(prefs.settings().newDatabase));
        markDefaultTimersCreated(prefs);
        // as for a list the user emptied
        QVERIFY(!needsDefaultTimers(prefs.settings().newDatabase));
        QVERIFY(!PreferenceStore(home->prefsPath()).boolean(PrefKeys::newDatabase));
        createDefaultEntries(prefs.defSound());
        QStringList table;  // stored in the table's order
        for (const auto& timer : defaultTimers()) table << timer.first;
        QCOMPARE(storedList(), table);
        QCOMPARE(timerSound(timersArray.first()), Constants::defSound);
        // A store holding timers gets none.
        QVERIFY(populateArray(sortNone) && !needsDefaultTimers(true));
    }

    void oneFailedDefaultDoesNotStopTheOthers() {
        emptyStore();
        store->context().failNextWrites(1);
        createDefaultEntries(Constants::defSound);  // says "Could not save. ..." once
        QCOMPARE(storedList(), testing::descriptions());
        QVERIFY(storedList().size() == 18 && !storedList().contains("1 minute"));
    }

    void sortCyclesCustomTimeNameAndIsStoredAtOnce() {
        numberedStore();
        PreferenceStore file(home->prefsPath());
        Settings damaged = startSettings();
        damaged.sort = 5;  // an old or damaged setting
        Preferences prefs(&file, damaged);
        QStringList seen{sortString(prefs.settings().sort)};  // each label, then what the file says
        for (int i = 0; i < 4; ++i)
            seen << sortString(cycleSortOrder(prefs))
                 << QString::number(PreferenceStore(home->prefsPath()).integer(PrefKeys::sort));
        QCOMPARE(seen,
                 QStringList({"Custom", "Custom", "0", "Time", "1", "Name", "2", "Custom", "0"}));
        QCOMPARE(prefs.settings().sort, sortNone);
    }
    // Rows from above and below the drop, so that both shifts show; a drag rewrites
    // every record, and the snooze a timer was given moves with it.
    void dropIsStoredAndCustomUntilARestart() {
        numberedStore();
        timersArray[2]->setValue(TimersKeys::snoozeOn, true);
        timersArray[2]->setValue(TimersKeys::snooze, qint64(600));
        QVERIFY(viewContext().save(nullptr));
        const QString order = "13024";
        QVERIFY(dropTimerRows({0, 2}, 4).reloaded);
        QCOMPARE(shownOrder(), order);
        QVERIFY(timerSnoozeOn(timersArray[3]) && timerSnooze(timersArray[3]) == 600);
        QVERIFY(!timerSnoozeOn(timersArray[2]));
        QCOMPARE(storedOrder(), order);
        // A restart sorts by time again; the custom order waits in the cycle.
        PreferenceStore file(home->prefsPath());
        Preferences restarted(&file);
        restarted.load();
        QVERIFY(populateArray(restarted.settings().sort));
        QCOMPARE(shownOrder(), "01234");
        cycleSortOrder(restarted);  // Name
        QCOMPARE(cycleSortOrder(restarted), sortNone);
        QVERIFY(populateArray(restarted.settings().sort));
        QCOMPARE(shownOrder(), order);
    }
    void failedRewriteLeavesTheOldOrderAndEveryTimerOnce() {
        numberedStore();
        const QList<TimerRecord> before = timersArray;
        for (int after : {0, 5}) {  // writes that succeed: the delete, then one per timer
            testing::MessageLog log;
            store->context().failNextWrites(1, after);
            const DropResult result = dropTimerRows({0, 2}, 4);
            QCOMPARE(log.countStartingWith(after ? "Could not save. " : "Delete Timers: "), 1);
            QCOMPARE(storedOrder(), "43210");
            QCOMPARE(timersArray, before);              // the very records the user saw
            QCOMPARE(result.rows, QList<int>({0, 2}));  // where the dropped ones still are
            QVERIFY(!store->context().hasChanges() && !wasReordered);  // nothing left to retry
        }
        store->addTimer("5", 1);  // a later save writes nothing left behind
        QCOMPARE(storedOrder(), "432105");
    }
};

QTEST_MAIN(TestTimerEdits)
#include "tst_timeredits.moc"
