// The store refusing the list's changes: a disk full to the last page, and another program
// holding the file. Every refusal is told with its cause, leaves the file whole, the list showing
// what the file holds and the sheet what the user typed; the change goes through once the cause
// is gone.
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/AppDelegate.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"
#include "ui/EditController.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "ui/TimerTableModel.h"
#include "ui/ViewController.h"

using namespace dunok;

namespace {
const QString diskFull = QStringLiteral("The disk that holds your timers is full");
const QString inUse = QStringLiteral("Another program is using the file that holds your timers");
enum Change { Add, Drag };
}  // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<AppDelegate> app;
    QString store;
    QStringList firstRun;  // the ready-made timers as the file holds them

    ViewController* controller() const { return app->window()->viewController(); }
    EditController* editor() const { return app->window()->findChild<EditController*>(); }
    int startApp() {
        app = std::make_unique<AppDelegate>(store, home->prefsPath());
        // The holds that are meant to outlast it are never released before the refusal.
        app->setStoreBusyTimeout(300);
        return app->start();
    }
    // The file, the list and the table agree, and hold `expected`.
    void storeAndListHold(const QStringList& expected) {
        QStringList shown;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) shown << model->cell(row, 0).text;
        QCOMPARE(testing::storedTimers(store), expected);
        QCOMPARE(testing::listAgainstStore(store, controller()->timers().timers(), shown,
                                           app->settings()->settings().sort),
                 QString());
    }
    // A first run (the nineteen ready-made timers, sorted by time) on a store at `path`.
    void firstStart(const QString& path) {
        store = path;
        QCOMPARE(startApp(), 0);
        firstRun = testing::storedTimers(store);
        QCOMPARE(firstRun.size(), 19);
    }
    // Makes the change as the user does, with "OK" ready for an alert, and returns the file as
    // the change leaves it. A refused Save keeps the sheet open: the next try only saves.
    QStringList make(Change change) {
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        TimerTableModel* model = controller()->tableModel();
        QStringList after = change == Add ? firstRun + QStringList{"Tea/300"}
                                          : testing::entries(controller()->timers().timers());
        if (change == Drag) {
            const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
            [&] { QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {})); }();
            after.move(0, 2);  // dropped above the fourth row
        } else {
            if (!editor()) {
                controller()->addTimer();
                editor()->findChild<QLineEdit*>("edDescription")->setText("Tea");
            }
            editor()->findChild<QPushButton*>("btnSave")->click();
        }
        QCoreApplication::processEvents();  // an alert a drop left
        return after;
    }
    // One refusal: one alert naming the change and starting with the cause, and nothing
    // anywhere changed.
    void wasRefused(Change change, const QString& cause) {
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].message,
                 change == Add ? "Could not save the timer." : "Could not keep the new order.");
        QVERIFY2(alerts[0].informativeText.startsWith(cause),
                 qPrintable(alerts[0].informativeText));
        storeAndListHold(firstRun);
        if (change == Add) {
            QVERIFY(alerts[0].informativeText.contains("what you typed is still here"));
            QCOMPARE(editor()->findChild<QLineEdit*>("edDescription")->text(), QString("Tea"));
        }
    }
    // The next run opens the store and shows what it holds, in the file's order.
    void restartShows(const QStringList& expected) {
        app.reset();
        MessageBox::clearLastAlert();
        QCOMPARE(startApp(), 0);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        testing::changeSettings(*app->settings(), [](Settings& s) { s.sort = sortNone; });
        controller()->reloadTable();
        storeAndListHold(expected);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        MessageBox::clearLastAlert();
    }
    void cleanup() { app.reset(); }

    // A save on a full disk, then again with one more page free each time, until it goes
    // through. The other changes share the refusal's path.
    void onAFullDisk() {
        testing::SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable("needs a small tmpfs of its own (run as root): " + disk.why()));
        firstStart(disk.path() + "/Dunok/TimerModel.sqlite");
        QStringList after;
        int refusals = 0;
        for (int pages = 0; pages <= 24; ++pages) {
            QVERIFY(disk.fillLeaving(pages));
            after = make(Add);
            if (MessageBox::shownAlerts().isEmpty()) break;
            ++refusals;
            wasRefused(Add, diskFull);
            if (QTest::currentTestFailed()) return;
        }
        QVERIFY2(refusals > 0, "the change went through on a full disk");
        storeAndListHold(after);
        disk.fillLeaving(0);  // opening a store in order writes nothing
        restartShows(after);
        app.reset();  // off the disk before it goes
    }

    // A drag writes every timer's place, the most a held file can refuse; held at the next
    // start, the store is told of, and the start after works.
    void whileAnotherProgramHoldsTheStore() {
        firstStart(home->storePath());
        {
            testing::StoreLock lock(store);
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            make(Drag);
            QVERIFY(lock.release());  // the file can be read again to compare
        }
        wasRefused(Drag, inUse);
        if (QTest::currentTestFailed()) return;
        const QStringList after = make(Drag);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        storeAndListHold(after);
        app.reset();
        testing::StoreLock lock(store);
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        MessageBox::clearLastAlert();
        MessageBox::setNextAnswer(0);
        QCOMPARE(startApp(), 1);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].detailedText.startsWith("Unresolved error "));
        QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                 qPrintable(alerts[0].informativeText));
        app.reset();
        QVERIFY(lock.release());
        restartShows(after);
    }
};

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
