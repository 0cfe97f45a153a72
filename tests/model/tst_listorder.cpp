// The list's order: the sort cycle and its stored setting, where dropped rows
// land, and how a drop rewrites the store and what it leaves when it cannot.
#include <QTest>

#include "model/Globals.h"
#include "model/ListOrder.h"
#include "model/Preferences.h"
#include "model/Store.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
QStringList descriptions(const QList<TimerRecord>& list = timersArray) {
    QStringList names;
    for (const TimerRecord& t : list) names << timerDesc(t);
    return names;
}

// The store as a new process would find it: a context of its own.
QStringList storedDescriptions(const QString& path, int sort = sortNone) {
    ManagedObjectContext fresh(timerDataModel());
    StoreError error;
    if (!fresh.open(path, &error)) return {"<unopenable>"};
    FetchRequest request{TimersKeys::entity, {}};
    if (sort == sortDuration) request.sortDescriptors = {{TimersKeys::duration, true}};
    const auto stored = fresh.fetch(request, &error);
    return stored ? descriptions(*stored) : QStringList{"<unreadable>"};
}
}  // namespace

class TestListOrder : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;

    // Timers "0".."n-1" stored in that order, with durations that sort them
    // backwards, loaded in store order.
    void makeTimers(int n) {
        for (int i = 0; i < n; ++i) store->addTimer(QString::number(i), 1000 - i);
        QVERIFY(populateArray(sortNone));
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
    }
    void cleanup() {
        testing::resetGlobals();
        store.reset();
        home.reset();
    }

    void sortCyclesCustomTimeNameAndIsStored() {
        PreferenceStore prefs(home->prefsPath());
        prefsSort = sortNone;
        QCOMPARE(sortString(prefsSort), QString("Custom"));
        const QStringList expected{"Time", "Name", "Custom", "Time"};
        for (const QString& name : expected) {
            const int sort = cycleSortOrder(prefs);
            QCOMPARE(sort, prefsSort);
            QCOMPARE(sortString(prefsSort), name);
            // Written at once: a new reader of the file sees it.
            QCOMPARE(PreferenceStore(home->prefsPath()).integer(PrefKeys::sort), qint64(sort));
        }

        // A stored value outside the cycle reads "Custom" and goes to Custom.
        for (int stored : {5, 3, -1}) {
            prefsSort = stored;
            QCOMPARE(sortString(prefsSort), QString("Custom"));
            QCOMPARE(cycleSortOrder(prefs), sortNone);
        }
        QCOMPARE(cycleSortOrder(prefs), sortDuration);
    }

    void movingRows_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("dropRow");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QList<int>>("newRows");
        using L = QList<int>;
        using S = QStringList;
        QTest::newRow("0 down to 3") << 4 << L{0} << 3 << S{"1", "2", "0", "3"} << L{2};
        QTest::newRow("3 up to 0") << 4 << L{3} << 0 << S{"3", "0", "1", "2"} << L{0};
        QTest::newRow("0 and 2 to 4") << 5 << L{0, 2} << 4 << S{"1", "3", "0", "2", "4"} << L{2, 3};
        QTest::newRow("named out of order")
            << 5 << L{2, 0, 2} << 4 << S{"1", "3", "0", "2", "4"} << L{2, 3};
        QTest::newRow("one up, one down")
            << 5 << L{1, 3} << 2 << S{"0", "1", "3", "2", "4"} << L{1, 2};
        QTest::newRow("below the last") << 4 << L{1} << 4 << S{"0", "2", "3", "1"} << L{3};
        QTest::newRow("drop row past the end") << 4 << L{0} << 99 << S{"1", "2", "3", "0"} << L{3};
        QTest::newRow("onto its own place") << 3 << L{1} << 1 << S{"0", "1", "2"} << L{1};
        QTest::newRow("unknown rows skipped") << 3 << L{-1, 7, 2} << 0 << S{"2", "0", "1"} << L{0};
    }
    void movingRows() {
        QFETCH(int, count);
        QFETCH(QList<int>, rows);
        QFETCH(int, dropRow);
        makeTimers(count);
        QList<TimerRecord> list = timersArray;
        QList<int> newRows;
        QVERIFY(moveRows(list, rows, dropRow, &newRows));
        QTEST(descriptions(list), "order");
        QTEST(newRows, "newRows");
    }

    void rowsThatNameNoTimerMoveNothing() {
        makeTimers(3);
        QList<TimerRecord> list = timersArray;
        QVERIFY(!moveRows(list, {}, 1));
        QVERIFY(!moveRows(list, {3, -1}, 0));
        QCOMPARE(descriptions(list), QStringList({"0", "1", "2"}));
    }

    void payloadIsTheRowIndexInDecimal() {
        QCOMPARE(rowsPayload({3}), QByteArray("3"));
        QCOMPARE(rowsPayload({0, 12}), QByteArray("0\n12"));
        QCOMPARE(rowsFromPayload("3"), QList<int>{3});
        QCOMPARE(rowsFromPayload("0\n12"), QList<int>({0, 12}));
        // Anything that is not a plain decimal number names no row.
        for (const QByteArray bad : {"", "abc", "-1", "+2", " 3", "1.5", "0x1", "99999999999"})
            QVERIFY2(rowsFromPayload(bad).isEmpty(), bad.constData());
        QCOMPARE(rowsFromPayload("x\n2\n\n4y"), QList<int>{2});
    }

    void dropRewritesTheStoreAndIsCustomUntilARestart() {
        PreferenceStore prefs(home->prefsPath());
        prefs.setValue(PrefKeys::havePrefs, 100);
        prefs.setValue(PrefKeys::sort, sortDuration);
        prefs.synchronize();
        loadPreferences(prefs);
        QCOMPARE(prefsSort, sortDuration);
        makeTimers(4);
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(descriptions(), QStringList({"3", "2", "1", "0"}));  // by duration
        const QString oldId = timerId(timersArray[0]);

        // "3" dragged below "1" of the sorted list.
        const DropResult result = dropTimerRows({0}, 3);
        QVERIFY(result.accepted);
        QVERIFY(result.reloaded);
        QCOMPARE(result.rows, QList<int>{2});
        QCOMPARE(descriptions(), QStringList({"2", "1", "3", "0"}));
        QCOMPARE(prefsSort, sortNone);
        QVERIFY(!wasReordered);
        // Fresh records of the rewritten store, with new ids.
        QVERIFY(timersArray[2]->isPersistent());
        QVERIFY(timerId(timersArray[2]) != oldId);
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"2", "1", "3", "0"}));

        // The stored sort setting was not touched: a restart sorts again, and
        // the custom order is there when the user cycles back to it.
        QCOMPARE(PreferenceStore(home->prefsPath()).integer(PrefKeys::sort), qint64(sortDuration));
        store.reset();
        testing::resetGlobals();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        PreferenceStore restarted(home->prefsPath());
        loadPreferences(restarted);
        QCOMPARE(prefsSort, sortDuration);
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(descriptions(), QStringList({"3", "2", "1", "0"}));
        cycleSortOrder(restarted);  // Name
        cycleSortOrder(restarted);  // Custom
        QVERIFY(populateArray(prefsSort));
        QCOMPARE(descriptions(), QStringList({"2", "1", "3", "0"}));
    }

    void nothingMovesWhileATimerRuns() {
        makeTimers(4);
        prefsSort = sortDuration;
        for (bool paused : {false, true}) {
            Alert alert;
            alert.id = timerId(timersArray[1]);
            alert.isPaused = paused;
            alertsArray = {alert};
            const QList<TimerRecord> before = timersArray;
            const DropResult result = dropTimerRows({0}, 3);
            QVERIFY(result.accepted);  // the drop is taken, it just changes nothing
            QVERIFY(!result.reloaded);
            QCOMPARE(timersArray, before);
            QCOMPARE(prefsSort, sortDuration);
            QVERIFY(!wasReordered);
            QCOMPARE(storedDescriptions(home->storePath()), QStringList({"0", "1", "2", "3"}));
            // The running timer's id still finds its record.
            QCOMPARE(timerId(timersArray[1]), alert.id);
        }
    }

    void dropsThatCannotBeTaken() {
        QCOMPARE(dropTimerRows({0}, 0).accepted, false);  // empty list
        makeTimers(3);
        QCOMPARE(dropTimerRows({}, 1).accepted, false);
        QCOMPARE(dropTimerRows({5}, 1).accepted, false);
        QCOMPARE(descriptions(), QStringList({"0", "1", "2"}));
        QVERIFY(!wasReordered);
    }

    void failedRewriteLeavesTheOldOrderAndEveryTimerOnce_data() {
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("console");
        // Writes in a rewrite: the delete, then one insert per timer.
        QTest::newRow("delete fails") << 0 << "Delete Timers: ";
        QTest::newRow("first copy fails") << 1 << "Could not save. ";
        QTest::newRow("last copy fails") << 5 << "Could not save. ";
    }
    void failedRewriteLeavesTheOldOrderAndEveryTimerOnce() {
        QFETCH(int, after);
        QFETCH(QString, console);
        makeTimers(5);
        prefsSort = sortDesc;
        QVERIFY(populateArray(prefsSort));
        const QList<TimerRecord> before = timersArray;

        testing::MessageLog log;
        store->context().failNextWrites(1, after);
        const DropResult result = dropTimerRows({0, 2}, 4);
        QVERIFY(result.accepted);
        QCOMPARE(log.countStartingWith(console), 1);
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"0", "1", "2", "3", "4"}));
        // The list is back as the user saw it, with the very same records,
        // and the dropped timers are found where they are.
        QCOMPARE(timersArray, before);
        QCOMPARE(prefsSort, sortDesc);
        QCOMPARE(result.rows, QList<int>({0, 2}));
        for (const TimerRecord& t : std::as_const(timersArray)) QVERIFY(t->isPersistent());
        QVERIFY(!store->context().hasChanges());
        QVERIFY(!wasReordered);

        // Nothing was left behind that a later save could write.
        store->addTimer("5", 1);
        QCOMPARE(storedDescriptions(home->storePath()),
                 QStringList({"0", "1", "2", "3", "4", "5"}));
    }

    void rewriteRefusesAListThatIsNotTheStore() {
        makeTimers(3);
        testing::MessageLog log;
        const QList<TimerRecord> whole = timersArray;
        // A timer missing (a reload was missed), one twice, one not saved.
        TimerRecord unsaved = store->context().insertNewObject(TimersKeys::entity);
        unsaved->setValue(TimersKeys::desc, "new");
        const QList<QList<TimerRecord>> lists{{whole[2], whole[0]},
                                              {whole[2], whole[0], whole[1], whole[0]},
                                              {whole[2], whole[0], whole[1], unsaved}};
        for (const QList<TimerRecord>& list : lists) {
            timersArray = list;
            wasReordered = true;
            QVERIFY(!saveOrder());
            QVERIFY(!wasReordered);
            QCOMPARE(storedDescriptions(home->storePath()), QStringList({"0", "1", "2"}));
        }
        QCOMPARE(log.countStartingWith("Could not save. The timer list does not match"), 3);
        store->context().deleteObject(unsaved);

        // The whole list in a new order is taken.
        timersArray = {whole[2], whole[0], whole[1]};
        wasReordered = true;
        QVERIFY(saveOrder());
        QCOMPARE(storedDescriptions(home->storePath()), QStringList({"2", "0", "1"}));
    }
};

QTEST_MAIN(TestListOrder)
#include "tst_listorder.moc"
