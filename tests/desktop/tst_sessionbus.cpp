// Notifications, idle sleep and the launcher entry on the session bus. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QLoggingCategory>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "desktop/DesktopNotifications.h"
#include "desktop/LauncherEntry.h"
#include "desktop/ProcessActivity.h"
#include "desktop/TrayIcon.h"
#include "domain/RunningTimers.h"
#include "domain/TimerList.h"
#include "domain/TimerModel.h"
#include "support/FakeNotificationService.h"
#include "support/MessageLog.h"

using namespace dunok;

static const QString registered = QStringLiteral("Notification Register Success");

// A screen saver whose cookie tells that the caller's name and reason arrived, and a dock.
class FakeDesktop : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QList<QVariantMap> updates;
public slots:
    Q_SCRIPTABLE uint Inhibit(QString app, QString why) { return app + why == "DunokTea" ? 47 : 0; }
    void Update(const QString&, const QVariantMap& properties) { updates << properties; }
};

class TestSessionBus : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::ServiceOnBus> fake;
    testing::FakeNotificationService& service() { return fake->service; }
    bool startService() {
        fake = std::make_unique<testing::ServiceOnBus>();
        return fake->start();
    }
private slots:
    // The console lines for developers are what these tests wait on.
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("dunok.*.debug=true")); }
    // A close sent at the end of a case (a used notification closes) may still be on its way;
    // the next case's service, under the same name, must not receive it. Calls on one
    // connection arrive in order: once a call sent now is answered, all before it are in.
    void cleanup() {
        QLoggingCategory::setFilterRules(QString());
        if (!fake) return;
        const QDBusPendingCall last =
            QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
                DesktopNotifications::serviceName, DesktopNotifications::objectPath,
                DesktopNotifications::interfaceName, "GetCapabilities"));
        QTRY_VERIFY_WITH_TIMEOUT(last.isFinished(), 10000);
        fake.reset();
    }
    // Unless asked for, a user's console hears nothing of a service that answers.
    void developersLinesAreSilentByDefault() {
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(startService());
        testing::MessageLog log;
        DesktopNotifications notifications;
        notifications.requestAuthorization();
        notifications.post({"Tea", "", "", "t-1"});
        QTRY_COMPARE_WITH_TIMEOUT(service().shown.size(), 1, 10000);
        QVERIFY2(!log.contains(registered) && !log.contains("Permission granted"),
                 qPrintable(log.messages().join('\n')));
    }
    void showsReplacesAndHearsClicks() {
        QVERIFY(startService());
        service().capabilities << "body-markup";
        testing::MessageLog log;
        DesktopNotifications notifications;
        QSignalSpy clicked(&notifications, &DesktopNotifications::clicked);
        QSignalSpy dismissed(&notifications, &DesktopNotifications::dismissed);
        // Posts and waits for the service's answer, the nth of ours.
        const auto post = [&](const DesktopNotifications::Content& notice, int nth) {
            notifications.post(notice);
            QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), nth, 10000);
        };
        notifications.requestAuthorization();
        post({"Tea & <cake>", "Duration was 30s", "Occurred at 10:15 & <b>", "t-1"}, 1);
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains("Permission granted"), 10000);
        const auto& shown = service().shown;
        // Only the body may carry markup: what was typed there must show as typed.
        QVERIFY(shown[0].summary == "Tea & <cake>" &&
                shown[0].body == "Duration was 30s\nOccurred at 10:15 &amp; &lt;b&gt;");
        // Services only honour an urgency sent as a byte.
        const QVariant urgency = shown[0].hints.value("urgency");
        QVERIFY(urgency.metaType() == QMetaType::fromType<uchar>() && urgency.toInt() == 2);
        // The service finds the launcher entry, and the icon, by the application id.
        QCOMPARE(shown[0].hints.value("desktop-entry").toString(), QString("org.dunok.Dunok"));
        QCOMPARE(shown[0].icon, QString("org.dunok.Dunok"));
        // Posted back to back: the second still has to know the id of the one before it.
        notifications.post({"Tea", "", "", "t-2"});
        post({"Tea", "", "", "t-3"}, 3);
        QCOMPARE(shown[2].replacesId, shown[1].id);
        // A service error is reported; the alarm after it still replaces the last one shown.
        service().failWith = "Too many notifications";
        notifications.post({"Tea", "", "", "t-4"});
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains("Too many notifications"), 10000);
        service().failWith.clear();
        post({"Tea", "", "", "t-5"}, 4);
        QCOMPARE(shown[3].replacesId, shown[2].id);
        // Signals arrive in order: the click on ours shows the others were passed over.
        emit service().ActionInvoked(shown[3].id + 50, "default");  // another program's
        emit service().ActionInvoked(shown[3].id, "snooze");
        emit service().ActionInvoked(shown[3].id, "default");
        QVERIFY(clicked.wait(10000) && clicked.size() == 1 && clicked[0][0] == "t-5");
        // Acted on, it leaves the screen, and that is no dismissal by the user.
        QTRY_COMPARE_WITH_TIMEOUT(service().closed, QList<uint>{shown[3].id}, 10000);
        post({"Egg", "", "", "t-6"}, 5);
        QCOMPARE(shown[4].replacesId, 0u);  // nothing of ours is left to replace
        // Expired, it says nothing; dismissed by the user, it names its timer, once.
        emit service().NotificationClosed(shown[4].id, 1);
        post({"Egg", "", "", "t-7"}, 6);
        emit service().NotificationClosed(shown[5].id, 2);
        emit service().NotificationClosed(shown[5].id, 2);
        post({"Egg", "", "", "t-8"}, 7);  // its reply comes after both signals
        QVERIFY(dismissed.size() == 1 && dismissed[0][0] == "t-7" && clicked.size() == 1);
    }
    // Where the service shows buttons: "+1 min" on every finish, Snooze and Stop beside a snooze.
    void buttonsWhereTheServiceShowsThem() {
        QVERIFY(startService());
        testing::MessageLog log;
        DesktopNotifications notifications;
        QSignalSpy added(&notifications, &DesktopNotifications::addMinuteChosen);
        notifications.requestAuthorization();
        notifications.post({"Tea", "", "", "t-1"});
        notifications.post({"Egg", "", "", "t-2", "Snooze 5m"});
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 2, 10000);
        const auto& shown = service().shown;
        QCOMPARE(shown[0].actions, QStringList({"default", "Show Dunok", "add-minute", "+1 min"}));
        QCOMPARE(shown[1].actions.mid(2),
                 QStringList({"snooze", "Snooze 5m", "add-minute", "+1 min", "stop", "Stop"}));
        emit service().ActionInvoked(shown[1].id, "add-minute");
        QVERIFY(added.wait(10000) && added[0][0] == "t-2");
    }
    // A heads-up is quiet, leaves the alarm before it alone, and its own finish takes its place.
    void headsUpIsQuietAndGivesWayToItsFinish() {
        QVERIFY(startService());
        testing::MessageLog log;
        DesktopNotifications notifications;
        QSignalSpy clicked(&notifications, &DesktopNotifications::clicked);
        QSignalSpy dismissed(&notifications, &DesktopNotifications::dismissed);
        QSignalSpy headsUpClicked(&notifications, &DesktopNotifications::headsUpClicked);
        const auto headsUp = [](const QString& timerId) {
            DesktopNotifications::Content c;
            c.title = timerId + ": 1 minute left";
            c.timerId = timerId;
            c.headsUp = true;
            return c;
        };
        const auto& shown = service().shown;
        notifications.post({"Tea", "", "", "t-1"});
        notifications.post(headsUp("t-2"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 2, 10000);
        QCOMPARE(shown[1].replacesId, 0u);
        QVERIFY(shown[1].hints.value("urgency").toInt() == 0 &&
                shown[1].hints.value("suppress-sound").toBool());
        QVERIFY(shown[1].expireTimeout == -1 && shown[1].actions.size() == 2);
        notifications.post({"Egg", "", "", "t-2"});
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 3, 10000);
        QCOMPARE(shown[2].replacesId, shown[1].id);
        QTRY_COMPARE_WITH_TIMEOUT(service().closed, QList<uint>{shown[0].id}, 10000);
        // Withdrawn when shown, and when withdrawn before the service gave it an id.
        notifications.post(headsUp("t-3"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 4, 10000);
        notifications.withdrawHeadsUp("t-3");
        notifications.post(headsUp("t-4"));
        notifications.withdrawHeadsUp("t-4");
        notifications.post(headsUp("t-5"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 6, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(service().closed,
                                  QList<uint>({shown[0].id, shown[3].id, shown[4].id}), 10000);
        QCOMPARE(shown.last().summary, "t-5: 1 minute left");
        // Used, it only asks for the window; gone by the user's hand, it stops nothing.
        emit service().ActionInvoked(shown.last().id, "default");
        QVERIFY(headsUpClicked.wait(10000) && headsUpClicked[0][0] == "t-5");
        notifications.post(headsUp("t-6"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 7, 10000);
        emit service().NotificationClosed(shown.last().id, 2);  // as the finish is posted
        notifications.post({"Egg", "", "", "t-6"});
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 8, 10000);
        QCOMPARE(clicked.size(), 0);
        QCOMPARE(dismissed.size(), 0);
        // Closed as its finish went out: the finish still shows, and is no dismissal.
        QCOMPARE(shown.last().replacesId, shown[shown.size() - 2].id);
    }
    // The tray's tooltip: what counts down, soonest first, then what waits paused; ten at most.
    void trayToolTipListsWhatRuns() {
        QGuiApplication::setApplicationDisplayName("Dunok");
        TimerList list;
        RunningTimers running;
        QList<Timer> timers;
        for (int i = 1; i <= 12; ++i) {
            timers << newTimer(QString("T%1").arg(i), 600, "Chimes");
            timers.last().id = i;
            running.append({QString::number(i), i == 2, {}, i == 1 ? 0 : 700 - 10 * i});
        }
        list.assign(timers);
        QCOMPARE(
            TrayIcon::toolTip(runningLines(running, list)).split('\n'),
            QStringList({"Dunok", "T12 — 9:40 left", "T11 — 9:50 left", "T10 — 10:00 left",
                         "T9 — 10:10 left", "T8 — 10:20 left", "T7 — 10:30 left", "T6 — 10:40 left",
                         "T5 — 10:50 left", "T4 — 11:00 left", "T3 — 11:10 left", "and 1 more"}));
        QCOMPARE(TrayIcon::toolTip(runningLines(running, list).mid(9)),
                 "Dunok\nT3 — 11:10 left\nT2 — paused, 11:20 left");
        // The icon's pie: the soonest to finish, a paused one only when nothing counts.
        QCOMPARE(TrayIcon::ringFor(runningLines(running, list)), (TrayRing{1, false}));
        QCOMPARE(TrayIcon::ringFor(runningLines(running, list).mid(10)), (TrayRing{0, true}));
        QVERIFY(!TrayIcon::ringFor({}));
        // Its menu: Show, each running timer with its own commands, Quit.
        TrayIcon tray;
        tray.setRunningSource([&] { return runningLines(running, list).mid(9); });
        QSignalSpy paused(&tray, &TrayIcon::pauseOrResumeRequested);
        QSignalSpy stopped(&tray, &TrayIcon::stopRequested);
        for (int open = 0; open < 2; ++open) emit tray.menu()->aboutToShow();  // made anew
        QStringList items;
        for (QAction* item : tray.menu()->actions()) items << item->text();
        QCOMPARE(items, QStringList({"Show Dunok", "", "T3 — 11:10 left", "T2 — paused, 11:20 left",
                                     "", "Quit Dunok"}));
        const QList<QAction*> t2 = tray.menu()->actions()[3]->menu()->actions();
        QCOMPARE(t2[0]->text() + ' ' + t2[1]->text(), "Resume Stop");
        t2[0]->trigger();
        t2[1]->trigger();
        QVERIFY(paused.size() == 1 && paused[0][0] == "2" && stopped.size() == 1);
    }
    // Without a service the console says why, and posting breaks nothing.
    void withoutAServiceTheConsoleSaysWhy() {
        testing::MessageLog log;
        DesktopNotifications notifications;
        notifications.requestAuthorization();
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains("Permission not granted"), 10000);
        const qsizetype verdict = log.messages().indexOf("Permission not granted");
        QVERIFY2(verdict > 0 && !log.messages()[verdict - 1].isEmpty(), "the reason comes first");
        notifications.post({"Tea", "", "", "t-1"});
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().size() > verdict + 1, 10000);  // and why not shown
    }
    void idleSleepIsHeldOnlyWhereAScreenSaverAnswers() {
        testing::MessageLog log;
        ProcessActivity without;
        QSignalSpy unheld(&without, &ProcessActivity::settled);
        without.begin("Dunok", "Tea");
        QVERIFY(unheld.wait(8000) && !unheld[0][0].toBool() && !without.isHeld());
        QCOMPARE(log.countStartingWith("Idle sleep is not held off"), 1);
        FakeDesktop saver;
        QDBusConnection session = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "ss");
        QVERIFY(session.registerObject("/org/freedesktop/ScreenSaver", &saver,
                                       QDBusConnection::ExportScriptableSlots) &&
                session.registerService("org.freedesktop.ScreenSaver"));
        ProcessActivity activity;
        QSignalSpy settled(&activity, &ProcessActivity::settled);
        activity.begin("Dunok", "Tea");
        QVERIFY(settled.wait(5000) && settled[0][0].toBool() && activity.isHeld());
        QCOMPARE(activity.cookie(), 47u);
    }
    void launcherEntryHearsOnlyChangesOfCountAndProgress() {
        FakeDesktop dock;
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "dock");
        QVERIFY(bus.connect(QString(), LauncherEntry::objectPath, LauncherEntry::interfaceName,
                            "Update", {"application://org.dunok.Dunok.desktop"}, QString(), &dock,
                            SLOT(Update(QString, QVariantMap))));
        LauncherEntry entry;
        RunningTimers running;
        TimerList list;
        Badge badge(running, list);
        badge.addDisplay(&entry);
        for (int count : {3, 3, 0}) {
            running.clear();
            for (int i = 0; i < count; ++i) running.append({QString::number(i + 1), false, {}, 0});
            badge.update();
        }
        badge.removeDisplay(&entry);
        // Unchanged, or moved by under a percent: not sent.
        const qint64 steps[][2] = {{90, 180}, {90, 180}, {7199, 7200}, {7190, 7200}, {7128, 7200}};
        for (const auto& [left, of] : steps) entry.showNextFinish(NextFinish{"Tea", left, of});
        entry.showNextFinish(std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(dock.updates.size(), 6, 5000);
        QCOMPARE(dock.updates, (QList<QVariantMap>{{{"count", qint64(3)}, {"count-visible", true}},
                                                   {{"count", qint64(0)}, {"count-visible", false}},
                                                   {{"progress", 0.5}, {"progress-visible", true}},
                                                   {{"progress", 0.0}, {"progress-visible", true}},
                                                   {{"progress", 0.01}, {"progress-visible", true}},
                                                   {{"progress-visible", false}}}));
    }
};

QTEST_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
