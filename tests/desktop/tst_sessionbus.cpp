// What Dunok asks of the session bus. DUNOK_TEST_NEEDS_DBUS
#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

#include "desktop/LauncherEntry.h"
#include "desktop/ProcessActivity.h"
#include "domain/RunningTimers.h"
#include "domain/TimerList.h"
#include "support/MessageLog.h"

using namespace dunok;

// A screen saver that answers and a dock that listens, each on a connection of its own. The
// cookie tells that the caller's name and reason arrived.
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
private slots:
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
                            "Update", {"application://dunok.desktop"}, QString(), &dock,
                            SLOT(Update(QString, QVariantMap))));
        LauncherEntry entry;
        RunningTimers running;
        TimerList list;
        Badge badge(running, list);
        badge.addDisplay(&entry);
        for (int count : {3, 3, 0}) {
            running.clear();
            for (int i = 0; i < count; ++i) running.append({QString::number(i + 1)});
            badge.update();
        }
        badge.removeDisplay(&entry);
        // Unchanged, or moved by under a tenth of a percent: not sent.
        const qint64 steps[][2] = {{90, 180}, {90, 180}, {7199, 7200}, {7198, 7200}, {7190, 7200}};
        for (const auto& [left, of] : steps) entry.showNextFinish(NextFinish{"Tea", left, of});
        entry.showNextFinish(std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(dock.updates.size(), 6, 5000);
        QCOMPARE(dock.updates,
                 (QList<QVariantMap>{{{"count", qint64(3)}, {"count-visible", true}},
                                     {{"count", qint64(0)}, {"count-visible", false}},
                                     {{"progress", 0.5}, {"progress-visible", true}},
                                     {{"progress", 0.0}, {"progress-visible", true}},
                                     {{"progress", 0.001}, {"progress-visible", true}},
                                     {{"progress-visible", false}}}));
    }
};

QTEST_MAIN(TestSessionBus)
#include "tst_sessionbus.moc"
