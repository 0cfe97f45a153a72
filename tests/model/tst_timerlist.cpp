// The stored list: loading in each order, the ready-made timers of a new
// user and when they are made, and the rewrite in the user's own order.
#include <sqlite3.h>

#include <QTest>

#include "model/Globals.h"
#include "model/Preferences.h"
#include "model/Store.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
QStringList descriptions() {
    QStringList list;
    for (const TimerRecord& t : std::as_const(timersArray)) list << timerDesc(t);
    return list;
}

QStringList storedDescriptions(const QString& path) {
    ManagedObjectContext fresh(timerDataModel());
    StoreError error;
    if (!fresh.open(path, &error)) return {"<unopenable>"};
    const auto stored = fresh.fetch({TimersKeys::entity, {}}, &error);
    if (!stored) return {"<unreadable>"};
    QStringList list;
    for (const auto& t : *stored) list << timerDesc(t);
    return list;
}
}  // namespace

class TestTimerList : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    std::unique_ptr<PreferenceStore> prefs;

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        prefs = std::make_unique<PreferenceStore>(home->prefsPath());
    }
    void cleanup() {
        testing::resetGlobals();
        store.reset();
        prefs.reset();
        home.reset();
    }

    void defaultTimersOnAFirstStart() {
        loadPreferences(*prefs);  // first run: defaults written
        QVERIFY(populateArray(prefsSort));
        QVERIFY(needsDefaultTimers());
        markDefaultTimersCreated(*prefs);
        createDefaultEntries();
        QCOMPARE(timersArray.size(), 19);
        // Stored in the table's order: "1 minute" first, "30 seconds" last.
        QCOMPARE(descriptions().first(), QString("1 minute"));
        QCOMPARE(descriptions().last(), QString("30 seconds"));

        QVERIFY(populateArray(prefsSort));
        QCOMPARE(descriptions().first(), QString("30 seconds"));
        QCOMPARE(descriptions().last(), QString("2 hours"));
        qint64 previous = 0;
        for (const TimerRecord& t : std::as_const(timersArray)) {
            QVERIFY(timerDuration(t) > previous);
            previous = timerDuration(t);
            QCOMPARE(timerSound(t), QString("Vintage Alarm Clock"));
            QCOMPARE(t->value(TimersKeys::snooze).toLongLong(), qint64(300));
            QCOMPARE(t->value(TimersKeys::snoozeOn).toBool(), false);
        }
        QCOMPARE(PreferenceStore(home->prefsPath()).boolean(PrefKeys::newDatabase), false);
        QCOMPARE(storedDescriptions(home->storePath()).size(), 19);
    }

    void defaultTimerRule_data() {
        QTest::addColumn<bool>("newDatabase");
        QTest::addColumn<bool>("listEmpty");
        QTest::addColumn<bool>("expectDefaults");
        QTest::newRow("fresh store") << true << true << true;
        QTest::newRow("flag set, store not empty") << true << false << false;
        QTest::newRow("user emptied the list") << false << true << false;
    }
    void defaultTimerRule() {
        QFETCH(bool, newDatabase);
        QFETCH(bool, listEmpty);
        QFETCH(bool, expectDefaults);
        if (!listEmpty) store->addTimer("Mine", 42);
        prefsNewDatabase = newDatabase;
        QVERIFY(populateArray(sortDuration));
        QCOMPARE(needsDefaultTimers(), expectDefaults);
        // The flag stays true while the store holds the user's own timers.
        if (!expectDefaults) QCOMPARE(prefsNewDatabase, newDatabase);
    }

    void customSoundPreferenceGoesToDefaults() {
        prefsDefSound = "Chimes";
        createDefaultEntries();
        QCOMPARE(timerSound(timersArray[5]), QString("Chimes"));
    }

    void oneFailedDefaultDoesNotStopTheOthers() {
        testing::MessageLog log;
        store->context().failNextWrites(1);
        createDefaultEntries();
        QCOMPARE(timersArray.size(), 18);
        QVERIFY(!descriptions().contains("1 minute"));
        QCOMPARE(log.countStartingWith("Could not save. "), 1);
        QCOMPARE(storedDescriptions(home->storePath()).size(), 18);
        QVERIFY(!storedDescriptions(home->storePath()).contains("1 minute"));
    }

    void sortedFetches() {
        store->addTimer("banana", 30);
        store->addTimer("Apple", 300);
        store->addTimer("cherry", 30);
        store->addTimer("apple", 10);
        QVERIFY(populateArray(sortNone));
        QCOMPARE(descriptions(), QStringList({"banana", "Apple", "cherry", "apple"}));
        QVERIFY(populateArray(sortDesc));
        // The store's comparison: upper case before lower case.
        QCOMPARE(descriptions(), QStringList({"Apple", "apple", "banana", "cherry"}));
        QVERIFY(populateArray(sortDuration));
        QCOMPARE(descriptions().first(), QString("apple"));
        QCOMPARE(descriptions().last(), QString("Apple"));
        QVERIFY(populateArray(7));  // an unknown setting is store order
        QCOMPARE(descriptions().first(), QString("banana"));
    }

    void failedFetchKeepsTheList() {
        store->addTimer("Tea", 180);
        QVERIFY(populateArray(sortNone));
        // Someone else's hand removes the table under the running program.
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(home->storePath().toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "DROP TABLE Timers", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        testing::MessageLog log;
        QVERIFY(!populateArray(sortNone));
        QCOMPARE(descriptions(), QStringList{"Tea"});
        QCOMPARE(log.countStartingWith("Could not fetch. "), 1);
    }

    void saveOrderRewritesTheStoreInListOrder() {
        for (const char* d : {"a", "b", "c", "d"}) store->addTimer(d, 60);
        QVERIFY(populateArray(sortNone));
        std::swap(timersArray[0], timersArray[3]);  // d b c a
        saveOrder();
        // Nothing was dropped yet: no rewrite.
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"a", "b", "c", "d"}));
        wasReordered = true;
        saveOrder();
        QVERIFY(!wasReordered);
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"d", "b", "c", "a"}));
        // The old objects are still readable for whoever reloads.
        QCOMPARE(timerDesc(timersArray[0]), QString("d"));
        QVERIFY(populateArray(sortNone));
        QCOMPARE(descriptions(), QStringList({"d", "b", "c", "a"}));
    }

    void failedRewriteKeepsTheOldOrderWhole() {
        for (const char* d : {"a", "b", "c"}) store->addTimer(d, 60);
        QVERIFY(populateArray(sortNone));
        std::swap(timersArray[0], timersArray[2]);
        wasReordered = true;
        testing::MessageLog log;
        // The delete and the first copy go through; the second copy fails.
        store->context().failNextWrites(1, 2);
        saveOrder();
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"a", "b", "c"}));
        QVERIFY(log.countStartingWith("Could not save. ") >= 1);
        QVERIFY(!store->context().hasChanges());
    }
};

QTEST_MAIN(TestTimerList)
#include "tst_timerlist.moc"
