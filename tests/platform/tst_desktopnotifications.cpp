// The "timer finished" notification as the desktop's notification service
// sees it, against a stand-in service on a private bus. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusServiceWatcher>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "platform/DesktopNotifications.h"
#include "support/FakeNotificationService.h"
#include "support/MessageLog.h"

using namespace dunok;
using dunok::testing::FakeNotificationService;
using dunok::testing::ServiceOnBus;

namespace {
const char* const withoutBusMarker = "DUNOK_NOTIFICATIONS_TEST_WITHOUT_BUS";
const QString registered = QStringLiteral("Notification Register Success");

// Hears the service's clicks on the connection Dunok uses. Once it has heard
// one, Dunok has been handed the same message and all before it.
class ClickListener : public QObject {
    Q_OBJECT
public:
    ClickListener() {
        QDBusConnection::sessionBus().connect(DesktopNotifications::serviceName,
                                              DesktopNotifications::objectPath,
                                              DesktopNotifications::interfaceName, "ActionInvoked",
                                              this, SLOT(onActionInvoked(uint, QString)));
    }
    int heard = 0;
public slots:
    void onActionInvoked(uint, const QString&) { ++heard; }
};

DesktopNotifications::Content alarm(const QString& timerId) {
    return {"Tea", "Duration was 30s", "Occurred at 10:15", timerId};
}

int runWithoutBus(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DesktopNotifications notifications;
    notifications.requestAuthorization();
    notifications.post(alarm("t-1"));
    notifications.post(alarm("t-2"));
    QCoreApplication::processEvents();
    return 0;
}
}  // namespace

