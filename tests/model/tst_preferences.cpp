// Loading the preferences: a first run's defaults as the next run reads them, and stored values.
#include <QDir>
#include <QTest>

#include "model/Preferences.h"
#include "platform/PreferenceStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;
using namespace dunok::PrefKeys;

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;

    // A start-up over a file holding these bytes, or over no file at all.
    void load(const QByteArray& bytes = {}) {
        QDir().mkpath(QFileInfo(home->prefsPath()).path());
        if (QFile file(home->prefsPath()); !bytes.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        PreferenceStore prefs(home->prefsPath());
        loadPreferences(prefs);
    }

private slots:
    void init() { home = std::make_unique<testing::TestHome>(); }

    void firstRunWritesTheDefaults() {
        load();  // prefsQuietWithMouse starts on
        QVERIFY(prefsSort == sortDuration && prefsVolume == 0.5 && !prefsQuietWithMouse);
        const PreferenceStore next(home->prefsPath());  // what the next run reads
        for (auto key : {newDatabase, bringToFront, sendNotification, largeRows, countdownDigits})
            QVERIFY2(next.boolean(key), qPrintable(key));
        for (auto key : {hideWhenTimerStarts, quietWithMouse})
            QVERIFY2(next.contains(key) && !next.boolean(key), qPrintable(key));
        QVERIFY(next.integer(havePrefs) == 100 && next.integer(sort) == sortDuration &&
                next.floating(volume) == 0.5);
        QCOMPARE(next.string(defSound), std::optional<QString>("Vintage Alarm Clock"));
    }

    void storedValues() {
        prefsDefSound = "Chimes";  // with none stored, the sound in use stays
        load(
            "[General]\nhavePrefs=100\nprefsSort=2\nprefsLargeRows=false\nprefsVolume=1.5\n"
            "prefsQuietWithMouse=yes\nprefsBringToFront=abc\n");
        QVERIFY(prefsSort == sortDesc && prefsDefSound == "Chimes" && prefsVolume == 0.5);
        QVERIFY(prefsLargeRows && prefsQuietWithMouse && !prefsBringToFront && !prefsNewDatabase);
        load("[General]\nhavePrefs=100\nprefsVolume=0.0\n");
        QCOMPARE(prefsVolume, 0.0);  // silent stays silent
    }

    // Older files lack the repeat; a limit the sheet does not offer is a hand edit.
    void repeatLimitReadsOnlyOfferedChoices() {
        const std::pair<const char*, int> limits[] = {{"", 5},
                                                      {"prefsRepeatLimit=1\n", 1},
                                                      {"prefsRepeatLimit=15\n", 15},
                                                      {"prefsRepeatLimit=7\n", 5},
                                                      {"prefsRepeatLimit=-1\n", 5},
                                                      {"prefsRepeatLimit=abc\n", 5}};
        for (const auto& [line, minutes] : limits) {
            prefsRepeatLimitMinutes = 0;
            load(QByteArray("[General]\nhavePrefs=100\nprefsRepeatAlarm=true\n") + line);
            QVERIFY(prefsRepeatAlarm);
            QCOMPARE(prefsRepeatLimitMinutes, minutes);
        }
        prefsRepeatAlarm = true;
        load("[General]\nhavePrefs=100\n");
        QVERIFY(!prefsRepeatAlarm);
    }

    void garbageFileGetsTheDefaults() {
        load(QByteArray("\0\x01\x02\xff prefsSort=2", 16));
        QVERIFY(prefsSort == sortDuration && PreferenceStore(home->prefsPath()).integer(havePrefs));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
