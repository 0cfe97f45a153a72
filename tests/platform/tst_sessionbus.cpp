// What Dunok asks of the session bus: one instance per user, the idle-sleep
// inhibit, and the launcher entry's count. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

#include "engine/Badge.h"
#include "model/Globals.h"
#include "platform/LauncherEntry.h"
#include "platform/ProcessActivity.h"
#include "platform/SingleInstance.h"
#include "support/MessageLog.h"

using namespace dunok;

namespace {
// A screen-saver service as a desktop session offers it.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;
public slots:
    Q_SCRIPTABLE uint Inhibit(const QString& app, const QString& reason) {
        calls << app + "|" + reason;
        return 4711;
    }
};

// Listens on its own connection, as a dock would.
class LauncherListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> updates;
    QStringList uris;
public slots:
    void Update(const QString& uri, const QVariantMap& properties) {
        uris << uri;
        updates << properties;
    }
};

QDBusConnection otherConnection(const QString& name) {
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}
}  // namespace

class TestSessionBus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
                 "run under dbus-run-session");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void firstInstanceOwnsTheNameAndHearsReopen() {
        SingleInstance instance;
        QCOMPARE(instance.claim(), SingleInstance::Outcome::Primary);
        QVERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            SingleInstance::serviceName));

        QSignalSpy reopened(&instance, &SingleInstance::reopenRequested);
        QDBusConnection second = otherConnection("second-launch");
        QDBusMessage call =
            QDBusMessage::createMethodCall(SingleInstance::serviceName, SingleInstance::objectPath,
                                           SingleInstance::serviceName, "Reopen");
        QDBusMessage reply = second.call(call, QDBus::BlockWithGui, 5000);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(reopened.size(), 1);
        QDBusConnection::disconnectFromBus("second-launch");
    }

    void idleSleepIsHeldWhereAScreenSaverAnswers() {
        QDBusConnection session = otherConnection("screensaver");
        FakeScreenSaver saver;
        QVERIFY(session.registerObject("/org/freedesktop/ScreenSaver", &saver,
                                       QDBusConnection::ExportScriptableSlots));
        QVERIFY(session.registerService("org.freedesktop.ScreenSaver"));

        ProcessActivity activity;
        QSignalSpy settled(&activity, &ProcessActivity::settled);
        activity.begin("Dunok", "Good Reason");
        QVERIFY(settled.wait(5000));
        QCOMPARE(settled.first().first().toBool(), true);
        QVERIFY(activity.isHeld());
        QCOMPARE(activity.cookie(), 4711u);
        QCOMPARE(saver.calls, QStringList{"Dunok|Good Reason"});

        session.unregisterService("org.freedesktop.ScreenSaver");
        QDBusConnection::disconnectFromBus("screensaver");
    }

    void withoutAScreenSaverOneLineIsWrittenAndNothingIsHeld() {
        testing::MessageLog log;
        ProcessActivity activity;
        QSignalSpy settled(&activity, &ProcessActivity::settled);
        activity.begin("Dunok", "Good Reason");
        QVERIFY(settled.wait(8000));
        QCOMPARE(settled.first().first().toBool(), false);
        QVERIFY(!activity.isHeld());
        QCOMPARE(log.countStartingWith("Idle sleep is not held off"), 1);
    }

    void launcherEntryHearsOnlyChangesOfTheCount() {
        QDBusConnection dock = otherConnection("dock");
        LauncherListener listener;
        QVERIFY(dock.connect(QString(), LauncherEntry::objectPath, LauncherEntry::interfaceName,
                             "Update", &listener, SLOT(Update(QString, QVariantMap))));
        LauncherEntry entry;
        addBadgeDisplay(&entry);

        alertsArray.resize(3);
        updateBadge();
        updateBadge();  // same count: no second signal
        alertsArray.resize(1);
        updateBadge();
        alertsArray.clear();
        updateBadge();
        QTRY_COMPARE_WITH_TIMEOUT(listener.updates.size(), 3, 5000);
        QTest::qWait(100);
        QCOMPARE(listener.updates.size(), 3);
        QCOMPARE(listener.uris.first(), QString("application://dunok.desktop"));
        QCOMPARE(listener.updates[0].value("count").toLongLong(), 3);
        QCOMPARE(listener.updates[0].value("count-visible").toBool(), true);
        QCOMPARE(listener.updates[1].value("count").toLongLong(), 1);
        QCOMPARE(listener.updates[2].value("count-visible").toBool(), false);

        removeBadgeDisplay(&entry);
        QDBusConnection::disconnectFromBus("dock");
    }

    void launcherEntryShowsTheProgressOfTheNextFinish() {
        QDBusConnection dock = otherConnection("dock2");
        LauncherListener listener;
        QVERIFY(dock.connect(QString(), LauncherEntry::objectPath, LauncherEntry::interfaceName,
                             "Update", &listener, SLOT(Update(QString, QVariantMap))));
        LauncherEntry entry;
        entry.showNextFinish(NextFinish{"Tea", 90, 180});
        entry.showNextFinish(NextFinish{"Tea", 90, 180});  // unchanged: not sent
        entry.showNextFinish(NextFinish{"Roast", 7199, 7200});
        entry.showNextFinish(NextFinish{"Roast", 7198, 7200});  // under a tenth of a percent on
        entry.showNextFinish(NextFinish{"Roast", 7190, 7200});
        entry.showNextFinish(std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(listener.updates.size(), 4, 5000);
        QTest::qWait(100);
        QCOMPARE(listener.updates.size(), 4);
        QCOMPARE(listener.updates[0].value("progress").toDouble(), 0.5);
        QCOMPARE(listener.updates[0].value("progress-visible").toBool(), true);
        QCOMPARE(listener.updates[1].value("progress").toDouble(), 0.0);
        QCOMPARE(listener.updates[2].value("progress").toDouble(), 0.001);
        QCOMPARE(listener.updates[3].value("progress-visible").toBool(), false);
        QVERIFY(!listener.updates[3].contains("progress"));
        QDBusConnection::disconnectFromBus("dock2");
    }
};

QTEST_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
