// Stores written by earlier versions of Dunok open with every timer kept, in
// the order the user had, each with its id and settings.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/Preferences.h"
#include "domain/RunningTimers.h"
#include "domain/TimerEngine.h"
#include "domain/TimerRestore.h"
#include "domain/WallClock.h"
#include "storage/TimerStore.h"
#include "support/HostileStore.h"
#include "support/domain/Fakes.h"

using namespace dunok;
using testing::fingerprint;
using testing::sql;

namespace {
// The first-run store of Dunok 0.1.0, as that release wrote it: nineteen
// timers and no version number in the file.
const QString kRelease010 = QStringLiteral(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite");
// A store as Dunok wrote it before the order had a column of its own (layout
// 2): the nineteen ready-made timers, "5 minutes" (id 3) paused with 300 s
// left and "1 hour" (id 14) running, kept for the next start; "10 minutes"
// (id 4) then set to snooze for 10 minutes.
const QString kLayout2 = QStringLiteral(DUNOK_TEST_DATA_DIR "/TimerModel-v2.sqlite");
const QString kRows = QStringLiteral(
    "SELECT id || '|' || desc || '|' || duration || '|' || snooze || '|' || snoozeOn || '|' || "
    "sound FROM Timers ORDER BY id");
}  // namespace

class TestStoreUpgrade : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;

    void copyStore(const QString& from) {
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        QVERIFY(QFile::copy(from, path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    }

private slots:
    void init() { path = dir.filePath("Dunok/TimerModel.sqlite"); }

    void everyTimerKeepsItsIdOrderAndSettings_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("version");
        QTest::newRow("0.1.0") << kRelease010 << 0;
        QTest::newRow("layout 2") << kLayout2 << 2;
    }
    void everyTimerKeepsItsIdOrderAndSettings() {
        QFETCH(QString, from);
        QFETCH(int, version);
        copyStore(from);
        // A gap in the ids, as deleting leaves: the order is still by id.
        QVERIFY(sql(path, "DELETE FROM Timers WHERE id = 2").isEmpty());
        const QStringList before = sql(path, kRows);
        QCOMPARE(before.size(), 18);
        {
            TimerStore store;
            StoreError error;
            QVERIFY2(store.open(path, &error), qPrintable(error.consoleText()));
            QCOMPARE(store.foundVersion(), version);
            const auto timers = store.timers(&error);
            QVERIFY(timers && timers->size() == 18);
            QStringList rows;
            for (const Timer& t : *timers)
                rows << QStringLiteral("%1|%2|%3|%4|%5|%6")
                            .arg(t.id)
                            .arg(t.desc)
                            .arg(t.duration)
                            .arg(t.snooze)
                            .arg(t.snoozeOn ? 1 : 0)
                            .arg(t.sound);
            QCOMPARE(rows, before);  // ids, fields and the order the user had
            const Timer& ten = timers->at(2);
            QCOMPARE(ten.desc, QString("10 minutes"));
            QCOMPARE(ten.snoozeOn, version == 2);
            QCOMPARE(ten.snooze, version == 2 ? 600 : defSnoozeDuration);
            QCOMPARE(timers->at(1).pausedLeft,
                     version == 2 ? std::optional<qint64>(300) : std::optional<qint64>());

            // The upgraded store takes a new order, and a new timer goes last.
            QList<TimerId> order;
            for (const Timer& t : *timers) order.prepend(t.id);
            QVERIFY(store.setOrder(order, &error));
            Timer added_;
            added_.desc = "Added";
            QList<Timer> added{added_};
            QVERIFY(store.add(added, &error));
            QVERIFY(added.first().id > 19);
        }
        QCOMPARE(sql(path, "PRAGMA user_version"), QStringList{"3"});
        const QStringList reopened = sql(path, "SELECT desc FROM Timers ORDER BY position");
        QCOMPARE(reopened.size(), 19);
        QCOMPARE(reopened.first(), QString("30 seconds"));
        QCOMPARE(reopened.value(17), QString("1 minute"));
        QCOMPARE(reopened.last(), QString("Added"));

        // Upgraded once: opening it again writes nothing.
        const QByteArray upgraded = fingerprint(path);
        TimerStore again;
        StoreError error;
        QVERIFY(again.open(path, &error));
        QCOMPARE(again.foundVersion(), 3);
        QCOMPARE(fingerprint(path), upgraded);
    }

    // The version stamp is the last write: every column before it must roll back too.
    void upgradeThatFailsLeavesTheFileAsItWas_data() {
        everyTimerKeepsItsIdOrderAndSettings_data();
    }
    void upgradeThatFailsLeavesTheFileAsItWas() {
        QFETCH(QString, from);
        copyStore(from);
        const QByteArray original = fingerprint(path);
        {
            TimerStore store;
            store.failNextWrites(1, 2);
            StoreError error;
            QVERIFY(!store.open(path, &error));
            QVERIFY2(error.description.contains("could not be written"),
                     qPrintable(error.description));
            QVERIFY(!store.isOpen());
        }
        QCOMPARE(fingerprint(path), original);
    }

    // What a run kept for the next start goes on under the ids it had, in the
    // rows of the upgraded list.
    void keptTimersRunOnAfterTheUpgrade() {
        copyStore(kLayout2);
        TimerStore store;
        QVERIFY(store.open(path, nullptr));
        Settings keep = startSettings();
        keep.keepTimers = true;
        Preferences prefs(nullptr, keep);
        TimerList list;
        QVERIFY(populateArray(list, store, sortNone));
        testing::FakeRows rows(list, prefs);
        testing::FakeOutput output;
        ManualClock clock;
        TimerEngine engine(list, rows, prefs, output, clock);
        // Ten minutes before "1 hour" is due.
        FixedWallClock wall(QDateTime::fromMSecsSinceEpoch(1796681150356 - 600'000),
                            QTimeZone::utc());
        TimerRestore(list, engine, store, wall).restore();
        QCOMPARE(engine.alertsArray().getNumAlerts(), 2);
        const Alert *paused = engine.alertsArray().find("3"),
                    *running = engine.alertsArray().find("14");
        QVERIFY(paused && running);
        QVERIFY(paused->isPaused && paused->value == 300);
        QVERIFY(!running->isPaused && running->value == 600);
        QCOMPARE(list.find("14")->desc, QString("1 hour"));
    }
};

QTEST_GUILESS_MAIN(TestStoreUpgrade)
#include "tst_storeupgrade.moc"
