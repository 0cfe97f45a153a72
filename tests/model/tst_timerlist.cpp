// The stored list: sorted loads, a new user's ready-made timers, the rewrite in the user's order.
#include <QTest>

#include "model/Preferences.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestTimerList : public QObject {
    Q_OBJECT

    testing::TestHome home;
    std::unique_ptr<testing::StoreFixture> store;

    static QStringList descriptions(const QList<TimerRecord>& timers = timersArray) {
        QStringList list;
        for (const TimerRecord& t : timers) list << timerDesc(t);
        return list;
    }
    QStringList stored() {  // as the next run finds the file
        ManagedObjectContext fresh(timerDataModel());
        StoreError error;
        if (!fresh.open(store->context().path(), &error)) return {"<unopenable>"};
        return descriptions(
            fresh.fetch({TimersKeys::entity, {}}, &error).value_or(QList<TimerRecord>{}));
    }

private slots:
    void init() {
        testing::resetGlobals();
        store.reset(new testing::StoreFixture(home.path() + '/' + QTest::currentTestFunction()));
    }
    void cleanup() { store.reset(); }

    void defaultTimersOnlyOnAFirstStart() {
        PreferenceStore prefs(home.prefsPath());
        loadPreferences(prefs);  // first run
        QVERIFY(populateArray(prefsSort) && needsDefaultTimers());
        markDefaultTimersCreated(prefs);
        QVERIFY(!needsDefaultTimers());  // as for a list the user emptied
        QVERIFY(!PreferenceStore(home.prefsPath()).boolean(PrefKeys::newDatabase));
        createDefaultEntries();
        QStringList names;  // stored in the table's order, "30 seconds" last
        for (const auto& timer : defaultTimers()) names << timer.first;
        QCOMPARE(stored(), names);
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(descriptions().first(), "30 seconds");
        QCOMPARE(timerSound(timersArray.last()), "Vintage Alarm Clock");
        prefsNewDatabase = true;  // a store holding timers gets none, and the flag stays
        QVERIFY(populateArray(prefsSort) && !needsDefaultTimers() && prefsNewDatabase);
    }

    void oneFailedDefaultDoesNotStopTheOthers() {
        store->context().failNextWrites(1);
        createDefaultEntries();  // says "Could not save. ..." once
        QCOMPARE(stored(), descriptions());
        QVERIFY(stored().size() == 18 && !stored().contains("1 minute"));
    }

    void sortedFetches() {
        for (const auto& [desc, duration] :
             {std::pair{"banana", 30}, {"Apple", 300}, {"cherry", 30}, {"apple", 10}})
            store->addTimer(desc, duration);
        QVERIFY(populateArray(sortNone));
        QCOMPARE(descriptions(), QStringList({"banana", "Apple", "cherry", "apple"}));
        QVERIFY(populateArray(sortDesc));  // the store's comparison: upper case first
        QCOMPARE(descriptions(), QStringList({"Apple", "apple", "banana", "cherry"}));
        QVERIFY(populateArray(sortDuration));  // ties in store order
        QCOMPARE(descriptions(), QStringList({"apple", "banana", "cherry", "Apple"}));
    }

    void saveOrderRewritesAllOrNothing() {
        for (const char* d : {"a", "b", "c", "d"}) store->addTimer(d, 60);
        QVERIFY(populateArray(sortNone));
        std::swap(timersArray[0], timersArray[3]);  // d b c a
        wasReordered = true;
        store->context().failNextWrites(1, 4);  // the delete and three copies go through
        QVERIFY(!saveOrder() && !wasReordered && !store->context().hasChanges());
        QCOMPARE(stored(), QStringList({"a", "b", "c", "d"}));
        wasReordered = true;
        QVERIFY(saveOrder() && !wasReordered);
        QCOMPARE(stored(), QStringList({"d", "b", "c", "a"}));
    }
};

QTEST_MAIN(TestTimerList)
#include "tst_timerlist.moc"
