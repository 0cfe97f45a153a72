// The sort cycle, where dropped rows land, and how a drop rewrites the store.
#include <QTest>

#include "model/ListOrder.h"
#include "model/Preferences.h"
#include "model/Store.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestListOrder : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;

    static QString names() { return testing::descriptions().join(""); }
    QString stored() const { return testing::storedDescriptions(home->storePath()).join(""); }
private slots:
    // A first run, sorted by time: the timers stored as 43210 show as 01234.
    void init() {
        store.reset();
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        for (int i = 4; i >= 0; --i) store->addTimer(QString::number(i), 100 + i);
        PreferenceStore prefs(home->prefsPath());
        loadPreferences(prefs);
        QVERIFY(populateArray(prefsSort));
    }
    void sortCyclesCustomTimeNameAndIsStoredAtOnce() {
        PreferenceStore prefs(home->prefsPath());
        prefsSort = 5;                            // an old or damaged setting
        QStringList seen{sortString(prefsSort)};  // each label, then what the file says
        for (int i = 0; i < 4; ++i)
            seen << sortString(cycleSortOrder(prefs))
                 << QString::number(PreferenceStore(home->prefsPath()).integer(PrefKeys::sort));
        QCOMPARE(seen,
                 QStringList({"Custom", "Custom", "0", "Time", "1", "Name", "2", "Custom", "0"}));
        QCOMPARE(prefsSort, sortNone);
    }
    void dropIsStoredAndCustomUntilARestart_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("dropRow");
        QTest::addColumn<QString>("order");
        QTest::newRow("0 to 3") << QList<int>{0} << 3 << "12034";
        QTest::newRow("3 to 0") << QList<int>{3} << 0 << "30124";
        QTest::newRow("0 and 2 to 4") << QList<int>{0, 2} << 4 << "13024";
    }
    void dropIsStoredAndCustomUntilARestart() {
        QFETCH(QList<int>, rows);
        QFETCH(int, dropRow);
        QFETCH(QString, order);
        QVERIFY(dropTimerRows(rows, dropRow).reloaded);
        QCOMPARE(names(), order);
        QVERIFY(timersArray[0]->isPersistent());  // the rewritten store's own records
        QCOMPARE(stored(), order);
        // A restart sorts by time again; the custom order waits in the cycle.
        PreferenceStore restarted(home->prefsPath());
        loadPreferences(restarted);
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(names(), "01234");
        cycleSortOrder(restarted);  // Name
        QCOMPARE(cycleSortOrder(restarted), sortNone);
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(names(), order);
    }
    // A drag rewrites every record: the snooze a timer was given moves with it.
    void dropKeepsEachTimersSnooze() {
        timersArray[1]->setValue(TimersKeys::snoozeOn, true);
        timersArray[1]->setValue(TimersKeys::snooze, qint64(600));
        QVERIFY(viewContext().save(nullptr));
        QVERIFY(dropTimerRows({1}, 4).reloaded);
        QCOMPARE(names(), "02314");
        QVERIFY(timerSnoozeOn(timersArray[3]) && timerSnooze(timersArray[3]) == 600);
        QVERIFY(!timerSnoozeOn(timersArray[0]));
    }
    void failedRewriteLeavesTheOldOrderAndEveryTimerOnce() {
        const QList<TimerRecord> before = timersArray;
        for (int after : {0, 1, 5}) {  // writes that succeed: the delete, then one per timer
            testing::MessageLog log;
            store->context().failNextWrites(1, after);
            const DropResult result = dropTimerRows({0, 2}, 4);
            QCOMPARE(log.countStartingWith(after ? "Could not save. " : "Delete Timers: "), 1);
            QCOMPARE(stored(), "43210");
            QCOMPARE(timersArray, before);              // the very records the user saw
            QCOMPARE(result.rows, QList<int>({0, 2}));  // where the dropped ones still are
            QVERIFY(!store->context().hasChanges() && !wasReordered);  // nothing left to retry
        }
        store->addTimer("5", 1);  // a later save writes nothing left behind
        QCOMPARE(stored(), "432105");
    }
};

QTEST_MAIN(TestListOrder)
#include "tst_listorder.moc"
