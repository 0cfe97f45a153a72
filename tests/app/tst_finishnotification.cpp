// A timer's finish with the whole program running: the notification posted, and a click on it
// that silences the alarm and brings the closed window back. DUNOK_TEST_NEEDS_DBUS
#include <QSignalSpy>
#include <QTest>

#include "app/AppDelegate.h"
#include "engine/Alarm.h"
#include "engine/TimerEngine.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerTableModel.h"
#include "mainwindow/ViewController.h"
#include "model/Globals.h"
#include "model/TimerModel.h"
#include "support/FakeNotificationService.h"
#include "support/TestEnvironment.h"

using namespace dunok;

class TestFinishNotification : public QObject {
    Q_OBJECT
private slots:
    void finishIsPostedAndAClickBringsTheWindowBack() {
        testing::TestHome home;
        testing::resetGlobals();
        testing::ServiceOnBus fake;
        QVERIFY(fake.start());

        AppDelegate app(home.storePath(), home.prefsPath());
        QCOMPARE(app.start(), 0);
        // The launch's second half (notifications among it) follows the first paint.
        QVERIFY(QSignalSpy(app.window(), &MainWindow::firstPainted).wait());
        ViewController* vc = app.window()->viewController();
        int row = -1;
        for (int r = 0; r < timersArray.size(); ++r)
            if (timerDesc(timersArray[r]) == QStringLiteral("30 seconds")) row = r;
        QVERIFY(row >= 0);
        const QString id = timerId(timersArray[row]);

        vc->engine()->tableViewDoubleClick(row);
        app.window()->close();  // the user works elsewhere meanwhile
        QVERIFY(!app.window()->isVisible());
        for (int tick = 0; tick < 30; ++tick) vc->engine()->handleAlert(id);

        // Bring to front is on by default: the finish already shows the window.
        QVERIFY(app.window()->isVisible());
        QVERIFY(isAlarmPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(fake.service.shown.size(), 1, 10000);
        const auto& shown = fake.service.shown.first();
        QCOMPARE(shown.summary, QStringLiteral("30 seconds"));
        QVERIFY2(shown.body.startsWith(QStringLiteral("Duration was 30s\nOccurred at ")),
                 qPrintable(shown.body));

        app.window()->close();
        emit fake.service.ActionInvoked(shown.id, "default");
        QTRY_VERIFY_WITH_TIMEOUT(app.window()->isVisible(), 10000);
        QVERIFY(!isAlarmPlaying());
        QVERIFY(alertsArray.isEmpty());
    }
};

QTEST_MAIN(TestFinishNotification)
#include "tst_finishnotification.moc"
