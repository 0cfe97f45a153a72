// Duplicating and deleting timers: what reaches the list, the store and the
// running-timer table, and what the confirmation says.
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "engine/Badge.h"
#include "engine/RunningTimers.h"
#include "model/Globals.h"
#include "model/TimerEdits.h"
#include "model/TimerList.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
Alert entryFor(int row, bool paused) {
    return testing::runningAlert(timersArray[row], 60, paused);
}

QStringList descriptions(const QList<TimerRecord>& timers) {
    QStringList out;
    for (const TimerRecord& timer : timers) out << timerDesc(timer);
    return out;
}

class CountRecorder : public BadgeDisplay {
public:
    void showCount(int count) override { counts << count; }
    QList<int> counts;
};
}  // namespace

class TestTimerEdits : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::StoreFixture> store;

    // What a fresh reader of the file finds, in store order.
    QStringList storedDescriptions() {
        ManagedObjectContext reader(timerDataModel());
        StoreError error;
        if (!reader.open(home->storePath(), &error)) return {"<unreadable>"};
        auto all = reader.fetch({TimersKeys::entity, {}}, &error);
        return all ? descriptions(*all) : QStringList{"<unfetchable>"};
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        store = std::make_unique<testing::StoreFixture>(home->storePath());
        store->addTimer("A", 60, "Bells");
        auto b = store->addTimer("5 minutes", 300, "Harp");
        b->setValue(TimersKeys::snooze, 120);
        b->setValue(TimersKeys::snoozeOn, true);
        StoreError error;
        QVERIFY(store->context().save(&error));
        store->addTimer("C", 30);
        store->addTimer("D", 90);
        store->addTimer("E", 10);
        QVERIFY(populateArray(sortNone));
    }

    void cleanup() {
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        store.reset();
        home.reset();
    }

    void duplicateStoresACopyThatListsLast() {
        const TimerRecord copy = duplicateTimer(1);
        QVERIFY(copy);
        QVERIFY(copy->isPersistent());
        QVERIFY(timerId(copy) != timerId(timersArray[1]));
        QCOMPARE(timersArray.size(), 5);  // the caller reloads the list

        QVERIFY(populateArray(sortNone));
        QCOMPARE(descriptions(timersArray),
                 QStringList({"A", "5 minutes", "C", "D", "E", "5 minutes"}));
        const TimerRecord last = timersArray.last();
        QCOMPARE(timerId(last), timerId(copy));
        QCOMPARE(timerDuration(last), qint64(300));
        QCOMPARE(timerSound(last), QString("Harp"));
        // Snoozing belongs to the original only.
        QCOMPARE(last->value(TimersKeys::snooze).toLongLong(), qlonglong(0));
        QCOMPARE(last->value(TimersKeys::snoozeOn).toBool(), false);
        QCOMPARE(storedDescriptions().size(), 6);

        // Sorted by time, the copy sits next to its original.
        QVERIFY(populateArray(sortDuration));
        QCOMPARE(descriptions(timersArray),
                 QStringList({"E", "C", "A", "D", "5 minutes", "5 minutes"}));
    }

    void duplicateNeedsARow() {
        QVERIFY(!duplicateTimer(-1));
        QVERIFY(!duplicateTimer(5));
        timersArray.clear();
        QVERIFY(!duplicateTimer(0));
        QCOMPARE(storedDescriptions().size(), 5);
    }

    void duplicateWhoseSaveFailsLeavesNothingBehind() {
        testing::MessageLog log;
        store->context().failNextWrites(1);
        QVERIFY(!duplicateTimer(0));
        QCOMPARE(log.countStartingWith("Could not duplicate. "), 1);
        QVERIFY(!store->context().hasChanges());
        // The next save of something else must not carry the copy along.
        store->addTimer("F", 5);
        QCOMPARE(storedDescriptions(), QStringList({"A", "5 minutes", "C", "D", "E", "F"}));
    }

    void confirmationSpeaksOfOneOrOfSeveral() {
        const AlertSpec one = deleteConfirmation(1);
        QCOMPARE(one.windowTitle, QString("Confirm"));
        QCOMPARE(one.message, QString("Delete the timer"));
        QCOMPARE(one.informativeText, QString("Are you sure you want to delete the timer?"));
        QCOMPARE(one.buttons, QStringList({"Delete", "Cancel"}));
        QCOMPARE(one.icon, QMessageBox::Warning);

        MessageBox::setNextAnswer(1);
        confirmDeleteTimers(nullptr, 3, [] {});
        const auto three = MessageBox::lastAlert();
        QVERIFY(three);
        QCOMPARE(three->windowTitle, QString("Confirm"));
        QCOMPARE(three->message, QString("Delete the selected timers"));
        QCOMPARE(three->informativeText,
                 QString("Are you sure you want to delete the selected timers?"));
        QCOMPARE(three->buttons, QStringList({"Delete", "Cancel"}));
    }

    void confirmationAsksOnlyWhenThereIsSomethingToDelete() {
        bool called = false;
        confirmDeleteTimers(nullptr, 0, [&] { called = true; });
        timersArray.clear();
        confirmDeleteTimers(nullptr, 1, [&] { called = true; });
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(!called);
    }

    void deleteRunsOnlyAfterTheSheetIsAnswered() {
        QWidget window;
        int confirmed = 0;
        MessageBox::setNextAnswer(0);
        confirmDeleteTimers(&window, 1, [&] { ++confirmed; });
        QCOMPARE(confirmed, 0);  // the sheet has not closed yet
        QTRY_COMPARE(confirmed, 1);

        MessageBox::setNextAnswer(1);  // "Cancel"
        confirmDeleteTimers(&window, 2, [&] { ++confirmed; });
        QCoreApplication::processEvents();
        QCOMPARE(confirmed, 1);
        QCOMPARE(MessageBox::shownAlerts().size(), 2);
        QCOMPARE(timersArray.size(), 5);
        QCOMPARE(storedDescriptions().size(), 5);
    }

    void sheetIsModalToItsWindowOnly() {
        QWidget window;
        window.show();
        QList<int> answers;
        confirmDeleteTimers(&window, 1, [&] { answers << 0; });
        auto boxes = window.findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QPointer<QMessageBox> box = boxes.first();
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QString("Delete the timer"));
        QCOMPARE(box->buttons().size(), 2);
        QVERIFY(answers.isEmpty());

        QTest::keyClick(box, Qt::Key_Escape);  // Cancel
        QVERIFY(answers.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());

        confirmDeleteTimers(&window, 1, [&] { answers << 0; });
        box = window.findChildren<QMessageBox*>().value(0);
        QVERIFY(box);
        auto* deleteButton = qobject_cast<QPushButton*>(box->defaultButton());
        QVERIFY(deleteButton);
        QCOMPARE(deleteButton->text(), QString("Delete"));
        deleteButton->click();
        QCOMPARE(answers, QList<int>({0}));
    }

    void deletingRowsOneAndThreeOfFive() {
        QList<int> removed;
        QCOMPARE(deleteTimerRows({1, 3}, {[&](int row) { removed << row; }}), 2);
        QCOMPARE(removed, QList<int>({3, 1}));  // last first
        QCOMPARE(descriptions(timersArray), QStringList({"A", "C", "E"}));
        QCOMPARE(storedDescriptions(), QStringList({"A", "C", "E"}));
        // A selection that names no row deletes nothing.
        QCOMPARE(deleteTimerRows({7, -1}), 0);
        QCOMPARE(timersArray.size(), 3);
    }

    void deletingRunningAndPausedTimersEndsThem() {
        alertsArray << entryFor(1, false) << entryFor(3, true) << entryFor(4, false);
        auto tick = alertsArray[0].theTimer;
        const QString eId = alertsArray[2].id;
        CountRecorder badge;
        addBadgeDisplay(&badge);
        QList<int> countsSeenByTheList;

        deleteTimerRows({1, 3}, {[&](int) { countsSeenByTheList << getNumAlerts(); }});
        removeBadgeDisplay(&badge);

        QVERIFY(!tick->isValid());
        QCOMPARE(alertsArray.size(), 1);
        QCOMPARE(alertsArray[0].id, eId);
        QVERIFY(alertsArray[0].theTimer->isValid());
        // E moved from row 4 to row 2; its ticks must redraw row 2.
        QCOMPARE(alertsArray[0].row, qint64(2));
        QCOMPARE(haveAlertForRow(2), 0);
        // The list heard of each removal once the entry had gone.
        QCOMPARE(countsSeenByTheList, QList<int>({2, 1}));
        QCOMPARE(badge.counts, QList<int>({2, 1}));
    }

    void aDeleteWhoseSaveFailsChangesNothing() {
        alertsArray << entryFor(3, false);
        auto tick = alertsArray[0].theTimer;
        store->context().failNextWrites(1);  // row 3 goes first and fails
        QList<int> removed;
        QCOMPARE(deleteTimerRows({1, 3}, {[&](int row) { removed << row; }}), 1);
        QCOMPARE(removed, QList<int>({1}));
        QCOMPARE(descriptions(timersArray), QStringList({"A", "C", "D", "E"}));
        QVERIFY(!store->context().hasChanges());
        // D goes on counting, on its new row.
        QCOMPARE(alertsArray.size(), 1);
        QVERIFY(tick->isValid());
        QCOMPARE(alertsArray[0].row, qint64(2));

        // A later save must not take D out of the store behind the list's back.
        store->addTimer("F", 5);
        QCOMPARE(storedDescriptions(), QStringList({"A", "C", "D", "E", "F"}));
    }
};

QTEST_MAIN(TestTimerEdits)
#include "tst_timeredits.moc"