class TestDesktopNotifications : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
                 "run under dbus-run-session");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void withoutAServiceTheConsoleSaysWhy() {
        testing::MessageLog log;
        DesktopNotifications notifications;
        notifications.requestAuthorization();
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains("Permission not granted"), 10000);
        const QStringList lines = log.messages();
        const qsizetype verdict = lines.indexOf("Permission not granted");
        QVERIFY2(verdict > 0 && !lines[verdict - 1].isEmpty(), "the reason comes first");
        QVERIFY(!lines.contains("Permission granted"));

        const qsizetype before = lines.size();
        notifications.post(alarm("t-1"));
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().size() > before, 10000);
        QVERIFY(!log.messages().last().isEmpty());
        QCOMPARE(log.countStartingWith(registered), 0);
    }

    void aServiceGrantsPermissionAndShowsTheAlarm() {
        ServiceOnBus fake;
        QVERIFY(fake.start());
        testing::MessageLog log;
        DesktopNotifications notifications;
        notifications.requestAuthorization();
        notifications.post(alarm("t-1"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains("Permission granted"), 10000);
        QVERIFY(!log.messages().contains("Permission not granted"));

        QCOMPARE(fake.service.shown.size(), 1);
        const auto& shown = fake.service.shown.first();
        QCOMPARE(shown.app, QString("Dunok"));
        QCOMPARE(shown.replacesId, 0u);
        QCOMPARE(shown.icon, QString("dunok"));
        QCOMPARE(shown.summary, QString("Tea"));
        QCOMPARE(shown.body, QString("Duration was 30s\nOccurred at 10:15"));
        QCOMPARE(shown.expireTimeout, 0);
        // Actions come as key/label pairs.
        QCOMPARE(shown.actions.size() % 2, 0);
        const qsizetype key = shown.actions.indexOf("default");
        QVERIFY(key >= 0 && key % 2 == 0 && !shown.actions[key + 1].isEmpty());
        // Services only honour an urgency sent as a byte.
        const QVariant urgency = shown.hints.value("urgency");
        QCOMPARE(urgency.metaType(), QMetaType::fromType<uchar>());
        QCOMPARE(urgency.value<uchar>(), uchar(2));
        QCOMPARE(shown.hints.value("desktop-entry").toString(), QString("dunok"));
        QCOMPARE(shown.hints.value("x-dunok-timer-id").toString(), QString("t-1"));
    }

    void eachAlarmReplacesTheLastAndClicksFindTheirTimer() {
        ServiceOnBus fake;
        QVERIFY(fake.start());
        testing::MessageLog log;
        DesktopNotifications notifications;
        QSignalSpy clicked(&notifications, &DesktopNotifications::clicked);

        notifications.post(alarm("t-1"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 1, 10000);
        // Posted back to back: the last one still has to know the id of the one
        // before it.
        notifications.post(alarm("t-2"));
        notifications.post(alarm("t-3"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 3, 10000);
        const auto& shown = fake.service.shown;
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].replacesId, 0u);
        QCOMPARE(shown[1].replacesId, shown[0].id);
        QCOMPARE(shown[2].replacesId, shown[1].id);
        const uint id = shown[2].id;

        // Signals arrive in order, so the click on ours proves the others were
        // seen and passed over.
        emit fake.service.ActionInvoked(id + 50, "default");  // another program's
        emit fake.service.ActionInvoked(id, "snooze");
        emit fake.service.ActionInvoked(id, "default");
        QVERIFY(clicked.wait(10000));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().first().toString(), QString("t-3"));

        // Once closed, the id is no longer ours and there is nothing to replace.
        ClickListener listener;
        emit fake.service.NotificationClosed(id, 2);
        emit fake.service.ActionInvoked(id, "default");
        QTRY_COMPARE_WITH_TIMEOUT(listener.heard, 1, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(clicked.size(), 1);
        notifications.post(alarm("t-4"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 4, 10000);
        QCOMPARE(shown[3].replacesId, 0u);
        emit fake.service.ActionInvoked(shown[3].id, "default");
        QVERIFY(clicked.wait(10000));
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.last().first().toString(), QString("t-4"));
    }

    void typedTextShowsAsTyped_data() {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::newRow("plain text")
            << QStringList{"body", "actions"} << QString("Tea <b>&</b> biscuits\nx > y");
        QTest::newRow("markup") << QStringList{"body", "body-markup", "actions"}
                                << QString("Tea &lt;b&gt;&amp;&lt;/b&gt; biscuits\nx &gt; y");
    }
    void typedTextShowsAsTyped() {
        QFETCH(QStringList, capabilities);
        QFETCH(QString, body);
        ServiceOnBus fake;
        fake.service.capabilities = capabilities;
        QVERIFY(fake.start());
        DesktopNotifications notifications;
        notifications.post({"<i>Tea</i>", "Tea <b>&</b> biscuits", "x > y", "t-1"});
        QTRY_COMPARE_WITH_TIMEOUT(fake.service.shown.size(), 1, 10000);
        QCOMPARE(fake.service.shown[0].body, body);
        QCOMPARE(fake.service.shown[0].summary, QString("<i>Tea</i>"));
    }

    void serviceErrorsAreReported_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        QTest::newRow("described")
            << QString("Too many notifications") << QString("Too many notifications");
        QTest::newRow("undescribed") << QString() << QString("some unknown error");
    }
    void serviceErrorsAreReported() {
        QFETCH(QString, message);
        QFETCH(QString, line);
        ServiceOnBus fake;
        fake.service.failNotify = true;
        fake.service.failMessage = message;
        QVERIFY(fake.start());
        testing::MessageLog log;
        DesktopNotifications notifications;
        notifications.post(alarm("t-1"));
        QTRY_VERIFY_WITH_TIMEOUT(log.messages().contains(line), 10000);
        QCOMPARE(log.countStartingWith(registered), 0);

        // The next alarm still goes out once the service recovers.
        fake.service.failNotify = false;
        notifications.post(alarm("t-2"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 1, 10000);
    }

    void aNewServiceOwnerStartsAfresh() {
        QDBusServiceWatcher watcher(DesktopNotifications::serviceName,
                                    QDBusConnection::sessionBus());
        QSignalSpy arrived(&watcher, &QDBusServiceWatcher::serviceRegistered);
        testing::MessageLog log;
        ServiceOnBus first("fake");
        QVERIFY(first.start());
        DesktopNotifications notifications;
        QSignalSpy clicked(&notifications, &DesktopNotifications::clicked);
        notifications.post(alarm("t-1"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 1, 10000);
        const uint oldId = first.service.lastId;
        first.stop();

        ServiceOnBus second("fake-2");
        second.service.capabilities << "body-markup";
        second.service.lastId = 100;
        arrived.clear();
        QVERIFY(second.start());
        // Our own watcher hears the change from the same message as Dunok's.
        QVERIFY(arrived.wait(10000));
        QCoreApplication::processEvents();

        notifications.post({"Tea", "a & b", "", "t-2"});
        QTRY_COMPARE_WITH_TIMEOUT(second.service.shown.size(), 1, 10000);
        QCOMPARE(second.service.shown[0].replacesId, 0u);
        QCOMPARE(second.service.shown[0].body, QString("a &amp; b\n"));
        QTRY_COMPARE_WITH_TIMEOUT(log.countStartingWith(registered), 2, 10000);

        emit second.service.ActionInvoked(oldId, "default");
        emit second.service.ActionInvoked(second.service.lastId, "default");
        QVERIFY(clicked.wait(10000));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().first().toString(), QString("t-2"));
    }

    void withoutASessionBusNothingBreaks() {
        // The session bus is made once per process, so this runs in a child.
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/dunok-test-bus");
        env.insert(withoutBusMarker, "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath());
        QVERIFY(child.waitForFinished(60000));
        const QString console = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, qPrintable(console));
        QCOMPARE(console.count("Notifications are off: no D-Bus session bus"), 1);
        QVERIFY(console.contains("Permission not granted"));
        QVERIFY(!console.contains(registered));
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(withoutBusMarker)) return runWithoutBus(argc, argv);
    QCoreApplication app(argc, argv);
    TestDesktopNotifications test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktopnotifications.moc"
