// The store refusing the list's changes: a disk full to the last page, and
// another program holding the file. Every refusal is told with its cause,
// leaves the file whole, the list showing what the file holds and the sheet
// what the user typed; the change goes through once the cause is gone.
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/AppDelegate.h"
#include "editing/EditController.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "platform/MessageBox.h"
#include "platform/ObjectStore.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
const QString diskFull = QStringLiteral("The disk that holds your timers is full");
const QString inUse = QStringLiteral("Another program is using the file that holds your timers");
enum Change { Add, Duplicate, Drag, Delete };
}  // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::SmallDisk> disk;  // made once: mounting is the slow part
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<AppDelegate> app;
    QString store;
    QStringList firstRun;  // the ready-made timers as the file holds them

    ViewController* controller() const { return app->window()->viewController(); }
    EditController* editor() const { return app->window()->findChild<EditController*>(); }
    QStringList shownNames() const {
        QStringList names;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) names << model->cell(row, 0).text;
        return names;
    }
    int startApp() {
        app = std::make_unique<AppDelegate>(store, home->prefsPath());
        return app->start();
    }
    void stopApp() {
        app.reset();
        testing::resetGlobals();
    }
    void listAgreesWithStore() {
        QCOMPARE(testing::listAgainstStore(store, shownNames()), QString());
    }

    // A first run (the nineteen ready-made timers, sorted by time) on a store
    // at `path`, left running.
    void firstStart(const QString& path) {
        store = path;
        QCOMPARE(startApp(), 0);
        firstRun = testing::storedTimers(store);
        QCOMPARE(firstRun.size(), 19);
    }

    // Makes the change as the user does, with "OK" ready for an alert. A
    // refused Save keeps the sheet open, so the next try only presses Save.
    void make(Change change) {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        MessageBox::setNextAnswer(0);  // a delete's question, then "OK" on a refusal
        TimerTableModel* model = controller()->tableModel();
        switch (change) {
            case Add:
                if (!editor()) {
                    controller()->addTimer();
                    QVERIFY(editor());
                    editor()->findChild<QLineEdit*>("edDescription")->setText("Tea");
                }
                editor()->findChild<QPushButton*>("btnSave")->click();
                break;
            case Duplicate:
            case Delete:
                controller()->myTable()->selectRowExactly(0);
                change == Duplicate ? controller()->menuDuplicateTimerPressed()
                                    : controller()->deleteTimers();
                break;
            case Drag: {
                const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
                QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
                break;
            }
        }
        QCoreApplication::processEvents();  // the delete sheet's answer, an alert a drop left
    }
    // The alerts the change brought, without the delete's question.
    static QList<AlertSpec> alertsOf(Change change) {
        QList<AlertSpec> alerts = MessageBox::shownAlerts();
        if (change == Delete && !alerts.isEmpty()) alerts.removeFirst();
        return alerts;
    }
    // The file as the change leaves it, from the first run's.
    QStringList storedAfter(Change change) const {
        QStringList after = firstRun;
        if (change == Add) after << "Tea/300";
        if (change == Duplicate) after << "30 seconds/30";  // the first row, sorted by time
        if (change == Delete) after.removeOne("30 seconds/30");
        if (change == Drag) {
            after = testing::entries();  // by time: 30 seconds, 1 minute, ...
            after.move(0, 2);            // dropped above the fourth row
        }
        return after;
    }
    // One refusal: one alert naming the change and starting with the cause,
    // and nothing anywhere changed.
    void wasRefused(Change change, const QString& cause) {
        static const QHash<int, QString> messages{{Add, "Could not save the timer."},
                                                  {Duplicate, "Could not duplicate the timer."},
                                                  {Drag, "Could not keep the new order."},
                                                  {Delete, "Could not delete every timer."}};
        const QList<AlertSpec> alerts = alertsOf(change);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].message, messages[change]);
        QVERIFY2(alerts[0].informativeText.startsWith(cause),
                 qPrintable(alerts[0].informativeText));
        QCOMPARE(testing::storedTimers(store), firstRun);
        listAgreesWithStore();
        if (change == Add) {
            QVERIFY(alerts[0].informativeText.contains("what you typed is still here"));
            QVERIFY(editor());
            QCOMPARE(editor()->findChild<QLineEdit*>("edDescription")->text(), QString("Tea"));
        }
    }
    // The change went through: no alert, and the file and the list hold `after`.
    void wentThrough(Change change, const QStringList& after) {
        QVERIFY(alertsOf(change).isEmpty());
        QCOMPARE(testing::storedTimers(store), after);
        listAgreesWithStore();
    }
    // The next run opens the store and shows what it holds.
    void restartShows(const QStringList& expected) {
        stopApp();
        MessageBox::clearLastAlert();
        QCOMPARE(startApp(), 0);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCOMPARE(testing::storedTimers(store), expected);
        prefsSort = sortNone;
        controller()->reloadTable();
        QCOMPARE(testing::entries(), expected);
    }

