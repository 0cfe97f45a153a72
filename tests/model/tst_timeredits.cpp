// Duplicating and deleting timers: the list, the store, the running timers.
#include <QTest>

#include "model/TimerEdits.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestTimerEdits : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;
    static QString names() { return testing::descriptions().join(","); }
    QString stored() const { return testing::storedDescriptions(home->storePath()).join(","); }
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
        QCOMPARE(timerDuration(copy), qint64(300));
        QCOMPARE(timerSound(copy), QString("Harp"));
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
};

QTEST_MAIN(TestTimerEdits)
#include "tst_timeredits.moc"
