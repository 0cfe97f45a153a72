// Loading the preferences at start-up: the first run's defaults as the next
// run reads them, and what each stored value turns into.
#include <QDir>
#include <QFile>
#include <QTest>

#include "model/Globals.h"
#include "model/Preferences.h"
#include "platform/PreferenceStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"

using namespace dunok;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
}  // namespace

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

    void load() {
        PreferenceStore prefs(home->prefsPath());
        loadPreferences(prefs);
    }
    // A file an earlier run left, with these lines below havePrefs.
    void loadStored(const QByteArray& lines) {
        writeFile(home->prefsPath(), "[General]\nhavePrefs=100\n" + lines);
        load();
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        testing::resetGlobals();
    }
    void cleanup() {
        setPreferenceStore(nullptr);
        testing::resetGlobals();
        home.reset();
    }

    void firstRunWritesTheDefaults() {
        prefsSort = sortDesc;
        prefsVolume = 0.1;
        prefsQuietWithMouse = true;
        load();
        QCOMPARE(prefsSort, sortDuration);
        QCOMPARE(prefsVolume, 0.5);
        QVERIFY(!prefsQuietWithMouse);
        // What the next run reads.
        const PreferenceStore next(home->prefsPath());
        QCOMPARE(next.integer(PrefKeys::havePrefs), 100);
        for (const QString& key :
             {PrefKeys::newDatabase, PrefKeys::bringToFront, PrefKeys::sendNotification,
              PrefKeys::largeRows, PrefKeys::countdownDigits})
            QVERIFY2(next.boolean(key), qPrintable(key));
        for (const QString& key : {PrefKeys::hideWhenTimerStarts, PrefKeys::quietWithMouse})
            QVERIFY2(next.contains(key) && !next.boolean(key), qPrintable(key));
        QCOMPARE(next.integer(PrefKeys::sort), sortDuration);
        QCOMPARE(next.floating(PrefKeys::volume), 0.5);
        QCOMPARE(next.string(PrefKeys::defSound), std::optional<QString>("Vintage Alarm Clock"));
    }

    void storedValues() {
        prefsDefSound = "Chimes";  // with none stored, the sound in use stays
        loadStored(
            "prefsSort=2\nprefsLargeRows=false\nprefsQuietWithMouse=yes\n"
            "prefsBringToFront=abc\nprefsCountdownDigits=1\n");
        QCOMPARE(prefsSort, sortDesc);
        QCOMPARE(prefsDefSound, QString("Chimes"));
        QVERIFY(prefsLargeRows);  // on whatever is stored
        QVERIFY(prefsQuietWithMouse);
        QVERIFY(!prefsBringToFront);
        QVERIFY(prefsCountdownDigits);
        QVERIFY(!prefsNewDatabase && !prefsSendNotification);  // missing
        QCOMPARE(prefsVolume, 0.0);                            // missing

        loadStored("prefsDefSound=Bells\n");
        QCOMPARE(prefsDefSound, QString("Bells"));
        QCOMPARE(prefsSort, sortNone);
    }

    void volume_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<double>("loaded");
        QTest::newRow("in range") << QByteArray("prefsVolume=0.7\n") << 0.7;
        QTest::newRow("silent") << QByteArray("prefsVolume=0.0\n") << 0.0;
        QTest::newRow("too loud") << QByteArray("prefsVolume=1.5\n") << 0.5;
        QTest::newRow("negative") << QByteArray("prefsVolume=-0.1\n") << 0.5;
    }
    void volume() {
        QFETCH(QByteArray, line);
        QFETCH(double, loaded);
        loadStored(line);
        QCOMPARE(prefsVolume, loaded);
    }

    void unreadableOrUnwritableFiles() {
        const QByteArray junk("\0\x01\x02\xff prefsSort=2", 16);
        writeFile(home->prefsPath(), junk);
        testing::MessageLog log;
        load();
        QCOMPARE(prefsSort, sortDuration);
        QCOMPARE(PreferenceStore(home->prefsPath()).integer(PrefKeys::havePrefs), 100);
        QCOMPARE(log.countStartingWith("Preferences file"), 1);

        // No folder can be made: the defaults still hold for this run.
        home = std::make_unique<testing::TestHome>();
        writeFile(QFileInfo(home->prefsPath()).absolutePath(), "not a folder");
        prefsQuietWithMouse = true;
        load();
        QVERIFY(!prefsQuietWithMouse);
        QVERIFY(log.contains("could not be written"));
    }

    void sharedStore() {
        PreferenceStore prefs(home->prefsPath());
        setPreferenceStore(&prefs);
        QCOMPARE(&preferenceStore(), &prefs);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
