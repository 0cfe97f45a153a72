// Finding a timer by a typed name, the listing's time column, and which
// command lines are refused before anything is asked of a running Dunok.
#include <QTest>

#include "app/CommandLine.h"
#include "app/OfflineTimers.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/PreferenceStore.h"
#include "domain/Preferences.h"
#include "domain/TimerLookup.h"
#include "storage/TimerStore.h"
#include "support/TestEnvironment.h"

using namespace dunok;
using Kind = TimerMatch::Kind;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void matchingTakesTheFirstTierWithAHit() {
        const QStringList names{"Tea", "tea time", "Team", "1 hour", "1 hour 15 minutes", "TEA"};
        // Exact beats the same name in another case, which beats prefixes.
        QCOMPARE(matchTimer(names, "Tea").index, 0);
        QCOMPARE(matchTimer(names, "1 hour").index, 3);
        const TimerMatch sameCase = matchTimer(names, "tEA");
        QCOMPARE(sameCase.kind, Kind::Ambiguous);
        QCOMPARE(sameCase.candidates, QStringList({"Tea", "TEA"}));
        QCOMPARE(matchTimer(names, "tea t").index, 1);
        QCOMPARE(matchTimer(names, "te").candidates.size(), 4);
        QCOMPARE(matchTimer(names, "Coffee").kind, Kind::None);
        QCOMPARE(matchTimer(names, "").kind, Kind::None);
        QCOMPARE(matchTimer({"Tea", "Tea"}, "Tea").kind, Kind::Ambiguous);
    }

    // The command line lists a store in the order the window shows it, for
    // every sort, names that only the bytes tell apart and damaged durations
    // included.
    void windowAndCommandLineShowOneOrder() {
        for (const int sort : {sortNone, sortDuration, sortDesc}) {
            testing::TestHome home;
            QStringList window;
            {
                testing::StoreFixture store(home.storePath());
                const std::pair<QString, qint64> timers[] = {{"Zucchini", 60}, {"\u00e9clair", 60},
                                                             {"apple", 30},    {"Eggs", -5},
                                                             {"Bread", 60},    {"eggs", 0}};
                for (const auto& [desc, secs] : timers) store.addTimer(desc, secs);
                TimerList list;
                QVERIFY(populateArray(list, store.store(), sort));
                window = testing::descriptions(list.timers());
            }
            PreferenceStore prefs(home.prefsPath());
            prefs.setValue(PrefKeys::havePrefs, 100);
            prefs.setValue(PrefKeys::sort, sort);
            QVERIFY(prefs.synchronize());
            StoreError why;
            const auto listed = timersAtNextStart(home.storePath(), home.prefsPath(), 0, &why);
            QVERIFY2(listed, qPrintable(why.description));
            QStringList commandLine;
            for (const TimerStatus& timer : *listed) commandLine << timer.description;
            QCOMPARE(commandLine, window);
            QCOMPARE(window.size(), 6);
        }
    }

    void listingColumns() {
        QCOMPARE(clockText(0), "0:00");
        QCOMPARE(clockText(49 * 3600 + 61), "49:01:01");
        QCOMPARE(listingLine({"a\tb\nc", "paused", 65}), "a b c\tpaused\t1:05");
    }

    void commandLines() {
        // Arguments apart by '|'.
        for (const char* line :
             {"--bogus", "--stop", "--list|--stop-all", "--start|a|--start|b", "--name|x",
              "--hidden|--list", "--start|Mum\ts", "--start|5m|--name|a\nb", "--pause| ", "Tea"})
            QVERIFY2(parseCommandLine(QString("dunok|%1").arg(line).split('|')).mode ==
                         CommandLineRequest::Mode::Error,
                     line);

        const CommandLineRequest start =
            parseCommandLine({"dunok", "--start", "5m", "--name", "Pasta", "--save", "--show"});
        QVERIFY(start.mode == CommandLineRequest::Mode::Command && start.name == "Pasta" &&
                start.save && start.show);
        // The toolkit's own options are left to it, also next to Dunok's.
        const CommandLineRequest styled = parseCommandLine(
            {"dunok", "-style", "fusion", "-platform=offscreen", "-reverse", "--hidden"});
        QVERIFY(styled.mode == CommandLineRequest::Mode::Gui && styled.hidden);
        // A timer named like one of them is still a timer.
        QCOMPARE(parseCommandLine({"dunok", "--stop", "-style"}).argument, QString("-style"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
