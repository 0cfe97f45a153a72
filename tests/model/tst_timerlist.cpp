// The stored list: a new user's ready-made timers, and one of them failing to save.
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

    QStringList stored() { return testing::storedDescriptions(store->context().path()); }

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
        QCOMPARE(testing::descriptions().first(), "30 seconds");
        QCOMPARE(timerSound(timersArray.last()), "Vintage Alarm Clock");
        prefsNewDatabase = true;  // a store holding timers gets none, and the flag stays
        QVERIFY(populateArray(prefsSort) && !needsDefaultTimers() && prefsNewDatabase);
    }

    void oneFailedDefaultDoesNotStopTheOthers() {
        store->context().failNextWrites(1);
        createDefaultEntries();  // says "Could not save. ..." once
        QCOMPARE(stored(), testing::descriptions());
        QVERIFY(stored().size() == 18 && !stored().contains("1 minute"));
    }
};

QTEST_MAIN(TestTimerList)
#include "tst_timerlist.moc"
