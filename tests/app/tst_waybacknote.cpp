// Where no tray leads back to a closed window, the first close says how to get it back: in a
// notification, or in the status line with notifications off; with a tray, nothing is said.
// DUNOK_TEST_NEEDS_DBUS
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "app/AppDelegate.h"
#include "domain/Preferences.h"
#include "support/FakeNotificationService.h"
#include "support/TestEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/TimerTableView.h"
#include "ui/ViewController.h"

using namespace dunok;

namespace {
const QString wayBack = QStringLiteral(
    "Dunok keeps running. To get its window back, launch Dunok again or run “dunok --show”.");
}  // namespace

class TestWayBackNote : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<testing::ServiceOnBus> desktop;
    std::unique_ptr<AppDelegate> app;
    bool trayShown = false;

    ViewController* controller() const { return app->window()->viewController(); }
    bool start(bool notifications) {
        app = std::make_unique<AppDelegate>(home->storePath(), home->prefsPath());
        app->setTrayShown([this] { return trayShown; });
        if (app->start() != 0) return false;
        testing::changeSettings(*app->settings(),
                                [&](Settings& s) { s.sendNotification = notifications; });
        // Notifications are set up after the window's first paint.
        app->window()->grab();
        QCoreApplication::processEvents();
        return true;
    }
    // Closes the window as the user does, and brings it back as a second launch does.
    bool closeAndReopen() {
        return app->window()->close() && !app->window()->isVisible() &&
               app->applicationShouldHandleReopen(false);
    }
    int notesShown() const {
        return int(std::count_if(desktop->service.shown.cbegin(), desktop->service.shown.cend(),
                                 [](const auto& shown) { return shown.body == wayBack; }));
    }
    bool inStatusLine() const { return controller()->lblCount()->text().contains(wayBack); }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        desktop = std::make_unique<testing::ServiceOnBus>();
        QVERIFY(desktop->start());
        trayShown = false;
    }
    void cleanup() {
        app.reset();
        desktop.reset();
    }

    // Once, quiet and without buttons; the window's status line is left alone.
    void toldOnceInANotification() {
        QVERIFY(start(true));
        for (int close = 0; close < 3; ++close) QVERIFY(closeAndReopen());
        QTRY_COMPARE(notesShown(), 1);
        const auto& note = desktop->service.shown.constLast();
        QCOMPARE(note.summary, QStringLiteral("Dunok"));
        QCOMPARE(note.actions, (QStringList{"default", "Show Dunok"}));  // a click shows the window
        QCOMPARE(note.hints.value("urgency").toInt(), 0);
        QTest::qWait(200);  // a second note would have come by now
        QCOMPARE(notesShown(), 1);
        QVERIFY(!inStatusLine());
    }

    // In the status line until a timer starts; a later close, in this run or the next, does not
    // put it back.
    void toldOnceInTheStatusLine() {
        QVERIFY(start(false));
        QVERIFY(closeAndReopen());
        QVERIFY2(inStatusLine(), qPrintable(controller()->lblCount()->text()));
        controller()->myTable()->selectRowExactly(0);
        controller()->tableViewDoubleClick();
        QVERIFY(!inStatusLine());
        QVERIFY(closeAndReopen());
        QVERIFY(!inStatusLine());
        QTest::qWait(200);
        QCOMPARE(notesShown(), 0);
        // Nor in a later run: the user knows the way back by then.
        app.reset();
        QVERIFY(start(false));
        QVERIFY(closeAndReopen());
        QVERIFY(!inStatusLine());
    }

    // The tray's icon is the way back while it shows; once its host is gone, a close tells.
    void quietWhileATrayShowsTheIcon() {
        trayShown = true;
        QVERIFY(start(false));
        QVERIFY(closeAndReopen());
        QVERIFY(!inStatusLine());
        trayShown = false;
        QVERIFY(closeAndReopen());
        QVERIFY(inStatusLine());
    }
};

QTEST_MAIN(TestWayBackNote)
#include "tst_waybacknote.moc"
