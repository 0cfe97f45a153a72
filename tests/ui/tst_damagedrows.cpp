// Rows that another program, an old version or a damaged file left in the
// store: NULLs, durations no one could type, sound names that point out of
// the sounds folder, huge texts. They load, show, start, tick and ring like
// any other, and the file stays as it was.
#include <QtTest>
#include <QtWidgets>

#include "desktop/Alarm.h"
#include "desktop/AudioPlayer.h"
#include "desktop/ResourceFolder.h"
#include "domain/ListLoading.h"
#include "domain/ListOrder.h"
#include "domain/Preferences.h"
#include "domain/TickScheduler.h"
#include "domain/TimerEdits.h"
#include "domain/TimerEngine.h"
#include "domain/TimerModel.h"
#include "domain/WallClock.h"
#include "support/HostileStore.h"
#include "support/MessageLog.h"
#include "support/TestEnvironment.h"
#include "ui/EditController.h"
#include "ui/TargetDate.h"
#include "ui/TimerTableModel.h"

using namespace dunok;

namespace {
constexpr qint64 second = 1'000'000'000;
const QString maxText = QStringLiteral("36524d  23h  59m 59s");
const QString insert =
    QStringLiteral("INSERT INTO Timers (desc, duration, snooze, snoozeOn, sound) VALUES ");

double soundLength(const QString& path) {
    const auto player = AudioPlayer::create(path, nullptr);
    return player ? player->duration() : -1.0;
}
}  // namespace

class TestDamagedRows : public QObject {
    Q_OBJECT

    testing::TestHome home;
    QString resources;  // the sounds folder's parent, of the test's own
    QHash<QString, double> lengths;
    FixedWallClock wall{QDateTime(QDate(2024, 3, 20), QTime(10, 0), QTimeZone::utc()),
                        QTimeZone::utc()};
    std::unique_ptr<SharedPlayer> player;
    std::unique_ptr<testing::StoreFixture> store;

private slots:
    void initTestCase() {
        // Three sounds of different lengths, so that what rings tells which file was opened.
        const QString shipped = resourceFolder() + "/Sounds/";
        resources = home.path() + "/share/dunok";
        QVERIFY(QDir().mkpath(resources + "/Sounds/sub"));
        const std::pair<QString, QString> copies[] = {
            {"Vintage Alarm Clock", resources + "/Sounds/Vintage Alarm Clock.caf"},
            {"Chimes", resources + "/Sounds/Chimes.caf"},
            {"Chimes", resources + "/Sounds/sub/Chimes.caf"},
            {"Marimba", resources + "/bait.caf"}};
        for (const auto& [name, to] : copies) QVERIFY(QFile::copy(shipped + name + ".caf", to));
        for (const QString name : {"Vintage Alarm Clock", "Chimes"})
            lengths[name] = soundLength(resources + "/Sounds/" + name + ".caf");
        lengths["bait"] = soundLength(resources + "/bait.caf");
        QCOMPARE(QSet<double>(lengths.begin(), lengths.end()).size(), 3);
        QVERIFY(!lengths.values().contains(-1.0));
    }

    void init() {
        player = std::make_unique<SharedPlayer>(SoundLibrary(resources));
        QFile::remove(home.storePath());
        store = std::make_unique<testing::StoreFixture>(home.storePath());
    }

    void cleanup() {
        player.reset();
        store.reset();
    }

    // One row as the file holds it: desc, duration, snooze, snoozeOn, sound.
    void oneStrangeRowLoadsRunsAndStaysStored_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<qint64>("seconds");     // what list, editor and engine work with
        QTest::addColumn<QString>("listed");     // before its start, and in the editor
        QTest::addColumn<QString>("afterTick");  // a second after its start, when still running
        QTest::addColumn<QString>("rings");      // the sound heard, when it finished in that second

