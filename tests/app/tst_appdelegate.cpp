// Dunok as a whole from start to quit: the list a new user finds and finds
// again, a store that cannot be opened, bringing the window back, and the
// quit sequence with its alert.
#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include "app/AppDelegate.h"
#include "engine/Badge.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/TimerTableView.h"
#include "mainwindow/ViewController.h"
#include "model/Globals.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/ObjectStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class CountingBadge : public BadgeDisplay {
public:
    void showCount(int count) override { shown.append(count); }
    QList<int> shown;
};
}  // namespace

class TestAppDelegate : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
    }
    void cleanup() {
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        home.reset();
    }

    void newUserFindsTheDefaultTimersAndFindsThemAgain() {
        {
            AppDelegate app(home->storePath(), home->prefsPath());
            QCOMPARE(app.start(), 0);
            MainWindow* window = app.window();
            QVERIFY(window->isVisible());
            QCOMPARE(window->windowTitle(), QString("Dunok"));
            TimerTableModel* model = window->viewController()->tableModel();
            QCOMPARE(model->rowCount(), 19);
            QCOMPARE(model->cell(0, 0).text, QString("30 seconds"));
            QCOMPARE(model->cell(0, 1).text, QString("30s"));
            QCOMPARE(model->cell(1, 1).text, QString("1m"));
            QCOMPARE(model->cell(17, 0).text, QString("1 hour 45 minutes"));
            QCOMPARE(model->cell(15, 1).text, QString("1h  15m"));
            QCOMPARE(model->cell(18, 0).text, QString("2 hours"));
            QCOMPARE(model->cell(18, 1).text, QString("2h "));
            QCOMPARE(window->viewController()->myTable()->rowHeight(0), 38);
            QCOMPARE(app.applicationShouldTerminate(), AppDelegate::TerminateReply::TerminateNow);
            app.applicationWillTerminate();
        }
        QVERIFY(MessageBox::shownAlerts().isEmpty());
        testing::resetGlobals();
        {
            AppDelegate app(home->storePath(), home->prefsPath());
            QCOMPARE(app.start(), 0);
            TimerTableModel* model = app.window()->viewController()->tableModel();
            QCOMPARE(model->rowCount(), 19);
            QCOMPARE(model->cell(0, 0).text, QString("30 seconds"));
        }
    }

    void storeThatCannotBeOpenedStopsTheProgramAndKeepsTheFile() {
        QDir().mkpath(QFileInfo(home->storePath()).path());
        QFile garbage(home->storePath());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray("these are my notes, not a database\n").repeated(200));
        garbage.close();
        const QByteArray before = fileHash(home->storePath());
        const QDateTime modified = QFileInfo(home->storePath()).lastModified();

        testing::MessageLog log;
        MessageBox::setNextAnswer(0);
        AppDelegate app(home->storePath(), home->prefsPath());
        QCOMPARE(app.start(), 1);
        QVERIFY(!app.window());
        QCOMPARE(log.countStartingWith("Unresolved error "), 1);
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert.has_value());
        QVERIFY(alert->message.startsWith("Unresolved error "));
        QVERIFY(log.contains(alert->message));
        QCOMPARE(fileHash(home->storePath()), before);
        QCOMPARE(QFileInfo(home->storePath()).lastModified(), modified);
    }

    void closingTheWindowKeepsDunokRunningAndReopenBringsItBack() {
        AppDelegate app(home->storePath(), home->prefsPath());
        QCOMPARE(app.start(), 0);
        QVERIFY(QTest::qWaitForWindowExposed(app.window()));
        app.window()->viewController()->myTable()->selectRowExactly(4);
        app.window()->close();
        QVERIFY(!app.window()->isVisible());
        QCOMPARE(savedSelectedRow, 4);

        QVERIFY(app.applicationShouldHandleReopen(false));
        QVERIFY(app.window()->isVisible());
        QCOMPARE(app.window()->viewController()->myTable()->selectedRow(), 4);
        // With the window already there, reopening does nothing more.
        QVERIFY(!app.applicationShouldHandleReopen(true));

        app.window()->close();
        app.menuShowAppPressed();
        QVERIFY(app.window()->isVisible());
    }

    void quittingWithUnsavedChangesThatCannotBeSaved_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("quits");
        QTest::newRow("Quit anyway") << 0 << true;
        QTest::newRow("Cancel") << 1 << false;
    }
    void quittingWithUnsavedChangesThatCannotBeSaved() {
        QFETCH(int, answer);
        QFETCH(bool, quits);
        AppDelegate app(home->storePath(), home->prefsPath());
        QCOMPARE(app.start(), 0);
        timersArray[0]->setValue(TimersKeys::desc, "Changed but not saved");
        app.persistentContainer()->failNextWrites(1000);

        MessageBox::setNextAnswer(0);       // the error itself: OK
        MessageBox::setNextAnswer(answer);  // then the question
        const auto reply = app.applicationShouldTerminate();
        QCOMPARE(reply, quits ? AppDelegate::TerminateReply::TerminateNow
                              : AppDelegate::TerminateReply::TerminateCancel);
        const QList<AlertSpec> alerts = MessageBox::shownAlerts();
        QCOMPARE(alerts.size(), 2);
        QCOMPARE(alerts[1].message, QString("Could not save changes while quitting. Quit anyway?"));
        QCOMPARE(alerts[1].informativeText,
                 QString("Quitting now will lose any changes you have made since the last "
                         "successful save"));
        QCOMPARE(alerts[1].buttons, QStringList({"Quit anyway", "Cancel"}));
        // Cancel keeps the unsaved change for a later try.
        if (!quits) QVERIFY(app.persistentContainer()->hasChanges());
        app.persistentContainer()->failNextWrites(0);
    }

    void quitSavesPendingChangesClearsTheBadgeAndStoresACustomOrder() {
        CountingBadge badge;
        addBadgeDisplay(&badge);
        {
            AppDelegate app(home->storePath(), home->prefsPath());
            QCOMPARE(app.start(), 0);
            Alert alert;
            alert.id = timerId(timersArray[0]);
            alertsArray.append(alert);
            updateBadge();
            alertsArray.clear();

            timersArray[1]->setValue(TimersKeys::desc, "Renamed");
            std::swap(timersArray[0], timersArray[18]);  // as a drop would leave it
            wasReordered = true;
            app.terminate();
            QVERIFY(MessageBox::shownAlerts().isEmpty());
        }
        removeBadgeDisplay(&badge);
        QCOMPARE(badge.shown, QList<int>({1, 0}));

        ManagedObjectContext check(timerDataModel());
        StoreError error;
        QVERIFY(check.open(home->storePath(), &error));
        const auto stored = *check.fetch({TimersKeys::entity, {}}, &error);
        QCOMPARE(stored.size(), 19);
        QCOMPARE(timerDesc(stored[0]), QString("2 hours"));
        QCOMPARE(timerDesc(stored[18]), QString("30 seconds"));
        QCOMPARE(timerDesc(stored[1]), QString("Renamed"));
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
