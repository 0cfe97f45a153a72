// Stores written by earlier versions of Dunok open with every record kept;
// a store from a newer version is refused and left alone.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppDelegate.h"
#include "model/TimerModel.h"
#include "platform/MessageBox.h"
#include "platform/ObjectStore.h"
#include "support/HostileStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;
using testing::fingerprint;
using testing::sql;

namespace {
// The first-run store of Dunok 0.1.0, as that release wrote it: nineteen
// timers and no version number in the file.
const QString kRelease010 = QStringLiteral(DUNOK_TEST_DATA_DIR "/TimerModel-0.1.0.sqlite");
const QString kRows = QStringLiteral(
    "SELECT id || '|' || desc || '|' || duration || '|' || snooze || '|' || snoozeOn || '|' || "
    "sound FROM Timers ORDER BY id");
}  // namespace

class TestStoreMigration : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    QString path;

    void copyRelease(const QString& to) {
        QDir().mkpath(QFileInfo(to).path());
        QFile::remove(to);
        QVERIFY(QFile::copy(kRelease010, to));
        QVERIFY(QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner));
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
        MessageBox::clearLastAlert();
        path = home->storePath();
        copyRelease(path);
    }

    void releaseStoreOpensWithEveryTimer() {
        const QStringList before = sql(path, kRows);
        QCOMPARE(before.size(), 19);
        QCOMPARE(sql(path, "PRAGMA user_version"), QStringList{"0"});
        const QStringList uuid = sql(path, "SELECT value FROM DunokMetadata");

        {
            ManagedObjectContext context(timerDataModel());
            StoreError error;
            QVERIFY2(context.open(path, &error), qPrintable(error.consoleText()));
            QCOMPARE(context.storeVersion(), timerDataModel().version);
            QCOMPARE(QStringList{context.storeUuid()}, uuid);
            const auto timers = context.fetch({TimersKeys::entity, {}}, &error);
            QVERIFY(timers && timers->size() == 19);
            // The new columns start empty: nothing was running.
            for (const TimerRecord& timer : *timers)
                QVERIFY(timer->value(TimersKeys::dueAt).isNull() &&
                        timer->value(TimersKeys::pausedLeft).isNull());
            // And the upgraded store takes the new values.
            timers->first()->setValue(TimersKeys::pausedLeft, 42);
            QVERIFY(context.save(&error));
        }
        QCOMPARE(sql(path, kRows), before);
        QCOMPARE(sql(path, "SELECT pausedLeft FROM Timers WHERE id = 1"), QStringList{"42"});
        QCOMPARE(sql(path, "PRAGMA user_version"),
                 QStringList{QString::number(timerDataModel().version)});

        // Upgraded once: opening it again writes nothing.
        const QByteArray upgraded = fingerprint(path);
        ManagedObjectContext again(timerDataModel());
        StoreError error;
        QVERIFY(again.open(path, &error));
        QCOMPARE(fingerprint(path), upgraded);
    }

    // The version stamp is the last write: every column before it must roll back too.
    void upgradeThatFailsLeavesTheFileAsItWas() {
        const QByteArray original = fingerprint(path);
        {
            ManagedObjectContext context(timerDataModel());
            context.failNextWrites(1, 2);
            StoreError error;
            QVERIFY(!context.open(path, &error));
            QVERIFY2(error.description.contains("could not be written"),
                     qPrintable(error.description));
            QVERIFY(!context.isOpen());
        }
        QCOMPARE(fingerprint(path), original);
    }

    // As the user meets it: an alert that says what happened and what to do,
    // the program stops, and the file is not touched.
    void newerStoreIsRefusedAndLeftAlone() {
        const int newer = timerDataModel().version + 1;
        QVERIFY(sql(path, QStringLiteral("PRAGMA user_version = %1").arg(newer)).isEmpty());
        const QByteArray original = fingerprint(path);
        MessageBox::setNextAnswer(0);
        AppDelegate app(path, home->prefsPath());
        QCOMPARE(app.start(), 1);
        const auto alert = MessageBox::lastAlert();
        QVERIFY(alert);
        QVERIFY2(alert->detailedText.contains(
                     QStringLiteral("was written by a newer version of Dunok (store version %1")
                         .arg(newer)),
                 qPrintable(alert->detailedText));
        QVERIFY2(alert->informativeText.contains("saved by a newer version of Dunok"),
                 qPrintable(alert->informativeText));
        QCOMPARE(fingerprint(path), original);
    }
};

QTEST_MAIN(TestStoreMigration)
#include "tst_storemigration.moc"