        const QString def = "Vintage Alarm Clock";
        QTest::newRow("every column NULL")
            << "NULL, NULL, NULL, NULL, NULL" << 0ll << "0" << QString() << def;
        // Nothing to count down: listed as 0, and it rings at its start.
        const std::pair<const char*, QString> none[] = {
            {"most negative", "-9223372036854775808, -1, 7"},
            {"text for a duration", "'soon', 'x', 'y'"}};
        for (const auto& [name, columns] : none)
            QTest::newRow(name) << "'a', " + columns + ", 'Chimes'" << 0ll << "0" << QString()
                                << "Chimes";
        // More than a hundred years: read as the longest a timer runs.
        const std::pair<const char*, QString> huge[] = {{"a second over the maximum", "3155760000"},
                                                        {"a real far too large", "1e300"}};
        for (const auto& [name, duration] : huge)
            QTest::newRow(name) << "'a', " + duration + ", 0, 0, 'Chimes'" << maxTimerDuration
                                << maxText << "36524d 23:59:58" << QString();
        // A sound is a name in the sounds folder, never a path: anything else rings the
        // default, even where a real file lies behind it.
        const std::pair<const char*, QString> notNames[] = {
            {"sound in a subfolder", "'sub/Chimes'"},
            {"sound with a NUL", "'Chimes' || char(0) || '/../bait'"}};
        for (const auto& [name, sound] : notNames)
            QTest::newRow(name) << "'a', 1, 0, 0, " + sound << 1ll << "1s" << QString() << def;
        QTest::newRow("100,000-character description")
            << "hex(zeroblob(50000)), 61, NULL, NULL, 'Chimes'" << 61ll << "1m 1s"
            << "00:01:00" << QString();
    }
    void oneStrangeRowLoadsRunsAndStaysStored() {
        QFETCH(QString, values);
        QFETCH(qint64, seconds);
        QFETCH(QString, listed);
        QFETCH(QString, afterTick);
        QFETCH(QString, rings);
        const QString path = home.storePath();
        QCOMPARE(testing::sql(path, insert + "(" + values + ")"), QStringList());
        const QByteArray before = testing::fingerprint(path);
        testing::MessageLog log;

        TimerList list;
        QVERIFY(populateArray(list, store->store(), sortDuration));
        QCOMPARE(list.size(), 1);
        const Timer timer = list.at(0);
        QCOMPARE(timer.duration, seconds);
        Preferences prefs;
        TimerTableModel model(prefs, list);
        model.reloadData();
        QCOMPARE(model.data(model.index(0, 0)).toString(), timer.desc);
        QCOMPARE(model.data(model.index(0, 1)).toString(), listed);

        // The editor opens on what the list shows, and closing it changes nothing.
        {
            EditController editor(
                prefs.settings(), *player,
                [this](Timer& t, StoreError* e) { return saveTimer(store->store(), t, e); },
                nullptr, wall);
            editor.setAreEditing(true);
            editor.setCurrentTimer(timer);
            editor.open();
            QCOMPARE(editor.findChild<QLabel*>("lblDuration")->text(),
                     seconds ? listed : "Duration must not be zero.");
            QCOMPARE(editor.findChild<QLineEdit*>("edDescription")->text(), timer.desc);
            if (seconds > 0)
                QCOMPARE(editor.findChild<TargetDateEdit*>("edDateTime")->moment(),
                         wall.now().addSecs(seconds));
            editor.reject();
        }

        ManualClock clock(5 * second);
        TimerEngine engine(list, model, prefs, *player, clock);
        model.setRunning(&engine.alertsArray());
        engine.setCursorSource([] { return QPointF(); });
        QList<FinishNotice> notices;
        connect(&engine, &TimerEngine::finishNotification, [&](auto n) { notices << n; });
        engine.toggle(timerId(timer));
        QCOMPARE(engine.alertsArray().getNumAlerts(), 1);
        clock.advanceNs(second);
        engine.scheduler().processDueTicks();
        if (!rings.isEmpty()) {
            // Finished: the notice and the row say so, and the right file rings.
            QVERIFY2(engine.alertsArray().isEmpty(),
                     qPrintable(model.data(model.index(0, 1)).toString()));
            QVERIFY(model.data(model.index(0, 1)).toString().startsWith("Finished "));
            QCOMPARE(notices.size(), 1);
            QVERIFY(player->isPlaying());
            QCOMPARE(player->player()->duration(), lengths.value(rings));
            QCOMPARE(log.countStartingWith("Playing the default sound"), rings == "Chimes" ? 0 : 1);
        } else {
            QCOMPARE(model.data(model.index(0, 1)).toString(), afterTick);
            QCOMPARE(engine.secondsLeft(timerId(timer)), seconds - 1);
            engine.stopAll();
        }
        QCOMPARE(log.countStartingWith("Couldn't load sound file"), 0);

        // Shown clamped, kept as stored: nothing was written, and a reload reads it all again.
        QVERIFY(populateArray(list, store->store(), sortDesc) && list.size() == 1);
        QCOMPARE(testing::fingerprint(path), before);
    }

    // A drag moves rows, it does not edit them: a NULL or an out-of-range
    // duration stays as it was, and so does every id.
    void reorderingKeepsWhatTheFileHeld() {
        const QString path = home.storePath();
        QCOMPARE(
            testing::sql(path, insert + "(NULL, NULL, NULL, NULL, NULL), ('big', "
                                        "9223372036854775807, 0, 0, '../x'), ('neg', -3, 0, 0, "
                                        "'Chimes')"),
            QStringList());
        TimerList list;
        QVERIFY(populateArray(list, store->store(), sortNone));
        QVERIFY(dropTimerRows(store->store(), list, {0}, 3).accepted);
        QCOMPARE(testing::sql(path,
                              "SELECT quote(desc) || ' ' || quote(duration) || ' ' || "
                              "quote(sound) || ' ' || id FROM Timers ORDER BY position"),
                 QStringList({"'big' 9223372036854775807 '../x' 2", "'neg' -3 'Chimes' 3",
                              "NULL NULL NULL 1"}));
    }
};

QTEST_MAIN(TestDamagedRows)
#include "tst_damagedrows.moc"
