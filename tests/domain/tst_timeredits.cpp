// The stored list: a new user's ready-made timers, duplicating and deleting
// timers in the list and the store, the sort cycle,
// where dropped rows land, and how a drop is stored.
#include <QTest>

#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "storage/Store.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestTimerEdits : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    TimerList list;
    QString names() const { return testing::descriptions(list.timers()).join(","); }
    QStringList storedList() const { return testing::storedDescriptions(store->store().path()); }
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
        QVERIFY(populateArray(list, store->store(), prefs.settings().sort));
    }
    QString shownOrder() const { return testing::descriptions(list.timers()).join(""); }
    QString storedOrder() const { return storedList().join(""); }
private slots:
    void init() {
        store.reset();
        home = std::make_unique<testing::TestHome>();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        Timer a = store->addTimer("A", 300, "Harp");
        a.snoozeOn = true;
        QVERIFY(store->store().update(a, nullptr));
        for (const char* name : {"B", "C", "D", "E"}) store->addTimer(name, 30);
        QVERIFY(populateArray(list, store->store(), sortNone));
    }
    void duplicateStoresACopyThatListsLast() {
        const std::optional<Timer> copy = duplicateTimer(store->store(), list, 0);
        QVERIFY(copy && !copy->snoozeOn);  // the original's alone
        QCOMPARE(stored(), "A,B,C,D,E,A");
        QVERIFY(copy->duration == 300 && copy->sound == "Harp" && copy->id > list.at(4).id);
    }
    void deletingIsAllOrNothing() {
        store->store().failNextWrites(1, 1);  // the second of the two fails: neither goes
        StoreError error;
        QCOMPARE(deleteTimerRows(store->store(), list, {1, 3}, {}, &error), 0);
        QVERIFY(error.description.contains("could not be written"));
        QCOMPARE(names(), "A,B,C,D,E");
        QList<int> removed;
        QCOMPARE(deleteTimerRows(store->store(), list, {1, 4}, [&](int row) { removed << row; }),
                 2);  // B and E
        QCOMPARE(removed, QList<int>({4, 1}));
        QCOMPARE(names(), "A,C,D");
        QCOMPARE(stored(), "A,C,D");
        QCOMPARE(list.rowOf(list.at(2).id), 2);  // D is found in its new row
    }

    void defaultTimersOnlyOnAFirstStart() {
        emptyStore();
        PreferenceStore file(home->prefsPath());
        Preferences prefs(&file);
        prefs.load();  // first run
        QVERIFY(populateArray(list, store->store(), prefs.settings().sort) &&
                needsDefaultTimers(list, prefs.settings().newDatabase));
        markDefaultTimersCreated(prefs);
        // as for a list the user emptied
        QVERIFY(!needsDefaultTimers(list, prefs.settings().newDatabase));
        QVERIFY(!PreferenceStore(home->prefsPath()).boolean(PrefKeys::newDatabase));
        createDefaultEntries(store->store(), prefs.defSound());
        QStringList table;  // stored in the table's order
        for (const auto& timer : defaultTimers()) table << timer.first;
        QCOMPARE(storedList(), table);
        QVERIFY(populateArray(list, store->store(), sortNone));
        QCOMPARE(list.at(0).sound, Constants::defSound);
        // A store holding timers gets none.
        QVERIFY(populateArray(list, store->store(), sortNone) && !needsDefaultTimers(list, true));
    }

    // All nineteen or none: the list never shows a timer the store lacks.
    void defaultsThatCannotBeSavedAreNotListed() {
        emptyStore();
        store->store().failNextWrites(1, 5);
        testing::MessageLog log;
        createDefaultEntries(store->store(), Constants::defSound);
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QVERIFY(storedList().isEmpty());
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
    // Rows from above and below the drop, so that both shifts show; every
    // timer keeps its id and what was set for it.
    void dropIsStoredAndCustomUntilARestart() {
        numberedStore();
        Timer two = list.at(2);
        two.snoozeOn = true;
        two.snooze = 600;
        QVERIFY(store->store().update(two, nullptr) && list.replace(two));
        QList<TimerId> ids;
        for (const Timer& t : list.timers()) ids << t.id;
        const QString order = "13024";
        const DropResult result = dropTimerRows(store->store(), list, {0, 2}, 4);
        QVERIFY(result.accepted && !result.refused);
        QCOMPARE(result.order, QList<int>({1, 3, 0, 2, 4}));
        QCOMPARE(shownOrder(), order);
        QCOMPARE(list.at(3).id, ids[2]);
        QCOMPARE(storedOrder(), order);
        QVERIFY(populateArray(list, store->store(), sortNone));
        QVERIFY(list.at(3).snoozeOn && list.at(3).snooze == 600);
        QCOMPARE(list.at(3).id, ids[2]);
        // A restart sorts by time again; the custom order waits in the cycle.
        PreferenceStore file(home->prefsPath());
        Preferences restarted(&file);
        restarted.load();
        QVERIFY(populateArray(list, store->store(), restarted.settings().sort));
        QCOMPARE(shownOrder(), "01234");
        cycleSortOrder(restarted);  // Name
        QCOMPARE(cycleSortOrder(restarted), sortNone);
        QVERIFY(populateArray(list, store->store(), restarted.settings().sort));
        QCOMPARE(shownOrder(), order);
    }
    void refusedDropLeavesTheOldOrder() {
        numberedStore();
        const QList<Timer> before = list.timers();
        testing::MessageLog log;
        store->store().failNextWrites(1, 3);
        const DropResult result = dropTimerRows(store->store(), list, {0, 2}, 4);
        QVERIFY(result.accepted && result.refused && result.order.isEmpty());
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QCOMPARE(storedOrder(), "43210");
        QCOMPARE(names(), testing::descriptions(before).join(","));
        QCOMPARE(result.rows, QList<int>({0, 2}));  // where the dropped ones still are
    }
};

QTEST_MAIN(TestTimerEdits)
#include "tst_timeredits.moc"
