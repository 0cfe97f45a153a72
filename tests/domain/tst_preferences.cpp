// The preferences: a first run's defaults as the next run reads them, stored
// values, and the file itself: typed reads of what a user or an older run left
// in it, user-only permissions, and a file that cannot be read kept aside. The
// window and the command line read the same settings from one file, and every
// key written comes back as it was in a fresh reader.
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "domain/Constants.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/Settings.h"
#include "support/domain/TestHome.h"

using namespace dunok;
using namespace dunok::PrefKeys;

namespace {

// "key=value" for every key of the table, so that a failure names the key.
QStringList dump(const Settings& settings) {
    QStringList lines;
    for (const SettingKey& entry : settingKeys())
        std::visit(
            [&](auto member) {
                const auto& value = settings.*member;
                QString text;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::optional<QString>>)
                    text = value.value_or("<none>");
                else
                    text = QVariant::fromValue(value).toString();
                lines << entry.key + "=" + text;
            },
            entry.field);
    return lines;
}

// Another value of the entry's field that its rule accepts.
void changeOne(Settings& settings, const SettingKey& entry) {
    std::visit(
        [&](auto member) {
            auto& value = settings.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                value = !value;
            else if constexpr (std::is_same_v<T, int>)
                value = entry.choices.isEmpty() ? value + 1 : entry.choices.back();
            else if constexpr (std::is_same_v<T, double>)
                value = 0.7;
            else
                value = QStringLiteral("Chimes, loud");
        },
        entry.field);
}

}  // namespace

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    // What the run holds from one start-up to the next.
    Settings now;

    // A start-up over a file holding these bytes, or over no file at all.
    PreferenceTrouble load(const QByteArray& bytes = {}) {
        QDir().mkpath(QFileInfo(home->prefsPath()).path());
        if (QFile file(home->prefsPath()); !bytes.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        PreferenceStore store(home->prefsPath());
        Preferences prefs(&store, now);
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
        if (QFile out(path); !write.isEmpty() && out.open(QIODevice::WriteOnly)) out.write(write);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }

private slots:
    void init() {
        home = std::make_unique<testing::TestHome>();
        now = startSettings();
    }

    void firstRunWritesTheDefaults() {
        QVERIFY(!load().any());  // the mouse silences before the load, not after
        QVERIFY(now.sort == sortDuration && now.volume == 0.5 && !now.quietWithMouse);
        const SettingsRead next = readSettings(PreferenceStore(home->prefsPath()));
        QVERIFY(!next.firstRun && next.badKeys.isEmpty());
        QVERIFY(next.settings == firstRunSettings());
    }

    void storedValues() {
        now.defSound = "Chimes";  // with none stored, the sound in use stays
        const PreferenceTrouble clean = load(
            "[General]\nhavePrefs=100\nprefsSort=2\nprefsLargeRows=false\nprefsVolume=1.5\n"
            "prefsQuietWithMouse=yes\nprefsBringToFront=no\n");
        QVERIFY(!clean.any());
        QVERIFY(now.sort == sortDesc && now.defSound == "Chimes" && now.volume == 0.5);
        QVERIFY(!now.largeRows && now.quietWithMouse && !now.bringToFront && !now.newDatabase);
        load("[General]\nhavePrefs=100\nprefsVolume=0.0\n");
        QCOMPARE(now.volume, 0.0);  // silent stays silent
    }

    // One object holds the run's settings: a change is told to whoever
    // listens and written, key by key, only when and where asked.
    void changesAreToldAndWrittenAsAsked() {
        load();
        PreferenceStore store(home->prefsPath());
        now.defSound = "Chimes";
        Preferences prefs(&store, now);
        QSignalSpy changed(&prefs, &Preferences::changed);
        Settings next = prefs.settings();
        next.sort = sortDesc;
        next.volume = 0.2;
        next.defSound = std::nullopt;  // a change without a sound keeps the one in use
        QVERIFY(prefs.change(next, {sort}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Settings>().sort, sortDesc);
        QVERIFY(prefs.settings().volume == 0.2 && prefs.defSound() == "Chimes");
        const PreferenceStore written(home->prefsPath());
        QVERIFY(written.integer(sort) == sortDesc && written.floating(volume) == 0.5);

        next.keepTimers = true;
        prefs.changeForThisRun(next);
        QVERIFY(prefs.settings().keepTimers && changed.count() == 2);
        QVERIFY(!PreferenceStore(home->prefsPath()).boolean(keepTimers));

        Preferences inMemory;  // no file: changes hold for the run only
        QVERIFY(inMemory.change(next) && inMemory.settings().keepTimers);
        QVERIFY(inMemory.load().badKeys.isEmpty() && inMemory.settings().keepTimers);
    }

    // A missing volume rings at the default, not silently; other missing keys
    // read as they always have, with nothing to tell. Text that means nothing
    // is the default, and named, until written back.
    void missingOrUnreadableKeysReadAsTheirDefaults() {
        now.volume = 0.0;
        QVERIFY(!load("[General]\nhavePrefs=100\nprefsLargeRows=false\n").any());
        QVERIFY(now.volume == 0.5 && !now.bringToFront && !now.countdownDigits);
        QVERIFY(!now.largeRows && now.sort == sortNone);
        QVERIFY(!load("[General]\nhavePrefs=100\n").any() && now.largeRows);
        QVERIFY(!now.newDatabase);  // not a first run: no ready-made timers again

        const PreferenceTrouble trouble = load(
            "[General]\nhavePrefs=100\nprefsVolume=loud\nprefsBringToFront=maybe\n"
            "prefsSort=x\nprefsRepeatLimit=15\nprefsKeepTimers=\n");
        QCOMPARE(keysOf(trouble), QStringList({"prefsBringToFront=maybe", "prefsSort=x",
                                               "prefsVolume=loud", "prefsKeepTimers="}));
        QVERIFY(now.volume == 0.5 && now.bringToFront && now.sort == sortDuration);
        QCOMPARE(now.repeatLimitMinutes, 15);
        PreferenceStore store(home->prefsPath());
        Preferences(&store).writeBackDefaults(trouble);
        const PreferenceStore next(home->prefsPath());
        QVERIFY(next.floating(volume) == 0.5 && next.boolean(bringToFront));
        QVERIFY(next.integer(sort) == sortDuration && next.integer(repeatLimit) == 15);
        QVERIFY(!load().any());
        QVERIFY(now.volume == 0.5 && now.bringToFront);

        // A damaged marker is still a returning user's file, not a first run.
        QCOMPARE(keysOf(load("[General]\nhavePrefs=?\nprefsSort=2\n")), QStringList{"havePrefs=?"});
        QCOMPARE(now.sort, sortDesc);
    }

    // Older files lack the repeat; a limit the sheet does not offer is a hand edit.
    void repeatLimitReadsOnlyOfferedChoices() {
        now.repeatLimitMinutes = 0;
        load("[General]\nhavePrefs=100\nprefsRepeatAlarm=true\nprefsRepeatLimit=7\n");
        QVERIFY(now.repeatAlarm);
        QCOMPARE(now.repeatLimitMinutes, 5);
        load("[General]\nhavePrefs=100\n");
        QVERIFY(!now.repeatAlarm);
    }

    // Kept aside rather than overwritten: the user may want it back.
    void garbageFileGetsTheDefaults() {
        const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const PreferenceTrouble trouble = load(garbage);
        QVERIFY(now.sort == sortDuration && PreferenceStore(home->prefsPath()).integer(havePrefs));
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

    void commandLineReadsWhatTheWindowReads_data() {
        QTest::addColumn<QByteArray>("file");  // "<missing>": no file at all
        QTest::newRow("no file") << QByteArray("<missing>");
        QTest::newRow("empty file") << QByteArray("\n");
        QTest::newRow("binary junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        // Set aside by a start, which then finds an empty file: not read as it stands.
        QTest::newRow("settings with a NUL byte")
            << QByteArray("[General]\nhavePrefs=100\nprefsSort=2\n\0\n", 38);
        QTest::newRow("only the marker") << QByteArray("[General]\nhavePrefs=100\n");
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
        if (file != "<missing>") {
            QDir().mkpath(QFileInfo(home->prefsPath()).path());
            this->file(home->prefsPath(), file);
        }

        // The command line first, since the window's start rewrites the file.
        const SettingsRead offline = readSettings(*PreferenceStore::forReading(home->prefsPath()));
        QCOMPARE(this->file(home->prefsPath()), file);  // not a byte changed, nothing made
        QCOMPARE(QFileInfo::exists(QFileInfo(home->prefsPath()).path()), file != "<missing>");

        PreferenceStore store(home->prefsPath());
        Preferences prefs(&store);
        prefs.load();
        Settings expected = offline.settings;
        // With no sound stored, a start keeps the one it began with.
        if (!expected.defSound) expected.defSound = Constants::defSound;
        QCOMPARE(dump(prefs.settings()), dump(expected));
    }

    // Each key changed alone, so that two keys sharing a field or a name show.
    void everyKeyReadsBackAsWritten() {
        PreferenceStore prefs(home->prefsPath());
        QVERIFY(writeFirstRun(prefs, firstRunSettings()));
        for (const SettingKey& entry : settingKeys()) {
            Settings changed = firstRunSettings();
            changeOne(changed, entry);
            QVERIFY2(!(changed == firstRunSettings()), qPrintable(entry.key));
            QVERIFY(writeSettings(prefs, changed));
            const SettingsRead read = readSettings(PreferenceStore(home->prefsPath()));
            QVERIFY2(read.badKeys.isEmpty(), qPrintable(entry.key));
            QCOMPARE(dump(read.settings), dump(changed));
            QVERIFY(writeSettings(prefs, firstRunSettings()));
        }
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
