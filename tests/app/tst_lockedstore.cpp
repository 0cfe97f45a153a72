// Another program (here the sqlite3 shell) holding the store: at start-up and
// while the user saves. A short hold is waited out; a long one is told, with
// what to do about it, and the file, the list and what the user typed all
// survive it.
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
const QString inUse = QStringLiteral("Another program is using the file that holds your timers");
}

class TestLockedStore : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<AppDelegate> app;
    QStringList firstRun;  // the ready-made timers as the file holds them

    ViewController* controller() const { return app->window()->viewController(); }
    QStringList shownNames() const {
        QStringList names;
        const TimerTableModel* model = controller()->tableModel();
        for (int row = 0; row < model->rowCount(); ++row) names << model->cell(row, 0).text;
        return names;
    }
    int startApp() {
        app = std::make_unique<AppDelegate>(home->storePath(), home->prefsPath());
        return app->start();
    }
    void stopApp() {
        app.reset();
        testing::resetGlobals();
    }
    void listAgreesWithStore() {
        const QString differs = testing::listAgainstStore(home->storePath(), shownNames());
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }
    EditController* editor() const { return app->window()->findChild<EditController*>(); }

private slots:
    void init() {
        // Long enough for any hold a test means to wait out; the holds meant
        // to outlast it are never released before the refusal.
        ManagedObjectContext::setBusyTimeout(300);
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        QCOMPARE(startApp(), 0);  // a first run writes the ready-made timers
        firstRun = testing::storedTimers(home->storePath());
        QCOMPARE(firstRun.size(), 19);
        stopApp();
    }
    void cleanup() {
        stopApp();
        ManagedObjectContext::setBusyTimeout(5000);
    }

    void aShortHoldAtStartIsWaitedOut() {
        ManagedObjectContext::setBusyTimeout(30000);
        testing::StoreLock lock(home->storePath());
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        lock.releaseSoon();
        QCOMPARE(startApp(), 0);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCOMPARE(shownNames().size(), 19);
        listAgreesWithStore();
    }

    void aLongHoldAtStartIsToldAndTheNextStartWorks() {
        testing::StoreLock lock(home->storePath());
        QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
        MessageBox::setNextAnswer(0);
        QCOMPARE(startApp(), 1);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 1);
        QVERIFY(alerts[0].message.startsWith("Unresolved error "));
        QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                 qPrintable(alerts[0].informativeText));
        stopApp();
        QVERIFY(lock.release());
        QCOMPARE(testing::integrityCheck(home->storePath()), QString("ok"));
        QCOMPARE(testing::storedTimers(home->storePath()), firstRun);
        MessageBox::clearLastAlert();
        QCOMPARE(startApp(), 0);
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCOMPARE(shownNames().size(), 19);
    }

    // Save in the editor while the file is held: told, the sheet keeps "Tea",
    // and Save once the file is free stores it once.
    void savingWhileHeldKeepsTheSheetAndSavesLater() {
        QCOMPARE(startApp(), 0);
        controller()->addTimer();
        QVERIFY(editor());
        editor()->findChild<QLineEdit*>("edDescription")->setText("Tea");
        {
            testing::StoreLock lock(home->storePath());
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            MessageBox::setNextAnswer(0);
            editor()->findChild<QPushButton*>("btnSave")->click();
            const QList<AlertSpec> alerts = MessageBox::shownAlerts();
            QCOMPARE(alerts.size(), 1);
            QCOMPARE(alerts[0].message, QString("Could not save the timer."));
            QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                     qPrintable(alerts[0].informativeText));
            QVERIFY(alerts[0].informativeText.contains("what you typed is still here"));
            QVERIFY(editor());
            QCOMPARE(editor()->findChild<QLineEdit*>("edDescription")->text(), QString("Tea"));
            QVERIFY(lock.release());
        }
        listAgreesWithStore();
        QCOMPARE(testing::storedTimers(home->storePath()), firstRun);

        MessageBox::clearLastAlert();
        editor()->findChild<QPushButton*>("btnSave")->click();
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        QCOMPARE(testing::storedTimers(home->storePath()), firstRun + QStringList{"Tea/300"});
        listAgreesWithStore();
    }

    // The list's own changes while the file is held: each is told and leaves
    // file and list as they were; once the file is free each goes through.
    void listChangesWhileHeld_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicate") << 0 << "Could not duplicate the timer.";
        QTest::newRow("drag") << 1 << "Could not keep the new order.";
        QTest::newRow("delete") << 2 << "Could not delete every timer.";
    }
    void listChangesWhileHeld() {
        QFETCH(int, change);
        QFETCH(QString, message);
        QCOMPARE(startApp(), 0);
        TimerTableModel* model = controller()->tableModel();
        auto makeChange = [&] {
            switch (change) {
                case 0:
                    controller()->myTable()->selectRowExactly(0);
                    controller()->menuDuplicateTimerPressed();
                    break;
                case 1: {
                    const std::unique_ptr<QMimeData> drag(model->mimeData({model->index(0, 0)}));
                    QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
                    break;
                }
                case 2:
                    controller()->myTable()->selectRowExactly(0);
                    MessageBox::setNextAnswer(0);  // "Delete"
                    controller()->deleteTimers();
                    break;
            }
            QCoreApplication::processEvents();  // an alert the drop left for after it
        };
        {
            testing::StoreLock lock(home->storePath());
            QVERIFY2(lock.isHeld(), qPrintable(lock.why()));
            MessageBox::setNextAnswer(0);  // OK on the alert
            makeChange();
            if (QTest::currentTestFailed()) return;
            QList<AlertSpec> alerts = MessageBox::shownAlerts();
            if (change == 2) alerts.removeFirst();  // the confirmation
            QCOMPARE(alerts.size(), 1);
            QCOMPARE(alerts[0].message, message);
            QVERIFY2(alerts[0].informativeText.startsWith(inUse),
                     qPrintable(alerts[0].informativeText));
            QVERIFY(lock.release());
        }
        listAgreesWithStore();
        QCOMPARE(testing::storedTimers(home->storePath()), firstRun);
        QCOMPARE(shownNames().size(), 19);

        MessageBox::clearLastAlert();
        makeChange();
        QList<AlertSpec> alerts = MessageBox::shownAlerts();
        if (change == 2) alerts.removeFirst();
        QVERIFY(alerts.isEmpty());
        listAgreesWithStore();
        QVERIFY(testing::storedTimers(home->storePath()) != firstRun);
        QCOMPARE(shownNames().size(), change == 0 ? 20 : change == 1 ? 19 : 18);
    }
};

QTEST_MAIN(TestLockedStore)
#include "tst_lockedstore.moc"