private slots:
    void initTestCase() { disk = std::make_unique<testing::SmallDisk>(); }
    void init() {
        // The holds that are meant to outlast it are never released before the refusal.
        ManagedObjectContext::setBusyTimeout(300);
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
    }
    void cleanup() {
        stopApp();
        if (disk->isMounted()) disk->empty();
        ManagedObjectContext::setBusyTimeout(5000);
    }

    static void addChanges(std::initializer_list<Change> changes) {
        static const char* const names[] = {"add", "duplicate", "drag", "delete"};
        QTest::addColumn<int>("change");
        for (Change change : changes) QTest::newRow(names[change]) << int(change);
    }

    // The change on a full disk, then again with one more page free each
    // time, until it goes through. (A delete needs no room to speak of.)
    void onAFullDisk_data() { addChanges({Add, Duplicate, Drag}); }
    void onAFullDisk() {
        QFETCH(int, change);
        if (!disk->isMounted())
            QSKIP(qPrintable("needs a small tmpfs of its own (run as root): " + disk->why()));
        firstStart(disk->path() + "/Dunok/TimerModel.sqlite");
        const QStringList after = storedAfter(Change(change));
        int refusals = 0;
        for (int pages = 0; pages <= 24; ++pages) {
            QVERIFY(disk->fillLeaving(pages));
            make(Change(change));
            if (alertsOf(Change(change)).isEmpty()) break;
            ++refusals;
            wasRefused(Change(change), diskFull);
            if (QTest::currentTestFailed()) return;
        }
        // The full disk must have refused at least once, or this tested nothing.
        QVERIFY2(refusals > 0, "the change went through on a full disk");
        wentThrough(Change(change), after);
        disk->fillLeaving(0);  // opening a store in order writes nothing
        restartShows(after);
    }

    void whileAnotherProgramHoldsTheStore_data() { addChanges({Add, Duplicate, Drag, Delete}); }
    void whileAnotherProgramHoldsTheStore() {
        QFETCH(int, change);
        firstStart(home->storePath());
        const QStringList after = storedAfter(Change(change));
        {
            testing::StoreLock lock(store);
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            make(Change(change));
            QVERIFY(lock.release());  // the file can be read again to compare
        }
        wasRefused(Change(change), inUse);
        if (QTest::currentTestFailed()) return;
        make(Change(change));
        wentThrough(Change(change), after);
    }

    // Held at start: a short hold is waited out, a long one is told and the next start works.
    void heldAtStart_data() {
        QTest::addColumn<bool>("releasedSoon");
        QTest::newRow("short") << true;
        QTest::newRow("long") << false;
    }
    void heldAtStart() {
        QFETCH(bool, releasedSoon);
        firstStart(home->storePath());
        stopApp();
        testing::StoreLock lock(store);
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        if (releasedSoon) {
            ManagedObjectContext::setBusyTimeout(30000);
            lock.releaseSoon();
            QCOMPARE(startApp(), 0);
            QVERIFY(MessageBox::shownAlerts().isEmpty());
            QCOMPARE(shownNames().size(), 19);
            listAgreesWithStore();
            return;
        }
        MessageBox::setNextAnswer(0);
        QCOMPARE(startApp(), 1);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].message.startsWith("Unresolved error "));
        QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                 qPrintable(alerts[0].informativeText));
        stopApp();
        QVERIFY(lock.release());
        QCOMPARE(testing::sql(store, "PRAGMA integrity_check"), QStringList{"ok"});
        restartShows(firstRun);
    }
};

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
