// The preferences as a user or an older run left them, and the list of timers changed in the
// list and the store alike, all or nothing when the store refuses.
#include <QDir>
#include <QTest>

#include "domain/Constants.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/Settings.h"
#include "domain/TimerEdits.h"
#include "domain/TimerModel.h"
#include "support/MessageLog.h"
#include "support/domain/Fakes.h"
#include "support/domain/TestHome.h"

using namespace dunok;
using namespace dunok::PrefKeys;

class TestPreferencesAndList : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestHome> home;
    Settings now;  // what the run holds from one start-up to the next
    testing::MemoryRepository store;
    TimerList list;
    QString names() const {
        QStringList out;
        for (const Timer& t : list.timers()) out << t.desc;
        return out.join(",") + " " + store.descriptions().join(",");  // the list, then the store
    }
    PreferenceTrouble load(const QByteArray& bytes = {}) {
        file(home->prefsPath(), bytes);
        PreferenceStore prefsFile(home->prefsPath());
        Preferences prefs(&prefsFile, now);
        const PreferenceTrouble trouble = prefs.load();
        now = prefs.settings();
        return trouble;
    }
    static QStringList keysOf(const PreferenceTrouble& trouble) {
        QStringList keys;
        for (const auto& bad : trouble.badKeys) keys << bad.key + "=" + bad.text;
        return keys;
    }
    QByteArray file(const QString& path, const QByteArray& write = {}) {
        if (!write.isEmpty() && QDir().mkpath(QFileInfo(path).path()))
            if (QFile out(path); out.open(QIODevice::WriteOnly)) out.write(write);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }
