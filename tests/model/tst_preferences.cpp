// The preferences: a first run's defaults as the next run reads them, stored
// values, and the file itself: typed reads of what a user or an older run left
// in it, user-only permissions, and a file that cannot be read kept aside.
#include <QDir>
#include <QTest>

#include "model/Preferences.h"
#include "model/Settings.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;
using namespace dunok::PrefKeys;

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

    // A start-up over a file holding these bytes, or over no file at all.
    PreferenceTrouble load(const QByteArray& bytes = {}) {
        QDir().mkpath(QFileInfo(home->prefsPath()).path());
        if (QFile file(home->prefsPath()); !bytes.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        PreferenceStore prefs(home->prefsPath());
        return loadPreferences(prefs);
    }
    static QStringList keysOf(const PreferenceTrouble& trouble) {
        QStringList keys;
        for (const auto& bad : trouble.badKeys) keys << bad.key + "=" + bad.text;
        return keys;
    }
    QByteArray file(const QString& path, const QByteArray& write = {}) {
        if (QFile out(path); !write.isEmpty() && out.open(QIODevice::WriteOnly)) out.write(write);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }

private slots:
    void init() { home = std::make_unique<testing::TestHome>(); }

    void firstRunWritesTheDefaults() {
        QVERIFY(!load().any());  // prefsQuietWithMouse starts on
        QVERIFY(prefsSort == sortDuration && prefsVolume == 0.5 && !prefsQuietWithMouse);
        const SettingsRead next = readSettings(PreferenceStore(home->prefsPath()));
        QVERIFY(!next.firstRun && next.badKeys.isEmpty());
        QVERIFY(next.settings == firstRunSettings());
    }

    void storedValues() {
        prefsDefSound = "Chimes";  // with none stored, the sound in use stays
        const PreferenceTrouble clean = load(
            "[General]\nhavePrefs=100\nprefsSort=2\nprefsLargeRows=false\nprefsVolume=1.5\n"
            "prefsQuietWithMouse=yes\nprefsBringToFront=no\n");
        QVERIFY(!clean.any());
        QVERIFY(prefsSort == sortDesc && prefsDefSound == "Chimes" && prefsVolume == 0.5);
        QVERIFY(!prefsLargeRows && prefsQuietWithMouse && !prefsBringToFront && !prefsNewDatabase);
        load("[General]\nhavePrefs=100\nprefsVolume=0.0\n");
        QCOMPARE(prefsVolume, 0.0);  // silent stays silent
    }

    // A missing volume rings at the default, not silently; other missing keys
    // read as they always have, with nothing to tell. Text that means nothing
    // is the default, and named, until written back.
    void missingOrUnreadableKeysReadAsTheirDefaults() {
        prefsVolume = 0.0;
        QVERIFY(!load("[General]\nhavePrefs=100\nprefsLargeRows=false\n").any());
        QVERIFY(prefsVolume == 0.5 && !prefsBringToFront && !prefsCountdownDigits);
        QVERIFY(!prefsLargeRows && prefsSort == sortNone);
        QVERIFY(!load("[General]\nhavePrefs=100\n").any() && prefsLargeRows);
        QVERIFY(!prefsNewDatabase);  // not a first run: no ready-made timers again

        const PreferenceTrouble trouble = load(
            "[General]\nhavePrefs=100\nprefsVolume=loud\nprefsBringToFront=maybe\n"
            "prefsSort=x\nprefsRepeatLimit=15\nprefsKeepTimers=\n");
        QCOMPARE(keysOf(trouble), QStringList({"prefsBringToFront=maybe", "prefsSort=x",
                                               "prefsVolume=loud", "prefsKeepTimers="}));
        QVERIFY(prefsVolume == 0.5 && prefsBringToFront && prefsSort == sortDuration);
        QCOMPARE(prefsRepeatLimitMinutes, 15);
        PreferenceStore prefs(home->prefsPath());
        writeBackDefaults(prefs, trouble);
        const PreferenceStore next(home->prefsPath());
        QVERIFY(next.floating(volume) == 0.5 && next.boolean(bringToFront));
        QVERIFY(next.integer(sort) == sortDuration && next.integer(repeatLimit) == 15);
        QVERIFY(!load().any());
        QVERIFY(prefsVolume == 0.5 && prefsBringToFront);

        // A damaged marker is still a returning user's file, not a first run.
        QCOMPARE(keysOf(load("[General]\nhavePrefs=?\nprefsSort=2\n")), QStringList{"havePrefs=?"});
        QCOMPARE(prefsSort, sortDesc);
    }

    // Older files lack the repeat; a limit the sheet does not offer is a hand edit.
    void repeatLimitReadsOnlyOfferedChoices() {
        prefsRepeatLimitMinutes = 0;
        load("[General]\nhavePrefs=100\nprefsRepeatAlarm=true\nprefsRepeatLimit=7\n");
        QVERIFY(prefsRepeatAlarm);
        QCOMPARE(prefsRepeatLimitMinutes, 5);
        load("[General]\nhavePrefs=100\n");
        QVERIFY(!prefsRepeatAlarm);
    }

    // Kept aside rather than overwritten: the user may want it back.
    void garbageFileGetsTheDefaults() {
        const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const PreferenceTrouble trouble = load(garbage);
        QVERIFY(prefsSort == sortDuration && PreferenceStore(home->prefsPath()).integer(havePrefs));
        QCOMPARE(file(home->prefsPath() + ".unreadable"), garbage);
        QVERIFY(trouble.fileReset && trouble.badKeys.isEmpty());
        QCOMPARE(trouble.keptCopy, home->prefsPath() + ".unreadable");
        QVERIFY(!load().any());  // told once: the next start finds the defaults
    }

    void writesUserOnlyPlainText() {
        PreferenceStore prefs;
        prefs.setValue("volume", 0.7);
        prefs.setValue("flag", true);
        QVERIFY(prefs.synchronize());
        QCOMPARE(file(prefs.path()), QByteArray("[General]\nflag=true\nvolume=0.7\n"));
        const QString folder = QFileInfo(prefs.path()).path();  // no bits for group or other:
        QCOMPARE(int((QFile::permissions(prefs.path()) | QFile::permissions(folder)) & 0x77), 0);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
