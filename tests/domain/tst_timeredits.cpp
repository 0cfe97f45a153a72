// The stored list: a new user's ready-made timers, duplicating and deleting
// timers in the list and the store, the sort cycle, where dropped rows land,
// and how a drop is stored; each all or nothing when the store refuses.
#include <QTest>

#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "support/MessageLog.h"
#include "support/domain/Fakes.h"
#include "support/domain/TestHome.h"

using namespace dunok;

class TestTimerEdits : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    testing::MemoryRepository store;
    TimerList list;
    QString names() const {
        QStringList out;
        for (const Timer& t : list.timers()) out << t.desc;
        return out.join(",");
    }
    QString stored() const { return store.descriptions().join(","); }
    // The timers kept as 4,3,2,1,0 list as 0,1,2,3,4 by time, a first run's order.
    void numberedStore() {
        store = testing::MemoryRepository();
        for (int i = 4; i >= 0; --i) store.addTimer(QString::number(i), 100 + i);
        QVERIFY(populateArray(list, store, Preferences().settings().sort));
        QCOMPARE(names(), "0,1,2,3,4");
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        store = testing::MemoryRepository();
        store.addTimer("A", 300, "Harp");
        store.byDesc("A").snoozeOn = true;
        for (const char* name : {"B", "C", "D", "E"}) store.addTimer(name, 30);
        QVERIFY(populateArray(list, store, sortNone));
    }
    void duplicateStoresACopyThatListsLast() {
        const std::optional<Timer> copy = duplicateTimer(store, list, 0);
        QVERIFY(copy && !copy->snoozeOn);  // the original's alone
        QCOMPARE(stored(), "A,B,C,D,E,A");
        QVERIFY(copy->duration == 300 && copy->sound == "Harp" && copy->id > list.at(4).id);
        testing::MessageLog log;
        store.refuseNext(1);
        QVERIFY(!duplicateTimer(store, list, 1) && !duplicateTimer(store, list, 9));
        QCOMPARE(log.countStartingWith("Could not duplicate. "), 1);
        QCOMPARE(stored(), "A,B,C,D,E,A");
    }
    void deletingIsAllOrNothing() {
        store.refuseNext(1);
        StoreError error;
        QCOMPARE(deleteTimerRows(store, list, {1, 3}, {}, &error), 0);
        QCOMPARE(error.description, testing::MemoryRepository::refusal);
        QCOMPARE(names(), "A,B,C,D,E");
        QList<int> removed;
        QCOMPARE(deleteTimerRows(store, list, {1, 4}, [&](int row) { removed << row; }),
                 2);  // B and E
        QCOMPARE(removed, QList<int>({4, 1}));
        QCOMPARE(names(), "A,C,D");
        QCOMPARE(stored(), "A,C,D");
        QCOMPARE(list.rowOf(list.at(2).id), 2);  // D is found in its new row
    }

    // All nineteen on a first start, or none when the store refuses: the
    // list never shows a timer the store lacks. A list the user emptied stays empty.
    void defaultTimersOnlyOnAFirstStart() {
        store = testing::MemoryRepository();
        PreferenceStore file(home->prefsPath());
        Preferences prefs(&file);
        prefs.load();  // first run
        QVERIFY(populateArray(list, store, prefs.settings().sort) &&
                needsDefaultTimers(list, prefs.settings().newDatabase));
        testing::MessageLog log;
        store.refuseNext(1);
        createDefaultEntries(store, prefs.defSound());
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QVERIFY(store.kept.isEmpty());

        markDefaultTimersCreated(prefs);
        QVERIFY(!needsDefaultTimers(list, prefs.settings().newDatabase));
        QVERIFY(!PreferenceStore(home->prefsPath()).boolean(PrefKeys::newDatabase));
        createDefaultEntries(store, prefs.defSound());
        QStringList table;  // stored in the table's order
        for (const auto& timer : defaultTimers()) table << timer.first;
        QCOMPARE(store.descriptions(), table);
        QVERIFY(populateArray(list, store, sortNone));
        QCOMPARE(list.at(0).sound, Constants::defSound);
        QVERIFY(!needsDefaultTimers(list, true));  // a store holding timers gets none
    }

    void sortCyclesCustomTimeNameAndIsStoredAtOnce() {
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

    // Rows from above and below the drop, so that both shifts show; every
    // timer keeps its id and what was set for it.
    void dropIsStoredAndCustomUntilARestart() {
        numberedStore();
        store.byDesc("2").snooze = 600;
        QVERIFY(populateArray(list, store, sortDuration));
        const TimerId two = list.at(2).id;
        const DropResult result = dropTimerRows(store, list, {0, 2}, 4);
        QVERIFY(result.accepted && !result.refused);
        QCOMPARE(result.order, QList<int>({1, 3, 0, 2, 4}));
        QCOMPARE(names(), "1,3,0,2,4");
        QCOMPARE(stored(), "1,3,0,2,4");
        QVERIFY(populateArray(list, store, sortNone));
        QVERIFY(list.at(3).id == two && list.at(3).snooze == 600);
        // A restart sorts by time again; the custom order waits in the cycle.
        QVERIFY(populateArray(list, store, Preferences().settings().sort));
        QCOMPARE(names(), "0,1,2,3,4");
    }
    void refusedDropLeavesTheOldOrder() {
        numberedStore();
        testing::MessageLog log;
        store.refuseNext(1);
        const DropResult result = dropTimerRows(store, list, {0, 2}, 4);
        QVERIFY(result.accepted && result.refused && result.order.isEmpty());
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QCOMPARE(stored(), "4,3,2,1,0");
        QCOMPARE(names(), "0,1,2,3,4");
        QCOMPARE(result.rows, QList<int>({0, 2}));  // where the dropped ones still are
    }
};

QTEST_GUILESS_MAIN(TestTimerEdits)
#include "tst_timeredits.moc"