private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        now = startSettings();
        store = testing::MemoryRepository();
        store.addTimer("A", 300, "Harp");
        store.byDesc("A").snoozeOn = true;
        for (const char* name : {"B", "C", "D", "E"}) store.addTimer(name, 30);
        QVERIFY(populateArray(list, store, sortNone));
    }
    // An unreadable file is kept aside, not overwritten: the user may want it back.
    void aFirstRunOrAnUnreadableFileGetsTheDefaults() {
        QVERIFY(!load().any() && !now.quietWithMouse);  // the mouse silences only until the load
        const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const PreferenceTrouble trouble = load(garbage);
        QVERIFY(trouble.fileReset && trouble.badKeys.isEmpty());
        QVERIFY(trouble.keptCopy == home->prefsPath() + ".unreadable" &&
                file(trouble.keptCopy) == garbage);
        const SettingsRead next = readSettings(PreferenceStore(home->prefsPath()));
        QVERIFY(!next.firstRun && next.badKeys.isEmpty() && next.settings == firstRunSettings());
        QVERIFY(!load().any());
    }
    // A missing volume rings at the default, not silently; text that means nothing is the
    // default, and named until written back.
    void missingOrUnreadableKeysReadAsTheirDefaults() {
        now.volume = 0.0;
        QVERIFY(!load("[General]\nhavePrefs=100\nprefsLargeRows=false\nprefsQuietWithMouse=yes\n"
                      "prefsRepeatAlarm=true\nprefsRepeatLimit=7\n")
                     .any());
        QVERIFY(now.volume == 0.5 && !now.bringToFront && !now.countdownDigits);
        QVERIFY(!now.largeRows && now.sort == sortNone && now.quietWithMouse);
        QVERIFY(now.repeatAlarm && now.repeatLimitMinutes == 5);  // 7 is not on offer
        QVERIFY(!load("[General]\nhavePrefs=100\nprefsVolume=1.5\n").any() && now.largeRows);
        QVERIFY(now.volume == 0.5 && !now.repeatAlarm && !now.newDatabase);  // not a first run
        load("[General]\nhavePrefs=100\nprefsVolume=0\n");
        QCOMPARE(now.volume, 0.0);  // silent stays silent
        const PreferenceTrouble trouble = load(
            "[General]\nhavePrefs=100\nprefsVolume=loud\nprefsBringToFront=maybe\n"
            "prefsSort=x\nprefsRepeatLimit=15\nprefsKeepTimers=\n");
        QCOMPARE(keysOf(trouble), QStringList({"prefsBringToFront=maybe", "prefsSort=x",
                                               "prefsVolume=loud", "prefsKeepTimers="}));
        QVERIFY(now.volume == 0.5 && now.bringToFront && now.sort == sortDuration);
        QCOMPARE(now.repeatLimitMinutes, 15);
        PreferenceStore prefsFile(home->prefsPath());
        Preferences(&prefsFile).writeBackDefaults(trouble);
        const PreferenceStore next(home->prefsPath());
        QVERIFY(next.floating(volume) == 0.5 && next.boolean(bringToFront));
        QVERIFY(next.integer(sort) == sortDuration && next.integer(repeatLimit) == 15);
        QVERIFY(!load().any());
        QVERIFY(now.volume == 0.5 && now.bringToFront);
        // A damaged marker is still a returning user's file, not a first run.
        QCOMPARE(keysOf(load("[General]\nhavePrefs=?\nprefsSort=2\n")), QStringList{"havePrefs=?"});
        QCOMPARE(now.sort, sortDesc);
    }
    void commandLineReadsWhatTheWindowReads_data() {
        QTest::addColumn<QByteArray>("file");  // "<missing>": no file at all
        QTest::newRow("no file") << QByteArray("<missing>");
        QTest::newRow("empty file") << QByteArray("\n");
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        // Set aside by a start, which then finds an empty file: not read as it stands.
        QTest::newRow("settings with a NUL byte")
            << QByteArray("[General]\nhavePrefs=100\nprefsSort=2\n\0\n", 38);
        QTest::newRow("marker 0") << QByteArray("[General]\nhavePrefs=0\nprefsSort=2\n");
        QTest::newRow("damaged marker") << QByteArray("[General]\nhavePrefs=?\nprefsSort=2\n");
        QTest::newRow("garbage") << QByteArray(
            "[General]\nhavePrefs=100\nprefsSort=x\nprefsVolume=loud\n"
            "prefsNewDatabase=maybe\nprefsKeepTimers=\nprefsRepeatLimit=abc\n"
            "prefsLargeRows=sure\nprefsCountdownDigits=nan\n");
        QTest::newRow("out of range") << QByteArray(
            "[General]\nhavePrefs=100\nprefsSort=9\nprefsVolume=1.5\n"
            "prefsRepeatLimit=7\nprefsKeepTimers=yes\nprefsNewDatabase=1\n");
        QTest::newRow("below range") << QByteArray(
            "[General]\nhavePrefs=100\nprefsVolume=-0.1\nprefsRepeatLimit=15.9\n"
            "prefsDefSound=Chimes, loud\n");
    }
    void commandLineReadsWhatTheWindowReads() {
        QFETCH(QByteArray, file);
        if (file != "<missing>") this->file(home->prefsPath(), file);
        // The command line first, since the window's start rewrites the file.
        const SettingsRead offline = readSettings(*PreferenceStore::forReading(home->prefsPath()));
        QCOMPARE(this->file(home->prefsPath()), file);  // not a byte changed, nothing made
        QCOMPARE(QFileInfo::exists(QFileInfo(home->prefsPath()).path()), file != "<missing>");
        PreferenceStore prefsFile(home->prefsPath());
        Preferences prefs(&prefsFile);
        prefs.load();
        Settings expected = offline.settings;
        // With no sound stored, a start keeps the one it began with.
        if (!expected.defSound) expected.defSound = Constants::defSound;
        QVERIFY(prefs.settings() == expected);
    }
    void duplicateStoresACopyThatListsLast() {
        const std::optional<Timer> copy = duplicateTimer(store, list, 0);
        QVERIFY(copy && !copy->snoozeOn);  // the original's alone
        QVERIFY(copy->duration == 300 && copy->sound == "Harp" && copy->id > list.at(4).id);
        testing::MessageLog log;
        store.refuseNext(1);
        QVERIFY(!duplicateTimer(store, list, 1) && !duplicateTimer(store, list, 9));
        QVERIFY(log.countStartingWith("Could not duplicate. ") == 1);
        QCOMPARE(names(), "A,B,C,D,E A,B,C,D,E,A");
    }
    void deletingIsAllOrNothing() {
        store.refuseNext(1);
        StoreError error;
        QCOMPARE(deleteTimerRows(store, list, {1, 3}, {}, &error), 0);
        QCOMPARE(error.description, testing::MemoryRepository::refusal);
        QCOMPARE(names(), "A,B,C,D,E A,B,C,D,E");
        QList<int> removed;
        QCOMPARE(deleteTimerRows(store, list, {1, 4}, [&](int row) { removed << row; }), 2);
        QVERIFY(removed == QList<int>({4, 1}) && names() == "A,C,D A,C,D");
    }
    // None when the store refuses; a list the user emptied stays empty.
    void defaultTimersOnlyOnAFirstStart() {
        QVERIFY(!needsDefaultTimers(list, true));  // a store holding timers gets none
        store = testing::MemoryRepository();
        PreferenceStore prefsFile(home->prefsPath());
        Preferences prefs(&prefsFile);
        prefs.load();  // first run
        QVERIFY(populateArray(list, store, prefs.settings().sort) &&
                needsDefaultTimers(list, prefs.settings().newDatabase));
        testing::MessageLog log;
        store.refuseNext(1);
        createDefaultEntries(store, prefs.defSound());
        QVERIFY(log.countStartingWith("Could not save. ") == 1 && store.kept.isEmpty());
        markDefaultTimersCreated(prefs);
        QVERIFY(!needsDefaultTimers(list, prefs.settings().newDatabase) &&
                !PreferenceStore(home->prefsPath()).boolean(PrefKeys::newDatabase));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesAndList)
#include "tst_preferencesandlist.moc"
