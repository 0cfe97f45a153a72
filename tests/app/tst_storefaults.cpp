// The store refusing the list's changes: a disk full to the last page, and
// another program holding the file. Every refusal is told with its cause,
// leaves the file whole, the list showing what the file holds and the sheet
// what the user typed; the change goes through once the cause is gone.
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
    QStringList shownNames() const {
        QStringList names;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) names << model->cell(row, 0).text;
        return names;
    }
    int startApp() {
        app = std::make_unique<AppDelegate>(store, home->prefsPath());
        // The holds that are meant to outlast it are never released before the refusal.
        app->setStoreBusyTimeout(300);
        return app->start();
    }
    void stopApp() { app.reset(); }
    void listAgreesWithStore() {
        QCOMPARE(testing::listAgainstStore(store, controller()->timers().timers(), shownNames(),
                                           app->settings()->settings().sort),
                 QString());
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
        TimerTableModel* model = controller()->tableModel();
        if (change == Drag) {
            const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
            QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
        } else {
            if (!editor()) {
                controller()->addTimer();
                QVERIFY(editor());
                editor()->findChild<QLineEdit*>("edDescription")->setText("Tea");
            }
            editor()->findChild<QPushButton*>("btnSave")->click();
        }
        QCoreApplication::processEvents();  // an alert a drop left
    }
    // The file as the change leaves it, from the first run's.
    QStringList storedAfter(Change change) const {
        QStringList after = firstRun;
        if (change == Add) return after << "Tea/300";
        after = testing::entries(
            controller()->timers().timers());  // by time: 30 seconds, 1 minute, ...
        after.move(0, 2);                      // dropped above the fourth row
        return after;
    }
    // One refusal: one alert naming the change and starting with the cause,
    // and nothing anywhere changed.
    void wasRefused(Change change, const QString& cause) {
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].message,
                 change == Add ? "Could not save the timer." : "Could not keep the new order.");
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
    void wentThrough(const QStringList& after) {
        QVERIFY(MessageBox::shownAlerts().isEmpty());
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
        testing::changeSettings(*app->settings(), [](Settings& s) { s.sort = sortNone; });
        controller()->reloadTable();
        QCOMPARE(testing::entries(controller()->timers().timers()), expected);
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        MessageBox::clearLastAlert();
    }
    void cleanup() { stopApp(); }

    // A save on a full disk, then again with one more page free each time,
    // until it goes through. The other changes share the refusal's path.
    void onAFullDisk() {
        testing::SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable("needs a small tmpfs of its own (run as root): " + disk.why()));
        firstStart(disk.path() + "/Dunok/TimerModel.sqlite");
        const QStringList after = storedAfter(Add);
        int refusals = 0;
        for (int pages = 0; pages <= 24; ++pages) {
            QVERIFY(disk.fillLeaving(pages));
            make(Add);
            if (MessageBox::shownAlerts().isEmpty()) break;
            ++refusals;
            wasRefused(Add, diskFull);
            if (QTest::currentTestFailed()) return;
        }
        // The full disk must have refused at least once, or this tested nothing.
        QVERIFY2(refusals > 0, "the change went through on a full disk");
        wentThrough(after);
        disk.fillLeaving(0);  // opening a store in order writes nothing
        restartShows(after);
        stopApp();  // off the disk before it goes
    }

    // A drag writes every timer's place, the most a held file can refuse.
    void whileAnotherProgramHoldsTheStore() {
        firstStart(home->storePath());
        const QStringList after = storedAfter(Drag);
        {
            testing::StoreLock lock(store);
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            make(Drag);
            QVERIFY(lock.release());  // the file can be read again to compare
        }
        wasRefused(Drag, inUse);
        if (QTest::currentTestFailed()) return;
        make(Drag);
        wentThrough(after);
    }

    // Held at start: told, and the next start works.
    void heldAtStart() {
        firstStart(home->storePath());
        stopApp();
        testing::StoreLock lock(store);
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        MessageBox::setNextAnswer(0);
        QCOMPARE(startApp(), 1);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].detailedText.startsWith("Unresolved error "));
        QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                 qPrintable(alerts[0].informativeText));
        stopApp();
        QVERIFY(lock.release());
        restartShows(firstRun);
    }
};

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
